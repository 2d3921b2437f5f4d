// Room kicker.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"cafeteria", 1, 0, 450, 640, 480, 320, 465, 80, 250},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kBabyfootFrame = FrameList<1>{}.add(0, 150, 318);
constexpr auto kJukeboxFrame = FrameList<1>{}.add(1, 450, 205);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "babyfoot", .kind = PieceKind::table_football,
     .text = {TR("De Kicker. Hei hunn ech schon", "The table football. I have lost"),
              TR("esou muench Match verluer.", "many a match on it."), ""},
     .mouse_x = 150, .mouse_y = 318, .mouse_x2 = 330, .mouse_y2 = 402, .frames = kBabyfootFrame.view()},
    {.slot = 1, .state = 0, .name = "jukebox", .kind = PieceKind::jukebox, .label = TR("Musikbox", "Jukebox"),
     .text = {TR("D'Jukebox. Se spillt nach", "The jukebox. It still plays"),
              TR("Schlager vun 1970.", "the hits of 1970."), ""},
     .interact = 1, .goto_x = 485, .goto_y = 365,
     .mouse_x = 450, .mouse_y = 205, .mouse_x2 = 520, .mouse_y2 = 345, .frames = kJukeboxFrame.view()},
};

// The games room: a floor in perspective in front of the back wall (y 345),
// with the table football standing on it as a block the hero goes round.
constexpr walks::Corridor kFloor{335, 345, 2, 3, 1260, 7, 10, 380, 120, 345, 540, 345};
bool on_table(int px, int py) { return 150 <= px && px <= 330 && 372 <= py && py <= 402; }

}  // namespace

void area_kicker(int& x, int& y) {
  if (walks::corridor_snap<kFloor>(x, y)) {
  } else if (on_table(x, y) && hero_y <= 387) {
    y = 365;
  } else if (on_table(x, y)) {
    y = 410;
  }
}

void allow_walk_kicker(int& x, int& y) {
  if (walks::corridor_step<kFloor>(x, y)) {
  } else if (on_table(x, y) && last_y < 372) {
    walk_a1(x, y);
  } else if (on_table(x, y) && last_y > 402) {
    walk_a2(x, y);
  } else if (on_table(x, y) && last_x < 150) {
    walk_b2(x, y);
  } else if (on_table(x, y)) {
    walk_b1(x, y);
  }
}

// From behind the table football to its front (or back) the hero passes it
// at the end the straight way would have crossed nearer, along its side.
void extra_click_kicker() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if ((hy <= 372 && ty >= 402) || (hy >= 402 && ty <= 372)) {
    const int cross_x = hx + (tx - hx) * (387 - hy) / (ty - hy);
    if (cross_x < 140 || cross_x > 340) return;
    const int end_x = cross_x <= 240 ? 135 : 345;
    via(end_x, hy <= 372 ? 365 : 410);
    via(end_x, hy <= 372 ? 410 : 365);
  }
}

extern const RoomScript room_kicker = {
    .name = "kicker",
    .title = TR("Kickerraum", "Games room"),
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
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_kicker,
    .allow_walk = allow_walk_kicker,
    .extra_click = extra_click_kicker,
};
