// The rooms of the school of 2027: their walking rules at the edges, their
// waypoints, the names and the presence the story relies on, and that every
// door of every room can be walked to from every place the hero arrives at.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
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

const char* const kFutureRooms[] = {"future_floor",    "future_floor1",   "future_physik",  "future_crossing",
                                    "future_biolog",   "future_physiktp", "future_chimie",  "future_floor2",
                                    "future_floor15",  "future_chimietp"};

const RoomScript& script(const char* room) {
  const int i = room_index(room);
  EXPECT_GE(i, 0) << room;
  return *kRooms[i];
}

// One tentative step of direction `code` from (lx, ly) to (sx, sy), judged by
// the room's walk rule; the step as the rule leaves it (code, x, y).
struct Step {
  int code, x, y;
  bool operator==(const Step&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Step& s) {
  return o << "code " << s.code << " at (" << s.x << ", " << s.y << ")";
}
Step step_in(const char* room, int lx, int ly, int code, int sx, int sy) {
  room_name = room;
  mov_nr = 1;
  movement_x[0] = lx;
  movement_y[0] = ly;
  hero_action[1] = code;
  buffer_x = sx;
  buffer_y = sy;
  allow_walk();
  return {hero_action[1], buffer_x, buffer_y};
}

// A walk as the walk click computes it: the area moves the target, the path
// is computed and smoothed. Returns every point the hero passes, the last one
// where he stops (an empty list when no path was walked).
std::vector<P> walk(const char* room, int hx, int hy, int tx, int ty) {
  room_name = room;
  hero_x = hx;
  hero_y = hy;
  click_x2 = click_y2 = -1000;
  true_x = tx;
  true_y = ty;
  allow_click();
  calc_coor();
  make_fluent();
  std::vector<P> path;
  if (mov_nr >= kStanding) return path;  // given up: the hero stays
  for (int i = 0; i < mov_nr; ++i) path.push_back({movement_x[i], movement_y[i]});
  return path;
}

bool within(const P& a, int x, int y, int reach) {
  return std::abs(a.first - x) <= reach && std::abs(a.second - y) <= reach;
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

}  // namespace

// ------------------------------------------------------------- future_floor

TEST(FutureFloor, TheBackEdgeAndBothWallsMoveClicksOntoTheFloor) {
  test_support::fresh_game();
  // Above the back edge between the walls: onto row 225.
  EXPECT_EQ(area_of("future_floor", 320, 100), P(320, 225));
  EXPECT_EQ(area_of("future_floor", 286, 219), P(286, 225));
  EXPECT_EQ(area_of("future_floor", 358, 219), P(358, 225));
  // Row 220 is floor already.
  EXPECT_EQ(area_of("future_floor", 320, 220), P(320, 220));
  // Above the edge and beyond a wall: the corner on that side.
  EXPECT_EQ(area_of("future_floor", 285, 219), P(290, 225));
  EXPECT_EQ(area_of("future_floor", 100, 100), P(290, 225));
  EXPECT_EQ(area_of("future_floor", 359, 219), P(355, 225));
  EXPECT_EQ(area_of("future_floor", 600, 50), P(355, 225));
  // Beyond the left wall lower down: onto the wall, x solved for the row.
  EXPECT_EQ(area_of("future_floor", 100, 400), P((111876 - 170 * 400) / 261, 400));
  EXPECT_EQ(area_of("future_floor", 0, 479), P((111876 - 170 * 479) / 261, 479));
  // On the left wall's line exactly (261 * 168 + 170 * 400 = 111848 <= 111876).
  EXPECT_EQ(area_of("future_floor", 168, 400), P(168, 400));
  EXPECT_EQ(area_of("future_floor", 167, 400), P(168, 400)) << "beyond the line: onto it";
  EXPECT_EQ(area_of("future_floor", 169, 400), P(169, 400));
  // Just inside and just outside the right wall at row 400 (the line is at x 459.4).
  EXPECT_EQ(area_of("future_floor", 459, 400), P(459, 400));
  EXPECT_EQ(area_of("future_floor", 460, 400), P((146 * 400 + 61968) / 262, 400));
  EXPECT_EQ(area_of("future_floor", 639, 300), P((146 * 300 + 61968) / 262, 300));
}

TEST(FutureFloor, WalkRuleKeepsStepsOffTheWalls) {
  test_support::fresh_game();
  // An up-left step onto the back edge row is pushed back down.
  EXPECT_EQ(step_in("future_floor", 328, 223, kStepUpLeft, 320, 219), (Step{kStepUpLeft, 320, 223}));
  EXPECT_EQ(step_in("future_floor", 328, 224, kStepUpLeft, 320, 220), (Step{kStepUpLeft, 320, 220})) << "row 220 is floor";
  // A left step into the left wall turns down-left along it.
  EXPECT_EQ(step_in("future_floor", 180, 400, kStepLeft, 172, 400), (Step{kStepLeft, 172, 400})) << "still inside";
  EXPECT_EQ(step_in("future_floor", 176, 400, kStepLeft, 168, 400), (Step{kStepDownLeft, 176, 404}));
  // A right step into the right wall turns down-right along it.
  EXPECT_EQ(step_in("future_floor", 452, 400, kStepRight, 460, 400), (Step{kStepDownRight, 452, 404}));
  EXPECT_EQ(step_in("future_floor", 444, 400, kStepRight, 452, 400), (Step{kStepRight, 452, 400}));
}

TEST(FutureFloor, WaypointsComeThroughTheMiddleOfTheCorridor) {
  test_support::fresh_game();
  EXPECT_EQ(waypoints_of("future_floor", 320, 300, 200, 330), (std::vector<P>{{320, 300}, {200, 330}}));
  EXPECT_EQ(waypoints_of("future_floor", 320, 300, 200, 329), (std::vector<P>{{200, 329}}));
  EXPECT_EQ(waypoints_of("future_floor", 320, 300, 400, 250), (std::vector<P>{{400, 250}}));
}

// ----------------------------------------------------------- future_floor15

TEST(FutureFloor15, TheBackEdgeTheLeftWallAndTheRightWall) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("future_floor15", 200, 285), P(210, 295));
  EXPECT_EQ(area_of("future_floor15", 50, 50), P(210, 295));
  EXPECT_EQ(area_of("future_floor15", 201, 285), P(201, 295));
  EXPECT_EQ(area_of("future_floor15", 300, 270), P(300, 295));
  // High up, the right wall's line reaches far to the left: (300, 100) is beyond it.
  EXPECT_EQ(area_of("future_floor15", 300, 100), P(400, 295));
  EXPECT_EQ(area_of("future_floor15", 300, 286), P(300, 286)) << "row 286 is floor";
  // Beyond the right wall at the back: the right corner.
  EXPECT_EQ(area_of("future_floor15", 600, 200), P(400, 295));
  // The left wall: x 200 and left of it go to 210; x 201 stays.
  EXPECT_EQ(area_of("future_floor15", 200, 400), P(210, 400));
  EXPECT_EQ(area_of("future_floor15", 201, 400), P(201, 400));
  // The right wall at row 400 lies at x 543.6: 543 stays, 544 goes onto the line.
  EXPECT_EQ(area_of("future_floor15", 543, 400), P(543, 400));
  EXPECT_EQ(area_of("future_floor15", 544, 400), P((235 * 400 + 12000) / 195, 400));
}

