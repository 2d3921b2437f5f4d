// Nothing is lost on the way out: closing the window and Quit in the control
// panel keep the game in the autosave, the main menu's Continue takes it up
// again, and the ten named slots are never touched by it.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "interaction/inventory.h"
#include "menus/control_panel.h"
#include "menus/main_menu.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "rooms/rooms.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

bool exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

// In the physics lab with two more items and the alarm set.
void play_a_little() {
  change_room = 3;  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  story_alarm = 1;
  hero_x = 410;
  hero_y = 390;
}

int run_game() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

// A new run of the program in a fresh folder that holds only `autosave`.
void new_run_with(const std::string& autosave) {
  fresh_game();
  mkdir("sav", 0755);
  write_file("sav/autosave.sav", autosave);
}

// The middle of a screen area, as the pointer is put there.
int mid_x(const screen_layout::Rect& r) {
  return (r.x1 + r.x2) / 2;
}
int mid_y(const screen_layout::Rect& r) {
  return (r.y1 + r.y2) / 2;
}

}  // namespace

TEST(Autosave, ClosingTheWindowKeepsTheGameAndContinueTakesItUp) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_a_little();
  counter7 = 4;
  ASSERT_EQ(save_game(), 0);
  const std::string named = read_file("sav/game04.sav");
  story_bleitank = 1;  // played on after the save
  headless::close_window_at(headless::now() + 5);
  EXPECT_EQ(run_program([] {
              for (;;) main_loop_pass();
            }),
            1);
  ASSERT_TRUE(exists("sav/autosave.sav"));
  EXPECT_EQ(read_file("sav/game04.sav"), named) << "the autosave never writes a named slot";
  for (int s = 0; s < 10; ++s)
    if (s != 4) EXPECT_FALSE(exists("sav/game0" + std::to_string(s) + ".sav")) << s;
  std::string why;
  EXPECT_TRUE(slot_file_sound("sav/autosave.sav", why)) << why;

  new_run_with(read_file("sav/autosave.sav"));
  bool offered = false;
  Player player;
  player.then(in_main_menu, [&] { offered = menu_offers_continue(); })
      .click_when([] { return true; }, mid_x(kMenuContinueHot), mid_y(kMenuContinueHot))
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(offered);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(hero_x, 410);
  EXPECT_EQ(hero_y, 390);
  EXPECT_EQ(invent_nr, 2);
  EXPECT_STREQ(inventory_obj[1], "Gaz");
  EXPECT_EQ(story_alarm, 1);
  EXPECT_EQ(story_bleitank, 1) << "what was played after the last save is kept too";
  EXPECT_EQ(track_nr, 2);
  EXPECT_EQ(headless::sound().playing_midi, track);
}

TEST(Autosave, QuitInTheControlPanelKeepsTheGame) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_a_little();
  EXPECT_EQ(run_program([] { quit_from_panel(); }), 1);
  std::string why;
  ASSERT_TRUE(slot_file_sound("sav/autosave.sav", why)) << why;
  story_alarm = 0;
  change_room = 0;
  enter_new_room();
  ASSERT_EQ(load_autosave(), 0);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(story_alarm, 1);
}

TEST(Autosave, NoGameNoAutosaveAndTheMenuOffersLoadGameAlone) {
  // Closing the window in the main menu: there is no game to keep.
  fresh_game();
  bool offered = true;
  Player player;
  player.then(in_main_menu, [&] {
    offered = menu_offers_continue();
    headless::close_window_at(headless::now() + 1);
  });
  EXPECT_EQ(run_game(), 1);
  EXPECT_FALSE(offered);
  EXPECT_FALSE(exists("sav/autosave.sav"));
  // Without Continue, Load game has the whole band between New game
  // (y 158..191) and the second button (y 251..284).
  const screen_layout::Rect& load = menu_load_area();
  EXPECT_GT(load.y1, 191);
  EXPECT_LT(load.y2, 251);
  EXPECT_EQ(load.x1, 61);
  EXPECT_EQ(load.x2, 272);
}

