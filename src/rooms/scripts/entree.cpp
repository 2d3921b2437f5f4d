// Room entree: the hall. A back part (y up to 290) and a front part (y from
// 355) joined at both ends around a block the hero cannot cross.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_preau", 1, 505, 190, 530, 290, 465, 295, 170, 280},
    {"toilette", 1, 285, 300, 365, 345, 315, 360, 335, 305},
    {"floor9", 1, 0, 400, 100, 480, 70, 430, 320, 450},
    {"portier", 1, 170, 185, 200, 290, 225, 295, 600, 355},
    {"floor8", 1, 550, 190, 590, 325, 500, 330, 320, 290},
    {"floor10", 1, 360, 135, 430, 225, 350, 275, 285, 265},
};
constexpr int kFurniPresent[] = {1};

constexpr auto kStairsFrame = FrameList<1>{}.add(1, 230, 290);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "stairs", .kind = PieceKind::stairs,
     .text = {TR("D'Trap an den eischte Stack.", "The stairs to the first floor."), "", ""},
     .frames = kStairsFrame.view()},
};

// The upper-left wall (inside where E1 > 99600), the right wall (inside where
// E2 < 38800) and the diagonal edge of the block (the block is the part of
// the band 290 <= y <= 355, x <= 440 where D >= 0).
int e1(int px, int py) { return 145 * px + 240 * py; }
int e2(int px, int py) { return 190 * px - 180 * py; }
int d(int px, int py) { return 65 * px + 45 * py - 30925; }
bool in_block_band(int px, int py) { return 290 <= py && py <= 355 && px <= 440 && d(px, py) >= 0; }

}  // namespace

void area_entree(int& x, int& y) {
  if (e1(x, y) <= 99600 && y <= 270) {
    x = 240;
    y = 280;
  } else if (y <= 270 && e2(x, y) >= 38800) {
    x = 450;
    y = 280;
  } else if (e1(x, y) <= 99600) {
    y = (99600 - 145 * x) / 240;
  } else if (y <= 270 && 240 <= x && x <= 460) {
    y = 280;
  } else if (e2(x, y) >= 38800) {
    x = (180 * y + 38800) / 190;
  } else if (in_block_band(x, y) && hero_y <= 290) {
    y = 280;
  } else if (in_block_band(x, y) && hero_y >= 355) {
    y = 360;
  } else if (in_block_band(x, y) && hero_x >= 440) {
    x = 450;
  } else if (in_block_band(x, y) && d(hero_x, hero_y) <= 0) {
    x = (30925 - 45 * y) / 65;
  }
}

void allow_walk_entree(int& x, int& y) {
  if (e1(x, y) <= 99600)
    walk_c2(x, y);
  else if (y <= 270 && 240 <= x && x <= 460)
    walk_a2(x, y);
  else if (e2(x, y) >= 38800)
    walk_f2(x, y);
  else if (y >= 290 && 275 <= x && x <= 440 && last_y <= 290)
    walk_a1(x, y);
  else if (290 <= y && y <= 355 && x <= 440 && last_x >= 440)
    walk_b1(x, y);
  else if (y <= 355 && 230 <= x && x <= 440 && last_y >= 355)
    walk_a2(x, y);
  else if (d(x, y) >= 0 && 290 <= y && y <= 355) {
    if (d(last_x, last_y) <= 0) walk_d1(x, y);
  }
}

// Around the block: by the left end or the right end, whichever the hero and
// the target are nearer to.
void extra_click_entree() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  const int dh = d(hx, hy), dt = d(tx, ty);
  if (hy >= 355 && ty <= 355 && tx <= 275)
    via(190, 365);
  else if (hy >= 355 && ty <= 355 && tx >= 440)
    via(445, 365);
  else if (hy >= 355 && hx >= 300 && ty <= 290 && 275 <= tx && tx <= 440)
    via(445, 365), via(445, 285);
  else if (hy >= 355 && hx <= 300 && ty <= 290 && 275 <= tx && tx <= 440)
    via(190, 365), via(260, 285);
  else if (hy <= 290 && ty >= 290 && tx <= 230)
    via(245, 285);
  else if (hy <= 290 && ty >= 290 && tx >= 440)
    via(445, 285);
  else if (hy <= 290 && hx >= 300 && ty >= 355 && 230 <= tx && tx <= 440)
    via(445, 285), via(445, 365);
  else if (hy <= 290 && hx <= 300 && ty >= 355 && 230 <= tx && tx <= 440)
    via(245, 285), via(200, 365);
  else if (hx >= 440 && tx <= 440 && ty <= 290)
    via(445, 285);
  else if (hx >= 440 && tx <= 440 && ty >= 355)
    via(445, 365);
  else if (hx >= 440 && hy <= 320 && dt <= 0 && 290 <= ty && ty <= 355)
    via(445, 285), via(265, 285);
  else if (hx >= 440 && hy >= 320 && dt <= 0 && 290 <= ty && ty <= 355)
    via(445, 365), via(200, 365);
  else if (dh <= 0 && dt >= 0 && ty <= 290)
    via(265, 285);
  else if (dh <= 0 && dt >= 0 && ty >= 355)
    via(200, 365);
  else if (dh <= 0 && hy <= 320 && tx >= 440 && 290 <= ty && ty <= 355)
    via(265, 285), via(445, 285);
  else if (dh <= 0 && hy >= 320 && tx >= 440 && 290 <= ty && ty <= 355)
    via(200, 365), via(445, 365);
  // Any other way is straight to the target.
}

extern const RoomScript room_entree = {
    .name = "entree",
    .title = TR("Eingangshalle", "Entrance hall"),
    .data_file = "entree.dat",
    .state_file = "sav/tmp/entree.sav",
    .background = 0,
    .highest_object = 1,
    .min_hero_length = -0.4f,
    .increase_rate = 300.0f,
    .furni_nr = 1,
    .person_nr = 0,
    .exit_nr = 6,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_entree,
    .allow_walk = allow_walk_entree,
    .extra_click = extra_click_entree,
};
