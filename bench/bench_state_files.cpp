// Room state files: the 43 built at start-up, the game's writer against fprintf("%d ") and one fwrite per
// file; and one room change (save, load, rebuild), alone and with the autosave that follows it.
#include <sys/stat.h>

#include "bench_util.h"
#include "core/errand.h"
#include "frame/draw_room.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
#include "persistence/slot_info.h"
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
  stand_in_room("future_floor1");  // with the pictures the room's frame needs
  const double change = median_us(21, [] {
    set_errand(ErrandKind::leave, 5), enter_new_room(), set_errand(ErrandKind::leave, 0), enter_new_room();
  });
  std::printf("one room change (save, load, rebuild): median %.2f ms (target under 20 ms)\n", change / 2000);

  // With the autosave: what the main loop waits for is the room change, the copy of the game and the room's
  // thumbnail (written in the loop, from the frame of the new room, which the loop draws first and is not
  // counted here); the copy is written beside it (timed apart, from the copy to the file in place).
  game = 10, invent_nr = 0;
  for (text& item : inventory_obj) item = kEmptySlot;
  using Clock = std::chrono::steady_clock;
  auto ms_between = [](Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
  };
  std::vector<double> in_loop, beside, thumbnail;
  for (int i = 0; i < 21; ++i) {
    const auto a = Clock::now();
    set_errand(ErrandKind::leave, i % 2 ? 0 : 5), enter_new_room();
    const auto b = Clock::now();
    draw_room();
    const auto c = Clock::now();
    start_autosave();
    const auto d = Clock::now();
    finish_autosave();
    const auto e = Clock::now();
    in_loop.push_back(ms_between(a, b) + ms_between(c, d));
    beside.push_back(ms_between(d, e));
    std::string why;
    const auto f = Clock::now();
    write_thumbnail("sav/bench.sav", last_room_picture(), why);
    thumbnail.push_back(ms_between(f, Clock::now()));
  }
  for (auto* v : {&in_loop, &beside, &thumbnail}) std::sort(v->begin(), v->end());
  std::printf("one room change with the autosave: median %.2f ms in the main loop, its thumbnail included "
              "(target at most 20 ms), the autosave written beside it in %.1f ms\n", in_loop[10], beside[10]);
  std::printf("the thumbnail alone (160 x 120 BMP from the room's frame): median %.2f ms\n", thumbnail[10]);
  return 0;
}
