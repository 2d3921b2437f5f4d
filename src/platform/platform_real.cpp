// The real backend of the platform seam: Allegro's drivers, a window (or the
// full screen), the sound card and the wall clock.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include <csignal>

#include <signal.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include "platform/platform.h"
#include "platform/gamepad.h"
#include "platform/window_focus.h"
#include "platform/quiet_background.h"
#include "platform/sharp_scale.h"
#include "platform/window_fit.h"

// Allegro's X11 input hooks, for the button latch below.
#include <allegro/internal/aintern.h>
#include <allegro/platform/aintunix.h>

namespace {

using steady = std::chrono::steady_clock;
const steady::time_point started = steady::now();

int wall_ms() {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(steady::now() - started).count());
}

// The game's clock stands while it is held (a pause); the time held is left out.
int clock_held_at = -1;
int clock_held_total = 0;

// Presenting: a copy to the screen costs an enlargement and a colour
// conversion of what it copies, so a pass copies only when something can have
// changed (a frame was composed, the mouse moved or a button changed, or 50 ms
// have gone by), and then only the rows that did.
bool frame_pending = true;
int last_mouse_x = -1;
int last_mouse_y = -1;
int last_mouse_b = -1;
int last_present_ms = -1000;

// What the screen shows now, so that a frame the same as the last one is not
// converted and sent to the display again (a still room, a pointer at rest),
// and only the rows that changed are (a pointer moving over a still room).
BITMAP* on_screen = nullptr;

struct Rows {
  int first;
  int last;  // first > last: nothing changed
};

Rows changed_rows(BITMAP* buffer, int w, int h) {
  if (!on_screen || on_screen->w != w || on_screen->h != h ||
      bitmap_color_depth(on_screen) != bitmap_color_depth(buffer))
    return {0, h - 1};
  const size_t row_bytes = static_cast<size_t>(w) * ((bitmap_color_depth(buffer) + 7) / 8);
  auto differs = [&](int row) { return std::memcmp(buffer->line[row], on_screen->line[row], row_bytes) != 0; };
  int first = 0;
  while (first < h && !differs(first)) ++first;
  if (first == h) return {h, h - 1};
  int last = h - 1;
  while (last > first && !differs(last)) --last;
  return {first, last};
}

void remember_on_screen(BITMAP* buffer, int w, int h) {
  if (!on_screen || on_screen->w != w || on_screen->h != h ||
      bitmap_color_depth(on_screen) != bitmap_color_depth(buffer)) {
    if (on_screen) destroy_bitmap(on_screen);
    on_screen = create_bitmap_ex(bitmap_color_depth(buffer), w, h);
  }
  blit(buffer, on_screen, 0, 0, 0, 0, w, h);
}

// ---- Waiting between passes ------------------------------------------------
//
// A pass waits at its end until the game's next frame is due (the pacing says
// when, platform_next_frame_at) or kLongestWaitMs have gone by, whichever is
// first, and at once when the input thread sees the mouse, a button or a key:
// the pointer follows the mouse as soon as before, and a game that waits for
// the player wakes some hundred times a second instead of a thousand. The
// input thread itself looks at the window only every 10 ms.
constexpr int kLongestWaitMs = 10;
std::mutex wait_mutex;
std::condition_variable input_came;
bool input_seen = false;

// From the input thread (never from a signal handler).
void wake_for_input() {
  {
    const std::lock_guard<std::mutex> lock(wait_mutex);
    input_seen = true;
  }
  input_came.notify_one();
}

void wait_for_next_pass() {
  const int until_frame = platform_next_frame_due() - platform_clock_ms();
  const int ms = std::clamp(until_frame, 1, kLongestWaitMs);
  std::unique_lock<std::mutex> lock(wait_mutex);
  input_came.wait_for(lock, std::chrono::milliseconds(ms), [] { return input_seen; });
  input_seen = false;
}

void (*close_handler)() = nullptr;
// Set by the close button (Allegro's input thread) and by the signals that
// ask the program to end; read at the next poll.
volatile std::sig_atomic_t close_requested = 0;

void on_close_button() {
  close_requested = 1;
  wake_for_input();
}

