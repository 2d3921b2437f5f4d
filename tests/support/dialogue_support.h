// Helpers of the dialogue tests: a headless game standing in a room, and the checks every conversation table
// must pass.
#pragma once
#include <string>
#include <vector>
namespace dialogue_support {
// A fresh headless game with the start-up data loaded, the new game's variables set and `room` loaded as a
// room change does.
void stand_in_room(const char* room);
void load_font();  // just the game font in pv_font (and a frame buffer), for text checks

// What is wrong with the conversation trees in the tables, one message per fault naming room, person, node
// and line: a sentence deeper than four levels, a line wider than the band from x 40 to x 600, a sentence
// whose parent holds none, or one that counts below 1.
std::vector<std::string> talk_tree_problems(const char* room);
// A row of the room's override table that changes a node without a sentence.
std::vector<std::string> talk_override_problems(const char* room);
// The width check for one line of any other text said in `room` (`what` says
// whose text it is); "" when it fits.
std::string line_problem(const char* room, const std::string& what, const char* line);
}  // namespace dialogue_support
