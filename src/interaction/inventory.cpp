#include <allegro.h>

#include "interaction/inventory.h"
#include "shell/world.h"

// The inventory screen (to come): the bag opens it from the main loop.
void main_invent() {}

void add_to_inventory(BITMAP* picture, const char* name, const char* line0, const char* line1,
                      const char* line2) {
  if (invent_nr < 0 || invent_nr >= kInventorySlots) return;
  BITMAP* slot = inventory_obj_bmp[invent_nr];
  if (slot && picture) {
    clear_to_color(slot, bitmap_mask_color(slot));
    stretch_blit(picture, slot, 0, 0, picture->w, picture->h, 0, 0, slot->w, slot->h);
  }
  inventory_obj[invent_nr] = name;
  inv_obj_describe[invent_nr][0] = line0;
  inv_obj_describe[invent_nr][1] = line1;
  inv_obj_describe[invent_nr][2] = line2;
  invent_nr += 1;
}

void return_carried_item() {
  if (invent_nr < 0 || invent_nr >= kInventorySlots) return;
  if (inventory_obj_bmp[invent_nr]) blit(arrow, inventory_obj_bmp[invent_nr], 0, 0, 0, 0, arrow->w, arrow->h);
  inventory_obj[invent_nr] = arrow_obj;
  for (int l = 0; l < kTextLines; ++l) inv_obj_describe[invent_nr][l] = arrow_describe[l];
  invent_nr += 1;
}
