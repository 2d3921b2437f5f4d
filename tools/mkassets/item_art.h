// The item pictures of objects.dat (startup_art.cpp), for other pictures
// that show an item in someone's hand.
#pragma once

#include <cairo.h>

#include "core/data_manifest.h"

namespace mkassets {

// Draws the item of objects.dat entry `entry` into a 40 x 40 box at the
// context's origin.
void paint_item(cairo_t* cr, manifest::Objects entry);

}  // namespace mkassets
