// The verbs on pieces and persons: reach, the panel, refusals, taking, the
// standard answers, and what the teacher and the policeman guard.
#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include "core/errand.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "game/game.h"
#include "hero/hero.h"
#include "interaction/interaction.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"
#include "headless_driver/story_player.h"
#include "support/test_support.h"

namespace {
using story::piece_slot;

std::string said_by_hero() { return input_text[0][0] ? input_text[0][0] : ""; }

struct Verbs : testing::Test {
  void stand(const char* room) {
    dialogue_support::stand_in_room(room);
    text_speed = 1; mouse_x = 5; mouse_y = 5; mouse_b = 0;  // far from everything, no button down
    new_turn = 0, click = kClickFree;
  }
  static void run(const std::function<void()>& body) { ASSERT_EQ(test_support::run_program(body), -1); }
  // A click at screen point (x, y), `passes` main-loop passes and more till the button is up.
  static void click_at(int x, int y, int passes) {
    headless::click(headless::now() + 1, x, y, 30);
    run([passes] {
      for (int i = 0; i < passes; ++i) main_loop_pass();
      while (mouse_b != 0 || click != kClickFree) main_loop_pass();
    });
  }
  // The middle of piece i's hot area, where the pointer's working point goes.
  static int mid_x(int i) { return (furni_mouse_x[i] + furni_mouse_x2[i]) / 2; }
  static int mid_y(int i) { return (furni_mouse_y[i] + furni_mouse_y2[i]) / 2; }
  static void take_from_standing_point(int i) {
    set_errand(ErrandKind::take, i), hero_x = goto_furni_x[i], hero_y = goto_furni_y[i]; run([] { furni_room(); });
  }
  // The pointer shows `pic` (its middle pixel, stretched).
  static void pointer_shows(BITMAP* pic) {
    ASSERT_TRUE(pic && arrow);
    EXPECT_EQ(getpixel(arrow, arrow->w / 2, arrow->h / 2),
              getpixel(pic, pic->w * (arrow->w / 2) / arrow->w, pic->h * (arrow->h / 2) / arrow->h));
  }
};
}  // namespace

TEST_F(Verbs, TheHeroReachesAPieceWithin8PixelsAcrossAnd4UpOrDownAndAPersonWithin10EitherWay) {
  stand("future_chimietp");
  const int shower = piece_slot("douche");
  const struct { int dx, dy; bool arrives; } piece[] = {{8, 4, true}, {-8, -4, true}, {8, -4, true}, {9, 0, false}, {-9, 0, false}, {0, 5, false}, {0, -5, false}},
    person[] = {{10, 10, true}, {-10, -10, true}, {10, -10, true}, {11, 0, false}, {0, 11, false}, {-11, -11, false}};
  for (const auto& c : piece) {
    set_errand(ErrandKind::use, shower), hero_x = goto_furni_x[shower] + c.dx, hero_y = goto_furni_y[shower] + c.dy;
    input_text[0][0] = ""; run([] { furni_room(); });
    EXPECT_EQ(!errand_pending(), c.arrives) << c.dx << ", " << c.dy;
    // Using the shower before the tank is filled: the hero's answer comes.
    if (c.arrives) EXPECT_EQ(said_by_hero(), TR("Nicht ohne mein Quietscheentchen!", "I'm clean enough."));
  }
  stand("future_crossing");
  for (const auto& c : person) {
    set_errand(ErrandKind::talk, 0), action = kModeItemOnTarget;  // a gift nobody has a rule for: nothing is said
    hero_x = goto_person_x[0] + c.dx, hero_y = goto_person_y[0] + c.dy;
    run([] { people_room(); });
    EXPECT_EQ(!errand_pending(), c.arrives) << c.dx << ", " << c.dy;
    EXPECT_EQ(talk_nr, -1);
  }
}

