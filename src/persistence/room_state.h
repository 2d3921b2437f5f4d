// Room state files: the state of every room kept between visits, one file per
// room in sav/tmp, plain text of 233,320 numbers each written "%d ":
//   for slot 0..9: furni_present, furni_anim (interleaved);
//   for slot 0..9: person_present, person_anim;
//   for person 0..9, c1 0..5, c2, c3, c4, innermost c5 0..5: the dialogue
//   node's s_call_nr, s_present, s_exit.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/world.h"

inline constexpr int kStateNumbers = 233320;

// Visits the room state in file order; `f` gets a reference to each number.
template <typename F>
void visit_room_state(F&& f) {
  for (int k = 0; k < 10; ++k) {
    f(furni_present[k]);
    f(furni_anim[k]);
  }
  for (int k = 0; k < 10; ++k) {
    f(person_present[k]);
    f(person_anim[k]);
  }
  // A tree holds its nodes in this order, c1 outermost and c5 innermost.
  for (int p = 0; p < 10; ++p)
    for (int c1 = 0; c1 < 6; ++c1)
      for (int c2 = 0; c2 < 6; ++c2)
        for (int c3 = 0; c3 < 6; ++c3)
          for (int c4 = 0; c4 < 6; ++c4)
            for (int c5 = 0; c5 < 6; ++c5) {
              TalkNode& n = talk_tree[p].node[c1][c2][c3][c4][c5];
              f(n.s_call_nr);
              f(n.s_present);
              f(n.s_exit);
            }
}


// Write the current room's state to `temp_file` (through a temporary file and
// a rename). Returns 0 on success, and then tries again every state still
// kept in memory. When it cannot be written, the file on disk is left alone
// and the state is kept in memory, where the room and a saved game find it,
// until a later write succeeds; the failure goes to bugs.txt, once per reason
// to the console, and once to the screen (storage_failed).
int save_temp();
// The current room's state as its file holds it.
std::string current_room_state_text();
// Read the state of `temp_file` (kept in memory, else the file) over the
// current room's state. A missing, short, long or garbled file, and anything
// but a regular file, change nothing, are reported in bugs.txt, and return -1.
int load_temp();
// Appends the text of a room's state to `text`: the one kept in memory after
// a failed write, else the file's. The game keeps its own copy of every state
// it wrote or loaded: a file that is missing or damaged (changed from outside)
// is rebuilt from that copy, which is then taken. False, with `why`, when
// there is neither file nor copy.
bool room_state_text(const char* file, std::string& text, std::string& why);
// The game's own copy of a room's state (null when it has none): shared, so
// a copy of all 43 for the autosave costs nothing.
std::shared_ptr<const std::string> room_state_copy(const char* file);
// A loaded game's room states become the game's own copies.
void keep_room_state_copy(const char* file, std::string_view text);
// A loaded game has replaced every room's state file: what memory kept of
// the game before is dropped.
void forget_unwritten_room_states();
// Build the initial state of the room named `room_name` and write it to the
// room's state file; one step of the start-up progress bar.
void init_temp();
// The 43 states the start-up built, kept (shared with the game's own copies,
// so they cost nothing until the game changes a room) for a new game begun
// later in the same run: put_back_start_states writes them all again.
void remember_start_states();
void put_back_start_states();
