// Room floor12.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor5", 1, 110, 440, 600, 480, 320, 440, 50, 430},
};

}  // namespace

extern const RoomScript room_floor12 = {
    .name = "floor12",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor12.dat",
    .state_file = "sav/tmp/floor12.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.85f,
    .increase_rate = 210.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 1,
    .exits = kExits,
    .area = area_floor11,
    .allow_walk = allow_walk_floor11,
};
