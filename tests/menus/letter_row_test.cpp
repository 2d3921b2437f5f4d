// The row of letters under a name being typed on the save screen: every key types what it shows, the switch
// turns capitals into small letters and back, the keys lie apart between the list and the buttons, and a name
// is typed with the mouse alone (a pad's A is a left click), the keyboard still working beside it.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "menus/letter_row.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "support/test_support.h"

namespace {
using screen_layout::Rect;

void screen_and_font() {
  test_support::fresh_game(), test_support::ensure_allegro();
  memory_screen = create_bitmap(640, 480), clear_bitmap(memory_screen);
  driver::load_font();
}

// The Latin-1 codes of a UTF-8 text.
std::vector<int> codes(const char* text) {
  std::vector<int> out;
  for (const char* at = text; *at;) out.push_back(ugetxc(&at));
  return out;
}
}  // namespace

TEST(LetterRow, EveryKeyTypesWhatItShowsAndTheSwitchTurnsTheLettersSmall) {
  screen_and_font();
  LetterRow row;
  const std::string letters = TR("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ0123456789ß", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  std::vector<int> keys = codes(letters.c_str());
  keys.insert(keys.end(), {' ', 8, 13});
  std::vector<Rect> places;
  for (int code : keys) {
    const Rect r = row.key_for(code);
    ASSERT_GT(r.width(), 0) << "a key for " << code;
    EXPECT_EQ(row.press(r.mid_x(), r.mid_y()), code);
    places.push_back(r);
  }
  // Between the list's box (to y 319) and the buttons (from y 355), inside the panel's inner frame (x 68..571),
  // no key over another.
  places.push_back(row.key_for(LetterRow::kSwitch));
  for (size_t i = 0; i < places.size(); ++i) {
    const Rect& r = places[i];
    EXPECT_TRUE(r.y1 > 319 && r.y2 < 355 && r.x1 > 68 && r.x2 < 571) << i;
    for (size_t j = 0; j < i; ++j)
      EXPECT_TRUE(r.x2 < places[j].x1 || places[j].x2 < r.x1 || r.y2 < places[j].y1 || places[j].y2 < r.y1)
          << i << " over " << j;
  }
  EXPECT_EQ(row.key_for(0xC4).width(), TR(15, 0)) << "the umlauts in the German game alone";
  // The switch: small letters, umlauts included, ß and the digits as they are; again, capitals.
  const Rect switch_key = row.key_for(LetterRow::kSwitch);
  EXPECT_EQ(row.press(switch_key.mid_x(), switch_key.mid_y()), 0);
  EXPECT_TRUE(row.small_letters());
  const struct { int capital, typed; } cases[] = {{'A', 'a'}, {'Z', 'z'}, {'7', '7'}, {' ', ' '}, {8, 8}};
  for (const auto& c : cases) {
    const Rect r = places[static_cast<size_t>(std::find(keys.begin(), keys.end(), c.capital) - keys.begin())];
    EXPECT_EQ(row.press(r.mid_x(), r.mid_y()), c.typed) << c.capital;
  }
  if (std::string(TR("de", "en")) == "de") {
    EXPECT_EQ(row.press(row.key_for(0xFC).mid_x(), row.key_for(0xFC).mid_y()), 0xFC) << "ü";
    EXPECT_EQ(row.press(row.key_for(0xDF).mid_x(), row.key_for(0xDF).mid_y()), 0xDF) << "ß";
  }
  row.press(switch_key.mid_x(), switch_key.mid_y());
  EXPECT_FALSE(row.small_letters());
  EXPECT_EQ(row.press(10, 10), 0) << "no key";
  destroy_bitmap(memory_screen);
}

// A name clicked letter by letter on the row (capitals, the switch, small letters, a space, digits, Delete), a
// letter typed on the keyboard between, and OK on the row: the slot's name as clicked.
TEST(LetterRow, ANameIsTypedWithTheMouseAloneAndTheKeyboardStillWorks) {
  screen_and_font();
  std::memset(save_name, ' ', sizeof save_name);
  const std::string word = TR("Grüße 78", "Hello 78");
  LetterRow row;  // the test's own, to follow the switch
  int t = headless::now() + 50;
  auto click = [&](const Rect& r) {
    headless::click(t, r.mid_x(), r.mid_y(), 40);
    row.press(r.mid_x(), r.mid_y());
    t += 100;
  };
  for (int c : codes(word.c_str())) {
    const bool small = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE);
    if (small != row.small_letters() && c != 0xDF) click(row.key_for(LetterRow::kSwitch));
    const Rect r = row.key_for(c);
    ASSERT_GT(r.width(), 0) << c;
    click(r);
  }
  click(row.key_for(8));         // Delete takes the 8 back
  headless::key_at(t, '!');      // refused
  headless::key_at(t + 20, 'x');  // the keyboard, between clicks
  t += 100;
  click(row.key_for(13));
  EXPECT_EQ(select_file(3), 1);
  const std::string stored = word.substr(0, word.size() - 1) + "x";
  EXPECT_EQ(std::string(save_name[3], kSlotNameLen), stored + std::string(kSlotNameLen - stored.size(), ' '));
  destroy_bitmap(memory_screen);
}
