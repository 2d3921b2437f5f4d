// The rooms' furniture and persons, drawn by the kind each row of a room's
// tables gives them (PieceKind, PersonKind): one row per kind below says its
// painter and its size at the room's scale 1. Each picture is drawn at a size
// that suits the room's perspective, and the pictures of one row step through
// its animation (a phase per distinct picture).
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "draw.h"
#include "era.h"
#include "maths.h"
#include "rooms_art.h"

namespace mkassets::rooms {
namespace {

using namespace draw;

// A varied tint for things drawn alike (crates): a hash of the row's name.
std::uint32_t name_hash(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

struct Size {
  int w, h;
};

using Painter = void (*)(cairo_t*, const PieceUse&);

// One kind of piece: its painter, its size at scale 1, and whether the
// painter itself follows the animation's phase (the others get a glint).
struct PieceArt {
  PieceKind kind;
  Size size;
  Painter paint;
  bool animated;
};
const PieceArt& art_of(PieceKind kind);

// Lying on the floor; a person asleep at her desk keeps her standing box.
bool lying(const PieceUse& u) { return u.person_kind == PersonKind::betong_out_cold; }

}  // namespace

void piece_size(PieceUse& use, const SizeHint& hint) {
  Size s;
  if (use.person) {
    // a person about the hero's size where he stands: solve h = 200 * scale(y + h)
    int best = 160;
    double best_err = 1e9;
    for (int h = 40; h <= 330; ++h) {
      const double err = std::abs(h - 200.0 * hero_scale(hint.min_len, hint.rate, use.y + h));
      if (err < best_err) best_err = err, best = h;
    }
    s = {std::max(24, best * 11 / 20), best};
    if (lying(use)) {
      // lying down: as long as the hero is tall where the body's middle is,
      // the figure flattened by the floor to 0.3 of its length
      int len = 150;
      double len_err = 1e9;
      for (int l = 40; l <= 330; ++l) {
        const double err = std::abs(l - 200.0 * hero_scale(hint.min_len, hint.rate, use.y + l * 0.15));
        if (err < len_err) len_err = err, len = l;
      }
      s = {len, std::max(16, static_cast<int>(len * 0.3))};
    }
  } else {
    s = art_of(use.piece_kind).size;
    // sized like the hero would be at the piece's lower edge, within reason
    const double k = std::clamp(hero_scale(hint.min_len, hint.rate, use.y + s.h), 0.35, 1.3);
    s = {static_cast<int>(s.w * k), static_cast<int>(s.h * k)};
  }
  if (hint.mouse_w > 4) s.w = hint.mouse_w;
  if (hint.mouse_h > 4) s.h = hint.mouse_h;
  s.w = std::clamp(s.w, 8, std::max(8, 640 - use.x));
  s.h = std::clamp(s.h, 8, std::max(8, 480 - use.y));
  use.w = s.w;
  use.h = s.h;
}

namespace {

const Palette& era(const PieceUse& u) { return mkassets::era(u.future); }

// ---------------------------------------------------------------- people ----

struct Look {
  std::uint32_t skin, hair, top, legs, shoes;
  bool long_hair = false, glasses = false, beard = false, cap = false, tie = false, uniform = false;
};

// How each person looks: one look per person, whatever the row is called, so
// a person keeps skin, hair and clothes in every room, pose and scene.
struct PersonArt {
  PersonKind kind;
  Look look;
};
constexpr std::uint32_t kLegs = 0x2A3A5A, kShoes = 0x2A1A10;
constexpr PersonArt kPersons[] = {
    // the physics teacher: grey, glasses, tie, beard
    {PersonKind::friob, {0xF2C8A0, 0x9A9A9A, 0x6A5A48, 0x4A4038, kShoes, false, true, true, false, true}},
    {PersonKind::dori, {0xC08058, 0xB05020, 0x3A9A6A, 0x3A3A6A, kShoes, true}},
    {PersonKind::sand, {0xF8D8B8, 0xE8C870, 0xE86A3A, kLegs, kShoes, true}},
    {PersonKind::sand_asleep, {0xF8D8B8, 0xE8C870, 0xE86A3A, kLegs, kShoes, true}},
    {PersonKind::policeman, {0xE0A878, 0x2A1A10, 0x1A2A5A, 0x1A2040, kShoes, false, false, false, true, false, true}},
    {PersonKind::rarozir, {0x8A5A3A, 0x1A1A1A, 0x4A4A58, 0x2A2A30, kShoes, false, true, false, false, true}},
    // the physicist of 2027: a man with a red frizz and a beard
    {PersonKind::frizze, {0xF2C8A0, 0xC85A28, 0x8A3AC8, kLegs, kShoes, false, false, true}},
    {PersonKind::rurura, {0xE0A878, 0x6A6A6A, 0xD0D8E0, 0x5A6070, kShoes, false, true}},
    {PersonKind::betong_out_cold, {0xE0A878, 0x3A2414, 0xD86A9A, kLegs, kShoes}},
};

Look look_of(const PieceUse& u) {
  for (const PersonArt& p : kPersons)
    if (p.kind == u.person_kind) {
      Look l = p.look;
      if (u.future && !l.uniform) l.legs = 0x2A3048;
      return l;
    }
  throw std::runtime_error(u.room + ", person " + u.name + ": no kind of person given");
}

// The proportions of a standing person in the box of `u`.
struct Figure {
  double W, H, swing, cx, head, hy, shoulder, hip, foot, bw;
  explicit Figure(const PieceUse& u) : W(u.w), H(u.h) {
    const double t = u.phases > 1 ? u.phase / double(u.phases) : 0.0;
    swing = std::sin(t * 2 * kPi);
    cx = W / 2 + swing * W * 0.02;
    head = H * 0.13;  // head radius... a head is about 1/7 of the height
    hy = head * 1.05;
    shoulder = H * 0.25, hip = H * 0.55, foot = H * 0.97;
    bw = W * 0.36;
  }
  // The arm on side s (-1 left, +1 right): from its shoulder (ax, ay) to the
  // end of the sleeve (ex, ey), the hand at (hx, hy). Hanging, it swings with
  // the phase; raised (a cut scene's pose), it turns about the shoulder:
  // by the use's arm_left / arm_right (0 hanging .. 1 level .. 2 up), or by
  // `turn` radians from hanging (negative: across the body).
  void arm(const PieceUse& u, int s, double& ax, double& ay, double& ex, double& ey, double& hx,
           double& hy2, double turn = 0) const {
    ax = cx + s * bw * 0.5;
    ay = shoulder + H * 0.03;
    const double raise = s < 0 ? u.arm_left : u.arm_right;
    if (raise <= 0) {
      const double lift = (s > 0 ? swing : -swing) * H * 0.05;
      ex = ax + s * W * 0.1;
      ey = hip - H * 0.04 - lift;
      hx = ex;
      hy2 = hip - H * 0.02 - lift;
      if (turn != 0) {
        const double len = std::hypot(ex - ax, ey - ay);
        const double a = std::atan2((ex - ax) * s, ey - ay) + turn;
        ex = ax + s * len * std::sin(a);
        ey = ay + len * std::cos(a);
        hx = ax + s * (len + H * 0.02) * std::sin(a);
        hy2 = ay + (len + H * 0.02) * std::cos(a);
      }
      return;
    }
    const double dx = W * 0.1, dy = hip - H * 0.04 - ay;
    const double len = std::hypot(dx, dy), rest = std::atan2(dx, dy);
    const double angle = rest + std::min(raise, 2.0) * (kPi / 2 - rest);
    ex = ax + s * len * std::sin(angle);
    ey = ay + len * std::cos(angle);
    hx = ax + s * (len + H * 0.02) * std::sin(angle);
    hy2 = ay + (len + H * 0.02) * std::cos(angle);
  }
};

}  // namespace

// A person facing the viewer, standing in the box; the phase moves the mouth,
// the arms and the weight from foot to foot. A pose raises the arms, shuts
// the eyes or sets the mouth.
PersonHands paint_person(cairo_t* cr, const PieceUse& u, const PersonPose& pose) {
  PersonHands hands;
  const Look l = look_of(u);
  const Figure f(u);
  const double H = f.H, cx = f.cx, head = f.head, hy = f.hy;
  const double shoulder = f.shoulder, hip = f.hip, foot = f.foot, bw = f.bw;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const double lw = std::max(1.0, H / 120.0);
  // legs
  for (int s = -1; s <= 1; s += 2) {
    const double lx = cx + s * bw * 0.28;
    const double up = u.stride * s > 0 ? std::abs(u.stride) * H * 0.04 : 0.0;  // the foot lifted in a stride
    rounded_rect(cr, lx - bw * 0.16, hip - H * 0.02, bw * 0.32, foot - hip - H * 0.02 - up, bw * 0.08);
    rgb(cr, l.legs);
    fill_stroke(cr, 0x101018, lw);
    cairo_save(cr);
    cairo_translate(cr, lx + s * bw * 0.05, foot - H * 0.02 - up);
    cairo_scale(cr, bw * 0.24, H * 0.025);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    rgb(cr, l.shoes);
    fill_stroke(cr, 0x101018, lw);
  }
  // arms, swinging with the phase; an arm the pose raises turns about the
  // shoulder and is drawn over the body
  auto arm = [&](int s) {
    double ax, ay, ex, ey, hx, hy2;
    f.arm(u, s, ax, ay, ex, ey, hx, hy2, pose.arm[s > 0 ? 1 : 0]);
    cairo_move_to(cr, ax, ay);
    cairo_line_to(cr, ex, ey);
    rgb(cr, l.top);
    cairo_set_line_width(cr, bw * 0.24);
    cairo_stroke_preserve(cr);
    cairo_arc(cr, hx, hy2, bw * 0.11, 0, 2 * kPi);
    rgb(cr, l.skin);
    cairo_fill(cr);
    cairo_new_path(cr);
    hands.x[s > 0 ? 1 : 0] = hx;
    hands.y[s > 0 ? 1 : 0] = hy2;
  };
  for (int s = -1; s <= 1; s += 2)
    if (pose.arm[s > 0 ? 1 : 0] == 0) arm(s);
  // body
  cairo_move_to(cr, cx - bw / 2, shoulder + H * 0.04);
  cairo_curve_to(cr, cx - bw / 2, shoulder - H * 0.01, cx + bw / 2, shoulder - H * 0.01, cx + bw / 2, shoulder + H * 0.04);
  cairo_line_to(cr, cx + bw * 0.45, hip + H * 0.02);
  cairo_line_to(cr, cx - bw * 0.45, hip + H * 0.02);
  cairo_close_path(cr);
  vgrad(cr, shoulder, hip, l.top, l.top == 0 ? 0 : l.top);
  rgb(cr, l.top);
  fill_stroke(cr, 0x101018, lw);
  if (l.tie) {
    cairo_move_to(cr, cx, shoulder);
    cairo_line_to(cr, cx + bw * 0.06, shoulder + H * 0.12);
    cairo_line_to(cr, cx, shoulder + H * 0.15);
    cairo_line_to(cr, cx - bw * 0.06, shoulder + H * 0.12);
    cairo_close_path(cr);
    rgb(cr, 0xA02020);
    cairo_fill(cr);
  }
  if (l.uniform) {
    icon_star(cr, cx - bw * 0.22, shoulder + H * 0.07, bw * 0.22, 0xE8C840);
    cairo_rectangle(cr, cx - bw * 0.45, hip - H * 0.03, bw * 0.9, H * 0.03);
    rgb(cr, 0x101010);
    cairo_fill(cr);
  }
  // neck and head
  cairo_rectangle(cr, cx - head * 0.3, hy + head * 0.7, head * 0.6, shoulder - hy - head * 0.6);
  rgb(cr, l.skin);
  cairo_fill(cr);
  if (l.long_hair) {
    rounded_rect(cr, cx - head * 1.1, hy - head * 0.8, head * 2.2, head * 2.4, head * 0.6);
    rgb(cr, l.hair);
    fill_stroke(cr, 0x101018, lw);
  }
  cairo_save(cr);
  cairo_translate(cr, cx, hy);
  cairo_scale(cr, head * 0.85, head);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, l.skin);
  fill_stroke(cr, 0x101018, lw);
  // hair or cap
  cairo_save(cr);
  cairo_translate(cr, cx, hy);
  cairo_scale(cr, head * 0.9, head);
  cairo_arc(cr, 0, 0, 1, kPi * 1.05, kPi * 1.95);
  cairo_restore(cr);
  cairo_close_path(cr);
  rgb(cr, l.cap ? 0x1A2A5A : l.hair);
  cairo_fill(cr);
  if (l.cap) {
    cairo_rectangle(cr, cx - head, hy - head * 0.35, head * 2, head * 0.18);
    rgb(cr, 0x101830);
    cairo_fill(cr);
  }
  // eyes (blinking on one phase), glasses, mouth
  const bool blink = pose.eyes_shut || (u.phases > 4 && u.phase == u.phases / 2);
  for (int s = -1; s <= 1; s += 2) {
    const double ex = cx + s * head * 0.35, ey = hy - head * 0.05;
    if (blink) {
      cairo_move_to(cr, ex - head * 0.12, ey);
      cairo_line_to(cr, ex + head * 0.12, ey);
      rgb(cr, 0x201010);
      cairo_set_line_width(cr, lw);
      cairo_stroke(cr);
    } else {
      cairo_arc(cr, ex, ey, head * 0.1, 0, 2 * kPi);
      rgb(cr, 0x201010);
      cairo_fill(cr);
    }
    if (l.glasses) {
      cairo_arc(cr, ex, ey, head * 0.22, 0, 2 * kPi);
      rgb(cr, 0x202020);
      cairo_set_line_width(cr, lw);
      cairo_stroke(cr);
    }
  }
  if (l.beard) {
    cairo_arc(cr, cx, hy + head * 0.35, head * 0.55, 0.1 * kPi, 0.9 * kPi);
    rgb(cr, l.hair);
    cairo_set_line_width(cr, head * 0.3);
    cairo_stroke(cr);
  }
  const double open = pose.mouth >= 0 ? pose.mouth : u.phases > 1 ? 0.5 + 0.5 * std::sin(u.phase * 2.1) : 0.0;
  cairo_save(cr);
  cairo_translate(cr, cx, hy + head * 0.5);
  cairo_scale(cr, head * 0.3, head * (0.05 + 0.2 * open));
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, 0x801818);
  cairo_fill(cr);
  for (int s = -1; s <= 1; s += 2)
    if (pose.arm[s > 0 ? 1 : 0] != 0) arm(s);
  return hands;
}

