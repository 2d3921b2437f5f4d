// The web backend of the platform seam: the game in a browser page, built with
// emscripten. The library runs without a display (as headless); the frame
// goes to the page's canvas, the mouse and keys come from the page's events,
// the clock is the page's, and the sound is the library's own mixer, whose
// samples the page plays through Web Audio. The page's side is web/page.js.
//
// The game's loops block; the program is built with ASYNCIFY, and every
// present, and every poll or clock read made a while after the last yield,
// gives the page its turn (emscripten_sleep), so that its events, drawing and
// sound go on.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include <emscripten.h>

#include <allegro.h>
#include <allegro/internal/aintern.h>

#include "platform/platform.h"
#include "platform/gamepad.h"
#include "platform/web_view.h"
#include "platform/window_focus.h"
#include "platform/window_fit.h"

// ---- The page's side (web/page.js keeps the state these read) --------------

// The pointer: x, y and the canvas's width and height in CSS pixels, the
// buttons held, the buttons pressed since the last read, the wheel's clicks
// (up positive) since the last read.
EM_JS(void, page_pointer, (double* out), {
  const p = Module.pelvaro.pointer;
  const f = HEAPF64.subarray(out >> 3, (out >> 3) + 6);
  f[0] = p.x; f[1] = p.y; f[2] = p.w; f[3] = p.h; f[4] = p.buttons | p.seen; f[5] = p.wheel;
  p.seen = 0;
  p.wheel = 0;
});
EM_JS(void, page_pointer_at, (double* out), {
  HEAPF64[out >> 3] = Module.pelvaro.pointer.x;
  HEAPF64[(out >> 3) + 1] = Module.pelvaro.pointer.y;
});
// The next key event: 1 down, 2 up, 0 none; its KeyboardEvent.code and the
// character it types (0 for none).
EM_JS(int, page_next_key, (char* code, int size, int* typed), {
  const k = Module.pelvaro.keys.shift();
  if (!k) return 0;
  stringToUTF8(k.code, code, size);
  HEAP32[typed >> 2] = k.typed;
  return k.down ? 1 : 2;
});
EM_JS(void, page_show_rows, (const std::uint8_t* rgba, int w, int first, int count), {
  Module.pelvaro.showRows(HEAPU8.subarray(rgba, rgba + w * count * 4), w, first, count);
});
// Seconds of sound queued beyond what is playing now; -1 before the page's
// sound has started (the first click).
EM_JS(double, page_sound_ahead, (), { return Module.pelvaro.soundAhead(); });
EM_JS(void, page_play_sound, (const std::int16_t* pcm, int frames, int rate), {
  Module.pelvaro.playSound(HEAP16.subarray(pcm >> 1, (pcm >> 1) + frames * 2), frames, rate);
});
EM_JS(int, page_hidden, (), { return document.hidden ? 1 : 0; });
EM_JS(int, page_full_screen, (), { return document.fullscreenElement ? 1 : 0; });
EM_JS(int, page_width, (), { return window.innerWidth; });
EM_JS(int, page_height, (), { return window.innerHeight; });
// The page is being closed or reloaded (its unload event came).
EM_JS(int, page_closing, (), { return Module.pelvaro.closing ? 1 : 0; });
// The player's folder into the browser's storage, when a file changed.
EM_JS(void, page_keep_files, (), { Module.pelvaro.keepFiles(); });
EM_JS(void, page_ended, (int status), { Module.pelvaro.ended(status); });
EM_JS(void, page_tell, (const char* words), { Module.pelvaro.tell(UTF8ToString(words)); });

