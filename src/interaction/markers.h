// The markers of the Tab key: while it is held in a room, every piece,
// person and open exit the player can act on shows a small dot with its name
// over the frame. Nothing else changes.
//
// A name goes under its dot, centred. Where it would cover a name placed
// before it, the bag, the verb panel or another dot, or leave the screen, it
// is pushed up or down, then sideways as well, the shortest way that fits.
#pragma once

#include <vector>

#include "core/screen_layout.h"

// Whether the markers are to be shown now (the Tab key held), and whether
// that changed since the last call: the frame must then be composed again.
bool markers_wanted_changed();
// Draw the markers over the composed frame, when they are wanted.
void draw_markers();

// One marker: its dot and where its name's lettering goes (the box holds
// the letters and their outline).
struct Marker {
  int dot_x, dot_y;
  const char* name;
  screen_layout::Rect box;
};
// The markers of the current room as the Tab key shows them: exits, pieces,
// then persons, each name placed (needs the game font).
std::vector<Marker> room_markers();
// Their names: piece_label, person_label and exit_label (rooms/registry.h).
