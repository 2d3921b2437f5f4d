// The start-up pictures: the title screen with its progress bar, the on-screen
// buttons (general.dat), the pointers (cursor.dat) and the item pictures
// (objects.dat).
#include <cmath>
#include <string>

#include "core/screen_layout.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "hero_art.h"
#include "item_art.h"
#include "maths.h"

namespace mkassets {
namespace {

namespace L = screen_layout;
using namespace draw;

// ---------------------------------------------------------------- title --------

// A futuristic school at dusk: glass dome, towers with lit windows, a
// monorail, and the game's name above it.
void paint_title(cairo_t* cr) {
  vgrad(cr, 0, 480, 0x060818, 0x3A1E4A);
  cairo_paint(cr);
  // stars, from a fixed pseudo-random sequence
  unsigned seed = 12345;
  auto rnd = [&]() {
    seed = seed * 1103515245u + 12345u;
    return ((seed >> 16) & 0x7FFF) / 32767.0;
  };
  for (int i = 0; i < 140; ++i) {
    const double x = rnd() * 640, y = rnd() * 260, r = 0.5 + rnd() * 1.1;
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    rgb(cr, 0xFFFFFF, 0.4 + 0.6 * rnd());
    cairo_fill(cr);
  }
  // a big pale planet
  cairo_arc(cr, 530, 90, 46, 0, 2 * kPi);
  rgrad(cr, 515, 75, 60, 0xF8E0C0, 0xA06878);
  cairo_fill(cr);
  // city skyline far away
  for (int i = 0; i < 20; ++i) {
    const double x = i * 34 - 6, h = 40 + rnd() * 70;
    cairo_rectangle(cr, x, 330 - h, 28, h);
    rgb(cr, 0x1C1430);
    cairo_fill(cr);
  }
  // the school: a wide main wing, a dome in the middle, two towers
  cairo_rectangle(cr, 90, 260, 460, 110);
  vgrad(cr, 260, 370, 0x4A5A88, 0x242A48);
  fill_stroke(cr, 0x0A0A18, 2);
  for (int side = 0; side < 2; ++side) {
    const double tx = side ? 470 : 110;
    cairo_rectangle(cr, tx, 170, 60, 200);
    vgrad(cr, 170, 370, 0x5A6A9A, 0x28304E);
    fill_stroke(cr, 0x0A0A18, 2);
    cairo_move_to(cr, tx - 6, 170);
    cairo_line_to(cr, tx + 30, 130);
    cairo_line_to(cr, tx + 66, 170);
    cairo_close_path(cr);
    rgb(cr, 0x30385A);
    fill_stroke(cr, 0x0A0A18, 2);
    cairo_move_to(cr, tx + 30, 130);
    cairo_line_to(cr, tx + 30, 104);
    rgb(cr, 0x9AA8C8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, tx + 30, 102, 4, 0, 2 * kPi);
    rgb(cr, side ? 0xFF4060 : 0x40FFB0);
    cairo_fill(cr);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 3; ++c) {
        cairo_rectangle(cr, tx + 8 + c * 17, 185 + r * 34, 11, 20);
        rgb(cr, ((r + c + side) % 3) ? 0xFFD870 : 0x405070);
        cairo_fill(cr);
      }
  }
  // glass dome
  cairo_arc(cr, 320, 262, 95, kPi, 2 * kPi);
  cairo_close_path(cr);
  rgrad(cr, 290, 200, 130, 0xB8F0FF, 0x2A6A98);
  fill_stroke(cr, 0x0A0A18, 2);
  cairo_set_line_width(cr, 1.2);
  rgb(cr, 0xE0FFFF, 0.6);
  for (int i = 1; i < 6; ++i) {
    const double a = kPi + i * kPi / 6;
    cairo_move_to(cr, 320, 262);
    cairo_line_to(cr, 320 + 95 * std::cos(a), 262 + 95 * std::sin(a));
  }
  cairo_stroke(cr);
  cairo_arc(cr, 320, 262, 60, kPi, 2 * kPi);
  cairo_stroke(cr);
  // main wing windows and the entrance
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 13; ++c) {
      if (c >= 5 && c <= 7) continue;
      cairo_rectangle(cr, 180 + c * 22, 282 + r * 38, 14, 22);
      rgb(cr, ((r * 7 + c) % 4) ? 0xFFE28A : 0x3A4868);
      cairo_fill(cr);
    }
  rounded_rect(cr, 292, 300, 56, 70, 10);
  vgrad(cr, 300, 370, 0x80FFFF, 0x1A8AB0);
  fill_stroke(cr, 0x0A0A18, 2);
  // monorail
  cairo_rectangle(cr, 0, 382, 640, 8);
  rgb(cr, 0x707A98);
  fill_stroke(cr, 0x0A0A18, 1.5);
  for (int i = 0; i < 9; ++i) {
    cairo_rectangle(cr, 20 + i * 75, 390, 8, 30);
    rgb(cr, 0x4A5270);
    cairo_fill(cr);
  }
  rounded_rect(cr, 40, 360, 150, 24, 11);
  vgrad(cr, 360, 384, 0xF0F4FF, 0x8A98B8);
  fill_stroke(cr, 0x0A0A18, 1.5);
  for (int i = 0; i < 6; ++i) {
    rounded_rect(cr, 52 + i * 22, 365, 16, 8, 3);
    rgb(cr, 0x203060);
    cairo_fill(cr);
  }
  // ground
  cairo_rectangle(cr, 0, 420, 640, 60);
  vgrad(cr, 420, 480, 0x1A2232, 0x0A0E16);
  cairo_fill(cr);
  // the game's name
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  {
    cairo_text_extents_t e;
    text(cr, "", 0, 0, 92, true);
    cairo_text_extents(cr, "Pelvaro", &e);
    const double x = 320 - e.x_advance / 2, y = 100;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, "Pelvaro");
    rgb(cr, 0x30E8FF, 0.35);
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    rgb(cr, 0x06101E);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    vgrad(cr, y - 70, y + 10, 0xFFF6C0, 0xFF8A20);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // a thin line under the name and the year of the story
  cairo_move_to(cr, 180, 122);
  cairo_line_to(cr, 460, 122);
  rgb(cr, 0x30E8FF);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  rgb(cr, 0xB8F4FF);
  text_centred(cr, "2027", 320, 148, 22, true);
}

