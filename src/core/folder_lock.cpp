#include "core/folder_lock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/platform.h"

namespace {

constexpr const char* kLockFile = "pelvaro.lock";

int lock_fd = -1;

}  // namespace

void take_folder_lock() {
  if (lock_fd >= 0) close(lock_fd);  // a test's earlier run, in another folder
  lock_fd = open(kLockFile, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_fd < 0) {
    // A folder where not even the lock can be made: the game runs and says so
    // where it fails to write.
    std::fprintf(stderr, "Pelvaro: %s cannot be made here (%s); two copies of the game could meet.\n", kLockFile,
                 std::strerror(errno));
    return;
  }
  if (flock(lock_fd, LOCK_EX | LOCK_NB) == 0) return;
  if (errno != EWOULDBLOCK) return;
  close(lock_fd);
  lock_fd = -1;
  const char* words = "Pelvaro is already running.";
  std::printf("%s\n", words);
  std::fflush(stdout);
  platform_tell(words);
  platform_exit(ExitStatus::already_running);
}
