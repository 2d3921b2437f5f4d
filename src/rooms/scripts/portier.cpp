// Room portier.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"entree", 1, 580, 110, 640, 325, 600, 355, 225, 295},
};

}  // namespace

extern const RoomScript room_portier = {
    .name = "portier",
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
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