// One picture of the start-up progress bar: `step` of 34 filled.
void paint_bar(cairo_t* cr, int step) {
  const double w = L::kProgressBarWidth, h = L::kProgressBarHeight;
  rounded_rect(cr, 1, 1, w - 2, h - 2, 7);
  vgrad(cr, 0, h, 0x10141E, 0x283040);
  fill_stroke(cr, 0xA8B8D8, 2);
  const double fill = (w - 8) * step / (L::kProgressSteps - 1.0);
  if (fill > 0.5) {
    rounded_rect(cr, 4, 4, fill, h - 8, 4);
    vgrad(cr, 4, h - 4, 0xFF8A80, 0xB01010);
    cairo_fill(cr);
    rounded_rect(cr, 6, 5, std::max(0.0, fill - 4), (h - 8) * 0.35, 2);
    rgb(cr, 0xFFFFFF, 0.35);
    cairo_fill(cr);
  }
}

// ---------------------------------------------------------------- verb panel ----

// The verb panel with button `lit` (0..4) lit, or none (-1), drawn in screen
// coordinates onto a full 640x480 transparent canvas.
void paint_verb_panel(cairo_t* cr, int lit) {
  const double x = L::kVerbPanelPos.x, y = L::kVerbPanelPos.y;
  rounded_rect(cr, x + 0.5, y + 0.5, L::kVerbPanelWidth - 1, L::kVerbPanelHeight - 1, 10);
  vgrad(cr, y, y + L::kVerbPanelHeight, 0x3A4A6A, 0x161E30);
  fill_stroke(cr, 0x8AB0E0, 1.5);
  for (int v = 0; v < L::kVerbCount; ++v) {
    const L::Rect& r = L::kVerbHit[v];
    const bool on = v == lit;
    button_face(cr, r.x1 - 1, r.y1 - 1, r.width() + 2, r.height() + 2, on);
    const double cx = (r.x1 + r.x2) / 2.0 + 0.5, cy = (r.y1 + r.y2) / 2.0 + 0.5;
    switch (v) {
      case 0: icon_feet(cr, cx, cy + 2, 21, on); break;
      case 1: icon_hand(cr, cx, cy - 8, 14, on); break;
      case 2: icon_gear(cr, cx, cy, 7.5, 0.2, on ? 0xF0F4FF : 0xB8C4D8, 0x101018); break;
      case 3: icon_magnifier(cr, cx - 2, cy - 2, 14, on); break;
      case 4: icon_mouth(cr, cx, cy, 17, on, 0.7); break;
    }
  }
}

// --------------------------------------------------------------- cursors -------

