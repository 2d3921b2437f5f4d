// Trouble: the teacher whom the hero knocks out at the start, Mrs Sand and
// her gas bottle, the guard of future_floor2, and the hero's relief.
#include <allegro.h>

#include <algorithm>
#include <initializer_list>

#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/encounter_scenes_data.h"
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "rooms/registry.h"

namespace {

using manifest::at;

// One subtitle screen of up to three lines from row y down, 20 px apart,
// left-aligned and centred as a block on the screen; an empty line is not
// drawn.
void say_block(Sequence& s, std::initializer_list<const char*> lines, int y) {
  int widest = 0;
  for (const char* line : lines)
    if (pv_font) widest = std::max(widest, text_length(pv_font, line));
  const int x = std::max(0, (screen_layout::kScreenWidth - widest) / 2);
  int i = 0;
  for (const char* line : lines) {
    s.say(i, line, x, y + 20 * i);
    ++i;
  }
}

// The hero's frames of the next shots: these hero datafile entries, one a
// frame, in this order.
void hero_frames(Sequence& s, std::initializer_list<int> entries) {
  bool first = true;
  for (int e : entries) {
    if (first)
      s.hero_run(e, e);
    else
      s.hero_add(e, e);
    first = false;
  }
}

// The overlay's frames of the next shots: these overlay datafile entries, one
// a frame, all at (x, y).
void overlay_frames(Sequence& s, std::initializer_list<int> entries, int x, int y) {
  s.no_overlay();
  for (int e : entries) s.overlay_add(s.picture(e), x, y);
}

// The frames of person `slot` of the current room in animation state
// `state`, as its room shows them (each as often as it lasts), added to the
// overlay. False when the room has no such row.
bool room_person_frames(Sequence& s, int slot, int state) {
  const RoomScript* room = current_room();
  if (!room) return false;
  for (const PersonState& row : room->persons) {
    if (row.slot != slot || row.state != state) continue;
    for (const Frame& f : row.frames)
      for (int k = 0; k < (f.duration > 0 ? f.duration : 1); ++k) s.overlay_add(s.room_picture(f.object), f.x, f.y);
    return true;
  }
  return false;
}

}  // namespace

