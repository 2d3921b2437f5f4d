// Room hof.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_preau", 1, 340, 230, 365, 275, 335, 280, 120, 375},
    {"cafeteria", 1, 65, 255, 115, 300, 100, 310, 550, 450},
};
constexpr int kFurniPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_hof = {
    .name = "hof",
    .data_file = "hof.dat",
    .state_file = "sav/tmp/hof.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = -0.4f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
