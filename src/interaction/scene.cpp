#include "interaction/interaction.h"
#include "cutscenes/videos.h"
#include "rooms/registry.h"
#include "shell/world.h"

// The story's rules, first thing in every pass: for now those of the room the
// hero is in.
void storyline() {
  room_story();
  if (story_douche == 1) video_time_machine();
}
