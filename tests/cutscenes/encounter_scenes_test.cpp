// The encounter scenes without words of the build's language, played in their rooms: the shots, the persons they
// hide and give back, the hero's flight and walk, the persons' last pictures matching the rooms' own.
#include <gtest/gtest.h>
#include <vector>
#include "cutscenes/encounter_scenes_data.h"
#include "cutscenes/frames.h"
#include "cutscenes/videos.h"
#include "rooms/registry.h"

namespace {
using frames::Seen;
using frames::Screen;
using frames::stand;

TEST(EncounterScenes, MrsSandDrinksAndFallsAsleepBehindHerDesk) {
  stand("future_biolog", 500, 340);  // where the hero gives her things
  const frames::Recording awake = frames::record(video_sand_sleep);
  frames::expect_over(awake, 5, 500, 340);
  EXPECT_FALSE(!awake.screens().empty() || awake.ever([](const Seen& f) { return f.persons[0] == 1; }));
  EXPECT_TRUE(person_present[0] == 0 && person_present[1] == 0);

  const frames::Recording asleep = frames::record(video_sand_sleep2);
  frames::expect_over(asleep, 3, 500, 340);
  EXPECT_EQ(asleep.screens(), (std::vector<Screen>{{{"Uuuuuuuuaaah !!"}, 128000}}));
  ASSERT_FALSE(asleep.frames.empty());
  for (const Seen& f : asleep.frames)
    EXPECT_TRUE(f.persons[0] + f.persons[1] == 0 && f.object_foreground == 1 && f.object->w > 1) << "her desk in front";
  EXPECT_TRUE(person_present[0] == 0 && person_present[1] == 1) << "asleep at her desk";
}

// The battle cry stays up across shots, then goes; the hero flies off the screen to the left.
TEST(EncounterScenes, TheGuardThrowsTheHeroOut) {
  stand("future_floor2", 330, 335);  // where the conversation with the guard leaves him
  const frames::Recording r = frames::record(video_police_kungfu);
  frames::expect_over(r, 44, 330, 335);
  EXPECT_EQ(r.screens(), (std::vector<Screen>{{{"Aiiiikkkaaaa !"}, 128000}}));
  std::vector<int> cry;
  for (const Seen& f : r.frames) if (!f.lines.empty() && (cry.empty() || cry.back() != f.shot)) cry.push_back(f.shot);
  ASSERT_GE(cry.size(), 2u);
  for (size_t i = 1; i < cry.size(); ++i) EXPECT_EQ(cry[i], cry[i - 1] + 1);
  EXPECT_LT(cry.back(), 44);
  EXPECT_FALSE(r.ever([](const Seen& f) { return f.persons[0] == 1; }));
  EXPECT_TRUE(r.ever([](const Seen& f) { return f.hero_w > 0 && f.bmp_x + f.hero_w <= 0; }) && person_present[0] == 1);
}

TEST(EncounterScenes, TheInsultEndsInFutureFloor15AndTheHeroGetsHisBreathBackThere) {
  stand("future_floor2", 330, 335); cons_policemad = 1;
  const int before = shots_played();
  cons_sent();
  EXPECT_EQ(std::to_string(shots_played() - before) + " " + room_name + " " + std::to_string(story_hero_uff),
            "44 future_floor15 2");
  EXPECT_TRUE(sequence_faults().empty());
}

// One frame a shot, each 8 px left of the one before, each a picture of its own, stretched to his size.
TEST(EncounterScenes, TheHeroWalksFourteenStepsToTheLeftToGetHisBreathBack) {
  stand("future_floor15", 515, 415);  // where the guard's throw lands him
  const frames::Recording r = frames::record(video_hero_uff);
  const auto shots = r.shot_starts();
  frames::expect_over(r, 14, 515 - 14 * 8, 415);
  EXPECT_TRUE(r.screens().empty());
  ASSERT_EQ(shots.size(), 14u);
  for (size_t i = 0; i < shots.size(); ++i) {
    EXPECT_TRUE(shots[i]->hero_w == hero_width && shots[i]->hero_h == hero_length) << i;
    if (i == 0) continue;
    EXPECT_EQ(shots[i]->bmp_x, shots[i - 1]->bmp_x - 8);
    EXPECT_NE(shots[i]->hero_sum, shots[i - 1]->hero_sum) << "step " << i << " shows the step before";
  }
}

// Where a scene hands a person back to the room, its last picture is the room's own at the room's place, so
// nothing jumps (columns: the scene's picture and place, the room's object and place).
TEST(EncounterScenes, ScenesEndWithThePersonsAsTheRoomsShowThem) {
  using namespace manifest;
  const int gx = 350 - kGuardLeft, gy = 134 - kGuardTop;
  const struct { const char* room; const File& file; int entry, x, y, object, rx, ry; double share; } cases[] = {
      // share: at least this much of the room's picture shows (her reach moves an arm)
      {"future_floor1", kBetodatzFile, at(Betodatz::betong_out), kBetodatzX, kBetodatzY, 0, 185, 292, 0.99},
      {"future_biolog", kSandsle2File, at(Sandsle2::sand_asleep), kSandX, kSandY, 30, 540, 160, 0.99},
      {"future_biolog", kSandsleeFile, at(Sandslee::sand_desk), 526, 290, 1, 526, 290, 0.99},
      {"future_biolog", kSandsle2File, at(Sandsle2::sand_desk2), 526, 290, 1, 526, 290, 0.99},
      {"future_biolog", kSandsleeFile, at(Sandslee::sand_reach), kSandX, kSandY, 6, 540, 160, 0.8},
      {"future_floor2", kPolikfFile, at(Polikf::kf_angry), gx, gy, 2, 350, 134, 0.85},
      {"future_floor2", kPoliexitFile, at(Poliexit::guard_raise), gx, gy, 2, 350, 134, 0.8},
  };
  frames::stand("future_floor1", 320, 300);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.name); test_support::load_room_named(c.room);
    DATAFILE* dat = load_datafile(c.file.name);
    ASSERT_NE(dat, nullptr);
    BITMAP* screen_copy = create_bitmap(640, 480);
    clear_to_color(screen_copy, bitmap_mask_color(screen_copy));
    draw_sprite(screen_copy, static_cast<BITMAP*>(dat[c.entry].dat), c.x, c.y);
    EXPECT_GT(test_support::shown_share(screen_copy, static_cast<BITMAP*>(room_dat[c.object].dat), c.rx, c.ry), c.share);
    destroy_bitmap(screen_copy), unload_datafile(dat);
  }
}
}  // namespace
