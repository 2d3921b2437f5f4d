// Room cantina.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"preau2", 1, 0, 60, 60, 210, 70, 220, 340, 350},
};
constexpr int kFurniPresent[] = {1, 1};

// The table stands on the floor's strip in front of the door's walk point; the
// pillar runs from the ceiling to the floor where the floor meets the long
// wall.
constexpr auto kTischFrame = FrameList<1>{}.add(1, 20, 270);
constexpr auto kPfahlFrame = FrameList<1>{}.add(2, 148, 34);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "tisch", .kind = PieceKind::table,
     .text = {TR("En Desch an der Kantin.", "A table in the canteen."),
              TR("Do gett mettes gefriess.", "This is where lunch gets eaten."), ""},
     .mouse_x = 20, .mouse_y = 270, .mouse_x2 = 110, .mouse_y2 = 318, .frames = kTischFrame.view()},
    {.slot = 1, .state = 0, .name = "pfahl", .kind = PieceKind::pillar,
     .text = {TR("E Pilier. Ganz vill Kaugummi", "A pillar. Lots of chewing gum"),
              TR("dru gepecht.", "stuck to it."), ""},
     .mouse_x = 148, .mouse_y = 34, .mouse_x2 = 170, .mouse_y2 = 246, .frames = kPfahlFrame.view()},
};

// The canteen: the back edge y 200, the slanted left wall L and the right
// wall R.
bool past_left_wall(int px, int py) { return 45 * px + 119 * py <= 28010; }
bool past_right_wall(int px, int py) { return 270 * px + 205 * py >= 94570; }

}  // namespace

void area_cantina(int& x, int& y) {
  if (past_left_wall(x, y) && y <= 190) {
    x = 125;
    y = 200;
  } else if (past_right_wall(x, y) && y <= 190) {
    x = 185;
    y = 200;
  } else if (y <= 190) {
    y = 200;
  } else if (past_left_wall(x, y)) {
    y = (28010 - 45 * x) / 119;
  } else if (past_right_wall(x, y)) {
    x = (94570 - 205 * y) / 270;
  }
}

void allow_walk_cantina(int& x, int& y) {
  if (y <= 190)
    walk_a2(x, y);
  else if (past_left_wall(x, y))
    walk_c2(x, y);
  else if (past_right_wall(x, y))
    walk_d1(x, y);
}

extern const RoomScript room_cantina = {
    .name = "cantina",
    .title = TR("Kantine", "Canteen"),
    .data_file = "cantina.dat",
    .state_file = "sav/tmp/cantina.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = 0.05f,
    .increase_rate = 300.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_cantina,
    .allow_walk = allow_walk_cantina,
};
