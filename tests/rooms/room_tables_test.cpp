// What the rooms' tables hold for the story: the names it compares, who is there at the start, the pieces that can
// be taken, four talk animations for everyone who talks, and texts the screen can show.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/world.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/dialogue_support.h"

namespace {
const RoomScript& script(const char* room) {
  const int i = room_index(room);
  EXPECT_GE(i, 0) << room;
  return *kRooms[i < 0 ? 0 : i];
}

const FurniState* furni_row(const RoomScript& r, int slot, int state) {
  for (const FurniState& s : r.furniture) if (s.slot == slot && s.state == state) return &s;
  return nullptr;
}
const PersonState* person_row(const RoomScript& r, int slot, int state) {
  for (const PersonState& s : r.persons) if (s.slot == slot && s.state == state) return &s;
  return nullptr;
}
}  // namespace

// Each room's pieces and persons by slot as the story names them, and which are there at the start: not yet the
// guitar, the telescope and Dori, the diamond, the screwdriver behind the cupboard door, nor Mrs Sand asleep.
TEST(RoomTables, TheNamesTheStoryComparesAndWhoIsThereAtTheStart) {
  const struct { const char *room, *pieces, *persons; std::vector<int> present, persons_present; } rooms[] = {
      {"future_physik", "future_chair ventilator telesko2 guitar", "dori_future", {1, 1, 1, 0}, {1}},
      {"future_crossing", "Modell feuerloescher2 Muelleimer", "rarozir", {1, 1, 1}, {1}},
      {"future_biolog", "desk7 gaz desk8 desk9 schlauch", "sand sand_sleep", {1, 1, 1, 1, 1}, {1, 0}},
      {"future_physiktp", "teleskop diamond hebel hebel2 Atomkraft Anzeige buttons", "FrizzeRol Dori",
       {0, 0, 1, 1, 1, 1, 1}, {1, 0}},
      {"future_chimie", "case00 dia Elementetafel licht1 licht2 licht3 schalter1a schalter2a schalter3a",
       "Rurura Rurura_bench", {1, 0, 1, 1, 1, 1, 1, 1, 1}, {1, 0}},
      {"future_floor2", "Eimer", "Policeman", {1}, {1}},
      {"future_floor15", "schrank tool rohr schwbrenn funken funken2 schrank2 schrank3 schrank4 Muell", "",
       {1, 0, 1, 0, 0, 0, 1, 1, 1, 1}, {}},
      {"future_chimietp", "labo_desk2 erlenmeier bunsen book reagenz alkohol douche tank feuerloescher erlenmeier2", "",
       {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}},
      {"future_floor1", "", "Betong_doud", {0, 1}, {1}},
  };
  for (const auto& want : rooms) {
    SCOPED_TRACE(want.room);
    const RoomScript& r = script(want.room);
    std::istringstream pieces(want.pieces), persons(want.persons);
    int i = 0;
    for (std::string name; pieces >> name; ++i)
      EXPECT_EQ(furni_row(r, i, 0) ? furni_row(r, i, 0)->name : "(no row)", name) << "slot " << i;
    i = 0;
    for (std::string name; persons >> name; ++i)
      EXPECT_EQ(person_row(r, i, 0) ? person_row(r, i, 0)->name : "(no row)", name) << "person " << i;
    EXPECT_EQ(std::vector<int>(r.furni_present.begin(), r.furni_present.end()), want.present);
    EXPECT_EQ(std::vector<int>(r.person_present.begin(), r.person_present.end()), want.persons_present);
  }
  EXPECT_STREQ(person_row(script("biolog"), 0, 0)->name, "sand");
  EXPECT_STREQ(furni_row(script("class"), 0, 0)->name, "desk4");
  EXPECT_STREQ(person_row(script("future_crossing"), 0, 1)->name, "rarozir_talk");
  // The lights blink with the alarm on and show one steady picture with it off (the levers: StoryRules).
  const RoomScript& chimie = script("future_chimie");
  for (int slot = 3; slot <= 5; ++slot)
    EXPECT_EQ(std::make_pair(furni_row(chimie, slot, 0)->frames.size() >= 2, furni_row(chimie, slot, 1)->frames.size()),
              std::make_pair(true, size_t{1})) << slot;
  // Breaking the showcase reloads it with another picture.
  ASSERT_NE(furni_row(chimie, 0, 1), nullptr);
  EXPECT_STREQ(furni_row(chimie, 0, 1)->name, "case00");
  EXPECT_NE(furni_row(chimie, 0, 1)->frames[0].object, furni_row(chimie, 0, 0)->frames[0].object);
  // Mrs Sand's scenes draw object 1 at (526, 290) in front of her: her desk.
  const auto desk = furni_row(script("future_biolog"), 0, 0)->frames;
  ASSERT_EQ(desk.size(), 1u);
  EXPECT_EQ(std::vector<int>({desk[0].object, desk[0].x, desk[0].y}), std::vector<int>({1, 526, 290}));
}

