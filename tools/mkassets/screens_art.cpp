// The screens: the main menu with its credits, instructions and options
// screens (menu.dat), the inventory with the control panel and the save and
// load screens (inventar.dat), and the intro pictures (intro.dat).
//
// Every highlighted button is cut from the same screen drawn with that button
// lit, so it lands exactly on its button. The screens carry icons, no words:
// the game writes the labels in the build's language.
#include <cmath>
#include <functional>
#include <string>

#include "core/makers.h"
#include "core/screen_layout.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "maths.h"

namespace mkassets {
namespace {

namespace L = screen_layout;
using namespace draw;
// Light paper, so the names written on it in dark blue (colour 255) and in
// orange (the line under the pointer) read well; also erase_savegame's colour.
constexpr std::uint32_t kSlotListColour = 0xE4E8F0;
constexpr std::uint32_t kIconColour = 0xE8F4FF;

Image16 render(int w, int h, const std::function<void(cairo_t*)>& paint) {
  Canvas c(w, h);
  paint(c.cr());
  return cut(c);
}

// The part of a 640x480 screen under a highlight drawn at `pos` that covers
// `area` with a margin of two pixels to the right and below.
Image16 highlight(const Image16& screen, L::Point pos, const L::Rect& area) {
  return crop(screen, pos.x, pos.y, area.x2 + 3 - pos.x, area.y2 + 3 - pos.y);
}

void backdrop(cairo_t* cr, std::uint32_t top, std::uint32_t bottom) {
  vgrad(cr, 0, 480, top, bottom);
  cairo_paint(cr);
  // a faint grid of light lines: the school's holographic walls
  rgb(cr, 0x60A0FF, 0.08);
  cairo_set_line_width(cr, 1);
  for (int x = 0; x <= 640; x += 32) {
    cairo_move_to(cr, x + 0.5, 0);
    cairo_line_to(cr, x + 0.5, 480);
  }
  for (int y = 0; y <= 480; y += 32) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, 640, y + 0.5);
  }
  cairo_stroke(cr);
}

void title_lettering(cairo_t* cr, double cx, double baseline, double size) {
  cairo_save(cr);
  cairo_text_extents_t e;
  text(cr, "", 0, 0, size, true);
  cairo_text_extents(cr, "Pelvaro", &e);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - e.x_advance / 2, baseline);
  cairo_text_path(cr, "Pelvaro");
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  rgb(cr, 0x30E8FF, 0.35);
  cairo_set_line_width(cr, size / 8);
  cairo_stroke_preserve(cr);
  rgb(cr, 0x06101E);
  cairo_set_line_width(cr, size / 14);
  cairo_stroke_preserve(cr);
  vgrad(cr, baseline - size * 0.75, baseline, 0xFFF6C0, 0xFF8A20);
  cairo_fill(cr);
  cairo_restore(cr);
}

// A button over `r` with an icon at its left end; the rest of the face stays
// plain for the label the game writes.
void icon_button(cairo_t* cr, const L::Rect& r, bool lit,
                 const std::function<void(cairo_t*, double, double, double)>& icon) {
  button_face(cr, r.x1, r.y1, r.width(), r.height(), lit);
  const double s = std::min(26.0, r.height() - 10.0);
  icon(cr, r.x1 + 8 + s / 2, r.y1 + r.height() / 2.0, s);
}

void knob(cairo_t* cr, double x, double y, bool lit) {
  rounded_rect(cr, x + 0.5, y + 0.5, L::kKnobWidth - 1, L::kKnobHeight - 1, 4);
  if (lit)
    vgrad(cr, y, y + L::kKnobHeight, 0xFFFFC0, 0xFFA020);
  else
    vgrad(cr, y, y + L::kKnobHeight, 0xE8F0FF, 0x6A80A8);
  fill_stroke(cr, 0x080810, 1.0);
}

void slider_track(cairo_t* cr, int x1, int x2, int y) {
  rounded_rect(cr, x1 - 2, y + 2, x2 + L::kKnobWidth - x1 + 4, L::kKnobHeight - 4, 3);
  rgb(cr, 0x05070C);
  fill_stroke(cr, 0x6A8AB8, 1.0);
  for (int i = 0; i <= 10; ++i) {
    const double x = x1 + L::kKnobWidth / 2.0 + (x2 - x1) * i / 10.0;
    cairo_move_to(cr, x, y + L::kKnobHeight + 2);
    cairo_line_to(cr, x, y + L::kKnobHeight + (i % 5 ? 4 : 6));
  }
  rgb(cr, 0x6A8AB8);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A two-state switch over `r`: knob right and green when on.
void toggle(cairo_t* cr, const L::Rect& r, bool on, bool lit) {
  const double h = r.height() - 6, w = r.width() - 6;
  rounded_rect(cr, r.x1 + 3, r.y1 + 3, w, h, h / 2);
  if (on)
    vgrad(cr, r.y1, r.y2, lit ? 0x90FFA0 : 0x40C060, lit ? 0x20A040 : 0x186830);
  else
    vgrad(cr, r.y1, r.y2, lit ? 0xFF9090 : 0xC04848, lit ? 0xB03030 : 0x601818);
  fill_stroke(cr, lit ? 0xFFFFFF : 0x080810, lit ? 2.0 : 1.5);
  const double kx = on ? r.x1 + 3 + w - h / 2 : r.x1 + 3 + h / 2;
  cairo_arc(cr, kx, r.y1 + 3 + h / 2, h / 2 - 2, 0, 2 * kPi);
  rgrad(cr, kx - 3, r.y1 + 6, h, 0xFFFFFF, 0x8090A8);
  fill_stroke(cr, 0x080810, 1.0);
  // a small mark on the free side: a ring for on, a bar for off
  const double mx = on ? r.x1 + 3 + h / 2 + 4 : r.x1 + 3 + w - h / 2 - 4, my = r.y1 + 3 + h / 2;
  rgb(cr, 0xFFFFFF, 0.9);
  cairo_set_line_width(cr, 2);
  if (on) {
    cairo_move_to(cr, mx, my - 6);
    cairo_line_to(cr, mx, my + 6);
  } else {
    cairo_arc(cr, mx, my, 5, 0, 2 * kPi);
  }
  cairo_stroke(cr);
}

// A small screen on its stand: the window-size row.
void icon_screen(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double w = s * 1.1, h = s * 0.72;
  rounded_rect(cr, cx - w / 2, cy - s / 2, w, h, 3);
  rgb(cr, colour);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy - s / 2 + h);
  cairo_line_to(cr, cx, cy + s / 2 - 2);
  cairo_move_to(cr, cx - s * 0.3, cy + s / 2 - 1);
  cairo_line_to(cr, cx + s * 0.3, cy + s / 2 - 1);
  cairo_stroke(cr);
}

