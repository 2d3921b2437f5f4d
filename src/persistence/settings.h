// "settings.txt" in the player's folder: the settings of core/settings.h, one "name=value" line each, e.g.
//   subtitle_band=1
// Lines that are empty or begin with '#' are notes. A missing file gives every setting its default; a line that
// names no setting, or gives one no whole number in its range, changes nothing and is reported in bugs.txt.
// The file is written whole through a temporary file and a rename, like every file of the game. It also keeps a
// copy of options.sav ("options.music_vol=180", ..., "options.slot0=<the slot's 30 characters>"), taken when
// options.sav is missing or cannot be read, so one damaged file loses neither the settings nor the slot names.
#pragma once

#include <string>
#include <string_view>

// Every setting to its default, then what "settings.txt" holds. A file that cannot be read, or has lines that
// are not understood, is reported in bugs.txt.
void load_settings();
// Write "settings.txt". Returns 0; -1 after reporting a failed write (the old file stays as it was).
int save_settings();

// The file's text for the settings as they are now.
std::string settings_text();
// Every setting to its default, then the values of `text`; returns how many lines were not understood.
int read_settings_text(std::string_view text);
