// The hero handles things: the cupboard, the screwdriver, the guitar, the gas
// bottle, the lead pipe, the showcase, the tank and the shower.
//
// Each scene plays where the caller's walk left the hero (the piece's
// standing point), from frames drawn at his size there (hero_scenes_data.h).
// Where he works at a piece that the scene draws itself (the cupboard, the
// showcase), the piece's picture is the overlay and he is drawn in front of
// it.
#include "core/screen_layout.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/hero_scenes_data.h"
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "rooms/rooms.h"

namespace {

using namespace hero_scenes_data;
using manifest::at;

// The hero at a stage's standing point (moved `x_shift` px along the row),
// his frames' corner where the stage's frames begin.
void stand(Sequence& s, const HeroStage& st, int x_shift = 0) {
  s.place_hero(st.x + x_shift, st.y, -st.left, -st.top);
}

// An overlay over the room's piece in `slot`, entries first..last.
void over_piece(Sequence& s, int first, int last, int slot, const OverlayPad& pad) {
  s.overlay_run(first, last, furni_x[slot][0] - pad.left, furni_y[slot][0] - pad.top);
}

// A still frame held: `frame` once (the shot's duration holds it).
void hold(Sequence& s, int frame) { s.hero_run(frame, frame); }

// A subtitle screen of one or two lines, each centred, near the top.
void subtitles(Sequence& s, int colour, const char* first, const char* second = "") {
  const char* lines[2] = {first, second};
  for (int i = 0; i < 2; ++i) {
    const int width = pv_font ? text_length(pv_font, lines[i]) : 0;
    s.say(i, lines[i], (screen_layout::kScreenWidth - width) / 2, 30 + 20 * i);
  }
  s.subtitle_colour(colour);
}

}  // namespace

// ---- future_floor15: the caretaker's cupboard ---------------------------------------

void video_oeffne_schrank() {
  Sequence s("video_oeffne_schrank", &kHerotoolFile);
  stand(s, kToolStage);
  hero_foreground = 1;
  // The scene draws the cupboard itself.
  furni_present[kCupboardSlot] = 0;
  const int shut = at(Herotool::cupboard_shut), rattle = at(Herotool::cupboard_rattle),
            opening = at(Herotool::cupboard_opening);
  const int turn = at(Herotool::tool_turn), reach = at(Herotool::tool_reach), jiggle = at(Herotool::tool_jiggle),
            knock = at(Herotool::tool_knock), pull = at(Herotool::tool_pull), bend = at(Herotool::tool_bend);

  over_piece(s, shut, shut, kCupboardSlot, kCupboardPad);
  s.hero_run(turn, turn + 3);  // he turns to it
  s.play(4);
  s.hero_run(reach, reach + 4);  // and tries the lock
  s.play(5);
  over_piece(s, rattle, rattle + 1, kCupboardSlot, kCupboardPad);
  s.hero_run(jiggle, jiggle + 3);
  s.play(8);
  s.play(8);
  over_piece(s, shut, shut, kCupboardSlot, kCupboardPad);
  s.hero_run(pull, pull + 3);  // tugs at the door
  s.play(8);
  over_piece(s, rattle, rattle + 1, kCupboardSlot, kCupboardPad);
  s.play(8);
  over_piece(s, shut, shut, kCupboardSlot, kCupboardPad);
  hold(s, reach + 4);  // thinks
  s.play(8);
  over_piece(s, rattle, rattle + 1, kCupboardSlot, kCupboardPad);
  s.hero_run(knock, knock + 5);  // knocks
  s.play(6);
  s.play(6);
  s.play(6);
  s.hero_run(jiggle, jiggle + 3);  // the lock gives a little
  s.play(8);
  s.hero_run(pull, pull + 3);
  s.play(8);
  over_piece(s, opening, opening, kCupboardSlot, kCupboardPad);  // the door springs
  s.play(4);
  over_piece(s, opening, opening + 1, kCupboardSlot, kCupboardPad);
  s.play(4);
  over_piece(s, opening + 1, opening + 3, kCupboardSlot, kCupboardPad);
  s.hero_run(reach + 4, reach);  // he lets go
  s.play(6);
  over_piece(s, opening + 3, opening + 3, kCupboardSlot, kCupboardPad);
  hold(s, turn + 3);
  s.play(8);
  s.hero_run(bend, bend + 3);  // looks in
  s.play(4);
  hold(s, bend + 3);
  s.play(8);
  s.hero_run(bend + 3, bend);
  s.play(4);
  s.hero_run(turn + 3, turn);
  s.play(4);
  hold(s, turn);
  s.play(6);
  s.play(4);
  // The cupboard stays, open, with the screwdriver inside.
  furni_present[kCupboardSlot] = 1;
  furni_anim[kCupboardSlot] = kCupboardOpen;
  load_furni_anim();
  furni_present[kToolSlot] = 1;
}

