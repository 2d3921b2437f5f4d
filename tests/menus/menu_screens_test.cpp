// The main menu's instructions and options screens, and the slider
// conversions they share with the control panel.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "menus/main_menu.h"
#include "menus/menu_screens.h"
#include "menus/sliders.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/world.h"
#include "support/test_support.h"

using namespace test_support;
using screen_layout::Rect;

// ---- Slider conversions ---------------------------------------------------------

TEST(Sliders, ValuesAndKnobPlacesConvertByTheRulesAndTruncate) {
  using sliders::Kind;
  // Text speed 0..100 over x 320..470 (1.5 px a step); volume 0..255 over the
  // same track (x = v / 2.55 x 1.5 + 320, v = (x - 320) / 1.5 x 2.55).
  const struct {
    Kind kind;
    int value, x, back;  // value -> x, and x read back
  } rows[] = {
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
}

TEST(Sliders, TheKnobFollowsThePointerStopsAtTheEndsAndIsHeldOnlyStrictlyInside) {
  // The knob's left edge is 10 px left of the pointer, from 320 to 470.
  for (auto [pointer, knob] : std::initializer_list<std::pair<int, int>>{
           {340, 330}, {330, 320}, {329, 320}, {0, 320}, {480, 470}, {481, 470}, {639, 470}})
    EXPECT_EQ(sliders::knob_x_for_pointer(pointer), knob) << pointer;
  // The knob at (395, 170), 20 x 10.
  EXPECT_TRUE(sliders::pointer_on_knob(395, 170, 396, 171));
  EXPECT_TRUE(sliders::pointer_on_knob(395, 170, 414, 179));
  for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{395, 175}, {415, 175}, {400, 170}, {400, 180}})
    EXPECT_FALSE(sliders::pointer_on_knob(395, 170, x, y)) << x << "," << y;
}

// ---- Laying out the instructions -----------------------------------------------

namespace {

// Ten pixels a character: easy to count.
int ten_per_char(const std::string& s) {
  return static_cast<int>(s.size()) * 10;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& l : lines) all += (all.empty() ? "" : "|") + l;
  return all;
}

}  // namespace

TEST(InstructionsLayout, WordsBreakAtBlanksWithinTheWidth) {
  EXPECT_EQ(joined(menu_screens::wrap_words("aaa bbb ccc dd", 70, ten_per_char)), "aaa bbb|ccc dd");
  EXPECT_EQ(joined(menu_screens::wrap_words("aaa bbb ccc dd", 69, ten_per_char)), "aaa|bbb|ccc dd");
  EXPECT_EQ(joined(menu_screens::wrap_words("aaa bbb ccc dd", 59, ten_per_char)), "aaa|bbb|ccc|dd");
  EXPECT_EQ(joined(menu_screens::wrap_words("  aaa   bbb  ", 200, ten_per_char)), "aaa bbb");
  EXPECT_EQ(joined(menu_screens::wrap_words("a verylongword b", 50, ten_per_char)), "a|verylongword|b");
  EXPECT_TRUE(menu_screens::wrap_words("", 50, ten_per_char).empty());
  EXPECT_TRUE(menu_screens::wrap_words("   ", 50, ten_per_char).empty());
}

TEST(InstructionsLayout, TopicsStayWholeOnAPageWithAnEmptyLineBetween) {
  using menu_screens::Topic;
  // Width 50: "h1" heading, body of two lines each.
  const std::vector<Topic> topics = {{"h1", "aa bb cc dd"}, {"h2", "ee ff gg hh"}, {"h3", "ii"}};
  const auto pages = menu_screens::paginate(topics, 50, 7, ten_per_char);
  ASSERT_EQ(pages.size(), 2u);
  // Page one: h1 (3 lines), empty, h2 (3 lines) = 7. h3 would need 3 more.
  ASSERT_EQ(pages[0].size(), 7u);
  EXPECT_TRUE(pages[0][0].heading);
  EXPECT_EQ(pages[0][0].text, "h1");
  EXPECT_EQ(pages[0][1].text, "aa bb");
  EXPECT_FALSE(pages[0][1].heading);
  EXPECT_EQ(pages[0][3].text, "");
  EXPECT_EQ(pages[0][4].text, "h2");
  ASSERT_EQ(pages[1].size(), 2u);
  EXPECT_EQ(pages[1][0].text, "h3") << "a new page starts without an empty line";
  EXPECT_EQ(pages[1][1].text, "ii");
}

