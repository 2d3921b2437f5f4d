// The headless backend of the platform seam (see headless.h).
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include <allegro.h>
#include <allegro/internal/aintern.h>

#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/speech.h"
#include "platform/gamepad.h"
#include "platform/window_focus.h"
#include "platform/window_fit.h"

namespace {

struct Event {
  int at;
  int kind;  // 0 mouse, 1 key typed, 2 key down, 3 key up, 4 window closed, 5 pad, 6 focus lost / back
  int mx, my, buttons, key;
};

bool allegro_up = false;
int step = 1;
int clock_ms = 0;
int limit_ms = 30 * 60 * 1000;
std::vector<Event> script;
size_t next_event = 0;
std::vector<int> keys;
bool held[KEY_MAX] = {};
std::function<void()> probe;
int presents = 0;
BITMAP* last = nullptr;
headless::SoundLog log;
int fullscreen_request = -1;
bool gfx_fails = false;
int scale_request = 0;
int desktop_w = 800;
int desktop_h = 600;
// The game's clock while held (a pause), and the time held so far.
int clock_held_at = -1;
int clock_held_total = 0;

// The mouse as the scripted player moves it, and every button it has had
// down since the last poll; the game sees it at its next poll, as with the
// real backend. The globals are only written when the script has moved the
// mouse since the last poll (`news`) or the last poll showed a press that has
// already been let go (`latched`), so that a test that puts the mouse globals
// in place itself keeps them until the script moves the mouse.
struct {
  int x = 0, y = 0, b = 0;
  int seen = 0;
  bool news = false;
  bool latched = false;
} player_mouse;
bool install_fails = false;
// The scripted pad, and whether the window has lost the focus.
PadState pad;
bool away = false;
// What keys and the pad did to the pointer: moves and presses.
int pointer_moves = 0;
int button_presses = 0;
// The player has closed the window; the game hears of it at its next poll.
bool close_pending = false;
// Speech: started or not, whether starting is to fail (as without speech-dispatcher), and what was said.
bool speaking = false;
bool speech_fails = false;
std::string speech_trouble;
std::vector<headless::Said> said;
void (*close_handler)() = nullptr;

void apply_due_events() {
  while (next_event < script.size() && script[next_event].at <= clock_ms) {
    const Event& e = script[next_event++];
    if (e.kind == 0) {
      player_mouse.x = e.mx;
      player_mouse.y = e.my;
      player_mouse.b = e.buttons;
      player_mouse.seen |= e.buttons;
      player_mouse.news = true;
    } else if (e.kind == 1 && is_screen_switch_key(e.key, held[KEY_ALT] || held[KEY_ALTGR])) {
      // Taken by the backend, as with a real window; the game never sees it.
      fullscreen_request = fullscreen_request == 1 ? 0 : 1;
    } else if (e.kind == 1) {
      keys.push_back(e.key);
    } else if (e.kind == 4) {
      close_pending = true;
    } else if (e.kind == 5) {
      pad = PadState{e.mx, e.my, static_cast<unsigned>(e.buttons)};
    } else if (e.kind == 6) {
      away = e.buttons != 0;
    } else if (e.key > 0 && e.key < KEY_MAX) {
      held[e.key] = e.kind == 2;
    }
  }
}

// Every clock read, poll and present moves the clock on; the script's events
// are taken at clock reads and polls and reach the mouse globals at polls
// only, so that what a probe sees after a present is what the frame was drawn
// with.
void tick(bool apply_events = true) {
  clock_ms += step;
  if (clock_ms > limit_ms) throw headless::TimedOut{clock_ms};
  if (apply_events) apply_due_events();
}

void add(const Event& e) {
  // Keep the script in time order; events at the same time stay in the order given.
  auto pos = std::upper_bound(script.begin() + static_cast<long>(next_event), script.end(), e,
                              [](const Event& a, const Event& b) { return a.at < b.at; });
  script.insert(pos, e);
}

// Without a system driver there is no timer, but the library's film reader
// asks for one; this one never ticks: the film is paced by the virtual clock.
int silent_init() { return 0; }
void silent_exit() {}
int silent_install_int(void (*)(), long) { return 0; }
void silent_remove_int(void (*)()) {}
int silent_install_param_int(void (*)(void*), void*, long) { return 0; }
void silent_remove_param_int(void (*)(void*), void*) {}
int silent_can_simulate_retrace() { return 0; }
void silent_simulate_retrace(int) {}
void silent_rest(unsigned int, void (*)()) {}
TIMER_DRIVER silent_timer = {AL_ID('H', 'L', 'T', 'M'), "headless", "headless", "headless",
                             silent_init, silent_exit, silent_install_int, silent_remove_int,
                             silent_install_param_int, silent_remove_param_int, silent_can_simulate_retrace,
                             silent_simulate_retrace, silent_rest};

}  // namespace

