// Room aqua.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"preau2", 1, 525, 375, 640, 480, 510, 430, 175, 320},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{225, 230, 255, 50, 117075, 255, 85, 98175, 420, 230, 455, 230, true};

}  // namespace

void area_aqua(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_aqua(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_aqua = {
    .name = "aqua",
    .title = TR("Aquarium", "Aquarium"),
    .data_file = "aqua.dat",
    .state_file = "sav/tmp/aqua.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.35f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 1,
    .exits = kExits,
    .area = area_aqua,
    .allow_walk = allow_walk_aqua,
};
