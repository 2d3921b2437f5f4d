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
#include "support/test_support.h"

namespace {

using P = std::pair<int, int>;

P area_of(const char* room, int tx, int ty, int hx = 320, int hy = 300) {
  room_name = room;
  hero_x = hx;
  hero_y = hy;
  true_x = tx;
  true_y = ty;
  allow_click();
  return {true_x, true_y};
}

std::vector<P> waypoints_of(const char* room, int hx, int hy, int tx, int ty) {
  room_name = room;
  hero_x = hx;
  hero_y = hy;
  true_x = tx;
  true_y = ty;
  for (int k = 0; k < kWaypoints; ++k) click_x[k] = click_y[k] = -1;
  extra_click();
  std::vector<P> w;
  for (int k = 0; k < kWaypoints && click_x[k] != -1; ++k) w.push_back({click_x[k], click_y[k]});
  return w;
}

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

// Where the hero arrives in `room`: the arrival column of every clickable
// exit of every room that leads into it.
std::vector<P> arrivals_in(const std::string& room) {
  std::vector<P> a;
  for (const RoomScript* r : kRooms)
    for (int k = 0; k < r->exit_nr; ++k)
      if (room == r->exits[k].target) a.push_back({r->exits[k].arrive_x, r->exits[k].arrive_y});
  return a;
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
  if (mov_nr >= 199) return 999;
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
    const RoomScript* r = room_of(name);
    ASSERT_NE(r, nullptr) << name;
    EXPECT_NE(r->area, nullptr) << name;
    EXPECT_NE(r->allow_walk, nullptr) << name;
    EXPECT_NE(r->extra_click, nullptr) << name;
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
