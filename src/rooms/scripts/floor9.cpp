// Room floor9.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"aula", 0, 155, 205, 230, 280, 195, 300, 470, 440},
    {"aula", 0, 230, 205, 300, 300, 265, 300, 470, 440},
    {"aula", 1, 340, 205, 410, 300, 375, 300, 470, 440},
    {"aula", 0, 410, 205, 480, 300, 445, 300, 470, 440},
    {"entree", 1, 0, 450, 640, 480, 320, 450, 70, 430},
};

// The corridor before the hall: the back wall y 300 between x 165 and 475
// with the hall's four doors, the walls slanting down to the front.
bool past_left_wall(int px, int py) { return 110 * px + 165 * py <= 66000 && px <= 165; }
bool past_right_wall(int px, int py) { return 110 * px - 165 * py >= 4400 && px >= 475; }

}  // namespace

void area_floor9(int& x, int& y) {
  if (x <= 165 && y <= 290) {
    x = 175;
    y = 300;
  } else if (x >= 475 && y <= 290) {
    x = 465;
    y = 300;
  } else if (y <= 290 && 165 <= x && x <= 475) {
    y = 300;
  } else if (past_left_wall(x, y)) {
    x = (66000 - 165 * y) / 110;
  } else if (past_right_wall(x, y)) {
    x = (165 * y + 4400) / 110;
  }
}

void allow_walk_floor9(int& x, int& y) {
  if (y <= 290 && 165 <= x && x <= 475)
    walk_a2(x, y);
  else if (past_left_wall(x, y))
    walk_c2(x, y);
  else if (past_right_wall(x, y))
    walk_e2(x, y);
}

extern const RoomScript room_floor9 = {
    .name = "floor9",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor9.dat",
    .state_file = "sav/tmp/floor9.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.65f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 5,
    .exits = kExits,
    .area = area_floor9,
    .allow_walk = allow_walk_floor9,
};
