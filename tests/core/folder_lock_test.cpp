// The folder lock's clean-up at the start: the temporary files of processes that no longer run go, those of a
// running process and every other file stay, and a copy that finds the lock held removes nothing.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <string>
#include <vector>
#include "game/game.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
// A process that has ended (its pid reaped) and one that runs until the test ends it.
struct Processes {
  pid_t ended = 0, running = 0;
  Processes() {
    ended = fork();
    if (ended == 0) _exit(0);
    waitpid(ended, nullptr, 0);
    running = fork();
    if (running == 0) for (;;) pause();
  }
  ~Processes() { kill(running, SIGKILL), waitpid(running, nullptr, 0); }
};

// Each file the test made, and whether a start may remove it.
struct Leftover { std::string path; bool goes; };

std::vector<Leftover> make_files(const Processes& p) {
  const std::string dead = std::to_string(p.ended), alive = std::to_string(p.running);
  std::vector<Leftover> files = {
      // A write through "<name>.<pid>.tmp", in each of the three folders.
      {"options.sav." + dead + ".tmp", true},
      {"sav/game03.sav." + dead + ".tmp", true},
      {"sav/autosave.sav." + dead + ".tmp", true},
      {"sav/tmp/entree.sav." + dead + ".tmp", true},
      // A load: the staged new state and the old one moved aside.
      {"sav/tmp/entree.sav." + dead + ".new", true},
      {"sav/tmp/aula.sav." + dead + ".old", true},
      // The same of a process that runs.
      {"options.sav." + alive + ".tmp", false},
      {"sav/game03.sav." + alive + ".tmp", false},
      {"sav/tmp/entree.sav." + alive + ".new", false},
      {"sav/tmp/aula.sav." + alive + ".old", false},
      // The player's games and files not named by the rule.
      {"sav/game03.sav", false},
      {"sav/game03.sav." + dead + ".old", false},
      {"notes." + dead + ".txt", false},
      {"options.sav.x" + dead + ".tmp", false},
      {"sav/tmp/" + dead + ".tmp", false},
  };
  mkdir("sav", 0755), mkdir("sav/tmp", 0755);
  for (const Leftover& f : files) write_file(f.path, "kept " + f.path);
  return files;
}

int start_to_main_menu() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  Player().then(in_main_menu, [] { headless::stop(); });
  return run_program([&] { game_main(1, argv); });
}
}  // namespace

TEST(FolderLock, AStartRemovesTheTemporaryFilesOfEndedProcessesOnly) {
  fresh_game();
  const Processes processes;
  const std::vector<Leftover> files = make_files(processes);
  ASSERT_EQ(start_to_main_menu(), -2);
  for (const Leftover& f : files) {
    EXPECT_EQ(access(f.path.c_str(), F_OK) != 0, f.goes) << f.path;
    if (!f.goes) EXPECT_EQ(read_file(f.path), "kept " + f.path) << f.path;
  }
}

TEST(FolderLock, ACopyThatFindsTheLockHeldRemovesNothing) {
  fresh_game();
  const Processes processes;
  const std::vector<Leftover> files = make_files(processes);
  const int first = open("pelvaro.lock", O_RDWR | O_CREAT, 0644);  // what the copy already running holds
  ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(start_to_main_menu(), 4);
  close(first);
  for (const Leftover& f : files) EXPECT_EQ(read_file(f.path), "kept " + f.path) << f.path;
}