TEST(FutureFloor15, WalkRuleKeepsStepsOffTheWalls) {
  test_support::fresh_game();
  EXPECT_EQ(step_in("future_floor15", 308, 289, kStepUpLeft, 300, 285), (Step{kStepUpLeft, 300, 289}));
  EXPECT_EQ(step_in("future_floor15", 208, 404, kStepDownLeft, 200, 408), (Step{kStepDownLeft, 208, 408}));
  EXPECT_EQ(step_in("future_floor15", 209, 404, kStepDownLeft, 201, 408), (Step{kStepDownLeft, 201, 408}));
  EXPECT_EQ(step_in("future_floor15", 536, 400, kStepRight, 544, 400), (Step{kStepDownRight, 536, 404}));
}

// ------------------------------------------------------------ future_chimie

TEST(FutureChimie, AreaRulesInTheirOrder) {
  test_support::fresh_game();
  // Behind the back edge and left of the left wall: the back-left corner.
  EXPECT_EQ(area_of("future_chimie", 200, 200), P(285, 360));
  // In front of the front edge and left of the wall: the front-left corner.
  EXPECT_EQ(area_of("future_chimie", 200, 470), P(285, 420));
  // Left of the wall between the two: onto it.
  EXPECT_EQ(area_of("future_chimie", 200, 390), P((2 * 390 + 21000) / 78, 390));
  // The wall's line at row 390 is x 279.2: 279 is left of it, 280 on the floor.
  EXPECT_EQ(area_of("future_chimie", 279, 390), P(279, 390)) << "(2*390+21000)/78 is 279 itself";
  EXPECT_EQ(area_of("future_chimie", 280, 390), P(280, 390));
  // In front of the counter: its corner; elsewhere in front: onto the edge.
  EXPECT_EQ(area_of("future_chimie", 560, 450), P(500, 380));
  EXPECT_EQ(area_of("future_chimie", 400, 470), P(400, (177656 - 60 * 400) / 376));
  // The front edge at x 400 is row 408.7: 408 stays, 409 is moved.
  EXPECT_EQ(area_of("future_chimie", 400, 408), P(400, 408));
  EXPECT_EQ(area_of("future_chimie", 400, 409), P(400, 408));
  // Behind the back edge left of the alcove: the alcove's corner.
  EXPECT_EQ(area_of("future_chimie", 350, 300), P(420, 345));
  EXPECT_EQ(area_of("future_chimie", 350, 342), P(420, 345)) << "B is -2: still behind the edge";
  EXPECT_EQ(area_of("future_chimie", 350, 343), P(350, 343)) << "B is 132: on the floor";
  // At the counter: high up its corner by the door, lower down x 500.
  EXPECT_EQ(area_of("future_chimie", 560, 200), P(500, 270));
  EXPECT_EQ(area_of("future_chimie", 560, 300), P(500, 300));
  EXPECT_EQ(area_of("future_chimie", 509, 300), P(509, 300));
  // Behind the alcove's back: onto it.
  EXPECT_EQ(area_of("future_chimie", 450, 200), P(450, (35089 - 9 * 450) / 116));
  EXPECT_EQ(area_of("future_chimie", 450, 268), P(450, 268)) << "S is 49 there";
  EXPECT_EQ(area_of("future_chimie", 450, 267), P(450, 267)) << "(35089-9*450)/116 is 267";
  EXPECT_EQ(area_of("future_chimie", 450, 266), P(450, 267));
}

