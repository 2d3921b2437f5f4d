// The conversation tree: dotted paths, where a node sits in a room's state
// file, the tree rules after a choice, and the checks over a room's tables.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "dialogue/talk.h"
#include "persistence/room_state.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

// A node with a one-line sentence and reply, offered, with `count` uses.
void put(int person, const TalkPath& path, const char* said, int count, int ends = 0) {
  TalkNode& n = talk_node(person, path);
  n.sentence[0] = said;
  n.sentence[1] = n.sentence[2] = "";
  n.reply[0] = "reply";
  n.reply[1] = n.reply[2] = "";
  n.s_present = 1;
  n.s_call_nr = count;
  n.s_exit = ends;
}

// The sentences the current menu offers, by option (rows 1..5; "" = none).
std::vector<std::string> offered() {
  std::vector<std::string> rows;
  for (int c = 1; c <= 5; ++c) rows.push_back(input_text[c][0] ? input_text[c][0] : "");
  return rows;
}

void choose(int c) {
  choice = c;
  update_talk_tree();
  manage_talk();
}

void start_conversation(int person) {
  talk_nr = person;
  branch1 = branch2 = branch3 = branch4 = branch5 = 0;
  exit_talk = 0;
  manage_talk();
}

// The conversation shared by three rooms of the old school (person 0): five
// top-level sentences, 4 opening 4.1 and 4.2; 1, 2, 3, 4.1 and 4.2 are used
// once, 4 twice (once per leaf), 5 15000 times; 5 and 4.2 end it.
void shared_conversation() {
  put(0, talk_path("1"), "Ekelbatz !!!!!", 1);
  put(0, talk_path("2"), "zwei", 1);
  put(0, talk_path("3"), "drei", 1);
  put(0, talk_path("4"), "vier", 2);
  put(0, talk_path("4.1"), "vier eins", 1);
  put(0, talk_path("4.2"), "vier zwei", 1, 1);
  put(0, talk_path("5"), "Ech muss goen. Vuri.", 15000, 1);
}

class TalkTreeRules : public testing::Test {
 protected:
  void SetUp() override { reset_world(); }
};

}  // namespace

TEST(TalkPath, DottedPathsNameNodesDownToTheFifthLevel) {
  static_assert(talk_path("1.2.3") == TalkPath{{1, 2, 3, 0, 0}});
  static_assert(talk_path("").depth() == 0);
  static_assert(talk_path("5.5.5.5.5").depth() == 5);
  static_assert(talk_path("3.1").child(2) == talk_path("3.1.2"));
  static_assert(talk_path("3.1.2").first(1) == talk_path("3"));
  TalkPath p;
  for (const char* bad : {"0", "6", "1..2", "1.", ".1", "12", "1.2.3.4.5.1", "a", "1,2"})
    EXPECT_FALSE(parse_talk_path(bad, p)) << bad;
  EXPECT_TRUE(parse_talk_path("4.2", p));
  EXPECT_EQ(talk_path_name(p), "4.2");
  EXPECT_EQ(talk_path_name(TalkPath{}), "root");
}

TEST(TalkPath, ANodeFoundByItsPathIsWhereTheRoomStateFileHoldsIt) {
  test_support::fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  talk_node(2, talk_path("4.1.3")).s_call_nr = 77;
  talk_node(2, talk_path("4.1.3")).s_present = 1;
  talk_node(2, talk_path("4.1.3")).s_exit = 1;
  temp_file = "sav/tmp/path.sav";
  ASSERT_EQ(save_temp(), 0);
  const std::string text = test_support::read_file("sav/tmp/path.sav");
  // 40 numbers of objects and persons, then three per node: person, c1, c2,
  // c3, c4, c5 nested, c5 innermost, each 0..5.
  const int node = (((((2 * 6 + 4) * 6 + 1) * 6 + 3) * 6 + 0) * 6 + 0);
  size_t pos = 0;
  for (int blanks = 0; blanks < 40 + node * 3; ++pos) blanks += text[pos] == ' ';
  EXPECT_EQ(text.substr(pos, 8), "77 1 1 0");
}

TEST_F(TalkTreeRules, TheWorkedRunOfTheSharedConversation) {
  shared_conversation();
  start_conversation(0);
  EXPECT_EQ(offered(), (std::vector<std::string>{"Ekelbatz !!!!!", "zwei", "drei", "vier", "Ech muss goen. Vuri."}));

  // 4 has offered follow-ups: no count changes, the menu opens them.
  choose(4);
  EXPECT_EQ(branch1, 4);
  EXPECT_EQ(talk_node(0, talk_path("4")).s_call_nr, 2);
  EXPECT_EQ(talk_node(0, talk_path("4.1")).s_call_nr, 1);
  EXPECT_EQ(exit_talk, 0);
  EXPECT_EQ(offered(), (std::vector<std::string>{"vier eins", "vier zwei", "", "", ""}));

  // 4.1 is a leaf: it and 4 each lose one use; 4.1 goes, the level stays.
  choose(1);
  EXPECT_EQ(talk_node(0, talk_path("4.1")).s_call_nr, 0);
  EXPECT_EQ(talk_node(0, talk_path("4")).s_call_nr, 1);
  EXPECT_EQ(talk_node(0, talk_path("4.1")).s_present, 0);
  EXPECT_EQ(talk_node(0, talk_path("4")).s_present, 1);
  EXPECT_EQ(branch1, 4);
  EXPECT_EQ(exit_talk, 0);
  EXPECT_EQ(offered(), (std::vector<std::string>{"", "vier zwei", "", "", ""}));

  // 4.2: both drop to 0 and go, 4.2 ends the conversation, level (4) closes.
  choose(2);
  EXPECT_EQ(talk_node(0, talk_path("4.2")).s_call_nr, 0);
  EXPECT_EQ(talk_node(0, talk_path("4")).s_call_nr, 0);
  EXPECT_EQ(talk_node(0, talk_path("4.2")).s_present, 0);
  EXPECT_EQ(talk_node(0, talk_path("4")).s_present, 0);
  EXPECT_EQ(exit_talk, 1);
  EXPECT_EQ(branch1, 0);

  // The next conversation with the same person.
  start_conversation(0);
  EXPECT_EQ(offered(), (std::vector<std::string>{"Ekelbatz !!!!!", "zwei", "drei", "", "Ech muss goen. Vuri."}));
  EXPECT_EQ(talk_node(0, talk_path("5")).s_call_nr, 15000);
}

