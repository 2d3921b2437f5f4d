// The first room played headless: walking, the cursor, exits, closed doors, room changes and the state rooms keep.
#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "game/game.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {
struct InGame : testing::Test {
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    std::filesystem::create_directories("sav/tmp");  // as the game's start makes it
    hero_x = 298, hero_y = 267;                      // where a new game starts
    mouse_x = 320; mouse_y = 300;
    for (int i = 0; i < 3; ++i) main_loop_pass();
  }
  // Main-loop passes until `done` holds or `ms` of virtual time have gone.
  static bool run_until(const std::function<bool()>& done, int ms = 30000) {
    const int start = headless::now();
    for (; !done(); main_loop_pass())
      if (headless::now() - start > ms) return false;
    return true;
  }
  static void click_and_walk(int cx, int cy) {
    headless::click(headless::now() + 2, cx, cy, 40);
    const int start = headless::now();
    run_until([&] { return headless::now() > start + 200 && mov_nr == kStanding; });
  }
  static void click_exit(int k) { click_and_walk((exit_x[k] + exit_x2[k]) / 2, (exit_y[k] + exit_y2[k]) / 2); }
  static bool in(const char* room) { return std::strcmp(room_name, room) == 0; }
};
}  // namespace

TEST_F(InGame, ClicksWalkTheHeroThroughTheFirstRoom) {
  ASSERT_TRUE(in("future_floor1"));
  click_and_walk(100, 100);  // the area makes it (295, 170)
  EXPECT_NEAR(hero_x, 295, 8);
  EXPECT_NEAR(hero_y, 170, 4);
  // Beyond the right wall, left of the aquarium (whose box, from x 545, would make it a look): onto the wall at 472.
  click_and_walk(520, 330);
  EXPECT_NEAR(hero_x, 472, 8);
  EXPECT_NEAR(hero_y, 330, 12);
  // The walk is paced: 8 x 4 px per composed frame of 55 ms.
  const int x0 = hero_x, t0 = headless::now();
  headless::click(headless::now() + 2, 200, 380, 40);  // the floor left of Mr Betong
  run_until([&] { return headless::now() > t0 + 1100; });
  const int frames = (headless::now() - t0) / 55;
  EXPECT_LE(x0 - hero_x, 8 * frames);
  EXPECT_GE(x0 - hero_x, 8 * (frames - 3));
}

TEST_F(InGame, TheCursorShowsWhatIsUnderIt) {
  // Exit 5 (to future_floor15), the aquarium (hover box 545,226 to 635,344, tested at the mouse position itself),
  // its box's corners included and a pixel beyond it the floor, Mr Betong knocked out: he cannot talk, so he is
  // offered to be looked at.
  const struct { int x, y, mode; } spots[] = {{320, 440, kModeExit}, {560, 260, kModeLook}, {545, 226, kModeLook},
                                               {635, 344, kModeLook}, {544, 260, kModeWalk}, {560, 345, kModeWalk},
                                               {person_mouse_x[0] + 10, person_mouse_y[0] + 10, kModeLook}};
  for (const auto& s : spots) {
    mouse_x = s.x; mouse_y = s.y; main_loop_pass();
    EXPECT_EQ(mouse_status, s.mode) << s.x << ", " << s.y;
  }
  force_cursor = kVerbChosen, mouse_status = kModeTake;  // a verb chosen on the panel is not changed by hovering
  mouse_x = 560; mouse_y = 260;
  main_loop_pass();
  EXPECT_EQ(mouse_status, kModeTake);
  // A click on Mr Betong looks at him: the hero says what he sees.
  force_cursor = kVerbFree;
  headless::click(headless::now() + 2, person_mouse_x[0] + 10, person_mouse_y[0] + 10, 40);
  EXPECT_TRUE(run_until([] { return input_text[0][0] && std::strcmp(input_text[0][0], person_text[0][0]) == 0; }));
}

TEST_F(InGame, AClosedDoorMakesTheHeroWalkThereAndSayHeLacksTheCard) {
  ASSERT_EQ(go_through[4], 0);  // to future_physik
  bool spoke = false;
  headless::on_present([&] {
    spoke = spoke || (input_text[0][0] && std::strcmp(input_text[0][0], TR("Da komm ich nicht durch. Mir fehlt die richtige",
                                                                         "I can't open that door. I don't have the right")) == 0);
  });
  click_exit(4);
  EXPECT_TRUE(run_until([&] { return spoke; }, 20000));
  headless::on_present(nullptr);
  EXPECT_TRUE(in("future_floor1"));
  EXPECT_FALSE(errand_pending());
  EXPECT_STREQ(input_text[0][1], TR("Zugangskarte um die Tür zu öffnen.", "access card."));
}

