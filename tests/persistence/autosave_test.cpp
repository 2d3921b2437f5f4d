// Closing the window and Quit in the control panel keep the game in the autosave, the main menu's Continue
// takes it up again; the named slots are never touched by it. Load game opens the slots.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include "core/errand.h"
#include "core/files.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "menus/control_panel.h"
#include "menus/main_menu.h"
#include "old_slot.h"
#include "platform/headless.h"
#include "persistence/saved_games.h"
#include "persistence/slot_info.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

using namespace test_support;

// Continue and Load game share the band between New game (y 158..191) and the second button (y 251..284),
// side by side within New game's x 61..272.
static_assert(kMenuContinueHot.y1 > 191 && kMenuContinueHot.y2 < 251 && kMenuContinueHot.x1 >= 61);
static_assert(kMenuLoadBesideHot.y1 > 191 && kMenuLoadBesideHot.y2 < 251 && kMenuLoadBesideHot.x2 <= 272);
static_assert(kMenuContinueHot.x2 < kMenuLoadBesideHot.x1);

namespace {
bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

int run_game() {
  static char name[] = "game"; char* argv[] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

// A new run of the program in a fresh folder that holds only `autosave`.
void new_run_with(const std::string& autosave) {
  fresh_game(), mkdir("sav", 0755), write_file("sav/autosave.sav", autosave);
}

std::string face(const screen_layout::Rect& r) {
  std::string pixels;
  for (int y = r.y1 + 2; y < r.y2 - 1; y += 3)
    for (int x = r.x1 + 2; x < r.x2 - 1; x += 3) pixels += std::to_string(getpixel(headless::last_frame(), x, y)) + ",";
  return pixels;
}

// How many pixels of `colour` the last frame shows in the band under the title.
int said_under_title(int colour, int y1, int y2) {
  int n = 0;
  for (int y = y1; y < y2; ++y)
    for (int x = 100; x < 540; ++x) n += getpixel(headless::last_frame(), x, y) == colour;
  return n;
}

// A fresh run of the program on the autosave left behind, Continue clicked (held `hold_ms`), then `ms` of the
// main loop played.
int continue_for(int ms, int hold_ms = 60) {
  new_run_with(read_file("sav/autosave.sav"));
  int until = 0;
  Player player;
  player.click_when(in_main_menu, kMenuContinueHot.mid_x(), kMenuContinueHot.mid_y(), hold_ms)
      .then(in_main_loop, [&] { until = headless::now() + ms; })
      .then([&] { return until && headless::now() > until; }, [] { headless::stop(); });
  return run_game();
}

// A game in `room`, entered as through a door, the hero arriving at (x, y).
void stand_in(const char* room, int x, int y) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  new_room[0] = room, new_hero_x[0] = x, new_hero_y[0] = y, set_errand(ErrandKind::leave, 0); enter_new_room();
}

bool in_bag(const std::string& item) { return std::count(inventory_obj, inventory_obj + invent_nr, item) > 0; }
}  // namespace