// SIGTERM and SIGHUP (a desktop's logout), SIGINT and SIGQUIT (the terminal)
// are a request to close, like the close button. allegro_init puts a handler
// of its own on SIGINT, SIGQUIT and SIGTERM (and on the crash signals, whose
// handler puts the screen back and stays) that shuts the library down inside
// the signal and aborts when the library is busy: ours replace it.
const int kCloseSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

void on_close_signal(int) {
  close_requested = 1;
}

void take_close_signals() {
  struct sigaction request = {};
  request.sa_handler = on_close_signal;
  sigemptyset(&request.sa_mask);
  request.sa_flags = SA_RESTART;
  for (int sig : kCloseSignals) sigaction(sig, &request, nullptr);
}

// A lost display (the X server gone, the connection broken): Xlib calls this
// and ends the process when it returns, and whatever the library drew next
// would crash. The game ends here, plainly; the files it writes are always
// replaced whole, so none is left half-written.
int on_display_lost(Display*) {
  static const char words[] = "Pelvaro: the display is gone; the game ends.\n";
  if (write(2, words, sizeof words - 1) < 0) {}
  _exit(static_cast<int>(ExitStatus::game_end));
}

void forget_on_screen() {
  if (on_screen) destroy_bitmap(on_screen);
  on_screen = nullptr;
  frame_pending = true;
}

// ---- The scaled picture ----------------------------------------------------

int requested_scale = 0;  // 0: the largest that fits
bool graphics_up = false;
bool full_screen = false;
window_fit::Placement shown;
// The picture enlarged in memory, then sent to the screen in one copy.
BITMAP* enlarged = nullptr;
sharp_scale::Scaler sharp;

void desktop_size(int* w, int* h) {
  if (get_desktop_resolution(w, h) != 0 || *w <= 0 || *h <= 0) *w = *h = 0;
}

int window_scale_wanted() {
  if (requested_scale > 0 || requested_scale == window_fit::kFill) return requested_scale;
  int w, h;
  desktop_size(&w, &h);
  return window_fit::largest_window_scale(w, h);
}

// The window `scale` asks for on this desktop.
window_fit::Placement window_placement(int scale) {
  if (scale != window_fit::kFill) return window_fit::centred(0, 0, scale);
  int w, h;
  desktop_size(&w, &h);
  return window_fit::filled_window(w, h);
}

// A window at `scale`, or at the next smaller factor the system grants; one
// that fills the desktop for window_fit::kFill, or else the largest factor.
int open_window(int scale) {
  if (scale == window_fit::kFill) {
    const window_fit::Placement fill = window_placement(scale);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, fill.w, fill.h, 0, 0) == 0) {
      shown = fill;
      full_screen = false;
      return 0;
    }
    scale = fill.scale;
  }
  for (int s = scale; s >= 1; --s) {
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, window_fit::kGameWidth * s, window_fit::kGameHeight * s, 0, 0) == 0) {
      shown = window_fit::centred(window_fit::kGameWidth * s, window_fit::kGameHeight * s, s);
      full_screen = false;
      return 0;
    }
  }
  return -1;
}

// In full screen the picture fills the screen, unless a factor was asked for:
// then it takes that factor, or the largest the screen holds when smaller.
void place_on_full_screen() {
  if (requested_scale == 0 || requested_scale == window_fit::kFill) {
    shown = window_fit::filled(SCREEN_W, SCREEN_H);
    return;
  }
  int s = window_fit::largest_screen_scale(SCREEN_W, SCREEN_H);
  if (requested_scale > 0 && requested_scale < s) s = requested_scale;
  shown = window_fit::centred(SCREEN_W, SCREEN_H, s);
}

// The whole screen at the desktop's own size, else the plain 640 x 480 mode.
int open_full_screen() {
  int w, h;
  desktop_size(&w, &h);
  if ((w > 0 && set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, w, h, 0, 0) == 0) ||
      set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, window_fit::kGameWidth, window_fit::kGameHeight, 0, 0) == 0) {
    full_screen = true;
    place_on_full_screen();
    return 0;
  }
  return -1;
}

// ---- The mouse ---------------------------------------------------------------
//
// The game's view of the mouse changes only in platform_poll_mouse: Allegro is
// put into its polling mode, so its globals move only when polled, and the
// poll turns the window's position into the picture's. Allegro's X11 input
// thread still sees every button event; a hook on its mouse handler notes
// every button seen down, so that a press and release between two polls still
// reach the game as one press. (Allegro's mouse_callback would see them too,
// but only while the mouse is not polled, and then its globals would move
// under the game's feet in the window's coordinates.)

