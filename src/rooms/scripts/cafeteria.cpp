// Room cafeteria.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"kicker", 1, 0, 80, 55, 260, 70, 250, 290, 450},
    {"hof", 1, 500, 400, 640, 480, 550, 455, 100, 310},
    {"physik", 1, 590, 80, 640, 240, 590, 235, 520, 290},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kTableFrame = FrameList<1>{}.add(1, 130, 285);
constexpr auto kTable2Frame = FrameList<1>{}.add(2, 360, 300);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "table", .kind = PieceKind::table,
     .text = {TR("En Desch. Et pecht nach vum", "A table. Still sticky with"),
              TR("Ketchup vu gescht.", "yesterday's ketchup."), ""},
     .mouse_x = 130, .mouse_y = 285, .mouse_x2 = 300, .mouse_y2 = 360, .frames = kTableFrame.view()},
    {.slot = 1, .state = 0, .name = "table2", .kind = PieceKind::table,
     .text = {TR("Nach en Desch. Hei setzen", "Another table. The teachers"),
              TR("d'Proffen nie.", "never sit here."), ""},
     .mouse_x = 360, .mouse_y = 300, .mouse_x2 = 530, .mouse_y2 = 372, .frames = kTable2Frame.view()},
};

// The cafeteria: a wide floor in perspective in front of the back wall
// (y 232), two tables across its middle (y 290 to 375) with a passage at
// either wall and an aisle between them.
constexpr walks::Corridor kFloor{228, 232, 5, 3, 990, 12, 5, 6230, 65, 232, 610, 232};

}  // namespace

void area_cafeteria(int& x, int& y) { walks::corridor_area<kFloor>(x, y); }

void allow_walk_cafeteria(int& x, int& y) { walks::corridor_walk<kFloor>(x, y); }

// Between the back and the front of the room the hero takes the passage the
// straight way would have crossed nearest: by the left wall (x 100), the
// aisle between the tables (x 330) or the right wall (x 560).
void extra_click_cafeteria() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  const bool down = hy <= 290 && ty >= 375;
  const bool up = hy >= 375 && ty <= 290;
  if (!down && !up) return;
  const int cross_x = hx + (tx - hx) * (330 - hy) / (ty - hy);
  if (cross_x < 120 || cross_x > 540) return;
  const int pass_x = cross_x <= 215 ? 100 : cross_x <= 445 ? 330 : 560;
  if (down) {
    via(pass_x, 285);
    via(pass_x, 380);
  } else {
    via(pass_x, 380);
    via(pass_x, 285);
  }
}

extern const RoomScript room_cafeteria = {
    .name = "cafeteria",
    .title = TR("Cafeteria", "Cafeteria"),
    .data_file = "cafet.dat",
    .state_file = "sav/tmp/cafet.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_cafeteria,
    .allow_walk = allow_walk_cafeteria,
    .extra_click = extra_click_cafeteria,
};
