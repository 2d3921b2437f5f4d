// The scenes in which the hero handles things, played headless in their rooms:
// their length in shots, what they change in the room, the shower's subtitles,
// where the hero stands while they play and after.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "platform/headless.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/dialogue_support.h"

namespace {

// What the screen showed while a scene played: every subtitle screen (its
// lines and colour, each screen once, in order), and the pieces seen shown.
struct Seen {
  struct Screen {
    std::vector<std::string> lines;
    std::vector<int> x;
    int colour;
  };
  std::vector<Screen> screens;
  bool shown[kMaxFurni] = {};
  bool hidden[kMaxFurni] = {};
  int most_hero_frames = 0;
};

class HeroScenes : public testing::Test {
 protected:
  void enter(const char* room) {
    dialogue_support::stand_in_room(room);
    sequence_faults().clear();
  }
  // Plays `scene`, watching every frame, and returns how many shots it played.
  int play(const std::function<void()>& scene, const std::function<void()>& each_frame = nullptr) {
    headless::on_present([this, each_frame] {
      std::vector<std::string> lines;
      std::vector<int> xs;
      for (int i = 0; i < kTextLines; ++i)
        if (video_text[i] && video_text[i][0]) {
          lines.push_back(video_text[i]);
          xs.push_back(video_text_x[i]);
        }
      if (!lines.empty() && (seen.screens.empty() || seen.screens.back().lines != lines))
        seen.screens.push_back({lines, xs, video_text_color});
      for (int i = 0; i < furni_nr; ++i) (furni_present[i] ? seen.shown : seen.hidden)[i] = true;
      if (video_active == 1) seen.most_hero_frames = std::max(seen.most_hero_frames, hero_move_frame_nr);
      if (each_frame) each_frame();
    });
    const int before = shots_played();
    scene();
    headless::on_present(nullptr);
    return shots_played() - before;
  }
  // After every scene: the hero stands where he stood, nothing of the scene
  // is left, no picture was missing.
  void expect_standing_at(int x, int y) {
    EXPECT_EQ(video_active, 0);
    EXPECT_EQ(hero_foreground, 0);
    EXPECT_EQ(video_foreground, 0);
    EXPECT_EQ(mov_nr, kStanding);
    EXPECT_EQ(hero_action[0], 0);
    EXPECT_EQ(hero_x, x);
    EXPECT_EQ(hero_y, y);
    for (int i = 0; i < kTextLines; ++i) EXPECT_STREQ(video_text[i], "") << i;
    EXPECT_TRUE(sequence_faults().empty()) << sequence_faults().front();
  }
  Seen seen;
};

int slot_named(const char* name) {
  for (int i = 0; i < furni_nr; ++i)
    if (furni_name[i] && std::strcmp(furni_name[i], name) == 0) return i;
  return -1;
}

}  // namespace

// The gas bottle: two shots, the hero placed at (165, 335) with his picture
// moved 8 px left and 4 up; 5 frames bending, then 25: entries 15..29 and
// 9 down to 0; the bottle (piece 1) leaves at the second shot.
TEST_F(HeroScenes, TheGasBottleIsTakenInTwoShotsFromItsOwnFrames) {
  enter("future_biolog");
  ASSERT_EQ(slot_named("gaz"), 1);
  const float scale = 335 / 500.0f + 0.275f;
  const int width = static_cast<int>(static_cast<double>(scale) * 125);
  std::vector<std::vector<int>> shots;  // per shot: duration, frames, bmp_x, bmp_y, bottle shown
  DATAFILE* dat = nullptr;
  bool order_ok = true;
  const int shots_seen = play(video_take_gaz, [&] {
    if (video_active != 1 || video_loop != 1) return;
    dat = video_move_dat;
    if (shots.empty() || shots.back()[0] != video_duration)
      shots.push_back({video_duration, hero_move_frame_nr, bmp_x, bmp_y, furni_present[1]});
    if (hero_move_frame_nr == 25) {
      for (int k = 0; k < 15; ++k) order_ok &= video_move[k] == static_cast<BITMAP*>(dat[15 + k].dat);
      for (int k = 0; k < 10; ++k) order_ok &= video_move[15 + k] == static_cast<BITMAP*>(dat[9 - k].dat);
    }
  });
  EXPECT_EQ(shots_seen, 2);
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(shots[0], (std::vector<int>{5, 5, 165 - width / 2 - 8, static_cast<int>(335 - scale * 170) - 4, 1}));
  EXPECT_EQ(shots[1], (std::vector<int>{25, 25, 165 - width / 2 - 8, static_cast<int>(335 - scale * 170) - 4, 0}));
  EXPECT_TRUE(order_ok);
  EXPECT_EQ(furni_present[1], 0);
  expect_standing_at(165, 335);
}

