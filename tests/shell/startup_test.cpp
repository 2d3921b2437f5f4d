// The program from its start to the main loop of a new game, headless.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/headless.h"
#include "shell/game.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

TEST(StartUp, NewGameReachesTheMainLoopInTheFirstRoomWithTheRollingPin) {
  fresh_game();
  ASSERT_EQ(play_to_main_loop(), -2);

  EXPECT_STREQ(room_name, "future_floor1");
  EXPECT_EQ(invent_nr, 1);
  EXPECT_STREQ(inventory_obj[0], "rolle");
  EXPECT_STREQ(inv_obj_describe[0][0], TR("Mamas Nudelholz ist fuer mich wie ein Schweizer Messer.",
                                          "Mum's rolling pin is my allrounder tool."));
  EXPECT_STREQ(inv_obj_describe[0][1], "");
  for (int i = 1; i < kInventorySlots; ++i) {
    ASSERT_STREQ(inventory_obj[i], "z") << i;
    ASSERT_NE(inventory_obj_bmp[i], nullptr);
  }
  // The first line was spoken over the hero's head.
  EXPECT_STREQ(input_text[0][0], TR("So. Jetzt aber schnell weg hier.", "Ok, let's get the hell out of here."));
  EXPECT_EQ(sentence_x, 298);
  EXPECT_EQ(talk_direction, kTalkFront);

  EXPECT_EQ(hero_x, 298);
  EXPECT_EQ(hero_y, 267);
  EXPECT_EQ(click_x2, 298);
  EXPECT_EQ(true_y, 267);
  EXPECT_EQ(take_object, -1);
  EXPECT_EQ(gear_object, -1);
  EXPECT_EQ(use_object, -1);
  EXPECT_EQ(talk_goto, -1);
  EXPECT_EQ(talk_nr, -1);
  EXPECT_EQ(change_room, -1);
  // Loading the room recorded the states its tables were built for.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(old_furni_anim[i], furni_anim[i]);
    EXPECT_EQ(old_person_anim[i], person_anim[i]);
  }
  // The in-game music plays, looping; the title music was started once before.
  EXPECT_EQ(track_nr, 2);
  EXPECT_EQ(headless::sound().midi_plays, 2);
  EXPECT_NE(headless::sound().playing_midi, nullptr);
  EXPECT_EQ(headless::sound().midi_loop, 1);
  // Start-up data released on the way: the title datafile and the menu's.
  EXPECT_EQ(title_dat, nullptr);
  EXPECT_EQ(menu_dat, nullptr);
  EXPECT_EQ(intro_dat, nullptr);
  EXPECT_NE(pv_font, nullptr);
  EXPECT_EQ(mouse_status, kModeWalk);
}

TEST(StartUp, ProgressBarRunsOverAllRoomsBeforeTheMenu) {
  fresh_game();
  int presents_with_bar = 0;
  int loop_at_menu = -1;
  const char* room_at_menu = nullptr;
  int plays_at_menu = -1;
  // The progress screens are the presents made while the title datafile is
  // loaded and its bar pictures are taken.
  Player counting;
  counting.then([&] {
    if (title_dat && red_bar[0]) ++presents_with_bar;
    return in_main_menu();
  }, [&] {
    loop_at_menu = load_loop;
    room_at_menu = room_name;
    plays_at_menu = headless::sound().midi_plays;
    headless::stop();
  });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { game_main(1, argv); }), -2);
  EXPECT_EQ(presents_with_bar, 43);
  EXPECT_EQ(loop_at_menu, 34);  // 43 steps, the bar stays on its last picture from the 34th
  EXPECT_STREQ(room_at_menu, "future_chimietp");
  EXPECT_EQ(plays_at_menu, 1);  // the title music, started once
  EXPECT_EQ(title_dat, nullptr);
  EXPECT_EQ(access("sav/tmp", F_OK), 0);
  EXPECT_EQ(access("bugs.txt", F_OK), 0);
}

TEST(StartUp, OnlyExactlyMinusFullscreenAsFirstArgumentAsksForTheFullScreen) {
  struct Case {
    int argc;
    const char* arg;
    int expected;
  };
  const Case cases[] = {{1, nullptr, 0}, {2, "-fullscreen", 1}, {2, "-Fullscreen", 0}, {2, "fullscreen", 0}};
  for (const Case& c : cases) {
    fresh_game();
    Player player;
    player.then([] { return true; }, [] { headless::stop(); });
    static char name[] = "game";
    char* argv[] = {name, const_cast<char*>(c.arg), nullptr};
    ASSERT_EQ(run_program([&] { game_main(c.argc, argv); }), -2);
    EXPECT_EQ(headless::requested_fullscreen(), c.expected) << (c.arg ? c.arg : "(none)");
  }
  // "-fullscreen" as the second argument still gives a window.
  fresh_game();
  Player player;
  player.then([] { return true; }, [] { headless::stop(); });
  static char name[] = "game";
  static char first[] = "-x";
  static char second[] = "-fullscreen";
  char* argv[] = {name, first, second, nullptr};
  ASSERT_EQ(run_program([&] { game_main(3, argv); }), -2);
  EXPECT_EQ(headless::requested_fullscreen(), 0);
}

TEST(StartUp, WithoutAVideoModeTheTwoConsoleLinesAndANonZeroExit) {
  fresh_game();
  headless::fail_gfx_mode(true);
  testing::internal::CaptureStdout();
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  const int status = run_program([&] { game_main(1, argv); });
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(status, 0);
  EXPECT_GT(status, 0);
  EXPECT_EQ(out, "Critical Error: Unable to select correct Video Mode.\nExiting Allegro ... \n");
}

TEST(StartUp, AMissingOrGarbledDatafileStopsWithItsNameInsteadOfCrashing) {
  for (const char* file : {"walk.dat", "cursor.dat", "font.dat", "title.dat", "menu.dat", "intro.dat",
                           "sfx/track01.mid", "flc/proud.flc", "sfx/logo.wav", "general.dat"}) {
    SCOPED_TRACE(file);
    fresh_game();
    const std::string path = file;
    if (path.find('/') != std::string::npos) {
      // The folder is linked: replace the link by a copy without the file.
      const std::string dir = path.substr(0, path.find('/'));
      ASSERT_EQ(unlink(dir.c_str()), 0);
      ASSERT_EQ(system(("cp -r " + std::string(PELVARO_DATA_DIR) + "/" + dir + " " + dir).c_str()), 0);
    }
    ASSERT_EQ(unlink(file), 0);
    if (path == "general.dat") write_file(file, "this is not a datafile");
    testing::internal::CaptureStderr();
    const int status = play_to_main_loop();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find(file), std::string::npos) << err;
  }
}
