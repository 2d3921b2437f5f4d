// Where the game looks for the pointer, screen by screen: each area, written here by hand as the pixels the
// pointer may be on, is probed at its four corners and one pixel outside each side.
#include <gtest/gtest.h>
#include <algorithm>
#include <initializer_list>
#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "menus/main_menu.h"
#include "platform/platform.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using screen_layout::Rect;
using V = std::vector<int>;

namespace {
// An area as the pixels the pointer may be on (inclusive), and whether the game takes (x, y) to be in it.
using Hit = std::function<bool(int, int)>;
struct Place { const char* name; int x1, y1, x2, y2; Hit hit; };

void probe(const Place& p) {
  SCOPED_TRACE(p.name);
  using Points = std::initializer_list<std::pair<int, int>>;
  for (auto [x, y] : Points{{p.x1, p.y1}, {p.x2, p.y2}, {p.x1, p.y2}, {p.x2, p.y1}})
    EXPECT_TRUE(p.hit(x, y)) << "inside at " << x << "," << y;
  for (auto [x, y] : Points{{p.x1 - 1, p.y1}, {p.x1, p.y1 - 1}, {p.x2 + 1, p.y2}, {p.x2, p.y2 + 1}})
    EXPECT_FALSE(p.hit(x, y)) << "outside at " << x << "," << y;
}

Hit menu_area(const Rect& r) { return [&r](int x, int y) { mouse_x = x; mouse_y = y; return mouse_in(r); }; }
Hit game_button(int b) { return [b](int x, int y) { mouse_x = x; mouse_y = y; return button_under_mouse() == b; }; }

// The space from the left edge to x1 is the space from x2 to the right edge.
void margins_alike(const char* what, int left_edge, int right_edge, int x1, int x2) {
  EXPECT_EQ(x1 - left_edge, right_edge - x2) << what << ": " << x1 - left_edge << " left, " << right_edge - x2 << " right";
}
}  // namespace

TEST(ScreenPlaces, TheMainMenuItsTwoScreensTheControlPanelTheBagAndTheVerbsEachTakeTheirArea) {
  test_support::fresh_game();
  using namespace screen_layout;
  const auto panel = [](const Rect& r) { return [&r](int x, int y) { return r.contains(x, y); }; };
  const Place places[] = {
      {"new game", 62, 159, 272, 191, menu_area(kMenuHot[kMenuNew])},
      {"load game", 62, 205, 272, 237, menu_area(kMenuLoadHot)},
      {"continue", 62, 205, 163, 237, menu_area(kMenuContinueHot)},
      {"load game beside continue", 171, 205, 272, 237, menu_area(kMenuLoadBesideHot)},
      {"instructions", 62, 252, 272, 284, menu_area(kMenuHot[kMenuInstructions])},
      {"options", 62, 298, 272, 330, menu_area(kMenuHot[kMenuOptions])},
      {"credits", 62, 342, 272, 379, menu_area(kMenuHot[kMenuCredits])},
      {"quit", 110, 402, 224, 441, menu_area(kMenuHot[kMenuQuit])},
      {"instructions: back", 421, 411, 579, 449, menu_area(kInstructBack)},
      {"instructions: second page", 61, 411, 219, 449, menu_area(kInstructSecond)},
      // The options' eleven rows, 30 px apart from y 55, each box 27 high: hints, text, the three sliders, the
      // text output switch, reading aloud, subtitle size and band, window size, the pause when away.
      {"options: hints", 321, 56, 492, 81, menu_area(kMenuOptHints)},
      {"options: text timed or until clicked", 321, 86, 492, 111, menu_area(kMenuOptTextWait)},
      {"options: text output switch", 321, 206, 427, 231, menu_area(kMenuOptSwitch)},
      {"options: read aloud", 321, 236, 492, 261, menu_area(kMenuOptSpeech)},
      {"options: subtitle size", 321, 266, 492, 291, menu_area(kMenuOptSubtitleSize)},
      {"options: subtitle band", 321, 296, 492, 321, menu_area(kMenuOptSubtitleBand)},
      {"options: window size", 321, 326, 492, 351, menu_area(kMenuOptScale)},
      {"options: pause when away", 321, 356, 492, 381, menu_area(kMenuOptPauseAway)},
      {"options: ok", 121, 401, 279, 439, menu_area(kMenuOptOk)},
      {"options: cancel", 361, 401, 519, 439, menu_area(kMenuOptCancel)},
      {"credits: back", 241, 401, 399, 439, menu_area(kCreditsBack)},
      {"panel: text output switch", 320, 112, 428, 141, panel(kPanelSwitch)},
      {"panel: hints", 320, 155, 489, 180, panel(kPanelHints)},
      {"panel: text timed or until clicked", 320, 194, 489, 219, panel(kPanelTextWait)},
      {"panel: back to the inventory", 402, 363, 541, 401, panel(kPanelInventory)},
      {"panel: hint", 79, 326, 188, 349, panel(kPanelHint)},
      {"panel: log", 203, 326, 312, 349, panel(kPanelLog)},
      {"panel: main menu", 327, 326, 436, 349, panel(kPanelMainMenu)},
      {"panel: quit", 451, 326, 560, 349, panel(kPanelQuit)},
      {"panel: save", 98, 363, 237, 401, panel(kPanelSave)},
      {"panel: load", 250, 363, 389, 401, panel(kPanelLoad)},
      {"bag", 56, 371, 94, 429, game_button(kButtonBag)},    {"walk", 561, 351, 579, 369, game_button(kButtonWalk)},
      {"take", 541, 386, 559, 404, game_button(kButtonTake)}, {"use", 578, 386, 596, 404, game_button(kButtonUse)},
      {"look", 541, 421, 559, 439, game_button(kButtonLook)}, {"talk", 578, 421, 596, 439, game_button(kButtonTalk)},
  };
  for (const Place& p : places) probe(p);
  EXPECT_TRUE(game_button(kButtonNone)(320, 240)) << "the room is no button";
}

