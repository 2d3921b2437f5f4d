// Room cafeteria.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"kicker", 1, 0, 80, 55, 260, 70, 250, 290, 450},
    {"hof", 1, 500, 400, 640, 480, 550, 455, 100, 310},
    {"physik", 1, 590, 80, 640, 240, 590, 235, 520, 290},
};
constexpr int kFurniPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_cafeteria = {
    .name = "cafeteria",
    .data_file = "cafet.dat",
    .state_file = "sav/tmp/cafet.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
