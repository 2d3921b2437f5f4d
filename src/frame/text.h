// The game's lettering: a line in the game font with a black outline, drawn
// into the frame buffer; speech, captions, menus and labels all use it.
#pragma once

// The two colours of speech, as the game gives them to the library (16-bit:
// 16000 is 0x3E80, a green; 128000 wraps to 0xF400, an orange).
inline constexpr int kHeroColour = 16000;     // green: the hero's lines, the conversation menu
inline constexpr int kPersonColour = 128000;  // orange: a person's lines, the hovered option

// Draw `line` with the black outline at (tx, ty) in `colour` (nothing for an
// empty line or before the font is loaded).
void outlined_text(const char* line, int tx, int ty, int colour);
