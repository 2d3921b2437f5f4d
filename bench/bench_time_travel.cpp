// The time machine's flash, every pixel darkened or brightened once per frame (target under 2 ms of the 55 ms
// frame); also the white, fading and charging (beams only) frames.
#include "bench_util.h"
#include "cutscenes/player.h"

int main() {
  if (!start_allegro(false)) return 1;
  memory_screen = create_bitmap_ex(16, 640, 480);
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) _putpixel16(memory_screen, x, y, (x * 97 + y * 31) & 0xFFFF);
  auto stage = [](int s, int f) { video_timetravel = s, video_loop = f, time_travel(); };
  int s = 3;
  const double flash = median_us(400, [&] { stage(s, 1), s = s >= 99 ? 3 : s + 1; });
  std::printf("time travel, one flash frame at 640x480:  median %8.1f us  (%.1f%% of the 55 ms frame; target under 2 ms)\n",
              flash, flash / 550.0);
  const struct { const char* what; int s, f; } others[] = {
      {"white frame:", 100, 1}, {"fade frame:", 200, 1}, {"charging frame (beams):", 2, 10}};
  for (const auto& o : others)  // the fade starts from white each time
    std::printf("time travel, one %-24s median %8.1f us\n", o.what,
                median_us(200, [&] { hue = o.s == 200 ? 65535 : hue, stage(o.s, o.f); }));
  return flash < 2000.0 ? 0 : 1;
}
