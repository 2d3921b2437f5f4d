// The options file (volumes, text speed, the ten slot names), the window's scale (display.sav, "-scale N") and the
// settings file (settings.txt): the format, round trips, damaged files, files that cannot be read or written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstring>
#include "core/files.h"
#include "core/settings.h"
#include "core/world.h"
#include "game/game.h"
#include "persistence/display_options.h"
#include "persistence/options.h"
#include "platform/window_fit.h"
#include "persistence/settings.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
std::string padded(const std::string& s) { return s + std::string(30 - s.size(), ' '); }

// The four numbers and the ten names as the game holds them.
std::string options_now() {
  std::string s = std::to_string(music_vol) + " " + std::to_string(wave_vol) + " " + std::to_string(text_speed) +
                  " " + std::to_string(text_output);
  for (int k = 0; k < 10; ++k) s += "|" + std::string(save_name[k], 30);
  return s;
}

std::string names(std::vector<std::string> ten) {
  std::string s;
  ten.resize(10);
  for (const std::string& n : ten) s += "|" + padded(n);
  return s;
}

const std::string kDefaults = "180 220 50 1" + names({});
}  // namespace

TEST(Options, RoundTripKeepsNumbersAndAllTenNamesExactlyInTheFileFormat) {
  fresh_game(); music_vol = 0, wave_vol = 255, text_speed = 7, text_output = 1;
  std::memset(save_name, ' ', sizeof save_name);
  std::memcpy(save_name[0], "   leading blanks", 17);
  std::memcpy(save_name[2], "abcdefghijklmnopqrstuvwxyz0123", 30);
  std::memcpy(save_name[9], "last slot", 9);
  // A name typed with umlauts is its UTF-8 bytes in the same 30 places, as a build that reads bytes reads it.
  const std::string umlauts = "Grüße aus Köln";
  std::memcpy(save_name[5], umlauts.data(), umlauts.size());
  // Another copy of the game in this folder writes through a temporary file of its own, which stays alone.
  write_file(temporary_name("options.sav", 1), "theirs"), write_file("options.sav.tmp", "theirs");
  ASSERT_EQ(save_options(), 0);
  EXPECT_EQ(read_file(temporary_name("options.sav", 1)) + read_file("options.sav.tmp"), "theirstheirs");
  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 12 + 30), "0 255 7 1 \r\n" + padded("   leading blanks"));
  EXPECT_EQ(disk.size(), 10u + 10 * (2 + 30)) << "no line break after the last name";
  EXPECT_NE(access(temporary_name("options.sav").c_str(), F_OK), 0) << "no temporary file left behind";
  EXPECT_EQ(disk.substr(10 + 5 * 32, 32), "\r\n" + padded("Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln"));
  reset_world(), load_options();
  EXPECT_EQ(options_now(), "0 255 7 1" + names({"   leading blanks", "", "abcdefghijklmnopqrstuvwxyz0123", "", "",
                                                umlauts, "", "", "", "last slot"}));
  // The volumes are applied as soon as they are read.
  EXPECT_EQ(std::make_pair(headless::sound().midi_volume, headless::sound().digi_volume), std::make_pair(0, 255));
}

