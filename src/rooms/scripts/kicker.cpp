// Room kicker.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"cafeteria", 1, 0, 450, 640, 480, 320, 465, 80, 250},
};
constexpr int kFurniPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_kicker = {
    .name = "kicker",
    .data_file = "kicker.dat",
    .state_file = "sav/tmp/kicker.sav",
    .background = 2,
    .highest_object = 2,
    .min_hero_length = 0.5f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
