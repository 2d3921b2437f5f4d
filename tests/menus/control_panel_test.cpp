// The in-game control panel, reached from the inventory in the first room with the rolling pin in the bag,
// and the whole road from the bag to the panel and back into the room.
#include <gtest/gtest.h>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>
#include "core/files.h"
#include "core/settings.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "frame/said_log.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "menus/main_menu.h"
#include "persistence/saved_games.h"
#include "platform/platform.h"
#include "story/story_table.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;
using V = std::vector<int>;

namespace {
using Ev = MouseStep;
using screen_layout::kBagHit, screen_layout::kInventoryPanelButton, screen_layout::kPanelInventory,
    screen_layout::kPanelLoad, screen_layout::kPanelQuit, screen_layout::kPanelSave, screen_layout::kSlotBack,
    screen_layout::kSlotOk;
int run_invent(const std::vector<Ev>& events) { return schedule_mouse(events), run_program([] { main_invent(); }); }

// A step to the middle of a button the test only passes on its way.
constexpr Ev on(const screen_layout::Rect& button, int dt, int buttons) {
  return {dt, button.mid_x(), button.mid_y(), buttons};
}
// The panel button of the inventory, pressed and let go.
constexpr Ev kOpenPanel[] = {on(kInventoryPanelButton, 30, 1), on(kInventoryPanelButton, 60, 0)};

// Every opaque pixel of the knob picture found in the frame at (x, y).
bool knob_drawn_at(BITMAP* frame, BITMAP* knob, int x, int y) { return shown_share(frame, knob, x, y) == 1.0; }

class Panel : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    give_item("rolle"), text_output = 1; mouse_x = 320; mouse_y = 300; mouse_b = 0;
    main_loop_pass();
  }
};
}  // namespace

TEST_F(Panel, KnobsShowTheSettingsDragToTheEndsJumpToAClickOnTheTrackTheSwitchFlipsAndTheBagButtonLeadsBack) {
  // Text speed and music from 0: text speed pulled to the far right, the music
  // dropped with its left edge at 395 (the pointer at 405), which reads 127.
  text_speed = music_vol = 0;
  EXPECT_EQ(run_invent({kOpenPanel[0], kOpenPanel[1], {60, 330, 247, 1}, {40, 640, 247, 1}, {40, 640, 247, 0},
                        {60, 330, 273, 1}, {40, 405, 273, 1}, {40, 405, 273, 0}, {60, 300, 150, 2}, {60, 300, 150, 0}}),
            -1);
  EXPECT_EQ((V{text_speed, music_vol, headless::sound().midi_volume}), (V{100, 127, 127}));
  text_speed = 50, music_vol = 255, wave_vol = 128;  // knobs at 395, 470 and 395, on rows 242, 268 and 294
  bool music_at_470 = false, effects_at_395 = false;
  std::string states;
  headless::on_present([&] {
    const char c = static_cast<char>('0' + inv_menu);
    if (states.empty() || states.back() != c) states += c;
    if (inv_menu != 2 || !controller_bmp || mouse_y < 300) return;
    music_at_470 = music_at_470 || knob_drawn_at(headless::last_frame(), controller_bmp, 470, 268);
    effects_at_395 = effects_at_395 || knob_drawn_at(headless::last_frame(), controller_bmp, 395, 294);
  });
  EXPECT_EQ(run_invent({kOpenPanel[0], kOpenPanel[1], {60, 300, 320, 0},
                        // Text speed: grab the knob at 395 and pull it far left; sound effects far right.
                        {60, 405, 247, 1}, {40, 200, 247, 1}, {40, 200, 247, 0},
                        {60, 405, 299, 1}, {40, 630, 299, 1}, {40, 630, 299, 0},
                        // A click on the music track at 350, 4 px under the knobs' row: the knob comes to 340.
                        {60, 350, 281, 1}, {40, 350, 281, 0}, {60, 300, 320, 0},
                        {60, 320, 112, 1}, {60, 320, 112, 0},  // the switch, its top-left corner
                        {60, 420, 401, 1}, {60, 420, 401, 0},  // back to the inventory, its bottom edge
                        {60, 300, 320, 2}, {60, 300, 320, 0}}),
            -1);
  headless::on_present(nullptr);
  EXPECT_TRUE(music_at_470 && effects_at_395) << "stored volumes of 255 and 128 show their knobs at 470 and 395";
  // A volume read back from the right end is 254, the music's knob at 340 reads 20 / 1.5 x 2.55; the right click
  // closed the inventory.
  EXPECT_EQ((V{text_speed, wave_vol, music_vol, headless::sound().digi_volume, text_output, inv_menu}),
            (V{0, 254, 34, 254, 0, 0}));
  EXPECT_EQ(states, "121");
  EXPECT_EQ(read_file(here("options.sav")).substr(0, 10), "34 254 0 0") << "kept on the way out of the panel";
}

