// Helpers of the dialogue tests: a headless game standing in a room, and the checks every conversation table
// must pass.
#pragma once
#include <string>
#include <vector>
#include "headless_driver/driver.h"
namespace dialogue_support {
using driver::stand_in_room, driver::load_font;  // a game standing in a room; the game font alone

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
