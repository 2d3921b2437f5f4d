// Room floor6.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor4", 1, 275, 160, 350, 240, 310, 250, 165, 230},
    {"biblio", 1, 450, 165, 540, 300, 440, 320, 580, 310},
    {"copy", 0, 235, 170, 255, 250, 280, 255, 580, 310},
    {"floor10", 1, 200, 440, 500, 480, 320, 450, 320, 260},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_floor6 = {
    .name = "floor6",
    .data_file = "floor6.dat",
    .state_file = "sav/tmp/floor6.sav",
    .background = 1,
    .highest_object = 1,
    .min_hero_length = -0.55f,
    .increase_rate = 250.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
