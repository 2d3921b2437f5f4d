// The cost of presenting one frame enlarged: the 640 x 480 picture stretched
// nearest-neighbour at 2x and 3x in memory, and, when a display is there, the
// real backend's whole present of a changed frame into a real window at 1x,
// 2x and 3x (stretch, colour conversion, copy to the X server), against the
// 55 ms frame. Run under Xvfb with a screen large enough for the 3x window,
// e.g. xvfb-run -s "-screen 0 3840x2160x24" bench/bench_present.
#include <cstdlib>

#include "bench_util.h"
#include "platform/platform.h"

namespace {

void paint(BITMAP* b, int seed) {
  for (int y = 0; y < b->h; y += 8)
    for (int x = 0; x < b->w; x += 8)
      rectfill(b, x, y, x + 7, y + 7, makecol((x * 3 + seed) & 255, (y * 5) & 255, (x + y + seed * 7) & 255));
}

}  // namespace

int main() {
  const bool display = std::getenv("DISPLAY") != nullptr;
  if (!start_allegro(display)) return 1;
  BITMAP* frame = create_bitmap_ex(16, 640, 480);
  paint(frame, 0);
  for (int s = 2; s <= 3; ++s) {
    BITMAP* big = create_bitmap_ex(16, 640 * s, 480 * s);
    const double us = median_us(200, [&] { stretch_blit(frame, big, 0, 0, 640, 480, 0, 0, 640 * s, 480 * s); });
    std::printf("stretch to %dx in memory (%d x %d):  median %8.1f us\n", s, 640 * s, 480 * s, us);
    destroy_bitmap(big);
  }
  if (!display) return std::printf("no DISPLAY: the present into a real window is not measured\n"), 0;
  platform_set_scale(1);
  if (platform_set_gfx_mode(0) != 0) return std::printf("no window: %s\n", allegro_error), 1;
  for (int s = 1; s <= 3; ++s) {
    if (platform_set_scale(s) != 0 || platform_scale() != s) {
      std::printf("scale %d: the window could not be opened\n", s);
      continue;
    }
    BITMAP* buffer = create_bitmap(640, 480);
    int seed = 0, px = 0;
    auto present = [&] {
      platform_new_frame();
      platform_present(buffer, 640, 480);
    };
    // Every present a new picture, as when the room animates; the same picture
    // again (only the comparison and the 1 ms yield); a 40 x 40 pointer moved.
    const double changed = median_us(100, [&] { paint(buffer, ++seed), present(); });
    const double paint_only = median_us(100, [&] { paint(buffer, ++seed); });
    const double same = median_us(100, present);
    const double pointer = median_us(100, [&] {
      px = (px + 7) % 600;
      rectfill(buffer, px, 200, px + 39, 239, makecol(px & 255, 40, 200));
      present();
    });
    std::printf("present at %dx (%4d x %4d window), beyond the 1 ms yield (unchanged frame %.0f us):\n"
                "    whole picture changed %7.1f us, a pointer moved %7.1f us; the frame is 55000 us\n",
                s, 640 * s, 480 * s, same, changed - paint_only - same, pointer - same);
    destroy_bitmap(buffer);
  }
  return 0;
}