TEST_F(TalkTreeRules, ARepeatableSentenceEndsTheConversationAndStaysOffered) {
  shared_conversation();
  start_conversation(0);
  choose(5);
  EXPECT_EQ(exit_talk, 1);
  EXPECT_EQ(talk_node(0, talk_path("5")).s_call_nr, 14999);
  start_conversation(0);
  EXPECT_EQ(offered()[4], "Ech muss goen. Vuri.");
}

TEST_F(TalkTreeRules, EmptyLevelsCloseAsManyAsAreEmptyAndAnEmptyTopEndsTheTalk) {
  // 1 -> 1.1 -> 1.1.1 (each single use) and 2; from (1, 1) the last leaf
  // empties both levels above it.
  put(3, talk_path("1"), "eins", 1);
  put(3, talk_path("1.1"), "eins eins", 1);
  put(3, talk_path("1.1.1"), "eins eins eins", 1);
  put(3, talk_path("2"), "zwei", 1);
  start_conversation(3);
  choose(1);
  choose(1);
  EXPECT_EQ(branch1, 1);
  EXPECT_EQ(branch2, 1);
  EXPECT_EQ(offered(), (std::vector<std::string>{"eins eins eins", "", "", "", ""}));
  choose(1);
  EXPECT_EQ(branch1, 0);
  EXPECT_EQ(branch2, 0);
  EXPECT_EQ(exit_talk, 0);
  EXPECT_EQ(offered(), (std::vector<std::string>{"", "zwei", "", "", ""}));
  // The last top-level sentence used: nothing is left, the talk ends.
  choose(2);
  EXPECT_EQ(exit_talk, 1);
}

TEST_F(TalkTreeRules, OnTheFifthLevelEveryChoiceCostsAndIsRemembered) {
  put(0, talk_path("1"), "a", 5);
  put(0, talk_path("1.1"), "b", 5);
  put(0, talk_path("1.1.1"), "c", 5);
  put(0, talk_path("1.1.1.1"), "d", 5);
  put(0, talk_path("1.1.1.1.1"), "e", 1, 1);
  put(0, talk_path("1.1.1.1.2"), "f", 3);
  start_conversation(0);
  for (int i = 0; i < 4; ++i) choose(1);
  ASSERT_EQ(talk_depth(), 4);
  EXPECT_EQ(offered(), (std::vector<std::string>{"e", "f", "", "", ""}));
  choose(2);  // costs 1.1.1.1.2 and all four above, children or not
  EXPECT_EQ(branch5, 2);
  EXPECT_EQ(talk_node(0, talk_path("1.1.1.1.2")).s_call_nr, 2);
  EXPECT_EQ(talk_node(0, talk_path("1")).s_call_nr, 4);
  EXPECT_EQ(talk_node(0, talk_path("1.1.1.1")).s_call_nr, 4);
  // With a fifth-level choice made, the exit test at this level is skipped.
  choose(1);
  EXPECT_EQ(exit_talk, 0);
}

TEST(TalkTreeChecks, AFifthLevelAWideLineAndAnOrphanAreReportedByNode) {
  test_support::fresh_game();
  dialogue_support::load_font();
  put(0, talk_path("1"), "Hallo", 1);
  put(0, talk_path("1.1"), "Wie geht's ?", 1);
  put(2, talk_path("1"), "a", 1);
  put(2, talk_path("1.1"), "b", 1);
  put(2, talk_path("1.1.1"), "c", 1);
  put(2, talk_path("1.1.1.1"), "d", 1);
  EXPECT_TRUE(dialogue_support::talk_tree_problems("biolog").empty()) << "four levels and short lines are fine";

  put(2, talk_path("1.1.1.1.1"), "e", 1);
  const std::string wide(80, 'W');
  talk_node(0, talk_path("1.1")).reply[1] = wide.c_str();
  put(0, talk_path("3.2"), "x", 1);
  const auto problems = dialogue_support::talk_tree_problems("biolog");
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(problems[0].find("room biolog, person 0, node 1.1, reply line 1"), std::string::npos) << problems[0];
  EXPECT_NE(problems[0].find("wider than the band from 40 to 600"), std::string::npos);
  EXPECT_NE(problems[1].find("person 0, node 3.2: its parent holds no sentence"), std::string::npos) << problems[1];
  EXPECT_NE(problems[2].find("person 2, node 1.1.1.1.1: a sentence on level 5"), std::string::npos) << problems[2];
}

TEST(TalkTreeChecks, TheBandIs560PixelsWide) {
  test_support::fresh_game();
  dialogue_support::load_font();
  // Grow a line to the widest that fits; one more letter does not.
  std::string line;
  while (dialogue_support::line_width((line + "m").c_str()) <= 560) line += "m";
  EXPECT_EQ(dialogue_support::line_problem("class", "a look", line.c_str()), "");
  line += "m";
  EXPECT_NE(dialogue_support::line_problem("class", "a look", line.c_str()).find("room class, a look"),
            std::string::npos);
}
