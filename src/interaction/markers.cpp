#include "interaction/markers.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <allegro.h>

#include "core/world.h"
#include "frame/text.h"
#include "platform/platform.h"
#include "rooms/registry.h"

namespace {

using screen_layout::Rect;

bool wanted = false;

// The dot is 4 px round its point, and its name starts 7 px under it; the
// lettering's outline takes a pixel on every side.
constexpr int kDotRadius = 4;
constexpr int kNameBelowDot = 7;
constexpr int kNameGap = 3;

bool overlap(const Rect& a, const Rect& b) {
  return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

bool on_screen(const Rect& r) {
  return r.x1 >= 0 && r.y1 >= 0 && r.x2 < screen_layout::kScreenWidth && r.y2 < screen_layout::kScreenHeight;
}

Rect moved(const Rect& r, int dx, int dy) {
  return {r.x1 + dx, r.y1 + dy, r.x2 + dx, r.y2 + dy};
}

// How far a name may be pushed from its place under the dot, shortest first:
// up and down in steps of 2 px, sideways in steps of 4 px, a pixel sideways
// counting twice as far as one up or down.
struct Push {
  int dx, dy;
};
constexpr int kReachUpDown = 160, kReachSideways = 200;
const std::vector<Push>& pushes() {
  static const std::vector<Push> all = [] {
    std::vector<Push> v;
    for (int dy = -kReachUpDown; dy <= kReachUpDown; dy += 2)
      for (int dx = -kReachSideways; dx <= kReachSideways; dx += 4) v.push_back({dx, dy});
    std::stable_sort(v.begin(), v.end(), [](Push a, Push b) {
      return std::abs(a.dy) + 2 * std::abs(a.dx) < std::abs(b.dy) + 2 * std::abs(b.dx);
    });
    return v;
  }();
  return all;
}

// Where the name goes: under its dot if that is free, else the shortest push
// that keeps it on the screen and off every area of `taken`; under the dot,
// kept on the screen, if nothing fits.
Rect place_name(const Rect& under_dot, const std::vector<Rect>& taken) {
  for (const Push& p : pushes()) {
    const Rect r = moved(under_dot, p.dx, p.dy);
    if (on_screen(r) && std::none_of(taken.begin(), taken.end(), [&](const Rect& t) { return overlap(r, t); }))
      return r;
  }
  const int dx = std::clamp(under_dot.x1, 0, screen_layout::kScreenWidth - under_dot.width()) - under_dot.x1;
  const int dy = std::clamp(under_dot.y1, 0, screen_layout::kScreenHeight - under_dot.height()) - under_dot.y1;
  return moved(under_dot, dx, dy);
}

// The dots of the room in the order they are named: open exits, pieces the
// player can act on, persons the player can act on.
std::vector<Marker> dots() {
  std::vector<Marker> out;
  auto add = [&](int x1, int y1, int x2, int y2, const char* name) {
    out.push_back({(x1 + x2) / 2, (y1 + y2) / 2, name, {}});
  };
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k)
    if (go_through[k] == 1) add(exit_x[k], exit_y[k], exit_x2[k], exit_y2[k], exit_label(k));
  for (int i = 0; i < furni_nr && i < kMaxFurni; ++i)
    if (furni_present[i] == 1 && furni_interact[i] == 1)
      add(furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i], piece_label(i));
  for (int j = 0; j < person_nr && j < kMaxPersons; ++j)
    if (person_present[j] == 1 && person_interact[j] == 1)
      add(person_mouse_x[j], person_mouse_y[j], person_mouse_x2[j], person_mouse_y2[j], person_label(j));
  return out;
}

}  // namespace

std::vector<Marker> room_markers() {
  std::vector<Marker> markers = dots();
  // Nothing is lettered over the bag, the verb panel or a dot.
  std::vector<Rect> taken = {screen_layout::kBagArea, screen_layout::kVerbPanelArea};
  for (const Marker& m : markers)
    taken.push_back({m.dot_x - kDotRadius, m.dot_y - kDotRadius, m.dot_x + kDotRadius, m.dot_y + kDotRadius});
  const int h = pv_font ? text_height(pv_font) : 0;
  for (Marker& m : markers) {
    if (!m.name) continue;
    const int w = pv_font ? text_length(pv_font, m.name) : 0;
    const int tx = m.dot_x - w / 2, ty = m.dot_y + kNameBelowDot;
    m.box = place_name({tx - 1, ty - 1, tx + w, ty + h}, taken);
    // Names side by side keep a few pixels apart.
    taken.push_back({m.box.x1 - kNameGap, m.box.y1, m.box.x2 + kNameGap, m.box.y2});
  }
  return markers;
}

bool markers_wanted_changed() {
  const bool now = platform_key_held(KEY_TAB) == 1;
  const bool changed = now != wanted;
  wanted = now;
  return changed;
}

void draw_markers() {
  if (!wanted || !memory_screen) return;
  const std::vector<Marker> markers = room_markers();
  const int dot = makecol(255, 230, 80), white = makecol(255, 255, 255);
  for (const Marker& m : markers) {
    circlefill(memory_screen, m.dot_x, m.dot_y, kDotRadius, 0);
    circlefill(memory_screen, m.dot_x, m.dot_y, kDotRadius - 1, dot);
  }
  if (!pv_font) return;
  for (const Marker& m : markers)
    if (m.name) outlined_text(m.name, m.box.x1 + 1, m.box.y1 + 1, white);
}
