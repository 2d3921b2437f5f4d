// Saved games in a running game: saving and loading in the middle of the
// story, in the same run and after a restart; slot files of the older format;
// damaged, cut short and missing slots; typing a slot's name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "interaction/inventory.h"
#include "persistence/room_state.h"
#include "persistence/saved_games.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

constexpr int kStateBlock = 233320;

// What a player would notice of a game, to compare two moments of it.
struct Moment {
  std::string room;
  int x, y, items;
  std::string names, lines;
  int schrank, alarm, bleitank;
  std::string pieces;
  std::string room_file;

  static Moment now() {
    Moment m;
    m.room = room_name;
    m.x = hero_x;
    m.y = hero_y;
    m.items = invent_nr;
    for (int k = 0; k < kInventorySlots; ++k) {
      m.names += std::string(inventory_obj[k]) + ",";
      for (int l = 0; l < 3; ++l) m.lines += std::string(inv_obj_describe[k][l] ? inv_obj_describe[k][l] : "?") + "|";
    }
    m.schrank = story_schrankoffen;
    m.alarm = story_alarm;
    m.bleitank = story_bleitank;
    for (int k = 0; k < kMaxFurni; ++k)
      m.pieces += std::to_string(furni_present[k]) + "/" + std::to_string(furni_anim[k]) + "/" +
                  std::to_string(old_furni_anim[k]) + " ";
    for (int k = 0; k < kMaxPersons; ++k) m.pieces += std::to_string(person_present[k]) + " ";
    m.pieces += std::to_string(talk_tree[0].node[1][0][0][0][0].s_present);
    m.room_file = read_file("sav/tmp/fphystp.sav");
    return m;
  }
  bool operator==(const Moment&) const = default;
};

// A game in the middle of the story: another room, items in the bag, a
// flag set, a piece gone from the room and a line of a conversation used.
void play_some_story() {
  change_room = 3;  // future_floor1's door to future_physiktp
  enter_new_room();
  ASSERT_STREQ(room_name, "future_physiktp");
  add_to_inventory(objects_bmp[1], "Gaz", "Eine Flasche", "", "");
  add_to_inventory(objects_bmp[13], "glasses", "Brille", "", "");
  story_schrankoffen = 1;
  story_alarm = 1;
  invent_bitmaps();  // the items' own descriptions, as the story gives them
  furni_present[0] = 0;
  talk_tree[0].node[1][0][0][0][0].s_present = 0;
  hero_x = 400;
  hero_y = 380;
}

// A slot file of the older format, written by hand: the header, the names,
// 43 blocks given as runs, the end mark and nothing after it.
std::string old_format_slot() {
  const std::string mark = "\xA7";
  std::string s = "300 350 2 15 future_physiktp5 rolle3 Gaz";
  for (int k = 2; k < 100; ++k) s += "1 z";
  for (int r = 0; r < 43; ++r) {
    // Pieces 0..9 shown with state 2 in room 38 (future_physiktp), else
    // hidden; then all zeros.
    // Room 38 (future_physiktp) shows all its pieces; room 0 has a run of
    // six ones; persons 0..2 are shown everywhere.
    std::string block;
    if (r == 0)
      block = "$ 6 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    else
      for (int k = 0; k < 10; ++k) block += r == 38 ? "1 0 " : "0 0 ";
    block += "1 0 1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    int rest = kStateBlock - 40;
    while (rest > 0) {
      const int run = rest > 32000 ? 32000 : rest;
      block += mark + " " + std::to_string(run) + " ";
      rest -= run;
    }
    s += block;
  }
  return s + "#";
}

bool same_folder_files(const std::map<std::string, std::string>& a) {
  return a == folder_snapshot({"bugs.txt"});
}

}  // namespace

TEST(SavedGames, SaveAndLoadInTheSameRunGiveTheGameBack) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_some_story();
  const Moment before = Moment::now();
  counter7 = 9;
  ASSERT_EQ(save_game(), 0);
  EXPECT_TRUE(read_file("sav/game09.sav").size() > 0);
  // The save leaves the game as it was, the room rebuilt from its file.
  const Moment saved = Moment::now();
  EXPECT_EQ(saved.room, before.room);
  EXPECT_EQ(saved.x, before.x);
  EXPECT_EQ(saved.names, before.names);
  EXPECT_EQ(saved.lines, before.lines);
  EXPECT_EQ(saved.schrank, 1);
  EXPECT_EQ(furni_present[0], 0);

  // Play on: another room, a flag, an item used up.
  change_room = 0;
  enter_new_room();
  story_schrankoffen = 0;
  story_bleitank = 1;
  invent_nr = 1;
  inventory_obj[1] = inventory_obj[2] = kEmptySlot;
  ASSERT_EQ(load_game(), 0);
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
}

