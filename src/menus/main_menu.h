// The main menu: New game, Credits, Quit (and the instructions and options
// buttons), shown once per run before a game starts.
#pragma once

// Loads the menu's pictures, runs the menu until the player starts a new game,
// releases the pictures. Does not return when the player quits.
void main_menu();
void show_menu();
// The credits: the makers' cards, until Back, Escape or a right click.
void show_credits();
// The instructions screen and the options screen of the second and third
// buttons; each returns to the menu.
void show_instructions();
void show_main_options();
// Quit from the menu: stop the music, write the options, farewell, exit 1.
[[noreturn]] void quit_from_menu();

#include <string>
#include <vector>

#include "core/screen_layout.h"

// The menu's buttons, in the order of screen_layout::kMenuHot.
enum MenuButton { kMenuNew, kMenuInstructions, kMenuOptions, kMenuCredits, kMenuQuit };
// The words the game writes on a button, beside its icon.
const char* menu_label(MenuButton b);
// The band between New game and the second button (y 192 to 250) holds Load
// game, which opens the load screen; when a game left without saving can be
// taken up again (an autosave exists), Continue and Load game share it, side
// by side.
inline constexpr screen_layout::Rect kMenuContinueHot{61, 204, 163, 237};
inline constexpr screen_layout::Rect kMenuLoadBesideHot{170, 204, 272, 237};
const char* menu_load_label();
const char* menu_continue_label();
// Whether this showing of the menu offers Continue, and where Load game is.
bool menu_offers_continue();
const screen_layout::Rect& menu_load_area();
// True when the menu was left by loading a saved game: the game goes on in
// the loaded room instead of starting anew.
bool game_loaded_from_menu();
// The farewell printed on the console after a quit from the menu, line by
// line: the makers as the credits screen names them.
std::vector<std::string> farewell_lines();
// The menu tests its areas with the lower bounds exclusive and the upper ones
// inclusive: x1 < x <= x2 and y1 < y <= y2.
bool mouse_in(const screen_layout::Rect& area);
