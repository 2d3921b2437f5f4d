// The hero: a pupil of 2027 in a dark hoodie with glowing trim, grey trousers,
// white sneakers and a slim backpack.
//
// He is a small puppet in three dimensions. A pose gives the direction he faces,
// where his ankles are, how high his hips are, how far he leans and how his arms
// hang; from that the joints are placed, and every body part is drawn as the
// outline (convex hull) of a few horizontal ellipses or circles seen from slightly
// above, filled with a gradient and stroked with a dark line. The same routine
// draws every view, so he looks the same from all eight directions.
//
// World coordinates: x to the right of the picture, y downwards (pixels of the
// 125 x 200 frame), z towards the viewer. A point at depth z is drawn kTilt * z
// pixels lower, as the room is seen from a little above.

#include "hero_art.h"
#include "maths.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace hero_art {
namespace {

using mkassets::kPi;

constexpr double kTilt = 0.28;
constexpr double kAnkleY = kFootY - 4.0;  // the sole is 4 px below the ankle
constexpr double kThigh = 37.0;
constexpr double kShin = 33.0;
constexpr double kUpperArm = 27.0;
constexpr double kForearm = 24.0;
constexpr double kOutline = 1.8;

double rad(double deg) { return deg * kPi / 180.0; }

double smooth_step(double t) {
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return t * t * (3 - 2 * t);
}

struct V3 {
  double x = 0, y = 0, z = 0;
};
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double length(V3 a) { return std::sqrt(dot(a, a)); }
V3 normalised(V3 a) {
  double l = length(a);
  return l > 1e-9 ? a * (1.0 / l) : V3{0, 1, 0};
}

struct P2 {
  double x = 0, y = 0;
};
P2 project(V3 v) { return {v.x, v.y + kTilt * v.z}; }

struct Rgb {
  double r, g, b;
};
Rgb shade(Rgb c, double k) {
  return {std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0),
          std::clamp(c.b * k, 0.0, 1.0)};
}

// The hero's colours.
constexpr Rgb kInk{0.07, 0.06, 0.10};
constexpr Rgb kSkin{0.96, 0.76, 0.62};
constexpr Rgb kHair{0.42, 0.24, 0.12};
constexpr Rgb kHoodie{0.16, 0.30, 0.52};
constexpr Rgb kHood{0.13, 0.25, 0.44};
constexpr Rgb kGlow{0.30, 0.95, 0.95};
constexpr Rgb kTrousers{0.27, 0.28, 0.33};
constexpr Rgb kShoe{0.95, 0.95, 0.97};
constexpr Rgb kSole{0.20, 0.75, 0.80};
constexpr Rgb kPack{0.85, 0.45, 0.12};
constexpr Rgb kMouth{0.45, 0.10, 0.12};

