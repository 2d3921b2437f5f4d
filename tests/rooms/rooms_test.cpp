// Rooms: the registry, the worked walking rules, the object tables and their
// reloads, and the consistency of every room's tables.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "hero/hero.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/world.h"
#include "support/room_probe.h"
#include "support/test_support.h"

namespace {

using namespace room_probe;

}  // namespace

TEST(Registry, HoldsTheFortyThreeRoomsInTheirOrderWithTheirFiles) {
  ASSERT_EQ(kRoomCount, 43);
  EXPECT_STREQ(kRooms[0]->name, "physik");
  EXPECT_STREQ(kRooms[34]->name, "future_floor1");
  EXPECT_STREQ(kRooms[42]->name, "future_chimietp");
  std::set<std::string> names, files;
  for (const RoomScript* r : kRooms) {
    names.insert(r->name);
    files.insert(r->data_file);
    // The state file is the datafile's base name under sav/tmp.
    std::string base = r->data_file;
    base = base.substr(0, base.size() - 4);
    EXPECT_EQ(std::string(r->state_file), "sav/tmp/" + base + ".sav") << r->name;
  }
  EXPECT_EQ(names.size(), 43u);
  EXPECT_EQ(files.size(), 43u);
  // Compared by contents, never by address.
  char copy[32];
  std::strcpy(copy, "future_floor1");
  EXPECT_EQ(room_index(copy), 34);
  EXPECT_EQ(room_index("bio3"), -1);
}

TEST(Registry, StateFilesOfTheRoomsByIndexAndByName) {
  test_support::fresh_game();
  counter7 = 0;
  save_temp_files();
  EXPECT_STREQ(temp_file, "sav/tmp/physik.sav");
  counter7 = 43;
  save_temp_files();
  EXPECT_STREQ(temp_file, "sav/tmp/physik.sav") << "an index outside the rooms leaves the path";
  room_name = "future_floor";
  set_temp_file();
  EXPECT_STREQ(temp_file, "sav/tmp/ffloor.sav");
  room_name = "nowhere";
  set_temp_file();
  EXPECT_STREQ(temp_file, "sav/tmp/ffloor.sav");
}

TEST(RoomTables, EveryRoomStaysWithinTheLimitsOfTheTables) {
  for (const RoomScript* r : kRooms) {
    SCOPED_TRACE(r->name);
    EXPECT_LE(r->furni_nr, kMaxFurni);
    EXPECT_LE(r->person_nr, kMaxPersons);
    EXPECT_GE(r->exit_nr, 1);
    EXPECT_LE(r->exit_nr, kMaxExits);
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
    // Texts are plain ASCII: the font has no other letters of the source's encoding.
    auto ascii = [](const char* t) {
      for (; t && *t; ++t)
        if (static_cast<unsigned char>(*t) > 126) return false;
      return true;
    };
    for (const FurniState& s : r->furniture)
      for (const char* t : s.text) EXPECT_TRUE(ascii(t)) << s.name;
    for (const PersonState& s : r->persons)
      for (const char* t : s.text) EXPECT_TRUE(ascii(t)) << s.name;
  }
}

TEST(WorkedRooms, Floor8MovesClicksIntoItsCorridor) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("floor8", 300, 200), P(300, 290));
  EXPECT_EQ(area_of("floor8", 100, 100), P(235, 290));
  EXPECT_EQ(area_of("floor8", 320, 400), P(320, 400));  // inside stays
  // Beyond the right wall's lower part: onto the line.
  EXPECT_EQ(area_of("floor8", 600, 400), P((140 * 400 + 27200) / 160, 400));
  // Right of the upper part with the hero in the back: the corner by the door.
  EXPECT_EQ(area_of("floor8", 500, 250, 320, 300), P(355, 290));
  EXPECT_EQ(area_of("floor8", 500, 250, 320, 330), P(500, 330));
}

TEST(WorkedRooms, EntreeSendsTheHeroAroundTheBlock) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("entree", 350, 320, 300, 280), P(350, 280));
  EXPECT_EQ(area_of("entree", 350, 320, 300, 400), P(350, 360));
  EXPECT_EQ(area_of("entree", 250, 320, 470, 300), P(250, 320));  // D of the target is -275: it stands
  EXPECT_EQ(waypoints_of("entree", 470, 300, 250, 320), (std::vector<P>{{445, 285}, {265, 285}, {250, 320}}));
  EXPECT_EQ(waypoints_of("entree", 400, 400, 350, 250), (std::vector<P>{{445, 365}, {445, 285}, {350, 250}}));
  EXPECT_EQ(waypoints_of("entree", 250, 400, 100, 300), (std::vector<P>{{190, 365}, {100, 300}}));
  EXPECT_EQ(waypoints_of("entree", 300, 280, 320, 250), (std::vector<P>{{320, 250}}));
}

TEST(WorkedRooms, FutureFloor1KeepsTheHeroInItsCorridor) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("future_floor1", 100, 100), P(295, 170));
  EXPECT_EQ(area_of("future_floor1", 600, 300), P(450, 300));
  EXPECT_EQ(area_of("future_floor1", 320, 400), P(320, 400));
  EXPECT_EQ(waypoints_of("future_floor1", 298, 267, 320, 400), (std::vector<P>{{320, 370}, {320, 400}}));
  EXPECT_EQ(waypoints_of("future_floor1", 298, 267, 320, 290), (std::vector<P>{{320, 290}}));
}

TEST(WorkedRooms, AWalkInFutureFloor1NeverLeavesTheFloor) {
  test_support::fresh_game();
  room_name = "future_floor1";
  const P targets[] = {{100, 100}, {600, 300}, {320, 400}, {200, 470}, {620, 470}, {320, 175}};
  for (const P& t : targets) {
    hero_x = 298;
    hero_y = 267;
    click_x2 = click_y2 = -1000;
    true_x = t.first;
    true_y = t.second;
    allow_click();
    calc_coor();
    make_fluent();
    ASSERT_LT(mov_nr, kStanding);
    for (int i = 0; i < mov_nr; ++i) {
      const int px = movement_x[i], py = movement_y[i];
      EXPECT_GT(py, 160) << t.first << "," << t.second << " step " << i;
      EXPECT_GT(320 * px + 245 * py - 130400, -2000) << "left wall, step " << i;
      EXPECT_GT(230 * py - 320 * px + 75200, -2600) << "right wall, step " << i;
    }
    // He ends near the target the area gave (sliding along a slanted wall
    // overshoots a step or two).
    EXPECT_LE(std::abs(movement_x[mov_nr - 1] - true_x), 16);
    EXPECT_LE(std::abs(movement_y[mov_nr - 1] - true_y), 12);
  }
}
