#include <allegro.h>

#include "interaction/inventory.h"

#include <cstring>

#include "rooms/registry.h"
#include "shell/tr.h"
#include "shell/world.h"

namespace {

// The items that come from objects.dat: the entry of objects_bmp that shows
// each, and its description; "piece" names the room piece whose lines
// describe it (taken from a room), when it has no lines of its own here.
struct Item {
  const char* name;
  int picture;
  const char* piece;
  const char* line[kTextLines];
};
const Item kItems[] = {
    {"kanister", 0, "kanister", {}},
    {"Gaz", 1, nullptr, {TR("Eine Flasche mit brennbarem Gas.", "A bottle with combustible gas."), "", ""}},
    {"access", 2, nullptr, {TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card."), "", ""}},
    {"rolle", 3, nullptr,
     {TR("Mamas Nudelholz ist fuer mich wie ein Schweizer Messer.", "Mum's rolling pin is my allrounder tool."), "",
      ""}},
    {"tool", 4, nullptr, {TR("Ein stabiler Schraubenzieher.", "A screwdriver."), "", ""}},
    {"Bunsenbrenner", 5, "bunsen", {}},
    {"Alkohol", 6, "alkohol", {}},
    {"Limonade", 7, nullptr, {TR("Eine Flasche Ice-Tea.", "It's a bottle of Ice-Tea."), "", ""}},
    {"Bunsen_Schlauch", 8, nullptr,
     {TR("Ein Bunsenbrenner dessen Ventil mit einem Schlauch", "A bunsen burner. It's valve is linked to a hose."),
      TR("verbunden ist.", ""), ""}},
    {"Gaz_Schlauch", 9, nullptr,
     {TR("Eine Gasflasche deren Ventil mit einem Schlauch", "A bottle of gas. It's valve is linked to a hose."),
      TR("verbunden ist.", ""), ""}},
    {"Schweissbrenner", 10, nullptr,
     {TR("Dieser improvisierte Schweissbrenner ist das Werk", "This blowpipe is the work of a genius."),
      TR("eines Genies.", ""), ""}},
    {"Blei", 11, nullptr, {TR("Ein Rohr aus Blei.", "A lead conduit."), "", ""}},
    {"diamond", 12, "dia", {}},
    {"glasses", 13, nullptr, {TR("Eine wasserdichte Schutzbrille.", "Waterproof security glasses."), "", ""}},
    {"bleiloesung", 14, nullptr,
     {TR("Eine Bleiloesung zum Schutz vor radioaktiver", "A dilution that contains lead and protects against"),
      TR("Strahlung.", "radiation."), ""}},
};

// The first row of any room's furniture tables that has this name.
const FurniState* room_piece(const char* name) {
  for (const RoomScript* room : kRooms)
    for (const FurniState& row : room->furniture)
      if (row.name && std::strcmp(row.name, name) == 0) return &row;
  return nullptr;
}

}  // namespace

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

void invent_bitmaps() {
  for (int k = 0; k < kInventorySlots; ++k) {
    BITMAP*& slot = inventory_obj_bmp[k];
    if (!slot) slot = create_bitmap(40, 40);
    if (slot) clear_to_color(slot, bitmap_mask_color(slot));
    for (int l = 0; l < kTextLines; ++l) inv_obj_describe[k][l] = "";
    if (k >= invent_nr || !inventory_obj[k]) continue;
    const char* name = inventory_obj[k];
    const Item* item = nullptr;
    for (const Item& i : kItems)
      if (std::strcmp(i.name, name) == 0) item = &i;
    if (item && slot && objects_bmp[item->picture]) {
      BITMAP* picture = objects_bmp[item->picture];
      stretch_blit(picture, slot, 0, 0, picture->w, picture->h, 0, 0, slot->w, slot->h);
    }
    const FurniState* piece = room_piece(item && item->piece ? item->piece : name);
    for (int l = 0; l < kTextLines; ++l) {
      const char* line = item && !item->piece ? item->line[l] : piece ? piece->text[l] : nullptr;
      inv_obj_describe[k][l] = line ? line : "";
    }
  }
  // The lead solution says what it is for once the tank is filled with it.
  for (int k = 0; k < invent_nr; ++k)
    if (story_bleitank == 1 && inventory_obj[k] && std::strcmp(inventory_obj[k], "bleiloesung") == 0) {
      inv_obj_describe[k][0] = TR("Eine Bleiloesung die gegen radioaktive", "A lead dilution that protects against radiation.");
      inv_obj_describe[k][1] = TR("Strahlung schuetzt.", "");
    }
}
