// The rooms' datafiles, one per room of the registry, drawn from the rooms'
// own tables: the background shows the floor exactly where the room's area
// hook lets the hero stand, obstacles where the floor has holes, walls and
// the room's furnishings above, and a door at every exit (shut with a red lamp
// while closed, open with a green one); every picture the furniture and person
// tables name is drawn by room_pieces.cpp; objects no table uses are 1x1 and
// transparent.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include "core/screen_layout.h"
#include "core/world.h"
#include "datafile.h"
#include "draw.h"
#include "era.h"
#include "generator.h"
#include "maths.h"
#include "room_floor.h"
#include "rooms/registry.h"
#include "rooms_art.h"

namespace mkassets {
namespace {

using namespace draw;
constexpr int W = screen_layout::kScreenWidth, H = screen_layout::kScreenHeight;

// ------------------------------------------------------------ what a room is --

enum class Kind { Physics, Chemistry, Biology, Classroom, Library, Cafeteria, Toilet, Hall, Aula,
                  Outdoor, Corridor, Kicker, Porter, Aquarium };

Kind kind_of(const std::string& room) {
  std::string n = room.rfind("future_", 0) == 0 ? room.substr(7) : room;
  if (n.rfind("physik", 0) == 0) return Kind::Physics;
  if (n.rfind("chimie", 0) == 0) return Kind::Chemistry;
  if (n == "biolog") return Kind::Biology;
  if (n == "class") return Kind::Classroom;
  if (n == "biblio") return Kind::Library;
  if (n == "cafeteria" || n == "cantina") return Kind::Cafeteria;
  if (n == "toilette") return Kind::Toilet;
  if (n == "entree") return Kind::Hall;
  if (n == "aula") return Kind::Aula;
  if (n == "hof" || n.find("preau") != std::string::npos) return Kind::Outdoor;
  if (n == "kicker") return Kind::Kicker;
  if (n == "portier") return Kind::Porter;
  if (n == "aqua") return Kind::Aquarium;
  return Kind::Corridor;  // floor*, crossing
}

// -------------------------------------------------------------- the floor ----

struct Plan {
  const RoomScript* room = nullptr;
  bool future = false;
  Kind kind = Kind::Corridor;
  std::vector<std::uint8_t> floor;  // 1 where the hero may stand
  int top[W];                       // first floor row of each column, H if none
  int floor_top = H;                // the highest floor row of all