std::atomic<int> buttons_seen{0};
void (*allegro_mouse_handler)(int, int, int, int, int) = nullptr;

void note_mouse_event(int dx, int dy, int dz, int dw, int buttons) {
  buttons_seen.fetch_or(buttons);
  allegro_mouse_handler(dx, dy, dz, dw, buttons);
  wake_for_input();
}

void latch_mouse_buttons() {
#ifdef ALLEGRO_WITH_XWINDOWS
  if (_xwin_mouse_interrupt && _xwin_mouse_interrupt != note_mouse_event) {
    allegro_mouse_handler = _xwin_mouse_interrupt;
    _xwin_mouse_interrupt = note_mouse_event;
  }
#endif
}

// F11 or Alt+Enter, noted by the keyboard thread and carried out at the next
// mouse poll. A key held down repeats; a switch follows the last one only
// after a pause of the key.
std::atomic<int> switch_wanted{0};
std::atomic<int> last_switch_key_ms{-1000};

int take_screen_switch_keys(int key) {
  wake_for_input();
  if (!is_screen_switch_key(key, (key_shifts & KB_ALT_FLAG) != 0)) return key;
  const int now = wall_ms();
  if (now - last_switch_key_ms.exchange(now) > 400) switch_wanted = 1;
  return 0;  // the game never sees it
}

// The window lost the focus (set from the library's display switch callbacks).
std::atomic<int> window_away{0};
void on_switch_out() { window_away = 1; }
void on_switch_in() { window_away = 0; }

// What every new graphics mode needs before the first frame.
void after_mode_set() {
  set_window_title("Pelvaro");
  set_display_switch_mode(SWITCH_BACKGROUND);
  set_display_switch_callback(SWITCH_OUT, on_switch_out);
  set_display_switch_callback(SWITCH_IN, on_switch_in);
  set_close_button_callback(on_close_button);
  // The game draws its own pointer into every frame.
  show_mouse(nullptr);
  clear_bitmap(screen);
  forget_on_screen();
  if (enlarged) destroy_bitmap(enlarged);
  enlarged = nullptr;
  latch_mouse_buttons();
  poll_mouse();  // from now on the mouse moves only when polled
  XSetIOErrorHandler(on_display_lost);
  graphics_up = true;
}

// Sends rows first..last of the buffer's top-left w columns to the screen:
// as they are at 1x, else the output rows that depend on them enlarged into
// memory (sharp_scale: exactly the crisp squares of a whole factor, and the
// same with thin blended seams at any other size), then sent in one copy.
void put_on_screen(BITMAP* buffer, int w, Rows rows) {
  acquire_screen();
  if (shown.whole() && shown.scale == 1) {
    blit(buffer, screen, 0, rows.first, shown.x, shown.y + rows.first, w, rows.last - rows.first + 1);
    release_screen();
    return;
  }
  if (!enlarged || enlarged->w != shown.w || enlarged->h != shown.h ||
      bitmap_color_depth(enlarged) != bitmap_color_depth(buffer)) {
    if (enlarged) destroy_bitmap(enlarged);
    enlarged = create_bitmap_ex(bitmap_color_depth(buffer), shown.w, shown.h);
  }
  if (bitmap_color_depth(buffer) != 16) {  // never the game's own frame: plain stretching will do
    stretch_blit(buffer, enlarged, 0, 0, w, window_fit::kGameHeight, 0, 0, shown.w, shown.h);
    blit(enlarged, screen, 0, 0, shown.x, shown.y, shown.w, shown.h);
  } else {
    sharp.prepare(w, window_fit::kGameHeight, shown.w, shown.h);
    const auto [top, bottom] = sharp.scale_rows(buffer, enlarged, rows.first, rows.last);
    if (top <= bottom) blit(enlarged, screen, 0, top, shown.x, shown.y + top, shown.w, bottom - top + 1);
  }
  release_screen();
}

}  // namespace

int platform_install() {
  // Without a display (and no console driver) the library does not start;
  // nothing else of it may be used then.
  use_quiet_background_thread();
  if (allegro_init() != 0) return -1;
  take_close_signals();
  XSetIOErrorHandler(on_display_lost);
  install_timer();
  install_keyboard();
  keyboard_callback = take_screen_switch_keys;
  install_mouse();
  return 0;
}

