// The story's rules on arrival at a piece (levers, showcase, rolling pin, shower, cupboards, lead pipe, the pieces
// it hands over) and its checks of every pass (card doors, presence by the flags, two-pass scenes, time machine).
#include <gtest/gtest.h>


#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "interaction/interaction.h"
#include "interaction/items.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"
#include "headless_driver/story_player.h"
#include "support/test_support.h"

namespace {
using Lines = std::vector<std::string>;
using story::piece_slot;

Lines said() {
  Lines l;
  for (int i = 0; i < 3; ++i) l.push_back(input_text[0][i] ? input_text[0][i] : "");
  return l;
}
Lines one(const char* line) { return {line, "", ""}; }

struct StoryRules : testing::Test {
  void stand(const char* room) {
    dialogue_support::stand_in_room(room); text_speed = 1; mouse_x = 5; mouse_y = 5; mouse_b = 0;
  }
  // The hero arrives at piece `slot` on an errand of `kind` (take, use or use_item).
  static void arrive(int slot, ErrandKind kind) {
    ASSERT_GE(slot, 0);
    for (text& line : input_text[0]) line = "";
    set_errand(kind, slot), hero_x = goto_furni_x[slot], hero_y = goto_furni_y[slot];
    ASSERT_EQ(test_support::run_program([] { furni_room(); }), -1);
    EXPECT_FALSE(errand_pending());
  }
  static void use(const char* piece) { arrive(piece_slot(piece), ErrandKind::use); }
  static void take(const char* piece) { arrive(piece_slot(piece), ErrandKind::take); }
  // The item on the pointer, with its first look line.
  static void holds(const char* item, const char* look) {
    EXPECT_EQ(mouse_status, kModeItem);
    EXPECT_STREQ(arrow_obj, item);
    EXPECT_STREQ(arrow_describe[0], look);
  }
  // `in_hand` false: a right click put it back into the bag on the way.
  static void use_item(const char* item, const char* piece, bool in_hand = true) {
    hold_item(item); use_obj = arrow_obj, mouse_status = in_hand ? kModeItem : kModeWalk;
    arrive(piece_slot(piece), ErrandKind::use_item);
  }
};
}  // namespace

TEST_F(StoryRules, TheAlarmIsOffOnlyWhileTheLeversStandAt2_1_2AndThenTheScrewdriverBreaksTheShowcaseOnce) {
  stand("future_chimie");
  // Each lever goes 0 -> 2 -> 1 -> 0, named after its position, its frames reloaded (lever 1: objects 127 to 129).
  const struct { const char* piece; int slot, to; const char* now_named; int alarm; } moves[] = {
      {"schalter1a", 6, 2, "schalter1c", 0}, {"schalter2a", 7, 2, "schalter2c", 0},
      {"schalter2c", 7, 1, "schalter2b", 0}, {"schalter3a", 8, 2, "schalter3c", 1},
      // Moving any one away sets the alarm on again; back in place, off.
      {"schalter2b", 7, 0, "schalter2a", 0}, {"schalter2a", 7, 2, "schalter2c", 0},
      {"schalter2c", 7, 1, "schalter2b", 1}, {"schalter1c", 6, 1, "schalter1b", 0},
      {"schalter1b", 6, 0, "schalter1a", 0}, {"schalter1a", 6, 2, "schalter1c", 1},
  };
  for (const auto& m : moves) {
    SCOPED_TRACE(m.piece); use(m.piece);
    EXPECT_STREQ(furni_name[m.slot], m.now_named);
    // The lever's state, its frames' state, the alarm and the three lights.
    EXPECT_EQ((std::vector<int>{furni_anim[m.slot], old_furni_anim[m.slot], story_alarm, furni_anim[3], furni_anim[4], furni_anim[5]}),
              (std::vector<int>{m.to, m.to, m.alarm, m.alarm, m.alarm, m.alarm}));
    EXPECT_EQ(said(), one("")) << "the levers are moved without a word";
  }
  EXPECT_EQ(furniture[6][0], static_cast<BITMAP*>(room_dat[129].dat));
  EXPECT_EQ(furniture[7][0], static_cast<BITMAP*>(room_dat[131].dat));
  // An item put back into the bag on the way is used on nothing.
  use_item("tool", "case00", false);
  EXPECT_EQ(story_brokencase, 0);
  EXPECT_EQ(said(), one(""));
  EXPECT_EQ(mouse_status, kModeWalk);
  hold_item("Blei"), mouse_status = kModeWalk, talk_nr = 0;  // nor is it given away
  ASSERT_EQ(test_support::run_program([] { give_room(); }), -1);
  EXPECT_EQ(story_blei, 0);
  talk_nr = -1; use_item("tool", "case00");
  EXPECT_EQ(story_brokencase, 1);
  holds("tool", TR("Ein stabiler Schraubenzieher.", "A screwdriver."));  // it stays in his hand
  EXPECT_EQ(said(), one(""));
  use_item("tool", "case00");
  EXPECT_EQ(said(), one(TR("Das geht so nicht.", "It doesn't work like that.")));
  EXPECT_EQ(story_brokencase, 1);
  // Broken open, the showcase opens with the use verb: the diamond shows, in the showcase that stays, open.
  use("case00");
  EXPECT_EQ(std::vector<int>({furni_present[0], furni_anim[0], furni_present[1]}), std::vector<int>({1, 2, 1}));
}

