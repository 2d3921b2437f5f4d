// Room preau2.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor3", 1, 425, 125, 575, 325, 540, 360, 540, 380},
    {"future_preau", 1, 150, 450, 640, 480, 400, 450, 620, 340},
    {"cantina", 1, 250, 250, 400, 325, 340, 350, 70, 220},
    {"aqua", 1, 125, 165, 225, 280, 175, 320, 510, 430},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_preau2 = {
    .name = "preau2",
    .data_file = "preau2.dat",
    .state_file = "sav/tmp/preau2.sav",
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
