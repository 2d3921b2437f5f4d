// The shot player: what a shot draws and in which order, the frame clock, the subtitles, clicks and keys during a
// sequence, and the faults noted when a sequence addresses a picture its datafile lacks.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "core/data_manifest.h"
#include "cutscenes/frames.h"

namespace {
constexpr int kRed = 0xF800, kGreen = 0x07E0, kBlue = 0x001F, kYellow = 0xFFE0;

struct Swatch {  // a 16-bit picture of one colour
  BITMAP* bmp;
  Swatch(int w, int h, int colour) : bmp(create_bitmap_ex(16, w, h)) { clear_to_color(bmp, colour); }
  ~Swatch() { destroy_bitmap(bmp); }
};

int shown(int x, int y) { return getpixel(headless::last_frame(), x, y); }

// The next shot: its overlay frames at (x, y), the hero's frames at (hx, hy).
void shot(int duration, std::vector<BITMAP*> over, int x, int y, std::vector<BITMAP*> hero, int hx, int hy) {
  for (size_t i = 0; i < over.size(); ++i) video_bmp[i] = over[i], video_x[i] = x, video_y[i] = y;
  for (size_t i = 0; i < hero.size(); ++i) video_move[i] = hero[i];
  video_bmp_nr = over.size(), hero_move_frame_nr = hero.size(), bmp_x = hx, bmp_y = hy, video_duration = duration;
}

class Player : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1"); video_active = 1;
    for (int i = 0; i < kTextLines; ++i) video_text[i] = "";
  }
  void TearDown() override {
    video_active = video_bmp_nr = hero_move_frame_nr = 0;
    for (int i = 0; i < kVideoFrames; ++i) video_move[i] = video_bmp[i] = nullptr;
  }
  // Plays one shot, calling `look` at each composed frame's first showing; returns the frames seen.
  static int play_watching(const std::function<void()>& look) {
    int seen = 0;
    const frames::Recording r =
        frames::record(play_the_video, [&] { if (video_loop > seen) seen = video_loop, look(); });
    EXPECT_EQ(r.status, -1);
    return seen;
  }
  // Runs a sequence of takel.dat's frames, as the story's would.
  static void sequence(const std::function<void(Sequence&)>& script) {
    video_active = 0;
    ASSERT_EQ(test_support::run_program([&] { Sequence s("video_test", &manifest::kTakelFile); script(s); }), -1);
  }
};

TEST_F(Player, OverlayAndHeroCycleIndependentlyOneFramePer55Ms) {
  Swatch over_a(8, 8, kRed), over_b(8, 8, kGreen), hero_a(8, 8, kBlue), hero_b(8, 8, kYellow), hero_c(8, 8, kRed);
  shot(7, {over_a.bmp, over_b.bmp}, 300, 40, {hero_a.bmp, hero_b.bmp, hero_c.bmp}, 100, 40);
  std::vector<int> over, hero;
  const int start = headless::now();
  EXPECT_EQ(play_watching([&] { over.push_back(shown(302, 42)), hero.push_back(shown(102, 42)); }), 7);
  EXPECT_EQ(over, (std::vector<int>{kRed, kGreen, kRed, kGreen, kRed, kGreen, kRed}));
  EXPECT_EQ(hero, (std::vector<int>{kBlue, kYellow, kRed, kBlue, kYellow, kRed, kBlue}));
  EXPECT_GE(headless::now() - start, 6 * 55);
  EXPECT_TRUE(video_loop == 0 && move_frame_nr == 0 && video_frame_nr == 0 && mouse_status == kModeBusy);
}

TEST_F(Player, WithoutOverlayOnlyTheRoomAndTheHeroAreDrawn) {
  Swatch stale(8, 8, kRed), hero_a(8, 8, kBlue);
  shot(2, {stale.bmp}, 300, 40, {hero_a.bmp}, 100, 40);
  video_bmp_nr = 0;  // the overlay is left over from an earlier shot
  play_watching([] { EXPECT_TRUE(shown(102, 42) == kBlue && shown(302, 42) != kRed) << "the stale overlay is drawn"; });
}

TEST_F(Player, ForegroundFlagsLayerHeroObjectAndOverlayInOrder) {
  Swatch over(20, 20, kRed), hero_a(20, 20, kBlue), object(10, 10, kYellow);
  shot(1, {over.bmp}, 200, 100, {hero_a.bmp}, 210, 100);  // the hero over the overlay's right half
  video_object = object.bmp, video_object_x = 215, video_object_y = 105;
  // What shows where all three overlap, and where only the object and the overlay do.
  auto layers = [] {
    std::pair<int, int> seen;
    play_watching([&] { seen = {shown(212, 102), shown(216, 106)}; });
    return seen;
  };
  EXPECT_EQ(layers(), std::pair(kRed, kRed)) << "the hero is drawn with the room, under the overlay";
  hero_foreground = 1;
  EXPECT_EQ(layers().first, kBlue);
  object_foreground = 1;
  EXPECT_EQ(layers(), std::pair(kBlue, kYellow));
  video_foreground = 1;  // the overlay once more, over everything
  EXPECT_EQ(layers(), std::pair(kRed, kRed));
}