TEST(SavedGames, AGameSavedLoadsAfterTheProgramStartsAgain) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_some_story();
  counter7 = 2;
  ASSERT_EQ(save_game(), 0);
  Moment saved = Moment::now();
  const std::string slot = read_file("sav/game02.sav");

  ASSERT_EQ(stand_in_main_loop(3), -2);  // a new program, a new game
  EXPECT_STREQ(room_name, "future_floor1");
  write_file("sav/game02.sav", slot);
  counter7 = 2;
  ASSERT_EQ(load_game(), 0);
  Moment loaded = Moment::now();
  EXPECT_EQ(loaded, saved);
  // A room not on screen has its saved state too: future_floor1 as left.
  EXPECT_EQ(read_file("sav/tmp/ffloor1.sav").size() > 0u, true);
}

TEST(SavedGames, ASaveCountsTheCarriedItemAsInTheBag) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  arrow_obj = "tool";
  mouse_status = kModeItem;
  counter7 = 0;
  ASSERT_EQ(save_game(), 0);
  EXPECT_EQ(invent_nr, 1) << "the running game is not changed";
  ASSERT_EQ(load_game(), 0);
  ASSERT_EQ(invent_nr, 2);
  EXPECT_STREQ(inventory_obj[1], "tool");
  EXPECT_EQ(mouse_status, kModeWalk);
}

TEST(SavedGames, ASlotOfTheOlderFormatLoads) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  story_alarm = 1;
  write_file("sav/game03.sav", old_format_slot());
  counter7 = 3;
  ASSERT_EQ(load_game(), 0);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(hero_x, 300);
  EXPECT_EQ(hero_y, 350);
  EXPECT_EQ(invent_nr, 2);
  EXPECT_STREQ(inventory_obj[0], "rolle");
  EXPECT_STREQ(inventory_obj[1], "Gaz");
  EXPECT_STREQ(inventory_obj[2], "z");
  // Without the part after the end mark the story starts where a new game does.
  EXPECT_EQ(story_alarm, 0);
  for (int k = 0; k < furni_nr; ++k) EXPECT_EQ(furni_present[k], 1);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(person_present[k], 1);
  EXPECT_EQ(person_present[3], 0);
  // The unpacked game is left beside the rooms' files.
  const std::string temp = read_file("sav/tmp/temp.sav");
  EXPECT_EQ(temp.substr(0, 28), "300 350 2 15 future_physiktp");
  EXPECT_EQ(temp.back(), '#');
}

TEST(SavedGames, DamagedCutOrMissingSlotsChangeNothing) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  play_some_story();
  counter7 = 1;
  ASSERT_EQ(save_game(), 0);
  const std::string good = read_file("sav/game01.sav");
  const std::string old = old_format_slot();
  story_alarm = 0;  // play on after the save
  const Moment before = Moment::now();
  const auto files = folder_snapshot({"bugs.txt", "sav/game01.sav"});

  std::vector<std::string> bad;
  for (size_t cut : {size_t{0}, size_t{1}, size_t{7}, good.size() / 3, good.size() / 2, good.size() - 60,
                     good.size() - 2})
    bad.push_back(good.substr(0, cut));
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = old;
    s.replace(s.find(from), from.size(), to);
    return s;
  };
  bad.push_back(replaced("15 future_physiktp", "15 future_physikxx"));              // not a room
  bad.push_back(replaced("300 350 2", "300 350 101"));                              // more than 100 items
  bad.push_back(replaced("300 350 2", "300 350 3"));                                // count and names differ
  bad.push_back(replaced("3 Gaz1 z", "20 GazGazGazGazGazGazGa1 z"));                // a 20-character name
  bad.push_back(replaced("3 Gaz", "3 G#z"));                                        // the end mark in a name
  bad.push_back(replaced("$ 6 ", "$ -6 "));                                         // a negative run
  bad.push_back(replaced("$ 6 ", "$ 999999 "));                                     // a huge run
  bad.push_back(old.substr(0, old.size() - 1));                                     // no end mark
  bad.push_back(old + "\npelvaro_saved 1\nstory_alarm 1\n");                        // no "end"
  bad.push_back(old + "\npelvaro_saved 1\nstory_alarm 1 2\nend\n");                // a wrong count
  bad.push_back(old + "\npelvaro_saved 7\nend\n");                                  // a later format
  for (size_t i = 0; i < bad.size(); ++i) {
    write_file("sav/game01.sav", bad[i]);
    counter7 = 1;
    EXPECT_EQ(load_game(), -1) << "case " << i;
    EXPECT_TRUE(Moment::now() == before) << "case " << i;
  }
  EXPECT_EQ(files, folder_snapshot({"bugs.txt", "sav/game01.sav"}));
  // A missing slot, and a folder in a slot's place.
  counter7 = 5;
  EXPECT_EQ(load_game(), -1);
  mkdir("sav/game06.sav", 0755);
  counter7 = 6;
  EXPECT_EQ(load_game(), -1);
  EXPECT_TRUE(Moment::now() == before);
}

TEST(SavedGames, ASaveThatCannotBeWrittenKeepsTheOldSlot) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  counter7 = 4;
  ASSERT_EQ(save_game(), 0);
  const std::string first = read_file("sav/game04.sav");
  story_alarm = 1;
  // A folder where the temporary file goes: the write fails.
  mkdir("sav/game04.sav.tmp", 0755);
  EXPECT_EQ(save_game(), -1);
  EXPECT_EQ(read_file("sav/game04.sav"), first);
  EXPECT_EQ(story_alarm, 1);
}

