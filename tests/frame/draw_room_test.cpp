// Composing a room frame: depth order, the hero's scale, animation timing.
#include <gtest/gtest.h>
#include "core/world.h"
#include "frame/draw_room.h"
#include "hero/hero.h"
#include "support/test_support.h"

namespace {
// A room of plain coloured rectangles and a hero of one colour, so that the
// colour left at a pixel tells what was painted last there.
class Composition : public testing::Test {
 protected:
  void SetUp() override {
    test_support::fresh_game(), memory_screen = create_bitmap(640, 480);
    room_graph = make(640, 480, makecol(10, 10, 10)), stand_frame = make(125, 200, kHero);
    min_hero_length = 1.0f, increase_rate = 1e9f;  // scale 1.0 everywhere
    mov_nr = kStanding, mov_nr1 = 0, hidebuttons = 1;
  }
  void TearDown() override { for (BITMAP* b : made_) destroy_bitmap(b); }
  BITMAP* make(int w, int h, int colour) {
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, colour), made_.push_back(b);
    return b;
  }
  void add_object(int i, int x0, int y0, int w, int h, int colour) {
    furni_nr = i + 1, furni_present[i] = 1, furniture[i][0] = make(w, h, colour);
    furni_x[i][0] = x0, furni_y[i][0] = y0, furni_frame_nr[i] = furni_blit[i][0] = 1;
  }
  static int at(int px, int py) { return getpixel(memory_screen, px, py); }

  const int kHero = makecol(200, 200, 200);
  std::vector<BITMAP*> made_;
};
}  // namespace

TEST_F(Composition, TheHeroIsPaintedByTheDepthLineOfHisFeetAmongTheObjectsBesideHim) {
  hero_x = 300, hero_y = 290;  // D = 320
  const int upper = makecol(255, 0, 0), lower = makecol(0, 0, 255);
  add_object(0, 200, 200, 200, 100, upper);  // 200..300: the hero's line is below it
  add_object(1, 200, 300, 200, 50, lower);   // 300..350: contains 320
  draw_room();
  // The hero (120..320 tall at x 238..363) is painted after the first object
  // and before the second.
  EXPECT_EQ((std::vector<int>{at(300, 250), at(300, 310)}), (std::vector<int>{kHero, lower}));  // over, under
  // An object left of him (x 100..300, lower edge 400 below his line) does not hide him.
  hero_x = 400, hero_y = 290;  // sprite x 338..463
  add_object(0, 100, 200, 200, 200, upper);
  draw_room();
  EXPECT_EQ((std::vector<int>{at(400, 250), at(150, 250)}), (std::vector<int>{kHero, upper}));
  // Below every object: painted over everything.
  hero_x = 200, hero_y = 440, draw_room();
  EXPECT_EQ(at(200, 350), kHero);
}

TEST_F(Composition, TheHeroIsKeptOnScreenAndHisScaleIsHeldAt1Point3) {
  min_hero_length = 0.0f, increase_rate = 100.0f;  // scale 4.4 at y 440 before the clamp
  hero_x = 3, hero_y = 500;
  draw_room();
  EXPECT_EQ((std::vector<int>{hero_x, hero_y, hero_length, hero_width}), (std::vector<int>{5, 440, 259, 162}));
  EXPECT_FLOAT_EQ(float_y, 1.3f);
}

TEST_F(Composition, FrameDurationsDriveTheAnimationsEvenOfAbsentThings) {
  add_object(0, 0, 0, 10, 10, makecol(1, 2, 3)); furni_frame_nr[0] = 3;
  for (int f = 1; f < 3; ++f) furniture[0][f] = furniture[0][0], furni_blit[0][f] = 1;
  furni_blit[0][0] = 2, furni_present[0] = 0;  // absent: not drawn, but its animation runs
  std::vector<int> frames;
  for (int i = 0; i < 6; ++i) draw_room(), frames.push_back(mov_furni_nr[0]);
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 0, 0, 1}));
  EXPECT_NE(at(5, 5), makecol(1, 2, 3));
  // A duration of 0 holds its frame for good.
  furni_blit[0][1] = 0;
  for (int i = 0; i < 10; ++i) draw_room();
  EXPECT_EQ(mov_furni_nr[0], 1);
}

TEST_F(Composition, TenObjectsAndTenPersonsFillTheDrawListExactly) {
  for (int i = 0; i < 10; ++i) {
    add_object(i, i * 20, 10, 10, 10, makecol(5, 5, 5));
    person_nr = i + 1, person[i][0] = furniture[i][0];
    person_present[i] = person_frame_nr[i] = person_blit[i][0] = 1;
  }
  mix_nr = 0, manage_furniture(), non_player_characters();
  EXPECT_EQ(mix_nr, 20);
}