TEST(Autosave, ContinueAndLoadGameShareTheBandWithHighlights) {
  // Both lie in the band, side by side, within New game's width (x 61..272).
  for (const screen_layout::Rect& r : {kMenuContinueHot, kMenuLoadBesideHot}) {
    EXPECT_GT(r.y1, 191);
    EXPECT_LT(r.y2, 251);
    EXPECT_GE(r.x1, 61);
    EXPECT_LE(r.x2, 272);
  }
  EXPECT_LT(kMenuContinueHot.x2, kMenuLoadBesideHot.x1);

  ASSERT_EQ(stand_in_main_loop(3), -2);
  ASSERT_EQ(run_program([] { quit_from_panel(); }), 1);
  new_run_with(read_file("sav/autosave.sav"));
  // The face under the pointer changes when the pointer comes onto it.
  auto face = [](const screen_layout::Rect& r) {
    std::string pixels;
    for (int y = r.y1 + 2; y < r.y2 - 1; y += 3)
      for (int x = r.x1 + 2; x < r.x2 - 1; x += 3) pixels += std::to_string(getpixel(headless::last_frame(), x, y)) + ",";
    return pixels;
  };
  std::string continue_off, continue_on, load_off, load_on, load_screen_title;
  Player player;
  player.then(in_main_menu, [] { headless::mouse_at(headless::now() + 1, 400, 100, 0); })
      .then([] { return mouse_x == 400; },
            [&] {
              continue_off = face(kMenuContinueHot);
              load_off = face(kMenuLoadBesideHot);
              headless::mouse_at(headless::now() + 1, mid_x(kMenuContinueHot), mid_y(kMenuContinueHot), 0);
            })
      .then([] { return mouse_x == mid_x(kMenuContinueHot); },
            [&] {
              continue_on = face(kMenuContinueHot);
              headless::mouse_at(headless::now() + 1, mid_x(kMenuLoadBesideHot), mid_y(kMenuLoadBesideHot), 0);
            })
      .then([] { return mouse_x == mid_x(kMenuLoadBesideHot); },
            [&] {
              load_on = face(kMenuLoadBesideHot);
              EXPECT_EQ(face(kMenuContinueHot), continue_off) << "Continue's highlight goes with the pointer";
            })
      .click_when([] { return true; }, mid_x(kMenuLoadBesideHot), mid_y(kMenuLoadBesideHot))
      .then([] { return game_load_bmp != nullptr; }, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_NE(continue_on, continue_off);
  EXPECT_NE(load_on, load_off);
}

TEST(Autosave, ADamagedAutosaveIsSaidOnTheMenuAndANewGameStillStarts) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  ASSERT_EQ(run_program([] { quit_from_panel(); }), 1);
  const std::string good = read_file("sav/autosave.sav");
  new_run_with(good.substr(0, good.size() / 2));
  bool menu_still_up = false;
  int clicked_at = 0;
  Player player;
  player
      .then(in_main_menu,
            [&] {
              clicked_at = headless::now();
              headless::click(clicked_at + 2, mid_x(kMenuContinueHot), mid_y(kMenuContinueHot), 60);
            })
      .then([&] { return mouse_b == 0 && headless::now() > clicked_at + 500; },
            [&] {
              menu_still_up = in_main_menu();
              // The reason is written under the title, in a colour of its own.
              int said = 0;
              for (int y = 108; y < 132; ++y)
                for (int x = 100; x < 540; ++x)
                  if (getpixel(headless::last_frame(), x, y) == makecol(255, 150, 120)) ++said;
              EXPECT_GT(said, 50);
            })
      .click_when([] { return true; }, 150, 175)  // New game
      .click_when(in_intro, 320, 240)
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(menu_still_up);
  EXPECT_STREQ(room_name, "future_floor1");
  EXPECT_EQ(invent_nr, 1);
}

TEST(Autosave, AFailedAutosaveKeepsTheOlderOneAndTheEndOfTheStoryRemovesIt) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  ASSERT_EQ(save_autosave(), 0);
  const std::string first = read_file("sav/autosave.sav");
  play_a_little();
  mkdir("sav/autosave.sav.tmp", 0755);  // the temporary file cannot be made
  EXPECT_EQ(save_autosave(), -1);
  EXPECT_EQ(read_file("sav/autosave.sav"), first);
  rmdir("sav/autosave.sav.tmp");
  EXPECT_EQ(save_autosave(), 0);
  EXPECT_NE(read_file("sav/autosave.sav"), first);
  EXPECT_TRUE(autosave_exists());
  remove_autosave();
  EXPECT_FALSE(autosave_exists());
  remove_autosave();  // twice is harmless
  EXPECT_EQ(load_autosave(), -1);
  EXPECT_STREQ(room_name, "future_physiktp");
}
