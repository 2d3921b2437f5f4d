// Saved games mid-story, in the same run and after a restart; older-format, damaged, cut, missing and
// half-written slots; typing a slot's name. Under make asan, PELVARO_FUZZ_CASES=N tries N random slots and every cut.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstring>
#include <random>
#include "core/errand.h"
#include "core/files.h"
#include "core/pacing.h"
#include "frame/draw_room.h"
#include "core/world.h"
#include "interaction/inventory.h"
#include "old_slot.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
#include "persistence/slot_info.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "game/game.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
// What a player would notice of a game (and what a failed load must leave alone).
std::string game_now() {
  std::string g = std::string(room_name) + " " + std::to_string(hero_x) + " " + std::to_string(hero_y) + " " +
                  std::to_string(invent_nr) + " " + std::to_string(story_schrankoffen) + " " +
                  std::to_string(story_alarm) + " " + std::to_string(story_bleitank) + " ";
  for (int k = 0; k < kInventorySlots; ++k) {
    g += std::string(inventory_obj[k]) + ":";
    for (const char* l : inv_obj_describe[k]) g += std::string(l ? l : "?") + "|";
  }
  for (int k = 0; k < kMaxFurni; ++k)
    g += std::to_string(furni_present[k]) + std::to_string(furni_anim[k]) + std::to_string(old_furni_anim[k]) + " ";
  for (int k = 0; k < kMaxPersons; ++k) g += std::to_string(person_present[k]);
  return g + std::to_string(talk_tree[0].node[1][0][0][0][0].s_present);
}

// future_floor1 left with the picture hung instead of the aquarium for the
// physics lab; two items and two flags more, a piece gone, a sentence used.
void play_some_story() {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  furni_present[0] = 1, furni_present[1] = 0;
  set_errand(ErrandKind::leave, 3);  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  add_to_inventory(objects_bmp[13], "glasses", "Brille", "", "");
  story_schrankoffen = story_alarm = 1;
  invent_bitmaps();  // the items' own descriptions, as the story gives them
  furni_present[0] = talk_tree[0].node[1][0][0][0][0].s_present = 0;
  hero_x = 400, hero_y = 380;
}
// A slot's game state text, unpacked.
std::string unpacked(const std::string& slot) {
  std::string text, why;
  EXPECT_TRUE(unpack_game_state(slot, text, why)) << why;
  return text;
}
}  // namespace

