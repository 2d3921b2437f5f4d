// The rooms of the old school: their walkable areas, wall rules and
// waypoints, the rooms the two schools share, and for every room that the
// hero can walk from where he arrives to every open door.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "hero/hero.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/world.h"
#include "support/room_probe.h"
#include "support/test_support.h"

namespace {

using namespace room_probe;

// The step the room's walk rule makes of a step from (lx, ly) to (sx, sy)
// with direction `code`, as the first step of a path.
P step_of(const char* room, int lx, int ly, int sx, int sy, int code) {
  room_name = room;
  hero_x = lx;
  hero_y = ly;
  mov_nr = 0;
  hero_action[0] = code;
  buffer_x = sx;
  buffer_y = sy;
  allow_walk();
  return {buffer_x, buffer_y};
}

const RoomScript* room_of(const std::string& name) {
  for (const RoomScript* r : kRooms)
    if (name == r->name) return r;
  return nullptr;
}

// Walks the hero from `from` to the click `to` as the game does (area,
// path, smoothing) and returns how near to the area's target he comes, the
// larger of the x and y distances; 999 for a path that runs out of steps.
int walk_gap(const char* room, P from, P to, P* end = nullptr) {
  room_name = room;
  hero_x = from.first;
  hero_y = from.second;
  click_x2 = click_y2 = -1000;
  true_x = to.first;
  true_y = to.second;
  allow_click();
  const P target{true_x, true_y};
  calc_coor();
  if (mov_nr >= kStanding) return 999;
  const P last{movement_x[mov_nr - 1], movement_y[mov_nr - 1]};
  make_fluent();
  if (end) *end = last;
  return std::max(std::abs(last.first - target.first), std::abs(last.second - target.second));
}

// The rooms of the old school (entree and floor8 are checked with the worked rooms).
const char* const kOldRooms[] = {
    "physik",  "kicker",  "biolog",  "physiktp", "cafeteria", "chimie",  "class",   "future_preau",
    "chimietp", "biblio", "cantina", "toilette", "aula",      "hof",     "crossing", "floor2",
    "floor3",  "preau2",  "aqua",    "portier",  "floor9",    "floor4",  "floor6",  "floor5",
    "floor10", "floor7",  "floor11", "floor12",  "floor13",   "floor14", "floor15",
};

// The school of 2027 walks on the same floors as its old counterparts.
const char* const kFutureTwins[][2] = {
    {"future_biolog", "biolog"},   {"future_crossing", "crossing"}, {"future_chimietp", "chimietp"},
    {"future_floor2", "floor2"},   {"future_physik", "physik"},     {"future_physiktp", "physiktp"},
};

}  // namespace

// ------------------------------------------------------------ every room ----

TEST(OldSchoolRooms, EveryRoomHasItsWalkingRules) {
  for (const char* name : kOldRooms) {
    ASSERT_NE(room_of(name), nullptr) << name;
    const P arrival = arrivals_in(name).front();
    // A click on the ceiling is moved down onto the floor...
    const P floor = area_of(name, 320, 5, arrival.first, arrival.second);
    EXPECT_GT(floor.second, 100) << name;
    // ...which stays where it is, and a step from there up through the back
    // wall is turned back by the room's walk rule.
    EXPECT_EQ(area_of(name, floor.first, floor.second, arrival.first, arrival.second), floor) << name;
    EXPECT_NE(step_of(name, floor.first, floor.second, floor.first - 8, 5, kStepUpLeft), P(floor.first - 8, 5))
        << name;
    // The waypoints end at the target.
    const std::vector<P> way = waypoints_of(name, arrival.first, arrival.second, floor.first, floor.second);
    ASSERT_FALSE(way.empty()) << name;
    EXPECT_EQ(way.back(), floor) << name;
  }
}

TEST(OldSchoolRooms, TheSchoolOf2027SharesTheOldFloors) {
  for (const auto& pair : kFutureTwins) {
    const RoomScript* future = room_of(pair[0]);
    const RoomScript* old = room_of(pair[1]);
    ASSERT_NE(future, nullptr);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(future->area, old->area) << pair[0];
    EXPECT_EQ(future->allow_walk, old->allow_walk) << pair[0];
    if (std::strcmp(pair[0], "future_physiktp") != 0) EXPECT_EQ(future->extra_click, old->extra_click) << pair[0];
  }
  EXPECT_EQ(room_of("floor12")->area, room_of("floor11")->area);
  EXPECT_EQ(room_of("floor14")->allow_walk, room_of("floor13")->allow_walk);
  EXPECT_EQ(room_of("floor5")->extra_click, room_of("floor3")->extra_click);
}