void set_rgb(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// ---------------------------------------------------------------- filling shapes

// Fills the current path with a sideways gradient (light from the upper left)
// and strokes it with the outline colour.
void fill_shaded(cairo_t* cr, Rgb c, double outline = kOutline) {
  double x0, y0, x1, y1;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* pat = cairo_pattern_create_linear(x0, y0, x1, y1 + (x1 - x0) * 0.3);
  Rgb hi = shade(c, 1.28), lo = shade(c, 0.72);
  cairo_pattern_add_color_stop_rgb(pat, 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(pat, 0.45, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(pat, 1.0, lo.r, lo.g, lo.b);
  cairo_set_source(cr, pat);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pat);
  if (outline > 0) {
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
  }
}

// Convex hull (Andrew's monotone chain) of screen points.
std::vector<P2> hull(std::vector<P2> p) {
  std::sort(p.begin(), p.end(), [](P2 a, P2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (p.size() < 3) return p;
  auto cross = [](P2 o, P2 a, P2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); };
  std::vector<P2> h(2 * p.size());
  size_t k = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  for (size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(h[k - 2], h[k - 1], p[i - 1]) <= 0) --k;
    h[k++] = p[i - 1];
  }
  h.resize(k - 1);
  return h;
}

void polygon_path(cairo_t* cr, const std::vector<P2>& pts) {
  cairo_new_path(cr);
  for (size_t i = 0; i < pts.size(); ++i) {
    if (i == 0)
      cairo_move_to(cr, pts[i].x, pts[i].y);
    else
      cairo_line_to(cr, pts[i].x, pts[i].y);
  }
  cairo_close_path(cr);
}

// An ellipse lying in the horizontal plane around `c`, with half axes `a` along
// `u` and `b` along `v` (both horizontal unit vectors), sampled for a hull.
void add_ring(std::vector<P2>& pts, V3 c, V3 u, double a, V3 v, double b) {
  for (int i = 0; i < 24; ++i) {
    double t = 2 * kPi * i / 24;
    pts.push_back(project(c + u * (a * std::cos(t)) + v * (b * std::sin(t))));
  }
}

// A circle around a joint, seen as a circle whatever the view.
void add_ball(std::vector<P2>& pts, V3 c, double r) {
  P2 p = project(c);
  for (int i = 0; i < 20; ++i) {
    double t = 2 * kPi * i / 20;
    pts.push_back({p.x + r * std::cos(t), p.y + r * std::sin(t)});
  }
}

// A limb segment: the hull of two balls.
void capsule(cairo_t* cr, V3 a, double ra, V3 b, double rb, Rgb c) {
  std::vector<P2> pts;
  add_ball(pts, a, ra);
  add_ball(pts, b, rb);
  polygon_path(cr, hull(pts));
  fill_shaded(cr, c);
}

void line(cairo_t* cr, P2 a, P2 b, Rgb c, double w) {
  set_rgb(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  cairo_stroke(cr);
}

// ---------------------------------------------------------------- poses

// The body's directions for a facing.
struct Frame3 {
  V3 fwd;   // the way he looks
  V3 left;  // his left hand side
  V3 up{0, -1, 0};
};
Frame3 frame_for(double facing_deg) {
  double t = rad(facing_deg);
  return {{std::sin(t), 0, std::cos(t)}, {std::cos(t), 0, -std::sin(t)}};
}

// Two-bone reach from `root` towards `target` with bones `l1` and `l2`: the
// middle joint (knee or elbow), bending towards `bend`. Out of reach, the limb
// points straight at the target.
V3 middle_joint(V3 root, V3 target, double l1, double l2, V3 bend) {
  V3 d = target - root;
  double len = std::clamp(length(d), std::fabs(l1 - l2) + 0.01, l1 + l2 - 0.01);
  V3 dn = normalised(d);
  double a = (l1 * l1 - l2 * l2 + len * len) / (2 * len);
  double h = std::sqrt(std::max(0.0, l1 * l1 - a * a));
  V3 n = normalised(bend - dn * dot(bend, dn));
  return root + dn * a + n * h;
}

V3 limb_dir(const Frame3& f, V3 out, double swing, double spread) {
  V3 down{0, 1, 0};
  return (down * std::cos(swing) + f.fwd * std::sin(swing)) * std::cos(spread) + out * std::sin(spread);
}

// ---------------------------------------------------------------- body parts

void draw_hand(cairo_t* cr, V3 wrist, V3 dir, Hand hand) {
  V3 c = wrist + dir * 4.0;
  P2 p = project(c);
  P2 w = project(wrist);
  double ang = std::atan2(p.y - w.y, p.x - w.x);
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_rotate(cr, ang);
  cairo_new_path(cr);
  switch (hand) {
    case Hand::relaxed:
      cairo_save(cr);
      cairo_scale(cr, 5.2, 4.0);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      fill_shaded(cr, kSkin, 1.4);
      break;
    case Hand::open:  // fingers spread, reaching
      cairo_save(cr);
      cairo_scale(cr, 6.5, 4.4);
      cairo_arc(cr, 0.2, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      fill_shaded(cr, kSkin, 1.4);
      cairo_save(cr);
      cairo_translate(cr, -1, -4.2);
      cairo_scale(cr, 3.0, 1.7);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      fill_shaded(cr, kSkin, 1.2);
      for (double y : {-1.5, 1.5}) line(cr, {1.5, y}, {6.0, y * 1.4}, shade(kSkin, 0.6), 0.8);
      break;
    case Hand::fist:
      cairo_arc(cr, 0, 0, 4.3, 0, 2 * kPi);
      fill_shaded(cr, shade(kSkin, 0.93), 1.5);
      line(cr, {1.5, -2.5}, {1.5, 2.5}, shade(kSkin, 0.55), 0.9);
      break;
  }
  cairo_restore(cr);
}

struct Body {
  Frame3 f;
  V3 hip, chest, shoulder_c, neck, head;
  V3 hip_j[2], knee[2], ankle[2];
  V3 shoulder[2], elbow[2], wrist[2], fore_dir[2];
  V3 torso_up;
};

Body build(const Pose& p) {
  Body b;
  b.f = frame_for(p.facing);
  const Frame3& f = b.f;
  b.hip = V3{static_cast<double>(kCentreX), p.hip_y, 0} + f.fwd * p.hip_shift + f.left * p.hip_sway;
  b.torso_up = f.up * std::cos(p.lean) + f.fwd * std::sin(p.lean);
  b.chest = b.hip + b.torso_up * 34;
  b.shoulder_c = b.hip + b.torso_up * 46;
  b.neck = b.hip + b.torso_up * 50;
  V3 head_up = f.up * std::cos(p.lean * 0.6) + f.fwd * std::sin(p.lean * 0.6);
  b.head = b.neck + head_up * 19.5;
  for (int s = 0; s < 2; ++s) {
    double side = s == 0 ? 1.0 : -1.0;
    V3 out = f.left * side;
    b.hip_j[s] = b.hip + out * 8.5;
    b.ankle[s] = V3{static_cast<double>(kCentreX), kAnkleY, 0} + f.fwd * p.foot_fwd[s] +
                 f.left * p.foot_side[s] + f.up * p.foot_lift[s];
    b.knee[s] = middle_joint(b.hip_j[s], b.ankle[s], kThigh, kShin, f.fwd);
    b.shoulder[s] = b.shoulder_c + out * 15.5 - b.torso_up * 2.0;
    const Arm& a = p.arm[s];
    if (a.aim) {
      V3 target = V3{static_cast<double>(kCentreX), kAnkleY, 0} + f.fwd * a.aim_fwd + f.up * a.aim_up + out * a.aim_out;
      b.elbow[s] = middle_joint(b.shoulder[s], target, kUpperArm, kForearm, out - f.fwd * 0.6);
      b.fore_dir[s] = normalised(target - b.elbow[s]);
    } else {
      b.elbow[s] = b.shoulder[s] + limb_dir(f, out, a.swing, a.spread) * kUpperArm;
      b.fore_dir[s] = limb_dir(f, out, a.fore_swing, a.fore_spread);
    }
    b.wrist[s] = b.elbow[s] + b.fore_dir[s] * kForearm;
  }
  return b;
}

void draw_leg(cairo_t* cr, const Body& b, int s) {
  const Frame3& f = b.f;
  capsule(cr, b.hip_j[s], 8.0, b.knee[s], 6.6, kTrousers);
  capsule(cr, b.knee[s], 6.6, b.ankle[s] + V3{0, -1, 0}, 5.4, shade(kTrousers, 0.95));
  // The sneaker: a glowing sole under a white upper, pointing the way he faces.
  V3 a = b.ankle[s];
  std::vector<P2> sole, upper;
  add_ring(sole, a + V3{0, 4.0, 0} + f.fwd * 4.0, f.left, 5.0, f.fwd, 10.0);
  add_ring(sole, a + V3{0, 1.8, 0} + f.fwd * 4.0, f.left, 5.2, f.fwd, 10.2);
  polygon_path(cr, hull(sole));
  fill_shaded(cr, kSole);
  add_ring(upper, a + V3{0, 1.5, 0} + f.fwd * 3.5, f.left, 5.0, f.fwd, 9.5);
  add_ring(upper, a + V3{0, -3.0, 0} + f.fwd * 0.5, f.left, 4.4, f.fwd, 5.0);
  polygon_path(cr, hull(upper));
  fill_shaded(cr, kShoe);
}

void draw_arm(cairo_t* cr, const Body& b, const Pose& p, int s) {
  capsule(cr, b.shoulder[s], 6.6, b.elbow[s], 5.6, kHoodie);
  capsule(cr, b.elbow[s], 5.6, b.wrist[s], 4.8, shade(kHoodie, 0.95));
  // Glowing cuff.
  V3 d = b.fore_dir[s];
  P2 c = project(b.wrist[s] - d * 2.0);
  P2 dd = project(b.wrist[s]);
  double nx = -(dd.y - c.y), ny = dd.x - c.x;
  double nl = std::hypot(nx, ny);
  if (nl > 0.1) {
    nx *= 4.2 / nl;
    ny *= 4.2 / nl;
    line(cr, {c.x - nx, c.y - ny}, {c.x + nx, c.y + ny}, kGlow, 1.8);
  }
  draw_hand(cr, b.wrist[s], d, p.arm[s].hand);
}

// A line drawn on the torso's surface, shown only on the side that faces us.
void torso_mark(cairo_t* cr, V3 a, V3 b, V3 normal, Rgb c, double w) {
  if (normal.z < 0.3) return;
  line(cr, project(a), project(b), c, w);
}

void draw_torso(cairo_t* cr, const Body& b) {
  const Frame3& f = b.f;
  std::vector<P2> pts;
  add_ring(pts, b.hip - b.torso_up * 6, f.left, 15.0, f.fwd, 9.0);
  add_ring(pts, b.hip + b.torso_up * 14, f.left, 14.5, f.fwd, 9.0);
  add_ring(pts, b.chest, f.left, 17.0, f.fwd, 10.0);
  add_ring(pts, b.shoulder_c, f.left, 17.5, f.fwd, 8.5);
  polygon_path(cr, hull(pts));
  fill_shaded(cr, kHoodie);
  // Hem band.
  torso_mark(cr, b.hip - b.torso_up * 3 + f.fwd * 9 + f.left * 12, b.hip - b.torso_up * 3 + f.fwd * 9 - f.left * 12,
             f.fwd, shade(kHoodie, 0.7), 1.4);
  // Front: zip with a glowing pull, a glowing chest stripe, pocket, backpack straps.
  V3 front = f.fwd;
  torso_mark(cr, b.shoulder_c + f.fwd * 8.5, b.hip - b.torso_up * 5 + f.fwd * 9.0, front, kInk, 1.1);
  torso_mark(cr, b.chest + f.fwd * 10 + f.left * 3, b.chest + f.fwd * 10 + f.left * 13, front, kGlow, 2.0);
  torso_mark(cr, b.chest + f.fwd * 10 - f.left * 3, b.chest + f.fwd * 10 - f.left * 13, front, kGlow, 2.0);
  torso_mark(cr, b.hip + b.torso_up * 6 + f.fwd * 9.2 - f.left * 10, b.hip + b.torso_up * 6 + f.fwd * 9.2 + f.left * 10,
             front, shade(kHoodie, 0.65), 1.2);
  for (double s : {1.0, -1.0}) {
    torso_mark(cr, b.shoulder_c + f.fwd * 6 + f.left * (9 * s), b.chest - b.torso_up * 8 + f.fwd * 10 + f.left * (12 * s),
               front, shade(kPack, 0.55), 2.6);
    // Glowing seams down his sides, seen from the side.
    V3 side = f.left * s;
    torso_mark(cr, b.shoulder_c + side * 17, b.hip + side * 14.5, side, kGlow, 1.4);
  }
}

void draw_hood(cairo_t* cr, const Body& b) {
  const Frame3& f = b.f;
  std::vector<P2> pts;
  add_ring(pts, b.neck - f.fwd * 3 + b.torso_up * 1, f.left, 10.5, f.fwd, 7.0);
  add_ring(pts, b.neck - f.fwd * 9 - b.torso_up * 9, f.left, 9.0, f.fwd, 3.0);
  polygon_path(cr, hull(pts));
  fill_shaded(cr, kHood);
}

void draw_backpack(cairo_t* cr, const Body& b) {
  const Frame3& f = b.f;
  std::vector<P2> pts;
  V3 c = b.chest - b.torso_up * 6 - f.fwd * 13;
  add_ring(pts, c + b.torso_up * 14, f.left, 12.0, f.fwd, 4.5);
  add_ring(pts, c - b.torso_up * 18, f.left, 12.5, f.fwd, 5.0);
  polygon_path(cr, hull(pts));
  fill_shaded(cr, kPack);
  // A glowing strip across the flap, on the side facing us.
  torso_mark(cr, c + b.torso_up * 2 - f.fwd * 5 + f.left * 9, c + b.torso_up * 2 - f.fwd * 5 - f.left * 9, f.fwd * -1.0,
             kGlow, 1.8);
  torso_mark(cr, c - b.torso_up * 8 - f.fwd * 5 + f.left * 9, c - b.torso_up * 8 - f.fwd * 5 - f.left * 9, f.fwd * -1.0,
             shade(kPack, 0.6), 1.2);
}

// ---------------------------------------------------------------- the head

constexpr double kHeadRx = 14.0;
constexpr double kHeadRy = 16.5;
constexpr double kEar = 100.0;  // azimuth of his left ear; the right one is at -kEar

struct Head {
  P2 c;
  double facing;  // degrees
  double nod;     // degrees
  // A point on the head at azimuth `a` (0 = the middle of the face, positive to
  // his left) and elevation `e` (degrees up from the eyes' level).
  P2 at(double a, double e, double r = 1.0) const {
    double ee = rad(e - nod);
    return {c.x + r * kHeadRx * std::cos(ee) * std::sin(rad(a + facing)), c.y - r * kHeadRy * std::sin(ee)};
  }
  // How much a point of azimuth `a` faces us: 1 straight at us, below 0 hidden.
  double facing_us(double a) const { return std::cos(rad(a + facing)); }
};

// Where the hair begins above the skin, by azimuth: a fringe of points over the
// forehead, lower at the temples, down to the nape at the back.
double hairline(double a) {
  a = std::fabs(std::remainder(a, 360.0));
  double tooth = std::fabs(std::fmod(a + 200.0, 24.0) - 12.0) / 12.0;
  double front = 30.0 - 10.0 * (1.0 - tooth) - (a > 55 ? std::min(a - 55, 25.0) * 0.6 : 0.0);
  if (a <= 100) return front;
  double t = smooth_step((a - 100) / 18.0);
  return front * (1 - t) - 52.0 * t;
}

// An ear sits a little behind the middle of the side of the head; it looks
// widest from the side.
void draw_ear(cairo_t* cr, const Head& h, double a) {
  P2 p = h.at(a, -6, 1.02);
  double w = 1.6 + 2.4 * std::fabs(h.facing_us(a));
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_scale(cr, w, 4.8);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  fill_shaded(cr, kSkin, 1.4);
}

void draw_eye(cairo_t* cr, const Head& h, double a) {
  double v = h.facing_us(a);
  if (v < 0.2) return;
  P2 p = h.at(a, 2);
  double w = 2.6 * v + 0.6;
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_scale(cr, w, 3.0);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 0.98, 0.98, 1.0);
  cairo_fill_preserve(cr);
  set_rgb(cr, kInk);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // The iris looks the way he faces.
  double look = std::sin(rad(h.facing)) * 0.9;
  cairo_new_path(cr);
  cairo_arc(cr, p.x + look, p.y + 0.3, 1.7, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.12, 0.30, 0.35);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, p.x + look + 0.5, p.y - 0.5, 0.6, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  // Eyebrow.
  P2 b0 = h.at(a - 10, 13), b1 = h.at(a + 10, 13);
  if (h.facing_us(a - 10) > 0 && h.facing_us(a + 10) > 0) line(cr, b0, b1, shade(kHair, 0.6), 1.6);
}

void draw_mouth(cairo_t* cr, const Head& h, double open, bool smile) {
  double v = h.facing_us(0);
  if (v < -0.05) return;
  double half = std::max(12.0, 18.0 * v);
  double a0 = std::max(-half, -90 - h.facing + 4), a1 = std::min(half, 90 - h.facing - 4);
  if (a1 <= a0) return;
  P2 l = h.at(a0, -34), r = h.at(a1, -34), m = h.at((a0 + a1) / 2, -34);
  if (open > 0.08) {
    double hgt = 1.0 + 5.0 * open;
    cairo_new_path(cr);
    cairo_move_to(cr, l.x, l.y);
    cairo_curve_to(cr, m.x - 1, m.y - hgt * 0.35, m.x + 1, m.y - hgt * 0.35, r.x, r.y);
    cairo_curve_to(cr, m.x + 1.5, m.y + hgt, m.x - 1.5, m.y + hgt, l.x, l.y);
    cairo_close_path(cr);
    set_rgb(cr, kMouth);
    cairo_fill_preserve(cr);
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, l.x, l.y);
    cairo_curve_to(cr, m.x - 1, m.y + (smile ? 2.0 : 0.5), m.x + 1, m.y + (smile ? 2.0 : 0.5), r.x, r.y);
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

void draw_nose(cairo_t* cr, const Head& h) {
  double s = std::sin(rad(h.facing));
  if (h.facing_us(0) < -0.1) return;
  P2 root = h.at(0, -4);
  P2 tip = h.at(0, -16, 1.0 + 0.2 * std::fabs(s));
  P2 base = h.at(0, -22);
  cairo_new_path(cr);
  cairo_move_to(cr, root.x, root.y);
  cairo_line_to(cr, tip.x + s * 1.5, tip.y);
  cairo_line_to(cr, base.x, base.y + 0.5);
  if (std::fabs(s) > 0.35) {
    cairo_close_path(cr);
    set_rgb(cr, kSkin);
    cairo_fill_preserve(cr);
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  } else {
    set_rgb(cr, shade(kSkin, 0.62));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
  }
}

// Big protective glasses over both eyes, held by a strap round the head.
void draw_glasses(cairo_t* cr, const Head& h) {
  if (h.facing_us(0) < -0.2) {  // from behind only the strap shows
    line(cr, h.at(-100, 2, 1.03), h.at(100, 2, 1.03), kInk, 2.2);
    return;
  }
  line(cr, h.at(-h.facing - 88, 2, 1.02), h.at(-h.facing + 88, 2, 1.02), kInk, 2.0);
  for (double a : {27.0, -27.0}) {
    if (h.facing_us(a) < 0.1) continue;
    P2 p = h.at(a, 2, 1.04);
    double w = 5.6 * h.facing_us(a) + 1.2;
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_scale(cr, w, 5.0);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.55, 0.85, 0.45, 0.75);
    cairo_fill_preserve(cr);
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
}

void draw_head(cairo_t* cr, const Body& b, const Pose& p) {
  // Neck first, the head over it.
  capsule(cr, b.neck - b.torso_up * 2, 5.5, b.neck + b.torso_up * 8, 5.5, shade(kSkin, 0.9));
  Head h{project(b.head), p.facing + p.head_turn, p.nod};

  // The ears at the back are hidden by the head.
  for (double a : {kEar, -kEar})
    if (h.facing_us(a) < 0.3 && h.facing_us(a) > -0.5) draw_ear(cr, h, a);

  // Hair, a little larger than the skull and pushed to the back of the head,
  // with tufts on top.
  double s = std::sin(rad(h.facing));
  P2 hc{h.c.x - 1.8 * s, h.c.y - 1.8};
  auto hair_oval = [&](double grow) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, hc.x, hc.y);
    cairo_scale(cr, kHeadRx + grow, kHeadRy + grow);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
  };
  hair_oval(1.7);
  fill_shaded(cr, kHair);
  cairo_new_path(cr);
  for (int i = 0; i < 5; ++i) {
    double t = rad(-160 + 30 * i - 25 * s);
    double bx = hc.x + (kHeadRx + 0.5) * std::cos(t), by = hc.y + (kHeadRy + 0.5) * std::sin(t);
    double tx = hc.x + (kHeadRx + 6.0) * std::cos(t - 0.25 - 0.2 * s),
           ty = hc.y + (kHeadRy + 5.0) * std::sin(t - 0.25 - 0.2 * s);
    double t2 = t + 0.45;
    double ex = hc.x + (kHeadRx + 0.5) * std::cos(t2), ey = hc.y + (kHeadRy + 0.5) * std::sin(t2);
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, tx, ty);
    cairo_line_to(cr, ex, ey);
    cairo_line_to(cr, hc.x, hc.y);
    cairo_close_path(cr);
  }
  fill_shaded(cr, kHair, 1.5);
  hair_oval(0.8);  // covers the inner strokes of the tufts
  fill_shaded(cr, kHair, 0);

  // The skin of the face and jaw that faces us, up to the hairline.
  {
    double a0 = -h.facing - 89.5, a1 = -h.facing + 89.5;
    cairo_new_path(cr);
    const int n = 28;
    for (int i = 0; i <= n; ++i) {
      double a = a0 + (a1 - a0) * i / n;
      P2 q = h.at(a, hairline(a));
      if (i == 0)
        cairo_move_to(cr, q.x, q.y);
      else
        cairo_line_to(cr, q.x, q.y);
    }
    for (int i = 0; i <= 12; ++i) {
      double e = hairline(a1) + (-90 - hairline(a1)) * i / 12.0;
      P2 q = h.at(a1, e);
      cairo_line_to(cr, q.x, q.y);
    }
    for (int i = 0; i <= 12; ++i) {
      double e = -90 + (hairline(a0) + 90) * i / 12.0;
      P2 q = h.at(a0, e);
      cairo_line_to(cr, q.x, q.y);
    }
    cairo_close_path(cr);
    cairo_path_t* face = cairo_copy_path(cr);
    fill_shaded(cr, kSkin, 0);
    // The face's own outline: the skull's rim where the face reaches it.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, face);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, h.c.x, h.c.y);
    cairo_scale(cr, kHeadRx, kHeadRy);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    set_rgb(cr, kInk);
    cairo_set_line_width(cr, kOutline * 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(face);
  }
  for (double a : {kEar, -kEar})
    if (h.facing_us(a) >= 0.3) draw_ear(cr, h, a);
  draw_eye(cr, h, 27);
  draw_eye(cr, h, -27);
  draw_nose(cr, h);
  draw_mouth(cr, h, p.mouth, p.smile);
  if (p.glasses) draw_glasses(cr, h);
}

// ---------------------------------------------------------------- the whole figure

Joints draw_pose(cairo_t* cr, const Pose& p) {
  Body b = build(p);
  const Frame3& f = b.f;
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  // Depth order: things further from the viewer first.
  struct Item {
    double depth;
    std::function<void()> draw;
  };
  std::vector<Item> items;
  for (int s = 0; s < 2; ++s) {
    double hz = b.hip_j[s].z - b.hip.z, fz = b.ankle[s].z - b.hip.z;
    items.push_back({-30 + hz + 0.3 * fz, [&, s] { draw_leg(cr, b, s); }});
    double sz = b.shoulder[s].z - b.shoulder_c.z;
    double wz = b.wrist[s].z - b.shoulder_c.z;
    double d;
    if (std::fabs(f.fwd.z) > 0.85 || sz > 3)
      d = 0.45 + 0.01 * sz + 0.001 * wz;
    else
      d = -60 + sz;
    // A hand raised in front of the body is drawn over the head too.
    if (wz > 8 && b.wrist[s].y < b.neck.y + 10) d = 2;
    items.push_back({d, [&, s] { draw_arm(cr, b, p, s); }});
  }
  bool from_back = f.fwd.z < 0;
  items.push_back({from_back ? 0.3 : -20, [&] { draw_backpack(cr, b); }});
  items.push_back({0, [&] { draw_torso(cr, b); }});
  items.push_back({from_back ? 0.35 : 0.1, [&] { draw_hood(cr, b); }});
  items.push_back({from_back ? 0.2 : 0.5, [&] { draw_head(cr, b, p); }});
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& c) { return a.depth < c.depth; });
  for (auto& it : items) it.draw();
  cairo_restore(cr);
  Joints out;
  for (int k = 0; k < 2; ++k) {
    P2 h = project(b.wrist[k] + b.fore_dir[k] * 4.0);
    out.hand_x[k] = h.x;
    out.hand_y[k] = h.y;
  }
  P2 head = project(b.head);
  out.head_x = head.x;
  out.head_y = head.y;
  return out;
}