namespace {

void person(cairo_t* cr, const PieceUse& u) { paint_person(cr, u); }

// ------------------------------------------------------------- furniture ----

void desk(cairo_t* cr, const PieceUse& u, bool main_desk) {
  const double W = u.w, H = u.h;
  const std::uint32_t top = era(u).desk_top, edge = era(u).desk_edge;
  // legs
  for (double lx : {W * 0.06, W * 0.88})
    cairo_rectangle(cr, lx, H * 0.35, W * 0.06, H * 0.63), rgb(cr, era(u).desk_leg), cairo_fill(cr);
  // top in perspective
  cairo_move_to(cr, W * 0.06, 1);
  cairo_line_to(cr, W * 0.94, 1);
  cairo_line_to(cr, W - 1, H * 0.3);
  cairo_line_to(cr, 1, H * 0.3);
  cairo_close_path(cr);
  rgb(cr, top);
  fill_stroke(cr, 0x201810, 1.2);
  cairo_rectangle(cr, 1, H * 0.3, W - 2, H * 0.08);
  rgb(cr, edge);
  fill_stroke(cr, 0x201810, 1);
  if (main_desk) {
    cairo_rectangle(cr, W * 0.12, H * 0.38, W * 0.76, H * 0.58);
    rgb(cr, edge);
    fill_stroke(cr, 0x201810, 1);
    for (int k = 0; k < 3; ++k) {
      cairo_rectangle(cr, W * 0.62, H * (0.44 + k * 0.17), W * 0.2, H * 0.13);
      rgb(cr, 0x000000, 0.25);
      cairo_fill(cr);
    }
    // books and an apple on the desk
    cairo_rectangle(cr, W * 0.2, H * 0.04, W * 0.16, H * 0.1);
    rgb(cr, 0x3A5AA8);
    fill_stroke(cr, 0x101018, 1);
    cairo_arc(cr, W * 0.7, H * 0.12, H * 0.06, 0, 2 * kPi);
    rgb(cr, 0xD02020);
    cairo_fill(cr);
  } else {
    // an open exercise book
    cairo_rectangle(cr, W * 0.35, H * 0.07, W * 0.28, H * 0.14);
    rgb(cr, 0xF8F8F0);
    fill_stroke(cr, 0x606060, 0.8);
  }
}

void chair(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const std::uint32_t wood = era(u).chair;
  rounded_rect(cr, W * 0.15, 1, W * 0.7, H * 0.45, 3);
  rgb(cr, wood);
  fill_stroke(cr, 0x201810, 1.2);
  cairo_rectangle(cr, W * 0.08, H * 0.5, W * 0.84, H * 0.1);
  rgb(cr, wood);
  fill_stroke(cr, 0x201810, 1.2);
  for (double lx : {W * 0.12, W * 0.8}) {
    cairo_rectangle(cr, lx, H * 0.6, W * 0.08, H * 0.39);
    rgb(cr, era(u).chair_shadow);
    cairo_fill(cr);
  }
}

void canister(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  // a red petrol can with its handle and spout
  rounded_rect(cr, W * 0.05, H * 0.2, W * 0.9, H * 0.78, W * 0.1);
  vgrad(cr, H * 0.2, H, 0xE83828, 0x9A1A10);
  fill_stroke(cr, 0x300808, 1.5);
  rounded_rect(cr, W * 0.2, H * 0.02, W * 0.45, H * 0.16, W * 0.06);
  rgb(cr, 0xB02018);
  fill_stroke(cr, 0x300808, 1.2);
  cairo_rectangle(cr, W * 0.72, H * 0.06, W * 0.16, H * 0.16);
  rgb(cr, 0xD8C040);
  fill_stroke(cr, 0x302008, 1);
  cairo_move_to(cr, W * 0.18, H * 0.35);
  cairo_line_to(cr, W * 0.82, H * 0.9);
  cairo_move_to(cr, W * 0.82, H * 0.35);
  cairo_line_to(cr, W * 0.18, H * 0.9);
  rgb(cr, 0x7A1008);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void pendulum(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  // a gallows stand with a bob swinging through its phases
  static const double kAngles[] = {-0.38, -0.14, 0.14, 0.38};
  const double a = u.phases >= 2 ? kAngles[std::min(3, u.phase * 4 / u.phases)] : 0.0;
  cairo_rectangle(cr, W * 0.1, H * 0.9, W * 0.8, H * 0.08);
  rgb(cr, era(u).pendulum_base);
  fill_stroke(cr, 0x101010, 1);
  cairo_rectangle(cr, W * 0.46, H * 0.02, W * 0.08, H * 0.9);
  rgb(cr, 0x909098);
  fill_stroke(cr, 0x202020, 1);
  cairo_rectangle(cr, W * 0.2, H * 0.02, W * 0.6, H * 0.04);
  cairo_fill(cr);
  const double bob = std::min(W, H) * 0.12;
  const double px = W * 0.5, py = H * 0.05, len = std::min(H * 0.7, (W * 0.5 - bob - 1) / std::sin(0.38));
  const double bx = px + std::sin(a) * len, by = py + std::cos(a) * len;
  cairo_move_to(cr, px, py);
  cairo_line_to(cr, bx, by);
  rgb(cr, 0x303030);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, bx, by, bob, 0, 2 * kPi);
  rgrad(cr, bx - 3, by - 3, bob * 1.2, 0xF8E080, 0xA07820);
  fill_stroke(cr, 0x302008, 1.2);
}

void glassware(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const double t = u.phases > 1 ? u.phase / double(u.phases) : 0.0;
  // a flask over a burner with rising bubbles
  cairo_rectangle(cr, W * 0.42, H * 0.8, W * 0.16, H * 0.18);
  rgb(cr, 0x505868);
  fill_stroke(cr, 0x101010, 1);
  cairo_move_to(cr, W * 0.5, H * 0.8);
  cairo_curve_to(cr, W * 0.38, H * 0.72, W * 0.45, H * (0.68 - 0.04 * std::sin(t * 6 * kPi)), W * 0.5, H * 0.62);
  cairo_curve_to(cr, W * 0.55, H * 0.68, W * 0.62, H * 0.72, W * 0.5, H * 0.8);
  rgb(cr, 0x3A90FF);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.42, H * 0.05);
  cairo_line_to(cr, W * 0.58, H * 0.05);
  cairo_line_to(cr, W * 0.58, H * 0.3);
  cairo_curve_to(cr, W * 0.95, H * 0.45, W * 0.95, H * 0.62, W * 0.5, H * 0.62);
  cairo_curve_to(cr, W * 0.05, H * 0.62, W * 0.05, H * 0.45, W * 0.42, H * 0.3);
  cairo_close_path(cr);
  rgb(cr, 0xE0F0FF, 0.75);
  fill_stroke(cr, 0x4A5A6A, 1.5);
  // the liquid
  cairo_move_to(cr, W * 0.2, H * 0.45);
  cairo_curve_to(cr, W * 0.35, H * (0.43 + 0.02 * std::sin(t * 2 * kPi)), W * 0.65, H * 0.47, W * 0.8, H * 0.45);
  cairo_curve_to(cr, W * 0.85, H * 0.6, W * 0.6, H * 0.61, W * 0.5, H * 0.61);
  cairo_curve_to(cr, W * 0.3, H * 0.61, W * 0.15, H * 0.6, W * 0.2, H * 0.45);
  cairo_close_path(cr);
  rgb(cr, era(u).glass_liquid);
  cairo_fill(cr);
  for (int b = 0; b < 5; ++b) {
    const double bt = std::fmod(t + b / 5.0, 1.0);
    const double bx = W * (0.38 + 0.06 * b) + std::sin(bt * 9 + b) * W * 0.03;
    const double by = H * (0.58 - bt * 0.55);
    cairo_arc(cr, bx, by, std::max(1.2, W * (0.02 + 0.02 * bt)), 0, 2 * kPi);
    rgb(cr, 0xFFFFFF, 0.9);
    fill_stroke(cr, 0x4A8A4A, 0.6);
  }
}

