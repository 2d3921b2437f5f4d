// Room biolog.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 600, 100, 640, 350, 625, 340, 405, 340},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

}  // namespace

extern const RoomScript room_biolog = {
    .name = "biolog",
    .data_file = "biolog.dat",
    .state_file = "sav/tmp/biolog.sav",
    .background = 0,
    .highest_object = 33,
    .min_hero_length = 0.3f,
    .increase_rate = 500.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