TEST(FutureChimie, WalkRulesInTheirOrder) {
  test_support::fresh_game();
  // Over the front edge: c1 turns a down step into down-left.
  EXPECT_EQ(step_in("future_chimie", 400, 405, kStepDown, 400, 409), (Step{kStepDownLeft, 392, 405}));
  // Behind the back edge, left part: c2 turns an up step into up-right.
  EXPECT_EQ(step_in("future_chimie", 350, 344, kStepUp, 350, 340), (Step{kStepUpRight, 358, 344}));
  // Behind the alcove's back: c2 again.
  EXPECT_EQ(step_in("future_chimie", 450, 270, kStepUp, 450, 266), (Step{kStepUpRight, 458, 270}));
  // Into the counter: b2 takes back the right half of a diagonal.
  EXPECT_EQ(step_in("future_chimie", 504, 300, kStepDownRight, 512, 304), (Step{kStepDownRight, 504, 304}));
  // On the floor the step stands.
  EXPECT_EQ(step_in("future_chimie", 392, 380, kStepRight, 400, 380), (Step{kStepRight, 400, 380}));
  EXPECT_EQ(step_in("future_chimie", 440, 300, kStepUpLeft, 432, 296), (Step{kStepUpLeft, 432, 296}));
  // Left of the left wall: b1 takes back the left half of a diagonal.
  EXPECT_EQ(step_in("future_chimie", 282, 380, kStepDownLeft, 274, 384), (Step{kStepDownLeft, 282, 384}));
  // Between the back edge and the alcove, right of x 390: b1 as well.
  EXPECT_EQ(step_in("future_chimie", 408, 334, kStepUpLeft, 400, 330), (Step{kStepUpLeft, 408, 330}));
}

