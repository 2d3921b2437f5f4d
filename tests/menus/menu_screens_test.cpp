// The main menu's instructions and options screens, and the slider
// conversions they share with the control panel.
#include <gtest/gtest.h>
#include <functional>
#include "core/read_aloud.h"
#include "core/settings.h"
#include "core/tr.h"
#include "core/world.h"
#include "game/game.h"
#include "menus/main_menu.h"
#include "menus/menu_screens.h"
#include "menus/sliders.h"
#include "platform/headless.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;
using screen_layout::Rect;
using V = std::vector<int>;

TEST(Sliders, ValuesKnobPlacesAndThePointerConvertByTheRulesAndTruncate) {
  using sliders::Kind;
  // Text speed 0..100 over x 320..470 (1.5 px a step); volume 0..255 over the
  // same track (x = v / 2.55 x 1.5 + 320, v = (x - 320) / 1.5 x 2.55).
  const struct { Kind kind; int value, x, back; } rows[] = {  // value -> x, and x read back
      {Kind::kTextSpeed, 0, 320, 0},  {Kind::kTextSpeed, 100, 470, 100}, {Kind::kTextSpeed, 50, 395, 50},
      {Kind::kTextSpeed, 1, 321, 0},  {Kind::kVolume, 0, 320, 0},         {Kind::kVolume, 255, 470, 254},
      {Kind::kVolume, 128, 395, 127}, {Kind::kVolume, 34, 340, 34},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << (r.kind == Kind::kVolume ? "volume " : "text speed ") << r.value);
    EXPECT_EQ(sliders::value_to_x(r.kind, r.value), r.x);
    EXPECT_EQ(sliders::x_to_value(r.kind, r.x), r.back);
  }
  EXPECT_EQ(sliders::x_to_text_speed(322), 1) << "1.33";
  for (int v = 0; v < 100; ++v) EXPECT_LE(sliders::text_speed_to_x(v), sliders::text_speed_to_x(v + 1)) << v;
  for (int v = 0; v < 255; ++v) EXPECT_LE(sliders::volume_to_x(v), sliders::volume_to_x(v + 1)) << v;
  // The knob's left edge is 10 px left of the pointer, from 320 to 470.
  using Points = std::initializer_list<std::pair<int, int>>;
  for (auto [pointer, knob] : Points{{340, 330}, {330, 320}, {329, 320}, {0, 320}, {480, 470}, {481, 470}})
    EXPECT_EQ(sliders::knob_x_for_pointer(pointer), knob) << pointer;
  // The knob at (395, 170), 20 x 10, is held strictly inside.
  for (auto [x, y] : Points{{396, 171}, {414, 179}, {395, 175}, {415, 175}, {400, 170}, {400, 180}})
    EXPECT_EQ(sliders::pointer_on_knob(395, 170, x, y), x == 396 || x == 414) << x << "," << y;
  // The track of the row at 170: where the knob can go (x 320 to 489) and 4 px above and below it (166 to 183).
  const struct { int x, y; bool on; } track[] = {{320, 166, true},  {489, 183, true},  {320, 183, true}, {489, 166, true},
                                                 {319, 175, false}, {490, 175, false}, {400, 165, false},
                                                 {400, 184, false}, {395, 175, true}};
  for (const auto& t : track) EXPECT_EQ(sliders::pointer_on_track(170, t.x, t.y), t.on) << t.x << "," << t.y;
  // A press on the track brings the knob's middle to the pointer: at 350 the knob's left edge is at 340.
  EXPECT_EQ((V{sliders::x_to_value(Kind::kTextSpeed, sliders::knob_x_for_pointer(350)),
               sliders::x_to_value(Kind::kVolume, sliders::knob_x_for_pointer(350)),
               sliders::x_to_value(Kind::kVolume, sliders::knob_x_for_pointer(489))}),
            (V{13, 34, 254}))
      << "20 / 1.5 = 13.3 steps; 20 / 1.5 x 2.55 = 34; the right end";
}

