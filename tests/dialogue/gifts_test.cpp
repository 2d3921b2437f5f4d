// Gifts and the consequences of conversations in the game's rooms: every answer to a gift, the items taken or
// exchanged, the flags raised and what they do, and a used-up sentence that stays used across a room change.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "dialogue/talk_data.h"
#include "persistence/room_state.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {
using Lines = std::vector<std::string>;
using Counts = std::vector<int>;

const TalkNode& node(const char* dotted) {
  TalkPath p;
  parse_talk_path(dotted, p);
  return talk_tree[0].at(p);
}
int present(const char* dotted) { return node(dotted).s_present; }

// The hero in `room` with its conversations built, the state-file folders
// there, speeches one unit long.
void enter(const char* room) {
  dialogue_support::stand_in_room(room); mkdir("sav", 0755), mkdir("sav/tmp", 0755);
  load_new_talking(), text_speed = 1; headless::set_time_limit(headless::now() + 600000);
}

// The hero holds `item` out to `person` and has reached him.
int give(const char* item, int person = 0) {
  arrow_obj = item, arrow_describe[0] = "held", arrow_describe[1] = arrow_describe[2] = "";
  output_text[0][0] = output_text[0][1] = output_text[0][2] = "";
  mouse_status = kModeItem, talk_nr = person, set_errand(ErrandKind::talk, person), action = kModeItemOnTarget;  // give
  return test_support::run_program([] { give_room(); });
}

Lines answer() { return {output_text[0][0], output_text[0][1], output_text[0][2]}; }

// The bag holds `item` alone, described by `line` first.
void expect_bag(const char* item, const char* line) {
  ASSERT_EQ(invent_nr, 1);
  EXPECT_STREQ(inventory_obj[0], item);
  EXPECT_STREQ(inv_obj_describe[0][0], line);
}
}  // namespace

TEST(Gifts, EveryAnswerOfTheGiftTableAndTheItemStaysHeldAndTheOldSchoolIgnoresAllButTheCanister) {
  const Lines canister = {"Aaah ! Dat ass genee dat wat ech elo brauch", "fir nees a Form ze kommen.", ""};
  struct Gift { const char *room, *item; Lines answer; int person = 0; };
  std::vector<Gift> gifts = {
      {"physik", "kanister",
       {"Hey ... wou hues de deen hier ?", "Dat ass dem VedadiDov seng Ice Tea", "Noutreserve !"}},
      {"future_biolog", "rolle", {TR("Das will ich nicht.", "I don't want it."), "", ""}},
      {"future_chimie", "rolle", {TR("Das hilft mir hier nicht weiter.", "That doesn't help me."), "", ""}},
      {"future_crossing", "rolle",
       {TR("Das ist sehr nett, aber nein danke.", "That's very kind, but no thanks."), "", ""}},
      {"future_floor2", "kanister", {TR("Geh weg damit!", "I don't want it."), "", ""}},
      {"future_physik", "rolle", {TR("Was soll ich damit ?", "Thank you. But I don't need it."), "", ""}},
      {"future_physiktp", "rolle",
       {TR("Das hilft mir nicht weiter bei der Zeitmaschine.", "That doesn't help me with the time machine."), "", ""}},
  };
  for (const char* room : {"biolog", "class", "future_biolog", "future_crossing", "future_physik", "future_physiktp"})
    gifts.push_back({room, "kanister", canister});
  // In the old school anything but the canister gets no reaction at all.
  for (const char* room : {"biolog", "class", "physik"})
    for (const char* item : {"rolle", "Alkohol", "diamond"}) gifts.push_back({room, item, {"", "", ""}});
  // Nor does Mr Rurura at his lab bench (person 1), busy with the solution, the lead included.
  for (const char* item : {"rolle", "Blei"}) gifts.push_back({"future_chimie", item, {"", "", ""}, 1});
  for (const Gift& g : gifts) {
    SCOPED_TRACE(std::string(g.room) + " <- " + g.item + ", person " + std::to_string(g.person)); enter(g.room);
    const int before = headless::present_count();
    EXPECT_EQ(give(g.item, g.person), -1);
    EXPECT_EQ(answer(), g.answer);
    EXPECT_EQ(headless::present_count() > before, !g.answer[0].empty()) << "the person said it, or nothing";
    EXPECT_STREQ(arrow_obj, g.item);
    EXPECT_EQ(mouse_status, kModeItem);
    if (!g.answer[0].empty()) EXPECT_TRUE(talk_nr == -1 && !errand_pending()) << "the talk is over";
  }
}