TEST(OldSchoolRooms, EveryArrivalPointIsInsideTheRoom) {
  test_support::fresh_game();
  for (const char* name : kOldRooms) {
    const std::vector<P> arrivals = arrivals_in(name);
    for (const P& a : arrivals)
      for (const P& hero : arrivals)
        EXPECT_EQ(area_of(name, a.first, a.second, hero.first, hero.second), a)
            << name << " arrival " << a.first << "," << a.second << " hero at " << hero.first << "," << hero.second;
  }
}

TEST(OldSchoolRooms, EveryOpenDoorIsReachedFromEveryArrival) {
  test_support::fresh_game();
  for (const char* name : kOldRooms) {
    const RoomScript* r = room_of(name);
    for (const P& a : arrivals_in(name)) {
      for (int k = 0; k < r->exit_nr; ++k) {
        const ExitDef& e = r->exits[k];
        if (!e.open) continue;
        // Checked on its own below: the stairs of floor10 from the floor7 door.
        if (std::strcmp(name, "floor10") == 0 && k == 5 && a == P(380, 310)) continue;
        P end;
        const int gap = walk_gap(name, a, {e.goto_x, e.goto_y}, &end);
        EXPECT_LE(gap, 10) << name << " from " << a.first << "," << a.second << " to exit " << k << " at " << e.goto_x
                           << "," << e.goto_y << ": ends at " << end.first << "," << end.second;
      }
    }
  }
}

TEST(OldSchoolRooms, TheWalkPointsOfObjectsLieOnTheFloor) {
  test_support::fresh_game();
  for (const char* name : kOldRooms) {
    const RoomScript* r = room_of(name);
    for (const FurniState& f : r->furniture)
      if (f.interact || f.take) EXPECT_EQ(area_of(name, f.goto_x, f.goto_y), P(f.goto_x, f.goto_y)) << f.name;
    for (const PersonState& p : r->persons)
      if (p.talk) EXPECT_EQ(area_of(name, p.goto_x, p.goto_y), P(p.goto_x, p.goto_y)) << p.name;
  }
}

// The walk point of the stairs down to the hall in floor10, (290, 265), lies
// two steps from the left wall: coming up the corridor's diagonal from the
// floor7 door (380, 310) the hero would have to pass it across the wall, and
// the path is given up. From the back of the corridor (320, 260) he gets there.
TEST(OldSchoolRooms, Floor10StairsFromTheFloor7DoorNeedAStepIntoTheCorridorFirst) {
  test_support::fresh_game();
  EXPECT_EQ(walk_gap("floor10", {380, 310}, {290, 265}), 999);
  EXPECT_LE(walk_gap("floor10", {380, 310}, {320, 260}), 10);
  EXPECT_LE(walk_gap("floor10", {320, 260}, {290, 265}), 10);
}

// ------------------------------------------------------- the rules, edge by edge ----

TEST(OldSchoolRules, CorridorsSnapToTheirBackCornersAndWalls) {
  test_support::fresh_game();
  // floor7: back edge y 260 above row 250, corners (250, 260) and (390, 260).
  EXPECT_EQ(area_of("floor7", 320, 250), P(320, 260));
  EXPECT_EQ(area_of("floor7", 320, 251), P(320, 251));
  EXPECT_EQ(area_of("floor7", 100, 200), P(250, 260));
  EXPECT_EQ(area_of("floor7", 600, 200), P(390, 260));
  // On the left wall 230x + 200y = 105200 is already crossed; one pixel in is not.
  EXPECT_EQ(area_of("floor7", 190, 296), P((105200 - 200 * 296) / 230, 296));
  EXPECT_EQ(area_of("floor7", 200, 297), P(200, 297));
  // The right wall of floor15: 195x - 235y = 12000.
  EXPECT_EQ(area_of("floor15", 600, 400), P((12000 + 235 * 400) / 195, 400));
  EXPECT_EQ(area_of("floor15", 543, 400), P(543, 400));
  // floor12 walks like floor11, floor14 like floor13.
  EXPECT_EQ(area_of("floor12", 100, 100), P(290, 245));
  EXPECT_EQ(area_of("floor14", 600, 300), P(395, 330));
}

