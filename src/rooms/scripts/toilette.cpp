// Room toilette.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"entree", 1, 270, 205, 310, 305, 335, 305, 315, 360},
};

}  // namespace

extern const RoomScript room_toilette = {
    .name = "toilette",
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
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