TEST(InstructionsLayout, ATopicLongerThanAPageRunsOn) {
  const std::vector<menu_screens::Topic> topics = {{"h", "a b c d e f g"}};
  const auto pages = menu_screens::paginate(topics, 10, 3, ten_per_char);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].size(), 3u);
  EXPECT_EQ(pages[2].back().text, "g");
}

// ---- Every text fits, in the game font ------------------------------------------

namespace {

class ScreenTexts : public testing::Test {
 protected:
  void SetUp() override {
    fresh_game();
    font_dat = load_datafile("font.dat");
    ASSERT_NE(font_dat, nullptr);
    pv_font = static_cast<FONT*>(font_dat[0].dat);
  }
  void TearDown() override {
    if (font_dat) unload_datafile(font_dat);
    font_dat = nullptr;
    pv_font = nullptr;
  }

  static void expect_fits(const std::vector<menu_screens::TextBox>& texts) {
    for (const auto& t : texts) {
      EXPECT_LE(text_length(pv_font, t.text.c_str()), t.box.width()) << t.text;
      EXPECT_LE(text_height(pv_font), t.box.height()) << t.text;
      EXPECT_GE(t.box.x1, 0);
      EXPECT_LE(t.box.x2, 639);
      EXPECT_GE(t.box.y1, 0);
      EXPECT_LE(t.box.y2, 479);
    }
  }
};

}  // namespace

TEST_F(ScreenTexts, TheInstructionsTakeTwoPagesInsideTheTextArea) {
  const auto pages = menu_screens::instruction_pages();
  ASSERT_EQ(pages.size(), 2u);
  std::string words;
  for (const auto& page : pages) {
    EXPECT_LE(static_cast<int>(page.size()), menu_screens::kInstructLinesPerPage);
    for (const auto& line : page) {
      EXPECT_LE(text_length(pv_font, line.text.c_str()), menu_screens::kInstructLineWidth) << line.text;
      if (!line.text.empty()) words += line.text + " ";
    }
  }
  // Nothing is lost on the way: every topic's words are on a page, in order.
  std::string expected;
  for (const auto& topic : menu_screens::instruction_topics())
    expected += std::string(topic.heading) + " " + topic.body + " ";
  EXPECT_EQ(words, expected);
  for (int p = 0; p < 2; ++p) {
    const auto texts = menu_screens::instructions_texts(pages, p);
    expect_fits(texts);
    for (const auto& t : texts) {
      if (t.tone == menu_screens::Tone::kBody || t.tone == menu_screens::Tone::kHeading) {
        EXPECT_GE(t.box.x1, screen_layout::kInstructText.x1);
        EXPECT_LE(t.box.x2, screen_layout::kInstructText.x2);
        EXPECT_GE(t.box.y1, screen_layout::kInstructText.y1);
        EXPECT_LE(t.box.y2, screen_layout::kInstructText.y2);
      }
    }
  }
  // The page button names the page it turns to.
  EXPECT_NE(menu_screens::instructions_texts(pages, 0).back().text.find('2'), std::string::npos);
  EXPECT_NE(menu_screens::instructions_texts(pages, 1).back().text.find('1'), std::string::npos);
}

TEST_F(ScreenTexts, TheOptionsLabelsFitBesideTheSliders) {
  for (int output = 0; output <= 1; ++output) {
    const auto texts = menu_screens::options_texts(100, 255, 0, output);
    expect_fits(texts);
    for (const auto& t : texts) {
      const bool in_a_row = t.box.y1 > 120 && t.box.y2 < 370;
      if (!in_a_row) continue;
      // Left of the row icons (x 279 and beyond) or right of the tracks and the switch.
      EXPECT_TRUE(t.box.x2 < 279 || t.box.x1 > screen_layout::kMenuOptSwitch.x2) << t.text;
      EXPECT_TRUE(t.box.x2 < 279 || t.box.x1 > screen_layout::kMenuSliderX2 + screen_layout::kKnobWidth ||
                  t.box.y1 > screen_layout::kMenuSliderY[2] + screen_layout::kKnobHeight)
          << t.text;
    }
  }
  const auto texts = menu_screens::options_texts(7, 8, 9, 1);
  int shown = 0;
  for (const auto& t : texts) shown += t.text == "7" || t.text == "8" || t.text == "9";
  EXPECT_EQ(shown, 3) << "each slider shows its value";
}