// The walk pointer: an arrow whose tip is the pixel (0, 0).
void paint_arrow(cairo_t* cr, bool lit) {
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, 26);
  cairo_line_to(cr, 7, 20);
  cairo_line_to(cr, 12, 31);
  cairo_line_to(cr, 17, 29);
  cairo_line_to(cr, 12, 18);
  cairo_line_to(cr, 21, 18);
  cairo_close_path(cr);
  if (lit)
    vgrad(cr, 0, 30, 0xFFFFA0, 0xFFA020);
  else
    vgrad(cr, 0, 30, 0xFFFFFF, 0xA8C8E8);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  fill_stroke(cr, 0x000000, 1.6);
  cairo_rectangle(cr, 0, 0, 2, 2);  // the tip itself stays opaque
  rgb(cr, 0x000000);
  cairo_fill(cr);
}

// A soft halo behind the working point of a highlighted pointer.
void halo(cairo_t* cr, double cx, double cy, double r) {
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgrad(cr, cx, cy, r, 0xFFFFC0, 0xFFC030);
  cairo_fill(cr);
}

void paint_door(cairo_t* cr, int frame) {
  // An open door with a pointer arrow into it; the arrow's tip is (0, 0).
  const double ox = 14, oy = 8;
  cairo_rectangle(cr, ox, oy, 22, 30);
  rgb(cr, 0x101828);
  fill_stroke(cr, 0xC8D8F0, 1.5);
  const double open = frame ? 0.55 : 0.35;
  cairo_move_to(cr, ox, oy);
  cairo_line_to(cr, ox + 22 * (1 - open), oy + 3);
  cairo_line_to(cr, ox + 22 * (1 - open), oy + 33);
  cairo_line_to(cr, ox, oy + 30);
  cairo_close_path(cr);
  vgrad(cr, oy, oy + 30, 0xE0A060, 0x905020);
  fill_stroke(cr, 0x201008, 1.2);
  // light from the next room
  cairo_rectangle(cr, ox + 22 * (1 - open) + 1, oy + 1, 22 * open - 2, 28);
  rgb(cr, frame ? 0xFFF4B0 : 0xFFE070);
  cairo_fill(cr);
  // the arrow, smaller than the walk pointer
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, 16);
  cairo_line_to(cr, 4, 12);
  cairo_line_to(cr, 8, 19);
  cairo_line_to(cr, 11, 17);
  cairo_line_to(cr, 7, 11);
  cairo_line_to(cr, 13, 11);
  cairo_close_path(cr);
  rgb(cr, 0xFFFFFF);
  fill_stroke(cr, 0x000000, 1.3);
  cairo_rectangle(cr, 0, 0, 2, 2);
  rgb(cr, 0x000000);
  cairo_fill(cr);
}