TEST(OldSchoolRules, TheAquariumCorridorTestsItsLeftWallBeforeTheBackEdge) {
  test_support::fresh_game();
  // A step up-left that crosses both the left wall and the back row slides
  // along the wall (walk_d2: x + 16), not along the back edge (walk_a2: y + 4).
  EXPECT_EQ(step_of("aqua", 420, 229, 412, 225, kStepUpLeft), P(428, 225));
  EXPECT_EQ(step_of("floor15", 236, 289, 228, 285, kStepUpLeft), P(228, 289));
}

TEST(OldSchoolRules, Floor9AndPortier) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("floor9", 100, 100), P(175, 300));
  EXPECT_EQ(area_of("floor9", 500, 290), P(465, 300));
  EXPECT_EQ(area_of("floor9", 300, 291), P(300, 291));
  EXPECT_EQ(area_of("floor9", 100, 300), P((66000 - 165 * 300) / 110, 300));
  EXPECT_EQ(area_of("portier", 600, 335), P(600, 345));
  EXPECT_EQ(area_of("portier", 600, 336), P(600, 336));
  EXPECT_EQ(area_of("portier", 400, 360), P(400, 370));
  EXPECT_EQ(area_of("portier", 200, 300), P(200, (162860 - 119 * 200) / 340));
}

TEST(OldSchoolRules, Preau2CantinaAndToilette) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("preau2", 50, 200), P(120, 305));
  EXPECT_EQ(area_of("preau2", 50, 400), P(120, 400));
  EXPECT_EQ(area_of("preau2", 400, 300), P(400, (15 * 400 + 140475) / 435));
  EXPECT_EQ(area_of("cantina", 0, 100), P(125, 200));
  EXPECT_EQ(area_of("cantina", 250, 150), P(185, 200));
  EXPECT_EQ(area_of("cantina", 150, 180), P(150, 200));
  EXPECT_EQ(area_of("toilette", 100, 100), P(340, 300));
  EXPECT_EQ(area_of("toilette", 600, 100), P(470, 310));
  EXPECT_EQ(area_of("toilette", 400, 400), P(400, 400));
}

TEST(OldSchoolRules, AulaTurnsAtTheFootOfThePlatform) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("aula", 400, 300), P(465, 345));
  EXPECT_EQ(area_of("aula", 500, 300), P(550, 325));
  EXPECT_EQ(area_of("aula", 500, 330, 470, 440), P(500, 345));
  EXPECT_EQ(area_of("aula", 500, 330, 600, 330), P(550, 330));
  EXPECT_EQ(area_of("aula", 600, 400, 470, 440), P(475, 400));
  EXPECT_EQ(area_of("aula", 600, 400, 600, 330), P(600, 345));
  EXPECT_EQ(waypoints_of("aula", 470, 440, 600, 330), (std::vector<P>{{475, 345}, {600, 330}}));
  EXPECT_EQ(waypoints_of("aula", 600, 330, 470, 440), (std::vector<P>{{475, 345}, {470, 440}}));
  EXPECT_EQ(waypoints_of("aula", 470, 350, 470, 440), (std::vector<P>{{470, 440}}));
}

TEST(OldSchoolRules, CrossingGoesRoundTheCornerOfItsBackFloor) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("crossing", 0, 300), P(135, 370));
  EXPECT_EQ(area_of("crossing", 200, 340, 100, 400), P(200, 370));
  EXPECT_EQ(area_of("crossing", 200, 340, 400, 340), P(295, 340));
  EXPECT_EQ(area_of("crossing", 600, 300), P(450, 330));
  EXPECT_EQ(area_of("crossing", 600, 400), P(540, 400));
  EXPECT_EQ(waypoints_of("crossing", 320, 330, 100, 400), (std::vector<P>{{290, 370}, {100, 400}}));
  EXPECT_EQ(waypoints_of("crossing", 100, 400, 320, 330), (std::vector<P>{{290, 370}, {320, 330}}));
  EXPECT_EQ(waypoints_of("crossing", 320, 330, 520, 400), (std::vector<P>{{520, 400}}));
}

