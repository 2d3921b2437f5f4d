// The last scene, played in the physics lab of a running game: its shots and
// subtitles, the year counter, the closing screen that waits for a click, and
// the end of the program.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "persistence/saved_games.h"
#include "interaction/interaction.h"
#include "rooms/rooms.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace {

using namespace test_support;

struct Subtitle {
  std::string text;
  int x, y, colour;
};

// One run of the whole scene, with what each presented frame showed.
struct Played {
  int status = 0;
  std::vector<Subtitle> subtitles;
  std::vector<std::pair<int, int>> years;  // (time, year shown)
  int caption_at = -1, first_years_at = -1, last_years_at = -1;
  int closing_at = -1, click_at = -1;
  int person0_at_closing = -1, lever_at_closing = -1;
  int shots = 0;
};

class TimeMachine : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(stand_in_main_loop(1), -2);
    new_room[0] = "future_physiktp";
    new_hero_x[0] = 565;
    new_hero_y[0] = 360;
    change_room = 0;
    enter_new_room();
    ASSERT_STREQ(room_name, "future_physiktp");
    dat_ = load_datafile("timemach.dat");
    intro_ = load_datafile("intro.dat");
    ASSERT_NE(dat_, nullptr);
    ASSERT_NE(intro_, nullptr);
    sequence_faults().clear();
  }
  void TearDown() override {
    headless::on_present(nullptr);
    if (dat_) unload_datafile(dat_);
    if (intro_) unload_datafile(intro_);
  }

  // Whether the frame shows `picture` (a full screen) at a few points that
  // the texts written over it never reach.
  static bool shows(BITMAP* frame, BITMAP* picture) {
    static const int kPoints[][2] = {{5, 5}, {630, 10}, {20, 460}, {620, 470}, {100, 300}, {540, 120}};
    for (const auto& p : kPoints)
      if (getpixel(frame, p[0], p[1]) != getpixel(picture, p[0], p[1])) return false;
    return true;
  }
  BITMAP* picture(DATAFILE* d, int i) { return static_cast<BITMAP*>(d[i].dat); }

  // The year the counter's frame shows: the one whose writing over the
  // counter's background matches the frame.
  int year_in(BITMAP* frame) {
    BITMAP* expect = create_bitmap_ex(16, 640, 480);
    int found = -1;
    for (int year = 2000; year <= 2030 && found < 0; ++year) {
      blit(picture(dat_, 102), expect, 0, 0, 0, 0, 640, 480);
      textprintf_ex(expect, pv_font, 300, 230, 128000, -1, "%d", year);
      bool same = true;
      for (int y = 228; y < 232 + text_height(pv_font) && same; ++y)
        for (int x = 296; x < 380 && same; ++x) same = getpixel(expect, x, y) == getpixel(frame, x, y);
      if (same) found = year;
    }
    destroy_bitmap(expect);
    return found;
  }

  // Plays the scene; Escape is pressed at `escape_at` (never when -1); the
  // closing screen is clicked `click_after` ms after it appears.
  Played play(int escape_at = -1, int click_after = 1500) {
    Played r;
    const int shots_before = shots_played();
    if (escape_at >= 0) headless::key_at(headless::now() + escape_at, KEY_ESC << 8 | 27);
    headless::on_present([&] {
      BITMAP* frame = headless::last_frame();
      const int t = headless::now();
      if (video_active == 1)
        for (int i = 0; i < 3; ++i)
          if (video_text[i] && *video_text[i]) {
            bool known = false;
            for (const Subtitle& s : r.subtitles) known |= s.text == video_text[i];
            if (!known) r.subtitles.push_back({video_text[i], video_text_x[i], video_text_y[i], video_text_color});
          }
      if (r.caption_at < 0 && shows(frame, picture(dat_, 0))) r.caption_at = t;
      if (shows(frame, picture(dat_, 102))) {
        if (r.first_years_at < 0) r.first_years_at = t;
        r.last_years_at = t;
        r.years.emplace_back(t, year_in(frame));
      }
      if (shows(frame, picture(intro_, 2))) {
        if (r.closing_at < 0) {
          r.closing_at = t;
          r.person0_at_closing = person_present[0];
          r.lever_at_closing = furni_present[2];
          r.click_at = t + click_after;
          headless::click(r.click_at, 320, 240);
        }
      }
    });
    r.status = run_program([] { video_time_machine(); });
    r.shots = shots_played() - shots_before;
    headless::on_present(nullptr);
    return r;
  }

  DATAFILE* dat_ = nullptr;
  DATAFILE* intro_ = nullptr;
};

