// Room future_biolog.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor15", 1, 600, 100, 640, 350, 625, 340, 265, 295},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1};
constexpr int kPersonPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_future_biolog = {
    .name = "future_biolog",
    .data_file = "fbiolog.dat",
    .state_file = "sav/tmp/fbiolog.sav",
    .background = 3,
    .highest_object = 56,
    .min_hero_length = 0.275f,
    .increase_rate = 500.0f,
    .furni_nr = 5,
    .person_nr = 2,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
