#include "support/dialogue_support.h"
#include <allegro.h>
#include "core/datafiles.h"
#include "core/hardware.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

namespace dialogue_support {
namespace {
std::string where(const char* room, const std::string& what) { return std::string("room ") + room + ", " + what; }
int line_width(const char* line) { return (line && line[0]) ? text_length(pv_font, line) : 0; }
}  // namespace

std::string line_problem(const char* room, const std::string& what, const char* line) {
  const int w = line_width(line);
  return w <= 600 - 40 ? ""
                       : where(room, what) + ": \"" + line + "\" is " + std::to_string(w) +
                             " px wide, wider than the band from 40 to 600";
}

std::vector<std::string> talk_tree_problems(const char* room) {
  std::vector<std::string> problems;
  for (int p = 0; p < kMaxPersons; ++p)
    for_each_talk_path([&](const TalkPath& path) {
      const TalkNode& n = talk_node(p, path);
      const std::string node = "person " + std::to_string(p) + ", node " + talk_path_name(path);
      if (has_sentence(n) && path.depth() > 4)
        problems.push_back(where(room, node) + ": a sentence on level " + std::to_string(path.depth()) +
                           ", deeper than four levels");
      if (has_sentence(n) && path.depth() > 1 && !has_sentence(talk_node(p, path.first(path.depth() - 1))))
        problems.push_back(where(room, node) + ": its parent holds no sentence, so it is never offered");
      if (has_sentence(n) && n.s_call_nr < 1)
        problems.push_back(where(room, node) + ": counts " + std::to_string(n.s_call_nr) + ", so it is never offered");
      for (int l = 0; l < kTalkLines; ++l)
        for (const auto& [kind, line] : {std::pair{", sentence line ", n.sentence[l]}, {", reply line ", n.reply[l]}})
          if (std::string s = line_problem(room, node + kind + std::to_string(l), line); !s.empty())
            problems.push_back(s);
    });
  return problems;
}

std::vector<std::string> talk_override_problems(const char* room) {
  const int r = room_index(room);
  if (r < 0) return {std::string("no room ") + room};
  std::vector<std::string> problems;
  for (const TalkOverride& o : kRooms[r]->talk_overrides) {
    bool sentence = false;
    for (const TalkLine& line : kRooms[r]->talk_lines)
      sentence = sentence || (line.person == o.person && line.path == o.path && line.sentence[0] && line.sentence[0][0]);
    if ((o.call_nr >= 0 || o.exit != 0 || o.withheld != 0) && !sentence)
      problems.push_back(where(room, "person " + std::to_string(o.person) + ", node " + talk_path_name(o.path)) +
                         ": an override of a node without a sentence");
  }
  return problems;
}
}  // namespace dialogue_support
