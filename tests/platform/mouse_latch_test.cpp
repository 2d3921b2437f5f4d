// The mouse as the game sees it: steady between polls, and no press lost
// between two of them.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/platform.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

// Moves the clock past `ms` without polling the mouse.
void wait_until(int ms) {
  while (headless::now() < ms) platform_clock_ms();
}

}  // namespace

TEST(MouseLatch, APressAndReleaseBetweenTwoPollsReadsAsDownInOnePoll) {
  fresh_game();
  headless::click(10, 100, 200, 0);
  wait_until(20);
  EXPECT_EQ(mouse_b, 0) << "the mouse changes only when polled";
  EXPECT_EQ(mouse_x, 0);
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 1);
  EXPECT_EQ(mouse_x, 100);
  EXPECT_EQ(mouse_y, 200);
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 0) << "and only once";
  // The right button the same way.
  headless::mouse_at(headless::now() + 5, 100, 200, 2);
  headless::mouse_at(headless::now() + 6, 100, 200, 0);
  wait_until(headless::now() + 10);
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 2);
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 0);
}

TEST(MouseLatch, AHeldButtonReadsDownUntilItIsLetGo) {
  fresh_game();
  headless::mouse_at(10, 50, 60, 1);
  headless::mouse_at(100, 50, 60, 0);
  wait_until(10);
  int polls_down = 0;
  while (headless::now() < 99) {
    platform_poll_mouse();
    polls_down += mouse_b == 1;
    EXPECT_EQ(mouse_b, 1) << "at " << headless::now();
  }
  EXPECT_GT(polls_down, 40);
  wait_until(100);
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 0) << "a release with no press since the last poll shows at once";
}

TEST(MouseLatch, APositionSetByATestStaysUntilTheScriptMovesTheMouse) {
  fresh_game();
  mouse_x = 300;
  mouse_y = 200;
  mouse_b = 1;
  platform_poll_mouse();
  EXPECT_EQ(mouse_x, 300);
  EXPECT_EQ(mouse_b, 1);
  headless::mouse_at(headless::now(), 10, 20, 0);
  platform_poll_mouse();
  EXPECT_EQ(mouse_x, 10);
  EXPECT_EQ(mouse_b, 0);
}
