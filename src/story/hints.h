// Help for a player who is stuck: the H key and the control panel's Hint button ask for a hint, and the hero
// says it as one of his lines (spoken, subtitled, skipped as any line). The hint is for a step of the story
// (story_table.h) that is open now: one in the current room if there is one, else the one the fewest doors
// away. The first hint for a step reminds of the goal, the next says where to look, the third what to do;
// asking again for the same step goes one level deeper, and a step done has no more hints.
//
// The game keeps the hints asked (hints_asked) and the deepest level said for each step (hint_level[]); a
// saved game keeps them in its slot's side file (persistence/hints_kept.h). Hints are off while the
// player's setting settings::hints is 0: H then does nothing and the panel shows no Hint button.
#pragma once

#include <string>

// Whether the player has hints on.
bool hints_on();

// The step a hint asked now is for: an open step in the current room (or one done in the bag), else the open
// step the fewest doors away, the first in the story's order among equals; -1 when no step is open.
int hint_step_now();
// The level (1..3) the next hint for step `step` has: one deeper than the last said, the third once reached.
int next_hint_level(int step);

// The fewest doors from room `from` to room `to` by the rooms' exits (0 for the same room), -1 when none
// leads there.
int doors_between(const char* from, const char* to);

// The main loop's part: when a hint was asked for (hint_requested, set by the H key and the panel's button)
// and hints are on, the hero says the next one and it is counted. The request is used up either way.
void answer_hint_request();

// The closing screen's note of the hints asked: "You finished with 3 hints." (one hint, a singular; none, said too).
std::string finished_with_hints(int count);
