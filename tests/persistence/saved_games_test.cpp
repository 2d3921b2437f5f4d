// Saved games in a running game: saving and loading in the middle of the
// story, in the same run and after a restart; slots of the older format;
// damaged, cut short, missing and half-written slots; typing a slot's name.
// Run under AddressSanitizer (make asan), no read of a damaged slot may leave
// a buffer; there PELVARO_FUZZ_CASES=N tries N random slots and every cut.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "interaction/inventory.h"
#include "persistence/saved_games.h"
#include "rooms/rooms.h"
#include "shell/world.h"
#include "old_slot.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

// What a player would notice of a game, to compare two moments of it.
struct Moment {
  std::string room, names, lines, pieces, room_file;
  int x, y, items, schrank, alarm, bleitank;

  static Moment now() {
    Moment m{room_name, "", "", "", read_file("sav/tmp/fphystp.sav"), hero_x, hero_y, invent_nr,
             story_schrankoffen, story_alarm, story_bleitank};
    for (int k = 0; k < kInventorySlots; ++k) {
      m.names += std::string(inventory_obj[k]) + ",";
      for (const char* l : inv_obj_describe[k]) m.lines += std::string(l ? l : "?") + "|";
    }
    for (int k = 0; k < kMaxFurni; ++k)
      m.pieces += std::to_string(furni_present[k]) + "/" + std::to_string(furni_anim[k]) + "/" +
                  std::to_string(old_furni_anim[k]) + " ";
    for (int k = 0; k < kMaxPersons; ++k) m.pieces += std::to_string(person_present[k]) + " ";
    m.pieces += std::to_string(talk_tree[0].node[1][0][0][0][0].s_present);
    return m;
  }
  bool operator==(const Moment&) const = default;
};

// A game in the middle of the story: future_floor1 left with the picture
// hung instead of the aquarium,
// another room, items in the bag, flags set, a piece gone from the room and a
// line of a conversation used.
void play_some_story() {
  furni_present[0] = 1;
  furni_present[1] = 0;
  change_room = 3;  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  add_to_inventory(objects_bmp[13], "glasses", "Brille", "", "");
  story_schrankoffen = story_alarm = 1;
  invent_bitmaps();  // the items' own descriptions, as the story gives them
  furni_present[0] = 0;
  talk_tree[0].node[1][0][0][0][0].s_present = 0;
  hero_x = 400;
  hero_y = 380;
}


int load_slot(int slot) {
  counter7 = slot;
  return load_game();
}

int save_slot(int slot) {
  counter7 = slot;
  return save_game();
}

}  // namespace

