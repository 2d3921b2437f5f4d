// Damaged data files. Every file the build lists in checksums.txt is refused
// by name when it is cut short or has a byte changed, before any loader of
// the library reads it. Through the whole game, each place that loads data,
// given a damaged file, stops the game with status 2 and the message naming
// the file, and nothing else in its folder changes.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <string>
#include <vector>
#include "hero/hero.h"
#include "platform/headless.h"
#include "shell/datafile_check.h"
#include "shell/game.h"
#include "shell/hardware.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;

namespace {

struct Listed {
  std::string name;
  long size;
};

std::vector<Listed> listed_files() {
  std::vector<Listed> files;
  std::ifstream in(std::string(PELVARO_DATA_DIR) + "/checksums.txt");
  std::string sum, name;
  long size = 0;
  while (in >> sum >> size >> name) files.push_back({name, size});
  return files;
}

// Flips the lowest bit of the byte at `offset` of `name`.
void flip_byte(const std::string& name, long offset) {
  const int fd = open(name.c_str(), O_RDWR);
  unsigned char b = 0;
  ASSERT_EQ(pread(fd, &b, 1, offset), 1) << name;
  b ^= 1;
  ASSERT_EQ(pwrite(fd, &b, 1, offset), 1);
  close(fd);
}

}  // namespace

// Seven start-up datafiles, the two screens', the hero's four special
// animations, 43 rooms, the scenes' 20, the introduction, two tracks, the
// jingle, the film and the patch set of the music driver, with their sizes.
// Cut short (to nothing, half, one byte less) or with a byte changed (in the
// header, the middle, the very last), every listed file is refused by name.
TEST(DamagedData, EveryListedFileCutShortOrChangedIsRefusedByName) {
  fresh_game();
  const std::vector<Listed> files = listed_files();
  EXPECT_EQ(files.size(), 7u + 2 + 4 + 43 + 20 + 1 + 2 + 1 + 1 + 1);
  for (const Listed& l : files) {
    SCOPED_TRACE(l.name);
    struct stat st;
    ASSERT_EQ(stat((std::string(PELVARO_DATA_DIR) + "/" + l.name).c_str(), &st), 0);
    EXPECT_EQ(st.st_size, l.size);
    std::string file, why;
    for (long length : {0L, l.size / 2, l.size - 1}) {
      copy_data_file(l.name, length);
      EXPECT_EQ(check_data_file(l.name.c_str(), file, why), -1) << "cut to " << length;
      EXPECT_EQ(file, l.name);
      EXPECT_NE(why.find("damaged (" + std::to_string(length) + " bytes"), std::string::npos) << why;
    }
    copy_data_file(l.name);
    for (long offset : {8L, l.size / 2 + 3, l.size - 1}) {
      flip_byte(l.name, offset);
      EXPECT_EQ(check_data_file(l.name.c_str(), file, why), -1) << "changed at " << offset;
      EXPECT_EQ(file, l.name);
      EXPECT_NE(why.find("damaged"), std::string::npos) << why;
      flip_byte(l.name, offset);
    }
    EXPECT_EQ(check_data_file(l.name.c_str(), file, why), 0) << "a whole copy is fine: " << why;
  }
}

// One damaged file for each place the game loads data (every room through the
// same loader, both tracks through the same line): cut to `cut` bytes or
// with byte `flip` changed, damaged before the start (0), or once the main
// menu is up (1), also when it is loaded later: by the inventory screen (2),
// by the hero's first special move (3).
TEST(DamagedData, EachPlaceThatLoadsDataStopsWithTheFilesNameAndStatusTwoAndChangesNothingElse) {
  struct Damage {
    const char* file;
    long cut, flip;
    int when;
  };
  const Damage damages[] = {
      {"patches.dat", 4000000, -1, 0}, {"flc/proud.flc", 100000, -1, 0}, {"sfx/logo.wav", -1, 30, 0},
      {"title.dat", 12, -1, 0},        {"walk.dat", 2801911, -1, 0},     {"font.dat", -1, 40, 0},
      {"menu.dat", -1, 24, 0},         {"sfx/track01.mid", -1, 20, 0},   {"intro.dat", 16, -1, 1},
      {"ffloor1.dat", -1, 100, 1},     {"inventar.dat", 700000, -1, 2},  {"takel.dat", -1, 8, 3},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.file);
    fresh_game();
    write_file("options.sav", "1 2 3 1 \r\nmy saved game");
    mkdir("sav", 0755);
    mkdir("sav/tmp", 0755);
    auto damage = [&] {
      copy_data_file(d.file, d.cut);
      if (d.flip >= 0) flip_byte(d.file, d.flip);
    };
    if (d.when == 0) damage();
    Player player;
    bool damaged_in_menu = false;
    player.then(in_main_menu, [&] {
      if (d.when) damage();
      damaged_in_menu = true;
      headless::click(headless::now() + 2, 150, 175);  // New game
    });
    player.click_when(in_intro, 320, 240);
    player.then(in_main_loop, [&] {
      if (d.when == 2) {
        load_invent_data();  // what the inventory screen does when it opens
      } else if (d.when == 3) {
        select_move = 3;
        new_hero_move();
      } else {
        headless::stop();
      }
    });
    // Everything but what the run writes by design (bugs.txt, the room
    // states) and the damaged file.
    const std::string file = d.file;
    const std::vector<std::string> except = {"bugs.txt", "sav/tmp", file.substr(0, file.find('/'))};
    const auto before = folder_snapshot(except);
    testing::internal::CaptureStderr();
    static char name[] = "game";
    char* argv[] = {name, nullptr};
    const int status = run_program([&] { game_main(1, argv); });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("cannot use the data file \"" + file + "\": it is damaged"), std::string::npos) << err;
    EXPECT_EQ(damaged_in_menu, d.when != 0) << "stopped at the right place";
    EXPECT_EQ(folder_snapshot(except), before);
    EXPECT_EQ(read_file("options.sav"), "1 2 3 1 \r\nmy saved game");
  }
}
