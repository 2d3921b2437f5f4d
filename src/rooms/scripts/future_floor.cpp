// Room future_floor.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_physik", 0, 75, 180, 155, 390, 185, 390, 555, 300},
    {"physiktp", 1, 210, 155, 250, 260, 270, 260, 560, 365},
    {"crossing", 0, 290, 145, 350, 200, 320, 225, 100, 400},
    {"biolog", 0, 455, 160, 495, 345, 415, 340, 625, 340},
    {"floor15", 1, 150, 440, 450, 480, 320, 450, 240, 295},
    {"bio_bureau", 0, 380, 150, 400, 240, 350, 230, 350, 230},
};

}  // namespace

extern const RoomScript room_future_floor = {
    .name = "future_floor",
    .data_file = "ffloor.dat",
    .state_file = "sav/tmp/ffloor.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.45f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 6,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