TEST_F(ScreenTexts, TheWindowSizeRowFitsBesideItsIconAndInItsBox) {
  for (int largest = 1; largest <= 8; ++largest)
    for (int setting = 0; setting <= 8; ++setting) {
      const auto texts = menu_screens::scale_texts(setting, largest, setting == 2);
      ASSERT_EQ(texts.size(), 2u);
      expect_fits(texts);
      EXPECT_LT(texts[0].box.x2, 279) << "the label stays left of the row icon";
      EXPECT_GE(texts[1].box.x1, screen_layout::kMenuOptScale.x1);
      EXPECT_LE(texts[1].box.x2, screen_layout::kMenuOptScale.x2);
      EXPECT_GT(texts[1].box.y1, screen_layout::kMenuOptSwitch.y2) << "below the text-output switch";
      EXPECT_LT(texts[1].box.y2, screen_layout::kMenuOptOk.y1) << "above OK and Cancel";
    }
  EXPECT_EQ(menu_screens::scale_texts(3, 4, false)[1].text, "3x");
  EXPECT_NE(menu_screens::scale_texts(0, 4, false)[1].text.find("4x"), std::string::npos)
      << "the automatic choice names the factor it gives";
}

TEST(MenuOptions, TheWindowSizeStepsFromTheLargestThatFitsThroughEachFactorAndBack) {
  EXPECT_EQ(menu_screens::next_scale(0, 2), 1);
  EXPECT_EQ(menu_screens::next_scale(1, 2), 2);
  EXPECT_EQ(menu_screens::next_scale(2, 2), 0);
  EXPECT_EQ(menu_screens::next_scale(0, 1), 1);
  EXPECT_EQ(menu_screens::next_scale(1, 1), 0);
  // A factor chosen on a larger desktop goes back to the automatic choice.
  EXPECT_EQ(menu_screens::next_scale(5, 2), 0);
}

// ---- Scenarios with the scripted player ------------------------------------------

namespace {

// Share of the pixels of `area` in the last frame that equal `picture` there
// (a full-screen picture).
double frame_share(BITMAP* picture, const Rect& area) {
  BITMAP* frame = headless::last_frame();
  if (!picture || !frame) return 0.0;
  int same = 0;
  for (int y = area.y1; y <= area.y2; ++y)
    for (int x = area.x1; x <= area.x2; ++x) same += getpixel(frame, x, y) == getpixel(picture, x, y);
  return static_cast<double>(same) / (area.width() * area.height());
}

// Share of a sprite's opaque pixels shown at (at_x, at_y).
double sprite_share(BITMAP* sprite, int at_x, int at_y) {
  return test_support::shown_share(headless::last_frame(), sprite, at_x, at_y);
}

// Areas without text where the three screens differ.
constexpr Rect kOptionsProbe{44, 124, 160, 160};  // the options plate, above the first row
constexpr Rect kInstructProbe{230, 392, 410, 470};  // between the instructions buttons
constexpr Rect kMenuProbe{300, 120, 400, 470};      // beside the robot

bool showing_options() {
  return frame_share(main_options_bmp, kOptionsProbe) > 0.99;
}
bool showing_instructions() {
  return frame_share(main_instruct_bmp, kInstructProbe) > 0.99;
}
bool showing_menu() {
  return frame_share(menu_bmp, kMenuProbe) > 0.99;
}

int run_game() {
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  return run_program([&] { game_main(1, argv); });
}

constexpr int kOptionsButtonY = 313;
constexpr int kInstructionsButtonY = 268;
constexpr int kMusicKnobY = 225;  // row 220

// A moment after the screen has taken the last release: every action waits
// for both buttons to be up for ten polls, and a click within them is not seen
// (as a player's would not be).
int soon() {
  return headless::now() + 30;
}

// Drags from (x0, y) to (x1, y + 3) in a few steps.
void drag(int x0, int x1, int y) {
  const int t = soon();
  headless::mouse_at(t, x0, y, 0);
  headless::mouse_at(t + 20, x0, y, 1);
  headless::mouse_at(t + 40, (x0 + x1) / 2, y + 3, 1);
  headless::mouse_at(t + 60, x1, y + 3, 1);
  headless::mouse_at(t + 80, x1, y + 3, 0);
}

// Starts a scenario with the options file `options` and a time limit, so a
// step the game never reaches fails the test instead of hanging it.
void start(const char* options) {
  fresh_game();
  if (options) write_file("options.sav", options);
  headless::set_time_limit(300000);
}

bool released_at(int x) {
  return mouse_b == 0 && mouse_x == x;
}

const char* const kStartOptions = "180 220 50 1 \r\n  first save";

}  // namespace