TEST(SavedGames, ASavedGameComesBackInTheSameRunAndAfterARestart) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_some_story();
  const Moment before = Moment::now();
  ASSERT_EQ(save_slot(9), 0);
  // The save leaves the game as it was, the room rebuilt from its file.
  const Moment saved = Moment::now();
  EXPECT_EQ(saved.room, before.room);
  EXPECT_EQ(saved.x, before.x);
  EXPECT_EQ(saved.names, before.names);
  EXPECT_EQ(saved.lines, before.lines);
  EXPECT_EQ(saved.schrank, 1);
  EXPECT_EQ(furni_present[0], 0);
  const std::string floor1_file = read_file("sav/tmp/ffloor1.sav");
  // The story flags travel after the end mark, one line each, in the slot as
  // in the game state file.
  const std::string temp = read_file("sav/tmp/temp.sav"), slot = read_file("sav/game09.sav");
  const std::string after = temp.substr(temp.find('#'));
  EXPECT_EQ(after.substr(0, 17), "#\npelvaro_saved 1");
  EXPECT_EQ(after.substr(after.size() - 5), "\nend\n");
  EXPECT_EQ(slot.substr(slot.find('#')), after);
  for (const char* flag : {"story_gotaccesscard 0", "story_adyteleskop 0", "story_schrankoffen 1", "story_sandalkohol 0",
                           "story_brokencase 0", "story_diamant 0", "story_teleskop 0", "story_gotglasses 0",
                           "story_blei 0", "story_bleiloesung 0", "story_gotblei 0", "story_douche 0",
                           "story_bleitank 0", "story_alarm 1", "story_zirud_talk 0", "story_hero_uff 0"})
    EXPECT_NE(after.find("\n" + std::string(flag) + "\n"), std::string::npos) << flag;

  // Play on: another room, a flag, an item used up; the load brings it back.
  change_room = 0;
  enter_new_room();
  story_schrankoffen = 0;
  story_bleitank = 1;
  invent_nr = 1;
  inventory_obj[1] = inventory_obj[2] = kEmptySlot;
  ASSERT_EQ(load_slot(9), 0);
  Moment loaded = Moment::now();
  EXPECT_EQ(loaded.room, "future_physiktp");
  EXPECT_EQ(loaded.x, 400);
  EXPECT_EQ(loaded.y, 380);
  EXPECT_EQ(loaded.items, 3);
  EXPECT_EQ(loaded.schrank, 1);
  EXPECT_EQ(loaded.bleitank, 0);
  EXPECT_EQ(loaded.pieces, saved.pieces);
  EXPECT_EQ(loaded.names, saved.names);
  EXPECT_EQ(loaded.lines, saved.lines);
  EXPECT_EQ(old_furni_anim[1], furni_anim[1]) << "the room's pieces are defined for their stored state";
  // Pictures come back from the item pictures; descriptions from the catalogue.
  EXPECT_NE(getpixel(inventory_obj_bmp[1], 20, 20), bitmap_mask_color(inventory_obj_bmp[1]));
  EXPECT_STRNE(inv_obj_describe[0][0], "");
  EXPECT_STRNE(inv_obj_describe[2][0], "");

  // A new program, a new game: the slot brings back the game and the rooms
  // not on screen (future_floor1 as it was left).
  ASSERT_EQ(stand_in_main_loop(3), -2);
  EXPECT_STREQ(room_name, "future_floor1");
  ASSERT_NE(read_file("sav/tmp/ffloor1.sav"), floor1_file);
  write_file("sav/game09.sav", slot);
  ASSERT_EQ(load_slot(9), 0);
  EXPECT_EQ(Moment::now(), saved);
  EXPECT_EQ(read_file("sav/tmp/ffloor1.sav"), floor1_file);

  // The item carried on the pointer is saved in the bag; the running game
  // keeps it on the pointer.
  arrow_obj = "tool";
  mouse_status = kModeItem;
  ASSERT_EQ(save_slot(0), 0);
  EXPECT_EQ(invent_nr, 3);
  ASSERT_EQ(load_slot(0), 0);
  ASSERT_EQ(invent_nr, 4);
  EXPECT_STREQ(inventory_obj[3], "tool");
  EXPECT_EQ(mouse_status, kModeWalk);

  // A slot of the older format loads; without the part after the end mark
  // the story starts where a new game does. The unpacked game is left beside
  // the rooms' files.
  write_file("sav/game03.sav", old_format_slot());
  ASSERT_EQ(load_slot(3), 0);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(hero_x, 300);
  EXPECT_EQ(hero_y, 350);
  EXPECT_EQ(invent_nr, 2);
  EXPECT_STREQ(inventory_obj[0], "rolle");
  EXPECT_STREQ(inventory_obj[1], "Gaz");
  EXPECT_STREQ(inventory_obj[2], "z");
  EXPECT_EQ(story_alarm, 0);
  EXPECT_EQ(story_schrankoffen, 0);
  for (int k = 0; k < furni_nr; ++k) EXPECT_EQ(furni_present[k], 1) << k;
  EXPECT_EQ(std::vector<int>(person_present, person_present + 4), (std::vector<int>{1, 1, 1, 0}));
  EXPECT_EQ(read_file("sav/tmp/temp.sav").substr(0, 28), "300 350 2 15 future_physiktp");
}

