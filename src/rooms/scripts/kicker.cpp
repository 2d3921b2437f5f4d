// Room kicker.
#include "rooms/room_script.h"
#include "rooms/scripts/old_school_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"cafeteria", 1, 0, 450, 640, 480, 320, 465, 80, 250},
};
constexpr int kFurniPresent[] = {1, 1};

// The games room: a floor in perspective in front of the back wall (y 345),
// with the table football standing on it as a block the hero goes round.
constexpr old_school::Corridor kFloor{335, 345, 2, 3, 1260, 7, 10, 380, 120, 345, 540, 345};
bool on_table(int px, int py) { return 150 <= px && px <= 330 && 372 <= py && py <= 402; }

}  // namespace

void area_kicker() {
  x = true_x;
  y = true_y;
  if (old_school::corridor_snap<kFloor>()) {
  } else if (on_table(x, y) && hero_y <= 387) {
    y = 365;
  } else if (on_table(x, y)) {
    y = 410;
  }
  true_x = x;
  true_y = y;
}

void allow_walk_kicker() {
  old_school::previous_point();
  x = buffer_x;
  y = buffer_y;
  if (old_school::corridor_step<kFloor>()) {
  } else if (on_table(x, y) && last_y < 372) {
    walk_a1();
  } else if (on_table(x, y) && last_y > 402) {
    walk_a2();
  } else if (on_table(x, y) && last_x < 150) {
    walk_b2();
  } else if (on_table(x, y)) {
    walk_b1();
  }
  buffer_x = x;
  buffer_y = y;
}

// From behind the table football to its front (or back) the hero passes it
// at the end the straight way would have crossed nearer.
void extra_click_kicker() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  old_school::Route route;
  if ((hy <= 372 && ty >= 402) || (hy >= 402 && ty <= 372)) {
    const int cross_x = hx + (tx - hx) * (387 - hy) / (ty - hy);
    if (140 <= cross_x && cross_x <= 340) route.via(cross_x <= 240 ? 135 : 345, 387);
  }
}

extern const RoomScript room_kicker = {
    .name = "kicker",
    .data_file = "kicker.dat",
    .state_file = "sav/tmp/kicker.sav",
    .background = 2,
    .highest_object = 2,
    .min_hero_length = 0.5f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .exits = kExits,
    .area = area_kicker,
    .allow_walk = allow_walk_kicker,
    .extra_click = extra_click_kicker,
};
