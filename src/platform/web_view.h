// What the web backend (platform_web.cpp) does with numbers only, kept apart
// so that the native tests check it: where a pointer on the page's canvas
// lands in the 640 x 480 picture, which of the page's keys is which of the
// library's scancodes, and the frame turned into the canvas's RGBA bytes,
// only the rows that changed since the last one sent.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include <allegro.h>

namespace web_view {

// A position `css` in CSS pixels from the canvas's left (or top) edge, which
// is `css_size` CSS pixels wide (high) on the page, as a pixel of the picture
// `game_size` wide (high): the pixel under the pointer, inside the picture
// even when the pointer is beyond the canvas's edge.
int to_game(double css, double css_size, int game_size);

// The library's scancode (KEY_A, KEY_F11, ...) of a key as the page names it
// (KeyboardEvent.code: "KeyA", "F11", "Enter", ...); 0 for a key the game does
// not know.
int scancode_of(std::string_view code);
// The character a key types, for readkey's low byte: `typed` is the page's
// character for it (KeyboardEvent.key's code point, 0 when the key types
// none); Enter, Escape, Backspace, Tab and Delete type their control codes.
// Characters beyond one byte type nothing.
int ascii_of(int scancode, int typed);

// The rows first..last that changed (first > last: none).
struct Rows {
  int first;
  int last;
};

// The frame as the canvas takes it: 4 bytes a pixel (red, green, blue, 255),
// each channel of the 5-6-5 picture spread over 0..255 as the library does
// (value x 255 / its largest value, rounded down).
class FrameSender {
 public:
  // Compares the top-left w x h of the 16-bit `buffer` with the frame sent
  // last and converts the rows from the first changed one to the last changed
  // one into rgba() (rows of w pixels, starting at row `first`). After a
  // change of size every row counts as changed.
  Rows take(BITMAP* buffer, int w, int h);
  const std::vector<std::uint8_t>& rgba() const { return rgba_; }
  // The next take sends every row (the page's canvas was cleared).
  void forget() { sent_.clear(); }

 private:
  std::vector<std::uint16_t> sent_;
  std::vector<std::uint8_t> rgba_;
  int w_ = 0;
  int h_ = 0;
};

}  // namespace web_view