// A new game: Mr Betong hands back a test with his verdict; the hero grumbles,
// fetches his rolling pin and knocks him out cold, as the corridor then shows
// him (person 0).
void video_hero_beton_ko() {
  using manifest::Betodatz;
  using manifest::Herodatz;
  person_present[0] = 0;
  {
    Sequence s("video_hero_beton_ko", &manifest::kBetodatzFile, &manifest::kHerodatzFile);
    s.place_hero(hero_x, hero_y, -manifest::kHerodatzLeft, -manifest::kHerodatzTop);
    hero_foreground = 1;  // what he holds is in front of Mr Betong
    const int bx = manifest::kBetodatzX, by = manifest::kBetodatzY;
    const int talk = at(Betodatz::betong_talk), hand = at(Betodatz::betong_hand), wait = at(Betodatz::betong_wait);
    const int startle = at(Betodatz::betong_startle), hit = at(Betodatz::betong_hit);
    const int fall = at(Betodatz::betong_fall), out = at(Betodatz::betong_out);

    // 1. The verdict.
    hero_frames(s, {at(Herodatz::hero_wait)});
    s.overlay_run(talk, talk + 9, bx, by);
    s.subtitle_colour(kOtherSubtitle);
    say_block(s,
              {TR("Hmmm... du bist ein schwacher Schüler. Das war", "Hmmm... you're a weak student. Again this was not good"),
               TR("wieder nicht genug. Ich hoffe diese 5,0 ist dir eine", "enough. I hope this 6- is a lesson to you."),
               TR("Lehre.", "")},
              50);
    s.play(100);

    // 2. He holds the test out; the hero takes it.
    const int reach = at(Herodatz::hero_reach);
    hero_frames(s, {reach, reach + 1, reach + 2, reach + 3, reach + 3, reach + 3, reach + 3, reach + 3});
    overlay_frames(s, {hand, hand + 1, hand + 2, hand + 3, hand + 3, hand + 3, hand + 3, hand + 3}, bx, by);
    s.play(8);

    // 3. The hero reads it.
    hero_frames(s, {at(Herodatz::hero_read)});
    overlay_frames(s, {wait, wait + 1, wait + 1, wait + 1, wait + 1, wait + 1, wait + 2, wait + 1, wait + 1, wait + 1,
                       wait + 3, wait + 3, wait + 1, wait + 1, wait + 1, wait + 1},
                   bx, by);
    s.play(16);

    // 4. His answer.
    const int grumble = at(Herodatz::hero_grumble);
    s.hero_run(grumble, grumble + 3);
    overlay_frames(s, {wait + 1, wait + 1, wait + 1, wait + 3, wait + 3, wait + 1, wait + 2, wait + 1}, bx, by);
    s.subtitle_colour(kHeroSubtitle);
    say_block(s, {"Grrrrmbll !!!!"}, 60);
    s.play(24);

    // 5. Out of the backpack comes the rolling pin.
    const int draw = at(Herodatz::hero_draw);
    hero_frames(s, {draw, draw + 1, draw + 2, draw + 3, draw + 3, draw + 3, draw + 3, draw + 3});
    overlay_frames(s, {wait + 1}, bx, by);
    s.play(8);

    // 6. He winds up; Mr Betong sees it coming.
    const int wind = at(Herodatz::hero_wind_up);
    hero_frames(s, {wind, wind + 1, wind + 2, wind + 2, wind + 2, wind + 2});
    overlay_frames(s, {wait + 1, startle, startle + 1, startle + 1, startle + 1, startle + 1}, bx, by);
    s.play(6);

    // 7. The blow.
    const int strike = at(Herodatz::hero_strike);
    hero_frames(s, {strike, strike + 1, strike + 2});
    overlay_frames(s, {startle + 1, startle + 1, hit}, bx, by);
    s.play(3);

    // 8. Mr Betong reels away.
    hero_frames(s, {strike + 2});
    overlay_frames(s, {hit, hit, hit, hit + 1, hit + 1, hit + 1, hit + 2, hit + 2, hit + 2, hit + 3, hit + 3, hit + 3,
                       hit + 4, hit + 4, hit + 4},
                   bx, by);
    s.subtitle_colour(kOtherSubtitle);
    say_block(s, {"Arggggghhh !!!"}, 60);
    s.play(15);

    // 9. ... and falls.
    overlay_frames(s, {fall, fall + 1, fall + 2, fall + 3, fall + 4, fall + 5, fall + 6, fall + 7, out}, bx, by);
    s.play(9);

    // 10. The hero lowers the rolling pin ...
    const int lower = at(Herodatz::hero_lower);
    hero_frames(s, {lower, lower, lower + 1, lower + 1, lower + 2});
    overlay_frames(s, {out}, bx, by);
    s.play(10);

    // 11. ... and puts it away.
    hero_frames(s, {at(Herodatz::hero_stand)});
    s.play(12);
  }
  person_present[0] = 1;
}

// Mrs Sand (person 0 of future_biolog) stops the hero reaching for the gas
// bottle; the bottle stays where it is. Her own frames from the room's
// datafile, her desk (object 1) in front of her.
void video_sand_mecker() {
  Sequence s("video_sand_mecker");
  person_present[0] = 0;
  s.place_hero(hero_x, hero_y);
  s.hero_scaled_run(&stand_frame, 0, 0);  // caught in the act, he freezes
  video_object = s.room_picture(1);
  video_object_x = 526;
  video_object_y = 290;
  object_foreground = 1;

  // She looks up from her tests ...
  s.no_overlay();
  room_person_frames(s, 0, 2);
  s.play(video_bmp_nr > 0 ? video_bmp_nr : 4);

  // ... tells him off ...
  s.no_overlay();
  room_person_frames(s, 0, 1);
  s.subtitle_colour(kOtherSubtitle);
  say_block(s,
            {TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas"),
             TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here."),
             TR("noch gebraucht.", "")},
            40);
  s.play(80);

  // ... she glares at him a moment longer ...
  s.no_overlay();
  room_person_frames(s, 0, 0);
  s.play(8);

  // ... and she goes back to her tests.
  s.no_overlay();
  room_person_frames(s, 0, 3);
  s.play(video_bmp_nr > 0 ? video_bmp_nr : 4);
  person_present[0] = 1;
}

namespace {

// Mrs Sand's desk from the sequence's own datafile, in front of her.
void sand_desk_in_front(Sequence& s, int entry) {
  video_object = s.picture(entry);
  video_object_x = manifest::kSandDeskX;
  video_object_y = manifest::kSandDeskY;
  object_foreground = 1;
}

}  // namespace