TEST(SavedGames, ASaveThatFailsOrIsKilledLeavesAWholeSlot) {
  // On a disk, where the slot's new file takes its time to reach the disk
  // (in memory a kill would hardly ever fall into the write).
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string was = tmpdir ? tmpdir : "";
  setenv("TMPDIR", "/tmp", 1);
  const int status = stand_in_main_loop(3);
  tmpdir ? setenv("TMPDIR", was.c_str(), 1) : unsetenv("TMPDIR");
  ASSERT_EQ(status, -2);
  story_alarm = 0;
  ASSERT_EQ(save_slot(3), 0);
  const std::string without_alarm = read_file("sav/game03.sav");
  story_alarm = 1;
  // A folder where the temporary file goes: the write fails, the slot stays.
  mkdir("sav/game03.sav.tmp", 0755);
  EXPECT_EQ(save_slot(3), -1);
  EXPECT_EQ(read_file("sav/game03.sav"), without_alarm);
  EXPECT_EQ(story_alarm, 1);
  rmdir("sav/game03.sav.tmp");
  const auto a = std::chrono::steady_clock::now();
  ASSERT_EQ(save_slot(3), 0);
  const long save_us =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - a).count();
  const std::string with_alarm = read_file("sav/game03.sav");
  ASSERT_NE(without_alarm, with_alarm);

  // A saver killed again and again, at any moment of its saves or while it
  // writes the slot's new file: the slot holds one of the two games whole,
  // never a piece of one.
  std::mt19937 rng(2027);
  std::uniform_int_distribution<long> moment(0, save_us + 1000), in_write(0, 100);
  int mid_write = 0;
  for (int round = 0; round < 16 && !HasFailure(); ++round) {
    unlink("sav/game03.sav.tmp");  // left by the last round's saver
    std::fflush(nullptr);
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0)
      for (int i = round;; ++i) {
        story_alarm = i % 2;
        save_slot(3);
      }
    if (round % 2 == 0) {
      usleep(static_cast<useconds_t>(moment(rng)));
    } else {
      const auto give_up = std::chrono::steady_clock::now() + std::chrono::microseconds(3 * save_us + 100000);
      while (access("sav/game03.sav.tmp", F_OK) != 0 && std::chrono::steady_clock::now() < give_up) continue;
      usleep(static_cast<useconds_t>(in_write(rng)));
    }
    kill(saver, SIGKILL);
    int status = 0;
    waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    mid_write += access("sav/game03.sav.tmp", F_OK) == 0;
    const std::string slot = read_file("sav/game03.sav");
    EXPECT_TRUE(slot == without_alarm || slot == with_alarm) << "round " << round << ": " << slot.size() << " bytes";
  }
  std::printf("saves killed: 16, %d of them while the slot's new file was being written\n", mid_write);
  story_alarm = 0;
  EXPECT_EQ(save_slot(3), 0) << "a file left by a killed save is no hindrance";
  story_alarm = 1;
  EXPECT_EQ(load_slot(3), 0);
  EXPECT_EQ(story_alarm, 0);
}

