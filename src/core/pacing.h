// The pacing every loop of the game shares, modal ones included: one frame
// every 55 ms of the game's clock, the frame copied to the screen at the end
// of each pass, and waiting for the mouse buttons to be let go.
#pragma once

// Reads the clock into `delay` and, when 55 ms have passed since
// `current_time`, moves `current_time` on and returns 1 (a new frame is due).
int frame_due();
inline constexpr int kFrameMs = 55;

// Poll the mouse until ten polls have found neither button down (or a close
// request is pending).
void wait_mouse_release();

// Copy the frame buffer to the screen in the size of the room background.
void show_frame();
