#include "core/pacing.h"

#include "core/close_request.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "platform/platform.h"

int frame_due() {
  delay = platform_clock_ms();
  if (delay >= current_time + kFrameMs) {
    current_time = delay;
    platform_new_frame();
    return 1;
  }
  return 0;
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
