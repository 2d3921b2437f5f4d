// The main menu played from the program's start: the highlights, the eyes, the credits, starting a game with a
// quick click or a held button, quitting; and the words on its buttons and in the farewell.
#include <gtest/gtest.h>
#include "core/makers.h"
#include "core/world.h"
#include "game/game.h"
#include "menus/main_menu.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
// Share of the picture's opaque pixels found at (at_x, at_y) of the last frame.
double shown(BITMAP* picture, int at_x, int at_y) { return shown_share(headless::last_frame(), picture, at_x, at_y); }

int run_game() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  headless::set_time_limit(300000);
  return run_program([&] { game_main(1, argv); });
}

// Moves the pointer (buttons up) to (x, y) in a moment.
void point(int x, int y) { headless::mouse_at(headless::now() + 20, x, y, 0); }
bool pointer_at(int x, int y) { return mouse_x == x && mouse_y == y && mouse_b == 0; }
std::function<bool()> at(int x, int y) { return [x, y] { return pointer_at(x, y); }; }
}  // namespace

TEST(MainMenu, HighlightsEyesCreditsAndAQuickClickOnNewGame) {
  fresh_game();
  // Where the pointer goes and the lit button picture that must show there.
  struct Lit { int x, y; BITMAP** picture; int at_x, at_y; };
  const Lit lit[] = {{150, 175, &mm_new, 56, 152},  {150, 268, &mm_inst, 56, 245}, {150, 313, &mm_opti, 56, 291},
                     {150, 360, &mm_cred, 56, 339}, {160, 420, &mm_quit, 104, 396}};
  std::vector<double> lit_shown;
  double lit_in_gap = -1, eyes_open_shown = -1, eyes_closed_shown = -1, credits_shown = -1, quick_credits = -1,
         menu_back = -1;
  Player player;
  player.then(in_main_menu, [] { point(150, 175); });
  for (size_t i = 0; i < std::size(lit); ++i)
    player.then([&lit, i] { return pointer_at(lit[i].x, lit[i].y); },
                [&lit, &lit_shown, i] {
                  lit_shown.push_back(shown(*lit[i].picture, lit[i].at_x, lit[i].at_y));
                  if (i + 1 < std::size(lit)) point(lit[i + 1].x, lit[i + 1].y);
                  else point(150, 198);
                });
  player
      .then(at(150, 198),
            [&] {  // then the left button pressed in the gap between two areas
              lit_in_gap = shown(mm_new, 56, 152), eyes_open_shown = shown(eyes_open, 440, 270);
              headless::mouse_at(headless::now() + 1, 150, 199, 1);
            })
      .then([] { return mouse_b == 1; },
            [&] { eyes_closed_shown = shown(eyes_closed, 440, 270), point(150, 360); })
      // Credits, held: they show until the next click.
      .click_when(at(150, 360), 152, 360)
      .then(at(152, 360),
            [&] {
              credits_shown = std::min(shown(credits_coding, 2, 150), shown(credits_sound, 1, 310));
              headless::click(headless::now() + 50, 400, 100);
            })
      .then(at(400, 100), [] { point(400, 101); })
      // Credits again, with clicks that are not held.
      .then(at(400, 101),
            [&] { menu_back = shown(menu_bmp, 0, 0), headless::click(headless::now() + 20, 151, 360, 0); })
      .then(at(151, 360),
            [&] { quick_credits = shown(credits_coding, 2, 150), headless::click(headless::now() + 50, 401, 100, 0); })
      .then(at(401, 100), [] { headless::click(headless::now() + 50, 151, 175, 0); })
      .then(in_intro, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2) << "the quick click on New game started the game";
  ASSERT_EQ(lit_shown.size(), std::size(lit));
  for (size_t i = 0; i < lit_shown.size(); ++i) EXPECT_GT(lit_shown[i], 0.8) << "button " << i;
  EXPECT_LT(lit_in_gap, 0.8);
  for (double share : {eyes_open_shown, eyes_closed_shown, credits_shown, menu_back, quick_credits})
    EXPECT_GT(share, 0.9);
}

TEST(MainMenu, HoldingTheButtonWhileMovingOntoNewGameStartsTheGame) {
  fresh_game();
  Player().then(in_main_menu, [] {
    headless::mouse_at(headless::now() + 1, 400, 100, 1);
    headless::mouse_at(headless::now() + 40, 150, 175, 1);
    headless::mouse_at(headless::now() + 80, 150, 175, 0);
  }).then(in_intro, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
}

TEST(MainMenu, QuitWritesTheOptionsStopsTheMusicAndSaysFarewellWithStatusOne) {
  fresh_game(); write_file("options.sav", "11 22 33 1 \r\n  my first save");
  Player().click_when(in_main_menu, 160, 420); testing::internal::CaptureStdout();
  const int status = run_game();
  const std::string farewell = testing::internal::GetCapturedStdout();
  EXPECT_EQ(status, 1);
  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 17), "11 22 33 1 \r\n  my");
  EXPECT_EQ(disk.size(), 11u + 10 * 32);
  EXPECT_EQ(headless::sound().playing_midi, nullptr) << "the music stops first";
  EXPECT_TRUE(farewell[0] == '\n' && farewell.find("Credits:") != std::string::npos) << farewell;
}

TEST(MainMenu, EveryLabelFitsTheFaceBesideItsIconAndTheFarewellNamesTheMakers) {
  dialogue_support::load_font();
  for (int b = 0; b < screen_layout::kMenuButtonCount; ++b) {
    const screen_layout::Rect& hot = screen_layout::kMenuHot[b];
    // The icon takes the button's left end up to 8 + 26 pixels in, then a gap.
    const screen_layout::Rect face = screen_layout::label_space(hot);
    EXPECT_TRUE(face.x1 >= hot.x1 + 8 + 26 && face.x2 <= hot.x2) << b;
    const std::string label = menu_label(static_cast<MenuButton>(b));
    EXPECT_FALSE(label.empty());
    EXPECT_TRUE(text_length(pv_font, label.c_str()) <= face.width() && text_height(pv_font) <= face.height()) << label;
  }
  const std::vector<std::string> lines = farewell_lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0] + "|" + lines[2], "|Credits:");
  EXPECT_NE(lines[1].find(makers::kStudio), std::string::npos) << "the rights line";
  EXPECT_NE(lines[3].find(makers::kProgrammer), std::string::npos) << "programming, graphics, animations";
  for (const char* artist : makers::kArtists) EXPECT_NE(lines[4].find(artist), std::string::npos) << artist;
  EXPECT_NE(lines[5].find(makers::kComposer), std::string::npos);
  EXPECT_NE(lines[7].find("Pelvaro"), std::string::npos) << "thanks by the game's title";
}
