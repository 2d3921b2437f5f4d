// Room floor4.
#include "core/tr.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor14", 1, 580, 115, 640, 275, 560, 280, 400, 340},
    {"floor14", 1, 500, 125, 550, 250, 460, 240, 450, 420},
    {"floor6", 1, 110, 100, 160, 235, 165, 230, 310, 250},
    {"geo", 0, 280, 120, 340, 205, 310, 225, 310, 250},
};
constexpr int kFurniPresent[] = {1, 1, 1, 1};

constexpr auto kExpoFrame = FrameList<1>{}.add(0, 260, 270);
constexpr auto kExpo3Frame = FrameList<1>{}.add(1, 190, 150);
constexpr auto kExpo4Frame = FrameList<1>{}.add(2, 360, 150);
constexpr auto kExpo5Frame = FrameList<1>{}.add(3, 560, 360);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "expo", .kind = PieceKind::showcase_rocks,
     .text = {TR("Eng Vitrine mat Steng.", "A showcase full of rocks."),
              TR("Ganz spannend. Net.", "Very exciting. Not."), ""},
     .mouse_x = 260, .mouse_y = 270, .mouse_x2 = 380, .mouse_y2 = 345, .frames = kExpoFrame.view()},
    {.slot = 1, .state = 0, .name = "expo3", .kind = PieceKind::showcase_jewel,
     .text = {TR("Al Kaarte vum Land. Do war", "Old maps of the country. It was"),
              TR("Letzebuerg nach mei grouss.", "bigger back then."), ""},
     .mouse_x = 190, .mouse_y = 150, .mouse_x2 = 270, .mouse_y2 = 222, .frames = kExpo3Frame.view()},
    {.slot = 2, .state = 0, .name = "expo4", .kind = PieceKind::showcase_jewel,
     .text = {TR("E Globus. Ech fannen eis", "A globe. I cannot find us"),
              TR("net drop.", "on it."), ""},
     .mouse_x = 360, .mouse_y = 150, .mouse_x2 = 440, .mouse_y2 = 222, .frames = kExpo4Frame.view()},
    {.slot = 3, .state = 0, .name = "expo5", .kind = PieceKind::showcase_fossils,
     .text = {TR("Eng Vitrine mat Fossilien.", "A case of fossils."),
              TR("Eeler wei de Portier.", "Older than the porter."), ""},
     .mouse_x = 560, .mouse_y = 360, .mouse_x2 = 640, .mouse_y2 = 460, .frames = kExpo5Frame.view()},
};

// The exhibition hall: a floor in perspective in front of the back wall
// (y 225) with one showcase standing in the middle (x 260 to 380, y 320 to
// 345).
constexpr walks::Corridor kFloor{215, 225, 78, 110, 33000, 78, 40, 37920, 115, 225, 595, 225};
bool at_showcase(int px, int py) { return 260 <= px && px <= 380 && 320 <= py && py <= 345; }

}  // namespace

void area_floor4(int& x, int& y) {
  if (walks::corridor_snap<kFloor>(x, y)) {
  } else if (at_showcase(x, y) && hero_y <= 332) {
    y = 312;
  } else if (at_showcase(x, y)) {
    y = 352;
  }
}

void allow_walk_floor4(int& x, int& y) {
  if (walks::corridor_step<kFloor>(x, y)) {
  } else if (at_showcase(x, y) && last_y < 320) {
    walk_a1(x, y);
  } else if (at_showcase(x, y) && last_y > 345) {
    walk_a2(x, y);
  } else if (at_showcase(x, y) && last_x < 260) {
    walk_b2(x, y);
  } else if (at_showcase(x, y)) {
    walk_b1(x, y);
  }
}

// Round the showcase along the side of the end the straight way would have
// crossed nearer.
void extra_click_floor4() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if ((hy <= 320 && ty >= 345) || (hy >= 345 && ty <= 320)) {
    const int cross_x = hx + (tx - hx) * (332 - hy) / (ty - hy);
    if (cross_x < 250 || cross_x > 390) return;
    const int end_x = cross_x <= 320 ? 245 : 395;
    via(end_x, hy <= 320 ? 312 : 352);
    via(end_x, hy <= 320 ? 352 : 312);
  }
}

extern const RoomScript room_floor4 = {
    .name = "floor4",
    .title = TR("Gang", "Corridor"),
    .data_file = "floor4.dat",
    .state_file = "sav/tmp/floor4.sav",
    .background = 4,
    .highest_object = 4,
    .min_hero_length = -0.2f,
    .increase_rate = 300.0f,
    .furni_nr = 4,
    .person_nr = 0,
    .exit_nr = 4,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_floor4,
    .allow_walk = allow_walk_floor4,
    .extra_click = extra_click_floor4,
};
