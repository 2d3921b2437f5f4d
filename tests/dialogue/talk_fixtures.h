// Conversations written by hand for the dialogue tests, and the dotted way
// they read a person's tree and the menu.
#pragma once

#include <string>
#include "core/world.h"
#include "dialogue/talk.h"

namespace talk_fixtures {
// A node of `person` with a one-line sentence and reply, offered, `count` uses.
inline void put(int person, const char* dotted, const char* said, const char* answer, int count, int ends = 0) {
  TalkPath p;
  parse_talk_path(dotted, p);
  TalkNode& n = talk_node(person, p);
  n.sentence[0] = said, n.sentence[1] = n.sentence[2] = "", n.reply[0] = answer, n.reply[1] = n.reply[2] = "";
  n.s_present = 1, n.s_call_nr = count, n.s_exit = ends;
}

// The conversation the old school's teachers share (biolog, class, physik; person 0), as the rooms hold it in
// both builds (each reply's first line): 4 opens 4.1 and 4.2 and counts a use per leaf; 5 and 4.2 end it.
struct SharedNode { const char *path, *said, *answer; int count, ends; };
inline constexpr SharedNode kShared[] = {
    {"1", "Ekelbatz !!!!!", "Selwer Ekelbatz !", 1, 0},
    {"2", "Wei geet et ?", "Et geet. E bessen ze vill Schoul haut.", 1, 0},
    {"3", "Wat gett et haut an der Kantin ?", "Ma wei emmer: Fritten. Oder Fritten.", 1, 0},
    {"4", "Weini ass den naechsten Test ?", "Muer. Hues du dann net opgepasst ?", 2, 0},
    {"4.1", "Wat kennt dann dran ?", "Alles, wat mer dest Joer gemaach hunn.", 1, 0},
    {"4.2", "Dann bleiwen ech muer doheem.", "Dat soen ech dengen Elteren !", 1, 1},
    {"5", "Ech muss goen. Vuri.", "Ok, bis geschwenn.", 15000, 1},
};
inline void shared_conversation(int person = 0) {
  for (const SharedNode& n : kShared) put(person, n.path, n.said, n.answer, n.count, n.ends);
}

// The sentences the menu offers now, rows 1..5 joined by '|' ("" = none).
inline std::string menu_rows() {
  std::string rows;
  for (int c = 1; c <= 5; ++c) rows += std::string(c > 1 ? "|" : "") + (input_text[c][0] ? input_text[c][0] : "");
  return rows;
}
}  // namespace talk_fixtures
