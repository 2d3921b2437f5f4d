// What the dialogue shows: the menu's layout and hover band, where a spoken
// line goes, how long a speech lasts and that a click skips it, and a
// person's turn towards the hero and back around its reply.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <string>
#include <vector>

#include "dialogue/talk.h"
#include "interaction/people.h"
#include "platform/headless.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

constexpr int kGreen = 0x3E80;   // 16000
constexpr int kOrange = 0xF400;  // 128000 kept to 16 bits

int background() {
  return makecol(40, 40, 120);
}

// Where the frame buffer holds pixels of `colour` (or, with `other_than`,
// of any colour but it).
struct Ink {
  int top = 10000;
  int bottom = -1;
  int left = 10000;
  int right = -1;
  int count = 0;
};

Ink ink(int colour, bool other_than = false) {
  Ink k;
  for (int y = 0; y < memory_screen->h; ++y)
    for (int x = 0; x < memory_screen->w; ++x)
      if ((getpixel(memory_screen, x, y) == colour) != other_than) {
        k.top = std::min(k.top, y);
        k.bottom = std::max(k.bottom, y);
        k.left = std::min(k.left, x);
        k.right = std::max(k.right, x);
        ++k.count;
      }
  return k;
}

void offer(int c, const char* l0, const char* l1 = "", const char* l2 = "") {
  TalkNode& n = talk_node(0, TalkPath{}.child(c));
  n.sentence[0] = l0;
  n.sentence[1] = l1;
  n.sentence[2] = l2;
  n.s_present = 1;
  n.s_call_nr = 1;
}

class Menu : public testing::Test {
 protected:
  void SetUp() override {
    test_support::fresh_game();
    dialogue_support::load_font();
    talk_nr = 0;
    for (int c = 1; c <= 5; ++c) offer(c, "Eine Frage");
    manage_talk();
  }
  // One menu pass with the mouse at (mx, my) and the given buttons.
  int pass(int mx, int my, int buttons = 0) {
    clear_to_color(memory_screen, background());
    mouse_x = mx;
    mouse_y = my;
    mouse_b = buttons;
    return talk_menu_pass();
  }
};

}  // namespace

TEST_F(Menu, FiveOneLineOptionsFill350To450AndTheHoveredOneIsOrange) {
  EXPECT_EQ(pass(100, 360), 0);
  EXPECT_EQ(text_y, 450) << "the menu ends at 450";
  const Ink hovered = ink(kOrange), plain = ink(kGreen), all = ink(background(), true);
  // Option 1 is the line from 350 to 370, the other four follow down to 450.
  EXPECT_GE(hovered.top, 350);
  EXPECT_LT(hovered.bottom, 370);
  EXPECT_GE(plain.top, 370);
  EXPECT_LT(plain.bottom, 450);
  // The black outline reaches one pixel further; nothing else is drawn.
  EXPECT_GE(all.top, 349);
  EXPECT_LE(all.bottom, 450);
  EXPECT_GE(all.left, 39);
  EXPECT_GE(hovered.left, 40);
}

TEST_F(Menu, AThreeLineSentenceTakes60Pixels) {
  offer(2, "eins", "zwei", "drei");
  manage_talk();
  // Seven lines: the menu starts at 450 - 7 x 20 = 310; option 2 runs from 330 to 390.
  EXPECT_EQ(pass(100, 360), 0);
  const Ink hovered = ink(kOrange);
  EXPECT_GE(hovered.top, 330);
  EXPECT_GT(hovered.bottom, 370) << "all three lines are orange";
  EXPECT_LT(hovered.bottom, 390);
  const Ink plain = ink(kGreen);
  EXPECT_GE(plain.top, 310);
  EXPECT_LT(plain.top, 330);
  EXPECT_LT(plain.bottom, 450);
}

TEST_F(Menu, TheHoverBandIsStrict) {
  // Exactly on the top of option 1, on its bottom (the top of option 2), and
  // at x 40: nothing is hovered.
  for (auto [mx, my] : {std::pair{100, 350}, std::pair{100, 370}, std::pair{40, 360}, std::pair{100, 450}}) {
    EXPECT_EQ(pass(mx, my, 1), 0) << mx << "," << my;
    EXPECT_EQ(ink(kOrange).count, 0) << mx << "," << my;
  }
  EXPECT_EQ(pass(41, 351, 1), 1);
  EXPECT_GT(ink(kOrange).count, 0);
  EXPECT_EQ(pass(600, 449, 1), 5);
  EXPECT_EQ(pass(600, 449, 0), 0) << "hovering alone picks nothing";
}

