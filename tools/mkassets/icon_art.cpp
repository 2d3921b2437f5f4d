// The game's icon for desktop menus: a night-blue tile with the glowing ring
// of the time machine, a clock face whose hands run backwards, and a gear at
// its heart. Drawn as vectors at each size, so small icons stay sharp; the
// smallest leave out the finest lines.
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "draw.h"
#include "generator.h"
#include "maths.h"

namespace mkassets {
namespace {

void paint_icon(cairo_t* cr, double s) {
  using namespace draw;
  const double c = s / 2;
  // The tile: a night sky over the school of the future.
  rounded_rect(cr, s * 0.03, s * 0.03, s * 0.94, s * 0.94, s * 0.2);
  vgrad(cr, 0, s, 0x2B1F5C, 0x0A1630);
  fill_stroke(cr, 0x05070F, std::max(1.0, s / 40));
  // The time machine's ring, glowing cyan.
  cairo_arc(cr, c, c, s * 0.36, 0, 2 * kPi);
  rgrad(cr, c, c, s * 0.46, 0x9FF6FF, 0x1573A8);
  cairo_fill(cr);
  cairo_arc(cr, c, c, s * 0.29, 0, 2 * kPi);
  rgrad(cr, c - s * 0.08, c - s * 0.08, s * 0.4, 0xFFF6DC, 0xD9C493);
  fill_stroke(cr, 0x3A2A10, std::max(1.0, s / 48));
  // The clock's marks at the quarters, and at the hours on the larger icons.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const int marks = s >= 32 ? 12 : 4;
  for (int i = 0; i < marks; ++i) {
    const double a = i * 2 * kPi / marks;
    const double outer = s * 0.26, inner = (i % 3 == 0 || marks == 4) ? s * 0.2 : s * 0.23;
    cairo_move_to(cr, c + inner * std::cos(a), c + inner * std::sin(a));
    cairo_line_to(cr, c + outer * std::cos(a), c + outer * std::sin(a));
  }
  rgb(cr, 0x3A2A10);
  cairo_set_line_width(cr, std::max(1.0, s / 40));
  cairo_stroke(cr);
  // The gear at the heart, behind the hands.
  icon_gear(cr, c, c, s * 0.13, 0.2, 0xC8862A, 0x3A2410);
  // Two hands, and an arrow round the ring that turns time back.
  cairo_move_to(cr, c, c);
  cairo_line_to(cr, c - s * 0.12, c - s * 0.12);
  cairo_move_to(cr, c, c);
  cairo_line_to(cr, c + s * 0.03, c - s * 0.21);
  rgb(cr, 0x1B1B2E);
  cairo_set_line_width(cr, std::max(1.2, s / 28));
  cairo_stroke(cr);
  if (s >= 22) {
    const double r = s * 0.42;
    cairo_arc_negative(cr, c, c, r, -0.35 * kPi, -0.95 * kPi);
    rgb(cr, 0xFFD23F);
    cairo_set_line_width(cr, std::max(1.5, s / 22));
    cairo_stroke(cr);
    const double a = -0.95 * kPi, x = c + r * std::cos(a), y = c + r * std::sin(a), h = s * 0.08;
    cairo_move_to(cr, x - h, y - h * 0.2);
    cairo_line_to(cr, x + h * 0.9, y - h * 0.5);
    cairo_line_to(cr, x + h * 0.1, y + h * 1.1);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

}  // namespace

void write_icons(const std::string& dir) {
  std::filesystem::create_directories(dir);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    paint_icon(cr, size);
    cairo_destroy(cr);
    const std::string path = dir + "/pelvaro-" + std::to_string(size) + ".png";
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace mkassets
