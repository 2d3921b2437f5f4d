// The options file (volumes, text speed, the ten slot names) and the window's
// scale (display.sav, "-scale N"): the format, round trips, damaged files,
// files that cannot be read or written.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "persistence/display_options.h"
#include "persistence/options.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

std::string padded(const std::string& s) {
  return s + std::string(30 - s.size(), ' ');
}

// The four numbers and the ten names as the game holds them.
std::string options_now() {
  std::string s = std::to_string(music_vol) + " " + std::to_string(wave_vol) + " " + std::to_string(text_speed) +
                  " " + std::to_string(text_output);
  for (int k = 0; k < 10; ++k) s += "|" + std::string(save_name[k], 30);
  return s;
}

std::string names(std::vector<std::string> ten) {
  std::string s;
  ten.resize(10);
  for (const std::string& n : ten) s += "|" + padded(n);
  return s;
}

}  // namespace

TEST(Options, RoundTripKeepsNumbersAndAllTenNamesExactlyInTheFileFormat) {
  fresh_game();
  music_vol = 0;
  wave_vol = 255;
  text_speed = 7;
  text_output = 1;
  std::memset(save_name, ' ', sizeof save_name);
  std::memcpy(save_name[0], "   leading blanks", 17);
  std::memcpy(save_name[2], "abcdefghijklmnopqrstuvwxyz0123", 30);
  std::memcpy(save_name[9], "last slot", 9);
  ASSERT_EQ(save_options(), 0);
  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 12 + 30), "0 255 7 1 \r\n" + padded("   leading blanks"));
  EXPECT_EQ(disk.size(), 10u + 10 * (2 + 30)) << "no line break after the last name";
  EXPECT_NE(access("options.sav.tmp", F_OK), 0) << "no temporary file left behind";
  reset_world();
  load_options();
  EXPECT_EQ(options_now(), "0 255 7 1" + names({"   leading blanks", "", "abcdefghijklmnopqrstuvwxyz0123", "", "", "",
                                                "", "", "", "last slot"}));
  // The volumes are applied as soon as they are read.
  EXPECT_EQ(headless::sound().midi_volume, 0);
  EXPECT_EQ(headless::sound().digi_volume, 255);
}