  bool is_floor(int x, int y) const { return floor[static_cast<size_t>(y) * W + x] != 0; }
  double scale(double y) const { return rooms::hero_scale(room->min_hero_length, room->increase_rate, y); }
};

// The walkable area: every pixel the area hook leaves where it is, whichever
// side of a boundary the hero stands on.
void sample_floor(Plan& p) {
  p.floor.assign(static_cast<size_t>(W) * H, 0);
  const int keep_hx = hero_x, keep_hy = hero_y, keep_tx = true_x, keep_ty = true_y;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      bool walkable = true;
      if (p.room->area) {
        for (const auto& probe : room_floor::kHeroProbes) {
          hero_x = probe[0];
          hero_y = probe[1];
          true_x = x;
          true_y = y;
          apply_area(*p.room);
          if (true_x != x || true_y != y) {
            walkable = false;
            break;
          }
        }
      } else {
        walkable = room_floor::fallback_walkable(x, y);
      }
      p.floor[static_cast<size_t>(y) * W + x] = walkable ? 1 : 0;
    }
  hero_x = keep_hx, hero_y = keep_hy, true_x = keep_tx, true_y = keep_ty;
  for (int x = 0; x < W; ++x) {
    p.top[x] = H;
    for (int y = 0; y < H; ++y)
      if (p.is_floor(x, y)) {
        p.top[x] = y;
        break;
      }
    p.floor_top = std::min(p.floor_top, p.top[x]);
  }
}

struct RGB {
  double r, g, b;
};
RGB hex(std::uint32_t c) { return {double((c >> 16) & 0xFF), double((c >> 8) & 0xFF), double(c & 0xFF)}; }
RGB mix(RGB a, RGB b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
RGB mul(RGB a, double f) { return {a.r * f, a.g * f, a.b * f}; }

double hash01(int x, int y, int salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(salt) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// One floor pixel: tiles (or lawn) in the room's perspective, darker at the back.
RGB floor_pixel(const Plan& p, int x, int y) {
  double s = p.scale(y);
  const double s_min = 0.06;
  if (s < s_min) s = s_min;
  const double depth = std::clamp((y - p.floor_top) / double(std::max(40, H - p.floor_top)), 0.0, 1.0);
  const double light = 0.62 + 0.38 * depth;
  const double pool = 0.08 * std::exp(-std::pow((x - 320) / 260.0, 2));
  if (p.kind == Kind::Outdoor && !p.future) {
    // lawn: mottled, with darker tufts
    const double n = hash01(x / 3, y / 2, 7) * 0.5 + hash01(x, y, 3) * 0.5;
    RGB c = mix(hex(0x4E8A3E), hex(0x6AA452), n);
    if (hash01(x, y, 11) > 0.93) c = hex(0x3C6E30);
    return mul(c, light + pool);
  }
  const double u = (x - 320) / (s * 70.0);
  const double v = 1.6 / s;
  const double du = 1.0 / (s * 70.0);
  const double dv = 1.6 / (s * s * p.room->increase_rate);
  const double fu = u - std::floor(u), fv = v - std::floor(v);
  const bool seam = fu < 1.3 * du || fv < 1.3 * dv;
  const bool alt = (static_cast<long>(std::floor(u)) + static_cast<long>(std::floor(v))) & 1;
  RGB c;
  if (p.future) {
    c = alt ? hex(0x1E6C70) : hex(0x1A6064);
    if (seam) c = hex(0x46C8C8);
  } else {
    c = alt ? hex(0x5E8C64) : hex(0x56845C);
    c = mix(c, hex(0x6E9A70), hash01(x / 2, y, 5) * 0.25);
    if (seam) c = hex(0x3E6446);
  }
  return mul(c, light + pool);
}

// One pixel of an obstacle inside the floor (a counter, a block, a bed of the
// yard): a lit top face, then a shaded front with panels.
RGB obstacle_pixel(const Plan& p, int x, int d) {
  RGB top, front, seam;
  if (p.future) {
    top = hex(0x8CA0B8), front = hex(0x3A4660), seam = hex(0x48D8F0);
  } else {
    switch (p.kind) {
      case Kind::Chemistry: top = hex(0xE8E4DA), front = hex(0x6A5446), seam = hex(0x3A2C24); break;
      case Kind::Outdoor: top = hex(0xB86848), front = hex(0x8A4A34), seam = hex(0xD8C8B0); break;
      case Kind::Hall: top = hex(0xC8B8A0), front = hex(0x8A7460), seam = hex(0x5A4A3C); break;
      default: top = hex(0xB0804E), front = hex(0x7A5434), seam = hex(0x4A3020); break;
    }
  }
  if (d < 3) return seam;
  if (d < 14) return mul(top, 0.9 + 0.1 * (d / 14.0));
  if (d < 16) return seam;
  RGB c = mul(front, 1.0 - std::min(0.35, d / 300.0));
  if (x % 46 < 2) c = mul(c, 0.7);
  if (p.kind == Kind::Outdoor && !p.future && (d + (x / 18) * 7) % 12 < 1) c = seam;  // brick courses
  return c;
}

// ---------------------------------------------------------------- doors -----

bool corridor_exit(const ExitDef& e) { return room_floor::edge_passage(e.open, e.x, e.y, e.x2, e.y2); }

void lamp(cairo_t* cr, double cx, double cy, double r, bool open) {
  cairo_arc(cr, cx, cy, r + 2, 0, 2 * kPi);
  rgb(cr, 0x202020);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgb(cr, open ? 0x30F050 : 0xF02828);
  cairo_fill(cr);
  cairo_arc(cr, cx - r * 0.3, cy - r * 0.3, r * 0.35, 0, 2 * kPi);
  rgb(cr, open ? 0xC0FFC8 : 0xFFB0A0);
  cairo_fill(cr);
}

// A door filling the exit's hot rectangle: shut (leaf, handle, lock, red lamp)
// or open (a dark doorway, the leaf swung in, a green lamp).
void door(cairo_t* cr, const Plan& p, const ExitDef& e) {
  const double x = e.x, y = e.y, w = e.x2 - e.x, h = e.y2 - e.y;
  const double lr = std::clamp(std::min(w, h) * 0.08, 3.0, 7.0);
  const double fw = std::clamp(w * 0.08, 2.0, 6.0);  // frame
  const double top = y + 2 * lr + 6;                 // the lamp sits above the leaf
  // frame
  cairo_rectangle(cr, x, top - fw, w, y + h - top + fw);
  rgb(cr, era(p.future).door_frame);
  cairo_fill(cr);
  const double ix = x + fw, iw = w - 2 * fw, iy = top, ih = y + h - top;
  if (iw <= 2 || ih <= 2) return;
  if (e.open) {
    // the room beyond: dark at the back, lighter floor in the opening
    cairo_rectangle(cr, ix, iy, iw, ih);
    vgrad(cr, iy, iy + ih, era(p.future).door_inside_top, era(p.future).door_inside_bottom);
    cairo_fill(cr);
    cairo_rectangle(cr, ix + iw * 0.2, iy + ih * 0.15, iw * 0.6, ih * 0.55);
    rgb(cr, era(p.future).door_glass, 0.55);
    cairo_fill(cr);
    // the leaf swung open, seen edge-on
    cairo_move_to(cr, ix, iy);
    cairo_line_to(cr, ix + iw * 0.22, iy + ih * 0.06);
    cairo_line_to(cr, ix + iw * 0.22, iy + ih * 0.96);
    cairo_line_to(cr, ix, iy + ih);
    cairo_close_path(cr);
    rgb(cr, era(p.future).door_leaf);
    fill_stroke(cr, 0x1A1410, 1);
  } else {
    cairo_rectangle(cr, ix, iy, iw, ih);
    if (p.future)
      vgrad(cr, iy, iy + ih, 0x7A8AA8, 0x4A5874);
    else
      vgrad(cr, iy, iy + ih, 0xA06C3C, 0x744A28);
    fill_stroke(cr, 0x1A1410, 1.2);
    if (p.future) {
      // two sliding halves with a seam and a hazard stripe
      cairo_move_to(cr, ix + iw / 2, iy);
      cairo_line_to(cr, ix + iw / 2, iy + ih);
      rgb(cr, 0x1A2030);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      cairo_rectangle(cr, ix, iy + ih * 0.45, iw, std::max(2.0, ih * 0.05));
      rgb(cr, 0xE0B020);
      cairo_fill(cr);
      // a card lock
      rounded_rect(cr, ix + iw * 0.62, iy + ih * 0.3, std::max(3.0, iw * 0.16), std::max(5.0, ih * 0.1), 1.5);
      rgb(cr, 0x202838);
      cairo_fill(cr);
    } else {
      // two panels and a handle with its lock
      for (int k = 0; k < 2; ++k) {
        cairo_rectangle(cr, ix + iw * 0.15, iy + ih * (k ? 0.55 : 0.08), iw * 0.7, ih * 0.36);
        rgb(cr, 0x5A3A20, 0.5);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
      }
      cairo_arc(cr, ix + iw * 0.8, iy + ih * 0.5, std::max(1.5, iw * 0.05), 0, 2 * kPi);
      rgb(cr, 0xD8C070);
      cairo_fill(cr);
      cairo_rectangle(cr, ix + iw * 0.78, iy + ih * 0.54, std::max(1.0, iw * 0.03), std::max(2.0, ih * 0.03));
      rgb(cr, 0x181008);
      cairo_fill(cr);
    }
  }
  lamp(cr, x + w / 2, y + lr + 3, lr, e.open != 0);
}

// An exit along the screen's edge: the corridor runs on, its walls opening
// into a darker passage.
void passage(cairo_t* cr, const Plan& p, const ExitDef& e) {
  cairo_rectangle(cr, e.x, e.y, e.x2 - e.x, e.y2 - e.y);
  cairo_pattern_t* g;
  if (e.x <= 0 && e.y2 - e.y >= 300)
    g = cairo_pattern_create_linear(e.x2, 0, e.x, 0);
  else if (e.x2 >= W && e.y2 - e.y >= 300)
    g = cairo_pattern_create_linear(e.x, 0, e.x2, 0);
  else
    g = cairo_pattern_create_linear(0, e.y, 0, e.y2);
  const RGB a = hex(era(p.future).passage_near);
  const RGB b = hex(era(p.future).passage_far);
  cairo_pattern_add_color_stop_rgba(g, 0, a.r / 255, a.g / 255, a.b / 255, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, b.r / 255, b.g / 255, b.b / 255, 0.9);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// ------------------------------------------------------------- the walls ----

struct Box {
  double x, y, w, h;
};

// Free wall: the box lies above the floor (and its skirting), below the
// ceiling, clear of every exit.
bool wall_free(const Plan& p, const Box& b, int skirt) {
  if (b.x < 0 || b.y < 0 || b.x + b.w > W || b.y + b.h > H) return false;
  for (int x = static_cast<int>(b.x); x < static_cast<int>(b.x + b.w); ++x)
    if (p.top[x] - skirt < b.y + b.h) return false;
  for (const ExitDef& e : p.room->exits.first(std::min<size_t>(p.room->exits.size(), p.room->exit_nr)))
    if (b.x < e.x2 + 8 && b.x + b.w > e.x - 8 && b.y < e.y2 + 8 && b.y + b.h > e.y - 8) return false;
  return true;
}

using Decor = void (*)(cairo_t*, const Plan&, const Box&, int index);

void dec_window(cairo_t* cr, const Plan& p, const Box& b, int) {
  rounded_rect(cr, b.x, b.y, b.w, b.h, 2);
  rgb(cr, era(p.future).window_frame);
  cairo_fill(cr);
  cairo_rectangle(cr, b.x + 4, b.y + 4, b.w - 8, b.h - 8);
  if (p.future)
    vgrad(cr, b.y, b.y + b.h, 0x101838, 0x3A2A6A);
  else
    vgrad(cr, b.y, b.y + b.h, 0x7AB0E8, 0xC8E0F4);
  cairo_fill(cr);
  if (p.future) {
    for (int i = 0; i < 5; ++i) {
      const double bx = b.x + 6 + i * (b.w - 12) / 5, bh = (b.h - 10) * (0.3 + 0.5 * hash01(i, 3, 9));
      cairo_rectangle(cr, bx, b.y + b.h - 4 - bh, (b.w - 12) / 6, bh);
      rgb(cr, 0x202848);
      cairo_fill(cr);
    }
  } else {
    cairo_arc(cr, b.x + b.w * 0.3, b.y + b.h * 0.35, b.h * 0.12, 0, 2 * kPi);
    rgb(cr, 0xFFFFFF, 0.8);
    cairo_fill(cr);
  }
  cairo_move_to(cr, b.x + b.w / 2, b.y + 4);
  cairo_line_to(cr, b.x + b.w / 2, b.y + b.h - 4);
  cairo_move_to(cr, b.x + 4, b.y + b.h * 0.45);
  cairo_line_to(cr, b.x + b.w - 4, b.y + b.h * 0.45);
  rgb(cr, era(p.future).window_frame);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void dec_board(cairo_t* cr, const Plan& p, const Box& b, int index) {
  // a blackboard (or a wall screen) with chalk diagrams
  rounded_rect(cr, b.x, b.y, b.w, b.h, 3);
  rgb(cr, era(p.future).board_frame);
  cairo_fill(cr);
  cairo_rectangle(cr, b.x + 5, b.y + 5, b.w - 10, b.h - 10);
  rgb(cr, era(p.future).blackboard);
  cairo_fill(cr);
  const std::uint32_t chalk = era(p.future).chalk;
  rgb(cr, chalk, 0.85);
  cairo_set_line_width(cr, 1.5);
  const double cx = b.x + b.w * 0.3, cy = b.y + b.h / 2, r = std::min(b.w, b.h) * 0.22;
  if (p.kind == Kind::Physics) {
    // a sine wave and an atom
    for (int i = 0; i <= 40; ++i) {
      const double t = i / 40.0;
      const double px = b.x + b.w * 0.52 + t * b.w * 0.4, py = cy + std::sin(t * 4 * kPi + index) * b.h * 0.2;
      i ? cairo_line_to(cr, px, py) : cairo_move_to(cr, px, py);
    }
    cairo_stroke(cr);
    for (int k = 0; k < 3; ++k) {
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, k * kPi / 3);
      cairo_scale(cr, r, r * 0.35);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_stroke(cr);
    }
    cairo_arc(cr, cx, cy, 2.5, 0, 2 * kPi);
    cairo_fill(cr);
  } else {
    // lines of writing without words, and a triangle
    for (int l = 0; l < 4; ++l) {
      const double ly = b.y + 14 + l * (b.h - 20) / 4.5;
      double lx = b.x + b.w * 0.5;
      while (lx < b.x + b.w - 14) {
        const double seg = 6 + 14 * hash01(l, static_cast<int>(lx), index);
        cairo_move_to(cr, lx, ly);
        for (double q = 0; q < seg; q += 3) cairo_line_to(cr, lx + q, ly + ((static_cast<int>(q) / 3) & 1 ? -2 : 1));
        cairo_stroke(cr);
        lx += seg + 5;
      }
    }
    cairo_move_to(cr, cx - r, cy + r * 0.8);
    cairo_line_to(cr, cx + r, cy + r * 0.8);
    cairo_line_to(cr, cx - r * 0.2, cy - r * 0.9);
    cairo_close_path(cr);
    cairo_stroke(cr);
  }
  // chalk ledge
  cairo_rectangle(cr, b.x + 4, b.y + b.h - 4, b.w - 8, 4);
  rgb(cr, era(p.future).board_ledge);
  cairo_fill(cr);
}

void dec_poster(cairo_t* cr, const Plan& p, const Box& b, int index) {
  const std::uint32_t c = era(p.future).posters[index % 5];
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  rgb(cr, era(p.future).poster_paper);
  fill_stroke(cr, 0x302820, 1);
  cairo_rectangle(cr, b.x + 4, b.y + 4, b.w - 8, b.h * 0.6);
  vgrad(cr, b.y, b.y + b.h * 0.6, c, 0x202040);
  cairo_fill(cr);
  const double cx = b.x + b.w / 2, cy = b.y + 4 + b.h * 0.3, s = std::min(b.w, b.h) * 0.45;
  switch (index % 4) {
    case 0: icon_star(cr, cx, cy, s, 0xFFF0A0); break;
    case 1:
      cairo_arc(cr, cx, cy, s * 0.35, 0, 2 * kPi);  // a planet with its ring
      rgb(cr, 0xF0D0A0);
      cairo_fill(cr);
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, s * 0.6, s * 0.15);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      rgb(cr, 0xFFFFFF);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      break;
    case 2: icon_note(cr, cx, cy, s, 0xFFFFFF); break;
    default: icon_book(cr, cx, cy, s, 0xFFFFFF); break;
  }
  for (int l = 0; l < 3; ++l) {
    cairo_rectangle(cr, b.x + 6, b.y + b.h * 0.7 + l * b.h * 0.09, (b.w - 12) * (l == 2 ? 0.6 : 1.0), 2);
    rgb(cr, era(p.future).poster_ink);
    cairo_fill(cr);
  }
}

void dec_clock(cairo_t* cr, const Plan& p, const Box& b, int) {
  const double cx = b.x + b.w / 2, cy = b.y + b.h / 2, r = std::min(b.w, b.h) / 2 - 1;
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgb(cr, era(p.future).clock_face);
  fill_stroke(cr, era(p.future).clock_rim, 2);
  rgb(cr, era(p.future).clock_hands);
  cairo_set_line_width(cr, 1.8);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + r * 0.5, cy - r * 0.2);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx - r * 0.1, cy - r * 0.75);
  cairo_stroke(cr);
}

void dec_shelf(cairo_t* cr, const Plan& p, const Box& b, int index) {
  // a shelf of books or of flasks
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  rgb(cr, era(p.future).shelf);
  cairo_fill(cr);
  const int rows = std::max(1, static_cast<int>(b.h / 34));
  for (int r = 0; r < rows; ++r) {
    const double ry = b.y + 4 + r * (b.h - 4) / rows, rh = (b.h - 4) / rows - 4;
    cairo_rectangle(cr, b.x + 4, ry, b.w - 8, rh);
    rgb(cr, era(p.future).shelf_back);
    cairo_fill(cr);
    double x = b.x + 5;
    int k = 0;
    while (x < b.x + b.w - 10) {
      const double t = hash01(k, r, index);
      if (p.kind == Kind::Chemistry) {
        const double fw = 7 + 5 * t;
        cairo_move_to(cr, x + fw * 0.35, ry + rh * 0.3);
        cairo_line_to(cr, x + fw * 0.65, ry + rh * 0.3);
        cairo_line_to(cr, x + fw, ry + rh);
        cairo_line_to(cr, x, ry + rh);
        cairo_close_path(cr);
        static const std::uint32_t kLiquid[] = {0xE04848, 0x4878E0, 0xE0C040, 0xB050D0};
        rgb(cr, kLiquid[k % 4]);
        fill_stroke(cr, 0xD0E0F0, 1);
        x += fw + 3;
      } else {
        const double bw = 4 + 5 * t, bh = rh * (0.7 + 0.3 * hash01(r, k, 2));
        cairo_rectangle(cr, x, ry + rh - bh, bw, bh);
        rgb(cr, era(p.future).spines[k % era(p.future).spine_count]);
        cairo_fill(cr);
        x += bw + 1;
      }
      ++k;
    }
  }
}

void dec_screen(cairo_t* cr, const Plan&, const Box& b, int index) {
  // a wall screen of 2027 with a chart or a camera picture
  rounded_rect(cr, b.x, b.y, b.w, b.h, 3);
  rgb(cr, 0x1A2232);
  fill_stroke(cr, 0x6A7A9A, 1.5);
  cairo_rectangle(cr, b.x + 4, b.y + 4, b.w - 8, b.h - 8);
  vgrad(cr, b.y, b.y + b.h, 0x10306A, 0x081838);
  cairo_fill(cr);
  rgb(cr, 0x70A8FF);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i <= 12; ++i) {
    const double px = b.x + 8 + i * (b.w - 16) / 12;
    const double py = b.y + b.h * 0.7 - hash01(i, index, 4) * b.h * 0.45;
    i ? cairo_line_to(cr, px, py) : cairo_move_to(cr, px, py);
  }
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {
    cairo_rectangle(cr, b.x + 8 + i * 10, b.y + b.h - 12, 7, 4);
    rgb(cr, i == index % 4 ? 0xFF60C0 : 0x5070C0);
    cairo_fill(cr);
  }
}

