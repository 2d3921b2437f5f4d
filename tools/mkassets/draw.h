// Drawing helpers shared by all pictures of the generator: colours, shapes,
// gradients, lettering for proper names, and the icons that stand for the
// verbs and settings (the pictures carry no words: both game builds share them).
#pragma once

#include <cairo.h>

#include <cstdint>

namespace mkassets::draw {

void rgb(cairo_t* cr, std::uint32_t hex, double alpha = 1.0);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
// A vertical gradient from `top` (at y0) to `bottom` (at y1) as the source.
void vgrad(cairo_t* cr, double y0, double y1, std::uint32_t top, std::uint32_t bottom);
// A radial gradient from `inner` at the centre to `outer` at radius r.
void rgrad(cairo_t* cr, double cx, double cy, double r, std::uint32_t inner, std::uint32_t outer);
// Fills the current path with the current source, then strokes it in `line`.
void fill_stroke(cairo_t* cr, std::uint32_t line, double width);

// A raised button face over the rectangle (x, y, w, h): bevelled metal-blue, or
// glowing cyan when `lit`.
void button_face(cairo_t* cr, double x, double y, double w, double h, bool lit);
// A dark recessed plate (panels, text areas).
void plate(cairo_t* cr, double x, double y, double w, double h, double r);

// Proper names only (the game's title, the studio, authors): DejaVu Sans.
void text(cairo_t* cr, const char* utf8, double x, double baseline, double size, bool bold);
void text_centred(cairo_t* cr, const char* utf8, double cx, double baseline, double size, bool bold);

// Icons, each centred on (cx, cy) and about `s` pixels across, in the current
// colour scheme (`lit` brightens them).
void icon_feet(cairo_t* cr, double cx, double cy, double s, bool lit);
void icon_hand(cairo_t* cr, double cx, double cy, double s, bool lit, double grip = 0.0);
void icon_gear(cairo_t* cr, double cx, double cy, double r, double angle, std::uint32_t body,
               std::uint32_t line);
void icon_magnifier(cairo_t* cr, double cx, double cy, double s, bool lit);
void icon_mouth(cairo_t* cr, double cx, double cy, double s, bool lit, double open);
void icon_note(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_speaker(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_bubble(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_keyboard(cairo_t* cr, double cx, double cy, double s);
void icon_brush(cairo_t* cr, double cx, double cy, double s);
void icon_floppy(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_folder(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_power(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_back(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_check(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_cross(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_play(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_book(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_sliders(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_star(cairo_t* cr, double cx, double cy, double s, std::uint32_t colour);
void icon_bag(cairo_t* cr, double cx, double cy, double s, bool lit);

}  // namespace mkassets::draw
