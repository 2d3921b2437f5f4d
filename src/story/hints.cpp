#include "story/hints.h"

#include <deque>
#include <vector>

#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "rooms/registry.h"
#include "story/story_table.h"

bool hints_on() { return settings::hints == 1; }

int doors_between(const char* from, const char* to) {
  const int start = room_index(from), goal = room_index(to);
  if (start < 0 || goal < 0) return -1;
  std::vector<int> doors(kRoomCount, -1);
  std::deque<int> todo{start};
  doors[static_cast<size_t>(start)] = 0;
  while (!todo.empty()) {
    const int at = todo.front();
    todo.pop_front();
    if (at == goal) return doors[static_cast<size_t>(at)];
    for (const ExitDef& e : kRooms[at]->exits) {
      const int next = room_index(e.target);
      if (next < 0 || doors[static_cast<size_t>(next)] >= 0) continue;
      doors[static_cast<size_t>(next)] = doors[static_cast<size_t>(at)] + 1;
      todo.push_back(next);
    }
  }
  return -1;
}

int hint_step_now() {
  int best = -1, best_doors = 0;
  for (int i = 0; i < static_cast<int>(story_steps().size()); ++i) {
    if (!story_step_open(i)) continue;
    const char* room = story_steps()[static_cast<size_t>(i)].room;
    const int doors = room ? doors_between(room_name, room) : 0;  // a step done in the bag is done here
    if (doors < 0) continue;
    if (best < 0 || doors < best_doors) best = i, best_doors = doors;
  }
  return best;
}

int next_hint_level(int step) {
  if (step < 0 || step >= kMaxStorySteps) return 1;
  return hint_level[step] < kHintLevels ? hint_level[step] + 1 : kHintLevels;
}

void answer_hint_request() {
  if (hint_requested == 0) return;
  hint_requested = 0;
  if (!hints_on()) return;
  const int step = hint_step_now();
  if (step < 0) {
    standard_remark(TR("Ich weiß schon, was ich zu tun habe.", "I know what I have to do."));
    return;
  }
  const int level = next_hint_level(step);
  hint_level[step] = level;
  hint_step = step;
  ++hints_asked;
  const HintLines& hint = story_steps()[static_cast<size_t>(step)].hints[level - 1];
  standard_remark(hint.line0, hint.line1);
}

std::string finished_with_hints(int count) {
  const std::string n = std::to_string(count);
  if (count == 1) return TR("Du hast es mit 1 Tipp geschafft.", "You finished with 1 hint.");
  return TR("Du hast es mit ", "You finished with ") + n + TR(" Tipps geschafft.", " hints.");
}
