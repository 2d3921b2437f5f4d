// The item catalogue: every thing the hero can carry, by its name, with its
// picture and its three description lines.
//
// Items that are not a room's piece show a picture of "objects.dat" (named by
// its manifest entry); a piece taken from a room shows its own first frame from
// that room's datafile and, unless the catalogue says otherwise, its own look
// lines, both read from the room's table. Every way an item reaches the bag or
// the pointer, and the rebuilding of the slots after a saved game is loaded,
// asks this one table.
#pragma once

#include <allegro.h>

#include "core/data_manifest.h"

struct RoomScript;
struct FurniState;

// One row of the catalogue.
struct Item {
  const char* name;
  // The picture in "objects.dat", or kPiecePicture: the piece's own frame 0.
  int picture;
  // The room and piece it is taken from, where it is a room's piece (else null).
  const char* room;
  const char* piece;
  // Its description; a null first line takes the piece's own three lines.
  const char* lines[3];
};
inline constexpr int kPiecePicture = -1;

// The catalogue's rows, in no particular order.
const Item* item_rows(int* count);

// What the catalogue says of the item `name`: picture and description.
struct ItemLook {
  bool known = false;
  const char* name = nullptr;         // the catalogue's own constant text of the name
  int objects_entry = kPiecePicture;  // entry of "objects.dat", or kPiecePicture
  const RoomScript* room = nullptr;   // for a piece's own picture
  int room_object = -1;               // its frame 0 in the room's datafile
  const char* lines[3] = {"", "", ""};
};
// Items of the table first, then any takeable piece of any room by its name.
ItemLook look_up_item(const char* name);

// The item a piece of a room becomes when it is taken, where the catalogue
// names one (null when the piece is carried as itself).
const char* item_of_piece(const char* room, const char* piece);

// Draws the item's picture stretched over `target` (cleared to the mask colour
// first). False, leaving it cleared, for an unknown item or a missing picture.
bool draw_item_picture(const char* name, BITMAP* target);

// Adds the item `name` to the bag from the catalogue. False when the bag is full
// (the hero says so) or the catalogue does not know the name.
bool give_item(const char* name);
// Hangs the item `name` on the pointer (arrow, arrow_obj, arrow_describe) from
// the catalogue; the caller sets the cursor mode.
void hold_item(const char* name);
