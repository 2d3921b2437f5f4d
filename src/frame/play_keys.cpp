#include "frame/play_keys.h"

#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/said_log.h"
#include "frame/click_points.h"
#include "frame/text.h"
#include "interaction/inventory.h"
#include "platform/gamepad.h"
#include "platform/platform.h"
#include "platform/window_focus.h"

namespace {

// The band the caption of the pause stands in, from the top of the screen.
constexpr int kPauseBandHeight = 50;

// Half as bright: each 5-6-5 channel shifted down by one.
void dim(BITMAP* b) {
  if (bitmap_color_depth(b) != 16) return;
  for (int y = 0; y < b->h; ++y) {
    auto* row = reinterpret_cast<unsigned short*>(b->line[y]);
    for (int x = 0; x < b->w; ++x) row[x] = static_cast<unsigned short>((row[x] >> 1) & 0x7BEF);
  }
}

void centred(const char* line, int y, int colour) {
  outlined_text(line, (screen_layout::kScreenWidth - text_length(pv_font, line)) / 2, y, colour);
}

// (Not the Pause key: the library flips its state at each press instead of
// reporting it held.)
bool pause_key_held() {
  return platform_key_held(KEY_P);
}

}  // namespace

KeyAsk key_ask(int key) {
  switch ((key >> 8) & 0xff) {
    case KEY_ESC: return KeyAsk::skip;
    case KEY_P:
    case KEY_PAUSE: return KeyAsk::pause;
    case KEY_F5: return KeyAsk::save;
    case KEY_F7: return KeyAsk::load;
    case KEY_H: return KeyAsk::hint;
    case KEY_L: return KeyAsk::log;
    case KEY_F2: return KeyAsk::speech;
    case KEY_PGUP: return KeyAsk::jump_back;
    case KEY_PGDN: return KeyAsk::jump_on;
    case KEY_ENTER:
    case KEY_ENTER_PAD: return KeyAsk::click;
    case KEY_BACKSPACE: return KeyAsk::right_click;
    default: return KeyAsk::none;
  }
}

void pause_game(bool away) {
  using screen_layout::kScreenHeight;
  using screen_layout::kScreenWidth;
  platform_hide_pointer();
  BITMAP* frame = create_bitmap(memory_screen->w, memory_screen->h);
  blit(memory_screen, frame, 0, 0, 0, 0, frame->w, frame->h);
  dim(memory_screen);
  if (pv_font) {
    // In a band along the top, above every room's people: the caption hides nobody's face.
    rectfill(memory_screen, 0, 0, kScreenWidth - 1, kPauseBandHeight - 1, makecol(6, 8, 16));
    hline(memory_screen, 0, kPauseBandHeight - 1, kScreenWidth - 1, makecol(90, 110, 150));
    centred(TR("Pause", "Pause"), 6, kPersonColour);
    centred(TR("Weiter mit einer Taste oder einem Klick", "Press a key or click to go on"), 27, kHeroColour);
  }
  platform_hold_clock(1);
  if (away) platform_hold_music(1);
  platform_new_frame();
  bool was_down = (mouse_b & 3) != 0;
  bool clicked = false;
  bool let_go = false;  // the P that paused has come up
  for (;;) {
    platform_poll_mouse();
    const bool down = (mouse_b & 3) != 0;
    if (down && !was_down) {
      clicked = true;
      break;
    }
    was_down = down;
    // The key that paused repeats while it is held: only a key typed after
    // it was let go goes on.
    let_go = let_go || !pause_key_held();
    if (platform_keypressed()) {
      platform_readkey();
      if (let_go) break;
    }
    platform_present(memory_screen, kScreenWidth, kScreenHeight);
  }
  if (clicked) {
    wait_mouse_release();
    click = kClickHeld;
  }
  platform_hold_clock(0);
  if (away) platform_hold_music(0);
  blit(frame, memory_screen, 0, 0, 0, 0, frame->w, frame->h);
  destroy_bitmap(frame);
  platform_new_frame();
}

namespace {

// A jump or a click of the pointer's keys among `points` (made only when
// asked); false for any other key.
template <typename Points>
bool pointer_key(KeyAsk ask, Points points) {
  switch (ask) {
    case KeyAsk::jump_back: jump_pointer(points(), -1); return true;
    case KeyAsk::jump_on: jump_pointer(points(), 1); return true;
    case KeyAsk::click: platform_press_buttons(1); return true;
    case KeyAsk::right_click: platform_press_buttons(2); return true;
    default: return false;
  }
}

}  // namespace

KeyAsk pointer_keys(const std::vector<screen_layout::Point>& points) {
  // One key a pass: a jump moves the pointer at the next poll, where the next jump starts from.
  if (!platform_keypressed()) return KeyAsk::none;
  const KeyAsk ask = key_ask(platform_readkey());
  pointer_key(ask, [&] { return points; });
  return ask;
}

void pause_if_away() {
  static bool paused = false;  // this time away has paused the game already
  if (!platform_window_away()) {
    paused = false;
    return;
  }
  const int when = settings::pause_when_away;
  if (paused || !(when == 1 || (when == 2 && platform_full_screen()))) return;
  paused = true;
  pause_game(true);
}

void play_keys() {
  pause_if_away();
  // The pad's X and Y (its other buttons act as the mouse and keys do).
  const unsigned pad = platform_pad_presses();
  if (pad & kPadX) {
    platform_hide_pointer();
    main_invent();
  } else if (pad & kPadY) {
    platform_hide_pointer();
    control_panel_in_play();
  }
  while (platform_keypressed()) {
    const KeyAsk ask = key_ask(platform_readkey());
    // One pointer key a pass: the next starts where this one leaves the pointer, at the next poll.
    if (pointer_key(ask, room_click_points)) return;
    switch (ask) {
      case KeyAsk::save:
        platform_hide_pointer();
        slot_screen_in_play(true);
        break;
      case KeyAsk::load:
        platform_hide_pointer();
        slot_screen_in_play(false);
        break;
      case KeyAsk::pause:
        pause_game();
        break;
      case KeyAsk::hint:
        hint_requested = 1;
        break;
      case KeyAsk::log:
        show_said_log();
        break;
      case KeyAsk::speech:
        speech_switch_asked = true;
        break;
      case KeyAsk::skip:
        // Nothing to skip here: Escape opens the control panel.
        platform_hide_pointer();
        control_panel_in_play();
        break;
      default:
        break;
    }
  }
}

bool speech_keys(bool any_key) {
  pause_if_away();
  bool skip = false;
  while (platform_keypressed()) {
    const KeyAsk ask = key_ask(platform_readkey());
    if (ask == KeyAsk::skip || (any_key && ask != KeyAsk::pause)) skip = true;
    if (ask == KeyAsk::pause) pause_game();
  }
  return skip;
}

void drop_keys() {
  while (platform_keypressed()) platform_readkey();
  platform_pad_presses();
}
