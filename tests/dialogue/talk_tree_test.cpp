// The conversation tree: dotted paths, where a node sits in a room's state file, and the tree rules after each
// choice, run step by step on trees written by hand (no game is started).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <set>
#include <sstream>
#include "core/world.h"
#include "dialogue/talk.h"
#include "dialogue/talk_fixtures.h"
#include "persistence/room_state.h"
#include "support/test_support.h"

static_assert(talk_path("1.2.3") == TalkPath{{1, 2, 3, 0, 0}});
static_assert(talk_path("").depth() == 0);
static_assert(talk_path("5.5.5.5.5").depth() == 5);
static_assert(talk_path("3.1").child(2) == talk_path("3.1.2"));
static_assert(talk_path("5.5.5.5.5").child(1) == talk_path("5.5.5.5.5"));
static_assert(talk_path("3.1.2").first(1) == talk_path("3"));

TEST(TalkPath, OnlyDottedChoicesOf1To5DownToTheFifthLevelAreRead) {
  TalkPath p;
  for (const char* bad : {"0", "6", "1..2", "1.", ".1", "12", "1.2.3.4.5.1", "a", "1,2"})
    EXPECT_FALSE(parse_talk_path(bad, p)) << bad;
  EXPECT_TRUE(parse_talk_path("4.2", p));
  EXPECT_EQ(talk_path_name(p), "4.2");
  EXPECT_EQ(talk_path_name(TalkPath{}), "root");
}

TEST(TalkPath, ANodeFoundByItsPathIsWhereTheRoomStateFileHoldsIt) {
  test_support::fresh_game(); mkdir("sav", 0755), mkdir("sav/tmp", 0755);
  TalkNode& n = talk_node(2, talk_path("4.1.3"));
  n.s_call_nr = 77, n.s_present = n.s_exit = 1; temp_file = "sav/tmp/path.sav";
  ASSERT_EQ(save_temp(), 0);
  const std::string text = test_support::read_file("sav/tmp/path.sav");
  // 40 numbers of objects and persons, then three per node: person, c1, c2,
  // c3, c4, c5 nested, c5 innermost, each 0..5.
  const int node = (((((2 * 6 + 4) * 6 + 1) * 6 + 3) * 6 + 0) * 6 + 0);
  size_t pos = 0;
  for (int blanks = 0; blanks < 40 + node * 3; ++pos) blanks += text[pos] == ' ';
  EXPECT_EQ(text.substr(pos, 8), "77 1 1 0");
}

