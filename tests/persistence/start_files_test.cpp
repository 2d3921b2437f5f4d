// The files a fresh start leaves behind, compared with a list of checksums
// recorded from a known-good build: the 43 room state files the start-up
// writes into sav/tmp, and the 43 room datafiles the generator makes. A change
// that only reorganises code must leave every one of them byte for byte.
//
// After a change that is meant to alter them (a room gains a piece, its art is
// redrawn), record the list anew from the build's data folder:
//   cd build/data && sha256sum sav/tmp/*.sav <the 43 room datafiles>
// and say in the commit why they changed. A state file that differs between
// the builds (a conversation differs) is listed once per build, with the
// build's language as a third column.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "rooms/registry.h"
#include "shell/game.h"
#include "shell/tr.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

using Sums = std::map<std::string, std::string>;

// file name -> checksum, from the recorded list ("<sha256>  <path>" a line,
// or "<sha256>  <path>  <language>" for one build only).
Sums recorded(bool state_files) {
  std::ifstream in(std::string(PELVARO_FIXTURES_DIR) + "/start_files.sha256");
  Sums list;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string sum, name, language;
    if (!(fields >> sum >> name)) continue;
    if (fields >> language && language != kLanguage) continue;
    if ((name.rfind("sav/tmp/", 0) == 0) == state_files) list[name] = sum;
  }
  return list;
}

// The checksums of the files of `list`, in the folder `dir`, as sha256sum gives them.
Sums checksums(const std::string& dir, const Sums& list) {
  std::string command = "cd '" + dir + "' && sha256sum";
  for (const auto& entry : list) command += " '" + entry.first + "'";
  Sums sums;
  FILE* out = popen(command.c_str(), "r");
  char sum[65], name[256];
  while (out && std::fscanf(out, "%64s %255s", sum, name) == 2) sums[name] = sum;
  if (out) pclose(out);
  return sums;
}

// One dialogue node's three numbers in a state file: count, presence, exit.
using NodeState = std::vector<int>;

// Node `dotted` of person `person` in the state file `file`: after the 40
// numbers of pieces and persons, three per node, c1 outermost, c5 innermost.
NodeState node_in_file(const std::string& file, int person, const std::string& dotted) {
  std::istringstream in(read_file(file));
  std::vector<int> numbers;
  for (int v; in >> v;) numbers.push_back(v);
  EXPECT_EQ(numbers.size(), 233320u) << file;
  int c[5] = {0, 0, 0, 0, 0};
  for (size_t i = 0, k = 0; i < dotted.size(); i += 2) c[k++] = dotted[i] - '0';
  const size_t at = 40 + 3 * static_cast<size_t>((((((person * 6 + c[0]) * 6 + c[1]) * 6 + c[2]) * 6 + c[3]) * 6 + c[4]));
  if (at + 2 >= numbers.size()) return {-1, -1, -1};
  return {numbers[at], numbers[at + 1], numbers[at + 2]};
}

}  // namespace

TEST(StartFiles, TheStateFilesOfAFreshStartAreThoseRecordedWithTheConversationsCounts) {
  const Sums expected = recorded(true);
  ASSERT_EQ(expected.size(), 43u) << "the recorded list holds one state file per room";
  for (const RoomScript* room : kRooms) EXPECT_EQ(expected.count(room->state_file), 1u) << room->name;
  fresh_game();
  Player stop_at_menu;
  stop_at_menu.then(in_main_menu, [] { headless::stop(); });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { start_up(1, argv); }), -2);
  EXPECT_EQ(checksums(".", expected), expected);

  // The physics teacher: the greeting (derived 7, or 6 in game_en) may lead to
  // one answer only; the way to the office has three frightened answers, two
  // in game_en.
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1"), (NodeState{1, 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1.1"), (NodeState{TR(3, 2), 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1.1.3"), (NodeState{TR(1, 0), TR(1, 0), TR(1, 0)}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1.2"), (NodeState{3, 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "3.1.1.1"), (NodeState{1, 1, 1}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "3.1.1.2"), (NodeState{10000, 1, 1}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 1, "1"), (NodeState{0, 0, 0})) << "Dori says nothing there";
  // Withheld sentences: counted, not offered.
  EXPECT_EQ(node_in_file("sav/tmp/fchimie.sav", 0, "4"), (NodeState{1, 0, TR(1, 0)}));
  EXPECT_EQ(node_in_file("sav/tmp/fcross.sav", 0, "5"), (NodeState{1, 0, 1}));
  // The assistant's telescope question: 4.4.1 and 4.4.2 under it, 4 repeatable.
  EXPECT_EQ(node_in_file("sav/tmp/fphysik.sav", 0, "4"), (NodeState{10000, 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/fphysik.sav", 0, "4.3"), (NodeState{1, 1, 0}));
  // The shared conversation: 4 counts its two leaves; the goodbye 15000 or 10000.
  EXPECT_EQ(node_in_file("sav/tmp/biolog.sav", 0, "4"), (NodeState{2, 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/biolog.sav", 0, "5"), (NodeState{15000, 1, 1}));
  EXPECT_EQ(node_in_file("sav/tmp/physik.sav", 0, "5"), (NodeState{10000, 1, 1}));
  EXPECT_EQ(node_in_file("sav/tmp/kicker.sav", 0, "1"), (NodeState{0, 0, 0})) << "a room without conversations";
}

TEST(StartFiles, TheRoomDatafilesAreThoseRecorded) {
  const Sums expected = recorded(false);
  ASSERT_EQ(expected.size(), 43u) << "the recorded list holds one datafile per room";
  for (const RoomScript* room : kRooms) EXPECT_EQ(expected.count(room->data_file), 1u) << room->name;
  EXPECT_EQ(checksums(PELVARO_DATA_DIR, expected), expected);
}
