// The datafiles of the encounter scenes (encounter_scenes.cpp): each file's
// entries in their stored order, and where their pictures stand on the
// screen. The game and the data generator (tools/mkassets) both read this
// header, so a picture's position in its file and its place in the room are
// written once.
#pragma once

#include "core/data_manifest.h"

namespace manifest {

// "herodatz.dat": the hero in the opening corridor, at his size where a new
// game puts him, with room to the right and above for what he holds.
#define PELVARO_HERODATZ_DAT(X)      \
  X(hero_wait, "HERO_WAIT", 1)       \
  X(hero_reach, "HERO_REACH", 4)     \
  X(hero_read, "HERO_READ", 1)       \
  X(hero_grumble, "HERO_GRUMBLE", 4) \
  X(hero_draw, "HERO_DRAW", 4)       \
  X(hero_wind_up, "HERO_WIND_UP", 3) \
  X(hero_strike, "HERO_STRIKE", 3)   \
  X(hero_lower, "HERO_LOWER", 3)     \
  X(hero_stand, "HERO_STAND", 1)
PELVARO_DATAFILE(Herodatz, "herodatz.dat", PELVARO_HERODATZ_DAT)
// The hero's frames are drawn this far left of and above his sprite's
// top-left corner.
inline constexpr int kHerodatzLeft = 0;
inline constexpr int kHerodatzTop = 30;

// "betodatz.dat": Mr Betong, who hands the test back and ends up on the
// floor where the corridor shows him out cold.
#define PELVARO_BETODATZ_DAT(X)           \
  X(betong_talk, "BETONG_TALK", 10)       \
  X(betong_hand, "BETONG_HAND", 4)        \
  X(betong_wait, "BETONG_WAIT", 4)        \
  X(betong_startle, "BETONG_STARTLE", 2)  \
  X(betong_hit, "BETONG_HIT", 5)          \
  X(betong_fall, "BETONG_FALL", 8)        \
  X(betong_out, "BETONG_OUT", 1)
PELVARO_DATAFILE(Betodatz, "betodatz.dat", PELVARO_BETODATZ_DAT)
// Every frame of Mr Betong is drawn with its top-left corner here.
inline constexpr int kBetodatzX = 180;
inline constexpr int kBetodatzY = 90;

// "sandslee.dat": Mrs Sand at her desk takes the bottle, drinks and nods
// off; her desk, to be drawn in front of her.
#define PELVARO_SANDSLEE_DAT(X)       \
  X(sand_reach, "SAND_REACH", 4)      \
  X(sand_drink, "SAND_DRINK", 4)      \
  X(sand_drowsy, "SAND_DROWSY", 4)    \
  X(sand_nod, "SAND_NOD", 4)          \
  X(sand_desk, "SAND_DESK", 1)
PELVARO_DATAFILE(Sandslee, "sandslee.dat", PELVARO_SANDSLEE_DAT)

// "sandsle2.dat": the end of her day: a yawn, and down she goes; her desk.
#define PELVARO_SANDSLE2_DAT(X)     \
  X(sand_yawn, "SAND_YAWN", 5)      \
  X(sand_sink, "SAND_SINK", 4)      \
  X(sand_asleep, "SAND_ASLEEP", 1)  \
  X(sand_desk2, "SAND_DESK", 1)
PELVARO_DATAFILE(Sandsle2, "sandsle2.dat", PELVARO_SANDSLE2_DAT)
// Mrs Sand's frames of both files are drawn with their top-left corner
// here; her desk stands where it stands in the room.
inline constexpr int kSandX = 480;
inline constexpr int kSandY = 130;
inline constexpr int kSandDeskX = 526;
inline constexpr int kSandDeskY = 290;

// "poliexit.dat": the guard of the corridor raises his hand and tells the
// hero off.
#define PELVARO_POLIEXIT_DAT(X)    \
  X(guard_raise, "GUARD_RAISE", 4) \
  X(guard_scold, "GUARD_SCOLD", 4)
PELVARO_DATAFILE(Poliexit, "poliexit.dat", PELVARO_POLIEXIT_DAT)

// "polikf.dat": the guard's fight, he and the hero.
#define PELVARO_POLIKF_DAT(X)         \
  X(kf_angry, "KF_ANGRY", 1)          \
  X(kf_stance, "KF_STANCE", 2)        \
  X(kf_chop, "KF_CHOP", 1)            \
  X(kf_kick, "KF_KICK", 1)            \
  X(kf_punch, "KF_PUNCH", 1)          \
  X(kf_lift, "KF_LIFT", 1)            \
  X(kf_dust, "KF_DUST", 1)            \
  X(kf_step, "KF_STEP", 2)            \
  X(kf_hero_stand, "KF_HERO_STAND", 1) \
  X(kf_hero_flinch, "KF_HERO_FLINCH", 1) \
  X(kf_hero_hit, "KF_HERO_HIT", 1)    \
  X(kf_hero_stagger, "KF_HERO_STAGGER", 1) \
  X(kf_hero_fly, "KF_HERO_FLY", 4)
PELVARO_DATAFILE(Polikf, "polikf.dat", PELVARO_POLIKF_DAT)
// The guard's frames of both files are drawn with their top-left corner at
// his post offset by this; the hero's frames of the fight this far left of
// and above his sprite's top-left corner.
inline constexpr int kGuardLeft = 110;
inline constexpr int kGuardTop = 40;
inline constexpr int kFightHeroLeft = 56;
inline constexpr int kFightHeroTop = 34;

}  // namespace manifest
