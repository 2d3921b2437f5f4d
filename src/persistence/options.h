// The options file "options.sav": volumes, text speed, the text-output switch
// and the names of the ten save slots, kept from one run to the next.
//
// Format: the four numbers music_vol, wave_vol, text_speed, text_output, each
// written "%d " (number and a blank), then for each slot a line break (CR LF)
// and the slot's 30 characters, blanks included; no line break at the end.
#pragma once

// Defaults for what the file cannot give.
inline constexpr int kDefaultMusicVol = 180;
inline constexpr int kDefaultWaveVol = 220;
inline constexpr int kDefaultTextSpeed = 50;
inline constexpr int kDefaultTextOutput = 1;

// Read "options.sav" (missing, short or damaged parts take their defaults;
// numbers are clamped to their ranges) and apply the volumes. Each slot name
// is its own line, cut to 30 characters. Anything but a regular file is not
// read: it is reported and the defaults are used.
// An options.sav that is there but cannot be read is left as it is (the game
// never writes over it); the copy in settings.txt (persistence/settings.h),
// written with every save_options, then gives the settings and slot names.
void load_options();
// Whether load_options found options.sav and read it.
bool options_were_read();
// Write "options.sav" (unless it could not be read) and its copy in
// settings.txt, each through a temporary file and a rename. Returns 0 on
// success; a failure is reported on the console and in bugs.txt with its
// reason, and the old file stays as it was.
int save_options();

// The option screens work on copies of the four settings of options.sav
// (tmp_text_speed, tmp_music_vol, tmp_wave_vol, tmp_text_output): taken from
// the game's, and given back to it (with the volumes heard at once).
void take_working_options();
void keep_working_options();