// The window closed 1.5 s into a scene, a conversation or the bag: the scene is played out (fast) first, the
// conversation left, the bag closed; Continue (its click held 0.4 s) finds what the story needs, the hero in place.
TEST(Autosave, ACloseInASceneOrAConversationKeepsTheGameOnceItIsOver) {
  const struct { const char* what; const char* room; std::function<void()> begin, kept_ok; } cases[] = {
      {"the cupboard", "future_floor15", [] { hero_x = goto_furni_x[0], hero_y = goto_furni_y[0], set_errand(ErrandKind::use, 0); },
       [] { EXPECT_TRUE(story_schrankoffen == 1 && furni_present[0] == 1 && furni_present[1] == 1); }},
      {"the screwdriver taken", "future_floor15",
       [] { story_schrankoffen = furni_present[1] = 1, set_errand(ErrandKind::take, 1);
            hero_x = goto_furni_x[1], hero_y = goto_furni_y[1]; },
       [] { EXPECT_TRUE(in_bag("tool") && furni_present[1] == 0); }},
      {"the access card handed over", "future_physiktp",
       [] { talk_nr = 0, cons_gotaccesscard = 1, cons_sent(), talk_nr = -1; },
       [] { EXPECT_TRUE(in_bag("access") && story_gotaccesscard == 1 && person_present[0] == 1); }},
      {"a conversation's menu", "future_crossing", [] { action = kModeTalk, talk_nr = 0, init_talk(); },
       [] { EXPECT_TRUE(!in_bag("glasses") && hidebuttons == 0); }},
      {"the bag open", "future_floor1", [] { main_invent(); }, [] { EXPECT_TRUE(in_bag("rolle") && inv_menu == 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what); stand_in(c.room, 320, 400);
    const int close_at = headless::now() + 1500;
    int busy = -1;
    headless::on_present([&] {
      if (busy < 0 && headless::now() >= close_at) busy = video_active == 1 || talk_nr != -1 || inv_menu;
    });
    headless::close_window_at(close_at);
    EXPECT_EQ(run_program([&] { c.begin(); for (;;) main_loop_pass(); }), 1);
    headless::on_present(nullptr);
    const std::string kept = std::string(c.room) + " " + std::to_string(hero_x) + "," + std::to_string(hero_y);
    ASSERT_EQ(continue_for(3000, 400), -2);
    EXPECT_EQ(busy, 1) << "closed in the scene, conversation or bag";
    EXPECT_EQ(std::string(room_name) + " " + std::to_string(hero_x) + "," + std::to_string(hero_y), kept);
    c.kept_ok();
  }
}

TEST(Autosave, TheWayOutKeepsTheGameAndContinueTakesItUp) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  ASSERT_EQ(save_autosave(), 0);
  const std::string first = read_file("sav/autosave.sav");
  // In the physics lab with one more item and the alarm set.
  set_errand(ErrandKind::leave, 3);  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  story_alarm = 1, hero_x = 410, hero_y = 390;
  // An autosave that cannot be written keeps the older one.
  mkdir(temporary_name("sav/autosave.sav").c_str(), 0755);
  EXPECT_EQ(save_autosave(), -1);
  EXPECT_EQ(read_file("sav/autosave.sav"), first);
  rmdir(temporary_name("sav/autosave.sav").c_str());

  // Quit in the control panel keeps the game.
  EXPECT_EQ(run_program([] { quit_from_panel(); }), 1);
  story_alarm = 0, set_errand(ErrandKind::leave, 0); enter_new_room();
  ASSERT_EQ(load_autosave(), 0);
  EXPECT_EQ(std::string(room_name) + " " + std::to_string(story_alarm), "future_physiktp 1");

  // Closing the window keeps what was played after the last named save too.
  ASSERT_EQ(save_game(4), 0);
  const std::string named = read_file("sav/game04.sav");
  story_bleitank = 1; headless::close_window_at(headless::now() + 5);
  EXPECT_EQ(run_program([] { for (;;) main_loop_pass(); }), 1);
  EXPECT_EQ(read_file("sav/game04.sav"), named) << "the autosave never writes a named slot";
  for (int s = 0; s < 10; ++s)
    if (s != 4) EXPECT_FALSE(exists("sav/game0" + std::to_string(s) + ".sav")) << s;

  new_run_with(read_file("sav/autosave.sav"));
  bool offered = false;
  Player player;
  player.then(in_main_menu, [&] { offered = menu_offers_continue(); })
      .click_when([] { return true; }, kMenuContinueHot.mid_x(), kMenuContinueHot.mid_y())
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(offered);
  EXPECT_EQ(std::string(room_name) + " " + inventory_obj[1], "future_physiktp Gaz");
  EXPECT_EQ(std::vector<int>({hero_x, hero_y, invent_nr, story_alarm, story_bleitank, track_nr}),
            std::vector<int>({410, 390, 2, 1, 1, 2}));
  EXPECT_EQ(headless::sound().playing_midi, track);

  // The end of the story leaves nothing to continue.
  EXPECT_TRUE(autosave_exists());
  remove_autosave();
  EXPECT_FALSE(autosave_exists());
  remove_autosave();  // twice is harmless
  EXPECT_EQ(load_autosave(), -1);
  EXPECT_STREQ(room_name, "future_physiktp");
}

TEST(Autosave, NoGameNoAutosaveAndTheMenuOffersLoadGameAlone) {
  fresh_game();
  bool offered = true;
  Player player;
  player.then(in_main_menu, [&] { offered = menu_offers_continue(), headless::close_window_at(headless::now() + 1); });
  EXPECT_EQ(run_game(), 1);
  EXPECT_FALSE(offered || exists("sav/autosave.sav"));
  // Load game alone has the whole band.
  const screen_layout::Rect& load = menu_load_area();
  EXPECT_TRUE(load.y1 > 191 && load.y2 < 251);
  EXPECT_EQ(std::vector<int>({load.x1, load.x2}), std::vector<int>({61, 272}));
}

TEST(Autosave, ContinueAndLoadGameLightUpAndLoadGameOpensTheSlots) {
  new_run_with(old_format_slot()); write_file("sav/game02.sav", old_format_slot());
  write_file("sav/game03.sav", old_format_slot().substr(0, 5000));
  std::string continue_off, continue_on, load_off, load_on;
  bool message_before = true, message = false;
  // A line of a message in the hero's colour under the slot screen's title.
  auto message_shown = [] { return game_load_bmp && said_under_title(16000, 105, 145) > 0; };
  auto hover = [](const screen_layout::Rect& r) { headless::mouse_at(headless::now() + 1, r.mid_x(), r.mid_y(), 0); };
  Player player;
  player.then(in_main_menu, [] { headless::mouse_at(headless::now() + 1, 400, 100, 0); })
      .then([] { return mouse_x == 400; },
          [&] { continue_off = face(kMenuContinueHot), load_off = face(kMenuLoadBesideHot), hover(kMenuContinueHot); })
      .then([] { return mouse_x == kMenuContinueHot.mid_x(); },
            [&] { continue_on = face(kMenuContinueHot), hover(kMenuLoadBesideHot); })
      .then([] { return mouse_x == kMenuLoadBesideHot.mid_x(); },
            [&] {
              load_on = face(kMenuLoadBesideHot);
              EXPECT_EQ(face(kMenuContinueHot), continue_off) << "Continue's highlight goes with the pointer";
            })
      .click_when([] { return true; }, kMenuLoadBesideHot.mid_x(), kMenuLoadBesideHot.mid_y())
      .then([] { return game_load_bmp != nullptr && mouse_b == 0; }, [&] { message_before = message_shown(); })
      .click_when([] { return true; }, 200, 150 + 15 * 3 + 8)  // the damaged slot
      .then(message_shown, [&] { message = true; })
      .click_when([] { return mouse_b == 0; }, 200, 150 + 15 * 2 + 8)
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(continue_on != continue_off && load_on != load_off);
  EXPECT_FALSE(message_before);
  EXPECT_TRUE(message) << "a damaged slot says so on the screen";
  EXPECT_EQ(std::string(room_name) + " " + inventory_obj[1], "future_physiktp Gaz");
  EXPECT_EQ(std::vector<int>({hero_x, invent_nr, track_nr}), std::vector<int>({300, 2, 2}));
  EXPECT_EQ(headless::sound().playing_midi, track);
}

TEST(Autosave, ADamagedAutosaveIsSaidOnTheMenuAndANewGameStillStarts) {
  const std::string good = old_format_slot();
  new_run_with(good.substr(0, good.size() / 2));
  bool menu_still_up = false;
  int clicked_at = 0, said = 0;
  Player player;
  player
      .then(in_main_menu, [&] {
        headless::click((clicked_at = headless::now()) + 2, kMenuContinueHot.mid_x(), kMenuContinueHot.mid_y(), 60);
      })
      .then([&] { return mouse_b == 0 && headless::now() > clicked_at + 500; },
            [&] {
              menu_still_up = in_main_menu();
              // The reason is written under the title, in a colour of its own.
              said = said_under_title(makecol(255, 150, 120), 108, 132);
            })
      .click_when([] { return true; }, 150, 175)  // New game
      .click_when(in_intro, 320, 240)
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(menu_still_up && said > 50) << said;
  EXPECT_EQ(std::string(room_name) + " " + std::to_string(invent_nr), "future_floor1 1");
}

// Continue takes the newest game whose file is there: a slot deleted with the question, or its file removed from
// outside while the game runs, is never taken; with nothing left the menu says so and stays.
TEST(Autosave, ContinueNeverTakesADeletedSlotAndWithNothingLeftTheMenuSaysSo) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  ASSERT_EQ(save_autosave(), 0);
  ASSERT_EQ(save_game(3), 0);
  ASSERT_EQ(latest_saved_game(), "sav/game03.sav");
  ASSERT_EQ(delete_game(3), 0);
  EXPECT_EQ(latest_saved_game(), "sav/autosave.sav") << "deleted with the question";
  ASSERT_EQ(save_game(4), 0);
  std::remove("sav/game04.sav");
  EXPECT_EQ(latest_saved_game(), "sav/autosave.sav") << "removed from outside";
  story_alarm = 1;
  EXPECT_EQ(load_latest_game(), 0);
  EXPECT_EQ(story_alarm, 0) << "the autosave, taken before the alarm";
  // The menu offered Continue; then the autosave went from outside before the click.
  new_run_with(read_file("sav/autosave.sav"));
  bool offered = false, menu_still_up = false;
  int clicked_at = 0, said = 0;
  Player player;
  player
      .then(in_main_menu, [&] {
        offered = menu_offers_continue(), std::remove("sav/autosave.sav");
        headless::click((clicked_at = headless::now()) + 2, kMenuContinueHot.mid_x(), kMenuContinueHot.mid_y(), 60);
      })
      .then([&] { return mouse_b == 0 && headless::now() > clicked_at + 500; }, [&] {
        menu_still_up = in_main_menu(), said = said_under_title(makecol(255, 150, 120), 108, 132);
        headless::close_window_at(headless::now() + 1);
      });
  EXPECT_EQ(run_game(), 1);
  EXPECT_TRUE(offered && menu_still_up);
  EXPECT_GT(said, 50) << "the menu says the game is no longer there";
}