TEST(Options, FilesAsTheyComeAreReadNameByNameWithDefaultsForWhatIsMissing) {
  std::vector<std::string> slots;
  for (int k = 0; k < 10; ++k) slots.push_back(" slot " + std::to_string(k));
  std::vector<std::string> long_lines = slots, cut = slots;  // names of 29, 30, 31 and more, cut at 30
  long_lines[1] = cut[1] = std::string(29, 'a');
  long_lines[2] = cut[2] = std::string(30, 'b');
  long_lines[3] = std::string(31, 'c') + "y", cut[3] = std::string(30, 'c');
  long_lines[4] = "a name that runs on well past thirty characters", cut[4] = "a name that runs on well past ";
  auto lines = [](const std::string& numbers, const std::string& br, const std::vector<std::string>& ten) {
    std::string s = numbers;
    for (const std::string& n : ten) s += br.empty() ? padded(n) : br + n;
    return s;
  };
  const struct { const char* what; std::string content, expected; } cases[] = {  // content "-": no file
      {"missing", "-", kDefaults},
      {"empty", "", kDefaults},
      {"garbage", "garbage!\r\n&&&", "180 220 50 1" + names({"&&&"})},
      {"two numbers", "12 34", "12 34 50 1" + names({})},
      {"out of range, clamped", "999 -5 1000 7 \r\nshort", "255 0 100 1" + names({"short"})},
      {"CR LF", lines("10 20 30 0 ", "\r\n", slots), "10 20 30 0" + names(slots)},
      {"LF", lines("10 20 30 0 ", "\n", slots), "10 20 30 0" + names(slots)},
      {"CR", lines("10 20 30 0 ", "\r", slots), "10 20 30 0" + names(slots)},
      {"names of 29, 30, 31 and more", lines("10 20 30 1 ", "\r\n", long_lines), "10 20 30 1" + names(cut)},
      {"line breaks lost", lines("40 50 60 0 ", "", slots), "40 50 60 0" + names(slots)},
      {"line breaks lost, three names", "40 50 60 0 " + padded("one") + padded("two") + "three",
       "40 50 60 0" + names({"one", "two", "three"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what); fresh_game();
    if (c.content != "-") write_file("options.sav", c.content);
    load_options();
    EXPECT_EQ(options_now(), c.expected);
    ASSERT_EQ(save_options(), 0);  // the next save writes the whole file again
    reset_world(), load_options();
    EXPECT_EQ(options_now(), c.expected);
  }
}

TEST(Options, AFileThatCannotBeReadOrWrittenIsReportedAndTheOldOneStays) {
  fresh_game();
  alarm(60);  // a FIFO would block the game for ever on opening it
  ASSERT_EQ(mkfifo("options.sav", 0644), 0);
  testing::internal::CaptureStderr(); load_options();
  EXPECT_EQ(options_now(), kDefaults);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Pelvaro: options.sav: it is not a regular file; the default settings are used, and the file is left "
            "as it is.\n");
  music_vol = 77, save_name[2][0] = 'Q';
  ASSERT_EQ(save_options(), 0);
  alarm(0);
  struct stat st;
  EXPECT_TRUE(stat("options.sav", &st) == 0 && S_ISFIFO(st.st_mode)) << "what could not be read is not written over";
  // The settings and names of the run are in settings.txt, and the next run takes them from there.
  reset_world(), load_options(), load_settings();
  EXPECT_EQ(music_vol, 77);
  EXPECT_EQ(save_name[2][0], 'Q');

  // A folder in the file's place, a full disk, a folder in the temporary file's place.
  const char* const reasons[] = {"Is a directory", "No space left on device", "Is a directory"};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k); fresh_game(), bug_report = std::fopen("bugs.txt", "w");
    const std::string old = "1 2 3 1 \r\nthe old file", kept = k == 0 ? "options.sav/keep" : "options.sav";
    if (k == 0) ASSERT_EQ(mkdir("options.sav", 0755), 0);
    if (k == 1) ASSERT_EQ(symlink("/dev/full", temporary_name("options.sav").c_str()), 0);
    if (k == 2) ASSERT_EQ(mkdir(temporary_name("options.sav").c_str(), 0755), 0);
    write_file(kept, old), write_file(temporary_name("options.sav", 1), "theirs"); music_vol = 99;
    testing::internal::CaptureStderr();
    EXPECT_EQ(save_options(), -1);
    const std::string line =
        std::string("Pelvaro: the settings could not be saved to options.sav: ") + reasons[k] + ".\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), line);
    EXPECT_EQ(read_file(kept) + read_file(temporary_name("options.sav", 1)), old + "theirs");
    std::fclose(bug_report), bug_report = nullptr;
    EXPECT_EQ(read_file("bugs.txt"), line);
    if (k == 0) EXPECT_NE(access(temporary_name("options.sav").c_str(), F_OK), 0) << "no temporary file left behind";
  }
}

TEST(DisplayOptions, TheFileKeepsOneFactorOrFillAndAnythingElseMeansTheLargestThatFits) {
  fresh_game();
  const int fill = window_fit::kFill;
  const std::pair<const char*, int> cases[] = {
      {nullptr, 0}, {"2 ", 2},  {"3", 3},   {"1 \r\n", 1}, {"0 ", 0},     {"8 ", 8},     {"9 ", 0},  {"-2 ", 0},
      {"two", 0},   {"", 0},    {"2 3 ", 0}, {"fill ", fill}, {"fill", fill}, {"fills ", 0}, {"-1 ", 0}, {"fill 2", 0}};
  for (const auto& [content, expected] : cases) {
    window_scale = 5;
    if (content) write_file("display.sav", content);
    load_display_options();
    EXPECT_EQ(window_scale, expected) << '"' << (content ? content : "no file") << '"';
  }
  window_scale = 3;
  ASSERT_EQ(save_display_options(), 0);
  EXPECT_EQ(read_file("display.sav"), "3 ");
  // Fill is kept as the word, which an older build reads as its own default.
  window_scale = fill;
  ASSERT_EQ(save_display_options(), 0);
  EXPECT_EQ(read_file("display.sav"), "fill ");
}

