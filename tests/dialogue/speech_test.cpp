// What the dialogue shows: the menu's layout and hover band, where a spoken line goes, the band and the size it is
// shown with (the scenes' subtitles too), how long a speech lasts and that a click skips it, and a person's turn
// towards the hero and back around its reply.
#include <gtest/gtest.h>
#include <algorithm>
#include <tuple>
#include "core/errand.h"
#include "core/settings.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "dialogue/talk.h"
#include "frame/subtitles.h"
#include "interaction/people.h"
#include "platform/platform.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using V = std::vector<int>;

namespace {
constexpr int kGreen = 0x3E80;   // 16000
constexpr int kOrange = 0xF400;  // 128000 kept to 16 bits

int background() { return makecol(40, 40, 120); }

// Where the frame buffer holds pixels of `colour` (or, with `other_than`, of any colour but it).
struct Ink { int top = 10000, bottom = -1, left = 10000, right = -1, count = 0; };

Ink ink(int colour, bool other_than = false) {
  Ink k;
  for (int y = 0; y < memory_screen->h; ++y)
    for (int x = 0; x < memory_screen->w; ++x)
      if ((getpixel(memory_screen, x, y) == colour) != other_than) {
        k.top = std::min(k.top, y), k.bottom = std::max(k.bottom, y);
        k.left = std::min(k.left, x), k.right = std::max(k.right, x);
        ++k.count;
      }
  return k;
}

void offer(int c, const char* l0, const char* l1 = "", const char* l2 = "") {
  TalkNode& n = talk_node(0, TalkPath{}.child(c));
  n.sentence[0] = l0, n.sentence[1] = l1, n.sentence[2] = l2, n.s_present = n.s_call_nr = 1;
}

// One menu pass with the mouse at (mx, my) and the given buttons.
int pass(int mx, int my, int buttons = 0) {
  clear_to_color(memory_screen, background()); mouse_x = mx; mouse_y = my; mouse_b = buttons;
  return talk_menu_pass();
}

using Points = std::initializer_list<std::pair<int, int>>;
}  // namespace

TEST(Menu, OptionsStackUpTo450TwentyPixelsALineAndTheHoverBandIsStrict) {
  test_support::fresh_game(), dialogue_support::load_font(), talk_nr = 0;
  for (int c = 1; c <= 5; ++c) offer(c, "Eine Frage");
  manage_talk();
  // Five one-line options: 1 is the line from 350 to 370, the other four follow down to 450.
  EXPECT_EQ(pass(100, 360), 0);
  EXPECT_EQ(text_y, 450) << "the menu ends at 450";
  const Ink hovered = ink(kOrange), plain = ink(kGreen), all = ink(background(), true);
  EXPECT_TRUE(hovered.top >= 350 && hovered.bottom < 370 && hovered.left >= 40) << "option 1 is orange";
  EXPECT_TRUE(plain.top >= 370 && plain.bottom < 450);
  // The black outline reaches one pixel further; nothing else is drawn.
  EXPECT_TRUE(all.top >= 349 && all.bottom <= 450 && all.left >= 39);
  // Exactly on the top of option 1, on its bottom, at x 40, at 450: nothing is hovered.
  for (auto [mx, my] : Points{{100, 350}, {100, 370}, {40, 360}, {100, 450}}) {
    EXPECT_EQ(pass(mx, my, 1), 0) << mx << "," << my;
    EXPECT_EQ(ink(kOrange).count, 0) << mx << "," << my;
  }
  EXPECT_EQ((V{pass(41, 351, 1), pass(600, 449, 1), pass(600, 449, 0)}), (V{1, 5, 0}))
      << "hovering alone picks nothing";
  // Options 1, 3 and 5 alone from 390: 3 is the line from 410 to 430.
  talk_node(0, talk_path("2")).s_present = talk_node(0, talk_path("4")).s_present = 0;
  manage_talk();
  EXPECT_EQ((V{pass(100, 420, 1), pass(100, 395, 1), pass(100, 385, 1)}), (V{3, 1, 0}));
  // A three-line sentence takes 60 pixels: seven lines start at 450 - 7 x 20 = 310, option 2 runs 330..390.
  for (int c : {2, 4}) talk_node(0, TalkPath{}.child(c)).s_present = 1;
  offer(2, "eins", "zwei", "drei"); manage_talk();
  EXPECT_EQ(pass(100, 360), 0);
  const Ink three = ink(kOrange), rest = ink(kGreen);
  EXPECT_TRUE(three.top >= 330 && three.bottom > 370 && three.bottom < 390) << "all three lines are orange";
  EXPECT_TRUE(rest.top >= 310 && rest.top < 330 && rest.bottom < 450);
}

