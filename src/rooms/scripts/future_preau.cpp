// Room future_preau.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"hof", 1, 0, 390, 250, 480, 110, 385, 335, 280},
    {"preau2", 1, 600, 0, 640, 415, 630, 340, 400, 450},
    {"entree", 1, 130, 170, 225, 260, 170, 280, 465, 295},
    {"floor8", 1, 0, 90, 40, 300, 40, 320, 490, 380},
};
constexpr int kFurniPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_future_preau = {
    .name = "future_preau",
    .data_file = "fpreau.dat",
    .state_file = "sav/tmp/fpreau.sav",
    .background = 2,
    .highest_object = 2,
    .min_hero_length = -0.7f,
    .increase_rate = 200.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
