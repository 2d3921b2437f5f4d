// Room floor5.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor13", 1, 250, 420, 500, 480, 340, 440, 250, 420},
    {"floor14", 1, 550, 320, 640, 480, 540, 380, 275, 335},
    {"class", 0, 175, 175, 275, 325, 250, 350, 625, 315},
    {"floor12", 1, 0, 100, 50, 480, 50, 430, 320, 440},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kGlenner2Frame = FrameList<1>{}.add(1, 380, 340);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "glenner2", .kind = PieceKind::banister,
     .text = {TR("D'Glaenner vun der Trap.", "The banister of the stairs."),
              TR("Poleiert vu villen Haenn.", "Polished by many hands."), ""},
     .mouse_x = 380, .mouse_y = 340, .mouse_x2 = 500, .mouse_y2 = 425, .frames = kGlenner2Frame.view()},
};

}  // namespace

extern const RoomScript room_floor5 = {
    .name = "floor5",
    .title = TR("Gang", "Corridor"),
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
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_floor3,
    .allow_walk = allow_walk_floor3,
    .extra_click = extra_click_floor3,
};