// Lines of text, small then large: the size of spoken lines.
void icon_text_size(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rgb(cr, colour);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double widths[3] = {1.6, 2.8, 4.2}, lengths[3] = {8, 13, 18}, ys[3] = {-7, -1, 6.5};
  for (int i = 0; i < 3; ++i) {
    cairo_set_line_width(cr, widths[i] * u);
    cairo_move_to(cr, cx - 9 * u, cy + ys[i] * u);
    cairo_line_to(cr, cx - 9 * u + lengths[i] * u, cy + ys[i] * u);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// A picture with a dark band across its foot and a line of text on it: the
// band behind spoken lines.
void icon_text_band(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rounded_rect(cr, cx - 10 * u, cy - 8 * u, 20 * u, 16 * u, 3 * u);
  rgb(cr, colour);
  cairo_set_line_width(cr, 1.6 * u);
  cairo_stroke(cr);
  cairo_rectangle(cr, cx - 10 * u, cy + 1 * u, 20 * u, 7 * u);
  rgb(cr, colour);
  cairo_fill(cr);
  cairo_move_to(cr, cx - 6 * u, cy + 4.5 * u);
  cairo_line_to(cr, cx + 6 * u, cy + 4.5 * u);
  rgb(cr, 0x202838);
  cairo_set_line_width(cr, 2 * u);
  cairo_stroke(cr);
}

// A light bulb: hints.
void icon_bulb(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_arc(cr, cx, cy - 3 * u, 6.5 * u, 0.75 * kPi, 2.25 * kPi);
  cairo_line_to(cr, cx + 3 * u, cy + 6 * u);
  cairo_line_to(cr, cx - 3 * u, cy + 6 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_set_line_width(cr, 1.8 * u);
  cairo_stroke(cr);
  for (double y : {8.0, 10.5}) {
    cairo_move_to(cr, cx - 3 * u, cy + y * u);
    cairo_line_to(cr, cx + 3 * u, cy + y * u);
  }
  cairo_stroke(cr);
}

// An hourglass: how long spoken lines stay.
void icon_hourglass(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  cairo_move_to(cr, cx - 6 * u, cy - 9 * u);
  cairo_line_to(cr, cx + 6 * u, cy - 9 * u);
  cairo_line_to(cr, cx - 6 * u, cy + 9 * u);
  cairo_line_to(cr, cx + 6 * u, cy + 9 * u);
  cairo_close_path(cr);
  rgb(cr, colour);
  cairo_set_line_width(cr, 1.8 * u);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, cx - 3.5 * u, cy + 7.5 * u);
  cairo_line_to(cr, cx, cy + 3 * u);
  cairo_line_to(cr, cx + 3.5 * u, cy + 7.5 * u);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// A page of lines: what was said.
void icon_log(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour) {
  const double u = s / 20;
  rounded_rect(cr, cx - 7 * u, cy - 9 * u, 14 * u, 18 * u, 2 * u);
  rgb(cr, colour);
  cairo_set_line_width(cr, 1.6 * u);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, cx - 4 * u, cy + (-5 + 3.5 * i) * u);
    cairo_line_to(cr, cx + (i % 2 ? 2 : 4) * u, cy + (-5 + 3.5 * i) * u);
  }
  cairo_stroke(cr);
}

// A dark box the game writes a choice into, with a small arrow at its right
// end: a click takes the next choice.
void choice_box(cairo_t* cr, const L::Rect& r) {
  rounded_rect(cr, r.x1 + 0.5, r.y1 + 0.5, r.width() - 1, r.height() - 1, 6);
  vgrad(cr, r.y1, r.y2, 0x05070C, 0x141C30);
  fill_stroke(cr, 0x6A8AB8, 1.5);
  const double mx = r.x2 - 9, my = (r.y1 + r.y2) / 2.0;
  cairo_move_to(cr, mx - 3, my - 5);
  cairo_line_to(cr, mx + 2, my);
  cairo_line_to(cr, mx - 3, my + 5);
  rgb(cr, 0x8AB0E0);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// ------------------------------------------------------------- main menu -----

// The menu's face: a friendly school robot on the right; its eyes lie in the
// rectangle where eyes_open / eyes_closed are drawn.
void robot_face(cairo_t* cr, bool eyes_open) {
  const double cx = L::kMenuEyesPos.x + L::kMenuEyesWidth / 2.0;
  const double ey = L::kMenuEyesPos.y + L::kMenuEyesHeight / 2.0;
  // neck and shoulders
  rounded_rect(cr, cx - 90, ey + 120, 180, 100, 30);
  vgrad(cr, ey + 120, ey + 220, 0x5A6A90, 0x1A2238);
  fill_stroke(cr, 0x080810, 2);
  cairo_rectangle(cr, cx - 22, ey + 90, 44, 36);
  rgb(cr, 0x404C68);
  fill_stroke(cr, 0x080810, 2);
  // head
  rounded_rect(cr, cx - 85, ey - 75, 170, 170, 40);
  vgrad(cr, ey - 75, ey + 95, 0xD8E4F4, 0x7A8CB0);
  fill_stroke(cr, 0x080810, 2.5);
  // antenna
  cairo_move_to(cr, cx, ey - 75);
  cairo_line_to(cr, cx, ey - 105);
  rgb(cr, 0x303848);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, cx, ey - 110, 7, 0, 2 * kPi);
  rgrad(cr, cx - 2, ey - 112, 8, 0xFFF0F0, 0xFF3050);
  fill_stroke(cr, 0x080810, 1.5);
  // visor behind the eyes
  rounded_rect(cr, cx - 68, ey - 24, 136, 48, 20);
  vgrad(cr, ey - 24, ey + 24, 0x1A2438, 0x0A1020);
  fill_stroke(cr, 0x080810, 2);
  for (int side = -1; side <= 1; side += 2) {
    const double x = cx + side * 32;
    if (eyes_open) {
      cairo_arc(cr, x, ey, 14, 0, 2 * kPi);
      rgrad(cr, x - 4, ey - 4, 16, 0xE0FFFF, 0x20B0F0);
      fill_stroke(cr, 0x60E8FF, 1.5);
      cairo_arc(cr, x + 2, ey + 1, 5, 0, 2 * kPi);
      rgb(cr, 0x06203A);
      cairo_fill(cr);
      cairo_arc(cr, x - 4, ey - 5, 2.5, 0, 2 * kPi);
      rgb(cr, 0xFFFFFF);
      cairo_fill(cr);
    } else {
      cairo_move_to(cr, x - 13, ey - 1);
      cairo_curve_to(cr, x - 6, ey + 7, x + 6, ey + 7, x + 13, ey - 1);
      rgb(cr, 0x60E8FF);
      cairo_set_line_width(cr, 3.5);
      cairo_stroke(cr);
    }
  }
  // mouth: a speaker grille smile
  cairo_move_to(cr, cx - 40, ey + 50);
  cairo_curve_to(cr, cx - 20, ey + 68, cx + 20, ey + 68, cx + 40, ey + 50);
  rgb(cr, 0x202838);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // ears
  for (int side = -1; side <= 1; side += 2) {
    rounded_rect(cr, cx + side * 85 - 8, ey - 20, 16, 50, 6);
    rgb(cr, 0x5A6A90);
    fill_stroke(cr, 0x080810, 2);
  }
}

void paint_menu(cairo_t* cr, int lit_button, bool eyes_open) {
  backdrop(cr, 0x0A1024, 0x2A1838);
  title_lettering(cr, 320, 95, 76);
  plate(cr, 40, 135, 256, 325, 16);
  robot_face(cr, eyes_open);
  const std::function<void(cairo_t*, double, double, double)> icons[L::kMenuButtonCount] = {
      [](cairo_t* c, double x, double y, double s) { icon_play(c, x, y, s, kIconColour); },
      [](cairo_t* c, double x, double y, double s) { icon_book(c, x, y, s, kIconColour); },
      [](cairo_t* c, double x, double y, double s) { icon_sliders(c, x, y, s, kIconColour); },
      [](cairo_t* c, double x, double y, double s) { icon_star(c, x, y, s, 0xFFE070); },
      [](cairo_t* c, double x, double y, double s) { icon_power(c, x, y, s, 0xFF8080); },
  };
  for (int b = 0; b < L::kMenuButtonCount; ++b) icon_button(cr, L::kMenuHot[b], b == lit_button, icons[b]);
}

void paint_credits(cairo_t* cr, bool back_lit) {
  backdrop(cr, 0x0A1024, 0x182848);
  title_lettering(cr, 320, 100, 76);
  // a few stars for the makers, in the corner beside Back
  for (int i = 0; i < 5; ++i) icon_star(cr, 470 + i * 34, 430 - (i % 2) * 16, 22, 0xFFE070);
  icon_button(cr, L::kCreditsBack, back_lit,
              [](cairo_t* c, double x, double y, double s) { icon_back(c, x, y, s, kIconColour); });
}

// A credits panel: an icon for the craft and the names of the people.
Image16 credits_panel(void (*icon)(cairo_t*, double, double, double), const char* names, const char* more) {
  return render(L::kCreditsPanelWidth, L::kCreditsPanelHeight, [&](cairo_t* cr) {
    rounded_rect(cr, 1, 1, L::kCreditsPanelWidth - 2, L::kCreditsPanelHeight - 2, 12);
    vgrad(cr, 0, L::kCreditsPanelHeight, 0x2A3A5E, 0x121A2E);
    fill_stroke(cr, 0x8AB0E0, 2);
    cairo_arc(cr, 40, L::kCreditsPanelHeight / 2.0, 27, 0, 2 * kPi);
    rgb(cr, 0x0A1020);
    fill_stroke(cr, 0x5C7BA8, 1.5);
    icon(cr, 40, L::kCreditsPanelHeight / 2.0, 44);
    rgb(cr, 0xFFFFFF);
    text(cr, names, 84, 32, 20, true);
    rgb(cr, 0xB8D0F0);
    text(cr, more, 84, 56, 16, false);
  });
}

void paint_instructions(cairo_t* cr, int lit) {
  backdrop(cr, 0x0A1024, 0x1A2440);
  plate(cr, L::kInstructText.x1, L::kInstructText.y1, L::kInstructText.width(), L::kInstructText.height(), 14);
  // the verbs of the game as a reminder along the right edge of the text area
  icon_button(cr, L::kInstructBack, lit == 0,
              [](cairo_t* c, double x, double y, double s) { icon_back(c, x, y, s, kIconColour); });
  icon_button(cr, L::kInstructSecond, lit == 1,
              [](cairo_t* c, double x, double y, double s) { icon_book(c, x, y, s, kIconColour); });
}

void paint_menu_options(cairo_t* cr, int lit, bool switch_on, bool switch_lit) {
  backdrop(cr, 0x0A1024, 0x1A2440);
  const L::Rect& p = L::kMenuOptPlate;
  plate(cr, p.x1, p.y1, p.width(), p.height(), 14);
  const std::function<void(cairo_t*, double, double)> icons[3] = {
      [](cairo_t* c, double x, double y) { icon_bubble(c, x, y, 22, kIconColour); },
      [](cairo_t* c, double x, double y) { icon_note(c, x, y, 22, kIconColour); },
      [](cairo_t* c, double x, double y) { icon_speaker(c, x, y, 22, kIconColour); },
  };
  for (int i = 0; i < 3; ++i) {
    slider_track(cr, L::kMenuSliderX1, L::kMenuSliderX2, L::kMenuSliderY[i]);
    icons[i](cr, 290, L::kMenuSliderY[i] + L::kKnobHeight / 2.0);
  }
  const auto middle = [](const L::Rect& r) { return (r.y1 + r.y2) / 2.0; };
  icon_bulb(cr, 290, middle(L::kMenuOptHints), 22, kIconColour);
  choice_box(cr, L::kMenuOptHints);
  icon_hourglass(cr, 290, middle(L::kMenuOptTextWait), 22, kIconColour);
  choice_box(cr, L::kMenuOptTextWait);
  icon_bubble(cr, 290, middle(L::kMenuOptSwitch), 22, kIconColour);
  toggle(cr, L::kMenuOptSwitch, switch_on, switch_lit);
  icon_mouth(cr, 290, middle(L::kMenuOptSpeech), 22, false, 0.6);  // read aloud
  choice_box(cr, L::kMenuOptSpeech);
  icon_text_size(cr, 290, middle(L::kMenuOptSubtitleSize), 22, kIconColour);
  choice_box(cr, L::kMenuOptSubtitleSize);
  icon_text_band(cr, 290, middle(L::kMenuOptSubtitleBand), 22, kIconColour);
  choice_box(cr, L::kMenuOptSubtitleBand);
  icon_screen(cr, 290, middle(L::kMenuOptScale), 22, kIconColour);
  choice_box(cr, L::kMenuOptScale);
  // the pause when the window loses the focus: two upright bars
  for (double dx : {-4.5, 4.5}) cairo_rectangle(cr, 290 + dx - 2.5, middle(L::kMenuOptPauseAway) - 8, 5, 16);
  rgb(cr, kIconColour);
  cairo_fill(cr);
  choice_box(cr, L::kMenuOptPauseAway);
  icon_button(cr, L::kMenuOptOk, lit == 0,
              [](cairo_t* c, double x, double y, double s) { icon_check(c, x, y, s, 0x90FFA0); });
  icon_button(cr, L::kMenuOptCancel, lit == 1,
              [](cairo_t* c, double x, double y, double s) { icon_cross(c, x, y, s, 0xFF9090); });
}

// ------------------------------------------------------------- inventory -----

void panel_frame(cairo_t* cr) {
  const double x = L::kInventoryPos.x, y = L::kInventoryPos.y;
  rounded_rect(cr, x + 1, y + 1, L::kInventoryWidth - 2, L::kInventoryHeight - 2, 22);
  vgrad(cr, y, y + L::kInventoryHeight, 0x2C3C62, 0x10182C);
  fill_stroke(cr, 0x9AC0F0, 2.5);
  rounded_rect(cr, x + 8, y + 8, L::kInventoryWidth - 16, L::kInventoryHeight - 16, 16);
  rgb(cr, 0x4A6A9A);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void paint_inventory(cairo_t* cr, bool panel_button_lit) {
  panel_frame(cr);
  icon_bag(cr, L::kInventoryPos.x + 34, L::kInventoryPos.y + 40, 40, false);
  for (int row = 0; row < L::kInventoryRows; ++row)
    for (int col = 0; col < L::kInventoryColumns; ++col) {
      const double x = L::kInventorySlotX0 + col * L::kInventorySlotStep;
      const double y = L::kInventorySlotY0 + row * L::kInventorySlotStep;
      rounded_rect(cr, x - 4, y - 4, L::kInventorySlotSize + 9, L::kInventorySlotSize + 9, 6);
      vgrad(cr, y - 4, y + 45, 0x080C16, 0x1A2640);
      fill_stroke(cr, 0x5C7BA8, 1.2);
    }
  icon_button(cr, L::kInventoryPanelButton, panel_button_lit,
              [](cairo_t* c, double x, double y, double s) { icon_sliders(c, x, y, s, kIconColour); });
}

// The control panel; `lit` is 0 save, 1 load, 2 quit, 3 inventory, 4 log, 5 hint, 6 main menu, -1 none. The Hint button is
// drawn only with `hint`: it is a picture of its own, which the game puts on the panel while hints are on.
void paint_control_panel(cairo_t* cr, int lit, bool switch_on, bool switch_lit, bool hint = false) {
  panel_frame(cr);
  icon_sliders(cr, L::kInventoryPos.x + 34, L::kInventoryPos.y + 36, 30, kIconColour);
  const L::Rect& plate_area = L::kPanelSliderPlate;
  plate(cr, plate_area.x1, plate_area.y1, plate_area.width(), plate_area.height(), 10);
  const std::function<void(cairo_t*, double, double)> icons[3] = {
      [](cairo_t* c, double x, double y) { icon_bubble(c, x, y, 18, kIconColour); },
      [](cairo_t* c, double x, double y) { icon_note(c, x, y, 18, kIconColour); },
      [](cairo_t* c, double x, double y) { icon_speaker(c, x, y, 18, kIconColour); },
  };
  for (int i = 0; i < 3; ++i) {
    slider_track(cr, L::kPanelSliderX1, L::kPanelSliderX2, L::kPanelSliderY[i]);
    icons[i](cr, 298, L::kPanelSliderY[i] + L::kKnobHeight / 2.0);
  }
  const auto middle = [](const L::Rect& r) { return (r.y1 + r.y2) / 2.0; };
  icon_bubble(cr, 298, middle(L::kPanelSwitch), 20, kIconColour);
  toggle(cr, L::kPanelSwitch, switch_on, switch_lit);
  icon_bulb(cr, 298, middle(L::kPanelHints), 20, kIconColour);
  choice_box(cr, L::kPanelHints);
  icon_hourglass(cr, 298, middle(L::kPanelTextWait), 20, kIconColour);
  choice_box(cr, L::kPanelTextWait);
  icon_button(cr, L::kPanelLog, lit == 4,
              [](cairo_t* c, double x, double y, double s) { icon_log(c, x, y, s, kIconColour); });
  if (hint)
    icon_button(cr, L::kPanelHint, lit == 5,
                [](cairo_t* c, double x, double y, double s) { icon_bulb(c, x, y, s, 0xFFE070); });
  icon_button(cr, L::kPanelSave, lit == 0,
              [](cairo_t* c, double x, double y, double s) { icon_floppy(c, x, y, s, kIconColour); });
  icon_button(cr, L::kPanelLoad, lit == 1,
              [](cairo_t* c, double x, double y, double s) { icon_folder(c, x, y, s, kIconColour); });
  icon_button(cr, L::kPanelMainMenu, lit == 6,
              [](cairo_t* c, double x, double y, double s) { icon_screen(c, x, y, s, kIconColour); });
  icon_button(cr, L::kPanelQuit, lit == 2,
              [](cairo_t* c, double x, double y, double s) { icon_power(c, x, y, s, 0xFF8080); });
  icon_button(cr, L::kPanelInventory, lit == 3, [](cairo_t* c, double x, double y, double s) {
    icon_bag(c, x, y, s * 1.2, false);
  });
}

// A slot screen; `lit` is 0 for the OK button, 1 for back, -1 none.
void paint_slot_screen(cairo_t* cr, bool save, int lit) {
  panel_frame(cr);
  if (save)
    icon_floppy(cr, L::kInventoryPos.x + 34, L::kInventoryPos.y + 38, 30, kIconColour);
  else
    icon_folder(cr, L::kInventoryPos.x + 34, L::kInventoryPos.y + 38, 30, kIconColour);
  const L::Rect& r = L::kSlotList;
  rounded_rect(cr, r.x1, r.y1, r.width(), r.height(), 8);
  rgb(cr, kSlotListColour);
  fill_stroke(cr, 0x5C7BA8, 1.5);
  // slot numbers as dots on the left of each line
  for (int s = 0; s < L::kSlotCount; ++s) {
    cairo_arc(cr, r.x1 - 10, L::kSlotLineY0 + L::kSlotLineStep * s + 8, 3, 0, 2 * kPi);
    rgb(cr, 0x6A8AB8);
    cairo_fill(cr);
  }
  icon_button(cr, L::kSlotOk, lit == 0,
              [](cairo_t* c, double x, double y, double s) { icon_check(c, x, y, s, 0x90FFA0); });
  icon_button(cr, L::kSlotBack, lit == 1,
              [](cairo_t* c, double x, double y, double s) { icon_back(c, x, y, s, kIconColour); });
}

// ------------------------------------------------------------- intro ---------

// A corridor of the school of the future, dim, so the orange lines of the
// intro read well in the middle of the screen.
void paint_corridor(cairo_t* cr) {
  vgrad(cr, 0, 480, 0x141A2A, 0x0A0C14);
  cairo_paint(cr);
  const double vx = 320, vy = 230;  // vanishing point
  // floor, ceiling and walls as perspective planes
  auto quad = [&](double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_line_to(cr, x3, y3);
    cairo_line_to(cr, x4, y4);
    cairo_close_path(cr);
  };
  quad(0, 480, 640, 480, vx + 60, vy + 40, vx - 60, vy + 40);
  vgrad(cr, vy + 40, 480, 0x1A2030, 0x38405A);
  cairo_fill(cr);
  quad(0, 0, 640, 0, vx + 60, vy - 40, vx - 60, vy - 40);
  vgrad(cr, 0, vy - 40, 0x303850, 0x181C2A);
  cairo_fill(cr);
  quad(0, 0, vx - 60, vy - 40, vx - 60, vy + 40, 0, 480);
  rgb(cr, 0x222A40);
  cairo_fill(cr);
  quad(640, 0, vx + 60, vy - 40, vx + 60, vy + 40, 640, 480);
  rgb(cr, 0x20283C);
  cairo_fill(cr);
  // end wall with a glowing door
  cairo_rectangle(cr, vx - 60, vy - 40, 120, 80);
  rgb(cr, 0x161C2C);
  cairo_fill(cr);
  rounded_rect(cr, vx - 16, vy - 26, 32, 66, 6);
  vgrad(cr, vy - 26, vy + 40, 0x60D0E8, 0x104860);
  cairo_fill(cr);
  // ceiling light strips converging to the end
  for (int i = 0; i < 6; ++i) {
    const double t = 1.0 - i / 6.0;
    const double y = vy - 40 - (vy - 40) * t * t + 6;
    const double half = 60 + 260 * t * t;
    rounded_rect(cr, vx - half * 0.35, y, half * 0.7, 2 + 5 * t, 2);
    rgb(cr, 0xA0E8FF, 0.55);
    cairo_fill(cr);
  }
  // lockers and doors along both walls
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 7; ++i) {
      const double t0 = i / 7.0, t1 = (i + 0.7) / 7.0;
      auto wx = [&](double t) { return side < 0 ? (vx - 60) * t : 640 - (640 - vx - 60) * t; };
      auto top = [&](double t) { return 60 + (vy - 30 - 60) * t; };
      auto bottom = [&](double t) { return 440 + (vy + 38 - 440) * t; };
      const double a = std::pow(t0, 0.8), b = std::pow(t1, 0.8);
      quad(wx(a), top(a), wx(b), top(b), wx(b), bottom(b), wx(a), bottom(a));
      rgb(cr, i % 3 == 1 ? 0x4A3A2A : 0x34405C);
      cairo_fill_preserve(cr);
      rgb(cr, 0x0A0C14);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      // a small status light on each
      cairo_arc(cr, wx((a + b) / 2), (top((a + b) / 2) + bottom((a + b) / 2)) / 2, 3 * (1 - a) + 1, 0, 2 * kPi);
      rgb(cr, i % 2 ? 0xFF4060 : 0x40FFB0);
      cairo_fill(cr);
    }
  // a darker band behind the text rows 170..330
  vgrad(cr, 150, 350, 0x000000, 0x000000);
  cairo_rectangle(cr, 0, 150, 640, 200);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 150, 0, 350);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 0.2, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 0.8, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.0);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void paint_emblem(cairo_t* cr) {
  // The school's crest: a shield with a gear and a star.
  cairo_move_to(cr, 20, 20);
  cairo_line_to(cr, 180, 20);
  cairo_line_to(cr, 180, 100);
  cairo_curve_to(cr, 180, 150, 130, 175, 100, 190);
  cairo_curve_to(cr, 70, 175, 20, 150, 20, 100);
  cairo_close_path(cr);
  vgrad(cr, 20, 190, 0x3A5A98, 0x121A38);
  fill_stroke(cr, 0xE8C860, 4);
  icon_gear(cr, 100, 95, 48, 0.1, 0x8898B8, 0x080810);
  icon_star(cr, 100, 95, 40, 0xFFE070);
}

