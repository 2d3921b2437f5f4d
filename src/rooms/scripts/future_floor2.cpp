// Room future_floor2.
#include "rooms/room_script.h"
#include "shell/world.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor15", 1, 0, 0, 30, 480, 30, 425, 515, 415},
    {"floor13", 0, 425, 150, 475, 325, 390, 320, 450, 420},
    {"bio_amphi", 0, 280, 150, 360, 290, 330, 320, 330, 320},
    {"floor13", 0, 530, 140, 640, 450, 500, 425, 400, 340},
};
constexpr int kFurniPresent[] = {1};
constexpr int kPersonPresent[] = {1};

}  // namespace

// The far door of the corridor stays shut whatever the story does.
void exit_future_floor2() {
  go_through[3] = 0;
}

extern const RoomScript room_future_floor2 = {
    .name = "future_floor2",
    .data_file = "ffloor2.dat",
    .state_file = "sav/tmp/ffloor2.sav",
    .background = 0,
    .highest_object = 36,
    .min_hero_length = -0.35f,
    .increase_rate = 250.0f,
    .furni_nr = 1,
    .person_nr = 1,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
    .after_exits = exit_future_floor2,
};