TEST(InstructionsLayout, WordsBreakAtBlanksWithinTheWidthAndTopicsStayWholeOnAPage) {
  // Ten pixels a character: easy to count.
  const auto ten = [](const std::string& s) { return static_cast<int>(s.size()) * 10; };
  const auto joined = [](const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += (all.empty() ? "" : "|") + l;
    return all;
  };
  const struct { const char *text; int width; const char* lines; } wraps[] = {
      {"aaa bbb ccc dd", 70, "aaa bbb|ccc dd"}, {"aaa bbb ccc dd", 69, "aaa|bbb|ccc dd"},
      {"aaa bbb ccc dd", 59, "aaa|bbb|ccc|dd"}, {"  aaa   bbb  ", 200, "aaa bbb"},
      {"a verylongword b", 50, "a|verylongword|b"}, {"", 50, ""}, {"   ", 50, ""}};
  for (const auto& w : wraps)
    EXPECT_EQ(joined(wrap_words(w.text, w.width, ten)), w.lines) << w.text << " in " << w.width;
  // Width 50, 7 lines: h1 (3 lines), empty, h2 (3 lines) fill page one; h3 would need 3 more.
  auto pages = menu_screens::paginate({{"h1", "aa bb cc dd"}, {"h2", "ee ff gg hh"}, {"h3", "ii"}}, 50, 7, ten);
  ASSERT_EQ((std::vector<size_t>{pages.size(), pages[0].size()}), (std::vector<size_t>{2, 7}));
  EXPECT_TRUE(pages[0][0].heading && !pages[0][1].heading);
  EXPECT_EQ(pages[0][0].text + "|" + pages[0][1].text + "|" + pages[0][3].text + "|" + pages[0][4].text,
            "h1|aa bb||h2");
  ASSERT_EQ(pages[1].size(), 2u);
  EXPECT_EQ(pages[1][0].text + "|" + pages[1][1].text, "h3|ii") << "a new page starts without an empty line";
  // A topic longer than a page runs on.
  pages = menu_screens::paginate({{"h", "a b c d e f g"}}, 10, 3, ten);
  ASSERT_EQ((std::vector<size_t>{pages.size(), pages[0].size()}), (std::vector<size_t>{3, 3}));
  EXPECT_EQ(pages[2].back().text, "g");
  // The window size steps automatic, 1x .. the largest, fill, automatic; a factor from a larger desktop goes to
  // automatic.
  using menu_screens::next_scale;
  const int fill = window_fit::kFill;
  EXPECT_EQ((V{next_scale(0, 2), next_scale(1, 2), next_scale(2, 2), next_scale(fill, 2), next_scale(0, 1),
               next_scale(1, 1), next_scale(5, 2)}), (V{1, 2, fill, 0, 1, fill, 0}));
}

