// The hints asked in a game (story/hints.h: hints_asked, and hint_level[] of each step), kept with its saved game
// as two lines of the slot's side file (slot_info.h), so the slot files keep the format stored files rely on:
//   hints_asked 3
//   hint_level 3 0 0 ...
// A game saved before the side file held them kept them in a file of their own beside the slot,
// "sav/game03.hints" beside "sav/game03.sav" (the autosave "sav/autosave.hints"), with the same two lines: it is
// still read, never written, and removed with its slot. Missing or damaged lines load as no hints asked, as a game
// saved before there were hints had.
#pragma once

#include <string>

// "sav/game03.hints" for "sav/game03.sav".
std::string hints_file_beside(const std::string& saved_game);

// The two lines for the game's hints as they are; reading them back (false, and nothing changed, when they are
// damaged).
std::string hints_kept_text();
bool read_hints_kept_text(const std::string& text);

// Gives the game loaded from `saved_game` its hints: from `kept_lines` (the lines its side file holds) when there
// are any, else from an older file beside it, else none asked. Damaged lines are noted in bugs.txt.
void load_hints(const std::string& saved_game, const std::string& kept_lines);
// Removes an older hints file beside `saved_game`, if there is one.
void remove_hints_beside(const std::string& saved_game);
