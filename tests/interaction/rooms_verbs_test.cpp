// The markers the Tab key shows, and a scenario that takes, stows, looks and
// talks through the real main loop.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogue/talk.h"
#include "interaction/markers.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "shell/game.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

class InRoom : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_chimietp");
    text_speed = 1;
    mouse_x = mouse_y = 5;
    mouse_b = 0;
    hero_x = true_x = 320;
    hero_y = true_y = 330;
  }
  static void passes(int n) {
    ASSERT_EQ(test_support::run_program([n] {
                for (int i = 0; i < n; ++i) main_loop_pass();
              }),
              -1);
  }
  static int dot_colour() { return makecol(255, 230, 80); }
};

}  // namespace

TEST_F(InRoom, TabShowsAMarkerOnEveryPieceAndOpenExitWhileHeld) {
  // The burner's hover box and the door to the crossing.
  const int bx = (furni_mouse_x[2] + furni_mouse_x2[2]) / 2, by = (furni_mouse_y[2] + furni_mouse_y2[2]) / 2;
  const int ex = (535 + 610) / 2, ey = (70 + 220) / 2;
  passes(20);
  ASSERT_NE(getpixel(headless::last_frame(), bx, by), dot_colour());
  headless::key_down(headless::now() + 1, KEY_TAB);
  passes(3);
  EXPECT_EQ(getpixel(headless::last_frame(), bx, by), dot_colour()) << "at once, before the next frame is due";
  passes(200);
  EXPECT_EQ(getpixel(headless::last_frame(), bx, by), dot_colour()) << "and on every frame composed meanwhile";
  EXPECT_EQ(getpixel(headless::last_frame(), ex, ey), dot_colour());
  EXPECT_STREQ(piece_label(2), TR("Bunsenbrenner", "Bunsen burner"));
  EXPECT_STREQ(exit_label(0), TR("Kreuzung", "Crossing"));
  // A piece that has been taken has no marker.
  furni_present[2] = 0;
  passes(100);
  EXPECT_NE(getpixel(headless::last_frame(), bx, by), dot_colour());
  furni_present[2] = 1;
  passes(100);
  headless::key_up(headless::now() + 1, KEY_TAB);
  passes(3);
  EXPECT_NE(getpixel(headless::last_frame(), bx, by), dot_colour()) << "gone when the key is let go";
  EXPECT_NE(getpixel(headless::last_frame(), ex, ey), dot_colour());
  EXPECT_EQ(mouse_status, kModeWalk) << "nothing else changes";
}

namespace {

int centre_x(int i) {
  return (furni_mouse_x[i] + furni_mouse_x2[i]) / 2 - 20;
}
int centre_y(int i) {
  return (furni_mouse_y[i] + furni_mouse_y2[i]) / 2 - 15;
}
int person_centre_x(int j) {
  return (person_mouse_x[j] + person_mouse_x2[j]) / 2 - 20;
}
int person_centre_y(int j) {
  return (person_mouse_y[j] + person_mouse_y2[j]) / 2 - 15;
}
bool in(const char* room) {
  return room_name && std::strcmp(room_name, room) == 0;
}
bool said(const char* line) {
  return input_text[0][0] && line && std::strcmp(input_text[0][0], line) == 0;
}

}  // namespace

TEST_F(InRoom, TakeStowLookAndTalkThroughTheMainLoop) {
  const int burner = 2;
  ASSERT_STREQ(furni_name[burner], "bunsen");
  int slot_before = invent_nr;
  bool menu_seen = false, reply_heard = false, buttons_hidden = false;
  const char* look_text = nullptr;
  test_support::Player player;
  auto press = [](int x, int y) { headless::click(headless::now() + 2, x, y, 40); };
  player
      // The take verb, then the burner: the hero walks there and takes it.
      .then([] { return true; }, [&] { press(550, 395); })
      .then([] { return force_cursor == kVerbChosen && click == kClickFree; },
            [&] { press(centre_x(burner), centre_y(burner)); })
      .then([&] { return mouse_status == kModeItem && took_object == 1 && hero_action[0] != kStepSpecial; },
            [] {
              // A right click drops it into the inventory.
              headless::mouse_at(headless::now() + 2, 300, 300, 2);
              headless::mouse_at(headless::now() + 40, 300, 300, 0);
            })
      .then([&] { return invent_nr == slot_before + 1 && mouse_b == 0; },
            // Out through the door to the crossing.
            [&] { press(572, 145); })
      .then([] { return in("future_crossing") && mouse_b == 0; },
            [&] {
              // The look verb on the teacher.
              look_text = person_text[0][0];
              press(550, 430);
            })
      .then([] { return force_cursor == kVerbChosen && click == kClickFree; },
            [&] { press(person_centre_x(0), person_centre_y(0)); })
      .then([&] { return said(look_text) && hero_action[0] == kStepStand && click == kClickFree && mouse_b == 0; },
            [&] {
              // He has one thing to say to him here, which ends the talk: the
              // room's own sentences are put aside for it.
              for (int c = 2; c <= kTalkOptions; ++c) talk_node(0, TalkPath{}.child(c)).s_present = 0;
              TalkNode& n = talk_node(0, talk_path("1"));
              n.sentence[0] = "Guten Tag.";
              n.sentence[1] = n.sentence[2] = "";
              n.reply[0] = "Tag.";
              n.reply[1] = n.reply[2] = "";
              n.s_present = 1;
              n.s_call_nr = 1;
              n.s_exit = 1;
              press(person_centre_x(0), person_centre_y(0));
            })
      .then([&] {
              buttons_hidden = buttons_hidden || hidebuttons == 1;
              return hidebuttons == 1 && choice == 0 && input_text[1][0] && std::strcmp(input_text[1][0], "Guten Tag.") == 0;
            },
            [&] {
              menu_seen = true;
              // One one-line option: the line from 430 to 450.
              press(100, 440);
            })
      .then([&] {
              reply_heard = reply_heard || (person_anim[0] == 1 && choice == 1);
              return menu_seen && reply_heard && hidebuttons == 0 && talk_nr == -1;
            },
            [] { headless::stop(); });
  EXPECT_EQ(test_support::run_program([] { main_loop(); }), -2);
  // The burner: gone from the lab, in the inventory with its item's name.
  EXPECT_STREQ(inventory_obj[slot_before], "Bunsenbrenner");
  EXPECT_STREQ(inv_obj_describe[slot_before][0],
               TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", "A Bunsen burner. It makes a really"));
  EXPECT_TRUE(menu_seen);
  EXPECT_TRUE(reply_heard);
  EXPECT_TRUE(buttons_hidden);
  EXPECT_EQ(talk_node(0, talk_path("1")).s_present, 0) << "the sentence is used up";
}
