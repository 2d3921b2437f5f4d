#include "frame/click_points.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "core/world.h"
#include "platform/platform.h"

namespace {
using screen_layout::kBagHit, screen_layout::kVerbHit;
using screen_layout::Point;
using Box = screen_layout::Rect;

Box box_of(bool person, int i) {
  return person ? Box{person_mouse_x[i], person_mouse_y[i], person_mouse_x2[i], person_mouse_y2[i]}
                : Box{furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i]};
}

bool over_button(int mx, int my) {
  return kBagHit.contains(mx, my) ||
         std::any_of(std::begin(kVerbHit), std::end(kVerbHit), [&](const Box& v) { return v.contains(mx, my); });
}

// On exit `from` or a later one (the game tests exits with open bounds).
bool on_exit(int mx, int my, int from = 0) {
  for (int k = from; k < exit_nr && k < kMaxExits; ++k)
    if (exit_x[k] < mx && mx < exit_x2[k] && exit_y[k] < my && my < exit_y2[k]) return true;
  return false;
}

bool interactive(bool person, int i) {
  return (person ? person_interact : furni_interact)[i] == 1 && (person ? person_present : furni_present)[i] == 1;
}

// The point (hx, hy) is on an interactive piece or person other than (person, slot).
bool on_other_thing(int hx, int hy, bool person, int slot) {
  for (bool p : {false, true})
    for (int i = 0; i < (p ? person_nr : furni_nr); ++i)
      if ((p != person || i != slot) && interactive(p, i) && box_of(p, i).contains(hx, hy)) return true;
  return false;
}

bool free_floor(int mx, int my) {
  return !over_button(mx, my) && !on_other_thing(mx, my, false, -1);
}
}  // namespace

bool on_floor(int mx, int my) {
  return free_floor(mx, my) && !on_exit(mx, my);
}

bool floor_point(int& mx, int& my) {
  for (int y = 20; y < 340; y += 8)
    for (int x = 20; x < 620; x += 8)
      if (on_floor(x, y)) return mx = x, my = y, true;
  return false;
}

bool exit_point(int k, int& mx, int& my) {
  if (k < 0 || k >= exit_nr || k >= kMaxExits) return false;
  for (int y = exit_y[k] + 1; y < exit_y2[k]; y += 3)
    for (int x = exit_x[k] + 1; x < exit_x2[k]; x += 3)
      if (free_floor(x, y) && !on_exit(x, y, k + 1))  // a later door wins where two overlap
        return mx = x, my = y, true;
  return false;
}

bool thing_point(bool person, int slot, int& mx, int& my) {
  const Box box = box_of(person, slot);
  const int reach = std::max(box.x2 - box.x1, box.y2 - box.y1);
  for (int r = 0; r <= reach; r += 2)
    for (int dy = -r; dy <= r; dy += 2)
      for (int dx = -r; dx <= r; dx += 2) {
        const int x = box.mid_x() + dx, y = box.mid_y() + dy;
        if (std::max(std::abs(dx), std::abs(dy)) != r || !box.contains(x, y) || x < 0 || y < 0 ||
            x >= screen_layout::kScreenWidth || y >= screen_layout::kScreenHeight || over_button(x, y) ||
            on_other_thing(x, y, person, slot))
          continue;
        return mx = x, my = y, true;
      }
  return false;
}

bool reads_before(const Point& a, const Point& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

std::vector<Point> room_click_points() {
  std::vector<Point> points;
  int x = 0, y = 0;
  for (bool person : {false, true})
    for (int i = 0; i < (person ? person_nr : furni_nr); ++i)
      if (interactive(person, i) && thing_point(person, i, x, y)) points.push_back({x, y});
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k)
    if (exit_point(k, x, y)) points.push_back({x, y});
  points.push_back({kBagHit.mid_x(), kBagHit.mid_y()});
  for (const Box& verb : kVerbHit) points.push_back({verb.mid_x(), verb.mid_y()});
  std::sort(points.begin(), points.end(), reads_before);
  return points;
}

namespace {
int jumps = 0;
}  // namespace

int pointer_jumps() {
  return jumps;
}

void jump_pointer(std::vector<Point> points, int step) {
  if (points.empty()) return;
  ++jumps;
  std::sort(points.begin(), points.end(), reads_before);
  const Point here{mouse_x, mouse_y};
  Point to = step > 0 ? points.front() : points.back();  // round at the ends
  if (step > 0) {
    auto after = std::upper_bound(points.begin(), points.end(), here, reads_before);
    if (after != points.end()) to = *after;
  } else {
    auto before = std::lower_bound(points.begin(), points.end(), here, reads_before);
    if (before != points.begin()) to = *std::prev(before);
  }
  platform_set_mouse(to.x, to.y);
}
