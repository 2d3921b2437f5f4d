// Room state files: the format, round trips, and damaged files.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/room_state.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

// Fills the seven arrays with values that differ by every subscript, so that a
// wrong loop order or a swapped array shows.
void fill_distinct() {
  for (int k = 0; k < 10; ++k) {
    furni_present[k] = k % 2;
    furni_anim[k] = 10 + k;
    person_present[k] = (k + 1) % 2;
    person_anim[k] = k == 3 ? -1 : 20 + k;
  }
  for (int p = 0; p < 10; ++p)
    for (int c5 = 0; c5 < 6; ++c5)
      for (int c4 = 0; c4 < 6; ++c4)
        for (int c3 = 0; c3 < 6; ++c3)
          for (int c2 = 0; c2 < 6; ++c2)
            for (int c1 = 0; c1 < 6; ++c1) {
              const int v = ((((p * 6 + c1) * 6 + c2) * 6 + c3) * 6 + c4) * 6 + c5;
              talk_tree[p].node[c1][c2][c3][c4][c5].s_call_nr = v - 5;
              talk_tree[p].node[c1][c2][c3][c4][c5].s_present = v % 2;
              talk_tree[p].node[c1][c2][c3][c4][c5].s_exit = v % 3;
            }
}

}  // namespace

TEST(RoomStateFile, IsWrittenInItsOrderWithOneBlankAfterEveryNumber) {
  fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  fill_distinct();
  temp_file = "sav/tmp/test.sav";
  ASSERT_EQ(save_temp(), 0);
  const std::string text = read_file("sav/tmp/test.sav");
  // Furniture interleaved, then persons interleaved.
  EXPECT_EQ(text.substr(0, 20), "0 10 1 11 0 12 1 13 ");
  const size_t persons = text.find("1 20 0 21 1 22 0 -1 ");
  EXPECT_NE(persons, std::string::npos);
  // The first dialogue nodes: (p0, c1 0 .. c5 0..5): c5 varies fastest in the file.
  size_t pos = 0;
  int seen = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == ' ' && ++seen == 40) pos = i + 1;
  EXPECT_EQ(text.substr(pos, 24), "-5 0 0 -4 1 1 -3 0 2 -2 ");
  // 233,320 numbers, each followed by exactly one blank, nothing else.
  int blanks = 0;
  for (char c : text) blanks += c == ' ';
  EXPECT_EQ(blanks, kStateNumbers);
  EXPECT_EQ(text.back(), ' ');
  EXPECT_EQ(text.find("  "), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_NE(access("sav/tmp/test.sav.tmp", F_OK), 0) << "no temporary file left behind";
}

TEST(RoomStateFile, RoundTripRestoresAllSevenArraysExactly) {
  fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  fill_distinct();
  temp_file = "sav/tmp/test.sav";
  ASSERT_EQ(save_temp(), 0);
  reset_world();
  temp_file = "sav/tmp/test.sav";
  ASSERT_EQ(load_temp(), 0);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(furni_present[k], k % 2);
    EXPECT_EQ(furni_anim[k], 10 + k);
    EXPECT_EQ(person_anim[k], k == 3 ? -1 : 20 + k);
  }
  int wrong = 0;
  for (int p = 0; p < 10; ++p)
    for (int c5 = 0; c5 < 6; ++c5)
      for (int c4 = 0; c4 < 6; ++c4)
        for (int c3 = 0; c3 < 6; ++c3)
          for (int c2 = 0; c2 < 6; ++c2)
            for (int c1 = 0; c1 < 6; ++c1) {
              const int v = ((((p * 6 + c1) * 6 + c2) * 6 + c3) * 6 + c4) * 6 + c5;
              wrong += talk_tree[p].node[c1][c2][c3][c4][c5].s_call_nr != v - 5;
              wrong += talk_tree[p].node[c1][c2][c3][c4][c5].s_present != v % 2;
              wrong += talk_tree[p].node[c1][c2][c3][c4][c5].s_exit != v % 3;
            }
  EXPECT_EQ(wrong, 0);
}

TEST(RoomStateFile, AHandMadeFileIsReadInTheFileOrder) {
  fresh_game();
  // Every number 0 except: furniture slot 2's state 7, person slot 1 absent
  // (-1), and the node (person 1, c1 2, c2 0, c3 0, c4 0, c5 3)'s call number 9.
  std::string text;
  for (int i = 0; i < kStateNumbers; ++i) {
    int v = 0;
    if (i == 5) v = 7;                  // furni_anim[2]
    if (i == 22) v = -1;                // person_present[1]
    const int node = 1 * 7776 + 2 * 1296 + 3;  // p 1, c1 2, c5 3 in file order
    if (i == 40 + node * 3) v = 9;
    text += std::to_string(v) + (i % 7 == 0 ? "\r\n" : " ");  // any white space between numbers
  }
  write_file("hand.sav", text);
  temp_file = "hand.sav";
  ASSERT_EQ(load_temp(), 0);
  EXPECT_EQ(furni_anim[2], 7);
  EXPECT_EQ(person_present[1], -1);
  EXPECT_EQ(talk_tree[1].node[2][0][0][0][3].s_call_nr, 9);
  EXPECT_EQ(talk_tree[1].node[3][0][0][0][2].s_call_nr, 0) << "subscripts swapped";
}

TEST(RoomStateFile, DamagedFilesChangeNothingAndAreReported) {
  fresh_game();
  bug_report = std::fopen("bugs.txt", "w");
  std::string good;
  for (int i = 0; i < kStateNumbers; ++i) good += "3 ";
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"short.sav", good.substr(0, good.size() / 2)},
      {"letters.sav", "1 2 x3 " + good.substr(6)},
      {"extra.sav", good + "4 "},
      {"empty.sav", ""},
      {"huge.sav", "99999999999999 " + good.substr(2)},
  };
  for (const auto& c : cases) {
    write_file(c.name, c.content);
    furni_present[0] = 1;
    furni_anim[0] = 0;
    talk_tree[0].node[0][0][0][0][0].s_call_nr = 5;
    temp_file = c.name;
    EXPECT_EQ(load_temp(), -1) << c.name;
    EXPECT_EQ(furni_present[0], 1) << c.name;
    EXPECT_EQ(furni_anim[0], 0) << c.name;
    EXPECT_EQ(talk_tree[0].node[0][0][0][0][0].s_call_nr, 5) << c.name;
  }
  temp_file = "missing.sav";
  EXPECT_EQ(load_temp(), -1);
  std::fclose(bug_report);
  bug_report = nullptr;
  const std::string report = read_file("bugs.txt");
  for (const char* name : {"short.sav", "letters.sav", "extra.sav", "empty.sav", "huge.sav", "missing.sav"})
    EXPECT_NE(report.find(name), std::string::npos) << name;
  // A sound file reads.
  write_file("good.sav", good);
  temp_file = "good.sav";
  EXPECT_EQ(load_temp(), 0);
  EXPECT_EQ(furni_anim[0], 3);
}