// A piece that refuses the errand: the hero's answer, and nothing of the story moves.
TEST_F(StoryRules, APieceThatRefusesTheErrandGetsTheHerosAnswerAndTheRollingPinIsRefusedEverywhere) {
  const char* const wrong = TR("Das geht so nicht.", "It doesn't work like that.");
  const char* const closet = TR("Der Schrank ist abgeschlossen.", "The closet is locked up.");
  const char* const hands_off = TR("Daran sollte ich besser nicht herumspielen.", "Maybe I shouldn't play with this lever.");
  const struct { const char *room, *item, *piece, *line; } cases[] = {  // no item: the use verb
      {"future_chimie", nullptr, "case00", TR("Die Vitrine ist abgeschlossen.", "The vitrine is locked up.")},
      {"future_chimie", "tool", "case00",
       TR("Ich sollte zuerst den Alarm ausschalten.", "I should switch off the alarm device first.")},
      {"future_chimietp", "glasses", "tank", wrong}, {"future_chimietp", "bleiloesung", "douche", wrong},
      {"future_floor15", nullptr, "schrank2", closet}, {"future_floor15", nullptr, "schrank3", closet},
      {"future_floor15", nullptr, "schrank4", closet}, {"future_floor15", "Gaz", "rohr", wrong},
      {"future_physiktp", nullptr, "hebel2", hands_off}, {"future_physiktp", nullptr, "buttons", hands_off},
      {"future_physiktp", nullptr, "hebel", wrong},
  };
  std::string standing_in;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.room) + ", " + c.piece);
    if (standing_in != c.room) stand((standing_in = c.room).c_str());
    if (c.item) use_item(c.item, c.piece);
    else use(c.piece);
    EXPECT_EQ(said(), one(c.line));
    if (c.item) EXPECT_STREQ(arrow_obj, c.item) << "the item stays in his hand";
    EXPECT_EQ(story_brokencase + story_bleitank + story_schrankoffen + story_alarm, 0);
  }
  // The rolling pin is refused on every piece of every room and never breaks the showcase.
  const Lines damage = one(TR("Ich will es nicht kaputt machen.", "I don't want to damage it."));
  const Lines stable = one(TR("Das ist zu stabil um es so kaputtzuschlagen.", "The vitrine is too stable to open it like that."));
  int pieces = 0;
  for (const RoomScript* room : kRooms) {
    test_support::load_room_named(room->name);
    story_alarm = 1;  // even with the alarm off
    for (int i = 0; i < furni_nr; ++i) {
      if (furni_interact[i] != 1 || furni_present[i] != 1) continue;
      const std::string name = furni_name[i];
      SCOPED_TRACE(std::string(room->name) + ", " + name); use_item("rolle", name.c_str());
      EXPECT_EQ(said(), name == "case00" ? stable : damage);
      EXPECT_STREQ(arrow_obj, "rolle");
      ++pieces;
    }
    EXPECT_EQ(story_brokencase, 0);
  }
  EXPECT_GE(pieces, 30) << "pieces tried";
}

TEST_F(StoryRules, TheLeadSolutionFillsTheTankAndTheShowerAnswersByTheTankTheTelescopeAndTheDiamond) {
  stand("future_chimietp");
  use_item("bleiloesung", "tank");  // it stays in his hand
  EXPECT_EQ(story_bleitank, 1);
  holds("bleiloesung", TR("Eine Bleilösung die gegen radioaktive", "A lead dilution that protects against radiation."));
  EXPECT_STREQ(arrow_describe[1], TR("Strahlung schützt.", ""));
  mouse_status = kModeWalk;
  const Lines clean = one(TR("Nicht ohne mein Quietscheentchen!", "I'm clean enough."));
  const Lines energy = {TR("Ich sollte erst noch eine Energiequelle", "I should first complete the time machine of Mister"),
                        TR("für die Zeitmaschine auftreiben.", "Zirud."), ""};
  const struct { int tank, telescope, diamond; Lines answer; } cases[] = {{0, 0, 0, clean}, {0, 1, 1, clean}, {1, 0, 1, energy}, {1, 1, 0, energy}, {1, 0, 0, energy}};
  for (const auto& c : cases) {
    story_bleitank = c.tank, story_teleskop = c.telescope, story_diamant = c.diamond;
    use("douche");
    EXPECT_EQ(said(), c.answer) << c.tank << c.telescope << c.diamond;
    EXPECT_EQ(story_douche, 0);
    EXPECT_STREQ(room_name, "future_chimietp");
  }
  // All ready: he showers and is taken to the machine next door by the story's own door, arriving at (565, 360).
  story_bleitank = story_teleskop = story_diamant = 1; use("douche");
  EXPECT_EQ(story_douche, 1);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(std::make_pair(hero_x, hero_y), std::make_pair(565, 360));
  // The next pass starts the time machine (its film is tried on its own).
  int active = -1;
  headless::on_present([&] { active = video_active, headless::stop(); });
  EXPECT_EQ(test_support::run_program([] { storyline(); }), -2);
  headless::on_present(nullptr);
  EXPECT_EQ(active, 1);
}

