// The nine rooms' conversations as entering a room builds them: counts derived from a tree's shape, the rooms'
// overrides against a table written here, the builds' differences, and what a few choices leave offered.
#include <gtest/gtest.h>
#include <set>
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "dialogue/talk_data.h"
#include "dialogue/talk_fixtures.h"
#include "rooms/registry.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {
TalkPath path_of(const std::string& dotted) {
  TalkPath p;
  EXPECT_TRUE(parse_talk_path(dotted, p)) << dotted;
  return p;
}

TalkNode& node(int person, const std::string& dotted) { return talk_tree[person].at(path_of(dotted)); }

// The room's conversations built as entering the room builds them.
void build_talk(const char* room) { reset_world(), room_name = room, load_new_talking(); }

// The conversation's choices, one after the other from the top level, each
// followed by the room's detection and the tree updates.
void choose(int person, const std::string& dotted) {
  talk_nr = person, branch1 = branch2 = branch3 = branch4 = branch5 = exit_talk = 0;
  const TalkPath p = path_of(dotted);
  for (int level = 0; level < p.depth(); ++level) choice = p.c[level], detect_cons_sent(), update_talk_tree();
}

// The top-level sentences the next conversation with `person` offers.
std::set<std::string> offered_at_top(int person) {
  std::set<std::string> top;
  for (int c = 1; c <= 5; ++c)
    if (talk_tree[person].node[c][0][0][0][0].s_present == 1) top.insert(std::to_string(c));
  return top;
}

bool de() { return std::string(kLanguage) == "de"; }
}  // namespace

TEST(DerivedCounts, EveryLeafCountsOnceUpwardsAndGapsCountAsTheRuleSays) {
  test_support::fresh_game(), erase_talk_data();
  for (const char* d : {"1", "1.1", "1.3", "2", "2.2", "3", "3.1", "3.1.1", "3.1.1.1", "3.1.1.1.1", "3.1.1.1.2",
                        "3.1.1.1.4", "3.1.1.2", "4"})
    node(0, d).sentence[0] = "x";
  node(7, "1").sentence[0] = node(7, "1.1").sentence[0] = node(7, "1.2").sentence[0] = "y";
  check_s_present(), check_s_call_nr();
  // 1: two leaves, the gap at 1.2 adds nothing. 2: a missing first follow-up counts 1, then
  // the leaf after it. 3: the fifth level counts up to its first gap. 4: a top-level leaf.
  for (auto [path, uses] : std::initializer_list<std::pair<const char*, int>>{
           {"1", 2}, {"1.1", 1}, {"1.2", 0}, {"1.3", 1}, {"2", 2}, {"2.2", 1}, {"3.1.1.1.1", 1}, {"3.1.1.1.2", 1},
           {"3.1.1.1.4", 0}, {"3.1.1.1", 2}, {"3.1.1.2", 1}, {"3.1.1", 3}, {"3.1", 3}, {"3", 3}, {"4", 1}, {"5", 0}})
    EXPECT_EQ(node(0, path).s_call_nr, uses) << path;
  EXPECT_EQ(node(7, "1").s_call_nr, 2) << "every person's tree";
  // Presence follows the sentences alone: 3.1.1.1.4 yes, 1.2 and the root no.
  EXPECT_EQ((std::vector<int>{node(0, "3.1.1.1.4").s_present, node(0, "1.2").s_present,
                              talk_tree[0].node[0][0][0][0][0].s_present}), (std::vector<int>{1, 0, 0}));
}

TEST(DerivedCounts, ThePhysicsTeachersGreetingDerives7Or6AndIsOverriddenTo1AndTheBuildsDifferInIt) {
  test_support::fresh_game(), room_name = "future_physiktp", erase_talk_data(), talking_room();
  check_s_present(), check_s_call_nr();
  // game_en has two frightened answers at 1.1, game_de three (the third ends the talk).
  for (auto [path, uses] : std::initializer_list<std::pair<const char*, int>>{
           {"1", TR(7, 6)}, {"1.1", TR(3, 2)}, {"1.2", 3}, {"2", 4}, {"3", 4}, {"3.1.1", 2}})
    EXPECT_EQ(node(0, path).s_call_nr, uses) << path;
  EXPECT_EQ(has_sentence(node(0, "1.1.3")), de());
  EXPECT_STREQ(node(0, "1").sentence[0], TR("Hallo Herr Zirud !", "Hello Mister Zirud !"));
  EXPECT_STREQ(node(0, "3").reply[0], TR("Dazu brauchst du eine Zugangskarte.", "You need an access card."));
  s_extra();
  for (auto [path, uses] : std::initializer_list<std::pair<const char*, int>>{
           {"1", 1}, {"1.1", TR(3, 2)}, {"2", 10000}, {"2.2", 1}})  // overriding a parent leaves its children
    EXPECT_EQ(node(0, path).s_call_nr, uses) << path;
}

