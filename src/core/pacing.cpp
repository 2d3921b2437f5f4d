#include "core/pacing.h"

#include <cstdio>

#include "core/close_request.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "platform/platform.h"

int frame_due() {
  delay = platform_clock_ms();
  const int due = delay >= current_time + kFrameMs ? 1 : 0;
  if (due) {
    current_time = delay;
    platform_new_frame();
  }
  platform_next_frame_at(current_time + kFrameMs);
  return due;
}

void wait_mouse_release() {
  int free_polls = 0;
  while (free_polls < 10 && !close_pending()) {
    platform_poll_mouse();
    if (!(mouse_b & 3)) ++free_polls;
  }
}

void show_frame() {
  const int w = room_graph ? room_graph->w : screen_layout::kScreenWidth;
  const int h = room_graph ? room_graph->h : screen_layout::kScreenHeight;
  platform_present(memory_screen, w, h);
}

namespace {

// Where the mouse was at the last count.
int last_mouse[3] = {-1, -1, -1};

}  // namespace

void count_time_played() {
  // The clock as the last pass read it: one more reading would move the
  // virtual clock of the tests on.
  const int now = delay;
  const int mouse[3] = {mouse_x, mouse_y, mouse_b};
  if (mouse[0] != last_mouse[0] || mouse[1] != last_mouse[1] || mouse[2] != last_mouse[2]) {
    for (int k = 0; k < 3; ++k) last_mouse[k] = mouse[k];
    mouse_moved_at = now;
  }
  if (played_counted_at < 0) {
    played_counted_at = now;
    return;
  }
  if (now <= played_counted_at) return;  // a menu closed after the last reading
  // Only up to kIdleMs after the mouse last moved.
  const int until = now < mouse_moved_at + kIdleMs ? now : mouse_moved_at + kIdleMs;
  if (until > played_counted_at) played_ms += until - played_counted_at;
  played_counted_at = now;
}

void not_played_since_here() {
  played_counted_at = platform_clock_ms();
}

std::string played_text(int ms) {
  const int minutes = ms / 60000;
  char text[48];
  std::snprintf(text, sizeof text, TR("%d Std. %02d Min.", "%d h %02d min"), minutes / 60, minutes % 60);
  return text;
}