// (The band behind the lines, which darkens the blue, is checked with the speech's in dialogue/speech_test.cpp.)
TEST_F(Player, SubtitlesHaveADarkOutlineAnEmptyLineDrawsNothingAndTheyGoAfterTheShot) {
  dialogue_support::load_font(); clear_to_color(memory_screen, kBlue);
  const char* text[] = {"Grrrrmbll !!!!", "", "Arggggghhh !!!"};
  for (int i = 0; i < 3; ++i) video_text[i] = text[i], video_text_x[i] = 100, video_text_y[i] = 50 + 50 * i;
  video_text_color = 16000, show_text_video();
  int lit = 0, outline = 0, line1 = 0;
  for (int y = 40; y < 180; ++y)
    for (int x = 90; x < 400; ++x) {
      const int p = getpixel(memory_screen, x, y);
      if (p == kBlue) continue;
      line1 += y >= 95 && y < 120 && (p == (16000 & 0xFFFF) || p == 0); lit += p == (16000 & 0xFFFF);
      outline += p == 0;
    }
  EXPECT_TRUE(lit > 50 && outline > lit) << "six black copies around each letter";
  EXPECT_EQ(line1, 0) << "the empty line: no letters, no outline";

  video_duration = 1, play_watching([] {});
  for (int i = 0; i < kTextLines; ++i) EXPECT_TRUE(*video_text[i] == 0 && video_text_x[i] + video_text_y[i] == 0) << i;
  EXPECT_EQ(video_text_color, 0);
  // Kept across shots when asked.
  video_text[0] = "Aiiiikkkaaaa !", let_video_text = 1; play_watching([] {});
  EXPECT_STREQ(video_text[0], "Aiiiikkkaaaa !");
}

TEST_F(Player, ASequenceIgnoresClicksWaitsForTheButtonAndLeavesTheHeroStanding) {
  const int before = shots_played();
  const int release_at = headless::now() + 2000;
  // The button goes down in the first shot and stays down past the sequence.
  headless::mouse_at(headless::now() + 100, 320, 240, 1);
  headless::mouse_at(release_at, 320, 240, 0);
  sequence([](Sequence& s) {
    EXPECT_EQ(video_active, 1);
    s.place_hero(320, 400), s.hero_run(0, 14), s.play(10);
    s.say(0, "Grrrrmbll !!!!", 100, 50), s.subtitle_colour(kHeroSubtitle), s.play(3);
  });
  EXPECT_TRUE(shots_played() - before == 2 && headless::now() >= release_at) << "it waited for the button to come up";
  EXPECT_TRUE(video_active == 0 && hero_foreground == 0 && mov_nr == kStanding && video_dat == nullptr);
  EXPECT_TRUE(*video_text[0] == 0 && sequence_faults().empty());
}

TEST_F(Player, EscapeSkipsTheRemainingShotsButNotTheRoomChanges) {
  furni_present[0] = 1;
  int frames_after_escape = 0;
  const int escape_at = headless::now() + 300;
  headless::key_at(escape_at, KEY_ESC << 8 | 27);
  sequence([&](Sequence& s) {
    s.place_hero(320, 400), s.hero_run(0, 14), s.play(40);  // 2.2 s: Escape comes during it
    const int shots = shots_played();
    headless::on_present([&] { ++frames_after_escape; });
    furni_present[0] = 0;  // the room change between shots still happens
    s.play(40), s.caption(0, "Later...");
    EXPECT_EQ(shots_played(), shots + 1);
    EXPECT_TRUE(sequence_skipping());
  });
  headless::on_present(nullptr);
  EXPECT_TRUE(frames_after_escape == 0 && furni_present[0] == 0 && headless::now() < escape_at + 1000);
  EXPECT_FALSE(sequence_skipping()) << "the next sequence plays again";
}

TEST_F(Player, APictureTheDatafileLacksIsNotedWithTheSequenceAndIndex) {
  sequence_faults().clear();
  sequence([](Sequence& s) {
    s.place_hero(320, 400), s.hero_run(13, 16), s.overlay_run(0, 1, 10, 10), s.play(2);  // takel.dat holds 15
  });
  EXPECT_EQ(sequence_faults(), (std::vector<std::string>{"video_test: takel.dat has no picture 15",
                                                         "video_test: takel.dat has no picture 16"}));
  sequence_faults().clear();
}

// In future_floor1 the hero is 200 x (y / 200 - 0.575) tall, at most 1.3 x 200.
TEST_F(Player, ScaledHeroFramesTakeTheHerosSizeAtHisPlace) {
  sequence([](Sequence& s) {
    s.place_hero(165, 335, -8, -4);
    const frames::Placed at = frames::hero_picture_at(165, 335, 200, -0.575f);
    EXPECT_TRUE(hero_length == at.h && hero_width == at.w) << hero_width << "x" << hero_length;
    EXPECT_TRUE(bmp_x == at.x - 8 && bmp_y == at.y - 4) << bmp_x << "," << bmp_y;
    BITMAP* sized = s.scaled(s.hero_picture(7));
    EXPECT_TRUE(sized->w == hero_width && sized->h == hero_length);
  });
}
}  // namespace