// A wall lever: up ('a'), in the middle ('b') or down (anything else).
void lever(cairo_t* cr, const PieceUse& u, char pos) {
  const double W = u.w, H = u.h;
  const double a = pos == 'a' ? -0.8 : pos == 'b' ? 0.0 : 0.8;
  rounded_rect(cr, W * 0.2, H * 0.3, W * 0.6, H * 0.4, 3);
  rgb(cr, era(u).lever_box);
  fill_stroke(cr, 0x101018, 1);
  const double px = W * 0.5, py = H * 0.5, len = std::min(W, H) * 0.45;
  const double ex = px + std::sin(a) * len, ey = py - std::cos(a) * len;
  cairo_move_to(cr, px, py);
  cairo_line_to(cr, ex, ey);
  rgb(cr, 0xC8C8D0);
  cairo_set_line_width(cr, std::max(2.0, W * 0.12));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_arc(cr, ex, ey, std::max(2.5, W * 0.16), 0, 2 * kPi);
  rgb(cr, pos == 'a' ? 0xE03030 : pos == 'b' ? 0xE0C030 : 0x30C040);
  fill_stroke(cr, 0x101010, 1);
}

void picture_frame(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, 1, 1, W - 2, H - 2);
  rgb(cr, 0xC8A040);
  fill_stroke(cr, 0x503810, 1.5);
  cairo_rectangle(cr, W * 0.12, H * 0.12, W * 0.76, H * 0.76);
  vgrad(cr, H * 0.12, H * 0.88, 0x80B0E0, 0x5A8A40);
  cairo_fill(cr);
  cairo_arc(cr, W * 0.65, H * 0.35, std::min(W, H) * 0.1, 0, 2 * kPi);
  rgb(cr, 0xFFE060);
  cairo_fill(cr);
}

void stairs(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const int n = std::max(4, static_cast<int>(H / 18));
  for (int i = 0; i < n; ++i) {
    const double sy = H - (i + 1) * H / n, sx = i * W * 0.5 / n;
    cairo_rectangle(cr, sx, sy, W - sx, H / n);
    rgb(cr, i % 2 ? era(u).stair_odd : era(u).stair_even);
    fill_stroke(cr, 0x3A2A1A, 1);
  }
}

// Anything else: a crate with an icon, its name lettered on it only when the
// name is capitalised (a proper name).
void crate(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const std::uint32_t h = name_hash(u.name);
  rounded_rect(cr, 1, 1, W - 2, H - 2, std::min(W, H) * 0.1);
  vgrad(cr, 0, H, era(u).crate[h % 4], era(u).crate_shade);
  fill_stroke(cr, 0x101018, 1.5);
  const double s = std::min(W, H) * 0.5;
  if (u.person)
    icon_bubble(cr, W / 2, H / 2, s, 0xFFFFFF);
  else
    icon_star(cr, W / 2, H / 2, s, era(u).crate_star);
}

}  // namespace

// A person lying on the floor (knocked out): the standing figure, in its own
// proportions, turned a quarter to the left (head left, feet right) and seen
// flattened by the floor's perspective to the height of the box; the phase
// lifts the chest. A person asleep at a desk slumps over it instead.
void paint_lying_person(cairo_t* cr, const PieceUse& u) {
  if (u.person_kind == PersonKind::sand_asleep) return paint_slumped_person(cr, u);
  PieceUse up = u;
  up.w = lying_figure_width(u);
  up.h = u.w;
  up.phases = 1;
  Canvas c(up.w, up.h);
  person(c.cr(), up);
  cairo_save(cr);
  cairo_scale(cr, 1, u.h / double(up.w));
  cairo_translate(cr, 0, up.w);
  cairo_rotate(cr, -kPi / 2);
  cairo_set_source_surface(cr, c.surface(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  // breathing marks
  if (u.phases > 1)
    for (int k = 0; k <= u.phase % 3; ++k) {
      cairo_arc(cr, u.w * 0.08 + k * 6, u.h * 0.2 - k * 4, 2 + k, 0, 2 * kPi);
      rgb(cr, 0xFFFFFF, 0.9);
      fill_stroke(cr, 0x404060, 0.8);
    }
}

int lying_figure_width(const PieceUse& u) { return u.w * 11 / 20 + 1; }

// A person asleep over the desk in front of her, in the box she stands in:
// her head on her folded arms on the desk's top (`rest_y`, else a desk's edge
// of her own at the foot of the box), her back rising behind; the phase lifts
// the back.
void paint_slumped_person(cairo_t* cr, const PieceUse& u) {
  const Look l = look_of(u);
  const double W = u.w, H = u.h, cx = W / 2;
  const double lw = std::max(1.0, H / 120.0);
  const double breath = u.phases > 1 ? std::sin(u.phase * 2 * kPi / u.phases) * H * 0.008 : 0.0;
  const double bw = W * 0.36, head = H * 0.13;
  const bool own_desk = u.rest_y <= 0;
  const double desk = own_desk ? H * 0.9 : u.rest_y + 3.0;
  // the back and shoulders behind her head
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, W, desk);
  cairo_clip(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, desk - head * 0.4);
  cairo_scale(cr, bw * 0.8, head * 1.9 + breath);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, l.top);
  fill_stroke(cr, 0x101018, lw);
  cairo_restore(cr);
  if (own_desk) {
    rounded_rect(cr, 0, desk, W, H - desk, H * 0.01);
    vgrad(cr, desk, H, era(u).desk_top, era(u).desk_edge);
    fill_stroke(cr, 0x101018, lw);
  }
  // the folded arms on the desk, sleeves and hands
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, cx + s * bw * 0.85, desk - head * 0.5);
    cairo_line_to(cr, cx + s * bw * 0.15, desk - head * 0.2);
    rgb(cr, l.top);
    cairo_set_line_width(cr, bw * 0.28);
    cairo_stroke(cr);
    cairo_arc(cr, cx - s * bw * 0.05, desk - head * 0.2, bw * 0.12, 0, 2 * kPi);
    rgb(cr, l.skin);
    fill_stroke(cr, 0x101018, lw * 0.7);
  }
  // the head on the arms, face down: the crown of the head and the hair
  const double hy = desk - head * 0.75 - breath;
  if (l.long_hair) {
    rounded_rect(cr, cx - head * 1.15, hy - head * 0.55, head * 2.3, head * 1.2, head * 0.5);
    rgb(cr, l.hair);
    fill_stroke(cr, 0x101018, lw);
  }
  cairo_save(cr);
  cairo_translate(cr, cx, hy);
  cairo_scale(cr, head * 0.9, head * 0.75);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, l.hair);
  fill_stroke(cr, 0x101018, lw);
  cairo_arc(cr, cx + head * 0.88, hy + head * 0.15, head * 0.18, 0, 2 * kPi);  // an ear
  rgb(cr, l.skin);
  fill_stroke(cr, 0x101018, lw * 0.7);
  // sleeping marks above her
  if (u.phases > 1)
    for (int k = 0; k <= u.phase % 3; ++k) {
      cairo_arc(cr, cx + head * (1.2 + k * 0.5), hy - head * (1.2 + k * 0.6), 2 + k, 0, 2 * kPi);
      rgb(cr, 0xFFFFFF, 0.9);
      fill_stroke(cr, 0x404060, 0.8);
    }
}

namespace {

void lying_person(cairo_t* cr, const PieceUse& u) { paint_lying_person(cr, u); }

double phase_t(const PieceUse& u) { return u.phases > 1 ? u.phase / double(u.phases) : 0.0; }
std::uint32_t metal(const PieceUse& u) { return era(u).metal; }

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, std::max(0.1, rx), std::max(0.1, ry));
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

void banister(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  // a handrail running down with its posts; torn off at one end
  const std::uint32_t c = era(u).banister;
  // the stair flight the posts stand on
  cairo_move_to(cr, 2, H * 0.55);
  cairo_line_to(cr, W * 0.8, H * 0.95);
  cairo_line_to(cr, W * 0.8, H - 1);
  cairo_line_to(cr, 2, H - 1);
  cairo_close_path(cr);
  rgb(cr, era(u).banister_foot);
  fill_stroke(cr, 0x3A2A1A, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 4, 6);
  cairo_line_to(cr, W * 0.8, H * 0.45);
  rgb(cr, c);
  cairo_set_line_width(cr, std::max(3.0, H * 0.05));
  cairo_stroke(cr);
  for (int i = 0; i < 6; ++i) {
    const double t = i / 6.0, x = 4 + t * (W * 0.8 - 4), y = 6 + t * (H * 0.45 - 6);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, H - 3);
    cairo_set_line_width(cr, std::max(1.5, W * 0.015));
    cairo_stroke(cr);
  }
  cairo_move_to(cr, W * 0.8, H * 0.45);
  cairo_line_to(cr, W * 0.92, H * 0.62);
  cairo_line_to(cr, W * 0.97, H * 0.58);
  cairo_set_line_width(cr, std::max(2.0, H * 0.03));
  cairo_stroke(cr);
}

void pole(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.2, 0, W * 0.6, H);
  cairo_pattern_t* g = cairo_pattern_create_linear(W * 0.2, 0, W * 0.8, 0);
  const std::uint32_t a = era(u).pole_shade, b = era(u).pole_light;
  cairo_pattern_add_color_stop_rgb(g, 0, ((a >> 16) & 255) / 255.0, ((a >> 8) & 255) / 255.0, (a & 255) / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 0.4, ((b >> 16) & 255) / 255.0, ((b >> 8) & 255) / 255.0, (b & 255) / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, ((a >> 16) & 255) / 255.0, ((a >> 8) & 255) / 255.0, (a & 255) / 255.0);
  cairo_set_source(cr, g);
  fill_stroke(cr, 0x202028, 1);
  cairo_pattern_destroy(g);
  if (u.future) {
    cairo_rectangle(cr, W * 0.2, H * 0.3, W * 0.6, 3);
    rgb(cr, 0x48D8F0);
    cairo_fill(cr);
  } else {
    static const std::uint32_t kGum[] = {0xF070A0, 0x70C0F0, 0xF0E060, 0xFFFFFF};
    for (int i = 0; i < 7; ++i) {  // chewing gum
      cairo_arc(cr, W * (0.3 + 0.4 * ((i * 37 % 10) / 10.0)), H * (0.3 + 0.08 * i), std::max(1.5, W * 0.08), 0, 2 * kPi);
      rgb(cr, kGum[i % 4]);
      cairo_fill(cr);
    }
  }
}

