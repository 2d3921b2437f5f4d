// Room floor2.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor15", 1, 0, 0, 30, 480, 30, 425, 515, 425},
    {"floor13", 1, 425, 150, 475, 325, 390, 320, 450, 420},
    {"bio_amphi", 0, 280, 150, 370, 290, 330, 320, 330, 320},
    {"floor13", 1, 530, 140, 640, 450, 500, 425, 400, 340},
};

// The corridor of the biology wing: the hall (x from 285, y from 315) up to
// the right wall R, and a passage along the front to the left, behind which
// the slanted edge F (walkable where F >= 0) runs.
int edge_f(int px, int py) { return 15 * px + 300 * py - 114000; }
bool past_right_wall(int px, int py) { return 175 * px - 205 * py >= 7475; }

}  // namespace

void area_floor2(int& x, int& y) {
  if (edge_f(x, y) < 0 && x <= 285 && hero_x <= 285) {
    y = (114000 - 15 * x) / 300;
  } else if (y <= 305 && x <= 285 && hero_x >= 285) {
    x = 300;
    y = 315;
  } else if (edge_f(x, y) < 0 && x <= 285 && hero_x >= 285) {
    x = 300;
  } else if (past_right_wall(x, y) && y <= 305) {
    x = 390;
    y = 315;
  } else if (past_right_wall(x, y)) {
    x = (205 * y + 7475) / 175;
  } else if (y <= 305) {
    y = 315;
  }
}

void allow_walk_floor2(int& x, int& y) {
  if (edge_f(x, y) <= 0 && x <= 285 && edge_f(last_x, last_y) >= 0)
    walk_c2(x, y);
  else if (x <= 285 && y <= 365 && last_x >= 285)
    walk_b1(x, y);
  else if (y <= 305)
    walk_a2(x, y);
  else if (past_right_wall(x, y))
    walk_e2(x, y);
}

// The corner of the passage, (300, 380): a walk from the passage to the back
// of the hall goes through it, and so does one from the hall to any point in
// front of the edge F; a walk to a point behind F, or from the passage to the
// hall's front, goes straight.
void extra_click_floor2() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  const int fh = edge_f(hx, hy), ft = edge_f(tx, ty);
  const bool straight = !(fh >= 0 && hx <= 285 && tx >= 285 && ft <= 0) &&
                        ((hx <= 284 && fh > 0 && tx >= 286) || ft < 0);
  if (!straight) via(300, 380);
}

extern const RoomScript room_floor2 = {
    .name = "floor2",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor2.dat",
    .state_file = "sav/tmp/floor2.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.35f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 4,
    .exits = kExits,
    .area = area_floor2,
    .allow_walk = allow_walk_floor2,
    .extra_click = extra_click_floor2,
};
