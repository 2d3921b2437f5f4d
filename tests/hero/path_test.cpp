// The hero's path: steps of 8 px across and 4 px down, the 200-step limit, smoothing and the wall responses, asked
// on an open floor (a room name no room has: every step stands, the walk goes straight to the target).
#include <gtest/gtest.h>
#include <utility>
#include "core/world.h"
#include "hero/hero.h"
#include "support/test_support.h"

namespace {
struct Path : testing::Test {
  void SetUp() override { reset_world(), room_name = "open floor", click_x2 = click_y2 = -1000; }
  static void walk(int hx, int hy, int tx, int ty) {
    hero_x = hx, hero_y = hy, true_x = tx, true_y = ty; calc_coor();
  }
};

using StepRun = std::pair<int, int>;  // a step code, how many times in a row
}  // namespace

TEST_F(Path, StepsGoDiagonallyUntilOneCoordinateIsPassedThenStraight) {
  const struct { int tx, ty; std::vector<StepRun> steps; int end_x, end_y; } cases[] = {
      {300, 260, {{kStepUpLeft, 1}, {kStepUp, 10}}, 292, 256},  // straight up starts with an up-left step
      {380, 340, {{kStepDownRight, 11}}, 388, 344},
      {300, 300, {{kStepUpLeft, 1}}, 292, 296},  // the target under his feet: one step
      {200, 320, {{kStepDownLeft, 6}, {kStepLeft, 7}}, 196, 324},
      {400, 280, {{kStepUpRight, 6}, {kStepRight, 7}}, 404, 276},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "to " << c.tx << ", " << c.ty); click_x2 = click_y2 = -1000;
    walk(300, 300, c.tx, c.ty);
    std::vector<StepRun> got;
    for (int i = 0; i < mov_nr; ++i)
      if (!got.empty() && got.back().first == hero_action[i]) ++got.back().second;
      else got.push_back({hero_action[i], 1});
    EXPECT_EQ(got, c.steps);
    ASSERT_GT(mov_nr, 0);
    EXPECT_EQ(std::make_pair(movement_x[mov_nr - 1], movement_y[mov_nr - 1]), std::make_pair(c.end_x, c.end_y));
    EXPECT_EQ(movement_x[mov_nr], 300) << "after the path the start position is kept";
  }
}

TEST_F(Path, AClickWithin8AcrossAnd4DownOfTheLastTargetStartsNoNewPathUnlessTheHeroWasStoppedShort) {
  const struct { int tx, ty; bool new_path; } cases[] = {
      {387, 343, false}, {373, 337, false}, {388, 340, true}, {372, 340, true}, {380, 344, true}, {380, 336, true}};
  for (const auto& c : cases) {
    click_x2 = click_y2 = -1000; walk(300, 300, 380, 340);
    end_walk();  // even when that walk is over
    walk(300, 300, c.tx, c.ty);
    EXPECT_EQ(mov_nr < kStanding, c.new_path) << c.tx << ", " << c.ty;
  }
  // Stopped on his way (a remark, a scene, a talk), he forgets that walk: a click on its door sends him again.
  walk(300, 300, 380, 340), reset_hero(), walk(300, 300, 380, 340);
  EXPECT_LT(mov_nr, kStanding);
}

TEST_F(Path, APathOf200StepsOrMoreIsNotWalkedAtAll) {
  walk(0, 300, 1700, 300);  // 213 steps right
  EXPECT_EQ(mov_nr, kStanding);
  for (int i = 0; i < kPathSteps; ++i) ASSERT_EQ(std::make_pair(hero_action[i], movement_x[i]), std::make_pair(+kStepStand, 0)) << i;
  EXPECT_EQ(click_x2, 1700);
  // 199 steps still go (and 199 is the count that means standing).
  walk(0, 300, 1585, 304);
  EXPECT_EQ(mov_nr, 199);
  EXPECT_EQ(std::make_pair(hero_action[198], movement_x[198]), std::make_pair(+kStepRight, 1592));
}

TEST_F(Path, SmoothingMakesZigZagPairsStraightInOneDirectionOnlyAndDropsARefusedStepButNotItsCount) {
  constexpr int U = kStepUp, D = kStepDown, L = kStepLeft, R = kStepRight;
  constexpr int UL = kStepUpLeft, UR = kStepUpRight, DL = kStepDownLeft, DR = kStepDownRight;
  const int before[] = {UL, UR, UR, UL, DL, DR, UL, DL, UR, DR}, after[] = {U, U, UR, UL, D, D, L, L, R, R};
  for (int i = 0; i < 10; ++i) hero_action[i] = before[i], movement_x[i] = i * 8;
  make_fluent();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(hero_action[i], after[i]) << i;
  // Steps to 8, 16, 16 (refused), 24; the rest hold the start position 0.
  const int xs[] = {8, 16, 16, 24};
  for (int i = 0; i < kPathSteps; ++i) hero_action[i] = kStepStand, movement_x[i] = i < 4 ? xs[i] : 0;
  for (int i = 0; i < 4; ++i) hero_action[i] = kStepRight;
  mov_nr = 4; make_fluent();
  EXPECT_EQ((std::vector<int>{mov_nr, movement_x[0], movement_x[1], movement_x[2], movement_x[3]}),
            (std::vector<int>{4, 8, 16, 24, 0}));
}

