// The last scene: the time machine's energy effect drawn on a buffer of its own, and the whole scene in the
// physics lab: its shots, subtitles, year counter, the closing screen that waits for a click, the program's end.
#include <gtest/gtest.h>
#include <allegro.h>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>
#include "cutscenes/frames.h"
#include "cutscenes/time_machine_data.h"
#include "cutscenes/videos.h"
#include "persistence/saved_games.h"

namespace {
constexpr int kWhite = 65535, kBlue = 31;

int rgb16(int r, int g6, int b) { return (r << 11) | (g6 << 5) | b; }

class TimeTravel : public testing::Test {
 protected:
  void SetUp() override {
    test_support::ensure_allegro();
    saved_ = memory_screen, memory_screen = create_bitmap_ex(16, 640, 480);
    clear_to_color(memory_screen, 0), hue = 0;
  }
  void TearDown() override { destroy_bitmap(memory_screen), memory_screen = saved_, video_timetravel = video_loop = 0; }
  // One frame of the effect at stage `s`, frame `f` of its shot.
  static void frame(int s, int f) { video_timetravel = s, video_loop = f, time_travel(); }
  static int px(int x, int y) { return getpixel(memory_screen, x, y); }
  // What of the effect shows on a black buffer after one frame: g the glow on the machine in the tube's cap
  // (482, 132), 1..4 the beams (from the telescope's lens at (626, 172) to the glow, and down from it), l the five
  // blue lines over the hero.
  static std::string seen_at(int s, int f) {
    clear_to_color(memory_screen, 0); frame(s, f);
    auto any = [](int x1, int y1, int x2, int y2, int c) {
      for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
          if (px(x, y) == c) return true;
      return false;
    };
    std::string out;
    if (px(482, 132) == kWhite) out += 'g';
    if (any(617, 172, 626, 177, kWhite)) out += '1';
    if (any(546, 165, 553, 199, kWhite)) out += '2';
    if (any(490, 135, 538, 161, kWhite)) out += '3';
    if (any(481, 142, 483, 182, kWhite)) out += '4';
    if (any(452, 180, 480, 182, s >= 3 ? rgb16(16, 32, 31) : kBlue)) out += 'l';
    return out;
  }
  BITMAP* saved_ = nullptr;
};

// Stage 1: beam 1 from the first frame, 2 from the fifth, 3 from the tenth. Stage 2: the glow and beams 1 to 3 at
// once, beam 4 from the fifth frame, the five lines from the tenth. Flashing stages draw everything first.
TEST_F(TimeTravel, TheBeamsBuildUpByStageAndByFrameOfTheShot) {
  const std::pair<std::pair<int, int>, const char*> cases[] = {
      {{1, 1}, "1"},      {{1, 4}, "1"},      {{1, 5}, "12"},      {{1, 10}, "123"},   {{2, 1}, "g123"},
      {{2, 4}, "g123"},   {{2, 5}, "g1234"},  {{2, 9}, "g1234"},   {{2, 10}, "g1234l"}, {{4, 1}, "g1234l"},
  };
  for (const auto& [at, want] : cases) EXPECT_EQ(seen_at(at.first, at.second), want) << at.first << "/" << at.second;
  seen_at(2, 1);  // the glow's rings: white inside, light blue, then blue at the rim
  EXPECT_EQ(std::vector<int>({px(486, 132), px(487, 132), px(488, 132)}), std::vector<int>({33823, kBlue, 0}));
}

// Every channel moves 16 down (odd stages) or up (even ones), stopping at 0 or its top; green is read by its upper
// five bits, its lowest bit goes along unless the channel is cleared or filled whole. The stage moves on.
TEST_F(TimeTravel, AFlashDarkensOddStagesAndBrightensEvenOnesChannelByChannel) {
  struct Case { int stage, before, after; };
  const Case cases[] = {
      {3, kWhite, rgb16(15, 31, 15)},                       {4, 0, rgb16(16, 32, 16)},
      {5, rgb16(20, 0b110001, 10), rgb16(4, 0b010001, 0)},  {5, rgb16(17, 0b100001, 16), rgb16(1, 0, 0)},
      {6, rgb16(20, 0b100001, 15), rgb16(31, 63, 31)},      {6, rgb16(15, 0b011111, 16), rgb16(31, 63, 31)},
  };
  for (const Case& c : cases) {
    clear_to_color(memory_screen, c.before); frame(c.stage, 3);
    for (auto [x, y] : {std::pair{0, 0}, {600, 400}, {639, 479}}) EXPECT_EQ(px(x, y), c.after) << c.stage << " " << c.before;
    EXPECT_TRUE(video_timetravel == c.stage + 1 && hue == kWhite) << c.stage;
  }
}

// Flashing ends at stage 100, which stays and fills the screen with white; the fade (stage 200) takes 16 frames
// from white to nearly black, 2 in red and blue and 4 in green a frame, never below 0.
TEST_F(TimeTravel, TheScreenTurnsWhiteThenFadesToBlackInSixteenFrames) {
  clear_to_color(memory_screen, 1234);
  for (int f = 0; f <= 3; ++f) {
    frame(f ? 100 : 99, f ? f : 7);
    EXPECT_EQ(video_timetravel, 100);
  }
  for (auto [x, y] : {std::pair{0, 0}, {482, 132}, {639, 479}}) EXPECT_EQ(px(x, y), kWhite);
  std::vector<int> shown;
  for (int f = 1; f <= 17; ++f) {
    frame(200, f); shown.push_back(px(600, 400));
    EXPECT_EQ(px(0, 0), shown.back());
  }
  EXPECT_EQ(std::vector<int>({shown[0], shown[1], shown[15], shown[16], hue, video_timetravel}),
            std::vector<int>({kWhite, kWhite - 4226, 2145, 0, 0, 200}));
}

// One run of the whole scene, with the counter's years and the closing screen seen.
struct Played : frames::Recording {
  std::vector<std::pair<int, int>> years;  // (time, year shown)
  int closing_at = -1, click_at = -1, person0_at_closing = -1, lever_at_closing = -1;
};

class TimeMachine : public testing::Test {
 protected:
  void SetUp() override {
    frames::stand("future_physiktp", 565, 360);
    furni_present[2] = 0;  // the lever: the machine sets it when it starts
    dat_ = load_datafile("timemach.dat"), intro_ = load_datafile("intro.dat");
    ASSERT_TRUE(dat_ && intro_);
  }
  void TearDown() override { if (dat_) unload_datafile(dat_); if (intro_) unload_datafile(intro_); }
  // Whether the frame shows the full screen entry `i` of `d` at points the texts over it never reach.
  static bool shows(BITMAP* frame, DATAFILE* d, int i) {
    static const int kPoints[][2] = {{5, 5}, {630, 10}, {20, 460}, {620, 470}, {100, 300}, {540, 120}};
    for (const auto& p : kPoints)
      if (getpixel(frame, p[0], p[1]) != getpixel(static_cast<BITMAP*>(d[i].dat), p[0], p[1])) return false;
    return true;
  }
  // The year whose writing, orange at (300, 230) over the counter's background (entry 102), matches the frame.
  int year_in(BITMAP* frame) {
    BITMAP* expect = create_bitmap_ex(16, 640, 480);
    int found = -1;
    for (int year = 2000; year <= 2030 && found < 0; ++year) {
      blit(static_cast<BITMAP*>(dat_[102].dat), expect, 0, 0, 0, 0, 640, 480);
      textprintf_ex(expect, pv_font, 300, 230, 128000, -1, "%d", year);
      bool same = true;
      for (int y = 228; y < 232 + text_height(pv_font) && same; ++y)
        for (int x = 296; x < 380 && same; ++x) same = getpixel(expect, x, y) == getpixel(frame, x, y);
      if (same) found = year;
    }
    destroy_bitmap(expect);
    return found;
  }
  // Plays the scene, Escape pressed at `escape_at` (-1: never), the closing screen (intro.dat 2) clicked
  // `click_after` ms after it appears; `each` runs at every frame too.
  Played play(int escape_at, int click_after, const std::function<void()>& each = [] {}) {
    Played r;
    if (escape_at >= 0) headless::key_at(headless::now() + escape_at, KEY_ESC << 8 | 27);
    static_cast<frames::Recording&>(r) = frames::record(video_time_machine, [&] {
      each();
      BITMAP* frame = headless::last_frame();
      const int t = headless::now();
      if (shows(frame, dat_, 102)) r.years.emplace_back(t, year_in(frame));
      if (r.closing_at < 0 && shows(frame, intro_, 2)) {
        r.closing_at = t, r.person0_at_closing = person_present[0], r.lever_at_closing = furni_present[2];
        headless::click(r.click_at = t + click_after, 320, 240);
      }
    });
    for (const std::string& fault : r.faults) ADD_FAILURE() << fault;
    return r;
  }
  DATAFILE *dat_ = nullptr, *intro_ = nullptr;
};

TEST_F(TimeMachine, PlaysItsShotsAndSubtitlesThenTheYearsAndEndsWithStatusOneAfterAClick) {
  const Played r = play(-1, 1500);
  EXPECT_TRUE(r.status == 1 && r.shots == 26) << r.status << " " << r.shots;
  EXPECT_FALSE(std::filesystem::exists("options.sav")) << "the options are not written on this way out";
  // A caption; the hero's three lines in green, then the teacher's three in red, at their places, on the screen.
  EXPECT_EQ(r.captions().size(), 1u);
  std::vector<std::tuple<int, int, int>> lines;  // colour and place of each line of each new screen
  std::vector<std::string> last;
  for (const frames::Seen& f : r.frames)
    for (size_t i = 0; i < f.lines.size(); ++i) {
      EXPECT_LE(f.line_x[i] + text_length(pv_font, f.lines[i].c_str()), 640) << f.lines[i];
      if (f.lines != last) lines.emplace_back(f.colour, f.line_x[i], f.line_y[i]);
      if (i + 1 == f.lines.size()) last = f.lines;
    }
  EXPECT_EQ(lines, (std::vector<std::tuple<int, int, int>>{{2016, 280, 90}, {2016, 260, 110}, {2016, 280, 130},
                                                            {63488, 230, 90}, {63488, 230, 110}, {63488, 260, 130}}));

  // The counter starts at 2027 and loses a year every 250 ms for two to three seconds.
  ASSERT_FALSE(r.years.empty());
  EXPECT_EQ(r.years.front().second, 2027);
  const int first = r.years.front().first, run_ms = r.years.back().first - first;
  EXPECT_TRUE(run_ms >= 2000 - 60 && run_ms <= 3000) << run_ms;
  for (const auto& [t, year] : r.years) {
    const int want = 2027 - (t - first) / 250;
    EXPECT_TRUE(year == want || year == want - 1) << year << " at " << t - first << " ms";
  }
  EXPECT_LE(r.years.back().second, 2027 - 7);

  // The closing screen comes after the counter and stays until the click; Mr Zirud is the scene's, the lever down.
  ASSERT_GT(r.closing_at, r.years.back().first);
  EXPECT_GE(headless::now(), r.click_at);
  EXPECT_TRUE(r.person0_at_closing == 0 && r.lever_at_closing == 1);
}

// Mr Zirud watches beside the machine, never behind it: his picture in the room, at his place where the pedestal
// stands now, is not drawn during the scene, and every picture of him (talking, with his remote, and the rising
// tube's, which show him at their left) has him centred left of the tube's left rail (x 442), his feet on the
// floor in front of the pedestal's top (row 296).
TEST_F(TimeMachine, MrZirudWatchesBesideTheMachineNeverBehindTheTube) {
  using manifest::Timemach;
  const int first = manifest::at(Timemach::teacher_talk), last = manifest::at(Timemach::start, 14);
  const int tube = manifest::at(Timemach::tube), tube_last = manifest::at(Timemach::tube, 37);
  const BITMAP* him = static_cast<BITMAP*>(dat_[first].dat);
  int room_picture = 0, pictures = 0, tubes = 0;
  std::vector<std::string> wrong;
  const Played r = play(-1, 500, [&] {
    if (video_active != 1) return;
    room_picture += person_present[0] == 1;
    for (int i = 0; i < video_bmp_nr && video_dat; ++i) {
      int entry = -1;
      for (int e = first; e <= last && entry < 0; ++e) if (video_dat[e].dat == video_bmp[i]) entry = e;
      if (entry < 0) continue;
      ++pictures, tubes += entry >= tube && entry <= tube_last;
      const int centre = video_x[i] + him->w / 2, feet = video_y[i] + (entry >= tube && entry <= tube_last ?
                                                                         video_bmp[i]->h : him->h);
      if (centre >= 442 || feet <= 296) wrong.push_back(std::to_string(entry) + " at " + std::to_string(video_x[i]));
    }
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(room_picture, 0) << "frames with Mr Zirud drawn at his place in the room";
  EXPECT_TRUE(pictures > 0 && tubes > 0) << pictures << " pictures of him, " << tubes << " with the tube";
  EXPECT_TRUE(wrong.empty()) << wrong.front();
}

TEST_F(TimeMachine, EscapeSkipsToTheClosingScreenWhichStillWaitsForAClickAndTheGameIsOver) {
  // A game kept by closing the window earlier is finished now: no Continue.
  std::filesystem::create_directories("sav");
  test_support::write_file(kAutosaveFile, "a game kept earlier");
  ASSERT_TRUE(autosave_exists());
  const int start = headless::now();
  const Played r = play(800, 4000);
  EXPECT_TRUE(r.status == 1 && r.shots == 26 && r.years.empty()) << r.status << " " << r.shots;
  EXPECT_TRUE(r.closing_at >= 0 && r.closing_at - start < 2000) << r.closing_at - start;
  EXPECT_GE(headless::now(), r.click_at) << "nothing but the click ended it, four seconds later";
  EXPECT_FALSE(autosave_exists());
}
}  // namespace
