#include "support/finisher.h"
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <random>
#include <set>
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "cutscenes/player.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "menus/main_menu.h"
#include "persistence/saved_games.h"
#include "rooms/registry.h"
#include "story/story_table.h"
#include "support/hint_player.h"
#include "support/test_support.h"

namespace story {
namespace {
using namespace screen_layout;

bool same(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

// The finisher's moves for each step of the story's table (story/story_table.h), which gives their order, their
// rooms and whether each is done.
using Move = std::function<void(Player&)>;
const std::map<std::string, Move>& moves() {
  using P = Player&;
  static const std::map<std::string, Move> m = {
      {"card", [](P p) { p.talk("FrizzeRol", {"3", "3.1", "3.1.1", "3.1.1.1"}); }},
      {"cupboard", [](P p) { p.use("schrank"); }},
      {"screwdriver", [](P p) { p.take("tool"); }},
      {"alarm",
       [](P p) {  // the switches (pieces 6, 7, 8) at 2, 1, 2 silence the alarm; a use moves one 0 -> 2 -> 1 -> 0
         const int want[3] = {2, 1, 2};
         for (int k = 0; k < 3; ++k)
           for (int n = 0; n < 3 && furni_anim[6 + k] != want[k]; ++n) p.use(std::string(furni_name[6 + k]).c_str());
       }},
      {"showcase", [](P p) { p.use_item("tool", "case00"); }},
      {"diamond", [](P p) { if (piece_slot("dia") < 0) p.use("case00"); p.take("dia"); }},
      {"diamond given", [](P p) { p.give("diamond", "FrizzeRol"); }},
      // Dori carries the telescope over; the scenes that set it up play at the start of the next step.
      {"telescope carried", [](P p) { p.talk("dori_future", {"4", "4.4", "4.4.1"}); }},
      {"alcohol", [](P p) { p.take("alkohol"); }},
      {"burner", [](P p) { p.take("bunsen"); }},
      {"asleep", [](P p) { p.give("Alkohol", "sand"); }},
      {"gas", [](P p) { p.take("gaz"); }},
      {"hose", [](P p) { p.take("schlauch"); }},
      {"torch",
       [](P p) {
         if (holds("Bunsen_Schlauch")) return p.combine("Bunsen_Schlauch", "Gaz");
         if (!holds("Gaz_Schlauch")) p.combine("Gaz", "schlauch");
         p.combine("Gaz_Schlauch", "Bunsenbrenner");
       }},
      {"lead", [](P p) { p.use_item("Schweissbrenner", "rohr"); }},
      {"lead given", [](P p) { p.give("Blei", "Rurura"); }},
      {"glasses", [](P p) { p.talk("rarozir", {"5"}); }},
      // In game_en asking for the solution does not end the talk: he says goodbye.
      {"solution", [](P p) { TR(0, 1) ? p.talk("Rurura", {"4", "3"}) : p.talk("Rurura", {"4"}); }},
      {"tank", [](P p) { p.use_item("bleiloesung", "tank"); }},
      // The next pass starts the time machine; the player's click on its closing screen ends the program.
      {"shower", [](P p) { p.use("douche"), p.settle(); }},
  };
  return m;
}

// The next room on a shortest way from `from` to `to` through the rooms' doors but those found shut.
std::string next_hop(const std::string& from, const std::string& to, const std::set<std::string>& shut) {
  std::map<std::string, std::string> first{{from, ""}};
  std::deque<std::string> todo{from};
  while (!todo.empty()) {
    const std::string at = todo.front();
    todo.pop_front();
    if (at == to) return first[at];
    const int r = room_index(at.c_str());
    if (r < 0) continue;
    for (const ExitDef& e : kRooms[r]->exits)
      if (!shut.count(at + ">" + e.target) && first.emplace(e.target, at == from ? e.target : first[at]).second)
        todo.push_back(e.target);
  }
  return "";
}


int present_in(const char* room, int slot) {
  if (same(room_name, room)) return furni_present[slot];
  FILE* f = std::fopen(kRooms[room_index(room)]->state_file, "r");
  int n = -1;
  for (int k = 0; f && k <= 2 * slot; ++k)
    if (std::fscanf(f, "%d", &n) != 1) n = -1;
  if (f) std::fclose(f);
  return n;
}

// An item the story needs until its flag `used` is 1: held under one of `names` (what it becomes included),
// lying in `room` as piece `slot`, or still shut in piece `box` there.
struct Need {
  const char* what;
  const int* used;
  std::vector<const char*> names;
  const char* room;
  int slot, box;
};

std::string step_now;  // the step the finisher plays
int step_ms = 3;       // every clock read moves the game on this much: walks and speeches keep their pace
}  // namespace

void set_clock_step(int ms) { step_ms = ms; }

void go_to(Player& p, const char* room) {
  std::set<std::string> shut;
  for (int hops = 0; !same(room_name, room); ++hops) {
    main_loop_pass();  // the story's checks open the doors of the room
    const std::string from = room_name, next = next_hop(from, room, shut);
    if (next.empty() || hops > 40) give_up(std::string("no way from ") + from + " to " + room);
    int k = -1;
    for (int e = 0; e < exit_nr; ++e)
      if (same(new_room[e], next.c_str()) && go_through[e] == 1) k = e;
    if (k >= 0) p.try_exit(k);
    if (same(room_name, from.c_str())) shut.insert(from + ">" + next);
  }
}

void finish(Player& p, const std::map<std::string, std::function<void(Player&)>>& after) {
  const std::vector<StoryStep>& steps = story_steps();
  for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
    const StoryStep& s = steps[static_cast<size_t>(i)];
    if (story_step_done(i)) continue;
    if (!moves().count(s.name)) give_up(std::string("the finisher has no moves for the step \"") + s.name + "\"");
    step_now = s.name; p.settle();
    if (s.room) go_to(p, s.room);
    moves().at(s.name)(p);
    if (!story_step_done(i)) give_up(std::string("the step \"") + s.name + "\" was played but is not done");
    if (after.count(s.name)) after.at(s.name)(p);
  }
}

std::string lost_item() {
  static const std::vector<Need> needs = {
      {"the screwdriver", &story_brokencase, {"tool"}, "future_floor15", 1, 0},
      {"the diamond", &story_diamant, {"diamond"}, "future_chimie", 1, 0},
      {"the alcohol", &story_sandalkohol, {"Alkohol"}, "future_chimietp", 5, -1},
      {"the Bunsen burner", &story_blei, {"Bunsenbrenner", "Bunsen_Schlauch", "Schweissbrenner", "Blei"},
       "future_chimietp", 2, -1},
      {"the gas bottle", &story_blei, {"Gaz", "Gaz_Schlauch", "Schweissbrenner", "Blei"}, "future_biolog", 1, -1},
      {"the hose", &story_blei, {"schlauch", "Gaz_Schlauch", "Bunsen_Schlauch", "Schweissbrenner", "Blei"},
       "future_biolog", 4, -1},
      {"the lead pipe", &story_blei, {"Blei"}, "future_floor15", 2, -1},
      {"the lead solution", &story_bleitank, {"bleiloesung"}, nullptr, 0, -1},  // Mr Rurura's until he gives it
  };
  for (const Need& n : needs)
    if (*n.used != 1 && std::none_of(n.names.begin(), n.names.end(), holds) &&
        !(n.room ? present_in(n.room, n.slot) == 1 || (n.box >= 0 && present_in(n.room, n.box) == 1)
                 : story_gotblei == 0))
      return n.what;
  return "";
}

int new_game() {
  test_support::fresh_game(step_ms);
  const int status = test_support::play_to_main_loop();
  return headless::on_present(nullptr), text_speed = 1, status;
}

int continue_in_new_program() {
  const std::string kept = test_support::read_file("sav/autosave.sav");
  test_support::fresh_game(step_ms);
  mkdir("sav", 0755), test_support::write_file("sav/autosave.sav", kept);
  test_support::Player player;
  player.click_when(test_support::in_main_menu, kMenuContinueHot.mid_x(), kMenuContinueHot.mid_y())
      .then(test_support::in_main_loop, [] { headless::stop(); });
  headless::set_time_limit(60000);
  static char name[] = "game";
  char* argv[] = {name, nullptr};
  const int status = test_support::run_program([&] { game_main(1, argv); });
  return headless::on_present(nullptr), text_speed = 1, status;
}

namespace {
// The random player's hand: one action whenever the hand is free and its pause is over, chosen for the screen
// that is up; with no actions left it only closes what is open.
struct Hand {
  std::mt19937 rng;
  int left;
  Run* run;
  int next_at = 0;
  bool saving = false;  // the slot screen opened last is Save's
  int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  void act(const std::string& what, int x, int y, int button = 1) {
    click_at(x, y, button);
    note(what + " " + std::to_string(x) + "," + std::to_string(y) + (button == 2 ? " right" : ""));
  }
  void act(const std::string& what, const Rect& button) { act(what, button.mid_x(), button.mid_y()); }
  void note(const std::string& what) {
    --left, run->log.push_back(std::to_string(headless::now()) + " " + room_name + ": " + what + " (the hero at " +
                               std::to_string(hero_x) + "," + std::to_string(hero_y) + ")");
  }
  void close() { headless::close_window_at(headless::now() + 1), note("close the window"); }
  void at_thing() {
    std::vector<Rect> boxes;
    for (int i = 0; i < furni_nr; ++i)
      if (furni_present[i] == 1)
        boxes.push_back({furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i]});
    for (int i = 0; i < person_nr; ++i)
      if (person_present[i] == 1)
        boxes.push_back({person_mouse_x[i], person_mouse_y[i], person_mouse_x2[i], person_mouse_y2[i]});
    if (boxes.empty()) return act("click", roll(640), roll(480));
    const Rect b = boxes[roll(boxes.size())];
    act("click a thing", b.mid_x(), b.mid_y());
  }
  void in_room() {
    const int k = roll(100);
    if (k < 20) return act("click", roll(640), roll(480), roll(6) == 0 ? 2 : 1);
    const Rect& v = kVerbHit[roll(kVerbCount)];
    if (k < 35) return act("verb", v);
    if (k < 65) return at_thing();
    if (k < 80 && exit_nr > 0) {
      const int e = roll(exit_nr);
      return act("door", (exit_x[e] + exit_x2[e]) / 2, (exit_y[e] + exit_y2[e]) / 2);
    }
    if (k < 97) return act("bag", kBagHit);
    close();
  }
  void in_bag() {
    const int k = roll(100);
    if (left <= 0 || k < 20) return act("bag closed", 320, 240, 2);
    if (k < 70 && invent_nr > 0) {
      int x = 0, y = 0;
      inventory_slot_position(roll(invent_nr), &x, &y);
      return act("bag slot", x + 20, y + 20);
    }
    if (k < 85) return act("control panel", kInventoryPanelButton);
    act("click", roll(640), roll(480));
  }
  void in_panel() {
    const int k = roll(100);
    if (left <= 0 || k < 25) return act("back to the bag", kPanelInventory);
    if (k < 75) return (saving = k < 50) ? act("save", kPanelSave) : act("load", kPanelLoad);
    if (k < 97) {
      // A click anywhere may hit Save or Load too.
      const int x = roll(640), y = roll(480);
      // The main menu ends the game being played: the player here keeps to it.
      if (screen_layout::kPanelMainMenu.contains(x, y)) return act("back to the bag", kPanelInventory);
      if (kPanelSave.contains(x, y) || kPanelLoad.contains(x, y)) saving = kPanelSave.contains(x, y);
      return act("click", x, y);
    }
    act("quit", kPanelQuit);
  }
  void in_slots(bool save) {
    const int s = roll(kSlotCount);
    if (left <= 0 || roll(3) == 0) return act("slot screen left", kSlotOk);
    act(std::string(save ? "save in" : "load") + " slot " + std::to_string(s), 200, kSlotLineY0 + kSlotLineStep * s + 8);
    if (!save) return;
    headless::key_at(headless::now() + 150, 'a' + roll(26)),
        headless::key_at(headless::now() + 200, KEY_ENTER << 8 | 13);
  }
  bool operator()() {
    if (story_douche == 1) return false;  // the closing screen: the player's usual click
    if (!hand_free() || headless::now() < next_at) return true;
    next_at = headless::now() + 50 + roll(1500);
    if (const int offered = menu_options()) {
      int c = 1 + roll(5);
      while (!(offered >> c & 1)) c = c % 5 + 1;
      click_option(c), note("choose " + std::to_string(c));
    } else if (inv_menu == 2) {
      // The slot screens run inside the panel: told apart by the panel's picture.
      test_support::shown_share(headless::last_frame(), game_options_bmp, kInventoryPos.x, kInventoryPos.y) > 0.9
          ? in_panel()
          : in_slots(saving);
    } else if (inv_menu == 1) {
      in_bag();
    } else if (video_active == 1 || hidebuttons == 1) {
      if (left > 0 && roll(6) == 0) close();  // in the middle of a scene or a speech
    } else if (left > 0) {
      in_room();
    } else if (mouse_button != kButtonNone) {
      // At rest the hand moves off the buttons: an errand the hero has reached waits for the pointer to leave them.
      headless::mouse_at(headless::now() + 2, 320, 200, 0), note("the pointer into the room");
    }
    return true;
  }
};
}  // namespace

