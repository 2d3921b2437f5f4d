// The pacing every loop of the game shares, modal ones included: one frame
// every 55 ms of the game's clock, the frame copied to the screen at the end
// of each pass, and waiting for the mouse buttons to be let go.
#pragma once

#include <string>

// Reads the clock into `delay` and, when 55 ms have passed since
// `current_time`, moves `current_time` on and returns 1 (a new frame is due).
int frame_due();
inline constexpr int kFrameMs = 55;

// Poll the mouse until ten polls have found neither button down (or a close
// request is pending).
void wait_mouse_release();

// Copy the frame buffer to the screen in the size of the room background.
void show_frame();

// Time played, `played_ms`, counted on the game's clock by the main loop once
// a pass from the first pass of a game (or of a loaded one) on: a pause (the clock is held), the bag, the panel and the slot screens
// (not_played_since_here when they close) and an idle window (no move of the
// mouse for kIdleMs: the time after that) add nothing; scenes and
// conversations, played inside a pass, count.
inline constexpr int kIdleMs = 5 * 60 * 1000;
void count_time_played();
void not_played_since_here();
// "1 h 05 min" ("1 Std. 05 Min."), minutes rounded down.
std::string played_text(int ms);
