// The inventory: the items the hero carries.
#pragma once

#include <allegro.h>

// Open the inventory screen (from the bag).
void main_invent();
// Put an item into the next free slot: its picture stretched into the slot,
// its name and description lines.
void add_to_inventory(BITMAP* picture, const char* name, const char* line0, const char* line1,
                      const char* line2);
// The item carried on the pointer goes back into the next free slot.
void return_carried_item();
// After a saved game is loaded: every slot gets a fresh 40 x 40 picture, and
// each item in the inventory its picture and description again, found by
// its name (the item pictures of objects.dat; a piece taken from a room has
// the description its room gives it).
void invent_bitmaps();