Run random_run(unsigned seed, int actions) {
  Run run;
  Hand hand{std::mt19937(seed), actions, &run};
  int status = new_game();
  std::string lost;
  while (status == -2) {
    Player p;
    on_frame_first(std::ref(hand));
    status = test_support::run_program([&] {
      // After the last action, a minute of game time to come to rest.
      // The last click must be let go first: a bag it opens is closed again in the rest.
      for (int checked = -1, rest_by = 0; hand.left > 0 || !hand_free() || (!idle() && headless::now() < rest_by);) {
        if (hand.left > 0) rest_by = headless::now() + 60000;
        headless::set_time_limit(headless::now() + 600000); main_loop_pass();
        if (lost.empty() && idle() && checked != hand.left && !(lost = lost_item()).empty())
          lost += " is lost after action " + std::to_string(run.log.size());
        if (lost.empty() && idle() && checked != hand.left && !(lost = hint_trouble()).empty())
          lost += " after action " + std::to_string(run.log.size());
        checked = hand.left;
      }
    });
    if (status == 1 && access("sav/autosave.sav", F_OK) == 0) ++run.closes, status = continue_in_new_program();
  }
  if (status == 1) return run.status = 1, run;  // the story ended in the random part
  if (status == -1) {
    Player p;
    run.status = test_support::run_program([&] {
      finish(p);
    });
    run.trouble = failure();
  }
  if (run.status != 1 && run.trouble.empty())
    run.trouble = "the run ended with status " + std::to_string(status == -1 ? run.status : status);
  if (!lost.empty()) run.trouble = lost + (run.trouble.empty() ? "" : "; " + run.trouble);
  return run;
}