void sparkle(cairo_t* cr, double cx, double cy, double r, double t) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, t * kPi / 2);
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, r * 0.2, r * 0.2);
    cairo_line_to(cr, r, 0);
    cairo_line_to(cr, r * 0.2, -r * 0.2);
    cairo_close_path(cr);
    cairo_rotate(cr, kPi / 2);
  }
  rgb(cr, 0xFFFFFF);
  cairo_fill(cr);
  cairo_restore(cr);
}

void diamond(cairo_t* cr, double x, double y, double w, double h, double t) {
  cairo_move_to(cr, x + w * 0.2, y + h * 0.05);
  cairo_line_to(cr, x + w * 0.8, y + h * 0.05);
  cairo_line_to(cr, x + w, y + h * 0.35);
  cairo_line_to(cr, x + w * 0.5, y + h);
  cairo_line_to(cr, x, y + h * 0.35);
  cairo_close_path(cr);
  vgrad(cr, y, y + h, 0xE8FAFF, 0x60B8F0);
  fill_stroke(cr, 0x2A5A8A, 1);
  cairo_move_to(cr, x, y + h * 0.35);
  cairo_line_to(cr, x + w, y + h * 0.35);
  cairo_move_to(cr, x + w * 0.35, y + h * 0.05);
  cairo_line_to(cr, x + w * 0.5, y + h);
  cairo_line_to(cr, x + w * 0.65, y + h * 0.05);
  rgb(cr, 0x4A8ACA);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  sparkle(cr, x + w * (0.25 + 0.5 * t), y + h * 0.25, std::max(3.0, w * 0.3), t);
}

enum class Shown { rocks, fossils, jewel, nothing };

// The showcase opened: its cabinet and frame, the glass front swung open to
// the left; the inside is clear, so what lies in it (a piece of its own) shows.
void open_showcase(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.05, H * 0.6, W * 0.9, H * 0.39);
  rgb(cr, era(u).cabinet);
  fill_stroke(cr, 0x101010, 1.2);
  // the frame's posts and top rail
  for (double x0 : {1.0, W - 5.0}) {
    cairo_rectangle(cr, x0, 1, 4, H * 0.6);
    rgb(cr, era(u).showcase_frame);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 1, 1, W - 2, 4);
  cairo_fill(cr);
  // the glass front, open towards the viewer on its hinge at the left
  cairo_move_to(cr, 3, 2);
  cairo_line_to(cr, W * 0.16, -0.0 + H * 0.04);
  cairo_line_to(cr, W * 0.16, H * 0.6);
  cairo_line_to(cr, 3, H * 0.6);
  cairo_close_path(cr);
  rgb(cr, era(u).showcase_glass, 0.75);
  fill_stroke(cr, era(u).showcase_frame, 2);
}

void showcase(cairo_t* cr, const PieceUse& u, Shown shown, bool broken) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.05, H * 0.6, W * 0.9, H * 0.39);
  rgb(cr, era(u).cabinet);
  fill_stroke(cr, 0x101010, 1.2);
  cairo_rectangle(cr, 1, 1, W - 2, H * 0.6);
  rgb(cr, era(u).showcase_glass, 0.55);
  fill_stroke(cr, era(u).showcase_frame, 2);
  const double floor_y = H * 0.58;
  if (shown == Shown::rocks || shown == Shown::fossils) {
    for (int i = 0; i < 4; ++i) {
      ellipse(cr, W * (0.18 + i * 0.21), floor_y - H * 0.07, W * 0.08, H * 0.06);
      rgb(cr, i % 2 ? 0x8A7A6A : 0xA89070);
      fill_stroke(cr, 0x302820, 1);
      if (shown == Shown::fossils) {
        cairo_arc(cr, W * (0.18 + i * 0.21), floor_y - H * 0.07, W * 0.04, 0, 5);
        rgb(cr, 0x4A3A2A);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      }
    }
  } else if (shown == Shown::jewel) {
    cairo_rectangle(cr, W * 0.38, floor_y - H * 0.12, W * 0.24, H * 0.12);
    rgb(cr, 0x8A2040);
    cairo_fill(cr);
    sparkle(cr, W * 0.5, floor_y - H * 0.2, std::min(W, H) * 0.1, phase_t(u));
  }
  if (broken) {
    // the broken lock
    cairo_move_to(cr, W * 0.7, H * 0.62);
    cairo_line_to(cr, W * 0.8, H * 0.7);
    cairo_line_to(cr, W * 0.74, H * 0.75);
    rgb(cr, 0xE0C040);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  } else {
    cairo_rectangle(cr, W * 0.46, H * 0.65, W * 0.08, H * 0.08);
    rgb(cr, 0xD8C060);
    fill_stroke(cr, 0x302010, 1);
  }
}

void globe(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h, r = std::min(W * 0.45, H * 0.38);
  cairo_rectangle(cr, W * 0.3, H * 0.9, W * 0.4, H * 0.09);
  rgb(cr, 0x5A3A20);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.5, H * 0.9);
  cairo_line_to(cr, W * 0.5, H * 0.78);
  rgb(cr, 0x8A7040);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, W * 0.5, r + 2, r, 0, 2 * kPi);
  rgrad(cr, W * 0.4, r * 0.7, r * 1.3, 0x80C0F0, 0x2A5AA0);
  fill_stroke(cr, 0x102040, 1.2);
  for (int i = 0; i < 3; ++i) {
    ellipse(cr, W * (0.4 + 0.12 * i), r * (0.7 + 0.4 * (i % 2)) + 2, r * 0.25, r * 0.18);
    rgb(cr, 0xC8A860);
    cairo_fill(cr);
  }
  cairo_arc(cr, W * 0.5, r + 2, r + 3, kPi * 0.6, kPi * 1.4);
  rgb(cr, 0x8A7040);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void map_frame(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, 1, 1, W - 2, H - 2);
  rgb(cr, 0x6A4424);
  fill_stroke(cr, 0x201008, 1.2);
  cairo_rectangle(cr, W * 0.07, H * 0.08, W * 0.86, H * 0.84);
  rgb(cr, 0xE8DCB0);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.3, H * 0.2);
  cairo_curve_to(cr, W * 0.6, H * 0.1, W * 0.8, H * 0.4, W * 0.7, H * 0.75);
  cairo_curve_to(cr, W * 0.5, H * 0.9, W * 0.2, H * 0.7, W * 0.3, H * 0.2);
  rgb(cr, 0xB8C890);
  fill_stroke(cr, 0x6A5A3A, 1);
  cairo_move_to(cr, W * 0.35, H * 0.3);
  cairo_curve_to(cr, W * 0.5, H * 0.4, W * 0.4, H * 0.6, W * 0.6, H * 0.7);
  rgb(cr, 0x3A6AC8);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void pavilion(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, 0, H * 0.3);
  cairo_line_to(cr, W * 0.5, 1);
  cairo_line_to(cr, W, H * 0.3);
  cairo_close_path(cr);
  rgb(cr, era(u).roof);
  fill_stroke(cr, 0x201010, 1.5);
  for (double x : {W * 0.08, W * 0.5 - W * 0.03, W * 0.86}) {
    cairo_rectangle(cr, x, H * 0.3, W * 0.06, H * 0.69);
    rgb(cr, era(u).posts);
    fill_stroke(cr, 0x303030, 1);
  }
  cairo_rectangle(cr, W * 0.14, H * 0.75, W * 0.72, H * 0.06);
  rgb(cr, 0x7A5030);
  fill_stroke(cr, 0x201008, 1);
}

void hoop(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.44, H * 0.2, W * 0.1, H * 0.8);
  rgb(cr, 0x5A6070);
  fill_stroke(cr, 0x101010, 1);
  cairo_rectangle(cr, W * 0.1, 1, W * 0.8, H * 0.25);
  rgb(cr, 0xF4F4F4);
  fill_stroke(cr, 0x303030, 1.5);
  cairo_rectangle(cr, W * 0.35, H * 0.08, W * 0.3, H * 0.12);
  rgb(cr, 0xD04020);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  ellipse(cr, W * 0.5, H * 0.28, W * 0.22, H * 0.025);
  rgb(cr, 0xE06020);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 5; ++i) {
    cairo_move_to(cr, W * (0.3 + i * 0.1), H * 0.29);
    cairo_line_to(cr, W * (0.36 + i * 0.07), H * 0.38);
  }
  rgb(cr, 0xFFFFFF);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void periodic(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, 0, 0, W, H);
  rgb(cr, era(u).chart);
  fill_stroke(cr, 0x303040, 1.5);
  static const std::uint32_t kGroups[] = {0xE06060, 0xE0A040, 0x60B0E0, 0x8070E0, 0x50C0A0, 0xC060C0};
  const int cols = 18, rows = 7;
  const double cw = (W - 6) / cols, ch = (H - 6) / (rows + 2);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const bool gap = (r == 0 && c > 0 && c < 17) || (r < 3 && c > 1 && c < 12);
      if (gap) continue;
      cairo_rectangle(cr, 3 + c * cw, 3 + r * ch, cw - 1, ch - 1);
      rgb(cr, kGroups[(c < 2 ? 0 : c < 12 ? 1 + (r % 2) : c < 17 ? 3 + (c % 2) : 5)]);
      cairo_fill(cr);
    }
  for (int r = 0; r < 2; ++r)
    for (int c = 2; c < 16; ++c) {
      cairo_rectangle(cr, 3 + c * cw, 3 + (rows + 0.3 + r) * ch, cw - 1, ch - 1);
      rgb(cr, 0xB0B0C0);
      cairo_fill(cr);
    }
}

void alarm_light(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h, r = std::min(W, H) * 0.42;
  // state 0: lit red (the alarm is on); any other state: green, asleep
  const bool on = u.state == 0;
  cairo_rectangle(cr, W * 0.2, H - H * 0.15, W * 0.6, H * 0.15);
  rgb(cr, 0x404858);
  cairo_fill(cr);
  cairo_arc(cr, W / 2, H * 0.48, r, 0, 2 * kPi);
  rgrad(cr, W / 2 - r * 0.3, H * 0.4, r * 1.2, on ? 0xFF8070 : 0x90FFA0, on ? 0xC01010 : 0x109030);
  fill_stroke(cr, 0x101018, 1);
}