TEST_F(Verbs, AVerbFromThePanelServesOneClickAndTheRefusalsOfATake) {
  stand("future_chimietp");
  const int flask = piece_slot("erlenmeier"), burner = piece_slot("bunsen");
  click_at(550, 395, 1);  // the take verb (its button from (541, 383))
  EXPECT_EQ(std::make_pair(mouse_status, force_cursor), std::make_pair(+kModeTake, +kVerbChosen));
  // Clicked on the flask, the take verb is refused with the chemist's reason...
  click_at(mid_x(flask), mid_y(flask), 5);
  EXPECT_EQ(said_by_hero(), TR("Ich habe keine Zeit für chemische Experimente.",
                               "I don't have time for chemical experiments."));
  EXPECT_EQ(force_cursor, kVerbFree);
  EXPECT_FALSE(errand_pending()) << "a refused take does not send the hero";
  // ... and the verb is gone: pointing at the flask offers looking again, and the next click looks.
  EXPECT_EQ(mouse_status, kModeLook);
  click_at(mid_x(flask), mid_y(flask), 5);
  EXPECT_EQ(said_by_hero(), furni_text[flask][0]);
  click_at(590, 430, 1);  // talk: to a piece it does not work
  ASSERT_EQ(mouse_status, kModeTalk);
  click_at(mid_x(burner), mid_y(burner), 5);
  EXPECT_EQ(said_by_hero(), TR("Das geht so nicht.", "That doesn't work."));
  // The refusals of a take, by the piece's name.
  const char* const chemistry = TR("Ich habe keine Zeit für chemische Experimente.", "I don't have time for chemical experiments.");
  const char* const no_fire = TR("Es brennt doch gar nicht.", "It doesn't burn in here.");
  const char* const waste[] = {TR("Früh übt sich. Aber eigentlich schwebt mir eine", "I don't want to steal their precious waste."),
                               TR("andere Karriere als die des Müllmanns vor.", "")};
  const struct { const char *name, *line0, *line1; } cases[] = {
      {"erlenmeier", chemistry, ""}, {"erlenmeier2", chemistry, ""}, {"reagenz", chemistry, ""},
      {"feuerloescher", no_fire, ""}, {"feuerloescher2", no_fire, ""},
      {"book", TR("Davon habe ich selbst ein Exemplar zuhause.", "I've got the same book at home already."), ""},
      {"Muelleimer", waste[0], waste[1]}, {"Muell", waste[0], waste[1]}, {"Eimer", waste[0], waste[1]},
      {"labo_desk2", TR("Das kann ich nicht nehmen.", "I can't take it."), ""},
  };
  for (const auto& c : cases) {
    furni_name[0] = c.name, furni_take[0] = 0; run([] { piece_verb(Verb::take, 0); });
    EXPECT_EQ(said_by_hero(), c.line0) << c.name;
    EXPECT_EQ(std::string(input_text[0][1]), c.line1) << c.name;
    EXPECT_EQ(cannottake_nr, 0);
  }
  // Persons are never taken.
  stand("future_crossing"); run([] { person_verb(Verb::take, 0); });
  EXPECT_EQ(said_by_hero(), TR("Das kann ich nicht nehmen.", "I can't take it."));
}

// A click on a piece or an open door sends the hero on a new errand in place of the one he was on, so he does not
// do the old one on his way; a click on the bare floor cancels it.
TEST_F(Verbs, TheNextClickOnAPieceOrADoorReplacesTheErrandAndAFloorClickCancelsIt) {
  stand("future_chimietp");
  const int burner = piece_slot("bunsen"), shower = piece_slot("douche");
  // A click with the take (from 541,383) or use (from 578,383) verb, or none; door 0 to future_crossing is the hot
  // area (535,70)-(610,220) with its walk point at (570,250).
  struct Click { int verb_x, x, y; };
  const Click take_burner{550, mid_x(burner), mid_y(burner)}, use_shower{587, mid_x(shower), mid_y(shower)},
      door{0, 570, 100}, floor{0, 300, 330};
  const struct { Click first, then; ErrandKind kind; int target; } clicks[] = {
      {use_shower, take_burner, ErrandKind::take, burner}, {door, take_burner, ErrandKind::take, burner},
      {take_burner, door, ErrandKind::leave, 0}, {use_shower, door, ErrandKind::leave, 0},
      {take_burner, floor, ErrandKind::none, -1}, {door, floor, ErrandKind::none, -1},
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(testing::Message() << c.first.x << "," << c.first.y << " then " << c.then.x << "," << c.then.y);
    stand("future_chimietp");
    for (const Click& k : {c.first, c.then}) {
      if (k.verb_x) click_at(k.verb_x, 395, 1);
      click_at(k.x, k.y, 1);
    }
    EXPECT_EQ(std::make_pair(errand_pending(), errand_target(c.kind)),
              std::make_pair(c.kind != ErrandKind::none, c.target));
  }
  // Sent to take the burner, the hero is at it as the door is clicked: he walks on and out, the burner stays.
  stand("future_chimietp"), std::filesystem::create_directories("sav/tmp");
  click_at(550, 395, 1), click_at(take_burner.x, take_burner.y, 1);
  ASSERT_EQ(errand_target(ErrandKind::take), burner);
  hero_x = goto_furni_x[burner], hero_y = goto_furni_y[burner], reset_hero();
  click_at(door.x, door.y, 1);
  EXPECT_EQ(errand_target(ErrandKind::leave), 0);
  const int until = headless::now() + 5000;
  run([until] { while (std::strcmp(room_name, "future_chimietp") == 0 && headless::now() < until) main_loop_pass(); });
  EXPECT_STREQ(room_name, "future_crossing");
  EXPECT_EQ(std::make_pair(arrow_obj, invent_nr), std::make_pair(static_cast<text>(nullptr), 0)) << "nothing taken";
}

