// Room hof.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_preau", 1, 340, 230, 365, 275, 335, 280, 120, 375},
    {"cafeteria", 1, 65, 255, 115, 300, 100, 310, 550, 450},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kPavillonFrame = FrameList<1>{}.add(1, 150, 330);
constexpr auto kSportFrame = FrameList<1>{}.add(2, 450, 180);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "pavillon", .kind = PieceKind::pavilion,
     .text = {TR("De Pavillon. Do femmen d'Grouss", "The pavilion. The big ones"),
              TR("an der Paus.", "smoke there at break."), ""},
     .mouse_x = 150, .mouse_y = 330, .mouse_x2 = 250, .mouse_y2 = 440, .frames = kPavillonFrame.view()},
    {.slot = 1, .state = 0, .name = "sport", .kind = PieceKind::hoop,
     .text = {TR("De Basketkuerf. Ech treffen", "The basketball hoop. I never"),
              TR("ni.", "score."), ""},
     .mouse_x = 450, .mouse_y = 180, .mouse_x2 = 560, .mouse_y2 = 275, .frames = kSportFrame.view()},
};

// The school yard: open ground in front of the building (y from 278)
// between the fences at x 25 and 620; the lawn of the pavilion (x 140 to
// 260, from y 305 to the front) leaves only a path behind it between the
// cafeteria door and the yard.
bool behind_back_edge(int px, int py) { return py <= 270; }
bool on_lawn(int px, int py) { return 140 <= px && px <= 260 && py >= 305; }

}  // namespace

void area_hof(int& x, int& y) {
  if (behind_back_edge(x, y) && x <= 20) {
    x = 25;
    y = 278;
  } else if (behind_back_edge(x, y) && x >= 625) {
    x = 620;
    y = 278;
  } else if (behind_back_edge(x, y)) {
    y = 278;
  } else if (x <= 20) {
    x = 25;
  } else if (x >= 625) {
    x = 620;
  } else if (on_lawn(x, y) && hero_x <= 200) {
    x = 130;
  } else if (on_lawn(x, y)) {
    x = 270;
  }
}

void allow_walk_hof(int& x, int& y) {
  if (behind_back_edge(x, y))
    walk_a2(x, y);
  else if (x <= 20)
    walk_b1(x, y);
  else if (x >= 625)
    walk_b2(x, y);
  else if (on_lawn(x, y) && last_x < 140)
    walk_b2(x, y);
  else if (on_lawn(x, y) && last_x > 260)
    walk_b1(x, y);
  else if (on_lawn(x, y))
    walk_a1(x, y);
}

// Behind the lawn, by (200, 295).
void extra_click_hof() {
  const int hx = hero_x, tx = true_x;
  if ((hx >= 200 && tx <= 200) || (hx <= 200 && tx >= 200)) via(200, 295);
}

extern const RoomScript room_hof = {
    .name = "hof",
    .title = TR("Hof", "Yard"),
    .data_file = "hof.dat",
    .state_file = "sav/tmp/hof.sav",
    .background = 0,
    .highest_object = 2,
    .min_hero_length = -0.4f,
    .increase_rate = 500.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_hof,
    .allow_walk = allow_walk_hof,
    .extra_click = extra_click_hof,
};
