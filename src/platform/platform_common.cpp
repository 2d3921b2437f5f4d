// The parts of the seam that both backends share: the pointer drawn into the
// frame buffer, and the film player, both built on the backend's clock,
// mouse and present.
#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

BITMAP* pointer_sprite = nullptr;
int pointer_focus_x = 0;
int pointer_focus_y = 0;
// What the pointer covered when it was drawn, to put back on hide.
BITMAP* under = nullptr;
BITMAP* under_target = nullptr;
int under_x = 0;
int under_y = 0;

void forget_under() {
  under_target = nullptr;
}

int next_frame_ms = 0;

}  // namespace

void platform_next_frame_at(int ms) {
  next_frame_ms = ms;
}

int platform_next_frame_due() {
  return next_frame_ms;
}

bool is_screen_switch_key(int key, bool alt) {
  const int scancode = (key >> 8) & 0xff;
  return scancode == KEY_F11 || (alt && (scancode == KEY_ENTER || scancode == KEY_ENTER_PAD));
}

void platform_set_pointer(BITMAP* sprite, int focus_x, int focus_y) {
  pointer_sprite = sprite;
  pointer_focus_x = focus_x;
  pointer_focus_y = focus_y;
}

void platform_show_pointer(BITMAP* buffer) {
  platform_hide_pointer();
  if (!pointer_sprite || !buffer) return;
  const int w = pointer_sprite->w;
  const int h = pointer_sprite->h;
  if (!under || under->w < w || under->h < h || bitmap_color_depth(under) != bitmap_color_depth(buffer)) {
    if (under) destroy_bitmap(under);
    under = create_bitmap_ex(bitmap_color_depth(buffer), w < 64 ? 64 : w, h < 64 ? 64 : h);
  }
  under_x = mouse_x - pointer_focus_x;
  under_y = mouse_y - pointer_focus_y;
  under_target = buffer;
  blit(buffer, under, under_x, under_y, 0, 0, w, h);
  draw_sprite(buffer, pointer_sprite, under_x, under_y);
}

void platform_hide_pointer() {
  if (!under_target || !pointer_sprite) {
    forget_under();
    return;
  }
  blit(under, under_target, 0, 0, under_x, under_y, pointer_sprite->w, pointer_sprite->h);
  forget_under();
}

namespace {

// The frame delay of a film in milliseconds, from its header: FLC files keep
// it in milliseconds, FLI files in 1/70 s.
int film_frame_ms(const char* path) {
  unsigned char header[24];
  FILE* f = std::fopen(path, "rb");
  if (!f) return 70;
  const size_t got = std::fread(header, 1, sizeof header, f);
  std::fclose(f);
  if (got < sizeof header) return 70;
  const int magic = header[4] | (header[5] << 8);
  const int speed = header[16] | (header[17] << 8) | (header[18] << 16) | (header[19] << 24);
  int ms = (magic == 0xAF11) ? speed * 1000 / 70 : speed;
  if (ms < 10) ms = 10;
  if (ms > 1000) ms = 1000;
  return ms;
}

}  // namespace

int platform_play_film(const char* path, BITMAP* buffer) {
  const int frame_ms = film_frame_ms(path);
  close_fli();  // a film left open by an interrupted run would refuse the next one
  if (open_fli(path) != FLI_OK) return -1;
  int next_at = platform_clock_ms();
  for (;;) {
    const int status = next_fli_frame(0);
    if (status != FLI_OK) break;
    select_palette(fli_palette);
    const int fx = (buffer->w - fli_bitmap->w) / 2;
    const int fy = (buffer->h - fli_bitmap->h) / 2;
    if (fx > 0 || fy > 0) clear_bitmap(buffer);
    blit(fli_bitmap, buffer, 0, 0, fx, fy, fli_bitmap->w, fli_bitmap->h);
    unselect_palette();
    platform_new_frame();
    next_at += frame_ms;
    platform_next_frame_at(next_at);
    do {
      platform_poll_mouse();
      platform_present(buffer, buffer->w, buffer->h);
    } while (platform_clock_ms() < next_at);
  }
  close_fli();
  return 0;
}