namespace {
// One row of the table of the game's conversations.
struct Row { const char* room; int person, top, deepest; std::set<std::string> repeatable; int repeat_count;
             std::set<std::string> endings, withheld; };

std::vector<Row> conversation_table() {
  std::set<std::string> physiktp_endings = {"4",     "2.4",   "3.3",   "1.3",     "1.1.1",  "1.1.2",
                                            "1.2.1", "1.2.2", "1.2.3", "3.1.1.1", "3.1.1.2"};
  std::set<std::string> chimie_endings = {"3"};
  if (de()) physiktp_endings.insert("1.1.3"), chimie_endings.insert("4");
  return {
      {"future_biolog", 0, 5, 1, {"5"}, 15000, {"5"}, {}},
      {"future_chimie", 0, 4, 1, {"3"}, 15000, chimie_endings, {"4"}},
      {"future_chimie", 1, 2, 1, {"1", "2"}, 15000, {"2"}, {}},
      {"future_crossing", 0, 5, 1, {"2", "3", "4"}, 15000, {"4", "5"}, {"5"}},
      {"future_floor2", 0, 4, 1, {"1", "4"}, 15000, {"1", "4"}, {}},
      {"future_physik", 0, 5, 3, {"2", "3", "4", "5", "2.4", "3.2", "4.4", "4.5", "4.4.2"}, 10000,
       {"5", "2.4", "3.2", "4.5", "4.4.1", "4.4.2"}, {}},
      {"future_physiktp", 0, 4, 4, {"2", "3", "4", "2.1", "2.4", "3.1", "3.3", "3.1.1", "3.1.1.2"}, 10000,
       physiktp_endings, {}},
  };
}
}  // namespace

TEST(RoomConversations, EveryPersonsTreeHasTheCountsEndingsAndWithheldSentencesOfTheTable) {
  for (const Row& row : conversation_table()) {
    SCOPED_TRACE(std::string(row.room) + " person " + std::to_string(row.person));
    build_talk(row.room);
    int top = 0, deepest = 0;
    std::set<std::string> repeatable, endings, withheld;
    for_each_talk_path([&](const TalkPath& p) {
      const TalkNode& n = talk_tree[row.person].at(p);
      const std::string name = talk_path_name(p);
      if (n.s_exit == 1) endings.insert(name);
      if (!has_sentence(n)) return;
      if (p.depth() == 1) ++top;
      deepest = std::max(deepest, p.depth());
      if (n.s_call_nr >= 10000) {
        repeatable.insert(name);
        EXPECT_EQ(n.s_call_nr, row.repeat_count) << name;
      }
      if (n.s_present == 0) withheld.insert(name);
    });
    EXPECT_EQ(top * 10 + deepest, row.top * 10 + row.deepest) << "top-level sentences, levels";
    EXPECT_EQ((std::vector<std::set<std::string>>{repeatable, endings, withheld}),
              (std::vector<std::set<std::string>>{row.repeatable, row.endings, row.withheld}));
  }
}

