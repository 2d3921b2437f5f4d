// Room future_physiktp.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 580, 170, 640, 365, 565, 360, 280, 185},
    {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1, 1, 1, 1};
constexpr int kPersonPresent[] = {1, 1};

}  // namespace

extern const RoomScript room_future_physiktp = {
    .name = "future_physiktp",
    .data_file = "fphystp.dat",
    .state_file = "sav/tmp/fphystp.sav",
    .background = 31,
    .highest_object = 66,
    .min_hero_length = 0.2f,
    .increase_rate = 500.0f,
    .furni_nr = 7,
    .person_nr = 2,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
