// The hero's path: computed at once for a new walk target, one step of 8
// pixels across and/or 4 down per entry, each step checked by the room.
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/registry.h"

namespace {

struct Step {
  int code, dx, dy;
};
constexpr Step kUp{kStepUp, 0, -4}, kDown{kStepDown, 0, 4}, kLeft{kStepLeft, -8, 0}, kRight{kStepRight, 8, 0};
constexpr Step kUpLeft{kStepUpLeft, -8, -4}, kUpRight{kStepUpRight, 8, -4};
constexpr Step kDownLeft{kStepDownLeft, -8, 4}, kDownRight{kStepDownRight, 8, 4};

// The step towards waypoint (cx, cy) from (bx, by) inside the quadrant chosen
// for this waypoint; `done` when both coordinates have passed it.
Step next_step(int quadrant, int cx, int cy, int bx, int by, bool& done) {
  switch (quadrant) {
    case 0:  // up-left
      done = cx > bx && cy > by;
      if (cx <= bx && cy <= by) return kUpLeft;
      if (cx <= bx && cy >= by) return kLeft;
      return kUp;
    case 1:  // up-right
      done = cx < bx && cy > by;
      if (cx >= bx && cy <= by) return kUpRight;
      if (cx >= bx && cy >= by) return kRight;
      return kUp;
    case 2:  // down-right
      done = cx < bx && cy < by;
      if (cx >= bx && cy >= by) return kDownRight;
      if (cx >= bx && cy <= by) return kRight;
      return kDown;
    default:  // down-left
      done = cx > bx && cy < by;
      if (cx <= bx && cy >= by) return kDownLeft;
      if (cx <= bx && cy <= by) return kLeft;
      return kDown;
  }
}

int quadrant_of(int cx, int cy, int bx, int by) {
  if (cx <= bx && cy <= by) return 0;
  if (cx >= bx && cy <= by) return 1;
  if (cx >= bx && cy >= by) return 2;
  return 3;
}

void walk_to_waypoint(int k) {
  const int cx = click_x[k];
  const int cy = click_y[k];
  const int quadrant = quadrant_of(cx, cy, buffer_x, buffer_y);
  for (;;) {
    bool done = false;
    const Step s = next_step(quadrant, cx, cy, buffer_x, buffer_y, done);
    if (done) return;
    crash_alert += 1;
    if (crash_alert >= kPathSteps || mov_nr >= kPathSteps) {
      // Too long a way: this waypoint is given up, the hero stays.
      click_x2 = cx;
      click_y2 = cy;
      go_frame_nr = 0;
      end_walk();
      return;
    }
    buffer_x += s.dx;
    buffer_y += s.dy;
    hero_action[mov_nr] = s.code;
    allow_walk();
    movement_x[mov_nr] = buffer_x;
    movement_y[mov_nr] = buffer_y;
    mov_nr += 1;
  }
}

}  // namespace

void calc_coor() {
  if (click_x2 - 8 < true_x && true_x < click_x2 + 8 && click_y2 - 4 < true_y && true_y < click_y2 + 4) return;
  click_x2 = true_x;
  click_y2 = true_y;
  for (int k = 0; k < kWaypoints; ++k) click_x[k] = click_y[k] = -1;
  extra_click();
  for (int k = 0; k < kWaypoints; ++k)
    if (click_x[k] != -1) click_nr = k;
  // A room that set no waypoint walks straight to the target.
  if (click_x[0] == -1) {
    click_x[0] = true_x;
    click_y[0] = true_y;
    click_nr = 0;
  }
  go_frame_nr = 0;
  mov_nr = 0;
  mov_nr1 = 0;
  crash_alert = 0;
  for (int i = 0; i < kPathSteps; ++i) {
    movement_x[i] = hero_x;
    movement_y[i] = hero_y;
  }
  buffer_x = hero_x;
  buffer_y = hero_y;
  for (int k = 0; k <= click_nr && k < kWaypoints; ++k) {
    if (click_x[k] == -1) continue;
    walk_to_waypoint(k);
  }
}

namespace {

void merge_pairs(int a, int b, int into) {
  for (int i = 0; i < kPathSteps - 1; ++i)
    if (hero_action[i] == a && hero_action[i + 1] == b) hero_action[i] = hero_action[i + 1] = into;
}

}  // namespace

void make_fluent() {
  merge_pairs(kStepUpLeft, kStepUpRight, kStepUp);
  merge_pairs(kStepDownLeft, kStepDownRight, kStepDown);
  merge_pairs(kStepUpLeft, kStepDownLeft, kStepLeft);
  merge_pairs(kStepUpRight, kStepDownRight, kStepRight);
  for (int i = 0; i < kPathSteps - 1; ++i) {
    if (movement_x[i] == movement_x[i + 1] && movement_y[i] == movement_y[i + 1] && hero_action[i] != kStepStand) {
      for (int j = i; j < kPathSteps - 1; ++j) {
        movement_x[j] = movement_x[j + 1];
        movement_y[j] = movement_y[j + 1];
      }
    }
  }
}