TEST(ScreenTexts, EveryTextOfTheInstructionsAndOptionsFitsItsBoxInTheGameFont) {
  dialogue_support::load_font();
  const auto fits = [](const std::vector<menu_screens::TextBox>& texts) {
    for (const auto& t : texts) {
      EXPECT_LE(text_length(pv_font, t.text.c_str()), t.box.width()) << t.text;
      EXPECT_LE(text_height(pv_font), t.box.height()) << t.text;
      EXPECT_TRUE(t.box.x1 >= 0 && t.box.x2 <= 639 && t.box.y1 >= 0 && t.box.y2 <= 479) << t.text;
    }
  };
  // The instructions: three pages, every topic's words on them in order, inside the text area 60..580 x 60..380.
  const auto pages = menu_screens::instruction_pages();
  ASSERT_EQ(pages.size(), 3u);
  std::string words, expected;
  for (const auto& page : pages) {
    EXPECT_LE(page.size(), 14u);
    for (const auto& line : page) {
      EXPECT_LE(text_length(pv_font, line.text.c_str()), 480) << line.text;
      if (!line.text.empty()) words += line.text + " ";
    }
  }
  for (const auto& topic : menu_screens::instruction_topics())
    expected += std::string(topic.heading) + " " + topic.body + " ";
  EXPECT_EQ(words, expected);
  for (int p = 0; p < 3; ++p) {
    const auto texts = menu_screens::instructions_texts(pages, p);
    fits(texts);
    for (const auto& t : texts)
      if (t.tone == menu_screens::Tone::kBody || t.tone == menu_screens::Tone::kHeading)
        EXPECT_TRUE(t.box.x1 >= 60 && t.box.x2 <= 580 && t.box.y1 >= 60 && t.box.y2 <= 380) << t.text;
    EXPECT_NE(texts.back().text.find("231"[p]), std::string::npos) << "the page button names its page";
  }
  // The options: on the plate (y 48 to 391), labels left of the row icons (x 279) or right of the switch (to
  // 427) and the tracks (knob to 490), or below the last track (its knob at 55 + 4 x 30 + 8, 10 high).
  for (int output = 0; output <= 1; ++output) {
    const auto texts = menu_screens::options_texts(100, 255, 0, output);
    fits(texts);
    for (const auto& t : texts)
      if (t.box.y1 > 48 && t.box.y2 < 392)
        EXPECT_TRUE(t.box.x2 < 279 || (t.box.x1 > 427 && (t.box.x1 > 490 || t.box.y1 > 193))) << t.text;
  }
  // The rows of two choices each: labels left of the icons, each choice in its box (x 320..492). The rows are
  // 30 px apart from 55, each box 27 high: spoken lines' size in row 7 and their band in row 8, reading aloud in
  // row 6 (under the switch) and the pause when away in row 10 (the last, under the window size).
  const struct {
    const char* what;
    int tops[2];
    std::function<std::vector<menu_screens::TextBox>(int, int, int)> texts;
    int choices[2];  // of the first row, of the second
  } pairs[] = {
      {"spoken lines", {265, 295}, menu_screens::subtitle_texts, {2, 2}},
      {"read aloud, pause when away", {235, 355}, menu_screens::access_texts, {2, 3}},
  };
  for (const auto& pair : pairs)
    for (int first = 0; first < pair.choices[0]; ++first)
      for (int second = 0; second < pair.choices[1]; ++second)
        for (int lit = -1; lit <= 1; ++lit) {
          SCOPED_TRACE(pair.what);
          const auto texts = pair.texts(first, second, lit);
          ASSERT_EQ(texts.size(), 4u);
          fits(texts);
          for (int row = 0; row < 2; ++row) {
            const auto &name = texts[2 * row], &choice = texts[2 * row + 1];
            EXPECT_LT(name.box.x2, 279) << name.text;
            EXPECT_TRUE(choice.box.x1 >= 320 && choice.box.x2 <= 492) << choice.text;
            const int top = pair.tops[row];
            EXPECT_TRUE(choice.box.y1 >= top && choice.box.y2 <= top + 26 && name.box.y1 == choice.box.y1) << choice.text;
            EXPECT_EQ(choice.tone == menu_screens::Tone::kTitle, lit == row) << "lit under the pointer";
          }
          EXPECT_NE(texts[1].text, pair.texts(1 - first, second, lit)[1].text) << "the first row's choice";
          for (int other = 0; other < pair.choices[1]; ++other)
            if (other != second) EXPECT_NE(texts[3].text, pair.texts(first, other, lit)[3].text) << "the second's";
        }
  // The pause when away goes round its three choices: never, in full screen, always.
  EXPECT_EQ((V{menu_screens::next_pause_when_away(0), menu_screens::next_pause_when_away(2),
               menu_screens::next_pause_when_away(1)}),
            (V{2, 1, 0}));
  int shown = 0;
  for (const auto& t : menu_screens::options_texts(7, 8, 9, 1))
    shown += t.text == "7" || t.text == "8" || t.text == "9";
  EXPECT_EQ(shown, 3) << "each slider shows its value";
  // The window size: the label left of its icon, the choice in its box 320..492 between the
  // band's box (to 321) and the pause's (from 355), the size of the window it gives right of the box.
  const window_fit::Placement fill = window_fit::filled_window(3840, 2160);  // 2720 x 2040, the widest text
  for (int largest = 1; largest <= 8; ++largest)
    for (int setting = window_fit::kFill; setting <= 8; ++setting) {
      const auto texts = menu_screens::scale_texts(setting, largest, fill, setting == 2);
      ASSERT_EQ(texts.size(), 3u);
      fits(texts);
      EXPECT_LT(texts[0].box.x2, 279);
      EXPECT_TRUE(texts[1].box.x1 >= 320 && texts[1].box.x2 <= 492 && texts[1].box.y1 > 321 && texts[1].box.y2 < 355);
      EXPECT_TRUE(texts[2].box.x1 > 492 && texts[2].box.x2 < 600 && texts[2].box.y1 == texts[1].box.y1);
    }
  EXPECT_EQ(menu_screens::scale_texts(3, 4, fill, false)[1].text, "3x");
  EXPECT_NE(menu_screens::scale_texts(0, 4, fill, false)[1].text.find("4x"), std::string::npos) << "automatic's factor";
  EXPECT_EQ(menu_screens::scale_texts(window_fit::kFill, 4, fill, false)[1].text, TR("Ausfüllen", "Fill"));
  // The window is 640 x 480 times the factor chosen, or the largest that fits for automatic, or the fill window
  // (960 x 720 on a 1280 x 800 desktop).
  using menu_screens::window_size_text;
  const window_fit::Placement deck = window_fit::filled_window(1280, 800);
  EXPECT_EQ(window_size_text(0, 2, deck) + "|" + window_size_text(1, 3, deck) + "|" + window_size_text(3, 4, deck) + "|" +
                window_size_text(0, 1, deck) + "|" + menu_screens::scale_texts(2, 3, deck, false)[2].text + "|" +
                window_size_text(window_fit::kFill, 1, deck),
            "1280 x 960|640 x 480|1920 x 1440|640 x 480|1280 x 960|960 x 720");
}

