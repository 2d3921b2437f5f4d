// Helpers shared by the headless tests.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>
#include <string>

#include "platform/headless.h"

namespace test_support {

// Starts Allegro headless with the game's pixel format (idempotent).
void ensure_allegro();

// Puts the world and the headless backend back to the program's start and
// makes the working directory a fresh folder that sees the generated data
// files (linked) but none of the files an earlier test wrote. The folder
// ($TMPDIR or /tmp) is removed with everything in it when the next one is
// made and when the test process ends, whether the test passed or not.
void fresh_game(int step_ms = 1);
// The absolute path of the current fresh folder.
const std::string& test_dir();

// Path of a file in the current (fresh) working directory.
std::string here(const std::string& name);
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);
// Replaces the link to a generated data file (or data folder) in the fresh
// folder by a copy of its first `length` bytes (all of it with -1), so a
// test can damage it; a file in a subfolder gets a copied subfolder.
void copy_data_file(const std::string& name, long length = -1);

// What each file of the current folder is (type, size, inode, modification
// time; a link's target), by path, leaving out the paths that start with one
// of `except`: two snapshots differ when any other file was created,
// removed, replaced or changed.
std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except = {});

// Share of the picture's opaque pixels found at (at_x, at_y) of `frame`.
double shown_share(BITMAP* frame, BITMAP* picture, int at_x, int at_y);

// Loads the room named `room` into the tables as a room change does (no
// state file is read).
void load_room_named(const char* room);

// Runs `body` and returns the exit status it ended the program with, or -1
// when it returned, -2 when a probe stopped it, -3 when it timed out.
int run_program(const std::function<void()>& body);

}  // namespace test_support

namespace test_support {

// A scripted player that acts on what the game shows rather than at fixed
// times: each step waits (checked after every present) until its condition
// holds, then acts once; the steps run in order.
class Player {
 public:
  Player();
  // When `when` holds, click at (x, y).
  Player& click_when(std::function<bool()> when, int x, int y, int hold_ms = 60);
  // When `when` holds, run `act` (which may call headless::stop()).
  Player& then(std::function<bool()> when, std::function<void()> act);

 private:
  struct Step {
    std::function<bool()> when;
    std::function<void()> act;
  };
  std::shared_ptr<std::vector<Step>> steps_;
  std::shared_ptr<size_t> next_;
};

// Conditions on what the game is doing.
bool in_main_menu();
bool in_intro();
bool in_main_loop();

// Plays from the program's start to the main loop of a new game (New game
// clicked, introduction clicked away, first line listened to) and stops there.
// Returns how the run ended (-2 = stopped in the main loop as planned).
int play_to_main_loop(int argc = 1, const char* arg1 = nullptr);

// A fresh new game standing in its main loop: played there, the script
// player removed, the mouse up at (320, 300), `passes` more passes run.
// Returns how the play there ended (-2 as planned).
int stand_in_main_loop(int passes);

}  // namespace test_support