TEST(RoomTables, OnlyThePiecesTheStoryHandsOverCanBeTakenAndEachHasATakingPose) {
  const std::set<std::string> takeable = {"guitar", "gaz", "schlauch", "dia", "tool", "schwbrenn", "bunsen", "alkohol",
                                          "kanister"};
  const std::set<std::string> still = {"desk7", "desk8", "desk9", "funken", "funken2", "labo_desk2", "future_door",
                                       "future_pfahl"};
  for (const RoomScript* r : kRooms)
    for (const FurniState& s : r->furniture) {
      SCOPED_TRACE(std::string(r->name) + " " + s.name);
      EXPECT_EQ(s.take, takeable.count(s.name) ? 1 : 0);
      if (std::string(r->name).starts_with("future_")) EXPECT_EQ(s.interact, still.count(s.name) ? 0 : 1);
      if (s.take) EXPECT_TRUE(s.take_dir == kMoveTakeLeft || s.take_dir == kMoveTakeRight);
    }
}

TEST(RoomTables, EveryoneWhoTalksHasTheFourTalkAnimationsOnOneSpot) {
  std::set<std::string> talkers;
  for (const RoomScript* r : kRooms)
    for (int j = 0; j < r->person_nr; ++j) {
      const PersonState* idle = person_row(*r, j, 0);
      ASSERT_NE(idle, nullptr) << r->name << " person " << j;
      if (!idle->talk) continue;
      SCOPED_TRACE(std::string(r->name) + " " + idle->name); talkers.insert(r->name);
      int marks = 0;
      for (const Frame& f : idle->frames) marks += f.talk;
      EXPECT_GE(marks, 1) << "the idle animation marks where talking may start";
      for (int state = 1; state <= 3; ++state) {
        const PersonState* s = person_row(*r, j, state);
        ASSERT_NE(s, nullptr) << "state " << state;
        EXPECT_GE(s->frames.size(), 2u) << "state " << state;
        for (const Frame& f : s->frames) EXPECT_EQ(std::make_pair(f.x, f.y), std::make_pair(idle->frames[0].x, idle->frames[0].y));
      }
      // Into talking and back run through the same pictures in opposite orders.
      const PersonState *into = person_row(*r, j, 2), *back = person_row(*r, j, 3);
      ASSERT_EQ(into->frames.size(), back->frames.size());
      for (size_t f = 0; f < into->frames.size(); ++f)
        EXPECT_EQ(into->frames[f].object, back->frames[back->frames.size() - 1 - f].object);
    }
  EXPECT_EQ(talkers, (std::set<std::string>{"future_physiktp", "future_physik", "future_chimie", "future_crossing",
                                            "future_floor2", "future_biolog", "biolog", "class", "physik"}));
}

TEST(RoomTables, EveryTextIsPlainLettersWithinTheBandFrom40To600AndEveryThingHasAName) {
  dialogue_support::load_font();
  for (const RoomScript* r : kRooms) {
    EXPECT_TRUE(r->title && r->title[0]) << r->name;
    auto check = [&](const std::string& what, const char* const (&text)[3], int interact, const char* label) {
      for (int l = 0; l < 3; ++l) {
        ASSERT_NE(text[l], nullptr) << r->name << " " << what;
        for (const char* c = text[l]; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126) << r->name << " " << what;
        EXPECT_EQ(dialogue_support::line_problem(r->name, what + ", line " + std::to_string(l), text[l]), "");
      }
      if (interact == 1) EXPECT_TRUE(label && label[0]) << r->name << " " << what << " has no name to show";
    };
    for (const FurniState& s : r->furniture) {
      check(std::string("piece ") + s.name, s.text, s.interact, s.label);
      if (s.interact) EXPECT_STRNE(s.text[0], "") << r->name << " " << s.name << " has something to say";
    }
    for (const PersonState& s : r->persons) check(std::string("person ") + s.name, s.text, s.interact, s.label);
  }
}
