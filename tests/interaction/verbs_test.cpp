// The verbs on pieces and persons: the standard answers where a room has no
// rule, the errands to a standing point and how close the hero must come, a
// verb from the panel serving one click, the refusals, the taking animation,
// the gas bottle the teacher guards, and the doors the policeman guards.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "cutscenes/player.h"
#include "dialogue/talk.h"
#include "interaction/interaction.h"
#include "interaction/remarks.h"
#include "platform/headless.h"
#include "rooms/registry.h"
#include "shell/game.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

std::string said_by_hero() {
  return input_text[0][0] ? input_text[0][0] : "";
}

// All three lines the hero said last.
std::string said_lines() {
  auto line = [](int l) { return std::string(input_text[0][l] ? input_text[0][l] : ""); };
  return line(0) + "|" + line(1) + "|" + line(2);
}

// The mouse far from everything, no button down.
void mouse_away() {
  mouse_x = 5;
  mouse_y = 5;
  mouse_b = 0;
  new_turn = 0;
  click = kClickFree;
}

class Verbs : public testing::Test {
 protected:
  void stand(const char* room) {
    dialogue_support::stand_in_room(room);
    text_speed = 1;
    mouse_away();
  }
  // Runs one pass of the main loop (or whatever `body` is) under the
  // headless player; the pass must return by itself.
  static void run(const std::function<void()>& body) { ASSERT_EQ(test_support::run_program(body), -1); }
  // A left click at the hot spot (hx, hy), then `passes` main-loop passes
  // and as many more as the button takes to come up.
  static void click_at_hot_spot(int hx, int hy, int passes) {
    headless::click(headless::now() + 1, hx - 20, hy - 15, 30);
    run([passes] {
      for (int i = 0; i < passes; ++i) main_loop_pass();
      // The press is let go again before the next click.
      while (mouse_b != 0 || click != kClickFree) main_loop_pass();
    });
  }
  // Chooses the verb whose panel button is at (x, y).
  static void choose_verb(int x, int y) {
    headless::click(headless::now() + 1, x, y, 30);
    run([] {
      do main_loop_pass();
      while (click != kClickFree);
    });
  }
  static int slot_named(const char* name) {
    for (int i = 0; i < furni_nr; ++i)
      if (furni_name[i] && std::strcmp(furni_name[i], name) == 0) return i;
    return -1;
  }
};

}  // namespace

TEST_F(Verbs, TheHeroReachesAPieceWithin8PixelsAcrossAnd4UpOrDown) {
  stand("future_chimietp");
  const int shower = slot_named("douche");
  ASSERT_GE(shower, 0);
  const struct {
    int dx, dy;
    bool arrives;
  } cases[] = {{8, 4, true},   {-8, -4, true}, {8, -4, true}, {0, 0, true}, {9, 0, false},
               {-9, 0, false}, {0, 5, false},  {0, -5, false}, {9, 5, false}};
  for (const auto& c : cases) {
    gear_object = shower;
    hero_x = goto_furni_x[shower] + c.dx;
    hero_y = goto_furni_y[shower] + c.dy;
    input_text[0][0] = "";
    run([] { furni_room(); });
    EXPECT_EQ(gear_object == -1, c.arrives) << c.dx << ", " << c.dy;
    // Using the shower before the tank is filled: the hero's answer comes.
    if (c.arrives) EXPECT_EQ(said_by_hero(), TR("Nicht ohne mein Quietscheentchen!", "I'm clean enough."));
  }
}

TEST_F(Verbs, TheHeroReachesAPersonWithin10PixelsEitherWay) {
  stand("future_crossing");
  const struct {
    int dx, dy;
    bool arrives;
  } cases[] = {{10, 10, true}, {-10, -10, true}, {10, -10, true}, {11, 0, false}, {0, 11, false}, {-11, -11, false}};
  for (const auto& c : cases) {
    talk_goto = 0;
    action = kModeItemOnTarget;  // a gift nobody has a rule for: nothing is said
    hero_x = goto_person_x[0] + c.dx;
    hero_y = goto_person_y[0] + c.dy;
    run([] { people_room(); });
    EXPECT_EQ(talk_goto == -1, c.arrives) << c.dx << ", " << c.dy;
    EXPECT_EQ(talk_nr, -1);
  }
}

