#include "rooms/registry.h"
#include "interaction/interaction.h"
#include "shell/cursor.h"
#include "shell/world.h"

// The story's rules, first thing in every pass: for now those of the room the
// hero is in.
void storyline() {
  room_story();
}

// Pointing at an interactive piece offers to look at it (or to use the held
// item on it). What a click on it does comes with the pieces' own handling.
void furni_room() {
  for (counter = 0; counter < furni_nr; ++counter) {
    if (furni_interact[counter] != 1) continue;
    mouse_over_furni();
    if (furni_mouse_over[counter] == 1 && force_cursor == kVerbFree)
      mouse_status = carrying_item() ? kModeItemOnTarget : kModeLook;
  }
}

// Pointing at a person offers to talk (or to give the held item).
void people_room() {
  for (counter = 0; counter < person_nr; ++counter) {
    if (person_interact[counter] != 1) continue;
    mouse_over_person();
    if (person_mouse_over[counter] == 1 && force_cursor == kVerbFree)
      mouse_status = carrying_item() ? kModeItemOnTarget : kModeTalk;
  }
}

