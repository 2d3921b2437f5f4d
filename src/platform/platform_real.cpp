// The real backend of the platform seam: Allegro's drivers, a window (or the
// full screen), the sound card and the wall clock.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <csignal>

#include <signal.h>
#include <unistd.h>

#include "platform/platform.h"

namespace {

using steady = std::chrono::steady_clock;
const steady::time_point started = steady::now();

// Presenting: a copy to the screen costs a colour conversion of the whole
// window, so a pass copies only when something can have changed: a frame was
// composed, the mouse moved or a button changed, or 50 ms have gone by.
bool frame_pending = true;
int last_mouse_x = -1;
int last_mouse_y = -1;
int last_mouse_b = -1;
int last_present_ms = -1000;

// What the screen shows now, so that a frame the same as the last one is not
// converted and sent to the display again (a still room, a pointer at rest).
BITMAP* on_screen = nullptr;

bool same_as_on_screen(BITMAP* buffer, int w, int h) {
  if (!on_screen || on_screen->w != w || on_screen->h != h ||
      bitmap_color_depth(on_screen) != bitmap_color_depth(buffer))
    return false;
  const size_t row_bytes = static_cast<size_t>(w) * ((bitmap_color_depth(buffer) + 7) / 8);
  for (int row = 0; row < h; ++row)
    if (std::memcmp(buffer->line[row], on_screen->line[row], row_bytes) != 0) return false;
  return true;
}

void remember_on_screen(BITMAP* buffer, int w, int h) {
  if (!on_screen || on_screen->w != w || on_screen->h != h ||
      bitmap_color_depth(on_screen) != bitmap_color_depth(buffer)) {
    if (on_screen) destroy_bitmap(on_screen);
    on_screen = create_bitmap_ex(bitmap_color_depth(buffer), w, h);
  }
  blit(buffer, on_screen, 0, 0, 0, 0, w, h);
}

void (*close_handler)() = nullptr;
volatile int close_requested = 0;

void on_close_button() {
  close_requested = 1;
}

}  // namespace

int platform_install() {
  // Without a display (and no console driver) the library does not start;
  // nothing else of it may be used then.
  if (allegro_init() != 0) return -1;
  install_timer();
  install_keyboard();
  install_mouse();
  return 0;
}

int platform_set_gfx_mode(int fullscreen) {
  set_color_depth(16);
  const int card = fullscreen ? GFX_AUTODETECT : GFX_AUTODETECT_WINDOWED;
  const int result = set_gfx_mode(card, 640, 480, 0, 0);
  if (result == 0) {
    set_window_title("Pelvaro");
    set_display_switch_mode(SWITCH_BACKGROUND);
    set_close_button_callback(on_close_button);
    // The game draws its own pointer into every frame.
    show_mouse(nullptr);
  }
  return result;
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

int platform_install_sound() {
  // DIGMID plays the music through the patch set made at build time; the
  // game finds it in its working directory without any setting.
  set_config_string("sound", "patches", "patches.dat");
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
  int result = install_sound(DIGI_AUTODETECT, MIDI_DIGMID, nullptr);
  if (result != 0) result = install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr);
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
  return result == 0 ? 0 : -1;
}

const char* platform_error() {
  return allegro_error;
}

void platform_text_mode() {
  set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
}

int platform_clock_ms() {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(steady::now() - started).count());
}

void platform_poll_mouse() {
  if (mouse_needs_poll()) poll_mouse();
  if (close_requested && close_handler) {
    close_requested = 0;
    close_handler();
  }
}

int platform_keypressed() {
  return keypressed();
}

int platform_readkey() {
  return readkey();
}

void platform_new_frame() {
  frame_pending = true;
}

void platform_present(BITMAP* buffer, int w, int h) {
  const int now = platform_clock_ms();
  const bool mouse_changed = mouse_x != last_mouse_x || mouse_y != last_mouse_y || mouse_b != last_mouse_b;
  if (frame_pending || mouse_changed || now - last_present_ms >= 50) {
    if (!same_as_on_screen(buffer, w, h)) {
      acquire_screen();
      blit(buffer, screen, 0, 0, 0, 0, w, h);
      release_screen();
      remember_on_screen(buffer, w, h);
    }
    frame_pending = false;
    last_mouse_x = mouse_x;
    last_mouse_y = mouse_y;
    last_mouse_b = mouse_b;
    last_present_ms = now;
  }
  rest(1);
}

void platform_play_midi(MIDI* midi, int loop) {
  play_midi(midi, loop);
}

void platform_stop_midi() {
  stop_midi();
}

void platform_set_volume(int digi_volume, int midi_volume) {
  set_volume(digi_volume, midi_volume);
}

void platform_play_sample(SAMPLE* sample, int vol, int pan, int freq, int loop) {
  if (sample) play_sample(sample, vol, pan, freq, loop);
}

void platform_set_close_handler(void (*handler)()) {
  close_handler = handler;
}

void platform_exit(int status) {
  allegro_exit();
  std::fflush(stdout);
  std::exit(status);
}