// Where a piece lies in a door's rectangle the pointer shows the piece, and the click acts on it: lever 3 of
// future_chimie, (430,180)-(445,220), hangs in the rectangle of the door to future_crossing, (430,110)-(490,255).
TEST_F(Verbs, APieceInADoorsRectangleTakesTheClickBeforeTheDoor) {
  const struct { int verb_x, x, y; ErrandKind kind; int target; bool looked; } clicks[] = {
      {0, 437, 200, ErrandKind::none, -1, true},   // looked at, the hero stays
      {587, 437, 200, ErrandKind::use, 8, false},  // the use verb on it: the hero goes to pull it
      {587, 444, 219, ErrandKind::use, 8, false},  // near its lower right corner
      {0, 470, 200, ErrandKind::leave, 0, false},  // beside it, on the door alone
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " verb " << c.verb_x);
    stand("future_chimie");
    ASSERT_STREQ(furni_name[8], "schalter3a");
    if (c.verb_x) click_at(c.verb_x, 395, 1);
    click_at(c.x, c.y, 1);
    EXPECT_EQ(std::make_pair(errand_pending(), errand_target(c.kind)),
              std::make_pair(c.kind != ErrandKind::none, c.target));
    EXPECT_EQ(said_by_hero() == TR("Ein Hebel zum Einstellen der Alarmanlage.", "A lever adjusting the alarm device."),
              c.looked);
  }
}