TEST(MenuOptions, DraggingAKnobIsHeardAtOnceAndOkWritesTheOptions) {
  start(kStartOptions);
  bool options_seen = false, menu_seen_first = false, menu_back = false;
  int heard_while_open = -1, knob_x_seen = -1, effects_seen = -1, speed_seen = -1;
  double knob_lit = -1;
  Player player;
  player.then([] { return in_main_menu() && showing_menu(); },
              [&] { menu_seen_first = !showing_options() && !showing_instructions(); })
      .click_when(in_main_menu, 150, kOptionsButtonY)
      .then([] { return mouse_b == 0 && showing_options(); },
            [&] {
              options_seen = true;
              // The music knob: 180 shows at 425.
              drag(435, 350, kMusicKnobY);
            })
      .then([] { return released_at(350) && !showing_menu(); },
            [&] {
              heard_while_open = headless::sound().midi_volume;
              knob_x_seen = controller_x;
              knob_lit = sprite_share(controller_on, 340, 220);
              // Sound effects past the right end, text speed past the left one.
              drag(sliders::volume_to_x(220) + 10, 630, 275);
            })
      .then([] { return released_at(630); },
            [&] {
              effects_seen = tmp_wave_vol;
              drag(sliders::text_speed_to_x(50) + 10, 5, 175);
            })
      .then([] { return released_at(5); },
            [&] {
              speed_seen = tmp_text_speed;
              headless::click(soon(), 200, 420);  // OK
            })
      .then([] { return mouse_b == 0 && mouse_x == 200 && showing_menu(); },
            [&] {
              menu_back = true;
              headless::stop();
            });
  ASSERT_EQ(run_game(), -2);
  EXPECT_TRUE(menu_seen_first);
  EXPECT_TRUE(options_seen);
  EXPECT_EQ(knob_x_seen, 340);
  EXPECT_GT(knob_lit, 0.7) << "the dragged knob is drawn lit where it was let go";
  EXPECT_EQ(heard_while_open, 34) << "the new music volume is applied before OK";
  EXPECT_EQ(effects_seen, 254);
  EXPECT_EQ(speed_seen, 0);
  EXPECT_TRUE(menu_back);
  EXPECT_EQ(music_vol, 34);
  EXPECT_EQ(wave_vol, 254);
  EXPECT_EQ(text_speed, 0);
  EXPECT_EQ(text_output, 1);
  EXPECT_EQ(headless::sound().midi_volume, 34);
  EXPECT_EQ(headless::sound().digi_volume, 254);
  const std::string disk = read_file("options.sav");
  EXPECT_EQ(disk.substr(0, 27), "34 254 0 1 \r\n  first save  ");
  EXPECT_EQ(disk.size(), 11u + 10 * 32);
}