TEST_F(Menu, AbsentOptionsTakeNoRoom) {
  talk_node(0, talk_path("2")).s_present = 0;
  talk_node(0, talk_path("4")).s_present = 0;
  manage_talk();
  // Options 1, 3 and 5 from 390: 3 is the line from 410 to 430.
  EXPECT_EQ(pass(100, 420, 1), 3);
  EXPECT_EQ(pass(100, 395, 1), 1);
  EXPECT_EQ(pass(100, 385, 1), 0);
}

TEST(SpeechLayout, ALineIsCentredOnItsAnchorUnlessThatLeavesTheBandFrom40To600) {
  EXPECT_EQ(speech_line_x(320, 200), 220);
  EXPECT_EQ(speech_line_x(60, 200), 40) << "left edge held at 40";
  EXPECT_EQ(speech_line_x(580, 200), 400) << "right edge held at 600";
  EXPECT_EQ(speech_line_x(500, 250), 350);
  EXPECT_EQ(speech_line_x(320, 560), 40) << "a line of 560 fits exactly";
  // Wider than the band: it runs past one edge.
  EXPECT_EQ(speech_line_x(320, 580), 40);
  EXPECT_EQ(speech_line_x(400, 580), 20);
}

namespace {

class Speech : public testing::Test {
 protected:
  void SetUp() override {
    test_support::fresh_game();
    dialogue_support::load_font();
    choice = 0;
  }
  // The hero's row 0 drawn once with the speech anchored at (ax, ay): where its ink is.
  static Ink said(const char* line, int ax, int ay) {
    clear_to_color(memory_screen, background());
    input_text[0][0] = line;
    input_text[0][1] = input_text[0][2] = "";
    sentence_x = ax;
    sentence_y = ay;
    show_text_hero();
    return ink(kGreen);
  }
};

}  // namespace

TEST_F(Speech, TheHerosLinesLandWhereTheClampingRulePutsThem) {
  const char* line = "Da komm ich nicht durch.";
  const int w = text_length(pv_font, line);
  ASSERT_GT(w, 100);
  ASSERT_LT(w, 400);
  // The letters start at the line's x (or a pixel right of it) and end
  // before x + w; the outline is black.
  for (auto [anchor, x] : std::initializer_list<std::pair<int, int>>{{320, 320 - w / 2}, {50, 40}, {630, 600 - w}}) {
    SCOPED_TRACE(anchor);
    const Ink k = said(line, anchor, 200);
    EXPECT_GE(k.left, x);
    EXPECT_LE(k.left, x + 3);
    EXPECT_LT(k.right, x + w);
    EXPECT_GT(k.right, x + w - 6);
    EXPECT_GE(k.top, 200);
    EXPECT_LT(k.bottom, 220);
  }
}

