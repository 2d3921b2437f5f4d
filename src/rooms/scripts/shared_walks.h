// Walking rules that several rooms share.
//
// The corridor shape most rooms of the old school are built on, as a template
// a room fills with its lines; and the rooms whose floor plan repeats: a room
// of the old school and its counterpart in the school of 2027, and the
// storeys that repeat. Each shared rule is defined once, in the file of the
// first room that has it, and the other rooms' records point at it.
//
// Like every walking rule, these work on the point (x, y) they are given: the
// dispatcher passes the target or the step and takes it back (see
// rooms/room_script.h).
#pragma once

#include "core/world.h"
#include "hero/hero.h"

namespace walks {

// A corridor seen down its length: a back edge, a left wall and a right wall.
// The hero may not go higher than row y0 (the back edge is drawn at row yb);
// the left wall al*x + bl*y = cl is walkable above cl, the right wall
// ar*x - br*y = cr below cr. A click past a wall above y0 goes to the back
// corner on that side.
struct Corridor {
  int y0, yb;
  int al, bl, cl;
  int ar, br, cr;
  int left_corner_x, left_corner_y;
  int right_corner_x, right_corner_y;
  // The left wall is tested before the back edge when a step is checked.
  bool left_wall_first = false;

  constexpr bool left_crossed(int px, int py) const { return al * px + bl * py <= cl; }
  constexpr bool right_crossed(int px, int py) const { return ar * px - br * py >= cr; }
};

// The corridor's area rules on the target (x, y); true when one matched.
template <Corridor C>
bool corridor_snap(int& x, int& y) {
  if (C.left_crossed(x, y) && y <= C.y0) {
    x = C.left_corner_x;
    y = C.left_corner_y;
  } else if (C.right_crossed(x, y) && y <= C.y0) {
    x = C.right_corner_x;
    y = C.right_corner_y;
  } else if (y <= C.y0) {
    y = C.yb;
  } else if (C.left_crossed(x, y)) {
    x = (C.cl - C.bl * y) / C.al;
  } else if (C.right_crossed(x, y)) {
    x = (C.cr + C.br * y) / C.ar;
  } else {
    return false;
  }
  return true;
}

// The corridor's wall responses on the step point (x, y); true when one applied.
template <Corridor C>
bool corridor_step(int& x, int& y) {
  if (C.left_wall_first && C.left_crossed(x, y))
    walk_d2(x, y);
  else if (y <= C.y0)
    walk_a2(x, y);
  else if (C.left_crossed(x, y))
    walk_d2(x, y);
  else if (C.right_crossed(x, y))
    walk_f2(x, y);
  else
    return false;
  return true;
}

// A room that is nothing but a corridor uses these two as its area and walk rules.
template <Corridor C>
void corridor_area(int& x, int& y) {
  corridor_snap<C>(x, y);
}
template <Corridor C>
void corridor_walk(int& x, int& y) {
  corridor_step<C>(x, y);
}

}  // namespace walks

// Old school and school of 2027: future_biolog walks like biolog,
// future_crossing like crossing, future_chimietp like chimietp, future_floor2
// like floor2, future_physik like physik, future_physiktp like physiktp.
void area_biolog(int& x, int& y);
void allow_walk_biolog(int& x, int& y);
void extra_click_biolog();
void area_crossing(int& x, int& y);
void allow_walk_crossing(int& x, int& y);
void extra_click_crossing();
void area_chimietp(int& x, int& y);
void allow_walk_chimietp(int& x, int& y);
void extra_click_chimietp();
void area_floor2(int& x, int& y);
void allow_walk_floor2(int& x, int& y);
void extra_click_floor2();
void area_physik(int& x, int& y);
void allow_walk_physik(int& x, int& y);
void extra_click_physik();
void area_physiktp(int& x, int& y);
void allow_walk_physiktp(int& x, int& y);
// future_floor shares the waypoint rule of future_floor1.
void extra_click_future_floor1();

// The storeys that repeat: floor12 walks like floor11, floor14 like floor13,
// floor5 like floor3.
void area_floor11(int& x, int& y);
void allow_walk_floor11(int& x, int& y);
void area_floor13(int& x, int& y);
void allow_walk_floor13(int& x, int& y);
void area_floor3(int& x, int& y);
void allow_walk_floor3(int& x, int& y);
void extra_click_floor3();
