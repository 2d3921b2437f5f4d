// What is kept beside a saved game, in a small file of its own, so that the
// slot file keeps its format byte for byte: "sav/game03.sav" has
// "sav/game03.info" (and the autosave "sav/autosave.info"), lines of
// "<name> <value>":
//   pelvaro_info 1
//   saved <seconds since 1970>   when it was saved
//   played_ms <n>                 time played on the game's clock
//   room <name>                   the registry's name of the room
//   progress <done> <total>       the story's steps
//   hints_asked <n>               the hints asked (hints_kept.h), and
//   hint_level <l0> <l1> ...       each step's deepest hint said
//   slot_bytes <n>, slot_sum <h>  size and FNV-1a sum of the slot file it describes
// It is written after its slot, through a temporary file and a rename. A side
// file that is missing, damaged, or describes another slot file (the slot was
// written again and the side file not) counts for nothing: the slot still
// lists and loads, showing the date of its file.
#pragma once

#include <string>

#include <allegro.h>

struct SlotInfo {
  bool exists = false;  // the slot file is there
  bool known = false;   // a side file describes it: the fields below are its
  long long saved_at = 0;  // seconds since 1970: the side file's, else the slot file's date
  int played_ms = 0;
  std::string room;
  int done = 0, total = 0;
  // The lines of the hints asked as the side file holds them ("hints_asked ..." and "hint_level ..."), read
  // by hints_kept.h; empty when it holds none (a side file written before it kept them).
  std::string hints;
};

// "sav/game03.sav" -> "sav/game03.info".
std::string info_path(const std::string& slot_file);
// The running game's side file for a slot about to be written, without the
// slot's size and sum (taken on the main loop's side).
std::string describe_running_game();
// Writes the side file of `slot_file` from the description and the packed
// slot as written. 0 on success; `why` otherwise.
int write_slot_info(const std::string& slot_file, const std::string& description, const std::string& packed,
                    std::string& why);
// What is known of the slot file `slot_file`.
SlotInfo read_slot_info(const std::string& slot_file);
// The picture of the room kept beside a slot: "sav/game03.bmp", 160 x 120,
// a BMP (the library reads and writes it itself; no other package is needed
// for a picture this small). Written through a temporary file and a rename;
// a slot without it (or with a damaged one) still lists and loads.
std::string thumbnail_path(const std::string& slot_file);
inline constexpr int kThumbnailWidth = 160;
inline constexpr int kThumbnailHeight = 120;
// `room` scaled down and written as the thumbnail of `slot_file`; 0 on
// success, `why` otherwise.
int write_thumbnail(const std::string& slot_file, BITMAP* room, std::string& why);
// Removes the side file of `slot_file`, its picture, and an older hints file beside it.
void remove_slot_info(const std::string& slot_file);
