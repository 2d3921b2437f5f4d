// Room preau2.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor3", 1, 425, 125, 575, 325, 540, 360, 540, 380},
    {"future_preau", 1, 150, 450, 640, 480, 400, 450, 620, 340},
    {"cantina", 1, 250, 250, 400, 325, 340, 350, 70, 220},
    {"aqua", 1, 125, 165, 225, 280, 175, 320, 510, 430},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kPfeilerFrame = FrameList<1>{}.add(0, 300, 150);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "pfeiler", .kind = PieceKind::pillar,
     .text = {TR("E Pilier vum Preau. Eng Keier", "A pillar of the yard. I once"),
              TR("sinn ech dergeint gelaf.", "ran into it."), ""},
     .mouse_x = 300, .mouse_y = 150, .mouse_x2 = 325, .mouse_y2 = 360, .frames = kPfeilerFrame.view()},
};

// The covered yard: the left wall x 120, the back wall y 305 at the left and,
// right of x 205, the long back edge B rising slightly to the right.
bool behind_back_edge(int px, int py) { return px >= 205 && 435 * py - 15 * px <= 140475; }

}  // namespace

void area_preau2(int& x, int& y) {
  if (x <= 115 && y <= 300) {
    x = 120;
    y = 305;
  } else if (x <= 115) {
    x = 120;
  } else if (y <= 300 && x <= 205) {
    y = 305;
  } else if (behind_back_edge(x, y)) {
    y = (15 * x + 140475) / 435;
  }
}

void allow_walk_preau2(int& x, int& y) {
  if (x <= 115)
    walk_b1(x, y);
  else if (y <= 300)
    walk_a2(x, y);
  else if (behind_back_edge(x, y) && last_x <= 205)
    walk_b2(x, y);
  else if (behind_back_edge(x, y) && last_x >= 206)
    walk_a2(x, y);
}

extern const RoomScript room_preau2 = {
    .name = "preau2",
    .title = TR("Pausenhof", "Playground"),
    .data_file = "preau2.dat",
    .state_file = "sav/tmp/preau2.sav",
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
    .area = area_preau2,
    .allow_walk = allow_walk_preau2,
};
