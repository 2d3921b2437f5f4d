// The main menu: New game, Credits, Quit (and the instructions and options
// buttons), shown once per run before a game starts.
#pragma once

// Loads the menu's pictures, runs the menu until the player starts a new game,
// releases the pictures. Does not return when the player quits.
void main_menu();
void show_menu();
void show_credits();
// The instructions screen and the options screen of the second and third
// buttons; each returns to the menu.
void show_instructions();
void show_main_options();
// Quit from the menu: stop the music, write the options, farewell, exit 1.
[[noreturn]] void quit_from_menu();

#include <string>
#include <vector>

#include "menus/screen_layout.h"

// The menu's buttons, in the order of screen_layout::kMenuHot.
enum MenuButton { kMenuNew, kMenuInstructions, kMenuOptions, kMenuCredits, kMenuQuit };
// The words the game writes on a button, beside its icon.
const char* menu_label(MenuButton b);
// The label of Continue / Load game (the band between New game and the second
// button), which opens the load screen.
const char* menu_load_label();
// True when the menu was left by loading a saved game: the game goes on in
// the loaded room instead of starting anew.
bool game_loaded_from_menu();
// The farewell printed on the console after a quit from the menu, line by
// line: the makers as the credits screen names them.
std::vector<std::string> farewell_lines();
// The menu tests its areas with the lower bounds exclusive and the upper ones
// inclusive: x1 < x <= x2 and y1 < y <= y2.
bool mouse_in(const screen_layout::Rect& area);
