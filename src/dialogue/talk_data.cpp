#include "dialogue/talk_data.h"

#include "core/world.h"
#include "rooms/registry.h"

namespace {

// Calls f(node) for every node of every person, the root and the paths
// with zero choices included.
template <typename F>
void for_every_node(F&& f) {
  for (TalkTree& tree : talk_tree)
    for (auto& a : tree.node)
      for (auto& b : a)
        for (auto& c : b)
          for (auto& d : c)
            for (TalkNode& n : d) f(n);
}

// A parent's count after adding a child's: a parent that still counts 0
// but holds a sentence counts 1.
void add_child_count(TalkNode& parent, const TalkNode& child) {
  parent.s_call_nr += child.s_call_nr;
  if (parent.s_call_nr == 0 && has_sentence(parent)) parent.s_call_nr = 1;
}

const char* line_or_empty(const char* line) { return line ? line : ""; }

}  // namespace

void erase_talk_data() {
  for_every_node([](TalkNode& n) {
    for (int l = 0; l < kTalkLines; ++l) n.sentence[l] = n.reply[l] = "";
    n.s_present = n.s_call_nr = n.s_exit = 0;
  });
}

void check_s_present() {
  for_every_node([](TalkNode& n) {
    if (has_sentence(n)) n.s_present = 1;
  });
}

void check_s_call_nr() {
  for (TalkTree& tree : talk_tree) {
    auto& t = tree.node;
    for (int c1 = 1; c1 <= kTalkOptions; ++c1) {
      for (int c2 = 1; c2 <= kTalkOptions; ++c2) {
        for (int c3 = 1; c3 <= kTalkOptions; ++c3) {
          for (int c4 = 1; c4 <= kTalkOptions; ++c4) {
            TalkNode& fourth = t[c1][c2][c3][c4][0];
            // The fifth level counts its sentences up to the first gap.
            int c5 = 1;
            while (c5 <= kTalkOptions && has_sentence(t[c1][c2][c3][c4][c5])) {
              t[c1][c2][c3][c4][c5].s_call_nr = 1;
              ++c5;
            }
            fourth.s_call_nr = c5 - 1;
            if (fourth.s_call_nr == 0 && has_sentence(fourth)) fourth.s_call_nr = 1;
            add_child_count(t[c1][c2][c3][0][0], fourth);
          }
          add_child_count(t[c1][c2][0][0][0], t[c1][c2][c3][0][0]);
        }
        add_child_count(t[c1][0][0][0][0], t[c1][c2][0][0][0]);
      }
    }
  }
}

void store_talk_lines(std::span<const TalkLine> lines) {
  for (const TalkLine& line : lines) {
    if (line.person < 0 || line.person >= kMaxPersons) continue;
    TalkNode& n = talk_tree[line.person].at(line.path);
    for (int l = 0; l < kTalkLines; ++l) {
      n.sentence[l] = line_or_empty(line.sentence[l]);
      n.reply[l] = line_or_empty(line.reply[l]);
    }
  }
}

void apply_talk_overrides(std::span<const TalkOverride> overrides) {
  for (const TalkOverride& o : overrides) {
    if (o.person < 0 || o.person >= kMaxPersons) continue;
    TalkNode& n = talk_tree[o.person].at(o.path);
    if (o.call_nr >= 0) n.s_call_nr = o.call_nr;
    if (o.exit != 0) n.s_exit = 1;
    if (o.withheld != 0) n.s_present = 0;
  }
}

void load_new_talking() {
  erase_talk_data();
  talking_room();
  check_s_present();
  check_s_call_nr();
  s_extra();
}
