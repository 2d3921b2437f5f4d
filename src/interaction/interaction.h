// Objects, persons and the story rules the main loop runs every pass.
#pragma once

void storyline();   // the story check, first thing in every pass
void furni_room();  // clicks on the room's objects
void people_room(); // clicks on the room's persons
// The story's rule for an exit the hero reached (the guarded doors of future_floor2).
void story_exit();