int platform_set_gfx_mode(int fullscreen) {
  set_color_depth(16);
  int result = -1;
  if (fullscreen) {
    result = open_full_screen();
    if (result != 0) {
      std::printf("The full screen is not available here; the game opens in a window.\n");
      std::fflush(stdout);
    }
  }
  if (result != 0) result = open_window(window_scale_wanted());
  if (result == 0) after_mode_set();
  return result;
}

namespace {

// From the window to the whole screen or back. set_gfx_mode closes the mode
// it leaves, so when the other one cannot be had the one before is opened
// again.
void switch_screen() {
  const bool was_full = full_screen;
  const int old_scale = shown.scale;
  if ((was_full ? open_window(window_scale_wanted()) : open_full_screen()) == 0) {
    after_mode_set();
    return;
  }
  std::printf(was_full ? "The window could not be opened; the game stays on the whole screen.\n"
                       : "The full screen is not available here; the game stays in its window.\n");
  std::fflush(stdout);
  const int back = was_full ? open_full_screen() : open_window(old_scale);
  if (back != 0 && open_window(1) != 0) {
    std::fprintf(stderr, "Pelvaro: no graphics mode is left after the switch: %s\n", allegro_error);
    platform_exit(ExitStatus::no_display);
  }
  after_mode_set();
}

}  // namespace

int platform_set_scale(int scale) {
  if (scale != window_fit::kFill && (scale < 0 || scale > window_fit::kMaxScale)) return -1;
  const int before = requested_scale;
  requested_scale = scale;
  if (!graphics_up) return 0;
  if (full_screen) {
    place_on_full_screen();
    clear_bitmap(screen);
    forget_on_screen();
    return 0;
  }
  const window_fit::Placement old = shown;
  const int wanted = window_scale_wanted();
  const window_fit::Placement want = window_placement(wanted);
  if (want.w == old.w && want.h == old.h) return 0;
  if (open_window(wanted) == 0 && shown.w == want.w && shown.h == want.h) {
    after_mode_set();
    return 0;
  }
  // Not granted: back to the window as it was.
  requested_scale = before;
  if ((shown.w != old.w || shown.h != old.h) && open_window(old.whole() ? old.scale : window_fit::kFill) != 0)
    return -1;
  after_mode_set();
  return -1;
}

int platform_scale() {
  return shown.scale;
}

int platform_largest_scale() {
  int w, h;
  desktop_size(&w, &h);
  return window_fit::largest_window_scale(w, h);
}

window_fit::Placement platform_fill_window() {
  return window_placement(window_fit::kFill);
}

namespace {

// What the sound drivers print while they look for a sound card goes to a
// file of its own; afterwards the known chatter of the sound libraries is
// dropped and anything else reaches the console. A crash on the way puts
// the console back first, with everything printed so far, so that no crash
// report is ever swallowed.
int saved_stderr = -1;
int captured_stderr = -1;
struct sigaction crash_actions[NSIG];
const int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

void give_back_stderr() {
  if (saved_stderr < 0) return;
  dup2(saved_stderr, 2);
  if (captured_stderr >= 0) {
    char text[4096];
    ssize_t n;
    lseek(captured_stderr, 0, SEEK_SET);
    while ((n = read(captured_stderr, text, sizeof text)) > 0)
      if (write(2, text, static_cast<size_t>(n)) < 0) break;
  }
}

void on_crash_while_quiet(int sig) {
  give_back_stderr();
  // The library's own handler (or the default) takes the signal again.
  sigaction(sig, &crash_actions[sig], nullptr);
  if (sig == SIGABRT) raise(sig);
}

bool is_sound_chatter(const char* line) {
  static const char* const kChatter[] = {"ALSA lib ", "ALSA:", "Cannot connect to server", "jack server",
                                         "JackShm", "Jack", "esd:", "ESD:", "[aRts]", "aRts"};
  for (const char* c : kChatter)
    if (std::strncmp(line, c, std::strlen(c)) == 0) return true;
  return false;
}

}  // namespace

