// The tests' own folders: each test's folder is removed with everything in it
// when the next one is made and when the test process ends, also after a
// failure; a process that was killed has its folder removed by the next one.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "support/test_support.h"

using namespace test_support;

namespace {

bool exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

// Runs `how_it_ends` in a child process that has made its own test folder;
// returns the folder's path.
std::string folder_of_child(void (*how_it_ends)()) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return "";
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    fresh_game();
    write_file("state.sav", std::string(1000, '7'));
    const std::string dir = test_dir();
    if (write(pipe_fds[1], dir.data(), dir.size()) < 0) _exit(9);
    close(pipe_fds[1]);
    how_it_ends();
    _exit(0);
  }
  close(pipe_fds[1]);
  std::string dir;
  char buf[512];
  ssize_t n;
  while ((n = read(pipe_fds[0], buf, sizeof buf)) > 0) dir.append(buf, static_cast<size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return dir;
}

}  // namespace

TEST(TestFolders, TheNextFreshGameRemovesTheLastFolderWithItsFiles) {
  fresh_game();
  const std::string first = test_dir();
  const char* tmp = std::getenv("TMPDIR");
  EXPECT_EQ(first.rfind(std::string(tmp && *tmp ? tmp : "/tmp") + "/pelvaro-test-" + std::to_string(getpid()) + "-", 0),
            0u)
      << first;
  mkdir("sav", 0755);
  write_file("sav/game00.sav", "x");
  fresh_game();
  EXPECT_FALSE(exists(first));
  EXPECT_TRUE(exists(test_dir()));
}

TEST(TestFolders, AProcessThatEndsAfterAFailureRemovesItsFolder) {
  const std::string dir = folder_of_child([] { std::exit(1); });
  ASSERT_FALSE(dir.empty());
  EXPECT_FALSE(exists(dir));
}

TEST(TestFolders, AKilledProcessesFolderIsRemovedByTheNextTest) {
  const std::string dir = folder_of_child([] { raise(SIGKILL); });
  ASSERT_FALSE(dir.empty());
  ASSERT_TRUE(exists(dir)) << "a killed process cannot clean up";
  fresh_game();
  EXPECT_FALSE(exists(dir));
}