// The cupboard: 22 shots; the cupboard (piece 0) goes, the screwdriver
// (piece 1) shows. Then the screwdriver is taken in 21 shots.
TEST_F(HeroScenes, TheCupboardOpensAndTheScrewdriverIsTaken) {
  enter("future_floor15");
  ASSERT_EQ(slot_named("schrank"), 0);
  ASSERT_EQ(slot_named("tool"), 1);
  ASSERT_EQ(furni_present[1], 0);
  const int x = goto_furni_x[0], y = goto_furni_y[0];
  EXPECT_EQ(play(video_oeffne_schrank), 22);
  EXPECT_EQ(furni_present[0], 0);
  EXPECT_EQ(furni_present[1], 1);
  expect_standing_at(x, y);

  seen = {};
  EXPECT_EQ(play(video_take_tool), 21);
  EXPECT_EQ(furni_present[1], 0);
  EXPECT_TRUE(seen.shown[1]);  // it lies there until his hand closes on it
  EXPECT_EQ(furni_present[0], 0);
  expect_standing_at(x, y);
}

TEST_F(HeroScenes, TheGuitarIsTakenInTwoShots) {
  enter("future_physik");
  ASSERT_EQ(slot_named("guitar"), 3);
  ASSERT_EQ(furni_present[3], 0);  // it shows only once the story puts it there
  furni_present[3] = 1;
  const int x = goto_furni_x[3], y = goto_furni_y[3];
  EXPECT_EQ(play(video_take_guitar), 2);
  EXPECT_EQ(furni_present[3], 0);
  expect_standing_at(x, y);
}

// The lead pipe: 9 shots; the torch and both bursts of sparks are shown in
// turn, and at the end the pipe (2), the torch (3) and the sparks (4, 5) are
// all gone.
TEST_F(HeroScenes, ThePipeIsCutWithTheTorchAndItsSparksInTurn) {
  enter("future_floor15");
  ASSERT_EQ(slot_named("rohr"), 2);
  const int x = goto_furni_x[2], y = goto_furni_y[2];
  bool sparks_alternate = false;
  EXPECT_EQ(play(video_take_rohr, [&] {
              if (furni_present[4] != furni_present[5]) sparks_alternate = true;
            }),
            9);
  for (int i = 2; i <= 5; ++i) {
    EXPECT_TRUE(seen.shown[i]) << i;
    EXPECT_EQ(furni_present[i], 0) << i;
  }
  EXPECT_TRUE(sparks_alternate);
  expect_standing_at(x, y);
}

// The showcase: broken open in 3 shots (its state becomes the broken one,
// reloaded), opened in 4 (the case goes, the diamond, piece 1, shows).
TEST_F(HeroScenes, TheShowcaseIsBrokenOpenThenOpened) {
  enter("future_chimie");
  ASSERT_EQ(slot_named("case00"), 0);
  BITMAP* whole = furniture[0][0];
  const int x = goto_furni_x[0], y = goto_furni_y[0];
  EXPECT_EQ(play(video_brakeup_case), 3);
  EXPECT_EQ(furni_anim[0], 1);
  EXPECT_EQ(old_furni_anim[0], 1);  // reloaded
  EXPECT_NE(furniture[0][0], whole);
  EXPECT_EQ(furni_present[0], 1);
  expect_standing_at(x, y);

  EXPECT_EQ(play(video_open_case), 4);
  EXPECT_EQ(furni_present[0], 0);
  EXPECT_EQ(furni_present[1], 1);
  expect_standing_at(x, y);
}

// Pouring the solution into the tank: 3 shots that change nothing in the room.
TEST_F(HeroScenes, TheSolutionIsPouredInThreeShotsAndTheRoomStaysAsItWas) {
  enter("future_chimietp");
  ASSERT_EQ(slot_named("tank"), 7);
  std::vector<int> before(furni_present, furni_present + furni_nr);
  const int x = goto_furni_x[7], y = goto_furni_y[7];
  EXPECT_EQ(play(video_blei_douche), 3);
  EXPECT_EQ(std::vector<int>(furni_present, furni_present + furni_nr), before);
  EXPECT_TRUE(seen.screens.empty());
  expect_standing_at(x, y);
}