// Every exit row is checked in the catalogue; here one door is clicked through and back.
TEST_F(InGame, AClickOnAnOpenDoorLeadsOutAndBack) {
  click_exit(3);
  ASSERT_TRUE(run_until([] { return in("future_physiktp"); }));
  click_exit(0);
  ASSERT_TRUE(run_until([] { return in("future_floor1"); }));
}

TEST_F(InGame, AHeroStoppedOnHisWayToADoorDropsItAndTheNextClickOnItTakesHimThrough) {
  // Exit 3 (240,110)-(260,185), walk point (280,185); on his way the aquarium (545,135)-(640,320) is looked at.
  const int start = headless::now();
  headless::click(start + 2, 250, 150, 40), headless::click(start + 300, 590, 250, 40);
  ASSERT_TRUE(run_until([&] { return headless::now() > start + 400 && !(mouse_b & 3); }));
  EXPECT_STREQ(input_text[0][0], TR("Ein leeres Aquarium. Die Fische hat wohl", "An empty aquarium. The new headmaster"));
  EXPECT_EQ(std::make_pair(errand_pending(), mov_nr), std::make_pair(false, +kStanding)) << "no errand left standing";
  EXPECT_GT(std::abs(hero_x - 280) + std::abs(hero_y - 185), 20);
  click_and_walk(250, 150);
  EXPECT_TRUE(run_until([] { return in("future_physiktp"); }, 5000));
}

TEST_F(InGame, ARoomKeepsItsStateAndTheCarriedItemGoesBackOnAChange) {
  furni_present[0] = 1, furni_present[1] = 0;  // the picture shows, the aquarium is gone, as the story would have it
  arrow_obj = "rolle", arrow_describe[0] = "pin", arrow_describe[1] = arrow_describe[2] = "";  // on the pointer
  invent_nr = 0, mouse_status = kModeItem;
  set_errand(ErrandKind::leave, 5);  // to future_floor15, as if the hero had reached the exit
  enter_new_room();
  EXPECT_TRUE(in("future_floor15"));
  EXPECT_STREQ(inventory_obj[0], "rolle");
  EXPECT_EQ((std::vector<int>{invent_nr, mouse_status, hero_x, hero_y}), (std::vector<int>{1, kModeExit, 210, 295}));
  set_errand(ErrandKind::leave, 0);  // back
  enter_new_room();
  EXPECT_TRUE(in("future_floor1"));
  EXPECT_EQ(std::make_pair(furni_present[0], furni_present[1]), std::make_pair(1, 0));
}

TEST_F(InGame, TheEdgeOfAnExitIsNotOnItAndTenPixelsReachIt) {
  // Exit 3 of future_floor1: (240,110)-(260,185), walk point (280,185).
  mouse_x = 240; mouse_y = 150; main_loop_pass();
  EXPECT_NE(mouse_status, kModeExit);
  mouse_x = 241; main_loop_pass();
  EXPECT_EQ(mouse_status, kModeExit);
  // 11 px short of the walk point: nothing happens; 10 px: the change.
  mouse_x = 320; mouse_y = 300; set_errand(ErrandKind::leave, 3), mov_nr = kStanding;
  hero_x = 280 + 11, hero_y = 185; leave_room();
  EXPECT_TRUE(in("future_floor1"));
  hero_x = 280 + 10, hero_y = 185 - 10; leave_room();
  EXPECT_TRUE(in("future_physiktp"));
}

TEST_F(InGame, AnUnknownRoomNameIsRefusedAndTheRoomStays) {
  DATAFILE* const shown = room_dat;
  const char* const piece = furni_name[1];
  room_name = "bio3"; load_new_room();
  EXPECT_EQ(room_dat, shown) << "nothing of the room on screen is cleared or replaced";
  EXPECT_EQ(furni_name[1], piece);
  EXPECT_STREQ(new_room[0], "bio3");
  EXPECT_EQ(exit_nr, 6);
  room_name = "future_floor1";
  set_errand(ErrandKind::leave, 0);  // an exit to "bio3", a place that is no room, changes nothing either
  enter_new_room();
  EXPECT_TRUE(in("future_floor1"));
  EXPECT_FALSE(errand_pending());
}
