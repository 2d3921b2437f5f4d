// Room cantina.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"preau2", 1, 0, 60, 60, 210, 70, 220, 340, 350},
};
constexpr int kFurniPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_cantina = {
    .name = "cantina",
    .data_file = "cantina.dat",
    .state_file = "sav/tmp/cantina.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = 0.05f,
    .increase_rate = 300.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
