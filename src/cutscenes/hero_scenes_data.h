// The datafiles of the scenes in which the hero handles things
// (hero_scenes.cpp), and where their pictures stand. The game and the data
// generator (tools/mkassets/hero_scenes_art.cpp) both read this header: an
// entry's position and a picture's place are written here only.
//
// The hero's frames of a scene are drawn at his size where he stands in the
// room, so the player shows them unscaled. A `HeroStage` says where he stands
// and how far each frame reaches beyond his usual picture (hero_width x
// hero_length with its top-left corner at bmp_x, bmp_y): a frame's top-left
// corner is (bmp_x - left, bmp_y - top). An overlay of a room's piece is
// drawn `OverlayPad` pixels left of and above the piece's own picture.
#pragma once

#include "core/data_manifest.h"

namespace hero_scenes_data {

using manifest::File;
using manifest::Run;

struct HeroStage {
  const char* room;
  int x, y;                          // his standing point
  int left, top, right, bottom;      // how far the frames reach beyond his picture
};

struct OverlayPad {
  int left, top, right, bottom;
};

// ---- "herogaz.dat": the gas bottle in future_biolog ----------------------------
// 0..9 the hero holding the bottle, from upright (0) to bent low (9); 10..14
// bending down to it; 15..29 taking it and beginning to rise with it.
#define PELVARO_HEROGAZ_DAT(X) X(gaz_hero, "GAZ_HERO", 30)
PELVARO_DATAFILE(Herogaz, "herogaz.dat", PELVARO_HEROGAZ_DAT)
inline constexpr HeroStage kGazStage{"future_biolog", 165, 335, 8, 4, 8, 4};

// ---- "heroguit.dat": the guitar in future_physik -------------------------------
#define PELVARO_HEROGUIT_DAT(X)       \
  X(guitar_reach, "GUITAR_REACH", 8)  \
  X(guitar_lift, "GUITAR_LIFT", 8)    \
  X(guitar_strum, "GUITAR_STRUM", 4)
PELVARO_DATAFILE(Heroguit, "heroguit.dat", PELVARO_HEROGUIT_DAT)
inline constexpr HeroStage kGuitarStage{"future_physik", 260, 380, 16, 8, 16, 4};
inline constexpr int kGuitarSlot = 3;

// ---- "herotool.dat": the caretaker's cupboard and the screwdriver in
// future_floor15 (the cupboard is slot 0, the screwdriver slot 1) ------------------
#define PELVARO_HEROTOOL_DAT(X)              \
  X(tool_turn, "TOOL_TURN", 4)               \
  X(tool_reach, "TOOL_REACH", 5)             \
  X(tool_jiggle, "TOOL_JIGGLE", 4)           \
  X(tool_knock, "TOOL_KNOCK", 6)             \
  X(tool_pull, "TOOL_PULL", 4)               \
  X(tool_bend, "TOOL_BEND", 8)               \
  X(tool_rise, "TOOL_RISE", 6)               \
  X(tool_look, "TOOL_LOOK", 6)               \
  X(cupboard_shut, "CUPBOARD_SHUT", 1)       \
  X(cupboard_rattle, "CUPBOARD_RATTLE", 2)   \
  X(cupboard_opening, "CUPBOARD_OPENING", 4) \
  X(cupboard_empty, "CUPBOARD_EMPTY", 1)
PELVARO_DATAFILE(Herotool, "herotool.dat", PELVARO_HEROTOOL_DAT)
inline constexpr HeroStage kToolStage{"future_floor15", 250, 420, 30, 8, 8, 4};
inline constexpr OverlayPad kCupboardPad{34, 4, 34, 0};
inline constexpr int kCupboardSlot = 0;
inline constexpr int kCupboardOpen = 1;  // its state once opened: it stays, open
inline constexpr int kToolSlot = 1;

// ---- "herorohr.dat": the lead pipe cut with the welding torch in
// future_floor15 (pipe slot 2, torch 3, sparks 4 and 5) ---------------------------
#define PELVARO_HEROROHR_DAT(X)       \
  X(rohr_raise, "ROHR_RAISE", 5)      \
  X(rohr_weld, "ROHR_WELD", 4)        \
  X(rohr_catch, "ROHR_CATCH", 5)      \
  X(rohr_stoop, "ROHR_STOOP", 6)      \
  X(rohr_glow, "ROHR_GLOW", 3)
PELVARO_DATAFILE(Herorohr, "herorohr.dat", PELVARO_HEROROHR_DAT)
inline constexpr HeroStage kRohrStage{"future_floor15", 440, 360, 8, 24, 48, 4};
inline constexpr OverlayPad kGlowPad{14, 14, 14, 14};
inline constexpr int kPipeSlot = 2;
inline constexpr int kTorchSlot = 3;
inline constexpr int kSparksSlot = 4;
inline constexpr int kSparks2Slot = 5;

// ---- "herocase.dat": the showcase in future_chimie (slot 0) ----------------------
#define PELVARO_HEROCASE_DAT(X)        \
  X(case_reach, "CASE_REACH", 5)       \
  X(case_pry, "CASE_PRY", 6)           \
  X(case_swing, "CASE_SWING", 6)       \
  X(case_locked, "CASE_LOCKED", 2)     \
  X(case_crack, "CASE_CRACK", 2)       \
  X(case_broken, "CASE_BROKEN", 1)     \
  X(case_door, "CASE_DOOR", 4)
PELVARO_DATAFILE(Herocase, "herocase.dat", PELVARO_HEROCASE_DAT)
inline constexpr HeroStage kCaseStage{"future_chimie", 330, 370, 8, 8, 8, 4};
inline constexpr OverlayPad kShowcasePad{50, 4, 4, 4};
inline constexpr int kShowcaseSlot = 0;
inline constexpr int kShowcaseOpen = 2;  // its state once opened: it stays, open
inline constexpr int kDiamondSlot = 1;
inline constexpr int kShowcaseBroken = 1;  // the showcase's state once its lock is broken

// ---- "bleidouc.dat": the lead solution poured into the shower's tank in
// future_chimietp (the shower and its tank are slots 6 and 7) ---------------------
#define PELVARO_BLEIDOUC_DAT(X)       \
  X(blei_raise, "BLEI_RAISE", 5)      \
  X(blei_pour, "BLEI_POUR", 4)        \
  X(blei_splash, "BLEI_SPLASH", 3)
PELVARO_DATAFILE(Bleidouc, "bleidouc.dat", PELVARO_BLEIDOUC_DAT)
inline constexpr HeroStage kBleiStage{"future_chimietp", 290, 255, 24, 40, 8, 4};
inline constexpr OverlayPad kTankPad{0, 0, 0, 0};
inline constexpr int kShowerSlot = 6;

// ---- "douche.dat": the shower in future_chimietp ---------------------------------
// The hero puts on his glasses, steps under the shower, sings and steps out.
#define PELVARO_DOUCHE_DAT(X)                    \
  X(douche_glasses, "DOUCHE_GLASSES", 8)         \
  X(douche_talk, "DOUCHE_TALK", 15)              \
  X(douche_walk_left, "DOUCHE_WALK_LEFT", 14)    \
  X(douche_walk_right, "DOUCHE_WALK_RIGHT", 14)  \
  X(douche_reach, "DOUCHE_REACH", 4)             \
  X(douche_scrub, "DOUCHE_SCRUB", 8)             \
  X(douche_sing, "DOUCHE_SING", 8)               \
  X(douche_shake, "DOUCHE_SHAKE", 6)             \
  X(douche_water, "DOUCHE_WATER", 4)             \
  X(douche_drip, "DOUCHE_DRIP", 2)
PELVARO_DATAFILE(Douche, "douche.dat", PELVARO_DOUCHE_DAT)
inline constexpr HeroStage kDoucheStage{"future_chimietp", 290, 255, 12, 16, 12, 4};
// Under the shower he stands this many steps of 8 px left of where he began.
inline constexpr int kDoucheSteps = 6;
inline constexpr OverlayPad kWaterPad{0, 0, 0, 0};
// The piece the shower scene hides while it plays.
inline constexpr int kDoucheHiddenSlot = 9;

}  // namespace hero_scenes_data
