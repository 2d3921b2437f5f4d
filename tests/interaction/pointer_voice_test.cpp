// Reading aloud, for a player who cannot see the screen: with the setting on, every jump of the pointer's keys
// names what the pointer comes onto (the names the Tab key shows, the verbs, the bag), the bag reads the item
// under the pointer and a conversation its choice; spoken lines wait their turn. F2 turns it over in play and
// keeps it; without a speech service the hero says so and the game goes on.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>
#include "core/read_aloud.h"
#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "frame/said_log.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "platform/headless.h"
#include "platform/speech.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using test_support::run_program;

namespace {
constexpr int kPgDn = KEY_PGDN << 8, kEnter = KEY_ENTER << 8 | 13, kBackspace = KEY_BACKSPACE << 8 | 8,
              kF2 = KEY_F2 << 8;

// What was said from `from` on, each text marked "!" when it cut off what was being said, "+" when it waits.
std::vector<std::string> said_from(size_t from) {
  std::vector<std::string> out;
  const auto& said = headless::spoken();
  for (size_t n = from; n < said.size(); ++n) out.push_back((said[n].interrupt ? "!" : "+") + said[n].text);
  return out;
}

// Types `key` in play and runs main-loop passes until `done`, then one more (two seconds of game time at most).
void type_until(int key, const std::function<bool()>& done) {
  headless::key_at(headless::now() + 1, key);
  const int until = headless::now() + 2000;
  ASSERT_EQ(run_program([&] {
              while (!done() && headless::now() < until) main_loop_pass();
              main_loop_pass();
            }),
            -1);
}

// A jump: passes until the game has moved the pointer.
void jump() {
  const int moves = headless::pointer_moves_made();
  type_until(kPgDn, [moves] { return headless::pointer_moves_made() != moves; });
}

struct ReadAloud : testing::Test {
  void SetUp() override {
    dialogue_support::stand_in_room("future_crossing");
    mouse_x = 0;  // the top-left corner, before every thing
    mouse_y = 0;
    mouse_b = 0;
    click = kClickFree;
    settings::speech = 1;
    ASSERT_TRUE(follow_speech_setting());
  }
  void TearDown() override {
    settings::speech = 0;
    follow_speech_setting();
    headless::on_present(nullptr);
  }
};
}  // namespace

TEST_F(ReadAloud, EveryJumpNamesWhatThePointerComesOnByTheNamesTheTabKeyShowsAndOffNothingIsSaid) {
  // The crossing in reading order (the doors to the lab, the corridor and the chemistry room, Mr Rarozir, the
  // model, the extinguisher, then the panel with the bin among its buttons), each name cutting off the last.
  const std::vector<std::string> order = {
      TR("Chemielabor", "Chemistry lab"), TR("Gang", "Corridor"),          TR("Chemiesaal", "Chemistry room"),
      TR("Herr Rarozir", "Mr Rarozir"),   TR("Modell", "Model"),           TR("Feuerlöscher", "Fire extinguisher"),
      TR("Gehen", "Walk"),                TR("Mülleimer", "Rubbish bin"), TR("Nehmen", "Take"),
      TR("Benutzen", "Use"),              TR("Tasche", "Bag"),             TR("Ansehen", "Look"),
      TR("Reden", "Talk")};
  std::vector<std::string> heard;
  for (size_t n = 0; n < order.size(); ++n) {
    const size_t from = headless::spoken().size();
    jump();
    const std::vector<std::string> now = said_from(from);
    heard.push_back(now.empty() ? "(nothing)" : now.back());
  }
  std::vector<std::string> expected;
  for (const std::string& name : order) expected.push_back("!" + name);
  EXPECT_EQ(heard, expected);
  // Round the end onto the first again; a pass with the pointer where it is says nothing more.
  size_t from = headless::spoken().size();
  jump();
  EXPECT_EQ(said_from(from), (std::vector<std::string>{"!" + order.front()}));
  from = headless::spoken().size();
  ASSERT_EQ(run_program([] { main_loop_pass(), main_loop_pass(); }), -1);
  EXPECT_TRUE(said_from(from).empty());
  // Off, nothing is said, and speech-dispatcher is let go.
  settings::speech = 0;
  ASSERT_TRUE(follow_speech_setting());
  EXPECT_FALSE(speech_started());
  from = headless::spoken().size();
  jump(), jump();
  EXPECT_TRUE(said_from(from).empty());
}

