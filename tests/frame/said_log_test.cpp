// What was said: the log of spoken lines holds a scene's subtitles and a conversation in the order they were
// shown, with who said them; it keeps the last 100 and a loaded game starts it empty; L shows it over the room,
// the arrow keys scroll it, a click inside leaves it open, Escape or a click outside closes it.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "core/tr.h"
#include "core/world.h"
#include "frame/said_log.h"
#include "frame/text.h"
#include "game/game.h"
#include "persistence/saved_games.h"
#include "platform/platform.h"
#include "support/finisher.h"
#include "support/test_support.h"

namespace {
std::vector<std::string> said_from(size_t first) {
  std::vector<std::string> out;
  for (size_t i = first; i < said_log().size(); ++i) {
    const SaidLine& l = said_log()[i];
    out.push_back((l.speaker.empty() ? "" : l.speaker + ": ") + l.words);
  }
  return out;
}

std::string hero(const char* words) { return std::string(hero_speaker()) + ": " + words; }
std::string zirud(const char* words) { return std::string(TR("Herr Zirud", "Mr Zirud")) + ": " + words; }
}  // namespace

// New game, its opening scene played to its end (no Escape), the first line listened to: the log holds the
// scene's subtitles, then the line. Then the talk that earns the card, in the order said, with who said it.
TEST(SaidLog, ANewGameHoldsItsSceneAndFirstLineThenAConversationInTheOrderSaid) {
  test_support::fresh_game(3);
  test_support::Player player;
  const screen_layout::Rect& new_game = screen_layout::kMenuHot[0];
  player.click_when(test_support::in_main_menu, new_game.mid_x(), new_game.mid_y())
      .click_when(test_support::in_intro, 320, 240)
      .then(test_support::in_main_loop, [] { headless::stop(); });
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  ASSERT_EQ(test_support::run_program([&] { game_main(1, argv); }), -2);
  headless::on_present(nullptr), text_speed = 1;
  EXPECT_EQ(said_from(0),
            (std::vector<std::string>{
                TR("Hmmm... du bist ein schwacher Schüler. Das war wieder nicht genug. Ich hoffe diese 5,0 ist dir "
                   "eine Lehre.",
                   "Hmmm... you're a weak student. Again this was not good enough. I hope this 6- is a lesson to you."),
                hero("Grrrrmbll !!!!"), "Arggggghhh !!!",
                hero(TR("So. Jetzt aber schnell weg hier.", "Ok, let's get the hell out of here."))}));
  EXPECT_EQ(said_log().front().colour, kPersonColour);
  const size_t before = said_log().size();
  story::Player p;
  ASSERT_EQ(test_support::run_program([&] {
              story::go_to(p, "future_physiktp");
              p.talk("FrizzeRol", {"3", "3.1", "3.1.1", "3.1.1.1"});
            }), -1) << story::failure();
  EXPECT_EQ(said_from(before),
            (std::vector<std::string>{
                hero(TR("Wie komm ich durch die Türen ? Die sind alle zugesperrt.",
                        "How can I get through the doors ? They're all locked up.")),
                zirud(TR("Dazu brauchst du eine Zugangskarte.", "You need an access card.")),
                hero(TR("Und wie komme ich an so eine Karte ?", "And how do I get one of those ?")),
                zirud(TR("Ich habe eine. Hilf mir, meine Zeitmaschine fertig zu bauen, dann gehört sie dir.",
                         "I have one. Help me finish my time machine and it's yours.")),
                hero(TR("Wozu soll die Zeitmaschine denn gut sein ?", "And what's the time machine for ?")),
                zirud(TR("Direktor Dossel ist nicht einfach verschwunden. Jemand muss ihn in der Vergangenheit "
                         "suchen. Und dieser Jemand bist du.",
                         "Headmaster Dossel didn't just vanish. Someone has to go and look for him in the past. "
                         "And that someone is you.")),
                hero(TR("Ok, meinetwegen... ich habe ja keine Wahl wenn ich hier lebend rauskommen will.",
                        "Ok, fine... I don't have much choice if I want to get out of here alive.")),
                zirud(TR("Braver Junge. Hier ist die Karte.", "Good lad. Here's the card."))}));
  // A loaded game starts the log empty.
  ASSERT_EQ(save_game(1), 0);
  ASSERT_EQ(load_game(1), 0);
  EXPECT_TRUE(said_log().empty());
}

