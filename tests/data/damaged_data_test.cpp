// Damaged data files: every file listed in checksums.txt is refused by name when cut short or changed; each place
// that loads data stops the game with status 2 and the file's name, and changes nothing else in its folder.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include "core/datafile_check.h"
#include "core/hardware.h"
#include "core/world.h"
#include "game/game.h"
#include "hero/hero.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
struct Listed { std::string name; long size; };

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

// Listed: 7 start-up datafiles, 2 screens', the hero's 4 special moves, 43 rooms, the scenes' 20, the introduction,
// 2 tracks, the jingle, the sound effects, the film and the music driver's patches.
TEST(DamagedData, EveryListedFileCutShortOrChangedIsRefusedByName) {
  fresh_game();
  const std::vector<Listed> files = listed_files();
  EXPECT_EQ(files.size(), 7u + 2 + 4 + 43 + 20 + 1 + 2 + 1 + 1 + 1 + 1);
  for (const Listed& l : files) {
    SCOPED_TRACE(l.name);
    struct stat st;
    ASSERT_TRUE(stat((std::string(PELVARO_DATA_DIR) + "/" + l.name).c_str(), &st) == 0 && st.st_size == l.size);
    std::string file, why;
    for (long length : {0L, l.size / 2, l.size - 1}) {
      copy_data_file(l.name, length);
      EXPECT_TRUE(check_data_file(l.name.c_str(), file, why) == -1 && file == l.name) << "cut to " << length;
      EXPECT_NE(why.find("damaged (" + std::to_string(length) + " bytes"), std::string::npos) << why;
    }
    copy_data_file(l.name);
    for (long offset : {8L, l.size / 2 + 3, l.size - 1}) {
      flip_byte(l.name, offset);
      EXPECT_TRUE(check_data_file(l.name.c_str(), file, why) == -1 && file == l.name) << "changed at " << offset;
      EXPECT_NE(why.find("damaged"), std::string::npos) << why;
      flip_byte(l.name, offset);
    }
    EXPECT_EQ(check_data_file(l.name.c_str(), file, why), 0) << "a whole copy is fine: " << why;
  }
}

// One damaged file for each place the game loads data (all rooms share a loader), cut to `cut` bytes or with byte
// `flip` changed, before the start (0) or in the main menu, found there (1), by the inventory screen (2) or by the
// hero's first special move (3).
TEST(DamagedData, EachPlaceThatLoadsDataStopsWithTheFilesNameAndStatusTwoAndChangesNothingElse) {
  struct Damage { const char* file; long cut, flip; int when; };
  const Damage damages[] = {
      {"patches.dat", 1000000, -1, 0}, {"flc/proud.flc", 100000, -1, 0}, {"sfx/logo.wav", -1, 30, 0},
      {"title.dat", 12, -1, 0},        {"walk.dat", 500000, -1, 0},     {"font.dat", -1, 40, 0},
      {"menu.dat", -1, 24, 0},         {"sfx/track01.mid", -1, 20, 0},   {"intro.dat", 16, -1, 1},
      {"ffloor1.dat", -1, 100, 1},     {"inventar.dat", 100000, -1, 2},  {"takel.dat", -1, 8, 3},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.file); fresh_game(), write_file("options.sav", "1 2 3 1 \r\nmy saved game");
    mkdir("sav", 0755), mkdir("sav/tmp", 0755);
    auto damage = [&] { copy_data_file(d.file, d.cut); if (d.flip >= 0) flip_byte(d.file, d.flip); };
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
      if (d.when == 2) load_invent_data();  // what the inventory screen does when it opens
      else if (d.when == 3) select_move = 3, new_hero_move();
      else headless::stop();
    });
    // Everything but what the run writes by design (bugs.txt, the room states) and the damaged file.
    const std::string file = d.file;
    const std::vector<std::string> except = {"bugs.txt", "sav/tmp", file.substr(0, file.find('/'))};
    const auto before = folder_snapshot(except);
    testing::internal::CaptureStderr();
    static char name[] = "game"; char* argv[] = {name, nullptr};
    const int status = run_program([&] { game_main(1, argv); });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("cannot use the data file \"" + file + "\": it is damaged"), std::string::npos) << err;
    EXPECT_EQ(damaged_in_menu, d.when != 0) << "stopped at the right place";
    EXPECT_EQ(folder_snapshot(except), before);
    EXPECT_EQ(read_file("options.sav"), "1 2 3 1 \r\nmy saved game");
  }
}
