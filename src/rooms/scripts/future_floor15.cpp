// Room future_floor15.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 175, 175, 215, 300, 210, 295, 320, 400},
    {"future_floor2", 1, 560, 135, 640, 480, 515, 425, 30, 425},
    {"future_biolog", 0, 240, 200, 295, 275, 265, 295, 625, 340},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

}  // namespace

extern const RoomScript room_future_floor15 = {
    .name = "future_floor15",
    .data_file = "ffloor15.dat",
    .state_file = "sav/tmp/ffloor15.sav",
    .background = 0,
    .highest_object = 7,
    .min_hero_length = -1.0f,
    .increase_rate = 200.0f,
    .furni_nr = 10,
    .person_nr = 0,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
