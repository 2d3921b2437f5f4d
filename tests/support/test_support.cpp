#include "support/test_support.h"
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
#include <system_error>
#include <unordered_set>
#include "core/world.h"
#include "game/game.h"
#include "rooms/rooms.h"

#ifndef PELVARO_BENCH
// The generated data files are unpacked once per test process (that was most of a game's start), each load
// getting its own copies of the pictures, fonts shared. A test's damaged copy, any file with
// PELVARO_NO_DATA_CACHE set, and everything in the benchmarks (PELVARO_BENCH) go to the library's loader.
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

namespace test_support {
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
  reset_world(), headless::reset(step_ms);
  if (owner != getpid()) {
    owner = getpid(), home_dir = std::filesystem::current_path().string(), current_dir.clear();
    std::atexit(remove_current_dir);
  }
  remove_current_dir(), remove_folders_of_ended_processes();
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
      if (want != bitmap_mask_color(picture)) ++opaque, same += getpixel(frame, at_x + xx, at_y + yy) == want;
    }
  return opaque ? static_cast<double>(same) / opaque : 0.0;
}

void load_room_named(const char* room) {
  room_name = room;
  forget_loaded_animations(), load_new_room();
}

std::string here(const std::string& name) { return std::filesystem::current_path().string() + "/" + name; }

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const std::string& c) { std::ofstream(path, std::ios::binary) << c; }

void copy_data_file(const std::string& name, long length) {
  namespace fs = std::filesystem;
  const std::string dir = name.substr(0, name.find('/'));
  if (dir != name && fs::is_symlink(dir)) {
    fs::remove(dir), fs::create_directory(dir);
    for (const auto& e : fs::directory_iterator(std::string(PELVARO_DATA_DIR) + "/" + dir))
      fs::create_symlink(e.path(), dir + "/" + e.path().filename().string());
  }
  std::string content = read_file(std::string(PELVARO_DATA_DIR) + "/" + name);
  if (length >= 0) content.resize(std::min(content.size(), static_cast<size_t>(length)));
  unlink(name.c_str()), write_file(name, content);
}

std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(".", ec); it != decltype(it)(); it.increment(ec)) {
    const std::string path = it->path().lexically_relative(".").generic_string();
    struct stat st;
    // The lock a running game holds in its folder is no file of the player's.
    if (path == "pelvaro.lock" ||
        std::any_of(except.begin(), except.end(), [&](const std::string& e) { return path.rfind(e, 0) == 0; }) ||
        lstat(it->path().c_str(), &st) != 0)
      continue;
    std::string what = std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " + std::to_string(st.st_ino) +
                       " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    if (S_ISLNK(st.st_mode)) what += " -> " + std::filesystem::read_symlink(it->path(), ec).string();
    files[path] = what;
  }
  return files;
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
  Player player;
  player.click_when(in_main_menu, 150, 175)
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
}  // namespace test_support
