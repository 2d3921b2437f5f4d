// Loading the game's data files. Every loader first checks the file against
// the list of sizes and checksums the build wrote (datafile_check.h), then
// loads it, and stops the program with a message naming the file when it is
// missing, damaged or unreadable, so that no loader ever parses a damaged
// file and no code reads a picture out of a datafile that did not load.
#pragma once

#include <allegro.h>

#include <string>

// The full path of the data file `name` (relative to the data folder, '/' as
// separator, as checksums.txt lists it): the name itself when the game runs
// in its data folder, else the installed data folder's path before it
// (core/folders.h). Every reader of a data file opens it by this path.
std::string data_file_path(const char* name);

// Stops the program (as fatal_data_error) unless `name` is whole.
void verify_data_file(const char* name);

// Loads `name` and checks that it holds at least `min_entries` entries.
DATAFILE* load_datafile_checked(const char* name, int min_entries);
int datafile_entry_count(const DATAFILE* dat);
// Entry `index` of `dat` as a picture; stops the program when it is not one.
BITMAP* datafile_bitmap(const DATAFILE* dat, int index, const char* name);
MIDI* load_midi_checked(const char* name);
SAMPLE* load_sample_checked(const char* name);
// Plays the film `name` into `buffer` (platform_play_film).
void play_film_checked(const char* name, BITMAP* buffer);
// Stops the program: leaves graphics mode, prints what could not be loaded
// and why, and exits with status 2.
[[noreturn]] void fatal_data_error(const char* name, const char* why);
