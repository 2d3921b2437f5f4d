// The main menu: hot areas, highlights, the eyes, the credits and quitting.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "menus/main_menu.h"
#include "menus/makers.h"
#include "persistence/options.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

// Share of the picture's opaque pixels found at (at_x, at_y) of the last frame.
double shown_share(BITMAP* picture, int at_x, int at_y) {
  return test_support::shown_share(headless::last_frame(), picture, at_x, at_y);
}

int run_game() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

}  // namespace

TEST(MainMenu, HotAreasAreExclusiveBelowAndInclusiveAbove) {
  fresh_game();
  for (const screen_layout::Rect& a : screen_layout::kMenuHot) {
    mouse_x = a.x1 + 1;
    mouse_y = a.y1 + 1;
    EXPECT_TRUE(mouse_in(a));
    mouse_x = a.x2;
    mouse_y = a.y2;
    EXPECT_TRUE(mouse_in(a));
    mouse_x = a.x1;
    EXPECT_FALSE(mouse_in(a));
    mouse_x = a.x2;
    mouse_y = a.y2 + 1;
    EXPECT_FALSE(mouse_in(a));
  }
}

TEST(MainMenu, HighlightFollowsThePointerAndTheEyesCloseWhileTheButtonIsHeld) {
  fresh_game();
  double new_lit = -1, new_lit_in_gap = -1, quit_lit = -1, eyes_open_shown = -1, eyes_closed_shown = -1;
  Player player;
  player.then(in_main_menu, [] { headless::mouse_at(headless::now() + 1, 150, 175, 0); })
      .then([] { return headless::now() > 0 && mouse_y == 175; },
            [&] { headless::mouse_at(headless::now() + 20, 150, 198, 0); })
      .then([] { return mouse_y == 175; }, [&] { new_lit = shown_share(mm_new, 56, 152); })
      .then([] { return mouse_y == 198; },
            [&] {
              new_lit_in_gap = shown_share(mm_new, 56, 152);
              eyes_open_shown = shown_share(eyes_open, 440, 270);
              // Press the left button in the gap between two areas.
              headless::mouse_at(headless::now() + 1, 150, 199, 1);
            })
      .then([] { return mouse_b == 1; },
            [&] {
              eyes_closed_shown = shown_share(eyes_closed, 440, 270);
              headless::mouse_at(headless::now() + 1, 160, 420, 0);
            })
      .then([] { return mouse_y == 420; }, [&] {
        quit_lit = shown_share(mm_quit, 104, 396);
        headless::stop();
      });
  ASSERT_EQ(run_game(), -2);
  EXPECT_GT(new_lit, 0.8);
  EXPECT_LT(new_lit_in_gap, 0.8);
  EXPECT_GT(eyes_open_shown, 0.9);
  EXPECT_GT(eyes_closed_shown, 0.9);
  EXPECT_GT(quit_lit, 0.8);
}

TEST(MainMenu, CreditsShowUntilAClickThenTheMenuReturnsWithoutHighlight) {
  fresh_game();
  double credits_shown = -1, menu_back = -1;
  Player player;
  player.click_when(in_main_menu, 150, 360)
      .then([] { return headless::now() > 0 && mouse_b == 0 && mouse_y == 360; },
            [&] {
              credits_shown = std::min(shown_share(credits_coding, 2, 150), shown_share(credits_sound, 1, 310));
              headless::click(headless::now() + 50, 400, 100);
            })
      .then([] { return mouse_y == 100 && mouse_b == 0; },
            [&] {
              // Give the menu a few passes to come back.
              headless::mouse_at(headless::now() + 30, 400, 101, 0);
            })
      .then([] { return mouse_y == 101; }, [&] {
        menu_back = shown_share(menu_bmp, 0, 0);
        headless::stop();
      });
  ASSERT_EQ(run_game(), -2);
  EXPECT_GT(credits_shown, 0.9);
  EXPECT_GT(menu_back, 0.9);
}