namespace {
// Share of the pixels of `area` in the last frame that equal `picture` there.
double frame_share(BITMAP* picture, const Rect& area) {
  BITMAP* frame = headless::last_frame();
  if (!picture || !frame) return 0.0;
  int same = 0;
  for (int y = area.y1; y <= area.y2; ++y)
    for (int x = area.x1; x <= area.x2; ++x) same += getpixel(frame, x, y) == getpixel(picture, x, y);
  return static_cast<double>(same) / (area.width() * area.height());
}

// Areas without text where the three screens differ.
bool showing_options() { return frame_share(main_options_bmp, {44, 124, 100, 134}) > 0.99; }
bool showing_instructions() { return frame_share(main_instruct_bmp, {230, 392, 410, 470}) > 0.99; }
bool showing_menu() { return frame_share(menu_bmp, {300, 120, 400, 470}) > 0.99; }

// A moment after the screen has taken the last release: every action waits
// for both buttons to be up for ten polls, and a click within them is not seen.
int soon() { return headless::now() + 30; }
void press(int x, int y) { headless::click(soon(), x, y); }
void right_click(int x, int y) { headless::mouse_at(soon(), x, y, 2), headless::mouse_at(soon() + 60, x, y, 0); }
// Pressed at x0, through `via`, let go at x1 (on row y, the last two 3 px lower).
void drag(int x0, int x1, int y, int via = -1) {
  const int t = soon();
  headless::mouse_at(t, x0, y, 0), headless::mouse_at(t + 20, x0, y, 1);
  headless::mouse_at(t + 40, via < 0 ? (x0 + x1) / 2 : via, y + 3, 1);
  headless::mouse_at(t + 60, x1, y + 3, 1), headless::mouse_at(t + 80, x1, y + 3, 0);
}
bool released_at(int x) { return mouse_b == 0 && mouse_x == x; }
bool back_in_menu_from(int x) { return released_at(x) && showing_menu(); }
std::function<bool()> up_at(int x) { return [x] { return released_at(x); }; }
std::function<bool()> menu_from(int x) { return [x] { return back_in_menu_from(x); }; }
}  // namespace

