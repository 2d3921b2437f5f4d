// What happens to a room's pieces and persons: the room's own rules and the
// standard answers the hero gives where a room has none, and the rule of the
// guarded doors of future_floor2.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/dialogue_support.h"

namespace {

class RoomRules : public testing::Test {
 protected:
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    text_speed = 1;
  }
  // Enters `room` as a room change does.
  static void enter(const char* room) {
    new_room[0] = room;
    new_hero_x[0] = 320;
    new_hero_y[0] = 400;
    change_room = 0;
    enter_new_room();
    ASSERT_STREQ(room_name, room);
  }
  static int piece(const char* name) {
    for (int i = 0; i < furni_nr; ++i)
      if (std::strcmp(furni_name[i], name) == 0) return i;
    return -1;
  }
  // What the hero said last, line by line.
  static std::string said() {
    auto line = [](int l) { return std::string(input_text[0][l] ? input_text[0][l] : ""); };
    return line(0) + "|" + line(1) + "|" + line(2);
  }
  static void forget_speech() { input_text[0][0] = input_text[0][1] = input_text[0][2] = nullptr; }
};

}  // namespace

TEST_F(RoomRules, LookingSaysThePiecesLinesOrTheStandardDescription) {
  const int aquarium = 1;  // future_floor1
  EXPECT_TRUE(piece_verb(Verb::look, aquarium));
  EXPECT_EQ(said(), std::string(furni_text[aquarium][0]) + "|" + furni_text[aquarium][1] + "|");
  furni_text[aquarium][0] = "";
  EXPECT_TRUE(piece_verb(Verb::look, aquarium));
  EXPECT_EQ(said(), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
  person_text[0][0] = "";
  EXPECT_TRUE(person_verb(Verb::look, 0));
  EXPECT_EQ(said(), TR("Ein Prachtexemplar seiner Gattung.||", "Beautiful !||"));
}

TEST_F(RoomRules, ARefusedTakeGivesTheReasonThePiecesNameCalls) {
  enter("future_crossing");
  ASSERT_GE(piece("feuerloescher2"), 0);
  EXPECT_TRUE(piece_verb(Verb::take, piece("feuerloescher2")));
  EXPECT_EQ(said(), TR("Es brennt doch gar nicht.||", "It doesn't burn in here.||"));
  ASSERT_GE(piece("Muelleimer"), 0);
  EXPECT_TRUE(piece_verb(Verb::take, piece("Muelleimer")));
  EXPECT_EQ(said(), TR("Frueh uebt sich. Aber eigentlich schwebt mir eine|andere Karriere als die des Muellmanns vor.|",
                       "I don't want to steal their precious waste.||"));
  enter("chimie");
  EXPECT_TRUE(piece_verb(Verb::take, piece("glass")));
  EXPECT_EQ(said(), TR("Das kann ich nicht nehmen.||", "I can't take it.||"));
  // The same name in another place gets the same answer: the reason goes by name.
  furni_name[0] = "reagenz";
  EXPECT_TRUE(piece_verb(Verb::take, 0));
  EXPECT_EQ(said(), TR("Ich habe keine Zeit fuer chemische Experimente.||",
                       "I don't have time for chemical experiments.||"));
  furni_name[0] = "book";
  EXPECT_TRUE(piece_verb(Verb::take, 0));
  EXPECT_EQ(said(), TR("Davon habe ich selbst ein Exemplar zuhause.||", "I've got the same book at home already.||"));
}

TEST_F(RoomRules, APieceThatCanBeTakenIsLeftToTheTakingAndNothingIsSaid) {
  // The hose has no rule of the story's: the ordinary taking takes it.
  enter("future_biolog");
  const int hose = piece("schlauch");
  ASSERT_GE(hose, 0);
  ASSERT_EQ(furni_take[hose], 1);
  forget_speech();
  EXPECT_FALSE(piece_verb(Verb::take, hose));
  EXPECT_EQ(input_text[0][0], nullptr);
}

TEST_F(RoomRules, UsingWithoutARuleDoesNotWorkAndPersonsAreNotTakenOrUsed) {
  const int aquarium = 1;
  EXPECT_TRUE(piece_verb(Verb::use, aquarium));
  EXPECT_EQ(said(), TR("Das geht so nicht.||", "It doesn't work like that.||"));
  EXPECT_TRUE(piece_verb(Verb::talk, aquarium));
  EXPECT_EQ(said(), TR("Das geht so nicht.||", "That doesn't work.||"));
  EXPECT_TRUE(person_verb(Verb::take, 0));
  EXPECT_EQ(said(), TR("Das kann ich nicht nehmen.||", "I can't take it.||"));
  EXPECT_TRUE(person_verb(Verb::use, 0));
  EXPECT_EQ(said(), TR("Das geht so nicht.||", "That doesn't work.||"));
}

TEST_F(RoomRules, APersonWhoTalksIsLeftToTheConversationOthersDoNotWork) {
  // Mr Betong in future_floor1 is out cold.
  ASSERT_EQ(person_talk[0], 0);
  EXPECT_TRUE(person_verb(Verb::talk, 0));
  EXPECT_EQ(said(), TR("Das geht so nicht.||", "That doesn't work.||"));
  enter("future_floor2");
  ASSERT_EQ(person_talk[0], 1);
  forget_speech();
  EXPECT_FALSE(person_verb(Verb::talk, 0));
  EXPECT_EQ(input_text[0][0], nullptr);
}

TEST_F(RoomRules, ThePolicemanKeepsTheHeroFromTheDoorsHeGuards) {
  enter("future_floor2");
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
}

TEST_F(RoomRules, EveryOtherRoomLetsTheHeroThroughEveryOpenDoor) {
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
