// Room biblio.
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor6", 1, 605, 120, 640, 305, 580, 310, 440, 320},
};
constexpr int kFurniPresent[] = {1};

}  // namespace

extern const RoomScript room_biblio = {
    .name = "biblio",
    .data_file = "biblio.dat",
    .state_file = "sav/tmp/biblio.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = 0.35f,
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