void dec_camera(cairo_t* cr, const Plan&, const Box& b, int) {
  // a surveillance camera on its arm, its red eye lit
  cairo_rectangle(cr, b.x + b.w * 0.45, b.y, b.w * 0.1, b.h * 0.4);
  rgb(cr, 0x4A5468);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, b.x + b.w / 2, b.y + b.h * 0.55);
  cairo_rotate(cr, 0.35);
  rounded_rect(cr, -b.w * 0.45, -b.h * 0.18, b.w * 0.9, b.h * 0.36, 3);
  rgb(cr, 0xC8D0DC);
  fill_stroke(cr, 0x20283A, 1.2);
  cairo_arc(cr, b.w * 0.36, 0, b.h * 0.1, 0, 2 * kPi);
  rgb(cr, 0xE02040);
  cairo_fill(cr);
  cairo_restore(cr);
}

void dec_strip(cairo_t* cr, const Plan&, const Box& b, int) {
  // a glowing wall strip
  rounded_rect(cr, b.x, b.y, b.w, b.h, b.h / 2);
  rgb(cr, 0x6A70FF, 0.35);
  cairo_fill(cr);
  rounded_rect(cr, b.x + 2, b.y + b.h * 0.3, b.w - 4, b.h * 0.4, b.h * 0.2);
  rgb(cr, 0xB0B8FF);
  cairo_fill(cr);
}

