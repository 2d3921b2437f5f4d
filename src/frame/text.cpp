#include "frame/text.h"

#include "core/world.h"

void outlined_text(const char* line, int tx, int ty, int colour) {
  if (!line || !*line || !pv_font) return;
  // The outline covers all eight neighbours of every pixel of the letters.
  // Without the ones straight above and below, the rows between the dot of
  // an i (or of an umlaut) and its stem kept the background's colour, and in
  // an enlarged window the i read as an l.
  static const int kOutline[8][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {1, 0}, {-1, 0}, {0, -1}, {0, 1}};
  for (const auto& o : kOutline) textout_ex(memory_screen, pv_font, line, tx + o[0], ty + o[1], 0, -1);
  textout_ex(memory_screen, pv_font, line, tx, ty, colour, -1);
}