TEST(RoomConversations, TheOldSchoolsTeachersShareTheConversationTheTestsWriteByHand) {
  for (const char* room : {"biolog", "class", "physik"}) {
    SCOPED_TRACE(room); build_talk(room);
    int nodes = 0;
    for_each_talk_path([&](const TalkPath& p) { nodes += has_sentence(talk_tree[0].at(p)); });
    EXPECT_EQ(nodes, 7);
    for (const talk_fixtures::SharedNode& want : talk_fixtures::kShared) {
      SCOPED_TRACE(want.path);
      const TalkNode& n = node(0, want.path);
      EXPECT_EQ(std::string(n.sentence[0]) + "|" + n.reply[0], std::string(want.said) + "|" + want.answer);
      // The physics teacher lets the hero take his leave 10000 times only.
      const int count = std::string(room) == "physik" && want.count == 15000 ? 10000 : want.count;
      EXPECT_EQ((std::vector<int>{n.s_call_nr, n.s_present, n.s_exit}), (std::vector<int>{count, 1, want.ends}));
    }
  }
}

TEST(RoomConversations, OnlyTheNineRoomsTalkAndEveryLineFitsTheBandNoTreeIsDeeperThanFourAndNoOverrideMisses) {
  const std::set<std::string> talking = {"biolog",        "class",           "physik",        "future_biolog",
                                         "future_chimie", "future_crossing", "future_floor2", "future_physik",
                                         "future_physiktp"};
  for (const RoomScript* room : kRooms) {
    SCOPED_TRACE(room->name);
    build_talk(room->name), dialogue_support::load_font();  // after the world's reset
    std::set<int> persons;
    for (int p = 0; p < kMaxPersons; ++p)
      for_each_talk_path([&](const TalkPath& path) {
        if (has_sentence(talk_tree[p].at(path))) persons.insert(p);
      });
    if (!talking.count(room->name))
      EXPECT_TRUE(persons.empty());
    else
      EXPECT_EQ(persons, (std::string(room->name) == "future_chimie" ? std::set<int>{0, 1} : std::set<int>{0}));
    for (const std::string& problem : dialogue_support::talk_tree_problems(room->name)) ADD_FAILURE() << problem;
    for (const std::string& problem : dialogue_support::talk_override_problems(room->name)) ADD_FAILURE() << problem;
  }
}

TEST(RoomConversations, TheDetectedChoicesRaiseTheirFlagsAndLeaveTheirSentencesOffered) {
  // The greeting in future_physiktp allows one leaf only.
  std::vector<std::string> leaves = {"1.1.1", "1.1.2", "1.2.1", "1.2.2", "1.2.3", "1.3"};
  if (de()) leaves.push_back("1.1.3");
  for (const std::string& leaf : leaves) {
    SCOPED_TRACE(leaf); build_talk("future_physiktp");
    choose(0, leaf);
    EXPECT_EQ(exit_talk, 1);
    EXPECT_EQ(offered_at_top(0), (std::set<std::string>{"2", "3", "4"}));
  }
  // After the access card the teacher offers only 2 and 4, and 2 still opens all its follow-ups.
  build_talk("future_physiktp"), choose(0, "3.1.1.1");
  EXPECT_EQ(cons_gotaccesscard + exit_talk, 2) << "accepting ends the conversation";
  EXPECT_EQ(offered_at_top(0), (std::set<std::string>{"2", "4"}));
  for (const char* follow : {"2.1", "2.2", "2.3", "2.4"}) EXPECT_EQ(node(0, follow).s_present, 1) << follow;
  branch1 = branch2 = branch3 = branch4 = 0; manage_talk();
  EXPECT_EQ(talk_fixtures::menu_rows(),
            std::string("|") + node(0, "2").sentence[0] + "||" + node(0, "4").sentence[0] + "|");
  // The others.
  build_talk("future_physik"), choose(0, "4.4.2");
  EXPECT_EQ(cons_adyteleskop, 0) << "just curious";
  choose(0, "4.4.1");
  EXPECT_EQ(cons_adyteleskop, 1);
  build_talk("future_floor2"), choose(0, "1");
  EXPECT_EQ(cons_policemad, 1);
  build_talk("future_crossing");
  node(0, "5").s_present = 1;  // offered by the story once the lead is delivered
  choose(0, "5");
  EXPECT_EQ(cons_gotglasses, 1);
  build_talk("future_chimie"), choose(1, "1");
  EXPECT_EQ(cons_gotblei, 0) << "the teacher at the bench";
  node(0, "4").s_present = 1, choose(0, "4");
  EXPECT_EQ(cons_gotblei, 1);
  EXPECT_EQ(exit_talk, de() ? 1 : 0) << "the solution ends the conversation in game_de only";
}
