// The story as a table: every step the hero must take to reach the time machine, in the order the story tells
// it, each with the room it is done in, the test of whether the world shows it done, the steps that must be
// done before it, and the three hints the hero gives when the player is stuck on it. This table is the one
// place where the story's order is written: the hints read it, and so does the finisher of the tests.
#pragma once

#include <vector>

// One thing to do, as the third hint says it, written so that a program can read it:
//   talk      talk to person `target` and choose the sentences in `item` ("3 3.1 3.1.1"), each in its menu
//   take      take piece `target`
//   use       use piece `target`
//   use_item  use the item `item` (from the bag) on piece `target`
//   give      give the item `item` to person `target`
//   set       set the levers whose names begin with `target` ("schalter1...", "schalter2...") to the positions
//             in `item` ("2 1 2": 0 up, 1 middle, 2 down)
//   combine   put together, in the bag, the items listed in `item` (what they become included) until `target`
//             is made: each time the first two held that go together
struct StoryMove {
  const char* verb;
  const char* target;
  const char* item = "";
};

// A hint: one or two lines the hero says.
struct HintLines {
  const char* line0;
  const char* line1 = "";
};

inline constexpr int kHintLevels = 3;  // the goal, where to look, the answer

struct StoryStep {
  const char* name;
  const char* room;                 // where it is done; nullptr: anywhere (in the bag)
  std::vector<const int*> flags;    // done when one of these story flags is 1,
  std::vector<const char*> items;   // or when one of these items is held (in the bag or on the pointer)
  std::vector<const char*> after;   // the steps that must be done before this one can be
  HintLines hints[kHintLevels];     // the goal, where to look or what to bring together, the answer
  std::vector<StoryMove> moves;     // what the answer says to do
};

// The steps in the story's order.
const std::vector<StoryStep>& story_steps();
// The step of this name; -1 for none.
int story_step_index(const char* name);

// Whether the world shows step `i` done; whether it is open (not done, every step it comes after done).
bool story_step_done(int i);
bool story_step_open(int i);

// The item is in the bag or on the pointer.
bool holding_item(const char* item);
