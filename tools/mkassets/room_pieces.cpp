// The rooms' furniture and persons, drawn from their names: each picture
// shows what its name says at a size that suits the room's perspective, and
// the pictures of one row step through its animation (a phase per distinct
// picture). Names without a drawing of their own get a neat labelled crate.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>

#include "draw.h"
#include "rooms_art.h"

namespace mkassets::rooms {
namespace {

using namespace draw;
constexpr double kPi = 3.14159265358979323846;

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
bool has(const std::string& name, const char* part) { return lower(name).find(part) != std::string::npos; }

std::uint32_t name_hash(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

struct Size {
  int w, h;
};

// Furniture sizes by what the name says, in pixels at the room's scale 1.
Size natural_size(const std::string& name) {
  const std::string n = lower(name);
  struct Entry {
    const char* part;
    Size size;
  };
  static const Entry kSizes[] = {
      {"maindesk", {200, 90}}, {"desk", {150, 70}},   {"chair", {50, 80}},     {"stuhl", {50, 80}},
      {"kanister", {40, 56}},  {"pendel", {90, 170}}, {"glass", {70, 90}},     {"schalter", {30, 50}},
      {"aquarium", {70, 125}}, {"bild", {70, 60}},    {"stairs", {200, 150}},  {"guitar", {42, 110}},
      {"teleskop", {90, 130}}, {"diamond", {34, 30}}, {"schrank", {90, 170}},  {"table", {170, 80}},
      {"tisch", {170, 80}},    {"computer", {70, 64}}, {"plant", {50, 90}},    {"douche", {90, 190}},
      {"kicker", {180, 90}},   {"betong", {120, 60}}, {"book", {40, 30}},      {"lamp", {30, 80}},
  };
  for (const Entry& e : kSizes)
    if (n.find(e.part) != std::string::npos) return e.size;
  return {64, 64};
}

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
  } else {
    s = natural_size(use.name);
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

// ---------------------------------------------------------------- people ----

struct Look {
  std::uint32_t skin, hair, top, legs, shoes;
  bool long_hair = false, glasses = false, beard = false, cap = false, tie = false, uniform = false;
};

Look look_of(const PieceUse& u) {
  const std::string n = lower(u.name);
  const std::uint32_t h = name_hash(n);
  static const std::uint32_t kSkins[] = {0xF2C8A0, 0xE0A878, 0xC08058, 0x8A5A3A, 0xF8D8B8};
  static const std::uint32_t kHairs[] = {0x3A2414, 0x6A4020, 0xD8B060, 0x1A1A1A, 0xA04020, 0x8A8A8A};
  static const std::uint32_t kTops[] = {0xC83A3A, 0x3A6AC8, 0xE0A030, 0x6A3A9A, 0x2A8A8A, 0xD86A9A};
  Look l{kSkins[h % 5], kHairs[(h >> 3) % 6], kTops[(h >> 6) % 6], 0x2A3A5A, 0x2A1A10};
  if (n.find("friob") != std::string::npos) {  // the physics teacher: grey, glasses, tie
    l.hair = 0x9A9A9A, l.top = 0x6A5A48, l.legs = 0x4A4038, l.glasses = true, l.tie = true, l.beard = true;
  } else if (n.find("dori") != std::string::npos) {
    l.hair = 0xB05020, l.top = 0x3A9A6A, l.long_hair = true, l.legs = 0x3A3A6A;
  } else if (n.find("sand") != std::string::npos) {
    l.hair = 0xE8C870, l.top = 0xE86A3A, l.long_hair = true;
  } else if (n.find("police") != std::string::npos) {
    l.top = 0x1A2A5A, l.legs = 0x1A2040, l.cap = true, l.uniform = true, l.hair = 0x2A1A10;
  } else if (n.find("rarozir") != std::string::npos) {
    l.top = 0x4A4A58, l.legs = 0x2A2A30, l.glasses = true, l.tie = true, l.hair = 0x1A1A1A;
  } else if (n.find("frizze") != std::string::npos) {
    l.hair = 0xF04080, l.top = 0x8A3AC8, l.long_hair = true;
  } else if (n.find("rurura") != std::string::npos) {
    l.top = 0xD0D8E0, l.legs = 0x5A6070, l.glasses = true, l.hair = 0x6A6A6A;
  }
  if (u.future && !l.uniform) l.legs = 0x2A3048;
  return l;
}

// A person facing the viewer, standing in the box; the phase moves the mouth,
// the arms and the weight from foot to foot.
void person(cairo_t* cr, const PieceUse& u) {
  const Look l = look_of(u);
  const double W = u.w, H = u.h;
  const double t = u.phases > 1 ? u.phase / double(u.phases) : 0.0;
  const double swing = std::sin(t * 2 * kPi);
  const double cx = W / 2 + swing * W * 0.02;
  const double head = H * 0.13;  // head radius... a head is about 1/7 of the height
  const double hy = head * 1.05;
  const double shoulder = H * 0.25, hip = H * 0.55, foot = H * 0.97;
  const double bw = W * 0.36;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  const double lw = std::max(1.0, H / 120.0);
  // legs
  for (int s = -1; s <= 1; s += 2) {
    const double lx = cx + s * bw * 0.28;
    rounded_rect(cr, lx - bw * 0.16, hip - H * 0.02, bw * 0.32, foot - hip - H * 0.02, bw * 0.08);
    rgb(cr, l.legs);
    fill_stroke(cr, 0x101018, lw);
    cairo_save(cr);
    cairo_translate(cr, lx + s * bw * 0.05, foot - H * 0.02);
    cairo_scale(cr, bw * 0.24, H * 0.025);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    rgb(cr, l.shoes);
    fill_stroke(cr, 0x101018, lw);
  }
  // arms, swinging with the phase
  for (int s = -1; s <= 1; s += 2) {
    const double ax = cx + s * bw * 0.5;
    const double lift = (s > 0 ? swing : -swing) * H * 0.05;
    cairo_move_to(cr, ax, shoulder + H * 0.03);
    cairo_line_to(cr, ax + s * W * 0.1, hip - H * 0.04 - lift);
    rgb(cr, l.top);
    cairo_set_line_width(cr, bw * 0.24);
    cairo_stroke_preserve(cr);
    cairo_arc(cr, ax + s * W * 0.1, hip - H * 0.02 - lift, bw * 0.11, 0, 2 * kPi);
    rgb(cr, l.skin);
    cairo_fill(cr);
    cairo_new_path(cr);
  }
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
  const bool blink = u.phases > 4 && u.phase == u.phases / 2;
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
  const double open = u.phases > 1 ? 0.5 + 0.5 * std::sin(u.phase * 2.1) : 0.0;
  cairo_save(cr);
  cairo_translate(cr, cx, hy + head * 0.5);
  cairo_scale(cr, head * 0.3, head * (0.05 + 0.2 * open));
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, 0x801818);
  cairo_fill(cr);
}

// ------------------------------------------------------------- furniture ----

void desk(cairo_t* cr, const PieceUse& u, bool main_desk) {
  const double W = u.w, H = u.h;
  const std::uint32_t top = u.future ? 0xA8B8D0 : 0xC89058, edge = u.future ? 0x5A6A88 : 0x8A5A30;
  // legs
  for (double lx : {W * 0.06, W * 0.88})
    cairo_rectangle(cr, lx, H * 0.35, W * 0.06, H * 0.63), rgb(cr, u.future ? 0x404C64 : 0x5A3A20), cairo_fill(cr);
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
  const std::uint32_t wood = u.future ? 0x8898B8 : 0xA0683A;
  rounded_rect(cr, W * 0.15, 1, W * 0.7, H * 0.45, 3);
  rgb(cr, wood);
  fill_stroke(cr, 0x201810, 1.2);
  cairo_rectangle(cr, W * 0.08, H * 0.5, W * 0.84, H * 0.1);
  rgb(cr, wood);
  fill_stroke(cr, 0x201810, 1.2);
  for (double lx : {W * 0.12, W * 0.8}) {
    cairo_rectangle(cr, lx, H * 0.6, W * 0.08, H * 0.39);
    rgb(cr, u.future ? 0x505C78 : 0x4A3020);
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
  rgb(cr, u.future ? 0x5A6A88 : 0x5A3A20);
  fill_stroke(cr, 0x101010, 1);
  cairo_rectangle(cr, W * 0.46, H * 0.02, W * 0.08, H * 0.9);
  rgb(cr, 0x909098);
  fill_stroke(cr, 0x202020, 1);
  cairo_rectangle(cr, W * 0.2, H * 0.02, W * 0.6, H * 0.04);
  cairo_fill(cr);
  const double px = W * 0.5, py = H * 0.05, len = H * 0.7;
  const double bx = px + std::sin(a) * len, by = py + std::cos(a) * len;
  cairo_move_to(cr, px, py);
  cairo_line_to(cr, bx, by);
  rgb(cr, 0x303030);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_arc(cr, bx, by, std::min(W, H) * 0.12, 0, 2 * kPi);
  rgrad(cr, bx - 3, by - 3, std::min(W, H) * 0.14, 0xF8E080, 0xA07820);
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
  rgb(cr, u.future ? 0x40A0FF : 0x60D048);
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

void lever(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  // a wall lever: up, middle or down by the last letter of its name
  const char pos = u.name.empty() ? 'a' : u.name.back();
  const double a = pos == 'a' ? -0.8 : pos == 'b' ? 0.0 : 0.8;
  rounded_rect(cr, W * 0.2, H * 0.3, W * 0.6, H * 0.4, 3);
  rgb(cr, u.future ? 0x4A5670 : 0x6A6A70);
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

void aquarium(cairo_t* cr, const PieceUse& u, bool empty) {
  const double W = u.w, H = u.h;
  // a tank on a cabinet; empty, or with water and a fish
  cairo_rectangle(cr, W * 0.05, H * 0.55, W * 0.9, H * 0.44);
  rgb(cr, u.future ? 0x3A4660 : 0x6A4428);
  fill_stroke(cr, 0x101010, 1);
  cairo_rectangle(cr, 1, H * 0.05, W - 2, H * 0.5);
  rgb(cr, 0xC8E8FF, 0.6);
  fill_stroke(cr, 0x5A6A7A, 2);
  if (!empty) {
    cairo_rectangle(cr, 3, H * 0.15, W - 6, H * 0.38);
    rgb(cr, 0x3A80D0, 0.85);
    cairo_fill(cr);
    cairo_arc(cr, W * 0.5, H * 0.32, W * 0.1, 0, 2 * kPi);
    rgb(cr, 0xF08030);
    cairo_fill(cr);
  } else {
    cairo_rectangle(cr, 3, H * 0.47, W - 6, H * 0.06);
    rgb(cr, 0xD8C080);
    cairo_fill(cr);
  }
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
    rgb(cr, u.future ? (i % 2 ? 0x7888A8 : 0x6A7898) : (i % 2 ? 0xB89870 : 0xCCAE84));
    fill_stroke(cr, 0x3A2A1A, 1);
  }
}

// Anything else: a crate with an icon, its name lettered on it only when the
// name is capitalised (a proper name).
void crate(cairo_t* cr, const PieceUse& u) {
  const double W = u.w, H = u.h;
  const std::uint32_t h = name_hash(u.name);
  static const std::uint32_t kOld[] = {0xB08050, 0x8A9AB0, 0xC06A4A, 0x9A8A60};
  static const std::uint32_t kNew[] = {0x6A7AA0, 0x5A6A9A, 0x7A6AB0, 0x4A6A90};
  rounded_rect(cr, 1, 1, W - 2, H - 2, std::min(W, H) * 0.1);
  vgrad(cr, 0, H, u.future ? kNew[h % 4] : kOld[h % 4], u.future ? 0x2A3450 : 0x5A4030);
  fill_stroke(cr, 0x101018, 1.5);
  const double s = std::min(W, H) * 0.5;
  if (u.person)
    icon_bubble(cr, W / 2, H / 2, s, 0xFFFFFF);
  else
    icon_star(cr, W / 2, H / 2, s, u.future ? 0x9AD8FF : 0xFFE8A0);
}

}  // namespace

Image16 draw_piece(const PieceUse& u) {
  Canvas c(u.w, u.h);
  cairo_t* cr = c.cr();
  const std::string n = lower(u.name);
  if (u.person)
    person(cr, u);
  else if (n == "maindesk")
    desk(cr, u, true);
  else if (has(n, "desk") || has(n, "table") || has(n, "tisch"))
    desk(cr, u, false);
  else if (has(n, "chair") || has(n, "stuhl"))
    chair(cr, u);
  else if (has(n, "kanister"))
    canister(cr, u);
  else if (has(n, "pendel"))
    pendulum(cr, u);
  else if (has(n, "glass"))
    glassware(cr, u);
  else if (has(n, "schalter"))
    lever(cr, u);
  else if (has(n, "aquarium"))
    aquarium(cr, u, true);
  else if (has(n, "bild"))
    picture_frame(cr, u);
  else if (has(n, "stairs"))
    stairs(cr, u);
  else
    crate(cr, u);
  return cut(c);
}

}  // namespace mkassets::rooms
