#include "draw.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>
#include <string>

#include "maths.h"

namespace mkassets::draw {
namespace {

cairo_font_face_t* face(bool bold) {
  static FT_Library lib = nullptr;
  static cairo_font_face_t* faces[2] = {nullptr, nullptr};
  if (!faces[bold]) {
    if (!lib && FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType does not start");
    const char* path = bold ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                            : "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    FT_Face ft;
    if (FT_New_Face(lib, path, 0, &ft)) throw std::runtime_error(std::string("cannot open ") + path);
    faces[bold] = cairo_ft_font_face_create_for_ft_face(ft, 0);
  }
  return faces[bold];
}

std::uint32_t brighten(std::uint32_t c, double f) {
  auto ch = [&](int s) {
    const double v = ((c >> s) & 0xFF) + (255 - ((c >> s) & 0xFF)) * f;
    return static_cast<std::uint32_t>(std::lround(v)) << s;
  };
  return ch(16) | ch(8) | ch(0);
}

}  // namespace

void rgb(cairo_t* cr, std::uint32_t hex, double alpha) {
  cairo_set_source_rgba(cr, ((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0,
                        alpha);
}

static void add_stop(cairo_pattern_t* p, double at, std::uint32_t hex) {
  cairo_pattern_add_color_stop_rgb(p, at, ((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0,
                                   (hex & 0xFF) / 255.0);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void vgrad(cairo_t* cr, double y0, double y1, std::uint32_t top, std::uint32_t bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  add_stop(p, 0, top);
  add_stop(p, 1, bottom);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void rgrad(cairo_t* cr, double cx, double cy, double r, std::uint32_t inner, std::uint32_t outer) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  add_stop(p, 0, inner);
  add_stop(p, 1, outer);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void fill_stroke(cairo_t* cr, std::uint32_t line, double width) {
  cairo_fill_preserve(cr);
  rgb(cr, line);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void button_face(cairo_t* cr, double x, double y, double w, double h, bool lit) {
  const double r = std::min(8.0, h / 3);
  rounded_rect(cr, x, y, w, h, r);
  if (lit)
    vgrad(cr, y, y + h, 0x8FF4FF, 0x1E8FB8);
  else
    vgrad(cr, y, y + h, 0x5A6F92, 0x263450);
  fill_stroke(cr, lit ? 0xE8FFFF : 0x0C1020, lit ? 2.0 : 1.5);
  // A highlight along the top edge gives the face its bevel.
  rounded_rect(cr, x + 3, y + 2.5, w - 6, h * 0.38, r * 0.7);
  rgb(cr, 0xFFFFFF, lit ? 0.35 : 0.16);
  cairo_fill(cr);
}

void plate(cairo_t* cr, double x, double y, double w, double h, double r) {
  rounded_rect(cr, x, y, w, h, r);
  vgrad(cr, y, y + h, 0x101828, 0x1C2A40);
  fill_stroke(cr, 0x5C7BA8, 1.5);
}

void text(cairo_t* cr, const char* utf8, double x, double baseline, double size, bool bold) {
  cairo_set_font_face(cr, face(bold));
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, baseline);
  cairo_show_text(cr, utf8);
}

void text_centred(cairo_t* cr, const char* utf8, double cx, double baseline, double size, bool bold) {
  cairo_set_font_face(cr, face(bold));
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8, &e);
  cairo_move_to(cr, cx - e.x_advance / 2, baseline);
  cairo_show_text(cr, utf8);
}

void icon_feet(cairo_t* cr, double cx, double cy, double s, bool lit) {
  const std::uint32_t body = lit ? 0xFFFFFF : 0xD8E4F0;
  for (int foot = 0; foot < 2; ++foot) {
    const double fx = cx + (foot ? s * 0.2 : -s * 0.2);
    const double fy = cy + (foot ? -s * 0.12 : s * 0.12);
    cairo_save(cr);
    cairo_translate(cr, fx, fy);
    cairo_scale(cr, s * 0.14, s * 0.24);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    rgb(cr, body);
    fill_stroke(cr, 0x101018, 1.0);
    for (int t = 0; t < 3; ++t) {
      cairo_arc(cr, fx - s * 0.08 + t * s * 0.08, fy - s * 0.33, s * 0.045, 0, 2 * kPi);
      rgb(cr, body);
      fill_stroke(cr, 0x101018, 0.8);
    }
  }
}

void icon_hand(cairo_t* cr, double cx, double cy, double s, bool lit, double grip) {
  // An open hand seen from the palm side, pointing up; (cx, cy) is the tip of
  // the index finger. `grip` 0..1 curls the fingers.
  const double u = s / 20.0;
  const std::uint32_t skin = lit ? 0xFFE2B8 : 0xF0C48E;
  const std::uint32_t line = 0x3A2010;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  // palm
  rounded_rect(cr, -4 * u, 8 * u, 14 * u, 12 * u, 4 * u);
  rgb(cr, skin);
  fill_stroke(cr, line, 1.0);
  // fingers: index at the tip, then middle, ring, little
  const double fx[4] = {-2 * u, 2 * u, 6 * u, 9.5 * u};
  const double top[4] = {0, 1.5 * u, 3 * u, 6 * u};
  for (int i = 0; i < 4; ++i) {
    const double g = i == 0 ? 0.0 : grip;  // the index finger stays pointing
    const double t = top[i] + g * 6 * u;
    rounded_rect(cr, fx[i] - 1.8 * u, t, 3.6 * u, 12 * u - g * 4 * u, 1.8 * u);
    rgb(cr, skin);
    fill_stroke(cr, line, 1.0);
  }
  // thumb
  cairo_save(cr);
  cairo_translate(cr, -5 * u, 13 * u);
  cairo_rotate(cr, -0.9 + grip * 0.5);
  rounded_rect(cr, -1.8 * u, -7 * u, 3.6 * u, 9 * u, 1.8 * u);
  cairo_restore(cr);
  rgb(cr, skin);
  fill_stroke(cr, line, 1.0);
  cairo_restore(cr);
}

void icon_gear(cairo_t* cr, double cx, double cy, double r, double angle, std::uint32_t body, std::uint32_t line) {
  const int teeth = 8;
  cairo_new_path(cr);
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = angle + i * 2 * kPi / (teeth * 4);
    const double rr = (i % 4 == 1 || i % 4 == 2) ? r : r * 0.74;
    cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, r * 0.3, 2 * kPi, 0);
  cairo_close_path(cr);
  rgrad(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3, brighten(body, 0.45), body);
  fill_stroke(cr, line, std::max(1.0, r / 9));
  // the axle in the middle of the hole marks the working point
  cairo_arc(cr, cx, cy, std::max(1.5, r * 0.14), 0, 2 * kPi);
  rgb(cr, line);
  cairo_fill(cr);
}

void icon_magnifier(cairo_t* cr, double cx, double cy, double s, bool lit) {
  // (cx, cy) is the centre of the lens.
  const double r = s * 0.32;
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + r * 0.75, cy + r * 0.75);
  cairo_line_to(cr, cx + r * 1.9, cy + r * 1.9);
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, s * 0.2);
  cairo_stroke_preserve(cr);
  rgb(cr, lit ? 0xE0A050 : 0x8A5A2A);
  cairo_set_line_width(cr, s * 0.12);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgrad(cr, cx - r * 0.4, cy - r * 0.4, r * 1.2, lit ? 0xF0FFFF : 0xC8E8F8, lit ? 0x60D8FF : 0x4A88B0);
  cairo_fill_preserve(cr);
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, s * 0.14);
  cairo_stroke_preserve(cr);
  rgb(cr, lit ? 0xFFFFFF : 0xB8C0C8);
  cairo_set_line_width(cr, s * 0.07);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void icon_mouth(cairo_t* cr, double cx, double cy, double s, bool lit, double open) {
  const double w = s * 0.45, h = s * (0.08 + 0.22 * open);
  cairo_save(cr);
  // lips
  cairo_move_to(cr, cx - w, cy);
  cairo_curve_to(cr, cx - w * 0.5, cy - h - s * 0.1, cx + w * 0.5, cy - h - s * 0.1, cx + w, cy);
  cairo_curve_to(cr, cx + w * 0.5, cy + h + s * 0.14, cx - w * 0.5, cy + h + s * 0.14, cx - w, cy);
  cairo_close_path(cr);
  rgb(cr, lit ? 0xFF5A6A : 0xD02838);
  fill_stroke(cr, 0x200808, 1.2);
  // the open inside of the mouth
  if (open > 0.05) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, w * 0.7, h * 0.8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    rgb(cr, 0x3A0810);
    cairo_fill(cr);
    rounded_rect(cr, cx - w * 0.45, cy - h * 0.8, w * 0.9, std::max(1.5, h * 0.35), 1);
    rgb(cr, 0xF8F8F0);
    cairo_fill(cr);
  } else {
    cairo_move_to(cr, cx - w * 0.9, cy);
    cairo_line_to(cr, cx + w * 0.9, cy);
    rgb(cr, 0x3A0810);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void icon_note(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, (-5 + 10 * i) * u, (6 - 2 * i) * u);
    cairo_rotate(cr, -0.4);
    cairo_scale(cr, 3.6 * u, 2.6 * u);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
  }
  cairo_rectangle(cr, -2.3 * u, -9 * u, 1.6 * u, 15 * u);
  cairo_rectangle(cr, 7.7 * u, -11 * u, 1.6 * u, 15 * u);
  cairo_move_to(cr, -2.3 * u, -9 * u);
  cairo_line_to(cr, 9.3 * u, -11 * u);
  cairo_line_to(cr, 9.3 * u, -7 * u);
  cairo_line_to(cr, -2.3 * u, -5 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
  cairo_restore(cr);
}

void icon_speaker(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_move_to(cr, cx - 9 * u, cy - 3.5 * u);
  cairo_line_to(cr, cx - 4 * u, cy - 3.5 * u);
  cairo_line_to(cr, cx + 2 * u, cy - 9 * u);
  cairo_line_to(cr, cx + 2 * u, cy + 9 * u);
  cairo_line_to(cr, cx - 4 * u, cy + 3.5 * u);
  cairo_line_to(cr, cx - 9 * u, cy + 3.5 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.6 * u);
  for (int i = 1; i <= 2; ++i) {
    cairo_arc(cr, cx + 2 * u, cy, 4 * u * i, -0.8, 0.8);
    cairo_stroke(cr);
  }
}

void icon_bubble(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rounded_rect(cr, cx - 10 * u, cy - 8 * u, 20 * u, 13 * u, 4 * u);
  cairo_move_to(cr, cx - 4 * u, cy + 4 * u);
  cairo_line_to(cr, cx - 7 * u, cy + 10 * u);
  cairo_line_to(cr, cx + 1 * u, cy + 4 * u);
  rgb(cr, colour);
  cairo_fill(cr);
  rgb(cr, 0x202838);
  for (int i = -1; i <= 1; ++i) {
    cairo_arc(cr, cx + i * 5 * u, cy - 1.5 * u, 1.5 * u, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void icon_keyboard(cairo_t* cr, double cx, double cy, double s) {
  const double u = s / 40;
  rounded_rect(cr, cx - 20 * u, cy - 11 * u, 40 * u, 22 * u, 3 * u);
  vgrad(cr, cy - 11 * u, cy + 11 * u, 0x5A6478, 0x2A3040);
  fill_stroke(cr, 0x0A0C12, 1.2);
  for (int row = 0; row < 3; ++row)
    for (int k = 0; k < 8 - (row == 2 ? 3 : 0); ++k) {
      const double kx = cx - 17 * u + k * 4.4 * u + (row == 2 ? 6.5 * u : row * 1.2 * u);
      const double w = row == 2 && k == 2 ? 12 * u : 3.4 * u;
      rounded_rect(cr, kx, cy - 8 * u + row * 5.5 * u, w, 4 * u, 0.8 * u);
      rgb(cr, 0xD8E0EC);
      cairo_fill(cr);
    }
}

void icon_brush(cairo_t* cr, double cx, double cy, double s) {
  const double u = s / 40;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, 0.7);
  rounded_rect(cr, -2.5 * u, -20 * u, 5 * u, 22 * u, 2 * u);
  vgrad(cr, -20 * u, 2 * u, 0xC07830, 0x804818);
  fill_stroke(cr, 0x201008, 1.0);
  cairo_rectangle(cr, -3.5 * u, 2 * u, 7 * u, 5 * u);
  rgb(cr, 0xC8CCD8);
  fill_stroke(cr, 0x201008, 1.0);
  cairo_move_to(cr, -3.5 * u, 7 * u);
  cairo_curve_to(cr, -4 * u, 14 * u, 0, 19 * u, 0, 19 * u);
  cairo_curve_to(cr, 0, 19 * u, 4 * u, 14 * u, 3.5 * u, 7 * u);
  cairo_close_path(cr);
  rgb(cr, 0xE83070);
  fill_stroke(cr, 0x201008, 1.0);
  cairo_restore(cr);
}

void icon_floppy(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_move_to(cr, cx - 9 * u, cy - 9 * u);
  cairo_line_to(cr, cx + 6 * u, cy - 9 * u);
  cairo_line_to(cr, cx + 9 * u, cy - 6 * u);
  cairo_line_to(cr, cx + 9 * u, cy + 9 * u);
  cairo_line_to(cr, cx - 9 * u, cy + 9 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
  cairo_rectangle(cr, cx - 5 * u, cy - 9 * u, 9 * u, 6 * u);
  cairo_rectangle(cr, cx - 6 * u, cy + 1 * u, 12 * u, 8 * u);
  rgb(cr, 0x202838);
  cairo_fill(cr);
}

void icon_folder(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_move_to(cr, cx - 10 * u, cy - 7 * u);
  cairo_line_to(cr, cx - 3 * u, cy - 7 * u);
  cairo_line_to(cr, cx - 1 * u, cy - 5 * u);
  cairo_line_to(cr, cx + 10 * u, cy - 5 * u);
  cairo_line_to(cr, cx + 10 * u, cy + 8 * u);
  cairo_line_to(cr, cx - 10 * u, cy + 8 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
  // an arrow coming out of the folder
  cairo_move_to(cr, cx, cy + 5 * u);
  cairo_line_to(cr, cx, cy - 2 * u);
  rgb(cr, 0x202838);
  cairo_set_line_width(cr, 2.2 * u);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 4 * u, cy + 1 * u);
  cairo_line_to(cr, cx, cy - 4 * u);
  cairo_line_to(cr, cx + 4 * u, cy + 1 * u);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void icon_power(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_width(cr, 2.4 * u);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, cx, cy + 1 * u, 7.5 * u, -kPi / 2 + 0.6, 3 * kPi / 2 - 0.6);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy - 9 * u);
  cairo_line_to(cr, cx, cy);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void icon_back(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_width(cr, 2.6 * u);
  cairo_arc_negative(cr, cx + 1 * u, cy + 1 * u, 6 * u, kPi / 2, -kPi / 2);
  cairo_line_to(cr, cx - 6 * u, cy - 5 * u);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 9 * u, cy - 5 * u);
  cairo_line_to(cr, cx - 3 * u, cy - 10 * u);
  cairo_line_to(cr, cx - 3 * u, cy);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void icon_check(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_width(cr, 3 * u);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, cx - 7 * u, cy);
  cairo_line_to(cr, cx - 2 * u, cy + 6 * u);
  cairo_line_to(cr, cx + 8 * u, cy - 7 * u);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void icon_cross(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_width(cr, 3 * u);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx - 6 * u, cy - 6 * u);
  cairo_line_to(cr, cx + 6 * u, cy + 6 * u);
  cairo_move_to(cr, cx + 6 * u, cy - 6 * u);
  cairo_line_to(cr, cx - 6 * u, cy + 6 * u);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void icon_play(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_move_to(cr, cx - 6 * u, cy - 8 * u);
  cairo_line_to(cr, cx + 8 * u, cy);
  cairo_line_to(cr, cx - 6 * u, cy + 8 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
}

void icon_book(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, cx, cy - 6 * u);
    cairo_curve_to(cr, cx + side * 4 * u, cy - 9 * u, cx + side * 8 * u, cy - 8 * u, cx + side * 10 * u, cy - 7 * u);
    cairo_line_to(cr, cx + side * 10 * u, cy + 8 * u);
    cairo_curve_to(cr, cx + side * 7 * u, cy + 7 * u, cx + side * 3 * u, cy + 7 * u, cx, cy + 9 * u);
    cairo_close_path(cr);
  }
  rgb(cr, colour);
  cairo_fill(cr);
  rgb(cr, 0x202838);
  cairo_set_line_width(cr, 1.0 * u);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, cx - 8 * u, cy - 3 * u + i * 3.5 * u);
    cairo_line_to(cr, cx - 2 * u, cy - 2.5 * u + i * 3.5 * u);
    cairo_move_to(cr, cx + 2 * u, cy - 2.5 * u + i * 3.5 * u);
    cairo_line_to(cr, cx + 8 * u, cy - 3 * u + i * 3.5 * u);
  }
  cairo_stroke(cr);
}

void icon_sliders(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_width(cr, 1.8 * u);
  const double knob[3] = {-4, 5, -1};
  for (int i = 0; i < 3; ++i) {
    const double y = cy - 6 * u + i * 6 * u;
    cairo_move_to(cr, cx - 9 * u, y);
    cairo_line_to(cr, cx + 9 * u, y);
    cairo_stroke(cr);
    rounded_rect(cr, cx + knob[i] * u - 2 * u, y - 2.8 * u, 4 * u, 5.6 * u, 1 * u);
    cairo_fill(cr);
  }
}

void icon_star(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double r = (i % 2 ? 0.4 : 1.0) * s / 2;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_fill(cr);
}

void icon_bag(cairo_t* cr, double cx, double cy, double s, bool lit) {
  // A school backpack of the future: rounded body, flap, glowing strip.
  const double u = s / 60;
  const std::uint32_t top = lit ? 0x5AD0FF : 0x3A78C8, bottom = lit ? 0x1A6AA8 : 0x1A3468;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  // carrying handle
  cairo_arc(cr, 0, -24 * u, 8 * u, kPi, 2 * kPi);
  rgb(cr, 0x101018);
  cairo_set_line_width(cr, 6 * u);
  cairo_stroke_preserve(cr);
  rgb(cr, lit ? 0x9AE8FF : 0x6A88B0);
  cairo_set_line_width(cr, 3 * u);
  cairo_stroke(cr);
  rounded_rect(cr, -22 * u, -25 * u, 44 * u, 55 * u, 12 * u);
  vgrad(cr, -25 * u, 30 * u, top, bottom);
  fill_stroke(cr, 0x080810, 2.0);
  // flap
  cairo_move_to(cr, -22 * u, -10 * u);
  cairo_curve_to(cr, -22 * u, -28 * u, 22 * u, -28 * u, 22 * u, -10 * u);
  cairo_line_to(cr, 22 * u, 2 * u);
  cairo_curve_to(cr, 10 * u, 8 * u, -10 * u, 8 * u, -22 * u, 2 * u);
  cairo_close_path(cr);
  vgrad(cr, -25 * u, 8 * u, brighten(top, 0.3), top);
  fill_stroke(cr, 0x080810, 1.5);
  // buckle and glowing strip
  rounded_rect(cr, -5 * u, 0, 10 * u, 7 * u, 2 * u);
  rgb(cr, lit ? 0xFFF0A0 : 0xC8B060);
  fill_stroke(cr, 0x080810, 1.0);
  rounded_rect(cr, -14 * u, 16 * u, 28 * u, 4 * u, 2 * u);
  rgb(cr, lit ? 0xC0FFFF : 0x40E0E0);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace mkassets::draw
