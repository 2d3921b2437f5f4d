// The markers of the Tab key: while it is held in a room, every piece,
// person and open exit the player can act on shows a small dot with its name
// over the frame. Nothing else changes.
#pragma once

// Whether the markers are to be shown now (the Tab key held), and whether
// that changed since the last call: the frame must then be composed again.
bool markers_wanted_changed();
// Draw the markers over the composed frame, when they are wanted.
void draw_markers();

// What the player is shown piece i, person j or exit k is called; null when
// it has no name to show.
const char* piece_label(int i);
const char* person_label(int j);
const char* exit_label(int k);