// The hero goes through a door: at the next quiet pass the game is kept in the autosave (written beside the main
// loop), with its side file; a slot saved later is what Continue takes, and the autosave after the next door again.
TEST(Autosave, EveryRoomChangeAtAQuietPointKeepsTheGameAndContinueTakesTheNewest) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  EXPECT_FALSE(exists("sav/autosave.sav")) << "no door yet, no autosave";
  story_alarm = 1, hints_asked = 4;
  set_errand(ErrandKind::leave, 3);  // future_floor1's door to future_physiktp
  enter_new_room();
  main_loop_pass();
  EXPECT_EQ(finish_autosave(), 0);
  EXPECT_EQ(read_slot_info("sav/autosave.sav").hints.substr(0, 14), "hints_asked 4\n") << "the hints go with it";
  ASSERT_TRUE(exists("sav/autosave.sav") && exists("sav/autosave.info"));
  const SlotInfo kept = read_slot_info("sav/autosave.sav");
  EXPECT_TRUE(kept.known);
  EXPECT_EQ(kept.room, "future_physiktp");
  EXPECT_EQ(std::vector<int>({kept.done, kept.total}), std::vector<int>({1, 20}));
  const std::string first = read_file("sav/autosave.sav");
  for (int i = 0; i < 20; ++i) main_loop_pass();
  EXPECT_EQ(finish_autosave(), 0);
  EXPECT_EQ(read_file("sav/autosave.sav"), first) << "one autosave per room change";

  ASSERT_EQ(save_game(6), 0);
  EXPECT_EQ(latest_saved_game(), "sav/game06.sav");
  set_errand(ErrandKind::leave, 0), enter_new_room();
  ASSERT_STREQ(room_name, "future_floor1");
  main_loop_pass(), finish_autosave();
  EXPECT_EQ(latest_saved_game(), "sav/autosave.sav");
  story_alarm = 0, hero_x = 100;
  ASSERT_EQ(load_latest_game(), 0);
  EXPECT_EQ(std::string(room_name) + " " + std::to_string(story_alarm), "future_floor1 1");
  // A room state file damaged from outside during play is rebuilt from the game's own copy: saves go on.
  write_file("sav/tmp/fphystp.sav", "1 2 x");
  EXPECT_EQ(save_game(7), 0);
  std::string text, why;
  EXPECT_TRUE(slot_file_sound("sav/game07.sav", why)) << why;
  EXPECT_GT(read_file("sav/tmp/fphystp.sav").size(), 400000u) << "the damaged file is written whole again";
}

