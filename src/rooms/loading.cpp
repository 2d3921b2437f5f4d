#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/world.h"

namespace {

// Until the rooms' own pictures and tables arrive, every room shows the same
// plain corridor in perspective, in which the hero can stand.
BITMAP* corridor() {
  static BITMAP* picture = nullptr;
  if (picture) return picture;
  picture = create_bitmap(640, 480);
  clear_to_color(picture, makecol(38, 44, 62));
  int floor[8] = {0, 480, 640, 480, 430, 170, 210, 170};
  polygon(picture, 4, floor, makecol(92, 98, 112));
  for (int i = 0; i < 8; ++i) {
    const int yy = 170 + i * i * 5;
    line(picture, 0, yy, 639, yy, makecol(80, 86, 100));
  }
  rectfill(picture, 210, 40, 430, 170, makecol(58, 66, 90));
  line(picture, 0, 0, 210, 40, makecol(120, 130, 160));
  line(picture, 639, 0, 430, 40, makecol(120, 130, 160));
  line(picture, 0, 480, 210, 170, makecol(150, 160, 180));
  line(picture, 639, 480, 430, 170, makecol(150, 160, 180));
  return picture;
}

}  // namespace

void load_new_room() {
  if (room_index(room_name) < 0) return;
  room_graph = corridor();
  min_hero_length = -0.575f;
  increase_rate = 200.0f;
  furni_nr = 0;
  person_nr = 0;
  exit_nr = 0;
}
