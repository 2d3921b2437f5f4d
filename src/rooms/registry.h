// The registry of the game's 43 rooms, in their canonical order: the order in
// which every dispatcher compares names and in which the room state files are
// built at start-up.
#pragma once

struct RoomRecord {
  const char* name;        // the room's name, the key of the registry
  const char* data_file;   // its pictures
  const char* state_file;  // its state file, "sav/tmp/" + the datafile's base name + ".sav"
};

inline constexpr int kRoomCount = 43;
extern const RoomRecord kRooms[kRoomCount];

// Index of the room named `name` (compared by contents), -1 when no room has it.
int room_index(const char* name);

// Set `temp_file` to the current room's state file (unchanged for an unknown room).
void set_temp_file();
// Set `temp_file` to the state file of room number `counter7` (unchanged outside 0..42).
void save_temp_files();
// Build and write the initial state file of every room, in canonical order,
// one progress-bar step per room.
void select_init_temp();