namespace headless {

void ensure_allegro() {
  if (!allegro_up) {
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    timer_driver = &silent_timer;
    _timer_installed = TRUE;
    allegro_up = true;
  }
  set_color_depth(16);
  // Without a display Allegro's defaults differ; the game's pictures are 5-6-5.
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_conversion(COLORCONV_TOTAL);
}

void reset(int step_ms) {
  ensure_allegro();
  step = step_ms < 1 ? 1 : step_ms;
  clock_ms = 0;
  limit_ms = 30 * 60 * 1000;
  script.clear();
  next_event = 0;
  keys.clear();
  for (bool& h : held) h = false;
  probe = nullptr;
  presents = 0;
  log = SoundLog{};
  fullscreen_request = -1;
  gfx_fails = false;
  scale_request = 0;
  desktop_w = 800;
  desktop_h = 600;
  clock_held_at = -1;
  clock_held_total = 0;
  player_mouse = {};
  pointer_moves = 0;
  button_presses = 0;
  pad = {};
  away = false;
  pad_forget();
  install_fails = false;
  close_pending = false;
  speaking = false;
  speech_fails = false;
  speech_trouble.clear();
  said.clear();
  mouse_x = 0;
  mouse_y = 0;
  mouse_b = 0;
  platform_set_pointer(nullptr, 0, 0);
  platform_hide_pointer();
}

void mouse_at(int at_ms, int mx, int my, int buttons) {
  add(Event{at_ms, 0, mx, my, buttons, 0});
}

void click(int at_ms, int mx, int my, int hold_ms) {
  mouse_at(at_ms, mx, my, 1);
  mouse_at(at_ms + hold_ms, mx, my, 0);
}

void pad_at(int at_ms, int x, int y, unsigned buttons) {
  add({at_ms, 5, x, y, static_cast<int>(buttons), 0});
}

void window_away_at(int at_ms, bool lost) {
  add({at_ms, 6, 0, 0, lost ? 1 : 0, 0});
}

void key_at(int at_ms, int key) {
  add(Event{at_ms, 1, 0, 0, 0, key});
}

void close_window_at(int at_ms) {
  add(Event{at_ms, 4, 0, 0, 0, 0});
}

void key_down(int at_ms, int scancode) {
  add(Event{at_ms, 2, 0, 0, 0, scancode});
}

void key_up(int at_ms, int scancode) {
  add(Event{at_ms, 3, 0, 0, 0, scancode});
}

void on_present(std::function<void()> p) {
  probe = std::move(p);
}

std::function<void()> present_probe() { return probe; }

void stop() {
  throw Stopped{};
}

void set_time_limit(int ms) {
  limit_ms = ms;
}

int now() {
  return clock_ms;
}

int present_count() {
  return presents;
}

int pointer_moves_made() {
  return pointer_moves;
}

int button_presses_made() {
  return button_presses;
}

BITMAP* last_frame() {
  return last;
}

const SoundLog& sound() {
  return log;
}

int requested_fullscreen() {
  return fullscreen_request;
}

void fail_gfx_mode(bool fail) {
  gfx_fails = fail;
}

void set_desktop(int w, int h) {
  desktop_w = w;
  desktop_h = h;
}

int requested_scale() {
  return scale_request;
}

void fail_install(bool fail) {
  install_fails = fail;
}

const std::vector<Said>& spoken() {
  return said;
}

void fail_speech(bool fail) {
  speech_fails = fail;
}

}  // namespace headless

int platform_install() {
  headless::ensure_allegro();
  if (install_fails) {
    ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, "no display to be found (headless)");
    return -1;
  }
  allegro_error[0] = '\0';
  return 0;
}

const char* platform_error() {
  return allegro_error;
}

int platform_set_gfx_mode(int fullscreen) {
  fullscreen_request = fullscreen;
  return gfx_fails ? -1 : 0;
}

int platform_install_sound(const char* patches) {
  log.sound_installed = 1;
  log.patches = patches ? patches : "";
  return 0;
}

const char* platform_sound_report() {
  return "";  // nothing to say: there is no sound card to choose
}

void platform_text_mode() {}

int platform_set_scale(int scale) {
  if (scale != window_fit::kFill && (scale < 0 || scale > window_fit::kMaxScale)) return -1;
  scale_request = scale;
  return 0;
}

int platform_scale() {
  if (scale_request == window_fit::kFill) return platform_fill_window().scale;
  return scale_request > 0 ? scale_request : platform_largest_scale();
}

