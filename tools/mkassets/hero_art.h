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

// ---------------------------------------------------------------- the puppet
//
// The frames above are poses of one puppet. The cut scenes draw poses of
// their own (reaching for a lock, holding a bottle, singing under a shower)
// with the same puppet, so the hero looks the same in them.

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
  bool glasses = false;     // the protective glasses of the shower scene
};


// Where the drawn pose put his hands (the centre of each hand, 0 his left,
// 1 his right) and the centre of his head, in the frame's pixels.
struct Joints {
  double hand_x[2] = {0, 0}, hand_y[2] = {0, 0};
  double head_x = 0, head_y = 0;
};

// The poses of the frames above, to vary before drawing.
Pose stand_pose();
Pose walk_pose(int code, int frame);
Pose talk_front_pose(int frame);
Pose take_pose(bool left, int frame);
// Bent down towards the left or right by `t`: 0 upright, 1 as low as taking.
Pose bend_pose(bool left, double t);

// Arm `side` (0 his left, 1 his right) of `p` reaches for the point (x, y) of
// the frame, `ahead` pixels in front of his body.
void aim_arm(Pose& p, int side, double x, double y, double ahead = 12);

// Draws `p` onto `cr` (a frame of kWidth x kHeight as above, or a larger
// canvas translated and scaled to it) and returns where its joints went.
Joints draw(cairo_t* cr, const Pose& p);

}  // namespace hero_art
