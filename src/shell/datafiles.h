// Loading the game's data files. Every loader stops the program with a message
// naming the file when it is missing or unreadable, so that no code ever
// reads a picture out of a datafile that did not load.
#pragma once

#include <allegro.h>

// Loads `name` and checks that it holds at least `min_entries` entries.
DATAFILE* load_datafile_checked(const char* name, int min_entries);
int datafile_entry_count(const DATAFILE* dat);
// Entry `index` of `dat` as a picture; stops the program when it is not one.
BITMAP* datafile_bitmap(const DATAFILE* dat, int index, const char* name);
MIDI* load_midi_checked(const char* name);
SAMPLE* load_sample_checked(const char* name);
// Stops the program: leaves graphics mode, prints what could not be loaded
// and why, and exits with status 2.
[[noreturn]] void fatal_data_error(const char* name, const char* why);
