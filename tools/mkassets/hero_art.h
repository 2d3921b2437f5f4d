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

// Any other pose, for the cut scenes: the puppet the frames above are made
// with. Draws the hero in pose `p` onto `cr` like the frames above (his
// reference point at kCentreX, kFootY when his feet are on the ground).
enum class Hand { relaxed, open, fist };

// One arm: the direction of the upper arm and of the forearm, each as a swing
// forwards from hanging straight down (radians) and a spread outwards from the
// body (radians).
struct Arm {
  double swing = 0.05, spread = 0.10;
  double fore_swing = 0.25, fore_spread = 0.05;
  Hand hand = Hand::relaxed;
  // Instead of the angles: reach for a point given as forwards, height above
  // the ankles and sideways out from the body.
  bool aim = false;
  double aim_fwd = 0, aim_up = 0, aim_out = 0;
};

struct Pose {
  double facing = 0;        // degrees: 0 towards the viewer, 90 to the right, 180 away
  double head_turn = 0;     // degrees the head is turned further than the body
  double nod = 0;           // degrees the face looks down
  double hip_y = 97;        // height of the hip joints
  double hip_shift = 0;     // hips moved forwards (+) or backwards (-) along the facing
  double hip_sway = 0;      // hips moved to his left (+) or right (-)
  double lean = 0.03;       // torso leaning forwards, radians
  // Ankles: forwards along the facing, sideways (to his left), lifted.
  double foot_fwd[2] = {0, 0};
  double foot_side[2] = {7.5, -7.5};
  double foot_lift[2] = {0, 0};
  Arm arm[2];               // 0 his left arm, 1 his right arm
  double mouth = 0;         // 0 closed .. 1 wide open
  bool smile = true;
};
void pose(cairo_t* cr, const Pose& p);

}  // namespace hero_art