TEST(MainMenu, QuitWritesTheOptionsAndEndsWithStatusOne) {
  fresh_game();
  write_file("options.sav", "11 22 33 1 \r\n  my first save");
  Player player;
  player.click_when(in_main_menu, 160, 420);
  testing::internal::CaptureStdout();
  const int status = run_game();
  const std::string farewell = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 1);
  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 17), "11 22 33 1 \r\n  my");
  EXPECT_EQ(disk.size(), 11u + 10 * 32);
  EXPECT_EQ(headless::sound().playing_midi, nullptr) << "the music stops first";
  EXPECT_NE(farewell.find("Credits:"), std::string::npos);
  EXPECT_EQ(farewell[0], '\n');
}

TEST(MainMenu, HoldingTheButtonWhileMovingOntoNewGameStartsTheGame) {
  fresh_game();
  Player player;
  player.then(in_main_menu, [] {
    headless::mouse_at(headless::now() + 1, 400, 100, 1);
    headless::mouse_at(headless::now() + 40, 150, 175, 1);
    headless::mouse_at(headless::now() + 80, 150, 175, 0);
  }).then(in_intro, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
}

// ---- Labels, the makers, quick clicks -----------------------------------------

TEST(MainMenu, EveryLabelFitsTheFaceBesideItsIcon) {
  fresh_game();
  DATAFILE* font = load_datafile("font.dat");
  ASSERT_NE(font, nullptr);
  FONT* game_font = static_cast<FONT*>(font[0].dat);
  for (int b = 0; b < screen_layout::kMenuButtonCount; ++b) {
    const screen_layout::Rect& hot = screen_layout::kMenuHot[b];
    // The icon takes the button's left end up to 8 + 26 pixels in, then a gap.
    const screen_layout::Rect face = screen_layout::label_space(hot);
    EXPECT_GE(face.x1, hot.x1 + 8 + 26) << b;
    EXPECT_LE(face.x2, hot.x2);
    const char* label = menu_label(static_cast<MenuButton>(b));
    ASSERT_NE(label, nullptr);
    EXPECT_GT(std::string(label).size(), 0u);
    EXPECT_LE(text_length(game_font, label), face.width()) << label;
    EXPECT_LE(text_height(game_font), face.height()) << label;
  }
  unload_datafile(font);
}

TEST(MainMenu, TheFarewellNamesTheMakersOfTheCredits) {
  const std::vector<std::string> lines = farewell_lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[2], "Credits:");
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  EXPECT_NE(lines[1].find(makers::kStudio), std::string::npos) << "the rights line";
  EXPECT_NE(lines[3].find(makers::kProgrammer), std::string::npos) << "programming, graphics, animations";
  for (const char* artist : makers::kArtists) EXPECT_NE(lines[4].find(artist), std::string::npos) << artist;
  EXPECT_NE(all.find(makers::kComposer), std::string::npos);
  EXPECT_NE(lines[7].find("Pelvaro"), std::string::npos) << "thanks by the game's title";
}

TEST(MainMenu, AClickWithoutHoldOnNewGameStartsTheGame) {
  fresh_game();
  Player player;
  player.click_when(in_main_menu, 150, 175, 0).then(in_intro, [] { headless::stop(); });
  headless::set_time_limit(300000);
  EXPECT_EQ(run_game(), -2);
}

TEST(MainMenu, AClickWithoutHoldClosesTheCredits) {
  fresh_game();
  double credits_shown = -1, menu_back = -1;
  Player player;
  player.click_when(in_main_menu, 150, 360, 0)
      .then([] { return headless::now() > 0 && mouse_b == 0 && mouse_y == 360; },
            [&] {
              credits_shown = shown_share(credits_coding, 2, 150);
              headless::click(headless::now() + 50, 400, 100, 0);
            })
      .then([] { return mouse_y == 100 && mouse_b == 0; },
            [] { headless::mouse_at(headless::now() + 30, 400, 101, 0); })
      .then([] { return mouse_y == 101; },
            [&] {
              menu_back = shown_share(menu_bmp, 0, 0);
              headless::stop();
            });
  headless::set_time_limit(300000);
  ASSERT_EQ(run_game(), -2);
  EXPECT_GT(credits_shown, 0.9);
  EXPECT_GT(menu_back, 0.9);
}
