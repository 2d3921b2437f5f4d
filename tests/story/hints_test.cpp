// The hints: the story's table as the game reads it, which step a hint is for and how deep it goes, the H key and
// the switch that turns hints off, the count kept beside a saved game and said on the closing screen; the
// hint-only player, who finishes the story from New game by the third hints alone; and no hint along the
// finisher's path for a step that is not open then.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <unistd.h>
#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/said_log.h"
#include "game/game.h"
#include "persistence/saved_games.h"
#include "rooms/registry.h"
#include "story/hints.h"
#include "story/story_table.h"
#include "support/dialogue_support.h"
#include "support/finisher.h"
#include "support/hint_player.h"
#include "support/test_support.h"

namespace {
const StoryStep& step_named(const char* name) { return story_steps().at(static_cast<size_t>(story_step_index(name))); }

// H typed in play, then passes until the hero has said what he says to it.
void press_h() {
  headless::key_at(headless::now() + 2, (KEY_H << 8) | 'h');
  for (int i = 0; i < 40; ++i) main_loop_pass();
}
}  // namespace

// Each step is done in a room of the game (or in the bag), after steps that come before it in the story; its three
// hints are one or two lines the width of the band the hero's lines stand in (40 to 600), in both languages.
TEST(StoryTable, EveryStepFollowsStepsBeforeItInARoomOfTheGameAndEachHintFitsTwoLinesOfTheBand) {
  dialogue_support::load_font();
  const std::vector<StoryStep>& steps = story_steps();
  ASSERT_LE(steps.size(), static_cast<size_t>(kMaxStorySteps)) << "every step has its place in hint_level[]";
  const std::set<std::string> verbs = {"talk", "take", "use", "use_item", "give", "set", "combine"};
  for (size_t i = 0; i < steps.size(); ++i) {
    const StoryStep& s = steps[i];
    SCOPED_TRACE(s.name);
    EXPECT_TRUE(!s.room || room_index(s.room) >= 0);
    for (const char* before : s.after) EXPECT_LT(story_step_index(before), static_cast<int>(i)) << before;
    EXPECT_FALSE(s.flags.empty() && s.items.empty()) << "a step the world cannot show done";
    EXPECT_FALSE(s.moves.empty());
    for (const StoryMove& m : s.moves) EXPECT_TRUE(verbs.count(m.verb)) << m.verb;
    for (const HintLines& h : s.hints) {
      EXPECT_GT(std::strlen(h.line0), 0u);
      for (const char* line : {h.line0, h.line1}) EXPECT_LE(text_length(pv_font, line), 560) << line;
    }
  }
  // The doors between rooms: the crossing lies between the corridor and the chemistry room; the lab's door into
  // the physics lab opens one way only.
  EXPECT_EQ(doors_between("future_floor1", "future_chimie"), 2);
  EXPECT_EQ(doors_between("future_chimietp", "future_physiktp"), 1);
  EXPECT_EQ(doors_between("future_physiktp", "future_chimietp"), 3);
  EXPECT_EQ(doors_between("future_biolog", "future_biolog"), 0);
  EXPECT_EQ(doors_between("future_biolog", "nowhere"), -1);
}