void paint_night_school(cairo_t* cr) {
  // A wide swirl of light for the time travel.
  vgrad(cr, 0, 480, 0x04040C, 0x140828);
  cairo_paint(cr);
  for (int i = 0; i < 36; ++i) {
    const double a = i * kPi / 18;
    cairo_move_to(cr, 320, 240);
    for (int s = 1; s <= 40; ++s) {
      const double r = s * 9.0, b = a + s * 0.08;
      cairo_line_to(cr, 320 + r * std::cos(b), 240 + r * std::sin(b) * 0.8);
    }
    rgb(cr, i % 2 ? 0x40C0FF : 0xA060FF, 0.5);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 320, 240, 40, 0, 2 * kPi);
  rgrad(cr, 320, 240, 40, 0xFFFFFF, 0x4080FF);
  cairo_fill(cr);
}

}  // namespace

void make_menu(const Context& ctx) {
  const Image16 menu = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu(cr, -1, true); });
  const Image16 closed = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu(cr, -1, false); });
  Image16 lit_menu[L::kMenuButtonCount];
  for (int b = 0; b < L::kMenuButtonCount; ++b)
    lit_menu[b] = render(L::kScreenWidth, L::kScreenHeight, [b](cairo_t* cr) { paint_menu(cr, b, true); });
  auto mm = [&](int b) { return highlight(lit_menu[b], L::kMenuHighlightPos[b], L::kMenuHot[b]); };
  const Image16 instruct = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_instructions(cr, -1); });
  const Image16 instruct_back = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_instructions(cr, 0); });
  const Image16 instruct_second = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_instructions(cr, 1); });
  const Image16 options = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, -1, true, false); });
  const Image16 opt_ok = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, 0, true, false); });
  const Image16 opt_cancel = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, 1, true, false); });
  const Image16 opt_off = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, -1, false, false); });
  const Image16 opt_off_lit = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, -1, false, true); });
  const Image16 opt_on_lit = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_menu_options(cr, -1, true, true); });
  auto sw = [&](const Image16& s) { return highlight(s, L::kMenuOptSwitchPos, L::kMenuOptSwitch); };

  struct Entry {
    const char* name;
    Image16 pic;
  };
  std::vector<Entry> e;
  e.push_back({"EYES_CLOSED", crop(closed, L::kMenuEyesPos.x, L::kMenuEyesPos.y, L::kMenuEyesWidth, L::kMenuEyesHeight)});
  e.push_back({"EYES_OPEN", crop(menu, L::kMenuEyesPos.x, L::kMenuEyesPos.y, L::kMenuEyesWidth, L::kMenuEyesHeight)});
  e.push_back({"INST_BACK_ON", highlight(instruct_back, L::kInstructBackHighlightPos, L::kInstructBack)});
  e.push_back({"MAIN_OPT_CANCEL_ON", highlight(opt_cancel, L::kMenuOptCancelHighlightPos, L::kMenuOptCancel)});
  e.push_back({"CONTROLLER_BMP", render(L::kKnobWidth, L::kKnobHeight, [](cairo_t* cr) { knob(cr, 0, 0, false); })});
  e.push_back({"CONTROLLER_ON", render(L::kKnobWidth, L::kKnobHeight, [](cairo_t* cr) { knob(cr, 0, 0, true); })});
  e.push_back({"CREDITS_BMP", render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_credits(cr, false); })});
  e.push_back({"INST_GI_ON", highlight(instruct_second, L::kInstructSecondHighlightPos, L::kInstructSecond)});
  e.push_back({"MAIN_INSTRUCT_BMP", instruct});
  e.push_back({"MENU_BMP", menu});
  e.push_back({"MM_CRED", mm(3)});
  e.push_back({"MM_INST", mm(1)});
  e.push_back({"MM_NEW", mm(0)});
  e.push_back({"MM_OPTI", mm(2)});
  e.push_back({"MM_QUIT", mm(4)});
  const std::string more_artists = std::string(makers::kArtists[1]) + "  \xc2\xb7  " + makers::kArtists[2];
  e.push_back({"CREDITS_GRAPHICS", credits_panel([](cairo_t* c, double x, double y, double s) { icon_brush(c, x, y, s); },
                                                 makers::kArtists[0], more_artists.c_str())});
  e.push_back({"CREDITS_CODING", credits_panel([](cairo_t* c, double x, double y, double s) { icon_keyboard(c, x, y, s); },
                                               makers::kProgrammer, makers::kStudio)});
  e.push_back({"CREDITS_SOUND", credits_panel([](cairo_t* c, double x, double y, double s) {
                                                icon_note(c, x, y, s * 0.7, 0xE8F4FF);
                                              },
                                              makers::kComposer, makers::kStudio)});
  e.push_back({"MAIN_OPT_OFF", sw(opt_off)});
  e.push_back({"MAIN_OPT_OFF_ON", sw(opt_off_lit)});
  e.push_back({"MAIN_OPT_OK_ON", highlight(opt_ok, L::kMenuOptOkHighlightPos, L::kMenuOptOk)});
  e.push_back({"MAIN_OPT_ON_ON", sw(opt_on_lit)});
  e.push_back({"MAIN_OPTIONS_BMP", options});
  const Image16 credits_lit = render(L::kScreenWidth, L::kScreenHeight, [](cairo_t* cr) { paint_credits(cr, true); });
  e.push_back({"CREDITS_BACK_ON", highlight(credits_lit, L::kCreditsBackHighlightPos, L::kCreditsBack)});
  Datafile df;
  std::vector<const Image16*> view;
  for (const Entry& x : e) {
    df.add_bitmap(x.name, x.pic);
    view.push_back(&x.pic);
  }
  df.write(ctx.data_dir, manifest::kMenuFile, manifest::kMenuRuns);
  // the credits as the game shows them
  Image16 credits = e[6].pic;
  auto put = [&](const Image16& p, L::Point at) {
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        if (p.at(x, y) != kMask) credits.px[(at.y + y) * 640 + at.x + x] = p.at(x, y);
  };
  put(e[16].pic, L::kCreditsCodingPos);
  put(e[15].pic, L::kCreditsGraphicsPos);
  put(e[17].pic, L::kCreditsSoundPos);
  ctx.sheet("menu_screens", {&menu, &credits, &instruct, &options}, 2, 0.75);
  std::vector<const Image16*> small;
  for (const Entry& x : e)
    if (x.pic.w < 640) small.push_back(&x.pic);
  ctx.sheet("menu_parts", small, 4);
}