void fan(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h, r = std::min(W * 0.48, H * 0.4);
  const double cx = W / 2, cy = r + 2;
  cairo_rectangle(cr, cx - W * 0.05, cy, W * 0.1, H - cy - H * 0.08);
  rgb(cr, metal(u));
  fill_stroke(cr, 0x202028, 1);
  ellipse(cr, cx, H - H * 0.05, W * 0.35, H * 0.04);
  rgb(cr, 0x404858);
  cairo_fill(cr);
  const double a0 = phase_t(u) * 2 * kPi / 3;  // three blades: a third of a turn repeats
  for (int b = 0; b < 3; ++b) {
    const double a = a0 + b * 2 * kPi / 3;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    ellipse(cr, r * 0.5, 0, r * 0.45, r * 0.2);
    cairo_restore(cr);
    rgb(cr, era(u).fan_blade);
    fill_stroke(cr, 0x303040, 1);
  }
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgb(cr, 0x202830);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r * 0.12, 0, 2 * kPi);
  rgb(cr, 0x303840);
  cairo_fill(cr);
}

// The telescope's tube, turned up to the right about the picture's middle.
void telescope_tube(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_save(cr);
  cairo_translate(cr, W * 0.5, H * 0.5);
  cairo_rotate(cr, -0.7);
  rounded_rect(cr, -W * 0.2, -H * 0.07, W * 0.75, H * 0.14, 3);
  vgrad(cr, -H * 0.07, H * 0.07, era(u).tube_light, era(u).tube_dark);
  fill_stroke(cr, 0x202028, 1.2);
  cairo_rectangle(cr, W * 0.48, -H * 0.09, W * 0.08, H * 0.18);
  rgb(cr, 0x303038);
  cairo_fill(cr);
  cairo_restore(cr);
}

// On its tripod, standing.
void telescope(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  for (double fx : {0.2, 0.5, 0.8}) {
    cairo_move_to(cr, W * 0.5, H * 0.55);
    cairo_line_to(cr, W * fx, H - 2);
  }
  rgb(cr, 0x404048);
  cairo_set_line_width(cr, std::max(2.0, W * 0.03));
  cairo_stroke(cr);
  telescope_tube(cr, u);
}

// Hung from a plate on the wall above it by a rod to its middle.
void mounted_telescope(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.47, H * 0.06, W * 0.06, H * 0.46);
  rgb(cr, 0x404048);
  fill_stroke(cr, 0x18181C, 1);
  rounded_rect(cr, W * 0.32, 1, W * 0.36, H * 0.07, 2);
  vgrad(cr, 1, H * 0.07, 0x8A94A8, 0x4A5468);
  fill_stroke(cr, 0x18181C, 1);
  telescope_tube(cr, u);
}

void guitar(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.44, 2, W * 0.12, H * 0.55);
  rgb(cr, 0x4A2A14);
  fill_stroke(cr, 0x100804, 1);
  cairo_rectangle(cr, W * 0.38, 1, W * 0.24, H * 0.08);
  rgb(cr, 0x202020);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.5, H * 0.5);
  cairo_curve_to(cr, W * 1.05, H * 0.45, W * 0.95, H * 1.0, W * 0.5, H * 0.98);
  cairo_curve_to(cr, W * 0.05, H * 1.0, W * -0.05, H * 0.45, W * 0.5, H * 0.5);
  vgrad(cr, H * 0.5, H, 0xE02020, 0x801010);
  fill_stroke(cr, 0x200404, 1.2);
  cairo_rectangle(cr, W * 0.3, H * 0.75, W * 0.4, H * 0.04);
  rgb(cr, 0xE0E0E0);
  cairo_fill(cr);
  for (int s = 0; s < 3; ++s) {
    cairo_move_to(cr, W * (0.46 + s * 0.04), 4);
    cairo_line_to(cr, W * (0.46 + s * 0.04), H * 0.77);
  }
  rgb(cr, 0xF0F0F0);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
}

void reactor(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const double glow = 0.5 + 0.5 * std::sin(phase_t(u) * 2 * kPi);
  rounded_rect(cr, W * 0.08, H * 0.1, W * 0.84, H * 0.88, W * 0.2);
  vgrad(cr, 0, H, 0xD8DCE4, 0x6A7080);
  fill_stroke(cr, 0x202028, 1.5);
  const double cx = W / 2, cy = H * 0.5, r = std::min(W, H) * 0.28;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgb(cr, 0xF0D020);
  fill_stroke(cr, 0x202020, 1);
  for (int k = 0; k < 3; ++k) {  // the trefoil
    const double a = -kPi / 2 + k * 2 * kPi / 3;
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r * 0.85, a - 0.5, a + 0.5);
    cairo_close_path(cr);
  }
  rgb(cr, 0x101010);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.15, 0, 2 * kPi);
  cairo_fill(cr);
  rounded_rect(cr, W * 0.2, H * 0.02, W * 0.6, H * 0.12, 3);
  rgb(cr, 0x40FF80, 0.5 + 0.5 * glow);
  cairo_fill(cr);
}

void display(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, 1, 1, W - 2, H - 2, 4);
  rgb(cr, 0x2A3040);
  fill_stroke(cr, 0x8090B0, 1.5);
  cairo_rectangle(cr, W * 0.08, H * 0.15, W * 0.84, H * 0.55);
  rgb(cr, 0x081018);
  cairo_fill(cr);
  // four seven-segment-like digits, counting with the phase
  for (int d = 0; d < 4; ++d) {
    const int v = (2 + d * 3 + u.phase) % 10;
    const double dx = W * (0.12 + d * 0.2), dy = H * 0.2, dw = W * 0.14, dh = H * 0.45;
    auto seg = [&](bool on, double x0, double y0, double x1, double y1) {
      cairo_move_to(cr, dx + x0 * dw, dy + y0 * dh);
      cairo_line_to(cr, dx + x1 * dw, dy + y1 * dh);
      rgb(cr, on ? 0xFF4060 : 0x301018);
      cairo_set_line_width(cr, std::max(1.5, dw * 0.15));
      cairo_stroke(cr);
    };
    static const int kSeg[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int m = kSeg[v];
    seg(m & 1, 0.1, 0, 0.9, 0);
    seg(m & 2, 0.9, 0, 0.9, 0.5);
    seg(m & 4, 0.9, 0.5, 0.9, 1);
    seg(m & 8, 0.1, 1, 0.9, 1);
    seg(m & 16, 0.1, 0.5, 0.1, 1);
    seg(m & 32, 0.1, 0, 0.1, 0.5);
    seg(m & 64, 0.1, 0.5, 0.9, 0.5);
  }
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, W * (0.25 + i * 0.25), H * 0.85, std::max(2.0, H * 0.06), 0, 2 * kPi);
    rgb(cr, 0x5060A0);
    cairo_fill(cr);
  }
}

void buttons(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, 1, 1, W - 2, H - 2, 4);
  vgrad(cr, 0, H, 0x5A6680, 0x2A3448);
  fill_stroke(cr, 0x101820, 1.5);
  static const std::uint32_t kCols[] = {0xFF4040, 0x40E060, 0xFFD040, 0x40A0FF, 0xFF60E0};
  const int cols = 6, rows = 3;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const int k = r * cols + c;
      const bool lit = ((k * 7 + u.phase * 3) % 5) < 2;
      cairo_arc(cr, W * (c + 0.5) / cols, H * (r + 0.5) / rows, std::min(W / cols, H / rows) * 0.3, 0, 2 * kPi);
      rgb(cr, kCols[k % 5], lit ? 1.0 : 0.55);
      fill_stroke(cr, 0x101010, 0.8);
    }
}

void gas_bottle(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, W * 0.1, H * 0.15, W * 0.8, H * 0.84, W * 0.35);
  vgrad(cr, 0, H, 0xE0A020, 0xA06010);
  fill_stroke(cr, 0x301808, 1.2);
  cairo_rectangle(cr, W * 0.35, H * 0.02, W * 0.3, H * 0.14);
  rgb(cr, 0x606068);
  fill_stroke(cr, 0x101010, 1);
  cairo_move_to(cr, W * 0.5, H * 0.4);
  cairo_curve_to(cr, W * 0.3, H * 0.55, W * 0.4, H * 0.65, W * 0.5, H * 0.62);
  cairo_curve_to(cr, W * 0.6, H * 0.65, W * 0.7, H * 0.55, W * 0.5, H * 0.4);
  rgb(cr, 0xD02010);
  cairo_fill(cr);
}

void hose(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  for (int k = 0; k < 3; ++k) {
    ellipse(cr, W * 0.45, H * 0.55, W * (0.38 - k * 0.08), H * (0.38 - k * 0.08));
    rgb(cr, 0xE05020);
    cairo_set_line_width(cr, std::max(2.0, H * 0.08));
    cairo_stroke(cr);
  }
  cairo_move_to(cr, W * 0.8, H * 0.55);
  cairo_line_to(cr, W - 2, H * 0.3);
  cairo_stroke(cr);
}

void flask(cairo_t* cr, const PieceUse& u, std::uint32_t liquid) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, W * 0.38, 1);
  cairo_line_to(cr, W * 0.62, 1);
  cairo_line_to(cr, W * 0.62, H * 0.35);
  cairo_line_to(cr, W * 0.97, H * 0.97);
  cairo_line_to(cr, W * 0.03, H * 0.97);
  cairo_line_to(cr, W * 0.38, H * 0.35);
  cairo_close_path(cr);
  rgb(cr, 0xE8F4FF, 0.7);
  fill_stroke(cr, 0x4A5A6A, 1.2);
  const double lv = 0.6 - 0.04 * std::sin(phase_t(u) * 2 * kPi);
  cairo_move_to(cr, W * (0.5 - lv * 0.55), H * lv + H * 0.08);
  cairo_line_to(cr, W * (0.5 + lv * 0.55), H * lv + H * 0.08);
  cairo_line_to(cr, W * 0.94, H * 0.95);
  cairo_line_to(cr, W * 0.06, H * 0.95);
  cairo_close_path(cr);
  rgb(cr, liquid);
  cairo_fill(cr);
  if (u.phases > 1) {
    cairo_arc(cr, W * (0.4 + 0.2 * phase_t(u)), H * (0.85 - 0.2 * phase_t(u)), std::max(1.2, W * 0.06), 0, 2 * kPi);
    rgb(cr, 0xFFFFFF);
    cairo_fill(cr);
  }
}

void burner(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  ellipse(cr, W / 2, H * 0.94, W * 0.45, H * 0.05);
  rgb(cr, 0x404048);
  cairo_fill(cr);
  cairo_rectangle(cr, W * 0.38, H * 0.45, W * 0.24, H * 0.48);
  vgrad(cr, 0, H, 0xC8C8D0, 0x606068);
  fill_stroke(cr, 0x202020, 1);
  const double f = 1.0 + 0.15 * std::sin(phase_t(u) * 2 * kPi + 1);
  cairo_move_to(cr, W * 0.5, H * (0.45 - 0.42 * f));
  cairo_curve_to(cr, W * 0.8, H * 0.3, W * 0.7, H * 0.45, W * 0.5, H * 0.45);
  cairo_curve_to(cr, W * 0.3, H * 0.45, W * 0.2, H * 0.3, W * 0.5, H * (0.45 - 0.42 * f));
  vgrad(cr, 0, H * 0.45, 0xA0D0FF, 0x2050FF);
  cairo_fill(cr);
}