// The keys in play: F5 opens the save screen over the room (OK leads back), F7 the load screen (Back leads to
// the panel, as from the panel); P pauses under its caption at the top of the screen, the game's clock held, until
// a click that does nothing else.
TEST_F(Panel, F5AndF7OpenTheSlotScreensPPausesTheGameUntilAClickAndEscapeOpensThePanel) {
  const int t = headless::now();
  for (auto [at, key] :
       {std::pair{10, KEY_F5 << 8}, {1000, KEY_F7 << 8}, {2000, KEY_P << 8 | 'p'}, {5000, KEY_ESC << 8 | 27}})
    headless::key_at(t + at, key);
  const int end = schedule_mouse({on(kSlotOk, 300, 1), on(kSlotOk, 60, 0), on(kSlotBack, 940, 1), on(kSlotBack, 60, 0),
                                  {240, 300, 150, 2}, {60, 300, 150, 0}, {3000, 320, 300, 1}, {100, 320, 300, 0},
                                  {640, 320, 300, 2}, {60, 320, 300, 0}});
  std::string screens;
  int paused = 0, held_clock = -1, clock_moved = 0, caption_below = 0;
  headless::on_present([&] {
    BITMAP* f = headless::last_frame();
    const double save = game_save_bmp ? shown_share(f, game_save_bmp, 60, 65) : 0;
    const double load = game_load_bmp ? shown_share(f, game_load_bmp, 60, 65) : 0;
    // Most of a slot screen's picture shows (the list's box is drawn over a fifth of it), under half of it elsewhere.
    const char c = std::max(save, load) > 0.75 ? (save > load ? 'S' : 'L') : inv_menu == 2 ? 'P' : 'r';
    if (screens.empty() || screens.back() != c) screens += c;
    // Orange, which no dimmed pixel can be: the caption in the band along the top, and nowhere below it.
    const auto orange_in = [f](int y1, int y2) {
      for (int y = y1; y < y2; ++y)
        for (int x = 0; x < 640; ++x)
          if (getpixel(f, x, y) == 0xF400) return true;
      return false;
    };
    const bool caption = orange_in(0, 25);
    if (!caption || screens.back() != 'r') return;
    caption_below += orange_in(50, 480);
    const int game = platform_clock_ms();
    clock_moved += paused++ > 0 && game != held_clock, held_clock = game;
  });
  EXPECT_EQ(run_program([&] { while (headless::now() < end + 300) main_loop_pass(); }), -1);
  headless::on_present(nullptr);
  EXPECT_EQ(screens, "rSrLPrPr");
  EXPECT_TRUE(paused > 100 && clock_moved == 0) << paused << " " << clock_moved;
  EXPECT_EQ(caption_below, 0) << "the caption stays in its band above the room's people";
  EXPECT_EQ((V{inv_menu, click, hero_action[0]}), (V{0, kClickFree, 0})) << "the click that went on did nothing else";
  EXPECT_EQ(invent_dat, nullptr);
}

TEST_F(Panel, QuitEndsTheProgramWithStatus1AndKeepsTheSettings) {
  music_vol = 77, std::remove(here("options.sav").c_str());
  // The panel closes; the main loop keeps the game and ends.
  schedule_mouse({kOpenPanel[0], kOpenPanel[1], on(kPanelQuit, 60, 1), on(kPanelQuit, 60, 0)});
  EXPECT_EQ(run_program([] { main_invent(), main_loop_pass(), main_loop_pass(); }), 1);
  EXPECT_EQ(read_file(here("options.sav")).substr(0, 3), "77 ");
}

