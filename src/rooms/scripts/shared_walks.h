// Walking rules that two rooms share (a room of the old school and its
// counterpart in the school of 2027 have the same floor plan). Each is
// defined once, in the file of the old school's room, and both records use it.
#pragma once

void area_biolog();
void allow_walk_biolog();
void extra_click_biolog();
void area_crossing();
void allow_walk_crossing();
void extra_click_crossing();
void area_chimietp();
void allow_walk_chimietp();
void extra_click_chimietp();
void area_floor2();
void allow_walk_floor2();
void extra_click_floor2();
void area_physik();
void allow_walk_physik();
void extra_click_physik();
void area_physiktp();
void allow_walk_physiktp();
// future_floor shares the waypoint rule of future_floor1.
void extra_click_future_floor1();