namespace {

// ---- The clock ----------------------------------------------------------------

const double started_ms = emscripten_get_now();
int page_ms() {
  return static_cast<int>(emscripten_get_now() - started_ms);
}
int clock_held_at = -1;
int clock_held_total = 0;

// ---- Sound: the library's mixer, played by the page ---------------------------
//
// A block of kBlockFrames stereo frames is mixed whenever the page has less
// than kLeadMs queued; before each block the library's timer (which plays the
// MIDI file) moves on by the block's length, so the music keeps its time.
// Before the first click the page has no sound yet; the blocks are mixed all
// the same, on the page's clock, and thrown away, so the music is where it
// should be when the sound starts.
constexpr int kRate = 44100;
constexpr int kBlockFrames = 1024;
constexpr double kLeadMs = 120;
std::vector<std::int16_t> block(kBlockFrames * 2);
bool mixing = false;
double mixed_to_ms = 0;  // the page's clock up to which blocks were mixed, while there is no page sound

void mix_block() {
  _handle_timer_tick(static_cast<int>(MSEC_TO_TIMER(1000.0 * kBlockFrames / kRate)));
  _mix_some_samples(reinterpret_cast<uintptr_t>(block.data()), 0, TRUE);
}

void pump_sound() {
  if (!mixing) return;
  const double block_ms = 1000.0 * kBlockFrames / kRate;
  const double ahead = page_sound_ahead();
  if (ahead < 0) {
    const double now = page_ms();
    if (now - mixed_to_ms > 500) mixed_to_ms = now - 500;  // a long stall is not made up for
    while (mixed_to_ms < now) {
      mix_block();
      mixed_to_ms += block_ms;
    }
    return;
  }
  for (double queued = ahead * 1000; queued < kLeadMs; queued += block_ms) {
    mix_block();
    page_play_sound(block.data(), kBlockFrames, kRate);
  }
}

int web_digi_detect(int) { return TRUE; }
int web_digi_init(int, int voices);
void web_digi_exit(int) {
  mixing = false;
  _mixer_exit();
}
int web_mixer_volume(int) { return 0; }
int web_buffer_size() { return kBlockFrames; }

DIGI_DRIVER digi_web = {
    AL_ID('W', 'E', 'B', 'A'), empty_string, empty_string, "Web Audio", 0, 0, MIXER_MAX_SFX, MIXER_DEF_SFX,
    web_digi_detect, web_digi_init, web_digi_exit, web_mixer_volume, nullptr, nullptr, nullptr,
    web_buffer_size, _mixer_init_voice, _mixer_release_voice, _mixer_start_voice, _mixer_stop_voice,
    _mixer_loop_voice, _mixer_get_position, _mixer_set_position, _mixer_get_volume, _mixer_set_volume,
    _mixer_ramp_volume, _mixer_stop_volume_ramp, _mixer_get_frequency, _mixer_set_frequency,
    _mixer_sweep_frequency, _mixer_stop_frequency_sweep, _mixer_get_pan, _mixer_set_pan, _mixer_sweep_pan,
    _mixer_stop_pan_sweep, _mixer_set_echo, _mixer_set_tremolo, _mixer_set_vibrato, 0, 0, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr};

int web_digi_init(int, int voices) {
  digi_web.voices = voices;
  _sound_freq = kRate;
  _sound_stereo = TRUE;
  _sound_bits = 16;
  if (_mixer_init(kBlockFrames * 2, kRate, TRUE, TRUE, &digi_web.voices) != 0) return -1;
  mixing = true;
  mixed_to_ms = page_ms();
  return 0;
}

_DRIVER_INFO digi_list[] = {{digi_web.id, &digi_web, TRUE}, {0, nullptr, 0}};
_DRIVER_INFO midi_list[] = {{MIDI_DIGMID, &midi_digmid, TRUE}, {0, nullptr, 0}};
_DRIVER_INFO* web_digi_drivers() { return digi_list; }
_DRIVER_INFO* web_midi_drivers() { return midi_list; }

// The page has one thread: the mixer's and the timer's locks have nothing to guard.
void* web_create_mutex() {
  static int token;
  return &token;
}
void web_mutex_noop(void*) {}

// The library's timer (the MIDI player's and the film reader's): its own
// queue of callbacks, moved on by pump_sound.
TIMER_DRIVER web_timer = {AL_ID('W', 'E', 'B', 'T'), "web", "web", "web", nullptr, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr, nullptr};

// ---- Yielding to the page -----------------------------------------------------

double last_yield_ms = 0;

void take_keys();

// The page's turn: its events, its drawing and its sound go on meanwhile.
void yield_to_page(int ms) {
  pump_sound();
  emscripten_sleep(ms);
  last_yield_ms = emscripten_get_now();
  take_keys();
}

// A loop that polls or reads the clock without presenting (waiting for a
// button to be let go) still gives the page its turn now and then.
void yield_if_long() {
  if (emscripten_get_now() - last_yield_ms > 8) yield_to_page(0);
}

// ---- Mouse and keyboard ---------------------------------------------------------

bool held[KEY_MAX] = {};
std::deque<int> typed_keys;
// The pointer put by keys or a pad (platform_set_mouse) stays where it was
// put until the page's pointer moves; buttons pressed the same way.
int put_x = -1, put_y = -1;
double page_x_when_put = -1, page_y_when_put = -1;
int pressed_by_keys = 0;
void (*close_handler)() = nullptr;
bool close_told = false;

void take_keys() {
  char code[32];
  int typed = 0;
  while (int kind = page_next_key(code, sizeof code, &typed)) {
    const int sc = web_view::scancode_of(code);
    if (sc == 0) continue;
    held[sc] = kind == 1;
    if (kind == 1) typed_keys.push_back((sc << 8) | web_view::ascii_of(sc, typed));
  }
}

// ---- The frame ------------------------------------------------------------------

web_view::FrameSender sender;
bool graphics_up = false;
char sound_report[200] = "no sound: not set up";

}  // namespace

int platform_install() {
  install_allegro(SYSTEM_NONE, &errno, std::atexit);
  system_driver->create_mutex = web_create_mutex;
  system_driver->destroy_mutex = web_mutex_noop;
  system_driver->lock_mutex = web_mutex_noop;
  system_driver->unlock_mutex = web_mutex_noop;
  system_driver->digi_drivers = web_digi_drivers;
  system_driver->midi_drivers = web_midi_drivers;
  timer_driver = &web_timer;
  _timer_installed = TRUE;
  last_yield_ms = emscripten_get_now();
  return 0;
}

const char* platform_error() {
  return allegro_error;
}

