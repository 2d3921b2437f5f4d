// Helpers shared by the headless tests.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "core/screen_layout.h"
#include "platform/headless.h"

namespace test_support {
void ensure_allegro();  // Allegro headless with the game's pixel format (idempotent)
// The world and the headless backend back at the program's start, in a fresh working folder that sees the
// generated data files (linked) but none an earlier test wrote; removed with the next one or at exit.
void fresh_game(int step_ms = 1);

std::string here(const std::string& name);  // a file of the current folder
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);
// Replaces the link to a data file (one in a data subfolder gets a copied subfolder) by a copy of its first
// `length` bytes (-1: all), to damage it.
void copy_data_file(const std::string& name, long length = -1);

// Each file of the current folder (type, size, inode, time; a link's target) by path, but for paths starting
// with one of `except`: two snapshots differ when any other file was created, removed, replaced or changed.
std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except = {});

// The middle of a screen area: where a test clicks a button it only passes on its way (where a button lies is
// checked in tests/menus/screen_places_test.cpp).
constexpr int mid_x(const screen_layout::Rect& r) { return (r.x1 + r.x2) / 2; }
constexpr int mid_y(const screen_layout::Rect& r) { return (r.y1 + r.y2) / 2; }

// Share of the picture's opaque pixels found at (at_x, at_y) of `frame`.
double shown_share(BITMAP* frame, BITMAP* picture, int at_x, int at_y);
// Loads `room` into the tables as a room change does (no state file read).
void load_room_named(const char* room);
// Runs `body`: the exit status it ended the program with, -1 when it returned, -2 when a probe stopped it,
// -3 when it timed out.
int run_program(const std::function<void()>& body);

// A scripted mouse: each step `dt` ms after the one before, from now. Returns the time of the last step;
// the run may go on 20 s past it.
struct MouseStep { int dt, x, y, buttons; };
int schedule_mouse(const std::vector<MouseStep>& steps);

// A scripted player acting on what the game shows: each step waits (checked after every present) until its
// condition holds, then acts once.
class Player {
 public:
  Player();
  Player& click_when(std::function<bool()> when, int x, int y, int hold_ms = 60);
  // `act` may call headless::stop().
  Player& then(std::function<bool()> when, std::function<void()> act);

 private:
  struct Step { std::function<bool()> when; std::function<void()> act; };
  std::shared_ptr<std::vector<Step>> steps_;
  std::shared_ptr<size_t> next_;
};

bool in_main_menu();
bool in_intro();
bool in_main_loop();
// From the program's start to the main loop of a new game (New game clicked, the introduction clicked away,
// the first line listened to), stopped there: how the run ended (-2 as planned).
int play_to_main_loop(int argc = 1, const char* arg1 = nullptr);
// A fresh new game played to its main loop, the script player removed, the mouse up at (320, 300), `passes`
// more passes run. -2 as planned.
int stand_in_main_loop(int passes);
}  // namespace test_support
