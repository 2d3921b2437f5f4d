// The pad acting as the mouse and a few keys (see gamepad.h).
#include <algorithm>
#include <cstdlib>

#include "platform/gamepad.h"
#include "platform/platform.h"

namespace {

// A stick within this of the middle is at rest.
constexpr int kDeadZone = 24;
// Pixels a millisecond at full tilt: 0.15 at first, 0.45 more for every
// second held, at most 0.8 (from 150 to 800 pixels a second).
constexpr double kStartSpeed = 0.15, kSpeedGain = 0.00045, kTopSpeed = 0.8;
// A pass longer than this (a pause, a slow frame) moves no further.
constexpr int kLongestStepMs = 50;

unsigned held = 0;      // the buttons down at the last poll
unsigned pressed = 0;   // pressed since the last platform_pad_presses
int last_ms = -1;
int tilted_since = -1;  // when the stick left the rest, -1 at rest
double x = -1, y = -1;  // the pointer with its fraction, -1 before the first move

double tilt(int axis) {
  if (std::abs(axis) <= kDeadZone) return 0;
  const double beyond = std::abs(axis) - kDeadZone;
  return (axis < 0 ? -beyond : beyond) / (128 - kDeadZone);
}

void move_pointer(const PadState& pad, int now_ms) {
  const double tx = tilt(pad.x), ty = tilt(pad.y);
  const int step = last_ms < 0 ? 0 : std::clamp(now_ms - last_ms, 0, kLongestStepMs);
  if (tx == 0 && ty == 0) {
    tilted_since = -1;
    return;
  }
  if (tilted_since < 0) tilted_since = now_ms;
  const double speed = std::min(kTopSpeed, kStartSpeed + kSpeedGain * (now_ms - tilted_since));
  // From where the game's pointer stands, keeping the fraction while it stays there.
  if (static_cast<int>(x) != mouse_x || static_cast<int>(y) != mouse_y) x = mouse_x + 0.5, y = mouse_y + 0.5;
  x = std::clamp(x + tx * speed * step, 0.0, window_fit::kGameWidth - 0.01);
  y = std::clamp(y + ty * speed * step, 0.0, window_fit::kGameHeight - 0.01);
  if (static_cast<int>(x) != mouse_x || static_cast<int>(y) != mouse_y)
    platform_set_mouse(static_cast<int>(x), static_cast<int>(y));
}

}  // namespace

void pad_acts(const PadState& pad, int now_ms) {
  move_pointer(pad, now_ms);
  last_ms = now_ms;
  const unsigned fresh = pad.buttons & ~held;
  held = pad.buttons;
  pressed |= fresh;
  if (fresh & kPadA) platform_press_buttons(1);
  if (fresh & kPadB) platform_press_buttons(2), platform_type_key(KEY_ESC << 8 | 27);
  if (fresh & kPadLeftShoulder) platform_type_key(KEY_PGUP << 8);
  if (fresh & kPadRightShoulder) platform_type_key(KEY_PGDN << 8);
  if (fresh & kPadStart) platform_type_key(KEY_P << 8 | 'p');
}

void pad_forget() {
  held = pressed = 0;
  last_ms = tilted_since = -1;
  x = y = -1;
}

unsigned platform_pad_presses() {
  const unsigned p = pressed;
  pressed = 0;
  return p;
}

bool pad_select_held() {
  return (held & kPadSelect) != 0;
}
