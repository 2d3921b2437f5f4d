// Room crossing.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 10, 210, 80, 405, 100, 400, 320, 225},
    {"chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
    {"chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275},
};

// The crossing: a front band (y from 370) running left to a slanted wall L,
// and a back floor (y from 330, x from 295) up to the right wall x - y = 140.
int wall_l(int px, int py) { return 120 * px + 130 * py; }
bool past_right_wall(int px, int py) { return px - py >= 140; }

}  // namespace

void area_crossing(int& x, int& y) {
  if (wall_l(x, y) <= 62400 && y <= 360) {
    x = 135;
    y = 370;
  } else if (wall_l(x, y) <= 62400) {
    x = (62400 - 130 * y) / 120;
  } else if (y <= 360 && x <= 285 && hero_y >= 360) {
    y = 370;
  } else if (y <= 360 && x <= 285) {
    x = 295;
  } else if (y <= 320 && past_right_wall(x, y)) {
    x = 450;
    y = 330;
  } else if (y <= 320 && x >= 285) {
    y = 330;
  } else if (past_right_wall(x, y) && y >= 320) {
    x = y + 140;
  }
}

void allow_walk_crossing(int& x, int& y) {
  if (wall_l(x, y) <= 62400)
    walk_d2(x, y);
  else if (y <= 360 && x <= 285 && last_y >= 360)
    walk_a2(x, y);
  else if (x <= 285 && y <= 360 && last_x >= 285)
    walk_b1(x, y);
  else if (y > 320 && past_right_wall(x, y))
    walk_f2(x, y);
  else if (y <= 320)
    walk_a2(x, y);
}

// Between the back floor and the front band the hero takes the corner at
// (290, 370).
void extra_click_crossing() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if ((hx >= 285 && hy <= 360 && tx <= 285) || (hy >= 360 && hx <= 285 && ty <= 360)) via(290, 370);
}

extern const RoomScript room_crossing = {
    .name = "crossing",
    .title = TR("Kreuzung", "Crossing"),
    .data_file = "crossing.dat",
    .state_file = "sav/tmp/crossing.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = -0.6f,
    .increase_rate = 250.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 3,
    .exits = kExits,
    .area = area_crossing,
    .allow_walk = allow_walk_crossing,
    .extra_click = extra_click_crossing,
};
