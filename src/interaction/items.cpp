#include "interaction/items.h"

#include <cstring>

#include "core/datafiles.h"
#include "core/tr.h"
#include "core/world.h"
#include "interaction/inventory.h"
#include "rooms/registry.h"

namespace {

using manifest::Objects;

constexpr int obj(Objects e) {
  return manifest::at(e);
}

// Every item the story hands out or makes, and the pieces whose picture or
// description the story gives anew. Any other takeable piece of a room is an
// item too, with its own picture and look lines (look_up_item).
const Item kItems[] = {
    {"rolle", obj(Objects::rolling_pin), nullptr, nullptr,
     {TR("Mamas Nudelholz ist für mich wie ein Schweizer Messer.", "Mum's rolling pin is my allrounder tool."), "",
      ""}},
    // The canister of the old physics room: its own picture, its own lines.
    {"kanister", obj(Objects::canister), "physik", "kanister", {nullptr, nullptr, nullptr}},
    {"tool", obj(Objects::screwdriver), "future_floor15", "tool",
     {TR("Ein stabiler Schraubenzieher.", "A screwdriver."), "", ""}},
    {"guitar", kPiecePicture, "future_physik", "guitar",
     {TR("Yeah... so eine Gitarre habe ich mir schon immer", "I always wanted to own an eletric guitar."),
      TR("gewünscht.", ""), ""}},
    {"Gaz", obj(Objects::gas_bottle), "future_biolog", "gaz",
     {TR("Eine Flasche mit brennbarem Gas.", "A bottle with combustible gas."), "", ""}},
    {"schlauch", kPiecePicture, "future_biolog", "schlauch", {nullptr, nullptr, nullptr}},
    // The English build says what the piece itself says when looked at.
    {"Bunsenbrenner", obj(Objects::bunsen_burner), "future_chimietp", "bunsen",
     {TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", nullptr),
      TR("Gerät erzeugt Flammen mit sehr hohen Temperaturen.", nullptr), ""}},
    {"Alkohol", obj(Objects::alcohol), "future_chimietp", "alkohol",
     {TR("Eine Flasche mit hochprozentigem Inhalt.", nullptr), "", ""}},
    {"diamond", obj(Objects::diamond), "future_chimie", "dia",
     {TR("Das ist ein Diamant. Der sieht nicht gerade billig aus.", nullptr), "", ""}},
    {"Limonade", obj(Objects::lemonade), nullptr, nullptr,
     {TR("Eine Flasche Ice-Tea.", "It's a bottle of Ice-Tea."), "", ""}},
    {"access", obj(Objects::access_card), nullptr, nullptr,
     {TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card."), "", ""}},
    {"glasses", obj(Objects::glasses), nullptr, nullptr,
     {TR("Eine wasserdichte Schutzbrille.", "Waterproof security glasses."), "", ""}},
    {"bleiloesung", obj(Objects::lead_solution), nullptr, nullptr,
     {TR("Eine Bleilösung zum Schutz vor radioaktiver", "A dilution that contains lead and protects against"),
      TR("Strahlung.", "radiation."), ""}},
    {"Blei", obj(Objects::lead_pipe), nullptr, nullptr, {TR("Ein Rohr aus Blei.", "A lead conduit."), "", ""}},
    {"Gaz_Schlauch", obj(Objects::gas_with_hose), nullptr, nullptr,
     {TR("Eine Gasflasche deren Ventil mit einem Schlauch", "A bottle of gas. It's valve is linked to a hose."),
      TR("verbunden ist.", ""), ""}},
    {"Bunsen_Schlauch", obj(Objects::burner_with_hose), nullptr, nullptr,
     {TR("Ein Bunsenbrenner dessen Ventil mit einem Schlauch", "A bunsen burner. It's valve is linked to a hose."),
      TR("verbunden ist.", ""), ""}},
    {"Schweissbrenner", obj(Objects::welding_torch), nullptr, nullptr,
     {TR("Dieser improvisierte Schweißbrenner ist das Werk", "This blowpipe is the work of a genius."),
      TR("eines Genies.", ""), ""}},
};

bool same(const char* a, const char* b) {
  return a && b && std::strcmp(a, b) == 0;
}

// The first state-0 row (else any row) of a takeable piece named `piece`,
// in room `room` (or in any room when `room` is null).
const FurniState* takeable_piece(const char* room, const char* piece, const RoomScript** found_in) {
  const FurniState* any = nullptr;
  for (const RoomScript* script : kRooms) {
    if (room && !same(script->name, room)) continue;
    for (const FurniState& row : script->furniture) {
      if (row.take != 1 || !same(row.name, piece)) continue;
      if (!any || (row.state == 0 && any->state != 0)) {
        any = &row;
        *found_in = script;
      }
    }
    if (any) return any;
  }
  return nullptr;
}

BITMAP* objects_picture(int entry) {
  if (!objects_dat || entry < 0 || entry >= manifest::kObjectsFile.entries) return nullptr;
  if (objects_dat[entry].type != DAT_BITMAP) return nullptr;
  return static_cast<BITMAP*>(objects_dat[entry].dat);
}

void stretch_into(BITMAP* picture, BITMAP* target) {
  stretch_blit(picture, target, 0, 0, picture->w, picture->h, 0, 0, target->w, target->h);
}

}  // namespace

const Item* item_rows(int* count) {
  *count = static_cast<int>(sizeof kItems / sizeof kItems[0]);
  return kItems;
}

const char* item_of_piece(const char* room, const char* piece) {
  if (!room || !piece) return nullptr;
  for (const Item& row : kItems)
    if (row.room && same(row.room, room) && same(row.piece, piece)) return row.name;
  return nullptr;
}

ItemLook look_up_item(const char* name) {
  ItemLook look;
  if (!name) return look;
  const Item* item = nullptr;
  for (const Item& row : kItems)
    if (same(row.name, name)) item = &row;
  const RoomScript* room = nullptr;
  const FurniState* piece = item ? (item->room ? takeable_piece(item->room, item->piece, &room) : nullptr)
                                 : takeable_piece(nullptr, name, &room);
  if (!item && !piece) return look;
  look.known = true;
  look.name = item ? item->name : piece->name;
  look.objects_entry = item ? item->picture : kPiecePicture;
  if (piece) {
    look.room = room;
    look.room_object = piece->frames.empty() ? -1 : piece->frames[0].object;
  }
  const bool own_lines = item && item->lines[0] != nullptr;
  for (int l = 0; l < kTextLines; ++l) {
    const char* line = own_lines ? item->lines[l] : (piece ? piece->text[l] : nullptr);
    look.lines[l] = line ? line : "";
  }
  // What is left of the lead solution once the tank is filled is described
  // anew; the story's flag says so, so a loaded game tells it the same way.
  if (same(look.name, "bleiloesung") && story_bleitank == 1) {
    look.lines[0] = TR("Eine Bleilösung die gegen radioaktive", "A lead dilution that protects against radiation.");
    look.lines[1] = TR("Strahlung schützt.", "");
    look.lines[2] = "";
  }
  return look;
}

bool draw_item_picture(const char* name, BITMAP* target) {
  if (!target) return false;
  clear_to_color(target, bitmap_mask_color(target));
  const ItemLook look = look_up_item(name);
  if (!look.known) return false;
  if (look.objects_entry != kPiecePicture) {
    BITMAP* picture = objects_picture(look.objects_entry);
    if (picture) stretch_into(picture, target);
    return picture != nullptr;
  }
  if (!look.room || look.room_object < 0) return false;
  // The piece's picture is in its room's datafile: the one loaded when the
  // hero is in that room, else that file read for the moment.
  const bool here = room_dat && same(room_name, look.room->name);
  DATAFILE* dat = here ? room_dat : load_datafile_checked(look.room->data_file, look.room_object + 1);
  stretch_into(datafile_bitmap(dat, look.room_object, look.room->data_file), target);
  if (!here) unload_datafile(dat);
  return true;
}

bool give_item(const char* name) {
  const ItemLook look = look_up_item(name);
  if (!look.known) return false;
  const int slot = invent_nr;
  if (!add_to_inventory(nullptr, look.name, look.lines[0], look.lines[1], look.lines[2])) return false;
  draw_item_picture(look.name, inventory_obj_bmp[slot]);
  return true;
}

void hold_item(const char* name) {
  const ItemLook look = look_up_item(name);
  arrow_obj = look.known ? look.name : name;
  for (int l = 0; l < kTextLines; ++l) arrow_describe[l] = look.lines[l];
  draw_item_picture(name, arrow);
}