void dec_lockers(cairo_t* cr, const Plan& p, const Box& b, int index) {
  const int n = std::max(1, static_cast<int>(b.w / 22));
  const double lw = b.w / n;
  for (int i = 0; i < n; ++i) {
    cairo_rectangle(cr, b.x + i * lw, b.y, lw - 1, b.h);
    static const std::uint32_t kOld[] = {0x5A7AA8, 0xC86A3A, 0x8A8A90};
    if (p.future)
      vgrad(cr, b.y, b.y + b.h, 0x8898B8, 0x4A5878);
    else
      vgrad(cr, b.y, b.y + b.h, kOld[index % 3], 0x303040);
    fill_stroke(cr, 0x202028, 1);
    for (int v = 0; v < 3; ++v) {
      cairo_rectangle(cr, b.x + i * lw + lw * 0.25, b.y + 6 + v * 4, lw * 0.5, 1.5);
      rgb(cr, 0x101018);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, b.x + i * lw + lw * 0.72, b.y + b.h * 0.45, 2, 7);
    rgb(cr, era(p.future).locker_lamp);
    cairo_fill(cr);
  }
}

void dec_tiles(cairo_t* cr, const Plan&, const Box& b, int) {
  // a mirror over a wash basin
  rounded_rect(cr, b.x + b.w * 0.15, b.y, b.w * 0.7, b.h * 0.55, 4);
  vgrad(cr, b.y, b.y + b.h * 0.55, 0xD8E8F0, 0x90A8B8);
  fill_stroke(cr, 0x606870, 2);
  cairo_move_to(cr, b.x + b.w * 0.3, b.y + b.h * 0.1);
  cairo_line_to(cr, b.x + b.w * 0.45, b.y + b.h * 0.05);
  rgb(cr, 0xFFFFFF);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, b.x, b.y + b.h * 0.7);
  cairo_line_to(cr, b.x + b.w, b.y + b.h * 0.7);
  cairo_curve_to(cr, b.x + b.w * 0.9, b.y + b.h, b.x + b.w * 0.1, b.y + b.h, b.x, b.y + b.h * 0.7);
  rgb(cr, 0xF4F4F8);
  fill_stroke(cr, 0x707880, 1.5);
}