void paint_sandglass(cairo_t* cr, int frame) {
  // Frames 0..4 let the sand run down; frame 5 turns the glass.
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  if (frame == 5) cairo_rotate(cr, kPi / 2);
  const double t = frame == 5 ? 1.0 : frame / 4.0;
  // frame
  for (int s = -1; s <= 1; s += 2) {
    rounded_rect(cr, -12, s * 16 - 2.5, 24, 5, 2);
    vgrad(cr, -2, 3, 0xE0A050, 0x8A5020);
    fill_stroke(cr, 0x201008, 1.0);
  }
  auto glass = [cr]() {
    cairo_move_to(cr, -9, -13.5);
    cairo_line_to(cr, 9, -13.5);
    cairo_curve_to(cr, 9, -4, 2, -2, 2, 0);
    cairo_curve_to(cr, 2, 2, 9, 4, 9, 13.5);
    cairo_line_to(cr, -9, 13.5);
    cairo_curve_to(cr, -9, 4, -2, 2, -2, 0);
    cairo_curve_to(cr, -2, -2, -9, -4, -9, -13.5);
    cairo_close_path(cr);
  };
  glass();
  rgb(cr, 0xD8F0FF);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  // sand: the top empties, the bottom fills
  const double top_level = -13.5 + 12 * t;
  cairo_rectangle(cr, -10, top_level, 20, -top_level);
  rgb(cr, 0xE8B838);
  cairo_fill(cr);
  const double bottom_level = 13.5 - 12 * t;
  cairo_rectangle(cr, -10, bottom_level, 20, 14);
  cairo_fill(cr);
  if (frame < 5) {
    cairo_rectangle(cr, -0.8, 0, 1.6, 13.5);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  glass();
  rgb(cr, 0x203040);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// --------------------------------------------------------------- items ---------

// A green rubber hose along the current path, outlined in black.
void stroke_hose(cairo_t* cr) {
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, 4.5);
  cairo_stroke_preserve(cr);
  rgb(cr, 0x40C040);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
}

// A red jerrycan.
void item_canister(cairo_t* cr) {
  rounded_rect(cr, 8, 8, 24, 29, 3);
  vgrad(cr, 8, 37, 0xF04030, 0x901010);
  fill_stroke(cr, 0x200404, 1.5);
  rounded_rect(cr, 12, 3, 9, 7, 2);
  rgb(cr, 0x505058);
  fill_stroke(cr, 0x101010, 1.2);
  cairo_move_to(cr, 11, 15);
  cairo_line_to(cr, 29, 31);
  cairo_move_to(cr, 29, 15);
  cairo_line_to(cr, 11, 31);
  rgb(cr, 0xFFA090);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// A gas bottle, with a hose on its valve or without.
void item_gas_bottle(cairo_t* cr, bool with_hose) {
  rounded_rect(cr, 11, 9, 18, 29, 7);
  vgrad(cr, 9, 38, 0x60A0FF, 0x1838A0);
  fill_stroke(cr, 0x040818, 1.5);
  cairo_rectangle(cr, 11, 20, 18, 5);
  rgb(cr, 0xF8E040);
  cairo_fill(cr);
  rounded_rect(cr, 16, 3, 8, 7, 1.5);
  rgb(cr, 0xC0C4CC);
  fill_stroke(cr, 0x101010, 1.2);
  if (with_hose) {
    cairo_move_to(cr, 24, 6);
    cairo_curve_to(cr, 38, 2, 38, 22, 30, 30);
    cairo_curve_to(cr, 24, 36, 34, 40, 38, 38);
    stroke_hose(cr);
  }
}

// The access card.
void item_access_card(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, -0.25);
  rounded_rect(cr, -16, -10, 32, 20, 3);
  vgrad(cr, -10, 10, 0xF0F4FF, 0x98A8D0);
  fill_stroke(cr, 0x101828, 1.4);
  cairo_rectangle(cr, -12, -5, 8, 7);
  rgb(cr, 0xE8C040);
  fill_stroke(cr, 0x604010, 0.8);
  cairo_rectangle(cr, 0, -6, 12, 2.5);
  cairo_rectangle(cr, 0, -1, 10, 2.5);
  cairo_rectangle(cr, -14, 5, 28, 3);
  rgb(cr, 0x2040A0);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The rolling pin.
void item_rolling_pin(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, -0.7);
  for (int s = -1; s <= 1; s += 2) {
    rounded_rect(cr, s > 0 ? 11 : -19, -2.5, 8, 5, 2.5);
    rgb(cr, 0xA06030);
    fill_stroke(cr, 0x201008, 1.2);
  }
  rounded_rect(cr, -12, -6, 24, 12, 5);
  vgrad(cr, -6, 6, 0xF8D8A0, 0xC08848);
  fill_stroke(cr, 0x201008, 1.4);
  cairo_restore(cr);
}

// The screwdriver.
void item_screwdriver(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, -0.78);
  rounded_rect(cr, -20, -7, 19, 14, 5);
  vgrad(cr, -7, 7, 0xFF7050, 0xB01808);
  fill_stroke(cr, 0x200404, 1.3);
  for (int g = 0; g < 3; ++g) {  // grip grooves
    cairo_rectangle(cr, -16 + g * 5, -5, 1.5, 10);
    rgb(cr, 0x801008);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, -1, -2.2, 17, 4.4);
  rgb(cr, 0xD0D8E0);
  fill_stroke(cr, 0x202020, 1.0);
  cairo_rectangle(cr, 16, -3, 3.5, 6);
  rgb(cr, 0x9098A0);
  fill_stroke(cr, 0x202020, 1.0);
  cairo_restore(cr);
}

// A Bunsen burner, with a hose or without.
void item_bunsen_burner(cairo_t* cr, bool with_hose) {
  cairo_move_to(cr, 8, 37);
  cairo_line_to(cr, 32, 37);
  cairo_line_to(cr, 28, 31);
  cairo_line_to(cr, 12, 31);
  cairo_close_path(cr);
  rgb(cr, 0x606878);
  fill_stroke(cr, 0x101010, 1.3);
  cairo_rectangle(cr, 16, 9, 8, 23);
  vgrad(cr, 9, 32, 0xE0E4EC, 0x8890A0);
  fill_stroke(cr, 0x101010, 1.3);
  cairo_rectangle(cr, 15, 24, 10, 4);
  rgb(cr, 0xC8A030);
  fill_stroke(cr, 0x101010, 1.0);
  if (with_hose) {
    cairo_move_to(cr, 24, 28);
    cairo_curve_to(cr, 36, 28, 30, 38, 39, 38);
    stroke_hose(cr);
  }
}

