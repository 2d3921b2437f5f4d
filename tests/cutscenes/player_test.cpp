// The shot player: what one shot draws and in which order, the frame clock,
// the subtitles and their outline, clicks and keys during a sequence, and
// the faults a sequence notes when it addresses a picture its datafile lacks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cutscenes/player.h"
#include "platform/headless.h"
#include "shell/data_manifest.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

constexpr int kRed = 0xF800;
constexpr int kGreen = 0x07E0;
constexpr int kBlue = 0x001F;
constexpr int kYellow = 0xFFE0;

// A plain 16-bit picture of one colour (the game's pixel format).
struct Swatch {
  BITMAP* bmp;
  Swatch(int w, int h, int colour) : bmp(create_bitmap_ex(16, w, h)) { clear_to_color(bmp, colour); }
  ~Swatch() { destroy_bitmap(bmp); }
};

int pixel(BITMAP* b, int x, int y) { return getpixel(b, x, y); }

class Player : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    video_active = 1;
    hero_foreground = 0;
    object_foreground = 0;
    video_foreground = 0;
    let_video_text = 0;
    video_timetravel = 0;
    for (int i = 0; i < kTextLines; ++i) video_text[i] = "";
    video_text_color = 0;
  }
  void TearDown() override {
    video_active = 0;
    video_bmp_nr = 0;
    hero_move_frame_nr = 0;
    for (int i = 0; i < kVideoFrames; ++i) video_move[i] = video_bmp[i] = nullptr;
  }
  // Plays one shot, calling `probe` whenever a composed frame is presented
  // for the first time (its number from 1), and returns the frames seen.
  static int play_watching(const std::function<void(int)>& probe) {
    int seen = 0;
    headless::on_present([&] {
      if (video_loop > seen) {
        seen = video_loop;
        probe(seen);
      }
    });
    EXPECT_EQ(test_support::run_program([] { play_the_video(); }), -1);
    headless::on_present(nullptr);
    return seen;
  }
};

TEST_F(Player, OverlayAndHeroCycleIndependentlyOneFramePer55Ms) {
  Swatch over_a(8, 8, kRed), over_b(8, 8, kGreen);
  Swatch hero_a(8, 8, kBlue), hero_b(8, 8, kYellow), hero_c(8, 8, kRed);
  video_bmp[0] = over_a.bmp;
  video_bmp[1] = over_b.bmp;
  video_x[0] = video_x[1] = 300;
  video_y[0] = video_y[1] = 40;
  video_bmp_nr = 2;
  video_move[0] = hero_a.bmp;
  video_move[1] = hero_b.bmp;
  video_move[2] = hero_c.bmp;
  hero_move_frame_nr = 3;
  bmp_x = 100;
  bmp_y = 40;
  video_duration = 7;
  std::vector<int> overlay, hero;
  const int start = headless::now();
  const int frames = play_watching([&](int) {
    overlay.push_back(pixel(headless::last_frame(), 302, 42));
    hero.push_back(pixel(headless::last_frame(), 102, 42));
  });
  EXPECT_EQ(frames, 7);
  // The overlay repeats every two frames, the hero every three.
  EXPECT_EQ(overlay, (std::vector<int>{kRed, kGreen, kRed, kGreen, kRed, kGreen, kRed}));
  EXPECT_EQ(hero, (std::vector<int>{kBlue, kYellow, kRed, kBlue, kYellow, kRed, kBlue}));
  // Seven frames of 55 ms each: at least six whole intervals after the first.
  EXPECT_GE(headless::now() - start, 6 * 55);
  // The counters the shot used are back at 0.
  EXPECT_EQ(video_loop, 0);
  EXPECT_EQ(move_frame_nr, 0);
  EXPECT_EQ(video_frame_nr, 0);
  EXPECT_EQ(mouse_status, kModeBusy);
}

