#include "headless_driver/driver.h"
#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <system_error>
#include <unordered_set>
#include "core/data_sums.h"
#include "core/datafiles.h"
#include "core/hardware.h"
#include "core/settings.h"
#include "core/world.h"
#include "game/game.h"
#include "menus/main_menu.h"
#include "persistence/saved_games.h"
#include "rooms/rooms.h"

#ifndef PELVARO_BENCH
// The generated data files are unpacked once per process (that was most of a game's start), each load
// getting its own copies of the pictures, fonts shared. A test's damaged copy (not in the data folder), any
// file with PELVARO_NO_DATA_CACHE set, and everything in the benchmarks (PELVARO_BENCH) go to the library's
// loader.
namespace {
std::unordered_set<DATAFILE*> copies;

DATAFILE* copy_of(const DATAFILE* from) {
  int n = 0;
  while (from[n].type != DAT_END) ++n;
  auto* to = static_cast<DATAFILE*>(std::malloc(sizeof(DATAFILE) * (n + 1)));
  for (int i = 0; i <= n; ++i) {
    to[i] = from[i];
    if (auto* b = static_cast<BITMAP*>(from[i].dat); from[i].type == DAT_BITMAP) {
      to[i].dat = create_bitmap_ex(bitmap_color_depth(b), b->w, b->h);
      blit(b, static_cast<BITMAP*>(to[i].dat), 0, 0, 0, 0, b->w, b->h);
    } else if (from[i].type == DAT_FILE) {
      to[i].dat = copy_of(static_cast<DATAFILE*>(from[i].dat));
    }
  }
  return *copies.insert(to).first;
}

void free_copy(DATAFILE* dat) {
  for (DATAFILE* d = dat; d->type != DAT_END; ++d) {
    if (d->type == DAT_BITMAP) destroy_bitmap(static_cast<BITMAP*>(d->dat));
    if (d->type == DAT_FILE) free_copy(static_cast<DATAFILE*>(d->dat));
  }
  copies.erase(dat), std::free(dat);
}
}  // namespace

extern "C" DATAFILE* load_datafile(const char* name) {
  static const auto real = reinterpret_cast<DATAFILE* (*)(const char*)>(dlsym(RTLD_NEXT, "load_datafile"));
  static std::map<std::string, DATAFILE*> unpacked;
  static const std::string data_dir = std::filesystem::weakly_canonical(PELVARO_DATA_DIR).string() + "/";
  char path[PATH_MAX];
  struct stat st;
  if (std::getenv("PELVARO_NO_DATA_CACHE") || !name || !realpath(name, path) ||
      std::string(path).rfind(data_dir, 0) != 0 || stat(path, &st) != 0)
    return real(name);
  DATAFILE*& dat = unpacked[std::string(path) + " " + std::to_string(st.st_size) + " " +
                           std::to_string(st.st_mtim.tv_sec) + " " + std::to_string(get_color_depth())];
  if (!dat) dat = real(name);
  return dat ? copy_of(dat) : nullptr;
}

extern "C" void unload_datafile(DATAFILE* dat) {
  static const auto real = reinterpret_cast<void (*)(DATAFILE*)>(dlsym(RTLD_NEXT, "unload_datafile"));
  copies.count(dat) ? free_copy(dat) : real(dat);
}
#endif

namespace driver {
void ensure_allegro() { headless::ensure_allegro(); }

namespace {
// One per-test folder at a time per process, named after it, removed when the next is made, when the process
// ends, or (after a crash) by the next test process. In /dev/shm unless $TMPDIR says otherwise: a game writes
// 25 MB of state files.
std::string current_dir, home_dir;
pid_t owner = 0;

std::string temp_root() {
  if (const char* t = std::getenv("TMPDIR"); t && *t) return t;
#ifdef PELVARO_BENCH
  return "/tmp";
#else
  return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
#endif
}

void remove_current_dir() {
  if (current_dir.empty() || getpid() != owner) return;  // a forked child shares its parent's
  if (!home_dir.empty()) (void)!chdir(home_dir.c_str());
  std::error_code ec;
  std::filesystem::remove_all(current_dir, ec), current_dir.clear();
}

// Only "pelvaro-test-<pid>-XXXXXX", and only when that process is gone.
void remove_folders_of_ended_processes() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(temp_root(), ec)) {
    long pid = 0; char dash = 0;
    if (std::sscanf(entry.path().filename().c_str(), "pelvaro-test-%ld%c", &pid, &dash) == 2 && dash == '-' &&
        pid > 0 && pid != getpid() && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
      std::filesystem::remove_all(entry.path(), ec);
  }
}
}  // namespace

