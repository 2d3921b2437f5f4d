// Playing without aiming a mouse: Page Up / Page Down jump the pointer from thing to thing of the room in
// reading order, Enter clicks where it stands and Backspace is the right click; in the bag the jumps step
// through the items. A gamepad does the same with its stick and buttons. And the pause when the window loses
// the focus.
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "core/settings.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using test_support::run_program;

namespace {
constexpr int kPgDn = KEY_PGDN << 8, kPgUp = KEY_PGUP << 8, kEnter = KEY_ENTER << 8 | 13,
              kBackspace = KEY_BACKSPACE << 8 | 8;

// What the pointer stands on, named as the player sees it: a piece or person by its name, a door by the room
// it leads to, the bag, a verb. The boxes are the rooms' own, read here without the game's search.
std::string under_pointer() {
  const int x = mouse_x, y = mouse_y;
  const char* verbs[] = {"walk", "take", "use", "look", "talk"};
  const int verb_x[] = {561, 541, 578, 541, 578}, verb_y[] = {351, 386, 386, 421, 421};  // each 19 x 19
  for (int v = 0; v < 5; ++v)
    if (x >= verb_x[v] && x <= verb_x[v] + 18 && y >= verb_y[v] && y <= verb_y[v] + 18) return verbs[v];
  if (x >= 56 && x <= 94 && y >= 371 && y <= 429) return "bag";
  std::string found;
  for (int j = 0; j < person_nr; ++j)
    if (person_present[j] == 1 && person_interact[j] == 1 && x >= person_mouse_x[j] && x <= person_mouse_x2[j] &&
        y >= person_mouse_y[j] && y <= person_mouse_y2[j])
      found += std::string(found.empty() ? "" : "+") + person_name[j];
  for (int i = 0; i < furni_nr; ++i)
    if (furni_present[i] == 1 && furni_interact[i] == 1 && x >= furni_mouse_x[i] && x <= furni_mouse_x2[i] &&
        y >= furni_mouse_y[i] && y <= furni_mouse_y2[i])
      found += std::string(found.empty() ? "" : "+") + furni_name[i];
  if (!found.empty()) return found;
  for (int k = exit_nr - 1; k >= 0; --k)  // a later door lies over an earlier one
    if (exit_x[k] < x && x < exit_x2[k] && exit_y[k] < y && y < exit_y2[k]) return std::string("door ") + new_room[k];
  return "floor";
}

// Types `key` and runs main-loop passes until the game has seen it and its next poll has shown the result.
void type_in_play(int key) {
  const int moves = headless::pointer_moves_made(), presses = headless::button_presses_made();
  headless::key_at(headless::now() + 1, key);
  ASSERT_EQ(run_program([&] {
              while (headless::pointer_moves_made() == moves && headless::button_presses_made() == presses)
                main_loop_pass();
              main_loop_pass();
              while (mouse_b != 0) main_loop_pass();
            }),
            -1);
}

struct PointerKeys : testing::Test {
  void stand(const char* room) {
    dialogue_support::stand_in_room(room);
    mouse_x = 0;  // the top-left corner, before every thing
    mouse_y = 0;
    mouse_b = 0;
    click = kClickFree;
  }
  void TearDown() override { headless::on_present(nullptr); }
};
}  // namespace