namespace {

// Opens the options, drags the music down, switches the text output off, then
// leaves with `leave` (which acts at the given time).
void change_then_leave(const std::function<void(int)>& leave) {
  start(kStartOptions);
  int heard_while_open = -1, output_while_open = -1;
  bool menu_back = false;
  Player player;
  player.click_when(in_main_menu, 150, kOptionsButtonY)
      .then([] { return mouse_b == 0 && showing_options(); }, [] { drag(435, 350, kMusicKnobY); })
      .then([] { return released_at(350); },
            [] { headless::click(soon(), 370, 325); })  // the text-output switch
      .then([] { return released_at(370) && mouse_y == 325; },
            [&] {
              heard_while_open = headless::sound().midi_volume;
              output_while_open = tmp_text_output;
              leave(soon());
            })
      .then([] { return mouse_b == 0 && headless::now() > 0 && showing_menu(); },
            [&] {
              menu_back = true;
              headless::stop();
            });
  ASSERT_EQ(run_game(), -2);
  EXPECT_EQ(heard_while_open, 34);
  EXPECT_EQ(output_while_open, 0);
  EXPECT_TRUE(menu_back);
  EXPECT_EQ(music_vol, 180);
  EXPECT_EQ(wave_vol, 220);
  EXPECT_EQ(text_speed, 50);
  EXPECT_EQ(text_output, 1);
  EXPECT_EQ(headless::sound().midi_volume, 180) << "the music is heard at its old volume again";
  EXPECT_EQ(headless::sound().digi_volume, 220);
  EXPECT_EQ(read_file("options.sav"), kStartOptions) << "nothing is written";
}

}  // namespace

TEST(MenuOptions, CancelOrARightClickRestoresEverythingAndWritesNothing) {
  {
    SCOPED_TRACE("cancel");
    change_then_leave([](int at) { headless::click(at, 440, 420); });
  }
  SCOPED_TRACE("right click");
  change_then_leave([](int at) {
    headless::mouse_at(at, 300, 100, 2);
    headless::mouse_at(at + 60, 300, 100, 0);
  });
}

TEST(MenuOptions, OnlyTheKnobCanBeDraggedAndAKnobLetGoInPlaceKeepsItsValue) {
  start("128 220 50 1 \r\n");
  int after_track = -1, after_slide = -1, after_knob_click = -1;
  Player player;
  player.click_when(in_main_menu, 150, kOptionsButtonY)
      .then([] { return mouse_b == 0 && showing_options(); },
            [] {
              // Pressed on the track beside the knob (at 395) and moved.
              drag(460, 340, kMusicKnobY);
            })
      .then([] { return released_at(340); },
            [&] {
              after_track = tmp_music_vol;
              // Pressed beside the knob, then slid onto it with the button held.
              const int t = soon();
              headless::mouse_at(t, 380, kMusicKnobY, 1);
              headless::mouse_at(t + 20, 405, kMusicKnobY, 1);
              headless::mouse_at(t + 40, 345, kMusicKnobY, 1);
              headless::mouse_at(t + 60, 345, kMusicKnobY, 0);
            })
      .then([] { return released_at(345); },
            [&] {
              after_slide = tmp_music_vol;
              // A click on the knob without moving it.
              headless::click(soon(), 405, kMusicKnobY);
            })
      .then([] { return released_at(405) && headless::now() > 0; },
            [&] {
              after_knob_click = tmp_music_vol;
              headless::stop();
            });
  ASSERT_EQ(run_game(), -2);
  EXPECT_EQ(after_track, 128);
  EXPECT_EQ(after_slide, 128);
  EXPECT_EQ(after_knob_click, 128) << "reading 395 back would give 127";
}

