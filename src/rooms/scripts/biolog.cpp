// Room biolog.

#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"future_floor", 1, 600, 100, 640, 350, 625, 340, 405, 340},
};
constexpr int kFurniPresent[] = {1, 1, 1};

constexpr auto kDeskFrame = FrameList<1>{}.add(1, 235, 362);
constexpr auto kDesk2Frame = FrameList<1>{}.add(2, 215, 422);
constexpr auto kDesk3Frame = FrameList<1>{}.add(3, 525, 370);

// The mouse-over boxes give each piece its size: it stands with its lower
// edge on the floor (or on the back wall's foot) where it belongs.
constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "desk", .kind = PieceKind::desk,
     .text = {TR("Eng Bank am Bio-Sall. Et riicht", "A bench in the biology room."),
              TR("no Formol.", "It smells of formalin."), ""},
     .mouse_x = 235, .mouse_y = 362, .mouse_x2 = 455, .mouse_y2 = 420, .frames = kDeskFrame.view()},
    {.slot = 1, .state = 0, .name = "desk2", .kind = PieceKind::desk,
     .text = {TR("Nach eng Bank. Een huet e", "Another bench. Someone has"),
              TR("Frosch drop gemoolt.", "drawn a frog on it."), ""},
     .mouse_x = 215, .mouse_y = 422, .mouse_x2 = 460, .mouse_y2 = 478, .frames = kDesk2Frame.view()},
    {.slot = 2, .state = 0, .name = "desk3", .kind = PieceKind::desk,
     .text = {TR("D'Bank vun de Streber.", "The swots' bench."),
              TR("Ganz vir, wei emmer.", "Right at the front, as always."), ""},
     .mouse_x = 525, .mouse_y = 370, .mouse_x2 = 640, .mouse_y2 = 450, .frames = kDesk3Frame.view()},
};

// Mrs Sand at the blackboard. Idle (state 0): she writes, pauses and turns
// her head (objects 4 to 17); she may start talking from the pauses. Talking
// (state 1): objects 18 to 29. Turning to the hero (state 2): objects 30 to
// 33, and back again (state 3) the other way round.
constexpr auto kSandIdle = FrameList<14>{}.run(4, 17, 95, 140, 2).hold(0, 40).hold(7, 25).talk_at(0).talk_at(7);
constexpr auto kSandTalk = FrameList<12>{}.run(18, 29, 95, 140);
constexpr auto kSandTurn = FrameList<4>{}.run(30, 33, 95, 140);
constexpr auto kSandBack = FrameList<4>{}.run(33, 30, 95, 140);

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "sand", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"),
     .text = {TR("Madame Sand, eis Biologiesproff.", "Mrs Sand, our biology teacher."),
              TR("Si huet emmer e Fraesch an der Tesch.", "She always has a frog in her pocket."), ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkLeft, .goto_x = 200, .goto_y = 345, .frames = kSandIdle.view()},
    {.slot = 0, .state = 1, .name = "sand_talk", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = {"", "", ""}, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 200, .goto_y = 345, .frames = kSandTalk.view()},
    {.slot = 0, .state = 2, .name = "sandb", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = {"", "", ""}, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 200, .goto_y = 345, .frames = kSandTurn.view()},
    {.slot = 0, .state = 3, .name = "sandb", .kind = PersonKind::sand, .label = TR("Frau Sand", "Mrs Sand"), .text = {"", "", ""}, .interact = 1, .talk = 1, .talk_dir = kTalkLeft,
     .goto_x = 200, .goto_y = 345, .frames = kSandBack.view()},
};
constexpr int kPersonPresent[] = {1};

// The biology room: a floor before the back wall (y from 335) that opens
// towards the front around two blocks of benches, the left one under the
// slanted edge B and the right one from x 520 on. A is the left wall.
int wall_a(int px, int py) { return 150 * px + 140 * py - 68750; }
int bench_b(int px, int py) { return 125 * px + 55 * py - 48900; }
bool in_left_block(int px, int py) { return bench_b(px, py) >= 0 && px <= 460 && py >= 355; }

}  // namespace

void area_biolog(int& x, int& y) {
  if (y <= 325 && wall_a(x, y) <= 0) {
    x = 165;
    y = 335;
  } else if (y <= 325) {
    y = 335;
  } else if (wall_a(x, y) <= 0) {
    x = (68750 - 140 * y) / 150;
  } else if (x >= 520 && y >= 355 && hero_y >= 355) {
    x = 510;
  } else if (x >= 520 && y >= 355) {
    y = 345;
  } else if (in_left_block(x, y) && hero_y <= 355) {
    y = 345;
  } else if (in_left_block(x, y) && bench_b(hero_x, hero_y) <= 0) {
    x = (48900 - 55 * y) / 125;
  } else if (in_left_block(x, y) && hero_x >= 460) {
    x = 470;
  }
}

void allow_walk_biolog(int& x, int& y) {
  if (wall_a(x, y) <= 0)
    walk_d2(x, y);
  else if (y <= 325)
    walk_a2(x, y);
  else if (y >= 355 && 235 <= x && x <= 420 && last_y <= 355)
    walk_a1(x, y);
  else if (y >= 355 && x >= 500 && last_y <= 355)
    walk_a1(x, y);
  else if (bench_b(x, y) >= 0 && bench_b(last_x, last_y) <= 0 && y >= 355)
    walk_d1(x, y);
  else if (x <= 460 && last_x >= 460 && y >= 355)
    walk_b1(x, y);
  else if (x >= 520 && y >= 355)
    walk_b2(x, y);
}

// Between the front gangways the hero goes round the benches along the back.
void extra_click_biolog() {
  const int hx = hero_x, hy = hero_y, tx = true_x, ty = true_y;
  if (bench_b(hx, hy) <= 0 && hy >= 355 && ty <= 355) {
    via(210, 340);
  } else if (hx >= 460 && hy >= 355 && ty <= 355) {
    via(450, 340);
  } else if (bench_b(hx, hy) <= 0 && tx >= 460) {
    via(210, 340);
    via(450, 340);
  } else if (hx >= 460 && bench_b(tx, ty) <= 0) {
    via(450, 340);
    via(210, 340);
  }
}

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Person 0 holds the conversation of the old school (shared_talk.h).

// Only the canister gets an answer; anything else, nothing happens.
constexpr VerbRule kGiftRules[] = {canister_gift("sand")};

}  // namespace

extern const RoomScript room_biolog = {
    .name = "biolog",
    .title = TR("Biologiesaal", "Biology room"),
    .data_file = "biolog.dat",
    .state_file = "sav/tmp/biolog.sav",
    .background = 0,
    .highest_object = 33,
    .min_hero_length = 0.3f,
    .increase_rate = 500.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 1,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = area_biolog,
    .allow_walk = allow_walk_biolog,
    .extra_click = extra_click_biolog,
    .person_rules = kGiftRules,
    .talk_lines = kSchoolTalk,
    .talk_overrides = kSchoolTalkOverrides,
};