TEST(ScreenPlaces, TheLitBagAndVerbButtonsAreDrawnWhereTheyBelong) {
  dialogue_support::stand_in_room("future_floor1");
  const auto shown = [](BITMAP* pic, int x, int y) { return test_support::shown_share(memory_screen, pic, x, y); };
  // Pointer inside each button; where its lit picture goes (the bag's at (40, 360)).
  const struct { int mx, my, x, y; } lit[6] = {{75, 400, 40, 360},   {570, 360, 559, 350}, {550, 395, 541, 383},
              {587, 395, 576, 383}, {550, 430, 541, 418}, {587, 430, 576, 419}};
  for (int b = 0; b < 6; ++b) {
    SCOPED_TRACE(b); mouse_x = lit[b].mx; mouse_y = lit[b].my;
    main_loop_pass();
    platform_hide_pointer();  // what the pass drew, without the pointer over it
    ASSERT_EQ(mouse_button, b);
    EXPECT_GT(shown(b == 0 ? inventory_button_on : navi_butt_on[b - 1], lit[b].x, lit[b].y), 0.99);
  }
  // The panel itself stands at (540, 350), the bag at (40, 360).
  mouse_x = 320; mouse_y = 300; main_loop_pass();
  platform_hide_pointer();
  EXPECT_GT(std::min(shown(navi_button, 540, 350), shown(inventory_button, 40, 360)), 0.99);
}

// The control panel (520 x 350 at (60, 65)) on its grid: margins alike on either side, every row of buttons centred,
// the rows alike apart; four small buttons in a row (Hint, Log, Main menu, Quit).
TEST(ScreenPlaces, ThePanelStandsOnAGridWithEqualMargins) {
  using namespace screen_layout;
  // Each row of buttons: alike and alike apart, its margins alike.
  const std::vector<std::vector<Rect>> rows = {{kPanelSave, kPanelLoad, kPanelInventory}, {kPanelHint, kPanelLog, kPanelMainMenu, kPanelQuit}};
  for (const std::vector<Rect>& row : rows) {
    margins_alike("panel: a row of buttons", 60, 579, row.front().x1, row.back().x2);
    for (const Rect& b : row) EXPECT_TRUE(b.width() == row[0].width() && b.y1 == row[0].y1 && b.y2 == row[0].y2);
    for (size_t i = 2; i < row.size(); ++i) EXPECT_EQ(row[i].x1 - row[i - 1].x2, row[1].x1 - row[0].x2);
  }
  margins_alike("panel: the sliders' plate", 60, 579, kPanelSliderPlate.x1, kPanelSliderPlate.x2);
  // Its rows: the title, the switch, the two boxes, the sliders' plate, the small buttons, the big ones, with the
  // same space between, and as much below the last to the panel's foot (65 + 350).
  const int gaps[] = {kPanelSwitch.y1 - kPanelTitle.y2 - 1,    kPanelHints.y1 - kPanelSwitch.y2 - 1,
                      kPanelTextWait.y1 - kPanelHints.y2 - 1,  kPanelSliderPlate.y1 - kPanelTextWait.y2 - 1,
                      kPanelQuit.y1 - kPanelSliderPlate.y2 - 1, kPanelSave.y1 - kPanelQuit.y2 - 1,
                      65 + 350 - kPanelSave.y2 - 1};
  for (int gap : gaps) EXPECT_EQ(gap, gaps[0]);
  margins_alike("panel: its title", 60, 579, kPanelTitle.x1, kPanelTitle.x2);
  EXPECT_TRUE(kPanelSliderPlate.y1 < kPanelSliderY[0] && kPanelSliderY[2] + kKnobHeight <= kPanelSliderPlate.y2);
  for (const Rect& r : {kPanelSwitch, kPanelHints, kPanelTextWait})
    EXPECT_EQ(r.x1, kPanelSliderX1) << "the switch, the boxes and the tracks begin at one column";
  EXPECT_EQ(kPanelHints.x2, kPanelSliderX2 + kKnobWidth - 1) << "the boxes end where the tracks do";
}

// The credits (the whole 640 x 480 screen) on their grid: the three cards centred, 80 pixels apart, and Back
// centred under them.
TEST(ScreenPlaces, TheCreditsStandOnAGridWithEqualMargins) {
  using namespace screen_layout;
  for (Point card : {kCreditsCodingPos, kCreditsGraphicsPos, kCreditsSoundPos})
    margins_alike("credits: a card", 0, 639, card.x, card.x + kCreditsPanelWidth - 1);
  EXPECT_EQ((V{kCreditsGraphicsPos.y - kCreditsCodingPos.y, kCreditsSoundPos.y - kCreditsGraphicsPos.y}), (V{80, 80}));
  margins_alike("credits: Back", 0, 639, kCreditsBack.x1, kCreditsBack.x2);
  EXPECT_GT(kCreditsBack.y1, kCreditsSoundPos.y + kCreditsPanelHeight) << "Back lies under the cards";
}
