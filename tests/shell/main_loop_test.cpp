// The main loop's bookkeeping, in the first room with the rolling pin in the
// bag: clicks, the carried item, frame pacing, the verb panel and the cursor.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/platform.h"
#include "interaction/items.h"
#include "shell/cursor.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

class MainLoop : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    give_item("rolle");
    set_mouse(320, 300, 0);
    for (int i = 0; i < 5; ++i) main_loop_pass();
  }
  static void set_mouse(int mx, int my, int buttons) {
    mouse_x = mx;
    mouse_y = my;
    mouse_b = buttons;
  }
};

}  // namespace

TEST_F(MainLoop, AHeldButtonIsOnePress) {
  // Press on the take verb: handled in the pass of the press only.
  set_mouse(550, 395, 1);
  main_loop_pass();
  EXPECT_EQ(mouse_button, kButtonTake);
  EXPECT_EQ(mouse_status, kModeTake);
  EXPECT_EQ(force_cursor, kVerbChosen);
  EXPECT_EQ(click, kClickHeld);
  // Still held, now over the look verb: no new press, the take verb stays.
  set_mouse(550, 430, 1);
  for (int i = 0; i < 3; ++i) {
    main_loop_pass();
    EXPECT_EQ(new_turn, 0);
    EXPECT_EQ(click, kClickHeld);
    EXPECT_EQ(mouse_status, kModeTake);
  }
  // Released: the next press counts again.
  set_mouse(550, 430, 0);
  main_loop_pass();
  EXPECT_EQ(click, kClickFree);
  set_mouse(550, 430, 1);
  main_loop_pass();
  EXPECT_EQ(new_turn, 1);
  EXPECT_EQ(mouse_status, kModeLook);
}

TEST_F(MainLoop, EachVerbButtonChoosesItsCursorAndHoveringShowsTheWalkCursorOrOverTheBagTheUseCursor) {
  const struct {
    int mx, my, button, mode;
  } verbs[] = {{570, 360, kButtonWalk, kModeWalk},
               {550, 395, kButtonTake, kModeTake},
               {587, 395, kButtonUse, kModeUse},
               {550, 430, kButtonLook, kModeLook},
               {587, 430, kButtonTalk, kModeTalk}};
  for (const auto& v : verbs) {
    set_mouse(v.mx, v.my, 0);
    main_loop_pass();
    EXPECT_EQ(mouse_button, v.button);
    EXPECT_EQ(mouse_status, kModeWalk) << "hovering a verb shows the walk cursor";
    set_mouse(v.mx, v.my, 1);
    main_loop_pass();
    EXPECT_EQ(mouse_status, v.mode) << v.button;
    set_mouse(v.mx, v.my, 0);
    main_loop_pass();
    EXPECT_EQ(mouse_status, v.mode) << "the chosen verb stays while forced";
    force_cursor = kVerbFree;
  }
  // Over the bag the pointer shows the use cursor.
  set_mouse(70, 400, 0);
  main_loop_pass();
  EXPECT_EQ(mouse_button, kButtonBag);
  EXPECT_EQ(mouse_status, kModeUse);
}

TEST_F(MainLoop, RightClickPutsTheCarriedItemBackEvenOverThePanel) {
  arrow_obj = "tool";
  arrow_describe[0] = "a screwdriver";
  arrow_describe[1] = "";
  arrow_describe[2] = "";
  mouse_status = kModeItem;
  set_mouse(550, 395, 2);  // over the take verb
  main_loop_pass();
  EXPECT_EQ(invent_nr, 2);
  EXPECT_STREQ(inventory_obj[1], "tool");
  EXPECT_STREQ(inv_obj_describe[1][0], "a screwdriver");
  EXPECT_EQ(mouse_status, kModeWalk);
  EXPECT_EQ(click, kClickHeld);
  EXPECT_EQ(force_cursor, 0);
}

