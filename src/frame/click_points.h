// Where the pointer must be to act on one thing of the room, and the jumps
// from thing to thing for players who point with keys or a pad instead of a
// mouse (Page Up / Page Down, the pad's shoulder buttons).
//
// A point found here is one where that thing alone is found, as the room's
// hover tests see it: a piece or person on no button and on no other
// interactive piece or person (one lying in a door's rectangle takes the
// click before the door), a door on no piece, person or button and on no
// later door over it, the floor on none of these.
#pragma once

#include <vector>

#include "core/screen_layout.h"

// (mx, my) is on the floor: no piece, person, door or button.
bool on_floor(int mx, int my);
// A point on the floor. False when there is none.
bool floor_point(int& mx, int& my);
// On exit k alone. False when no point of it is free.
bool exit_point(int k, int& mx, int& my);
// On the piece (person == false) or person `slot` alone, from its box's
// middle outwards. False when there is no such point.
bool thing_point(bool person, int slot, int& mx, int& my);

// Every thing of the room the player can click now, one point each: the
// present interactive pieces and persons, the exits, the bag and the verbs,
// in reading order (top to bottom, then left to right).
std::vector<screen_layout::Point> room_click_points();

// In reading order: top to bottom, then left to right.
bool reads_before(const screen_layout::Point& a, const screen_layout::Point& b);

// Move the pointer to the next (step 1) or previous (step -1) of `points` in
// reading order after / before where it stands now, round at the ends.
// Nothing when there are no points.
void jump_pointer(std::vector<screen_layout::Point> points, int step);
// How many jumps were made so far: what is read aloud under the pointer is
// said again after every jump, even onto the thing it stood on.
int pointer_jumps();