int platform_set_gfx_mode(int) {
  // Without a display the library's 16-bit defaults differ; the game's pictures are 5-6-5.
  set_color_depth(16);
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_conversion(COLORCONV_TOTAL);
  graphics_up = true;
  sender.forget();
  return 0;
}

// The page fills the browser's window with the picture, keeping 4:3; the
// factor asked for is only noted.
int requested_scale = 0;

int platform_set_scale(int scale) {
  if (scale != window_fit::kFill && (scale < 0 || scale > window_fit::kMaxScale)) return -1;
  requested_scale = scale;
  return 0;
}

int platform_scale() {
  return window_fit::filled(page_width(), page_height()).scale;
}

int platform_largest_scale() {
  return window_fit::largest_window_scale(page_width(), page_height());
}

window_fit::Placement platform_fill_window() {
  return window_fit::filled_window(page_width(), page_height());
}

int platform_install_sound(const char* patches) {
  set_config_string("sound", "patches", patches);
  reserve_voices(8, 32);
  if (install_sound(DIGI_AUTODETECT, MIDI_DIGMID, nullptr) != 0) {
    reserve_voices(-1, -1);
    std::snprintf(sound_report, sizeof sound_report, "no sound and no music: %s", allegro_error);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) != 0) return -1;
  } else {
    std::snprintf(sound_report, sizeof sound_report, "sound: Web Audio, DIGMID music from %s", patches);
  }
  return 0;
}

const char* platform_sound_report() {
  return sound_report;
}

void platform_text_mode() {
  graphics_up = false;
}

int platform_clock_ms() {
  yield_if_long();
  return (clock_held_at >= 0 ? clock_held_at : page_ms()) - clock_held_total;
}

void platform_hold_clock(int hold) {
  if (hold && clock_held_at < 0) {
    clock_held_at = page_ms();
  } else if (!hold && clock_held_at >= 0) {
    clock_held_total += page_ms() - clock_held_at;
    clock_held_at = -1;
  }
}

void platform_poll_mouse() {
  yield_if_long();
  take_keys();
  if (graphics_up) pad_acts(platform_read_pad(), platform_clock_ms());
  double p[6];
  page_pointer(p);
  if (p[0] != page_x_when_put || p[1] != page_y_when_put) put_x = put_y = -1;
  mouse_x = put_x >= 0 ? put_x : web_view::to_game(p[0], p[2], window_fit::kGameWidth);
  mouse_y = put_y >= 0 ? put_y : web_view::to_game(p[1], p[3], window_fit::kGameHeight);
  mouse_pos = (mouse_x << 16) | mouse_y;
  mouse_b = (static_cast<int>(p[4]) & 7) | pressed_by_keys;
  pressed_by_keys = 0;
  mouse_z = mouse_z + static_cast<int>(p[5]);  // (a volatile of the library's)
  if (page_closing() && !close_told && close_handler) {
    close_told = true;
    close_handler();
  }
}

void platform_set_mouse(int x, int y) {
  double p[2];
  page_pointer_at(p);
  put_x = x;
  put_y = y;
  page_x_when_put = p[0];
  page_y_when_put = p[1];
}

void platform_press_buttons(int buttons) {
  pressed_by_keys |= buttons & 3;
}

bool platform_window_away() {
  return page_hidden() != 0;
}

bool platform_full_screen() {
  return page_full_screen() != 0;
}

bool platform_install_pad() {
  return false;  // the page offers no pad; keys and the mouse play
}

PadState platform_read_pad() {
  return PadState{};
}

void platform_type_key(int key) {
  typed_keys.push_back(key);
}

int platform_keypressed() {
  yield_if_long();
  take_keys();
  return typed_keys.empty() ? 0 : 1;
}

int platform_key_held(int scancode) {
  take_keys();
  if (scancode == KEY_TAB && pad_select_held()) return 1;
  return scancode > 0 && scancode < KEY_MAX && held[scancode] ? 1 : 0;
}

int platform_readkey() {
  while (typed_keys.empty()) yield_to_page(10);
  const int k = typed_keys.front();
  typed_keys.pop_front();
  return k;
}

void platform_new_frame() {}

// A pass whose frame changed nothing on the canvas gives the page a longer
// turn: a waiting game then takes about a hundred passes a second, which is
// still more than the pointer and the keys need.
constexpr int kStillPassMs = 8;

void platform_present(BITMAP* buffer, int w, int h) {
  bool shown = false;
  if (graphics_up && bitmap_color_depth(buffer) == 16) {
    const web_view::Rows rows = sender.take(buffer, w, h);
    shown = rows.first <= rows.last;
    if (shown) page_show_rows(sender.rgba().data(), w, rows.first, rows.last - rows.first + 1);
  }
  page_keep_files();
  yield_to_page(shown ? 1 : kStillPassMs);
}

void platform_set_close_handler(void (*handler)()) {
  close_handler = handler;
}

void platform_tell(const char* words) {
  page_tell(words);
}

void platform_exit(ExitStatus status) {
  remove_sound();
  page_ended(static_cast<int>(status));
  emscripten_force_exit(static_cast<int>(status));
  std::abort();
}
