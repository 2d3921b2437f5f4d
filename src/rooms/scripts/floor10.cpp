// Room floor10.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor6", 1, 295, 200, 350, 240, 320, 260, 320, 450},
    {"floor7", 1, 400, 175, 460, 300, 380, 310, 320, 450},
    {"dossel", 0, 375, 200, 390, 275, 360, 275, 320, 450},
    {"info", 0, 180, 190, 220, 325, 250, 325, 320, 450},
    {"protoi", 0, 480, 190, 575, 400, 450, 410, 320, 450},
    {"entree", 1, 250, 190, 275, 270, 290, 265, 350, 275},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{250, 260, 230, 195, 116600, 230, 195, 30600, 305, 260, 335, 260};

}  // namespace

void area_floor10(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_floor10(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_floor10 = {
    .name = "floor10",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor10.dat",
    .state_file = "sav/tmp/floor10.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -1.0f,
    .increase_rate = 200.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 6,
    .exits = kExits,
    .area = area_floor10,
    .allow_walk = allow_walk_floor10,
};
