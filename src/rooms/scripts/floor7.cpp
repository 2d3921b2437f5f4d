// Room floor7.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor10", 1, 60, 440, 550, 480, 320, 450, 380, 310},
    {"floor8", 1, 525, 140, 580, 340, 475, 340, 200, 345},
    {"nordfl", 0, 240, 165, 315, 240, 275, 260, 200, 345},
    {"nordfl", 0, 325, 165, 395, 240, 365, 260, 200, 345},
    {"kammer", 0, 435, 155, 455, 270, 405, 265, 200, 345},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{250, 260, 230, 200, 105200, 230, 235, 34400, 250, 260, 390, 260};

}  // namespace

void area_floor7(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_floor7(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_floor7 = {
    .name = "floor7",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor7.dat",
    .state_file = "sav/tmp/floor7.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.65f,
    .increase_rate = 225.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 5,
    .exits = kExits,
    .area = area_floor7,
    .allow_walk = allow_walk_floor7,
};
