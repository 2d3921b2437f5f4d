// Room state files: the format, round trips, damaged files and files that cannot be read or written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include "core/files.h"
#include "core/world.h"
#include "persistence/room_state.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
// Every dialogue node with its number in the file's order (c5 fastest).
template <typename F>
void every_node(F&& f) {
  int v = 0;
  for (auto& tree : talk_tree)
    for (auto& a : tree.node)
      for (auto& b : a)
        for (auto& c : b)
          for (auto& d : c)
            for (TalkNode& n : d) f(n, v++);
}

const std::string kAllThrees = [] {
  std::string s;
  for (int i = 0; i < 233320; ++i) s += "3 ";
  return s;
}();

// A piece's state and a node's count that a failed read must leave alone.
void set_markers() { furni_present[0] = 1, furni_anim[0] = 0, talk_tree[0].node[0][0][0][0][0].s_call_nr = 5; }
bool markers_kept() {
  return furni_present[0] == 1 && furni_anim[0] == 0 && talk_tree[0].node[0][0][0][0][0].s_call_nr == 5;
}
}  // namespace

TEST(RoomStateFile, IsWrittenInItsOrderWithOneBlankAfterEveryNumberAndReadBackExactly) {
  fresh_game(); std::filesystem::create_directories("sav/tmp");
  for (int k = 0; k < 10; ++k) {
    furni_present[k] = k % 2, furni_anim[k] = 10 + k;
    person_present[k] = (k + 1) % 2, person_anim[k] = k == 3 ? -1 : 20 + k;
  }
  // A value that differs by every subscript shows a wrong loop order or a swapped array.
  every_node([](TalkNode& n, int v) { n.s_call_nr = v - 5; n.s_present = v % 2; n.s_exit = v % 3; });
  temp_file = "sav/tmp/test.sav";
  ASSERT_EQ(save_temp(), 0);
  const std::string text = read_file("sav/tmp/test.sav");
  // Furniture interleaved, then persons interleaved, then the nodes.
  EXPECT_EQ(text.substr(0, 20), "0 10 1 11 0 12 1 13 ");
  EXPECT_EQ(text.substr(text.find(" 0 29 ") + 6, 24), "-5 0 0 -4 1 1 -3 0 2 -2 ");
  EXPECT_NE(text.find("1 20 0 21 1 22 0 -1 "), std::string::npos);
  // 233,320 numbers, each followed by exactly one blank, nothing else.
  EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 233320);
  EXPECT_TRUE(text.back() == ' ' && text.find_first_of("\n\r\t") == std::string::npos &&
              text.find("  ") == std::string::npos);
  EXPECT_NE(access(temporary_name("sav/tmp/test.sav").c_str(), F_OK), 0) << "no temporary file left behind";

  reset_world(), temp_file = "sav/tmp/test.sav";
  ASSERT_EQ(load_temp(), 0);
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(std::vector<int>({furni_present[k], furni_anim[k], person_present[k], person_anim[k]}),
              std::vector<int>({k % 2, 10 + k, (k + 1) % 2, k == 3 ? -1 : 20 + k})) << k;
  int wrong = 0;
  every_node([&](TalkNode& n, int v) { wrong += n.s_call_nr != v - 5 || n.s_present != v % 2 || n.s_exit != v % 3; });
  EXPECT_EQ(wrong, 0);

  // A hand-made file, any white space between the numbers: every number 0 but furniture slot 2's state 7,
  // person slot 1 absent (-1), and the call number 9 of person 1's node 2.0.0.0.3.
  std::string hand;
  for (int i = 0; i < 233320; ++i)
    hand += (i == 5 ? "7" : i == 22 ? "-1" : i == 40 + (1 * 7776 + 2 * 1296 + 3) * 3 ? "9" : "0") +
            std::string(i % 7 == 0 ? "\r\n" : " ");
  write_file("hand.sav", hand), temp_file = "hand.sav";
  ASSERT_EQ(load_temp(), 0);
  EXPECT_EQ(std::vector<int>({furni_anim[2], person_present[1], talk_tree[1].node[2][0][0][0][3].s_call_nr,
                              talk_tree[1].node[3][0][0][0][2].s_call_nr}), std::vector<int>({7, -1, 9, 0}));
}

TEST(RoomStateFile, DamagedFilesAndFifosChangeNothingAndAreReported) {
  fresh_game();
  alarm(60);  // a FIFO that blocked would hang the test
  ASSERT_EQ(mkfifo("fifo.sav", 0644), 0);
  bug_report = std::fopen("bugs.txt", "w");
  const std::pair<const char*, std::string> cases[] = {
      {"short.sav", kAllThrees.substr(0, kAllThrees.size() / 2)}, {"letters.sav", "1 2 x3 " + kAllThrees.substr(6)},
      {"extra.sav", kAllThrees + "4 "}, {"empty.sav", ""}, {"huge.sav", "99999999999999 " + kAllThrees.substr(2)},
      {"missing.sav", "-"}, {"fifo.sav", "-"},
  };
  for (const auto& [name, content] : cases) {
    if (content != "-") write_file(name, content);
    set_markers(); temp_file = name;
    EXPECT_EQ(load_temp(), -1) << name;
    EXPECT_TRUE(markers_kept()) << name;
  }
  alarm(0); std::fclose(bug_report), bug_report = nullptr;
  testing::internal::CaptureStderr();  // without bugs.txt the reason goes to the console
  load_temp();
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Pelvaro: room state file fifo.sav: it is not a regular"),
            std::string::npos);
  const std::string report = read_file("bugs.txt");
  for (const auto& c : cases) EXPECT_NE(report.find(c.first), std::string::npos) << c.first;
  EXPECT_NE(report.find("fifo.sav: it is not a regular file"), std::string::npos);
  write_file("good.sav", kAllThrees), temp_file = "good.sav";
  EXPECT_TRUE(load_temp() == 0 && furni_anim[0] == 3) << "a sound file reads";
}

TEST(RoomStateFile, AFileThatCannotBeWrittenIsKeptInMemoryUntilItCanBeAndNothingIsRemoved) {
  fresh_game(), bug_report = std::fopen("bugs.txt", "w");
  std::filesystem::create_directories("sav/tmp"); temp_file = "sav/tmp/test.sav";
  write_file("sav/tmp/test.sav", kAllThrees);  // an earlier state
  // A full disk: the temporary file leads to /dev/full.
  ASSERT_EQ(symlink("/dev/full", temporary_name("sav/tmp/test.sav").c_str()), 0);
  set_markers(); testing::internal::CaptureStderr();
  EXPECT_EQ(save_temp(), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(read_file("sav/tmp/test.sav"), kAllThrees) << "the earlier file stays";
  furni_present[0] = 0;
  EXPECT_TRUE(load_temp() == 0 && markers_kept()) << "the state comes back from memory";
  EXPECT_NE(err.find("could not be saved to sav/tmp/test.sav: No space left on device"), std::string::npos) << err;
  std::fclose(bug_report), bug_report = nullptr;
  EXPECT_NE(read_file("bugs.txt").find("sav/tmp/test.sav: cannot be written (No space left on device)"),
            std::string::npos);
  // Space again: the next room written writes it too.
  unlink(temporary_name("sav/tmp/test.sav").c_str()); temp_file = "sav/tmp/other.sav";
  EXPECT_EQ(save_temp(), 0);
  EXPECT_EQ(read_file("sav/tmp/test.sav"), read_file("sav/tmp/other.sav"));
}
