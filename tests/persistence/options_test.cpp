// The options file: round trips, the on-disk format, damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/options.h"
#include "platform/headless.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

void set_name(int slot, const char* name) {
  std::memset(save_name[slot], ' ', kSlotNameLen);
  std::memcpy(save_name[slot], name, std::strlen(name) < 30 ? std::strlen(name) : 30);
}

std::string name_of(int slot) {
  return std::string(save_name[slot], kSlotNameLen);
}

std::string padded(const std::string& s) {
  return s + std::string(30 - s.size(), ' ');
}

}  // namespace

TEST(Options, RoundTripKeepsNumbersAndAllTenNamesExactly) {
  fresh_game();
  music_vol = 0;
  wave_vol = 255;
  text_speed = 7;
  text_output = 1;
  for (int s = 0; s < 10; ++s) set_name(s, "");
  set_name(0, "   leading blanks");
  set_name(1, "");  // all blanks
  set_name(2, "abcdefghijklmnopqrstuvwxyz0123");  // 30 characters
  set_name(9, "last slot");
  ASSERT_EQ(save_options(), 0);

  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 10), "0 255 7 1 ");
  EXPECT_EQ(disk.size(), 10 + 10 * (2 + 30));  // no line break after the last name
  EXPECT_EQ(disk.substr(10, 2), "\r\n");
  EXPECT_EQ(disk.substr(12, 30), padded("   leading blanks"));

  reset_world();
  load_options();
  EXPECT_EQ(music_vol, 0);
  EXPECT_EQ(wave_vol, 255);
  EXPECT_EQ(text_speed, 7);
  EXPECT_EQ(text_output, 1);
  EXPECT_EQ(name_of(0), padded("   leading blanks"));
  EXPECT_EQ(name_of(1), padded(""));
  EXPECT_EQ(name_of(2), "abcdefghijklmnopqrstuvwxyz0123");
  EXPECT_EQ(name_of(9), padded("last slot"));
  // The volumes are applied as soon as they are read.
  EXPECT_EQ(headless::sound().midi_volume, 0);
  EXPECT_EQ(headless::sound().digi_volume, 255);
}

TEST(Options, LineBreaksAreReadWhicheverWayTheyCome) {
  for (const std::string& br : {std::string("\r\n"), std::string("\n"), std::string("\r")}) {
    fresh_game();
    std::string file = "10 20 30 0 ";
    for (int s = 0; s < 10; ++s) file += br + padded(" slot " + std::to_string(s));
    write_file("options.sav", file);
    load_options();
    EXPECT_EQ(music_vol, 10);
    EXPECT_EQ(text_output, 0);
    for (int s = 0; s < 10; ++s) EXPECT_EQ(name_of(s), padded(" slot " + std::to_string(s)));
  }
}

TEST(Options, MissingOrDamagedFilesGiveDefaultsAndTheNextWriteRepairsThem) {
  const struct {
    const char* content;
    int music, wave, speed, output;
  } cases[] = {
      {nullptr, kDefaultMusicVol, kDefaultWaveVol, kDefaultTextSpeed, kDefaultTextOutput},
      {"garbage!\r\n&&&", kDefaultMusicVol, kDefaultWaveVol, kDefaultTextSpeed, kDefaultTextOutput},
      {"12 34", 12, 34, kDefaultTextSpeed, kDefaultTextOutput},
      {"999 -5 1000 7 \r\nshort", 255, 0, 100, 1},
      {"", kDefaultMusicVol, kDefaultWaveVol, kDefaultTextSpeed, kDefaultTextOutput},
  };
  for (const auto& c : cases) {
    fresh_game();
    if (c.content) write_file("options.sav", c.content);
    load_options();
    EXPECT_EQ(music_vol, c.music) << (c.content ? c.content : "(missing)");
    EXPECT_EQ(wave_vol, c.wave);
    EXPECT_EQ(text_speed, c.speed);
    EXPECT_EQ(text_output, c.output);
    for (int s = 0; s < 10; ++s)
      for (int i = 0; i < 30; ++i) ASSERT_GE(save_name[s][i], ' ');
    ASSERT_EQ(save_options(), 0);
    EXPECT_EQ(read_file("options.sav").size() - read_file("options.sav").find("\r\n"), 10u * 32);
  }
  // A short name keeps what it has and is padded; the slots after it are blank.
  fresh_game();
  write_file("options.sav", "1 2 3 0 \r\nshort");
  load_options();
  EXPECT_EQ(name_of(0), padded("short"));
  EXPECT_EQ(name_of(1), padded(""));
}

TEST(Options, WritingGoesThroughATemporaryFileAndLeavesNoneBehind) {
  fresh_game();
  write_file("options.sav", "1 2 3 0 ");
  music_vol = 77;
  ASSERT_EQ(save_options(), 0);
  EXPECT_EQ(read_file("options.sav").substr(0, 3), "77 ");
  EXPECT_EQ(read_file("options.sav.tmp"), "");
}

