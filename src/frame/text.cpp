#include "frame/text.h"

#include "core/world.h"

void outlined_text(const char* line, int tx, int ty, int colour) {
  outlined_text(pv_font, line, tx, ty, colour);
}

void outlined_text(FONT* font, const char* line, int tx, int ty, int colour) {
  if (!line || !*line || !font) return;
  // The outline covers all eight neighbours of every pixel of the letters.
  // Without the ones straight above and below, the rows between the dot of
  // an i (or of an umlaut) and its stem kept the background's colour, and in
  // an enlarged window the i read as an l.
  static const int kOutline[8][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}, {1, 0}, {-1, 0}, {0, -1}, {0, 1}};
  for (const auto& o : kOutline) textout_ex(memory_screen, font, line, tx + o[0], ty + o[1], 0, -1);
  textout_ex(memory_screen, font, line, tx, ty, colour, -1);
}

std::vector<std::string> wrap_words(const std::string& text, int width, const TextWidth& measure) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == ' ') ++at;
    if (at >= text.size()) break;
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    at = end;
    const std::string longer = line.empty() ? word : line + " " + word;
    if (line.empty() || measure(longer) <= width) {
      line = longer;
    } else {
      lines.push_back(line);
      line = word;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}