void video_take_tool() {
  Sequence s("video_take_tool", &kHerotoolFile);
  stand(s, kToolStage);
  hero_foreground = 1;
  const int full = at(Herotool::cupboard_opening, 3), empty = at(Herotool::cupboard_empty);
  const int turn = at(Herotool::tool_turn), bend = at(Herotool::tool_bend), rise = at(Herotool::tool_rise),
            look = at(Herotool::tool_look);

  over_piece(s, full, full, kCupboardSlot, kCupboardPad);
  s.hero_run(turn, turn + 3);
  s.play(4);
  hold(s, turn + 3);
  s.play(6);
  s.hero_run(bend, bend + 3);
  s.play(4);
  s.hero_run(bend + 4, bend + 7);
  s.play(4);
  hold(s, bend + 7);
  s.play(4);
  // His hand closes on the screwdriver.
  furni_present[kToolSlot] = 0;
  over_piece(s, empty, empty, kCupboardSlot, kCupboardPad);
  s.hero_run(rise, rise + 2);
  s.play(3);
  s.hero_run(rise + 3, rise + 5);
  s.play(3);
  s.hero_run(look, look + 5);  // and he looks it over
  s.play(6);
  s.hero_run(look + 5, look);
  s.play(6);
  s.hero_run(look, look + 5);
  s.play(6);
  hold(s, look + 5);
  s.play(8);
  s.hero_run(look, look + 2);
  s.play(3);
  s.hero_run(look + 3, look + 5);
  s.play(3);
  hold(s, look);
  s.play(4);
  s.hero_run(look, look + 5);
  s.play(6);
  hold(s, look + 3);
  s.play(6);
  s.hero_run(look + 3, look);
  s.play(4);
  hold(s, rise + 5);
  s.play(4);
  hold(s, look);
  s.play(4);
  s.hero_run(turn + 3, turn);  // puts it away and turns round
  s.play(4);
  hold(s, turn);
  s.play(4);
}

// ---- future_physik: the guitar --------------------------------------------------------

void video_take_guitar() {
  Sequence s("video_take_guitar", &kHeroguitFile);
  stand(s, kGuitarStage);
  s.hero_run(at(Heroguit::guitar_reach), at(Heroguit::guitar_reach, 7));
  s.play(8);
  furni_present[kGuitarSlot] = 0;
  s.hero_run(at(Heroguit::guitar_lift), at(Heroguit::guitar_lift, 7));
  for (int k = 0; k < 3; ++k) s.hero_add(at(Heroguit::guitar_strum), at(Heroguit::guitar_strum, 3));
  s.play(20);
}

// ---- future_biolog: the gas bottle ------------------------------------------------------

void video_take_gaz() {
  Sequence s("video_take_gaz", &kHerogazFile);
  stand(s, kGazStage);
  // Bending down.
  s.hero_run(at(Herogaz::gaz_hero, 10), at(Herogaz::gaz_hero, 14));
  s.no_overlay();
  s.play(5);
  // Taking it and rising: the first part of the bend played backwards.
  s.hero_run(at(Herogaz::gaz_hero, 15), at(Herogaz::gaz_hero, 29));
  s.hero_add(at(Herogaz::gaz_hero, 9), at(Herogaz::gaz_hero, 0));
  furni_present[1] = 0;
  s.no_overlay();
  s.play(25);
}

// ---- future_floor15: the lead pipe ----------------------------------------------------

void video_take_rohr() {
  Sequence s("video_take_rohr", &kHerorohrFile);
  stand(s, kRohrStage);
  hero_foreground = 1;
  const int raise = at(Herorohr::rohr_raise), weld = at(Herorohr::rohr_weld), catch_ = at(Herorohr::rohr_catch),
            stoop = at(Herorohr::rohr_stoop), glow = at(Herorohr::rohr_glow);
  // The torch is set down, the burner raised and lit.
  furni_present[kTorchSlot] = 1;
  s.hero_run(raise, raise + 4);
  s.play(5);
  // Cutting: the sparks fly, now here, now there.
  over_piece(s, glow, glow + 2, kPipeSlot, kGlowPad);
  s.hero_run(weld, weld + 3);
  for (int k = 0; k < 5; ++k) {
    furni_present[kSparksSlot] = k % 2 == 0 || k == 4;
    furni_present[kSparks2Slot] = k % 2 == 1 || k == 4;
    s.play(8);
  }
  // The piece of pipe comes off into his hand.
  furni_present[kPipeSlot] = 0;
  furni_present[kSparksSlot] = 0;
  furni_present[kSparks2Slot] = 0;
  s.no_overlay();
  s.hero_run(catch_, catch_ + 4);
  s.play(5);
  // He picks the torch up again.
  s.hero_run(stoop, stoop + 2);
  s.play(3);
  furni_present[kTorchSlot] = 0;
  s.hero_run(stoop + 3, stoop + 5);
  s.hero_add(stoop + 5, stoop + 5);
  s.hero_add(stoop + 5, stoop + 5);
  s.hero_add(stoop + 5, stoop + 5);
  s.play(6);
}

