// The story as steps, each with its room and a test of whether the world shows it done: the finisher plays what
// is left from any state to the closing screen; it takes the steps, their rooms and whether each is done from the
// game's story table (story/story_table.h) and keeps only their moves. The random player plays a seeded run of
// mixed actions and after each checks that no item the story still needs has vanished and that a hint asked then
// would be for an open step (hint_player.h).
#pragma once
#include <map>
#include "headless_driver/story_player.h"

namespace story {
// Plays every step not done yet, in order; `after` runs after the step of its name (when it was played). Ends
// with the program (exit status 1) when the story could be finished.
void finish(Player& p, const std::map<std::string, std::function<void(Player&)>>& after = {});

// Walks the hero to `room` by a shortest way through the rooms' doors, trying another where a door is shut.
void go_to(Player& p, const char* room);

// The first item the story still needs that is neither held, nor in its room, nor still to be got; "" for none.
std::string lost_item();

// A new program in a fresh folder through the main menu: New game, or Continue with the autosave of the
// folder left behind. -2 when it stands in the main loop as planned.
int new_game();
// How far each clock read of the programs started from now on moves the game (3 ms unless set).
void set_clock_step(int ms);
int continue_in_new_program();

// One random run: `actions` actions from a new game, then the finisher. The outcome: 1 when the closing screen
// ended the program, else what went wrong; `log` holds the actions, each with the game time it was made at.
struct Run {
  int status = 0;
  std::string trouble;  // "" when the finisher reached the closing screen
  std::vector<std::string> log;
  int closes = 0;
};
Run random_run(unsigned seed, int actions);

// The moments to close the window at: every shot and every turn of a conversation (menu, sentence, reply),
// counted within each step of the story played from a new game. `kept` gets, for each step, the game kept
// (the autosave) just before it.
std::map<std::string, int> close_moments(std::map<std::string, std::string>& kept);
// How a close and Continue ended: the closing screen reached, the step never at that moment (nothing was
// closed), or a dead end, with what went wrong.
struct CloseResult {
  enum class Outcome { finished, not_reached, dead_end } outcome = Outcome::finished;
  std::string trouble;  // for a dead end
};
// From the game `kept` before `step`, the window closed at its moment `moment`, Continue in a new program, and
// the finisher.
CloseResult close_and_continue(const std::string& kept, const std::string& step, int moment);
}  // namespace story