TEST_F(Verbs, AVerbFromThePanelServesOneClick) {
  stand("future_chimietp");
  const int flask = slot_named("erlenmeier");
  ASSERT_GE(flask, 0);
  const int hx = (furni_mouse_x[flask] + furni_mouse_x2[flask]) / 2;
  const int hy = (furni_mouse_y[flask] + furni_mouse_y2[flask]) / 2;
  // The take verb on the panel (its button from (541, 383)).
  choose_verb(550, 395);  // take
  EXPECT_EQ(mouse_status, kModeTake);
  EXPECT_EQ(force_cursor, kVerbChosen);
  // Clicked on the flask, the take verb is refused with the chemist's reason...
  click_at_hot_spot(hx, hy, 5);
  EXPECT_EQ(said_by_hero(), TR("Ich habe keine Zeit fuer chemische Experimente.",
                               "I don't have time for chemical experiments."));
  EXPECT_EQ(force_cursor, kVerbFree);
  EXPECT_EQ(take_object, -1) << "a refused take does not send the hero";
  // ... and the verb is gone: pointing at the flask offers looking again,
  EXPECT_EQ(mouse_status, kModeLook);
  // and the next click looks at it.
  click_at_hot_spot(hx, hy, 5);
  EXPECT_EQ(said_by_hero(), furni_text[flask][0]);
}

TEST_F(Verbs, AVerbThatDoesNotApplyAndAnErrandReplacedByTheNextOrCancelledByAWalkClick) {
  stand("future_chimietp");
  const int burner = slot_named("bunsen");
  const int hx = (furni_mouse_x[burner] + furni_mouse_x2[burner]) / 2;
  const int hy = (furni_mouse_y[burner] + furni_mouse_y2[burner]) / 2;
  // Talking to a piece.
  choose_verb(590, 430);  // talk
  ASSERT_EQ(mouse_status, kModeTalk);
  click_at_hot_spot(hx, hy, 5);
  EXPECT_EQ(said_by_hero(), TR("Das geht so nicht.", "That doesn't work."));
  // The take verb sends the hero, in place of the errand he was on; a click
  // on the bare floor before he gets there cancels it.
  gear_object = slot_named("douche");
  choose_verb(550, 395);  // take
  click_at_hot_spot(hx, hy, 1);
  EXPECT_EQ(take_object, burner);
  EXPECT_EQ(gear_object, -1) << "the hero does not also use the shower on his way";
  EXPECT_EQ(true_x, goto_furni_x[burner]);
  click_at_hot_spot(300 + 20, 330 + 15, 1);
  EXPECT_EQ(take_object, -1);
  EXPECT_EQ(furni_present[burner], 1);
}

TEST_F(Verbs, TheRefusalsOfATake) {
  stand("future_chimietp");
  const char* const chemistry = TR("Ich habe keine Zeit fuer chemische Experimente.", "I don't have time for chemical experiments.");
  const char* const no_fire = TR("Es brennt doch gar nicht.", "It doesn't burn in here.");
  const char* const waste[] = {TR("Frueh uebt sich. Aber eigentlich schwebt mir eine", "I don't want to steal their precious waste."),
                               TR("andere Karriere als die des Muellmanns vor.", "")};
  const struct {
    const char *name, *line0, *line1;
  } cases[] = {
      {"erlenmeier", chemistry, ""}, {"erlenmeier2", chemistry, ""}, {"reagenz", chemistry, ""},
      {"feuerloescher", no_fire, ""}, {"feuerloescher2", no_fire, ""},
      {"book", TR("Davon habe ich selbst ein Exemplar zuhause.", "I've got the same book at home already."), ""},
      {"Muelleimer", waste[0], waste[1]}, {"Muell", waste[0], waste[1]}, {"Eimer", waste[0], waste[1]},
      {"labo_desk2", TR("Das kann ich nicht nehmen.", "I can't take it."), ""},
  };
  for (const auto& c : cases) {
    furni_name[0] = c.name;
    furni_take[0] = 0;
    run([] { piece_verb(Verb::take, 0); });
    EXPECT_EQ(said_by_hero(), c.line0) << c.name;
    EXPECT_EQ(std::string(input_text[0][1]), c.line1) << c.name;
    EXPECT_EQ(cannottake_nr, 0);
  }
  // Persons are never taken.
  stand("future_crossing");
  run([] { person_verb(Verb::take, 0); });
  EXPECT_EQ(said_by_hero(), TR("Das kann ich nicht nehmen.", "I can't take it."));
}

