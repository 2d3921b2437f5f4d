#include "story/story_progress.h"

#include "story/story_table.h"

StoryProgress story_progress() {
  const int total = static_cast<int>(story_steps().size());
  StoryProgress progress{0, total};
  for (int i = 0; i < total; ++i) progress.done += story_step_done(i);
  return progress;
}
