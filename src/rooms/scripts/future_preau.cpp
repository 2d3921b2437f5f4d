// Room future_preau.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"hof", 1, 0, 390, 250, 480, 110, 385, 335, 280},
    {"preau2", 1, 600, 0, 640, 415, 630, 340, 400, 450},
    {"entree", 1, 130, 170, 225, 260, 170, 280, 465, 295},
    {"floor8", 1, 0, 90, 40, 300, 40, 320, 490, 380},
};
constexpr int kFurniPresent[] = {1, 1};

constexpr auto kFutureDoorFrame = FrameList<1>{}.add(0, 400, 180);
constexpr auto kFuturePfahlFrame = FrameList<1>{}.add(1, 210, 250);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "future_door", .kind = PieceKind::door,
     .text = {TR("Eng nei Dier. Dei war freier", "A new door. It was not"),
              TR("net do.", "there before."), ""},
     .mouse_x = 400, .mouse_y = 180, .mouse_x2 = 470, .mouse_y2 = 330, .frames = kFutureDoorFrame.view()},
    {.slot = 1, .state = 0, .name = "future_pfahl", .kind = PieceKind::pillar,
     .text = {TR("E Betongspilier. Deen dreit", "A concrete pillar. It holds up"),
              TR("de ganze Preau.", "the whole covered yard."), ""},
     .mouse_x = 210, .mouse_y = 250, .mouse_x2 = 240, .mouse_y2 = 480, .frames = kFuturePfahlFrame.view()},
};

// The covered yard by the hall: the left part (x up to 225, from y 278)
// with the doors of the hall and the corridor, the right part one step
// further forward (from y 332) towards the second yard; a low wall runs from
// the pillar at x 225 to the front (from y 352), so the two parts meet
// behind it.
bool left_back(int px, int py) { return px <= 225 && py <= 270; }
bool right_back(int px, int py) { return px > 225 && py <= 325; }
bool on_wall(int px, int py) { return 212 <= px && px <= 238 && py >= 352; }

}  // namespace

void area_future_preau(int& x, int& y) {
  if (x <= 30 && y <= 270) {
    x = 35;
    y = 278;
  } else if (x >= 635 && y <= 325) {
    x = 630;
    y = 332;
  } else if (left_back(x, y)) {
    y = 278;
  } else if (right_back(x, y)) {
    y = 332;
  } else if (x <= 30) {
    x = 35;
  } else if (x >= 635) {
    x = 630;
  } else if (on_wall(x, y) && hero_x <= 225) {
    x = 205;
  } else if (on_wall(x, y)) {
    x = 245;
  }
}

void allow_walk_future_preau(int& x, int& y) {
  if (x <= 30)
    walk_b1(x, y);
  else if (x >= 635)
    walk_b2(x, y);
  else if (left_back(x, y))
    walk_a2(x, y);
  else if (right_back(x, y) && last_x <= 225)
    walk_b2(x, y);
  else if (right_back(x, y))
    walk_a2(x, y);
  else if (on_wall(x, y) && last_x < 212)
    walk_b2(x, y);
  else if (on_wall(x, y) && last_x > 238)
    walk_b1(x, y);
  else if (on_wall(x, y))
    walk_a1(x, y);
}

// From one part to the other behind the low wall, by (225, 335).
void extra_click_future_preau() {
  const int hx = hero_x, tx = true_x;
  if ((hx >= 225 && tx <= 225) || (hx <= 225 && tx >= 225)) via(225, 335);
}

extern const RoomScript room_future_preau = {
    .name = "future_preau",
    .title = TR("Pausenhof", "Playground"),
    .data_file = "fpreau.dat",
    .state_file = "sav/tmp/fpreau.sav",
    .background = 2,
    .highest_object = 2,
    .min_hero_length = -0.7f,
    .increase_rate = 200.0f,
    .furni_nr = 2,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_future_preau,
    .allow_walk = allow_walk_future_preau,
    .extra_click = extra_click_future_preau,
};
