// Room floor13.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor2", 1, 430, 165, 465, 370, 400, 340, 500, 425},
    {"floor2", 1, 475, 160, 575, 400, 450, 420, 390, 320},
    {"floor5", 1, 0, 300, 175, 480, 250, 420, 340, 440},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kStange2Frame = FrameList<1>{}.add(1, 420, 34);
constexpr auto kGlenner4Frame = FrameList<1>{}.add(2, 150, 300);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "stange2", .kind = PieceKind::pole,
     .text = {TR("Eng Stang. Fir wat dei do", "A pole. Nobody knows why"),
              TR("steet, weess keen.", "it is there."), ""},
     .mouse_x = 420, .mouse_y = 34, .mouse_x2 = 432, .mouse_y2 = 340, .frames = kStange2Frame.view()},
    {.slot = 1, .state = 0, .name = "glenner4", .kind = PieceKind::banister,
     .text = {TR("D'Glaenner. Kal an hallef", "The banister. Cold and half"),
              TR("ofgerappt.", "torn off."), ""},
     .mouse_x = 150, .mouse_y = 300, .mouse_x2 = 250, .mouse_y2 = 470, .frames = kGlenner4Frame.view()},
};

// The corridor's back edge, left wall and right wall.
constexpr walks::Corridor kCorridor{320, 330, 160, 65, 61600, 160, 115, 28000, 265, 330, 395, 330};

}  // namespace

void area_floor13(int& x, int& y) { walks::corridor_area<kCorridor>(x, y); }

void allow_walk_floor13(int& x, int& y) { walks::corridor_walk<kCorridor>(x, y); }

extern const RoomScript room_floor13 = {
    .name = "floor13",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor13.dat",
    .state_file = "sav/tmp/floor13.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = -0.8f,
    .increase_rate = 200.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_floor13,
    .allow_walk = allow_walk_floor13,
};