TEST_F(Speech, AnAnchorNearTheTopIsLoweredTo40AndEmptyLinesKeepTheirPlace) {
  clear_to_color(memory_screen, background());
  input_text[0][0] = "oben";
  input_text[0][1] = "";
  input_text[0][2] = "unten";
  sentence_x = 320;
  sentence_y = 10;
  show_text_hero();
  EXPECT_EQ(sentence_y, 40) << "the stored anchor is changed";
  const Ink green = ink(kGreen);
  EXPECT_GE(green.top, 40);
  EXPECT_GE(green.bottom, 80) << "line 2 starts at 40 + 2 x 20";
  EXPECT_LT(green.bottom, 100);
  for (int y = 60; y < 80; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_NE(getpixel(memory_screen, x, y), kGreen) << "line 1 is empty";
}

TEST_F(Speech, APersonsReplyIsOrangeAtItsOwnAnchor) {
  clear_to_color(memory_screen, background());
  choice = 3;
  output_text[3][0] = "Ok, bis geschwenn.";
  reply_x = 45;
  reply_y = 300;
  show_text_npc();
  const Ink orange = ink(kOrange);
  EXPECT_GE(orange.left, 40);
  EXPECT_LT(orange.left, 45);
  EXPECT_GE(orange.top, 300);
  EXPECT_LT(orange.bottom, 320);
  EXPECT_EQ(ink(kGreen).count, 0);
}

namespace {

class Speaking : public testing::Test {
 protected:
  void SetUp() override { dialogue_support::stand_in_room("biolog"); }
};

}  // namespace

TEST_F(Speaking, ASpeechLastsTextSpeedTimes40Passes) {
  for (int speed : {1, 5, 50}) {
    text_speed = speed;
    const int before = headless::present_count();
    standard_remark("Ein Prachtexemplar seiner Gattung.");
    EXPECT_EQ(headless::present_count() - before, speed * 40) << speed;
  }
}

TEST_F(Speaking, AClickSkipsTheRestOfASpeechAndTheHeroStandsAgain) {
  text_speed = 50;
  int talking_passes = 0;
  headless::on_present([&] { talking_passes += hero_action[0] == -1; });
  const int start = headless::now();
  headless::click(start + 300, 320, 240, 200);
  standard_remark("Das geht so nicht.");
  EXPECT_GT(talking_passes, 10);
  EXPECT_LT(talking_passes, 200) << "the speech ended at the click";
  EXPECT_GE(headless::now(), start + 500) << "and returned only once the button was let go";
  EXPECT_EQ(hero_action[0], 0);
  // The right button skips too.
  talking_passes = 0;
  headless::mouse_at(headless::now() + 300, 320, 240, 2);
  headless::mouse_at(headless::now() + 400, 320, 240, 0);
  standard_remark("Das geht so nicht.");
  EXPECT_LT(talking_passes, 200);
}

namespace {

struct Seen {
  int anim;
  int frame;
};

}  // namespace

TEST_F(Speaking, APersonFinishesItsIdleMovementToATalkFrameThenTurns) {
  // Mrs Sand may start talking from idle frames 0 and 7; she is at frame 1.
  std::vector<Seen> seen;
  headless::on_present([&] { seen.push_back({person_anim[0], mov_person_nr[0]}); });
  talk_nr = 0;
  mov_person_nr[0] = 1;
  prepare_person_talk();
  ASSERT_FALSE(seen.empty());
  const auto turn = std::find_if(seen.begin(), seen.end(), [](const Seen& s) { return s.anim == 2; });
  ASSERT_NE(turn, seen.end());
  ASSERT_NE(turn, seen.begin());
  EXPECT_EQ((turn - 1)->frame, 7) << "the turn starts from the marked frame";
  for (auto it = seen.begin(); it != turn; ++it) EXPECT_EQ(it->anim, 0);
  EXPECT_EQ(person_anim[0], 2);
  EXPECT_EQ(mov_person_nr[0], 3) << "the four frames of the turn played to the last";
  EXPECT_EQ(mouse_status, 1);
}

TEST(PersonTalk, APersonWhoseAnimationMarksNoTalkFrameTurnsAtOnce) {
  dialogue_support::stand_in_room("class");
  // Mr Friob with his idle frames unmarked.
  for (int& mark : start_talk[0]) mark = 0;
  std::vector<Seen> seen;
  headless::on_present([&] { seen.push_back({person_anim[0], mov_person_nr[0]}); });
  talk_nr = 0;
  mov_person_nr[0] = 5;
  prepare_person_talk();
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front().anim, 2);
  EXPECT_EQ(person_anim[0], 2);
  EXPECT_EQ(mov_person_nr[0], person_frame_nr[0] - 1);
  EXPECT_LT(seen.size(), 2000u);
}

TEST(PersonTalk, APersonWithoutTalkAnimationsSpeaksAtOnceAndKeepsItsIdleFrames) {
  // Dori in the physics lab, back from carrying the telescope, has only his
  // idle frames.
  dialogue_support::stand_in_room("future_physiktp");
  person_present[1] = 1;
  const int idle_frames = person_frame_nr[1];
  text_speed = 2;
  talk_nr = 1;
  output_text[0][0] = "Hey ... wou hues de deen hier ?";
  const int before = headless::present_count();
  npc_describe();
  EXPECT_EQ(headless::present_count() - before, 80) << "only the passes of the speech";
  EXPECT_EQ(person_anim[1], 0);
  EXPECT_EQ(person_frame_nr[1], idle_frames);
  EXPECT_EQ(talk_nr, -1);
  EXPECT_EQ(talk_goto, -1);
}

TEST_F(Speaking, AReplyIsFramedByTheTurnToTheHeroTheTalkingLoopAndTheTurnBack) {
  const int idle_frames = person_frame_nr[0];
  std::vector<int> anims;
  int talking_passes = 0;
  headless::on_present([&] {
    if (anims.empty() || anims.back() != person_anim[0]) anims.push_back(person_anim[0]);
    talking_passes += person_anim[0] == 1;
  });
  text_speed = 3;
  talk_nr = 0;
  choice = 0;
  output_text[0][0] = "Ok, bis geschwenn.";
  talking_npc();
  EXPECT_EQ(anims, (std::vector<int>{0, 2, 1, 3}));
  EXPECT_GE(talking_passes, 120);
  EXPECT_EQ(person_anim[0], 0) << "back to the animation it had";
  EXPECT_EQ(person_frame_nr[0], idle_frames) << "with its frames reloaded";
}
