// Room state files: the format, round trips, and damaged files.
#include <gtest/gtest.h>

#include <string>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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

namespace {

std::string all_threes() {
  std::string good;
  for (int i = 0; i < kStateNumbers; ++i) good += "3 ";
  return good;
}

void set_markers() {
  furni_present[0] = 1;
  furni_anim[0] = 0;
  talk_tree[0].node[0][0][0][0][0].s_call_nr = 5;
}

bool markers_kept() {
  return furni_present[0] == 1 && furni_anim[0] == 0 && talk_tree[0].node[0][0][0][0][0].s_call_nr == 5;
}

}  // namespace

TEST(RoomStateFile, AFileThatCannotBeWrittenIsRemovedSoTheRoomKeepsItsScriptsState) {
  fresh_game();
  bug_report = std::fopen("bugs.txt", "w");
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  temp_file = "sav/tmp/test.sav";
  write_file("sav/tmp/test.sav", all_threes());  // an earlier state
  // A full disk: the temporary file leads to /dev/full.
  ASSERT_EQ(symlink("/dev/full", "sav/tmp/test.sav.tmp"), 0);
  set_markers();
  testing::internal::CaptureStderr();
  EXPECT_EQ(save_temp(), -1);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(access("sav/tmp/test.sav", F_OK), 0) << "the earlier state is gone";
  EXPECT_EQ(load_temp(), -1);
  EXPECT_TRUE(markers_kept());
  EXPECT_NE(err.find("could not be saved to sav/tmp/test.sav: No space left on device"), std::string::npos) << err;
  std::fclose(bug_report);
  bug_report = nullptr;
  EXPECT_NE(read_file("bugs.txt").find("sav/tmp/test.sav: cannot be written (No space left on device)"),
            std::string::npos);
}

TEST(RoomStateFile, AFifoIsNotReadAndDoesNotBlock) {
  fresh_game();
  alarm(60);
  ASSERT_EQ(mkfifo("fifo.sav", 0644), 0);
  bug_report = std::fopen("bugs.txt", "w");
  temp_file = "fifo.sav";
  set_markers();
  EXPECT_EQ(load_temp(), -1);
  EXPECT_TRUE(markers_kept());
  alarm(0);
  std::fclose(bug_report);
  bug_report = nullptr;
  EXPECT_NE(read_file("bugs.txt").find("fifo.sav: it is not a regular file"), std::string::npos);
}

namespace {

// Sets or clears the immutable attribute (root on most file systems).
bool set_immutable(const char* path, bool on) {
  const int fd = open(path, O_RDONLY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
  ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  close(fd);
  return ok;
}

}  // namespace

TEST(RoomStateFile, AnEarlierFileThatCannotBeReplacedNorRemovedIsNotReadBack) {
  fresh_game();
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  write_file("sav/tmp/stuck.sav", all_threes());
  if (!set_immutable("sav/tmp/stuck.sav", true))
    GTEST_SKIP() << "the immutable attribute cannot be set here (it needs root)";
  struct Unstick {
    ~Unstick() { set_immutable("sav/tmp/stuck.sav", false); }
  } unstick;
  temp_file = "sav/tmp/stuck.sav";
  set_markers();
  testing::internal::CaptureStderr();
  EXPECT_EQ(save_temp(), -1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(access("sav/tmp/stuck.sav", F_OK), 0) << "the file could not be removed";
  EXPECT_EQ(load_temp(), -1) << "an earlier state must not be read back";
  EXPECT_TRUE(markers_kept());
  // Once it can be written again, it is read again.
  ASSERT_TRUE(set_immutable("sav/tmp/stuck.sav", false));
  EXPECT_EQ(save_temp(), 0);
  furni_anim[0] = 4;
  EXPECT_EQ(load_temp(), 0);
  EXPECT_EQ(furni_anim[0], 0);
}
