// The story played headless by a scripted player, with a player's clicks, from New game to the closing screen,
// which ends the program with exit status 1; the games saved on the way load in a new program.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "cutscenes/player.h"
#include "persistence/saved_games.h"
#include "platform/headless.h"
#include "shell/game.h"
#include "shell/sounds.h"
#include "shell/tr.h"
#include "shell/world.h"
#include "support/story_player.h"
#include "support/test_support.h"

using story::bag_slot;
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

bool holds(const char* item) {
  return bag_slot(item) >= 0 || (mouse_status > kModeUse && std::strcmp(arrow_obj, item) == 0);
}

std::string saved(int slot) {
  counter7 = slot;
  EXPECT_EQ(save_game(), 0);
  return test_support::read_file("sav/game0" + std::to_string(slot) + ".sav");
}
int load(int slot, const std::string& game) {
  test_support::write_file("sav/game0" + std::to_string(slot) + ".sav", game);
  return counter7 = slot, load_game();
}

// Mr Zirud's deal gets the hero the access card (and the rolling pin); until then the doors to future_crossing (1)
// and future_physik (4) are shut.
void the_access_card(story::Player& p) {
  EXPECT_TRUE(go_through[1] == 0 && go_through[4] == 0);
  p.exit_to("future_physiktp");
  p.look("Atomkraft"); p.use("hebel2"); p.talk("FrizzeRol", {"3", "3.1", "3.1.1", "3.1.1.1"});
  const int card = bag_slot("access");
  ASSERT_TRUE(story_gotaccesscard == 1 && invent_nr == 2 && holds("rolle") && card >= 0);
  EXPECT_STREQ(inv_obj_describe[card][0], TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card."));
  EXPECT_NE(getpixel(inventory_obj_bmp[card], 20, 20), bitmap_mask_color(inventory_obj_bmp[card]));
}

// The screwdriver from the caretaker's cupboard, the alarm levers, the showcase, and the diamond for the machine.
void the_diamond(story::Player& p) {
  p.exit_to("future_floor1");
  main_loop_pass();  // the story's checks of the room
  EXPECT_TRUE(go_through[1] == 1 && go_through[4] == 1) << "the card opens the doors";
  p.exit_to("future_floor15"); p.use("schrank"); p.take("tool");
  walk(p, {"future_floor1", "future_crossing", "future_chimie"});
  p.use_item("rolle", "case00"); p.use_item("tool", "case00");
  EXPECT_EQ(story_brokencase, 0) << "the alarm is on";
  heard();
  p.use("schalter1a"); p.use("schalter2a"); p.use("schalter2c"); p.use("schalter3a");
  EXPECT_EQ(story_alarm, 1);
  EXPECT_EQ(heard(), "BAG_DROP LEVER LEVER LEVER LEVER") << "the screwdriver put away, four levers";
  p.use_item("tool", "case00");
  EXPECT_EQ(story_brokencase, 1);
  EXPECT_EQ(heard(), "BAG_OPEN GLASS_BREAK");
  p.use("case00"); p.take("dia");
  EXPECT_EQ(heard(), "BAG_DROP TAKE");
  walk(p, {"future_crossing", "future_floor1", "future_physiktp"});
  p.give("diamond", "FrizzeRol");
  EXPECT_TRUE(story_diamant == 1 && !holds("diamond"));
}

// Dori leads the hero to the lab when the talk ends; the next pass draws the lab once, the one after sets up the
// telescope.
void the_telescope(story::Player& p) {
  p.exit_to("future_physik"); p.talk("dori_future", {"4", "4.4", "4.4.1"});
  EXPECT_TRUE(std::strcmp(room_name, "future_physiktp") == 0 && story_zirud_talk == 2) << room_name;
  BITMAP* before = create_bitmap(640, 480);
  blit(headless::last_frame(), before, 0, 0, 0, 0, 640, 480);
  main_loop_pass();
  EXPECT_TRUE(story_zirud_talk == 1 && story_teleskop == 0);
  int changed = 0;
  for (int y = 0; y < 480; y += 4)
    for (int x = 0; x < 640; x += 4) changed += getpixel(before, x, y) != getpixel(headless::last_frame(), x, y);
  EXPECT_GT(changed, 160 * 120 / 5) << "the lab is drawn once before the scene";
  destroy_bitmap(before);
  EXPECT_TRUE(furni_present[0] == 1 && person_present[1] == 1) << "the telescope stands in the lab, Dori with it";
  main_loop_pass();
  EXPECT_TRUE(story_zirud_talk == 0 && story_teleskop == 1);
  p.settle();
  EXPECT_EQ(story_teleskop, 1);
}

// The guard keeps the hero in his corridor, and insulted, throws him out.
void the_guard(story::Player& p) {
  walk(p, {"future_floor1", "future_floor15", "future_floor2"});
  p.try_exit(1);
  EXPECT_STREQ(room_name, "future_floor2") << "the guard lets him pass";
  p.talk("Policeman", {"1"});
  EXPECT_STREQ(room_name, "future_floor15");
  p.settle();
  EXPECT_EQ(story_hero_uff, 0);
}

// Alcohol for Mrs Sand, her gas bottle, the welding torch, the lead pipe cut, and the lead for Mr Rurura.
void the_lead(story::Player& p) {
  walk(p, {"future_floor1", "future_crossing", "future_chimietp"});
  p.take("alkohol"); p.take("bunsen");
  walk(p, {"future_crossing", "future_floor1", "future_floor15", "future_biolog"});
  p.give("Alkohol", "sand");
  EXPECT_EQ(story_sandalkohol, 1);
  p.take("gaz"); p.take("schlauch"); p.combine("Gaz", "schlauch"); p.combine("Gaz_Schlauch", "Bunsenbrenner");
  EXPECT_TRUE(holds("Schweissbrenner"));
  p.exit_to("future_floor15"); p.use_item("Schweissbrenner", "rohr");
  EXPECT_TRUE(holds("Blei"));
  walk(p, {"future_floor1", "future_crossing", "future_chimie"});
  p.give("Blei", "Rurura");
  EXPECT_EQ(story_blei, 1);
}

// The glasses from Mr Rarozir, the lead solution from Mr Rurura, the tank, and the shower that starts the machine.
void the_time_machine(story::Player& p, std::string& poured) {
  p.exit_to("future_crossing"); p.talk("rarozir", {"5"});
  EXPECT_TRUE(holds("glasses"));
  p.exit_to("future_chimie");
  // In game_en asking for the solution does not end the talk: he says goodbye.
  if (TR(0, 1)) p.talk("Rurura", {"4", "3"}); else p.talk("Rurura", {"4"});
  EXPECT_TRUE(holds("bleiloesung"));
  walk(p, {"future_crossing", "future_chimietp"});
  p.use_item("bleiloesung", "tank");
  EXPECT_EQ(story_bleitank, 1);
  poured = saved(5);  // the rest of the solution, described as poured
  p.use("douche");
  // The next pass starts the time machine; the player's click on its closing screen ends the program.
  main_loop_pass();
  ADD_FAILURE() << "the shower did not start the time machine";
}

}  // namespace

TEST(Story, PlayedFromNewGameToTheClosingScreenItEndsWithExitStatus1AndItsSavedGamesLoad) {
  const auto start = std::chrono::steady_clock::now();
  new_game();
  std::string halfway, poured;
  {
    story::Player p;
    const int status = run_program([&] {
      the_access_card(p);
      the_diamond(p);
      the_telescope(p);
      halfway = saved(4);
      the_guard(p);
      the_lead(p);
      the_time_machine(p, poured);
    });
    EXPECT_EQ(status, 1) << "last move: " << p.move();
    EXPECT_TRUE(heard().ends_with("BAG_DROP DOOR MACHINE_HUM MACHINE_FLASH")) << "the time machine charges, flashes";
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
            TR("Eine Bleiloesung die gegen radioaktive|Strahlung schuetzt.",
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
              walk(p, {"future_crossing", "future_chimietp"});
              heard();
              p.take("alkohol"); p.stow();
              EXPECT_GE(bag_slot("Alkohol"), 0) << "put into the bag";
              EXPECT_EQ(heard(), "TAKE BAG_DROP") << "each at the effects volume";
              EXPECT_EQ(headless::sound().sample_volume, 150 * wave_vol / 255);
            }),
            -1)
      << p.move();
}
