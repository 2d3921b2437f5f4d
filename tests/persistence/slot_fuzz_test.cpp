// The loader against many damaged slot files made from a game saved in the
// middle of the story: cut at many lengths, bytes changed, run counts huge,
// negative or missing, names with "#", "$" or the run marker, a room that is
// not a room, more than 100 items. Every file is refused with its reason and
// leaves the game and its files as they were, or is a sound game and loads.
// Run under AddressSanitizer (make asan), no read may leave a buffer.
//
// The normal run tries about 600 files; PELVARO_FUZZ_CASES=N tries N
// random ones and then the file cut at every length (the asan build's
// slot_fuzz_big does).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdlib>
#include <string>
#include <vector>

#include "interaction/inventory.h"
#include "persistence/saved_games.h"
#include "rooms/rooms.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

struct Rng {
  uint64_t state;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<uint32_t>(state >> 11);
  }
  size_t below(size_t n) { return n == 0 ? 0 : next() % n; }
};

// What a failed load must leave alone.
struct Game {
  std::string room, names, pieces;
  int x, y, items, alarm;
  static Game now() {
    Game g{room_name, "", "", hero_x, hero_y, invent_nr, story_alarm};
    for (int k = 0; k < kInventorySlots; ++k) g.names += std::string(inventory_obj[k]) + ",";
    for (int k = 0; k < kMaxFurni; ++k) g.pieces += std::to_string(furni_present[k]) + std::to_string(furni_anim[k]);
    return g;
  }
  bool operator==(const Game&) const = default;
};

const char kSpecial[] = {'#', '$', '\xA7', '-', '+', '0', '1', '9', ' ', '\n', '\0', '\xFF', 'z', '.'};

// One damaged copy of `good`, of the kind `kind`.
std::string mutate(const std::string& good, int kind, Rng& rng) {
  std::string s = good;
  const size_t head = s.find("z1 z");  // the names end somewhere after here
  switch (kind) {
    case 0:  // cut short
      return s.substr(0, rng.below(s.size()));
    case 1:  // any byte, any value
      s[rng.below(s.size())] = static_cast<char>(rng.next() & 0xff);
      return s;
    case 2:  // a byte that means something to the packing or the reader
      s[rng.below(s.size())] = kSpecial[rng.below(sizeof kSpecial)];
      return s;
    case 3: {  // a run count made huge, negative, empty or not a number
      static const char* const kCounts[] = {"0", "-1", "-32000", "32001", "2147483647", "2147483648",
                                            "99999999999999999999", "", "x", "1e5", "-0"};
      std::vector<size_t> marks;
      for (size_t i = 0; i < s.size() && s[i] != '#'; ++i)
        if (s[i] == '$' || s[i] == '\xA7') marks.push_back(i);
      if (marks.empty()) return s.substr(1);
      const size_t at = marks[rng.below(marks.size())] + 2;
      const size_t end = s.find(' ', at);
      s.replace(at, end - at, kCounts[rng.below(std::size(kCounts))]);
      return s;
    }
    case 4: {  // "#", "$" or the marker inside a name
      const size_t at = 14 + rng.below(head == std::string::npos ? 40 : head - 10);
      s.insert(at, 1, "#$\xA7"[rng.below(3)]);
      return s;
    }
    case 5: {  // the number of items
      static const char* const kItems[] = {"101", "-1", "1000000", "100", "3"};
      const size_t first = s.find(' ');
      const size_t second = s.find(' ', first + 1);
      const size_t third = s.find(' ', second + 1);
      s.replace(second + 1, third - second - 1, kItems[rng.below(std::size(kItems))]);
      return s;
    }
    case 6: {  // a room that is not a room, or a name longer than 19
      static const char* const kRoomNames[] = {"15 future_physikxx", "4 hall", "20 future_physiktpxxx",
                                               "15 ../../etc/pas", "0 ", "-15 future_physiktp"};
      const size_t at = s.find("15 future_physiktp");
      if (at == std::string::npos) return s.substr(2);
      s.replace(at, 18, kRoomNames[rng.below(std::size(kRoomNames))]);
      return s;
    }
    default: {  // a span taken out or doubled
      const size_t at = rng.below(s.size());
      const size_t len = 1 + rng.below(std::min<size_t>(64, s.size() - at));
      if (rng.next() & 1)
        s.erase(at, len);
      else
        s.insert(at, s.substr(at, len));
      return s;
    }
  }
}

constexpr int kKinds = 8;

}  // namespace

TEST(SlotFuzz, DamagedSlotsAreRefusedAndChangeNothing) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  change_room = 3;  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  story_alarm = 1;
  furni_present[0] = 0;
  counter7 = 0;
  ASSERT_EQ(save_game(), 0);
  const std::string good = read_file("sav/game00.sav");
  ASSERT_NE(good.find("15 future_physiktp"), std::string::npos);
  story_alarm = 0;  // played on, so a load would show

  const char* wanted = std::getenv("PELVARO_FUZZ_CASES");
  const int random_cases = wanted ? std::atoi(wanted) : 160;
  const bool every_length = wanted != nullptr;
  Rng rng{0x5eed5a7e2027ull};
  write_file("sav/game01.sav", "");  // the slot the damaged files go to
  Game before = Game::now();
  auto files = folder_snapshot({"bugs.txt", "sav/game01.sav", "sav/tmp/temp.sav"});
  int refused = 0, loaded = 0;
  auto one_case = [&](const std::string& slot, const std::string& what) {
    write_file("sav/game01.sav", slot);
    counter7 = 1;
    if (load_game() == 0) {
      // The damage left a sound game (a digit of a count changed within
      // its range, a blank doubled): it loads whole.
      ++loaded;
      std::string why;
      EXPECT_TRUE(slot_file_sound("sav/game01.sav", why)) << what;
      before = Game::now();
      files = folder_snapshot({"bugs.txt", "sav/game01.sav", "sav/tmp/temp.sav"});
      return;
    }
    ++refused;
    EXPECT_TRUE(Game::now() == before) << what;
    EXPECT_TRUE(files == folder_snapshot({"bugs.txt", "sav/game01.sav", "sav/tmp/temp.sav"})) << what;
  };
  for (int i = 0; i < random_cases; ++i) {
    const int kind = i % kKinds;
    one_case(mutate(good, kind, rng), "case " + std::to_string(i) + " of kind " + std::to_string(kind));
    if (HasFailure()) break;
  }
  // Cut at every length (the long run), or at every length around the
  // names, the end mark and the end (the normal run).
  const size_t mark = good.find('#');
  for (size_t cut = 0; cut < good.size() && !HasFailure(); ++cut) {
    const bool near_edge = cut < 300 || (cut + 40 > mark && cut < mark + 40) || cut + 40 > good.size();
    if (every_length || near_edge) one_case(good.substr(0, cut), "cut at " + std::to_string(cut));
  }
  std::printf("slot files tried: %d (%d refused, %d sound and loaded)\n", refused + loaded, refused, loaded);
  EXPECT_GT(refused, 200);
  // The slot itself was never spoiled: it still loads.
  counter7 = 0;
  EXPECT_EQ(load_game(), 0);
  EXPECT_EQ(story_alarm, 1);
}