// A bottle of alcohol, or of lemonade.
void item_bottle(cairo_t* cr, bool lemonade) {
  cairo_move_to(cr, 16, 3);
  cairo_line_to(cr, 24, 3);
  cairo_line_to(cr, 24, 12);
  cairo_curve_to(cr, 30, 15, 30, 18, 30, 22);
  cairo_line_to(cr, 30, 37);
  cairo_line_to(cr, 10, 37);
  cairo_line_to(cr, 10, 22);
  cairo_curve_to(cr, 10, 18, 10, 15, 16, 12);
  cairo_close_path(cr);
  if (lemonade)
    vgrad(cr, 3, 37, 0xF8FF90, 0xC8D020);
  else
    vgrad(cr, 3, 37, 0xB0E0D0, 0x508878);
  fill_stroke(cr, 0x081010, 1.4);
  cairo_rectangle(cr, 12, 22, 16, 10);
  rgb(cr, lemonade ? 0x40B0F0 : 0xF8F8F0);
  fill_stroke(cr, 0x081010, 0.8);
  if (lemonade) {
    cairo_arc(cr, 20, 27, 3.2, 0, 2 * kPi);
    rgb(cr, 0xFFE020);
    cairo_fill(cr);
  } else {
    cairo_move_to(cr, 16, 24);
    cairo_line_to(cr, 24, 30);
    cairo_move_to(cr, 24, 24);
    cairo_line_to(cr, 16, 30);
    rgb(cr, 0xD02020);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
  }
  rounded_rect(cr, 15, 1, 10, 4, 1);
  rgb(cr, lemonade ? 0xE02020 : 0x303030);
  cairo_fill(cr);
}

// The welding torch: the burner, the bottle and a flame.
void item_welding_torch(cairo_t* cr) {
  rounded_rect(cr, 3, 14, 13, 24, 5);
  vgrad(cr, 14, 38, 0x60A0FF, 0x1838A0);
  fill_stroke(cr, 0x040818, 1.3);
  cairo_move_to(cr, 10, 14);
  cairo_curve_to(cr, 12, 4, 20, 30, 26, 28);
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  rgb(cr, 0x40C040);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_rectangle(cr, 24, 16, 7, 22);
  vgrad(cr, 16, 38, 0xE0E4EC, 0x8890A0);
  fill_stroke(cr, 0x101010, 1.2);
  cairo_move_to(cr, 27.5, 16);
  cairo_curve_to(cr, 20, 10, 30, 4, 27.5, 0);
  cairo_curve_to(cr, 36, 6, 34, 12, 27.5, 16);
  rgrad(cr, 28, 12, 10, 0xFFFFFF, 0x3080FF);
  fill_stroke(cr, 0x102060, 1.0);
}

// A piece of lead pipe.
void item_lead_pipe(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, -0.5);
  cairo_rectangle(cr, -15, -6, 28, 12);
  vgrad(cr, -6, 6, 0xB8BCC8, 0x585C68);
  fill_stroke(cr, 0x101014, 1.4);
  cairo_save(cr);
  cairo_translate(cr, 13, 0);
  cairo_scale(cr, 3, 6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  rgb(cr, 0x303038);
  fill_stroke(cr, 0x101014, 1.2);
  cairo_restore(cr);
}

