// What every room's tables must hold for the game and the story: within the
// limits of the object tables, the names the story compares, who is there at
// the start, the pieces that can be taken, four talk animations for everyone
// who talks, and texts the screen can show.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/world.h"
#include "support/dialogue_support.h"

namespace {

const char* const kFutureRooms[] = {"future_floor",   "future_floor1",   "future_physik", "future_crossing",
                                    "future_biolog",  "future_physiktp", "future_chimie", "future_floor2",
                                    "future_floor15", "future_chimietp"};

const RoomScript& script(const char* room) {
  const int i = room_index(room);
  EXPECT_GE(i, 0) << room;
  return *kRooms[i < 0 ? 0 : i];
}

const FurniState* furni_row(const RoomScript& r, int slot, int state) {
  for (const FurniState& s : r.furniture)
    if (s.slot == slot && s.state == state) return &s;
  return nullptr;
}

const PersonState* person_row(const RoomScript& r, int slot, int state) {
  for (const PersonState& s : r.persons)
    if (s.slot == slot && s.state == state) return &s;
  return nullptr;
}

std::vector<std::string> words(const char* line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

}  // namespace

TEST(RoomTables, EveryRoomStaysWithinTheLimitsOfTheTables) {
  for (const RoomScript* r : kRooms) {
    SCOPED_TRACE(r->name);
    EXPECT_LE(r->furni_nr, kMaxFurni);
    EXPECT_LE(r->person_nr, kMaxPersons);
    EXPECT_GE(r->exit_nr, 1);
    EXPECT_LE(r->exits.size(), static_cast<size_t>(kMaxExits));
    EXPECT_GE(r->exits.size(), static_cast<size_t>(r->exit_nr));
    EXPECT_LE(r->background, r->highest_object);
    EXPECT_EQ(r->furni_present.size(), static_cast<size_t>(r->furni_nr));
    EXPECT_EQ(r->person_present.size(), static_cast<size_t>(r->person_nr));
    auto check_frames = [&](int slot, int count, std::span<const Frame> frames) {
      EXPECT_LT(slot, count);
      EXPECT_GE(frames.size(), 1u) << "slot " << slot;
      EXPECT_LE(frames.size(), static_cast<size_t>(kMaxFrames)) << "slot " << slot;
      for (const Frame& f : frames) {
        EXPECT_GE(f.object, 0) << "slot " << slot;
        EXPECT_LE(f.object, r->highest_object) << "slot " << slot;
        EXPECT_NE(f.object, r->background) << "slot " << slot;
      }
    };
    for (const FurniState& s : r->furniture) check_frames(s.slot, r->furni_nr, s.frames);
    for (const PersonState& s : r->persons) check_frames(s.slot, r->person_nr, s.frames);
  }
}

TEST(RoomTables, TheNamesTheStoryComparesAreThere) {
  // Each room's pieces (state 0) and persons by slot, as the story and its scenes name them.
  const struct {
    const char *room, *pieces, *persons;
  } rooms[] = {
      {"future_physik", "future_chair ventilator telesko2 guitar", "dori_future"},
      {"future_crossing", "Modell feuerloescher2 Muelleimer", "rarozir"},
      {"future_biolog", "desk7 gaz desk8 desk9 schlauch", "sand sand_sleep"},
      {"future_physiktp", "teleskop diamond hebel hebel2 Atomkraft Anzeige buttons", "FrizzeRol Dori"},
      {"future_chimie", "case00 dia Elementetafel licht1 licht2 licht3 schalter1a schalter2a schalter3a",
       "Rurura Rurura"},
      {"future_floor2", "Eimer", "Policeman"},
      {"future_floor15", "schrank tool rohr schwbrenn funken funken2 schrank2 schrank3 schrank4 Muell", ""},
      {"future_chimietp",
       "labo_desk2 erlenmeier bunsen book reagenz alkohol douche tank feuerloescher erlenmeier2", ""},
      {"future_floor1", "", "Betong_doud"},
      {"biolog", "", "sand"},
      {"class", "desk4", "friob"},
  };
  for (const auto& want : rooms) {
    const RoomScript& r = script(want.room);
    const std::vector<std::string> pieces = words(want.pieces), persons = words(want.persons);
    for (size_t i = 0; i < pieces.size(); ++i) {
      const FurniState* s = furni_row(r, static_cast<int>(i), 0);
      ASSERT_NE(s, nullptr) << want.room << " slot " << i;
      EXPECT_EQ(s->name, pieces[i]) << want.room << " slot " << i;
    }
    for (size_t j = 0; j < persons.size(); ++j) {
      const PersonState* s = person_row(r, static_cast<int>(j), 0);
      ASSERT_NE(s, nullptr) << want.room << " person " << j;
      EXPECT_EQ(s->name, persons[j]) << want.room << " person " << j;
    }
  }
  // The three alarm levers, each named after its three positions; the lights blink with the alarm on
  // and show one steady picture with it off.
  const RoomScript& chimie = script("future_chimie");
  for (int lever = 0; lever < 3; ++lever)
    for (int state = 0; state < 3; ++state) {
      const FurniState* s = furni_row(chimie, 6 + lever, state);
      ASSERT_NE(s, nullptr);
      EXPECT_EQ(std::string(s->name), "schalter" + std::to_string(lever + 1) + static_cast<char>('a' + state));
      EXPECT_EQ(s->interact, 1);
    }
  for (int slot = 3; slot <= 5; ++slot) {
    EXPECT_GE(furni_row(chimie, slot, 0)->frames.size(), 2u);
    EXPECT_EQ(furni_row(chimie, slot, 1)->frames.size(), 1u);
  }
  EXPECT_STREQ(person_row(script("future_crossing"), 0, 1)->name, "rarozir_talk");
  EXPECT_STREQ(person_row(script("biolog"), 0, 1)->name, "sand_talk");
}

TEST(RoomTables, WhatIsThereAtTheStartOfAGame) {
  using V = std::vector<int>;
  const struct {
    const char* room;
    V pieces, persons;
  } rooms[] = {
      {"future_physik", {1, 1, 1, 0}, {1}},  // the guitar comes to light when the telescope is carried away
      {"future_physiktp", {0, 0, 1, 1, 1, 1, 1}, {1, 0}},  // telescope and Dori come with the telescope scene
      {"future_chimie", {1, 0, 1, 1, 1, 1, 1, 1, 1}, {1, 0}},  // the diamond shows when the showcase is opened
      {"future_biolog", {1, 1, 1, 1, 1}, {1, 0}},            // Mrs Sand sleeps only after the alcohol
      {"future_floor15", {1, 0, 1, 0, 0, 0, 1, 1, 1, 1}, {}},  // the screwdriver is behind the cupboard door
      {"future_chimietp", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {}},
      {"future_crossing", {1, 1, 1}, {1}},
      {"future_floor2", {1}, {1}},
      {"future_floor1", {0, 1}, {1}},
  };
  for (const auto& want : rooms) {
    const RoomScript& r = script(want.room);
    EXPECT_EQ(V(r.furni_present.begin(), r.furni_present.end()), want.pieces) << want.room;
    EXPECT_EQ(V(r.person_present.begin(), r.person_present.end()), want.persons) << want.room;
  }
  // Mrs Sand's scenes draw object 1 of the room at (526, 290) in front of her: her desk.
  const FurniState* desk = furni_row(script("future_biolog"), 0, 0);
  ASSERT_EQ(desk->frames.size(), 1u);
  EXPECT_EQ(desk->frames[0].object, 1);
  EXPECT_EQ(desk->frames[0].x, 526);
  EXPECT_EQ(desk->frames[0].y, 290);
  // Taking the gas bottle places the hero at (165, 335): he walks there first.
  const FurniState* gas = furni_row(script("future_biolog"), 1, 0);
  EXPECT_EQ(gas->goto_x, 165);
  EXPECT_EQ(gas->goto_y, 335);
  // Breaking the showcase reloads it with another picture.
  const FurniState* broken = furni_row(script("future_chimie"), 0, 1);
  ASSERT_NE(broken, nullptr);
  EXPECT_STREQ(broken->name, "case00");
  EXPECT_NE(broken->frames[0].object, furni_row(script("future_chimie"), 0, 0)->frames[0].object);
}

TEST(RoomTables, OnlyThePiecesTheStoryHandsOverCanBeTakenAndEachHasATakingPose) {
  const std::set<std::string> takeable = {"guitar", "gaz", "schlauch", "dia", "tool", "schwbrenn", "bunsen", "alkohol"};
  const std::set<std::string> still = {"desk7", "desk8", "desk9", "funken", "funken2", "labo_desk2"};
  for (const char* room : kFutureRooms)
    for (const FurniState& s : script(room).furniture) {
      SCOPED_TRACE(std::string(room) + " " + s.name);
      EXPECT_EQ(s.take, takeable.count(s.name) ? 1 : 0);
      EXPECT_EQ(s.interact, still.count(s.name) ? 0 : 1);
    }
  for (const RoomScript* r : kRooms)
    for (const FurniState& s : r->furniture)
      if (s.take) EXPECT_TRUE(s.take_dir == kMoveTakeLeft || s.take_dir == kMoveTakeRight) << r->name << " " << s.name;
}

TEST(RoomTables, EveryoneWhoTalksHasTheFourTalkAnimationsOnOneSpot) {
  const char* const talking_rooms[] = {"future_physiktp", "future_physik", "future_chimie", "future_crossing",
                                       "future_floor2",   "future_biolog", "biolog",        "class", "physik"};
  for (const char* room : talking_rooms) {
    int talkers = 0;
    for (const PersonState& p : script(room).persons) talkers += p.state == 0 && p.talk == 1;
    EXPECT_GT(talkers, 0) << room;
  }
  for (const RoomScript* r : kRooms)
    for (int j = 0; j < r->person_nr; ++j) {
      const PersonState* idle = person_row(*r, j, 0);
      ASSERT_NE(idle, nullptr) << r->name << " person " << j;
      if (!idle->talk) continue;
      SCOPED_TRACE(std::string(r->name) + " " + idle->name);
      int marks = 0;
      for (const Frame& f : idle->frames) marks += f.talk;
      EXPECT_GE(marks, 1) << "the idle animation marks where talking may start";
      for (int state = 1; state <= 3; ++state) {
        const PersonState* s = person_row(*r, j, state);
        ASSERT_NE(s, nullptr) << "state " << state;
        EXPECT_GE(s->frames.size(), 2u) << "state " << state;
        EXPECT_EQ(s->interact, 1) << "state " << state;
        for (const Frame& f : s->frames) EXPECT_EQ(std::make_pair(f.x, f.y), std::make_pair(idle->frames[0].x, idle->frames[0].y));
      }
      // Into talking and back run through the same pictures in opposite orders.
      const PersonState* into = person_row(*r, j, 2);
      const PersonState* back = person_row(*r, j, 3);
      ASSERT_EQ(into->frames.size(), back->frames.size());
      for (size_t f = 0; f < into->frames.size(); ++f)
        EXPECT_EQ(into->frames[f].object, back->frames[back->frames.size() - 1 - f].object);
    }
}

TEST(RoomTables, NoTwoPiecesShareAPictureByMistake) {
  // A picture drawn for one piece may be shown by a second only as the same kind of thing.
  auto kind = [](std::string n) {
    while (!n.empty() && (std::isdigit(static_cast<unsigned char>(n.back())) || n.back() == '_')) n.pop_back();
    return n;
  };
  const std::set<std::pair<std::string, std::string>> shared = {
      {"schrank", "schrank"}, {"erlenmeier", "reagenz"}, {"douche", "tank"}, {"Bild", "Aquarium"}};
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    std::map<int, std::string> first;
    for (const FurniState& s : r.furniture)
      for (const Frame& f : s.frames) {
        auto [it, fresh] = first.emplace(f.object, s.name);
        const std::string a = kind(it->second), b = kind(s.name);
        EXPECT_TRUE(fresh || a == b || shared.count({a, b}))
            << room << ": object " << f.object << " shows " << it->second << " and " << s.name;
      }
    for (const PersonState& s : r.persons)
      for (const Frame& f : s.frames) {
        auto [it, fresh] = first.emplace(f.object, s.name);
        EXPECT_TRUE(fresh || kind(it->second).substr(0, 4) == kind(s.name).substr(0, 4)) << room << " " << f.object;
      }
  }
}

TEST(RoomTables, EveryTextIsPlainLettersWithinTheBandFrom40To600AndEveryThingHasAName) {
  dialogue_support::load_font();
  for (const RoomScript* r : kRooms) {
    EXPECT_TRUE(r->title && r->title[0]) << r->name;
    auto check = [&](const std::string& what, const char* const (&text)[3], int interact, const char* label) {
      for (int l = 0; l < 3; ++l) {
        ASSERT_NE(text[l], nullptr) << r->name << " " << what;
        for (const char* c = text[l]; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126) << r->name << " " << what;
        const std::string p = dialogue_support::line_problem(r->name, what + ", line " + std::to_string(l), text[l]);
        EXPECT_EQ(p, "");
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
