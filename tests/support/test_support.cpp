#include "support/test_support.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "rooms/rooms.h"
#include "shell/world.h"

namespace test_support {

void ensure_allegro() {
  headless::ensure_allegro();
}

void fresh_game(int step_ms) {
  reset_world();
  headless::reset(step_ms);
  char dir_template[] = "/tmp/pelvaro-test-XXXXXX";
  const char* dir = mkdtemp(dir_template);
  if (!dir) std::abort();
  if (DIR* d = opendir(PELVARO_DATA_DIR)) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name == "." || name == ".." || name == "sav" || name == "options.sav" || name == "bugs.txt") continue;
      const std::string from = std::string(PELVARO_DATA_DIR) + "/" + name;
      const std::string to = std::string(dir) + "/" + name;
      if (symlink(from.c_str(), to.c_str()) != 0) std::abort();
    }
    closedir(d);
  }
  if (chdir(dir) != 0) std::abort();
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

#include "shell/game.h"

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
