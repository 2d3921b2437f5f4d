// Room physik: the physics room of the old school.

#include "core/tr.h"
#include "core/world.h"
#include "hero/hero.h"
#include "rooms/room_script.h"
#include "rooms/scripts/shared_talk.h"
#include "rooms/scripts/shared_walks.h"

namespace {

// target, open at start, hot rectangle, walk point, arrival in the target room
constexpr ExitDef kExits[] = {
    {"cafeteria", 1, 485, 105, 555, 265, 520, 290, 590, 235},
    {"biblio", 0, 600, 105, 640, 310, 580, 300, 580, 310},
};
constexpr int kFurniPresent[] = {1, 1, 1};
constexpr int kPersonPresent[] = {1};

// The canister stands on the floor at the back, left of Dori; the pendulum's
// stand on the floor in the left corner, between the blackboard and the chair.
constexpr auto kKanister = FrameList<1>{}.add(0, 340, 300);
constexpr auto kChair = FrameList<1>{}.add(1, 250, 300);
constexpr auto kPendel = FrameList<6>{}.add(16, 178, 170, 2).add(17, 178, 170, 1).add(18, 178, 170, 1)
                             .add(19, 178, 170, 2).add(18, 178, 170, 1).add(17, 178, 170, 1);
// Dori stands still (state 0), ready to talk; talking (state 1), turning to
// the hero (state 2) and back (state 3).
constexpr auto kDori = FrameList<1>{}.add(21, 420, 170).talk_at(0);
constexpr auto kDoriTalk = FrameList<6>{}.run(22, 27, 420, 170);
constexpr auto kDoriTurn = FrameList<4>{}.run(28, 31, 420, 170);
constexpr auto kDoriBack = FrameList<4>{}.run(31, 28, 420, 170);

constexpr FurniState kFurniture[] = {
    {.slot = 0, .state = 0, .name = "kanister", .kind = PieceKind::canister, .label = TR("Kanister", "Canister"),
     .text = {TR("E Kanister. Wat do wuel dran ass?", "A canister. I wonder what is inside."),
              TR("Et riicht no Benzin.", "It smells of petrol."), TR("Dat keint ech nach brauchen.", "That could come in handy.")},
     .interact = 1, .take = 1, .take_dir = kMoveTakeLeft, .goto_x = 410, .goto_y = 370, .frames = kKanister.view()},
    {.slot = 1, .state = 0, .name = "chair", .kind = PieceKind::chair,
     .text = {TR("E Stull. Ganz normal.", "A chair. Quite ordinary."), "", ""}, .frames = kChair.view()},
    {.slot = 2, .state = 0, .name = "pendel", .kind = PieceKind::pendulum,
     .text = {TR("E Pendel. Et schwengt an et schwengt.", "A pendulum. It swings and swings."), "", ""},
     .mouse_x = 178, .mouse_y = 170, .mouse_x2 = 246, .mouse_y2 = 344, .frames = kPendel.view()},
};

constexpr PersonState kPersons[] = {
    {.slot = 0, .state = 0, .name = "dori", .kind = PersonKind::dori, .label = TR("Dori", "Dori"),
     .text = {TR("Dori, eng Klassekomerodin.", "Dori, a classmate."), "", ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkRight, .goto_x = 330, .goto_y = 360, .frames = kDori.view()},
    {.slot = 0, .state = 1, .name = "dori", .kind = PersonKind::dori, .label = TR("Dori", "Dori"),
     .text = {TR("Dori, eng Klassekomerodin.", "Dori, a classmate."), "", ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkRight, .goto_x = 330, .goto_y = 360, .frames = kDoriTalk.view()},
    {.slot = 0, .state = 2, .name = "dori", .kind = PersonKind::dori, .label = TR("Dori", "Dori"),
     .text = {TR("Dori, eng Klassekomerodin.", "Dori, a classmate."), "", ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkRight, .goto_x = 330, .goto_y = 360, .frames = kDoriTurn.view()},
    {.slot = 0, .state = 3, .name = "dori", .kind = PersonKind::dori, .label = TR("Dori", "Dori"),
     .text = {TR("Dori, eng Klassekomerodin.", "Dori, a classmate."), "", ""},
     .interact = 1, .talk = 1, .talk_dir = kTalkRight, .goto_x = 330, .goto_y = 360, .frames = kDoriBack.view()},
};

// The physics room. The floor lies in front of the back edge P; the door to
// the cafeteria is a recess at the back right (behind P, right of Q, in front
// of M). R is the left wall, T the front edge, N the right wall; H, U and K
// are the edges of the benches the walk rules steer along.
int edge_p(int px, int py) { return 635 * py - 63 * px - 197994; }
int edge_q(int px, int py) { return 474 * px + 19 * py - 250000; }
int edge_h(int px, int py) { return 474 * px + 19 * py - 168723; }
int edge_r(int px, int py) { return 447 * px - py - 78203; }
int edge_t(int px, int py) { return 637 * py - 86 * px - 225000; }
int edge_u(int px, int py) { return 207 * px + 135 * py - 168723; }
int edge_m(int px, int py) { return 629 * py - 32 * px - 150800; }
int edge_n(int px, int py) { return 299 * py - 336 * px + 113605; }
int edge_k(int px, int py) { return 627 * py - 334 * px - 66830; }

}  // namespace

void area_physik(int& x, int& y) {
  const int P = edge_p(x, y), Q = edge_q(x, y), R = edge_r(x, y), T = edge_t(x, y);
  const int M = edge_m(x, y);
  if (P >= 0 && Q >= 0) {
    x = 540;
    y = 300;
  } else if (R <= 0 && P <= 0) {
    x = 225;
    y = 375;
  } else if (T >= 0 && R <= 0) {
    x = 225;
    y = 375;
  } else if (R <= 0) {
    x = (y + 78203) / 447;
    if (y <= 359) {
      x = 225;
      y = 375;
    }
  } else if (T >= 0 && edge_u(x, y) <= 0) {
    y = (86 * x + 225000) / 637 - 10;
  } else if (P <= 0 && Q <= 0 && edge_h(hero_x, hero_y) <= 0) {
    y = (63 * x + 197994) / 635 + 30;
  } else if (P <= 0 && Q <= 0 && edge_h(hero_x, hero_y) >= 0 && M <= 0) {
    x = 540;
    y = 300;
  } else if (P <= 0 && Q <= 0 && edge_h(hero_x, hero_y) >= 0 && M >= 0) {
    x = (250000 - 19 * y) / 474;
    if (y <= 297 || x > 600) {
      x = 540;
      y = 300;
    }
  } else if (M <= 0 && Q >= 0) {
    x = 540;
    y = 300;
  } else if (edge_n(x, y) <= 0) {
    x = (299 * y + 113605) / 336;
  }
}

void allow_walk_physik(int& x, int& y) {
  const bool open_floor = edge_m(x, y) > 0 && edge_n(x, y) > 0;
  if (edge_t(x, y) >= 0)
    walk_e1(x, y);
  else if (edge_r(x, y) <= 0)
    walk_b1(x, y);
  else if (edge_p(x, y) <= 0 && x <= 472)
    walk_e2(x, y);
  else if (edge_q(x, y) <= 0 && y <= 356)
    walk_b1(x, y);
  else if (open_floor && edge_u(x, y) >= 0 && y >= 397)
    walk_d1(x, y);
  else if (open_floor && edge_k(x, y) >= 0 && x >= 476)
    walk_e1(x, y);
  else if (!open_floor)
    walk_e2(x, y);
}

// From the floor to the door recess behind the back edge, by (510, 380).
void extra_click_physik() {
  if (edge_p(hero_x, hero_y) >= 0 && edge_p(true_x, true_y) <= 0) via(510, 380);
}

// ---- Conversation and gifts ---------------------------------------------------

namespace {

// Person 0 holds the conversation of the old school (shared_talk.h).

// The canister is someone's emergency supply; anything else, nothing happens.
constexpr VerbRule kGiftRules[] = {
    {Verb::give, "dori", "kanister", nullptr,
     {"Hey ... wou hues de deen hier ?", "Dat ass dem VedadiDov seng Ice Tea", "Noutreserve !"}},
};

}  // namespace

extern const RoomScript room_physik = {
    .name = "physik",
    .title = TR("Physiksaal", "Physics room"),
    .data_file = "physik.dat",
    .state_file = "sav/tmp/physik.sav",
    .background = 20,
    .highest_object = 31,
    .min_hero_length = 0.35f,
    .increase_rate = 500.0f,
    .furni_nr = 3,
    .person_nr = 1,
    .exit_nr = 2,
    .furni_present = kFurniPresent,
    .person_present = kPersonPresent,
    .furniture = kFurniture,
    .persons = kPersons,
    .exits = kExits,
    .area = area_physik,
    .allow_walk = allow_walk_physik,
    .extra_click = extra_click_physik,
    .person_rules = kGiftRules,
    .talk_lines = kSchoolTalk,
    .talk_overrides = kPhysikTalkOverrides,
};
