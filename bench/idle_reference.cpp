// The library's own floor for bench/idle_cpu.sh: an empty 640 x 480 Allegro
// window (16-bit, as the game's) whose loop waits the way an idle Allegro game
// does and draws nothing. idle_cpu.sh measures it the same way as the game, so
// every figure of the game has the cost of the library itself beside it.
//   idle_reference rest   each pass polls the mouse and the keyboard, then rest(1),
//                         as the game's loops yield between passes
//   idle_reference timer  each pass waits for a 60 Hz timer tick (rest(1) until
//                         it comes), then polls, with no vertical sync
// Its window is called "Pelvaro idle reference"; it runs until Escape, the
// close button or a signal ends it.
#include <allegro.h>

#include <cstdio>
#include <cstring>

namespace {

volatile int ticks = 0;
void tick() { ticks = ticks + 1; }
END_OF_FUNCTION(tick)

volatile int closing = 0;
void on_close() { closing = 1; }

}  // namespace

int main(int argc, char** argv) {
  const bool timer = argc > 1 && std::strcmp(argv[1], "timer") == 0;
  if (allegro_init() != 0) return std::fprintf(stderr, "idle_reference: no display\n"), 3;
  install_timer();
  install_keyboard();
  install_mouse();
  set_color_depth(16);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0)
    return std::fprintf(stderr, "idle_reference: no window: %s\n", allegro_error), 3;
  set_window_title("Pelvaro idle reference");
  set_close_button_callback(on_close);
  clear_bitmap(screen);
  if (timer) {
    LOCK_VARIABLE(ticks);
    LOCK_FUNCTION(tick);
    install_int_ex(tick, BPS_TO_TIMER(60));
  }
  int seen = 0;
  while (!closing) {
    if (timer) {
      while (ticks == seen) rest(1);
      seen = ticks;
    }
    poll_mouse();
    if (keyboard_needs_poll()) poll_keyboard();
    if (key[KEY_ESC]) break;
    if (!timer) rest(1);
  }
  return 0;
}
END_OF_MAIN()
