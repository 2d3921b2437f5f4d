#include "support/test_support.h"

#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <unordered_set>

#include "rooms/rooms.h"
#include "shell/game.h"
#include "shell/world.h"

#ifndef PELVARO_BENCH
// A whole-game start loads some sixty compressed datafiles (the 43 rooms among
// them, for their first state files); unpacking them was most of its time. The
// tests load the generated data files through a cache instead: each file is
// unpacked once per process, and every load gets its own copies of the
// pictures (the game may draw on them), fonts shared. Any other file (a test's
// damaged copy), and every file with PELVARO_NO_DATA_CACHE set, is loaded by
// the library as usual. The benchmarks build with PELVARO_BENCH: the library's
// loader, and their folder on disk.
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
  copies.erase(dat);
  std::free(dat);
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

namespace test_support {

void ensure_allegro() {
  headless::ensure_allegro();
}

namespace {

// The per-test folders: one at a time per process, named after the process,
// removed when the next one is made and when the process ends, also after a
// failed test. A process that crashed cannot clean up: its folder is removed
// by the next test process that finds it. They lie in memory (/dev/shm)
// unless $TMPDIR says otherwise: a game writes some 25 MB of state files.
std::string current_dir;
std::string home_dir;
pid_t owner = 0;

std::string temp_root() {
  const char* t = std::getenv("TMPDIR");
  if (t && *t) return t;
#ifdef PELVARO_BENCH
  return "/tmp";
#else
  return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
#endif
}

void remove_current_dir() {
  // A child forked by a death test shares the folder with its parent.
  if (current_dir.empty() || getpid() != owner) return;
  // Out of the folder first (it is removed by its absolute path either way).
  if (!home_dir.empty()) (void)!chdir(home_dir.c_str());
  std::error_code ec;
  std::filesystem::remove_all(current_dir, ec);
  current_dir.clear();
}

void remove_folders_of_ended_processes() {
  const std::string prefix = "pelvaro-test-";
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(temp_root(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    // Only "pelvaro-test-<pid>-XXXXXX", and only when that process is gone.
    char* end = nullptr;
    const long pid = std::strtol(name.c_str() + prefix.size(), &end, 10);
    if (pid <= 0 || *end != '-' || pid == getpid()) continue;
    if (!(kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) continue;
    std::error_code ignored;
    std::filesystem::remove_all(entry.path(), ignored);
  }
}

}  // namespace

const std::string& test_dir() {
  return current_dir;
}

void fresh_game(int step_ms) {
  reset_world();
  headless::reset(step_ms);
  if (owner != getpid()) {
    owner = getpid();
    char cwd[4096];
    home_dir = getcwd(cwd, sizeof cwd) ? cwd : "";
    current_dir.clear();
    std::atexit(remove_current_dir);
  }
  remove_current_dir();
  remove_folders_of_ended_processes();
  std::string dir = temp_root() + "/pelvaro-test-" + std::to_string(getpid()) + "-XXXXXX";
  if (!mkdtemp(dir.data())) std::abort();
  current_dir = dir;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(PELVARO_DATA_DIR, ec)) {
    const std::string name = e.path().filename().string();
    if (name == "sav" || name == "options.sav" || name == "display.sav" || name == "bugs.txt") continue;
    if (symlink(e.path().c_str(), (current_dir + "/" + name).c_str()) != 0) std::abort();
  }
  if (chdir(current_dir.c_str()) != 0) std::abort();
}

double shown_share(BITMAP* frame, BITMAP* picture, int at_x, int at_y) {
  int opaque = 0, same = 0;
  for (int yy = 0; yy < picture->h; ++yy)
    for (int xx = 0; xx < picture->w; ++xx) {
      const int want = getpixel(picture, xx, yy);
      if (want == bitmap_mask_color(picture)) continue;
      ++opaque;
      same += getpixel(frame, at_x + xx, at_y + yy) == want;
    }
  return opaque ? static_cast<double>(same) / opaque : 0.0;
}

void load_room_named(const char* room) {
  room_name = room;
  change_room = 0;
  forget_loaded_animations();
  load_new_room();
  change_room = -1;
}

std::string here(const std::string& name) {
  char buf[4096];
  return std::string(getcwd(buf, sizeof buf)) + "/" + name;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_file(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary);
  out << content;
}

void copy_data_file(const std::string& name, long length) {
  const size_t slash = name.find('/');
  if (slash != std::string::npos) {
    const std::string dir = name.substr(0, slash);
    struct stat st;
    if (lstat(dir.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
      unlink(dir.c_str());
      mkdir(dir.c_str(), 0755);
      const std::string from = std::string(PELVARO_DATA_DIR) + "/" + dir;
      for (const auto& e : std::filesystem::directory_iterator(from))
        std::filesystem::create_symlink(e.path(), dir + "/" + e.path().filename().string());
    }
  }
  std::string content = read_file(std::string(PELVARO_DATA_DIR) + "/" + name);
  if (length >= 0 && static_cast<size_t>(length) < content.size()) content.resize(static_cast<size_t>(length));
  unlink(name.c_str());
  write_file(name, content);
}

std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(".", ec); it != std::filesystem::recursive_directory_iterator();
       it.increment(ec)) {
    const std::string path = it->path().lexically_relative(".").generic_string();
    bool skipped = false;
    for (const std::string& e : except) skipped = skipped || path.compare(0, e.size(), e) == 0;
    if (skipped) continue;
    struct stat st;
    if (lstat(it->path().c_str(), &st) != 0) continue;
    std::string what = std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " + std::to_string(st.st_ino) +
                       " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    if (S_ISLNK(st.st_mode)) what += " -> " + std::filesystem::read_symlink(it->path(), ec).string();
    files[path] = what;
  }
  return files;
}

int run_program(const std::function<void()>& body) {
  try {
    body();
  } catch (const headless::ProgramEnded& e) {
    return e.status;
  } catch (const headless::Stopped&) {
    return -2;
  } catch (const headless::TimedOut&) {
    return -3;
  }
  return -1;
}

}  // namespace test_support


