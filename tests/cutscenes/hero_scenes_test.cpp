// The scenes in which the hero handles things, played in their rooms from the spot he walks to: their shots, what
// they change in the room, and the hero standing there again afterwards.
#include <gtest/gtest.h>
#include <vector>
#include "cutscenes/frames.h"
#include "cutscenes/videos.h"

namespace {
using frames::Seen;
using frames::record;
using frames::stand;

// The gas bottle (piece 1): 5 frames bending (herogaz.dat 15..29), then 25 rising (9 down to 0 after them). The
// frames are drawn unscaled, 8 px beyond his picture (0.275 + y / 500) at each side and 4 above and below.
TEST(HeroScenes, TheGasBottleIsTakenInTwoShotsFromItsOwnFramesAtTheHerosSize) {
  stand("future_biolog", 165, 335);
  const frames::Placed at = frames::hero_picture_at(165, 335, 500, 0.275f);
  bool order_ok = true, order_seen = false, sized = true;
  const frames::Recording r = record(video_take_gaz, [&] {
    if (video_active != 1) return;
    for (int k = 0; k < hero_move_frame_nr; ++k) sized &= video_move[k]->w == at.w + 16 && video_move[k]->h == at.h + 8;
    if (hero_move_frame_nr != 25 || !video_move_dat) return;
    order_seen = true;
    for (int k = 0; k < 15; ++k) order_ok &= video_move[k] == video_move_dat[15 + k].dat;
    for (int k = 0; k < 10; ++k) order_ok &= video_move[15 + k] == video_move_dat[9 - k].dat;
  });
  frames::expect_over(r, 2, 165, 335);
  const auto shots = r.shot_starts();
  ASSERT_EQ(shots.size(), 2u);
  for (int s = 0; s < 2; ++s)  // the bottle leaves at the second shot
    EXPECT_EQ(std::vector<int>({shots[s]->duration, shots[s]->hero_frames, shots[s]->bmp_x, shots[s]->bmp_y, shots[s]->furni[1]}),
              std::vector<int>({s ? 25 : 5, s ? 25 : 5, at.x - 8, at.y - 4, !s})) << "shot " << s;
  EXPECT_TRUE(order_seen && order_ok && sized && furni_present[1] == 0);
}

TEST(HeroScenes, TheCupboardOpensAndTheScrewdriverIsTaken) {
  stand("future_floor15", 250, 420);
  ASSERT_EQ(furni_present[1], 0);
  frames::expect_over(record(video_oeffne_schrank), 22, 250, 420);
  // The cupboard stays, open (its state 1), and the screwdriver shows in front of it.
  EXPECT_TRUE(furni_present[0] == 1 && furni_anim[0] == 1 && furni_present[1] == 1);
  EXPECT_GE(furni_y2[1][0], furni_y2[0][0]) << "drawn after the cupboard";
  const frames::Recording r = record(video_take_tool);
  frames::expect_over(r, 21, 250, 420);
  EXPECT_TRUE(r.ever([](const Seen& f) { return f.furni[1] == 1; })) << "it lies there until his hand closes on it";
  EXPECT_TRUE(furni_present[0] == 1 && furni_present[1] == 0);
}

TEST(HeroScenes, TheGuitarIsTakenInTwoShotsAndTheSolutionPouredInThree) {
  stand("future_physik", 260, 380);
  ASSERT_EQ(furni_present[3], 0);
  furni_present[3] = 1; frames::expect_over(record(video_take_guitar), 2, 260, 380);
  EXPECT_EQ(furni_present[3], 0);
  stand("future_chimietp", 290, 255);
  const std::vector<int> before(furni_present, furni_present + kMaxFurni);
  const frames::Recording r = record(video_blei_douche);
  frames::expect_over(r, 3, 290, 255);
  EXPECT_TRUE(std::vector<int>(furni_present, furni_present + kMaxFurni) == before && r.screens().empty());
}

// The pipe (2), the torch (3) and the sparks (4, 5) each show during the scene and are gone after it.
TEST(HeroScenes, ThePipeIsCutWithTheTorchAndItsSparksInTurn) {
  stand("future_floor15", 440, 360);
  const frames::Recording r = record(video_take_rohr);
  frames::expect_over(r, 9, 440, 360);
  for (int i = 2; i <= 5; ++i)
    EXPECT_TRUE(r.ever([i](const Seen& f) { return f.furni[i] == 1; }) && !furni_present[i]) << i;
  EXPECT_TRUE(r.ever([](const Seen& f) { return f.furni[4] != f.furni[5]; })) << "the sparks alternate";
}

TEST(HeroScenes, TheShowcaseIsBrokenOpenThenOpened) {
  stand("future_chimie", 330, 370);
  BITMAP* whole = furniture[0][0];
  frames::expect_over(record(video_brakeup_case), 3, 330, 370);
  EXPECT_TRUE(furni_anim[0] == 1 && old_furni_anim[0] == 1 && furniture[0][0] != whole && furni_present[0] == 1);
  frames::expect_over(record(video_open_case), 4, 330, 370);
  EXPECT_TRUE(furni_present[0] == 1 && furni_anim[0] == 2 && furni_present[1] == 1) << "open, the showcase stays";
}

TEST(HeroScenes, EscapeSkipsTheShowerButItsRoomChangesStillHappenAndItsFramesFitTheHero) {
  stand("future_chimietp", 290, 255); headless::key_at(headless::now() + 300, (KEY_ESC << 8) | 27);
  const frames::Recording r = record(video_douche);
  EXPECT_TRUE(r.status == -1 && r.shots == 49 && r.end - r.start < 5000) << r.shots;
  EXPECT_TRUE(r.screens().size() <= 1 && furni_present[9] == 1 && mov_nr == kStanding && hero_x == 290 &&
              hero_y == 255);
  EXPECT_FALSE(sequence_skipping()) << "the next sequence plays again";
  // Its frames (glasses, talking, both walks) are drawn unscaled, a little bigger than him there (-0.2 + y / 250).
  DATAFILE* douche = load_datafile("douche.dat");
  ASSERT_NE(douche, nullptr);
  const frames::Placed d = frames::hero_picture_at(290, 255, 250, -0.2f);
  for (int k = 0; k < 51; ++k) {
    const BITMAP* b = static_cast<BITMAP*>(douche[k].dat);
    EXPECT_TRUE(b->w > d.w && b->w < d.w + 40 && b->h > d.h && b->h < d.h + 40) << k;
  }
  unload_datafile(douche);
}
}  // namespace