// The last 100 lines, the oldest going first; the rows of the screen break a long line at blanks within the text
// area, the speaker's name in front of its first row.
TEST(SaidLog, ItKeepsTheLast100AndItsRowsFitTheScreen) {
  test_support::fresh_game(), driver::load_font(), clear_said_log();
  for (int i = 1; i <= 130; ++i) note_said(i % 2 ? hero_speaker() : "", kHeroColour, {"Line " + std::to_string(i), ""});
  note_said("Dori", kPersonColour, {"", "", ""});  // nothing said, nothing noted
  ASSERT_EQ(said_log().size(), 100u);
  EXPECT_EQ(said_log().front().words, "Line 31");
  EXPECT_EQ(said_log().back().words, "Line 130");
  clear_said_log();
  const TextWidth measure = [](const std::string& s) { return text_length(pv_font, s.c_str()); };
  note_said("Dori", kPersonColour, {TR("Klar. Es macht aus der Sonne einen Strahl, heiß", "Sure. It turns sunshine into a beam hot"),
                                    TR("genug für fast alles. Warum fragst du ?", "enough for almost anything. Why do you ask ?"),
                                    TR("Und noch ein ganzer Satz, damit es nicht in eine Zeile passt.",
                                       "And one whole sentence more, so that it does not fit one row.")});
  const std::vector<SaidRow> rows = said_log_rows(measure);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0].text.rfind("Dori: ", 0), 0u);
  for (const SaidRow& r : rows) EXPECT_TRUE(measure(r.text) <= kSaidLogText.width() && r.colour == kPersonColour);
  EXPECT_EQ(clamp_log_scroll(-3, 40), 0);
  EXPECT_EQ(clamp_log_scroll(40, 40), 40 - kSaidLogRows);
  EXPECT_EQ(clamp_log_scroll(5, 3), 0) << "a log shorter than a page stands at its top";
}

// L in play opens the log over the room; Up scrolls it back a row, a click inside changes nothing, Escape closes
// it; opened again, a click outside closes it. The room's clock stands meanwhile.
TEST(SaidLog, LShowsItUpScrollsAndEscapeOrAClickOutsideClosesIt) {
  ASSERT_EQ(test_support::stand_in_main_loop(2), -2);
  for (int i = 1; i <= 40; ++i) note_said(hero_speaker(), kHeroColour, {"Line " + std::to_string(i)});
  const int panel = makecol(8, 12, 24);
  struct Seen { int at, game; bool open; std::string top_row; };
  std::vector<Seen> seen;
  headless::on_present([&] {
    BITMAP* f = headless::last_frame();
    const bool open = getpixel(f, kSaidLogPanel.x2 - 3, kSaidLogPanel.y1 + 3) == panel;
    std::string row;  // the top row's letters, as a pattern of lit pixels
    for (int x = kSaidLogText.x1; x < kSaidLogText.x1 + 120; ++x) row += getpixel(f, x, kSaidLogText.y1 + 8) == kHeroColour ? '#' : '.';
    seen.push_back({headless::now(), platform_clock_ms(), open, row});
  });
  const int t = headless::now();
  headless::key_at(t + 100, KEY_L << 8 | 'l');
  headless::key_at(t + 400, KEY_UP << 8);
  headless::click(t + 700, 320, 240);  // inside
  headless::key_at(t + 1000, KEY_ESC << 8 | 27);
  headless::key_at(t + 1300, KEY_L << 8 | 'l');
  headless::click(t + 1600, 620, 470);  // outside
  ASSERT_EQ(test_support::run_program([&] { while (headless::now() < t + 2000) main_loop_pass(); }), -1);
  headless::on_present(nullptr);
  auto at = [&](int ms) {
    for (const Seen& s : seen)
      if (s.at >= t + ms) return s;
    return seen.back();
  };
  EXPECT_TRUE(!at(50).open && at(300).open && at(900).open && !at(1200).open && at(1500).open && !at(1900).open);
  EXPECT_NE(at(300).top_row, at(600).top_row) << "Up shows the row before";
  EXPECT_EQ(at(600).top_row, at(900).top_row) << "a click inside changes nothing";
  EXPECT_EQ(at(600).game, at(900).game) << "the game's clock stands while the log is open";
}