TEST_F(MainLoop, WithAnItemCarriedTheBagShowsTheGearAndThePanelDoesNotReact) {
  arrow_obj = "tool";
  mouse_status = kModeItem;
  set_mouse(70, 400, 1);
  main_loop_pass();
  EXPECT_EQ(mouse_status, kModeItemOnTarget);
  set_mouse(550, 395, 0);
  main_loop_pass();
  set_mouse(550, 395, 1);
  main_loop_pass();
  EXPECT_EQ(mouse_status, kModeItem);
  EXPECT_EQ(force_cursor, 0);
  EXPECT_EQ(invent_nr, 1);
}

TEST_F(MainLoop, AFrameIsComposedEvery55VirtualMillisecondsNotMoreOften) {
  int last_frame_time = current_time;
  int frames = 0;
  const int start = headless::now();
  while (headless::now() - start < 5500) {
    const int before = current_time;
    main_loop_pass();
    if (current_time != before) {
      EXPECT_GE(current_time - last_frame_time, 55);
      last_frame_time = current_time;
      ++frames;
    }
  }
  // 5500 ms hold 100 frame intervals; passes take a few virtual ms each.
  EXPECT_GE(frames, 95);
  EXPECT_LE(frames, 100);
}

TEST_F(MainLoop, PassCounterWrapsFrom990To10AndTheCursorAnimates) {
  game = 989;
  main_loop_pass();
  EXPECT_EQ(game, 990);
  main_loop_pass();
  EXPECT_EQ(game, 11);
  // The talk cursor runs through its three pictures with the frames.
  force_cursor = kVerbChosen;
  mouse_status = kModeTalk;
  set_mouse(320, 300, 0);
  int seen[3] = {0, 0, 0};
  const int start = headless::now();
  while (headless::now() - start < 400) {
    main_loop_pass();
    ASSERT_GE(cursor_nr, 0);
    ASSERT_LE(cursor_nr, 3);
    seen[cursor_nr % 3] = 1;
  }
  EXPECT_EQ(seen[0] + seen[1] + seen[2], 3);
}

TEST(HoverTest, UsesTheHotSpotWithInclusiveBounds) {
  fresh_game();
  furni_present[0] = 1;
  furni_mouse_x[0] = 50;
  furni_mouse_x2[0] = 100;
  furni_mouse_y[0] = 50;
  furni_mouse_y2[0] = 100;
  counter = 0;
  mouse_y = 60;
  mouse_x = 80;  // hot spot 100
  mouse_over_furni();
  EXPECT_EQ(furni_mouse_over[0], 1);
  EXPECT_EQ(mouse_over_sth, 1);
  mouse_over_sth = 0;
  mouse_x = 81;
  mouse_over_furni();
  EXPECT_EQ(furni_mouse_over[0], 0);
  EXPECT_EQ(mouse_over_sth, 0);
  mouse_x = 30;  // hot spot 50: the left bound
  mouse_over_furni();
  EXPECT_EQ(furni_mouse_over[0], 1);
  furni_present[0] = 2;  // anything but 1 is absent
  mouse_over_furni();
  EXPECT_EQ(furni_mouse_over[0], 0);

  person_present[3] = 1;
  person_mouse_x[3] = 200;
  person_mouse_x2[3] = 250;
  person_mouse_y[3] = 100;
  person_mouse_y2[3] = 115;
  counter = 3;
  mouse_x = 180;
  mouse_y = 100;  // hot spot (200, 115): both bounds
  mouse_over_person();
  EXPECT_EQ(person_mouse_over[3], 1);
  mouse_y = 101;
  mouse_over_person();
  EXPECT_EQ(person_mouse_over[3], 0);
}

TEST(WaitRelease, OnlyPollsWithoutAButtonCount) {
  fresh_game();
  // Down for 30 ms, up for 3 polls, down again for 30 ms, then up for good:
  // the polls with a button down do not count, the three free ones do.
  headless::mouse_at(0, 0, 0, 1);
  headless::mouse_at(30, 0, 0, 0);
  headless::mouse_at(33, 0, 0, 2);
  headless::mouse_at(63, 0, 0, 0);
  wait_mouse_release();
  EXPECT_EQ(headless::now(), 63 + 6);
}