TEST(DisplayOptions, MinusScaleTakesAWholeFactorFromOneToEightOrFillAndOnlyAWrongOneIsReported) {
  const std::pair<std::vector<const char*>, int> cases[] = {
      {{"game", "-scale", "fill"}, window_fit::kFill}, {{"game", "-scale", "-1"}, 0},
      {{"game"}, 0},           {{"game", "-scale", "2"}, 2}, {{"game", "-fullscreen", "-scale", "3"}, 3},
      {{"game", "-scale", "1"}, 1}, {{"game", "-scale", "8"}, 8}, {{"game", "-scale"}, 0},
      {{"game", "-scale", "0"}, 0}, {{"game", "-scale", "9"}, 0}, {{"game", "-scale", "2x"}, 0},
      {{"game", "-Scale", "2"}, 0}};
  for (const auto& [args, scale] : cases) {
    std::vector<char*> argv;
    for (const char* a : args) argv.push_back(const_cast<char*>(a));
    testing::internal::CaptureStdout();
    EXPECT_EQ(scale_from_command_line(static_cast<int>(argv.size()), argv.data()), scale) << argv.back();
    const bool wrong = scale == 0 && args.size() > 1 && std::strcmp(args[1], "-Scale") != 0;
    EXPECT_EQ(testing::internal::GetCapturedStdout().find("-scale") != std::string::npos, wrong) << argv.back();
  }
}

TEST(DisplayOptions, StartUpAsksForTheCommandLineFactorElseThePlayersChoice) {
  auto start_with = [](const char* display_sav, std::vector<const char*> argv) {
    fresh_game();
    if (display_sav) write_file("display.sav", display_sav);
    argv.insert(argv.begin(), "game"); argv.push_back(nullptr);
    Player player;
    player.then([] { return true; }, [] { headless::stop(); });
    EXPECT_EQ(run_program([&] { game_main(static_cast<int>(argv.size()) - 1, const_cast<char**>(argv.data())); }), -2);
  };
  start_with(nullptr, {});
  EXPECT_EQ(headless::requested_scale(), 0) << "no choice: the largest that fits";
  start_with("3 ", {});
  EXPECT_EQ(headless::requested_scale(), 3);
  start_with("3 ", {"-scale", "1"});  // the command line wins for this run, and the player's choice stays
  EXPECT_EQ(std::vector<int>({headless::requested_scale(), window_scale}), std::vector<int>({1, 3}));
  EXPECT_EQ(read_file("display.sav"), "3 ");
  start_with(nullptr, {"-fullscreen", "-scale", "2"});
  EXPECT_EQ(std::make_pair(headless::requested_fullscreen(), headless::requested_scale()), std::make_pair(1, 2));
  start_with("fill ", {});
  EXPECT_EQ(headless::requested_scale(), window_fit::kFill);
}

namespace {
// The band and the size of spoken lines, hints on, lines until clicked, as the game holds them, when the game
// pauses away from its window, and reading aloud.
std::vector<int> player_settings() {
  return {settings::subtitle_band, settings::large_subtitles, settings::hints, settings::text_until_clicked,
          settings::pause_when_away, settings::speech};
}
}  // namespace

