// Room toilette.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"entree", 1, 270, 205, 310, 305, 335, 305, 315, 360},
};

// The toilets: the left wall L, the back edge B and the right wall R.
bool past_left_wall(int px, int py) { return 187 * px + 231 * py <= 129954; }
bool behind_back_edge(int px, int py) { return 147 * py - 10 * px <= 39741; }
bool past_right_wall(int px, int py) { return 176 * px - 42 * py >= 71754; }

}  // namespace

void area_toilette(int& x, int& y) {
  if (past_left_wall(x, y) && behind_back_edge(x, y)) {
    x = 340;
    y = 300;
  } else if (past_right_wall(x, y) && behind_back_edge(x, y)) {
    x = 470;
    y = 310;
  } else if (past_left_wall(x, y)) {
    x = (129954 - 231 * y) / 187;
  } else if (behind_back_edge(x, y)) {
    y = (10 * x + 39741) / 147;
  } else if (past_right_wall(x, y)) {
    x = (42 * y + 71754) / 176;
  }
}

void allow_walk_toilette(int& x, int& y) {
  if (past_left_wall(x, y))
    walk_c2(x, y);
  else if (behind_back_edge(x, y))
    walk_e2(x, y);
  else if (past_right_wall(x, y))
    walk_f2(x, y);
}

extern const RoomScript room_toilette = {
    .name = "toilette",
    .title = TR("Toilette", "Toilet"),
    .data_file = "toilette.dat",
    .state_file = "sav/tmp/toilette.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -1.0f,
    .increase_rate = 200.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 1,
    .exits = kExits,
    .area = area_toilette,
    .allow_walk = allow_walk_toilette,
};
