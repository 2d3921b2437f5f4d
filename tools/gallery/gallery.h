// What the gallery's sections share (pictures.cpp): keeping a picture under
// the current section, sheets of small pictures, cutting and marking frames,
// waiting on the virtual clock.
//
// A section is one function that renders one chapter of the index (the table
// in gallery.cpp names them in order). It starts from a fresh game of its own
// (driver::fresh_game, driver::stand_in_room), keeps its pictures with keep()
// or a Sheet, and calls trouble() when a part does not run as planned.
#pragma once

#include <allegro.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "core/tr.h"

namespace gallery {

inline const char* const kLang = TR("de", "en");  // this build's pictures are OUT_DIR/<kLang>/

// ---- The sections, in the order of the index (gallery.cpp's table) ----------------
void start_and_menus();      // story_sections.cpp
void title_animation();      // screen_sections.cpp
void options_and_credits();  // screen_sections.cpp
void rooms_at_start();       // story_sections.cpp
void tab_views();            // play_sections.cpp
void play_story();           // story_sections.cpp
void other_scenes();         // story_sections.cpp
void conversation_menus();   // talk_sections.cpp
void spoken_lines();         // talk_sections.cpp
void hero_animations();      // play_sections.cpp
void pointers();             // play_sections.cpp
void verb_panel();           // play_sections.cpp
void pause_screen();         // play_sections.cpp
void bag_and_panel();        // story_sections.cpp
void saves_and_main_menu();  // story_sections.cpp
void help_hints_and_log();   // story_sections.cpp
void icons();                // screen_sections.cpp

// ---- The run (gallery.cpp's main) ---------------------------------------------------
// OUT_DIR/<lang>/ emptied, OUT_DIR/<lang>.list begun.
void open_list(const std::string& out_dir);
// The pictures kept from now on are listed under `chapter`.
void begin_section(const std::string& chapter);
int pictures_kept();
int troubles_seen();

// ---- Keeping pictures -------------------------------------------------------------
// The build's pictures go to OUT_DIR/<lang>/, listed in OUT_DIR/<lang>.list.
const std::string& out_dir();
// A new file name for a picture called `title` (relative to out_dir()), and its
// line in the list under the current section.
std::string list_picture(const std::string& title);
// One picture of the gallery (a 16-bit bitmap), under the current section.
void keep(BITMAP* b, const std::string& title);
// A part of the section that did not run as planned: said on standard error, and
// the gallery ends with a failure.
void trouble(const std::string& what);

// A sheet of pictures, each cell with its caption, on a grey backdrop.
struct Cell {
  std::vector<BITMAP*> pictures;
  std::string caption;
};
void keep_sheet(const std::vector<Cell>& cells, const std::string& title);

// A sheet that owns the pictures given to it (cut from frames, made smaller).
class Sheet {
 public:
  // Adds a cell of pictures this sheet now owns.
  void add(std::vector<BITMAP*> owned, const std::string& caption);
  void add(BITMAP* owned, const std::string& caption) { add(std::vector<BITMAP*>{owned}, caption); }
  bool empty() const { return cells_.empty(); }
  void keep(const std::string& title) const { keep_sheet(cells_, title); }

 private:
  std::vector<Cell> cells_;
  std::vector<std::unique_ptr<BITMAP, void (*)(BITMAP*)>> owned_;
};

// ---- Pictures made from frames ------------------------------------------------------
// A new bitmap: the part `area` of `from` (cut to it), `zoom` times as large.
BITMAP* cut(BITMAP* from, const screen_layout::Rect& area, int zoom = 1);
// A new bitmap: the whole of `from` at 1 / `divisor` of its size.
BITMAP* smaller(BITMAP* from, int divisor);
// A new bitmap: a copy of `from`.
BITMAP* copy_of(BITMAP* from);
// A small cross at (x, y), in `colour` with a black rim.
void mark(BITMAP* b, int x, int y, int colour);

// ---- Waiting on the virtual clock --------------------------------------------------
// A condition that holds `ms` after it is first asked (and `also` holds).
std::function<bool()> after(int ms, std::function<bool()> also = [] { return true; });
// Keeps the last presented frame as `title`.
std::function<void()> shoot(const std::string& title);

}  // namespace gallery