TEST(SpeechLayout, ALineIsCentredOnItsAnchorUnlessThatLeavesTheBandFrom40To600) {
  for (auto [anchor, width, x] : std::initializer_list<std::tuple<int, int, int>>{
           {320, 200, 220}, {60, 200, 40}, {580, 200, 400}, {500, 250, 350}, {320, 560, 40},
           {320, 580, 40}, {400, 580, 20}})  // wider than the band: it runs past one edge
    EXPECT_EQ(speech_line_x(anchor, width), x) << anchor << " " << width;
}

TEST(SpeechLayout, TheHerosLinesLandWhereTheRulePutsThemAndAPersonsReplyIsOrangeAtItsAnchor) {
  test_support::fresh_game(), dialogue_support::load_font(), choice = 0;
  const auto said = [](const char* l0, const char* l2, int ax, int ay) {
    clear_to_color(memory_screen, background());
    input_text[0][0] = l0, input_text[0][1] = "", input_text[0][2] = l2, sentence_x = ax, sentence_y = ay;
    show_text_hero();
    return ink(kGreen);
  };
  const char* line = "Da komm ich nicht durch.";
  const int w = text_length(pv_font, line);
  ASSERT_TRUE(w > 100 && w < 400);
  // The letters start at the line's x (or up to 3 px right of it) and end before x + w.
  for (auto [anchor, x] : Points{{320, 320 - w / 2}, {50, 40}, {630, 600 - w}}) {
    SCOPED_TRACE(anchor);
    const Ink k = said(line, "", anchor, 200);
    EXPECT_TRUE(k.left >= x && k.left <= x + 3 && k.right < x + w && k.right > x + w - 6);
    EXPECT_TRUE(k.top >= 200 && k.bottom < 220);
  }
  // An anchor near the top is lowered to 40; the empty line 1 keeps its place.
  const Ink green = said("oben", "unten", 320, 10);
  EXPECT_EQ(sentence_y, 40) << "the stored anchor is changed";
  EXPECT_TRUE(green.top >= 40 && green.bottom >= 80 && green.bottom < 100) << "line 2 starts at 40 + 2 x 20";
  for (int y = 60; y < 80; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_NE(getpixel(memory_screen, x, y), kGreen) << "line 1 is empty";
  // A person's reply.
  clear_to_color(memory_screen, background());
  choice = 3, output_text[3][0] = "Ok, bis geschwenn.", reply_x = 45, reply_y = 300;
  show_text_npc();
  const Ink orange = ink(kOrange);
  EXPECT_TRUE(orange.left >= 40 && orange.left < 45 && orange.top >= 300 && orange.bottom < 320);
  EXPECT_EQ(ink(kGreen).count, 0);
}

// Spoken lines as the settings show them, laid out with fonts easy to count: the game font 10 pixels a character
// and 17 high, the large one 14 a character and 24 high (rows 27 apart). In the game font the lines stay; in the
// large one the words run on into lines no wider than 640 - 2 x (8 + 6), centred on the middle of the placed lines,
// the last one's bottom kept, the whole moved onto the screen. The band reaches 6 pixels beside the letters and 3
// above and below, cut to the screen.
TEST(SubtitleLayout, LinesStayInTheGameFontAndRunOnCentredInTheLargeOneOverABandWithinTheScreen) {
  using subtitles::Line;
  const subtitles::Lettering game{[](const std::string& t) { return static_cast<int>(t.size()) * 10; }, 17};
  const subtitles::Lettering large{[](const std::string& t) { return static_cast<int>(t.size()) * 14; }, 24};
  const std::string word(42, 'a');  // 588 pixels large: nothing more fits beside it
  const struct { const char* what; std::vector<Line> placed; bool in_large; std::string laid_out; } cases[] = {
      {"two lines", {{"abc", 100, 200}, {"abcdef", 90, 220}}, false, "abc@100,200|abcdef@90,220|band 84,197,155,239"},
      {"against the corner", {{"ab", 2, 1}}, false, "ab@2,1|band 0,0,27,20"},
      {"against the far corner", {{"abcd", 610, 470}}, false, "abcd@610,470|band 604,467,639,479"},
      {"large, one line", {{"aaa bbb", 100, 200}, {"ccc", 130, 220}}, true, "aaa bbb ccc@58,213|band 52,210,217,239"},
      {"large, broken, against the left", {{word, 40, 100}, {"bb cc", 40, 120}}, true,
       word + "@14,86|bb cc@215,113|band 8,83,607,139"},
      {"large, too high", {{word + " b", 40, 0}}, true, word + "@14,11|b@253,38|band 8,8,607,64"},
      {"large, too low, against the right", {{"abc", 600, 470}}, true, "abc@584,445|band 578,442,631,471"},
      {"nothing", {}, true, "band 0,0,-1,-1"},
  };
  for (const auto& c : cases) {
    const subtitles::Layout l = subtitles::lay_out(c.placed, game, c.in_large ? &large : nullptr);
    std::string got;
    for (const Line& line : l.lines) got += line.words + "@" + std::to_string(line.x) + "," + std::to_string(line.y) + "|";
    got += "band " + std::to_string(l.band.x1) + "," + std::to_string(l.band.y1) + "," + std::to_string(l.band.x2) + "," +
           std::to_string(l.band.y2);
    EXPECT_EQ(got, c.laid_out) << c.what;
  }
  // Three long lines run on into five, none wider than 612 pixels, 27 apart, ending where the placed lines end.
  const std::string line(38, 'x');
  const std::vector<Line> placed = {{line + " " + line, 20, 300}, {line + " " + line, 20, 320}, {line, 20, 340}};
  const subtitles::Layout l = subtitles::lay_out(placed, game, &large);
  ASSERT_EQ(l.lines.size(), 5u);
  for (size_t i = 0; i < l.lines.size(); ++i) {
    EXPECT_LE(large.width(l.lines[i].words), 612);
    EXPECT_EQ(l.lines[i].y, 357 - 5 * 27 + 3 + 27 * static_cast<int>(i));
  }
}

namespace {
// The darkest the band leaves a pixel of colour c: a third of its light.
bool darkened(int was, int now) { return getr(now) <= getr(was) / 3 + 8 && getb(now) <= getb(was) / 3 + 8; }
}  // namespace

// The band behind the hero's line and behind a scene's subtitles: dark where the letters are not, the picture
// outside it untouched, drawn once however often the line is written over the same frame, absent when switched
// off; the large font gives taller letters.
TEST(SubtitleLook, ABandDarkensThePictureBehindTheLinesOnceAndTheLargeFontIsTaller) {
  test_support::fresh_game(), dialogue_support::load_font(), choice = 0;
  const int bg = background();
  const auto say = [](const char* words) {
    clear_to_color(memory_screen, background());
    input_text[0][0] = words, input_text[0][1] = input_text[0][2] = "", sentence_x = 320, sentence_y = 200;
    show_text_hero();
  };
  say("Da komm ich nicht durch.");
  const Ink letters = ink(kGreen);
  const int left = letters.left - 4, above = letters.top - 3;  // inside the band, beside and above the letters
  EXPECT_TRUE(darkened(bg, getpixel(memory_screen, left, 205)) && darkened(bg, getpixel(memory_screen, 320, above)));
  EXPECT_EQ(getpixel(memory_screen, letters.left - 12, 205), bg) << "beside the band";
  EXPECT_EQ(getpixel(memory_screen, 320, letters.top - 10), bg) << "above the band";
  std::vector<int> once;
  for (int y = 180; y < 240; ++y) once.push_back(getpixel(memory_screen, left, y));
  show_text_hero(), show_text_hero();
  std::vector<int> thrice;
  for (int y = 180; y < 240; ++y) thrice.push_back(getpixel(memory_screen, left, y));
  EXPECT_EQ(thrice, once) << "written again over the same frame, the band stays as it was";
  settings::subtitle_band = 0;
  say("Da komm ich nicht durch.");
  EXPECT_EQ(getpixel(memory_screen, left, 205), bg) << "no band when it is switched off";
  settings::large_subtitles = 1;
  say("Da komm ich nicht durch.");
  const Ink tall = ink(kGreen);
  EXPECT_GT(tall.bottom - tall.top, letters.bottom - letters.top + 3) << "the large font";
  EXPECT_GT(tall.right - tall.left, letters.right - letters.left + 40);
  settings::reset_to_defaults();
  // A scene's subtitle: its lines over the band too.
  clear_to_color(memory_screen, bg);
  video_text[0] = "Hallo", video_text_x[0] = 300, video_text_y[0] = 100, video_text_color = kOrange;
  show_text_video();
  const Ink sub = ink(kOrange);
  EXPECT_TRUE(sub.left >= 300 && sub.top >= 100 && sub.bottom < 117);
  EXPECT_TRUE(darkened(bg, getpixel(memory_screen, 296, 99)) && getpixel(memory_screen, 290, 99) == bg);
  video_text[0] = "";
}

// A line stays 1500 ms and 40 ms a character at text speed 50, twice that at 100, not at all at 0; a letter such as
// "ü" or "ß" is one character, though UTF-8 takes two bytes for it; a pause (P) does not count, a click of either
// button or Escape skips the rest.
TEST(Speaking, ALineStaysForItsLengthScaledByTheTextSpeedAndAClickOrEscapeSkipsTheRest) {
  dialogue_support::stand_in_room("biolog");
  const char* aquarium[] = {"An empty aquarium. The new headmaster", "must have cut the fish from the budget."};
  const struct { const char *l0, *l1; int speed, ms, pause_at; } lines[] = {
      {"Beautiful !", "", 50, 1940, -1}, {"Beautiful !", "", 100, 3880, -1}, {aquarium[0], aquarium[1], 50, 4540, -1},
      {aquarium[0], aquarium[1], 100, 9080, -1}, {"Beautiful !", "", 0, 0, -1}, {"Beautiful !", "", 50, 1940, 300},
      {"Müde ? Heiß !", "Grün.", 50, 2220, -1}, {"Äh... schön", "", 100, 3880, -1}};
  for (const auto& l : lines) {
    SCOPED_TRACE(std::to_string(l.speed) + " " + l.l0); text_speed = l.speed;
    int first = -1, last = -1, paused = 0, game_first = 0, game_last = 0;
    headless::on_present([&] {  // every present of standard_remark is one of the speech
      const int game = platform_clock_ms();
      paused += first >= 0 && game == game_last;  // the game's clock stands
      if (first < 0) first = headless::now(), game_first = game;
      last = headless::now(), game_last = game;
    });
    if (l.pause_at >= 0) {
      headless::key_at(headless::now() + l.pause_at, KEY_P << 8 | 'p');
      headless::click(headless::now() + l.pause_at + 3000, 320, 240);
    }
    standard_remark(l.l0, l.l1);
    EXPECT_NEAR(game_last - game_first, l.ms, 12);
    EXPECT_NEAR(last - first, l.ms + (l.pause_at >= 0 ? 3100 : 0), 60) << "the time paused does not count";
    EXPECT_EQ(paused > 0, l.pause_at >= 0);
  }
  headless::on_present(nullptr);
  int talking_passes = 0;
  headless::on_present([&] { talking_passes += hero_action[0] == -1; });
  const int start = headless::now();
  headless::click(start + 300, 320, 240, 200); standard_remark("Das geht so nicht.");
  EXPECT_TRUE(talking_passes > 10 && talking_passes < 200) << "the speech ended at the click: " << talking_passes;
  EXPECT_GE(headless::now(), start + 500) << "and returned only once the button was let go";
  EXPECT_EQ(hero_action[0], 0) << "the hero stands again";
  talking_passes = 0;
  headless::mouse_at(headless::now() + 300, 320, 240, 2), headless::mouse_at(headless::now() + 400, 320, 240, 0);
  standard_remark("Das geht so nicht.");
  EXPECT_LT(talking_passes, 200) << "the right button skips too";
  talking_passes = 0;
  headless::key_at(headless::now() - 5, KEY_ESC << 8 | 27), headless::key_at(headless::now() + 300, KEY_ESC << 8 | 27);
  standard_remark("Das geht so nicht.");
  EXPECT_TRUE(talking_passes > 10 && talking_passes < 200) << "Escape skips, typed before the line it does not";
}

// With text until clicked a line stays a minute of game time and longer, whatever the text speed, and goes at a
// click or a key; a scene's shot with subtitles holds its last frame until the reader clicks, one without
// subtitles plays its frames and goes on.
TEST(Speaking, UntilClickedALineOrASubtitleStaysUntilAClickOrAKey) {
  dialogue_support::stand_in_room("biolog");
  settings::text_until_clicked = 1;
  const struct { const char* what; int speed, click_at, key_at; } lines[] = {
      {"clicked after a minute", 50, 61000, -1}, {"text speed 0", 0, 61000, -1}, {"a key", 1, -1, 65000}};
  for (const auto& l : lines) {
    SCOPED_TRACE(l.what); text_speed = l.speed;
    int first = -1, last = -1;
    headless::on_present([&] { last = headless::now(), first = first < 0 ? last : first; });
    const int start = headless::now();
    if (l.click_at >= 0) headless::click(start + l.click_at, 320, 240);
    if (l.key_at >= 0) headless::key_at(start + l.key_at, KEY_A << 8 | 'a');
    standard_remark("Beautiful !");
    EXPECT_NEAR(last - start, std::max(l.click_at, l.key_at), 100) << "it stayed until then";
    EXPECT_TRUE(first >= 0 && first < start + 100) << "shown at once";
    headless::on_present(nullptr);
  }
  // A shot of ten frames with a subtitle, clicked after 30 s; the same without one.
  for (const char* words : {"Grrrrmbll !!!!", ""}) {
    SCOPED_TRACE(words);
    const int start = headless::now();
    if (words[0]) headless::click(start + 30000, 320, 240);
    ASSERT_EQ(test_support::run_program([&] {
                Sequence s("video_test");
                s.say(0, words, 100, 60), s.play(10);
              }), -1);
    EXPECT_NEAR(headless::now() - start, words[0] ? 30100 : 10 * 55, 100) << "(the scene's end waits for the release)";
  }
  settings::text_until_clicked = 0;
}

TEST(Speaking, APersonFinishesItsIdleMovementToATalkFrameTurnsRepliesAndTurnsBack) {
  dialogue_support::stand_in_room("biolog");
  const int idle_frames = person_frame_nr[0];
  // Mrs Sand may start talking from idle frames 0 and 7; she is at frame 1.
  std::vector<std::pair<int, int>> seen;  // animation, frame
  headless::on_present([&] { seen.emplace_back(person_anim[0], mov_person_nr[0]); });
  talk_nr = 0, mov_person_nr[0] = 1; prepare_person_talk();
  const auto turn = std::find_if(seen.begin(), seen.end(), [](const auto& s) { return s.first == 2; });
  ASSERT_TRUE(turn != seen.end() && turn != seen.begin());
  EXPECT_EQ((turn - 1)->second, 7) << "the turn starts from the marked frame";
  for (auto it = seen.begin(); it != turn; ++it) EXPECT_EQ(it->first, 0);
  EXPECT_EQ((V{person_anim[0], mov_person_nr[0], mouse_status}), (V{2, 3, 1}))
      << "the four frames of the turn played to the last";
  // A reply is framed by the turn to the hero, the talking loop and the turn back.
  dialogue_support::stand_in_room("biolog");
  std::vector<int> anims;
  int talking_passes = 0;
  headless::on_present([&] {
    if (anims.empty() || anims.back() != person_anim[0]) anims.push_back(person_anim[0]);
    talking_passes += person_anim[0] == 1;
  });
  text_speed = 3, talk_nr = choice = 0, output_text[0][0] = "Ok, bis geschwenn."; talking_npc();
  EXPECT_EQ(anims, (V{0, 2, 1, 3}));
  EXPECT_GE(talking_passes, 120);
  EXPECT_EQ((V{person_anim[0], person_frame_nr[0]}), (V{0, idle_frames}))
      << "back to the animation it had, with its frames reloaded";
}

TEST(PersonTalk, WithoutAMarkedTalkFrameAPersonTurnsAtOnceAndWithoutTalkAnimationsSpeaksAtOnce) {
  // Mr Friob with his idle frames unmarked.
  dialogue_support::stand_in_room("class");
  for (int& mark : start_talk[0]) mark = 0;
  std::vector<int> anims;
  headless::on_present([&] { anims.push_back(person_anim[0]); });
  talk_nr = 0, mov_person_nr[0] = 5; prepare_person_talk();
  ASSERT_TRUE(!anims.empty() && anims.size() < 2000u);
  EXPECT_EQ((V{anims.front(), person_anim[0], mov_person_nr[0]}), (V{2, 2, person_frame_nr[0] - 1}));
  // Dori in the physics lab, back from carrying the telescope, has only his idle frames.
  dialogue_support::stand_in_room("future_physiktp"), person_present[1] = 1;
  const int idle_frames = person_frame_nr[1];
  text_speed = 2, talk_nr = 1, set_errand(ErrandKind::talk, 1), output_text[0][0] = "Hey ... wou hues de deen hier ?";
  int first = -1, last = -1;
  headless::on_present([&] { (first < 0 ? first : last) = headless::now(); }); npc_describe();
  EXPECT_NEAR(last - first, 109, 8) << "only the speech: 31 characters at text speed 2";
  EXPECT_EQ((V{person_anim[1], person_frame_nr[1], talk_nr, errand_pending()}), (V{0, idle_frames, -1, 0}));
}