// Each wall response changes the codes it names (to the new code and by the shift given) and leaves the others.
TEST_F(Path, EachWallResponseChangesOnlyTheStepsItNames) {
  constexpr int U = kStepUp, D = kStepDown, L = kStepLeft, R = kStepRight;
  constexpr int UL = kStepUpLeft, UR = kStepUpRight, DL = kStepDownLeft, DR = kStepDownRight;
  struct Change { int code, new_code, dx, dy; };
  const struct { const char* name; void (*response)(int&, int&); std::vector<Change> changes; } responses[] = {
      {"a1", walk_a1, {{DL, DL, 0, -4}, {DR, DR, 0, -4}}}, {"a2", walk_a2, {{UL, UL, 0, 4}, {UR, UR, 0, 4}}},
      {"b1", walk_b1, {{UL, UL, 8, 0}, {DL, DL, 8, 0}}}, {"b2", walk_b2, {{UR, UR, -8, 0}, {DR, DR, -8, 0}}},
      {"c1", walk_c1, {{D, DL, -8, -4}, {DL, DL, 0, -4}, {DR, DR, 0, -8}, {R, R, 0, -4}}},
      {"c2", walk_c2, {{U, UR, 8, 4}, {UR, UR, 0, 4}, {UL, UL, 0, 8}, {L, L, 0, 4}}},
      {"d1", walk_d1, {{R, UR, -8, -4}, {UR, UR, -8, 0}, {DR, DR, -16, 0}, {D, D, -8, 0}}},
      {"d2", walk_d2, {{L, DL, 8, 4}, {DL, DL, 8, 0}, {UL, UL, 16, 0}, {U, U, 8, 0}}},
      {"e1", walk_e1, {{D, DR, 8, -4}, {DR, DR, 0, -4}, {DL, DL, 0, -8}, {L, L, 0, -4}}},
      {"e2", walk_e2, {{U, UL, -8, 4}, {UL, UL, 0, 4}, {UR, UR, 0, 8}, {R, R, 0, 4}}},
      {"f1", walk_f1, {{L, UL, 8, -4}, {UL, UL, 8, 0}, {DL, DL, 16, 0}, {D, D, 8, 0}}},
      {"f2", walk_f2, {{R, DR, -8, 4}, {DR, DR, -8, 0}, {UR, UR, -16, 0}, {U, U, -8, 0}}},
  };
  for (const auto& r : responses)
    for (int code = kStepStand; code <= kStepDownRight; ++code) {
      Change want{code, code, 0, 0};
      for (const Change& c : r.changes)
        if (c.code == code) want = c;
      mov_nr = 3; hero_action[3] = code;
      int x = 100, y = 100; r.response(x, y);
      EXPECT_EQ((std::vector<int>{hero_action[3], x, y}), (std::vector<int>{want.new_code, 100 + want.dx, 100 + want.dy}))
          << "walk_" << r.name << ", code " << code;
    }
}

TEST(HeroSprite, IsKeptInsideTheScreenAndDrawn7PixelsFurtherLeftWhenTalkingLeft) {
  test_support::fresh_game(); test_support::ensure_allegro();
  float_y = 1.0f, hero_width = 125, hero_length = 200; place_hero_sprite(630, 300);
  EXPECT_EQ(std::make_pair(bmp_x, bmp_y), std::make_pair(510, 130));
  place_hero_sprite(10, 100);
  EXPECT_EQ(std::make_pair(bmp_x, bmp_y), std::make_pair(5, 5));
  memory_screen = create_bitmap(640, 480); move[0] = create_bitmap(125, 200);
  clear_to_color(move[0], makecol(255, 255, 0)); hero_move_frame_nr = 1, hero_x = hero_y = 300;
  for (int shift : {0, 1}) {
    clear_bitmap(memory_screen);
    mov_nr = 5, mov_nr1 = 0, move_frame_nr = 0, hero_action[0] = kStepSpecial, hero_talkl_korrektur = shift;
    hero_frame();
    int leftmost = 0;
    while (leftmost < 640 && getpixel(memory_screen, leftmost, 250) == 0) ++leftmost;
    EXPECT_EQ(leftmost, 300 - 125 / 2 - 7 * shift);
  }
  destroy_bitmap(move[0]), destroy_bitmap(memory_screen);
  move[0] = nullptr, memory_screen = nullptr;
}
