#include "hero/hero.h"

#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/world.h"

void reset_hero() {
  end_walk();
  true_x = click_x2 = hero_x;
  true_y = click_y2 = hero_y;
}

void end_walk() {
  mov_nr = kStanding;
  mov_nr1 = 0;
  for (int i = 0; i < kPathSteps; ++i) {
    hero_action[i] = kStepStand;
    movement_x[i] = hero_x;
    movement_y[i] = hero_y;
  }
}

void place_hero_sprite(int ref_x, int ref_y) {
  bmp_x = ref_x - hero_width / 2;
  bmp_y = static_cast<int>(ref_y - 170 * float_y);
  if (bmp_x > 635 - hero_width) bmp_x = 635 - hero_width;
  if (bmp_y > 475 - hero_length) bmp_y = 475 - hero_length;
  if (bmp_x <= 4) bmp_x = 5;
  if (bmp_y <= 4) bmp_y = 5;
}

namespace {

// The walking cycle of each step direction.
BITMAP** walk_cycle(int code) {
  switch (code) {
    case kStepUp: return go1_frame;
    case kStepDown: return go5_frame;
    case kStepLeft: return go6_frame;
    case kStepRight: return go2_frame;
    case kStepUpLeft: return go3_frame;
    case kStepUpRight: return go4_frame;
    case kStepDownLeft: return go7_frame;
    default: return go8_frame;
  }
}

void draw_stretched(BITMAP* picture, int at_x) {
  if (picture && hero_width > 0 && hero_length > 0)
    stretch_sprite(memory_screen, picture, at_x, bmp_y, hero_width, hero_length);
}

}  // namespace

void hero_frame() {
  if (video_active == 1) {
    if (move_frame_nr >= hero_move_frame_nr) move_frame_nr = 0;
    if (video_move[move_frame_nr]) draw_sprite(memory_screen, video_move[move_frame_nr], bmp_x, bmp_y);
    hero_blitted = 1;
    return;
  }
  place_hero_sprite(hero_x, hero_y);
  if (mov_nr1 >= mov_nr || mov_nr1 < 0 || mov_nr1 >= kPathSteps) end_walk();
  const int a = hero_action[mov_nr1];
  if (a == kStepStand) draw_stretched(stand_frame, bmp_x);
  if (a == kStepTalkFront) {
    if (talk_frame_nr > 14 || talk_frame_nr < 0) talk_frame_nr = 0;
    draw_stretched(talk_front[talk_frame_nr], bmp_x);
  }
  if (a == kStepSpecial) {
    if (move_frame_nr >= hero_move_frame_nr || move_frame_nr < 0) move_frame_nr = 0;
    draw_stretched(move[move_frame_nr], hero_talkl_korrektur == 1 ? bmp_x - 7 : bmp_x);
  }
  place_hero_sprite(movement_x[mov_nr1], movement_y[mov_nr1]);
  if (a >= kStepUp && a <= kStepDownRight) {
    if (go_frame_nr > 13 || go_frame_nr < 0) go_frame_nr = 0;
    draw_stretched(walk_cycle(a)[go_frame_nr], bmp_x);
    hero_x = movement_x[mov_nr1];
    hero_y = movement_y[mov_nr1];
  }
  hero_blitted = 1;
}

void new_hero_move() {
  move_frame_nr = 0;
  if (move_dat) unload_datafile(move_dat);
  move_dat = nullptr;
  for (BITMAP*& m : move) m = nullptr;
  hero_talkl_korrektur = 0;
  manifest::File file{};
  switch (select_move) {
    case kMoveTalkRight: file = manifest::kTalkrFile; break;
    case kMoveTalkLeft: file = manifest::kTalklFile; hero_talkl_korrektur = 1; break;
    case kMoveTakeLeft: file = manifest::kTakelFile; break;
    case kMoveTakeRight: file = manifest::kTakerFile; break;
    default: return;
  }
  // Every special animation's datafile holds its frames from entry 0 on.
  hero_move_frame_nr = file.entries;
  move_dat = load_datafile_checked(file.name, hero_move_frame_nr);
  for (int i = 0; i < hero_move_frame_nr; ++i) move[i] = datafile_bitmap(move_dat, i, file.name);
}
