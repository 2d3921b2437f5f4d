// The main loop's bookkeeping, in the first room with the rolling pin in the
// bag: clicks, the carried item, frame pacing, the verb panel and the cursor.
#include <gtest/gtest.h>
#include "core/pacing.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "interaction/items.h"
#include "platform/platform.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;
using V = std::vector<int>;

namespace {
class MainLoop : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1"); give_item("rolle"), pass(320, 300, 0, 5);
  }
  // `n` passes with the mouse at (mx, my) and the given buttons.
  static void pass(int mx, int my, int buttons, int n = 1) {
    mouse_x = mx; mouse_y = my; mouse_b = buttons;
    for (int i = 0; i < n; ++i) main_loop_pass();
  }
};
}  // namespace

TEST_F(MainLoop, AButtonPressCountsOnceHoweverLongItIsHeldOrHoweverShort) {
  // Pressed on the take verb, then slid onto the look verb still held: no new press.
  const auto state = [] { return V{new_turn, click, mouse_status}; };
  pass(550, 395, 1);
  EXPECT_EQ(state(), (V{1, kClickHeld, kModeTake}));
  EXPECT_EQ((V{mouse_button, force_cursor}), (V{kButtonTake, kVerbChosen}));
  for (int i = 0; i < 3; ++i) {
    pass(550, 430, 1);
    EXPECT_EQ(state(), (V{0, kClickHeld, kModeTake})) << i;
  }
  pass(550, 430, 0);
  EXPECT_EQ(click, kClickFree) << "released: the next press counts again";
  pass(550, 430, 1);
  EXPECT_EQ(state(), (V{1, kClickHeld, kModeLook}));
  pass(320, 300, 0);
  // The take verb clicked with no hold while the last pass ran: one click, up in the next pass.
  headless::click(headless::now(), 550, 395, 0);
  std::vector<V> states;
  for (int i = 0; i < 2; ++i) main_loop_pass(), states.push_back(state());
  headless::click(headless::now(), 550, 430, 0);
  main_loop_pass(), states.push_back(state());  // a second quick click counts again
  EXPECT_EQ(states,
            (std::vector<V>{{1, kClickHeld, kModeTake}, {0, kClickFree, kModeTake}, {1, kClickHeld, kModeLook}}));
  // A scripted button held over many passes, sliding from take onto look, acts once; the verb of the press stays.
  const int t = headless::now() + 10;
  headless::mouse_at(t, 550, 395, 1), headless::mouse_at(t + 30, 550, 430, 1), headless::mouse_at(t + 200, 550, 430, 0);
  int fresh = 0;
  while (headless::now() < t + 190) main_loop_pass(), fresh += new_turn;
  EXPECT_EQ((V{fresh, mouse_status}), (V{1, kModeTake}));
  while (headless::now() < t + 210) main_loop_pass();
  EXPECT_EQ(click, kClickFree);
}

TEST_F(MainLoop, EachVerbChoosesItsCursorTheBagShowsUseOrWithAnItemTheGearAndARightClickStowsTheItem) {
  const struct { int mx, my, button, mode; } verbs[] = {
      {570, 360, kButtonWalk, kModeWalk}, {550, 395, kButtonTake, kModeTake}, {587, 395, kButtonUse, kModeUse},
      {550, 430, kButtonLook, kModeLook}, {587, 430, kButtonTalk, kModeTalk}};
  for (const auto& v : verbs) {
    SCOPED_TRACE(v.button); pass(v.mx, v.my, 0);
    const V hovered = {mouse_button, mouse_status};  // hovering a verb shows the walk cursor
    pass(v.mx, v.my, 1);
    const int chosen = mouse_status;
    pass(v.mx, v.my, 0);  // the chosen verb stays while forced
    EXPECT_EQ((V{hovered[0], hovered[1], chosen, mouse_status}), (V{v.button, kModeWalk, v.mode, v.mode}));
    force_cursor = kVerbFree;
  }
  pass(70, 400, 0);
  EXPECT_EQ((V{mouse_button, mouse_status}), (V{kButtonBag, kModeUse})) << "over the bag the use cursor";
  // With an item carried the bag shows the gear and the panel does not react.
  arrow_obj = "tool", arrow_describe[0] = "a screwdriver", arrow_describe[1] = arrow_describe[2] = "";
  mouse_status = kModeItem; pass(70, 400, 1);
  EXPECT_EQ(mouse_status, kModeItemOnTarget);
  pass(550, 395, 0), pass(550, 395, 1);
  EXPECT_EQ((V{mouse_status, force_cursor, invent_nr}), (V{kModeItem, 0, 1}));
  // A right click puts the carried item back, even over the panel.
  pass(550, 395, 0), pass(550, 395, 2);
  EXPECT_EQ(std::to_string(invent_nr) + inventory_obj[1] + "|" + inv_obj_describe[1][0], "2tool|a screwdriver");
  EXPECT_EQ((V{mouse_status, click, force_cursor}), (V{kModeWalk, kClickHeld, 0}));
}