void fresh_game(int step_ms) {
  // An autosave still being written belongs to the folder left behind.
  finish_autosave();
  reset_world(), settings::reset_to_defaults(), headless::reset(step_ms);
  if (owner != getpid()) {
    owner = getpid(), home_dir = std::filesystem::current_path().string(), current_dir.clear();
    std::atexit(remove_current_dir);
  }
  remove_current_dir(), remove_folders_of_ended_processes();
  std::string dir = temp_root() + "/pelvaro-test-" + std::to_string(getpid()) + "-XXXXXX";
  if (!mkdtemp(dir.data())) std::abort();
  current_dir = dir;
  link_generated_data(PELVARO_DATA_DIR, current_dir);
  if (chdir(current_dir.c_str()) != 0) std::abort();
}

void link_generated_data(const std::string& data_dir, const std::string& folder) {
  std::set<std::string> names = {kDataSumsFile};
  std::ifstream list(data_dir + "/" + kDataSumsFile);
  for (std::string sum, size, path; list >> sum >> size >> path;) names.insert(path.substr(0, path.find('/')));
  for (const std::string& name : names) {
    const std::string from = data_dir + "/" + name;
    if (access(from.c_str(), F_OK) == 0 && symlink(from.c_str(), (folder + "/" + name).c_str()) != 0) std::abort();
  }
}

void load_room_named(const char* room) {
  room_name = room;
  forget_loaded_animations(), load_new_room();
}

int schedule_mouse(const std::vector<MouseStep>& steps) {
  int t = headless::now();
  for (const MouseStep& e : steps) headless::mouse_at(t += e.dt, e.x, e.y, e.buttons);
  headless::set_time_limit(t + 20000);
  return t;
}

int run_program(const std::function<void()>& body) {
  try { body(); }
  catch (const headless::ProgramEnded& e) { return e.status; }
  catch (const headless::Stopped&) { return -2; }
  catch (const headless::TimedOut&) { return -3; }
  return -1;
}

Player::Player() : steps_(std::make_shared<std::vector<Step>>()), next_(std::make_shared<size_t>(0)) {
  headless::on_present([steps = steps_, next = next_] {
    if (*next >= steps->size() || !(*steps)[*next].when()) return;
    const auto act = (*steps)[(*next)++].act;  // a copy: the step may add steps
    act();
  });
}

Player& Player::click_when(std::function<bool()> when, int x, int y, int hold_ms) {
  return then(std::move(when), [x, y, hold_ms] { headless::click(headless::now() + 2, x, y, hold_ms); });
}

Player& Player::then(std::function<bool()> when, std::function<void()> act) {
  return steps_->push_back(Step{std::move(when), std::move(act)}), *this;
}

bool in_main_menu() { return menu_dat != nullptr; }
bool in_intro() { return intro_dat != nullptr; }
bool in_main_loop() { return game > 3; }

int play_to_main_loop(int argc, const char* arg1) {
  const screen_layout::Rect& new_game = screen_layout::kMenuHot[kMenuNew];
  Player player;
  player.click_when(in_main_menu, new_game.mid_x(), new_game.mid_y())
      .click_when(in_intro, 320, 240)
      // The opening scene has tests of its own; Escape hurries it on, and all its changes are still made.
      .then([] { return video_active == 1; }, [] { headless::key_at(headless::now() + 1, KEY_ESC << 8 | 27); })
      .then(in_main_loop, [] { headless::stop(); });
  static char name[] = "game";
  char* argv[3] = {name, const_cast<char*>(arg1), nullptr};
  return run_program([&] { game_main(argc, argv); });
}

int stand_in_main_loop(int passes) {
  fresh_game();
  const int status = play_to_main_loop();
  headless::on_present(nullptr); mouse_x = 320; mouse_y = 300; mouse_b = 0;
  for (int i = 0; i < passes && status == -2; ++i) main_loop_pass();
  return status;
}

namespace {
// The start-up datafiles (walk, talkf, general, cursor, objects, font), loaded once per process:
// reset_world() forgets the pointers, the data never changes.
DATAFILE** startup_data() {
  static DATAFILE* d[6] = {};
  if (!d[5]) {
    const std::pair<const char*, int> files[6] = {{"walk.dat", 112},  {"talkf.dat", 15},  {"general.dat", 12},
                                                  {"cursor.dat", 32}, {"objects.dat", 15}, {"font.dat", 1}};
    for (int i = 0; i < 6; ++i) d[i] = load_datafile_checked(files[i].first, files[i].second);
  }
  return d;
}
}  // namespace

void stand_in_room(const char* room) {
  fresh_game(); init_hardware();
  DATAFILE** d = startup_data();
  walk_dat = d[0], talkf_dat = d[1], general_dat = d[2], cursor_dat = d[3], objects_dat = d[4], font_dat = d[5];
  load_general_data(), init_general_variables(), text_speed = 50;
  load_room_named(room);
}

void load_font() {
  ensure_allegro(); font_dat = startup_data()[5], pv_font = static_cast<FONT*>(font_dat[0].dat);
  if (!memory_screen) memory_screen = create_bitmap(640, 480);
}
}  // namespace driver