namespace {

char sound_report[600] = "no sound: not set up";

// install_sound with the library's chatter kept off the console.
int install_sound_quietly(int midi_card) {
  std::fflush(stderr);
  FILE* capture = std::tmpfile();
  saved_stderr = capture ? dup(2) : -1;
  if (saved_stderr >= 0) {
    captured_stderr = fileno(capture);
    dup2(captured_stderr, 2);
    struct sigaction quiet = {};
    quiet.sa_handler = on_crash_while_quiet;
    sigemptyset(&quiet.sa_mask);
    for (int sig : kCrashSignals) sigaction(sig, &quiet, &crash_actions[sig]);
  }
  const int result = install_sound(DIGI_AUTODETECT, midi_card, nullptr);
  std::fflush(stderr);
  if (saved_stderr >= 0) {
    for (int sig : kCrashSignals) sigaction(sig, &crash_actions[sig], nullptr);
    dup2(saved_stderr, 2);
    close(saved_stderr);
    saved_stderr = -1;
    captured_stderr = -1;
    std::rewind(capture);
    char line[1024];
    while (std::fgets(line, sizeof line, capture))
      if (!is_sound_chatter(line)) std::fputs(line, stderr);
  }
  if (capture) std::fclose(capture);
  return result;
}

}  // namespace

int platform_install_sound(const char* patches) {
  set_config_string("sound", "patches", patches);
  // 8 voices for the effects and 32 for the music: the synthesiser takes one
  // voice per sounding note, and a note beyond them cuts another short.
  reserve_voices(8, 32);
  const bool have_patches = access(patches, R_OK) == 0;
  char no_music[400];
  int result = -1;
  if (have_patches) {
    result = install_sound_quietly(MIDI_DIGMID);
    std::snprintf(no_music, sizeof no_music, "the music driver refused the patch set %s (%s)", patches,
                  allegro_error);
  } else {
    std::snprintf(no_music, sizeof no_music, "the patch set %s is missing", patches);
  }
  if (result != 0) {
    // Without a sound card the library takes its silent driver, which has
    // no voices to reserve.
    reserve_voices(-1, -1);
    result = install_sound_quietly(MIDI_NONE);
  }
  if (result != 0 || digi_card == DIGI_NONE) {
    std::snprintf(sound_report, sizeof sound_report, "no sound and no music: %s",
                  result != 0 && allegro_error[0] ? allegro_error : "no sound device found");
    if (result == 0) remove_sound();
    return -1;
  }
  if (midi_card == MIDI_DIGMID)
    std::snprintf(sound_report, sizeof sound_report, "sound: %s digital, %s music from %s", digi_driver->ascii_name,
                  midi_driver->ascii_name, patches);
  else
    std::snprintf(sound_report, sizeof sound_report, "sound: %s digital, no music: %s", digi_driver->ascii_name,
                  no_music);
  return 0;
}

const char* platform_sound_report() {
  return sound_report;
}

const char* platform_error() {
  return allegro_error;
}

void platform_text_mode() {
  graphics_up = false;
  set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
}

int platform_clock_ms() {
  return (clock_held_at >= 0 ? clock_held_at : wall_ms()) - clock_held_total;
}

void platform_hold_clock(int hold) {
  if (hold && clock_held_at < 0) {
    clock_held_at = wall_ms();
  } else if (!hold && clock_held_at >= 0) {
    clock_held_total += wall_ms() - clock_held_at;
    clock_held_at = -1;
  }
}

void platform_poll_mouse() {
  if (graphics_up) pad_acts(platform_read_pad(), platform_clock_ms());
  poll_mouse();
  if (graphics_up) {
    const int x = window_fit::to_game(mouse_x, shown.x, shown.w, window_fit::kGameWidth);
    const int y = window_fit::to_game(mouse_y, shown.y, shown.h, window_fit::kGameHeight);
    mouse_x = x;
    mouse_y = y;
    mouse_pos = (x << 16) | y;
    mouse_b = mouse_b | buttons_seen.exchange(0);
  }
  if (switch_wanted.exchange(0) && graphics_up) switch_screen();
  if (close_requested && close_handler) {
    close_requested = 0;
    close_handler();
  }
}

void platform_set_mouse(int x, int y) {
  if (!graphics_up) return;
  position_mouse(window_fit::to_screen(x, shown.x, shown.w, window_fit::kGameWidth),
                 window_fit::to_screen(y, shown.y, shown.h, window_fit::kGameHeight));
}

