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
  EXPECT_EQ(hero_action[0], kStepUpLeft);
  for (int i = 1; i < mov_nr; ++i) EXPECT_EQ(hero_action[i], kStepUp) << i;
  EXPECT_EQ(movement_x[mov_nr - 1], 292);
  EXPECT_EQ(movement_y[mov_nr - 1], 256);
}

TEST_F(OpenFloor, EightyRightFortyDownIsElevenDownRightSteps) {
  walk_to(380, 340);
  EXPECT_EQ(mov_nr, 11);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(hero_action[i], kStepDownRight);
  EXPECT_EQ(movement_x[10], 388);
  EXPECT_EQ(movement_y[10], 344);
}

TEST_F(OpenFloor, AWaypointEqualToThePositionIsReachedWithOneUpLeftStep) {
  walk_to(300, 300);
  EXPECT_EQ(mov_nr, 1);
  EXPECT_EQ(hero_action[0], kStepUpLeft);
}

TEST_F(OpenFloor, AClickNearThePreviousTargetStartsNoNewPath) {
  walk_to(380, 340);
  reset_hero();  // even when the hero was stopped since
  walk_to(387, 343);
  EXPECT_EQ(mov_nr, kStanding);
  walk_to(388, 343);  // 8 px away: a new path
  EXPECT_LT(mov_nr, kStanding);
}

TEST_F(OpenFloor, APathOf200StepsOrMoreIsNotWalkedAtAll) {
  hero_x = 0;
  hero_y = 300;
  walk_to(1700, 300);  // 213 steps right
  EXPECT_EQ(mov_nr, kStanding);
  for (int i = 0; i < kPathSteps; ++i) {
    ASSERT_EQ(hero_action[i], kStepStand);
    ASSERT_EQ(movement_x[i], 0);
  }
  EXPECT_EQ(click_x2, 1700);
  // 199 steps still go.
  hero_x = 0;
  walk_to(1585, 304);
  EXPECT_EQ(mov_nr, kStanding);
  EXPECT_EQ(hero_action[198], kStepRight);
}

TEST(Smoothing, ZigZagPairsBecomeStraightStepsInOneDirectionOnly) {
  test_support::fresh_game();
  const int before[] = {kStepUpLeft,   kStepUpRight,   kStepUpRight,  kStepUpLeft,    kStepDownLeft,
                         kStepDownRight, kStepUpLeft,   kStepDownLeft, kStepUpRight,   kStepDownRight};
  const int after[] = {kStepUp,   kStepUp,   kStepUpRight, kStepUpLeft, kStepDown,
                       kStepDown, kStepLeft, kStepLeft,    kStepRight,  kStepRight};
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
    hero_action[i] = i < 4 ? kStepRight : kStepStand;
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
      {walk_a1, kStepDownLeft, kStepDownLeft, 0, -4},  {walk_a1, kStepDownRight, kStepDownRight, 0, -4},   {walk_a1, kStepUpLeft, kStepUpLeft, 0, 0},   {walk_a2, kStepUpRight, kStepUpRight, 0, 4},
      {walk_b1, kStepDownLeft, kStepDownLeft, 8, 0},   {walk_b2, kStepUpRight, kStepUpRight, -8, 0},   {walk_b2, kStepDownLeft, kStepDownLeft, 0, 0},   {walk_c1, kStepDown, kStepDownLeft, -8, -4},
      {walk_c1, kStepDownRight, kStepDownRight, 0, -8},  {walk_c2, kStepUp, kStepUpRight, 8, 4},    {walk_c2, kStepUpLeft, kStepUpLeft, 0, 8},   {walk_d1, kStepRight, kStepUpRight, -8, -4},
      {walk_d1, kStepDownRight, kStepDownRight, -16, 0}, {walk_d2, kStepLeft, kStepDownLeft, 8, 4},    {walk_d2, kStepUpLeft, kStepUpLeft, 16, 0},  {walk_e1, kStepDown, kStepDownRight, 8, -4},
      {walk_e1, kStepDownLeft, kStepDownLeft, 0, -8},  {walk_e2, kStepUp, kStepUpLeft, -8, 4},   {walk_e2, kStepUpRight, kStepUpRight, 0, 8},   {walk_f1, kStepLeft, kStepUpLeft, 8, -4},
      {walk_f1, kStepDownLeft, kStepDownLeft, 16, 0},  {walk_f2, kStepRight, kStepDownRight, -8, 4},   {walk_f2, kStepUpRight, kStepUpRight, -16, 0}, {walk_f2, kStepDown, kStepDown, 0, 0},
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
  test_support::ensure_allegro();
  float_y = 1.0f;
  hero_width = 125;
  hero_length = 200;
  place_hero_sprite(630, 300);
  EXPECT_EQ(bmp_x, 510);
  EXPECT_EQ(bmp_y, 130);
  place_hero_sprite(10, 100);
  EXPECT_EQ(bmp_x, 5);
  EXPECT_EQ(bmp_y, 5);

  // The talking-left animation is drawn 7 pixels left of where the others go.
  memory_screen = create_bitmap(640, 480);
  BITMAP* frame = create_bitmap(125, 200);
  clear_to_color(frame, makecol(255, 255, 0));
  move[0] = frame;
  hero_move_frame_nr = 1;
  hero_x = 300;
  hero_y = 300;
  auto leftmost_drawn = [] {
    clear_bitmap(memory_screen);
    mov_nr = 5;
    mov_nr1 = 0;
    move_frame_nr = 0;
    hero_action[0] = kStepSpecial;
    hero_frame();
    for (int px = 0; px < 640; ++px)
      if (getpixel(memory_screen, px, 250) != 0) return px;
    return -1;
  };
  hero_talkl_korrektur = 0;
  const int plain = leftmost_drawn();
  EXPECT_EQ(plain, 300 - 125 / 2);
  hero_talkl_korrektur = 1;
  EXPECT_EQ(leftmost_drawn(), plain - 7);
  move[0] = nullptr;
  destroy_bitmap(frame);
  destroy_bitmap(memory_screen);
  memory_screen = nullptr;
}