// One run from the main menu: the options changed by clicks on the knobs and
// tracks, by dragging and in the boxes of spoken lines, and kept with OK;
// changed again and cancelled, changed again and left with a right click;
// then the instructions' pages turned and left with Back and a right click.
TEST(MenuOptions, KnobsAreHeardAtOnceOkKeepsCancelAndARightClickRestoreThenTheInstructions) {
  fresh_game();
  const std::string start_options = "180 220 50 1 \r\n  first save";
  write_file("options.sav", start_options); headless::set_desktop(1920, 1080);
  headless::set_time_limit(600000);
  bool menu_first = false, instructions_back = false, menu_after_right_click = false;
  int after_knob_click = -1, after_track_click = -1, after_slide = -1, knob_x = -1, heard = -1, effects = -1, speed = -1;
  int heard_cancelled = -1, output_cancelled = -1, scale_cancelled = -1, heard_right = -1;
  double knob_lit = -1, back_lit = -1, text_drawn = -1;
  std::string ok_options, ok_display, ok_settings;
  int band_cancelled = -1;
  V subtitles;
  V scales, ok, page_one, page_two, page_three, page_one_again;  // ok: music, effects, text speed, output, size, window asked
  const auto text_area = [](V& into) {
    for (int y = 60; y <= 380; ++y)
      for (int x = 60; x <= 580; ++x) into.push_back(getpixel(headless::last_frame(), x, y));
  };
  const auto restored = [&](const char* how) {
    SCOPED_TRACE(how);
    EXPECT_EQ((V{music_vol, wave_vol, text_speed, text_output, window_scale, headless::requested_scale()}),
              (V{34, 254, 0, 1, 2, 2}));
    EXPECT_EQ((V{headless::sound().midi_volume, headless::sound().digi_volume}), (V{34, 254})) << "heard as kept";
    EXPECT_EQ(read_file("options.sav"), ok_options) << "nothing is written";
    EXPECT_EQ(read_file("display.sav"), "2 ");
    EXPECT_EQ((V{settings::large_subtitles, settings::subtitle_band}), (V{1, 0}));
    EXPECT_EQ(read_file("settings.txt"), ok_settings);
  };
  Player player;
  player.then([] { return in_main_menu() && showing_menu(); },
              [&] { menu_first = !showing_options() && !showing_instructions(), press(150, 313); })
      // The music knob (row 153) shows 180 at 425. A click on the knob without moving it keeps 180 (reading
      // 425 back would give 178).
      .then([] { return mouse_b == 0 && showing_options(); },
            [&] { scales.push_back(tmp_window_scale), press(435, 158); })
      // A click on the track beside it brings the knob's middle there: 450 reads 221.
      .then(up_at(435), [&] { after_knob_click = tmp_music_vol, press(460, 158); })
      // Pressed on the track (the knob goes to 400), then dragged on through 435 to 345: 335 reads 25.
      .then(up_at(460), [&] { after_track_click = tmp_music_vol, drag(410, 345, 158, 435); })
      .then(up_at(345), [&] { after_slide = tmp_music_vol, drag(345, 350, 158); })
      .then([] { return released_at(350) && !showing_menu(); },
            [&] {  // then sound effects (knob at 449) past the right end
              heard = headless::sound().midi_volume, knob_x = controller_x, drag(459, 630, 188);
              knob_lit = shown_share(headless::last_frame(), controller_on, 340, 153);
            })
      .then(up_at(630), [&] { effects = tmp_wave_vol, drag(405, 5, 128); })
      .then(up_at(5), [&] { speed = tmp_text_speed, press(400, 338); })  // the window size
      .then(up_at(400), [&] { scales.push_back(tmp_window_scale), press(401, 338); })
      .then(up_at(401), [&] { scales.push_back(tmp_window_scale), press(403, 278); })  // the size of spoken lines
      .then(up_at(403), [] { press(404, 308); })                                        // the band behind them
      .then(up_at(404), [&] { subtitles = {settings::large_subtitles, settings::subtitle_band}, press(200, 420); })
      .then(menu_from(200),
            [&] {
              ok_options = read_file("options.sav"), ok_display = read_file("display.sav"), press(150, 313);
              ok_settings = read_file("settings.txt");
              ok = {music_vol, wave_vol, text_speed, text_output, window_scale, headless::requested_scale()};
            })
      // Again: the music up, the text output switched off, the window size on to fill and to automatic; Cancel.
      .then([] { return mouse_b == 0 && showing_options(); }, [] { drag(350, 450, 158); })
      .then(up_at(450), [] { press(370, 218); })
      .then([] { return released_at(370) && mouse_y == 218; }, [] { press(405, 308); })
      .then(up_at(405), [] { press(402, 338); })
      .then(up_at(402), [&] { scales.push_back(tmp_window_scale), press(406, 338); })
      .then(up_at(406),
            [&] {
              heard_cancelled = headless::sound().midi_volume, output_cancelled = tmp_text_output;
              band_cancelled = settings::subtitle_band;
              scale_cancelled = tmp_window_scale, press(440, 420);
            })
      .then(menu_from(440), [&] { restored("cancel"), press(150, 313); })
      .then([] { return mouse_b == 0 && showing_options(); }, [] { drag(350, 450, 158); })
      .then(up_at(450), [&] { heard_right = headless::sound().midi_volume, right_click(300, 100); })
      .then(menu_from(300), [&] { restored("right click"), press(150, 268); })
      // The instructions: off the text onto the page button, the pages turned thrice, Back lit and clicked.
      .then([] { return mouse_b == 0 && showing_instructions(); }, [] { headless::mouse_at(soon(), 139, 430, 0); })
      .then([] { return mouse_x == 139 && mouse_y == 430; },
            [&] {
              text_area(page_one), press(140, 430), text_drawn = frame_share(main_instruct_bmp, {60, 60, 580, 380});
            })
      .then(up_at(140), [&] { text_area(page_two), press(141, 430); })
      .then(up_at(141), [&] { text_area(page_three), press(142, 430); })
      .then(up_at(142), [&] { text_area(page_one_again), headless::mouse_at(soon(), 560, 440, 0); })
      .then([] { return mouse_x == 560; },
            [&] { back_lit = shown_share(headless::last_frame(), inst_back_on, 416, 406), press(560, 440); })
      .then(menu_from(560), [&] { instructions_back = true, press(151, 268); })
      .then([] { return released_at(151) && showing_instructions(); }, [] { right_click(500, 200); })
      .then(menu_from(500), [&] { menu_after_right_click = true, headless::stop(); });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { game_main(1, argv); }), -2);
  EXPECT_TRUE(menu_first && instructions_back && menu_after_right_click);
  // A knob let go in place keeps its value; a click on the track moves the knob there, and it drags on from there.
  EXPECT_EQ((V{after_knob_click, after_track_click, after_slide}), (V{180, 221, 25}));
  EXPECT_EQ(knob_x, 340);
  EXPECT_GT(knob_lit, 0.7) << "the dragged knob is drawn lit where it was let go";
  EXPECT_EQ((V{heard, effects, speed}), (V{34, 254, 0})) << "the new music volume is applied before OK";
  EXPECT_EQ(scales, (V{0, 1, 2, window_fit::kFill}));
  EXPECT_EQ(ok, (V{34, 254, 0, 1, 2, 2})) << "the window changes without a restart";
  EXPECT_EQ(ok_options.substr(0, 27), "34 254 0 1 \r\n  first save  ") << "the window size is not in options.sav";
  EXPECT_EQ(ok_options.size(), 11u + 10 * 32);
  EXPECT_EQ(ok_display, "2 ");
  // The spoken lines large and without their band, written to settings.txt with OK.
  EXPECT_EQ(subtitles, (V{1, 0}));
  EXPECT_NE(ok_settings.find("\nlarge_subtitles=1\n"), std::string::npos) << ok_settings;
  EXPECT_NE(ok_settings.find("\nsubtitle_band=0\n"), std::string::npos) << ok_settings;
  EXPECT_EQ(band_cancelled, 1) << "switched on the screen, back off with Cancel";
  // Heard at once while the screen is open; switched and stepped there only.
  EXPECT_EQ((V{heard_cancelled, output_cancelled, scale_cancelled, heard_right}), (V{204, 0, 0, 204}));
  EXPECT_LT(text_drawn, 0.95) << "the page carries text";
  ASSERT_FALSE(page_one.empty());
  EXPECT_TRUE(page_one != page_two && page_two != page_three && page_one == page_one_again) << "turned thrice";
  EXPECT_GT(back_lit, 0.7);
}