TEST(Options, ALongSlotLineIsCutAndTheSlotsAfterItKeepTheirNames) {
  fresh_game();
  std::string file = "10 20 30 1 ";
  for (int s = 0; s < 10; ++s) {
    std::string name = "slot " + std::to_string(s);
    if (s == 2) name = "a name that runs on well past thirty characters";
    if (s == 9) name = std::string(31, 'x') + "y";
    file += "\r\n" + name;
  }
  write_file("options.sav", file);
  load_options();
  EXPECT_EQ(name_of(2), "a name that runs on well past ");
  EXPECT_EQ(name_of(9), std::string(30, 'x'));
  for (int s : {0, 1, 3, 4, 5, 6, 7, 8}) EXPECT_EQ(name_of(s), padded("slot " + std::to_string(s))) << s;
  // The next save writes every name back.
  ASSERT_EQ(save_options(), 0);
  reset_world();
  load_options();
  for (int s : {0, 1, 3, 8}) EXPECT_EQ(name_of(s), padded("slot " + std::to_string(s))) << s;
  EXPECT_EQ(name_of(2), "a name that runs on well past ");
}

TEST(Options, AFileWithoutLineBreaksKeepsItsNumbersAndNames) {
  fresh_game();
  // The layout of the file with its line breaks lost: the names follow the
  // four numbers, 30 characters each.
  std::string file = "40 50 60 0 ";
  for (int s = 0; s < 10; ++s) file += padded("  game " + std::to_string(s));
  write_file("options.sav", file);
  load_options();
  EXPECT_EQ(music_vol, 40);
  EXPECT_EQ(text_output, 0);
  for (int s = 0; s < 10; ++s) EXPECT_EQ(name_of(s), padded("  game " + std::to_string(s))) << s;
  // Only three names: the other slots are blank.
  fresh_game();
  write_file("options.sav", "40 50 60 0 " + padded("one") + padded("two") + "three");
  load_options();
  EXPECT_EQ(name_of(0), padded("one"));
  EXPECT_EQ(name_of(2), padded("three"));
  EXPECT_EQ(name_of(3), padded(""));
}

TEST(Options, AFifoOrAFolderInItsPlaceIsNotReadButReported) {
  fresh_game();
  // A FIFO would block the game for ever on opening it; give up after a while.
  alarm(60);
  ASSERT_EQ(mkfifo("options.sav", 0644), 0);
  testing::internal::CaptureStderr();
  load_options();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(music_vol, kDefaultMusicVol);
  EXPECT_EQ(name_of(0), padded(""));
  EXPECT_NE(err.find("options.sav: it is not a regular file; the default settings are used."), std::string::npos)
      << err;
  // Saving puts a regular file in its place.
  ASSERT_EQ(save_options(), 0);
  struct stat st;
  ASSERT_EQ(stat("options.sav", &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  alarm(0);

  fresh_game();
  ASSERT_EQ(mkdir("options.sav", 0755), 0);
  write_file("options.sav/keep", "mine");
  testing::internal::CaptureStderr();
  load_options();
  EXPECT_EQ(save_options(), -1);
  err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("options.sav: it is not a regular file"), std::string::npos) << err;
  EXPECT_NE(err.find("the settings could not be saved to options.sav: Is a directory."), std::string::npos) << err;
  EXPECT_EQ(read_file("options.sav/keep"), "mine");
  EXPECT_NE(access("options.sav.tmp", F_OK), 0) << "no temporary file left behind";
}

TEST(Options, AFailedSaveSaysWhyAndLeavesTheOldFileAsItWas) {
  const std::string old = "1 2 3 1 \r\nthe old file";
  const struct {
    const char* in_the_way;
    const char* reason;
  } cases[] = {
      {"full disk", "No space left on device"},  // the temporary file leads to /dev/full
      {"folder", "Is a directory"},              // a folder where the temporary file goes
  };
  for (const auto& c : cases) {
    fresh_game();
    bug_report = std::fopen("bugs.txt", "w");
    write_file("options.sav", old);
    if (std::string(c.in_the_way) == "folder") {
      ASSERT_EQ(mkdir("options.sav.tmp", 0755), 0);
      write_file("options.sav.tmp/x", "");
    } else {
      ASSERT_EQ(symlink("/dev/full", "options.sav.tmp"), 0);
    }
    music_vol = 99;
    testing::internal::CaptureStderr();
    EXPECT_EQ(save_options(), -1) << c.in_the_way;
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string line = std::string("Pelvaro: the settings could not be saved to options.sav: ") + c.reason + ".\n";
    EXPECT_EQ(err, line);
    EXPECT_EQ(read_file("options.sav"), old);
    std::fclose(bug_report);
    bug_report = nullptr;
    EXPECT_EQ(read_file("bugs.txt"), line);
  }
}