TEST(MenuInstructions, OpenTurnThePagesAndGoBack) {
  start(nullptr);
  std::vector<int> page_one, page_two, page_one_again;
  auto text_area = [](std::vector<int>& into) {
    into.clear();
    BITMAP* frame = headless::last_frame();
    for (int y = screen_layout::kInstructText.y1; y <= screen_layout::kInstructText.y2; ++y)
      for (int x = screen_layout::kInstructText.x1; x <= screen_layout::kInstructText.x2; ++x)
        into.push_back(getpixel(frame, x, y));
  };
  double back_lit = -1, text_drawn = -1;
  bool menu_back = false, menu_back_after_right_click = false;
  Player player;
  player.click_when(in_main_menu, 150, kInstructionsButtonY)
      .then([] { return mouse_b == 0 && showing_instructions(); },
            [] { headless::mouse_at(soon(), 139, 430, 0); })  // off the text, onto the page button
      .then([] { return mouse_x == 139 && mouse_y == 430; },
            [&] {
              text_area(page_one);
              text_drawn = frame_share(main_instruct_bmp, screen_layout::kInstructText);
              headless::click(soon(), 140, 430);  // the page button
            })
      .then([] { return released_at(140); },
            [&] {
              text_area(page_two);
              headless::click(soon(), 141, 430);
            })
      .then([] { return released_at(141); },
            [&] {
              text_area(page_one_again);
              headless::mouse_at(soon(), 560, 440, 0);
            })
      .then([] { return mouse_x == 560; },
            [&] {
              back_lit = sprite_share(inst_back_on, screen_layout::kInstructBackHighlightPos.x,
                                      screen_layout::kInstructBackHighlightPos.y);
              headless::click(soon(), 560, 440);
            })
      .then([] { return released_at(560) && showing_menu(); },
            [&] {
              menu_back = true;
              headless::click(soon(), 151, kInstructionsButtonY);
            })
      .then([] { return released_at(151) && showing_instructions(); },
            [] {
              headless::mouse_at(soon(), 500, 200, 2);
              headless::mouse_at(soon() + 60, 500, 200, 0);
            })
      .then([] { return mouse_b == 0 && mouse_x == 500 && showing_menu(); },
            [&] {
              menu_back_after_right_click = true;
              headless::stop();
            });
  ASSERT_EQ(run_game(), -2);
  EXPECT_LT(text_drawn, 0.95) << "the page carries text";
  ASSERT_FALSE(page_one.empty());
  EXPECT_NE(page_one, page_two);
  EXPECT_EQ(page_one, page_one_again);
  EXPECT_GT(back_lit, 0.7);
  EXPECT_TRUE(menu_back);
  EXPECT_TRUE(menu_back_after_right_click);
}

namespace {

constexpr int kScaleBoxX = 400;
constexpr int kScaleBoxY = 366;

// Opens the options on a 1920 x 1080 desktop, clicks the window-size box
// `clicks` times, then leaves with a click at (x, y).
std::vector<int> choose_scale(int clicks, int leave_x, int leave_y) {
  start(kStartOptions);
  headless::set_desktop(1920, 1080);
  std::vector<int> seen;
  Player player;
  player.click_when(in_main_menu, 150, kOptionsButtonY)
      .then([] { return mouse_b == 0 && showing_options(); },
            [&] {
              seen.push_back(tmp_window_scale);
              headless::click(soon(), kScaleBoxX, kScaleBoxY);
            });
  for (int i = 1; i < clicks; ++i)
    player.then([i] { return released_at(kScaleBoxX + i - 1); },
                [&seen, i] {
                  seen.push_back(tmp_window_scale);
                  headless::click(soon(), kScaleBoxX + i, kScaleBoxY);
                });
  player
      .then([clicks] { return released_at(kScaleBoxX + clicks - 1); },
            [&seen, leave_x, leave_y] {
              seen.push_back(tmp_window_scale);
              headless::click(soon(), leave_x, leave_y);
            })
      .then([leave_x] { return released_at(leave_x) && showing_menu(); }, [] { headless::stop(); });
  EXPECT_EQ(run_game(), -2);
  return seen;
}

}  // namespace

TEST(MenuOptions, OkKeepsTheWindowSizeInItsOwnFileAndResizesAtOnceCancelLeavesItAsItWas) {
  std::vector<int> seen = choose_scale(2, 200, 420);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(window_scale, 2);
  EXPECT_EQ(headless::requested_scale(), 2) << "the window changes without a restart";
  EXPECT_EQ(read_file("display.sav"), "2 ");
  const std::string options = read_file("options.sav");
  EXPECT_EQ(options.size(), 13u + 10 * 32) << "options.sav keeps its format";
  EXPECT_EQ(options.substr(0, 13), "180 220 50 1 ");

  seen = choose_scale(3, 440, 420);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(window_scale, 0);
  EXPECT_EQ(headless::requested_scale(), 0);
  EXPECT_EQ(read_file("display.sav"), "") << "nothing is written";
}
