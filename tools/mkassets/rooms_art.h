// The rooms' datafiles: what rooms_art.cpp (backgrounds, assembly) and
// room_pieces.cpp (furniture and persons) share.
#pragma once

#include <map>
#include <string>

#include "image.h"
#include "rooms/room_script.h"

namespace mkassets::rooms {

// One picture of a room's datafile as the room's tables use it: the row that
// first shows it, where, and which step of the row's animation it is.
struct PieceUse {
  std::string room;
  std::string name;     // furniture or person name of the row
  PieceKind piece_kind = PieceKind::unset;     // what the row says the piece is
  PersonKind person_kind = PersonKind::unset;  // or who the person is
  int state = 0;        // the row's state
  bool person = false;
  bool future = false;  // the school of 2027
  int x = 0, y = 0;     // top-left corner of the frame
  int w = 0, h = 0;     // picture size, the same for every frame of the row
  int phase = 0;        // index of this picture among the row's distinct pictures
  int phases = 1;       // how many distinct pictures the row cycles through
  // A person's pose beyond standing (the cut scenes' figures): how far each
  // arm is raised, from 0 hanging at the side to 1 held out level and 2
  // straight up, on the picture's left and right; a stride that lifts the
  // right foot (> 0) or the left one (< 0), up to 1.
  double arm_left = 0, arm_right = 0;
  double stride = 0;
  // A person asleep over a desk: the row of her picture where the top of the
  // desk drawn in front of her lies (-1: none, she brings a desk's edge).
  int rest_y = -1;
};

// Scale of the hero at standing line y in a room.
inline double hero_scale(double min_len, double rate, double y) { return y / rate + min_len; }

// The size a piece is drawn at: the mouse-over box where the row gives one,
// a person's height at his depth, otherwise the size of its kind.
struct SizeHint {
  int mouse_w = -1, mouse_h = -1;
  double min_len = 0, rate = 500;
};
void piece_size(PieceUse& use, const SizeHint& hint);

// Draws the piece: a picture of `use.w` x `use.h`.
Image16 draw_piece(const PieceUse& use);
// Paints the piece onto `cr` with its top-left corner at the origin, uncut:
// for pictures that show a room's piece together with other things (a cut
// scene's hero holding it, a teacher handing something over).
void paint_piece(cairo_t* cr, const PieceUse& use);

// Every picture the room's furniture and person tables show, by its object
// index in the room's datafile, as the room's datafile draws it.
std::map<int, PieceUse> piece_uses(const RoomScript& room);
// Where the hand of a standing person's arm on the picture's left (side -1)
// or right (+1) is, in the person's picture.
void hand_of(const PieceUse& use, int side, double& x, double& y);

// For the cut scenes, which show the rooms' persons moving in ways their
// room never shows. A standing person's pose: each arm (0 on the viewer's left, 1 on the right)
// raised about the shoulder by an angle in radians (beside the use's own
// arm_left / arm_right), outwards (0 hangs as in
// the room, pi/2 held out level, pi straight up; negative across the body);
// the eyes shut; the mouth from 0 closed to 1 open (-1: as the phase says).
struct PersonPose {
  double arm[2] = {0, 0};
  bool eyes_shut = false;
  double mouth = -1;
};
// Where the person's hands are, in the picture's coordinates.
struct PersonHands {
  double x[2] = {0, 0}, y[2] = {0, 0};
};
// The painters of draw_piece for persons, on any cairo context: standing in
// the box use.w x use.h from (0, 0), or lying on the floor in it.
PersonHands paint_person(cairo_t* cr, const PieceUse& use, const PersonPose& pose = {});
void paint_lying_person(cairo_t* cr, const PieceUse& use);
// A person asleep over a desk (the asleep kinds that keep their standing box).
void paint_slumped_person(cairo_t* cr, const PieceUse& use);
// The width of the standing figure a lying picture turns on its side; the
// picture flattens it to the box's height.
int lying_figure_width(const PieceUse& use);

}  // namespace mkassets::rooms
