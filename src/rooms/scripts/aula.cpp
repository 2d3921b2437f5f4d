// Room aula.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"floor9", 1, 420, 450, 530, 480, 470, 440, 375, 300},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kPfahl2Frame = FrameList<1>{}.add(1, 440, 34);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "pfahl2", .kind = PieceKind::pillar,
     .text = {TR("E Pilier an der Aula. Hannen", "A pillar in the hall. You can"),
              TR("him kann ee gutt schlofen.", "sleep nicely behind it."), ""},
     .mouse_x = 440, .mouse_y = 34, .mouse_x2 = 462, .mouse_y2 = 345, .frames = kPfahl2Frame.view()},
};

// The assembly hall: a platform at the right (y from 325, x from 550), the
// hall floor below it (y from 345, x from 465) and the way down to the door
// at the front (x up to 475).

}  // namespace

void area_aula(int& x, int& y) {
  if (x <= 455 && y <= 335) {
    x = 465;
    y = 345;
  } else if (x <= 540 && y <= 315) {
    x = 550;
    y = 325;
  } else if (x <= 540 && y <= 335 && hero_y >= 335) {
    y = 345;
  } else if (x <= 540 && y <= 335) {
    x = 550;
  } else if (y <= 315 && x >= 540) {
    y = 325;
  } else if (x <= 455 && y >= 335) {
    x = 465;
  } else if (x >= 485 && y >= 355 && hero_y >= 355) {
    x = 475;
  } else if (x >= 485 && y >= 355) {
    y = 345;
  }
}

void allow_walk_aula(int& x, int& y) {
  if (y <= 315 || (y <= 335 && last_x <= 540))
    walk_a2(x, y);
  else if (x <= 540 && last_y <= 335)
    walk_b1(x, y);
  else if (x <= 455)
    walk_b1(x, y);
  else if (x >= 485 && last_y >= 355)
    walk_b2(x, y);
  else if (y >= 355 && last_x >= 485)
    walk_a1(x, y);
}

// Between the front way and the hall the hero turns at (475, 345).
void extra_click_aula() {
  if ((hero_x >= 485 && true_y >= 355) || (hero_y >= 355 && true_x >= 485)) via(475, 345);
}

extern const RoomScript room_aula = {
    .name = "aula",
    .title = TR("Aula", "Assembly hall"),
    .data_file = "aula.dat",
    .state_file = "sav/tmp/aula.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = -0.4f,
    .increase_rate = 500.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_aula,
    .allow_walk = allow_walk_aula,
    .extra_click = extra_click_aula,
};
