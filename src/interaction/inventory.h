// The inventory: the items the hero carries, the inventory screen the bag
// opens, and the combinations of items.
//
// Slots 0 .. invent_nr - 1 hold the items (name, three description lines, a
// 40 x 40 picture); every other slot is named "z". The screen shows them sorted
// by name, six to a row from (130, 120), 60 pixels apart.
#pragma once

#include <allegro.h>

// Open the inventory screen (from the bag): the inventory and the control
// panel in turn until the player closes them.
void main_invent();
// F5 (save) and F7 (load) in play: that slot screen at once, as the control
// panel opens it; its Back button leads to the panel, and on from there as
// from the bag.
void slot_screen_in_play(bool save);
// The control panel at once in play, without the bag's sounds (Escape with no
// line or scene to skip, the pad's Y); it closes back into the room, or leads
// on as from the bag.
void control_panel_in_play();
// The inventory screen loop; leaves with inv_menu 0 (closed) or 2 (panel).
void inventory();
// The held item (arrow_obj) used on the item named buffer_obj: on a match the
// held item becomes the product and the result is true.
bool story_invent();

// Put an item into the next free slot: its picture stretched into the slot,
// its name and description lines. A full bag refuses it: the hero says so,
// and the result is false.
bool add_to_inventory(BITMAP* picture, const char* name, const char* line0, const char* line1,
                      const char* line2);
// The item carried on the pointer goes back into the next free slot (false,
// the item staying on the pointer, when the bag is full); it drops in with
// its sound, wherever that happens.
bool return_carried_item();
// Room for one more item.
bool inventory_has_room();
// The hero's remark when the bag is full.
void bag_full_remark();
// Remove slot i: the slots after it move up one, invent_nr decreases.
void remove_inventory_slot(int i);
// Order the 100 slots by name, byte by byte (capitals before small letters,
// the empty "z" after every item).
void sort_inventory();
// Where slot i is drawn on the inventory screen (its top-left corner).
void inventory_slot_position(int i, int* x, int* y);

// After a saved game is loaded: a fresh picture for every slot, drawn from the
// item catalogue by the slot's name (load_inv_bmp for each name held).
void invent_bitmaps();
// Every slot named temp_inv_obj gets the picture the catalogue gives it; with
// temp_nr >= 0 the picture is entry temp_nr of "objects.dat" instead.
void load_inv_bmp();
