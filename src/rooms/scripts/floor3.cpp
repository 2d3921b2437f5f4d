// Room floor3.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor14", 1, 250, 420, 500, 480, 340, 440, 250, 420},
    {"preau2", 1, 550, 320, 640, 480, 540, 380, 540, 360},
    {"class", 1, 175, 175, 275, 325, 250, 350, 625, 315},
    {"floor11", 1, 0, 100, 50, 480, 50, 430, 320, 440},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kGlennerFrame = FrameList<1>{}.add(1, 380, 340);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "glenner", .kind = PieceKind::banister,
     .text = {TR("D'Glaenner vun der Trap.", "The banister of the stairs."),
              TR("Net driwwer rutschen!", "No sliding down it!"), ""},
     .mouse_x = 380, .mouse_y = 340, .mouse_x2 = 500, .mouse_y2 = 425, .frames = kGlennerFrame.view()},
};

// The landing: the floor in front of the back wall (y 347), the left wall at
// x 45 and the slanted right wall R by the stairs to the yard; the railing
// of the stairwell (x 380 to 500, y 395 to 425) stands on it.
bool past_right_wall(int px, int py) { return 15 * px - 16 * py >= 2880; }
bool on_railing(int px, int py) { return 380 <= px && px <= 500 && 395 <= py && py <= 425; }

}  // namespace

void area_floor3(int& x, int& y) {
  if (x <= 40 && y <= 340) {
    x = 45;
    y = 347;
  } else if (past_right_wall(x, y) && y <= 340) {
    x = 555;
    y = 347;
  } else if (y <= 340) {
    y = 347;
  } else if (x <= 40) {
    x = 45;
  } else if (past_right_wall(x, y)) {
    x = (16 * y + 2880) / 15;
  } else if (on_railing(x, y) && hero_y <= 410) {
    y = 388;
  } else if (on_railing(x, y)) {
    y = 432;
  }
}

void allow_walk_floor3(int& x, int& y) {
  if (y <= 340)
    walk_a2(x, y);
  else if (x <= 40)
    walk_b1(x, y);
  else if (past_right_wall(x, y))
    walk_f2(x, y);
  else if (on_railing(x, y) && last_y < 395)
    walk_a1(x, y);
  else if (on_railing(x, y) && last_y > 425)
    walk_a2(x, y);
  else if (on_railing(x, y) && last_x < 380)
    walk_b2(x, y);
  else if (on_railing(x, y))
    walk_b1(x, y);
}

// Past the railing the hero goes along the side of the end the straight way
// would have crossed nearer.
void extra_click_floor3() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if ((hy <= 395 && ty >= 425) || (hy >= 425 && ty <= 395)) {
    const int cross_x = hx + (tx - hx) * (410 - hy) / (ty - hy);
    if (cross_x < 370 || cross_x > 510) return;
    const int end_x = cross_x <= 440 ? 368 : 512;
    via(end_x, hy <= 395 ? 388 : 432);
    via(end_x, hy <= 395 ? 432 : 388);
  }
}

extern const RoomScript room_floor3 = {
    .name = "floor3",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor3.dat",
    .state_file = "sav/tmp/floor3.sav",
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
