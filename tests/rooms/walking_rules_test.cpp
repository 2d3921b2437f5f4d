// Every room's walking rules: the walkable area, the walk rule at the walls, the waypoints, the rooms that share
// a floor plan, and in every room the ways from the doors.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/world.h"
#include "hero/hero.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/room_probe.h"

namespace {
using namespace room_probe;
using Way = std::vector<P>;

// What the room's walk rule makes of a first step `code` from (lx, ly) to (sx, sy): {code, x, y}.
std::vector<int> step_of(const char* room, int lx, int ly, int code, int sx, int sy) {
  room_name = room, hero_x = lx, hero_y = ly, mov_nr = 0, hero_action[0] = code, buffer_x = sx, buffer_y = sy;
  allow_walk();
  return {hero_action[0], buffer_x, buffer_y};
}

// Where a walk click from `from` to `to` ends (area, waypoints, path); {-1, -1} when it is given up.
P walk_end(const char* room, P from, P to) {
  room_name = room, hero_x = from.first, hero_y = from.second, true_x = to.first, true_y = to.second;
  click_x2 = click_y2 = -1000; allow_click();
  calc_coor();
  if (mov_nr >= kStanding) return {-1, -1};
  return {movement_x[mov_nr - 1], movement_y[mov_nr - 1]};
}

struct WalkingRules : testing::Test {
  void SetUp() override { reset_world(); }
};
}  // namespace