namespace {
// One step of a conversation (a choice 1..5, or 0: a new conversation with the person starts) and what it leaves:
// the menu's rows, the path of the open level (branch1..branch5, "" at the top; nullptr: not checked), whether the
// talk ends, and nodes as "path:uses/offered".
struct Step { int choose; const char *menu, *where; int ends; const char* nodes; };

// The tree as "path:uses" with "!" for a sentence that ends the talk; each sentence reads as its path.
// "shared": the old school's conversation.
struct TalkRun { const char* rule; int person; const char* tree; std::vector<Step> steps; };

void build(int person, const std::string& tree) {
  if (tree == "shared") return talk_fixtures::shared_conversation(person);
  static std::set<std::string> names;  // the nodes' texts must outlive the test
  std::istringstream in(tree);
  for (std::string item; in >> item;) {
    const size_t colon = item.find(':');
    const char* path = names.insert(item.substr(0, colon)).first->c_str();
    talk_fixtures::put(person, path, path, "reply", std::stoi(item.substr(colon + 1)), item.back() == '!');
  }
}

std::string where() {
  std::string w;
  for (int b : {branch1, branch2, branch3, branch4, branch5})
    if (b) w += (w.empty() ? "" : ".") + std::to_string(b);
  return w;
}

void check_nodes(int person, const std::string& nodes) {
  std::istringstream in(nodes);
  for (std::string item; in >> item;) {
    const size_t colon = item.find(':'), slash = item.find('/');
    TalkPath p;
    ASSERT_TRUE(parse_talk_path(item.substr(0, colon), p)) << item;
    const TalkNode& n = talk_node(person, p);
    EXPECT_EQ(std::to_string(n.s_call_nr) + "/" + std::to_string(n.s_present), item.substr(colon + 1)) << item;
  }
}

constexpr const char* kTop =
    "Ekelbatz !!!!!|Wei geet et ?|Wat gett et haut an der Kantin ?|Weini ass den naechsten Test ?|Ech muss goen. Vuri.";
constexpr const char* kTopWithout4 =
    "Ekelbatz !!!!!|Wei geet et ?|Wat gett et haut an der Kantin ?||Ech muss goen. Vuri.";

const TalkRun kRuns[] = {
    {"the worked run of the shared conversation: a sentence with follow-ups opens them and costs nothing; "
     "a leaf costs itself and every sentence above it; used up, it goes", 0, "shared",
     {{0, kTop, "", 0, "4:2/1 5:15000/1"},
      {4, "Wat kennt dann dran ?|Dann bleiwen ech muer doheem.|||", "4", 0, "4:2/1 4.1:1/1"},
      {1, "|Dann bleiwen ech muer doheem.|||", "4", 0, "4.1:0/0 4:1/1"},
      {2, nullptr, "", 1, "4.2:0/0 4:0/0 1:1/1"}, {0, kTopWithout4, "", 0, ""},
      // A repeatable sentence ends the talk and stays offered.
      {5, nullptr, "", 1, "5:14999/1"}, {0, kTopWithout4, "", 0, ""}}},
    {"levels left empty close, as many as are empty, and an empty top ends the talk", 3, "1:1 1.1:1 1.1.1:1 2:1",
     {{0, "1|2|||", "", 0, ""}, {1, "1.1||||", "1", 0, "1:1/1"}, {1, "1.1.1||||", "1.1", 0, ""},
      {1, "|2|||", "", 0, "1:0/0 1.1:0/0 1.1.1:0/0"}, {2, nullptr, nullptr, 1, "2:0/0"}}},
    {"on the fifth level every choice costs itself and all four above and is remembered; with it made, "
     "the exit test of that level is skipped", 0, "1:5 1.1:5 1.1.1:5 1.1.1.1:5 1.1.1.1.1:1! 1.1.1.1.2:3",
     {{0, "1||||", "", 0, ""}, {1, "1.1||||", "1", 0, ""}, {1, "1.1.1||||", "1.1", 0, ""},
      {1, "1.1.1.1||||", "1.1.1", 0, ""}, {1, "1.1.1.1.1|1.1.1.1.2|||", "1.1.1.1", 0, ""},
      {2, nullptr, "1.1.1.1.2", 0, "1.1.1.1.2:2/1 1.1.1.1:4/1 1.1.1:4/1 1.1:4/1 1:4/1"},
      {1, nullptr, nullptr, 0, ""}}},
};
}  // namespace

TEST(TalkTreeRules, EachChoiceLeavesTheCountsTheMenuAndTheEndAsTheRulesSay) {
  for (const TalkRun& run : kRuns) {
    SCOPED_TRACE(run.rule); reset_world();
    build(run.person, run.tree);
    int n = 0;
    for (const Step& s : run.steps) {
      SCOPED_TRACE(testing::Message() << "step " << ++n << ", choice " << s.choose);
      if (s.choose == 0)
        talk_nr = run.person, branch1 = branch2 = branch3 = branch4 = branch5 = exit_talk = 0;
      else
        choice = s.choose, update_talk_tree();
      manage_talk();
      if (s.menu) EXPECT_EQ(talk_fixtures::menu_rows(), s.menu);
      if (s.where) EXPECT_EQ(where(), s.where);
      EXPECT_EQ(exit_talk, s.ends);
      check_nodes(run.person, s.nodes);
    }
  }
}
