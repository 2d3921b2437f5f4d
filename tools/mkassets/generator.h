// The generator's modules: each writes some of the game's data files into the
// data folder. Adding the rooms' datafiles later means adding modules here.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace mkassets {

struct Context {
  std::string data_dir;   // where the game's data files go
  std::string sheet_dir;  // if not empty: PNG contact sheets of the pictures go here

  std::string path(const std::string& relative) const { return data_dir + "/" + relative; }
  void sheet(const std::string& name, const std::vector<const Image16*>& pics, int columns,
             double scale = 1.0) const;
};

struct Module {
  const char* name;
  void (*run)(const Context&);
};

// In the order they run.
const std::vector<Module>& modules();

// The modules themselves.
void make_title(const Context&);       // title.dat
void make_general(const Context&);     // general.dat
void make_cursors(const Context&);     // cursor.dat
void make_objects(const Context&);     // objects.dat
void make_hero(const Context&);        // walk.dat, talkf.dat, talkr.dat, talkl.dat, takel.dat, taker.dat
void make_font(const Context&);        // font.dat
void make_menu(const Context&);        // menu.dat
void make_inventory(const Context&);   // inventar.dat
void make_intro(const Context&);       // intro.dat
void make_music(const Context&);       // sfx/track01.mid, sfx/track02.mid, patches.dat
void make_jingle(const Context&);      // sfx/logo.wav
void make_sounds(const Context&);      // sounds.dat, the sound effects
void make_film(const Context&);        // flc/proud.flc
void make_rooms(const Context&);       // <room>.dat for the 43 rooms
void make_hero_scenes(const Context&); // herogaz, heroguit, herotool, herorohr, herocase, bleidouc, douche .dat
void make_teacher_scenes(const Context&);  // frizzacc, frizzdia, adytele, gergetpb, gergivpb, schbrell .dat
void make_time_machine(const Context&);  // timemach.dat, the last scene
void make_encounter_scenes(const Context&);  // herodatz, betodatz, sandslee, sandsle2, poliexit, polikf .dat
void make_sums(const Context&);        // checksums.txt: every data file of the folder, runs last

// The desktop icons pelvaro-<size>.png into `dir` (not game data: no module).
void write_icons(const std::string& dir);

}  // namespace mkassets
