// The game's lettering: a line in the game font with a black outline, drawn
// into the frame buffer; speech, captions, menus and labels all use it.
#pragma once

#include <allegro.h>

#include <functional>
#include <string>
#include <vector>

// The two colours of speech, as the game gives them to the library (16-bit:
// 16000 is 0x3E80, a green; 128000 wraps to 0xF400, an orange).
inline constexpr int kHeroColour = 16000;     // green: the hero's lines, the conversation menu
inline constexpr int kPersonColour = 128000;  // orange: a person's lines, the hovered option

// Draw `line` with the black outline at (tx, ty) in `colour` (nothing for an
// empty line or before the font is loaded).
void outlined_text(const char* line, int tx, int ty, int colour);
// The same in another font than the game's (nothing when `font` is null).
void outlined_text(FONT* font, const char* line, int tx, int ty, int colour);

// Width of a text in pixels.
using TextWidth = std::function<int(const std::string&)>;
// Breaks `text` at blanks into lines no wider than `width`. A single word
// wider than `width` stands on a line of its own.
std::vector<std::string> wrap_words(const std::string& text, int width, const TextWidth& measure);
