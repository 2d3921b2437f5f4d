#include "interaction/interaction.h"
#include "rooms/registry.h"

// The story's rules, first thing in every pass: for now those of the room the
// hero is in.
void storyline() {
  room_story();
}
