// Whole conversations in biolog played by clicking the menu: the old school's shared conversation, a button held
// on an option, a level left with nothing to offer, a person with nothing to say.
#include <gtest/gtest.h>
#include "core/errand.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "dialogue/talk_fixtures.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using talk_fixtures::put;
using V = std::vector<int>;

namespace {
std::vector<std::string> said;  // who spoke, in turn: "hero:<option>", "person:<option>"

// Notes who speaks now; a step of the scripted player that never acts, so it can watch every present.
bool note_speaker() {
  std::string now;
  if (hero_action[0] == -2 && choice > 0) now = "hero:" + std::to_string(choice);
  if (person_anim[0] == 1 && choice > 0) now = "person:" + std::to_string(choice);
  if (!now.empty() && (said.empty() || said.back() != now)) said.push_back(now);
  return false;
}

// The menu is up (no choice made yet) and offers exactly these rows.
std::function<bool()> menu_offers(std::string rows) {
  return [rows] { return !note_speaker() && choice == 0 && hidebuttons == 1 && talk_fixtures::menu_rows() == rows; };
}

class Conversation : public testing::Test {
 protected:
  void SetUp() override { dialogue_support::stand_in_room("biolog"), begin(); }
  // The hero beside the teacher, about to talk to him.
  static void begin() {
    text_speed = 1, hero_x = 200, hero_y = 345, talk_nr = 0, talk_direction = talk_pers_dir[0];
    set_errand(ErrandKind::talk, 0);
    action = mouse_status = 3, headless::set_time_limit(headless::now() + 60000);
  }
  static int talk() { return test_support::run_program([] { init_talk(); }); }
};

constexpr const char* kTop =
    "Ekelbatz !!!!!|Wei geet et ?|Wat gett et haut an der Kantin ?|Weini ass den naechsten Test ?|Ech muss goen. Vuri.";
}  // namespace

TEST_F(Conversation, TheSharedConversationPlayedThroughTheMenuThenAHeldButtonDelaysTheExchange) {
  talk_fixtures::shared_conversation(); said.clear();
  test_support::Player player;
  // Five one-line options from 350: option 4 is the line from 410 to 430; 4.1 and 4.2 from 410; 4.2 alone from 430.
  player.click_when(menu_offers(kTop), 100, 420, 60)
      .click_when(menu_offers("Wat kennt dann dran ?|Dann bleiwen ech muer doheem.|||"), 100, 420, 60)
      .click_when(menu_offers("|Dann bleiwen ech muer doheem.|||"), 100, 440, 60)
      .then(note_speaker, [] {});
  EXPECT_EQ(talk(), -1) << "the conversation ended by itself";
  // Every choice is an exchange, the one that opened the sub-menu too.
  EXPECT_EQ(said, (std::vector<std::string>{"hero:4", "person:4", "hero:1", "person:1", "hero:2", "person:2"}));
  EXPECT_EQ((V{talk_node(0, talk_path("4")).s_present, talk_node(0, talk_path("1")).s_present}),
            (V{0, 1})) << "4 used up, 1 kept";
  // Everything is as it was before the talk, the pointer ignores the held click.
  EXPECT_EQ((V{hidebuttons, talk_nr, errand_pending(), choice, click, mouse_status}), (V{0, -1, 0, -1, 2, 3}));
  // Again, option 5 held three seconds: the hero speaks once it is let go.
  begin();
  int pressed_at = -1, first_speech_at = -1;
  test_support::Player again;
  again
      .then(menu_offers("Ekelbatz !!!!!|Wei geet et ?|Wat gett et haut an der Kantin ?||Ech muss goen. Vuri."),
            [&] { headless::click(pressed_at = headless::now() + 2, 100, 440, 3000); })
      .then([] { return hero_action[0] == -2 && choice == 5; }, [&] { first_speech_at = headless::now(); });
  EXPECT_EQ(talk(), -1);
  ASSERT_GE(pressed_at, 0);
  EXPECT_GE(first_speech_at, pressed_at + 3000);
  EXPECT_EQ(talk_node(0, talk_path("5")).s_call_nr, 14999);
}

TEST_F(Conversation, APersonWithNothingToSayEndsAtOnceAndALevelWithNothingLeftClosesInsteadOfShowingAnEmptyMenu) {
  const int before = headless::present_count();
  EXPECT_EQ(talk(), -1);
  EXPECT_EQ(headless::present_count(), before) << "no menu, no speech";
  EXPECT_EQ((V{hidebuttons, talk_nr}), (V{0, -1}));
  // Sentence 1 may be used five times but has one single-use follow-up: once
  // that is used, its level has nothing to offer while 1 itself stays.
  begin(); put(0, "1", "eins", "eent", 5);
  put(0, "1.1", "eins eins", "eent eent", 1); put(0, "2", "Ech muss goen.", "Addi.", 1, 1);
  test_support::Player().click_when(menu_offers("eins|Ech muss goen.|||"), 100, 420)
      .click_when(menu_offers("eins eins||||"), 100, 440)
      .click_when(menu_offers("eins|Ech muss goen.|||"), 100, 440);
  EXPECT_EQ(talk(), -1);
  EXPECT_EQ((V{talk_node(0, talk_path("2")).s_present, talk_node(0, talk_path("1")).s_call_nr}), (V{0, 4}));
}