TEST(FutureChimie, WaypointsAreDirect) {
  test_support::fresh_game();
  EXPECT_EQ(waypoints_of("future_chimie", 470, 275, 300, 400), (std::vector<P>{{300, 400}}));
}

// ------------------------------------------- the rooms with shared floor plans

TEST(SharedFloorPlans, EachFutureRoomWalksLikeItsOldCounterpart) {
  const std::pair<const char*, const char*> pairs[] = {
      {"future_physik", "physik"},     {"future_crossing", "crossing"}, {"future_biolog", "biolog"},
      {"future_physiktp", "physiktp"}, {"future_floor2", "floor2"},     {"future_chimietp", "chimietp"},
  };
  for (const auto& [future, old] : pairs) {
    SCOPED_TRACE(future);
    const RoomScript& f = script(future);
    const RoomScript& o = script(old);
    EXPECT_EQ(f.area, o.area);
    EXPECT_EQ(f.allow_walk, o.allow_walk);
    EXPECT_EQ(f.extra_click, o.extra_click);
    EXPECT_NE(f.area, nullptr);
    EXPECT_NE(f.allow_walk, nullptr);
  }
  // future_floor has its own area and the waypoint rule of future_floor1.
  EXPECT_EQ(script("future_floor").extra_click, script("future_floor1").extra_click);
  EXPECT_NE(script("future_floor").area, script("future_floor1").area);
  // physiktp's pair walks straight to the target.
  test_support::fresh_game();
  EXPECT_EQ(waypoints_of("future_physiktp", 565, 360, 300, 350), (std::vector<P>{{300, 350}}));
  // The chemistry lab routes around its bench with all five waypoints.
  EXPECT_EQ(waypoints_of("future_chimietp", 200, 320, 560, 260),
            (std::vector<P>{{160, 310}, {265, 240}, {380, 240}, {530, 270}, {560, 260}}));
}

// -------------------------------------------------- arrivals and every door

TEST(FutureRooms, EveryArrivalPointIsOnTheFloor) {
  test_support::fresh_game();
  for (const char* room : kFutureRooms) {
    const std::vector<P> at = arrivals_in(room);
    EXPECT_FALSE(at.empty()) << room;
    for (const P& a : at)
      EXPECT_EQ(area_of(room, a.first, a.second, a.first, a.second), a) << room;
  }
}

TEST(FutureRooms, FromEveryArrivalEveryDoorIsReached) {
  test_support::fresh_game();
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    for (const P& a : arrivals_in(room)) {
      for (int k = 0; k < r.exit_nr; ++k) {
        const ExitDef& e = r.exits[k];
        SCOPED_TRACE(std::string(room) + " from (" + std::to_string(a.first) + ", " + std::to_string(a.second) +
                     ") to exit " + std::to_string(k) + " (" + e.target + ")");
        const std::vector<P> path = walk(room, a.first, a.second, e.goto_x, e.goto_y);
        if (within(a, e.goto_x, e.goto_y, 10)) continue;  // he arrives at that door
        ASSERT_FALSE(path.empty());
        EXPECT_TRUE(within(path.back(), e.goto_x, e.goto_y, 10))
            << "stops at (" << path.back().first << ", " << path.back().second << ")";
      }
    }
  }
}

