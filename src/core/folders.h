// The game's two folders: the data folder it reads (pictures, music, films,
// checksums.txt) and the player's folder it writes (options.sav, display.sav,
// settings.txt, sav/ with the saved games, the autosave and the rooms' state
// files, bugs.txt). The player's folder becomes the working directory at start-up,
// so every file the game writes is named relative to it; every data file is
// read through data_file_path (core/datafiles.h).
//
// Where they are, in this order:
// - installed: the program lies in <prefix>/lib/games/pelvaro and its data in
//   <prefix>/share/games/pelvaro (found relative to the program, so an
//   unpacked package runs where it lies); the player's folder is
//   $XDG_DATA_HOME/pelvaro, by default ~/.local/share/pelvaro, made when
//   missing. Nothing else is ever written.
// - started in a data folder (the working directory holds checksums.txt)
//   that is not the build's own, as the tests' folders are: that folder is
//   both.
// - a program of the build folder (build/data beside it), started anywhere
//   else, build/data included (`make play` starts it in build/): it reads
//   build/data and writes build/player, made when missing, so the data
//   folder stays as the build made it.
// - none of these: the working directory, whose missing checksums.txt the
//   first data file then reports.
#pragma once

#include <string>

struct GameFolders {
  std::string data;    // "" is the working directory
  std::string player;  // "" is the working directory
};

// The folders of a program that lies in `program_dir`, started in the
// working directory; `xdg_data_home` and `home` are the environment's (null
// when unset). Looks at the disk but changes nothing.
GameFolders find_game_folders(const std::string& program_dir, const char* xdg_data_home, const char* home);

// Finds the folders of this program, makes the player's folder when it is
// missing and makes it the working directory. Stops the program with a
// message naming the folder when it cannot be made or entered. Called first
// thing at start-up, before any file is opened.
void use_game_folders();

// The data folder in use: "" for the working directory.
const std::string& data_folder();