// The diamond.
void item_diamond(cairo_t* cr) {
  cairo_move_to(cr, 6, 15);
  cairo_line_to(cr, 13, 7);
  cairo_line_to(cr, 27, 7);
  cairo_line_to(cr, 34, 15);
  cairo_line_to(cr, 20, 35);
  cairo_close_path(cr);
  rgrad(cr, 15, 12, 26, 0xFFFFFF, 0x60D0FF);
  fill_stroke(cr, 0x0A2040, 1.4);
  cairo_move_to(cr, 6, 15);
  cairo_line_to(cr, 34, 15);
  cairo_move_to(cr, 13, 7);
  cairo_line_to(cr, 16, 15);
  cairo_line_to(cr, 20, 35);
  cairo_line_to(cr, 24, 15);
  cairo_line_to(cr, 27, 7);
  cairo_move_to(cr, 16, 15);
  cairo_line_to(cr, 20, 7);
  cairo_line_to(cr, 24, 15);
  rgb(cr, 0x3A80C0);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

// The glasses.
void item_glasses(cairo_t* cr) {
  for (int s = 0; s < 2; ++s) {
    cairo_arc(cr, s ? 28 : 12, 22, 8, 0, 2 * kPi);
    rgb(cr, 0xB8E0F8, 1.0);
    fill_stroke(cr, 0x101010, 2.4);
  }
  cairo_move_to(cr, 17, 19);
  cairo_curve_to(cr, 19, 16, 21, 16, 23, 19);
  cairo_move_to(cr, 4, 20);
  cairo_line_to(cr, 1, 14);
  cairo_move_to(cr, 36, 20);
  cairo_line_to(cr, 39, 14);
  rgb(cr, 0x101010);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
}

// The lead solution: a flask of grey-green liquid.
void item_lead_solution(cairo_t* cr) {
  cairo_move_to(cr, 16, 3);
  cairo_line_to(cr, 24, 3);
  cairo_line_to(cr, 24, 14);
  cairo_line_to(cr, 35, 35);
  cairo_line_to(cr, 5, 35);
  cairo_line_to(cr, 16, 14);
  cairo_close_path(cr);
  rgb(cr, 0xE0F0F8);
  fill_stroke(cr, 0x101818, 1.4);
  cairo_move_to(cr, 11.5, 23);
  cairo_line_to(cr, 28.5, 23);
  cairo_line_to(cr, 33.5, 33.5);
  cairo_line_to(cr, 6.5, 33.5);
  cairo_close_path(cr);
  vgrad(cr, 23, 34, 0x98B8A0, 0x486850);
  cairo_fill(cr);
  cairo_arc(cr, 17, 28, 1.8, 0, 2 * kPi);
  cairo_arc(cr, 23, 30, 1.2, 0, 2 * kPi);
  rgb(cr, 0xE8FFF0);
  cairo_fill(cr);
  rounded_rect(cr, 15, 1, 10, 4, 1);
  rgb(cr, 0x604020);
  cairo_fill(cr);
}

// One painter per item picture of objects.dat, by its entry.
struct ItemArt {
  manifest::Objects entry;
  void (*paint)(cairo_t*);
};
constexpr ItemArt kItems[] = {
    {manifest::Objects::canister, item_canister},
    {manifest::Objects::gas_bottle, [](cairo_t* cr) { item_gas_bottle(cr, false); }},
    {manifest::Objects::gas_with_hose, [](cairo_t* cr) { item_gas_bottle(cr, true); }},
    {manifest::Objects::access_card, item_access_card},
    {manifest::Objects::rolling_pin, item_rolling_pin},
    {manifest::Objects::screwdriver, item_screwdriver},
    {manifest::Objects::bunsen_burner, [](cairo_t* cr) { item_bunsen_burner(cr, false); }},
    {manifest::Objects::burner_with_hose, [](cairo_t* cr) { item_bunsen_burner(cr, true); }},
    {manifest::Objects::alcohol, [](cairo_t* cr) { item_bottle(cr, false); }},
    {manifest::Objects::lemonade, [](cairo_t* cr) { item_bottle(cr, true); }},
    {manifest::Objects::welding_torch, item_welding_torch},
    {manifest::Objects::lead_pipe, item_lead_pipe},
    {manifest::Objects::diamond, item_diamond},
    {manifest::Objects::glasses, item_glasses},
    {manifest::Objects::lead_solution, item_lead_solution},
};

}  // namespace

void paint_item(cairo_t* cr, manifest::Objects entry) {
  for (const ItemArt& item : kItems)
    if (item.entry == entry) item.paint(cr);
}

void make_title(const Context& ctx) {
  Datafile df;
  std::vector<Image16> pics;
  {
    Canvas c(L::kScreenWidth, L::kScreenHeight);
    paint_title(c.cr());
    pics.push_back(cut(c));
  }
  for (int i = 0; i < L::kProgressSteps; ++i) {
    Canvas c(L::kProgressBarWidth, L::kProgressBarHeight);
    paint_bar(c.cr(), i);
    pics.push_back(cut(c));
  }
  df.add_bitmap("PV_LOGO", pics[0]);
  for (int i = 0; i < L::kProgressSteps; ++i) df.add_bitmap("RED_BAR" + std::to_string(i), pics[i + 1]);
  df.write(ctx.data_dir, manifest::kTitleFile, manifest::kTitleRuns);
  Image16 shown = pics[0];
  const Image16& bar = pics[L::kProgressSteps / 2 + 1];
  for (int y = 0; y < bar.h; ++y)
    for (int x = 0; x < bar.w; ++x)
      if (bar.at(x, y) != kMask)
        shown.px[(L::kProgressBar.y + y) * shown.w + L::kProgressBar.x + x] = bar.at(x, y);
  ctx.sheet("title", {&shown}, 1);
  std::vector<const Image16*> bars;
  for (size_t i = 1; i < pics.size(); ++i) bars.push_back(&pics[i]);
  ctx.sheet("title_bars", bars, 5);
}

