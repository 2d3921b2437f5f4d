#include "interaction/interaction.h"

// The story's rules, the objects and the persons of the rooms arrive with the
// rooms themselves; until then a pass has nothing to react to.
void storyline() {}
void furni_room() {}
void people_room() {}

#include "cutscenes/videos.h"

// The guard stops the hero at the doors of future_floor2 he may not pass.
void story_exit() {
  video_exit_floor2();
}
