// The hint-only player: from New game, a player who knows nothing of the story presses H until the hero has said
// the third hint of a step, then does only what that hint says (the moves the story's table writes beside its
// text), finding the room it names through the doors by itself; again and again, to the closing screen.
#pragma once
#include <string>
#include <vector>

namespace story {
struct HintRun {
  int status = 0;           // the program's exit status (1: the closing screen ended it)
  int steps = 0;            // steps played by a third hint
  int hints = 0;            // H pressed and answered
  std::vector<std::string> said;  // "step level" of each hint said, in order
};
HintRun play_by_hints();

// What is wrong with the hint a player would be given now: "" when it is for a step open now whose answer can be
// followed (every item its moves carry is held; of the items it puts together, two are).
std::string hint_trouble();
}  // namespace story