TEST_F(StoryRules, TheCaretakersCupboardTheLeadPipeAndTheGuitarAreHandedOver) {
  stand("future_floor15");
  EXPECT_EQ(furni_present[1], 0) << "the screwdriver is behind the door";
  use("schrank");
  EXPECT_EQ(std::make_pair(story_schrankoffen, furni_present[1]), std::make_pair(1, 1));
  // Once open, the first cupboard is like anything else.
  furni_present[0] = 1; use("schrank");
  EXPECT_EQ(said(), one(TR("Das geht so nicht.", "It doesn't work like that.")));
  take("tool"); holds("tool", TR("Ein stabiler Schraubenzieher.", "A screwdriver."));
  EXPECT_EQ(furni_present[1], 0);
  use_item("Schweissbrenner", "rohr"); holds("Blei", TR("Ein Rohr aus Blei.", "A lead conduit."));
  EXPECT_EQ(said(), one(""));
  stand("future_physik"); furni_present[3] = 1;
  take("guitar");
  holds("guitar", TR("Yeah... so eine Gitarre habe ich mir schon immer", "I always wanted to own an eletric guitar."));
  EXPECT_EQ(furni_present[3], 0);
}

TEST_F(StoryRules, TheAccessCardOpensTheCardDoorsOfAllThreeRooms) {
  const struct { const char* room; std::vector<int> doors; } rooms[] = {{"future_floor1", {1, 4}}, {"future_physiktp", {1}}, {"future_floor15", {2}}};
  for (const auto& r : rooms) {
    SCOPED_TRACE(r.room); stand(r.room);
    storyline();
    for (int k : r.doors) EXPECT_EQ(go_through[k], 0) << "door " << k << " without the card";
    story_gotaccesscard = 1; storyline();
    for (int k : r.doors) EXPECT_EQ(go_through[k], 1) << "door " << k;
    // Loaded again, the room closes its doors; the next pass opens them.
    test_support::load_room_named(r.room); storyline();
    for (int k : r.doors) EXPECT_EQ(go_through[k], 1) << "door " << k;
  }
  stand("future_floor2"); story_gotaccesscard = 1;
  storyline();
  EXPECT_EQ(go_through[1], 0) << "the guard's doors are not card doors";
}

TEST_F(StoryRules, TheFlagsDecideOnEveryPassWhoAndWhatIsInTheRoomAndWhenTheHeroGetsHisBreathBack) {
  stand("future_floor15");
  story_hero_uff = 2;  // two passes after the fight
  for (const char* line : {"", "Puuuuuh !", ""}) {
    for (text& l : input_text[0]) l = "";
    ASSERT_EQ(test_support::run_program([] { storyline(); }), -1);
    EXPECT_EQ(said(), one(line)) << "pass " << story_hero_uff;
  }
  EXPECT_EQ(story_hero_uff, 0);
  stand("future_crossing");
  auto glasses_question = [] { storyline(); return talk_node(0, talk_path("5")).s_present; };
  EXPECT_EQ(glasses_question(), 0);
  story_blei = 1;
  EXPECT_EQ(glasses_question(), 1);
  story_gotglasses = 1; talk_node(0, talk_path("5")).s_present = 0;
  EXPECT_EQ(glasses_question(), 0);
  stand("future_chimie");
  person_present[0] = 0, person_present[1] = 1;  // at his lab bench, since the lead came
  storyline();
  EXPECT_EQ(person_present[1], 1);
  story_bleiloesung = 1; storyline();
  EXPECT_EQ((std::vector<int>{person_present[0], person_present[1], talk_node(0, talk_path("4")).s_present,
                              talk_node(0, talk_path("2")).s_present}),
            (std::vector<int>{1, 0, 1, 0}));
  story_gotblei = 1, person_present[1] = 1; storyline();
  EXPECT_EQ(person_present[1], 1) << "nothing more once the solution is handed over";
  // The telescope scene moves the telescope and Dori next door; the diamond comes only when given.
  for (const char* room : {"future_physik", "future_physiktp"}) {
    stand(room); story_adyteleskop = 1;
    storyline();
  }
  EXPECT_EQ(std::vector<int>({furni_present[0], furni_present[1], person_present[1]}), std::vector<int>({1, 0, 1}));
  stand("future_physik"); story_adyteleskop = 1;
  storyline();
  EXPECT_EQ(std::make_pair(furni_present[2], person_present[0]), std::make_pair(0, 0));
}
