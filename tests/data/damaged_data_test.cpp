// Damaged data files. Every file the build lists in checksums.txt is refused
// by name when it is cut short or has a byte changed, before any loader of
// the library reads it. Through the whole game, each kind of data file the
// game loads, damaged, stops it with status 2 and the message naming the
// file, and nothing else in its folder changes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

bool is_listed(const std::vector<Listed>& files, const std::string& name) {
  return std::any_of(files.begin(), files.end(), [&](const Listed& l) { return l.name == name; });
}

// Flips the lowest bit of the byte at `offset` of `name`.
void flip_byte(const std::string& name, long offset) {
  const int fd = open(name.c_str(), O_RDWR);
  ASSERT_GE(fd, 0) << name;
  unsigned char b = 0;
  ASSERT_EQ(pread(fd, &b, 1, offset), 1);
  b ^= 1;
  ASSERT_EQ(pwrite(fd, &b, 1, offset), 1);
  close(fd);
}

}  // namespace

// Seven start-up datafiles, the two screens', the hero's four special
// animations, 43 rooms, the scenes' 20, the introduction, two tracks, the
// jingle, the film and the patch set of the music driver: all listed, with
// their sizes, and nothing of the game's own files.
TEST(DamagedData, TheListCoversEveryFileTheGameLoads) {
  const std::vector<Listed> files = listed_files();
  EXPECT_EQ(files.size(), 7u + 2 + 4 + 43 + 20 + 1 + 2 + 1 + 1 + 1);
  for (const char* f : {"title.dat", "walk.dat", "talkf.dat", "general.dat", "cursor.dat", "objects.dat", "font.dat",
                        "inventar.dat", "menu.dat", "talkr.dat", "talkl.dat", "takel.dat", "taker.dat", "intro.dat",
                        "physik.dat", "ffloor1.dat", "fchimtp.dat", "timemach.dat", "sfx/track01.mid",
                        "sfx/track02.mid", "sfx/logo.wav", "flc/proud.flc", "patches.dat"})
    EXPECT_TRUE(is_listed(files, f)) << f;
  for (const Listed& l : files) {
    EXPECT_EQ(l.name.find("sav/"), std::string::npos) << "the game's own files are not data";
    struct stat st;
    ASSERT_EQ(stat((std::string(PELVARO_DATA_DIR) + "/" + l.name).c_str(), &st), 0) << l.name;
    EXPECT_EQ(st.st_size, l.size) << l.name;
  }
}

// Cut short (to nothing, half, one byte less) or with a byte changed (in the
// header, the middle, the very last), every listed file is refused by name.
TEST(DamagedData, EveryListedFileCutShortOrChangedIsRefusedByName) {
  fresh_game();
  for (const Listed& l : listed_files()) {
    SCOPED_TRACE(l.name);
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

namespace {

enum class Reached { StartUp, MainMenu, NewGame, Inventory, HeroTakes };

struct Damage {
  const char* file;
  long cut;    // the length it is cut to, or -1
  long flip;   // the byte changed, or -1
  Reached when;  // where the game first loads it
};

void PrintTo(const Damage& d, std::ostream* os) {
  *os << d.file << (d.cut >= 0 ? " cut to " + std::to_string(d.cut) : " changed at " + std::to_string(d.flip));
}

class DamagedDataInTheGame : public ::testing::TestWithParam<Damage> {};

}  // namespace

TEST_P(DamagedDataInTheGame, StopsWithItsNameAndStatusTwoAndChangesNothingElse) {
  const Damage& d = GetParam();
  fresh_game();
  write_file("options.sav", "1 2 3 1 \r\nmy saved game");
  mkdir("sav", 0755);
  mkdir("sav/tmp", 0755);
  auto damage = [&] {
    copy_data_file(d.file, d.cut);
    if (d.flip >= 0) flip_byte(d.file, d.flip);
  };
  // A file first loaded later is damaged when the main menu is up, after the
  // start-up has loaded it whole.
  if (d.when == Reached::StartUp) damage();
  Player player;
  bool damaged_in_menu = false;
  player.then(in_main_menu, [&] {
    if (d.when != Reached::StartUp) damage();
    damaged_in_menu = true;
    headless::click(headless::now() + 2, 150, 175);  // New game
  });
  player.click_when(in_intro, 320, 240);
  player.then(in_main_loop, [&] {
    if (d.when == Reached::Inventory) {
      load_invent_data();  // what the inventory screen does when it opens
    } else if (d.when == Reached::HeroTakes) {
      select_move = 3;
      new_hero_move();
    } else {
      headless::stop();
    }
  });
  // Everything but what the run writes by design (bugs.txt, the room states)
  // and the damaged file.
  const std::string file = d.file;
  const std::vector<std::string> except = {"bugs.txt", "sav/tmp", file.substr(0, file.find('/'))};
  const auto before = folder_snapshot(except);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  const int status = run_program([&] { game_main(1, argv); });
  testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 2);
  EXPECT_NE(err.find(std::string("cannot use the data file \"") + d.file + "\": it is damaged"), std::string::npos)
      << err;
  EXPECT_EQ(damaged_in_menu, d.when != Reached::StartUp) << "stopped at the right place";
  EXPECT_EQ(folder_snapshot(except), before);
  EXPECT_EQ(read_file("options.sav"), "1 2 3 1 \r\nmy saved game");
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, DamagedDataInTheGame,
    ::testing::Values(
        Damage{"patches.dat", 4000000, -1, Reached::StartUp},      // the music driver's patch set
        Damage{"flc/proud.flc", 100000, -1, Reached::StartUp},     // the logo film
        Damage{"sfx/logo.wav", -1, 30, Reached::StartUp},          // a sample
        Damage{"title.dat", 12, -1, Reached::StartUp},             // start-up datafiles
        Damage{"sfx/track01.mid", -1, 20, Reached::StartUp},       // music
        Damage{"walk.dat", 2801911, -1, Reached::StartUp},
        Damage{"font.dat", -1, 40, Reached::StartUp},              // the font
        Damage{"physik.dat", 300000, -1, Reached::StartUp},        // a room, loaded for its state file
        Damage{"menu.dat", -1, 24, Reached::StartUp},              // the main menu's
        Damage{"intro.dat", 16, -1, Reached::MainMenu},            // a cut scene's
        Damage{"ffloor1.dat", -1, 100, Reached::MainMenu},         // the first room, loaded again
        Damage{"sfx/track02.mid", 100, -1, Reached::MainMenu},
        Damage{"inventar.dat", 700000, -1, Reached::Inventory},    // the inventory screen's
        Damage{"takel.dat", -1, 8, Reached::HeroTakes}),           // the hero's special animations
    [](const auto& info) {
      std::string n = info.param.file;
      n = n.substr(n.find('/') + 1);
      return n.substr(0, n.find('.'));
    });
