#include "support/hint_player.h"
#include <cstring>
#include <sstream>
#include "core/world.h"
#include "game/game.h"
#include "platform/headless.h"
#include "story/hints.h"
#include "story/story_table.h"
#include "support/finisher.h"
#include "support/test_support.h"

namespace story {
namespace {
std::vector<std::string> words(const char* text) {
  std::istringstream in(text ? text : "");
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// H, then passes until the hero has said the hint; the step it was for.
int ask_for_hint(HintRun& run) {
  const int before = hints_asked;
  headless::key_at(headless::now() + 2, (KEY_H << 8) | 'h');
  headless::set_time_limit(headless::now() + 60000);
  while (hints_asked == before || !idle()) main_loop_pass();
  ++run.hints;
  run.said.push_back(std::string(story_steps()[static_cast<size_t>(hint_step)].name) + " " +
                     std::to_string(hint_level[hint_step]));
  return hint_step;
}

// The levers whose names begin with `prefix` and a number, to the positions given (a use moves one 0 -> 2 -> 1 -> 0).
void set_levers(Player& p, const std::string& prefix, const std::vector<std::string>& want) {
  for (size_t k = 0; k < want.size(); ++k) {
    const std::string lever = prefix + std::to_string(k + 1);
    int slot = -1;
    for (int i = 0; i < furni_nr; ++i)
      if (std::strncmp(furni_name[i], lever.c_str(), lever.size()) == 0) slot = i;
    if (slot < 0) give_up("no lever " + lever);
    for (int n = 0; n < 3 && furni_anim[slot] != std::stoi(want[k]); ++n) p.use(std::string(furni_name[slot]).c_str());
  }
}

// The items listed put together, each time the first two held, until `made` is held.
void combine_until(Player& p, const char* made, const std::vector<std::string>& items) {
  for (int tries = 0; !holds(made); ++tries) {
    bool done = false;
    for (size_t i = 0; i < items.size() && !done; ++i)
      for (size_t j = i + 1; j < items.size() && !done; ++j)
        if (holds(items[i].c_str()) && holds(items[j].c_str())) p.combine(items[i].c_str(), items[j].c_str()), done = true;
    if (!done || tries > 4) give_up(std::string("nothing held goes together into ") + made);
  }
}

void play_move(Player& p, const StoryMove& m) {
  const std::string verb = m.verb;
  if (verb == "talk") return p.talk(m.target, words(m.item));
  if (verb == "take") return p.take(m.target);
  if (verb == "use") return p.use(m.target);
  if (verb == "use_item") return p.use_item(m.item, m.target);
  if (verb == "give") return p.give(m.item, m.target);
  if (verb == "set") return set_levers(p, m.target, words(m.item));
  if (verb == "combine") return combine_until(p, m.target, words(m.item));
  give_up("a move the player cannot read: " + verb);
}
}  // namespace

std::string hint_trouble() {
  const int step = hint_step_now();
  if (step < 0) return "no step is open for a hint";
  const StoryStep& s = story_steps()[static_cast<size_t>(step)];
  if (!story_step_open(step)) return std::string("the hint is for \"") + s.name + "\", which is not open";
  for (const StoryMove& m : s.moves) {
    const std::string verb = m.verb;
    int held = 0;
    for (const std::string& item : words(m.item)) held += holds(item.c_str());
    if (((verb == "use_item" || verb == "give") && held == 0) || (verb == "combine" && held < 2))
      return std::string("the answer for \"") + s.name + "\" carries " + m.item + ", which is not held";
  }
  return "";
}

HintRun play_by_hints() {
  HintRun run;
  if ((run.status = new_game()) != -2) return run;
  Player p;
  run.status = test_support::run_program([&] {
    for (;;) {
      p.settle();
      int step = ask_for_hint(run);
      while (hint_level[step] < kHintLevels) step = ask_for_hint(run);
      const StoryStep& s = story_steps()[static_cast<size_t>(step)];
      ++run.steps;  // the last ends the program
      if (s.room) go_to(p, s.room);
      for (const StoryMove& m : s.moves) play_move(p, m);
      p.settle();
      if (!story_step_done(step)) give_up(std::string("the third hint of \"") + s.name + "\" was followed, not done");
    }
  });
  return run;
}
}  // namespace story
