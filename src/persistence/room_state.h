// Room state files: the state of every room kept between visits, one file per
// room in sav/tmp, plain text of 233,320 numbers each written "%d ":
//   for slot 0..9: furni_present, furni_anim (interleaved);
//   for slot 0..9: person_present, person_anim;
//   for person 0..9, c1 0..5, c2, c3, c4, innermost c5 0..5: the dialogue
//   node's s_call_nr, s_present, s_exit.
#pragma once

inline constexpr int kStateNumbers = 233320;

// Write the current room's state to `temp_file` (through a temporary file and
// a rename). Returns 0 on success.
int save_temp();
// Read `temp_file` over the current room's state. A missing, short, long or
// garbled file changes nothing, is reported in bugs.txt, and returns -1.
int load_temp();
// Build the initial state of the room named `room_name` and write it to the
// room's state file; one step of the start-up progress bar.
void init_temp();
