// The registry of the game's 43 rooms, in their canonical order: the order in
// which every dispatcher compares names and in which the room state files are
// built at start-up.
#pragma once

#include "rooms/room_script.h"

inline constexpr int kRoomCount = 43;
extern const RoomScript* const kRooms[kRoomCount];

// Index of the room named `name` (compared by contents), -1 when no room has it.
int room_index(const char* name);
// The script of the room named `room_name`, null for a name outside the registry.
const RoomScript* current_room();

// What the player is shown piece i, person j or exit k of the current room is
// called (the room tables' labels, an exit's room's title); null when it has
// no name to show.
const char* piece_label(int i);
const char* person_label(int j);
const char* exit_label(int k);

// Set `temp_file` to the current room's state file (unchanged for an unknown room).
void set_temp_file();
// Set `temp_file` to the state file of room number `room` (unchanged outside 0..42).
void save_temp_files(int room);
// Build and write the initial state file of every room, in canonical order,
// one progress-bar step per room.
void select_init_temp();

// The dispatchers: each calls one hook of the current room; a name outside
// the registry calls nothing. load_room runs the five loading hooks and then
// records the states the tables now hold; load_furni_room and
// load_people_room record theirs.
void load_room();
void allow_click();
void allow_walk();
void extra_click();
void load_furni_room();
void load_people_room();
void set_data_file();
// talking_room stores the room's table of lines, s_extra applies its table
// of overrides (dialogue/talk_data.h).
void talking_room();
void s_extra();
void cond_sent();
void detect_cons_sent();
void cons_sent();
// The gift: the carried item given to person talk_nr (the room's give rules).
void give_room();

// What the hero does to piece (or person) `slot` of the current room: the
// room's first matching rule, else the standard answer of the interaction
// module. True when that answered; false when the ordinary action goes on
// (taking a piece that can be taken, talking to a person who talks).
bool piece_verb(Verb verb, int slot);
bool person_verb(Verb verb, int slot);
// Only the rules (the room's own, then those every room shares) for piece
// `slot`: true when one answered, false when none is for it.
bool piece_rule_answers(Verb verb, int slot);
// The room's own story checks, its rule on entering, and its rule for the
// exit the hero has reached (story_exit: it may clear the leave errand).
void room_story();
void room_entered();
void story_exit();
