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
  p.w = kGameWidth * p.scale;
  p.h = kGameHeight * p.scale;
  const int free_x = screen_w - p.w;
  const int free_y = screen_h - p.h;
  p.x = free_x > 0 ? free_x / 2 : 0;
  p.y = free_y > 0 ? free_y / 2 : 0;
  return p;
}

Placement filled(int screen_w, int screen_h) {
  // The height a multiple of 3, so that the width is exactly 4:3 of it.
  int h = screen_h < screen_w * 3 / 4 ? screen_h : screen_w * 3 / 4;
  h -= h % 3;
  if (h < kGameHeight) return centred(screen_w, screen_h, 1);
  Placement p = centred(screen_w, screen_h, 1);
  p.h = h;
  p.w = h / 3 * 4;
  p.scale = largest_fitting(p.w, p.h);
  p.x = screen_w > p.w ? (screen_w - p.w) / 2 : 0;
  p.y = screen_h > p.h ? (screen_h - p.h) / 2 : 0;
  return p;
}

Placement filled_window(int desktop_w, int desktop_h) {
  Placement p = filled(desktop_w - kFrameRoomX, desktop_h - kFrameRoomY);
  p.x = p.y = 0;
  return p;
}

int to_game(int screen_pos, int offset, int shown, int size) {
  const long rel = screen_pos - offset;
  if (rel < 0 || shown < 1) return 0;
  const long pos = (2 * rel + 1) * size / (2L * shown);
  return pos >= size ? size - 1 : static_cast<int>(pos);
}

int to_screen(int game_pos, int offset, int shown, int size) {
  if (size < 1) return offset;
  return offset + static_cast<int>((2L * game_pos + 1) * shown / (2L * size));
}

}  // namespace window_fit