// The rows for a player who cannot see the screen or is called away: reading aloud turned on at once (the rows
// are then read as the pointer comes onto them), the pause when away stepped round its choices, both kept with
// OK; without speech-dispatcher the screen says so under OK and Cancel.
TEST(MenuOptions, ReadingAloudIsHeardAtOnceAndReadsTheRowsThePauseWhenAwayStepsRoundAndOkKeepsBoth) {
  fresh_game();
  headless::set_time_limit(600000);
  std::vector<std::string> heard;  // what cut off what was being said, while the screen was open
  V pauses;
  bool kept = false;
  double line_drawn = -1;
  const auto names = [&heard] {
    for (const headless::Said& s : headless::spoken())
      if (s.interrupt && !s.text.empty()) heard.push_back(s.text);
  };
  Player player;
  player.then([] { return in_main_menu() && showing_menu(); }, [] { press(150, 313); })
      .then([] { return mouse_b == 0 && showing_options(); }, [] { press(400, 248); })  // read aloud (row 6)
      .then(up_at(400), [] { headless::mouse_at(soon(), 410, 368, 0); })                // onto the pause (row 10)
      .then([] { return mouse_x == 410; }, [&] { pauses.push_back(settings::pause_when_away), press(411, 368); })
      .then(up_at(411), [&] { pauses.push_back(settings::pause_when_away), press(412, 368); })
      .then(up_at(412), [&] { pauses.push_back(settings::pause_when_away), press(413, 368); })
      .then(up_at(413), [&] { pauses.push_back(settings::pause_when_away), press(414, 368); })
      .then(up_at(414), [&] { pauses.push_back(settings::pause_when_away), names(), press(200, 420); })  // OK
      .then(menu_from(200),
            [&] {
              const std::string file = read_file("settings.txt");
              kept = file.find("\nspeech=1\n") != std::string::npos && file.find("\npause_when_away=1\n") != std::string::npos;
              // Off again, and no speech-dispatcher: turned on, the screen says there is no speech.
              settings::speech = 0, follow_speech_setting(), headless::fail_speech(true), press(150, 313);
            })
      .then([] { return mouse_b == 0 && showing_options(); }, [] { press(401, 248); })
      .then(up_at(401), [&] { line_drawn = frame_share(main_options_bmp, {100, 446, 540, 465}), headless::stop(); });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { game_main(1, argv); }), -2);
  EXPECT_EQ(pauses, (V{2, 1, 0, 2, 1})) << "in full screen, always, never, in full screen, always";
  const std::string pause = TR("Pause im Hintergrund: ", "Pause when away: ");
  EXPECT_EQ(heard, (std::vector<std::string>{TR("Sprachausgabe an", "Speech on"), TR("Vorlesen: An", "Read aloud: On"),
                                             pause + TR("im Vollbild", "in full screen"), pause + TR("immer", "always"),
                                             pause + TR("nie", "never"), pause + TR("im Vollbild", "in full screen"),
                                             pause + TR("immer", "always")}));
  EXPECT_TRUE(kept) << read_file("settings.txt");
  EXPECT_EQ(settings::speech, 1);
  EXPECT_LT(line_drawn, 0.9) << "the line that says there is no speech";
}