TEST_F(Verbs, ThePieceIsLiftedAtTheEighthFrameAndTheAnimationPlaysToItsEnd) {
  stand("future_chimietp");
  // The book, made takeable here: an ordinary piece becomes the item of its
  // own name, look text and picture.
  const int book = slot_named("book");
  furni_take[book] = 1;
  take_furni_dir[book] = kMoveTakeLeft;
  take_object = book;
  hero_x = goto_furni_x[book];
  hero_y = goto_furni_y[book];
  int lifted_at = -1;
  int last_frame = -1;
  headless::on_present([&] {
    if (lifted_at < 0 && furni_present[book] == 0) lifted_at = move_frame_nr;
    last_frame = move_frame_nr;
  });
  run([] { furni_room(); });
  headless::on_present(nullptr);
  EXPECT_EQ(lifted_at, 8);
  EXPECT_GT(hero_move_frame_nr, 9) << "the animation is longer than the lift";
  EXPECT_EQ(last_frame, hero_move_frame_nr - 1);
  EXPECT_EQ(took_object, 1);
  EXPECT_EQ(take_object, -1);
  EXPECT_EQ(mouse_status, kModeItem);
  EXPECT_STREQ(arrow_obj, "book");
  for (int l = 0; l < 3; ++l) EXPECT_EQ(arrow_describe[l], furni_text[book][l]);
  // The pointer shows the piece's picture: its middle pixel, stretched.
  BITMAP* pic = furniture[book][0];
  ASSERT_TRUE(pic && arrow);
  EXPECT_EQ(getpixel(arrow, arrow->w / 2, arrow->h / 2),
            getpixel(pic, pic->w * (arrow->w / 2) / arrow->w, pic->h * (arrow->h / 2) / arrow->h));
  EXPECT_EQ(hero_action[0], kStepStand) << "the hero stands again";
}

