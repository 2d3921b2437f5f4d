// Room floor2.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor15", 1, 0, 0, 30, 480, 30, 425, 515, 425},
    {"floor13", 1, 425, 150, 475, 325, 390, 320, 450, 420},
    {"bio_amphi", 0, 280, 150, 370, 290, 330, 320, 330, 320},
    {"floor13", 1, 530, 140, 640, 450, 500, 425, 400, 340},
};

}  // namespace

extern const RoomScript room_floor2 = {
    .name = "floor2",
    .data_file = "floor2.dat",
    .state_file = "sav/tmp/floor2.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.35f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 4,
    .exits = kExits,
    .area = nullptr,
    .allow_walk = nullptr,
    .extra_click = extra_click_direct,
};