namespace {
// Counts the moments of each step after every frame: a shot begun, a turn of a conversation.
struct Moments {
  std::function<void(int)> at;
  std::string step;
  int n = 0, shots = shots_played(), turn = -1;
  bool operator()() {
    if (step != step_now) step = step_now, n = 0;
    const int now_turn = talk_nr >= 0 && talk_nr < kMaxPersons ? choice * 100 + person_anim[talk_nr] : -1;
    if (shots_played() != shots || (now_turn != turn && now_turn != -1)) at(n++);
    shots = shots_played(), turn = now_turn;
    return false;
  }
};

std::string kept_game() { return save_autosave(), test_support::read_file("sav/autosave.sav"); }
}  // namespace

std::map<std::string, int> close_moments(std::map<std::string, std::string>& kept) {
  std::map<std::string, int> counts;
  if (new_game() != -2) return counts;
  std::map<std::string, std::function<void(Player&)>> keep;
  const std::vector<StoryStep>& all = story_steps();
  for (size_t i = 0; i + 1 < all.size(); ++i)
    keep[all[i].name] = [&kept, next = all[i + 1].name](Player& p) { p.settle(), kept[next] = kept_game(); };
  kept[all[0].name] = kept_game();
  Player p;
  on_frame_first(Moments{[&](int n) { counts[step_now] = n + 1; }});
  test_support::run_program([&] { finish(p, keep); });
  return counts;
}