void book(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, W * 0.1, H * 0.1);
  cairo_line_to(cr, W * 0.9, H * 0.1);
  cairo_line_to(cr, W * 0.98, H * 0.85);
  cairo_line_to(cr, W * 0.02, H * 0.85);
  cairo_close_path(cr);
  rgb(cr, 0x2A5AA8);
  fill_stroke(cr, 0x101830, 1);
  cairo_rectangle(cr, W * 0.02, H * 0.85, W * 0.96, H * 0.12);
  rgb(cr, 0xF8F4E8);
  fill_stroke(cr, 0x606060, 0.8);
  cairo_arc(cr, W * 0.5, H * 0.45, std::min(W, H) * 0.15, 0, 2 * kPi);
  rgb(cr, 0xF0D040);
  cairo_fill(cr);
}

void test_tube(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, W * 0.2, 1, W * 0.6, H - 2, W * 0.3);
  rgb(cr, 0xE8F4FF, 0.75);
  fill_stroke(cr, 0x4A5A6A, 1);
  rounded_rect(cr, W * 0.25, H * 0.5, W * 0.5, H * 0.48, W * 0.25);
  rgb(cr, 0x9A40D0);
  cairo_fill(cr);
}

void bottle(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, W * 0.38, 1);
  cairo_line_to(cr, W * 0.62, 1);
  cairo_line_to(cr, W * 0.62, H * 0.3);
  cairo_curve_to(cr, W * 0.95, H * 0.35, W * 0.95, H * 0.4, W * 0.95, H * 0.5);
  cairo_line_to(cr, W * 0.95, H * 0.98);
  cairo_line_to(cr, W * 0.05, H * 0.98);
  cairo_line_to(cr, W * 0.05, H * 0.5);
  cairo_curve_to(cr, W * 0.05, H * 0.4, W * 0.05, H * 0.35, W * 0.38, H * 0.3);
  cairo_close_path(cr);
  rgb(cr, 0x8A5A20, 0.9);
  fill_stroke(cr, 0x2A1A08, 1);
  cairo_rectangle(cr, W * 0.15, H * 0.55, W * 0.7, H * 0.25);
  rgb(cr, 0xF4ECD0);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.3, H * 0.62);
  cairo_line_to(cr, W * 0.7, H * 0.74);
  cairo_move_to(cr, W * 0.7, H * 0.62);
  cairo_line_to(cr, W * 0.3, H * 0.74);
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void tank(cairo_t* cr, const PieceUse& u);

// The emergency shower: a standpipe from the floor with its water tank on it,
// under the arm to the shower head, and the pull handle. The tank fills the
// upper part of the picture that future_chimietp's tank row points at; the
// lead solution's funnel (hero_scenes_art.cpp) sits on the pipe below it.
void shower(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.1, 4, W * 0.08, H - 6);
  rgb(cr, 0x30A040);
  fill_stroke(cr, 0x102010, 1);
  PieceUse on_pipe = u;
  on_pipe.w = static_cast<int>(W * 0.38);
  on_pipe.h = static_cast<int>(H * 0.19);
  cairo_save(cr);
  cairo_translate(cr, W * 0.02, H * 0.07);
  tank(cr, on_pipe);
  cairo_restore(cr);
  cairo_rectangle(cr, W * 0.1, 4, W * 0.55, W * 0.08);
  rgb(cr, 0x30A040);
  cairo_fill(cr);
  ellipse(cr, W * 0.62, 8 + W * 0.06, W * 0.2, W * 0.06);
  rgb(cr, 0xC8D0D8);
  fill_stroke(cr, 0x303030, 1);
  if (u.phases > 1 || u.state > 0)
    for (int i = 0; i < 9; ++i) {
      const double x = W * (0.46 + i * 0.04), y0 = 12 + W * 0.1 + ((i * 13 + u.phase * 9) % 20);
      cairo_move_to(cr, x, y0);
      cairo_line_to(cr, x + (i - 4) * 1.5, y0 + H * 0.2);
    }
  rgb(cr, 0x80C0FF);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, W * 0.18, H * 0.5);
  cairo_line_to(cr, W * 0.45, H * 0.5);
  cairo_line_to(cr, W * 0.45, H * 0.62);
  rgb(cr, 0xE0C020);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_rectangle(cr, W * 0.4, H * 0.62, W * 0.1, W * 0.1);
  rgb(cr, 0xE03020);
  cairo_fill(cr);
}

void tank(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, W * 0.05, H * 0.05, W * 0.9, H * 0.8, W * 0.2);
  vgrad(cr, 0, H, 0xC8D0DC, 0x5A6478);
  fill_stroke(cr, 0x202028, 1.5);
  cairo_rectangle(cr, W * 0.42, H * 0.2, W * 0.16, H * 0.55);
  rgb(cr, 0x101820);
  cairo_fill(cr);
  const double lv = 0.4 + 0.1 * std::sin(phase_t(u) * 2 * kPi);
  cairo_rectangle(cr, W * 0.44, H * (0.2 + 0.55 * lv), W * 0.12, H * 0.55 * (1 - lv));
  rgb(cr, 0x3A90F0);
  cairo_fill(cr);
  for (double lx : {W * 0.2, W * 0.75}) {
    cairo_rectangle(cr, lx, H * 0.85, W * 0.06, H * 0.14);
    rgb(cr, 0x404858);
    cairo_fill(cr);
  }
}

void extinguisher(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, W * 0.15, H * 0.18, W * 0.7, H * 0.81, W * 0.3);
  vgrad(cr, 0, H, 0xF03020, 0x901008);
  fill_stroke(cr, 0x300404, 1.2);
  cairo_rectangle(cr, W * 0.35, H * 0.06, W * 0.3, H * 0.13);
  rgb(cr, 0x303030);
  cairo_fill(cr);
  cairo_move_to(cr, W * 0.62, H * 0.1);
  cairo_curve_to(cr, W * 1.0, H * 0.15, W * 0.95, H * 0.45, W * 0.85, H * 0.55);
  cairo_set_line_width(cr, std::max(1.5, W * 0.08));
  cairo_stroke(cr);
  cairo_rectangle(cr, W * 0.25, H * 0.45, W * 0.5, H * 0.2);
  rgb(cr, 0xF4F0E0);
  cairo_fill(cr);
}

// A rubbish bin with its lid.
void rubbish_bin(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, W * 0.15, H * 0.15);
  cairo_line_to(cr, W * 0.85, H * 0.15);
  cairo_line_to(cr, W * 0.78, H * 0.98);
  cairo_line_to(cr, W * 0.22, H * 0.98);
  cairo_close_path(cr);
  vgrad(cr, 0, H, metal(u), 0x404858);
  fill_stroke(cr, 0x101018, 1.2);
  rounded_rect(cr, W * 0.08, H * 0.06, W * 0.84, H * 0.1, 3);
  rgb(cr, 0x505868);
  fill_stroke(cr, 0x101018, 1);
}

// A mop bucket: a yellow pail, wider at the rim, with grey water in it, its
// wire handle up and a mop leaning out of it to the right.
void mop_bucket(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const double top = H * 0.42, rim_rx = W * 0.36, rim_ry = H * 0.07, cx = W * 0.42;
  // the mop's stick, behind the rim, and its grey strands in the water
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + W * 0.05, top);
  cairo_line_to(cr, W * 0.93, H * 0.03);
  rgb(cr, 0x9A6A3A);
  cairo_set_line_width(cr, std::max(2.0, W * 0.07));
  cairo_stroke(cr);
  // the pail
  cairo_move_to(cr, cx - rim_rx, top);
  cairo_line_to(cr, cx - rim_rx * 0.78, H - 2);
  cairo_line_to(cr, cx + rim_rx * 0.78, H - 2);
  cairo_line_to(cr, cx + rim_rx, top);
  cairo_close_path(cr);
  vgrad(cr, top, H, 0xF0C830, 0xA07810);
  fill_stroke(cr, 0x101018, 1.2);
  // a ridge round its middle
  cairo_move_to(cr, cx - rim_rx * 0.89, top + (H - top) * 0.5);
  cairo_line_to(cr, cx + rim_rx * 0.89, top + (H - top) * 0.5);
  rgb(cr, 0x806010);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // the rim and the water in it
  ellipse(cr, cx, top, rim_rx, rim_ry);
  rgb(cr, 0x6A7A70);
  fill_stroke(cr, 0x101018, 1.2);
  ellipse(cr, cx + W * 0.05, top, rim_rx * 0.3, rim_ry * 0.6);
  rgb(cr, 0xB8B8A8);
  cairo_fill(cr);
  // the handle, raised
  cairo_save(cr);
  cairo_translate(cr, cx, top);
  cairo_scale(cr, rim_rx, top * 0.8);
  cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, 0x303038);
  cairo_set_line_width(cr, std::max(1.0, W * 0.03));
  cairo_stroke(cr);
}

// A model of the school on a plinth: a long block and a tower, rows of
// windows, barbed wire on the roofs.
void school_model(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const double base = H * 0.72;
  // the plinth
  rounded_rect(cr, 1, base, W - 2, H - base - 1, 2);
  vgrad(cr, base, H, era(u).desk_top, era(u).desk_edge);
  fill_stroke(cr, 0x101018, 1.2);
  // the buildings: (x, top, width) in parts of the picture
  const double blocks[][3] = {{0.08, 0.38, 0.56}, {0.64, 0.12, 0.26}};
  for (const auto& b : blocks) {
    const double bx = W * b[0], by = H * b[1], bw = W * b[2];
    cairo_rectangle(cr, bx, by, bw, base - by);
    vgrad(cr, by, base, 0xB8BCC8, 0x707888);
    fill_stroke(cr, 0x101018, 1);
    // windows
    const int cols = std::max(2, static_cast<int>(bw / 7)), rows = std::max(2, static_cast<int>((base - by) / 8));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        cairo_rectangle(cr, bx + bw * (c + 0.25) / cols, by + (base - by) * (r + 0.3) / rows, bw * 0.5 / cols,
                        (base - by) * 0.4 / rows);
        rgb(cr, (r + c) % 3 ? 0x3A4A6A : 0xF0E090);
        cairo_fill(cr);
      }
    // the barbed wire along the roof
    cairo_move_to(cr, bx, by - 1);
    for (double x = bx; x < bx + bw; x += 3) cairo_line_to(cr, x + 1.5, by - (static_cast<int>(x) % 2 ? 4 : 1));
    cairo_line_to(cr, bx + bw, by - 1);
    rgb(cr, 0x303038);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
}