TEST(OldSchoolRules, Floor2PassageAndHall) {
  test_support::fresh_game();
  // In the passage a click behind its edge goes onto the edge.
  EXPECT_EQ(area_of("floor2", 100, 300, 30, 425), P(100, (114000 - 1500) / 300));
  // From the hall a click at the back of the passage goes to the hall's corner.
  EXPECT_EQ(area_of("floor2", 100, 300, 390, 320), P(300, 315));
  EXPECT_EQ(area_of("floor2", 100, 340, 390, 320), P(300, 340));
  EXPECT_EQ(area_of("floor2", 600, 300), P(390, 315));
  EXPECT_EQ(waypoints_of("floor2", 30, 425, 390, 320), (std::vector<P>{{300, 380}, {390, 320}}));
  EXPECT_EQ(waypoints_of("floor2", 30, 425, 500, 425), (std::vector<P>{{500, 425}}));
  EXPECT_EQ(waypoints_of("floor2", 390, 320, 30, 425), (std::vector<P>{{300, 380}, {30, 425}}));
  EXPECT_EQ(waypoints_of("floor2", 500, 425, 390, 320), (std::vector<P>{{390, 320}}));
}

TEST(OldSchoolRules, BiologRoutesRoundTheBenches) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("biolog", 100, 300), P(165, 335));
  EXPECT_EQ(area_of("biolog", 400, 300), P(400, 335));
  EXPECT_EQ(area_of("biolog", 600, 400, 490, 400), P(510, 400));
  EXPECT_EQ(area_of("biolog", 600, 400, 600, 340), P(600, 345));
  EXPECT_EQ(area_of("biolog", 350, 400, 300, 340), P(350, 345));
  EXPECT_EQ(area_of("biolog", 350, 400, 150, 420), P((48900 - 55 * 400) / 125, 400));
  EXPECT_EQ(area_of("biolog", 350, 400, 490, 420), P(470, 400));
  EXPECT_EQ(waypoints_of("biolog", 150, 420, 490, 420), (std::vector<P>{{210, 340}, {450, 340}, {490, 420}}));
  EXPECT_EQ(waypoints_of("biolog", 490, 420, 150, 420), (std::vector<P>{{450, 340}, {210, 340}, {150, 420}}));
  EXPECT_EQ(waypoints_of("biolog", 490, 420, 600, 340), (std::vector<P>{{450, 340}, {600, 340}}));
}

TEST(OldSchoolRules, ChimietpGoesRoundTheLabBenchByItsBack) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("chimietp", 200, 100), P(255, 235));
  EXPECT_EQ(waypoints_of("chimietp", 160, 330, 570, 250),
            (std::vector<P>{{160, 310}, {265, 240}, {380, 240}, {530, 270}, {570, 250}}));
  EXPECT_EQ(waypoints_of("chimietp", 200, 300, 570, 250), (std::vector<P>{{265, 240}, {380, 240}, {530, 270}, {570, 250}}));
  EXPECT_EQ(waypoints_of("chimietp", 570, 250, 200, 300), (std::vector<P>{{530, 270}, {390, 260}, {265, 240}, {200, 300}}));
  EXPECT_EQ(waypoints_of("chimietp", 570, 250, 400, 250), (std::vector<P>{{530, 270}, {400, 250}}));
  // From the left the hero comes round the bench's back corner to the door.
  EXPECT_LE(walk_gap("chimietp", {160, 330}, {570, 250}), 10);
}

TEST(OldSchoolRules, PhysikAndPhysiktp) {
  test_support::fresh_game();
  EXPECT_EQ(area_of("physik", 640, 400), P(540, 300));
  EXPECT_EQ(area_of("physik", 100, 300), P(225, 375));
  EXPECT_EQ(area_of("physik", 300, 300, 300, 400), P(300, (63 * 300 + 197994) / 635 + 30));
  EXPECT_EQ(waypoints_of("physik", 400, 420, 520, 290), (std::vector<P>{{510, 380}, {520, 290}}));
  EXPECT_EQ(waypoints_of("physik", 520, 290, 400, 420), (std::vector<P>{{400, 420}}));
  EXPECT_EQ(area_of("physiktp", 100, 480), P(285, 375));
  EXPECT_EQ(area_of("physiktp", 100, 200), P(285, 340));
  EXPECT_EQ(area_of("physiktp", 700, 450), P(620, 410));
  EXPECT_EQ(area_of("physiktp", 640, 300), P(565, 350));
  EXPECT_EQ(area_of("physiktp", 400, 200), P(400, (22 * 400 + 107608) / 348 + 10));
}