namespace test_support {

Player::Player() : steps_(std::make_shared<std::vector<Step>>()), next_(std::make_shared<size_t>(0)) {
  auto steps = steps_;
  auto next = next_;
  headless::on_present([steps, next] {
    if (*next < steps->size() && (*steps)[*next].when()) {
      const auto act = (*steps)[*next].act;
      ++*next;
      act();
    }
  });
}

Player& Player::click_when(std::function<bool()> when, int x, int y, int hold_ms) {
  return then(std::move(when), [x, y, hold_ms] { headless::click(headless::now() + 2, x, y, hold_ms); });
}

Player& Player::then(std::function<bool()> when, std::function<void()> act) {
  steps_->push_back(Step{std::move(when), std::move(act)});
  return *this;
}

bool in_main_menu() {
  return menu_dat != nullptr;
}

bool in_intro() {
  return intro_dat != nullptr;
}

bool in_main_loop() {
  return game > 3;
}

int play_to_main_loop(int argc, const char* arg1) {
  Player player;
  player.click_when(in_main_menu, 150, 175)
      .click_when(in_intro, 320, 240)
      // The opening scene has tests of its own; here Escape hurries it on,
      // as a player may, and every change it makes is still made.
      .then([] { return video_active == 1; }, [] { headless::key_at(headless::now() + 1, KEY_ESC << 8 | 27); })
      .then(in_main_loop, [] { headless::stop(); });
  static char name[] = "game";
  char* argv[3] = {name, const_cast<char*>(arg1), nullptr};
  return run_program([&] { game_main(argc, argv); });
}

int stand_in_main_loop(int passes) {
  fresh_game();
  const int status = play_to_main_loop();
  headless::on_present(nullptr);
  mouse_x = 320;
  mouse_y = 300;
  mouse_b = 0;
  for (int i = 0; i < passes && status == -2; ++i) main_loop_pass();
  return status;
}

}  // namespace test_support
