// Room future_floor1: the corridor of the future school where a new game
// starts; a corridor in perspective with a back edge at y 170.
#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"bio3", 0, 380, 115, 400, 185, 350, 180, 475, 350},
    {"future_crossing", 0, 295, 115, 345, 155, 325, 165, 100, 400},
    {"bio2", 0, 440, 110, 480, 260, 400, 260, 475, 350},
    {"future_physiktp", 1, 240, 110, 260, 185, 280, 185, 565, 360},
    {"future_physik", 0, 160, 110, 200, 260, 230, 260, 580, 300},
    {"future_floor15", 1, 0, 400, 640, 480, 320, 400, 210, 295},
};
// The picture is not there at the start; the aquarium is. The hero stands
// at (490, 375) to reach them: 10 px further right he would stand against the
// right wall, and a walk from the front door could never get there. Both rows
// show picture 2, the aquarium on its shelf on the right wall, above the verb
// panel; its mouse box is the picture.
constexpr int kFurniPresent[] = {0, 1};
constexpr int kPersonPresent[] = {1};

constexpr auto kWallFrame = FrameList<1>{}.add(2, 545, 226);
constexpr auto kBetongFrame = FrameList<1>{}.add(0, 185, 292);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "Bild", .kind = PieceKind::aquarium, .label = TR("Bild", "Picture"),
     .text = {TR("Ein Bild von Direktor Dossel. Es hängt", "A picture of headmaster Dossel. It hangs"),
              TR("genau da, wo früher das Aquarium war.", "right where the aquarium used to be."), ""},
     .interact = 1, .goto_x = 490, .goto_y = 375,
     .mouse_x = 545, .mouse_y = 226, .mouse_x2 = 635, .mouse_y2 = 344, .frames = kWallFrame.view()},
    {.slot = 1, .state = 0, .name = TR("Bild", "Aquarium"), .kind = PieceKind::aquarium, .label = TR("Aquarium", "Aquarium"),
     .text = {TR("Ein leeres Aquarium. Die Fische hat wohl", "An empty aquarium. The new headmaster"),
              TR("der neue Direktor wegrationalisiert.", "must have cut the fish from the budget."), ""},
     .interact = 1, .goto_x = 490, .goto_y = 375,
     .mouse_x = 545, .mouse_y = 226, .mouse_x2 = 635, .mouse_y2 = 344, .frames = kWallFrame.view()},
};

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "Betong_doud", .kind = PersonKind::betong_out_cold, .label = TR("Herr Betong", "Mr Betong"),
     .text = {TR("Herr Betong. Der ist erstmal", "Mister Betong. He is out cold"), TR("außer Gefecht.", "for a while."), ""},
     .interact = 1, .frames = kBetongFrame.view()},
};

// The left wall (inside where P > 0) and the right wall (inside where Q > 0).
int wall_p(int px, int py) { return 320 * px + 245 * py - 130400; }
int wall_q(int px, int py) { return 230 * py - 320 * px + 75200; }

}  // namespace

void area_future_floor1(int& x, int& y) {
  const int P = wall_p(x, y);
  const int Q = wall_q(x, y);
  if (P <= 0 && y <= 160) {
    x = 295;
    y = 170;
  } else if (Q <= 0 && y <= 160) {
    x = 340;
    y = 170;
  } else if (y > 160 && P > 0 && Q <= 0) {
    x = (230 * y + 75200) / 320;
  } else if (y > 160 && P <= 0) {
    x = (130400 - 245 * y) / 320;
  } else if (y <= 160) {
    y = 170;
  }
}

void allow_walk_future_floor1(int& x, int& y) {
  if (y <= 160)
    walk_a2(x, y);
  else if (wall_p(x, y) <= 0)
    walk_d2(x, y);
  else if (wall_q(x, y) <= 0)
    walk_f2(x, y);
}

// A target well below the hero is reached through the middle of the corridor.
void extra_click_future_floor1() {
  if (true_y >= hero_y + 30) via(320, true_y - 30);
}

namespace {

// The access card opens the doors to future_crossing and future_physik.
void story_future_floor1() {
  if (story_gotaccesscard != 1) return;
  go_through[1] = 1;
  go_through[4] = 1;
}

}  // namespace

extern const RoomScript room_future_floor1 = {
    .name = "future_floor1",
    .title = TR("Gang", "Corridor"),
    .data_file = "ffloor1.dat",
    .state_file = "sav/tmp/ffloor1.sav",
    .background = 1,
    .highest_object = 2,
    .min_hero_length = -0.575f,
    .increase_rate = 200.0f,
    .furni_nr = 2,
    .person_nr = 1,
    .exit_nr = 6,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = area_future_floor1,
    .allow_walk = allow_walk_future_floor1,
    .extra_click = extra_click_future_floor1,
    .story = story_future_floor1,
};
