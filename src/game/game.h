// The game's start-up and its main loop (the pacing every loop shares is core/pacing.h).
#pragma once

// The whole program: start-up steps, main menu, new game, main loop. Never
// returns; the process ends through the quit commands and the end of the
// story (platform_exit).
int game_main(int argc, char** argv);

// Start-up steps 1 to 15: command line, hardware, options, films, start-up
// data, room state files, main menu (until the player starts a new game).
void start_up(int argc, char** argv);
// Steps 16 to 23: the new game up to the hero's first item.
void start_new_game();
// After a game was loaded from the main menu: the in-game music, and on
// in the loaded room.
void continue_loaded_game();
// The panel's Main menu, at the quiet point that follows it: the game is
// kept in the autosave, the main menu shows (with Continue), and the game
// chosen there (new, continued or loaded) goes on in the main loop.
void back_to_main_menu();
// The main loop and one pass of it.
[[noreturn]] void main_loop();
void main_loop_pass();