int platform_largest_scale() {
  return window_fit::largest_window_scale(desktop_w, desktop_h);
}

window_fit::Placement platform_fill_window() {
  return window_fit::filled_window(desktop_w, desktop_h);
}

int platform_clock_ms() {
  tick();
  return (clock_held_at >= 0 ? clock_held_at : clock_ms) - clock_held_total;
}

void platform_hold_clock(int hold) {
  if (hold && clock_held_at < 0) {
    clock_held_at = clock_ms;
  } else if (!hold && clock_held_at >= 0) {
    clock_held_total += clock_ms - clock_held_at;
    clock_held_at = -1;
  }
}

void platform_poll_mouse() {
  tick();
  if (close_pending && close_handler) {
    close_pending = false;
    close_handler();
  }
  // The pad on the game's clock as platform_clock_ms gives it, without moving it on.
  pad_acts(pad, (clock_held_at >= 0 ? clock_held_at : clock_ms) - clock_held_total);
  if (!player_mouse.news && !player_mouse.latched) return;
  mouse_x = player_mouse.x;
  mouse_y = player_mouse.y;
  mouse_b = player_mouse.b | player_mouse.seen;
  player_mouse.latched = mouse_b != player_mouse.b;
  player_mouse.seen = 0;
  player_mouse.news = false;
}

void platform_set_mouse(int x, int y) {
  player_mouse.x = x;
  player_mouse.y = y;
  player_mouse.news = true;
  ++pointer_moves;
}

void platform_press_buttons(int buttons) {
  player_mouse.seen |= buttons & 3;
  player_mouse.news = true;
  ++button_presses;
}

bool platform_window_away() {
  return away;  // asked every pass: it does not move the clock, so passes keep their pace
}

bool platform_full_screen() {
  return fullscreen_request == 1;
}

void platform_hold_music(int hold) {
  log.music_held = hold != 0;
}

bool platform_install_pad() {
  return true;  // the scripted pad is always there, at rest until the script moves it
}

PadState platform_read_pad() {
  return pad;
}

void platform_type_key(int key) {
  keys.push_back(key);
}

int platform_keypressed() {
  tick();
  return keys.empty() ? 0 : 1;
}

int platform_key_held(int scancode) {
  tick();
  if (scancode == KEY_TAB && pad_select_held()) return 1;
  return scancode > 0 && scancode < KEY_MAX && held[scancode] ? 1 : 0;
}

int platform_readkey() {
  while (keys.empty()) tick();
  const int k = keys.front();
  keys.erase(keys.begin());
  return k;
}

void platform_new_frame() {}

void platform_present(BITMAP* buffer, int w, int h) {
  if (!last || last->w != buffer->w || last->h != buffer->h) {
    if (last) destroy_bitmap(last);
    last = create_bitmap_ex(bitmap_color_depth(buffer), buffer->w, buffer->h);
  }
  if (w < buffer->w || h < buffer->h) clear_bitmap(last);  // a smaller room leaves black around it
  blit(buffer, last, 0, 0, 0, 0, w, h);
  ++presents;
  tick(false);
  if (probe) probe();
}

void platform_play_midi(MIDI* midi, int loop) {
  ++log.midi_plays;
  log.playing_midi = midi;
  log.midi_loop = loop;
}

void platform_stop_midi() {
  log.playing_midi = nullptr;
}

void platform_set_volume(int digi_volume, int midi_volume) {
  log.digi_volume = digi_volume;
  log.midi_volume = midi_volume;
}

void platform_play_sample(SAMPLE* sample, int vol, int, int, int) {
  if (!sample) return;
  ++log.samples_played;
  log.samples.push_back(sample);
  log.sample_volume = vol * (log.digi_volume < 0 ? 255 : log.digi_volume) / 255;
}

void platform_set_close_handler(void (*handler)()) {
  close_handler = handler;
}

void platform_tell(const char*) {}

void platform_exit(ExitStatus status) {
  throw headless::ProgramEnded{static_cast<int>(status)};
}

// ---- Speech: recorded, never said ----------------------------------------------------------------------------

bool speech_start() {
  if (speaking) return true;
  speech_trouble = speech_fails ? "no speech: the speech service (speech-dispatcher) does not answer" : "";
  speaking = !speech_fails;
  return speaking;
}

const std::string& speech_problem() {
  return speech_trouble;
}

bool speech_started() {
  return speaking;
}

void speech_end() {
  speaking = false;
}

void speech_say(const std::string& text, bool interrupt) {
  if (speaking && !text.empty()) said.push_back({text, interrupt});
}

void speech_stop() {
  if (speaking) said.push_back({"", true});
}
