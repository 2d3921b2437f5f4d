// Saved games: ten slots, "sav/game00.sav" to "sav/game09.sav", each the game
// state file "sav/tmp/temp.sav" packed with the game's own run-length scheme.
//
// The game state file is plain text of "%d " numbers and names (a name is its
// length written "%d " and then its characters, with nothing after them):
//   hero_x hero_y invent_nr, the room's name, the 100 inventory names ("z" for
//   an empty slot), the 43 rooms' state blocks (233,320 numbers each, in the
//   registry's order, as their state files hold them), the end mark "#".
// After the end mark, where a reader of the older files stops, comes the rest
// of what a saved game holds (every SAVED entry of world.h that the part
// before "#" does not carry, story flags first among them), one line each:
//   "pelvaro_saved 1", then "<name> <value> ..." per entry, then "end".
// A file without that part still loads: those entries take their new-game
// values.
//
// Packing: every character is copied, except runs of the tokens "0 " and
// "1 ": six or more in a row become the byte 0xA7 (for "0 ") or "$" (for
// "1 "), a blank, the count, a blank; a run holds at most 32,000 tokens. The
// digit after a run (the first that is not the run's digit) is copied as it
// stands and starts no run of its own. Everything from "#" on is copied.
//
// A load checks the whole file before it changes anything; a save runs the
// same checks on what it is about to store and writes every file through a
// temporary file and a rename. Either way a failure leaves the running game
// as it was and is said on the screen.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kGameStateFile = "sav/tmp/temp.sav";
// The game as it was when the player last left it without saving (closing the
// window, Quit in the control panel), beside the ten slots and never one of
// them.
inline constexpr const char* kAutosaveFile = "sav/autosave.sav";
// A stored name (the room's or an item's) has 1 to 19 characters.
inline constexpr int kMaxStoredName = 19;
// The longest run one marker stands for.
inline constexpr int kMaxRun = 32000;
inline constexpr unsigned char kZeroRunMark = 0xA7;

// "sav/game0<s>.sav" for slot s (0..9).
std::string slot_path(int slot);

// The packing of a whole game state text, and its reverse. unpack_game_state
// refuses (false, with `why`) a marker without a count of 1 to 32,000, a text
// that does not end with "#", and anything that would grow past a game
// state's largest size.
std::string pack_game_state(std::string_view text);
bool unpack_game_state(std::string_view packed, std::string& text, std::string& why);

// Packs kGameStateFile into the file named by `save_path`; unpacks the file
// named by `load_path` into kGameStateFile. 0 on success.
int zip_files();
int unzip_files();

// The running game as a game state text. False (with `why`) when it cannot
// be stored: a room's state that cannot be read, or a name that a load
// would refuse. The item carried on the pointer is stored in the inventory,
// or, when the bag is full, after the end mark ("held_item <name>"), and a
// load hangs it on the pointer again.
bool write_game_state(std::string& text, std::string& why);
// Checks a game state text whole and, only when all of it is sound, makes it
// the running game: replaces the 43 room state files (all or none: a failure
// puts back the old ones) and drops what memory kept of them, takes the
// hero's place, the room, the inventory and the rest, rebuilds the room as
// entering it does and gives the inventory its pictures. False (with `why`)
// and nothing changed otherwise.
bool read_game_state(const std::string& text, std::string& why);

// Whether a game state text, or a slot file, would load: the checks of
// read_game_state without changing anything.
bool game_state_sound(const std::string& text, std::string& why);
bool slot_file_sound(const char* path, std::string& why);

// What a save or a load came to; the screens tell the player which.
enum SaveResult : int {
  kSaveDone = 0,
  kSaveCannotWrite = -1,  // the slot's file cannot be written (a full disk, a read-only folder)
  kSaveRefused = -2,      // the game as it stands would not load again, so it is not stored
};
enum LoadResult : int {
  kLoadDone = 0,
  kLoadMissing = -1,      // no saved game there
  kLoadDamaged = -2,      // the saved game is damaged
  kLoadCannotWrite = -3,  // the saved game is whole, but the rooms' files in sav/tmp cannot be written
};

// Save the running game into `slot` / load `slot` (0..9): a SaveResult /
// LoadResult. On failure the game is unchanged, and the reason is in bugs.txt
// (on the console when bugs.txt could not be opened).
int save_game(int slot);
int load_game(int slot);
// Deletes the saved game of `slot`: its file, its side file and its name. 0
// on success (also when there was none); -1 when the file stays.
int delete_game(int slot);
// What the screens say when a save or a load failed, by its result.
const char* save_failure_text(int result);
const char* load_failure_text(int result);

// The way out of a game: save_autosave stores the running game in
// kAutosaveFile, packed and written like a slot (it does nothing, and returns
// 0, while no game is running: in the menus, or before a new game's first
// pass). The room is not rebuilt afterwards, since the program ends. 0 on
// success; on failure the older autosave stays as it was.
int save_autosave();
// The autosave at a room change: the game is copied at once (its rooms'
// states shared with the game's own copies, see room_state.h) and written to
// kAutosaveFile beside the main loop, so the room change does not wait for
// it. finish_autosave waits for the writing under way (every save, load and
// the close wait for it first) and returns its SaveResult (kSaveDone when none
// was under way); a failure is reported there and the older autosave stays.
void start_autosave();
int finish_autosave();
// The main menu's Continue: loads kAutosaveFile as load_game loads a slot.
int load_autosave();
// Continue takes up the newest of the autosave and the slots (by the time
// their files were written): a game saved in a slot after the last autosave
// is the one played last.
std::string latest_saved_game();
int load_latest_game();
bool autosave_exists();
// A game finished with the closing screen leaves nothing to continue.
void remove_autosave();
// True from the main loop's first pass of a new or loaded game on.
bool game_in_progress();

// Typing the name of `slot` on the slot screen: letters, digits and blanks
// are written at the cursor, Backspace takes back one, Enter ends it (the rest
// of an older name is blanked), Escape gives up and puts the old name back.
// The cursor stops at the 30th position. The row of letters under the list
// (menus/letter_row.h) types as the keys do, its OK as Enter; the OK and Back
// buttons are Enter and Escape. Returns 1 on Enter, 0 on Escape (and for a
// slot outside 0..9).
int select_file(int slot);

// The save and load screens, drawn over the frame in `memory_screen`: the
// autosave's line and the ten slots; a click on a slot's line saves into it
// (after typing its name) or loads it, on the autosave's line loads it (the
// save screen saves nothing there). They return when the player leaves them;
// game_load returns 1 when a game was loaded, so the caller knows it is
// running another game.
void game_save();
int game_load();
