#include "core/story_progress.h"

#include "core/world.h"

StoryProgress story_progress() {
  const int steps[] = {story_gotaccesscard, story_adyteleskop, story_schrankoffen, story_sandalkohol, story_brokencase,
                       story_diamant,       story_teleskop,     story_gotglasses,   story_blei,        story_bleiloesung,
                       story_gotblei,       story_douche,       story_bleitank,     story_alarm};
  StoryProgress progress{0, static_cast<int>(sizeof steps / sizeof steps[0])};
  for (int step : steps) progress.done += step != 0;
  return progress;
}