void dec_stairs(cairo_t* cr, const Plan& p, const Box& b, int) {
  // a flight of stairs rising to the left, with its banister
  const int steps = std::max(4, static_cast<int>(b.h / 14));
  for (int i = 0; i < steps; ++i) {
    const double sy = b.y + b.h - (i + 1) * b.h / steps;
    const double sx = b.x + i * b.w / (steps * 1.5);
    cairo_rectangle(cr, sx, sy, b.w - i * b.w / (steps * 1.5), b.h / steps);
    rgb(cr, i % 2 ? era(p.future).stair_shade : era(p.future).stair_lit);
    fill_stroke(cr, 0x4A3A2A, 1);
  }
  cairo_move_to(cr, b.x + b.w, b.y + b.h - 30);
  cairo_line_to(cr, b.x + b.w * 0.33, b.y - 22);
  rgb(cr, era(p.future).stair_nosing);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  for (int i = 0; i < steps; i += 2) {
    const double t = i / double(steps);
    const double bx = b.x + b.w - t * b.w * 0.67;
    cairo_move_to(cr, bx, b.y + b.h - 30 - t * (b.h - 8));
    cairo_line_to(cr, bx, b.y + b.h - t * (b.h - 8));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

void dec_curtain(cairo_t* cr, const Plan& p, const Box& b, int) {
  // the stage of the assembly hall
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  rgb(cr, 0x2A1A14);
  cairo_fill(cr);
  const int folds = std::max(3, static_cast<int>(b.w / 14));
  for (int i = 0; i < folds; ++i) {
    cairo_rectangle(cr, b.x + i * b.w / folds, b.y, b.w / folds, b.h);
    vgrad(cr, b.y, b.y + b.h, i % 2 ? 0xA02030 : 0xC83040, 0x601018);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, b.x, b.y, b.w, b.h * 0.12);
  rgb(cr, era(p.future).curtain);
  cairo_fill(cr);
}

void dec_tank(cairo_t* cr, const Plan&, const Box& b, int index) {
  // an aquarium set into the wall
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  rgb(cr, 0x303840);
  cairo_fill(cr);
  cairo_rectangle(cr, b.x + 4, b.y + 6, b.w - 8, b.h - 10);
  vgrad(cr, b.y, b.y + b.h, 0x4A90D8, 0x1A4A90);
  cairo_fill(cr);
  for (int f = 0; f < 3; ++f) {
    const double fx = b.x + 12 + hash01(f, index, 1) * (b.w - 30), fy = b.y + 14 + hash01(index, f, 2) * (b.h - 30);
    cairo_save(cr);
    cairo_translate(cr, fx, fy);
    cairo_scale(cr, 6, 3.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    rgb(cr, f == 1 ? 0xF8E040 : 0xF08030);
    cairo_fill(cr);
    cairo_move_to(cr, fx - 5, fy);
    cairo_line_to(cr, fx - 10, fy - 4);
    cairo_line_to(cr, fx - 10, fy + 4);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

void dec_building(cairo_t* cr, const Plan& p, const Box& b, int) {
  // school buildings around the yard, rows of windows
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  if (p.future)
    vgrad(cr, b.y, b.y + b.h, 0x5A6A90, 0x2A3458);
  else
    vgrad(cr, b.y, b.y + b.h, 0xC07A58, 0x8A4E38);
  cairo_fill(cr);
  for (double wy = b.y + 12; wy + 22 < b.y + b.h; wy += 38)
    for (double wx = b.x + 10; wx + 20 < b.x + b.w; wx += 34) {
      cairo_rectangle(cr, wx, wy, 20, 24);
      rgb(cr, hash01(int(wx), int(wy), 1) > 0.5 ? era(p.future).far_window_lit : era(p.future).far_window_dark);
      fill_stroke(cr, era(p.future).far_window_frame, 1.5);
    }
}

void dec_sign(cairo_t* cr, const Plan& p, const Box& b, int) {
  // a green-free notice board with pinned sheets
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  rgb(cr, era(p.future).sign);
  fill_stroke(cr, 0x4A3018, 2);
  for (int i = 0; i < 5; ++i) {
    const double sx = b.x + 6 + hash01(i, 1, 5) * (b.w - 26), sy = b.y + 5 + hash01(i, 2, 5) * (b.h - 26);
    cairo_rectangle(cr, sx, sy, 16, 20);
    rgb(cr, i % 2 ? era(p.future).sign_text : era(p.future).sign_text_alt);
    cairo_fill(cr);
    cairo_arc(cr, sx + 8, sy + 2, 1.5, 0, 2 * kPi);
    rgb(cr, 0xD02020);
    cairo_fill(cr);
  }
}

struct DecorChoice {
  Decor draw;
  int w, h;
};

std::vector<DecorChoice> decor_for(const Plan& p) {
  const bool f = p.future;
  auto std_or = [&](Decor old_one, int w, int h) { return DecorChoice{f ? dec_screen : old_one, w, h}; };
  switch (p.kind) {
    case Kind::Physics: return {{dec_board, 150, 90}, std_or(dec_poster, 46, 64), {dec_window, 80, 90}, {dec_clock, 30, 30}};
    case Kind::Chemistry: return {{dec_shelf, 120, 70}, std_or(dec_poster, 46, 64), {dec_window, 80, 90}, {dec_shelf, 70, 70}};
    case Kind::Biology: return {{dec_poster, 50, 68}, {dec_tank, 90, 55}, {dec_window, 80, 90}, {dec_shelf, 80, 70}};
    case Kind::Classroom: return {{dec_board, 170, 90}, {dec_window, 80, 100}, {dec_poster, 44, 60}, {dec_clock, 30, 30}};
    case Kind::Library: return {{dec_shelf, 140, 130}, {dec_shelf, 100, 130}, {dec_clock, 28, 28}};
    case Kind::Cafeteria: return {{dec_window, 100, 100}, std_or(dec_poster, 48, 64), {dec_sign, 80, 56}};
    case Kind::Toilet: return {{dec_tiles, 60, 80}, {dec_tiles, 60, 80}};
    case Kind::Hall: return {{dec_stairs, 150, 110}, {dec_sign, 90, 60}, {dec_clock, 34, 34}, {dec_window, 70, 90}};
    case Kind::Aula: return {{dec_curtain, 200, 120}, {dec_window, 70, 110}};
    case Kind::Outdoor: return {};
    case Kind::Kicker: return {{dec_poster, 50, 68}, {dec_window, 90, 90}, {dec_sign, 70, 50}};
    case Kind::Porter: return {{dec_sign, 100, 70}, {dec_window, 110, 80}, {dec_clock, 30, 30}};
    case Kind::Aquarium: return {{dec_tank, 110, 70}, {dec_tank, 90, 60}};
    case Kind::Corridor: break;
  }
  if (f) return {{dec_screen, 80, 55}, {dec_strip, 70, 10}, {dec_lockers, 88, 110}, {dec_camera, 34, 34}};
  return {{dec_poster, 44, 60}, {dec_lockers, 88, 110}, {dec_sign, 80, 56}, {dec_window, 70, 90}};
}

// The furnishings on the free wall, left to right; lockers and a flight of
// stairs stand on the floor's back edge instead of hanging on the wall.
void place_decor(cairo_t* cr, const Plan& p, bool outdoor) {
  const auto choices = decor_for(p);
  if (!choices.empty()) {
    const int skirt = outdoor ? 30 : 76;
    int next = 0;
    for (int x = 8; x < W - 20;) {
      const DecorChoice& d = choices[next % choices.size()];
      const bool standing = d.draw == dec_lockers || d.draw == dec_stairs;
      bool placed = false;
      for (double hf : {1.0, 0.8, 0.65}) {
        const double h = d.h * hf, w = d.w * (d.draw == dec_strip ? 1.0 : hf);
        // as high as the ceiling allows, centred in the free band
        int lowest = H, back_edge = H;
        for (int c = x; c < std::min(W, x + static_cast<int>(w)); ++c) {
          lowest = std::min(lowest, p.top[c] - skirt);
          back_edge = std::min(back_edge, p.top[c]);
        }
        if (standing && back_edge >= H) continue;  // no floor to stand on
        const double y = standing ? back_edge - h : std::max(44.0, std::min(lowest - h - 8.0, 44 + (lowest - 44 - h) * 0.45));
        const Box b{double(x), y, w, h};
        if (y >= 44 && wall_free(p, b, standing ? 0 : skirt)) {
          d.draw(cr, p, b, next);
          x += static_cast<int>(w) + 24;
          placed = true;
          break;
        }
      }
      ++next;
      if (!placed) x += 12;
    }
  }
}

void paint_walls(cairo_t* cr, const Plan& p) {
  const bool outdoor = p.kind == Kind::Outdoor;
  // the wall itself
  if (outdoor) {
    vgrad(cr, 0, H, era(p.future).sky_top, era(p.future).sky_bottom);
    cairo_paint(cr);
    Box bld{0, 70, W, H - 70.0};
    dec_building(cr, p, bld, 0);
    // the roofline
    cairo_rectangle(cr, 0, 62, W, 10);
    rgb(cr, era(p.future).roofline);
    cairo_fill(cr);
  } else {
    vgrad(cr, 0, H, era(p.future).wall_top, era(p.future).wall_bottom);
    cairo_paint(cr);
    // ceiling with its lights
    cairo_rectangle(cr, 0, 0, W, 34);
    vgrad(cr, 0, 34, era(p.future).ceiling_top, era(p.future).ceiling_bottom);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
      rounded_rect(cr, 40 + i * 160, 10, 100, 8, 3);
      rgb(cr, era(p.future).ceiling_lamp);
      fill_stroke(cr, era(p.future).ceiling_lamp_rim, 1);
    }
    cairo_move_to(cr, 0, 34);
    cairo_line_to(cr, W, 34);
    rgb(cr, era(p.future).ceiling_edge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // wall panels
    for (int x = 0; x < W; x += era(p.future).wall_panel_width) {
      cairo_move_to(cr, x + 0.5, 36);
      cairo_line_to(cr, x + 0.5, H);
      rgb(cr, era(p.future).wall_seam, 0.6);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
  // the dado and the skirting follow the floor's back edge
  auto band = [&](int above, int below, std::uint32_t c, double alpha) {
    cairo_move_to(cr, 0, p.top[0] - above);
    for (int x = 1; x < W; ++x) cairo_line_to(cr, x, p.top[x] - above);
    for (int x = W - 1; x >= 0; --x) cairo_line_to(cr, x, p.top[x] - below);
    cairo_close_path(cr);
    rgb(cr, c, alpha);
    cairo_fill(cr);
  };
  if (outdoor) {
    band(26, 0, era(p.future).yard_wall, 1);  // a low wall around the yard
    band(28, 24, era(p.future).yard_wall_top, 1);
  } else {
    band(70, 0, era(p.future).dado, 1);
    band(72, 68, era(p.future).dado_rail, 1);
    band(10, 0, era(p.future).skirting, 1);
  }
  place_decor(cr, p, outdoor);
}

// The exits, on a layer of their own: laid over walls and obstacles, never
// over the floor.
void paint_exits(cairo_t* cr, const Plan& p) {
  for (int k = 0; k < p.room->exit_nr && k < static_cast<int>(p.room->exits.size()); ++k) {
    const ExitDef& e = p.room->exits[k];
    if (corridor_exit(e))
      passage(cr, p, e);
    else
      door(cr, p, e);
  }
}

// Keeps the floor's colours in the floor class and everything else out of it
// (exits keep their lamps as drawn).
void separate(const Plan& p, std::uint32_t* px, int stride) {
  const int span = std::min<int>(p.room->exit_nr, static_cast<int>(p.room->exits.size()));
  const int off = p.future ? 30 : 20;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      std::uint32_t& q = px[static_cast<size_t>(y) * stride + x];
      int r = (q >> 16) & 0xFF, g = (q >> 8) & 0xFF, b = q & 0xFF;
      const int s = room_floor::score(p.future, r, g, b);
      if (p.is_floor(x, y)) {
        if (s >= room_floor::kFloorAtLeast) continue;
        g = std::max({g, r + room_floor::kFloorAtLeast, b + room_floor::kFloorAtLeast - off});
        if (g > 255) {
          const int over = g - 255;
          g = 255, r = std::max(0, r - over), b = std::max(0, b - over);
        }
      } else {
        if (s <= room_floor::kWallAtMost) continue;
        bool in_exit = false;
        for (int k = 0; k < span; ++k) {
          const ExitDef& e = p.room->exits[k];
          if (x >= e.x && x < e.x2 && y >= e.y && y < e.y2) in_exit = true;
        }
        if (in_exit) continue;
        g = std::min(g, std::max(r + room_floor::kWallAtMost, b + room_floor::kWallAtMost - off));
        g = std::max(0, g);
      }
      q = 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
          static_cast<std::uint32_t>(b);
    }
}

Image16 background(const Plan& p) {
  Canvas walls(W, H);
  paint_walls(walls.cr(), p);
  cairo_surface_flush(walls.surface());
  Canvas exits(W, H);
  paint_exits(exits.cr(), p);
  cairo_surface_flush(exits.surface());
  const auto* over = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(exits.surface()));
  Canvas out(W, H);
  cairo_surface_flush(out.surface());
  const int stride = cairo_image_surface_get_stride(out.surface()) / 4;
  auto* dst = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(out.surface()));
  const auto* src = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(walls.surface()));
  for (int x = 0; x < W; ++x) {
    int last_floor = -1;
    for (int y = 0; y < H; ++y) {
      const size_t i = static_cast<size_t>(y) * stride + x;
      RGB c;
      if (p.is_floor(x, y)) {
        c = floor_pixel(p, x, y);
        last_floor = y;
      } else if (last_floor >= 0) {
        c = obstacle_pixel(p, x, y - last_floor - 1);
      } else {
        dst[i] = src[i] | 0xFF000000u;
        continue;
      }
      auto ch = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0)); };
      dst[i] = 0xFF000000u | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
    }
  }
  // exits over everything but the floor (premultiplied "over")
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const size_t i = static_cast<size_t>(y) * stride + x;
      const std::uint32_t o = over[i];
      const std::uint32_t a = o >> 24;
      if (a == 0 || p.is_floor(x, y)) continue;
      const std::uint32_t d = dst[i];
      auto chan = [&](int sh) {
        return std::min<std::uint32_t>(255, ((o >> sh) & 0xFF) + (((d >> sh) & 0xFF) * (255 - a) + 127) / 255);
      };
      dst[i] = 0xFF000000u | (chan(16) << 16) | (chan(8) << 8) | chan(0);
    }
  separate(p, dst, stride);
  cairo_surface_mark_dirty(out.surface());
  return cut(out);
}

