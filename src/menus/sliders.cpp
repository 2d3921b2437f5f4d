#include "menus/sliders.h"

#include "core/screen_layout.h"

namespace sliders {

static_assert(kTrackLeft == screen_layout::kMenuSliderX1 && kTrackLeft == screen_layout::kPanelSliderX1);
static_assert(kTrackRight == screen_layout::kMenuSliderX2 && kTrackRight == screen_layout::kPanelSliderX2);

int text_speed_to_x(int value) {
  return static_cast<int>(value * 1.5 + kTrackLeft);
}

int x_to_text_speed(int x) {
  return static_cast<int>((x - kTrackLeft) / 1.5);
}

int volume_to_x(int value) {
  return static_cast<int>(value / 2.55 * 1.5 + kTrackLeft);
}

int x_to_volume(int x) {
  return static_cast<int>((x - kTrackLeft) / 1.5 * 2.55);
}

int knob_x_for_pointer(int pointer_x) {
  const int x = pointer_x - screen_layout::kKnobWidth / 2;
  if (x < kTrackLeft) return kTrackLeft;
  if (x > kTrackRight) return kTrackRight;
  return x;
}

bool pointer_on_knob(int knob_x, int knob_y, int pointer_x, int pointer_y) {
  return knob_x < pointer_x && pointer_x < knob_x + screen_layout::kKnobWidth && knob_y < pointer_y &&
         pointer_y < knob_y + screen_layout::kKnobHeight;
}

bool pointer_on_track(int knob_y, int pointer_x, int pointer_y) {
  return pointer_x >= kTrackLeft && pointer_x < kTrackRight + screen_layout::kKnobWidth &&
         pointer_y >= knob_y - kTrackReach && pointer_y < knob_y + screen_layout::kKnobHeight + kTrackReach;
}

int value_to_x(Kind kind, int value) {
  return kind == Kind::kTextSpeed ? text_speed_to_x(value) : volume_to_x(value);
}

int x_to_value(Kind kind, int x) {
  return kind == Kind::kTextSpeed ? x_to_text_speed(x) : x_to_volume(x);
}

}  // namespace sliders