TEST_F(PointerKeys, PageDownStepsThroughTheThingsOfARoomInReadingOrderAndPageUpBack) {
  // Read from the rooms' tables as the player sees them: the doors and things from the top of the room down,
  // then the panel at the bottom: the walk verb (its top at 351), take and use (386), the bag (its middle at
  // 400), look and talk (421).
  const struct {
    const char* room;
    std::vector<std::string> order;
  } rooms[] = {
      // The toilets: nothing but the door back (270, 205 to 310, 305).
      {"toilette", {"door entree", "walk", "take", "use", "bag", "look", "talk"}},
      // The crossing: the door to the lab at the back (from y 200), the doors to the corridor and to the
      // chemistry room at the sides (both from 210, the left one first), Mr Rarozir, the model (drawn from
      // 270), the extinguisher (290), and the bin (drawn from 360) among the panel's buttons.
      {"future_crossing",
       {"door future_chimietp", "door future_floor1", "door future_chimie", "rarozir", "Modell", "feuerloescher2",
        "walk", "Muelleimer", "take", "use", "bag", "look", "talk"}},
      // The lab: the door back high on the right (from 70), the tank and the extinguisher on the wall, the shower
      // below the tank, the things on the bench (the flasks, the book, the burner, the test tube) and the alcohol
      // on the floor (from 295). The story's hidden door (no rectangle) is no stop.
      {"future_chimietp",
       {"door future_crossing", "tank", "feuerloescher", "douche", "erlenmeier", "erlenmeier2", "book", "bunsen",
        "reagenz", "alkohol", "walk", "take", "use", "bag", "look", "talk"}},
  };
  for (const auto& r : rooms) {
    stand(r.room);
    std::vector<std::string> seen;
    for (size_t n = 0; n < r.order.size(); ++n) type_in_play(kPgDn), seen.push_back(under_pointer());
    EXPECT_EQ(seen, r.order) << r.room;
    type_in_play(kPgDn);
    EXPECT_EQ(under_pointer(), r.order.front()) << r.room << ": after the last comes the first again";
    type_in_play(kPgUp);
    EXPECT_EQ(under_pointer(), r.order.back()) << r.room << ": and before the first the last";
    type_in_play(kPgUp);
    EXPECT_EQ(under_pointer(), r.order[r.order.size() - 2]) << r.room;
  }
}

TEST_F(PointerKeys, EnterOpensTheBagWhereTheJumpsStepThroughTheItemsAndBackspaceIsTheRightClick) {
  stand("toilette");
  ASSERT_TRUE(give_item("rolle") && give_item("Gaz"));
  sort_inventory();  // Gaz, rolle: six to a row from x 130 by 60, the first row's squares at y 120 to 160
  // In the bag: Page Down to the first item, again to the second, Enter picks it up, Backspace closes the bag
  // with it on the pointer.
  std::vector<std::pair<int, int>> pointer_in_bag;
  int was_at = -1;
  headless::on_present([&] {
    if (inv_menu == 1 && (mouse_x != was_at)) pointer_in_bag.push_back({mouse_x, mouse_y}), was_at = mouse_x;
  });
  for (int n = 0; n < 5; ++n) type_in_play(kPgDn);
  ASSERT_EQ(under_pointer(), "bag");
  const int t = headless::now();
  for (auto [dt, key] : {std::pair{300, kPgDn}, {600, kPgDn}, {900, kEnter}, {1200, kBackspace}})
    headless::key_at(t + dt, key);
  type_in_play(kEnter);
  EXPECT_EQ(pointer_in_bag, (std::vector<std::pair<int, int>>{{75, 400}, {150, 140}, {210, 140}}));
  ASSERT_TRUE(carrying_item());
  EXPECT_STREQ(arrow_obj, "rolle");
  EXPECT_EQ(invent_nr, 1);
  // In the room Backspace puts it back into the bag.
  type_in_play(kBackspace);
  EXPECT_FALSE(carrying_item());
  EXPECT_EQ(invent_nr, 2);
}

namespace {
// Main-loop passes until `done` or `ms` of game time have gone.
void passes_until(const std::function<bool()>& done, int ms = 5000) {
  const int until = headless::now() + ms;
  ASSERT_EQ(run_program([&] {
              while (!done() && headless::now() < until) main_loop_pass();
            }),
            -1);
}
}  // namespace

TEST_F(PointerKeys, ThePadStickMovesThePointerFasterTheLongerItIsHeldAndStopsAtRest) {
  stand("toilette");
  mouse_x = 20;
  mouse_y = 240;
  // Full tilt to the right: 150 px a second at first, 450 more for every second held (at most 800).
  const int t = headless::now() + 1;
  headless::pad_at(t, 127, 0, 0);
  passes_until([&] { return headless::now() >= t + 200; });
  const int first = mouse_x - 20;
  passes_until([&] { return headless::now() >= t + 1000; });
  const int at_1s = mouse_x;
  passes_until([&] { return headless::now() >= t + 1200; });
  const int later = mouse_x - at_1s;
  EXPECT_EQ(mouse_y, 240) << "straight to the right";
  EXPECT_TRUE(first >= 30 && first <= 50) << first << " px in the first 200 ms (150 to 240 px a second)";
  EXPECT_TRUE(later >= 110 && later <= 160) << later << " px in 200 ms after a second (600 to 780 px a second)";
  headless::pad_at(headless::now() + 1, 0, 0, 0);
  passes_until([&] { return false; }, 50);
  const int stopped = mouse_x;
  passes_until([&] { return false; }, 200);
  EXPECT_EQ(mouse_x, stopped) << "the stick at rest";
}