// A plain door set in a wall: its frame, the leaf with a small window, a
// handle and a kick plate.
void door(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, 1, 1, W - 2, H - 2);
  rgb(cr, era(u).metal);
  fill_stroke(cr, 0x101018, 1.5);
  const double lx = W * 0.1, ly = H * 0.05, lw = W * 0.8, lh = H * 0.95 - 1;
  cairo_rectangle(cr, lx, ly, lw, lh);
  vgrad(cr, ly, ly + lh, era(u).cabinet, 0x303848);
  fill_stroke(cr, 0x101018, 1.2);
  rounded_rect(cr, lx + lw * 0.25, ly + lh * 0.12, lw * 0.5, lh * 0.22, 2);
  rgb(cr, 0x9ACCE8);
  fill_stroke(cr, 0x101018, 1);
  rounded_rect(cr, lx + lw * 0.72, ly + lh * 0.5, lw * 0.18, lh * 0.04, 2);
  rgb(cr, 0xD0D4DC);
  fill_stroke(cr, 0x101018, 1);
  cairo_rectangle(cr, lx + lw * 0.08, ly + lh * 0.86, lw * 0.84, lh * 0.1);
  rgb(cr, 0x5A6070);
  fill_stroke(cr, 0x101018, 1);
}

// A heap of rubbish: a mound of sweepings, with a box, a can, a bottle,
// crumpled paper and a banana skin on it.
void rubbish_heap(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, 1, H - 1);
  cairo_curve_to(cr, W * 0.12, H * 0.5, W * 0.32, H * 0.25, W * 0.5, H * 0.27);
  cairo_curve_to(cr, W * 0.7, H * 0.27, W * 0.86, H * 0.55, W - 1, H - 1);
  cairo_close_path(cr);
  vgrad(cr, H * 0.25, H, 0x7A6A58, 0x3A3028);
  fill_stroke(cr, 0x101010, 1);
  cairo_save(cr);
  cairo_translate(cr, W * 0.3, H * 0.5);
  cairo_rotate(cr, -0.25);
  cairo_rectangle(cr, -W * 0.14, -H * 0.17, W * 0.28, H * 0.3);
  rgb(cr, 0xB8905A);
  fill_stroke(cr, 0x3A2810, 1);
  cairo_move_to(cr, -W * 0.14, -H * 0.04);
  cairo_line_to(cr, W * 0.14, -H * 0.04);
  rgb(cr, 0x8A6A3A);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_rectangle(cr, W * 0.6, H * 0.3, W * 0.1, H * 0.3);
  vgrad(cr, H * 0.3, H * 0.6, 0xE04040, 0x902020);
  fill_stroke(cr, 0x101010, 0.8);
  cairo_rectangle(cr, W * 0.6, H * 0.3, W * 0.1, H * 0.05);
  rgb(cr, 0xD0D0D8);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, W * 0.72, H * 0.78);
  cairo_rotate(cr, 0.35);
  rounded_rect(cr, -W * 0.13, -H * 0.06, W * 0.2, H * 0.12, H * 0.05);
  rounded_rect(cr, W * 0.06, -H * 0.03, W * 0.08, H * 0.06, H * 0.02);
  rgb(cr, 0x3A8A4A, 0.9);
  fill_stroke(cr, 0x102010, 0.8);
  cairo_restore(cr);
  for (int i = 0; i < 4; ++i) {
    const double x = W * (0.15 + 0.22 * i), y = H * (0.8 - 0.12 * (i % 2));
    ellipse(cr, x, y, W * 0.06, H * 0.08);
    rgb(cr, 0xE8E4D8);
    fill_stroke(cr, 0x707068, 0.8);
  }
  cairo_move_to(cr, W * 0.42, H * 0.3);
  cairo_curve_to(cr, W * 0.46, H * 0.18, W * 0.54, H * 0.18, W * 0.56, H * 0.3);
  rgb(cr, 0xF0D040);
  cairo_set_line_width(cr, std::max(1.5, H * 0.07));
  cairo_stroke(cr);
}

void screwdriver(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, 1, H * 0.15, W * 0.42, H * 0.7, H * 0.3);
  rgb(cr, 0xE0C020);
  fill_stroke(cr, 0x302808, 1);
  cairo_rectangle(cr, W * 0.42, H * 0.4, W * 0.5, H * 0.2);
  rgb(cr, 0xC0C4CC);
  fill_stroke(cr, 0x303030, 0.8);
  cairo_rectangle(cr, W * 0.9, H * 0.42, W * 0.09, H * 0.16);
  rgb(cr, 0x808890);
  cairo_fill(cr);
}

void pipe(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, 1, H * 0.2, W - 2, H * 0.6, H * 0.3);
  vgrad(cr, H * 0.2, H * 0.8, 0xA8A8B4, 0x4A4A58);
  fill_stroke(cr, 0x202028, 1);
  for (double x : {W * 0.05, W * 0.88}) {
    cairo_rectangle(cr, x, H * 0.1, W * 0.07, H * 0.8);
    rgb(cr, 0x6A6A78);
    cairo_fill(cr);
  }
}

void torch(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, W * 0.05, H * 0.3, W * 0.35, H * 0.65, 4);
  rgb(cr, 0x3A6AD0);
  fill_stroke(cr, 0x101830, 1);
  cairo_move_to(cr, W * 0.4, H * 0.5);
  cairo_line_to(cr, W * 0.75, H * 0.3);
  rgb(cr, 0x303030);
  cairo_set_line_width(cr, std::max(2.0, H * 0.1));
  cairo_stroke(cr);
  cairo_move_to(cr, W * 0.75, H * 0.3);
  cairo_line_to(cr, W * 0.98, H * (0.15 + 0.05 * std::sin(phase_t(u) * 2 * kPi)));
  rgb(cr, 0x60C0FF);
  cairo_set_line_width(cr, std::max(1.5, H * 0.06));
  cairo_stroke(cr);
}

void sparks(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 10; ++i) {
    const double a = (i * 2.4 + u.phase * 0.9), len = std::min(W, H) * (0.25 + 0.2 * (((i + u.phase) * 7) % 5) / 5.0);
    cairo_move_to(cr, W / 2 + std::cos(a) * len * 0.3, H / 2 + std::sin(a) * len * 0.3);
    cairo_line_to(cr, W / 2 + std::cos(a) * len, H / 2 + std::sin(a) * len);
    rgb(cr, i % 2 ? 0xFFE060 : 0xFFA020);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_arc(cr, W / 2, H / 2, std::min(W, H) * 0.1, 0, 2 * kPi);
  rgb(cr, 0xFFFFF0);
  cairo_fill(cr);
}

void locker(cairo_t* cr, const PieceUse& u, bool open) {
  const double W = u.w, H = u.h;
  rounded_rect(cr, 1, 1, W - 2, H - 2, 3);
  vgrad(cr, 0, H, era(u).locker_top, era(u).locker_bottom);
  fill_stroke(cr, 0x101018, 1.5);
  if (open) {
    cairo_rectangle(cr, W * 0.08, H * 0.04, W * 0.84, H * 0.92);
    rgb(cr, 0x181C24);
    cairo_fill(cr);
    cairo_rectangle(cr, W * 0.08, H * 0.4, W * 0.84, 3);
    rgb(cr, 0x5A6070);
    cairo_fill(cr);
  } else {
    cairo_move_to(cr, W / 2, 3);
    cairo_line_to(cr, W / 2, H - 3);
    rgb(cr, 0x101018);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int s = 0; s < 2; ++s)
      for (int v = 0; v < 4; ++v) {
        cairo_rectangle(cr, W * (0.12 + s * 0.5), H * 0.08 + v * 5, W * 0.26, 2);
        rgb(cr, 0x101018);
        cairo_fill(cr);
      }
    cairo_rectangle(cr, W * 0.42, H * 0.5, W * 0.05, H * 0.07);
    rgb(cr, era(u).lock);
    cairo_fill(cr);
  }
}

void jukebox(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_move_to(cr, 1, H - 1);
  cairo_line_to(cr, 1, H * 0.35);
  cairo_curve_to(cr, 1, -H * 0.08, W - 1, -H * 0.08, W - 1, H * 0.35);
  cairo_line_to(cr, W - 1, H - 1);
  cairo_close_path(cr);
  vgrad(cr, 0, H, 0xC04020, 0x702010);
  fill_stroke(cr, 0x200804, 1.5);
  static const std::uint32_t kLights[] = {0xFFE040, 0xFF60C0, 0x60E0FF};
  cairo_arc(cr, W / 2, H * 0.35, W * 0.38, kPi, 2 * kPi);
  rgb(cr, kLights[u.phase % 3]);
  cairo_set_line_width(cr, std::max(2.0, W * 0.05));
  cairo_stroke(cr);
  cairo_rectangle(cr, W * 0.18, H * 0.4, W * 0.64, H * 0.25);
  rgb(cr, 0xF0E8C8);
  fill_stroke(cr, 0x302010, 1);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, W * 0.22, H * (0.72 + i * 0.045), W * 0.56, H * 0.025);
    rgb(cr, 0x2A1008);
    cairo_fill(cr);
  }
  icon_note(cr, W / 2, H * 0.52, std::min(W, H) * 0.18, 0x202020);
}

void table_football(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  cairo_rectangle(cr, W * 0.05, H * 0.15, W * 0.9, H * 0.45);
  rgb(cr, 0x6A4424);
  fill_stroke(cr, 0x201008, 1.5);
  cairo_rectangle(cr, W * 0.1, H * 0.18, W * 0.8, H * 0.35);
  rgb(cr, 0x3A8A40);  // the pitch: green, but only inside the table
  cairo_fill(cr);
  for (int r = 0; r < 6; ++r) {
    const double x = W * (0.16 + r * 0.136);
    cairo_move_to(cr, x, H * 0.02);
    cairo_line_to(cr, x, H * 0.62);
    rgb(cr, 0xC8C8D0);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int m = 0; m < 2; ++m) {
      cairo_rectangle(cr, x - 3, H * (0.25 + m * 0.15) + ((u.phase + r) % 2) * 2, 6, H * 0.08);
      rgb(cr, r % 2 ? 0xD02020 : 0x2040D0);
      cairo_fill(cr);
    }
  }
  for (double lx : {W * 0.1, W * 0.85}) {
    cairo_rectangle(cr, lx, H * 0.6, W * 0.05, H * 0.39);
    rgb(cr, 0x4A2A14);
    cairo_fill(cr);
  }
}

