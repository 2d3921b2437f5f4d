// Room physiktp.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 595, 200, 640, 365, 565, 360, 265, 265},
    {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300},
    {"future_floor1", 1, 460, 220, 500, 325, 475, 350, 355, 180},
};

}  // namespace

extern const RoomScript room_physiktp = {
    .name = "physiktp",
    .data_file = "physiktp.dat",
    .state_file = "sav/tmp/physiktp.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = 0.2f,
    .increase_rate = 500.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 3,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
