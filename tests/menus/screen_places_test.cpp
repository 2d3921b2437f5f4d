// Where the game looks for the pointer and where it draws the highlights, in
// the numbers of the game's own tables: the bag and the verb buttons with
// their hit regions and lit pictures, and the main menu's hot areas.
#include <gtest/gtest.h>

#include "menus/main_menu.h"
#include "menus/screen_layout.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/cursor.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

struct Area {
  int x1, x2, y1, y2;
};

double shown_share(BITMAP* picture, int at_x, int at_y) {
  return test_support::shown_share(memory_screen, picture, at_x, at_y);
}

void point_at(int px, int py) {
  mouse_x = px;
  mouse_y = py;
}

int button_at(int px, int py) {
  point_at(px, py);
  return button_under_mouse();
}

}  // namespace

TEST(ScreenPlaces, TheBagAndTheVerbButtonsAnswerInTheirRegionsOnly) {
  fresh_game();
  // mouse_button: 0 bag, 1 walk, 2 take, 3 use, 4 look, 5 talk; bounds inclusive.
  const Area regions[6] = {{56, 94, 371, 429},  {561, 579, 351, 369}, {541, 559, 386, 404},
                           {578, 596, 386, 404}, {541, 559, 421, 439}, {578, 596, 421, 439}};
  for (int b = 0; b < 6; ++b) {
    const Area& a = regions[b];
    SCOPED_TRACE(b);
    EXPECT_EQ(button_at(a.x1, a.y1), b);
    EXPECT_EQ(button_at(a.x2, a.y2), b);
    EXPECT_EQ(button_at(a.x1 - 1, a.y1), -1);
    EXPECT_EQ(button_at(a.x2 + 1, a.y2), -1);
    EXPECT_EQ(button_at(a.x1, a.y1 - 1), -1);
    EXPECT_EQ(button_at(a.x2, a.y2 + 1), -1);
  }
}

TEST(ScreenPlaces, TheLitBagAndVerbButtonsAreDrawnWhereTheyBelong) {
  ASSERT_EQ(stand_in_main_loop(2), -2);
  // The bag lit at (40, 360); the verbs walk, take, use, look, talk lit at:
  const int lit[5][2] = {{559, 350}, {541, 383}, {576, 383}, {541, 418}, {576, 419}};
  const int inside[6][2] = {{75, 400}, {570, 360}, {550, 395}, {587, 395}, {550, 430}, {587, 430}};
  for (int b = 0; b < 6; ++b) {
    SCOPED_TRACE(b);
    mouse_x = inside[b][0];
    mouse_y = inside[b][1];
    main_loop_pass();
    platform_hide_pointer();  // what the pass drew, without the pointer over it
    ASSERT_EQ(mouse_button, b);
    if (b == 0)
      EXPECT_GT(shown_share(inventory_button_on, 40, 360), 0.99);
    else
      EXPECT_GT(shown_share(navi_butt_on[b - 1], lit[b - 1][0], lit[b - 1][1]), 0.99);
  }
  // The panel itself stands at (540, 350), the bag at (40, 360).
  mouse_x = 320;
  mouse_y = 300;
  main_loop_pass();
  platform_hide_pointer();
  EXPECT_GT(shown_share(navi_button, 540, 350), 0.99);
  EXPECT_GT(shown_share(inventory_button, 40, 360), 0.99);
}

TEST(ScreenPlaces, TheMainMenusHotAreasAndHighlights) {
  // New game, the two inert buttons, Credits, Quit; exclusive below, inclusive above.
  const Area areas[5] = {
      {61, 272, 158, 191}, {61, 272, 251, 284}, {61, 272, 297, 330}, {61, 272, 341, 379}, {109, 224, 401, 441}};
  for (int b = 0; b < 5; ++b) {
    const Area& a = areas[b];
    const screen_layout::Rect& hot = screen_layout::kMenuHot[b];
    SCOPED_TRACE(b);
    point_at(a.x1 + 1, a.y1 + 1);
    EXPECT_TRUE(mouse_in(hot));
    point_at(a.x2, a.y2);
    EXPECT_TRUE(mouse_in(hot));
    point_at(a.x1, a.y1 + 1);
    EXPECT_FALSE(mouse_in(hot));
    point_at(a.x1 + 1, a.y1);
    EXPECT_FALSE(mouse_in(hot));
    point_at(a.x2 + 1, a.y2);
    EXPECT_FALSE(mouse_in(hot));
    point_at(a.x2, a.y2 + 1);
    EXPECT_FALSE(mouse_in(hot));
  }
  // mm_new at (56, 152), mm_cred at (56, 339), mm_quit at (104, 396).
  const screen_layout::Point new_game = screen_layout::kMenuHighlightPos[0];
  const screen_layout::Point credits = screen_layout::kMenuHighlightPos[3];
  const screen_layout::Point quit = screen_layout::kMenuHighlightPos[4];
  EXPECT_EQ(new_game.x, 56);
  EXPECT_EQ(new_game.y, 152);
  EXPECT_EQ(credits.x, 56);
  EXPECT_EQ(credits.y, 339);
  EXPECT_EQ(quit.x, 104);
  EXPECT_EQ(quit.y, 396);
}
