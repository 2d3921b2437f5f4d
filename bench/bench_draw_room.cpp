// One composed 640 x 480 room frame with 10 objects and 10 persons, against a plain blit of the background.
#include "bench_util.h"
#include "frame/draw_room.h"
#include "platform/headless.h"

int main() {
  headless::reset();
  memory_screen = create_bitmap(640, 480), room_graph = create_bitmap(640, 480), stand_frame = create_bitmap(125, 200);
  BITMAP* piece = create_bitmap(80, 120);
  clear_to_color(room_graph, makecol(60, 70, 90)), clear_to_color(stand_frame, makecol(200, 150, 120));
  clear_to_color(piece, makecol(120, 90, 60));
  rectfill(piece, 0, 0, 20, 20, bitmap_mask_color(piece));
  for (int i = 0; i < 10; ++i) {
    furni_present[i] = person_present[i] = 1; furni_frame_nr[i] = person_frame_nr[i] = 4;
    for (int f = 0; f < 4; ++f) {
      furniture[i][f] = person[i][f] = piece;
      furni_x[i][f] = 20 + i * 60, furni_y[i][f] = 150 + (i % 3) * 60;
      person_x[i][f] = 40 + i * 55, person_y[i][f] = 200 + (i % 4) * 50;
      furni_blit[i][f] = person_blit[i][f] = 2;
    }
  }
  furni_nr = person_nr = 10, min_hero_length = -0.575f, increase_rate = 200.0f;
  hero_x = 320, hero_y = 300, mov_nr = 199, inventory_button = navi_button = piece;
  const double frame = median_us(1000, [] { draw_room(); });
  const double blit_only = median_us(1000, [] { blit(room_graph, memory_screen, 0, 0, 0, 0, 640, 480); });
  std::printf("draw_room, 10 objects + 10 persons + hero: median %.1f us over 1000 frames\n", frame);
  std::printf("plain blit of the background:              median %.1f us\n", blit_only);
  std::printf("ratio %.2f; frame budget 55000 us, aim under 1000 us\n", frame / blit_only);
  return 0;
}
