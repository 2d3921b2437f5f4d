#include "frame/draw_room.h"

#include "core/files.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "frame/text.h"
#include "hero/hero.h"

namespace {

// Append one thing's current frame to the draw list and advance its animation.
void add_to_draw_list(BITMAP* frames[kMaxFrames], const int xs[kMaxFrames], const int ys[kMaxFrames],
                      const int blit_for[kMaxFrames], int blitted[kMaxFrames], int& frame, int frame_count,
                      int present) {
  const int fr = frame;
  BITMAP* image = frames[fr];
  room_mix[mix_nr] = image;
  mix_x[mix_nr] = xs[fr];
  mix_y[mix_nr] = ys[fr];
  mix_x2[mix_nr] = xs[fr] + (image ? image->w : 0);
  mix_y2[mix_nr] = ys[fr] + (image ? image->h : 0);
  mix_present[mix_nr] = image ? present : 0;
  ++mix_nr;
  blitted[fr] += 1;
  if (blitted[fr] == blit_for[fr]) {
    blitted[fr] = 0;
    frame += 1;
  }
  if (frame == frame_count) frame = 0;
  // A frame counter outside the loaded frames would read past the tables.
  if (frame < 0 || frame >= kMaxFrames) frame = 0;
}

// The depth sweep goes on past the screen's bottom (480) down to this line:
// a thing whose frame reaches below the picture is painted all the same.
constexpr int kSweepEnd = 640;

bool hero_overlaps(int j) {
  const float depth = hero_y + hero_length - 170 * float_y;
  return hero_x + hero_width / 2.0f >= mix_x[j] && hero_x - hero_width / 2.0f <= mix_x2[j] &&
         depth >= mix_y[j] && depth <= mix_y2[j];
}

}  // namespace

void manage_furniture() {
  for (int f = 0; f < furni_nr && f < kMaxFurni; ++f)
    add_to_draw_list(furniture[f], furni_x[f], furni_y[f], furni_blit[f], furni_blitted[f], mov_furni_nr[f],
                     furni_frame_nr[f], furni_present[f]);
}

void non_player_characters() {
  for (int p = 0; p < person_nr && p < kMaxPersons; ++p)
    add_to_draw_list(person[p], person_x[p], person_y[p], person_blit[p], person_blitted[p], mov_person_nr[p],
                     person_frame_nr[p], person_present[p]);
}

void scale_hero() {
  float_y = hero_y / increase_rate + min_hero_length;
  if (float_y > 1.3f) float_y = 1.3f;
  // The scale is kept in single precision (1.3 is 1.29999995) but the sizes
  // are taken in double, so 1.3 gives 259 x 162, not 260.
  hero_length = static_cast<int>(static_cast<double>(float_y) * 200);
  hero_width = static_cast<int>(static_cast<double>(float_y) * 125);
}

namespace {

BITMAP* room_picture = nullptr;

void keep_room_picture() {
  if (!room_picture || room_picture->w != memory_screen->w || room_picture->h != memory_screen->h) {
    if (room_picture) destroy_bitmap(room_picture);
    room_picture = create_bitmap(memory_screen->w, memory_screen->h);
  }
  blit(memory_screen, room_picture, 0, 0, 0, 0, memory_screen->w, memory_screen->h);
}

}  // namespace

BITMAP* last_room_picture() {
  return room_picture;
}

void draw_room() {
  hero_blitted = 0;
  if (room_graph) blit(room_graph, memory_screen, 0, 0, 0, 0, room_graph->w, room_graph->h);
  mix_nr = 0;
  if (hero_y > 440) hero_y = 440;
  if (hero_x <= 4) hero_x = 5;
  scale_hero();
  manage_furniture();
  non_player_characters();

  // Things are painted by their lower edge, top of the screen first; the hero
  // goes in just before the first thing that covers his depth line.
  for (int line = 0; line < kSweepEnd; ++line) {
    for (int j = 0; j < mix_nr; ++j) {
      if (mix_y2[j] != line || mix_present[j] != 1) continue;
      if (hero_blitted == 0 && hero_overlaps(j)) hero_frame();
      draw_sprite(memory_screen, room_mix[j], mix_x[j], mix_y[j]);
    }
  }
  if (hero_blitted == 0) hero_frame();
  keep_room_picture();
  if (hidebuttons != 1) draw_buttons();
  mix_nr = 0;
  // The game cannot keep its state on the disk: one line over the room says so.
  const char* caption = storage_caption();
  if (caption && pv_font)
    outlined_text(caption, (screen_layout::kScreenWidth - text_length(pv_font, caption)) / 2, 455,
                  makecol(255, 150, 120));
}
