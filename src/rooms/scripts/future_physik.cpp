// Room future_physik.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_physiktp", 1, 485, 105, 555, 265, 540, 300, 580, 400},
    {"future_floor1", 1, 600, 105, 640, 310, 580, 300, 230, 260},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1};
constexpr int kPersonPresent[] = {1};

}  // namespace

extern const RoomScript room_future_physik = {
    .name = "future_physik",
    .data_file = "fphysik.dat",
    .state_file = "sav/tmp/fphysik.sav",
    .background = 50,
    .highest_object = 62,
    .min_hero_length = 0.325f,
    .increase_rate = 500.0f,
    .furni_nr = 4,
    .person_nr = 1,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