TEST_F(MainLoop, AFrameEvery55VirtualMillisecondsThePassCounterWrapsFrom990To10AndTheTalkCursorAnimates) {
  int last_frame_time = current_time, frames = 0;
  const int start = headless::now();
  while (headless::now() - start < 5500) {
    const int before = current_time;
    main_loop_pass();
    if (current_time != before) {
      EXPECT_GE(current_time - last_frame_time, 55);
      last_frame_time = current_time, ++frames;
    }
  }
  // 5500 ms hold 100 frame intervals; passes take a few virtual ms each.
  EXPECT_TRUE(frames >= 95 && frames <= 100) << frames;
  game = 989, main_loop_pass();
  const int after_989 = game;
  main_loop_pass();
  EXPECT_EQ((V{after_989, game}), (V{990, 11}));
  force_cursor = kVerbChosen, mouse_status = kModeTalk;
  int seen[3] = {0, 0, 0};
  for (const int until = headless::now() + 400; headless::now() < until;) {
    main_loop_pass();
    ASSERT_TRUE(cursor_nr >= 0 && cursor_nr <= 3);
    seen[cursor_nr % 3] = 1;
  }
  EXPECT_EQ(seen[0] + seen[1] + seen[2], 3) << "the talk cursor runs through its three pictures";
}

TEST_F(MainLoop, EachCursorModeShowsItsPictureFrameByFrameWithItsWorkingPointOnTheMouse) {
  // The picture the pointer shows with the mouse at (100, 100), drawn onto a cleared frame buffer: its top-left
  // pixel lies at the mouse position less the picture's working point.
  auto shown_is = [](BITMAP* want, int left, int top) {
    platform_hide_pointer(), clear_bitmap(memory_screen); mouse_x = 100; mouse_y = 100;
    platform_show_pointer(memory_screen);
    BITMAP* expected = create_bitmap(memory_screen->w, memory_screen->h);
    clear_bitmap(expected), draw_sprite(expected, want, left, top);
    bool same = true;
    for (int yy = 0; yy < expected->h && same; ++yy)
      for (int xx = 0; xx < expected->w && same; ++xx)
        same = getpixel(memory_screen, xx, yy) == getpixel(expected, xx, yy);
    destroy_bitmap(expected), platform_hide_pointer();
    return same;
  };
  // The arrow and the door point with their tip, the picture's top-left pixel; the sandglass, the look, talk, take
  // and use pictures and a carried item (on a target too) work at their point (20, 15).
  const struct { int mode, count, over; BITMAP* want; int count_after, focus_x, focus_y; } cases[] = {
      {kModeBusy, 0, 0, sandglass[0], 0, 20, 15},  {kModeBusy, 5, 0, sandglass[2], 5, 20, 15},
      {kModeBusy, 11, 0, sandglass[5], 11, 20, 15}, {kModeBusy, 12, 0, sandglass[0], 0, 20, 15},
      {kModeExit, 1, 1, door[1], 1, 0, 0},         {kModeExit, 2, 0, door[0], 0, 0, 0},
      {kModeWalk, 3, 0, cursor, 0, 0, 0},          {kModeWalk, 0, 1, cursor_a, 0, 0, 0},
      {kModeLook, 2, 1, pocket_lens_a, 0, 20, 15}, {kModeTalk, 2, 0, mouth[2], 2, 20, 15},
      {kModeTalk, 3, 1, mouth_a[0], 0, 20, 15},    {kModeTake, 1, 1, hand_a[1], 1, 20, 15},
      {kModeUse, 1, 0, gear[1], 1, 20, 15},        {kModeUse, 2, 1, gear_a[0], 0, 20, 15},
      {kModeItem, 1, 0, arrow, 0, 20, 15},        {kModeItemOnTarget, 1, 1, arrow_gear, 1, 20, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " count " << c.count);
    mouse_status = c.mode, cursor_nr = c.count, mouse_over_sth = c.over, maus();
    EXPECT_EQ((V{cursor_nr, mouse_over_sth}), (V{c.count_after, 0}));
    EXPECT_TRUE(shown_is(c.want, 100 - c.focus_x, 100 - c.focus_y));
  }
}

TEST(HoverTest, ThingsAreFoundAtThePointersWorkingPointWithInclusiveBoundsAndOnlyWhenPresent) {
  fresh_game();
  furni_mouse_x[0] = 50, furni_mouse_x2[0] = 100, furni_mouse_y[0] = 50, furni_mouse_y2[0] = 100;
  // Every pointer shows its working point at (mouse_x, mouse_y), and that is where things are tested.
  const struct { int x, y, present, over; } furni[] = {{100, 60, 1, 1}, {101, 60, 1, 0}, {50, 50, 1, 1},
                                                       {49, 60, 1, 0}, {60, 101, 1, 0}, {60, 60, 2, 0}};
  for (const auto& f : furni) {
    furni_present[0] = f.present; mouse_x = f.x; mouse_y = f.y; mouse_over_sth = 0; mouse_over_furni(0);
    EXPECT_EQ((V{furni_mouse_over[0], mouse_over_sth}), (V{f.over, f.over})) << f.x << "," << f.y << " " << f.present;
  }
  person_present[3] = 1;
  person_mouse_x[3] = 200, person_mouse_x2[3] = 250, person_mouse_y[3] = 100, person_mouse_y2[3] = 115;
  mouse_x = 200;
  for (int y : {115, 116}) {
    mouse_y = y, mouse_over_person(3);
    EXPECT_EQ(person_mouse_over[3], y == 115) << y;
  }
}

TEST(WaitRelease, OnlyPollsWithoutAButtonCount) {
  fresh_game();
  // Down for 30 ms, up for 3 polls, down again for 30 ms, then up for good:
  // the polls with a button down do not count, the three free ones do.
  headless::mouse_at(0, 0, 0, 1), headless::mouse_at(30, 0, 0, 0);
  headless::mouse_at(33, 0, 0, 2), headless::mouse_at(63, 0, 0, 0); wait_mouse_release();
  EXPECT_EQ(headless::now(), 63 + 6);
}