// A hint is for the open step in the hero's room, else for the nearest; asked again it goes one level deeper,
// the third stays; a step done has none left.
TEST(Hints, EachAskGoesOneLevelDeeperForTheOpenStepHereOrTheNearestAndAStepDoneHasNoMore) {
  const struct { const char* room; std::vector<int*> flags; const char* step; } cases[] = {
      {"future_floor15", {}, "cupboard"},                                      // before the card: here
      {"future_physik", {&story_gotaccesscard}, "telescope carried"},           // with it, Dori is here
      {"future_biolog", {&story_gotaccesscard}, "hose"},                        // Mrs Sand is awake
      {"future_floor2", {&story_gotaccesscard, &story_schrankoffen}, "screwdriver"},  // one door away
      {"future_crossing", {&story_gotaccesscard, &story_alarm, &story_brokencase, &story_diamant,
                           &story_adyteleskop, &story_sandalkohol, &story_blei}, "glasses"},
      {"future_floor1", {&story_gotaccesscard, &story_brokencase, &story_diamant, &story_adyteleskop,
                         &story_sandalkohol, &story_blei, &story_gotglasses, &story_gotblei}, "tank"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.room);
    dialogue_support::stand_in_room(c.room);
    for (int* f : c.flags) *f = 1;
    ASSERT_GE(hint_step_now(), 0);
    EXPECT_STREQ(story_steps()[static_cast<size_t>(hint_step_now())].name, c.step);
  }
  // In the corridor of the lockers, four asks: the goal, where, the answer, the answer again; all counted.
  dialogue_support::stand_in_room("future_floor15");
  clear_said_log(), text_speed = 1;
  const StoryStep& cupboard = step_named("cupboard");
  for (int ask = 1; ask <= 4; ++ask) {
    hint_requested = 1, answer_hint_request();
    const HintLines& h = cupboard.hints[std::min(ask, 3) - 1];
    EXPECT_EQ(said_log().back().words, std::string(h.line0) + (h.line1[0] ? " " : "") + h.line1) << ask;
    EXPECT_EQ(said_log().back().speaker, hero_speaker());
    EXPECT_TRUE(hints_asked == ask && hint_level[story_step_index("cupboard")] == std::min(ask, 3));
  }
  story_schrankoffen = 1;  // the cupboard open: the screwdriver's first hint
  hint_requested = 1, answer_hint_request();
  EXPECT_EQ(said_log().back().words, std::string(step_named("screwdriver").hints[0].line0));
  // Switched off, a hint asked says nothing and counts nothing; the request is used up.
  settings::hints = 0, hint_requested = 1, answer_hint_request();
  EXPECT_TRUE(said_log().size() == 5u && hints_asked == 5 && hint_requested == 0);
  settings::hints = 1;
}

// In play H has the hero say the hint; with hints off it does nothing at all.
TEST(Hints, HInPlayHasTheHeroSayTheHintAndWithHintsOffNothing) {
  ASSERT_EQ(test_support::stand_in_main_loop(2), -2);
  text_speed = 1;
  const size_t before = said_log().size();
  settings::hints = 0;
  press_h();
  EXPECT_TRUE(said_log().size() == before && hints_asked == 0);
  settings::hints = 1;
  press_h();
  ASSERT_EQ(said_log().size(), before + 1);
  EXPECT_EQ(said_log().back().words, std::string(step_named("card").hints[0].line0) + " " +
                                         step_named("card").hints[0].line1);
  EXPECT_EQ(hints_asked, 1);
}

