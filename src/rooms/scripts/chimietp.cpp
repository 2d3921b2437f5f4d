// Room chimietp.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kLaboDeskFrame = FrameList<1>{}.add(1, 300, 285);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "labo_desk", .kind = PieceKind::desk,
     .text = {TR("De Labosdesch. Voller Flecken", "The lab bench. Covered in"),
              TR("vu Saieren.", "acid stains."), ""},
     .mouse_x = 300, .mouse_y = 285, .mouse_x2 = 510, .mouse_y2 = 400, .frames = kLaboDeskFrame.view()},
};

// The chemistry lab: G1 is the back wall, G2 the left wall; the lab bench is
// the block in front of G3 and behind G4, left of x 515.
int g1(int px, int py) { return 388 * py - 26 * px - 80412; }
int g2(int px, int py) { return 249 * py + 165 * px - 97026; }
int g3(int px, int py) { return 197 * py + 221 * px - 110000; }
int g4(int px, int py) { return 186 * py - 19 * px - 42459; }
bool on_bench(int px, int py) { return g3(px, py) >= 0 && g4(px, py) >= 0 && px <= 515; }

}  // namespace

void area_chimietp(int& x, int& y) {
  if (g1(x, y) <= 0 && g2(x, y) <= 0 && x <= 310) {
    x = 255;
    y = 235;
  } else if (g1(x, y) <= 0) {
    y = (26 * x + 80412) / 388;
  } else if (g2(x, y) <= 0) {
    y = (97026 - 165 * x) / 249;
  } else if (on_bench(x, y) && g3(hero_x, hero_y) <= 0) {
    x = (110000 - 197 * y) / 221 - 10;
  } else if (on_bench(x, y) && hero_x >= 515) {
    x = 525;
  } else if (on_bench(x, y) && g4(hero_x, hero_y) <= 0) {
    y = (19 * x + 42459) / 186 - 10;
  }
}

void allow_walk_chimietp(int& x, int& y) {
  if (g1(x, y) <= 0)
    walk_e2(x, y);
  else if (g2(x, y) <= 0)
    walk_c2(x, y);
  else if (g4(x, y) >= 0 && 270 <= x && x <= 477)
    walk_e1(x, y);
  else if (g3(x, y) >= 0 && y >= 255 && g3(last_x, last_y) <= 0)
    walk_d1(x, y);
  else if (x <= 515 && y >= 280 && last_x >= 515)
    walk_f1(x, y);
}

// Round the lab bench by its back: from the left front corner up the left
// side, along the back and down to the door side, and the other way round.
void extra_click_chimietp() {
  const int hx = hero_x, hy = hero_y, tx = true_x;
  if (hx <= 270 && hy >= 310 && tx >= 515) {
    via(160, 310);
    via(265, 240);
    via(380, 240);
    via(530, 270);
  } else if (hx <= 270 && tx >= 515) {
    via(265, 240);
    via(380, 240);
    via(530, 270);
  } else if (hx <= 270 && tx >= 270) {
    via(265, 250);
  } else if (hx >= 515 && tx <= 270) {
    via(530, 270);
    via(390, 260);
    via(265, 240);
  } else if (hx >= 515 && tx <= 515) {
    via(530, 270);
  }
}

extern const RoomScript room_chimietp = {
    .name = "chimietp",
    .title = TR("Chemielabor", "Chemistry lab"),
    .data_file = "chimietp.dat",
    .state_file = "sav/tmp/chimietp.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = 0.05f,
    .increase_rate = 300.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_chimietp,
    .allow_walk = allow_walk_chimietp,
    .extra_click = extra_click_chimietp,
};