TEST_F(Player, WithoutOverlayOnlyTheRoomAndTheHeroAreDrawn) {
  Swatch stale(8, 8, kRed), hero_a(8, 8, kBlue);
  video_bmp[0] = stale.bmp;  // left over from an earlier shot
  video_x[0] = 300;
  video_y[0] = 40;
  video_bmp_nr = 0;
  video_move[0] = hero_a.bmp;
  hero_move_frame_nr = 1;
  bmp_x = 100;
  bmp_y = 40;
  video_duration = 2;
  int room_pixel = -1;
  play_watching([&](int) {
    EXPECT_EQ(pixel(headless::last_frame(), 102, 42), kBlue);
    room_pixel = pixel(headless::last_frame(), 302, 42);
  });
  EXPECT_NE(room_pixel, kRed);  // the stale overlay is not drawn
}

TEST_F(Player, ForegroundFlagsLayerHeroObjectAndOverlayInOrder) {
  Swatch over(20, 20, kRed), hero_a(20, 20, kBlue), object(10, 10, kYellow);
  video_bmp[0] = over.bmp;
  video_x[0] = 200;
  video_y[0] = 100;
  video_bmp_nr = 1;
  video_move[0] = hero_a.bmp;
  hero_move_frame_nr = 1;
  bmp_x = 210;  // overlaps the overlay's right half
  bmp_y = 100;
  video_object = object.bmp;
  video_object_x = 215;
  video_object_y = 105;
  video_duration = 1;

  int overlap = 0, object_pixel = 0;
  auto look = [&](int) {
    overlap = pixel(headless::last_frame(), 212, 102);
    object_pixel = pixel(headless::last_frame(), 216, 106);
  };
  play_watching(look);  // the hero is drawn with the room, under the overlay
  EXPECT_EQ(overlap, kRed);
  EXPECT_EQ(object_pixel, kRed);

  hero_foreground = 1;
  play_watching(look);
  EXPECT_EQ(overlap, kBlue);

  object_foreground = 1;
  play_watching(look);
  EXPECT_EQ(object_pixel, kYellow);
  EXPECT_EQ(overlap, kBlue);

  video_foreground = 1;  // the overlay once more, over everything
  play_watching(look);
  EXPECT_EQ(overlap, kRed);
  EXPECT_EQ(object_pixel, kRed);
}

TEST_F(Player, SubtitlesHaveADarkOutlineAnEmptyLineDrawsNothingAndTheyGoAfterTheShot) {
  dialogue_support::load_font();
  clear_to_color(memory_screen, kBlue);
  video_text[0] = "Grrrrmbll !!!!";
  video_text[1] = "";
  video_text[2] = "Arggggghhh !!!";
  video_text_x[0] = 100;
  video_text_y[0] = 50;
  video_text_x[1] = 100;
  video_text_y[1] = 100;
  video_text_x[2] = 100;
  video_text_y[2] = 150;
  video_text_color = 16000;
  show_text_video();
  int lit = 0, outline = 0, line1 = 0;
  for (int y = 40; y < 180; ++y)
    for (int x = 90; x < 400; ++x) {
      const int p = getpixel(memory_screen, x, y);
      if (p == kBlue) continue;
      if (y >= 95 && y < 120) ++line1;
      if (p == (16000 & 0xFFFF)) ++lit;
      if (p == 0) ++outline;
    }
  EXPECT_GT(lit, 50);
  EXPECT_GT(outline, lit);  // six black copies around each letter
  EXPECT_EQ(line1, 0);      // the empty line: no letters, no outline

  video_duration = 1;
  play_watching([](int) {});
  for (int i = 0; i < kTextLines; ++i) {
    EXPECT_STREQ(video_text[i], "");
    EXPECT_EQ(video_text_x[i], 0);
    EXPECT_EQ(video_text_y[i], 0);
  }
  EXPECT_EQ(video_text_color, 0);

  // Kept across shots when asked.
  video_text[0] = "Aiiiikkkaaaa !";
  let_video_text = 1;
  play_watching([](int) {});
  EXPECT_STREQ(video_text[0], "Aiiiikkkaaaa !");
}

// A sequence with a datafile of its own, for the scripting frame's tests.
struct TakeMoves {
  static constexpr manifest::File kFile = manifest::kTakelFile;
};