// ---- future_chimie: the showcase --------------------------------------------------------

void video_brakeup_case() {
  Sequence s("video_brakeup_case", &kHerocaseFile);
  stand(s, kCaseStage);
  hero_foreground = 1;
  const int reach = at(Herocase::case_reach), pry = at(Herocase::case_pry);
  over_piece(s, at(Herocase::case_locked), at(Herocase::case_locked), kShowcaseSlot, kShowcasePad);
  s.hero_run(reach, reach + 4);
  s.play(5);
  over_piece(s, at(Herocase::case_locked), at(Herocase::case_locked, 1), kShowcaseSlot, kShowcasePad);
  s.overlay_add(at(Herocase::case_locked), at(Herocase::case_locked, 1), furni_x[kShowcaseSlot][0] - kShowcasePad.left,
                furni_y[kShowcaseSlot][0] - kShowcasePad.top);
  s.overlay_add(at(Herocase::case_crack), at(Herocase::case_crack, 1), furni_x[kShowcaseSlot][0] - kShowcasePad.left,
                furni_y[kShowcaseSlot][0] - kShowcasePad.top);
  s.hero_run(pry, pry + 5);
  s.play(18);
  // The lock gives way.
  play_sound(manifest::Sounds::glass_break);
  furni_anim[kShowcaseSlot] = kShowcaseBroken;
  load_furni_anim();
  over_piece(s, at(Herocase::case_broken), at(Herocase::case_broken), kShowcaseSlot, kShowcasePad);
  s.hero_run(reach + 4, reach);
  s.play(5);
}

void video_open_case() {
  Sequence s("video_open_case", &kHerocaseFile);
  stand(s, kCaseStage);
  hero_foreground = 1;
  const int reach = at(Herocase::case_reach), swing = at(Herocase::case_swing), door = at(Herocase::case_door);
  over_piece(s, at(Herocase::case_broken), at(Herocase::case_broken), kShowcaseSlot, kShowcasePad);
  hold(s, swing);
  s.play(4);
  // The glass front swings open with his hand.
  over_piece(s, door, door, kShowcaseSlot, kShowcasePad);
  s.overlay_add(door, door + 3, furni_x[kShowcaseSlot][0] - kShowcasePad.left,
                furni_y[kShowcaseSlot][0] - kShowcasePad.top);
  s.overlay_add(door + 3, door + 3, furni_x[kShowcaseSlot][0] - kShowcasePad.left,
                furni_y[kShowcaseSlot][0] - kShowcasePad.top);
  s.hero_run(swing, swing + 5);
  s.play(6);
  over_piece(s, door + 3, door + 3, kShowcaseSlot, kShowcasePad);
  hold(s, swing + 5);
  s.play(4);
  hold(s, reach);
  s.play(6);
  furni_present[kShowcaseSlot] = 1;
  furni_anim[kShowcaseSlot] = kShowcaseOpen;
  load_furni_anim();
  furni_present[kDiamondSlot] = 1;
}

// ---- future_chimietp: the tank and the shower ------------------------------------------

void video_blei_douche() {
  Sequence s("video_blei_douche", &kBleidoucFile);
  stand(s, kBleiStage);
  hero_foreground = 1;
  const int raise = at(Bleidouc::blei_raise), pour = at(Bleidouc::blei_pour), splash = at(Bleidouc::blei_splash);
  over_piece(s, splash, splash, kShowerSlot, kTankPad);
  s.hero_run(raise, raise + 4);
  s.play(5);
  over_piece(s, splash + 1, splash + 2, kShowerSlot, kTankPad);
  s.hero_run(pour, pour + 3);
  s.play(24);
  over_piece(s, splash, splash, kShowerSlot, kTankPad);
  s.hero_run(raise + 4, raise);
  s.play(5);
}

namespace {

// Frames first..last, then the last one held until the shot has `frames`.
void run_then_hold(Sequence& s, int first, int last, int frames) {
  s.hero_run(first, last);
  for (int n = (last >= first ? last - first : first - last) + 1; n < frames; ++n) s.hero_add(last, last);
}

}  // namespace

