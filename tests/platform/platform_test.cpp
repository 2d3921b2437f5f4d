// The window fitted to the desktop, the mouse taken back into the 640 x 480 picture, and the mouse as the
// game sees it: steady between polls, and no press lost between two of them.
#include <gtest/gtest.h>
#include "platform/platform.h"
#include "platform/window_fit.h"
#include "support/test_support.h"

using namespace window_fit;

TEST(WindowFit, TheLargestWholeScaleWhoseWindowFitsTheDesktop) {
  const struct { int w, h, window, screen; } cases[] = {
      {800, 600, 1, 1}, {1366, 768, 1, 1}, {1920, 1080, 2, 2}, {3840, 2160, 4, 4}, {640, 480, 1, 1},
      // The window's frame needs room that the full screen does not; smaller or unknown: the plain window.
      {1280, 960, 1, 2}, {2560, 1440, 2, 3}, {640, 400, 1, 1}, {0, 0, 1, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(std::pair(largest_window_scale(c.w, c.h), largest_screen_scale(c.w, c.h)), std::pair(c.window, c.screen))
        << c.w << " x " << c.h;
  EXPECT_EQ(largest_window_scale(100000, 100000), 8) << "never more than the largest factor offered";
  const auto p = centred(1920, 1080, 2), q = centred(640, 480, 1);
  EXPECT_EQ(std::vector<int>({p.scale, p.x, p.y, q.x, q.y}), std::vector<int>({2, 320, 60, 0, 0}));
}

TEST(WindowFit, TheMouseInTheScaledWindowOrOnTheBorderStandsOnThePicture) {
  const struct { int at, offset, shown, size, game; } cases[] = {
      // A 1280 x 960 window (scale 2), a 1920 x 1440 window (scale 3), the plain one.
      {0, 0, 1280, 640, 0},   {1, 0, 1280, 640, 0},   {1279, 0, 1280, 640, 639}, {959, 0, 960, 480, 479},
      {1919, 0, 1920, 640, 639}, {1439, 0, 1440, 480, 479}, {3, 0, 1920, 640, 1}, {639, 0, 640, 640, 639},
      {123, 0, 640, 640, 123},
      // 1920 x 1080 full screen, the picture doubled at (320, 60): on the
      // black border the mouse stands on the nearest edge.
      {0, 320, 1280, 640, 0},    {320, 320, 1280, 640, 0},  {321, 320, 1280, 640, 0},  {322, 320, 1280, 640, 1},
      {1599, 320, 1280, 640, 639}, {1600, 320, 1280, 640, 639}, {1919, 320, 1280, 640, 639}, {59, 60, 960, 480, 0},
      {1019, 60, 960, 480, 479}, {1020, 60, 960, 480, 479}, {1079, 60, 960, 480, 479},
      // Filling 1280 x 800 (1064 x 798 from x 108): 5 screen pixels show 3 of the game's. The game's pixel 1
      // covers 1.66 .. 3.33 from the picture's edge: of the screen's pixels only 110 (its middle at 2.5) is on it.
      {108, 108, 1064, 640, 0}, {109, 108, 1064, 640, 0}, {110, 108, 1064, 640, 1}, {111, 108, 1064, 640, 2},
      {112, 108, 1064, 640, 2}, {1171, 108, 1064, 640, 639}, {1172, 108, 1064, 640, 639}, {797, 0, 798, 480, 479},
      // Filling 1920 x 1080 (1440 x 1080 from x 240): 9 screen pixels show 4.
      {240, 240, 1440, 640, 0}, {241, 240, 1440, 640, 0}, {242, 240, 1440, 640, 1}, {1679, 240, 1440, 640, 639}};
  for (const auto& c : cases)
    EXPECT_EQ(to_game(c.at, c.offset, c.shown, c.size), c.game) << c.at << " at " << c.offset << ", shown " << c.shown;
}

// Fill: the largest 4:3 picture the screen holds, in its middle, with the largest whole factor within it.
TEST(WindowFit, FillTakesTheLargestFourToThreePictureTheScreenHolds) {
  const struct { int w, h; Placement p; } cases[] = {
      {1280, 800, {1, 108, 1, 1064, 798}},   {1920, 1080, {2, 240, 0, 1440, 1080}}, {2560, 1440, {3, 320, 0, 1920, 1440}},
      {3440, 1440, {3, 760, 0, 1920, 1440}}, {1024, 768, {1, 0, 0, 1024, 768}},      {800, 1280, {1, 0, 340, 800, 600}},
      {640, 480, {1, 0, 0, 640, 480}},       {600, 400, {1, 0, 0, 640, 480}},        {0, 0, {1, 0, 0, 640, 480}}};
  for (const auto& c : cases) {
    const Placement p = filled(c.w, c.h);
    EXPECT_EQ(std::vector<int>({p.scale, p.x, p.y, p.w, p.h}), std::vector<int>({c.p.scale, c.p.x, c.p.y, c.p.w, c.p.h}))
        << c.w << " x " << c.h;
  }
  EXPECT_TRUE(filled(2560, 1440).whole() && !filled(1920, 1080).whole() && centred(1920, 1080, 2).whole());
  // A window keeps the frame's room (40 x 80) free: 1280 x 800 gives a 960 x 720 window.
  const Placement win = filled_window(1280, 800);
  EXPECT_EQ(std::vector<int>({win.w, win.h, win.x, win.y}), std::vector<int>({960, 720, 0, 0}));
}

// The mouse on a filled screen: the picture's corners and middle, and the black border beyond them, land on
// the game's corner pixels and its middle (320, 240); every game pixel's place on the screen comes back to it.
TEST(WindowFit, OnAFilledScreenTheMouseLandsOnTheGamesPixels) {
  // The picture as the rule places it: the largest 4:3 size, its height a multiple of 3, centred.
  const struct { int w, h, x, y, shown_w, shown_h; } screens[] = {
      {1280, 800, 108, 1, 1064, 798}, {1920, 1080, 240, 0, 1440, 1080},
      {2560, 1440, 320, 0, 1920, 1440}, {3440, 1440, 760, 0, 1920, 1440}};
  for (const auto& s : screens) {
    const Placement p = filled(s.w, s.h);
    ASSERT_EQ(std::vector<int>({p.x, p.y, p.w, p.h}), std::vector<int>({s.x, s.y, s.shown_w, s.shown_h})) << s.w;
    const auto game = [&](int sx, int sy) {
      return std::pair(to_game(sx, p.x, p.w, kGameWidth), to_game(sy, p.y, p.h, kGameHeight));
    };
    const int right = s.x + s.shown_w - 1, bottom = s.y + s.shown_h - 1;
    const struct { int sx, sy, gx, gy; } points[] = {
        {s.x, s.y, 0, 0},      {right, s.y, 639, 0},   {s.x, bottom, 0, 479}, {right, bottom, 639, 479},
        {s.x + s.shown_w / 2, s.y + s.shown_h / 2, 320, 240},
        // The border: the screen's own corners stand on the picture's.
        {0, 0, 0, 0},          {s.w - 1, s.h - 1, 639, 479}, {s.w - 1, 0, 639, 0}, {0, s.h - 1, 0, 479}};
    for (const auto& q : points)
      EXPECT_EQ(game(q.sx, q.sy), std::pair(q.gx, q.gy)) << s.w << " x " << s.h << " at " << q.sx << ", " << q.sy;
    int lost = 0;
    for (int x = 0; x < kGameWidth; ++x) lost += to_game(to_screen(x, p.x, p.w, kGameWidth), p.x, p.w, kGameWidth) != x;
    for (int y = 0; y < kGameHeight; ++y)
      lost += to_game(to_screen(y, p.y, p.h, kGameHeight), p.y, p.h, kGameHeight) != y;
    EXPECT_EQ(lost, 0) << s.w << " x " << s.h << ": game pixels whose place on the screen leads elsewhere";
  }
}

// Moves the clock past `ms` without polling the mouse.
static void wait_until(int ms) { while (headless::now() < ms) platform_clock_ms(); }

TEST(MouseLatch, APressBetweenTwoPollsReadsAsDownInOnePollAndAHeldOneUntilLetGo) {
  test_support::fresh_game(); headless::click(10, 100, 200, 0);
  wait_until(20);
  EXPECT_EQ(std::vector<int>({mouse_b, mouse_x}), std::vector<int>({0, 0})) << "the mouse changes only when polled";
  platform_poll_mouse();
  EXPECT_EQ(std::vector<int>({mouse_b, mouse_x, mouse_y}), std::vector<int>({1, 100, 200}));
  platform_poll_mouse();
  EXPECT_EQ(mouse_b, 0) << "and only once";
  // The right button the same way.
  headless::mouse_at(headless::now() + 5, 100, 200, 2);
  headless::mouse_at(headless::now() + 6, 100, 200, 0); wait_until(headless::now() + 10);
  platform_poll_mouse();
  const int right = mouse_b;
  platform_poll_mouse();
  EXPECT_EQ(std::pair(right, mouse_b), std::pair(2, 0));

  // Held from 200 to 300: down at every poll, up at the first after.
  headless::mouse_at(200, 50, 60, 1), headless::mouse_at(300, 50, 60, 0), wait_until(200);
  int polls = 0;
  for (; headless::now() < 299; ++polls) {
    platform_poll_mouse();
    ASSERT_EQ(mouse_b, 1) << "at " << headless::now();
  }
  EXPECT_GT(polls, 40);
  wait_until(300), platform_poll_mouse();
  EXPECT_EQ(mouse_b, 0) << "a release with no press since the last poll shows at once";
}
