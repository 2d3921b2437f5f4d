// The window fitted to the desktop, and the mouse taken back into the
// 640 x 480 picture.
#include <gtest/gtest.h>

#include "platform/window_fit.h"

using window_fit::centred;
using window_fit::largest_screen_scale;
using window_fit::largest_window_scale;
using window_fit::to_game;

TEST(WindowFit, TheLargestWholeScaleWhoseWindowAndFrameFitTheDesktop) {
  EXPECT_EQ(largest_window_scale(800, 600), 1);
  EXPECT_EQ(largest_window_scale(1366, 768), 1) << "960 rows do not fit 768";
  EXPECT_EQ(largest_window_scale(1920, 1080), 2) << "1280 x 960 with its frame";
  EXPECT_EQ(largest_window_scale(3840, 2160), 4) << "2560 x 1920 with its frame";
  // The frame needs room: a desktop exactly as tall as the doubled picture keeps scale 1.
  EXPECT_EQ(largest_window_scale(1280, 960), 1);
  EXPECT_EQ(largest_window_scale(2560, 1440), 2);
  // Smaller than the picture, or unknown: the plain window.
  EXPECT_EQ(largest_window_scale(640, 400), 1);
  EXPECT_EQ(largest_window_scale(0, 0), 1);
  // Never more than the largest factor offered.
  EXPECT_EQ(largest_window_scale(100000, 100000), window_fit::kMaxScale);
}

TEST(WindowFit, TheFullScreenNeedsNoFrameAndCentresThePicture) {
  EXPECT_EQ(largest_screen_scale(1280, 960), 2);
  EXPECT_EQ(largest_screen_scale(1920, 1080), 2);
  EXPECT_EQ(largest_screen_scale(640, 480), 1);
  EXPECT_EQ(largest_screen_scale(3840, 2160), 4);
  const auto p = centred(1920, 1080, 2);
  EXPECT_EQ(p.scale, 2);
  EXPECT_EQ(p.x, 320);
  EXPECT_EQ(p.y, 60);
  const auto q = centred(640, 480, 1);
  EXPECT_EQ(q.x, 0);
  EXPECT_EQ(q.y, 0);
}

TEST(WindowFit, TheEdgesOfTheScaledWindowAreTheEdgesOfThePicture) {
  // A 1280 x 960 window (scale 2).
  EXPECT_EQ(to_game(0, 0, 2, 640), 0);
  EXPECT_EQ(to_game(1, 0, 2, 640), 0);
  EXPECT_EQ(to_game(1279, 0, 2, 640), 639);
  EXPECT_EQ(to_game(0, 0, 2, 480), 0);
  EXPECT_EQ(to_game(959, 0, 2, 480), 479);
  // A 1920 x 1440 window (scale 3).
  EXPECT_EQ(to_game(1919, 0, 3, 640), 639);
  EXPECT_EQ(to_game(1439, 0, 3, 480), 479);
  EXPECT_EQ(to_game(3, 0, 3, 640), 1);
  // The plain window is the picture itself.
  EXPECT_EQ(to_game(639, 0, 1, 640), 639);
  EXPECT_EQ(to_game(123, 0, 1, 640), 123);
}

TEST(WindowFit, OnTheBlackBorderTheMouseStandsOnTheNearestEdge) {
  // 1920 x 1080 full screen, picture doubled at (320, 60).
  EXPECT_EQ(to_game(0, 320, 2, 640), 0);
  EXPECT_EQ(to_game(320, 320, 2, 640), 0);
  EXPECT_EQ(to_game(321, 320, 2, 640), 0);
  EXPECT_EQ(to_game(322, 320, 2, 640), 1);
  EXPECT_EQ(to_game(1599, 320, 2, 640), 639);
  EXPECT_EQ(to_game(1919, 320, 2, 640), 639);
  EXPECT_EQ(to_game(59, 60, 2, 480), 0);
  EXPECT_EQ(to_game(1019, 60, 2, 480), 479);
  EXPECT_EQ(to_game(1079, 60, 2, 480), 479);
}
