// The whole program, headless, where something fails around it: no display,
// state files that cannot be rebuilt at start-up, a folder where nothing can
// be written, a Quit whose options cannot be saved. Each run ends as it
// should, says why on the console and changes no other file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "persistence/room_state.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

int run_game() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

int run_to_main_menu() {
  Player player;
  player.then(in_main_menu, [] { headless::stop(); });
  return run_game();
}

// Standard output and standard error into one file, in the order written.
class ConsoleCapture {
 public:
  ConsoleCapture() {
    std::fflush(stdout);
    std::fflush(stderr);
    saved_out_ = dup(1);
    saved_err_ = dup(2);
    file_ = std::tmpfile();
    dup2(fileno(file_), 1);
    dup2(fileno(file_), 2);
  }
  std::string text() {
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(saved_out_, 1);
    dup2(saved_err_, 2);
    close(saved_out_);
    close(saved_err_);
    std::string all;
    std::rewind(file_);
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0) all.append(buf, n);
    std::fclose(file_);
    return all;
  }

 private:
  int saved_out_ = -1;
  int saved_err_ = -1;
  FILE* file_ = nullptr;
};

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(Failures, WithoutADisplayTheTwoLinesTheReasonAndStatusThree) {
  fresh_game();
  write_file("options.sav", "1 2 3 1 ");
  headless::fail_install(true);
  const auto before = folder_snapshot({"bugs.txt"});
  ConsoleCapture console;
  const int status = run_game();
  const std::string out = console.text();
  EXPECT_EQ(status, 3);
  EXPECT_EQ(out,
            "Critical Error: Unable to select correct Video Mode.\nExiting Allegro ... \n"
            "Pelvaro: no display to be found (headless).\n");
  EXPECT_EQ(headless::sound().sound_installed, 0) << "nothing of the library is used after it failed to start";
  EXPECT_EQ(folder_snapshot({"bugs.txt"}), before);
}

TEST(Failures, AStateFileBlockedAtStartUpIsRemovedAndReported) {
  fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  // An earlier run's state, and a folder where the new one's temporary file goes.
  write_file("sav/tmp/physik.sav", "1 1 1 ");
  mkdir("sav/tmp/physik.sav.tmp", 0755);
  write_file("sav/tmp/physik.sav.tmp/x", "");
  write_file("options.sav", "1 2 3 1 ");
  const auto before = folder_snapshot({"bugs.txt", "sav/tmp"});
  testing::internal::CaptureStderr();
  ASSERT_EQ(run_to_main_menu(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(access("sav/tmp/physik.sav", F_OK), 0) << "the earlier run's state is gone";
  EXPECT_EQ(access("sav/tmp/physik.sav.tmp/x", F_OK), 0) << "what was in the way stays";
  EXPECT_EQ(access("sav/tmp/fphysik.sav", F_OK), 0) << "the other rooms' files are written";
  EXPECT_EQ(err, "Pelvaro: the state of a room could not be saved to sav/tmp/physik.sav: Is a directory.\n");
  std::fflush(bug_report);
  EXPECT_NE(read_file("bugs.txt").find("sav/tmp/physik.sav: cannot be written (Is a directory)"), std::string::npos);
  EXPECT_EQ(folder_snapshot({"bugs.txt", "sav/tmp"}), before);
}

TEST(Failures, OnAFullDiskTheFirstRoomStartsFromItsScriptNotFromAnEarlierRun) {
  // The first room as its script builds it: its state file taken away while
  // the main menu is up.
  fresh_game();
  {
    Player player;
    player.then(in_main_menu, [] {
      unlink("sav/tmp/ffloor1.sav");
      headless::click(headless::now() + 2, 150, 175);
    });
    player.click_when(in_intro, 320, 240).then(in_main_loop, [] { headless::stop(); });
    testing::internal::CaptureStderr();
    ASSERT_EQ(run_game(), -2);
    testing::internal::GetCapturedStderr();
  }
  int script_present[kMaxFurni], script_anim[kMaxFurni];
  for (int i = 0; i < kMaxFurni; ++i) {
    script_present[i] = furni_present[i];
    script_anim[i] = furni_anim[i];
  }
  // An earlier run left every piece hidden in state 7; this run cannot write
  // the room's file (the temporary file leads to /dev/full).
  fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  std::string earlier;
  for (int i = 0; i < kStateNumbers; ++i) earlier += i < 20 ? (i % 2 ? "7 " : "0 ") : "0 ";
  write_file("sav/tmp/ffloor1.sav", earlier);
  ASSERT_EQ(symlink("/dev/full", "sav/tmp/ffloor1.sav.tmp"), 0);
  testing::internal::CaptureStderr();
  ASSERT_EQ(play_to_main_loop(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  for (int i = 0; i < kMaxFurni; ++i) {
    EXPECT_EQ(furni_present[i], script_present[i]) << "piece " << i;
    EXPECT_EQ(furni_anim[i], script_anim[i]) << "piece " << i;
  }
  EXPECT_NE(access("sav/tmp/ffloor1.sav", F_OK), 0);
  EXPECT_EQ(count_of(err, "could not be saved to sav/tmp/ffloor1.sav: No space left on device"), 1) << err;
}

TEST(Failures, AFolderWhereNothingCanBeWrittenIsReportedOnceAndTheGameStillRuns) {
  fresh_game();
  // bugs.txt cannot be created and the save folders cannot be made.
  mkdir("bugs.txt", 0755);
  write_file("sav", "not a folder");
  const auto before = folder_snapshot();
  testing::internal::CaptureStderr();
  ASSERT_EQ(run_to_main_menu(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(count_of(err, "Pelvaro: bugs.txt: Is a directory; faults are reported on the console only.\n"), 1) << err;
  EXPECT_EQ(count_of(err, "Pelvaro: sav/tmp: Not a directory; the rooms' states cannot be stored.\n"), 1) << err;
  // 43 rooms fail alike: the console hears of it once.
  EXPECT_EQ(count_of(err, "the state of a room could not be saved"), 1) << err;
  EXPECT_EQ(folder_snapshot(), before);
}

TEST(Failures, QuitWithOptionsThatCannotBeSavedSaysWhyBeforeTheFarewell) {
  fresh_game();
  write_file("options.sav", "11 22 33 1 \r\n  my first save");
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  // A full disk: the options' temporary file leads to /dev/full.
  ASSERT_EQ(symlink("/dev/full", "options.sav.tmp"), 0);
  const auto before = folder_snapshot({"bugs.txt", "sav/tmp", "options.sav.tmp"});
  Player player;
  player.click_when(in_main_menu, 160, 420);  // Quit
  ConsoleCapture console;
  const int status = run_game();
  const std::string out = console.text();
  EXPECT_EQ(status, 1);
  const size_t failure = out.find("Pelvaro: the settings could not be saved to options.sav: No space left on device.\n");
  const size_t farewell = out.find("Credits:");
  ASSERT_NE(failure, std::string::npos) << out;
  ASSERT_NE(farewell, std::string::npos) << out;
  EXPECT_LT(failure, farewell);
  EXPECT_EQ(read_file("options.sav"), "11 22 33 1 \r\n  my first save");
  EXPECT_EQ(folder_snapshot({"bugs.txt", "sav/tmp", "options.sav.tmp"}), before);
}