// ------------------------------------------------------------ the pieces ----

template <class Row>
void collect(const RoomScript& r, std::span<const Row> rows, bool person, std::map<int, rooms::PieceUse>& uses) {
  for (const Row& row : rows) {
    if (row.frames.empty()) continue;
    std::vector<int> distinct;
    for (const Frame& f : row.frames)
      if (std::find(distinct.begin(), distinct.end(), f.object) == distinct.end()) distinct.push_back(f.object);
    rooms::PieceUse base;
    base.room = r.name;
    base.name = row.name ? row.name : "";
    if constexpr (std::is_same_v<Row, PersonState>)
      base.person_kind = row.kind;
    else
      base.piece_kind = row.kind;
    base.state = row.state;
    base.person = person;
    base.future = room_floor::is_future(r.name);
    base.x = row.frames[0].x;
    base.y = row.frames[0].y;
    rooms::SizeHint hint;
    hint.min_len = r.min_hero_length;
    hint.rate = r.increase_rate;
    if (row.mouse_x >= 0 && row.mouse_x2 > row.mouse_x) hint.mouse_w = row.mouse_x2 - base.x;
    if (row.mouse_y >= 0 && row.mouse_y2 > row.mouse_y) hint.mouse_h = row.mouse_y2 - base.y;
    rooms::piece_size(base, hint);
    for (const Frame& f : row.frames) {
      if (uses.count(f.object)) continue;  // drawn as the row that showed it first
      rooms::PieceUse u = base;
      u.x = f.x;
      u.y = f.y;
      u.phase = static_cast<int>(std::find(distinct.begin(), distinct.end(), f.object) - distinct.begin());
      u.phases = static_cast<int>(distinct.size());
      uses[f.object] = u;
    }
  }
}

}  // namespace