// One click per branch of each room's area and one on each side of its edges; in entree, aula, crossing, floor2,
// biolog and kicker the hero's side of the block decides.
TEST_F(WalkingRules, TheWalkableAreaMovesAClickOntoTheFloor) {
  struct Click {
    int tx, ty, x, y;        // the click, and where the area puts it
    int hx = 320, hy = 300;  // where the hero stands
  };
  const struct { const char* room; std::vector<Click> clicks; } rooms[] = {
      // future_floor: back edge row 225 between the walls, the corners beyond them, the walls' lines.
      {"future_floor", {{320, 100, 320, 225}, {286, 219, 286, 225}, {285, 219, 290, 225}, {358, 219, 358, 225},
          {359, 219, 355, 225}, {320, 220, 320, 220}, {100, 400, (111876 - 170 * 400) / 261, 400},
          {168, 400, 168, 400}, {167, 400, 168, 400}, {459, 400, 459, 400}, {460, 400, (146 * 400 + 61968) / 262, 400}}},
      // future_floor15: back edge row 295, the left wall at x 210, the right wall 235y = 195x - 12000.
      {"future_floor15", {{200, 285, 210, 295}, {201, 285, 201, 295}, {300, 100, 400, 295}, {300, 286, 300, 286},
          {200, 400, 210, 400}, {201, 400, 201, 400}, {543, 400, 543, 400}, {544, 400, (235 * 400 + 12000) / 195, 400}}},
      // future_chimie: corners, the left wall, the front edge, the alcove and the counter, in the order of its rules.
      {"future_chimie", {{200, 200, 285, 360}, {200, 470, 285, 420}, {200, 390, (2 * 390 + 21000) / 78, 390},
          {279, 390, 279, 390}, {560, 450, 500, 380}, {400, 470, 400, (177656 - 60 * 400) / 376}, {400, 408, 400, 408},
          {400, 409, 400, 408}, {350, 342, 420, 345}, {350, 343, 350, 343}, {560, 200, 500, 270}, {560, 300, 500, 300},
          {509, 300, 509, 300}, {450, 200, 450, (35089 - 9 * 450) / 116}, {450, 267, 450, 267}, {450, 266, 450, 267}}},
      // future_floor1: the back corners, the back row 160, the walls 320x + 245y = 130400 and 320x = 230y + 75200.
      {"future_floor1", {{100, 100, 295, 170}, {600, 100, 340, 170}, {320, 150, 320, 170}, {320, 161, 320, 161},
          {600, 300, 450, 300}, {100, 300, (130400 - 245 * 300) / 320, 300}, {320, 400, 320, 400}}},
      // floor8: the back row 290, the right wall 160x = 140y + 27200, the corner by the door seen from the back.
      {"floor8", {{300, 200, 300, 290}, {100, 100, 235, 290}, {320, 400, 320, 400},
          {600, 400, (140 * 400 + 27200) / 160, 400}, {500, 250, 355, 290, 320, 300}, {500, 250, 500, 330, 320, 330}}},
      {"entree", {{350, 320, 350, 280, 300, 280}, {350, 320, 350, 360, 300, 400}, {250, 320, 250, 320, 470, 300}}},
      // floor7: back edge y 260 above row 250, corners (250, 260) and (390, 260), the left wall 230x + 200y = 105200.
      {"floor7", {{320, 250, 320, 260}, {320, 251, 320, 251}, {100, 200, 250, 260}, {600, 200, 390, 260},
          {190, 296, (105200 - 200 * 296) / 230, 296}, {200, 297, 200, 297}}},
      // floor15's right wall 195x - 235y = 12000; floor12 walks like floor11, floor14 like floor13.
      {"floor15", {{600, 400, (12000 + 235 * 400) / 195, 400}, {543, 400, 543, 400}}},
      {"floor12", {{100, 100, 290, 245}}}, {"floor14", {{600, 300, 395, 330}}}, {"chimietp", {{200, 100, 255, 235}}},
      {"floor9", {{100, 100, 175, 300}, {500, 290, 465, 300}, {300, 291, 300, 291},
          {100, 300, (66000 - 165 * 300) / 110, 300}, {100, 301, (66000 - 165 * 301) / 110, 301}}},
      {"portier", {{600, 335, 600, 345}, {600, 336, 600, 336}, {400, 360, 400, 370},
          {200, 300, 200, (162860 - 119 * 200) / 340}}},
      {"preau2", {{50, 200, 120, 305}, {50, 400, 120, 400}, {400, 300, 400, (15 * 400 + 140475) / 435}}},
      {"cantina", {{0, 100, 125, 200}, {250, 150, 185, 200}, {150, 180, 150, 200}}},
      {"toilette", {{100, 100, 340, 300}, {600, 100, 470, 310}, {400, 400, 400, 400}}},
      {"aula", {{400, 300, 465, 345}, {500, 300, 550, 325}, {500, 330, 500, 345, 470, 440},
          {500, 330, 550, 330, 600, 330}, {600, 400, 475, 400, 470, 440}, {600, 400, 600, 345, 600, 330}}},
      {"crossing", {{0, 300, 135, 370}, {200, 340, 200, 370, 100, 400}, {200, 340, 295, 340, 400, 340},
          {600, 300, 450, 330}, {600, 400, 540, 400}}},
      {"floor2", {{100, 300, 100, (114000 - 1500) / 300, 30, 425}, {100, 300, 300, 315, 390, 320},
          {100, 340, 300, 340, 390, 320}, {600, 300, 390, 315}}},
      {"biolog", {{100, 300, 165, 335}, {400, 300, 400, 335}, {600, 400, 510, 400, 490, 400},
          {600, 400, 600, 345, 600, 340}, {350, 400, 350, 345, 300, 340},
          {350, 400, (48900 - 55 * 400) / 125, 400, 150, 420}, {350, 400, 470, 400, 490, 420}}},
      {"physik", {{640, 400, 540, 300}, {100, 300, 225, 375}, {300, 300, 300, (63 * 300 + 197994) / 635 + 30, 300, 400}}},
      {"physiktp", {{100, 480, 285, 375}, {100, 200, 285, 340}, {700, 450, 620, 410}, {640, 300, 565, 350},
          {400, 200, 400, (22 * 400 + 107608) / 348 + 10}}},
      {"kicker", {{200, 380, 200, 365, 200, 350}, {200, 380, 200, 410, 200, 450}}}, {"floor4", {{300, 330, 300, 312, 300, 250}}},
  };
  for (const auto& r : rooms)
    for (const Click& c : r.clicks)
      EXPECT_EQ(area_of(r.room, c.tx, c.ty, c.hx, c.hy), P(c.x, c.y))
          << r.room << ": click at " << c.tx << ", " << c.ty << ", hero at " << c.hx << ", " << c.hy;
}

