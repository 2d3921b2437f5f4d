// The hero's pictures, drawn with Cairo.
//
// Every frame is drawn at the hero's full size (scale 1.0): 125 x 200 pixels, his
// horizontal centre at x = 62 and his standing line (the soles of his shoes) at
// y = 170, so that the game can place him by his reference point and stretch the
// picture to the size the room's perspective gives. Each function draws one frame
// onto `cr`, which targets a cleared (fully transparent) ARGB32 surface of
// kWidth x kHeight; the generator cuts the result to the game's 16-bit format.
#pragma once

#include <cairo.h>

namespace hero_art {

constexpr int kWidth = 125;
constexpr int kHeight = 200;
constexpr int kCentreX = 62;
constexpr int kFootY = 170;

// Standing, facing the viewer.
void stand(cairo_t* cr);

// One frame (0..13) of a walking cycle. `code` is the step direction of the
// hero's path: 1 up (seen from behind), 2 down (seen from the front), 3 left,
// 4 right, 5 up-left, 6 up-right, 7 down-left, 8 down-right.
void walk(cairo_t* cr, int code, int frame);

// Talking while facing the viewer, frame 0..14 (mouth and hands move).
void talk_front(cairo_t* cr, int frame);

// Talking turned to the right (`right` true) or to the left, frame 0..29.
void talk_side(cairo_t* cr, bool right, int frame);

// Taking something, bending to the left (`left` true) or to the right,
// frame 0..14. Frame 7 is the moment the hand closes on the thing (lowest
// reach); the frames before bend down, the frames after come back up.
void take(cairo_t* cr, bool left, int frame);

}  // namespace hero_art