// The hero hands Mrs Sand the alcohol; she drinks and nods off. She stays
// hidden: video_sand_sleep2 follows and shows her asleep.
void video_sand_sleep() {
  using manifest::Sandslee;
  person_present[0] = 0;
  Sequence s("video_sand_sleep", &manifest::kSandsleeFile, &manifest::kTakerFile);
  const int sx = manifest::kSandX, sy = manifest::kSandY;
  s.place_hero(hero_x, hero_y);
  sand_desk_in_front(s, at(Sandslee::sand_desk));
  BITMAP* take[15];
  for (int i = 0; i < 15; ++i) take[i] = s.hero_picture(i);

  // 1. He holds the bottle out to her across the desk; she reaches for it.
  hero_foreground = 1;
  s.hero_scaled_run(take, 0, 7);
  const int reach = at(Sandslee::sand_reach);
  overlay_frames(s, {reach, reach, reach + 1, reach + 1, reach + 2, reach + 2, reach + 3, reach + 3}, sx, sy);
  s.play(8);

  // 2. He straightens up; she has it.
  s.hero_scaled_run(take, 8, 14);
  overlay_frames(s, {reach + 3}, sx, sy);
  s.play(7);
  hero_foreground = 0;

  // 3. She drinks.
  s.hero_scaled_run(take, 0, 0);
  const int drink = at(Sandslee::sand_drink);
  overlay_frames(s, {drink, drink + 1, drink, drink + 1, drink + 2, drink + 3, drink + 2, drink + 3}, sx, sy);
  s.play(24);

  // 4. Her eyes grow heavy.
  s.overlay_run(at(Sandslee::sand_drowsy), at(Sandslee::sand_drowsy) + 3, sx, sy);
  s.play(16);

  // 5. She nods off.
  const int nod = at(Sandslee::sand_nod);
  overlay_frames(s, {nod, nod, nod + 1, nod + 1, nod + 2, nod + 2, nod + 3, nod + 3, nod + 3, nod + 3}, sx, sy);
  s.play(10);
}

// One long yawn, and Mrs Sand sleeps at her desk: person 1, her sleeping
// self, is there from now on.
void video_sand_sleep2() {
  using manifest::Sandsle2;
  Sequence s("video_sand_sleep2", &manifest::kSandsle2File);
  const int sx = manifest::kSandX, sy = manifest::kSandY;
  s.place_hero(hero_x, hero_y);
  s.hero_scaled_run(&stand_frame, 0, 0);
  sand_desk_in_front(s, at(Sandsle2::sand_desk2));

  // 1. The yawn.
  const int yawn = at(Sandsle2::sand_yawn);
  overlay_frames(s, {yawn, yawn, yawn + 1, yawn + 1, yawn + 2, yawn + 2, yawn + 3, yawn + 3, yawn + 4}, sx, sy);
  // she holds the last frame while the yawn lasts
  for (int k = 0; k < 21; ++k) s.overlay_add(s.picture(yawn + 4), sx, sy);
  s.subtitle_colour(kOtherSubtitle);
  say_block(s, {"Uuuuuuuuaaah !!"}, 60);
  s.play(30);

  // 2. She sinks down ...
  const int sink = at(Sandsle2::sand_sink);
  overlay_frames(s, {sink, sink, sink + 1, sink + 1, sink + 2, sink + 2, sink + 3, sink + 3}, sx, sy);
  s.play(8);

  // 3. ... and sleeps.
  overlay_frames(s, {at(Sandsle2::sand_asleep)}, sx, sy);
  s.play(12);
  person_present[1] = 1;
}

// The guard (person 0 of future_floor2) stops the hero at a door only
// teachers may pass; the hero stays in the corridor.
void video_exit_floor2() {
  using manifest::Poliexit;
  person_present[0] = 0;
  {
    Sequence s("video_exit_floor2", &manifest::kPoliexitFile);
    const int gx = person_x[0][0] - manifest::kGuardLeft, gy = person_y[0][0] - manifest::kGuardTop;
    s.place_hero(hero_x, hero_y);
    s.hero_scaled_run(&stand_frame, 0, 0);
    hero_foreground = 1;  // the hero at the door stands in front of the guard's post

    // 1. Up goes his hand.
    const int raise = at(Poliexit::guard_raise);
    overlay_frames(s, {raise, raise + 1, raise + 2, raise + 3}, gx, gy);
    s.play(4);

    // 2. The order.
    const int scold = at(Poliexit::guard_scold);
    overlay_frames(s, {scold, scold, scold + 1, scold + 1, scold + 2, scold + 2, scold + 3, scold + 3}, gx, gy);
    s.subtitle_colour(kOtherSubtitle);
    say_block(s,
              {TR("Sofort stehn bleiben !!! Nur Lehrern ist der", "Stop immediately ! Only teachers are allowed to"),
               TR("Zugang zu dieser Tür gestattet!", "enter this room.")},
              40);
    s.play(50);
  }
  person_present[0] = 1;
}

