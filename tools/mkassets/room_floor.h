// What counts as floor in a room picture. The generator paints the floor
// exactly where a room's area hook leaves a target point unchanged, and keeps
// the floor's colours in a class of their own, so that the picture can be
// checked against the hook: the old school's floors are green linoleum, lawn
// and moss, the school of 2027 has teal floors with cyan seams; nothing
// painted above or beside the floor falls into that class.
#pragma once

#include <cstring>

namespace room_floor {

// Where the hero is thought to stand while a target is tested: some area
// rules move a point differently by the hero's side of a boundary, so a point
// is walkable when it stays unchanged for every one of these.
inline constexpr int kHeroProbes[][2] = {{320, 470}, {320, 200}, {60, 330}, {600, 330}};

// Where a room has no area hook yet: a floor from y 200 down, its side walls
// leaning inwards at the back.
inline bool fallback_walkable(int x, int y) {
  if (y < 200) return false;
  const int inset = (480 - y) / 3;
  return x >= inset - 20 && x < 660 - inset;
}

inline bool is_future(const char* room) { return std::strncmp(room, "future_", 7) == 0; }

// The floor score of a colour (8-bit channels): high for the floor's green or
// teal, low for everything else.
inline int score(bool future, int r, int g, int b) {
  const int a = g - r;
  const int c = g - b + (future ? 30 : 20);
  return a < c ? a : c;
}
inline constexpr int kThreshold = 16;  // a pixel belongs to the floor from here
inline constexpr int kFloorAtLeast = 30;  // what the generator keeps floor pixels at
inline constexpr int kWallAtMost = 2;     // and everything else at

// An open exit along the screen's edge that is not a door but the corridor
// running on out of the picture: along the bottom, or the full side.
inline bool edge_passage(int open, int x, int y, int x2, int y2) {
  const bool edge = x <= 0 || x2 >= 640 || y <= 0 || y2 >= 480;
  return open && edge && (y2 >= 475 || y2 - y >= 300);
}

inline bool is_floor_colour(bool future, int r, int g, int b) { return score(future, r, g, b) >= kThreshold; }

}  // namespace room_floor