// The count and the levels go into the saved game's side file, the slot's format untouched, and come back with
// it; a game saved when they had a file of their own beside the slot still reads it there; missing or damaged
// lines load as no hints asked. The closing screen says the count.
TEST(Hints, TheCountIsKeptBesideASavedGameAndSaidOnTheClosingScreen) {
  using test_support::read_file;
  using test_support::write_file;
  ASSERT_EQ(test_support::stand_in_main_loop(2), -2);
  write_file("sav/game02.hints", "hints_asked 7\n");  // of an older game in the slot
  hints_asked = 5, hint_level[0] = 3, hint_level[2] = 2;
  ASSERT_EQ(save_game(2), 0);
  std::string levels = "hint_level 3 0 2";
  for (int i = 3; i < kMaxStorySteps; ++i) levels += " 0";
  const std::string lines = "hints_asked 5\n" + levels + "\n";
  const std::string info = read_file("sav/game02.info");
  ASSERT_NE(info.find(lines), std::string::npos) << info;
  EXPECT_NE(access("sav/game02.hints", F_OK), 0) << "no file of their own any more, and the older one is gone";
  EXPECT_EQ(read_file("sav/game02.sav").find("hint"), std::string::npos) << "nothing in the slot";
  // The side file with other lines in the place of the hints' (none: a side file written before it kept them).
  auto info_with = [&](const std::string& hint_lines) {
    std::string text = info;
    return text.replace(text.find(lines), lines.size(), hint_lines);
  };
  std::string past_third = "hints_asked 2\nhint_level 4";
  for (int i = 1; i < kMaxStorySteps; ++i) past_third += " 0";
  const struct { const char* what; std::string info, older_file; int count, level0; } cases[] = {
      {"kept in the side file", info, "", 5, 3},
      {"the side file before an older file", info, "hints_asked 2\n" + levels + "\n", 5, 3},
      {"an older save: in a file of their own", info_with(""), lines, 5, 3},
      {"an older save before there were hints", info_with(""), "", 0, 0},
      {"damaged", info_with("hints_asked five\n" + levels + "\n"), "", 0, 0},
      {"a level past the third", info_with(past_third + "\n"), "", 0, 0},
      {"cut short", info_with("hints_asked 2\nhint_level 3 0 2\n"), "", 0, 0},
      {"an older file damaged", info_with(""), "hints_asked 2\nhint_level 3 0 2\n", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    write_file("sav/game02.info", c.info);
    write_file("sav/game02.hints", c.older_file);
    if (c.older_file.empty()) std::remove("sav/game02.hints");
    hints_asked = 9, hint_level[0] = 1;
    ASSERT_EQ(load_game(2), 0);
    EXPECT_TRUE(hints_asked == c.count && hint_level[0] == c.level0) << hints_asked << " " << hint_level[0];
  }
  // Deleting the slot takes an older hints file with it.
  write_file("sav/game02.hints", lines);
  ASSERT_EQ(delete_game(2), 0);
  EXPECT_NE(access("sav/game02.hints", F_OK), 0);
  const std::pair<int, const char*> notes[] = {
      {0, TR("Du hast es mit 0 Tipps geschafft.", "You finished with 0 hints.")},
      {1, TR("Du hast es mit 1 Tipp geschafft.", "You finished with 1 hint.")},
      {3, TR("Du hast es mit 3 Tipps geschafft.", "You finished with 3 hints.")},
  };
  for (const auto& [count, note] : notes) EXPECT_EQ(finished_with_hints(count), note);
}

// From New game the third hints alone lead to the closing screen: each step's hints come one level deeper each
// time, the third is followed, and the next hint is for the next open step.
TEST(HintOnlyPlayer, FromNewGameTheThirdHintsAloneReachTheClosingScreen) {
  const auto start = std::chrono::steady_clock::now();
  const story::HintRun run = story::play_by_hints();
  std::string said;
  for (const std::string& s : run.said) said += "\n  " + s;
  ASSERT_EQ(run.status, 1) << story::failure() << said;
  EXPECT_EQ(run.hints, 3 * run.steps);
  for (size_t i = 0; i < run.said.size(); ++i)
    EXPECT_EQ(run.said[i].back(), static_cast<char>('1' + i % 3)) << run.said[i];
  EXPECT_EQ(hints_asked, run.hints) << "the closing screen says them all";
  std::printf("[ figures  ] the hint-only player: %d steps, %d hints, %.2f s real time, %.1f s of game time\n",
              run.steps, run.hints, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
              headless::now() / 1000.0);
}

// At every step of the finisher's path the hint offered is for a step not played yet whose steps before it all
// are, and its answer can be followed with what the hero holds.
TEST(NoSpoilers, AlongTheFinishersPathEveryHintIsForAStepOpenThen) {
  ASSERT_EQ(story::new_game(), -2);
  std::set<std::string> played;
  std::vector<std::string> trouble;
  const auto check = [&] {
    const int offered = hint_step_now();
    if (offered < 0) return trouble.push_back("no hint after " + std::to_string(played.size()) + " steps");
    const StoryStep& s = story_steps()[static_cast<size_t>(offered)];
    if (played.count(s.name)) trouble.push_back(std::string("a hint for ") + s.name + ", played already");
    for (const char* before : s.after)
      if (!played.count(before)) trouble.push_back(std::string("a hint for ") + s.name + " before " + before);
    if (const std::string t = story::hint_trouble(); !t.empty()) trouble.push_back(t);
  };
  std::map<std::string, std::function<void(story::Player&)>> after;
  for (const StoryStep& s : story_steps())
    after[s.name] = [&, name = std::string(s.name)](story::Player& p) { p.settle(), played.insert(name), check(); };
  after.erase("shower");  // the program ends with it
  check();
  story::Player p;
  EXPECT_EQ(test_support::run_program([&] { story::finish(p, after); }), 1) << story::failure();
  EXPECT_EQ(played.size() + 1, story_steps().size());
  for (const std::string& t : trouble) ADD_FAILURE() << t;
}