namespace {

using Rng = std::mt19937_64;
size_t below(Rng& rng, size_t n) {
  return n == 0 ? 0 : rng() % n;
}

// One damaged copy of `good`, of the kind `kind` (cuts, names and counts
// have cases of their own).
std::string mutate(std::string s, int kind, Rng& rng) {
  static const char kSpecial[] = {'#', '$', '\xA7', '-', '+', '0', '1', '9', ' ', '\n', '\0', '\xFF', 'z', '.'};
  static const char* const kCounts[] = {"0", "-1", "-32000", "32001", "2147483647", "2147483648",
                                        "99999999999999999999", "", "x", "1e5", "-0"};
  const size_t at = below(rng, s.size()), len = 1 + below(rng, std::min<size_t>(64, s.size() - at));
  switch (kind) {
    case 0:  // any byte, any value
      s[at] = static_cast<char>(rng() & 0xff);
      return s;
    case 1:  // a byte that means something to the packing or the reader
      s[at] = kSpecial[below(rng, sizeof kSpecial)];
      return s;
    case 2: {  // a run count made huge, negative, empty or not a number
      std::vector<size_t> marks;
      for (size_t i = 0; i < s.size() && s[i] != '#'; ++i)
        if (s[i] == '$' || s[i] == '\xA7') marks.push_back(i);
      const size_t count = marks[below(rng, marks.size())] + 2;
      return s.replace(count, s.find(' ', count) - count, kCounts[below(rng, std::size(kCounts))]);
    }
    case 3:  // "#", "$" or the marker inside a name
      return s.insert(14 + below(rng, s.find("z1 z") - 10), 1, "#$\xA7"[below(rng, 3)]);
    case 4:  // a span taken out
      return s.erase(at, len);
    default:  // a span doubled
      return s.insert(at, s.substr(at, len));
  }
}

// What a failed load must leave alone.
std::string game_now() {
  std::string g = std::string(room_name) + " " + std::to_string(hero_x) + " " + std::to_string(hero_y) + " " +
                  std::to_string(invent_nr) + " " + std::to_string(story_alarm) + " ";
  for (int k = 0; k < kInventorySlots; ++k) g += std::string(inventory_obj[k]) + ",";
  for (int k = 0; k < kMaxFurni; ++k) g += std::to_string(furni_present[k]) + std::to_string(furni_anim[k]);
  return g;
}

}  // namespace