// Main menu: the panel and the bag close, the game is kept in the autosave at the quiet point, and the main
// menu shows with Continue, which takes the game up again.
TEST(PanelMainMenu, KeepsTheGameAndTheMenuOffersContinue) {
  ASSERT_EQ(stand_in_main_loop(3), -2);  // a whole game: its rooms' state files are there to be kept
  hero_x = 333;
  schedule_mouse({kOpenPanel[0], kOpenPanel[1], on(screen_layout::kPanelMainMenu, 60, 1),
                  on(screen_layout::kPanelMainMenu, 60, 0)});
  bool offered = false;
  headless::on_present([&] {
    if (!in_main_menu()) return;
    offered = menu_offers_continue();
    headless::stop();
  });
  EXPECT_EQ(run_program([] { main_invent(); for (;;) main_loop_pass(); }), -2);
  headless::on_present(nullptr);
  EXPECT_TRUE(offered);
  hero_x = 100;
  ASSERT_EQ(load_autosave(), 0);
  EXPECT_EQ(std::string(room_name) + " " + std::to_string(hero_x), "future_floor1 333");
}

TEST_F(Panel, FromTheBagToThePanelAndBackIntoTheRoom) {
  // Bag, pick the rolling pin, put it back, the panel, the music knob (at 470) moved,
  // back to the inventory, closed with the right button.
  music_vol = 255;
  const int end = schedule_mouse({on(kBagHit, 30, 0), on(kBagHit, 60, 1), on(kBagHit, 60, 0), {80, 140, 130, 1},
                                  {60, 140, 130, 0}, {60, 500, 300, 0}, {40, 500, 300, 1}, {60, 500, 300, 0},
                                  on(kInventoryPanelButton, 60, 1), on(kInventoryPanelButton, 60, 0),
                                  {60, 480, 273, 1}, {40, 390, 273, 1}, {40, 390, 273, 0},
                                  on(kPanelInventory, 60, 1), on(kPanelInventory, 60, 0), {60, 400, 300, 2},
                                  {60, 400, 300, 0}});
  bool opened = false, picked = false, in_panel = false;
  headless::on_present([&] {
    opened = opened || inv_menu == 1, in_panel = in_panel || inv_menu == 2;
    picked = picked || (inv_menu == 1 && carrying_item() && invent_nr == 0);
  });
  EXPECT_EQ(run_program([&] { while (headless::now() < end + 500) main_loop_pass(); }), -1);
  headless::on_present(nullptr);
  EXPECT_TRUE(opened && picked && in_panel && !carrying_item());
  EXPECT_EQ((V{inv_menu, invent_nr}), (V{0, 1}));
  EXPECT_STREQ(inventory_obj[0], "rolle");
  // A knob let go at 380 reads (380 - 320) / 1.5 x 2.55.
  EXPECT_EQ((V{music_vol, headless::sound().midi_volume}), (V{102, 102}));
  EXPECT_EQ(invent_dat, nullptr) << "the inventory's pictures are released when it closes";
}

