#include "menus/letter_row.h"

#include <string>
#include <vector>

#include "core/tr.h"
#include "core/world.h"
#include "frame/text.h"

namespace {

using screen_layout::Rect;

constexpr int kShift = LetterRow::kSwitch;  // types nothing
constexpr int kLetterWidth = 15;
constexpr int kPitch = kLetterWidth + 1;

struct Key {
  Rect place;
  int code;  // the capital's code for a letter
  std::string label;
};

// The letters of a UTF-8 text as Latin-1 codes.
std::vector<int> codes_of(const char* text) {
  std::vector<int> codes;
  for (const char* at = text; *at;) codes.push_back(ugetxc(&at));
  return codes;
}

// A row of keys centred on the screen, from its codes (a letter key is as wide as a letter) and its wide keys.
std::vector<Key> row_of(const std::vector<int>& letters, const std::vector<std::pair<int, std::string>>& wide,
                        int top) {
  std::vector<std::pair<int, int>> widths;  // (code, width)
  int total = 0;
  for (int c : letters) widths.push_back({c, kLetterWidth}), total += kPitch;
  for (const auto& [code, label] : wide) {
    const int w = text_length(pv_font, label.c_str()) + 12;
    widths.push_back({code, w}), total += w + 1;
  }
  std::vector<Key> keys;
  int x = (screen_layout::kScreenWidth - total) / 2;
  size_t wide_at = 0;
  for (const auto& [code, w] : widths) {
    std::string label;
    if (keys.size() < letters.size()) {
      char bytes[8];
      bytes[usetc(bytes, code)] = 0;
      label = bytes;
    } else {
      label = wide[wide_at++].second;
    }
    keys.push_back({{x, top, x + w - 1, top + LetterRow::kKeyHeight - 1}, code, label});
    x += w + 1;
  }
  return keys;
}

std::vector<Key> all_keys() {
  const int second = LetterRow::kTop + LetterRow::kKeyHeight + LetterRow::kRowGap;
  std::vector<Key> keys = row_of(codes_of(TR("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ")), {},
                                 LetterRow::kTop);
  const std::vector<Key> more = row_of(codes_of(TR("0123456789ß", "0123456789")),
                                       {{kShift, "Aa"},
                                        {' ', TR("Leerzeichen", "Space")},
                                        {8, TR("Löschen", "Delete")},
                                        {13, TR("OK", "OK")}},
                                       second);
  keys.insert(keys.end(), more.begin(), more.end());
  return keys;
}

bool capital(int code) {
  return (code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7);
}

// What a key types now: a capital's small letter while small letters are on.
int typed_by(const Key& key, bool small) {
  return small && capital(key.code) ? key.code + 32 : key.code;
}

}  // namespace

int LetterRow::press(int x, int y) {
  for (const Key& key : all_keys()) {
    if (!key.place.contains(x, y)) continue;
    if (key.code == kShift) {
      small_ = !small_;
      return 0;
    }
    return typed_by(key, small_);
  }
  return 0;
}

Rect LetterRow::key_for(int code) const {
  for (const Key& key : all_keys())
    if (typed_by(key, small_) == code) return key.place;
  return {0, 0, -1, 0};
}

void LetterRow::draw(BITMAP* on, int pointer_x, int pointer_y) const {
  BITMAP* const was = memory_screen;
  memory_screen = on;  // outlined_text letters the frame buffer
  for (const Key& key : all_keys()) {
    const Rect& r = key.place;
    const bool lit = r.contains(pointer_x, pointer_y) || (key.code == kShift && small_);
    rectfill(on, r.x1, r.y1, r.x2, r.y2, lit ? makecol(96, 110, 160) : makecol(36, 44, 70));
    rect(on, r.x1, r.y1, r.x2, r.y2, makecol(150, 160, 190));
    std::string label = key.label;
    if (small_ && capital(key.code)) {
      char bytes[8];
      bytes[usetc(bytes, key.code + 32)] = 0;
      label = bytes;
    }
    outlined_text(label.c_str(), r.x1 + (r.width() - text_length(pv_font, label.c_str())) / 2, r.y1,
                  makecol(255, 236, 170));
  }
  memory_screen = was;
}
