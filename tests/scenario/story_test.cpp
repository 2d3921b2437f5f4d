// The story played headless by a scripted player, with a player's clicks, from New game to the closing screen,
// which ends the program with exit status 1; the games saved on the way load in a new program.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "game/game.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "support/finisher.h"
#include "support/test_support.h"

using story::bag_slot;
using story::holds;
using test_support::run_program;

namespace {
// New game from the menu: the knock-out (11 shots) leads into the first room. Every clock read moves the game on
// 3 ms, so walks and speeches keep their pace while the story takes seconds.
void new_game() {
  test_support::fresh_game(3);
  const int shots = shots_played();
  ASSERT_EQ(test_support::play_to_main_loop(), -2);
  headless::on_present(nullptr);
  EXPECT_EQ(shots_played() - shots, 11) << "a new game opens with the knock-out";
  EXPECT_TRUE(std::strcmp(room_name, "future_floor1") == 0 && person_present[0] == 1) << "Mr Betong lies there";
  text_speed = 1;
}

// The effects played since the last look, by their names in sounds.dat.
std::string heard() {
  static size_t seen = 0;
  const std::vector<SAMPLE*>& played = headless::sound().samples;
  std::string names;
  for (seen = std::min(seen, played.size()); seen < played.size(); ++seen)
    for (int i = 0; i < static_cast<int>(manifest::Sounds::count); ++i)
      if (played[seen] == sound_sample(static_cast<manifest::Sounds>(i)))
        names += std::string(names.empty() ? "" : " ") + manifest::kSoundsRuns[i].label;
  return names;
}

void walk(story::Player& p, std::initializer_list<const char*> rooms) {
  for (const char* room : rooms) p.exit_to(room);
}

std::string saved(int slot) {
  EXPECT_EQ(save_game(slot), 0);
  return test_support::read_file("sav/game0" + std::to_string(slot) + ".sav");
}
int load(int slot, const std::string& game) {
  test_support::write_file("sav/game0" + std::to_string(slot) + ".sav", game);
  return load_game(slot);
}

// The checks made on the way, after the finisher's step of each name.
std::map<std::string, std::function<void(story::Player&)>> checks(std::string& halfway, std::string& poured) {
  return {
      {"card",
       [](story::Player&) {
         const int card = bag_slot("access");
         ASSERT_TRUE(invent_nr == 2 && holds("rolle") && card >= 0);
         EXPECT_STREQ(inv_obj_describe[card][0], TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card."));
         EXPECT_NE(getpixel(inventory_obj_bmp[card], 20, 20), bitmap_mask_color(inventory_obj_bmp[card]));
       }},
      {"screwdriver",
       [](story::Player& p) {
         walk(p, {"future_floor1", "future_crossing", "future_chimie"});
         p.use_item("rolle", "case00"), p.use_item("tool", "case00");
         EXPECT_EQ(story_brokencase, 0) << "the alarm is on";
         heard();
       }},
      {"alarm", [](story::Player&) { EXPECT_TRUE(heard().ends_with("LEVER LEVER LEVER LEVER")) << "four levers"; }},
      {"showcase", [](story::Player&) { EXPECT_TRUE(heard().ends_with("GLASS_BREAK")); }},
      {"diamond", [](story::Player&) { EXPECT_TRUE(heard().ends_with("TAKE")); }},
      // Dori leads the hero to the lab when the talk ends; the next pass draws the lab once, the one after sets
      // up the telescope.
      {"telescope carried",
       [&halfway](story::Player& p) {
         EXPECT_TRUE(std::strcmp(room_name, "future_physiktp") == 0 && story_zirud_talk == 2) << room_name;
         BITMAP* before = create_bitmap(640, 480);
         blit(headless::last_frame(), before, 0, 0, 0, 0, 640, 480); main_loop_pass();
         EXPECT_TRUE(story_zirud_talk == 1 && story_teleskop == 0);
         int changed = 0;
         for (int y = 0; y < 480; y += 4)
           for (int x = 0; x < 640; x += 4) changed += getpixel(before, x, y) != getpixel(headless::last_frame(), x, y);
         EXPECT_GT(changed, 160 * 120 / 5) << "the lab is drawn once before the scene";
         destroy_bitmap(before);
         EXPECT_TRUE(furni_present[0] == 1 && person_present[1] == 1) << "the telescope stands in the lab, Dori with it";
         main_loop_pass();
         EXPECT_TRUE(story_zirud_talk == 0 && story_teleskop == 1);
         // Halfway, a saved game; then the guard keeps the hero in his corridor, and insulted, throws him out.
         p.settle(); halfway = saved(4);
         walk(p, {"future_floor1", "future_floor15", "future_floor2"}); p.try_exit(1);
         EXPECT_STREQ(room_name, "future_floor2") << "the guard lets him pass";
         p.talk("Policeman", {"1"});
         EXPECT_STREQ(room_name, "future_floor15");
         p.settle();
         EXPECT_EQ(story_hero_uff, 0);
       }},
      {"torch", [](story::Player&) { EXPECT_TRUE(holds("Schweissbrenner")); }},
      {"tank", [&poured](story::Player&) { poured = saved(5); }},  // the rest of the solution, described as poured
  };
}
}  // namespace

TEST(Story, PlayedWithoutAMouseTheJumpKeysAndThePadStickFinishItToo) {
  new_game();
  story::Player p;
  story::aim_without_mouse();  // every thing by the jumps and Enter, every floor point by the stick and A
  const int moves = headless::pointer_moves_made();
  EXPECT_EQ(run_program([&] { story::finish(p); }), 1) << "the closing screen ends the program; last move: " << p.move();
  EXPECT_GT(headless::pointer_moves_made() - moves, 100) << "the pointer went where the keys and the pad took it";
}

TEST(Story, PlayedWithoutSightByTheJumpKeysAndWhatIsReadAloudItIsFinishedToo) {
  new_game();
  story::Player p;
  story::play_without_sight();  // every target by the name said after a jump, then Enter; Backspace the right click
  const size_t said = headless::spoken().size();
  EXPECT_EQ(run_program([&] { story::finish(p); }), 1) << "the closing screen ends the program; last move: " << p.move();
  size_t names = 0;
  std::string last_line;
  for (size_t n = said; n < headless::spoken().size(); ++n)
    headless::spoken()[n].interrupt ? void(++names) : void(last_line = headless::spoken()[n].text);
  EXPECT_GT(names, 100u) << "the names the player listened for";
  EXPECT_TRUE(last_line.starts_with(TR("Vielen Dank, dass Sie", "Thank you for playing"))) << "the closing screen, read";
}

TEST(Story, PlayedFromNewGameToTheClosingScreenItEndsWithExitStatus1AndItsSavedGamesLoad) {
  const auto start = std::chrono::steady_clock::now();
  new_game();
  std::string halfway, poured;
  {
    story::Player p;
    const int status = run_program([&] { story::finish(p, checks(halfway, poured)); });
    EXPECT_EQ(status, 1) << "last move: " << p.move();
    EXPECT_TRUE(heard().ends_with("DOOR MACHINE_HUM MACHINE_FLASH")) << "the time machine charges, flashes";
    EXPECT_EQ(p.move(), "use douche") << "the time machine started before the shower";
  }
  std::printf("[ figures  ] the whole story in %.2f s real time, %.1f s of game time\n",
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
              headless::now() / 1000.0);

  // A new program; the game saved at the tank keeps the poured solution's new description.
  new_game();
  ASSERT_TRUE(!poured.empty() && load(5, poured) == 0);
  const int s = bag_slot("bleiloesung");
  ASSERT_GE(s, 0);
  EXPECT_EQ(std::string(inv_obj_describe[s][0]) + "|" + inv_obj_describe[s][1],
            TR("Eine Bleilösung die gegen radioaktive|Strahlung schützt.",
               "A lead dilution that protects against radiation.|"));

  // Then the game saved halfway, over it: the story so far, the bag, and the rooms as the hero left them.
  ASSERT_EQ(load(4, halfway), 0);
  EXPECT_STREQ(room_name, "future_physiktp");
  EXPECT_EQ(std::vector<int>({story_gotaccesscard, story_brokencase, story_diamant, story_teleskop, story_bleitank}),
            std::vector<int>({1, 1, 1, 1, 0}));
  EXPECT_TRUE(holds("access") && holds("tool") && !holds("diamond") && !holds("bleiloesung"));
  story::Player p;
  heard();
  EXPECT_EQ(run_program([&] {
              walk(p, {"future_floor1", "future_crossing", "future_chimie"});  // through the doors the card opened
              EXPECT_LT(story::piece_slot("dia"), 0) << "the diamond stays taken";
              EXPECT_EQ(heard(), "DOOR DOOR DOOR");
              walk(p, {"future_crossing", "future_chimietp"}); heard();
              p.take("alkohol"); p.stow();
              EXPECT_GE(bag_slot("Alkohol"), 0) << "put into the bag";
              EXPECT_EQ(heard(), "TAKE BAG_DROP") << "each at the effects volume";
              EXPECT_EQ(headless::sound().sample_volume, wave_vol) << "the full voice, scaled by the effects volume";
            }),
            -1)
      << p.move();
}
