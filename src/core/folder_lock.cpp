#include "core/folder_lock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/platform.h"

namespace {

constexpr const char* kLockFile = "pelvaro.lock";

int lock_fd = -1;

// The process that wrote "<name>.<pid>.<ending>" when the file is named so, else 0.
long writer_of(const std::string& file, const std::string& ending) {
  if (file.size() <= ending.size() + 1 || file.compare(file.size() - ending.size(), ending.size(), ending) != 0 ||
      file[file.size() - ending.size() - 1] != '.')
    return 0;
  const std::string stem = file.substr(0, file.size() - ending.size() - 1);  // "<name>.<pid>"
  const size_t dot = stem.rfind('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == stem.size() || dot + 1 + 9 < stem.size()) return 0;
  long pid = 0;
  for (size_t i = dot + 1; i < stem.size(); ++i) {
    if (stem[i] < '0' || stem[i] > '9') return 0;
    pid = pid * 10 + (stem[i] - '0');
  }
  return pid;
}

bool ended(long pid) { return pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

// Every file is written through "<name>.<pid>.tmp" and renamed (core/files.h); a load stages the rooms' files in
// sav/tmp as "<file>.<pid>.new" and moves the old ones aside as "<file>.<pid>.old" before it puts the new ones in
// (persistence/saved_games.cpp). A process killed on the way leaves them behind. None is needed again: what a
// rename would have replaced is still whole, the rooms' files are written anew at every start, before any is
// read, and a player's games are the slot files in sav/, each replaced whole. So the leftovers of processes that
// no longer run go, in the player's folder, sav/ and sav/tmp/; those of a running process stay.
void remove_leftovers_of_ended_processes() {
  struct Folder {
    const char* path;
    bool load_staging;  // where a load leaves ".new" and ".old"
  };
  for (const Folder& folder : {Folder{".", false}, Folder{"sav", false}, Folder{"sav/tmp", true}}) {
    // Never a throw at the start: every failure (a folder missing or unreadable) only ends the search there.
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder.path, ec); !ec && it != decltype(it)();
         it.increment(ec)) {
      std::error_code ignored;
      if (!it->is_regular_file(ignored) || it->is_symlink(ignored)) continue;
      const std::string name = it->path().filename().string();
      long pid = writer_of(name, "tmp");
      if (folder.load_staging && !pid) pid = writer_of(name, "new");
      if (folder.load_staging && !pid) pid = writer_of(name, "old");
      if (ended(pid)) std::filesystem::remove(it->path(), ignored);
    }
  }
}

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
  if (flock(lock_fd, LOCK_EX | LOCK_NB) == 0) {
    remove_leftovers_of_ended_processes();
    return;
  }
  if (errno != EWOULDBLOCK) return;
  close(lock_fd);
  lock_fd = -1;
  const char* words = "Pelvaro is already running.";
  std::printf("%s\n", words);
  std::fflush(stdout);
  platform_tell(words);
  platform_exit(ExitStatus::already_running);
}