TEST_F(ReadAloud, SpokenLinesWaitTheirTurnAfterTheirSpeakerAndTheBagReadsTheItemUnderThePointer) {
  size_t from = headless::spoken().size();
  note_said("Dori", 0, {"Hello", "", "there."});
  note_said("", 0, {"Meanwhile..."});
  EXPECT_EQ(said_from(from), (std::vector<std::string>{"+Dori: Hello there.", "+Meanwhile..."}));
  // The bag (Gaz, then the rolling pin): opened from the bag button with Enter, the jumps read each item's
  // description, Backspace closes it with the rolling pin on the pointer.
  ASSERT_TRUE(give_item("rolle") && give_item("Gaz"));
  sort_inventory();
  for (int n = 0; n < 11; ++n) jump();
  from = headless::spoken().size();
  const int t = headless::now();
  for (auto [dt, key] : {std::pair{300, kPgDn}, {600, kPgDn}, {900, kEnter}, {1200, kBackspace}})
    headless::key_at(t + dt, key);
  type_until(kEnter, [] { return carrying_item() && inv_menu == 0; });
  std::vector<std::string> in_bag = said_from(from);
  in_bag.resize(std::min<size_t>(in_bag.size(), 2));  // then the room names what the pointer stands on
  EXPECT_EQ(in_bag,
            (std::vector<std::string>{"!" + std::string(TR("Eine Flasche mit brennbarem Gas.", "A bottle with combustible gas.")),
                                      "!" + std::string(TR("Mamas Nudelholz ist für mich wie ein Schweizer Messer.",
                                                           "Mum's rolling pin is my allrounder tool."))}));
  // A line skipped with a click is not read on: the reading stops (a stop is recorded as nothing said at once).
  from = headless::spoken().size();
  headless::click(headless::now() + 300, 320, 240);
  ASSERT_EQ(run_program([] { hero_remark("One,", "two."); }), -1);
  EXPECT_EQ(said_from(from), (std::vector<std::string>{"+" + std::string(TR("Du", "You")) + ": One, two.", "!"}));
}

TEST_F(ReadAloud, F2TurnsItOverAndKeepsItAndWithoutASpeechServiceTheHeroSaysSoAndTheGameGoesOn) {
  settings::speech = 0;
  ASSERT_TRUE(follow_speech_setting());
  size_t from = headless::spoken().size();
  type_until(kF2, [] { return settings::speech == 1; });
  EXPECT_EQ(said_from(from).front(), "!" + std::string(TR("Sprachausgabe an", "Speech on")));
  EXPECT_NE(test_support::read_file("settings.txt").find("\nspeech=1\n"), std::string::npos) << "kept at once";
  type_until(kF2, [] { return settings::speech == 0; });
  EXPECT_FALSE(speech_started());
  EXPECT_NE(test_support::read_file("settings.txt").find("\nspeech=0\n"), std::string::npos);
  // No speech-dispatcher: the hero says so in his two lines, the setting stays on for the next start.
  headless::fail_speech(true);
  from = headless::spoken().size();
  const size_t lines = said_log().size();
  type_until(kF2, [lines] { return said_log().size() > lines; });
  ASSERT_GT(said_log().size(), lines);
  EXPECT_EQ(said_log().back().words, std::string(TR("Keine Sprachausgabe: speech-dispatcher fehlt oder antwortet nicht.",
                                                    "No speech: speech-dispatcher is missing or does not answer.")));
  EXPECT_EQ(settings::speech, 1);
  EXPECT_TRUE(said_from(from).empty()) << "nothing is said without the service";
  headless::fail_speech(false);
}

TEST_F(ReadAloud, TheControlPanelReadsItsSwitchBoxesAndButtonsAsTheJumpsStepThroughThemInReadingOrder) {
  // From the top-left corner: the text output switch (its middle at y 126), the hints box (167), the box of how
  // long lines stay (206); then a right click leaves the panel.
  text_output = 1, settings::hints = 1, settings::text_until_clicked = 0;
  const size_t from = headless::spoken().size();
  const int t = headless::now();
  for (int dt : {300, 600, 900}) headless::key_at(t + dt, kPgDn);
  headless::mouse_at(t + 1200, 600, 60, 2), headless::mouse_at(t + 1260, 600, 60, 0);
  ASSERT_EQ(run_program([] { control_panel_in_play(); }), -1);
  EXPECT_EQ(said_from(from), (std::vector<std::string>{"!" + std::string(TR("Textausgabe: An", "Text output: On")),
                                                       "!" + std::string(TR("Tipps: An", "Hints: On")),
                                                       "!" + std::string(TR("Text: nach Zeit", "Text: timed"))}));
}
