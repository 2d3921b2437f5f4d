// The whole program, headless, from its start to a new game's main loop, and its failures (no display, a missing
// datafile, state files that cannot be written): each run ends as it should, says why and changes no other file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <cstdio>
#include "core/errand.h"
#include "core/files.h"
#include "core/folders.h"
#include "core/tr.h"
#include "core/world.h"
#include "game/game.h"
#include "persistence/room_state.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
using V = std::vector<int>;

int run_game(std::vector<const char*> args = {}) {
  static char name[] = "game";
  std::vector<char*> argv = {name};
  for (const char* a : args) argv.push_back(const_cast<char*>(a));
  argv.push_back(nullptr);
  return run_program([&] { game_main(static_cast<int>(args.size()) + 1, argv.data()); });
}

int run_to_main_menu() {
  Player().then(in_main_menu, [] { headless::stop(); });
  return run_game();
}

void make_save_folders() { mkdir("sav", 0755), mkdir("sav/tmp", 0755); }

// Standard output and standard error into one file, in the order written.
struct ConsoleCapture {
  FILE* file = std::tmpfile();
  int out = dup(1), err = dup(2);
  ConsoleCapture() { std::fflush(nullptr), dup2(fileno(file), 1), dup2(fileno(file), 2); }
  std::string text() {
    std::fflush(nullptr), dup2(out, 1), dup2(err, 2), close(out), close(err), std::rewind(file);
    std::string all;
    for (int c; (c = std::fgetc(file)) != EOF;) all += static_cast<char>(c);
    std::fclose(file);
    return all;
  }
};

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}
}  // namespace

TEST(StartUp, TheProgressBarRunsOverAllRoomsThenNewGameReachesTheFirstRoomWithTheRollingPin) {
  fresh_game();
  int presents_with_bar = 0, loop_at_menu = -1, plays_at_menu = -1;
  std::string room_at_menu;
  bool title_released = false, folders_made = false;
  Player player;
  // The progress screens are the presents made while the title datafile is loaded with its bar pictures.
  player
      .then([&] { return (presents_with_bar += title_dat && red_bar[0]), in_main_menu(); },
            [&] {
              loop_at_menu = load_loop, room_at_menu = room_name, plays_at_menu = headless::sound().midi_plays;
              title_released = title_dat == nullptr;
              folders_made = access("sav/tmp", F_OK) == 0 && access("bugs.txt", F_OK) == 0;
              headless::click(headless::now() + 2, 150, 175);
            })
      .click_when(in_intro, 320, 240)
      .then([] { return video_active == 1; }, [] { headless::key_at(headless::now() + 1, KEY_ESC << 8 | 27); })
      .then(in_main_loop, [] { headless::stop(); });
  ASSERT_EQ(run_game(), -2);
  // 43 steps, the bar on its last picture from the 34th; the title music started once.
  EXPECT_EQ((V{presents_with_bar, loop_at_menu, plays_at_menu}), (V{43, 34, 1}));
  EXPECT_EQ(room_at_menu, "future_chimietp");
  EXPECT_TRUE(title_released && folders_made);
  EXPECT_STREQ(room_name, "future_floor1");
  EXPECT_EQ(invent_nr, 1);
  EXPECT_STREQ(inventory_obj[0], "rolle");
  EXPECT_STREQ(inv_obj_describe[0][0], TR("Mamas Nudelholz ist für mich wie ein Schweizer Messer.",
                                          "Mum's rolling pin is my allrounder tool."));
  EXPECT_STREQ(inv_obj_describe[0][1], "");
  for (int i = 1; i < kInventorySlots; ++i)
    ASSERT_TRUE(inventory_obj[i] == std::string("z") && inventory_obj_bmp[i]) << "slot " << i << " empty";
  // The first line was spoken over the hero's head.
  EXPECT_STREQ(input_text[0][0], TR("So. Jetzt aber schnell weg hier.", "Ok, let's get the hell out of here."));
  EXPECT_EQ((V{sentence_x, talk_direction}), (V{298, kTalkFront}));
  EXPECT_EQ((V{hero_x, hero_y, click_x2, true_y, mouse_status}), (V{298, 267, 298, 267, kModeWalk}));
  EXPECT_EQ((V{errand_pending(), talk_nr}), (V{0, -1}));
  // Loading the room recorded the states its tables were built for.
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ((V{old_furni_anim[i], old_person_anim[i]}), (V{furni_anim[i], person_anim[i]})) << i;
  // The in-game music plays, looping; the title music was started once before.
  EXPECT_EQ((V{track_nr, headless::sound().midi_plays, headless::sound().midi_loop}), (V{2, 2, 1}));
  EXPECT_NE(headless::sound().playing_midi, nullptr);
  // Start-up data released on the way: the title datafile, the menu's and the introduction's.
  EXPECT_TRUE(title_dat == nullptr && menu_dat == nullptr && intro_dat == nullptr);
}

