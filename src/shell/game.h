// The game's start-up, its main loop and the pacing every loop shares.
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
// The main loop and one pass of it.
[[noreturn]] void main_loop();
void main_loop_pass();

// One step of the start-up progress screen.
void loading();

// The pacing shared by every loop: reads the clock into `delay` and, when 55 ms
// have passed since `current_time`, moves `current_time` on and returns 1 (a
// new frame is due).
int frame_due();
inline constexpr int kFrameMs = 55;

// Poll the mouse until ten polls have found neither button down.
void wait_mouse_release();

// Copy the frame buffer to the screen in the size of the room background.
void show_frame();
