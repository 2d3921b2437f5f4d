// Room physiktp.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 595, 200, 640, 365, 565, 360, 265, 265},
    {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300},
    {"future_floor1", 1, 460, 220, 500, 325, 475, 350, 355, 180},
};

// The physics lab: a diagonal band of floor between the back edge V and the
// front edge U, closed at the left by x 275 and at the right by the wall W.
int edge_u(int px, int py) { return 393 * py - 32 * px - 142213; }
int edge_v(int px, int py) { return 348 * py - 22 * px - 107608; }
int wall_w(int px, int py) { return 62 * py - 68 * px + 17098; }

}  // namespace

void area_physiktp(int& x, int& y) {
  const int U = edge_u(x, y), V = edge_v(x, y), W = wall_w(x, y);
  if (U >= 0 && x <= 275) {
    x = 285;
    y = 375;
  } else if (V <= 0 && x <= 275) {
    x = 285;
    y = 340;
  } else if (U >= 0 && W <= 0) {
    x = 620;
    y = 410;
  } else if (V <= 0 && W <= 0) {
    x = 565;
    y = 350;
  } else if (U < 0 && V <= 0) {
    y = (22 * x + 107608) / 348 + 10;
  } else if (U < 0 && x >= 276 && W <= 0) {
    x = (62 * y + 17098) / 68;
  } else if (U < 0 && x <= 275) {
    x = 285;
  } else if (U >= 0) {
    y = (32 * x + 142213) / 393 - 10;
  }
}

void allow_walk_physiktp(int& x, int& y) {
  if (edge_u(x, y) >= 0)
    walk_e1(x, y);
  else if (edge_v(x, y) <= 0)
    walk_e2(x, y);
  else if (x <= 275)
    walk_b1(x, y);
  else if (wall_w(x, y) <= 0)
    walk_f2(x, y);
}

extern const RoomScript room_physiktp = {
    .name = "physiktp",
    .title = TR("Physiklabor", "Physics lab"),
    .data_file = "physiktp.dat",
    .state_file = "sav/tmp/physiktp.sav",
    .background = 0,
    .highest_object = 0,
    .min_hero_length = 0.2f,
    .increase_rate = 500.0f,
    .furni_nr = 0,
    .person_nr = 0,
    .exit_nr = 3,
    .exits = kExits,
    .area = area_physiktp,
    .allow_walk = allow_walk_physiktp,
};
