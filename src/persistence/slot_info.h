// What is kept beside a saved game, in a small file of its own, so that the
// slot file keeps its format byte for byte: "sav/game03.sav" has
// "sav/game03.info" (and the autosave "sav/autosave.info"), lines of
// "<name> <value>":
//   pelvaro_info 1
//   saved <seconds since 1970>   when it was saved
//   played_ms <n>                 time played on the game's clock
//   room <name>                   the registry's name of the room
//   progress <done> <total>       the story's steps
//   slot_bytes <n>, slot_sum <h>  size and FNV-1a sum of the slot file it describes
// It is written after its slot, through a temporary file and a rename. A side
// file that is missing, damaged, or describes another slot file (the slot was
// written again and the side file not) counts for nothing: the slot still
// lists and loads, showing the date of its file.
#pragma once

#include <string>

struct SlotInfo {
  bool exists = false;  // the slot file is there
  bool known = false;   // a side file describes it: the fields below are its
  long long saved_at = 0;  // seconds since 1970: the side file's, else the slot file's date
  int played_ms = 0;
  std::string room;
  int done = 0, total = 0;
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
// Removes the side file of `slot_file`.
void remove_slot_info(const std::string& slot_file);
