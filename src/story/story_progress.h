// How far the story has come, for the slot screens: "7 of 20 steps".
#pragma once

struct StoryProgress {
  int done;
  int total;
};

// The steps of the story table done, of all its steps.
StoryProgress story_progress();
