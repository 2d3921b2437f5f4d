// Rooms on screen: loading a room and its object tables, leaving and
// entering rooms, and the walk click.
#pragma once

#include "rooms/room_script.h"

// Mark every slot's animation as not loaded (-1), so that the next room load
// defines every piece and person.
void forget_loaded_animations();
// Replace the shown room by the room named `room_name`. A name outside the
// registry is refused and the current room stays.
void load_new_room();
// Whether load_new_room loads the room's pictures (the default). Building the
// rooms' first state files at start-up needs none of them: what a state file
// holds never depends on a picture, and unpacking 43 rooms' pictures would
// cost most of the start-up. Without them a room's frames are null and it is
// not drawn until it is loaded again.
void load_room_pictures(bool wanted);
// Clear slot i of the furniture, slot j of the person or slot k of the exit
// tables; the animation ones select the slot's animation 0 and mark none loaded.
void erase_furni_data(int i);
void erase_person_data(int j);
void erase_exit_data(int k);
void erase_furni_anim_data(int i);
void erase_npc_anim_data(int j);
// Frame corners and default mouse-over box of furniture slot i / person slot j.
void set_furni_coor(int i);
void set_person_coor(int j);
// Redefine the first present piece whose state the story changed.
void load_furni_anim();
void load_person_anim();
// The generic furni_ and people_ hooks, reading a room's tables.
void furni_from_record(const RoomScript& room);
void people_from_record(const RoomScript& room);

// Scene handlers of the main loop: exits and room changes (room_change.cpp),
// and last the walk click (walk_click.cpp).
void leave_room();
void door_closed();
void enter_new_room();
// Counts the rooms entered in `rooms_entered`: the main loop keeps the game in
// the autosave at the first quiet point after each (game/closing.h).
// Build the room named room_name afresh from its script, rebuild its
// conversations, and read its state file back over it (entering a room,
// starting a game).
void build_room_from_state();
void going();
// Run after the walk click: an errand ends with the walk (see walk_click.cpp).
void drop_stranded_errand();
