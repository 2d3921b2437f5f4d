// Room future_floor15: a long corridor of the future school, its floor from
// row 295 down, a straight left wall at x 200 and a right wall that leans in
// towards the back. Cupboards of the caretaker, a lead pipe on the right wall
// and a heap of rubbish. Here the welding torch cuts the pipe.
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/videos.h"
#include "hero/hero.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "rooms/room_script.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor1", 1, 175, 175, 215, 300, 210, 295, 320, 400},
    {"future_floor2", 1, 560, 135, 640, 480, 515, 425, 30, 425},
    {"future_biolog", 0, 240, 200, 295, 275, 265, 295, 625, 340},
};
// The screwdriver lies behind the cupboard door until the door is opened;
// the torch and its sparks only show while the pipe is being cut.
constexpr int kFurniPresent[] = {1, 0, 1, 0, 0, 0, 1, 1, 1, 1};

// Pictures: 1 a cupboard (all four cupboards look alike: 56 x 108), 2 the
// screwdriver, 3 the lead pipe, 4 the welding torch, 5 and 6 two bursts of
// sparks, 7 the rubbish.
// The caretaker's cupboard stands against the wall left of the floor, its
// foot on the wall's skirting (row 410), clear of the bag; the hero works it
// from the floor at its right, in front of it.
constexpr auto kSchrank = FrameList<1>{}.add(1, 148, 302);
// Open, the cupboard stays (its open picture 8). The screwdriver has dropped
// out onto the floor at its foot: below the cupboard's lower edge, so it is
// drawn in front of it, with a box of its own beside the cupboard's.
constexpr auto kSchrankOpen = FrameList<1>{}.add(8, 148, 302);
constexpr auto kTool = FrameList<1>{}.add(2, 206, 410);
// The pipe runs along the right wall at the hero's head height; the sparks
// fly where the torch cuts it, at its middle.
constexpr auto kRohr = FrameList<1>{}.add(3, 455, 212);
constexpr auto kSchwbrenn = FrameList<1>{}.add(4, 455, 350);
constexpr auto kFunken = FrameList<1>{}.add(5, 472, 202);
constexpr auto kFunken2 = FrameList<1>{}.add(6, 482, 208);
// Two cupboards on the back edge right of the door to the biology room, the
// fourth against the right wall, its foot on the wall's line.
constexpr auto kSchrank2 = FrameList<1>{}.add(1, 300, 187);
constexpr auto kSchrank3 = FrameList<1>{}.add(1, 356, 187);
constexpr auto kSchrank4 = FrameList<1>{}.add(1, 480, 266);
// The heap in the back right corner, in front of the cupboards' feet.
constexpr auto kMuell = FrameList<1>{}.add(7, 398, 258);

#define LOCKED_CUPBOARD_TEXT                                                                       \
  {TR("Noch ein Schrank vom Hausmeister. Der", "Another of the caretaker's cupboards."),           \
   TR("ist garantiert abgeschlossen.", "Locked, I bet."), ""}

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "schrank", .kind = PieceKind::locker, .label = TR("Schrank", "Locker"),
     .text = {TR("Ein Schrank vom Hausmeister. Das Schloss", "A cupboard of the caretaker. The lock"),
              TR("sieht ziemlich klapprig aus.", "looks rather wobbly."), ""},
     .interact = 1, .goto_x = 250, .goto_y = 420, .mouse_x = 148, .mouse_y = 302, .mouse_x2 = 204, .mouse_y2 = 410,
     .frames = kSchrank.view()},
    // Open: the same box; the screwdriver at its foot has a box of its own.
    {.slot = 0, .state = 1, .name = "schrank", .kind = PieceKind::locker_open, .label = TR("Schrank", "Locker"),
     .text = {TR("Der Schrank vom Hausmeister. Das Schloss", "The caretaker's cupboard. The lock"),
              TR("hat nicht lange gehalten.", "did not hold out for long."), ""},
     .interact = 1, .goto_x = 250, .goto_y = 420, .mouse_x = 148, .mouse_y = 302, .mouse_x2 = 204, .mouse_y2 = 410,
     .frames = kSchrankOpen.view()},
    {.slot = 1, .state = 0, .name = "tool", .kind = PieceKind::screwdriver, .label = TR("Schraubenzieher", "Screwdriver"),
     .text = {TR("Ein Schraubenzieher. Damit kriegt man", "A screwdriver. It opens more than"),
              TR("mehr auf als nur Schrauben.", "just screws."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 250, .goto_y = 420,
     .mouse_x = 206, .mouse_y = 410, .mouse_x2 = 240, .mouse_y2 = 420, .frames = kTool.view()},
    {.slot = 2, .state = 0, .name = "rohr", .kind = PieceKind::pipe, .label = TR("Bleirohr", "Lead pipe"),
     .text = {TR("Ein altes Rohr aus Blei. So was ist", "An old lead pipe. Those have been"),
              TR("doch seit Jahren verboten.", "banned for years."), ""},
     .interact = 1, .goto_x = 440, .goto_y = 360, .mouse_x = 455, .mouse_y = 212, .mouse_x2 = 525, .mouse_y2 = 224,
     .frames = kRohr.view()},
    {.slot = 3, .state = 0, .name = "schwbrenn", .kind = PieceKind::welding_torch, .label = TR("Schweißbrenner", "Welding torch"),
     .text = {TR("Mein selbstgebauter Schweißbrenner.", "My home-made welding torch."),
              TR("Der Hausmeister wäre stolz auf mich.", "The caretaker would be proud of me."), ""},
     .interact = 1, .take = 1, .take_dir = kMoveTakeRight, .goto_x = 440, .goto_y = 360, .frames = kSchwbrenn.view()},
    {.slot = 4, .state = 0, .name = "funken", .kind = PieceKind::sparks, .text = {"", "", ""},
     .mouse_x = 472, .mouse_y = 202, .mouse_x2 = 500, .mouse_y2 = 230, .frames = kFunken.view()},
    {.slot = 5, .state = 0, .name = "funken2", .kind = PieceKind::sparks, .text = {"", "", ""},
     .mouse_x = 482, .mouse_y = 208, .mouse_x2 = 506, .mouse_y2 = 232, .frames = kFunken2.view()},
    {.slot = 6, .state = 0, .name = "schrank2", .kind = PieceKind::locker, .label = TR("Schrank", "Locker"), .text = LOCKED_CUPBOARD_TEXT, .interact = 1, .goto_x = 325,
     .goto_y = 300, .frames = kSchrank2.view()},
    {.slot = 7, .state = 0, .name = "schrank3", .kind = PieceKind::locker, .label = TR("Schrank", "Locker"), .text = LOCKED_CUPBOARD_TEXT, .interact = 1, .goto_x = 375,
     .goto_y = 300, .frames = kSchrank3.view()},
    {.slot = 8, .state = 0, .name = "schrank4", .kind = PieceKind::locker, .label = TR("Schrank", "Locker"), .text = LOCKED_CUPBOARD_TEXT, .interact = 1, .goto_x = 440,
     .goto_y = 385, .frames = kSchrank4.view()},
    {.slot = 9, .state = 0, .name = "Muell", .kind = PieceKind::rubbish_heap, .label = TR("Müllhaufen", "Rubbish heap"),
     .text = {TR("Ein Haufen Müll. Seit der Direktor", "A heap of rubbish. Since the headmaster"),
              TR("die Putzfrauen eingespart hat, wächst", "saved on cleaners it keeps growing."),
              TR("der jeden Tag.", "")},
     .interact = 1, .goto_x = 372, .goto_y = 305, .mouse_x = 398, .mouse_y = 258, .mouse_x2 = 458, .mouse_y2 = 302,
     .frames = kMuell.view()},
};
#undef LOCKED_CUPBOARD_TEXT

// The back edge is row 295 (targets on row 285 and above are moved onto it),
// the left wall x 200, the right wall 195x - 235y = 12000 (floor where the
// difference is smaller).
constexpr int kBackRow = 285;
constexpr int kLeftWall = 200;
bool beyond_right_wall(int px, int py) { return 195 * px - 235 * py >= 12000; }

}  // namespace