// Time played runs with the game's clock; a pause of a minute, a visit to the slot screen and the time after five
// minutes without a move of the mouse add nothing. It travels with the side file and comes back with a load.
TEST(TimePlayed, ThePausesMenusAndAnIdleWindowAddNothingAndALoadGivesItBack) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  auto play_until = [](int t) { while (headless::now() < t) main_loop_pass(); };
  auto played_during = [&](int ms, auto&& script) {
    const int before = played_ms, t = headless::now();
    script(t);
    play_until(t + ms);
    return played_ms - before;
  };
  EXPECT_NEAR(played_during(10000, [](int) {}), 10000, 60);
  EXPECT_NEAR(played_during(61000, [](int t) {
                headless::key_at(t + 10, KEY_P << 8 | 'p');
                headless::key_at(t + 60010, KEY_SPACE << 8 | ' ');
              }), 1000, 120) << "a minute of pause";
  EXPECT_NEAR(played_during(31000, [](int t) {
                headless::key_at(t + 10, KEY_F5 << 8);
                headless::mouse_at(t + 30000, 320, 240, 2), headless::mouse_at(t + 30100, 320, 240, 0);
              }), 1000, 200) << "half a minute on the save screen";
  EXPECT_NEAR(played_during(400000, [](int t) { headless::mouse_at(t + 10, 330, 250, 0); }), 300000, 200)
      << "the mouse left alone for 400 s";
  const int played = played_ms;
  ASSERT_EQ(save_game(1), 0);
  played_ms = 5;
  ASSERT_EQ(load_game(1), 0);
  EXPECT_EQ(played_ms, played);
  EXPECT_EQ(read_slot_info("sav/game01.sav").played_ms, played);
}
