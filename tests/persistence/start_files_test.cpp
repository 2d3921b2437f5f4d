// The 43 room state files a fresh start writes and the 43 room datafiles, against checksums of a known-good
// build. To alter them on purpose, record anew (cd build/data && sha256sum sav/tmp/*.sav <the room datafiles>)
// and say why in the commit; a state file that differs between the builds is listed per build, with its language.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include "core/tr.h"
#include "game/game.h"
#include "rooms/registry.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
using Sums = std::map<std::string, std::string>;

// The recorded list's state files, or its datafiles; each room has one of each.
Sums recorded(bool state_files) {
  std::ifstream in(std::string(PELVARO_FIXTURES_DIR) + "/start_files.sha256");
  Sums list;
  for (std::string sum, name, language, line; std::getline(in, line);) {
    std::istringstream fields(line);
    if (!(fields >> sum >> name) || (fields >> language && language != kLanguage)) continue;
    if ((name.rfind("sav/tmp/", 0) == 0) == state_files) list[name] = sum;
  }
  EXPECT_EQ(list.size(), 43u);
  for (const RoomScript* room : kRooms) EXPECT_EQ(list.count(state_files ? room->state_file : room->data_file), 1u);
  return list;
}

// The checksums of the files of `list` in the folder `dir`.
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

// Count, presence and exit of node `dotted` of `person` in a state file: after the 40 numbers of pieces and
// persons, three per node, c1 outermost.
std::vector<int> node_in_file(const std::string& file, int person, const std::string& dotted) {
  std::istringstream in(read_file(file));
  std::vector<int> numbers;
  for (int v; in >> v;) numbers.push_back(v);
  EXPECT_EQ(numbers.size(), 233320u) << file;
  size_t at = person;
  for (size_t i = 0, k = 0; k < 5; ++k, i += 2) at = at * 6 + (i < dotted.size() ? dotted[i] - '0' : 0);
  at = 40 + 3 * at;
  if (at + 2 >= numbers.size()) return {-1, -1, -1};
  return {numbers[at], numbers[at + 1], numbers[at + 2]};
}
}  // namespace

TEST(StartFiles, TheFilesOfAFreshStartAreThoseRecordedWithTheConversationsCounts) {
  EXPECT_EQ(checksums(PELVARO_DATA_DIR, recorded(false)), recorded(false));
  const Sums expected = recorded(true);
  fresh_game();
  Player stop_at_menu;
  stop_at_menu.then(in_main_menu, [] { headless::stop(); });
  static char name[] = "game"; char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { start_up(1, argv); }), -2);
  EXPECT_EQ(checksums(".", expected), expected);

  // What the checksums stand for, in the physics teacher's file: the greeting's answer counts 3 (2 in game_en),
  // the way to the office has a third frightened answer only in game_de. (These also put this file in both builds.)
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1.1"), (std::vector<int>{TR(3, 2), 1, 0}));
  EXPECT_EQ(node_in_file("sav/tmp/fphystp.sav", 0, "1.1.3"), (std::vector<int>{TR(1, 0), TR(1, 0), TR(1, 0)}));
  EXPECT_EQ(node_in_file("sav/tmp/fchimie.sav", 0, "4"), (std::vector<int>{1, 0, TR(1, 0)})) << "withheld";
}