TEST(SavedGames, TheStoryFlagsTravelAfterTheEndMark) {
  ASSERT_EQ(stand_in_main_loop(3), -2);
  story_alarm = 1;
  story_douche = 1;
  counter7 = 7;
  ASSERT_EQ(save_game(), 0);
  const std::string temp = read_file("sav/tmp/temp.sav");
  const size_t mark = temp.find('#');
  ASSERT_NE(mark, std::string::npos);
  const std::string after = temp.substr(mark);
  EXPECT_NE(after.find("\nstory_alarm 1\n"), std::string::npos);
  EXPECT_NE(after.find("\nstory_douche 1\n"), std::string::npos);
  EXPECT_NE(after.find("\nstory_schrankoffen 0\n"), std::string::npos);
  // Every SAVED entry that the older part does not hold is there.
  visit_saved_game([&](const char* name, auto&) {
    const std::string n = name;
    if (n == "hero_x" || n == "hero_y" || n == "invent_nr" || n == "room_name" || n == "inventory_obj") return;
    EXPECT_NE(after.find("\n" + n + " "), std::string::npos) << n;
  });
  // The slot's packing of the part before the end mark is the older one.
  const std::string slot = read_file("sav/game07.sav");
  EXPECT_EQ(slot.substr(slot.find('#')), after);
}

TEST(SlotNames, TypingANameThroughKeys) {
  fresh_game();
  test_support::ensure_allegro();
  memory_screen = create_bitmap(640, 480);
  pv_font = font;
  erase_savegame = create_bitmap(310, 15);
  std::memset(save_name, ' ', sizeof save_name);
  std::memcpy(save_name[4], "Old name", 8);
  std::memcpy(save_name[5], "Next slot", 9);
  counter7 = 4;
  int t = 10;
  for (int key : std::vector<int>{'A', 'b', '7', ' ', '#', 0xE4, 'x', 8, 8, 'y', 13}) headless::key_at(t += 5, key);
  EXPECT_EQ(select_file(), 1);
  EXPECT_EQ(std::string(save_name[4], 30), "Ab7y" + std::string(26, ' '));
  EXPECT_EQ(std::string(save_name[5], 9), "Next slot");

  // Backspace at the first place stays there; 40 letters stop at 30.
  for (int i = 0; i < 40; ++i) headless::key_at(t += 5, i == 0 ? 8 : 'q');
  headless::key_at(t += 5, 13);
  EXPECT_EQ(select_file(), 1);
  EXPECT_EQ(std::string(save_name[4], 30), std::string(30, 'q'));
  EXPECT_EQ(std::string(save_name[5], 9), "Next slot");

  // Escape puts the old name back.
  for (int key : std::vector<int>{'Z', 'Z', 27}) headless::key_at(t += 5, key);
  EXPECT_EQ(select_file(), 0);
  EXPECT_EQ(std::string(save_name[4], 30), std::string(30, 'q'));
  destroy_bitmap(erase_savegame);
  destroy_bitmap(memory_screen);
}

namespace {

// A line of a message in the hero's colour under the slot screen's title.
bool message_shown() {
  BITMAP* frame = headless::last_frame();
  if (!frame || !game_load_bmp) return false;
  for (int y = 105; y < 145; ++y)
    for (int x = 100; x < 540; ++x)
      if (getpixel(frame, x, y) == 16000) return true;
  return false;
}

}  // namespace

TEST(SavedGames, LoadGameFromTheMainMenuGoesOnInTheLoadedRoom) {
  fresh_game();
  mkdir("sav", 0755);
  write_file("sav/game02.sav", old_format_slot());
  write_file("sav/game03.sav", old_format_slot().substr(0, 5000));
  bool message = false, message_before = false;
  Player player;
  // Load game sits between New game (y 158..191) and the second button (y 251..284).
  player.click_when(in_main_menu, 150, 221)
      .then([] { return game_load_bmp != nullptr && mouse_b == 0; }, [&] { message_before = message_shown(); })
      .click_when([] { return true; }, 200, 150 + 15 * 3 + 8)  // the damaged slot
      .then(message_shown, [&] { message = true; })
      .click_when([] { return mouse_b == 0; }, 200, 150 + 15 * 2 + 8)
      .then(in_main_loop, [] { headless::stop(); });
  EXPECT_EQ(run_program([] {
              static char name[] = "game";
              char* argv[] = {name, nullptr};
              game_main(1, argv);
            }),
            -2);
  EXPECT_FALSE(message_before);
  EXPECT_TRUE(message) << "a damaged slot says so on the screen";
  EXPECT_STREQ(inventory_obj[1], "Gaz");
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(hero_x, 300);
  EXPECT_EQ(invent_nr, 2);
  EXPECT_EQ(track_nr, 2);
  EXPECT_EQ(headless::sound().playing_midi, track);
}
