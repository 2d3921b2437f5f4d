// Room portier.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"entree", 1, 580, 110, 640, 325, 600, 355, 225, 295},
};

// The porter's lodge: a back wall that steps down from the door at the right
// (y 345) over a slant to the counter (y 370) and rises again at the left.
bool by_the_door(int px, int py) { return py <= 335 && px >= 575; }
bool past_door_slant(int px, int py) { return 25 * px + 60 * py <= 34475 && 515 <= px && px <= 575; }
bool at_the_counter(int px, int py) { return py <= 360 && 340 <= px && px <= 515; }
bool past_left_slant(int px, int py) { return 119 * px + 340 * py <= 162860 && px <= 340; }

}  // namespace

void area_portier(int& x, int& y) {
  if (by_the_door(x, y))
    y = 345;
  else if (past_door_slant(x, y))
    y = (34475 - 25 * x) / 60;
  else if (at_the_counter(x, y))
    y = 370;
  else if (past_left_slant(x, y))
    y = (162860 - 119 * x) / 340;
}

void allow_walk_portier(int& x, int& y) {
  if (by_the_door(x, y))
    walk_a2(x, y);
  else if (past_door_slant(x, y))
    walk_c2(x, y);
  else if (at_the_counter(x, y))
    walk_a2(x, y);
  else if (past_left_slant(x, y))
    walk_c2(x, y);
}

extern const RoomScript room_portier = {
    .name = "portier",
    .title = TR("Pförtnerloge", "Porter's lodge"),
    .data_file = "portier.dat",
    .state_file = "sav/tmp/portier.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = 0.05f,
    .increase_rate = 300.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 1,
    .exits = kExits,
    .area = area_portier,
    .allow_walk = allow_walk_portier,
};