void make_inventory(const Context& ctx) {
  auto screen = [](const std::function<void(cairo_t*)>& paint) { return render(L::kScreenWidth, L::kScreenHeight, paint); };
  auto panel = [](const Image16& s) {
    return crop(s, L::kInventoryPos.x, L::kInventoryPos.y, L::kInventoryWidth, L::kInventoryHeight);
  };
  const Image16 inv = screen([](cairo_t* cr) { paint_inventory(cr, false); });
  const Image16 inv_lit = screen([](cairo_t* cr) { paint_inventory(cr, true); });
  const Image16 opts = screen([](cairo_t* cr) { paint_control_panel(cr, -1, true, false); });
  Image16 opts_lit[7];
  for (int b = 0; b < 7; ++b) opts_lit[b] = screen([b](cairo_t* cr) { paint_control_panel(cr, b, true, false, true); });
  const Image16 opts_hint = screen([](cairo_t* cr) { paint_control_panel(cr, -1, true, false, true); });
  const Image16 opts_off = screen([](cairo_t* cr) { paint_control_panel(cr, -1, false, false); });
  const Image16 opts_off_lit = screen([](cairo_t* cr) { paint_control_panel(cr, -1, false, true); });
  const Image16 opts_on_lit = screen([](cairo_t* cr) { paint_control_panel(cr, -1, true, true); });
  const Image16 save = screen([](cairo_t* cr) { paint_slot_screen(cr, true, -1); });
  const Image16 load = screen([](cairo_t* cr) { paint_slot_screen(cr, false, -1); });
  const Image16 slot_ok = screen([](cairo_t* cr) { paint_slot_screen(cr, true, 0); });
  const Image16 slot_back = screen([](cairo_t* cr) { paint_slot_screen(cr, true, 1); });
  // The "off" mark and the lit switches all cover the switch from the given corner.
  const L::Rect sw_area = L::kPanelSwitch;

  struct Entry {
    const char* name;
    Image16 pic;
  };
  std::vector<Entry> e;
  e.push_back({"CONTROLLER_BMP", render(L::kKnobWidth, L::kKnobHeight, [](cairo_t* cr) { knob(cr, 0, 0, false); })});
  e.push_back({"CONTROLLER_ON", render(L::kKnobWidth, L::kKnobHeight, [](cairo_t* cr) { knob(cr, 0, 0, true); })});
  e.push_back({"GAME_BACK_ON", highlight(slot_back, L::kSlotBackPos, L::kSlotBack)});
  e.push_back({"GAME_INV_ON", highlight(opts_lit[3], L::kPanelInventoryPos, L::kPanelInventory)});
  e.push_back({"GAME_LOAD_ON", highlight(opts_lit[1], L::kPanelLoadPos, L::kPanelLoad)});
  e.push_back({"GAME_OFF", highlight(opts_off, L::kPanelOffPos, sw_area)});
  e.push_back({"GAME_OFF_ON", highlight(opts_off_lit, L::kPanelOffPos, sw_area)});
  e.push_back({"GAME_OK_ON", highlight(slot_ok, L::kSlotOkPos, L::kSlotOk)});
  e.push_back({"GAME_ON_ON", highlight(opts_on_lit, L::kPanelOnOnPos, sw_area)});
  e.push_back({"GAME_OPT_ON", highlight(inv_lit, L::kInventoryPanelButtonPos, L::kInventoryPanelButton)});
  e.push_back({"GAME_QUIT_ON", highlight(opts_lit[2], L::kPanelQuitPos, L::kPanelQuit)});
  e.push_back({"GAME_SAVE_ON", highlight(opts_lit[0], L::kPanelSavePos, L::kPanelSave)});
  e.push_back({"INVENTORY_BMP", panel(inv)});
  e.push_back({"GAME_LOAD_BMP", panel(load)});
  e.push_back({"GAME_OPTIONS_BMP", panel(opts)});
  e.push_back({"GAME_SAVE_BMP", panel(save)});
  e.push_back({"INV_OBJ_ON", render(L::kInventorySlotSize + 1, L::kInventorySlotSize + 1, [](cairo_t* cr) {
                 const double s = L::kInventorySlotSize + 1;
                 rounded_rect(cr, 0.5, 0.5, s - 1, s - 1, 6);
                 rgrad(cr, s / 2, s / 2, s * 0.75, 0x80F8FF, 0x1870A8);
                 fill_stroke(cr, 0xE8FFFF, 1.5);
               })});
  e.push_back({"GAME_HINT", highlight(opts_hint, L::kPanelHintPos, L::kPanelHint)});
  e.push_back({"GAME_HINT_ON", highlight(opts_lit[5], L::kPanelHintPos, L::kPanelHint)});
  e.push_back({"GAME_LOG_ON", highlight(opts_lit[4], L::kPanelLogPos, L::kPanelLog)});
  e.push_back({"GAME_MAIN_MENU_ON", highlight(opts_lit[6], L::kPanelMainMenuPos, L::kPanelMainMenu)});
  Datafile df;
  std::vector<const Image16*> view;
  for (const Entry& x : e) {
    df.add_bitmap(x.name, x.pic);
    view.push_back(&x.pic);
  }
  df.write(ctx.data_dir, manifest::kInventarFile, manifest::kInventarRuns);
  ctx.sheet("inventar_screens", {&inv, &opts, &save, &load}, 2, 0.75);
  std::vector<const Image16*> small;
  for (const Entry& x : e)
    if (x.pic.w < L::kInventoryWidth) small.push_back(&x.pic);
  ctx.sheet("inventar_parts", small, 4);
}

void make_intro(const Context& ctx) {
  const Image16 emblem = render(200, 200, paint_emblem);
  const Image16 swirl = render(L::kScreenWidth, L::kScreenHeight, paint_night_school);
  const Image16 corridor = render(L::kScreenWidth, L::kScreenHeight, paint_corridor);
  Datafile df;
  df.add_bitmap("EMBLEM", emblem);
  df.add_bitmap("TIME_SWIRL", swirl);
  df.add_bitmap("INTRO_BACKGROUND", corridor);
  df.write(ctx.data_dir, manifest::kIntroFile, manifest::kIntroRuns);
  ctx.sheet("intro", {&emblem, &swirl, &corridor}, 3, 0.6);
}

}  // namespace mkassets
