// Room state files: the 43 built at start-up, the game's writer against fprintf("%d ") and one fwrite per
// file; and one room change (save, load, rebuild), alone and with the autosave that follows it.
#include <sys/stat.h>

#include "bench_util.h"
#include "core/errand.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
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

  // With the autosave: what the main loop waits for is the room change and the copy of the game; the copy is
  // written beside it (timed apart, from the copy to the file in place).
  game = 10, invent_nr = 0;
  for (text& item : inventory_obj) item = kEmptySlot;
  std::vector<double> in_loop, beside;
  for (int i = 0; i < 21; ++i) {
    const auto a = std::chrono::steady_clock::now();
    set_errand(ErrandKind::leave, i % 2 ? 0 : 5), enter_new_room(), start_autosave();
    const auto b = std::chrono::steady_clock::now();
    finish_autosave();
    const auto c = std::chrono::steady_clock::now();
    in_loop.push_back(std::chrono::duration<double, std::milli>(b - a).count());
    beside.push_back(std::chrono::duration<double, std::milli>(c - b).count());
  }
  std::sort(in_loop.begin(), in_loop.end()), std::sort(beside.begin(), beside.end());
  std::printf("one room change with the autosave: median %.2f ms in the main loop (target at most 20 ms), "
              "the autosave written beside it in %.1f ms\n", in_loop[10], beside[10]);
  return 0;
}
