// A game killed at a random moment while it saves: the slot holds the game
// of the last save that was finished or the one being made, whole, never a
// piece of one; it loads, and the next save works.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "persistence/saved_games.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

TEST(SaveKill, AGameKilledWhileSavingKeepsAWholeSlot) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  counter7 = 3;
  story_alarm = 0;
  ASSERT_EQ(save_game(), 0);
  const std::string without_alarm = read_file("sav/game03.sav");
  story_alarm = 1;
  const auto a = std::chrono::steady_clock::now();
  ASSERT_EQ(save_game(), 0);
  const auto save_us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - a);
  const std::string with_alarm = read_file("sav/game03.sav");
  ASSERT_NE(without_alarm, with_alarm);

  std::mt19937 rng(2027);
  // Kill anywhere from before the first save has begun to after the second.
  std::uniform_int_distribution<long> moment(0, 2 * save_us.count() + 2000);
  int mid_write = 0;
  constexpr int kRounds = 50;
  for (int round = 0; round < kRounds && !HasFailure(); ++round) {
    std::fflush(nullptr);
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
      for (int i = round;; ++i) {
        story_alarm = i % 2;
        counter7 = 3;
        save_game();
      }
    }
    usleep(static_cast<useconds_t>(moment(rng)));
    kill(saver, SIGKILL);
    int status = 0;
    waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    struct stat st;
    if (stat("sav/game03.sav.tmp", &st) == 0) ++mid_write;
    const std::string slot = read_file("sav/game03.sav");
    EXPECT_TRUE(slot == without_alarm || slot == with_alarm) << "round " << round << ": " << slot.size() << " bytes";
  }
  std::printf("saves killed: %d, %d of them while the slot's new file was being written\n", kRounds, mid_write);
  std::string why;
  EXPECT_TRUE(slot_file_sound("sav/game03.sav", why)) << why;
  story_alarm = 0;
  counter7 = 3;
  EXPECT_EQ(save_game(), 0) << "a file left by a killed save is no hindrance";
  story_alarm = 1;
  EXPECT_EQ(load_game(), 0);
  EXPECT_EQ(story_alarm, 0);
}