// Reading aloud asked for in settings.txt starts with the game: the main menu names its buttons as the jumps
// step through them in reading order, and F2 there turns reading aloud off and keeps that.
TEST(MenuOptions, TheMainMenuReadsItsButtonsAsTheJumpsStepThroughThemAndF2TurnsReadingAloudOff) {
  fresh_game();
  write_file("settings.txt", "speech=1\n");
  headless::set_time_limit(600000);
  std::vector<std::string> heard;
  bool off_kept = false;
  const auto jump = [] { headless::key_at(soon(), KEY_PGDN << 8); };
  size_t from = 0;
  Player player;
  player.then([] { return in_main_menu() && showing_menu(); }, [&] { from = headless::spoken().size(), jump(); })
      .then([&] { return headless::spoken().size() > from; }, [&] { ++from, jump(); })
      .then([&] { return headless::spoken().size() > from; }, [&] { ++from, jump(); })
      .then([&] { return headless::spoken().size() > from; },
            [&] { headless::key_at(soon(), KEY_F2 << 8); })
      .then([] { return settings::speech == 0; },
            [&] {
              for (const headless::Said& s : headless::spoken()) heard.push_back(s.text);
              off_kept = read_file("settings.txt").find("\nspeech=0\n") != std::string::npos;
              headless::stop();
            });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(run_program([&] { game_main(1, argv); }), -2);
  EXPECT_EQ(heard, (std::vector<std::string>{TR("Neues Spiel", "New game"), TR("Spiel laden", "Load game"),
                                             TR("Anleitung", "Instructions")}));
  EXPECT_TRUE(off_kept);
}
