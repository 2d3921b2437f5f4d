// The hero: his path on the 8 x 4 pixel step grid, drawing him, his poses.
#pragma once

// Stop: the hero stands where he is.
void reset_hero();
// Draw the hero into the frame buffer at his place in the current frame and
// move him to the position of the path step shown.
void hero_frame();
// Load the special animation chosen by `select_move` (1 talk right, 2 talk
// left, 3 take left, 4 take right) into `move`.
void new_hero_move();
// Place the sprite's top-left corner (bmp_x, bmp_y) for a reference point,
// kept inside the screen.
void place_hero_sprite(int ref_x, int ref_y);
