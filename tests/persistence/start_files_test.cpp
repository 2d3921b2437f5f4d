// The files a fresh start leaves behind, compared with a list of checksums
// recorded from a known-good build: the 43 room state files the start-up
// writes into sav/tmp, and the 43 room datafiles the generator makes. A change
// that only reorganises code must leave every one of them byte for byte.
//
// After a change that is meant to alter them (a room gains a piece, its art is
// redrawn), record the list anew from the build's data folder:
//   cd build/data && sha256sum sav/tmp/*.sav <the 43 room datafiles>
// and say in the commit why they changed.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/headless.h"
#include "rooms/registry.h"
#include "shell/game.h"
#include "support/sha256.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

// file name -> checksum, from the recorded list ("<sha256>  <path>" a line).
std::map<std::string, std::string> recorded(const std::string& prefix) {
  std::ifstream in(std::string(PELVARO_FIXTURES_DIR) + "/start_files.sha256");
  std::map<std::string, std::string> list;
  std::string sum, name;
  while (in >> sum >> name)
    if (name.rfind(prefix, 0) == 0) list[name] = sum;
  return list;
}

}  // namespace

TEST(StartFiles, TheStateFilesOfAFreshStartAreThoseRecorded) {
  const auto expected = recorded("sav/tmp/");
  ASSERT_EQ(expected.size(), 43u) << "the recorded list holds one state file per room";
  fresh_game();
  Player stop_at_menu;
  stop_at_menu.then(in_main_menu, [] { headless::stop(); });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { start_up(1, argv); }), -2);
  for (const auto& [name, sum] : expected) {
    const std::string content = read_file(here(name));
    EXPECT_FALSE(content.empty()) << name;
    EXPECT_EQ(sha256_hex(content), sum) << name;
  }
  // The registry names exactly these files.
  for (const RoomScript* room : kRooms) EXPECT_EQ(expected.count(room->state_file), 1u) << room->name;
}

TEST(StartFiles, TheRoomDatafilesAreThoseRecorded) {
  std::map<std::string, std::string> expected;
  for (const auto& [name, sum] : recorded(""))
    if (name.find('/') == std::string::npos) expected[name] = sum;
  ASSERT_EQ(expected.size(), 43u) << "the recorded list holds one datafile per room";
  for (const auto& [name, sum] : expected)
    EXPECT_EQ(sha256_hex(read_file(std::string(PELVARO_DATA_DIR) + "/" + name)), sum) << name;
  for (const RoomScript* room : kRooms) EXPECT_EQ(expected.count(room->data_file), 1u) << room->name;
}
