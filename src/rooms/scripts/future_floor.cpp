// Room future_floor: a corridor of the future school running away from the
// viewer; its back edge is the row y 219 between x 286 and 358, its two walls
// lean inwards towards it. No furniture and nobody about.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_physik", 0, 75, 180, 155, 390, 185, 390, 555, 300},
    {"physiktp", 1, 210, 155, 250, 260, 270, 260, 560, 365},
    {"crossing", 0, 290, 145, 350, 200, 320, 225, 100, 400},
    {"biolog", 0, 455, 160, 495, 345, 415, 340, 625, 340},
    {"floor15", 1, 150, 440, 450, 480, 320, 450, 240, 295},
    {"bio_bureau", 0, 380, 150, 400, 240, 350, 230, 350, 230},
};

// The back edge: everything on row 219 and above is wall.
constexpr int kBackRow = 219;
// The left wall, 261x + 170y = 111876 (floor where the sum is larger), and
// the right wall, 262x - 146y = 61968 (floor where the difference is smaller).
bool beyond_left_wall(int px, int py) { return 261 * px + 170 * py <= 111876; }
bool beyond_right_wall(int px, int py) { return 262 * px - 146 * py >= 61968; }

}  // namespace

void area_future_floor(int& x, int& y) {
  if (y <= kBackRow && 286 <= x && x <= 358) {
    y = 225;
  } else if (y <= kBackRow && beyond_left_wall(x, y)) {
    x = 290;
    y = 225;
  } else if (y <= kBackRow && beyond_right_wall(x, y)) {
    x = 355;
    y = 225;
  } else if (beyond_left_wall(x, y)) {
    x = (111876 - 170 * y) / 261;
  } else if (beyond_right_wall(x, y)) {
    x = (146 * y + 61968) / 262;
  }
}

void allow_walk_future_floor(int& x, int& y) {
  if (y <= kBackRow)
    walk_a2(x, y);
  else if (beyond_left_wall(x, y))
    walk_d2(x, y);
  else if (beyond_right_wall(x, y))
    walk_f2(x, y);
}

extern const RoomScript room_future_floor = {
    .name = "future_floor",
    .title = TR("Gang", "Corridor"),
    .data_file = "ffloor.dat",
    .state_file = "sav/tmp/ffloor.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.45f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 6,
    .exits = kExits,
    .area = area_future_floor,
    .allow_walk = allow_walk_future_floor,
    // The same rule as the corridor of future_floor1: a target well below the
    // hero is reached through the middle of the corridor.
    .extra_click = extra_click_future_floor1,
};
