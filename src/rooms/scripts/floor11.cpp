// Room floor11.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor3", 1, 110, 440, 600, 480, 320, 440, 50, 430},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{235, 245, 245, 195, 114425, 220, 265, 20225, 290, 245, 365, 245};

}  // namespace

void area_floor11(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_floor11(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_floor11 = {
    .name = "floor11",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor11.dat",
    .state_file = "sav/tmp/floor11.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.85f,
    .increase_rate = 210.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 1,
    .exits = kExits,
    .area = area_floor11,
    .allow_walk = allow_walk_floor11,
};
