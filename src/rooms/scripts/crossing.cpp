// Room crossing.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 10, 210, 80, 405, 100, 400, 320, 225},
    {"chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
    {"chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275},
};

}  // namespace

extern const RoomScript room_crossing = {
    .name = "crossing",
    .data_file = "crossing.dat",
    .state_file = "sav/tmp/crossing.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.6f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 3,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
