// Room floor3.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor14", 1, 250, 420, 500, 480, 340, 440, 250, 420},
    {"preau2", 1, 550, 320, 640, 480, 540, 380, 540, 360},
    {"class", 1, 175, 175, 275, 325, 250, 350, 625, 315},
    {"floor11", 1, 0, 100, 50, 480, 50, 430, 320, 440},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_floor3 = {
    .name = "floor3",
    .data_file = "floor3.dat",
    .state_file = "sav/tmp/floor3.sav",
    .background = 0,
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