TEST(Settings, AMissingOrDamagedFileGivesTheDefaultsLineByLineAndAWrittenOneReadsBack) {
  // The band is on, the large font off, hints on and lines timed when nothing says otherwise; each line that is
  // understood counts.
  const struct { const char* what; const char* content; std::vector<int> expected; int bad; } cases[] = {
      {"missing", nullptr, {1, 0, 1, 0, 2, 0}, 0},
      {"empty", "", {1, 0, 1, 0, 2, 0}, 0},
      {"all set", "subtitle_band=0\nlarge_subtitles=1\nhints=0\ntext_until_clicked=1\n", {0, 1, 0, 1, 2, 0}, 0},
      {"CR LF, blanks, notes, no last line break", "# mine\r\n\r\n  large_subtitles = 1 \r\nsubtitle_band=0", {0, 1, 1, 0, 2, 0}, 0},
      {"out of range", "subtitle_band=2\nlarge_subtitles=-1\nhints=2\ntext_until_clicked=-1\n", {1, 0, 1, 0, 2, 0}, 4},
      {"not a number", "subtitle_band=yes\nlarge_subtitles=1x\nlarge_subtitles=\n", {1, 0, 1, 0, 2, 0}, 3},
      {"unknown name, no equals sign, garbage", "volume=3\nlarge_subtitles\n\x01\xff=1\nlarge_subtitles=1\n", {1, 1, 1, 0, 2, 0}, 3},
      {"the last of two wins", "subtitle_band=0\nsubtitle_band=1\ntext_until_clicked=1\n", {1, 0, 1, 1, 2, 0}, 0},
      // Pausing when the window loses the focus: 2 (in full screen) unless set; 0 never, 1 always.
      {"pause never", "pause_when_away=0\n", {1, 0, 1, 0, 0, 0}, 0},
      {"pause always", "pause_when_away=1\n", {1, 0, 1, 0, 1, 0}, 0},
      {"pause out of range", "pause_when_away=3\npause_when_away=-1\n", {1, 0, 1, 0, 2, 0}, 2},
      // Reading aloud: off unless set, for it starts speech-dispatcher.
      {"read aloud", "speech=1\n", {1, 0, 1, 0, 2, 1}, 0},
      {"read aloud out of range", "speech=2\nspeech=-1\n", {1, 0, 1, 0, 2, 0}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what); fresh_game(), bug_report = std::fopen("bugs.txt", "w");
    settings::subtitle_band = 7, settings::large_subtitles = 7, settings::pause_when_away = 7, settings::speech = 7;
    if (c.content) write_file("settings.txt", c.content);
    load_settings();
    EXPECT_EQ(player_settings(), c.expected);
    std::fclose(bug_report), bug_report = nullptr;
    const std::string report = read_file("bugs.txt");
    EXPECT_EQ(report.find(std::to_string(c.bad) + " line(s) not understood") != std::string::npos, c.bad > 0) << report;
    if (c.bad == 0) EXPECT_EQ(report, "");
    // Written and read again: the same settings, one "name=value" line each under a note.
    ASSERT_EQ(save_settings(), 0);
    // ... followed by the copy of options.sav's four settings and ten names.
    const std::string head = "# Pelvaro's settings: name=value, one a line\nsubtitle_band=" +
                             std::to_string(c.expected[0]) + "\nlarge_subtitles=" + std::to_string(c.expected[1]) +
                             "\nhints=" + std::to_string(c.expected[2]) + "\ntext_until_clicked=" +
                             std::to_string(c.expected[3]) + "\npause_when_away=" +
                             std::to_string(c.expected[4]) + "\nspeech=" + std::to_string(c.expected[5]) +
                             "\noptions.music_vol=";
    EXPECT_EQ(read_file("settings.txt").substr(0, head.size()), head);
    EXPECT_NE(access(temporary_name("settings.txt").c_str(), F_OK), 0) << "no temporary file left behind";
    settings::reset_to_defaults(), settings::large_subtitles = 5, load_settings();
    EXPECT_EQ(player_settings(), c.expected);
  }
  EXPECT_EQ(read_settings_text("large_subtitles=1\nsubtitle_band=0\nvolume=3"), 1) << "only the unknown name";
  EXPECT_EQ(player_settings(), (std::vector<int>{0, 1, 1, 0, 2, 0}));
  EXPECT_EQ(read_settings_text(""), 0);
  EXPECT_EQ(player_settings(), (std::vector<int>{1, 0, 1, 0, 2, 0})) << "defaults first";
}

TEST(Settings, AFileThatCannotBeReadOrWrittenIsReportedAndTheOldOneStays) {
  fresh_game();
  ASSERT_EQ(mkdir("settings.txt", 0755), 0);
  settings::large_subtitles = 1;
  testing::internal::CaptureStderr(); load_settings();
  EXPECT_EQ(player_settings(), (std::vector<int>{1, 0, 1, 0, 2, 0}));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Pelvaro: settings.txt: it is not a regular file; the default settings are used.\n");
  write_file("settings.txt/keep", "old");
  testing::internal::CaptureStderr();
  EXPECT_EQ(save_settings(), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Pelvaro: the settings could not be saved to settings.txt: Is a directory.\n");
  EXPECT_EQ(read_file("settings.txt/keep"), "old");
  EXPECT_NE(access(temporary_name("settings.txt").c_str(), F_OK), 0) << "no temporary file left behind";
}
