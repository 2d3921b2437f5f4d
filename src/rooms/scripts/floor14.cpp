// Room floor14.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor4", 1, 430, 165, 465, 370, 400, 340, 560, 280},
    {"floor4", 1, 475, 160, 575, 400, 450, 420, 460, 240},
    {"floor3", 1, 0, 375, 175, 480, 250, 420, 340, 440},
    {"floor5", 1, 0, 125, 175, 325, 275, 335, 540, 380},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kStangeFrame = FrameList<1>{}.add(1, 420, 34);
constexpr auto kGlenner3Frame = FrameList<1>{}.add(2, 150, 300);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "stange", .kind = PieceKind::pole,
     .text = {TR("Eng Stang. Do haenken", "A pole. The posters for the"),
              TR("d'Affiche vum Bal drun.", "school dance hang on it."), ""},
     .mouse_x = 420, .mouse_y = 34, .mouse_x2 = 432, .mouse_y2 = 340, .frames = kStangeFrame.view()},
    {.slot = 1, .state = 0, .name = "glenner3", .kind = PieceKind::banister,
     .text = {TR("D'Glaenner. Een huet saein", "The banister. Someone has"),
              TR("Numm dran gekraazt.", "scratched his name into it."), ""},
     .mouse_x = 150, .mouse_y = 300, .mouse_x2 = 250, .mouse_y2 = 470, .frames = kGlenner3Frame.view()},
};

}  // namespace

extern const RoomScript room_floor14 = {
    .name = "floor14",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor14.dat",
    .state_file = "sav/tmp/floor14.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = -0.8f,
    .increase_rate = 200.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_floor13,
    .allow_walk = allow_walk_floor13,
};