// What the tank of an aquarium holds, in the glass (gx, gy, gw x gh): clear
// water up to just under the lid, sand with a stone, a water plant, bubbles
// from the filter, and no fish; a reflection on the glass.
void tank_contents(cairo_t* cr, const PieceUse& u, double gx, double gy, double gw, double gh) {
  const double water = gy + gh * 0.1, floor_y = gy + gh * 0.82;
  cairo_rectangle(cr, gx, gy, gw, gh);
  rgb(cr, 0xDFF4FA, 0.55);
  cairo_fill(cr);
  cairo_rectangle(cr, gx, water, gw, gh - (water - gy));
  vgrad(cr, water, gy + gh, 0x8ED8EA, 0x3A8AB0);
  cairo_fill(cr);
  cairo_move_to(cr, gx, floor_y);
  for (int k = 0; k <= 8; ++k)
    cairo_line_to(cr, gx + gw * k / 8.0, floor_y + std::sin(k * 1.7) * gh * 0.03);
  cairo_line_to(cr, gx + gw, gy + gh);
  cairo_line_to(cr, gx, gy + gh);
  cairo_close_path(cr);
  vgrad(cr, floor_y, gy + gh, 0xF0D890, 0xB89850);
  cairo_fill(cr);
  ellipse(cr, gx + gw * 0.72, floor_y + gh * 0.02, gw * 0.12, gh * 0.06);
  rgb(cr, 0x8A8A92);
  fill_stroke(cr, 0x404048, 0.8);
  // the plant: a few long leaves swaying out of the sand
  for (int l = 0; l < 5; ++l) {
    const double bx = gx + gw * (0.22 + l * 0.04), lean = (l - 2) * gw * 0.09;
    const double top = water + gh * (0.12 + 0.08 * (l % 3));
    cairo_move_to(cr, bx, floor_y + gh * 0.03);
    cairo_curve_to(cr, bx + lean * 0.2 - gw * 0.05, (floor_y + top) / 2, bx + lean + gw * 0.06, (floor_y + top) / 2,
                   bx + lean, top);
    rgb(cr, l % 2 ? 0x2E9A4A : 0x46B85A);
    cairo_set_line_width(cr, std::max(2.0, gw * 0.05));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  // bubbles rising from the filter in the corner
  for (int b = 0; b < 4; ++b) {
    const double t = std::fmod(b / 4.0 + phase_t(u), 1.0);
    cairo_arc(cr, gx + gw * (0.88 - 0.03 * (b % 2)), floor_y - t * (floor_y - water), std::max(1.2, gw * 0.025), 0, 2 * kPi);
    rgb(cr, 0xF0FCFF, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  // the water's surface and a reflection on the glass
  cairo_move_to(cr, gx, water);
  cairo_line_to(cr, gx + gw, water);
  rgb(cr, 0xE8FCFF, 0.9);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, gx + gw * 0.1, gy + gh * 0.05);
  cairo_line_to(cr, gx + gw * 0.3, gy + gh * 0.05);
  cairo_line_to(cr, gx + gw * 0.12, gy + gh * 0.7);
  cairo_line_to(cr, gx + gw * 0.04, gy + gh * 0.7);
  cairo_close_path(cr);
  rgb(cr, 0xFFFFFF, 0.28);
  cairo_fill(cr);
}

// An aquarium on a shelf on the wall: the tank in a dark frame with its lid
// and lamp, the shelf under it on two brackets.
void aquarium(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const double tank = H * 0.8, rim = std::max(3.0, W * 0.05);
  for (double bx : {W * 0.15, W * 0.78}) {
    cairo_move_to(cr, bx, tank);
    cairo_line_to(cr, bx + W * 0.07, tank);
    cairo_line_to(cr, bx + W * 0.07, H - 1);
    cairo_close_path(cr);
    rgb(cr, 0x8A94A8);
    fill_stroke(cr, 0x101018, 1);
  }
  cairo_rectangle(cr, 1, tank, W - 2, H * 0.06);
  vgrad(cr, tank, tank + H * 0.06, era(u).cabinet, 0x1A2030);
  fill_stroke(cr, 0x101018, 1);
  const double gx = rim, gy = rim * 1.6, gw = W - 2 * rim, gh = tank - gy - rim;
  tank_contents(cr, u, gx, gy, gw, gh);
  cairo_rectangle(cr, gx - rim / 2, gy - rim / 2, gw + rim, gh + rim);
  rgb(cr, 0x2A3038);
  cairo_set_line_width(cr, rim);
  cairo_stroke(cr);
  rounded_rect(cr, 1, 1, W - 2, rim * 1.6, rim * 0.5);
  vgrad(cr, 1, rim * 1.6, 0x4A5260, 0x1A2028);
  fill_stroke(cr, 0x101018, 1);
  cairo_rectangle(cr, W * 0.3, rim * 1.6, W * 0.4, 2);
  rgb(cr, 0xF8F0C0);
  cairo_fill(cr);
}

// A piece whose animation the drawing above does not vary: a glint that runs
// over it with the phase, so the frames still differ.
void glint(cairo_t* cr, const PieceUse& u) {
  if (u.phases < 2) return;
  const double t = phase_t(u);
  cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
  sparkle(cr, u.w * (0.15 + 0.7 * t), u.h * (0.2 + 0.3 * std::sin(t * kPi)), std::max(3.0, std::min(u.w, u.h) * 0.12), t);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

constexpr PieceArt kPieces[] = {
    {PieceKind::desk, {150, 70}, [](cairo_t* cr, const PieceUse& u) { desk(cr, u, false); }, false},
    {PieceKind::table, {170, 80}, [](cairo_t* cr, const PieceUse& u) { desk(cr, u, false); }, false},
    {PieceKind::main_desk, {200, 90}, [](cairo_t* cr, const PieceUse& u) { desk(cr, u, true); }, false},
    {PieceKind::chair, {50, 80}, chair, false},
    {PieceKind::canister, {40, 56}, canister, false},
    {PieceKind::pendulum, {90, 170}, pendulum, true},
    {PieceKind::glassware, {70, 90}, glassware, true},
    {PieceKind::switch_up, {30, 50}, [](cairo_t* cr, const PieceUse& u) { lever(cr, u, 'a'); }, false},
    {PieceKind::switch_middle, {30, 50}, [](cairo_t* cr, const PieceUse& u) { lever(cr, u, 'b'); }, false},
    {PieceKind::switch_down, {30, 50}, [](cairo_t* cr, const PieceUse& u) { lever(cr, u, 'c'); }, false},
    {PieceKind::lever, {40, 70}, [](cairo_t* cr, const PieceUse& u) { lever(cr, u, 'c'); }, false},
    {PieceKind::aquarium, {70, 125}, aquarium, true},
    {PieceKind::picture, {70, 80}, picture_frame, false},
    {PieceKind::map, {110, 80}, map_frame, false},
    {PieceKind::globe, {60, 80}, globe, false},
    {PieceKind::stairs, {200, 150}, stairs, false},
    {PieceKind::banister, {150, 120}, banister, false},
    {PieceKind::pillar, {40, 220}, pole, false},
    {PieceKind::pole, {20, 200}, pole, false},
    {PieceKind::showcase_rocks, {110, 120},
     [](cairo_t* cr, const PieceUse& u) { showcase(cr, u, Shown::rocks, false); }, true},
    {PieceKind::showcase_fossils, {110, 120},
     [](cairo_t* cr, const PieceUse& u) { showcase(cr, u, Shown::fossils, false); }, true},
    {PieceKind::showcase_jewel, {110, 120},
     [](cairo_t* cr, const PieceUse& u) { showcase(cr, u, Shown::jewel, false); }, true},
    {PieceKind::showcase_broken, {110, 120},
     [](cairo_t* cr, const PieceUse& u) { showcase(cr, u, Shown::nothing, true); }, true},
    {PieceKind::showcase_open, {110, 120}, open_showcase, false},
    {PieceKind::pavilion, {180, 160}, pavilion, false},
    {PieceKind::hoop, {70, 200}, hoop, false},
    {PieceKind::diamond, {30, 26},
     [](cairo_t* cr, const PieceUse& u) { diamond(cr, 1, 1, u.w - 2, u.h - 2, phase_t(u)); }, true},
    {PieceKind::periodic_table, {150, 90}, periodic, false},
    {PieceKind::alarm_light, {26, 26}, alarm_light, false},
    {PieceKind::fan, {70, 80}, fan, true},
    {PieceKind::telescope, {110, 150}, telescope, false},
    {PieceKind::telescope_mounted, {110, 150}, mounted_telescope, false},
    {PieceKind::guitar, {42, 110}, guitar, false},
    {PieceKind::reactor, {90, 130}, reactor, true},
    {PieceKind::display, {90, 60}, display, true},
    {PieceKind::buttons, {90, 50}, buttons, true},
    {PieceKind::gas_bottle, {36, 90}, gas_bottle, false},
    {PieceKind::hose, {60, 40}, hose, false},
    {PieceKind::flask_green, {34, 44}, [](cairo_t* cr, const PieceUse& u) { flask(cr, u, 0x50D040); }, true},
    {PieceKind::flask_pink, {34, 44}, [](cairo_t* cr, const PieceUse& u) { flask(cr, u, 0xE05080); }, true},
    {PieceKind::bunsen_burner, {26, 60}, burner, true},
    {PieceKind::book, {36, 28}, book, false},
    {PieceKind::test_tube, {14, 46}, test_tube, false},
    {PieceKind::bottle, {20, 50}, bottle, false},
    {PieceKind::shower, {80, 200}, shower, true},
    {PieceKind::tank, {90, 110}, tank, true},
    {PieceKind::extinguisher, {26, 60}, extinguisher, false},
    {PieceKind::bin, {70, 60}, rubbish_bin, false},
    {PieceKind::rubbish_heap, {70, 60}, rubbish_heap, false},
    {PieceKind::screwdriver, {50, 16}, screwdriver, false},
    {PieceKind::pipe, {80, 20}, pipe, false},
    {PieceKind::welding_torch, {60, 40}, torch, true},
    {PieceKind::sparks, {40, 40}, sparks, true},
    {PieceKind::locker, {90, 170}, [](cairo_t* cr, const PieceUse& u) { locker(cr, u, false); }, false},
    {PieceKind::locker_open, {90, 170}, [](cairo_t* cr, const PieceUse& u) { locker(cr, u, true); }, false},
    {PieceKind::jukebox, {80, 130}, jukebox, true},
    {PieceKind::table_football, {180, 90}, table_football, true},
    {PieceKind::crate, {64, 64}, crate, false},
    {PieceKind::mop_bucket, {56, 60}, mop_bucket, false},
    {PieceKind::school_model, {90, 70}, school_model, false},
    {PieceKind::door, {70, 150}, door, false},
};

const PieceArt& art_of(PieceKind kind) {
  for (const PieceArt& a : kPieces)
    if (a.kind == kind) return a;
  throw std::runtime_error("a room's piece has no kind of its own; every row of a room's furniture needs one");
}

}  // namespace

void paint_piece(cairo_t* cr, const PieceUse& u) {
  if (u.person) {
    if (lying(u) || u.person_kind == PersonKind::sand_asleep)
      lying_person(cr, u);  // on the floor, or asleep over her desk
    else
      person(cr, u);
    return;
  }
  const PieceArt& art = art_of(u.piece_kind);
  art.paint(cr, u);
  if (!art.animated) glint(cr, u);
}

Image16 draw_piece(const PieceUse& u) {
  Canvas c(u.w, u.h);
  paint_piece(c.cr(), u);
  return cut(c);
}

void hand_of(const PieceUse& u, int side, double& x, double& y) {
  double ax, ay, ex, ey;
  Figure(u).arm(u, side < 0 ? -1 : 1, ax, ay, ex, ey, x, y);
}

}  // namespace mkassets::rooms
