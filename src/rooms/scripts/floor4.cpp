// Room floor4.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor14", 1, 580, 115, 640, 275, 560, 280, 400, 340},
    {"floor14", 1, 500, 125, 550, 250, 460, 240, 450, 420},
    {"floor6", 1, 110, 100, 160, 235, 165, 230, 310, 250},
    {"geo", 0, 280, 120, 340, 205, 310, 225, 310, 250},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1};

}  // namespace

extern const RoomScript room_floor4 = {
    .name = "floor4",
    .data_file = "floor4.dat",
    .state_file = "sav/tmp/floor4.sav",
    .background = 4,
    .highest_object = 4,
    .min_hero_length = -0.2f,
    .increase_rate = 300.0f,
    .furni_nr = 4,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