std::map<int, rooms::PieceUse> rooms::piece_uses(const RoomScript& r) {
  std::map<int, rooms::PieceUse> uses;
  collect(r, r.furniture, false, uses);
  collect(r, r.persons, true, uses);
  // A person asleep at a desk rests on the top of the piece drawn in front of
  // her lower half.
  for (auto& [i, u] : uses) {
    if (u.person_kind != PersonKind::sand_asleep) continue;
    for (const auto& [j, f] : uses)
      if (!f.person && f.x < u.x + u.w && f.x + f.w > u.x && f.y > u.y + u.h / 2 && f.y < u.y + u.h &&
          f.y + f.h > u.y + u.h)
        u.rest_y = u.rest_y < 0 ? f.y - u.y : std::min(u.rest_y, f.y - u.y);
  }
  return uses;
}

namespace {

void make_room(const Context& ctx, const RoomScript& r) {
  Plan p;
  p.room = &r;
  p.future = room_floor::is_future(r.name);
  p.kind = kind_of(r.name);
  sample_floor(p);

  const std::map<int, rooms::PieceUse> uses = rooms::piece_uses(r);

  int count = r.highest_object + 1;
  count = std::max(count, r.background + 1);
  if (!uses.empty()) count = std::max(count, uses.rbegin()->first + 1);

  std::vector<Image16> pics(count);
  Image16 none;
  none.w = none.h = 1;
  none.px.assign(1, kMask);
  for (int i = 0; i < count; ++i) {
    if (i == r.background)
      pics[i] = background(p);
    else if (auto it = uses.find(i); it != uses.end())
      pics[i] = rooms::draw_piece(it->second);
    else
      pics[i] = none;
  }
  Datafile df;
  for (int i = 0; i < count; ++i) df.add_bitmap(std::string(r.name) + "_" + std::to_string(i), pics[i]);
  df.write(ctx.path(r.data_file));

  if (!ctx.sheet_dir.empty()) {
    std::vector<const Image16*> view{&pics[r.background]};
    ctx.sheet(std::string("room_") + r.name, view, 1);
    std::vector<const Image16*> pieces;
    for (const auto& [i, u] : uses) pieces.push_back(&pics[i]);
    if (!pieces.empty()) ctx.sheet(std::string("pieces_") + r.name, pieces, 8);
  }
}

}  // namespace

void make_rooms(const Context& ctx) {
  for (const RoomScript* r : kRooms) make_room(ctx, *r);
}

}  // namespace mkassets
