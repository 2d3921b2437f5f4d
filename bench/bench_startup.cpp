// Start-up to the main menu, without the time the logo film takes to play:
// the headless backend plays the film against its virtual clock, so the wall
// time measured here is the work of the start-up itself (hardware, options,
// datafiles, the 43 room state files).
#include "bench_util.h"
#include "platform/headless.h"
#include "shell/game.h"

int main() {
  std::vector<double> runs;
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  for (int i = 0; i < 5; ++i) {
    reset_world();
    headless::reset();
    headless::on_present([] { menu_dat ? headless::stop() : void(); });
    runs.push_back(median_us(1, [&] {
      try {
        game_main(1, argv);
      } catch (const headless::Stopped&) {
      }
    }));
  }
  std::sort(runs.begin(), runs.end());
  std::printf("start-up to the main menu, film excluded: median %.1f ms (min %.1f, max %.1f) over 5 runs\n",
              runs[2] / 1000, runs[0] / 1000, runs[4] / 1000);
  return 0;
}
