// Helpers shared by the headless tests. Driving the game (a fresh game, running the program, the scripted mouse
// and player) is tools/headless_driver's, which the gallery shares; its names are used here as the tests' own.
#pragma once
#include <map>
#include <string>
#include <vector>
#include "core/screen_layout.h"
#include "headless_driver/driver.h"

namespace test_support {
using driver::ensure_allegro, driver::fresh_game, driver::load_room_named, driver::run_program;
using driver::MouseStep, driver::schedule_mouse, driver::Player;
using driver::in_main_menu, driver::in_intro, driver::in_main_loop, driver::play_to_main_loop;
using driver::stand_in_main_loop;

std::string here(const std::string& name);  // a file of the current folder
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);
// Replaces the link to a data file (one in a data subfolder gets a copied subfolder) by a copy of its first
// `length` bytes (-1: all), to damage it.
void copy_data_file(const std::string& name, long length = -1);

// Each file of the current folder (type, size, inode, time; a link's target) by path, but for paths starting
// with one of `except`: two snapshots differ when any other file was created, removed, replaced or changed.
std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except = {});

// Share of the picture's opaque pixels found at (at_x, at_y) of `frame`.
double shown_share(BITMAP* frame, BITMAP* picture, int at_x, int at_y);
}  // namespace test_support
