// timemach.dat: the last scene. The machine is a round pedestal with three
// steps, right of the reactor in future_physiktp, and a glass tube that rises
// out of it around the hero. Every picture is drawn in the room's own
// coordinates and cut at the place the game draws it, so what stands still in
// the room (the pedestal) stays put from one picture to the next.
#include <cmath>
#include <functional>
#include <string>

#include "cutscenes/time_machine_data.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "hero_art.h"
#include "maths.h"
#include "rooms_art.h"

namespace mkassets {
namespace {

using namespace draw;
using namespace manifest;

// The hero's size at the machine: his scale where he stands in front of it.
constexpr double kHeroScale = 0.92;
// The pedestal: centre of its top and its radii; the tube's radius.
constexpr double kPadX = 482, kPadTop = 296, kPadRx = 46, kPadRy = 10, kPadDepth = 26;
constexpr double kTubeRx = 40, kTubeTop = 136;

// A picture of w x h whose top-left corner is (x, y) in the room; `paint`
// draws in room coordinates.
Image16 in_room(int x, int y, int w, int h, const std::function<void(cairo_t*)>& paint) {
  Canvas c(w, h);
  cairo_translate(c.cr(), -x, -y);
  paint(c.cr());
  return cut(c);
}

Image16 screen(const std::function<void(cairo_t*)>& paint) { return in_room(0, 0, 640, 480, paint); }

// The hero drawn by `frame` with his picture's top-left corner at (x, y).
void hero_at(cairo_t* cr, double x, double y, const std::function<void(cairo_t*)>& frame) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, kHeroScale, kHeroScale);
  frame(cr);
  cairo_restore(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

// The pedestal with its steps, and a ring of lamps round its top edge.
void pedestal(cairo_t* cr) {
  const double bottom = kPadTop + kPadDepth;
  // the drum
  cairo_move_to(cr, kPadX - kPadRx, kPadTop);
  cairo_line_to(cr, kPadX - kPadRx, bottom);
  cairo_save(cr);
  cairo_translate(cr, kPadX, bottom);
  cairo_scale(cr, kPadRx, kPadRy);
  cairo_arc_negative(cr, 0, 0, 1, kPi, 0);
  cairo_restore(cr);
  cairo_line_to(cr, kPadX + kPadRx, kPadTop);
  cairo_close_path(cr);
  vgrad(cr, kPadTop, bottom + kPadRy, 0x7A86A8, 0x2A3048);
  fill_stroke(cr, 0x101020, 1.2);
  ellipse(cr, kPadX, kPadTop, kPadRx, kPadRy);
  rgrad(cr, kPadX, kPadTop, kPadRx, 0xC8D8F0, 0x6A7898);
  fill_stroke(cr, 0x101020, 1.2);
  ellipse(cr, kPadX, kPadTop, kPadRx * 0.7, kPadRy * 0.6);
  rgb(cr, 0x30E8FF, 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int k = 0; k < 7; ++k) {
    const double a = kPi * (0.1 + 0.8 * k / 6.0);
    cairo_arc(cr, kPadX - std::cos(a) * kPadRx * 0.9, kPadTop + 12 + std::sin(a) * 6, 1.8, 0, 2 * kPi);
    rgb(cr, 0x40FF90);
    cairo_fill(cr);
  }
  // three steps up to it, the lowest nearest
  for (int s = 0; s < 3; ++s) {
    const double top = bottom + 18 - 10.0 * s - 10;
    const double w = 44 - 4 * s;
    cairo_rectangle(cr, kPadX - w / 2, top, w, 4);
    rgb(cr, 0xA8B4CC);
    fill_stroke(cr, 0x101020, 1);
    cairo_rectangle(cr, kPadX - w / 2, top + 4, w, 6);
    rgb(cr, 0x4A5470);
    fill_stroke(cr, 0x101020, 1);
  }
}

// The glass tube from its top edge `top` down to the pedestal: rails, a few
// glints (the glass itself lets the room through), the cap with four lamps
// of which the first `lit` shine, and the colour of their light.
void tube(cairo_t* cr, double top, int lit, std::uint32_t light) {
  const double l = kPadX - kTubeRx, r = kPadX + kTubeRx;
  for (double x : {l, r}) {
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x, kPadTop);
  }
  rgb(cr, 0x9FE8FF);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (double dx : {9.0, 15.0, 66.0}) {
    cairo_move_to(cr, l + dx, top + 14);
    cairo_line_to(cr, l + dx, kPadTop - 12 - dx * 0.3);
  }
  rgb(cr, 0xE8FFFF);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // the lower rim, where it leaves the pedestal
  cairo_save(cr);
  cairo_translate(cr, kPadX, kPadTop);
  cairo_scale(cr, kTubeRx, 6);
  cairo_arc(cr, 0, 0, 1, 0, kPi);
  cairo_restore(cr);
  rgb(cr, 0x9FE8FF);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // the cap
  rounded_rect(cr, l - 4, top - 8, 2 * kTubeRx + 8, 14, 5);
  vgrad(cr, top - 8, top + 6, 0xD8E0F0, 0x5A6480);
  fill_stroke(cr, 0x101020, 1.2);
  for (int k = 0; k < 4; ++k) {
    cairo_arc(cr, l + 14 + k * 17, top - 1, 3, 0, 2 * kPi);
    rgb(cr, k < lit ? light : 0x303848);
    fill_stroke(cr, 0x101010, 0.8);
  }
}

// Mr Zirud as the room draws him where he stands, one of `phases` pictures.
rooms::PieceUse zirud(int phase, int phases) {
  rooms::PieceUse u;
  u.room = "future_physiktp";
  u.name = "FrizzeRol";
  u.person_kind = PersonKind::frizze;
  u.person = true;
  u.future = true;
  u.x = kTmTeacherX;
  u.y = kTmTeacherY;
  rooms::SizeHint hint;
  hint.min_len = 0.2;
  hint.rate = 500.0;
  rooms::piece_size(u, hint);
  u.phase = phase;
  u.phases = phases;
  return u;
}

// Mr Zirud with his remote held before him, raised by `raise` (0 at the belt,
// 1 at the chest); its button shows `button`.
Image16 zirud_remote(double raise, std::uint32_t button) {
  const rooms::PieceUse u = zirud(0, 1);
  const Image16 body = rooms::draw_piece(u);
  Canvas c(u.w, u.h);
  cairo_t* cr = c.cr();
  // the person first, as the room draws him
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, u.w, u.h);
  auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(s));
  const int stride = cairo_image_surface_get_stride(s) / 4;
  for (int y = 0; y < u.h; ++y)
    for (int x = 0; x < u.w; ++x) {
      const std::uint16_t v = body.at(x, y);
      if (v == kMask) {
        px[y * stride + x] = 0;
        continue;
      }
      const std::uint32_t r = ((v >> 11) & 31) * 255 / 31, g = ((v >> 5) & 63) * 255 / 63, b = (v & 31) * 255 / 31;
      px[y * stride + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  cairo_surface_mark_dirty(s);
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(s);
  // the remote in both hands
  const double W = u.w, H = u.h;
  const double cy = H * (0.5 - 0.16 * raise), cx = W / 2;
  rounded_rect(cr, cx - W * 0.1, cy - H * 0.05, W * 0.2, H * 0.1, 2);
  rgb(cr, 0x202630);
  fill_stroke(cr, 0x000000, 1);
  cairo_arc(cr, cx, cy - H * 0.015, std::max(2.0, W * 0.04), 0, 2 * kPi);
  rgb(cr, button);
  cairo_fill(cr);
  cairo_move_to(cr, cx + W * 0.06, cy - H * 0.05);
  cairo_line_to(cr, cx + W * 0.08, cy - H * 0.11);
  rgb(cr, 0x202630);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_arc(cr, cx + side * W * 0.11, cy + H * 0.01, W * 0.045, 0, 2 * kPi);
    rgb(cr, 0xF2C8A0);
    fill_stroke(cr, 0x101018, 0.8);
  }
  return cut(c);
}

