// The hero's path: steps, waypoints, the 200-step limit, smoothing and the
// wall responses.
#include <gtest/gtest.h>

#include "hero/hero.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace {

// A room that lets every step stand and walks straight to the target.
class OpenFloor : public testing::Test {
 protected:
  void SetUp() override {
    test_support::fresh_game();
    room_name = "open floor";  // no room: every step stands, straight to the target
    hero_x = 300;
    hero_y = 300;
    click_x2 = click_y2 = -1000;
  }
  static void walk_to(int tx, int ty) {
    true_x = tx;
    true_y = ty;
    calc_coor();
  }
};

}  // namespace

TEST_F(OpenFloor, StraightUpIsOneUpLeftStepThenUpStepsEnding8PixelsLeft) {
  walk_to(300, 260);
  ASSERT_GE(mov_nr, 2);
  EXPECT_EQ(hero_action[0], 5);
  for (int i = 1; i < mov_nr; ++i) EXPECT_EQ(hero_action[i], 1) << i;
  EXPECT_EQ(movement_x[mov_nr - 1], 292);
  EXPECT_EQ(movement_y[mov_nr - 1], 256);
}

TEST_F(OpenFloor, EightyRightFortyDownIsElevenDownRightSteps) {
  walk_to(380, 340);
  EXPECT_EQ(mov_nr, 11);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(hero_action[i], 8);
  EXPECT_EQ(movement_x[10], 388);
  EXPECT_EQ(movement_y[10], 344);
}

TEST_F(OpenFloor, AWaypointEqualToThePositionIsReachedWithOneUpLeftStep) {
  walk_to(300, 300);
  EXPECT_EQ(mov_nr, 1);
  EXPECT_EQ(hero_action[0], 5);
}

TEST_F(OpenFloor, AClickNearThePreviousTargetStartsNoNewPath) {
  walk_to(380, 340);
  reset_hero();  // even when the hero was stopped since
  walk_to(387, 343);
  EXPECT_EQ(mov_nr, 199);
  walk_to(388, 343);  // 8 px away: a new path
  EXPECT_LT(mov_nr, 199);
}

TEST_F(OpenFloor, APathOf200StepsOrMoreIsNotWalkedAtAll) {
  hero_x = 0;
  hero_y = 300;
  walk_to(1700, 300);  // 213 steps right
  EXPECT_EQ(mov_nr, 199);
  for (int i = 0; i < kPathSteps; ++i) {
    ASSERT_EQ(hero_action[i], 0);
    ASSERT_EQ(movement_x[i], 0);
  }
  EXPECT_EQ(click_x2, 1700);
  // 199 steps still go.
  hero_x = 0;
  walk_to(1585, 304);
  EXPECT_EQ(mov_nr, 199);
  EXPECT_EQ(hero_action[198], 4);
}

TEST(Smoothing, ZigZagPairsBecomeStraightStepsInOneDirectionOnly) {
  test_support::fresh_game();
  const int before[] = {5, 6, 6, 5, 7, 8, 5, 7, 6, 8};
  const int after[] = {1, 1, 6, 5, 2, 2, 3, 3, 4, 4};
  for (int i = 0; i < 10; ++i) {
    hero_action[i] = before[i];
    movement_x[i] = i * 8;
    movement_y[i] = 0;
  }
  make_fluent();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(hero_action[i], after[i]) << i;
}

TEST(Smoothing, ARefusedStepIsTakenOutOfThePositionsButKeepsItsCount) {
  test_support::fresh_game();
  // Steps to 8, 16, 16 (refused), 24; the rest hold the start position 0.
  const int xs[] = {8, 16, 16, 24};
  for (int i = 0; i < kPathSteps; ++i) {
    hero_action[i] = i < 4 ? 4 : 0;
    movement_x[i] = i < 4 ? xs[i] : 0;
    movement_y[i] = 0;
  }
  mov_nr = 4;
  make_fluent();
  EXPECT_EQ(mov_nr, 4);
  EXPECT_EQ(movement_x[0], 8);
  EXPECT_EQ(movement_x[1], 16);
  EXPECT_EQ(movement_x[2], 24);
  EXPECT_EQ(movement_x[3], 0);  // the position stored after the path's end
}

TEST(WallResponses, EachChangesOnlyTheCodesItNames) {
  test_support::fresh_game();
  struct Case {
    void (*response)();
    int code, new_code, dx, dy;
  };
  const Case cases[] = {
      {walk_a1, 7, 7, 0, -4},  {walk_a1, 8, 8, 0, -4},   {walk_a1, 5, 5, 0, 0},   {walk_a2, 6, 6, 0, 4},
      {walk_b1, 7, 7, 8, 0},   {walk_b2, 6, 6, -8, 0},   {walk_b2, 7, 7, 0, 0},   {walk_c1, 2, 7, -8, -4},
      {walk_c1, 8, 8, 0, -8},  {walk_c2, 1, 6, 8, 4},    {walk_c2, 5, 5, 0, 8},   {walk_d1, 4, 6, -8, -4},
      {walk_d1, 8, 8, -16, 0}, {walk_d2, 3, 7, 8, 4},    {walk_d2, 5, 5, 16, 0},  {walk_e1, 2, 8, 8, -4},
      {walk_e1, 7, 7, 0, -8},  {walk_e2, 1, 5, -8, 4},   {walk_e2, 6, 6, 0, 8},   {walk_f1, 3, 5, 8, -4},
      {walk_f1, 7, 7, 16, 0},  {walk_f2, 4, 8, -8, 4},   {walk_f2, 6, 6, -16, 0}, {walk_f2, 2, 2, 0, 0},
  };
  for (const Case& c : cases) {
    mov_nr = 3;
    hero_action[3] = c.code;
    x = 100;
    y = 100;
    c.response();
    EXPECT_EQ(hero_action[3], c.new_code) << c.code;
    EXPECT_EQ(x, 100 + c.dx) << c.code;
    EXPECT_EQ(y, 100 + c.dy) << c.code;
  }
}

TEST(HeroSprite, IsKeptInsideTheScreenAndShiftedForTheLeftTalk) {
  test_support::fresh_game();
  float_y = 1.0f;
  hero_width = 125;
  hero_length = 200;
  place_hero_sprite(630, 300);
  EXPECT_EQ(bmp_x, 510);
  EXPECT_EQ(bmp_y, 130);
  place_hero_sprite(10, 100);
  EXPECT_EQ(bmp_x, 5);
  EXPECT_EQ(bmp_y, 5);
}