TEST(FutureRooms, EveryStandingPointIsOnTheFloorAndReachedFromTheDoors) {
  test_support::fresh_game();
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    auto check = [&](const char* name, int gx, int gy, int reach_x, int reach_y) {
      SCOPED_TRACE(std::string(room) + " " + name);
      EXPECT_EQ(area_of(room, gx, gy, gx, gy), P(gx, gy));
      for (const P& a : arrivals_in(room)) {
        const std::vector<P> path = walk(room, a.first, a.second, gx, gy);
        if (std::abs(a.first - gx) <= reach_x && std::abs(a.second - gy) <= reach_y) continue;
        ASSERT_FALSE(path.empty()) << "from (" << a.first << ", " << a.second << ")";
        bool reached = false;
        for (const P& p : path) reached |= std::abs(p.first - gx) <= reach_x && std::abs(p.second - gy) <= reach_y;
        EXPECT_TRUE(reached) << "from (" << a.first << ", " << a.second << ")";
      }
    };
    for (const FurniState& s : r.furniture)
      if (s.interact) check(s.name, s.goto_x, s.goto_y, 8, 4);
    for (const PersonState& s : r.persons)
      if (s.talk) check(s.name, s.goto_x, s.goto_y, 10, 10);
  }
}

// ----------------------------------------- names and presence of the story

