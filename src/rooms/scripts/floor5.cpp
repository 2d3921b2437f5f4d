// Room floor5.
#include "rooms/room_script.h"
#include "rooms/scripts/old_school_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor13", 1, 250, 420, 500, 480, 340, 440, 250, 420},
    {"floor14", 1, 550, 320, 640, 480, 540, 380, 275, 335},
    {"class", 0, 175, 175, 275, 325, 250, 350, 625, 315},
    {"floor12", 1, 0, 100, 50, 480, 50, 430, 320, 440},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_floor5 = {
    .name = "floor5",
    .data_file = "floor5.dat",
    .state_file = "sav/tmp/floor5.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = -0.55f,
    .increase_rate = 250.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = area_floor3,
    .allow_walk = allow_walk_floor3,
    .extra_click = extra_click_floor3,
};
