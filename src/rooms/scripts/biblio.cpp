// Room biblio.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor6", 1, 605, 120, 640, 305, 580, 310, 440, 320},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kDesk6Frame = FrameList<1>{}.add(1, 300, 300);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "desk6", .kind = PieceKind::desk,
     .text = {TR("De Lieskomptoir. Hei gett", "The reading desk. You whisper"),
              TR("gefluestert, soss gett et Arrest.", "here, or you get detention."), ""},
     .mouse_x = 300, .mouse_y = 300, .mouse_x2 = 615, .mouse_y2 = 432, .frames = kDesk6Frame.view()},
};

// The library: the floor in front of the back wall (y 300) and the long
// reading desk across the room (x from 300, y 362 to 432); the way to the
// front leads round its left end.
constexpr walks::Corridor kFloor{292, 300, 6, 5, 2100, 36, 5, 20640, 110, 300, 610, 300};
bool at_desk(int px, int py) { return px >= 300 && 362 <= py && py <= 432; }

}  // namespace

void area_biblio(int& x, int& y) {
  if (walks::corridor_snap<kFloor>(x, y)) {
  } else if (at_desk(x, y) && hero_y <= 362) {
    y = 355;
  } else if (at_desk(x, y)) {
    y = 440;
  }
}

void allow_walk_biblio(int& x, int& y) {
  if (walks::corridor_step<kFloor>(x, y)) {
  } else if (at_desk(x, y) && last_y < 362) {
    walk_a1(x, y);
  } else if (at_desk(x, y) && last_y > 432) {
    walk_a2(x, y);
  } else if (at_desk(x, y)) {
    walk_b2(x, y);
  }
}

// Round the left end of the reading desk.
void extra_click_biblio() {
  const int hy = hero_y, ty = true_y;
  if (hy <= 361 && ty >= 440) {
    via(280, 350);
    via(250, 440);
  } else if (hy <= 361 && ty >= 361) {
    via(280, 350);
  } else if (hy >= 440 && ty <= 361) {
    via(260, 450);
    via(260, 360);
  }
}

extern const RoomScript room_biblio = {
    .name = "biblio",
    .title = TR("Bibliothek", "Library"),
    .data_file = "biblio.dat",
    .state_file = "sav/tmp/biblio.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_biblio,
    .allow_walk = allow_walk_biblio,
    .extra_click = extra_click_biblio,
};
