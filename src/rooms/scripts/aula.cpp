// Room aula.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor9", 1, 420, 450, 530, 480, 470, 440, 375, 300},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_aula = {
    .name = "aula",
    .data_file = "aula.dat",
    .state_file = "sav/tmp/aula.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = -0.4f,
    .increase_rate = 500.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