void platform_press_buttons(int buttons) {
  buttons_seen |= buttons & 3;
}

bool platform_window_away() {
  return window_away != 0;
}

bool platform_full_screen() {
  return full_screen;
}

bool platform_install_pad() {
  if (install_joystick(JOY_TYPE_AUTODETECT) != 0 || num_joysticks < 1) {
    remove_joystick();
    return false;
  }
  std::printf("A gamepad was found: %s.\n", joystick_driver ? joystick_driver->ascii_name : "joystick");
  std::fflush(stdout);
  return true;
}

PadState platform_read_pad() {
  PadState pad;
  if (num_joysticks < 1) return pad;
  poll_joystick();
  const JOYSTICK_INFO& j = joy[0];
  // The left stick is the first; a d-pad shows as a digital stick of its own.
  for (int s = 0; s < j.num_sticks; ++s) {
    const JOYSTICK_STICK_INFO& stick = j.stick[s];
    if (s > 0 && !(stick.flags & JOYFLAG_DIGITAL)) continue;
    if (stick.num_axis < 2) continue;
    const int x = (stick.flags & JOYFLAG_DIGITAL) ? (stick.axis[0].d1 ? -128 : stick.axis[0].d2 ? 127 : 0) : stick.axis[0].pos;
    const int y = (stick.flags & JOYFLAG_DIGITAL) ? (stick.axis[1].d1 ? -128 : stick.axis[1].d2 ? 127 : 0) : stick.axis[1].pos;
    if (std::abs(x) > std::abs(pad.x)) pad.x = x;
    if (std::abs(y) > std::abs(pad.y)) pad.y = y;
  }
  for (int b = 0; b < j.num_buttons && b < 8; ++b)
    if (j.button[b].b) pad.buttons |= 1u << b;
  return pad;
}

void platform_type_key(int key) {
  simulate_keypress(key);
}

int platform_keypressed() {
  return keypressed();
}

int platform_key_held(int scancode) {
  if (scancode == KEY_TAB && pad_select_held()) return 1;
  if (scancode <= 0 || scancode >= KEY_MAX) return 0;
  if (keyboard_needs_poll()) poll_keyboard();
  return key[scancode] ? 1 : 0;
}

int platform_readkey() {
  return readkey();
}

void platform_new_frame() {
  frame_pending = true;
}

void platform_present(BITMAP* buffer, int w, int h) {
  const int now = wall_ms();
  const bool mouse_changed = mouse_x != last_mouse_x || mouse_y != last_mouse_y || mouse_b != last_mouse_b;
  if (frame_pending || mouse_changed || now - last_present_ms >= 50) {
    const Rows rows = changed_rows(buffer, w, h);
    if (rows.first <= rows.last) {
      put_on_screen(buffer, w, rows);
      remember_on_screen(buffer, w, h);
    }
    frame_pending = false;
    last_mouse_x = mouse_x;
    last_mouse_y = mouse_y;
    last_mouse_b = mouse_b;
    last_present_ms = now;
  }
  wait_for_next_pass();
}

void platform_set_close_handler(void (*handler)()) {
  close_handler = handler;
}

void platform_tell(const char* words) {
  use_quiet_background_thread();
  if (allegro_init() != 0) return;
  install_timer();
  install_keyboard();
  install_mouse();
  set_color_depth(16);
  const int w = text_length(font, words) + 64, h = 72;
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, w, h, 0, 0) != 0) {
    allegro_exit();
    return;
  }
  set_window_title("Pelvaro");
  close_requested = 0;
  set_close_button_callback(on_close_button);
  clear_to_color(screen, makecol(24, 28, 48));
  textout_centre_ex(screen, font, words, w / 2, h / 2 - text_height(font) / 2, makecol(255, 236, 170), -1);
  // Five seconds, or until a click, a key or the close button.
  const int until = platform_clock_ms() + 5000;
  while (platform_clock_ms() < until && !close_requested && !keypressed()) {
    poll_mouse();
    if (mouse_b & 3) break;
    rest(10);
  }
  allegro_exit();
}

void platform_exit(ExitStatus status) {
  allegro_exit();
  std::fflush(stdout);
  std::exit(static_cast<int>(status));
}
