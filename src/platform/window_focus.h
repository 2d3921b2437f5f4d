// Whether the game's window has the focus, for the pause when it has not.
#pragma once

// The window lost the focus and has not had it back since.
bool platform_window_away();
// The picture fills the whole screen (not a window).
bool platform_full_screen();
// Hold the music where it is (1) while the game waits for the player to come
// back, and let it play on (0).
void platform_hold_music(int hold);
