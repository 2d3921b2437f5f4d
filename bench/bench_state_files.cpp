// Room state files: the 43 built at start-up, the game's writer against fprintf("%d ") and one fwrite per
// file; and one room change (save, load, rebuild).
#include <sys/stat.h>

#include "bench_util.h"
#include "core/errand.h"
#include "persistence/room_state.h"
#include "platform/headless.h"
#include "rooms/registry.h"

int main() {
  headless::reset(), mkdir("sav", 0755), mkdir("sav/tmp", 0755);
  memory_screen = create_bitmap(640, 480), pv_logo = create_bitmap(640, 480);
  for (BITMAP*& bar : red_bar) bar = create_bitmap(210, 24);
  std::printf("building and writing the 43 initial state files (rooms loaded): median %.1f ms\n",
              median_us(5, [] { select_init_temp(); }) / 1000);

  // Every room's file written by `write`.
  auto all = [](auto write) {
    return median_us(5, [&] { for (int r = 0; r < kRoomCount; ++r) write(kRooms[r]->state_file); });
  };
  const double game_writer = all([](const char* path) { temp_file = path, save_temp(); });
  const double fprintf_writer = all([](const char* path) {
    FILE* f = std::fopen(path, "w");
    visit_room_state([&](int v) { std::fprintf(f, "%d ", v); }); std::fclose(f);
  });
  const std::string bytes = slurp(kRooms[0]->state_file);
  const double floor = all([&](const char* path) {
    FILE* f = std::fopen(path, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f); std::fclose(f);
  });
  std::printf("writing 43 state files: game's writer %.1f ms, fprintf(\"%%d \") %.1f ms, one fwrite each %.1f ms\n",
              game_writer / 1000, fprintf_writer / 1000, floor / 1000);
  std::printf("game's writer / floor: %.2fx (target at most 2x)\n", game_writer / floor);

  // One room change: future_floor1 to future_floor15 (door 5) and back (door 0).
  room_name = "future_floor1", load_new_room();
  const double change = median_us(21, [] {
    set_errand(ErrandKind::leave, 5), enter_new_room(), set_errand(ErrandKind::leave, 0), enter_new_room();
  });
  std::printf("one room change (save, load, rebuild): median %.2f ms (target under 20 ms)\n", change / 2000);
  return 0;
}