// The command line before anything starts: options in any order; --help, --version and a mistake end the
// program at once (status 0, 0, 2) without asking for a screen (-1: never asked).
TEST(StartUp, TheCommandLineAsksForTheFullScreenOrEndsTheProgramBeforeTheHardwareStarts) {
  const struct { std::vector<const char*> args; int fullscreen, status; } cases[] = {
      {{}, 0, -2}, {{"-fullscreen"}, 1, -2}, {{"-scale", "2", "-fullscreen"}, 1, -2}, {{"--fullscreen"}, 1, -2},
      {{"--help"}, -1, 0}, {{"-fullscreen", "--version"}, -1, 0}, {{"-Fullscreen"}, -1, 2}, {{"fullscreen"}, -1, 2},
      {{"-x", "-fullscreen"}, -1, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.back()); fresh_game();
    Player().then([] { return true; }, [] { headless::stop(); });
    testing::internal::CaptureStdout(), testing::internal::CaptureStderr();
    EXPECT_EQ(run_game(c.args), c.status);
    const std::string out = testing::internal::GetCapturedStdout(), err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(headless::requested_fullscreen(), c.fullscreen);
    if (c.status == 2) EXPECT_NE(err.find(std::string("\"") + c.args[0] + "\""), std::string::npos) << err;
    if (c.status == 0) EXPECT_TRUE(out.find("Pelvaro") != std::string::npos && err.empty()) << out;
  }
}

TEST(Failures, WithoutADisplayOrAVideoModeTheConsoleSaysWhyAndTheStatusIsThree) {
  for (bool no_display : {true, false}) {
    SCOPED_TRACE(no_display ? "no display" : "no video mode"); fresh_game();
    write_file("options.sav", "1 2 3 1 ");
    (no_display ? headless::fail_install : headless::fail_gfx_mode)(true);
    const auto before = folder_snapshot({"bugs.txt"});
    ConsoleCapture console;
    const int status = run_game();
    const std::string out = console.text();
    EXPECT_EQ(status, 3);
    EXPECT_EQ(out, std::string("Critical Error: Unable to select correct Video Mode.\nExiting Allegro ... \n") +
                       (no_display ? "Pelvaro: no display to be found (headless).\n" : ""));
    if (no_display) EXPECT_EQ(headless::sound().sound_installed, 0) << "nothing of the library is used after it failed";
    EXPECT_EQ(folder_snapshot({"bugs.txt"}), before);
  }
}

TEST(Failures, AMissingOrGarbledDatafileStopsWithItsNameInsteadOfCrashing) {
  for (const char* file : {"walk.dat", "cursor.dat", "font.dat", "title.dat", "menu.dat", "intro.dat",
                           "sfx/track01.mid", "flc/proud.flc", "sfx/logo.wav", "general.dat"}) {
    SCOPED_TRACE(file); fresh_game();
    copy_data_file(file);  // a file of its own (in a folder of its own), not a link
    ASSERT_EQ(unlink(file), 0);
    if (std::string(file) == "general.dat") write_file(file, "this is not a datafile");
    testing::internal::CaptureStderr();
    const int status = play_to_main_loop();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find(file), std::string::npos) << err;
  }
}