void area_future_floor15(int& x, int& y) {
  if (x <= kLeftWall && y <= kBackRow) {
    x = 210;
    y = 295;
  } else if (beyond_right_wall(x, y) && y <= kBackRow) {
    x = 400;
    y = 295;
  } else if (y <= kBackRow) {
    y = 295;
  } else if (x <= kLeftWall) {
    x = 210;
  } else if (beyond_right_wall(x, y)) {
    x = (235 * y + 12000) / 195;
  }
}

void allow_walk_future_floor15(int& x, int& y) {
  if (y <= kBackRow)
    walk_a2(x, y);
  else if (x <= kLeftWall)
    walk_b1(x, y);
  else if (beyond_right_wall(x, y))
    walk_f2(x, y);
}

// ---- The story -------------------------------------------------------------------

namespace {

// The access card opens the door to future_biolog.
void story_future_floor15() {
  if (story_gotaccesscard == 1) go_through[2] = 1;
}

// The caretaker's first cupboard has a wobbly lock: it opens, once.
bool open_cupboard(int) {
  if (story_schrankoffen != 0) return false;
  video_oeffne_schrank();
  story_schrankoffen = 1;
  return true;
}

bool locked_cupboard(int) {
  hero_remark(TR("Der Schrank ist abgeschlossen.", "The closet is locked up."));
  return true;
}

bool take_screwdriver(int) {
  // Held before the scene hides it: no way out of the scene leaves it hidden and not held.
  hold_item("tool");
  video_take_tool();
  return true;
}

// The welding torch cuts a piece off the lead pipe: the hero now holds the lead.
bool cut_pipe(int) {
  hold_item("Blei");  // before the scene, as the screwdriver
  video_take_rohr();
  mouse_status = kModeItem;
  return true;
}

constexpr VerbRule kPieceRules[] = {
    {Verb::use, "schrank", nullptr, open_cupboard},
    {Verb::use, "schrank2", nullptr, locked_cupboard},
    {Verb::use, "schrank3", nullptr, locked_cupboard},
    {Verb::use, "schrank4", nullptr, locked_cupboard},
    {Verb::take, "tool", nullptr, take_screwdriver},
    {Verb::use_item, "rohr", "Schweissbrenner", cut_pipe},
};

}  // namespace

extern const RoomScript room_future_floor15 = {
    .name = "future_floor15",
    .title = TR("Gang", "Corridor"),
    .data_file = "ffloor15.dat",
    .state_file = "sav/tmp/ffloor15.sav",
    .background = 0,
    .highest_object = 7,
    .min_hero_length = -1.0f,
    .increase_rate = 200.0f,
    .furni_nr = 10,
    .person_nr = 0,
    .exit_nr = 3,
    .furni_present = kFurniPresent,
    .furniture = kFurniture,
    .exits = kExits,
    .area = area_future_floor15,
    .allow_walk = allow_walk_future_floor15,
    .piece_rules = kPieceRules,
    .story = story_future_floor15,
};
