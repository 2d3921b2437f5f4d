// Walking rules of the old school that several of its rooms share: the
// corridor shape most of the upper floors are built on, and the rooms whose
// floor plan repeats on another storey (the rooms of the second storey point
// at the hooks of the first).
#pragma once

#include "hero/hero.h"
#include "shell/world.h"

namespace old_school {

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

// The corridor's rules on the scratch point (x, y); true when one matched.
template <Corridor C>
bool corridor_snap() {
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
bool corridor_step() {
  if (C.left_wall_first && C.left_crossed(x, y))
    walk_d2();
  else if (y <= C.y0)
    walk_a2();
  else if (C.left_crossed(x, y))
    walk_d2();
  else if (C.right_crossed(x, y))
    walk_f2();
  else
    return false;
  return true;
}

// The previous path point: the last accepted step, or the hero for the first.
inline void previous_point() {
  last_x = mov_nr > 0 ? movement_x[mov_nr - 1] : hero_x;
  last_y = mov_nr > 0 ? movement_y[mov_nr - 1] : hero_y;
}

template <Corridor C>
void corridor_area() {
  x = true_x;
  y = true_y;
  corridor_snap<C>();
  true_x = x;
  true_y = y;
}

template <Corridor C>
void corridor_walk() {
  previous_point();
  x = buffer_x;
  y = buffer_y;
  corridor_step<C>();
  buffer_x = x;
  buffer_y = y;
}

// Waypoints: fills click_x/click_y from index 0, the target last.
class Route {
 public:
  void via(int px, int py) {
    click_x[n_] = px;
    click_y[n_] = py;
    ++n_;
  }
  ~Route() {
    click_x[n_] = true_x;
    click_y[n_] = true_y;
  }

 private:
  int n_ = 0;
};

}  // namespace old_school

// The storeys that repeat: floor12 walks like floor11, floor14 like floor13,
// floor5 like floor3.
void area_floor11();
void allow_walk_floor11();
void area_floor13();
void allow_walk_floor13();
void area_floor3();
void allow_walk_floor3();
void extra_click_floor3();