TEST(OldSchoolRules, TheRoutedRoomsOfOurOwn) {
  test_support::fresh_game();
  // kicker: round the table football by its nearer end.
  EXPECT_EQ(waypoints_of("kicker", 200, 350, 220, 450), (std::vector<P>{{135, 365}, {135, 410}, {220, 450}}));
  EXPECT_EQ(waypoints_of("kicker", 300, 450, 310, 350), (std::vector<P>{{345, 410}, {345, 365}, {310, 350}}));
  EXPECT_EQ(waypoints_of("kicker", 450, 350, 500, 450), (std::vector<P>{{500, 450}}));
  EXPECT_EQ(area_of("kicker", 200, 380, 200, 350), P(200, 365));
  EXPECT_EQ(area_of("kicker", 200, 380, 200, 450), P(200, 410));
  // cafeteria: the aisle between the tables, or the passage by a wall.
  EXPECT_EQ(waypoints_of("cafeteria", 320, 250, 340, 450), (std::vector<P>{{330, 285}, {330, 380}, {340, 450}}));
  EXPECT_EQ(waypoints_of("cafeteria", 70, 250, 550, 455), (std::vector<P>{{330, 285}, {330, 380}, {550, 455}}));
  EXPECT_EQ(waypoints_of("cafeteria", 590, 235, 550, 455), (std::vector<P>{{550, 455}}));
  // class: in front of the desk by the door, then round the left row.
  EXPECT_EQ(waypoints_of("class", 625, 315, 200, 310), (std::vector<P>{{560, 340}, {260, 325}, {200, 310}}));
  EXPECT_EQ(waypoints_of("class", 300, 400, 625, 315), (std::vector<P>{{560, 340}, {625, 315}}));
  // floor3 (and floor5): round the railing of the stairwell.
  EXPECT_EQ(waypoints_of("floor3", 540, 380, 340, 440), (std::vector<P>{{368, 388}, {368, 432}, {340, 440}}));
  EXPECT_EQ(waypoints_of("floor5", 340, 440, 420, 360), (std::vector<P>{{368, 432}, {368, 388}, {420, 360}}));
  EXPECT_EQ(waypoints_of("floor3", 250, 350, 340, 440), (std::vector<P>{{340, 440}}));
  // floor4: round the showcase.
  EXPECT_EQ(waypoints_of("floor4", 300, 250, 310, 420), (std::vector<P>{{245, 312}, {245, 352}, {310, 420}}));
  EXPECT_EQ(area_of("floor4", 300, 330, 300, 250), P(300, 312));
  // floor6, hof, future_preau and biblio go through their one passage.
  EXPECT_EQ(waypoints_of("floor6", 310, 250, 440, 320), (std::vector<P>{{310, 305}, {440, 320}}));
  EXPECT_EQ(waypoints_of("floor6", 440, 320, 310, 250), (std::vector<P>{{310, 295}, {310, 250}}));
  EXPECT_EQ(waypoints_of("hof", 335, 280, 100, 310), (std::vector<P>{{200, 295}, {100, 310}}));
  EXPECT_EQ(waypoints_of("future_preau", 630, 340, 40, 320), (std::vector<P>{{225, 335}, {40, 320}}));
  EXPECT_EQ(waypoints_of("biblio", 580, 310, 400, 460), (std::vector<P>{{280, 350}, {250, 440}, {400, 460}}));
  EXPECT_EQ(waypoints_of("biblio", 400, 460, 580, 310), (std::vector<P>{{260, 450}, {260, 360}, {580, 310}}));
  // and the hero gets from the library's door to its front and back.
  EXPECT_LE(walk_gap("biblio", {580, 310}, {400, 460}), 10);
  EXPECT_LE(walk_gap("biblio", {400, 460}, {580, 310}), 10);
}

TEST(OldSchoolRules, MrsSandTalksInFourMoves) {
  const RoomScript* r = room_of("biolog");
  ASSERT_EQ(r->persons.size(), 4u);
  const char* names[] = {"sand", "sand_talk", "sandb", "sandb"};
  bool marked = false;
  for (int state = 0; state < 4; ++state) {
    EXPECT_EQ(r->persons[state].state, state);
    EXPECT_STREQ(r->persons[state].name, names[state]);
    EXPECT_GE(r->persons[state].frames.size(), 4u);
  }
  for (const Frame& f : r->persons[0].frames) marked = marked || f.talk;
  EXPECT_TRUE(marked) << "the idle loop has frames from which talking may start";
  EXPECT_EQ(r->persons[2].frames.front().object, r->persons[3].frames.back().object);
}
