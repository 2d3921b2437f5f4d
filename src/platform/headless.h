// The headless backend's controls, for tests: a virtual clock, a scripted
// player and a record of what the game asked of the screen and the sound.
//
// Allegro runs with SYSTEM_NONE: no display, no sound card, no timer. The
// virtual clock advances a fixed step on every clock read, mouse poll and
// present, so every loop of the game, modal ones included, moves forward in
// virtual time and can be driven by a script of mouse and key events. Ending
// the process becomes an exception that the test catches.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <allegro.h>

namespace headless {

// Thrown where the real program would end the process.
struct ProgramEnded {
  int status;
};
// Thrown by stop(), when a test has seen what it wanted.
struct Stopped {};
// Thrown when the virtual clock passes the time limit: a loop waited for
// something the script never gave it.
struct TimedOut {
  int at_ms;
};

// Starts Allegro headless (once per process) with the game's 16-bit pixel
// format, without touching the script.
void ensure_allegro();

// Starts Allegro headless (once per process) and puts the backend back to its
// start: clock at 0, no script, no probes, nothing recorded.
void reset(int step_ms = 1);

// Script events, applied when the virtual clock reaches `at_ms`.
void mouse_at(int at_ms, int mx, int my, int buttons);
// A left click: press at `at_ms`, release `hold_ms` later. A hold of 0 is a
// click whose press and release fall between two polls, as some touchpads and
// remote desktops send them; the game still sees it as one press.
void click(int at_ms, int mx, int my, int hold_ms = 100);
void key_at(int at_ms, int key);
// A key (by scancode, KEY_TAB ...) goes down / comes up: what
// platform_key_held reports from then on.
void key_down(int at_ms, int scancode);
void key_up(int at_ms, int scancode);

// The scripted pad from `at_ms`: the stick (each axis -128 .. 127) and the
// buttons held (PadButton, platform/gamepad.h).
void pad_at(int at_ms, int x, int y, unsigned buttons);
// The window loses the focus (`lost`) or gets it back at `at_ms`.
void window_away_at(int at_ms, bool lost);

// The player closes the window at `at_ms`: the close handler runs at the
// game's next mouse poll, as with the real backend.
void close_window_at(int at_ms);

// Called after every present with the clock already advanced; may call stop().
void on_present(std::function<void()> probe);
// The probe now installed (empty when none), so another can run before it.
std::function<void()> present_probe();
[[noreturn]] void stop();
void set_time_limit(int ms);

int now();
int present_count();
// How often the game moved the pointer itself (platform_set_mouse) and pressed
// a button for a key or the pad (platform_press_buttons) since the reset.
int pointer_moves_made();
int button_presses_made();
// A copy of the last presented frame (owned by the backend).
BITMAP* last_frame();

// What the game asked of the sound side.
struct SoundLog {
  int sound_installed = 0;
  int midi_plays = 0;
  MIDI* playing_midi = nullptr;
  int midi_loop = 0;
  int digi_volume = -1;
  int midi_volume = -1;
  int samples_played = 0;
  std::vector<SAMPLE*> samples;  // every sample played, in order
  int sample_volume = -1;         // the last one's volume after the effects volume
  std::string patches;            // the patch set given to the sound set-up
  int films_played = 0;
  bool music_held = false;        // held while the game waits for its window to have the focus again
};
const SoundLog& sound();

// The gfx request of the last platform_set_gfx_mode: 1 full screen; F11
// and Alt+Enter (KEY_ALT held) flip it as they switch a real window.
int requested_fullscreen();
// Make the next platform_set_gfx_mode fail (as without a display).
void fail_gfx_mode(bool fail);
// The desktop the window is fitted to (800 x 600 after reset).
void set_desktop(int w, int h);
// The last factor given to platform_set_scale (0: the largest that fits).
int requested_scale();
// Make platform_install fail (the library finds no display), with a reason.
void fail_install(bool fail);

// What the game said aloud (platform/speech.h) since the reset, in order: each text, and whether it cut off
// what was being said. A stop is recorded as an empty text that interrupts.
struct Said {
  std::string text;
  bool interrupt;
};
const std::vector<Said>& spoken();
// Make speech_start fail (as without speech-dispatcher) until the reset.
void fail_speech(bool fail);

}  // namespace headless
