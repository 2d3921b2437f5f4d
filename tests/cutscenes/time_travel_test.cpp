// The time machine's energy effect on a buffer of its own: the beams that
// build up over the charging stages, the flashes, the white screen and the
// fade to black.
#include <gtest/gtest.h>

#include <allegro.h>

#include "cutscenes/player.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace {

constexpr int kWhite = 65535;
constexpr int kBlue = 31;

int rgb16(int r, int g6, int b) { return (r << 11) | (g6 << 5) | b; }

class TimeTravel : public testing::Test {
 protected:
  void SetUp() override {
    test_support::ensure_allegro();
    saved_ = memory_screen;
    memory_screen = create_bitmap_ex(16, 640, 480);
    clear_to_color(memory_screen, 0);
    hue = 0;
  }
  void TearDown() override {
    destroy_bitmap(memory_screen);
    memory_screen = saved_;
    video_timetravel = 0;
    video_loop = 0;
  }
  // One frame of the effect at stage `s`, frame `f` of its shot.
  static void frame(int s, int f) {
    video_timetravel = s;
    video_loop = f;
    time_travel();
  }
  // Whether any pixel of the rectangle has colour `c`.
  static bool any(int x1, int y1, int x2, int y2, int c) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x)
        if (getpixel(memory_screen, x, y) == c) return true;
    return false;
  }
  static int px(int x, int y) { return getpixel(memory_screen, x, y); }

  struct Seen {
    bool glow, beam1, beam2, beam3, beam4, lines;
  };
  // What of the effect is on a black buffer after one frame.
  static Seen seen_at(int s, int f, int lit = kWhite) {
    clear_to_color(memory_screen, 0);
    frame(s, f);
    return {px(346, 200) == lit,
            any(0, 164, 20, 176, lit),
            any(174, 200, 191, 230, lit),
            any(210, 199, 342, 201, lit),
            any(345, 210, 347, 250, lit),
            any(316, 248, 344, 250, s >= 3 ? rgb16(16, 32, 31) : kBlue)};
  }

  BITMAP* saved_ = nullptr;
};

TEST_F(TimeTravel, AFlashDarkensOddStagesAndBrightensEvenOnesChannelByChannel) {
  // A white screen darkened once is a grey, not black.
  clear_to_color(memory_screen, kWhite);
  frame(3, 1);
  EXPECT_EQ(px(600, 400), rgb16(15, 31, 15));
  EXPECT_EQ(px(0, 0), rgb16(15, 31, 15));
  EXPECT_EQ(px(639, 479), rgb16(15, 31, 15));
  EXPECT_EQ(video_timetravel, 4);
  EXPECT_EQ(hue, kWhite);

  // Black brightened: 16 in red and blue, the upper five green bits 16.
  clear_to_color(memory_screen, 0);
  frame(4, 2);
  EXPECT_EQ(px(600, 400), rgb16(16, 32, 16));
  EXPECT_EQ(video_timetravel, 5);

  // Steps past the top or the bottom stop there; green's lowest bit stays
  // unless the channel is cleared or filled whole.
  putpixel(memory_screen, 500, 400, rgb16(20, 0b110001, 10));  // green read as 24
  putpixel(memory_screen, 501, 400, rgb16(17, 0b100001, 16));  // green read as 16
  frame(5, 3);
  EXPECT_EQ(px(500, 400), rgb16(4, 0b010001, 0));
  EXPECT_EQ(px(501, 400), rgb16(1, 0, 0));
  putpixel(memory_screen, 500, 400, rgb16(20, 0b100001, 15));  // green read as 16
  putpixel(memory_screen, 501, 400, rgb16(15, 0b011111, 16));  // green read as 15
  frame(6, 4);
  EXPECT_EQ(px(500, 400), rgb16(31, 63, 31));
  EXPECT_EQ(px(501, 400), rgb16(31, 0b111111, 31));
}

TEST_F(TimeTravel, FlashingEndsAtStageHundredWhichFillsTheScreenWithWhite) {
  clear_to_color(memory_screen, 1234);
  frame(99, 7);
  EXPECT_EQ(video_timetravel, 100);
  EXPECT_EQ(hue, kWhite);
  // The stage stays at 100 and every pixel becomes white.
  for (int f = 1; f <= 3; ++f) {
    frame(100, f);
    EXPECT_EQ(video_timetravel, 100);
  }
  for (int y : {0, 200, 479})
    for (int x : {0, 346, 639}) EXPECT_EQ(px(x, y), kWhite) << x << "," << y;
}

TEST_F(TimeTravel, TheFadeTakesSixteenFramesFromWhiteDownToNearlyBlackAndNeverBelowZero) {
  hue = kWhite;
  std::vector<int> shown;
  for (int f = 1; f <= 16; ++f) {
    frame(200, f);
    shown.push_back(px(600, 400));
    EXPECT_EQ(px(0, 0), shown.back());
    EXPECT_GE(hue, 0);
  }
  EXPECT_EQ(shown.front(), kWhite);
  EXPECT_EQ(shown[1], kWhite - 4226);
  EXPECT_EQ(shown.back(), 2145);
  EXPECT_EQ(hue, 0);
  frame(200, 17);
  EXPECT_EQ(px(600, 400), 0);
  EXPECT_EQ(hue, 0);
  EXPECT_EQ(video_timetravel, 200);
}

TEST_F(TimeTravel, TheBeamsBuildUpByStageAndByFrameOfTheShot) {
  // Stage 1: beam 1 from the first frame, beam 2 from the fifth, beam 3 from
  // the tenth; no glow, no beam 4, no lines.
  for (int f = 1; f <= 4; ++f) {
    const Seen s = seen_at(1, f);
    EXPECT_TRUE(s.beam1) << f;
    EXPECT_FALSE(s.beam2 || s.beam3 || s.beam4 || s.glow || s.lines) << f;
  }
  Seen s = seen_at(1, 5);
  EXPECT_TRUE(s.beam1 && s.beam2);
  EXPECT_FALSE(s.beam3 || s.beam4 || s.glow || s.lines);
  s = seen_at(1, 10);
  EXPECT_TRUE(s.beam1 && s.beam2 && s.beam3);
  EXPECT_FALSE(s.beam4 || s.glow || s.lines);

  // Stage 2: glow and beams 1 to 3 at once, beam 4 from the fifth frame, the
  // five lines from the tenth.
  s = seen_at(2, 1);
  EXPECT_TRUE(s.glow && s.beam1 && s.beam2 && s.beam3);
  EXPECT_FALSE(s.beam4 || s.lines);
  s = seen_at(2, 5);
  EXPECT_TRUE(s.beam4);
  EXPECT_FALSE(s.lines);
  s = seen_at(2, 10);
  EXPECT_TRUE(s.glow && s.beam1 && s.beam2 && s.beam3 && s.beam4 && s.lines);
  // The glow's rings: white inside, light blue, then blue at the rim.
  EXPECT_EQ(px(346 + 4, 200), 33823);
  EXPECT_EQ(px(346 + 5, 200), kBlue);
  EXPECT_EQ(px(346 + 6, 200), 0);

  // Flashing stages draw everything before the flash, from the first frame.
  s = seen_at(4, 1);
  EXPECT_TRUE(s.glow && s.beam1 && s.beam2 && s.beam3 && s.beam4 && s.lines);
}

}  // namespace
