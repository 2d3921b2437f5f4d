// Driving the whole game headless, for the tests, the gallery and the benchmarks: a fresh working folder beside
// the generated data, the game's program run until it ends or a probe stops it, a scripted mouse, a player that
// acts on what the screen shows, and a game standing in a room or in its main loop.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "platform/headless.h"

namespace driver {
void ensure_allegro();  // Allegro headless with the game's pixel format (idempotent)
// The world and the headless backend back at the program's start, in a fresh working folder that sees the
// generated data files (linked) but none an earlier run wrote; removed with the next one or at exit.
void fresh_game(int step_ms = 1);
// Links into `folder` the data files the build made: those `data_dir`'s checksums.txt lists (a folder such as
// sfx/ whole) and the list itself, never what a game played in the data folder left there (its lock, settings,
// saved games). fresh_game links the build's data folder so.
void link_generated_data(const std::string& data_dir, const std::string& folder);

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

// A fresh headless game with the start-up data loaded, the new game's variables set and `room` loaded as a
// room change does.
void stand_in_room(const char* room);
void load_font();  // just font.dat in font_dat, the game font in pv_font (and a frame buffer), for text checks
}  // namespace driver