void make_general(const Context& ctx) {
  Datafile df;
  std::vector<Image16> pics;
  // 0, 1: the bag, plain and lit, drawn at (40, 360); its hit area is 56..94 x 371..429.
  for (int lit = 0; lit < 2; ++lit) {
    Canvas c(L::kBagWidth, L::kBagHeight);
    if (lit) {
      cairo_arc(c.cr(), 35, 40, 33, 0, 2 * kPi);
      rgrad(c.cr(), 35, 40, 33, 0x80F0FF, 0x2080C0);
      cairo_fill(c.cr());
    }
    icon_bag(c.cr(), 35, 42, 66, lit);
    pics.push_back(cut(c));
  }
  // 2: erase_savegame, the blank over one slot line of the save and load screens
  {
    Canvas c(L::kEraseLineWidth, L::kEraseLineHeight);
    cairo_rectangle(c.cr(), 0, 0, L::kEraseLineWidth, L::kEraseLineHeight);
    rgb(c.cr(), 0xE4E8F0);  // the slot list's paper (screens_art.cpp)
    cairo_fill(c.cr());
    pics.push_back(cut(c));
  }
  // 3: the hero standing
  {
    Canvas c(hero_art::kWidth, hero_art::kHeight);
    hero_art::stand(c.cr());
    pics.push_back(cut(c));
  }
  // 4: a small bag (for a carried item over the bag); 5: a spare blank 40x40 tile
  {
    Canvas c(40, 40);
    icon_bag(c.cr(), 20, 21, 36, false);
    pics.push_back(cut(c));
  }
  {
    Canvas c(40, 40);
    rounded_rect(c.cr(), 1, 1, 38, 38, 6);
    vgrad(c.cr(), 0, 40, 0x283450, 0x121A2A);
    fill_stroke(c.cr(), 0x6A8AB8, 1.5);
    pics.push_back(cut(c));
  }
  // 6: the verb panel; 7..11: its buttons lit, cut from the panel drawn lit
  {
    Canvas c(L::kScreenWidth, L::kScreenHeight);
    paint_verb_panel(c.cr(), -1);
    pics.push_back(crop(cut(c), L::kVerbPanelPos.x, L::kVerbPanelPos.y, L::kVerbPanelWidth, L::kVerbPanelHeight));
  }
  for (int v = 0; v < L::kVerbCount; ++v) {
    Canvas c(L::kScreenWidth, L::kScreenHeight);
    paint_verb_panel(c.cr(), v);
    const L::Point p = L::kVerbHighlightPos[v];
    const L::Rect& r = L::kVerbHit[v];
    Image16 whole = cut(c);
    Image16 on = crop(whole, p.x, p.y, r.x2 + 2 - p.x + 1, r.y2 + 2 - p.y + 1);
    pics.push_back(on);
  }
  const char* names[] = {"INVENTORY_BUTTON", "INVENTORY_BUTTON_ON", "ERASE_SAVEGAME", "STAND_FRAME",
                         "SMALL_BAG",        "BLANK_TILE",          "NAVI_BUTTON",    "NAVI_BUTT_ON0",
                         "NAVI_BUTT_ON1",    "NAVI_BUTT_ON2",       "NAVI_BUTT_ON3",  "NAVI_BUTT_ON4"};
  for (size_t i = 0; i < pics.size(); ++i) df.add_bitmap(names[i], pics[i]);
  df.write(ctx.data_dir, manifest::kGeneralFile, manifest::kGeneralRuns);
  std::vector<const Image16*> view;
  for (const Image16& p : pics) view.push_back(&p);
  ctx.sheet("general", view, 6, 2.0);
  // The panel as the game shows it, plain and with each verb lit.
  std::vector<Image16> shown;
  for (int v = -1; v < L::kVerbCount; ++v) {
    Image16 s = pics[6];
    if (v >= 0) {
      const Image16& on = pics[7 + v];
      const int ox = L::kVerbHighlightPos[v].x - L::kVerbPanelPos.x, oy = L::kVerbHighlightPos[v].y - L::kVerbPanelPos.y;
      for (int y = 0; y < on.h; ++y)
        for (int x = 0; x < on.w; ++x)
          if (on.at(x, y) != kMask && ox + x < s.w && oy + y < s.h) s.px[(oy + y) * s.w + ox + x] = on.at(x, y);
    }
    shown.push_back(s);
  }
  std::vector<const Image16*> panel_view;
  for (const Image16& p : shown) panel_view.push_back(&p);
  ctx.sheet("verb_panel", panel_view, 6, 4.0);
}