TEST_F(WalkingRules, TheWalkRuleTurnsOrCutsAStepIntoAWall) {
  constexpr int U = kStepUp, D = kStepDown, L = kStepLeft, R = kStepRight;
  constexpr int UL = kStepUpLeft, UR = kStepUpRight, DL = kStepDownLeft, DR = kStepDownRight;
  struct Step { int lx, ly, code, sx, sy; std::vector<int> left; };  // from (lx, ly), step `code` to (sx, sy): left
  const struct { const char* room; std::vector<Step> steps; } rooms[] = {
      {"future_floor", {{328, 223, UL, 320, 219, {UL, 320, 223}}, {328, 224, UL, 320, 220, {UL, 320, 220}},
          {180, 400, L, 172, 400, {L, 172, 400}}, {176, 400, L, 168, 400, {DL, 176, 404}},
          {452, 400, R, 460, 400, {DR, 452, 404}}, {444, 400, R, 452, 400, {R, 452, 400}}}},
      {"future_floor1", {{328, 164, UL, 320, 160, {UL, 320, 164}}, {328, 165, UL, 320, 161, {UL, 320, 161}},
          {184, 300, L, 176, 300, {DL, 184, 304}}, {443, 300, R, 451, 300, {DR, 443, 304}},
          {442, 300, R, 450, 300, {R, 450, 300}}}},
      {"future_floor15", {{308, 289, UL, 300, 285, {UL, 300, 289}}, {208, 404, DL, 200, 408, {DL, 208, 408}},
          {209, 404, DL, 201, 408, {DL, 201, 408}}, {536, 400, R, 544, 400, {DR, 536, 404}}}},
      // future_chimie: the front edge, the back edge, the alcove's back, the counter, the left wall.
      {"future_chimie", {{400, 405, D, 400, 409, {DL, 392, 405}}, {350, 344, U, 350, 340, {UR, 358, 344}},
          {450, 270, U, 450, 266, {UR, 458, 270}}, {504, 300, DR, 512, 304, {DR, 504, 304}},
          {392, 380, R, 400, 380, {R, 400, 380}}, {440, 300, UL, 432, 296, {UL, 432, 296}},
          {282, 380, DL, 274, 384, {DL, 282, 384}}, {408, 334, UL, 400, 330, {UL, 408, 330}}}},
      // Crossing the left wall and the back row at once: along the wall (x + 16), not the edge (y + 4).
      {"aqua", {{420, 229, UL, 412, 225, {UL, 428, 225}}}}, {"floor15", {{236, 289, UL, 228, 285, {UL, 228, 289}}}},
  };
  for (const auto& r : rooms)
    for (const Step& c : r.steps)
      EXPECT_EQ(step_of(r.room, c.lx, c.ly, c.code, c.sx, c.sy), c.left)
          << r.room << ": step " << c.code << " from " << c.lx << ", " << c.ly;
}

TEST_F(WalkingRules, WaypointsLeadRoundWhatStandsInTheWay) {
  struct Walk { int hx, hy, tx, ty; Way way; };  // from the hero to the click
  const struct { const char* room; std::vector<Walk> walks; } rooms[] = {
      // future_floor1: a target well below the hero is reached through the middle of the corridor.
      {"future_floor1", {{298, 267, 320, 400, {{320, 370}, {320, 400}}}, {298, 267, 320, 290, {{320, 290}}}}},
      {"future_chimie", {{470, 275, 300, 400, {{300, 400}}}}},
      {"entree", {{470, 300, 250, 320, {{445, 285}, {265, 285}, {250, 320}}},
          {400, 400, 350, 250, {{445, 365}, {445, 285}, {350, 250}}}, {300, 280, 320, 250, {{320, 250}}}}},
      {"aula", {{470, 440, 600, 330, {{475, 345}, {600, 330}}}, {600, 330, 470, 440, {{475, 345}, {470, 440}}},
          {470, 350, 470, 440, {{470, 440}}}}},
      {"crossing", {{320, 330, 100, 400, {{290, 370}, {100, 400}}}, {100, 400, 320, 330, {{290, 370}, {320, 330}}},
          {320, 330, 520, 400, {{520, 400}}}}},
      {"floor2", {{390, 320, 30, 425, {{300, 380}, {30, 425}}}, {30, 425, 500, 425, {{500, 425}}}}},
      {"biolog", {{150, 420, 490, 420, {{210, 340}, {450, 340}, {490, 420}}},
          {490, 420, 150, 420, {{450, 340}, {210, 340}, {150, 420}}}, {490, 420, 600, 340, {{450, 340}, {600, 340}}}}},
      {"chimietp", {{160, 330, 570, 250, {{160, 310}, {265, 240}, {380, 240}, {530, 270}, {570, 250}}},
          {570, 250, 200, 300, {{530, 270}, {390, 260}, {265, 240}, {200, 300}}}}},
      {"physik", {{400, 420, 520, 290, {{510, 380}, {520, 290}}}, {520, 290, 400, 420, {{400, 420}}}}},
      // kicker: round the table football; cafeteria: the aisle between the tables; floor3: round the railing.
      {"kicker", {{200, 350, 220, 450, {{135, 365}, {135, 410}, {220, 450}}},
          {300, 450, 310, 350, {{345, 410}, {345, 365}, {310, 350}}}, {450, 350, 500, 450, {{500, 450}}}}},
      {"cafeteria", {{320, 250, 340, 450, {{330, 285}, {330, 380}, {340, 450}}},
          {70, 250, 550, 455, {{330, 285}, {330, 380}, {550, 455}}}, {590, 235, 550, 455, {{550, 455}}}}},
      {"class", {{625, 315, 200, 310, {{560, 340}, {260, 325}, {200, 310}}}}},
      {"floor3", {{540, 380, 340, 440, {{368, 388}, {368, 432}, {340, 440}}}, {250, 350, 340, 440, {{340, 440}}}}},
      {"floor4", {{300, 250, 310, 420, {{245, 312}, {245, 352}, {310, 420}}}}},
      {"floor6", {{310, 250, 440, 320, {{310, 305}, {440, 320}}}, {440, 320, 310, 250, {{310, 295}, {310, 250}}}}},
      {"hof", {{335, 280, 100, 310, {{200, 295}, {100, 310}}}}}, {"future_preau", {{630, 340, 40, 320, {{225, 335}, {40, 320}}}}},
      {"biblio", {{580, 310, 400, 460, {{280, 350}, {250, 440}, {400, 460}}},
          {400, 460, 580, 310, {{260, 450}, {260, 360}, {580, 310}}}}},
  };
  for (const auto& r : rooms)
    for (const Walk& c : r.walks)
      EXPECT_EQ(waypoints_of(r.room, c.hx, c.hy, c.tx, c.ty), c.way)
          << r.room << ": from " << c.hx << ", " << c.hy << " to " << c.tx << ", " << c.ty;
}