double facing_for_code(int code) {
  switch (code) {
    case 1: return 180;
    case 2: return 0;
    case 3: return -90;
    case 4: return 90;
    case 5: return -140;
    case 6: return 140;
    case 7: return -40;
    case 8: return 40;
    default: return 0;
  }
}

// A short bump from 0 up to 1 and back, over the frames [from, to].
double bump(double x, double from, double to) {
  if (x <= from || x >= to) return 0;
  double t = (x - from) / (to - from);
  return std::sin(kPi * t);
}

// Arms hanging at rest, a little bent.
Arm rest_arm() { return Arm{}; }

}  // namespace

// ---------------------------------------------------------------- the frames

Pose stand_pose() {
  Pose p;
  p.arm[0] = p.arm[1] = rest_arm();
  return p;
}

void stand(cairo_t* cr) { draw_pose(cr, stand_pose()); }

Pose walk_pose(int code, int frame) {
  Pose p;
  p.facing = facing_for_code(code);
  p.lean = 0.07;
  const double stride = 25.0;  // half a step, in pixels
  const double lift = 10.0;
  double phase = (frame % 14) / 14.0;
  double stance_fwd = 0;
  for (int s = 0; s < 2; ++s) {
    double u = std::fmod(phase + (s == 0 ? 0.0 : 0.5), 1.0);
    double fwd, up;
    if (u < 0.5) {  // on the ground, sliding back under him
      fwd = stride * (1 - 4 * u);
      up = 0;
      stance_fwd = fwd;
      // His weight shifts over the foot he stands on.
      p.hip_sway = (s == 0 ? 2.5 : -2.5) * std::sin(2 * kPi * u);
    } else {  // swinging forwards through the air
      double t = (u - 0.5) / 0.5;
      fwd = -stride * std::cos(kPi * t);
      up = lift * std::sin(kPi * t);
    }
    p.foot_fwd[s] = fwd;
    p.foot_lift[s] = up;
    p.foot_side[s] = s == 0 ? 6.5 : -6.5;
    // The arm swings against the leg of its own side.
    Arm& a = p.arm[s];
    double swing = -fwd / stride;
    a.swing = 0.42 * swing;
    a.spread = 0.10;
    a.fore_swing = a.swing + 0.25 + 0.35 * std::max(0.0, swing);
    a.fore_spread = 0.05;
  }
  double reach = 0.985 * (kThigh + kShin);
  p.hip_y = kAnkleY - std::sqrt(reach * reach - stance_fwd * stance_fwd) + 1.0;
  p.nod = code == 1 || code == 5 || code == 6 ? 0 : 4;
  return p;
}

