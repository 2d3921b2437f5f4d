// The window's scale: display.sav, "-scale N", and how start-up uses them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "persistence/display_options.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

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
  window_scale = 0;
  load_display_options();
  EXPECT_EQ(window_scale, 3);
}

TEST(DisplayOptions, MinusScaleTakesAWholeFactorFromOneToEight) {
  auto scale_of = [](std::initializer_list<const char*> args) {
    std::vector<char*> argv;
    for (const char* a : args) argv.push_back(const_cast<char*>(a));
    return scale_from_command_line(static_cast<int>(argv.size()), argv.data());
  };
  testing::internal::CaptureStdout();
  EXPECT_EQ(scale_of({"game"}), 0);
  EXPECT_EQ(scale_of({"game", "-scale", "2"}), 2);
  EXPECT_EQ(scale_of({"game", "-fullscreen", "-scale", "3"}), 3);
  EXPECT_EQ(scale_of({"game", "-scale", "1"}), 1);
  EXPECT_EQ(scale_of({"game", "-scale", "8"}), 8);
  const std::string quiet = testing::internal::GetCapturedStdout();
  EXPECT_EQ(quiet, "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(scale_of({"game", "-scale"}), 0);
  EXPECT_EQ(scale_of({"game", "-scale", "0"}), 0);
  EXPECT_EQ(scale_of({"game", "-scale", "9"}), 0);
  EXPECT_EQ(scale_of({"game", "-scale", "2x"}), 0);
  EXPECT_EQ(scale_of({"game", "-Scale", "2"}), 0);
  const std::string told = testing::internal::GetCapturedStdout();
  EXPECT_NE(told.find("-scale"), std::string::npos) << "a wrong -scale is reported";
}

namespace {

// Starts the program with these arguments and stops it at its first frame.
void start_with(std::initializer_list<const char*> args) {
  std::vector<char*> argv{const_cast<char*>("game")};
  for (const char* a : args) argv.push_back(const_cast<char*>(a));
  argv.push_back(nullptr);
  Player player;
  player.then([] { return true; }, [] { headless::stop(); });
  ASSERT_EQ(run_program([&] { game_main(static_cast<int>(argv.size()) - 1, argv.data()); }), -2);
}

}  // namespace

TEST(DisplayOptions, StartUpAsksForTheCommandLineFactorElseThePlayersChoice) {
  fresh_game();
  start_with({});
  EXPECT_EQ(headless::requested_scale(), 0) << "no choice: the largest that fits";

  fresh_game();
  write_file("display.sav", "3 ");
  start_with({});
  EXPECT_EQ(headless::requested_scale(), 3);
  EXPECT_EQ(window_scale, 3);

  fresh_game();
  write_file("display.sav", "3 ");
  start_with({"-scale", "1"});
  EXPECT_EQ(headless::requested_scale(), 1) << "the command line wins for this run";
  EXPECT_EQ(window_scale, 3) << "and does not change the player's choice";
  EXPECT_EQ(read_file("display.sav"), "3 ");

  fresh_game();
  start_with({"-fullscreen", "-scale", "2"});
  EXPECT_EQ(headless::requested_fullscreen(), 1);
  EXPECT_EQ(headless::requested_scale(), 2);
}