// The panel's help: a click on the Hints box turns hints off (the Hint button goes) and on again, one on the Text box
// keeps spoken lines until clicked; Log shows what was said over the panel until Escape; Hint closes the panel and
// the bag, and the hero says the hint in the room. The settings are kept in settings.txt.
TEST_F(Panel, TheBoxesSwitchHintsAndTextTheLogOpensOverItAndHintClosesItForTheHerosHint) {
  using screen_layout::kPanelHint, screen_layout::kPanelHints, screen_layout::kPanelLog, screen_layout::kPanelTextWait;
  note_said(hero_speaker(), kHeroColour, {"Beautiful !"});
  const int log_panel = makecol(8, 12, 24);
  std::string seen;  // H: the Hint button shown, h: not, L: the log open
  headless::on_present([&] {
    if (inv_menu != 2 || !game_hint) return;
    BITMAP* f = headless::last_frame();
    const char c = getpixel(f, kSaidLogPanel.x2 - 3, kSaidLogPanel.y1 + 3) == log_panel ? 'L'
                   : shown_share(f, game_hint, kPanelHint.x1 - 2, kPanelHint.y1 - 2) > 0.9 ? 'H' : 'h';
    if (seen.empty() || seen.back() != c) seen += c;
  });
  const int t = schedule_mouse({kOpenPanel[0], kOpenPanel[1], {60, 300, 320, 0}, on(kPanelHints, 60, 1),
                                on(kPanelHints, 60, 0), {60, 300, 320, 0}, on(kPanelTextWait, 60, 1),
                                on(kPanelTextWait, 60, 0), on(kPanelHints, 60, 1), on(kPanelHints, 60, 0),
                                {60, 300, 320, 0}, on(kPanelLog, 60, 1), on(kPanelLog, 60, 0), {500, 300, 320, 0},
                                on(kPanelHint, 300, 1), on(kPanelHint, 60, 0)});
  headless::key_at(t - 400, KEY_ESC << 8 | 27);
  EXPECT_EQ(run_program([] { main_invent(); }), -1);
  headless::on_present(nullptr);
  EXPECT_EQ(seen, "HhHLH");
  EXPECT_TRUE(settings::hints == 1 && settings::text_until_clicked == 1 && inv_menu == 0 && hint_requested == 1);
  const std::string kept = read_file(here("settings.txt"));
  EXPECT_NE(kept.find("\nhints=1\ntext_until_clicked=1\n"), std::string::npos) << kept;
  settings::text_until_clicked = 0;
  EXPECT_EQ(run_program([] { main_loop_pass(); }), -1);
  EXPECT_EQ(said_log().back().words, std::string(story_steps()[0].hints[0].line0) + " " + story_steps()[0].hints[0].line1);
  EXPECT_EQ(hints_asked, 1);
}

TEST(PanelSlots, SaveAndLoadOpenTheirSlotScreensAndTheSlotComesBack) {
  ASSERT_EQ(stand_in_main_loop(3), -2);  // a whole game: its rooms' state files are there to be saved
  // Save: slot 0 (its line at y 150), a name typed, Enter, (over a used slot: Yes, that is OK,) OK.
  auto save_as = [](int key, bool used) {
    std::vector<Ev> steps = {kOpenPanel[0], kOpenPanel[1], on(kPanelSave, 60, 1), on(kPanelSave, 60, 0),
                             {60, 200, 155, 1}, {60, 200, 155, 0}};
    if (used) steps.insert(steps.end(), {on(kSlotOk, 300, 1), on(kSlotOk, 60, 0)});
    steps.insert(steps.end(), {on(kSlotOk, 300, 1), on(kSlotOk, 60, 0)});
    const int t = schedule_mouse(steps) - (used ? 360 : 0);
    headless::key_at(t - 300, key), headless::key_at(t - 250, KEY_ENTER << 8 | 13);
    return run_program([] { main_invent(); });
  };
  EXPECT_EQ(save_as('a', false), -1);
  EXPECT_EQ(save_name[0][0], 'a');
  ASSERT_FALSE(read_file(here("sav/game00.sav")).empty()) << "Save did not write slot 0";
  // A save that fails (a folder in the way of the slot's new file) leaves the slot its old name.
  const std::string in_the_way = here(temporary_name("sav/game00.sav"));
  mkdir(in_the_way.c_str(), 0755);
  EXPECT_EQ(save_as('b', true), -1);
  EXPECT_EQ(save_name[0][0], 'a');
  rmdir(in_the_way.c_str());
  // Load: a click on slot 0, Yes to the question, and the game goes on from the slot; the game left is kept in
  // the autosave.
  story_diamant = 1;
  EXPECT_EQ(run_invent({kOpenPanel[0], kOpenPanel[1], on(kPanelLoad, 60, 1), on(kPanelLoad, 60, 0), {60, 200, 155, 1},
                        {60, 200, 155, 0}, on(kSlotOk, 300, 1), on(kSlotOk, 60, 0)}), -1);
  EXPECT_NE(read_file(here("sav/autosave.sav")), "") << "the game left is kept";
  EXPECT_EQ((V{story_diamant, invent_nr, inv_menu}), (V{0, 1, 0}));
}