void make_cursors(const Context& ctx) {
  const L::Point hot = L::kPointerFocus;
  std::vector<std::pair<std::string, Image16>> pics;
  auto add = [&](const std::string& name, auto paint) {
    Canvas c(L::kCursorSize, L::kCursorSize);
    paint(c.cr());
    pics.emplace_back(name, cut(c));
  };
  add("CURSOR", [](cairo_t* cr) { paint_arrow(cr, false); });
  add("CURSOR_A", [](cairo_t* cr) { paint_arrow(cr, true); });
  add("POCKET_LENS", [&](cairo_t* cr) { icon_magnifier(cr, hot.x, hot.y, 30, false); });
  add("POCKET_LENS_A", [&](cairo_t* cr) {
    halo(cr, hot.x, hot.y, 14);
    icon_magnifier(cr, hot.x, hot.y, 30, true);
  });
  for (int i = 0; i < 3; ++i) {
    const double open = i == 0 ? 0.0 : i == 1 ? 0.5 : 1.0;
    add("MOUTH" + std::to_string(i), [&](cairo_t* cr) { icon_mouth(cr, hot.x, hot.y, 34, false, open); });
    add("MOUTH_A" + std::to_string(i), [&](cairo_t* cr) {
      halo(cr, hot.x, hot.y, 17);
      icon_mouth(cr, hot.x, hot.y, 34, true, open);
    });
  }
  for (int i = 0; i < 3; ++i) {
    const double grip = i * 0.3;
    // the tip of the index finger is the working point
    add("HAND" + std::to_string(i), [&](cairo_t* cr) { icon_hand(cr, hot.x + 2, hot.y, 26, false, grip); });
    add("HAND_A" + std::to_string(i), [&](cairo_t* cr) {
      halo(cr, hot.x, hot.y + 8, 14);
      icon_hand(cr, hot.x + 2, hot.y, 26, true, grip);
    });
  }
  for (int i = 0; i < 2; ++i) {
    const double a = i * kPi / 16;
    add("GEAR" + std::to_string(i), [&](cairo_t* cr) { icon_gear(cr, hot.x, hot.y, 13, a, 0xB8C4D8, 0x101018); });
    add("GEAR_A" + std::to_string(i), [&](cairo_t* cr) {
      halo(cr, hot.x, hot.y, 17);
      icon_gear(cr, hot.x, hot.y, 13, a, 0xFFF0A0, 0x201000);
    });
  }
  for (int i = 0; i < 2; ++i) add("DOOR" + std::to_string(i), [&](cairo_t* cr) { paint_door(cr, i); });
  for (int i = 0; i < 2; ++i) {
    const double a = i * kPi / 16;
    // a small gear in the lower right corner, drawn over an item's picture
    add("MINI_GEAR" + std::to_string(i), [&](cairo_t* cr) { icon_gear(cr, 31, 31, 8, a, 0xB8C4D8, 0x101018); });
    add("MINI_GEAR_A" + std::to_string(i), [&](cairo_t* cr) {
      halo(cr, 31, 31, 9.5);
      icon_gear(cr, 31, 31, 8, a, 0xFFF0A0, 0x201000);
    });
  }
  for (int i = 0; i < 6; ++i) add("SANDGLASS" + std::to_string(i), [&](cairo_t* cr) { paint_sandglass(cr, i); });
  Datafile df;
  std::vector<const Image16*> view;
  for (const auto& [name, img] : pics) {
    df.add_bitmap(name, img);
    view.push_back(&img);
  }
  df.write(ctx.data_dir, manifest::kCursorFile, manifest::kCursorRuns);
  ctx.sheet("cursor", view, 8, 3.0);
}

void make_objects(const Context& ctx) {
  Image16 entries[manifest::kObjectsFile.entries];
  for (const ItemArt& item : kItems) {
    Canvas c(40, 40);
    item.paint(c.cr());
    entries[manifest::at(item.entry)] = cut(c);
  }
  Datafile df;
  std::vector<const Image16*> view;
  for (int e = 0; e < 15; ++e) {
    df.add_bitmap("OBJECT" + std::to_string(e), entries[e]);
    view.push_back(&entries[e]);
  }
  df.write(ctx.data_dir, manifest::kObjectsFile, manifest::kObjectsRuns);
  ctx.sheet("objects", view, 5, 3.0);
}

}  // namespace mkassets
