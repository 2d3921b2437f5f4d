// The web backend's arithmetic (see web_view.h).
#include "platform/web_view.h"

#include <cmath>
#include <cstring>

namespace web_view {

int to_game(double css, double css_size, int game_size) {
  if (!(css_size > 0)) return 0;
  const int pixel = static_cast<int>(std::floor(css * game_size / css_size));
  return pixel < 0 ? 0 : pixel >= game_size ? game_size - 1 : pixel;
}

namespace {

struct Named {
  std::string_view code;
  int scancode;
};

// The page's names of the keys that are neither letters, digits nor F keys.
const Named kNamed[] = {
    {"Escape", KEY_ESC},         {"Tab", KEY_TAB},           {"Enter", KEY_ENTER},
    {"NumpadEnter", KEY_ENTER_PAD}, {"Space", KEY_SPACE},    {"Backspace", KEY_BACKSPACE},
    {"Delete", KEY_DEL},         {"Insert", KEY_INSERT},     {"Home", KEY_HOME},
    {"End", KEY_END},            {"PageUp", KEY_PGUP},       {"PageDown", KEY_PGDN},
    {"ArrowLeft", KEY_LEFT},     {"ArrowRight", KEY_RIGHT},  {"ArrowUp", KEY_UP},
    {"ArrowDown", KEY_DOWN},     {"ShiftLeft", KEY_LSHIFT},  {"ShiftRight", KEY_RSHIFT},
    {"ControlLeft", KEY_LCONTROL}, {"ControlRight", KEY_RCONTROL}, {"AltLeft", KEY_ALT},
    {"AltRight", KEY_ALTGR},     {"Pause", KEY_PAUSE},       {"Minus", KEY_MINUS},
    {"Equal", KEY_EQUALS},       {"BracketLeft", KEY_OPENBRACE}, {"BracketRight", KEY_CLOSEBRACE},
    {"Semicolon", KEY_COLON},    {"Quote", KEY_QUOTE},       {"Backquote", KEY_TILDE},
    {"Backslash", KEY_BACKSLASH}, {"Comma", KEY_COMMA},      {"Period", KEY_STOP},
    {"Slash", KEY_SLASH},        {"IntlBackslash", KEY_BACKSLASH2},
};

}  // namespace

int scancode_of(std::string_view code) {
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z')
    return KEY_A + (code[3] - 'A');
  if (code.size() == 6 && code.substr(0, 5) == "Digit" && code[5] >= '0' && code[5] <= '9')
    return KEY_0 + (code[5] - '0');
  if (code.size() == 7 && code.substr(0, 6) == "Numpad" && code[6] >= '0' && code[6] <= '9')
    return KEY_0_PAD + (code[6] - '0');
  if (code.size() >= 2 && code.size() <= 3 && code[0] == 'F') {
    int n = 0;
    for (char c : code.substr(1)) {
      if (c < '0' || c > '9') return 0;
      n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 12 ? KEY_F1 + (n - 1) : 0;
  }
  for (const Named& k : kNamed)
    if (k.code == code) return k.scancode;
  return 0;
}

int ascii_of(int scancode, int typed) {
  switch (scancode) {
    case KEY_ENTER:
    case KEY_ENTER_PAD: return 13;
    case KEY_ESC: return 27;
    case KEY_BACKSPACE: return 8;
    case KEY_TAB: return 9;
    case KEY_DEL: return 127;
    default: return typed > 0 && typed < 256 ? typed : 0;
  }
}

Rows FrameSender::take(BITMAP* buffer, int w, int h) {
  Rows rows{0, h - 1};
  if (w != w_ || h != h_ || sent_.size() != static_cast<size_t>(w) * h) {
    w_ = w;
    h_ = h;
    sent_.assign(static_cast<size_t>(w) * h, 0);
  } else {
    auto same = [&](int y) { return std::memcmp(buffer->line[y], &sent_[static_cast<size_t>(y) * w], w * 2) == 0; };
    while (rows.first < h && same(rows.first)) ++rows.first;
    if (rows.first == h) return {h, h - 1};
    while (rows.last > rows.first && same(rows.last)) --rows.last;
  }
  rgba_.resize(static_cast<size_t>(w) * (rows.last - rows.first + 1) * 4);
  std::uint8_t* out = rgba_.data();
  for (int y = rows.first; y <= rows.last; ++y) {
    const auto* row = reinterpret_cast<const std::uint16_t*>(buffer->line[y]);
    std::memcpy(&sent_[static_cast<size_t>(y) * w], row, w * 2);
    for (int x = 0; x < w; ++x) {
      const unsigned p = row[x];
      *out++ = static_cast<std::uint8_t>(((p >> 11) & 31) * 255 / 31);
      *out++ = static_cast<std::uint8_t>(((p >> 5) & 63) * 255 / 63);
      *out++ = static_cast<std::uint8_t>((p & 31) * 255 / 31);
      *out++ = 255;
    }
  }
  return rows;
}

}  // namespace web_view
