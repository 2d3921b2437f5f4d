#include "frame/text.h"

#include "core/world.h"

void outlined_text(const char* line, int tx, int ty, int colour) {
  if (!line || !*line || !pv_font) return;
  static const int kOutline[6][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {1, 0}, {-1, 0}};
  for (const auto& o : kOutline) textout_ex(memory_screen, pv_font, line, tx + o[0], ty + o[1], 0, -1);
  textout_ex(memory_screen, pv_font, line, tx, ty, colour, -1);
}
