// The main menu played from the program's start: the highlights, the eyes, the credits and the ways out of them,
// starting a game with a quick click or a held button, quitting; and the words on its buttons and in the farewell.
#include <gtest/gtest.h>
#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/makers.h"
#include "core/sounds.h"
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
      // Credits, held: the cards 110 pixels from the left, until Back is clicked.
      .click_when(at(150, 360), 152, 360)
      .then(at(152, 360),
            [&] {
              credits_shown = std::min(shown(credits_coding, 110, 150), shown(credits_sound, 110, 310));
              headless::click(headless::now() + 50, 320, 420);
            })
      .then(at(320, 420), [] { point(320, 421); })
      // Credits again, with clicks that are not held.
      .then(at(320, 421),
            [&] { menu_back = shown(menu_bmp, 0, 0), headless::click(headless::now() + 20, 151, 360, 0); })
      .then(at(151, 360),
            [&] { quick_credits = shown(credits_coding, 110, 150), headless::click(headless::now() + 50, 321, 420, 0); })
      .then(at(321, 420), [] { headless::click(headless::now() + 50, 151, 175, 0); })
      .then(in_intro, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2) << "the quick click on New game started the game";
  ASSERT_EQ(lit_shown.size(), std::size(lit));
  for (size_t i = 0; i < lit_shown.size(); ++i) EXPECT_GT(lit_shown[i], 0.8) << "button " << i;
  EXPECT_LT(lit_in_gap, 0.8);
  for (double share : {eyes_open_shown, eyes_closed_shown, credits_shown, menu_back, quick_credits})
    EXPECT_GT(share, 0.9);
}

// The credits leave by Back (lit under the pointer, with the buttons' sound), by Escape or by a right click
// anywhere; a left click beside Back leaves them standing.
TEST(MainMenu, TheCreditsLeaveByBackEscapeOrARightClickAndNotByAClickBesideBack) {
  fresh_game();
  double back_lit = -1;
  double after_click_beside = -1;
  std::string ways;  // how each showing of the credits ended
  const auto credits = [] { return shown(credits_coding, 110, 150) > 0.9; };
  const auto menu = [] { return shown(menu_bmp, 0, 0) > 0.9; };
  const auto buttons_heard = [] {
    int n = 0;
    for (SAMPLE* s : headless::sound().samples) n += s == sound_sample(manifest::Sounds::button);
    return n;
  };
  int heard_before_back = -1, heard_after_back = -1;
  Player player;
  player.click_when(in_main_menu, 150, 360)
      .then([&] { return credits() && pointer_at(150, 360); }, [] { headless::click(headless::now() + 30, 500, 200); })
      .then([&] { return pointer_at(500, 200) && credits(); },
            [&] { after_click_beside = shown(credits_sound, 110, 310), point(300, 430); })
      .then(at(300, 430),
            [&] {
              back_lit = shown(datafile_bitmap(menu_dat, manifest::at(manifest::Menu::credits_back_on), "menu.dat"), 236, 396);
              heard_before_back = buttons_heard(), headless::click(headless::now() + 30, 300, 430);
            })
      .then([&] { return pointer_at(300, 430) && menu(); },
            [&] { heard_after_back = buttons_heard(), ways += "back ", headless::click(headless::now() + 30, 151, 361); })
      .then([&] { return pointer_at(151, 361) && credits(); },
            [] { headless::key_at(headless::now() + 30, KEY_ESC << 8 | 27); })
      .then([&] { return pointer_at(151, 361) && menu(); },
            [&] { ways += "escape ", headless::click(headless::now() + 30, 152, 361); })
      .then([&] { return pointer_at(152, 361) && credits(); },
            [] { headless::mouse_at(headless::now() + 30, 500, 100, 2), headless::mouse_at(headless::now() + 90, 500, 100, 0); })
      .then([&] { return pointer_at(500, 100) && menu(); }, [&] { ways += "right", headless::stop(); });
  ASSERT_EQ(run_game(), -2) << ways;
  EXPECT_EQ(ways, "back escape right");
  EXPECT_GT(after_click_beside, 0.99) << "the credits stand after a click beside Back";
  EXPECT_GT(back_lit, 0.9);
  EXPECT_EQ(heard_after_back, heard_before_back + 1) << "Back is heard";
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
