// The hero: his path on the 8 x 4 pixel step grid, drawing him, his poses.
#pragma once

// Stop: the hero stands where he is, and the walk he was on is forgotten, so
// a click on its target sends him there again (he may have been stopped short
// of it by a remark, a scene or a talk).
void reset_hero();
// The walk is at its end or given up: the hero stands, and its target stays
// the last one accepted (a click there again starts no new walk).
void end_walk();
// Draw the hero into the frame buffer at his place in the current frame and
// move him to the position of the path step shown.
void hero_frame();
// Load the special animation chosen by `select_move` (1 talk right, 2 talk
// left, 3 take left, 4 take right) into `move`.
void new_hero_move();
// Place the sprite's top-left corner (bmp_x, bmp_y) for a reference point,
// kept inside the screen.
void place_hero_sprite(int ref_x, int ref_y);

// Compute the path from the hero to the walk target (true_x, true_y) through
// the room's waypoints, one 8 x 4 pixel step per entry, at most 199 steps.
void calc_coor();
// Smooth the path just computed: zig-zags become straight steps, refused
// steps are taken out of the positions.
void make_fluent();

// The wall responses a room's walk hook calls on the step under test: each
// moves the step's point (x, y) and may change its code hero_action[mov_nr].
// a and b cancel the part of a diagonal step that crosses a horizontal or
// vertical wall; c to f turn steps that would cross a slanted wall (8 across,
// 4 down) into steps along it.
void walk_a1(int& x, int& y);
void walk_a2(int& x, int& y);
void walk_b1(int& x, int& y);
void walk_b2(int& x, int& y);
void walk_c1(int& x, int& y);
void walk_c2(int& x, int& y);
void walk_d1(int& x, int& y);
void walk_d2(int& x, int& y);
void walk_e1(int& x, int& y);
void walk_e2(int& x, int& y);
void walk_f1(int& x, int& y);
void walk_f2(int& x, int& y);
