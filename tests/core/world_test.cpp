// The world state's codes and lifetimes: the numbers stored files rely on, what
// a new game sets, what clearing a room slot clears, what a saved game holds.
#include <gtest/gtest.h>
#include <set>
#include "core/errand.h"
#include "core/hardware.h"
#include "core/world.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

// The numbers the stored files and the rooms' tables rely on: cursor modes, buttons, path steps, moves.
static_assert(kModeBusy == -1 && kModeExit == 0 && kModeWalk == 1 && kModeLook == 2 && kModeTalk == 3 &&
              kModeTake == 4 && kModeUse == 5 && kModeItem == 6 && kModeItemOnTarget == 7);
static_assert(kButtonNone == -1 && kButtonBag == 0 && kButtonWalk == 1 && kButtonTake == 2 && kButtonUse == 3 &&
              kButtonLook == 4 && kButtonTalk == 5);
static_assert(kStepSpecial == -2 && kStepTalkFront == -1 && kStepStand == 0 && kStepUp == 1 && kStepDown == 2 &&
              kStepLeft == 3 && kStepRight == 4 && kStepUpLeft == 5 && kStepUpRight == 6 && kStepDownLeft == 7 &&
              kStepDownRight == 8);
static_assert(kClickFree == 0 && kClickNow == 1 && kClickHeld == 2 && kVerbFree == 0 && kVerbChosen == 1);
static_assert(kMoveTalkRight == 1 && kMoveTalkLeft == 2 && kMoveTakeLeft == 3 && kMoveTakeRight == 4);
static_assert(kTalkFront == 0 && kTalkRight == 1 && kTalkLeft == 2 && kStanding == 199);

using V = std::vector<int>;

TEST(WorldLifetimes, ANewGameSetsTheGameAndKeepsTheProcessAndTheRooms) {
  test_support::fresh_game(), test_support::ensure_allegro();
  // What an earlier game and the start-up left behind.
  music_vol = 77, text_speed = 3; story_blei = 1, story_hero_uff = 2, cons_gotblei = 1;
  invent_nr = 4, inventory_obj[2] = "tool", hero_action[5] = kStepLeft, force_cursor = kVerbChosen;
  furni_present[3] = 1, person_anim[1] = 2, set_errand(ErrandKind::talk, 1); init_general_variables();
  for (int i = 0; i < 100; ++i)
    ASSERT_TRUE(inventory_obj[i] == std::string("z") && inv_obj_describe[i][2] == std::string("") &&
                inventory_obj_bmp[i] && inventory_obj_bmp[i]->w == 40) << "slot " << i << " empty";
  EXPECT_STREQ(room_name, "future_floor1");
  EXPECT_EQ((V{invent_nr, mouse_status, hero_x, hero_y, click_x2, true_x, click_y2, true_y, mov_nr1}),
            (V{0, 1, 298, 267, 298, 298, 267, 267, -1}));
  EXPECT_EQ((V{errand_pending(), errand_target(ErrandKind::talk), talk_nr}), (V{0, -1, -1}));
  EXPECT_EQ((V{hero_length, hero_width, hero_action[5], force_cursor}), (V{200, 125, 0, 0}));
  EXPECT_EQ((V{story_blei, story_hero_uff, cons_gotblei}), (V{0, 0, 0})) << "the story starts afresh";
  EXPECT_EQ((V{music_vol, text_speed, furni_present[3], person_anim[1]}), (V{77, 3, 1, 2}))
      << "the options and the rooms' tables are not the game's to reset";
}

TEST(WorldLifetimes, ClearingASlotGivesTheClearedValuesAndKeepsTheRest) {
  test_support::fresh_game();
  BITMAP* const picture = reinterpret_cast<BITMAP*>(0x1000);
  for (int i : {2, 3}) {
    furni_name[i] = person_name[i] = new_room[i] = "x";
    furni_text[i][2] = person_text[i][1] = "line";
    furni_x[i][59] = furni_y2[i][0] = furni_blit[i][7] = furni_blitted[i][7] = 5;
    person_x2[i][3] = person_blit[i][59] = start_talk[i][4] = 5;
    mov_furni_nr[i] = goto_furni_x[i] = goto_furni_y[i] = furni_interact[i] = furni_take[i] = 5;
    mov_person_nr[i] = goto_person_y[i] = person_talk[i] = 5, talk_pers_dir[i] = kTalkLeft;
    furni_mouse_x[i] = furni_mouse_y2[i] = person_mouse_x2[i] = 5;
    exit_x[i] = goto_exit_y[i] = new_hero_x[i] = go_through[i] = 5;
    // Kept when the slot is cleared:
    furni_present[i] = person_present[i] = person_interact[i] = 1;
    furni_anim[i] = old_furni_anim[i] = person_anim[i] = 2;
    furni_frame_nr[i] = person_frame_nr[i] = 4, take_furni_dir[i] = kMoveTakeRight;
    furniture[i][0] = person[i][0] = picture;
  }
  erase_furni_data(2), erase_person_data(2), erase_exit_data(2);
  for (const char* text : {furni_name[2], furni_text[2][2], person_name[2], person_text[2][1], new_room[2]})
    EXPECT_STREQ(text, "");
  EXPECT_EQ((V{furni_x[2][59], furni_y2[2][0], furni_blit[2][7], furni_blitted[2][7], mov_furni_nr[2], goto_furni_x[2],
               goto_furni_y[2], furni_interact[2], furni_take[2], person_x2[2][3], person_blit[2][59], start_talk[2][4],
               mov_person_nr[2], goto_person_y[2], person_talk[2], talk_pers_dir[2], exit_x[2], goto_exit_y[2],
               new_hero_x[2], go_through[2]}),
            V(20, 0));
  EXPECT_EQ((V{furni_mouse_x[2], furni_mouse_y2[2], person_mouse_x2[2]}), (V{-1, -1, -1}));
  EXPECT_EQ((V{furni_present[2], person_present[2], person_interact[2], furni_anim[2], old_furni_anim[2],
               person_anim[2], furni_frame_nr[2], person_frame_nr[2], take_furni_dir[2]}),
            (V{1, 1, 1, 2, 2, 2, 4, 4, kMoveTakeRight}));
  EXPECT_TRUE(furniture[2][0] == picture && person[2][0] == picture);
  // The slot next to it is untouched.
  EXPECT_STREQ(furni_name[3], "x");
  EXPECT_EQ((V{furni_x[3][59], talk_pers_dir[3], go_through[3], furni_mouse_x[3]}), (V{5, kTalkLeft, 5, 5}));
}

TEST(WorldLifetimes, ASavedGameHoldsTheHeroTheRoomTheInventoryAndTheStory) {
  std::set<std::string> held;
  visit_saved_game([&](const char* name, auto&) { held.insert(name); });
  EXPECT_EQ(held, (std::set<std::string>{
      "hero_x", "hero_y", "invent_nr", "room_name", "inventory_obj", "story_gotaccesscard", "story_adyteleskop",
      "story_schrankoffen", "story_sandalkohol", "story_brokencase", "story_diamant", "story_teleskop",
      "story_gotglasses", "story_blei", "story_bleiloesung", "story_gotblei", "story_douche", "story_bleitank",
      "story_alarm", "story_zirud_talk", "story_hero_uff"}));
}