// The shower: 49 shots, piece 9 hidden while it plays and shown again, and
// its subtitle screens in order, in the colours of who speaks (the hero
// 16000, the written sounds 128000), each line on the screen.
TEST_F(HeroScenes, TheShowerPlaysItsSubtitlesInOrderAndHidesPieceNineMeanwhile) {
  enter("future_chimietp");
  ASSERT_EQ(slot_named("douche"), 6);
  const int x = goto_furni_x[6], y = goto_furni_y[6];
  EXPECT_EQ(play(video_douche), 49);
  EXPECT_TRUE(seen.hidden[9]);
  EXPECT_EQ(furni_present[9], 1);
  expect_standing_at(x, y);

  struct Screen {
    std::vector<std::string> lines;
    int colour;
  };
  const std::vector<Screen> expected = {
      {{TR("So, noch schnell die Brille aufsetzen.", "I need to wear the glasses first.")}, 16000},
      {{TR("Fertig. Dann wollen wir uns mal duschen.", "Done. Now let's have a shower.")}, 16000},
      {{"*pssscccchhhh*", TR("*plaetscher*", "*plitsch platsch*")}, 128000},
      {{"Dumm di dumm di di dumm", "Di di di dumm."}, 16000},
      {{TR("*blubber* *tssschhh*", "*blubb* *tssschhh*"), "*platsch*"}, 128000},
      {{"Ammmmoooorreee", "miiiiooo..."}, 16000},
      {{"*ssccchhhhh* *platsch*", "*blubbelubb*"}, 128000},
#ifdef PELVARO_LANG_DE
      {{"So und jetzt hinueber zu Herr Zirud"}, 16000},
#else
      {{"Ok, now let's go to Mister Zirud", "and his time machine."}, 16000},
#endif
  };
  ASSERT_EQ(seen.screens.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(seen.screens[i].lines, expected[i].lines) << i;
    EXPECT_EQ(seen.screens[i].colour, expected[i].colour) << i;
    for (size_t k = 0; k < seen.screens[i].lines.size(); ++k) {
      const int left = seen.screens[i].x[k];
      EXPECT_GE(left, 1) << seen.screens[i].lines[k];
      EXPECT_LE(left + text_length(pv_font, seen.screens[i].lines[k].c_str()), 639) << seen.screens[i].lines[k];
    }
  }
  // Walking in and out, the hero's frames never outnumber the list.
  EXPECT_LE(seen.most_hero_frames, kVideoFrames);
}

// The frames are shown unscaled, so each is drawn at the hero's size where the
// scene places him: the gas bottle's at (165, 335) in future_biolog
// (perspective 0.275 + y / 500), reaching 8 px left and right and 4 px above
// and below his picture; the shower's at (260, 240) in future_chimietp
// (-0.2 + y / 250).
TEST_F(HeroScenes, TheHerosFramesAreDrawnAtHisSizeWhereTheScenePlacesHim) {
  enter("future_biolog");
  auto size_at = [](float scale) {
    return std::make_pair(static_cast<int>(static_cast<double>(scale) * 125),
                          static_cast<int>(static_cast<double>(scale) * 200));
  };
  DATAFILE* gaz = load_datafile("herogaz.dat");
  ASSERT_NE(gaz, nullptr);
  const auto [gw, gh] = size_at(335 / 500.0f + 0.275f);
  for (int k = 0; k < 30; ++k) {
    const BITMAP* b = static_cast<BITMAP*>(gaz[k].dat);
    EXPECT_EQ(b->w, gw + 16) << k;
    EXPECT_EQ(b->h, gh + 8) << k;
  }
  unload_datafile(gaz);
  DATAFILE* douche = load_datafile("douche.dat");
  ASSERT_NE(douche, nullptr);
  const auto [dw, dh] = size_at(240 / 250.0f - 0.2f);
  // the glasses, talking and both walks: the first 51 entries
  for (int k = 0; k < 51; ++k) {
    const BITMAP* b = static_cast<BITMAP*>(douche[k].dat);
    EXPECT_GT(b->w, dw) << k;
    EXPECT_GT(b->h, dh) << k;
    EXPECT_LT(b->w, dw + 40) << k;
    EXPECT_LT(b->h, dh + 40) << k;
  }
  unload_datafile(douche);
}

// Escape early in the shower: the rest is not shown, but all 49 shots still
// pass and the room ends as after the whole scene.
TEST_F(HeroScenes, EscapeSkipsTheShowerButItsRoomChangesStillHappen) {
  enter("future_chimietp");
  const int start = headless::now();
  headless::key_at(start + 300, (KEY_ESC << 8) | 27);
  EXPECT_EQ(play(video_douche), 49);
  EXPECT_LT(headless::now() - start, 5000);
  EXPECT_EQ(furni_present[9], 1);
  EXPECT_LE(seen.screens.size(), 1u);
  expect_standing_at(260, 240);
}