TEST_F(PointerKeys, PadButtonsJumpClickOpenTheBagAndCloseItAndStartPauses) {
  stand("toilette");
  ASSERT_TRUE(give_item("rolle"));
  int t = headless::now() + 1;
  // The right shoulder: the next thing (the door, the first in the room); A clicks the walk verb after four more.
  for (int n = 0; n < 2; ++n, t += 100) headless::pad_at(t, 0, 0, kPadRightShoulder), headless::pad_at(t + 50, 0, 0, 0);
  passes_until([&] { return headless::now() >= t; });
  EXPECT_EQ(under_pointer(), "walk");
  headless::pad_at(t, 0, 0, kPadLeftShoulder), headless::pad_at(t + 50, 0, 0, 0), t += 100;
  passes_until([&] { return headless::now() >= t; });
  EXPECT_EQ(under_pointer(), "door entree");
  // X opens the bag; in it the shoulder steps to the item, A picks it up, B closes the bag with it on the pointer.
  bool bag_seen = false;
  headless::on_present([&] { bag_seen = bag_seen || inv_menu == 1; });
  for (unsigned b : {+kPadX, +kPadRightShoulder, +kPadA, +kPadB}) headless::pad_at(t, 0, 0, b), headless::pad_at(t + 50, 0, 0, 0), t += 300;
  passes_until([&] { return headless::now() >= t && inv_menu == 0; });
  EXPECT_TRUE(bag_seen);
  EXPECT_TRUE(carrying_item());
  // Start pauses (the game's clock held); A goes on.
  headless::on_present(nullptr);
  headless::pad_at(t, 0, 0, kPadStart), headless::pad_at(t + 50, 0, 0, 0);
  const int game_clock = platform_clock_ms();
  headless::pad_at(t + 500, 0, 0, kPadA), headless::pad_at(t + 550, 0, 0, 0), t += 700;
  passes_until([&] { return headless::now() >= t; });
  EXPECT_LT(platform_clock_ms() - game_clock, 700 - 300) << "the half second paused does not count";
}

TEST_F(PointerKeys, TheWindowLosingTheFocusPausesWithTheMusicAsTheSettingSays) {
  // 0 never, 1 always, 2 (the default) in full screen only.
  const struct { int setting; bool full_screen, pauses; } cases[] = {
      {2, true, true}, {2, false, false}, {1, false, true}, {0, true, false}};
  for (const auto& c : cases) {
    stand("toilette");
    settings::pause_when_away = c.setting;
    if (c.full_screen != (headless::requested_fullscreen() == 1)) {
      headless::key_at(headless::now() + 1, KEY_F11 << 8);
      passes_until([&] { return c.full_screen == (headless::requested_fullscreen() == 1); });
    }
    bool held = false;
    headless::on_present([&] { held = held || headless::sound().music_held; });
    const int t = headless::now() + 1;
    headless::window_away_at(t, true);
    headless::window_away_at(t + 400, false);
    headless::click(t + 600, 320, 100);  // back in the window: the click that ends the pause
    const int game_clock = platform_clock_ms();
    passes_until([&] { return headless::now() >= t + 900; });
    EXPECT_EQ(held, c.pauses) << c.setting << (c.full_screen ? " in full screen" : " in a window");
    EXPECT_EQ(platform_clock_ms() - game_clock < 600, c.pauses) << c.setting;
    EXPECT_FALSE(headless::sound().music_held) << "the music plays on after the pause";
    settings::pause_when_away = 2;
  }
}