void walk(cairo_t* cr, int code, int frame) { draw_pose(cr, walk_pose(code, frame)); }

Pose talk_front_pose(int frame) {
  static const double kMouth[15] = {0.2, 0.8, 0.5, 1.0, 0.3, 0.0, 0.7, 0.4, 0.9, 0.6, 0.1, 0.8, 0.3, 0.6, 0.0};
  frame = ((frame % 15) + 15) % 15;
  Pose p;
  p.mouth = kMouth[frame];
  p.smile = false;
  p.nod = 3 * std::sin(2 * kPi * frame / 15.0);
  // His right hand comes up for a gesture in the middle of the loop.
  double g = smooth_step(bump(frame, 3, 12) * 1.4);
  Arm& a = p.arm[1];
  a.swing = 0.05 + 0.35 * g;
  a.spread = 0.10 + 0.35 * g;
  a.fore_swing = 0.25 + 1.35 * g;
  a.fore_spread = 0.05 + 0.55 * g;
  a.hand = g > 0.5 ? Hand::open : Hand::relaxed;
  return p;
}

void talk_front(cairo_t* cr, int frame) { draw_pose(cr, talk_front_pose(frame)); }

void talk_side(cairo_t* cr, bool right, int frame) {
  static const double kMouth[30] = {0.0, 0.6, 0.9, 0.4, 0.8, 0.2, 0.0, 0.7, 1.0, 0.5, 0.3, 0.8, 0.4, 0.0, 0.6,
                                    0.9, 0.3, 0.7, 0.2, 0.5, 1.0, 0.4, 0.0, 0.6, 0.8, 0.3, 0.7, 0.1, 0.5, 0.0};
  frame = ((frame % 30) + 30) % 30;
  Pose p;
  p.facing = right ? 80 : -80;
  p.mouth = kMouth[frame];
  p.smile = false;
  p.nod = -2 + 3 * std::sin(2 * kPi * frame / 30.0);
  p.foot_fwd[0] = 3;
  p.foot_fwd[1] = -3;
  // The arm nearer to us makes two gestures, a big one and a small one.
  int near = right ? 1 : 0;
  double g = smooth_step(bump(frame, 2, 13) * 1.4) + 0.55 * smooth_step(bump(frame, 17, 27) * 1.4);
  Arm& a = p.arm[near];
  a.swing = 0.05 + 0.20 * g;
  a.spread = 0.10 + 0.10 * g;
  a.fore_swing = 0.25 + g * (1.15 + 0.25 * std::sin(frame * 1.3));
  a.fore_spread = 0.05;
  a.hand = g > 0.45 ? Hand::open : Hand::relaxed;
  draw_pose(cr, p);
}