// A dark screen with a faint clock: the caption's background.
void paint_caption(cairo_t* cr) {
  vgrad(cr, 0, 480, 0x0A1020, 0x182848);
  cairo_paint(cr);
  ellipse(cr, 320, 240, 170, 170);
  rgb(cr, 0x30507A, 0.35);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  for (int h = 0; h < 12; ++h) {
    const double a = h * kPi / 6;
    cairo_move_to(cr, 320 + std::cos(a) * 150, 240 + std::sin(a) * 150);
    cairo_line_to(cr, 320 + std::cos(a) * 135, 240 + std::sin(a) * 135);
  }
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

// The tunnel of time the hero falls through, dark where the year is written.
void paint_years(cairo_t* cr) {
  rgb(cr, 0x05040C);
  cairo_paint(cr);
  for (int k = 22; k >= 1; --k) {
    const double r = k * 22.0;
    ellipse(cr, 330 + k * 3, 228 - k, r * 1.2, r);
    rgb(cr, k % 2 ? 0x3A1A78 : 0x14306A, 0.5 + 0.02 * k);
    cairo_fill(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int k = 0; k < 48; ++k) {
    const double a = k * 2 * kPi / 48 + 0.13 * (k % 3);
    const double r0 = 90 + (k * 37) % 60, r1 = r0 + 40 + (k * 53) % 120;
    cairo_move_to(cr, 330 + std::cos(a) * r0, 228 + std::sin(a) * r0);
    cairo_line_to(cr, 330 + std::cos(a) * r1, 228 + std::sin(a) * r1);
    rgb(cr, k % 4 ? 0x9FE8FF : 0xFFFFFF, 0.6);
    cairo_set_line_width(cr, 1.5 + (k % 3));
    cairo_stroke(cr);
  }
  ellipse(cr, 335, 228, 80, 48);
  rgrad(cr, 335, 228, 80, 0x000000, 0x0A0818);
  cairo_fill(cr);
}

}  // namespace

void make_time_machine(const Context& ctx) {
  using hero_art::kHeight;
  const double hero_h = kHeight * kHeroScale;
  const int pad_bottom = static_cast<int>(kPadTop + kPadDepth + 30);
  std::vector<Image16> pics(static_cast<size_t>(Timemach::count));
  auto put = [&](Timemach e, int k, Image16 image) { pics[static_cast<size_t>(at(e, k))] = std::move(image); };
  Image16 none;
  none.w = none.h = 1;
  none.px.assign(1, kMask);
  for (Image16& p : pics) p = none;

  put(Timemach::caption, 0, screen(paint_caption));
  put(Timemach::years, 0, screen(paint_years));

  // Talking to Mr Zirud, turned to him, in front of the steps.
  for (int k = 0; k < 30; ++k)
    put(Timemach::hero_talk, k, in_room(kTmHeroX, kTmHeroY, 125, static_cast<int>(hero_h) + 2, [&](cairo_t* cr) {
          pedestal(cr);
          hero_at(cr, kTmHeroX, kTmHeroY, [&](cairo_t* c) { hero_art::talk_side(c, true, k); });
        }));
  // Up the steps, seen from behind, 4 pixels a frame.
  for (int k = 0; k < 15; ++k) {
    const int y = kTmClimbY0 - kTmClimbStep * k;
    put(Timemach::climb, k, in_room(kTmHeroX, y, 125, pad_bottom - y, [&](cairo_t* cr) {
          pedestal(cr);
          hero_at(cr, kTmHeroX, y, [&](cairo_t* c) { hero_art::walk(c, 1, k % 14); });
        }));
  }
  // On the pedestal, turned round to the room.
  put(Timemach::in_machine, 0,
      in_room(kTmInMachineX, kTmInMachineY, 125, pad_bottom - kTmInMachineY, [&](cairo_t* cr) {
        pedestal(cr);
        hero_at(cr, kTmInMachineX, kTmInMachineY, hero_art::stand);
      }));
  // The tube rises out of the pedestal, then its lamps come on one by one;
  // Mr Zirud watches beside it.
  const rooms::PieceUse watching = zirud(0, 1);
  const int tube_right = static_cast<int>(kPadX + kTubeRx + 8);
  const int tube_h = std::max(static_cast<int>(kPadTop + 8), kTmTeacherY + watching.h) - kTmTubeY;
  for (int k = 0; k < 38; ++k) {
    const double t = std::min(1.0, k / 25.0);
    const double top = kPadTop - 14 - (kPadTop - 14 - kTubeTop) * t;
    const int lit = k < 26 ? 0 : std::min(4, (k - 24) / 3);
    put(Timemach::tube, k, in_room(kTmTubeX, kTmTubeY, tube_right - kTmTubeX, tube_h, [&](cairo_t* cr) {
          cairo_save(cr);
          cairo_translate(cr, kTmTeacherX, kTmTeacherY);
          rooms::paint_piece(cr, watching);
          cairo_restore(cr);
          tube(cr, top, lit, 0x40FF90);
        }));
  }
  // Shut in, the lamps running round in the machine's light.
  for (int k = 0; k < 4; ++k)
    put(Timemach::capsule, k,
        in_room(kTmCapsuleX, kTmCapsuleY, 125, pad_bottom - kTmCapsuleY, [&](cairo_t* cr) {
          pedestal(cr);
          hero_at(cr, kTmInMachineX, kTmInMachineY, hero_art::stand);
          tube(cr, kTubeTop, 4, k % 2 ? 0x9FE8FF : 0x3060FF);
        }));
  // Mr Zirud: talking; taking out his remote; pressing its button.
  for (int k = 0; k < 19; ++k) put(Timemach::teacher_talk, k, rooms::draw_piece(zirud(k, 19)));
  for (int k = 0; k < 15; ++k) put(Timemach::remote, k, zirud_remote(std::min(1.0, k / 10.0), 0xC02020));
  for (int k = 0; k < 15; ++k) put(Timemach::start, k, zirud_remote(1.0, k % 4 < 2 ? 0xFF3030 : 0x40FF60));

  Datafile df;
  size_t i = 0;
  for (const Run& run : kTimemachRuns)
    for (int k = 0; k < run.count; ++k, ++i)
      df.add_bitmap(run.count == 1 ? run.label : std::string(run.label) + std::to_string(k), pics[i]);
  df.write(ctx.data_dir, kTimemachFile, kTimemachRuns);

  std::vector<const Image16*> sheet;
  for (const Image16& p : pics)
    if (p.w > 1 && p.w < 640) sheet.push_back(&p);
  ctx.sheet("timemach", sheet, 12);
  ctx.sheet("timemach_screens", {&pics[at(Timemach::caption)], &pics[at(Timemach::years)]}, 2, 0.5);
}

}  // namespace mkassets