TEST_F(Player, ASequenceIgnoresClicksWaitsForTheButtonAndLeavesTheHeroStanding) {
  video_active = 0;
  const int before = shots_played();
  int end_time = 0;
  const int release_at = headless::now() + 2000;
  // The button goes down in the first shot and stays down past the sequence.
  headless::mouse_at(headless::now() + 100, 320, 240, 1);
  headless::mouse_at(release_at, 320, 240, 0);
  ASSERT_EQ(test_support::run_program([&] {
              Sequence s("video_test", &TakeMoves::kFile);
              EXPECT_EQ(video_active, 1);
              s.place_hero(320, 400);
              s.hero_run(0, 14);
              s.play(10);
              s.say(0, "Grrrrmbll !!!!", 100, 50);
              s.subtitle_colour(kHeroSubtitle);
              s.play(3);
            }),
            -1);
  end_time = headless::now();
  EXPECT_EQ(shots_played() - before, 2);
  EXPECT_GE(end_time, release_at);  // it waited for the button to come up
  EXPECT_EQ(video_active, 0);
  EXPECT_EQ(hero_foreground, 0);
  EXPECT_EQ(mov_nr, kStanding);
  EXPECT_STREQ(video_text[0], "");
  EXPECT_TRUE(video_dat == nullptr);
  EXPECT_TRUE(sequence_faults().empty());
}

TEST_F(Player, EscapeSkipsTheRemainingShotsButNotTheRoomChanges) {
  video_active = 0;
  furni_present[0] = 1;
  int frames_after_escape = 0;
  int escape_at = 0;
  ASSERT_EQ(test_support::run_program([&] {
              Sequence s("video_test", &TakeMoves::kFile);
              s.place_hero(320, 400);
              s.hero_run(0, 14);
              escape_at = headless::now() + 300;
              headless::key_at(escape_at, KEY_ESC << 8 | 27);
              s.play(40);  // 2.2 s: Escape comes during it
              const int loop_at_skip = shots_played();
              headless::on_present([&] { ++frames_after_escape; });
              furni_present[0] = 0;  // the room change between shots still happens
              s.play(40);
              s.caption(0, "Later...");
              EXPECT_EQ(shots_played(), loop_at_skip + 1);
              EXPECT_TRUE(sequence_skipping());
            }),
            -1);
  headless::on_present(nullptr);
  EXPECT_EQ(frames_after_escape, 0);
  EXPECT_EQ(furni_present[0], 0);
  EXPECT_LT(headless::now(), escape_at + 1000);
  EXPECT_FALSE(sequence_skipping());  // the next sequence plays again
}

TEST_F(Player, APictureTheDatafileLacksIsNotedWithTheSequenceAndIndex) {
  video_active = 0;
  sequence_faults().clear();
  ASSERT_EQ(test_support::run_program([&] {
              Sequence s("video_test", &TakeMoves::kFile);
              s.place_hero(320, 400);
              s.hero_run(13, 16);  // takel.dat holds 15 frames: 15 and 16 are missing
              s.overlay_run(0, 1, 10, 10);
              s.play(2);
            }),
            -1);
  ASSERT_EQ(sequence_faults().size(), 2u);
  EXPECT_EQ(sequence_faults()[0], "video_test: takel.dat has no picture 15");
  EXPECT_EQ(sequence_faults()[1], "video_test: takel.dat has no picture 16");
  sequence_faults().clear();
}

TEST_F(Player, ScaledHeroFramesTakeTheHerosSizeAtHisPlace) {
  video_active = 0;
  ASSERT_EQ(test_support::run_program([&] {
              Sequence s("video_test", &TakeMoves::kFile);
              s.place_hero(165, 335, -8, -4);
              // The size the room's perspective gives at y 335, as when walking.
              const float f = 335 / increase_rate + min_hero_length;
              const float scale = f > 1.3f ? 1.3f : f;
              EXPECT_EQ(hero_length, static_cast<int>(static_cast<double>(scale) * 200));
              EXPECT_EQ(hero_width, static_cast<int>(static_cast<double>(scale) * 125));
              EXPECT_EQ(bmp_x, 165 - hero_width / 2 - 8);
              EXPECT_EQ(bmp_y, static_cast<int>(335 - scale * 170) - 4);
              BITMAP* frame = s.hero_picture(7);
              BITMAP* sized = s.scaled(frame);
              EXPECT_EQ(sized->w, hero_width);
              EXPECT_EQ(sized->h, hero_length);
            }),
            -1);
}

}  // namespace
