// The hints asked in a game, kept beside its saved game: "sav/game03.sav" has "sav/game03.hints" beside it, the
// autosave "sav/autosave.hints". The slot files keep the format stored files rely on; this small file holds
// what the hints of story/hints.h count (hints_asked, and hint_level[] of each step), one line each:
//   hints_asked 3
//   hint_level 3 0 0 ...
// It is written whole through a temporary file and a rename, like every file of the game. A missing or damaged
// file gives a loaded game no hints asked, as a game saved before there were hints had.
#pragma once

#include <string>

// "sav/game03.hints" for "sav/game03.sav".
std::string hints_file_beside(const std::string& saved_game);

// The file's text for the game's hints as they are; reading one back (false, and nothing changed, when it is
// damaged).
std::string hints_kept_text();
bool read_hints_kept_text(const std::string& text);

// Written beside `saved_game` (0; -1 after reporting a failed write), read from beside it (a missing or damaged
// file sets no hints asked), removed with it.
int save_hints_beside(const std::string& saved_game);
void load_hints_beside(const std::string& saved_game);
void remove_hints_beside(const std::string& saved_game);