// The school of 2027 walks on the floors of the old one; a few old rooms share a rule with their neighbour.
TEST_F(WalkingRules, RoomsOnTheSameFloorPlanWalkAlike) {
  const struct { const char *a, *b; bool area, walk, waypoints; } twins[] = {
      {"future_physik", "physik", true, true, true},       {"future_crossing", "crossing", true, true, true},
      {"future_biolog", "biolog", true, true, true},       {"future_physiktp", "physiktp", true, true, false},
      {"future_floor2", "floor2", true, true, true},       {"future_chimietp", "chimietp", true, true, true},
      {"future_floor", "future_floor1", false, false, true}, {"floor12", "floor11", true, false, false},
      {"floor14", "floor13", false, true, false},          {"floor5", "floor3", false, false, true},
  };
  for (const auto& t : twins)
    for (int cx = 0; cx <= 640; cx += 40)
      for (int cy = 100; cy <= 480; cy += 20) {
        if (t.area) ASSERT_EQ(area_of(t.a, cx, cy, 320, 380), area_of(t.b, cx, cy, 320, 380)) << t.a << cx << "," << cy;
        if (t.waypoints)
          ASSERT_EQ(waypoints_of(t.a, 320, 380, cx, cy), waypoints_of(t.b, 320, 380, cx, cy)) << t.a << cx << "," << cy;
        for (int code = kStepUp; t.walk && code <= kStepDownRight; ++code)
          ASSERT_EQ(step_of(t.a, cx, cy, code, cx + 8, cy + 4), step_of(t.b, cx, cy, code, cx + 8, cy + 4))
              << t.a << " step " << code << " at " << cx << "," << cy;
      }
}

// From every arrival the hero reaches every door, piece and person; one way is given up: floor10's stairs (290, 265)
// lie two steps from the left wall, and the diagonal from the floor7 door passes them across the wall.
TEST_F(WalkingRules, InEveryRoomTheHeroGetsFromEveryArrivalToEveryDoorAndStandingPoint) {
  for (const RoomScript* r : kRooms) {
    const std::vector<P> arrivals = arrivals_in(r->name);
    ASSERT_FALSE(arrivals.empty()) << r->name;
    const P floor = area_of(r->name, 320, 5, arrivals[0].first, arrivals[0].second);
    EXPECT_GT(floor.second, 100) << r->name << ": a click on the ceiling";
    EXPECT_EQ(area_of(r->name, floor.first, floor.second, floor.first, floor.second), floor) << r->name;
    EXPECT_NE(step_of(r->name, floor.first, floor.second, kStepUpLeft, floor.first - 8, 5),
              (std::vector<int>{kStepUpLeft, floor.first - 8, 5})) << r->name << ": a step into the ceiling";
    auto check = [&](const std::string& what, P spot, int reach_x, int reach_y) {
      auto near = [&](P a) { return std::abs(a.first - spot.first) <= reach_x && std::abs(a.second - spot.second) <= reach_y; };
      for (const P& a : arrivals) {
        if (near(a)) continue;
        const P end = walk_end(r->name, a, spot);
        const bool given_up = what == "exit 5" && std::strcmp(r->name, "floor10") == 0 && a == P(380, 310);
        EXPECT_TRUE(given_up ? end == P(-1, -1) : near(end))
            << r->name << " from " << a.first << ", " << a.second << " to " << what << ": ends at " << end.first
            << ", " << end.second;
      }
    };
    for (const P& a : arrivals) EXPECT_EQ(area_of(r->name, a.first, a.second, a.first, a.second), a) << r->name;
    for (int k = 0; k < r->exit_nr; ++k)
      check("exit " + std::to_string(k), {r->exits[k].goto_x, r->exits[k].goto_y}, 10, 10);
    for (const FurniState& s : r->furniture)
      if (s.interact || s.take) check(s.name, {s.goto_x, s.goto_y}, 8, 4);
    for (const PersonState& s : r->persons)
      if (s.talk) check(s.name, {s.goto_x, s.goto_y}, 10, 10);
  }
}
