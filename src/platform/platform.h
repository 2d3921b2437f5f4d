// The platform seam: the only place that knows whether a real display, sound
// card and wall clock exist.
//
// Game code draws with Allegro directly, on memory bitmaps. What goes through
// here is what a test must be able to replace: the clock, the mouse and the
// keyboard, the pointer, presenting the frame buffer on the screen, sound and
// music, the logo film, and ending the process. Two backends implement it:
// platform_real.cpp (Allegro's drivers, a real window) and
// platform_headless.cpp (no display, a virtual clock and a scripted player,
// see headless.h). A program links exactly one of them.
//
// The mouse is read the way Allegro offers it, through its globals mouse_x,
// mouse_y and mouse_b, always in the game's 640 x 480 picture (its size:
// window_fit.h) whatever size the window has. They change only in platform_poll_mouse(), so every loop
// polls once per pass and then sees one steady state for the whole pass. A
// button that went down since the last poll reads as down in that poll even
// when it has been let go already: a quick click is never lost between two
// passes, and a button held over many polls is one press as before.
#pragma once

#include <allegro.h>
#include "platform/window_fit.h"

// Start the library with the timer, mouse and keyboard; 0 on success. When
// it fails (no display), nothing but platform_error and platform_exit may be
// called.
int platform_install();
// The library's reason for its last failure; empty when it gave none.
const char* platform_error();
// 16-bit graphics for the 640 x 480 picture: a window at the scale asked for
// (see platform_set_scale), or, when `fullscreen` is 1, the whole screen with
// the scaled picture centred on black where the library can switch; where it
// cannot, it says so on the console and opens the window. 0 on success.
int platform_set_gfx_mode(int fullscreen);
// The window's size: the 640 x 480 picture is shown enlarged by a whole
// factor, nearest-neighbour, and the mouse is taken back into the picture, so
// the game never knows. `scale` 0 asks for the largest factor whose window
// fits the desktop (in full screen: the picture filling the screen);
// window_fit::kFill for the largest 4:3 window the desktop holds (in full
// screen the same as 0), sharp (see sharp_scale.h). Before the graphics mode is
// set this is only noted; after it the window changes at once (in full screen
// the picture changes size on the same screen). 0 on success; on failure the
// window stays as it was.
int platform_set_scale(int scale);
// The largest whole factor within the picture as it is shown now.
int platform_scale();
// The largest factor whose window fits this desktop (1 when none larger does).
int platform_largest_scale();
// The window the fill choice opens on this desktop (its size and factor).
window_fit::Placement platform_fill_window();

// Digital sound, and MIDI music through the library's software synthesiser
// playing the patch set at `patches` (a full path: the library looks a
// relative one up beside the program, not in the working directory). 0 when
// digital sound works, with or without music. Without a sound card the game
// runs silent; without the patch set it runs without music (no other MIDI
// driver is tried: with no synthesiser behind it, it would play nothing). The
// sound libraries' chatter while they look for a card is not shown, anything
// else they print is.
int platform_install_sound(const char* patches);
// One line: the digital and MIDI drivers chosen, or why there is no sound or
// no music.
const char* platform_sound_report();
// Leave graphics mode so that the console shows text again.
void platform_text_mode();

// Milliseconds from a monotonic clock (the virtual clock when headless),
// less the time the clock was held.
int platform_clock_ms();
// Hold the clock (1) while the game is paused, and let it run on (0) from
// where it stood, so that nothing timed counts the pause.
void platform_hold_clock(int hold);

// Bring mouse_x, mouse_y and mouse_b up to date.
void platform_poll_mouse();
// Put the pointer at (x, y) of the picture (the window's own pointer goes to
// that pixel as the window shows it): the next poll sees the mouse there. For
// the players who point with keys or a pad instead of a mouse.
void platform_set_mouse(int x, int y);
// A press of these buttons (1 left, 2 right) made with a key or a pad: the
// next poll sees them down, the poll after that up again, as a quick click.
void platform_press_buttons(int buttons);
int platform_keypressed();
// 1 while the key with this scancode (KEY_TAB, ...) is held down.
int platform_key_held(int scancode);
// The next key: ASCII code in the low byte, scancode in the high byte.
int platform_readkey();

// The mouse pointer. It is drawn into the frame buffer by the game's loops
// (so every copied frame carries it), with the picture's pixel (focus_x,
// focus_y), its working point, on the mouse position.
void platform_set_pointer(BITMAP* sprite, int focus_x, int focus_y);
void platform_show_pointer(BITMAP* buffer);  // draw it, keeping what it covers
void platform_hide_pointer();                // put back what it covered

// A new frame has been composed since the last present.
void platform_new_frame();
// When the game's next frame is due, on the game's clock (the pacing says so
// at every pass), and that time for the backends.
void platform_next_frame_at(int ms);
int platform_next_frame_due();
// Copy the top-left w x h of the buffer to the screen, then yield the processor,
// so that a waiting loop does not hold a core: headless not at all; in a real
// window until the next frame is due or input comes, a millisecond at least
// and ten at most.
void platform_present(BITMAP* buffer, int w, int h);

// Music and sound. The synthesiser plays the music on the library's digital
// voices, which the library's own digital volume would scale too; so the
// digital volume given here scales only the samples (each at `vol` x
// `digi_volume` / 255), and the music follows the MIDI volume alone. Both
// reach what is playing at once.
void platform_play_midi(MIDI* midi, int loop);
void platform_stop_midi();
void platform_set_volume(int digi_volume, int midi_volume);
void platform_play_sample(SAMPLE* sample, int vol, int pan, int freq, int loop);

// Play an FLI/FLC film once into the buffer, presenting each frame at the
// film's own speed. Returns 0 when the film was played, -1 when it could not
// be opened.
int platform_play_film(const char* path, BITMAP* buffer);

// F11, and Enter with Alt held, switch between the window and the whole
// screen wherever the game is: the backends take these keys before the game
// sees them (`alt`: an Alt key is held). Where the other mode cannot be had,
// the game stays in the one it has and says so on the console.
bool is_screen_switch_key(int key, bool alt);

// What to do when the player closes the window, or the program is asked to
// end by SIGTERM, SIGHUP, SIGINT or SIGQUIT (the signal handlers only note
// the request). The handler runs at the next mouse poll, once per request.
// Headless, headless::close_window_at stands for both.
void platform_set_close_handler(void (*handler)());

// Say `words` on the screen in a small window of its own for a few seconds
// (or until a click or a key), before the game's own graphics are set up.
// Headless: nothing (the caller has said it on the console).
void platform_tell(const char* words);

// How the program ends, as its exit status.
enum class ExitStatus : int {
  ok = 0,               // --help and --version
  game_end = 1,         // the game's own ends: Quit, a close, the end of the story, a lost display
  bad_files = 2,        // a missing or damaged data file, a bad command line, a player's folder that cannot be made
  no_display = 3,       // no display or video mode
  already_running = 4,  // another copy already runs for this player
};

// End the process with this status (the library is shut down first).
[[noreturn]] void platform_exit(ExitStatus status);