Pose bend_pose(bool left, double t) {
  Pose p;
  p.facing = left ? -60 : 60;
  p.foot_fwd[0] = p.foot_fwd[1] = 0;
  p.foot_fwd[left ? 0 : 1] = 5;
  p.foot_fwd[left ? 1 : 0] = -4;
  p.hip_y = 97 + 28 * t;
  p.hip_shift = -12 * t;
  p.lean = 0.03 + 0.72 * t;
  p.nod = 25 * t;
  // The arm nearer to us reaches down, the other rests on his thigh.
  int near = left ? 0 : 1;
  Arm& r = p.arm[near];
  // From hanging at his side to the floor in front of his feet.
  r.aim = true;
  r.aim_fwd = 7 + 36 * t;
  r.aim_up = 63 - 43 * t;
  r.aim_out = 19 - 9 * t;
  Arm& o = p.arm[1 - near];
  o.aim = true;
  o.aim_fwd = 7 + 14 * t;
  o.aim_up = 63 - 22 * t;
  o.aim_out = 19 - 7 * t;
  return p;
}

Pose take_pose(bool left, int frame) {
  frame = std::clamp(frame, 0, 14);
  double t = 0.5 - 0.5 * std::cos(2 * kPi * frame / 14.0);  // 0 upright .. 1 lowest at frame 7
  Pose p = bend_pose(left, t);
  p.arm[left ? 0 : 1].hand = frame >= 7 ? Hand::fist : (frame >= 3 ? Hand::open : Hand::relaxed);
  return p;
}

void take(cairo_t* cr, bool left, int frame) { draw_pose(cr, take_pose(left, frame)); }

void aim_arm(Pose& p, int side, double x, double y, double ahead) {
  const Frame3 f = frame_for(p.facing);
  const V3 out = f.left * (side == 0 ? 1.0 : -1.0);
  Arm& a = p.arm[side];
  a.aim = true;
  // Across the picture: forwards where he is turned sideways, outwards where
  // he faces the viewer or turns his back.
  double fwd = ahead, wide = 0;
  if (std::fabs(f.fwd.x) > 0.45)
    fwd = (x - kCentreX - wide * out.x) / f.fwd.x;
  else
    wide = std::fabs(out.x) > 1e-6 ? (x - kCentreX - fwd * f.fwd.x) / out.x : 0;
  const double z = fwd * f.fwd.z + wide * out.z;
  a.aim_fwd = fwd;
  a.aim_out = wide;
  a.aim_up = kAnkleY + kTilt * z - y;
}

Joints draw(cairo_t* cr, const Pose& p) { return draw_pose(cr, p); }

}  // namespace hero_art
