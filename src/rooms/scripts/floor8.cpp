// Room floor8: a corridor with a door at its back and one on each side.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"entree", 1, 260, 165, 380, 270, 320, 290, 500, 330},
    {"future_preau", 1, 500, 165, 640, 380, 490, 380, 40, 320},
    {"floor7", 1, 100, 155, 160, 345, 200, 345, 475, 340},
};

// L1, the left wall: 8x + 5y = 3200; L2, the right wall's lower part:
// 8x - 7y = 1360; L3, its upper part: 8x - 5y = 1520; the back wall y = 290
// between x 225 and 365.
bool left_of_l1(int px, int py) { return 8 * px + 5 * py <= 3200; }
bool right_of_l2(int px, int py) { return 8 * px - 7 * py >= 1360; }
bool right_of_l3(int px, int py) { return 8 * px - 5 * py >= 1520; }

}  // namespace

void area_floor8(int& x, int& y) {
  if (left_of_l1(x, y) && x <= 225 && y <= 280) {
    x = 235;
    y = 290;
  }
  if (left_of_l1(x, y) && x <= 225) {
    x = (80000 - 125 * y) / 200;
  } else if (y <= 280 && 225 <= x && x <= 365) {
    y = 290;
  } else if (right_of_l2(x, y) && y >= 320) {
    x = (140 * y + 27200) / 160;
  } else if (right_of_l3(x, y) && x >= 365 && y <= 280 && hero_y <= 320) {
    x = 355;
    y = 290;
  } else if (right_of_l3(x, y) && x >= 365 && 281 <= y && y <= 320 && hero_y <= 320) {
    x = (25 * y + 7600) / 40;
  } else if (right_of_l3(x, y) && x >= 365 && y <= 320 && hero_y >= 321) {
    y = 330;
  }
}

void allow_walk_floor8(int& x, int& y) {
  if (left_of_l1(x, y) && x <= 225)
    walk_d2(x, y);
  else if (y <= 280 && 225 <= x && x <= 365)
    walk_a2(x, y);
  else if (right_of_l3(x, y) && last_y <= 320)
    walk_f2(x, y);
  else if (y <= 320 && last_y >= 320)
    walk_a2(x, y);
  else if (right_of_l2(x, y) && y >= 320)
    walk_f2(x, y);
}

extern const RoomScript room_floor8 = {
    .name = "floor8",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor8.dat",
    .state_file = "sav/tmp/floor8.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.45f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 3,
    .exits = kExits,
    .area = area_floor8,
    .allow_walk = allow_walk_floor8,
};