TEST(FutureRooms, TheNamesTheStoryComparesAreThere) {
  struct Named {
    const char* room;
    int slot, state;
    const char* name;
  };
  const Named furniture[] = {
      {"future_physik", 0, 0, "future_chair"},     {"future_physik", 1, 0, "ventilator"},
      {"future_physik", 2, 0, "telesko2"},         {"future_physik", 3, 0, "guitar"},
      {"future_crossing", 0, 0, "Modell"},         {"future_crossing", 1, 0, "feuerloescher2"},
      {"future_crossing", 2, 0, "Muelleimer"},     {"future_biolog", 0, 0, "desk7"},
      {"future_biolog", 1, 0, "gaz"},              {"future_biolog", 2, 0, "desk8"},
      {"future_biolog", 3, 0, "desk9"},            {"future_biolog", 4, 0, "schlauch"},
      {"future_physiktp", 0, 0, "teleskop"},       {"future_physiktp", 1, 0, "diamond"},
      {"future_physiktp", 2, 0, "hebel"},          {"future_physiktp", 3, 0, "hebel2"},
      {"future_physiktp", 4, 0, "Atomkraft"},      {"future_physiktp", 5, 0, "Anzeige"},
      {"future_physiktp", 6, 0, "buttons"},        {"future_chimie", 0, 0, "case00"},
      {"future_chimie", 1, 0, "dia"},              {"future_chimie", 2, 0, "Elementetafel"},
      {"future_chimie", 3, 0, "licht1"},           {"future_chimie", 4, 0, "licht2"},
      {"future_chimie", 5, 0, "licht3"},           {"future_chimie", 3, 1, "licht1"},
      {"future_chimie", 4, 1, "licht2"},           {"future_chimie", 5, 1, "licht3"},
      {"future_floor2", 0, 0, "Eimer"},            {"future_floor15", 0, 0, "schrank"},
      {"future_floor15", 1, 0, "tool"},            {"future_floor15", 2, 0, "rohr"},
      {"future_floor15", 3, 0, "schwbrenn"},       {"future_floor15", 4, 0, "funken"},
      {"future_floor15", 5, 0, "funken2"},         {"future_floor15", 6, 0, "schrank2"},
      {"future_floor15", 7, 0, "schrank3"},        {"future_floor15", 8, 0, "schrank4"},
      {"future_floor15", 9, 0, "Muell"},           {"future_chimietp", 0, 0, "labo_desk2"},
      {"future_chimietp", 1, 0, "erlenmeier"},     {"future_chimietp", 2, 0, "bunsen"},
      {"future_chimietp", 3, 0, "book"},           {"future_chimietp", 4, 0, "reagenz"},
      {"future_chimietp", 5, 0, "alkohol"},        {"future_chimietp", 6, 0, "douche"},
      {"future_chimietp", 7, 0, "tank"},           {"future_chimietp", 8, 0, "feuerloescher"},
      {"future_chimietp", 9, 0, "erlenmeier2"},
  };
  for (const Named& n : furniture) {
    const FurniState* s = furni_row(script(n.room), n.slot, n.state);
    ASSERT_NE(s, nullptr) << n.room << " slot " << n.slot << " state " << n.state;
    EXPECT_STREQ(s->name, n.name) << n.room << " slot " << n.slot;
  }
  // The three alarm levers, each in its three positions.
  const RoomScript& chimie = script("future_chimie");
  for (int lever = 0; lever < 3; ++lever)
    for (int state = 0; state < 3; ++state) {
      const FurniState* s = furni_row(chimie, 6 + lever, state);
      ASSERT_NE(s, nullptr);
      const std::string want = "schalter" + std::to_string(lever + 1) + static_cast<char>('a' + state);
      EXPECT_EQ(std::string(s->name), want);
      EXPECT_EQ(s->interact, 1);
    }
  const Named persons[] = {
      {"future_physik", 0, 0, "dori_future"}, {"future_crossing", 0, 0, "rarozir"},
      {"future_crossing", 0, 1, "rarozir_talk"}, {"future_biolog", 0, 0, "sand"},
      {"future_biolog", 1, 0, "sand_sleep"},  {"future_physiktp", 0, 0, "FrizzeRol"},
      {"future_physiktp", 1, 0, "Dori"},      {"future_chimie", 0, 0, "Rurura"},
      {"future_chimie", 1, 0, "Rurura"},      {"future_floor2", 0, 0, "Policeman"},
      {"future_floor1", 0, 0, "Betong_doud"},
  };
  for (const Named& n : persons) {
    const PersonState* s = person_row(script(n.room), n.slot, n.state);
    ASSERT_NE(s, nullptr) << n.room << " person " << n.slot << " state " << n.state;
    EXPECT_STREQ(s->name, n.name) << n.room << " person " << n.slot;
  }
}

TEST(FutureRooms, FlagsOfEverySlotAsTheStoryUsesThem) {
  // Takeable pieces: the story and the take animation act on these only.
  const std::set<std::string> takeable = {"guitar", "gaz", "schlauch", "dia", "tool", "schwbrenn", "bunsen", "alkohol"};
  // Pieces that only stand about.
  const std::set<std::string> still = {"desk7", "desk8", "desk9", "funken", "funken2", "labo_desk2"};
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    for (const FurniState& s : r.furniture) {
      SCOPED_TRACE(std::string(room) + " " + s.name);
      EXPECT_EQ(s.take, takeable.count(s.name) ? 1 : 0);
      EXPECT_EQ(s.interact, still.count(s.name) ? 0 : 1);
      if (s.take) EXPECT_TRUE(s.take_dir == kMoveTakeLeft || s.take_dir == kMoveTakeRight);
    }
  }
}