// Insulted, the guard of future_floor2 fights the hero across the corridor
// and throws him out through its left end (the caller moves him to
// future_floor15).
void video_police_kungfu() {
  using manifest::Polikf;
  person_present[0] = 0;
  {
    Sequence s("video_police_kungfu", &manifest::kPolikfFile);
    const int post_x = person_x[0][0] - manifest::kGuardLeft, post_y = person_y[0][0] - manifest::kGuardTop;
    s.place_hero(hero_x, hero_y, -manifest::kFightHeroLeft, -manifest::kFightHeroTop);
    const int hx = bmp_x, hy = bmp_y;
    hero_foreground = 1;  // the hero stands in front of the guard
    const int angry = at(Polikf::kf_angry), stance = at(Polikf::kf_stance), lift = at(Polikf::kf_lift);
    const int step = at(Polikf::kf_step), dust = at(Polikf::kf_dust);
    const int stand = at(Polikf::kf_hero_stand), flinch = at(Polikf::kf_hero_flinch), hit = at(Polikf::kf_hero_hit);
    const int stagger = at(Polikf::kf_hero_stagger), fly = at(Polikf::kf_hero_fly);
    int gx = post_x;
    auto guard = [&](std::initializer_list<int> entries) { overlay_frames(s, entries, gx, post_y); };
    auto hero = [&](int entry, int x) {
      hero_frames(s, {entry});
      s.hero_at(x, hy);
    };

    // 1-4: he goes red and takes up his stance (shots 1 to 4).
    hero(stand, hx);
    guard({angry});
    s.play(6);
    guard({stance});
    s.play(4);
    guard({stance + 1});
    s.play(4);
    guard({stance});
    s.play(4);

    // 5-9: the battle cry stays up for five shots.
    s.subtitle_colour(kOtherSubtitle);
    say_block(s, {"Aiiiikkkaaaa !"}, 50);
    let_video_text = 1;
    guard({stance, stance, stance + 1, stance + 1});
    s.play(8);
    guard({stance + 1});
    s.play(3);
    guard({stance});
    s.play(3);
    guard({stance + 1});
    s.play(3);
    let_video_text = 0;  // gone after this shot
    gx -= 12;
    guard({step, step + 1, step, step + 1});
    s.play(4);

    // 10-33: six bouts, each a blow that drives the hero a step to the left.
    const int blows[6] = {at(Polikf::kf_chop), at(Polikf::kf_kick), at(Polikf::kf_punch),
                          at(Polikf::kf_chop), at(Polikf::kf_punch), at(Polikf::kf_kick)};
    int x = hx;
    for (int b = 0; b < 6; ++b) {
      hero(stand, x);
      guard({stance + b % 2});
      s.play(2);
      hero(flinch, x);
      guard({blows[b]});
      s.play(2);
      x -= 16;
      hero(hit, x);
      s.play(3);
      gx -= 16;
      hero(flinch, x);
      guard({step, step + 1, step});
      s.play(3);
    }

    // 34: he lifts the hero ...
    hero(stagger, x);
    guard({lift});
    s.play(3);

    // 35-40: ... and throws him out of the corridor, to the left.
    const int arc[6] = {-40, -70, -80, -70, -45, -10};
    for (int k = 0; k < 6; ++k) {
      x -= 75;
      hero_frames(s, {fly + k % 4});
      s.hero_at(x, hy + arc[k]);
      guard({k < 2 ? lift : stance});
      s.play(2);
    }

    // 41: job done.
    guard({dust});
    s.play(10);

    // 42-43: back to his post ...
    const int back = (post_x - gx) / 2;
    gx += back;
    guard({step, step, step + 1, step + 1});
    s.play(4);
    gx = post_x;
    guard({step, step, step + 1, step + 1});
    s.play(4);

    // 44: ... where he stands as before.
    guard({angry});
    s.play(8);
  }
  person_present[0] = 1;
}

// The hero gets his breath back: 14 steps of 8 px to the left, one walking
// frame each, the frames of his walk to the left stretched to his size.
void video_hero_uff() {
  constexpr int kSteps = 14;
  Sequence s("video_hero_uff");
  for (int k = 0; k < kSteps; ++k) {
    s.place_hero(hero_x - 8, hero_y);
    s.hero_scaled_run(go6_frame, k, k);
    s.play(1);
  }
}
