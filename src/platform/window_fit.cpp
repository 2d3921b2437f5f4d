#include "platform/window_fit.h"

namespace window_fit {

namespace {

int largest_fitting(int room_w, int room_h) {
  int scale = 1;
  while (scale < kMaxScale && kGameWidth * (scale + 1) <= room_w && kGameHeight * (scale + 1) <= room_h) ++scale;
  return scale;
}

}  // namespace

int largest_window_scale(int desktop_w, int desktop_h) {
  return largest_fitting(desktop_w - kFrameRoomX, desktop_h - kFrameRoomY);
}

int largest_screen_scale(int screen_w, int screen_h) {
  return largest_fitting(screen_w, screen_h);
}

Placement centred(int screen_w, int screen_h, int scale) {
  Placement p;
  p.scale = scale < 1 ? 1 : scale;
  const int free_x = screen_w - kGameWidth * p.scale;
  const int free_y = screen_h - kGameHeight * p.scale;
  p.x = free_x > 0 ? free_x / 2 : 0;
  p.y = free_y > 0 ? free_y / 2 : 0;
  return p;
}

int to_game(int screen_pos, int offset, int scale, int size) {
  const int rel = screen_pos - offset;
  if (rel < 0) return 0;
  const int pos = rel / (scale < 1 ? 1 : scale);
  return pos >= size ? size - 1 : pos;
}

}  // namespace window_fit