TEST_F(Verbs, ThePieceIsLiftedAtTheEighthFrameAndBecomesTheItemOfItsNameButTheBurnerOneOfItsOwn) {
  stand("future_chimietp");
  // The book, made takeable here: an ordinary piece becomes the item of its own name, text and picture.
  const int book = piece_slot("book");
  furni_take[book] = 1, take_furni_dir[book] = kMoveTakeLeft;
  int lifted_at = -1, last_frame = -1;
  headless::on_present([&] {
    if (lifted_at < 0 && furni_present[book] == 0) lifted_at = move_frame_nr;
    last_frame = move_frame_nr;
  });
  take_from_standing_point(book); headless::on_present(nullptr);
  EXPECT_EQ(lifted_at, 8);
  EXPECT_GT(hero_move_frame_nr, 9) << "the animation is longer than the lift";
  EXPECT_EQ(last_frame, hero_move_frame_nr - 1);
  EXPECT_EQ((std::vector<int>{took_object, errand_pending(), mouse_status}), (std::vector<int>{1, 0, kModeItem}));
  EXPECT_STREQ(arrow_obj, "book");
  for (int l = 0; l < 3; ++l) EXPECT_EQ(arrow_describe[l], furni_text[book][l]);
  pointer_shows(furniture[book][0]);
  EXPECT_EQ(hero_action[0], kStepStand) << "the hero stands again";
  // The burner is the item Bunsenbrenner, with the fifth item picture.
  stand("future_chimietp");
  const int burner = piece_slot("bunsen");
  take_from_standing_point(burner);
  EXPECT_EQ(furni_present[burner], 0);
  EXPECT_STREQ(arrow_obj, "Bunsenbrenner");
  EXPECT_STREQ(arrow_describe[0], TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", furni_text[burner][0]));
  EXPECT_STREQ(arrow_describe[1], TR("Gerät erzeugt Flammen mit sehr hohen Temperaturen.", furni_text[burner][1]));
  pointer_shows(objects_bmp[5]);
}

TEST_F(Verbs, ATakeablePieceIsLeftToTheTakingButTheGasBottleStaysWhileTheTeacherIsAwake) {
  stand("future_biolog");
  const int gas = piece_slot("gaz"), hose = piece_slot("schlauch");
  ASSERT_EQ(furni_take[hose], 1);
  input_text[0][0] = nullptr;
  EXPECT_FALSE(piece_verb(Verb::take, hose)) << "no rule answers for the hose";
  EXPECT_EQ(input_text[0][0], nullptr);
  const int shots = shots_played();
  take_from_standing_point(gas);
  EXPECT_EQ(std::make_pair(furni_present[gas], errand_pending()), std::make_pair(1, false)) << "nothing is taken";
  EXPECT_LE(mouse_status, kModeUse) << "nothing on the pointer";
  EXPECT_EQ(shots_played() - shots, 4) << "her scolding scene plays";
  EXPECT_EQ(talk_nr, -1);
  // Once she sleeps, the story hands the bottle over. An item picked from the bag on the way goes back into
  // it first; with the bag full he takes nothing and keeps it.
  story_sandalkohol = 1;
  auto hold_pin = [] { arrow_obj = "rolle", arrow_describe[0] = "pin", mouse_status = kModeItem; };
  hold_pin(), invent_nr = 100; take_from_standing_point(gas);
  EXPECT_EQ(std::make_pair(furni_present[gas], std::string(arrow_obj)), std::make_pair(1, std::string("rolle")));
  EXPECT_EQ(said_by_hero(), TR("Meine Tasche ist voll. Da passt nichts mehr rein.", "My bag is full. Nothing else fits in."));
  hold_pin(), invent_nr = 0; take_from_standing_point(gas);
  EXPECT_EQ(std::make_pair(furni_present[gas], mouse_status), std::make_pair(0, +kModeItem));
  EXPECT_STREQ(arrow_obj, "Gaz");
  EXPECT_EQ((std::vector<std::string>{inventory_obj[0], inv_obj_describe[0][0]}), (std::vector<std::string>{"rolle", "pin"}));
  EXPECT_EQ(invent_nr, 1);
}

TEST_F(Verbs, WithoutARuleLookingSaysTheLinesOrTheStandardAnswerAndTheOtherVerbsDoNotWork) {
  auto said = [](bool answered) {
    EXPECT_TRUE(answered);
    auto line = [](int l) { return std::string(input_text[0][l] ? input_text[0][l] : ""); };
    return line(0) + "|" + line(1) + "|" + line(2);
  };
  stand("future_floor1");
  const int aquarium = 1;
  EXPECT_EQ(said(piece_verb(Verb::look, aquarium)), std::string(furni_text[aquarium][0]) + "|" + furni_text[aquarium][1] + "|");
  furni_text[aquarium][0] = person_text[0][0] = "";
  EXPECT_EQ(said(piece_verb(Verb::look, aquarium)), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
  EXPECT_EQ(said(person_verb(Verb::look, 0)), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
  EXPECT_EQ(said(piece_verb(Verb::use, aquarium)), TR("Das geht so nicht.||", "It doesn't work like that.||"));
  EXPECT_EQ(said(person_verb(Verb::use, 0)), TR("Das geht so nicht.||", "That doesn't work.||"));
  ASSERT_EQ(person_talk[0], 0) << "Mr Betong is out cold: he does not talk";
  EXPECT_EQ(said(person_verb(Verb::talk, 0)),
            TR("Keine Antwort. Da ist gerade keiner zu Hause.||", "No answer. Nobody's home right now.||"));
  // Nor does a person take a gift who cannot talk, whatever her room's gift rules say: Mrs Sand asleep.
  stand("future_biolog"); arrow_obj = "Alkohol", mouse_status = kModeItem;
  EXPECT_EQ(said(person_verb(Verb::give, 1 /* asleep */)), TR("Das geht so nicht.||", "That doesn't work.||"));
  EXPECT_EQ(story_sandalkohol, 0);
  EXPECT_STREQ(arrow_obj, "Alkohol");
}

TEST_F(Verbs, ThePolicemanTalksAndKeepsTheHeroFromTheDoorsHeGuardsAndNoOtherRoomKeepsHim) {
  stand("future_floor2");
  // A person who talks is left to the conversation: nothing is said.
  ASSERT_EQ(person_talk[0], 1);
  input_text[0][0] = nullptr;
  EXPECT_FALSE(person_verb(Verb::talk, 0));
  EXPECT_EQ(input_text[0][0], nullptr);
  std::filesystem::create_directories("sav/tmp");
  for (int k = 3; k >= 0; --k) {  // only the way back to future_floor15, door 0, is free
    go_through[k] = 1;  // even a door the story opened
    set_errand(ErrandKind::leave, k), hero_x = goto_exit_x[k], hero_y = goto_exit_y[k];
    leave_room();
    EXPECT_STREQ(room_name, k ? "future_floor2" : "future_floor15") << k;
    if (k) EXPECT_FALSE(errand_pending()) << k;
  }
  for (const RoomScript* room : kRooms)
    for (int k = 0; k < room->exit_nr && std::strcmp(room->name, "future_floor2") != 0; ++k) {
      room_name = room->name, set_errand(ErrandKind::leave, k); story_exit();
      EXPECT_EQ(errand_target(ErrandKind::leave), k) << room->name << " keeps the hero at door " << k;
    }
}