TEST_F(Verbs, TheBurnerBecomesAnItemOfItsOwn) {
  stand("future_chimietp");
  const int burner = slot_named("bunsen");
  take_object = burner;
  hero_x = goto_furni_x[burner];
  hero_y = goto_furni_y[burner];
  run([] { furni_room(); });
  EXPECT_EQ(furni_present[burner], 0);
  EXPECT_STREQ(arrow_obj, "Bunsenbrenner");
  EXPECT_STREQ(arrow_describe[0], TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", furni_text[burner][0]));
  EXPECT_STREQ(arrow_describe[1], TR("Geraet erzeugt Flammen mit sehr hohen Temperaturen.", furni_text[burner][1]));
  BITMAP* pic = objects_bmp[5];
  EXPECT_EQ(getpixel(arrow, arrow->w / 2, arrow->h / 2),
            getpixel(pic, pic->w * (arrow->w / 2) / arrow->w, pic->h * (arrow->h / 2) / arrow->h));
}

TEST_F(Verbs, TheGasBottleStaysWhileTheTeacherIsAwake) {
  stand("future_biolog");
  const int gas = slot_named("gaz");
  ASSERT_GE(gas, 0);
  take_object = gas;
  hero_x = goto_furni_x[gas];
  hero_y = goto_furni_y[gas];
  const int shots = shots_played();
  run([] { furni_room(); });
  EXPECT_EQ(furni_present[gas], 1) << "nothing is taken";
  EXPECT_EQ(take_object, -1);
  EXPECT_LE(mouse_status, kModeUse) << "nothing on the pointer";
  EXPECT_EQ(shots_played() - shots, 4) << "her scolding scene plays";
  EXPECT_EQ(talk_nr, -1);
  // Once she sleeps, the story hands the bottle over.
  story_sandalkohol = 1;
  take_object = gas;
  run([] { furni_room(); });
  EXPECT_EQ(furni_present[gas], 0);
  EXPECT_STREQ(arrow_obj, "Gaz");
  EXPECT_EQ(mouse_status, kModeItem);
}

TEST_F(Verbs, WithoutARuleLookingSaysTheLinesOrTheStandardAnswerAndTheOtherVerbsDoNotWork) {
  stand("future_floor1");
  const int aquarium = 1;
  EXPECT_TRUE(piece_verb(Verb::look, aquarium));
  EXPECT_EQ(said_lines(), std::string(furni_text[aquarium][0]) + "|" + furni_text[aquarium][1] + "|");
  furni_text[aquarium][0] = "";
  EXPECT_TRUE(piece_verb(Verb::look, aquarium));
  EXPECT_EQ(said_lines(), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
  person_text[0][0] = "";
  EXPECT_TRUE(person_verb(Verb::look, 0));
  EXPECT_EQ(said_lines(), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
  EXPECT_TRUE(piece_verb(Verb::use, aquarium));
  EXPECT_EQ(said_lines(), TR("Das geht so nicht.||", "It doesn't work like that.||"));
  EXPECT_TRUE(person_verb(Verb::use, 0));
  EXPECT_EQ(said_lines(), TR("Das geht so nicht.||", "That doesn't work.||"));
  // Mr Betong is out cold: he does not talk.
  ASSERT_EQ(person_talk[0], 0);
  EXPECT_TRUE(person_verb(Verb::talk, 0));
  EXPECT_EQ(said_lines(), TR("Das geht so nicht.||", "That doesn't work.||"));
  // A person who talks is left to the conversation, a takeable piece to the taking: nothing is said.
  stand("future_floor2");
  ASSERT_EQ(person_talk[0], 1);
  input_text[0][0] = nullptr;
  EXPECT_FALSE(person_verb(Verb::talk, 0));
  EXPECT_EQ(input_text[0][0], nullptr);
  stand("future_biolog");
  const int hose = slot_named("schlauch");
  ASSERT_EQ(furni_take[hose], 1);
  input_text[0][0] = nullptr;
  EXPECT_FALSE(piece_verb(Verb::take, hose));
  EXPECT_EQ(input_text[0][0], nullptr);
}

TEST_F(Verbs, ThePolicemanKeepsTheHeroFromTheDoorsHeGuardsAndNoOtherRoomKeepsHim) {
  stand("future_floor2");
  std::filesystem::create_directories("sav/tmp");
  for (int k = 1; k <= 3; ++k) {
    go_through[k] = 1;  // even a door the story opened
    change_room = k;
    hero_x = goto_exit_x[k];
    hero_y = goto_exit_y[k];
    leave_room();
    EXPECT_STREQ(room_name, "future_floor2") << k;
    EXPECT_EQ(change_room, -1) << k;
  }
  // The way back to future_floor15 is free.
  change_room = 0;
  hero_x = goto_exit_x[0];
  hero_y = goto_exit_y[0];
  leave_room();
  EXPECT_STREQ(room_name, "future_floor15");
  for (const RoomScript* room : kRooms) {
    if (std::strcmp(room->name, "future_floor2") == 0) continue;
    room_name = room->name;
    for (int k = 0; k < room->exit_nr; ++k) {
      change_room = k;
      story_exit();
      EXPECT_EQ(change_room, k) << room->name << " keeps the hero at door " << k;
    }
  }
}
