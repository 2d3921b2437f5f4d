// The row of letters under a slot's name being typed, for a player without a keyboard (a pointer, or the pad,
// whose A is a left click): two rows of keys under the list of the save screen,
//   A to Z (and Ä Ö Ü in the German game), then the digits (and ß), a key that switches between capitals and
//   small letters, a space, a key that takes back the last letter, and OK.
// A click on a key types it as the keyboard would; the keyboard keeps working beside it.
#pragma once

#include <allegro.h>

#include "core/screen_layout.h"

class LetterRow {
 public:
  // Where the keys lie: the first row's top, each key's height and the room between the rows.
  static constexpr int kTop = 321;
  static constexpr int kKeyHeight = 16;
  static constexpr int kRowGap = 2;
  // The switch between capitals and small letters, for key_for.
  static constexpr int kSwitch = -1;
  // What a click at (x, y) types, as the keyboard gives a key in the low byte of platform_readkey: a letter or
  // digit by its Latin-1 code, ' ', 8 (take back the last letter), 13 (OK); 0 for no key, and for the switch
  // between capitals and small letters, which a click turns over.
  int press(int x, int y);
  // The keys drawn into `on`, the one under (pointer_x, pointer_y) lit.
  void draw(BITMAP* on, int pointer_x, int pointer_y) const;
  // The place of the key that types `code` (a letter as it is shown now; kSwitch for the switch), or an empty
  // rectangle (width 0) when there is none: what a scripted player or a test clicks.
  screen_layout::Rect key_for(int code) const;
  bool small_letters() const { return small_; }

 private:
  bool small_ = false;
};
