// Loading rooms into the object tables and reloading pieces and persons whose
// state the story changed, with the rooms' generated pictures.
#include <gtest/gtest.h>


#include "core/world.h"
#include "frame/draw_room.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

namespace {
struct Loading : testing::Test {
  void SetUp() override { test_support::fresh_game(); }
};

using Ints = std::vector<int>;
}  // namespace

TEST_F(Loading, ARoomFillsItsTablesFrameZeroGivesTheDefaultMouseBoxAndMrFriobsTalkingFramesReload) {
  test_support::load_room_named("class");
  EXPECT_EQ((Ints{furni_nr, person_nr, exit_nr}), (Ints{3, 1, 1}));
  EXPECT_FLOAT_EQ(min_hero_length, 0.25f);
  EXPECT_STREQ(furni_name[0], "desk4");
  ASSERT_NE(furniture[0][0], nullptr);
  EXPECT_EQ(furni_x2[0][0], 104 + furniture[0][0]->w);
  EXPECT_EQ((Ints{furni_mouse_x[0], furni_mouse_y[0], furni_mouse_x2[0], furni_mouse_y2[0]}),
            (Ints{104, 252, furni_x2[0][0], furni_y2[0][0]}));
  // Mr Friob's idle animation: 58 frames, frame 1 held 50 passes, frame 29 held 30.
  EXPECT_STREQ(person_name[0], "friob");
  EXPECT_EQ((Ints{person_frame_nr[0], person_blit[0][1], person_blit[0][29], person_blit[0][2]}), (Ints{58, 50, 30, 1}));
  EXPECT_EQ((Ints{person_talk[0], talk_pers_dir[0], goto_person_x[0]}), (Ints{1, kTalkLeft, 200}));
  EXPECT_EQ(old_person_anim[0], 0) << "the states are recorded as loaded";
  EXPECT_EQ(room_graph, static_cast<BITMAP*>(room_dat[0].dat));
  // A talking state swaps Mr Friob's frames, and back.
  person_anim[0] = 1; load_person_anim();
  EXPECT_EQ((Ints{person_frame_nr[0], person_interact[0]}), (Ints{13, 1}));
  EXPECT_EQ(person[0][0], static_cast<BITMAP*>(room_dat[37].dat));
  person_anim[0] = 0; load_person_anim();
  EXPECT_EQ(person_frame_nr[0], 58);
  // Erasing a person keeps whether it reacts but not whether it talks.
  erase_person_data(0);
  EXPECT_EQ((Ints{person_interact[0], person_talk[0], person_mouse_x[0]}), (Ints{1, 0, -1}));
  EXPECT_STREQ(person_name[0], "");
  // Only the mouse bounds left at -1 come from frame 0.
  erase_furni_data(0);
  furni_x[0][0] = 100, furni_y[0][0] = 200, furni_mouse_x2[0] = 500, furni_mouse_y2[0] = 400;
  set_furni_coor(0);
  EXPECT_EQ((Ints{furni_mouse_x[0], furni_mouse_y[0], furni_mouse_x2[0], furni_mouse_y2[0]}), (Ints{100, 200, 500, 400}));
}

TEST_F(Loading, ARoomWithoutFurnitureClearsTheSlotsOfTheRoomBefore) {
  test_support::load_room_named("floor4");
  ASSERT_EQ(furni_nr, 4);
  test_support::load_room_named("floor8");
  EXPECT_EQ(furni_nr, 0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_STREQ(furni_name[i], "") << i;
    EXPECT_EQ((Ints{furni_mouse_x[i], furni_mouse_y2[i], furni_anim[i]}), (Ints{-1, -1, 0})) << i;
  }
  for (int k = exit_nr; k < 10; ++k) EXPECT_STREQ(new_room[k], "") << k;
}

TEST_F(Loading, TheLeverReloadRedefinesOnlyTheChangedSlotOnceFollowsAbsentOnesAndSurvivesUnknownValues) {
  test_support::load_room_named("future_chimie");
  ASSERT_STREQ(furni_name[6], "schalter1a");
  BITMAP* before5 = furniture[5][0];
  furni_anim[6] = 2; load_furni_anim();
  EXPECT_STREQ(furni_name[6], "schalter1c");
  EXPECT_EQ(furniture[6][0], static_cast<BITMAP*>(room_dat[129].dat));
  EXPECT_EQ((Ints{furni_y[6][0], furni_mouse_x[6], old_furni_anim[6]}), (Ints{170, 330, 2}));  // its own box, its picture's left edge
  EXPECT_EQ(furniture[5][0], before5);
  furni_name[6] = "untouched"; load_furni_anim();
  EXPECT_STREQ(furni_name[6], "untouched") << "nothing left to do";
  // Slot 7 is the first present changed slot: it is erased and defined anew;
  // the room's table defines every changed slot, so the absent slot 6 follows too.
  test_support::load_room_named("future_chimie");
  furni_present[6] = 0, furni_anim[6] = 1, furni_present[7] = 1, furni_anim[7] = 1;
  load_furni_anim();
  EXPECT_STREQ(furni_name[7], "schalter2b");
  EXPECT_EQ(old_furni_anim[6], 1);
  // A presence flag of 7 and a state the lever has no row for.
  test_support::load_room_named("future_chimie"); furni_present[6] = 7, furni_anim[6] = 9;
  load_furni_anim();  // finds slot 6 not present (7 is not 1): nothing to do
  EXPECT_EQ(old_furni_anim[6], 0);
  furni_present[6] = 1;
  load_furni_anim();  // no row for state 9: the slot keeps its pictures
  EXPECT_TRUE(furni_frame_nr[6] >= 1 && furniture[6][0] != nullptr);
  EXPECT_EQ(old_furni_anim[6], 9);
  memory_screen = create_bitmap(640, 480);  // and the room still draws
  hidebuttons = 1, mov_nr = kStanding;
  draw_room(); destroy_bitmap(memory_screen), memory_screen = nullptr;
}