TEST(FutureRooms, PresenceAtTheStartOfAGame) {
  auto furni = [](const char* room) {
    const RoomScript& r = script(room);
    return std::vector<int>(r.furni_present.begin(), r.furni_present.end());
  };
  auto persons = [](const char* room) {
    const RoomScript& r = script(room);
    return std::vector<int>(r.person_present.begin(), r.person_present.end());
  };
  using V = std::vector<int>;
  // The guitar comes to light when the telescope is carried away.
  EXPECT_EQ(furni("future_physik"), (V{1, 1, 1, 0}));
  EXPECT_EQ(persons("future_physik"), (V{1}));
  // The telescope and Dori arrive with the telescope scene, the diamond with the gift.
  EXPECT_EQ(furni("future_physiktp"), (V{0, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(persons("future_physiktp"), (V{1, 0}));
  // The diamond shows when the showcase is opened; Mr Rurura moves to his
  // lab bench when the lead arrives.
  EXPECT_EQ(furni("future_chimie"), (V{1, 0, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(persons("future_chimie"), (V{1, 0}));
  // Mrs Sand sleeps only after the alcohol.
  EXPECT_EQ(furni("future_biolog"), (V{1, 1, 1, 1, 1}));
  EXPECT_EQ(persons("future_biolog"), (V{1, 0}));
  // The screwdriver is behind the cupboard door; torch and sparks belong to the cutting.
  EXPECT_EQ(furni("future_floor15"), (V{1, 0, 1, 0, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(furni("future_chimietp"), (V{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(furni("future_crossing"), (V{1, 1, 1}));
  EXPECT_EQ(persons("future_crossing"), (V{1}));
  EXPECT_EQ(furni("future_floor2"), (V{1}));
  EXPECT_EQ(persons("future_floor2"), (V{1}));
  EXPECT_EQ(furni("future_floor1"), (V{0, 1}));
}

TEST(FutureRooms, DoorsAndTheStoryExitSlot) {
  // Doors the access card opens start closed; the story slot of the lab is
  // not clickable.
  EXPECT_EQ(script("future_physiktp").exits[1].open, 0);
  EXPECT_EQ(script("future_floor15").exits[2].open, 0);
  const RoomScript& lab = script("future_chimietp");
  EXPECT_EQ(lab.exit_nr, 1);
  ASSERT_EQ(lab.exits.size(), 2u);
  EXPECT_STREQ(lab.exits[1].target, "future_physiktp");
  EXPECT_EQ(P(lab.exits[1].arrive_x, lab.exits[1].arrive_y), P(565, 360));
}

TEST(FutureRooms, EveryoneWhoTalksHasTheFourAnimations) {
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    for (int j = 0; j < r.person_nr; ++j) {
      const PersonState* idle = person_row(r, j, 0);
      ASSERT_NE(idle, nullptr) << room << " person " << j;
      if (!idle->talk) continue;
      SCOPED_TRACE(std::string(room) + " " + idle->name);
      int marks = 0;
      for (const Frame& f : idle->frames) marks += f.talk;
      EXPECT_GE(marks, 1) << "the idle animation marks where talking may start";
      EXPECT_GE(idle->frames.size(), 4u);
      std::set<int> objects;
      for (int state = 1; state <= 3; ++state) {
        const PersonState* s = person_row(r, j, state);
        ASSERT_NE(s, nullptr) << "state " << state;
        EXPECT_GE(s->frames.size(), 2u) << "state " << state;
        EXPECT_EQ(s->interact, 1) << "state " << state;
        for (const Frame& f : s->frames) objects.insert(f.object);
      }
      // Into talking and back run through the same pictures in opposite orders.
      const PersonState* into = person_row(r, j, 2);
      const PersonState* back = person_row(r, j, 3);
      ASSERT_EQ(into->frames.size(), back->frames.size());
      for (size_t f = 0; f < into->frames.size(); ++f)
        EXPECT_EQ(into->frames[f].object, back->frames[back->frames.size() - 1 - f].object);
      // Every state stands on the same spot.
      for (int state = 0; state <= 3; ++state)
        for (const Frame& f : person_row(r, j, state)->frames) {
          EXPECT_EQ(f.x, idle->frames[0].x);
          EXPECT_EQ(f.y, idle->frames[0].y);
        }
    }
  }
}

TEST(FutureRooms, AnimatedPiecesShowDistinctPicturesAndNoTwoPiecesShareByMistake) {
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    // Which name first shows each picture: a picture is drawn from that row,
    // so a second piece may show it only as the same kind of thing.
    std::map<int, std::string> first;
    auto kind = [](std::string n) {
      while (!n.empty() && (std::isdigit(static_cast<unsigned char>(n.back())) || n.back() == '_')) n.pop_back();
      return n;
    };
    const std::set<std::pair<std::string, std::string>> shared = {
        {"schrank", "schrank"}, {"erlenmeier", "reagenz"}, {"douche", "tank"}, {"Bild", "Aquarium"}};
    for (const FurniState& s : r.furniture)
      for (const Frame& f : s.frames) {
        auto [it, fresh] = first.emplace(f.object, s.name);
        if (fresh) continue;
        const std::string a = kind(it->second), b = kind(s.name);
        EXPECT_TRUE(a == b || shared.count({a, b})) << room << ": object " << f.object << " shows " << it->second
                                                    << " and " << s.name;
      }
    for (const PersonState& s : r.persons)
      for (const Frame& f : s.frames) {
        auto [it, fresh] = first.emplace(f.object, s.name);
        if (!fresh) EXPECT_EQ(kind(it->second).substr(0, 4), kind(s.name).substr(0, 4)) << room << " " << f.object;
      }
  }
}

TEST(FutureRooms, TextsFitTheScreenAndKeepToPlainLetters) {
  for (const char* room : kFutureRooms) {
    const RoomScript& r = script(room);
    auto check = [&](const char* name, const char* const* text) {
      for (int l = 0; l < 3; ++l) {
        ASSERT_NE(text[l], nullptr) << room << " " << name;
        EXPECT_LE(std::strlen(text[l]), 50u) << room << " " << name << ": " << text[l];
        for (const char* c = text[l]; *c; ++c) EXPECT_TRUE(*c >= 32 && *c <= 126) << room << " " << name;
      }
    };
    for (const FurniState& s : r.furniture) {
      check(s.name, s.text);
      if (s.interact) EXPECT_STRNE(s.text[0], "") << room << " " << s.name << " has something to say";
    }
    for (const PersonState& s : r.persons) check(s.name, s.text);
  }
}

TEST(FutureRooms, TheCutScenesFindTheirPiecesWhereTheyDrawThem) {
  // Mrs Sand's scenes draw object 1 of the room in front of her at (526, 290):
  // that is her desk.
  const FurniState* desk = furni_row(script("future_biolog"), 0, 0);
  ASSERT_NE(desk, nullptr);
  ASSERT_EQ(desk->frames.size(), 1u);
  EXPECT_EQ(desk->frames[0].object, 1);
  EXPECT_EQ(P(desk->frames[0].x, desk->frames[0].y), P(526, 290));
  // Taking the gas bottle places the hero at (165, 335): he walks there first.
  const FurniState* gas = furni_row(script("future_biolog"), 1, 0);
  ASSERT_NE(gas, nullptr);
  EXPECT_EQ(P(gas->goto_x, gas->goto_y), P(165, 335));
  // Breaking the showcase reloads its animation: it has a second state.
  const FurniState* broken = furni_row(script("future_chimie"), 0, 1);
  ASSERT_NE(broken, nullptr);
  EXPECT_STREQ(broken->name, "case00");
  EXPECT_NE(broken->frames[0].object, furni_row(script("future_chimie"), 0, 0)->frames[0].object);
  // The alarm lights: blinking while the alarm is on, one steady picture when off.
  for (int slot = 3; slot <= 5; ++slot) {
    EXPECT_GE(furni_row(script("future_chimie"), slot, 0)->frames.size(), 2u);
    EXPECT_EQ(furni_row(script("future_chimie"), slot, 1)->frames.size(), 1u);
  }
}
