// Room floor9.
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

}  // namespace

extern const RoomScript room_floor9 = {
    .name = "floor9",
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
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
