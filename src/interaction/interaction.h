// Objects, persons and the story rules the main loop runs every pass.
#pragma once

void storyline();   // the story check, first thing in every pass
void furni_room();  // clicks on the room's objects
void people_room(); // clicks on the room's persons