TEST(SlotFuzz, DamagedSlotsAreRefusedAndChangeNothing) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_some_story();
  ASSERT_EQ(save_slot(0), 0);
  const std::string good = read_file("sav/game00.sav");
  story_alarm = 0;  // played on, so a load would show
  const std::vector<std::string> unchecked{"bugs.txt", "sav/game01.sav", "sav/tmp/temp.sav"};
  write_file("sav/game01.sav", "");  // the slot the damaged files go to
  std::string before = game_now();
  auto files = folder_snapshot(unchecked);
  int refused = 0, loaded = 0;
  auto one_case = [&](const std::string& slot, const std::string& what) {
    write_file("sav/game01.sav", slot);
    if (load_slot(1) == 0) {
      // The damage left a sound game (a digit of a count changed within its
      // range, a blank doubled): it loads whole.
      ++loaded;
      std::string why;
      EXPECT_TRUE(slot_file_sound("sav/game01.sav", why)) << what;
      before = game_now();
      files = folder_snapshot(unchecked);
      return;
    }
    ++refused;
    EXPECT_EQ(game_now(), before) << what;
    EXPECT_TRUE(files == folder_snapshot(unchecked)) << what;
  };

  // Faults written by hand into the older format, each refused.
  const std::string old = old_format_slot();
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = old;
    return s.replace(s.find(from), from.size(), to);
  };
  const struct {
    const char* what;
    std::string slot;
  } bad[] = {
      {"not a room", replaced("15 future_physiktp", "15 future_physikxx")},
      {"a path for a room", replaced("15 future_physiktp", "16 ../../etc/passwd")},
      {"a room's name too long", replaced("15 future_physiktp", "20 future_physiktpxxx")},
      {"a negative length", replaced("15 future_physiktp", "-15 future_physiktp")},
      {"more than 100 items", replaced("300 350 2", "300 350 101")},
      {"a negative number of items", replaced("300 350 2", "300 350 -1")},
      {"count and names differ", replaced("300 350 2", "300 350 3")},
      {"a 20-character name", replaced("3 Gaz1 z", "20 GazGazGazGazGazGazGa1 z")},
      {"the end mark in a name", replaced("3 Gaz", "3 G#z")},
      {"a negative run", replaced("$ 6 ", "$ -6 ")},
      {"a huge run", replaced("$ 6 ", "$ 999999 ")},
      {"no end mark", old.substr(0, old.size() - 1)},
      {"no end line", old + "\npelvaro_saved 1\nstory_alarm 1\n"},
      {"a wrong count of values", old + "\npelvaro_saved 1\nstory_alarm 1 2\nend\n"},
      {"a later format", old + "\npelvaro_saved 7\nend\n"},
      {"empty", ""},
  };
  for (const auto& b : bad) {
    one_case(b.slot, b.what);
    EXPECT_EQ(loaded, 0) << b.what;
  }

  // Random damage of every kind, then cuts: at every length (the long run),
  // or around the names, the end mark and the end (the normal run).
  const char* wanted = std::getenv("PELVARO_FUZZ_CASES");
  const int random_cases = wanted ? std::atoi(wanted) : 160;
  Rng rng(0x5eed5a7e2027ull);
  for (int i = 0; i < random_cases && !HasFailure(); ++i)
    one_case(mutate(good, i % 6, rng), "case " + std::to_string(i) + " of kind " + std::to_string(i % 6));
  const size_t mark = good.find('#');
  for (size_t cut = 0; cut < good.size() && !HasFailure(); ++cut) {
    const bool near_edge = (cut < 300 && cut % 3 == 0) || (cut + 40 > mark && cut < mark + 40) || cut + 40 > good.size();
    if (wanted || near_edge) one_case(good.substr(0, cut), "cut at " + std::to_string(cut));
  }
  std::printf("slot files tried: %d (%d refused, %d sound and loaded)\n", refused + loaded, refused, loaded);
  EXPECT_GT(refused, 200);
  // A missing slot, and a folder in a slot's place.
  EXPECT_EQ(load_slot(5), -1);
  mkdir("sav/game06.sav", 0755);
  EXPECT_EQ(load_slot(6), -1);
  EXPECT_EQ(game_now(), before);
  // The slot itself was never spoiled: it still loads.
  EXPECT_EQ(load_slot(0), 0);
  EXPECT_EQ(story_alarm, 1);
}

TEST(SlotNames, TypingANameThroughKeys) {
  fresh_game();
  ensure_allegro();
  memory_screen = create_bitmap(640, 480);
  pv_font = font;
  erase_savegame = create_bitmap(310, 15);
  std::memset(save_name, ' ', sizeof save_name);
  std::memcpy(save_name[4], "Old name", 8);
  std::memcpy(save_name[5], "Next slot", 9);
  counter7 = 4;
  int t = 10;
  auto type = [&](std::vector<int> keys) {
    for (int key : keys) headless::key_at(t += 5, key);
    return select_file();
  };
  auto name = [](int slot) { return std::string(save_name[slot], 30); };
  // Letters, digits and blanks; not "#" nor a letter outside ASCII;
  // Backspace takes one back; Enter blanks the rest of the older name.
  EXPECT_EQ(type({'A', 'b', '7', ' ', '#', 0xE4, 'x', 8, 8, 'y', 13}), 1);
  EXPECT_EQ(name(4), "Ab7y" + std::string(26, ' '));
  // Backspace at the first place stays there; 40 letters stop at 30.
  std::vector<int> keys{8};
  keys.resize(40, 'q');
  keys.push_back(13);
  EXPECT_EQ(type(keys), 1);
  EXPECT_EQ(name(4), std::string(30, 'q'));
  EXPECT_EQ(name(5).substr(0, 10), "Next slot ");
  // Escape puts the old name back.
  EXPECT_EQ(type({'Z', 'Z', 27}), 0);
  EXPECT_EQ(name(4), std::string(30, 'q'));
  destroy_bitmap(erase_savegame);
  destroy_bitmap(memory_screen);
}