TEST(Gifts, TheDiamondTheAlcoholAndTheLeadAreTakenWithTheirOwnEffects) {
  // The diamond goes into the machine; the teacher says what is still missing.
  for (int teleskop : {0, 1}) {
    SCOPED_TRACE(teleskop); enter("future_physiktp"), story_teleskop = teleskop;
    EXPECT_EQ(give("diamond"), -1);
    EXPECT_EQ((Counts{story_diamant, mouse_status}), (Counts{1, kModeWalk}));
    EXPECT_EQ(std::string(arrow_obj) + arrow_describe[0], "") << "the teacher keeps it";
    EXPECT_EQ(answer(), (teleskop ? Lines{TR("Ok, die Zeitmaschine ist jetzt fertig. Jetzt musst",
                                            "Ok the time machine is finished now. But you still have"),
                                         TR("du dich nur noch gegen die radioaktive Strahlung",
                                            "to find a way to protect yourself against the radiation."),
                                         TR("schützen.", "")}
                                 : Lines{TR("Was wir jetzt noch brauchen ist ein Strahlenbündler.",
                                            "Well done. We still need a high energy source and you've"),
                                         TR("Außerdem musst du dich gegen die radioaktive Strahlung",
                                            "to find a way to protect yourself against the radiation."),
                                         TR("schützen.", "")}));
  }
  // The alcohol sends Mrs Sand to sleep and leaves the hero with lemonade, without a word.
  enter("future_biolog");
  EXPECT_EQ(give("Alkohol"), -1);
  EXPECT_EQ(answer(), (Lines{"", "", ""}));
  EXPECT_EQ((Lines{arrow_obj, arrow_describe[0], arrow_describe[1]}),
            (Lines{"Limonade", TR("Eine Flasche Ice-Tea.", "It's a bottle of Ice-Tea."), ""}));
  EXPECT_EQ((Counts{story_sandalkohol, mouse_status, talk_nr, errand_pending()}), (Counts{1, kModeItem, -1, 0}));
  // The lead brings the second figure, which speaks twice.
  enter("future_chimie");
  ASSERT_EQ(person_present[1], 0);
  int speeches = 0;
  bool talking = false;
  headless::on_present([&] {
    const bool now = person_anim[1] == 1 && person_present[1] == 1;
    speeches += now && !talking; talking = now;
  });
  EXPECT_EQ(give("Blei"), -1);
  headless::on_present(nullptr);
  EXPECT_EQ((Counts{person_present[1], person_anim[1], speeches}), (Counts{1, 0, 2})) << "back to its idle loop";
  EXPECT_EQ(answer(), (Lines{TR("Geh du jetzt zu Herr Rarozir und frage ihn nach einer",
                                "Now go to Mister Rarozir and ask him for"),
                             TR("Chemiker Brille. Damit kannst du die Augen gegen giftige",
                                "chemist's glasses. They protect your eyes"),
                             TR("Substanzen schützen.", "against poisonous substances.")}));
  EXPECT_EQ((Counts{story_blei, mouse_status}), (Counts{1, kModeWalk}));
  EXPECT_STREQ(arrow_obj, "");
}

