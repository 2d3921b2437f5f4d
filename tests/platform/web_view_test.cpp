// The web page's arithmetic: where a pointer on the canvas lands in the 640 x 480 picture, the page's keys as
// the library's scancodes and characters, and the frame as the canvas's RGBA bytes, only the rows that changed.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless.h"
#include "platform/web_view.h"

using namespace web_view;

TEST(WebView, APointerOnTheScaledCanvasLandsOnThePixelUnderIt) {
  const struct { double css, size; int game, pixel; } cases[] = {
      // The canvas at twice the picture: each picture pixel covers 2 CSS pixels.
      {0, 1280, 640, 0}, {1.99, 1280, 640, 0}, {2, 1280, 640, 1}, {1279.9, 1280, 640, 639}, {640, 1280, 640, 320},
      // 800 x 600 on the page: 5 CSS pixels show 4 of the picture's.
      {0, 800, 640, 0}, {1.24, 800, 640, 0}, {1.25, 800, 640, 1}, {400, 800, 640, 320}, {799.9, 800, 640, 639},
      {599.5, 600, 480, 479}, {300, 600, 480, 240},
      // Smaller than the picture (a narrow phone): 2 picture pixels to a CSS pixel.
      {10, 320, 640, 20}, {10.5, 320, 640, 21},
      // Beyond the canvas's edges (a drag out of it): the nearest edge.
      {-3, 1280, 640, 0}, {1280, 1280, 640, 639}, {5000, 960, 480, 479},
      // A canvas not laid out yet.
      {100, 0, 640, 0}};
  for (const auto& c : cases) EXPECT_EQ(to_game(c.css, c.size, c.game), c.pixel) << c.css << " of " << c.size;
}

TEST(WebView, ThePagesKeysAreTheLibrarysScancodesAndCharacters) {
  const struct { const char* code; int scancode; } keys[] = {
      {"KeyA", KEY_A},   {"KeyH", KEY_H},       {"KeyL", KEY_L},          {"KeyP", KEY_P},
      {"KeyZ", KEY_Z},   {"Digit0", KEY_0},     {"Digit9", KEY_9},        {"Numpad5", KEY_5_PAD},
      {"F1", KEY_F1},    {"F5", KEY_F5},        {"F7", KEY_F7},           {"F11", KEY_F11},
      {"F12", KEY_F12},  {"Escape", KEY_ESC},   {"Tab", KEY_TAB},         {"Enter", KEY_ENTER},
      {"NumpadEnter", KEY_ENTER_PAD},           {"PageUp", KEY_PGUP},     {"PageDown", KEY_PGDN},
      {"ArrowUp", KEY_UP}, {"ArrowDown", KEY_DOWN}, {"Delete", KEY_DEL},  {"Backspace", KEY_BACKSPACE},
      {"Pause", KEY_PAUSE}, {"AltLeft", KEY_ALT}, {"AltRight", KEY_ALTGR}, {"Space", KEY_SPACE},
      // Keys the game does not know, and names that only look like known ones.
      {"F13", 0}, {"F0", 0}, {"F", 0}, {"Fx", 0}, {"Keya", 0}, {"KeyAB", 0}, {"Digit", 0}, {"", 0},
      {"MetaLeft", 0}, {"ContextMenu", 0}};
  for (const auto& k : keys) EXPECT_EQ(scancode_of(k.code), k.scancode) << k.code;

  const struct { int scancode, typed, ascii; } typed[] = {
      {KEY_A, 'a', 'a'}, {KEY_A, 'A', 'A'}, {KEY_H, 'h', 'h'}, {KEY_SPACE, ' ', ' '},
      // German letters are one byte (Latin-1), as the desktop's keyboard gives them.
      {KEY_COLON, 0xf6, 0xf6}, {KEY_MINUS, 0xdf, 0xdf},
      // Control keys type their codes whatever the page calls them; keys that type nothing give 0.
      {KEY_ENTER, 0, 13}, {KEY_ENTER_PAD, 0, 13}, {KEY_ESC, 0, 27}, {KEY_BACKSPACE, 0, 8}, {KEY_TAB, 0, 9},
      {KEY_DEL, 0, 127}, {KEY_F5, 0, 0}, {KEY_PGUP, 0, 0},
      // A character beyond one byte (the euro sign) types nothing rather than a wrong letter.
      {KEY_E, 0x20ac, 0}};
  for (const auto& t : typed) EXPECT_EQ(ascii_of(t.scancode, t.typed), t.ascii) << t.scancode << " " << t.typed;
}

namespace {

std::vector<int> pixel(const FrameSender& s, int index) {
  const auto& b = s.rgba();
  return {b[index * 4], b[index * 4 + 1], b[index * 4 + 2], b[index * 4 + 3]};
}

}  // namespace

TEST(WebView, TheFrameGoesToTheCanvasAsRgbaOnlyTheRowsThatChanged) {
  headless::ensure_allegro();
  BITMAP* frame = create_bitmap_ex(16, 4, 3);
  clear_bitmap(frame);
  // 5-6-5: full white, full red, green and blue, and the middle of each channel (16 of 31, 32 of 63).
  const int colours[] = {0xffff, 0xf800, 0x07e0, 0x001f, 0x8410};
  for (int i = 0; i < 5; ++i) _putpixel16(frame, i % 4, i / 4, colours[i]);
  FrameSender sender;
  Rows rows = sender.take(frame, 4, 3);
  EXPECT_EQ(std::pair(rows.first, rows.last), std::pair(0, 2)) << "the first frame is sent whole";
  ASSERT_EQ(sender.rgba().size(), 4u * 3 * 4);
  const std::vector<std::vector<int>> expected = {
      {255, 255, 255, 255}, {255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {131, 129, 131, 255},
      {0, 0, 0, 255}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(pixel(sender, i), expected[i]) << "pixel " << i;

  rows = sender.take(frame, 4, 3);
  EXPECT_GT(rows.first, rows.last) << "an unchanged frame sends nothing";
  _putpixel16(frame, 2, 1, 0xffff);
  rows = sender.take(frame, 4, 3);
  EXPECT_EQ(std::pair(rows.first, rows.last), std::pair(1, 1));
  ASSERT_EQ(sender.rgba().size(), 4u * 4);
  EXPECT_EQ(pixel(sender, 0), expected[4]) << "the changed row is sent from its first pixel";
  EXPECT_EQ(pixel(sender, 2), expected[0]);
  _putpixel16(frame, 0, 0, 0);
  _putpixel16(frame, 3, 2, 0xf800);
  rows = sender.take(frame, 4, 3);
  EXPECT_EQ(std::pair(rows.first, rows.last), std::pair(0, 2)) << "the rows between two changed ones go too";
  rows = sender.take(frame, 2, 3);
  EXPECT_EQ(std::pair(rows.first, rows.last), std::pair(0, 2)) << "a frame of another size is sent whole";
  EXPECT_EQ(sender.rgba().size(), 2u * 3 * 4);
  sender.forget();
  rows = sender.take(frame, 2, 3);
  EXPECT_EQ(std::pair(rows.first, rows.last), std::pair(0, 2)) << "after the canvas was cleared, the whole frame";
  destroy_bitmap(frame);
}
