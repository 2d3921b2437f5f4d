// Saving and loading a mid-story game against the same bytes read and written raw (one call per file, the
// slot synced as the game's save does), where the time goes, and the slot file's size.
#include <fcntl.h>
#include <unistd.h>
#include "bench_util.h"
#include "core/errand.h"
#include "dialogue/talk_data.h"
#include "headless_driver/driver.h"
#include "interaction/inventory.h"
#include "persistence/options.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
#include "rooms/registry.h"

static void spill(const std::string& path, const std::string& bytes, bool sync) {
  const std::string temp = path + ".raw";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::perror(path.c_str());
  if (sync) fsync(fd);
  close(fd); rename(temp.c_str(), path.c_str());
}

// Median of seven runs, in ms.
template <typename F> static double ms(F&& body) { return median_us(7, body) / 1000; }

int main() {
  if (driver::stand_in_main_loop(3) != -2) return std::printf("the game did not reach its main loop\n"), 1;
  // Some way into the story: three rooms visited, items in the bag, flags set, pieces taken.
  for (int exit : {3, 0, 3}) set_errand(ErrandKind::leave, exit), enter_new_room();
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  add_to_inventory(objects_bmp[13], "glasses", "Brille", "", "");
  story_schrankoffen = story_alarm = story_gotaccesscard = 1, furni_present[0] = 0;
  talk_tree[0].node[1][0][0][0][0].s_present = 0, save_game(0);
  const std::string slot = slurp("sav/game00.sav"), state = slurp(kGameStateFile);
  std::vector<std::string> rooms;
  for (int r = 0; r < kRoomCount; ++r) rooms.push_back(slurp(kRooms[r]->state_file));
  std::printf("mid-story game: slot file %zu bytes (%.1f KB), game state %zu bytes (%.1f MB), packed to %.3f%%\n",
              slot.size(), slot.size() / 1024.0, state.size(), state.size() / 1048576.0,
              100.0 * static_cast<double>(slot.size()) / static_cast<double>(state.size()));

  const double save = ms([] { save_game(0); });
  const double raw_save = ms([&] {
    for (int r = 0; r < kRoomCount; ++r) slurp(kRooms[r]->state_file);
    spill(kGameStateFile, state, false); spill("sav/game00.sav", slot, true);
  });
  const double load = ms([] { load_game(0); });
  const double raw_load = ms([&] {
    slurp("sav/game00.sav");
    for (int r = 0; r < kRoomCount; ++r) spill(kRooms[r]->state_file, rooms[static_cast<size_t>(r)], false);
    spill(kGameStateFile, state, false);
  });
  for (const auto& [what, game, raw] : {std::tuple{"save", save, raw_save}, {"load", load, raw_load}})
    std::printf("%s: %.1f ms, the same bytes raw %.1f ms: %.2fx (target at most 2x)\n", what, game, raw, game / raw);

  // Where the time goes.
  std::string text, why, packed, again; bool sound = true;
  const double room_file = ms([] { set_temp_file(), save_temp(); });
  const double gather = ms([&] { write_game_state(text, why); });
  const double pack = ms([&] { packed = pack_game_state(text); });
  const double unpack = ms([&] { sound = unpack_game_state(packed, again, why) && sound; });
  const double check = ms([&] { sound = game_state_sound(again, why) && sound; });
  if (!sound || again != text) std::printf("the packed game did not come back: %s\n", why.c_str());
  const double apply = ms([&] { read_game_state(again, why); });
  const double pictures = ms([] { invent_bitmaps(); });
  const double options = ms([] { save_options(); });
  const double synced = ms([&] { spill("sav/game00.sav", slot, true); });
  const double rebuild = ms([] {
    set_temp_file(), load_temp(), load_new_room();
    load_new_talking(), set_temp_file(), load_temp();
  });
  std::printf("parts: gathering the state %.1f ms, packing %.1f ms, unpacking %.1f ms, checking %.1f ms,\n"
              "  checking and taking over the state %.1f ms, of it rebuilding the room %.1f ms and the "
              "inventory's pictures %.1f ms\n",
              gather, pack, unpack, check, apply, rebuild, pictures);
  std::printf("  the current room's state file %.1f ms,  writing the options (synced) %.1f ms, the slot alone synced "
              "%.1f ms\n", room_file, options, synced);
  return 0;
}
