#include "shell/closing.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "hero/hero.h"
#include "menus/control_panel.h"
#include "persistence/options.h"
#include "platform/platform.h"
#include "shell/world.h"

namespace {

constexpr const char* kLockFile = "pelvaro.lock";
// The exit status of a second copy of the game in the same folder.
constexpr int kAlreadyRunning = 4;
// How long the main loop waits for a quiet point: a close must end the
// program even if some state never settles; the game is then not kept (the
// older autosave stays), since Continue must never take up a game that
// cannot be finished.
constexpr int kQuietWaitMs = 10000;

int lock_fd = -1;
int close_noted_at = -1;

bool hero_walking() {
  return mov_nr != kStanding;
}

bool errand_pending() {
  return take_object != -1 || gear_object != -1 || use_object != -1 || talk_goto != -1 || change_room != -1;
}

bool consequence_due() {
  return cons_gotaccesscard != 0 || cons_adyteleskop != 0 || cons_policemad != 0 || cons_gotglasses != 0 ||
         cons_gotblei != 0 || story_zirud_talk != 0 || story_hero_uff != 0;
}

// A close outside a game: the settings are kept, as by Quit in the menu.
[[noreturn]] void end_outside_a_game() {
  platform_stop_midi();
  save_options();
  platform_exit(1);
}

}  // namespace

bool at_quiet_point() {
  return game > 0 && video_active == 0 && talk_nr == -1 && inv_menu == 0 && !hero_walking() && !errand_pending() &&
         !consequence_due();
}

void begin_game() {
  game_under_way = 1;
}

bool close_pending() {
  return close_request == 1;
}

void on_close_request() {
  if (game_under_way != 1) end_outside_a_game();
  request_quit();
}

void request_quit() {
  if (close_request != 1) close_noted_at = platform_clock_ms();
  close_request = 1;
}

void honour_close_request() {
  if (!close_pending()) return;
  // The hero stops where he stands; what he was on his way to do is dropped.
  if (hero_walking() || errand_pending()) {
    reset_hero();
    take_object = gear_object = use_object = talk_goto = change_room = -1;
    wait_loop = 0;
  }
  if (at_quiet_point()) quit_from_panel();
  if (platform_clock_ms() - close_noted_at > kQuietWaitMs) {
    std::fprintf(stderr, "Pelvaro: the game did not come to rest; it ends without being kept.\n");
    end_outside_a_game();
  }
}

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
  platform_exit(kAlreadyRunning);
}
