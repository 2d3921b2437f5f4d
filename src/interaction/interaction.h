// Objects, persons and the story rules the main loop runs every pass.
#pragma once

void storyline();   // the story check, first thing in every pass
void furni_room();  // pointing at and clicking the room's pieces, and the errands to them
void people_room(); // pointing at and clicking the room's persons, and the errands to them

// The taking animation for the piece of the take errand (core/errand.h) in
// pose take_direction: the piece is lifted onto the pointer at the
// animation's eighth frame, which then plays to its end.
void taking();

// What the story does when the hero arrives at the piece of his errand:
// taking it (false when no rule is for it and the ordinary take goes on),
// using it, using the carried item use_obj on it. Each asks the room's rules
// first; without one the hero refuses a use.
bool story_take();
void story_gear();
void story_use();
