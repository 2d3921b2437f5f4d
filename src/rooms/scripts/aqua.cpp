// Room aqua.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"preau2", 1, 525, 375, 640, 480, 510, 430, 175, 320},
};

}  // namespace

extern const RoomScript room_aqua = {
    .name = "aqua",
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
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