TEST(Failures, AStateFileBlockedAtStartUpIsKeptInMemoryAndReported) {
  fresh_game(), make_save_folders();
  // An earlier run's state, and a folder where the new one's temporary file goes.
  write_file("sav/tmp/physik.sav", "1 1 1 ");
  const std::string blocked = temporary_name("sav/tmp/physik.sav");
  mkdir(blocked.c_str(), 0755), write_file(blocked + "/x", "");
  write_file("options.sav", "1 2 3 1 ");
  const auto before = folder_snapshot({"bugs.txt", "sav/tmp"});
  testing::internal::CaptureStderr();
  ASSERT_EQ(run_to_main_menu(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(read_file("sav/tmp/physik.sav"), "1 1 1 ") << "the earlier run's file stays, unread";
  EXPECT_EQ(access((blocked + "/x").c_str(), F_OK), 0) << "what was in the way stays";
  EXPECT_NE(storage_caption(), nullptr) << "the first room drawn says that nothing can be kept";
  EXPECT_EQ(access("sav/tmp/fphysik.sav", F_OK), 0) << "the other rooms' files are written";
  EXPECT_EQ(err, "Pelvaro: the state of a room could not be saved to sav/tmp/physik.sav: Is a directory.\n");
  std::fflush(bug_report);
  EXPECT_NE(read_file("bugs.txt").find("sav/tmp/physik.sav: cannot be written (Is a directory)"), std::string::npos);
  EXPECT_EQ(folder_snapshot({"bugs.txt", "sav/tmp"}), before);
}

TEST(Failures, OnAFullDiskTheFirstRoomStartsFromItsScriptNotFromAnEarlierRun) {
  // An earlier run left the first room's pieces 0..9 hidden in state 7; this
  // run cannot write the room's file (the temporary file leads to /dev/full).
  fresh_game(), make_save_folders();
  std::string earlier;
  for (int i = 0; i < kStateNumbers; ++i) earlier += i < 20 && i % 2 ? "7 " : "0 ";
  write_file("sav/tmp/ffloor1.sav", earlier);
  ASSERT_EQ(symlink("/dev/full", temporary_name("sav/tmp/ffloor1.sav").c_str()), 0);
  testing::internal::CaptureStderr();
  ASSERT_EQ(play_to_main_loop(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  // The room's script shows its first pieces, none in state 7.
  int shown = 0;
  for (int i = 0; i < 10; ++i) shown += furni_present[i] == 1 && furni_anim[i] != 7;
  EXPECT_EQ(std::count(furni_anim, furni_anim + 10, 7), 0);
  EXPECT_GT(shown, 0);
  EXPECT_TRUE(read_file("sav/tmp/ffloor1.sav") != earlier) << "written from memory once it could be";
  EXPECT_EQ(count_of(err, "could not be saved to sav/tmp/ffloor1.sav: No space left on device"), 1) << err;
}

TEST(Failures, AFolderWhereNothingCanBeWrittenIsReportedOnceAndTheGameStillRuns) {
  fresh_game();
  // bugs.txt cannot be created and the save folders cannot be made.
  mkdir("bugs.txt", 0755), write_file("sav", "not a folder");
  const auto before = folder_snapshot();
  testing::internal::CaptureStderr();
  ASSERT_EQ(run_to_main_menu(), -2);
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(count_of(err, "Pelvaro: bugs.txt: Is a directory; faults are reported on the console only.\n"), 1) << err;
  EXPECT_EQ(count_of(err, "Pelvaro: sav/tmp: Not a directory; the rooms' states cannot be stored.\n"), 1) << err;
  EXPECT_EQ(count_of(err, "the state of a room could not be saved"), 1) << "43 rooms fail alike, said once";
  EXPECT_EQ(folder_snapshot(), before);
}

TEST(Failures, QuitWithOptionsThatCannotBeSavedSaysWhyBeforeTheFarewell) {
  fresh_game(); write_file("options.sav", "11 22 33 1 \r\n  my first save"), make_save_folders();
  ASSERT_EQ(symlink("/dev/full", temporary_name("options.sav").c_str()), 0);  // a full disk
  // settings.txt keeps the settings that options.sav could not take.
  const auto before = folder_snapshot({"bugs.txt", "sav/tmp", temporary_name("options.sav").c_str(), "settings.txt"});
  Player().click_when(in_main_menu, 160, 420);  // Quit
  ConsoleCapture console;
  const int status = run_game();
  const std::string out = console.text();
  EXPECT_EQ(status, 1);
  const size_t failure = out.find("Pelvaro: the settings could not be saved to options.sav: No space left on device.");
  ASSERT_NE(failure, std::string::npos) << out;
  EXPECT_LT(failure, out.find("Credits:")) << out;
  EXPECT_EQ(read_file("options.sav"), "11 22 33 1 \r\n  my first save");
  EXPECT_EQ(folder_snapshot({"bugs.txt", "sav/tmp", temporary_name("options.sav").c_str(), "settings.txt"}), before);
  EXPECT_NE(read_file("settings.txt").find("options.music_vol=11\n"), std::string::npos);
}

// Where the data is read and the player's files are written, for a program installed (in lib/games/pelvaro
// beside share/games/pelvaro), in the build folder (data/ beside it) or elsewhere, started in a data folder
// or not. The build's own data folder is never the player's: `make play` leaves it as the build made it.
TEST(Folders, InstalledTheDataIsSharedAndThePlayersFilesGoToTheXdgDataFolderInTheBuildToPlayerElseOneFolderIsBoth) {
  fresh_game();
  const std::string here = std::filesystem::current_path().string(), root = here + "/layout";
  const std::string installed = root + "/usr/lib/games/pelvaro", shared = root + "/usr/share/games/pelvaro";
  for (const std::string& d : {installed, shared, root + "/build/data", root + "/elsewhere"})
    std::filesystem::create_directories(d);
  write_file(shared + "/checksums.txt", ""), write_file(root + "/build/data/checksums.txt", "");
  struct Case { std::string program, cwd; const char *xdg, *home; std::string data, player; };
  const std::vector<Case> cases = {
      {installed, here, "/x/data", "/h", shared, "/x/data/pelvaro"},
      {installed, root, nullptr, "/h", shared, "/h/.local/share/pelvaro"},
      {installed, root, "", "/h", shared, "/h/.local/share/pelvaro"},
      {installed, root, "relative", "/h", shared, "/h/.local/share/pelvaro"},
      {root + "/build", here, "/x/data", "/h", "", ""},
      {root + "/build", root, "/x/data", "/h", root + "/build/data", root + "/build/player"},
      {root + "/build", root + "/build", nullptr, "/h", root + "/build/data", root + "/build/player"},
      {root + "/build", root + "/build/data", "/x/data", "/h", root + "/build/data", root + "/build/player"},
      {root + "/elsewhere", root, "/x/data", "/h", "", ""},
      {"", root, "/x/data", "/h", "", ""},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(chdir(c.cwd.c_str()), 0);
    const GameFolders found = find_game_folders(c.program, c.xdg, c.home);
    EXPECT_EQ(found.data, c.data) << c.program << " started in " << c.cwd;
    EXPECT_EQ(found.player, c.player) << c.program << " started in " << c.cwd << " with " << (c.xdg ? c.xdg : "-");
  }
  ASSERT_EQ(chdir(here.c_str()), 0);
}

// A test's folder sees the data files the build made and nothing a game played in the data folder left there:
// a lock linked into every test's folder made the tests running side by side "already running".
TEST(Folders, ATestsFolderLinksOnlyTheDataFilesTheBuildListedNotAGamesLeftovers) {
  fresh_game();
  namespace fs = std::filesystem;
  const std::string data = here("data"), folder = here("fresh");
  fs::create_directories(data + "/sfx"), fs::create_directories(data + "/sav/tmp"), fs::create_directory(folder);
  write_file(data + "/checksums.txt", "0123456789abcdef 4 walk.dat\n0123456789abcdef 4 sfx/track01.mid\n");
  for (const char* made : {"walk.dat", "sfx/track01.mid"}) write_file(data + "/" + made, "data");
  // What a game played there leaves, and a datafile the list does not name.
  for (const char* left : {"pelvaro.lock", "options.sav", "display.sav", "bugs.txt", "sav/game00.sav",
                           "sav/tmp/ffloor1.sav", "options.sav.77.tmp", "stray.dat"})
    write_file(data + "/" + left, "x");
  driver::link_generated_data(data, folder);
  std::map<std::string, std::string> linked;
  for (const auto& e : fs::directory_iterator(folder))
    linked[e.path().filename().string()] = e.is_symlink() ? fs::read_symlink(e.path()).string() : "not a link";
  const std::map<std::string, std::string> made = {
      {"checksums.txt", data + "/checksums.txt"}, {"sfx", data + "/sfx"}, {"walk.dat", data + "/walk.dat"}};
  EXPECT_EQ(linked, made);
}

TEST(StartUp, ASecondCopyInTheSameFolderSaysSoAndTouchesNothing) {
  fresh_game(); write_file("options.sav", "1 2 3 1 ");
  const int first = open("pelvaro.lock", O_RDWR | O_CREAT, 0644);  // what the copy already running holds
  ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);
  const auto before = folder_snapshot();
  ConsoleCapture console;
  EXPECT_EQ(run_game(), 4);
  EXPECT_EQ(console.text(), "Pelvaro is already running.\n");
  EXPECT_EQ(folder_snapshot(), before);
  EXPECT_NE(access("bugs.txt", F_OK), 0);
  close(first), Player().then(in_main_menu, [] { headless::stop(); });  // that copy has ended: the next one starts
  EXPECT_EQ(run_game(), -2);
}