TEST(Options, FilesAsTheyComeAreReadNameByNameWithDefaultsForWhatIsMissing) {
  auto lines = [](const std::string& numbers, const std::string& br, const std::vector<std::string>& ten) {
    std::string s = numbers;
    for (const std::string& n : ten) s += br + n;
    return s;
  };
  const std::vector<std::string> slots{" slot 0", " slot 1", " slot 2", " slot 3", " slot 4",
                                       " slot 5", " slot 6", " slot 7", " slot 8", " slot 9"};
  std::vector<std::string> long_lines = slots;
  long_lines[1] = std::string(29, 'a');
  long_lines[2] = std::string(30, 'b');
  long_lines[3] = std::string(31, 'c') + "y";
  long_lines[4] = "a name that runs on well past thirty characters";
  std::vector<std::string> long_names = slots;
  long_names[1] = std::string(29, 'a');
  long_names[2] = std::string(30, 'b');
  long_names[3] = std::string(30, 'c');
  long_names[4] = "a name that runs on well past ";
  std::string padded_slots;
  for (const std::string& n : slots) padded_slots += padded(n);
  const struct {
    const char* what;
    std::string content, expected;  // content "-": no file
  } cases[] = {
      {"missing", "-", "180 220 50 1" + names({})},
      {"empty", "", "180 220 50 1" + names({})},
      {"garbage", "garbage!\r\n&&&", "180 220 50 1" + names({"&&&"})},
      {"two numbers", "12 34", "12 34 50 1" + names({})},
      {"out of range, clamped", "999 -5 1000 7 \r\nshort", "255 0 100 1" + names({"short"})},
      {"CR LF", lines("10 20 30 0 ", "\r\n", slots), "10 20 30 0" + names(slots)},
      {"LF", lines("10 20 30 0 ", "\n", slots), "10 20 30 0" + names(slots)},
      {"CR", lines("10 20 30 0 ", "\r", slots), "10 20 30 0" + names(slots)},
      {"names of 29, 30, 31 and more", lines("10 20 30 1 ", "\r\n", long_lines),
       "10 20 30 1" + names(long_names)},
      {"line breaks lost", "40 50 60 0 " + padded_slots, "40 50 60 0" + names(slots)},
      {"line breaks lost, three names", "40 50 60 0 " + padded("one") + padded("two") + "three",
       "40 50 60 0" + names({"one", "two", "three"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fresh_game();
    if (c.content != "-") write_file("options.sav", c.content);
    load_options();
    EXPECT_EQ(options_now(), c.expected);
    // The next save writes the whole file again.
    ASSERT_EQ(save_options(), 0);
    reset_world();
    load_options();
    EXPECT_EQ(options_now(), c.expected);
    EXPECT_EQ(read_file("options.sav").size(), std::to_string(music_vol).size() + std::to_string(wave_vol).size() +
                                                   std::to_string(text_speed).size() + 5 + 10 * 32);
  }
}

TEST(Options, AFileThatCannotBeReadOrWrittenIsReportedAndTheOldOneStays) {
  // A FIFO would block the game for ever on opening it; give up after a while.
  fresh_game();
  alarm(60);
  ASSERT_EQ(mkfifo("options.sav", 0644), 0);
  testing::internal::CaptureStderr();
  load_options();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(options_now(), "180 220 50 1" + names({}));
  EXPECT_NE(err.find("options.sav: it is not a regular file; the default settings are used."), std::string::npos)
      << err;
  ASSERT_EQ(save_options(), 0);
  struct stat st;
  ASSERT_EQ(stat("options.sav", &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode)) << "saving puts a regular file in its place";
  alarm(0);

  fresh_game();
  ASSERT_EQ(mkdir("options.sav", 0755), 0);
  write_file("options.sav/keep", "mine");
  testing::internal::CaptureStderr();
  load_options();
  EXPECT_EQ(save_options(), -1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("options.sav: it is not a regular file"), std::string::npos) << err;
  EXPECT_NE(err.find("the settings could not be saved to options.sav: Is a directory."), std::string::npos) << err;
  EXPECT_EQ(read_file("options.sav/keep"), "mine");
  EXPECT_NE(access("options.sav.tmp", F_OK), 0) << "no temporary file left behind";

  // The temporary file leads to /dev/full, or a folder stands in its place.
  for (const char* reason : {"No space left on device", "Is a directory"}) {
    fresh_game();
    bug_report = std::fopen("bugs.txt", "w");
    const std::string old = "1 2 3 1 \r\nthe old file";
    write_file("options.sav", old);
    if (std::strcmp(reason, "Is a directory") == 0)
      ASSERT_EQ(mkdir("options.sav.tmp", 0755), 0);
    else
      ASSERT_EQ(symlink("/dev/full", "options.sav.tmp"), 0);
    music_vol = 99;
    testing::internal::CaptureStderr();
    EXPECT_EQ(save_options(), -1) << reason;
    const std::string line = std::string("Pelvaro: the settings could not be saved to options.sav: ") + reason + ".\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line);
    EXPECT_EQ(read_file("options.sav"), old);
    std::fclose(bug_report);
    bug_report = nullptr;
    EXPECT_EQ(read_file("bugs.txt"), line);
  }
}

TEST(DisplayOptions, TheFileKeepsOneFactorAndAnythingElseMeansTheLargestThatFits) {
  fresh_game();
  load_display_options();
  EXPECT_EQ(window_scale, 0) << "no file";
  const struct {
    const char* content;
    int expected;
  } cases[] = {{"2 ", 2}, {"3", 3}, {"1 \r\n", 1}, {"0 ", 0}, {"8 ", 8}, {"9 ", 0},
               {"-2 ", 0}, {"two", 0}, {"", 0}, {"2 3 ", 0}};
  for (const auto& c : cases) {
    window_scale = 5;
    write_file("display.sav", c.content);
    load_display_options();
    EXPECT_EQ(window_scale, c.expected) << '"' << c.content << '"';
  }
  window_scale = 3;
  ASSERT_EQ(save_display_options(), 0);
  EXPECT_EQ(read_file("display.sav"), "3 ");
}

TEST(DisplayOptions, MinusScaleTakesAWholeFactorFromOneToEight) {
  const struct {
    std::vector<const char*> args;
    int scale;
  } cases[] = {{{"game"}, 0},          {{"game", "-scale", "2"}, 2}, {{"game", "-fullscreen", "-scale", "3"}, 3},
               {{"game", "-scale", "1"}, 1}, {{"game", "-scale", "8"}, 8}, {{"game", "-scale"}, 0},
               {{"game", "-scale", "0"}, 0}, {{"game", "-scale", "9"}, 0}, {{"game", "-scale", "2x"}, 0},
               {{"game", "-Scale", "2"}, 0}};
  for (const auto& c : cases) {
    std::vector<char*> argv;
    for (const char* a : c.args) argv.push_back(const_cast<char*>(a));
    testing::internal::CaptureStdout();
    EXPECT_EQ(scale_from_command_line(static_cast<int>(argv.size()), argv.data()), c.scale) << argv.back();
    const std::string told = testing::internal::GetCapturedStdout();
    // Only a wrong -scale is reported.
    const bool wrong = c.scale == 0 && c.args.size() > 1 && std::strcmp(c.args[1], "-Scale") != 0;
    EXPECT_EQ(told.find("-scale") != std::string::npos, wrong) << argv.back() << ": " << told;
  }
}

TEST(DisplayOptions, StartUpAsksForTheCommandLineFactorElseThePlayersChoice) {
  auto start_with = [](const char* display_sav, std::initializer_list<const char*> args) {
    fresh_game();
    if (display_sav) write_file("display.sav", display_sav);
    std::vector<char*> argv{const_cast<char*>("game")};
    for (const char* a : args) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    Player player;
    player.then([] { return true; }, [] { headless::stop(); });
    EXPECT_EQ(run_program([&] { game_main(static_cast<int>(argv.size()) - 1, argv.data()); }), -2);
  };
  start_with(nullptr, {});
  EXPECT_EQ(headless::requested_scale(), 0) << "no choice: the largest that fits";
  start_with("3 ", {});
  EXPECT_EQ(headless::requested_scale(), 3);
  EXPECT_EQ(window_scale, 3);
  start_with("3 ", {"-scale", "1"});
  EXPECT_EQ(headless::requested_scale(), 1) << "the command line wins for this run";
  EXPECT_EQ(window_scale, 3) << "and does not change the player's choice";
  EXPECT_EQ(read_file("display.sav"), "3 ");
  start_with(nullptr, {"-fullscreen", "-scale", "2"});
  EXPECT_EQ(headless::requested_fullscreen(), 1);
  EXPECT_EQ(headless::requested_scale(), 2);
}
