// Room future_crossing.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 10, 210, 120, 405, 100, 400, 325, 170},
    {"future_chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
    {"future_chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

}  // namespace

extern const RoomScript room_future_crossing = {
    .name = "future_crossing",
    .data_file = "fcross.dat",
    .state_file = "sav/tmp/fcross.sav",
    .background = 0,
    .highest_object = 41,
    .min_hero_length = -0.6f,
    .increase_rate = 250.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
