// Room floor6.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor4", 1, 275, 160, 350, 240, 310, 250, 165, 230},
    {"biblio", 1, 450, 165, 540, 300, 440, 320, 580, 310},
    {"copy", 0, 235, 170, 255, 250, 280, 255, 580, 310},
    {"floor10", 1, 200, 440, 500, 480, 320, 450, 320, 260},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kCopydeskFrame = FrameList<1>{}.add(0, 80, 330);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "copydesk", .kind = PieceKind::desk,
     .text = {TR("De Kopeierdesch. De Kopeierer", "The copier table. The copier"),
              TR("ass rem futti.", "is broken again."), ""},
     .mouse_x = 80, .mouse_y = 330, .mouse_x2 = 220, .mouse_y2 = 400, .frames = kCopydeskFrame.view()},
};

// The corridor by the library: a narrow passage at the back (x 265 to 355,
// y 248 to 300) with the doors upstairs and to the copy room, opening at
// y 300 onto the wide floor in front, between the left wall L and the right
// wall R.
bool in_passage_row(int py) { return py < 300; }
bool past_left_wall(int px, int py) { return 6 * px + 5 * py <= 2100; }
bool past_right_wall(int px, int py) { return px - py >= 260; }

}  // namespace

void area_floor6(int& x, int& y) {
  if (y <= 240 && x < 265) {
    x = 265;
    y = 248;
  } else if (y <= 240 && x > 355) {
    x = 355;
    y = 248;
  } else if (y <= 240) {
    y = 248;
  } else if (in_passage_row(y) && x < 260 && hero_y < 300) {
    x = 265;
  } else if (in_passage_row(y) && x < 260) {
    y = 305;
  } else if (in_passage_row(y) && x > 360 && hero_y < 300) {
    x = 355;
  } else if (in_passage_row(y) && x > 360) {
    y = 305;
  } else if (past_left_wall(x, y)) {
    x = (2100 - 5 * y) / 6;
  } else if (past_right_wall(x, y)) {
    x = y + 260;
  }
}

void allow_walk_floor6(int& x, int& y) {
  if (y <= 240)
    walk_a2(x, y);
  else if (in_passage_row(y) && (x < 260 || x > 360) && last_y >= 300)
    walk_a2(x, y);
  else if (in_passage_row(y) && x < 260)
    walk_b1(x, y);
  else if (in_passage_row(y) && x > 360)
    walk_b2(x, y);
  else if (past_left_wall(x, y))
    walk_d2(x, y);
  else if (past_right_wall(x, y))
    walk_f2(x, y);
}

// Into and out of the passage through its mouth at x 310.
void extra_click_floor6() {
  const int hy = hero_y, ty = true_y;
  if (hy <= 295 && ty >= 295)
    via(310, 305);
  else if (hy >= 305 && ty <= 305)
    via(310, 295);
}

extern const RoomScript room_floor6 = {
    .name = "floor6",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor6.dat",
    .state_file = "sav/tmp/floor6.sav",
    .background = 1,
    .highest_object = 1,
    .min_hero_length = -0.55f,
    .increase_rate = 250.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_floor6,
    .allow_walk = allow_walk_floor6,
    .extra_click = extra_click_floor6,
};