CloseResult close_and_continue(const std::string& kept, const std::string& step, int moment) {
  using Outcome = CloseResult::Outcome;
  auto dead_end = [](const std::string& why) { return CloseResult{Outcome::dead_end, why}; };
  // In a folder of its own: the soak runs two of these at once.
  test_support::fresh_game(step_ms), mkdir("sav", 0755), test_support::write_file("sav/autosave.sav", kept);
  if (continue_in_new_program() != -2) return dead_end("Continue did not take the kept game up");
  Player p;
  bool closed = false;
  on_frame_first(Moments{[&](int n) {
    if (step_now != step || n != moment) return;
    // The game may end the move it is in (a conversation) before it honours the close: no failure then.
    closed = true, headless::close_window_at(headless::now() + 1), leave_failures_unreported();
  }});
  int status = test_support::run_program([&] { finish(p); });
  if (closed && status == -2)
    status = test_support::run_program([] {
      headless::set_time_limit(headless::now() + 60000);
      for (;;) main_loop_pass();
    });
  if (status != 1)
    return dead_end("before the close: " + (failure().empty() ? "status " + std::to_string(status) : failure()));
  if (!closed) return {Outcome::not_reached, ""};
  // No autosave: the story ended before the close was honoured (a close in its last scene).
  if (access("sav/autosave.sav", F_OK) != 0) return {};
  if (continue_in_new_program() != -2) return dead_end("Continue did not take the game up");
  if (const std::string lost = lost_item(); !lost.empty()) return dead_end("after Continue " + lost + " is lost");
  Player q;
  status = test_support::run_program([&] { finish(q); });
  if (status == 1) return {};
  return dead_end(failure().empty() ? "ended with status " + std::to_string(status) : failure());
}
}  // namespace story
