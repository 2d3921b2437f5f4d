// Speech: the hero's and the persons' spoken lines, drawn with a dark outline.
#pragma once

// The hero says input_text[choice] at (sentence_x, sentence_y) in pose
// talk_direction, for text_speed x 40 passes or until a mouse button is down.
void talking_hero();
// Draw the hero's current lines once.
void show_text_hero();
// Draw actual_text with a black outline at (counter7, counter6) in colour counter5.
void text_filter();
// Draw `line` with the dark outline at (tx, ty) in `colour` into the frame buffer.
void outlined_text(const char* line, int tx, int ty, int colour);

inline constexpr int kHeroColour = 16000;
inline constexpr int kPersonColour = 128000;