TEST(Consequences, EachRaisedFlagIsClearedAndGivesItsItemOrLeadsTheHeroAway) {
  enter("future_crossing"), cons_gotglasses = 1, cons_sent();
  EXPECT_EQ((Counts{cons_gotglasses, story_gotglasses, story_bleiloesung}), (Counts{0, 1, 1}));
  expect_bag("glasses", TR("Eine wasserdichte Schutzbrille.", "Waterproof security glasses."));
  enter("future_chimie"), cons_sent();
  EXPECT_EQ(invent_nr, 0) << "nothing without a raised flag";
  cons_gotblei = 1, cons_sent();
  EXPECT_EQ((Counts{cons_gotblei, story_gotblei}), (Counts{0, 1}));
  expect_bag("bleiloesung",
             TR("Eine Bleilösung zum Schutz vor radioaktiver", "A dilution that contains lead and protects against"));
  EXPECT_STREQ(inv_obj_describe[0][1], TR("Strahlung.", "radiation."));
  // The guard throws the hero out; the assistant leads him to the lab.
  enter("future_floor2"), cons_policemad = 1, cons_sent();
  EXPECT_EQ((Counts{cons_policemad, story_hero_uff}), (Counts{0, 2}));
  EXPECT_STREQ(room_name, "future_floor15");
  EXPECT_EQ(hero_x * 1000 + hero_y, 515415);
  enter("future_physik"), cons_adyteleskop = 1, cons_sent();
  EXPECT_EQ((Counts{cons_adyteleskop, story_adyteleskop, story_zirud_talk}), (Counts{0, 1, 2}));
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(hero_x * 1000 + hero_y, 320365);
}

TEST(Consequences, TheTeachersDealPlayedThroughTheMenuGivesTheAccessCard) {
  enter("future_physiktp");
  hero_x = 470, hero_y = 365, talk_nr = 0, talk_direction = talk_pers_dir[0], action = kModeTalk;
  set_errand(ErrandKind::talk, 0);
  auto menu_holds = [](int option, const char* line) {
    return [option, line] { return choice == 0 && hidebuttons == 1 && std::string(input_text[option][0]) == line; };
  };
  test_support::Player player;
  // Four one-line options from 370: 3 is the line from 410 to 430; then 3.1 to 3.3 from 390;
  // then 3.1.1 alone from 430; then the two-line acceptance and the refusal from 390.
  player.click_when(menu_holds(3, TR("Wie komm ich durch die Türen ? Die sind alle zugesperrt.",
                                     "How can I get through the doors ? They're all locked up.")), 100, 420)
      .click_when(menu_holds(1, TR("Und wie komme ich an so eine Karte ?", "And how do I get one of those ?")),
                  100, 400)
      .click_when(menu_holds(1, TR("Wozu soll die Zeitmaschine denn gut sein ?", "And what's the time machine for ?")),
                  100, 440)
      .click_when(menu_holds(1, TR("Ok, meinetwegen... ich habe ja keine Wahl wenn ich hier lebend",
                                   "Ok, fine... I don't have much choice if I want")), 100, 400);
  EXPECT_EQ(test_support::run_program([] { init_talk(); }), -1) << "the deal ends the conversation";
  EXPECT_EQ((Counts{story_gotaccesscard, cons_gotaccesscard}), (Counts{1, 0}));
  expect_bag("access", TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card."));
  EXPECT_EQ((Counts{present("1"), present("3"), present("2")}), (Counts{0, 0, 1}));
}

TEST(RoomState, ASingleUseSentenceStaysUsedAfterLeavingAndComingBack) {
  enter("future_crossing");
  set_temp_file();  // the room's initial state, as the start-up writes it
  ASSERT_EQ(save_temp(), 0);
  talk_nr = branch1 = branch2 = branch3 = branch4 = 0;
  for (int c : {1, 2}) choice = c, update_talk_tree();  // "what does my file say" once; where the doors lead
  ASSERT_EQ(present("1"), 0);
  // Out to future_floor1 through exit 0 and back through its exit 1.
  set_errand(ErrandKind::leave, 0), enter_new_room();
  ASSERT_STREQ(room_name, "future_floor1");
  set_errand(ErrandKind::leave, 1), enter_new_room();
  ASSERT_STREQ(room_name, "future_crossing");
  // 1 used up, 2 used once, 5 still withheld, 4 still ends the talk.
  EXPECT_EQ((Counts{present("1"), node("1").s_call_nr, node("2").s_call_nr, present("5"), node("4").s_exit}),
            (Counts{0, 0, 14999, 0, 1}));
  EXPECT_STREQ(node("1").sentence[0],
               TR("Was steht eigentlich in meiner Akte ?", "What does my file say, anyway ?"))
      << "the texts come from the room";
}