void video_douche() {
  Sequence s("video_douche", &kDoucheFile);
  furni_present[kDoucheHiddenSlot] = 0;
  const int glasses = at(Douche::douche_glasses), talk = at(Douche::douche_talk),
            left = at(Douche::douche_walk_left), right = at(Douche::douche_walk_right),
            reach = at(Douche::douche_reach), scrub = at(Douche::douche_scrub), sing = at(Douche::douche_sing),
            shake = at(Douche::douche_shake), water = at(Douche::douche_water), drip = at(Douche::douche_drip);
  const int on_glasses = glasses + 7;  // standing with the glasses on
  const int under = -8 * kDoucheSteps;

  // The glasses go on.
  stand(s, kDoucheStage);
  hero_foreground = 1;
  run_then_hold(s, glasses, on_glasses, 40);
  subtitles(s, kHeroSubtitle, TR("So, noch schnell die Brille aufsetzen.", "I need to wear the glasses first."));
  s.play(40);
  s.hero_run(talk, talk + 14);
  subtitles(s, kHeroSubtitle, TR("Fertig. Dann wollen wir uns mal duschen.", "Done. Now let's have a shower."));
  s.play(36);
  // Six steps to the left, under the shower.
  for (int k = 0; k < kDoucheSteps; ++k) {
    stand(s, kDoucheStage, -8 * (k + 1));
    hold(s, left + k);
    s.play(1);
  }
  hold(s, on_glasses);
  s.play(6);
  run_then_hold(s, reach, reach + 3, 8);  // he pulls the handle
  s.play(8);

  // The water runs, in front of him.
  over_piece(s, water, water + 3, kShowerSlot, kWaterPad);
  video_foreground = 1;
  s.hero_run(scrub, scrub + 7);
  subtitles(s, kOtherSubtitle, "*pssscccchhhh*", TR("*plätscher*", "*plitsch platsch*"));
  s.play(40);
  for (int k = 0; k < 3; ++k) s.play(8);
  s.hero_run(sing, sing + 7);
  subtitles(s, kHeroSubtitle, "Dumm di dumm di di dumm", "Di di di dumm.");
  s.play(44);
  const int between[4][2] = {{scrub, 7}, {shake, 5}, {scrub, 7}, {sing, 7}};
  for (const auto& b : between) {
    s.hero_run(b[0], b[0] + b[1]);
    s.play(8);
  }
  s.hero_run(scrub, scrub + 7);
  subtitles(s, kOtherSubtitle, TR("*blubber* *tssschhh*", "*blubb* *tssschhh*"), "*platsch*");
  s.play(40);
  const int between2[4][2] = {{sing, 7}, {scrub, 7}, {shake, 5}, {scrub, 7}};
  for (const auto& b : between2) {
    s.hero_run(b[0], b[0] + b[1]);
    s.play(8);
  }
  s.hero_run(sing, sing + 7);
  subtitles(s, kHeroSubtitle, "Ammmmoooorreee", "miiiiooo...");
  s.play(44);
  const int between3[4][2] = {{sing, 7}, {sing, 7}, {scrub, 7}, {shake, 5}};
  for (const auto& b : between3) {
    s.hero_run(b[0], b[0] + b[1]);
    s.play(8);
  }
  s.hero_run(scrub, scrub + 7);
  subtitles(s, kOtherSubtitle, "*ssccchhhhh* *platsch*", "*blubbelubb*");
  s.play(40);

  // He turns the water off; a few drops, and he shakes himself dry.
  s.hero_run(reach + 3, reach);
  s.play(4);
  over_piece(s, drip, drip + 1, kShowerSlot, kWaterPad);
  hold(s, on_glasses);
  s.play(8);
  s.hero_run(shake, shake + 5);
  s.play(6);
  s.play(6);
  video_foreground = 0;
  s.no_overlay();
  // Out again, six steps to the right.
  stand(s, kDoucheStage, under);
  hold(s, right);
  s.play(4);
  for (int k = 0; k < kDoucheSteps; ++k) {
    stand(s, kDoucheStage, under + 8 * (k + 1));
    hold(s, right + k);
    s.play(1);
  }
  const int after[7][3] = {{on_glasses, 0, 6}, {shake, 5, 6}, {on_glasses, 0, 4}, {on_glasses, 0, 4},
                           {shake, 5, 6},      {on_glasses, 0, 6}, {on_glasses, 0, 4}};
  for (const auto& a : after) {
    s.hero_run(a[0], a[0] + a[1]);
    s.play(a[2]);
  }
  s.hero_run(talk, talk + 14);
  subtitles(s, kHeroSubtitle, TR("So und jetzt hinüber zu Herr Zirud", "Ok, now let's go to Mister Zirud"),
            TR("", "and his time machine."));
  s.play(44);
  furni_present[kDoucheHiddenSlot] = 1;
}