TEST(SavedGames, ComeBackInTheSameRunAndAfterARestartAndOutliveAFailedOrKilledSave) {
  play_some_story();
  const std::string before = game_now();
  ASSERT_EQ(save_game(9), 0);
  EXPECT_EQ(game_now(), before) << "the save leaves the game as it was";
  const std::string room_file = read_file("sav/tmp/fphystp.sav"), floor1_file = read_file("sav/tmp/ffloor1.sav");
  // The story flags travel after the end mark, one line each, in the slot as in the game state file.
  const std::string temp = read_file(kGameStateFile), slot = read_file("sav/game09.sav");
  const std::string after = temp.substr(temp.find('#'));
  EXPECT_EQ(after.substr(0, 17), "#\npelvaro_saved 1");
  EXPECT_EQ(after.substr(after.size() - 5), "\nend\n");
  EXPECT_EQ(slot.substr(slot.find('#')), after);
  for (const char* flag : {"gotaccesscard 0", "adyteleskop 0", "schrankoffen 1", "sandalkohol 0", "brokencase 0",
                           "diamant 0", "teleskop 0", "gotglasses 0", "blei 0", "bleiloesung 0", "gotblei 0",
                           "douche 0", "bleitank 0", "alarm 1", "zirud_talk 0", "hero_uff 0"})
    EXPECT_NE(after.find(std::string("\nstory_") + flag + "\n"), std::string::npos) << flag;

  // Played on: another room, a flag, an item used up; the load brings it back.
  set_errand(ErrandKind::leave, 0); enter_new_room();
  story_schrankoffen = 0, story_bleitank = 1, invent_nr = 1;
  inventory_obj[1] = inventory_obj[2] = kEmptySlot;
  ASSERT_EQ(load_game(9), 0);
  EXPECT_EQ(game_now(), before);
  EXPECT_EQ(read_file("sav/tmp/fphystp.sav"), room_file);
  EXPECT_EQ(old_furni_anim[1], furni_anim[1]) << "the room's pieces are defined for their stored state";
  // Pictures come back from the item pictures (descriptions from the catalogue).
  EXPECT_NE(getpixel(inventory_obj_bmp[1], 20, 20), bitmap_mask_color(inventory_obj_bmp[1]));

  // A new program, a new game: the slot brings back the game and the rooms not on screen (future_floor1 as
  // left). Run on a disk, where a slot's new file takes its time (in memory a kill would hardly hit the write).
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string was = tmpdir ? tmpdir : "";
  setenv("TMPDIR", "/tmp", 1);
  const int status = stand_in_main_loop(3);
  tmpdir ? setenv("TMPDIR", was.c_str(), 1) : unsetenv("TMPDIR");
  ASSERT_EQ(status, -2);
  ASSERT_NE(read_file("sav/tmp/ffloor1.sav"), floor1_file);
  write_file("sav/game09.sav", slot);
  ASSERT_EQ(load_game(9), 0);
  EXPECT_EQ(game_now(), before);
  EXPECT_EQ(read_file("sav/tmp/ffloor1.sav"), floor1_file);

  // The item carried on the pointer is saved in the bag; the running game keeps it on the pointer.
  arrow_obj = "tool", mouse_status = kModeItem;
  ASSERT_EQ(save_game(0), 0);
  EXPECT_EQ(invent_nr, 3);
  ASSERT_EQ(load_game(0), 0);
  ASSERT_EQ(invent_nr, 4);
  EXPECT_TRUE(std::string(inventory_obj[3]) == "tool" && mouse_status == kModeWalk) << inventory_obj[3];
  // With the bag full (100 items) it comes back on the pointer.
  std::fill(inventory_obj + invent_nr, inventory_obj + 100, "Blei"), invent_nr = 100;
  arrow_obj = "guitar", mouse_status = kModeItem;
  ASSERT_EQ(save_game(0), 0);
  ASSERT_EQ(load_game(0), 0);
  EXPECT_TRUE(invent_nr == 100 && mouse_status == kModeItem && std::string(arrow_obj) == "guitar") << arrow_obj;
  // What the reader would refuse is not saved: the slot keeps its game.
  const std::string full_bag = read_file("sav/game00.sav");
  hero_x = 700;
  EXPECT_EQ(save_game(0), kSaveRefused);
  EXPECT_EQ(read_file("sav/game00.sav"), full_bag);
  // There are ten slots, 0 to 9: a sound game is not saved outside them.
  hero_x = 400;
  struct stat st;
  EXPECT_TRUE(save_game(10) == kSaveRefused && save_game(-1) == kSaveRefused && stat("sav/game010.sav", &st) != 0);

  // A slot of the older format loads; without what follows the end mark the story starts where a new game
  // does. The unpacked game is left beside the rooms' files.
  write_file("sav/game03.sav", old_format_slot());
  ASSERT_EQ(load_game(3), 0);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(std::vector<int>({hero_x, hero_y, invent_nr, story_alarm, story_schrankoffen}),
            std::vector<int>({300, 350, 2, 0, 0}));
  EXPECT_EQ(std::string(inventory_obj[0]) + inventory_obj[1] + inventory_obj[2], "rolleGazz");
  for (int k = 0; k < furni_nr; ++k) EXPECT_EQ(furni_present[k], 1) << k;
  EXPECT_EQ(std::vector<int>(person_present, person_present + 4), (std::vector<int>{1, 1, 1, 0}));
  EXPECT_EQ(read_file(kGameStateFile).substr(0, 28), "300 350 2 15 future_physiktp");

  story_alarm = 0;
  ASSERT_EQ(save_game(3), 0);
  const std::string without_alarm = read_file("sav/game03.sav");
  story_alarm = 1;
  // A folder where the temporary file goes: the write fails, the slot stays.
  mkdir(temporary_name("sav/game03.sav").c_str(), 0755);
  EXPECT_EQ(save_game(3), -1);
  EXPECT_TRUE(read_file("sav/game03.sav") == without_alarm && story_alarm == 1);
  rmdir(temporary_name("sav/game03.sav").c_str());
  const auto a = std::chrono::steady_clock::now();
  ASSERT_EQ(save_game(3), 0);
  const long save_us =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - a).count();
  const std::string with_alarm = read_file("sav/game03.sav");
  ASSERT_NE(without_alarm, with_alarm);

  // A saver killed again and again, at any moment of its saves (even rounds) or while it writes the slot's
  // new file (odd): the slot holds one of the two games whole, never a piece of one.
  std::mt19937 rng(2027);
  std::uniform_int_distribution<long> moment(0, save_us + 1000), in_write(0, 100);
  int mid_write = 0;
  pid_t last_saver = 0;
  for (int round = 0; round < 12 && !HasFailure(); ++round) {
    unlink(temporary_name("sav/game03.sav", last_saver).c_str());  // left by the last round's saver
    std::fflush(nullptr);
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    for (int i = round; saver == 0; ++i) {
      story_alarm = i % 2; save_game(3);
    }
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::microseconds(3 * save_us + 100000);
    const std::string its_temp = temporary_name("sav/game03.sav", last_saver = saver);
    while (round % 2 && access(its_temp.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < give_up) continue;
    usleep(static_cast<useconds_t>(round % 2 ? in_write(rng) : moment(rng))); kill(saver, SIGKILL);
    int status = 0;
    waitpid(saver, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    mid_write += access(its_temp.c_str(), F_OK) == 0;
    const std::string slot = read_file("sav/game03.sav");
    EXPECT_TRUE(slot == without_alarm || slot == with_alarm) << "round " << round << ": " << slot.size() << " bytes";
  }
  std::printf("saves killed: 12, %d of them while the slot's new file was being written\n", mid_write);
  story_alarm = 0;
  EXPECT_EQ(save_game(3), 0) << "a file left by a killed save is no hindrance";
  story_alarm = 1;
  EXPECT_TRUE(load_game(3) == 0 && story_alarm == 0);
}

TEST(SavedGames, AFailedWriteBlocksNoLaterSaveAndALoadIsAllOrNothing) {
  play_some_story();
  ASSERT_EQ(save_game(9), 0);
  const std::string before = game_now(), room_file = read_file("sav/tmp/fphystp.sav");
  // The room's file cannot be written for a moment as the hero leaves: the next save still works and writes it.
  const std::string in_the_way = temporary_name("sav/tmp/fphystp.sav");
  mkdir(in_the_way.c_str(), 0755);
  set_errand(ErrandKind::leave, 0); enter_new_room();
  rmdir(in_the_way.c_str());
  EXPECT_EQ(save_game(8), 0);
  EXPECT_EQ(read_file("sav/tmp/fphystp.sav"), room_file);

  // A room whose file can be neither replaced nor removed (a folder in its place) is replaced by a load.
  ASSERT_EQ(load_game(9), 0);
  unlink("sav/tmp/fphystp.sav"), mkdir("sav/tmp/fphystp.sav", 0755);
  furni_present[0] = 1, set_temp_file();
  EXPECT_EQ(save_temp(), -1);
  ASSERT_EQ(load_game(9), 0);
  EXPECT_EQ(game_now(), before);
  EXPECT_EQ(read_file("sav/tmp/fphystp.sav"), room_file);

  // A rename failing halfway (the last room's old file cannot be put aside): every file and the game stay.
  story_alarm = 0;
  const std::string now = game_now(), aside = "sav/tmp/fchimtp.sav." + std::to_string(getpid()) + ".old";
  mkdir(aside.c_str(), 0755);
  auto files = [&] { auto f = folder_snapshot({"bugs.txt", aside}); f.erase("sav/tmp"); return f; };
  const auto before_load = files();
  EXPECT_EQ(load_game(9), kLoadCannotWrite);
  EXPECT_EQ(game_now(), now);
  EXPECT_TRUE(files() == before_load);
}

namespace {
// One damaged copy of `s`: a byte (any, or one meaningful to the packing or the reader), a marker inside a
// name, a span taken out or doubled. Cuts, and run counts out of range, have cases of their own.
std::string mutate(std::string s, int kind, std::mt19937_64& rng) {
  static const char kSpecial[] = "#$\xA7-+019 \n\xFFz.";
  auto below = [&](size_t n) { return n == 0 ? 0 : static_cast<size_t>(rng() % n); };
  const size_t at = below(s.size()), len = 1 + below(std::min<size_t>(64, s.size() - at));
  switch (kind) {
    case 0: return s.replace(at, 1, 1, static_cast<char>(rng()));
    case 1: return s.replace(at, 1, 1, kSpecial[below(sizeof kSpecial)]);
    case 2: return s.insert(14 + below(s.find("z1 z") - 10), 1, "#$\xA7"[below(3)]);
    case 3: return s.erase(at, len);
    default: return s.insert(at, s.substr(at, len));
  }
}
}  // namespace

TEST(SlotFuzz, DamagedSlotsAreRefusedAndChangeNothing) {
  play_some_story();
  ASSERT_EQ(save_game(0), 0);
  const std::string good = read_file("sav/game00.sav");
  story_alarm = 0;  // played on, so a load would show
  const std::vector<std::string> unchecked{"bugs.txt", "sav/game01.sav", kGameStateFile};
  write_file("sav/game01.sav", "");  // the slot the damaged files go to
  std::string before = game_now();
  auto files = folder_snapshot(unchecked);
  int refused = 0, loaded = 0;
  auto one_case = [&](const std::string& slot, const std::string& what) {
    write_file("sav/game01.sav", slot);
    std::string why;
    if (load_game(1) == 0) {  // a digit changed within its range, a blank doubled: a sound game
      ++loaded;
      EXPECT_TRUE(slot_file_sound("sav/game01.sav", why)) << what;
      before = game_now(); files = folder_snapshot(unchecked);
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
  const std::pair<const char*, std::string> bad[] = {
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
  for (const auto& [what, slot] : bad) one_case(slot, what);
  one_case(replaced("3 Gaz1 z", "19 GazGazGazGazGazGazG1 z"), "a 19-character name, the longest a slot holds");
  EXPECT_EQ(loaded, 1) << "of these, only the 19-character name loads";

  // Random damage of every kind, then cuts: at every length (the long run), or around names, end mark and end.
  const char* wanted = std::getenv("PELVARO_FUZZ_CASES");
  const int random_cases = wanted ? std::atoi(wanted) : 60;
  std::mt19937_64 rng(0x5eed5a7e2027ull);
  for (int i = 0; i < random_cases && !HasFailure(); ++i)
    one_case(mutate(good, i % 5, rng), "case " + std::to_string(i) + " of kind " + std::to_string(i % 5));
  const size_t mark = good.find('#');
  for (size_t cut = 0; cut < good.size() && !HasFailure(); ++cut)
    if (wanted || (cut < 300 && cut % 3 == 0) || (cut + 40 > mark && cut < mark + 40) || cut + 40 > good.size())
      one_case(good.substr(0, cut), "cut at " + std::to_string(cut));
  std::printf("slot files tried: %d (%d refused, %d sound and loaded)\n", refused + loaded, refused, loaded);
  EXPECT_GT(refused, 200);
  // A missing slot, a slot outside the ten, and a folder in a slot's place.
  EXPECT_EQ(load_game(5), -1);
  EXPECT_TRUE(load_game(10) == -1 && load_game(-1) == -1);
  mkdir("sav/game06.sav", 0755);
  EXPECT_EQ(load_game(6), -1);
  EXPECT_EQ(game_now(), before);
  EXPECT_EQ(load_game(0), 0) << "the slot itself was never spoiled";
  EXPECT_EQ(story_alarm, 1);
}

TEST(SlotNames, TypingANameThroughKeys) {
  fresh_game(); ensure_allegro();
  memory_screen = create_bitmap(640, 480), erase_savegame = create_bitmap(310, 15);
  driver::load_font(), clear_bitmap(memory_screen), clear_to_color(erase_savegame, makecol(228, 232, 240));
  std::memset(save_name, ' ', sizeof save_name);
  std::memcpy(save_name[4], "Old name", 8), std::memcpy(save_name[5], "Next slot", 9);
  int t = 10;
  auto type = [&](std::vector<int> keys) {
    for (int key : keys) headless::key_at(t += 5, key);
    return select_file(4);
  };
  auto name = [](int slot) { return std::string(save_name[slot], 30); };
  auto padded = [](const std::string& s) { return s + std::string(30 - s.size(), ' '); };
  // A key's character comes in the low byte, Latin-1 letters (ä 0xE4, ß 0xDF, ...) as their own codes; the name is
  // stored as UTF-8 in the slot's 30 bytes, so a letter of two bytes fits only whole.
  const std::vector<int> twenty_nine(29, 'q');
  auto then = [](std::vector<int> keys, std::initializer_list<int> more) {
    keys.insert(keys.end(), more);
    return keys;
  };
  const struct { const char* what; std::vector<int> keys; std::string stored; } cases[] = {
      {"letters, digits and blanks; not # nor the sign ×; Backspace takes a whole letter back",
       {'A', 'b', '7', ' ', '#', 0xD7, 0xE4, 'x', 8, 8, 'y', 13}, padded("Ab7 y")},
      {"the umlauts and sharp s", {'M', 0xFC, 'l', 'l', 0xDF, ' ', 0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 13},
       padded("Müllß ÄÖÜäö")},
      {"40 letters stop at 30", then(std::vector<int>(40, 'q'), {13}), std::string(30, 'q')},
      {"an a-umlaut after 29 letters does not fit, an a does", then(twenty_nine, {0xE4, 'a', 13}),
       std::string(29, 'q') + "a"},
      {"16 a-umlauts: 15 fill the 30 bytes", then(std::vector<int>(16, 0xE4), {13}), [] {
         std::string s;
         for (int i = 0; i < 15; ++i) s += "ä";
         return s;
       }()},
      {"Backspace at the first place stays there", {8, 'o', 'k', 13}, padded("ok")}};
  for (const auto& c : cases) {
    EXPECT_EQ(type(c.keys), 1) << c.what;
    EXPECT_EQ(name(4), c.stored) << c.what;
    EXPECT_EQ(name(5).substr(0, 10), "Next slot ") << c.what;
  }
  // While typing, the name stands on the slot's line (y = 150 + 15 x 4) from x = 122 in the game's font, and the
  // cursor right after it: after two umlauts it ends where the width of "äü_" ends. Where it stood before (after
  // the first letter) nothing of it stays, not even below the line's 15 rows (the font's cell is 17 high).
  clear_bitmap(memory_screen), headless::key_at(t += 5, 0xE4), headless::key_at(t += 5, 0xFC);
  constexpr int kOrange = 0xF400;  // the line being typed: 128000 kept to 16 bits
  const int typed_end = 122 + text_length(pv_font, "äü"), cursor_end = 122 + text_length(pv_font, "äü_");
  int cursor_right = -1, left_behind = 0;
  bool seen = false;
  headless::on_present([&] {
    if (seen || headless::now() < t + 20) return;
    for (int y = 210; y < 210 + 17; ++y)
      for (int x = 122; x < 460; ++x)
        if (getpixel(headless::last_frame(), x, y) == kOrange)
          cursor_right = std::max(cursor_right, x), left_behind += x < typed_end && y >= 210 + 15;
    headless::key_at(headless::now() + 5, 27);
    seen = true;
  });
  // Escape puts the old name back.
  EXPECT_EQ(select_file(4), 0);
  headless::on_present(nullptr);
  EXPECT_TRUE(cursor_right > typed_end && cursor_right < cursor_end) << "the cursor ends at " << cursor_right;
  EXPECT_EQ(left_behind, 0) << "pixels of the cursor where it stood before";
  EXPECT_EQ(name(4), padded("ok"));
  // Outside the ten slots there is no name to type: it ends at once, as Escape does.
  EXPECT_EQ(select_file(10), 0);
  destroy_bitmap(erase_savegame), destroy_bitmap(memory_screen);
}

// Beside each slot a side file: the date, the time played, the room, the story's progress, and the slot's size
// and sum. The slot itself is the game state packed as before, nothing more. A slot of the older format without
// a side file, or with one that is damaged or describes another slot, lists by its file's date and loads.
TEST(SlotSideFiles, ASaveWritesTheSlotAsBeforeAndItsSideFileAndASlotWithoutOneStillLoads) {
  play_some_story();
  played_ms = 3723000;  // 1 h 02 min 03 s
  ASSERT_EQ(save_game(5), 0);
  EXPECT_EQ(read_file("sav/game05.sav"), pack_game_state(read_file(kGameStateFile))) << "the slot as before";
  const SlotInfo info = read_slot_info("sav/game05.sav");
  EXPECT_TRUE(info.exists && info.known);
  EXPECT_EQ(std::vector<std::string>({info.room, std::to_string(info.played_ms), std::to_string(info.done),
                                      std::to_string(info.total)}),
            std::vector<std::string>({"future_physiktp", "3723000", "3", "20"}))
      << "done of the story's 20 steps";
  EXPECT_LE(std::abs(info.saved_at - static_cast<long long>(std::time(nullptr))), 5);
  EXPECT_EQ(played_text(info.played_ms).substr(0, 2), "1 ") << "hours, then minutes rounded down";
  EXPECT_NE(played_text(info.played_ms).find(" 02 "), std::string::npos);

  const std::string side = read_file("sav/game05.info");
  const struct { const char* what; std::string slot, side; } cases[] = {
      {"an older slot, no side file", old_format_slot(), ""},
      {"a damaged side file", old_format_slot(), side.substr(0, side.size() / 2)},
      {"a side file of another slot", old_format_slot(), side},
      {"garbage", old_format_slot(), "\x01\xff pelvaro_info 1\nsaved x\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    write_file("sav/game08.sav", pack_game_state(unpacked(c.slot)));
    std::remove("sav/game08.info");
    if (!c.side.empty()) write_file("sav/game08.info", c.side);
    const SlotInfo old = read_slot_info("sav/game08.sav");
    EXPECT_TRUE(old.exists && !old.known);
    EXPECT_GT(old.saved_at, 0) << "the file's date";
    played_ms = 99;
    ASSERT_EQ(load_game(8), 0);
    EXPECT_STREQ(room_name, "future_physiktp");
    EXPECT_EQ(played_ms, 0) << "no time played is known";
  }
  EXPECT_FALSE(read_slot_info("sav/game07.sav").exists) << "an empty slot";
}

// Deleting a slot removes its file, its side file and its name; the other slots stay.
TEST(SlotSideFiles, DeletingASlotRemovesBothFilesAndTheName) {
  play_some_story();
  ASSERT_EQ(save_game(2), 0);
  ASSERT_EQ(save_game(3), 0);
  save_name[2][0] = 'N', save_name[3][0] = 'M';
  EXPECT_EQ(delete_game(2), 0);
  EXPECT_FALSE(read_slot_info("sav/game02.sav").exists);
  EXPECT_NE(access("sav/game02.info", F_OK), 0);
  EXPECT_EQ(std::string(save_name[2], kSlotNameLen), std::string(kSlotNameLen, ' '));
  EXPECT_TRUE(read_slot_info("sav/game03.sav").known);
  EXPECT_EQ(save_name[3][0], 'M');
  EXPECT_EQ(delete_game(2), 0) << "nothing there is nothing to delete";
  EXPECT_EQ(load_game(2), kLoadMissing);
}

// The picture kept with a save is the room as the last frame showed it, not what lies over it when the save is
// made from the panel (here: the frame buffer painted over after the room was drawn).
TEST(SlotSideFiles, TheThumbnailShowsTheRoomNotThePanel) {
  play_some_story();
  main_loop_pass(), main_loop_pass();
  BITMAP* room = last_room_picture();
  ASSERT_NE(room, nullptr);
  clear_to_color(memory_screen, makecol(255, 0, 0));  // the panel over the room
  ASSERT_EQ(save_game(4), 0);
  BITMAP* thumb = load_bitmap("sav/game04.bmp", nullptr);
  ASSERT_NE(thumb, nullptr);
  EXPECT_EQ(std::vector<int>({thumb->w, thumb->h}), std::vector<int>({160, 120}));
  int same = 0;
  for (int y = 10; y < 120; y += 20)
    for (int x = 10; x < 160; x += 20) same += getpixel(thumb, x, y) == getpixel(room, x * 4, y * 4);
  EXPECT_GE(same, 40) << "of 48 samples, the room's own pixels";
  destroy_bitmap(thumb);
  // A damaged picture leaves the slot loadable.
  write_file("sav/game04.bmp", "BM garbage");
  EXPECT_EQ(load_game(4), 0);
}
