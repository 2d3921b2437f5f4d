// Spoken lines as the player's settings show them: the hero's and the persons' speech (dialogue/talk.cpp) and
// the subtitles of the scenes (cutscenes/player.cpp). The callers place their lines for the game font, as they
// always have; here the lines get the large font when settings::large_subtitles asks for it, and a translucent
// dark band behind them when settings::subtitle_band does.
#pragma once

#include <allegro.h>

#include <string>
#include <vector>

#include "core/screen_layout.h"
#include "frame/text.h"

namespace subtitles {

// A line's words and the top left corner of its letters.
struct Line {
  std::string words;
  int x;
  int y;
};

// A font as the layout sees it: the width of a text and the height of a line of letters.
struct Lettering {
  TextWidth width;
  int height;
};

// The lines of one speaker as they are drawn, and the band behind them.
struct Layout {
  std::vector<Line> lines;
  screen_layout::Rect band;
};

inline constexpr int kRowGap = 3;          // between one line's letters and the next (20-pixel rows in the game font)
inline constexpr int kBandSide = 6;        // the band reaches this far left and right of the letters,
inline constexpr int kBandAbove = 3;       // this far above
inline constexpr int kBandBelow = 3;       // and below
inline constexpr int kScreenMargin = 8;    // large lines keep this far from the screen's edges

// `placed`: the lines as the caller placed them for the game font (empty words left out). Without `large`
// they stay where they are. In the large font their words run on and are broken anew into lines no wider than
// the screen less its margins and the band, each centred on the middle of the placed lines, rows of the large
// height plus kRowGap apart, the last line's bottom level with the bottom of the placed lines; the whole is
// then moved up or down onto the screen. The band covers the letters with its margins, cut to the screen.
Layout lay_out(const std::vector<Line>& placed, const Lettering& game_font, const Lettering* large);

// Draw the lines of one speaker in `colour` as the settings ask. Drawn again over the same frame (the loops
// write their lines on every pass, the room only when a frame is due), the band darkens the picture once.
void draw(const std::vector<Line>& placed, int colour);

// The large font (font.dat's second entry), or null before the font is loaded.
FONT* large_font();

}  // namespace subtitles
