// How far the story has come, for the slot screens: "7 of 14 steps".
#pragma once

struct StoryProgress {
  int done;
  int total;
};

// Counts the story flags of world.h that mark a step of the story done (the
// two that only carry a scene from one pass to the next are no steps).
StoryProgress story_progress();