TEST_F(MainLoop, APressAndReleaseBetweenTwoPassesIsOneClick) {
  // The take verb, clicked with no hold while the last pass ran.
  headless::click(headless::now(), 550, 395, 0);
  main_loop_pass();
  EXPECT_EQ(mouse_button, kButtonTake);
  EXPECT_EQ(mouse_status, kModeTake) << "the click chose the verb";
  EXPECT_EQ(force_cursor, kVerbChosen);
  EXPECT_EQ(click, kClickHeld);
  main_loop_pass();
  EXPECT_EQ(new_turn, 0);
  EXPECT_EQ(click, kClickFree) << "the button reads up in the next pass";
  // A second quick click, on the look verb, counts again.
  headless::click(headless::now(), 550, 430, 0);
  main_loop_pass();
  EXPECT_EQ(new_turn, 1);
  EXPECT_EQ(mouse_status, kModeLook);
}

TEST_F(MainLoop, AScriptedButtonHeldOverManyPassesActsOnce) {
  const int t = headless::now();
  headless::mouse_at(t, 550, 395, 1);      // take, held
  headless::mouse_at(t + 30, 550, 430, 1);  // slides onto look, still held
  headless::mouse_at(t + 200, 550, 430, 0);
  int fresh = 0;
  while (headless::now() < t + 190) {
    main_loop_pass();
    fresh += new_turn;
  }
  EXPECT_EQ(fresh, 1);
  EXPECT_EQ(mouse_status, kModeTake) << "the verb of the press stays";
  while (headless::now() < t + 210) main_loop_pass();
  EXPECT_EQ(click, kClickFree);
}

TEST_F(MainLoop, EachCursorModeShowsItsPictureFrameByFrame) {
  // The picture the pointer shows: drawn onto a cleared frame buffer at (0, 0).
  auto shown_is = [](BITMAP* want) {
    platform_hide_pointer();
    clear_bitmap(memory_screen);
    mouse_x = 0;
    mouse_y = 0;
    platform_show_pointer(memory_screen);
    BITMAP* expected = create_bitmap(want->w, want->h);
    clear_bitmap(expected);
    draw_sprite(expected, want, 0, 0);
    bool same = true;
    for (int yy = 0; yy < want->h && same; ++yy)
      for (int xx = 0; xx < want->w && same; ++xx)
        same = getpixel(memory_screen, xx, yy) == getpixel(expected, xx, yy);
    destroy_bitmap(expected);
    platform_hide_pointer();
    return same;
  };
  struct Case {
    int mode, count, over;
    BITMAP* want;
    int count_after;
  };
  const Case cases[] = {
      {kModeBusy, 0, 0, sandglass[0], 0},   {kModeBusy, 5, 0, sandglass[2], 5},
      {kModeBusy, 11, 0, sandglass[5], 11}, {kModeBusy, 12, 0, sandglass[0], 0},
      {kModeExit, 1, 1, door[1], 1},        {kModeExit, 2, 0, door[0], 0},
      {kModeWalk, 3, 0, cursor, 0},         {kModeWalk, 0, 1, cursor_a, 0},
      {kModeLook, 2, 1, pocket_lens_a, 0},  {kModeTalk, 2, 0, mouth[2], 2},
      {kModeTalk, 3, 1, mouth_a[0], 0},     {kModeTake, 1, 1, hand_a[1], 1},
      {kModeUse, 1, 0, gear[1], 1},         {kModeUse, 2, 1, gear_a[0], 0},
      {kModeItem, 1, 0, arrow, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " count " << c.count);
    mouse_status = c.mode;
    cursor_nr = c.count;
    mouse_over_sth = c.over;
    maus();
    EXPECT_EQ(cursor_nr, c.count_after);
    EXPECT_EQ(mouse_over_sth, 0);
    EXPECT_TRUE(shown_is(c.want));
  }
}
