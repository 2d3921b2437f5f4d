// Room future_chimietp.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330},
    // Only the story uses this one: after the shower the hero is taken next door.
    {"future_physiktp", 1, 0, 0, 0, 0, 0, 0, 565, 360},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

}  // namespace

extern const RoomScript room_future_chimietp = {
    .name = "future_chimietp",
    .data_file = "fchimtp.dat",
    .state_file = "sav/tmp/fchimtp.sav",
    .background = 4,
    .highest_object = 7,
    .min_hero_length = -0.2f,
    .increase_rate = 250.0f,
    .furni_nr = 10,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
