// Room floor15.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 175, 175, 215, 300, 240, 295, 320, 450},
    {"floor2", 1, 560, 135, 640, 480, 515, 425, 30, 425},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{285, 295, 195, 230, 110400, 195, 235, 12000, 240, 295, 400, 295};

}  // namespace

void area_floor15(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_floor15(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_floor15 = {
    .name = "floor15",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor15.dat",
    .state_file = "sav/tmp/floor15.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.9f,
    .increase_rate = 200.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 2,
    .exits = kExits,
    .area = area_floor15,
    .allow_walk = allow_walk_floor15,
};
