// Room chimietp.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_chimietp = {
    .name = "chimietp",
    .data_file = "chimietp.dat",
    .state_file = "sav/tmp/chimietp.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = 0.05f,
    .increase_rate = 300.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
