// A person's conversation tree: the sentences the hero may say, the person's
// replies, and how far each has been used.
//
// A node is found by its path of choices, written as a dotted list: "3" is
// top-level sentence 3, "3.1" the first follow-up of it, "3.1.1" the first
// follow-up of that, and so on down to five levels. Each choice is 1..5; the
// empty path "" is the person's root, which holds no sentence.
//
// Every person has one TalkTree of 6 x 6 x 6 x 6 x 6 nodes, indexed
// [c1][c2][c3][c4][c5] with 0 where a level is not chosen. This is the order in
// which the room state files hold the nodes (top-level choice outermost,
// fifth-level choice innermost), so writing and reading a room's dialogue
// state is one walk through the nodes in memory.
#pragma once

#include <string>
#include <string_view>

inline constexpr int kTalkLevels = 5;   // a path has at most five choices
inline constexpr int kTalkOptions = 5;  // choices 1..5 at every level
inline constexpr int kTalkLines = 3;    // lines of a sentence or a reply
inline constexpr int kTalkIndex = kTalkOptions + 1;  // 0 (not chosen) and 1..5

struct TalkPath {
  int c[kTalkLevels] = {0, 0, 0, 0, 0};

  // Number of leading non-zero choices: 0 for the root, 1 for a top-level sentence.
  constexpr int depth() const {
    int d = 0;
    while (d < kTalkLevels && c[d] != 0) ++d;
    return d;
  }
  // The path with `choice` added on the next level (a path at the fifth
  // level has no next level and stays as it is).
  constexpr TalkPath child(int choice) const {
    TalkPath p = *this;
    const int d = depth();
    if (d < kTalkLevels) p.c[d] = choice;
    return p;
  }
  // The first `levels` choices of this path.
  constexpr TalkPath first(int levels) const {
    TalkPath p;
    for (int i = 0; i < levels && i < kTalkLevels; ++i) p.c[i] = c[i];
    return p;
  }
  constexpr bool operator==(const TalkPath&) const = default;
};

// Reads a dotted path ("", "4", "1.2.3", up to five choices of 1..5).
// Returns false, leaving `out` unchanged, for anything else.
constexpr bool parse_talk_path(std::string_view dotted, TalkPath& out) {
  TalkPath p;
  if (dotted.empty()) {
    out = p;
    return true;
  }
  int level = 0;
  size_t i = 0;
  for (;;) {
    if (level == kTalkLevels || i >= dotted.size()) return false;
    const char ch = dotted[i];
    if (ch < '1' || ch > '0' + kTalkOptions) return false;
    p.c[level++] = ch - '0';
    ++i;
    if (i == dotted.size()) break;
    if (dotted[i] != '.') return false;
    ++i;
  }
  out = p;
  return true;
}

namespace talk_path_detail {
// Not constexpr: reaching it while a path is read at compile time stops the build.
inline void not_a_talk_path() {}
}  // namespace talk_path_detail

// A path written in a table: talk_path("3.1.1"). A malformed path does not compile.
consteval TalkPath talk_path(const char* dotted) {
  TalkPath p;
  if (!parse_talk_path(dotted, p)) talk_path_detail::not_a_talk_path();
  return p;
}

// "3.1.1" for messages; "root" for the empty path.
inline std::string talk_path_name(const TalkPath& p) {
  std::string s;
  for (int i = 0; i < p.depth(); ++i) {
    if (i) s += '.';
    s += static_cast<char>('0' + p.c[i]);
  }
  return s.empty() ? "root" : s;
}

// One node. A text is a pointer to a constant string the node does not own;
// "" (or no pointer) is an empty line, and line 0 of `sentence` empty means
// there is no sentence here.
struct TalkNode {
  const char* sentence[kTalkLines];  // what the hero says when the node is chosen
  const char* reply[kTalkLines];     // the person's answer
  int s_call_nr;                     // uses left for the sentence or the sub-tree under it; below 1 withdrawn
  int s_present;                     // 1: currently offered
  int s_exit;                        // 1: choosing it ends the conversation after the exchange
};

struct TalkTree {
  TalkNode node[kTalkIndex][kTalkIndex][kTalkIndex][kTalkIndex][kTalkIndex];

  TalkNode& at(const TalkPath& p) { return node[p.c[0]][p.c[1]][p.c[2]][p.c[3]][p.c[4]]; }
  const TalkNode& at(const TalkPath& p) const { return node[p.c[0]][p.c[1]][p.c[2]][p.c[3]][p.c[4]]; }
};

// Whether the node holds a sentence (line 0 not empty).
inline bool has_sentence(const TalkNode& n) {
  return n.sentence[0] && n.sentence[0][0];
}

// Calls f(path) for every node of a tree at depths 1..5 (all choices 1..5 up
// to the depth, 0 after it), parents before their children.
template <typename F>
void for_each_talk_path(F&& f) {
  auto walk = [&](auto&& self, const TalkPath& p) -> void {
    if (p.depth() == kTalkLevels) return;
    for (int c = 1; c <= kTalkOptions; ++c) {
      const TalkPath q = p.child(c);
      f(q);
      self(self, q);
    }
  };
  walk(walk, TalkPath{});
}