TEST_F(TimeMachine, PlaysItsShotsAndSubtitlesThenTheYearsAndEndsWithStatusOneAfterAClick) {
  const int start = headless::now();
  ASSERT_FALSE(file_exists("options.sav", FA_ALL, nullptr));
  const Played r = play();
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.shots, 26);
  EXPECT_TRUE(sequence_faults().empty()) << sequence_faults().front();
  // The options are not written on this way out.
  EXPECT_FALSE(file_exists("options.sav", FA_ALL, nullptr));

  // The caption first; then the hero's three lines in green and the
  // teacher's three in red, at their places, each inside the screen.
  ASSERT_GE(r.caption_at, start);
  ASSERT_EQ(r.subtitles.size(), 6u);
  const int places[6][2] = {{280, 90}, {260, 110}, {280, 130}, {230, 90}, {230, 110}, {260, 130}};
  for (int i = 0; i < 6; ++i) {
    const Subtitle& s = r.subtitles[i];
    EXPECT_EQ(s.colour, i < 3 ? 2016 : 63488) << s.text;
    EXPECT_EQ(s.x, places[i][0]) << s.text;
    EXPECT_EQ(s.y, places[i][1]) << s.text;
    EXPECT_LE(s.x + text_length(pv_font, s.text.c_str()), 640) << s.text;
  }

  // The counter starts at 2027 and loses a year every 250 ms for two to
  // three seconds.
  ASSERT_FALSE(r.years.empty());
  EXPECT_EQ(r.years.front().second, 2027);
  const int run_ms = r.last_years_at - r.first_years_at;
  EXPECT_GE(run_ms, 2000 - 60);
  EXPECT_LE(run_ms, 3000);
  for (const auto& [t, year] : r.years) {
    const int want = 2027 - (t - r.first_years_at) / 250;
    EXPECT_GE(year, want - 1) << "at " << t - r.first_years_at << " ms";
    EXPECT_LE(year, want) << "at " << t - r.first_years_at << " ms";
  }
  EXPECT_LE(r.years.back().second, 2027 - 7);

  // The closing screen comes after the counter and stays until the click.
  ASSERT_GT(r.closing_at, r.last_years_at);
  EXPECT_GE(headless::now(), r.click_at);
  EXPECT_EQ(r.person0_at_closing, 0);
  EXPECT_EQ(r.lever_at_closing, 1);
}

TEST_F(TimeMachine, EscapeSkipsToTheClosingScreenWhichStillWaitsForAClick) {
  // A game kept by closing the window earlier is finished now: no Continue.
  std::filesystem::create_directories("sav");
  test_support::write_file(kAutosaveFile, "a game kept earlier");
  ASSERT_TRUE(autosave_exists());
  const int start = headless::now();
  const Played r = play(800, 4000);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.years.empty());
  ASSERT_GE(r.closing_at, 0);
  EXPECT_LT(r.closing_at - start, 2000);
  // Nothing but the click ended it, four seconds later.
  EXPECT_GE(headless::now(), r.click_at);
  EXPECT_EQ(r.shots, 26);
  EXPECT_FALSE(autosave_exists());
}

TEST_F(TimeMachine, TheStorylineStartsItWhenTheShowerIsDone) {
  story_douche = 0;
  storyline();
  EXPECT_EQ(video_active, 0);
  story_douche = 1;
  const Played r = [&] {
    Played run;
    headless::key_at(headless::now() + 100, KEY_ESC << 8 | 27);
    headless::on_present([&] {
      if (run.closing_at < 0 && shows(headless::last_frame(), picture(intro_, 2))) {
        run.closing_at = headless::now();
        headless::click(run.closing_at + 100, 320, 240);
      }
    });
    run.status = run_program([] { storyline(); });
    return run;
  }();
  EXPECT_EQ(r.status, 1);
  EXPECT_GE(r.closing_at, 0);
}

}  // namespace
