#include "headless_driver/story_player.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include "core/errand.h"
#include "core/settings.h"
#include "core/tr.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/click_points.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "platform/gamepad.h"
#include "platform/headless.h"
#include "platform/speech.h"
#include "interaction/pointer_voice.h"

namespace story {
namespace {
using screen_layout::kBagHit, screen_layout::kVerbHit;
using Box = screen_layout::Rect;

// A press is held 40 ms; a move may take three minutes of game time; the hand rests 120 ms between clicks. A
// player without sight gives up on a name after 40 jumps (no screen of the game has that many stops).
constexpr int kHoldMs = 40, kMoveMs = 180000, kPauseMs = 120, kTakeVerb = 1, kUseVerb = 2, kMostJumps = 40;
constexpr int kPgDn = KEY_PGDN << 8, kEnter = KEY_ENTER << 8 | 13, kBackspace = KEY_BACKSPACE << 8 | 8;

bool same(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

}  // namespace

bool idle() {
  return mov_nr == kStanding && !errand_pending() && hidebuttons == 0 && inv_menu == 0 && !(mouse_b & 3) &&
         click == kClickFree;
}

namespace {
// What the probe answers after every frame of a pass: the conversation's menu (the options still to choose)
// and the open bag (steps run in order). A new player starts it afresh.
struct Probe {
  std::vector<std::string> menu;
  size_t menu_next = 0, bag_next = 0;
  std::vector<std::pair<std::function<bool()>, std::function<void()>>> bag;
  std::string failure;
  std::function<bool()> first;
  bool menu_clicked = false, unreported = false, no_mouse = false, no_sight = false;
  int released_at = 0;  // when its last click is let go; the next waits for it
  // Without sight, in the bag or a conversation: the words listened for, jumping on until they are said.
  std::string seeking;
  size_t heard_from = 0;  // what was said before the last jump
  int moves_at_jump = -1, jumps = 0;
} probe;

std::function<void(const std::string&)>& reporter() {
  static std::function<void(const std::string&)> report = [](const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
  };
  return report;
}

void fails(const std::string& why) {
  if (probe.failure.empty() && !probe.unreported)
    reporter()(std::string("in ") + (room_name ? room_name : "?") + ", " + why);
  if (probe.failure.empty()) probe.failure = why;
  headless::stop();
}

bool button_free() { return headless::now() > probe.released_at + kPauseMs && !(mouse_b & 3); }

// The lines of the menu's options before option c (each as many as it has).
int rows_before(int c) {
  int rows = 0;
  for (int k = 1; k < c; ++k)
    for (int l = 0; l < kTextLines; ++l) rows += input_text[k][l] && input_text[k][l][0];
  return rows;
}

// Without sight, listening in the bag or a conversation: Enter once the words sought were said for the last jump,
// else the next jump once the last one has been made.
void seek_by_ear() {
  Probe& p = probe;
  if (heard_since(p.heard_from) == p.seeking) {
    p.seeking.clear(), p.released_at = headless::now() + kHoldMs;
    headless::key_at(headless::now() + 1, kEnter);
    return;
  }
  if (headless::pointer_moves_made() == p.moves_at_jump) return;
  if (++p.jumps > kMostJumps) fails("never heard \"" + p.seeking + "\"");
  p.heard_from = headless::spoken().size(), p.moves_at_jump = headless::pointer_moves_made();
  headless::key_at(headless::now() + 1, kPgDn);
}

void listen_for(const std::string& words) {
  probe.seeking = words, probe.heard_from = headless::spoken().size(), probe.moves_at_jump = -1, probe.jumps = 0;
}

// The words of a choice or a description as they are read: the lines that are not empty, joined by blanks.
std::string as_read_aloud(const text (&lines)[kTextLines]) {
  std::string words;
  for (const char* l : lines)
    if (l && *l) words.append(words.empty() ? "" : " ").append(l);
  return words;
}

// A right click without a mouse: Backspace.
void backspace() {
  probe.released_at = headless::now() + kHoldMs;
  headless::key_at(headless::now() + 1, kBackspace);
}

void on_frame() {
  Probe& p = probe;
  if (choice != 0) p.menu_clicked = false;
  if (p.first && p.first()) return;
  if (!p.seeking.empty()) return seek_by_ear();
  if (menu_options() && !p.menu_clicked && button_free()) {
    if (p.menu_next >= p.menu.size()) fails("the conversation goes on after the last sentence chosen");
    const int c = p.menu[p.menu_next].back() - '0';
    if (!(menu_options() >> c & 1)) fails("the menu does not offer " + p.menu[p.menu_next]);
    ++p.menu_next;
    click_option(c);
  }
  if (inv_menu == 1 && p.bag_next < p.bag.size() && button_free() && p.bag[p.bag_next].first())
    p.bag[p.bag_next++].second();
  // After the shower the time machine's closing screen waits for a click (and Escape) until the program ends.
  if (story_douche == 1 && button_free()) {
    if (p.no_sight) headless::key_at(headless::now() + 30, kEnter), p.released_at = headless::now() + kHoldMs;
    else click_at(320, 240);
    headless::key_at(headless::now() + 2, (KEY_ESC << 8) | 27);
    headless::key_down(headless::now() + 2, KEY_ESC), headless::key_up(headless::now() + 20, KEY_ESC);
  }
}

void click_bag_slot(const std::string& item) {
  const int i = bag_slot(item.c_str());
  if (i < 0) fails("the bag holds no " + item);
  if (probe.no_sight) return listen_for(as_read_aloud(inv_obj_describe[i]));
  int sx = 0, sy = 0;
  inventory_slot_position(i, &sx, &sy), click_at(sx + 20, sy + 20);
}

int slot_in(const char* name, int n, const int* present, const text* names) {
  for (int i = 0; i < n; ++i)
    if ((!present || present[i] == 1) && same(names[i], name)) return i;
  return -1;
}
}  // namespace

void click_at(int mx, int my, int button) {
  const int t = headless::now() + 2;
  headless::mouse_at(t, mx, my, button), headless::mouse_at(probe.released_at = t + kHoldMs, mx, my, 0);
}
bool hand_free() { return button_free(); }

namespace {
// The right click that closes the bag: Backspace without sight.
void right_click_in_bag() {
  if (probe.no_sight) return backspace();
  click_at(320, 240, 2);
}
}  // namespace
void on_frame_first(std::function<bool()> hook) { probe.first = std::move(hook); }
const std::string& failure() { return probe.failure; }
void leave_failures_unreported() { probe.unreported = true; }
void report_failures_with(std::function<void(const std::string&)> report) { reporter() = std::move(report); }
void give_up(const std::string& why) { fails(why), headless::stop(); }

int menu_options() {
  int offered = 0;
  if (hidebuttons == 1 && choice == 0 && talk_nr >= 0)
    for (int c = 1; c < kTalkRows; ++c) offered |= (rows_before(c + 1) > rows_before(c)) << c;
  return offered;
}

int option_y(int c) { return kMenuBottom - kTextRow * (rows_before(kTalkRows) - rows_before(c)) + kTextRow / 2; }

void click_option(int c) {
  probe.menu_clicked = true;
  if (probe.no_sight) return listen_for(as_read_aloud(input_text[c]));
  click_at(100, option_y(c));
}

std::string heard_since(size_t from) {
  const std::vector<headless::Said>& said = headless::spoken();
  for (size_t n = said.size(); n > from; --n)
    if (said[n - 1].interrupt && !said[n - 1].text.empty()) return said[n - 1].text;
  return "";
}

bool holds(const char* item) { return bag_slot(item) >= 0 || (carrying_item() && same(arrow_obj, item)); }

int piece_slot(const char* name) { return slot_in(name, furni_nr, furni_present, furni_name); }
int person_slot(const char* name) { return slot_in(name, person_nr, person_present, person_name); }
int bag_slot(const char* name) { return slot_in(name, invent_nr, nullptr, inventory_obj); }

Player::Player() { probe = Probe{}; headless::on_present(on_frame); }
Player::~Player() { headless::on_present(nullptr); }

// One pass first, so the story's checks have set up the room as the player sees it; then the carried item
// back into the bag, unless `keep` it.
void Player::begin(const std::string& what, bool keep) {
  move_ = what;
  if (!probe.failure.empty()) headless::stop();
  headless::set_time_limit(headless::now() + kMoveMs), main_loop_pass();
  if (!keep) stow();
  put_verb_back();
}

// A verb chosen on the panel and not used yet would take the next click: a click on no thing puts it back.
void Player::put_verb_back() {
  if (force_cursor != kVerbChosen || carrying_item()) return;
  int x = 0, y = 0;
  if (!floor_point(x, y)) fail("no place to click that is no thing, door or button");
  press(x, y), wait_idle();
}

void Player::fail(const std::string& why) { fails(move_ + ": " + why); }

void aim_without_mouse() { probe.no_mouse = true; }

void play_without_sight() {
  probe.no_mouse = probe.no_sight = true;
  settings::speech = 1;
  if (!speech_start()) give_up("no speech to listen to");
}

namespace {
// Passes until the game has moved the pointer (or pressed a button) for what the keys or the pad did.
void pass_until_moved(int moves, int presses) {
  const int until = headless::now() + 2000;
  while (headless::pointer_moves_made() == moves && headless::button_presses_made() == presses &&
         headless::now() < until)
    main_loop_pass();
  main_loop_pass();
}

// Page Down until the pointer stands on (x, y): false when it is none of the points the jumps stop at.
bool jump_to(int x, int y) {
  const auto points = room_click_points();
  if (std::none_of(points.begin(), points.end(), [&](const screen_layout::Point& q) { return q.x == x && q.y == y; }))
    return false;
  for (size_t n = 0; n <= points.size() && (mouse_x != x || mouse_y != y); ++n) {
    const int moves = headless::pointer_moves_made(), presses = headless::button_presses_made();
    headless::key_at(headless::now() + 1, KEY_PGDN << 8), pass_until_moved(moves, presses);
  }
  return mouse_x == x && mouse_y == y;
}

// The stick pushed towards (x, y), less the nearer the pointer comes, until it stands within 2 px.
void steer_to(int x, int y) {
  const auto tilt = [](int d) { return d == 0 ? 0 : std::clamp(d * 3 + (d > 0 ? 30 : -30), -127, 127); };
  const int until = headless::now() + 10000;
  while ((std::abs(x - mouse_x) > 2 || std::abs(y - mouse_y) > 2) && headless::now() < until) {
    headless::pad_at(headless::now() + 1, tilt(x - mouse_x), tilt(y - mouse_y), 0);
    main_loop_pass();
  }
  headless::pad_at(headless::now() + 1, 0, 0, 0), main_loop_pass();
}
}  // namespace

// Passes until the hero stands still and nothing goes on (with `scenes`, until the two-pass scenes played).
void Player::wait_idle(int ms, bool scenes) {
  const int until = headless::now() + ms;
  while (!idle() || (scenes && (story_zirud_talk != 0 || story_hero_uff != 0))) {
    if (!probe.failure.empty()) headless::stop();
    if (headless::now() > until)
      fail(scenes ? "the story's scenes never finished" : "the hero never got there, or never stood still again");
    main_loop_pass();
  }
  if (!probe.failure.empty()) headless::stop();
}

// A click at the raw mouse position, then passes until it is let go. Without sight, on what is said as `listen`.
void Player::press(int x, int y, int button, const std::string& listen) {
  if (probe.no_sight) return press_by_ear(listen, button);
  if (probe.no_mouse) return press_without_mouse(x, y, button);
  click_at(x, y, button);
  do main_loop_pass();
  while (headless::now() <= probe.released_at || (mouse_b & 3));
  if (!probe.failure.empty()) headless::stop();
}

// A right click is Backspace where the pointer stands; a left click the jumps and Enter on a thing, the stick and
// A on the floor.
void Player::press_without_mouse(int x, int y, int button) {
  const int moves = headless::pointer_moves_made(), presses = headless::button_presses_made();
  if (button == 2) {
    headless::key_at(headless::now() + 1, KEY_BACKSPACE << 8 | 8);
  } else if (jump_to(x, y)) {
    headless::key_at(headless::now() + 1, KEY_ENTER << 8 | 13);
  } else {
    steer_to(x, y);
    if (!on_floor(mouse_x, mouse_y)) fail("the stick did not bring the pointer onto the floor there");
    const int t = headless::now() + 1;
    headless::pad_at(t, 0, 0, kPadA), headless::pad_at(t + 40, 0, 0, 0);
  }
  pass_until_moved(moves, presses);
  probe.released_at = headless::now();
  while (mouse_b & 3) main_loop_pass();
  if (!probe.failure.empty()) headless::stop();
}

// Page Down until `listen` is said for the pointer's new place, then Enter; a right click is Backspace.
void Player::press_by_ear(const std::string& listen, int button) {
  if (button == 1 && listen.empty()) fail("without sight there is nothing to listen for on the floor");
  for (int n = 0; button == 1; ++n) {
    if (n == kMostJumps) fail("never heard \"" + listen + "\"");
    const size_t from = headless::spoken().size();
    const int moves = headless::pointer_moves_made(), presses = headless::button_presses_made();
    headless::key_at(headless::now() + 1, kPgDn), pass_until_moved(moves, presses);
    if (heard_since(from) == listen) break;
  }
  const int moves = headless::pointer_moves_made(), presses = headless::button_presses_made();
  headless::key_at(headless::now() + 1, button == 2 ? kBackspace : kEnter), pass_until_moved(moves, presses);
  probe.released_at = headless::now();
  while (mouse_b & 3) main_loop_pass();
  if (!probe.failure.empty()) headless::stop();
}

void Player::click_thing(bool person, int slot) {
  int x = 0, y = 0;
  if (!thing_point(person, slot, x, y)) fail("no point to click that is on it alone");
  press(x, y, 1, spoken_name(person ? Thing::person : Thing::piece, slot));
}

void Player::stow() {
  if (mouse_status <= kModeUse) return;
  press(std::clamp(hero_x, 100, 500), std::clamp(hero_y - 60, 100, 300), 2), wait_idle();
  if (carrying_item()) fail("the carried item did not go back into the bag");
}

void Player::walk(int x, int y) {
  begin("walk to " + std::to_string(x) + ", " + std::to_string(y));
  if (!on_floor(x, y)) fail("that is not a point on the floor");
  press(x, y), wait_idle();
}

void Player::try_exit(int k) {
  begin("try door " + std::to_string(k));
  if (k < 0 || k >= exit_nr) fail("the room has no such door");
  int x = 0, y = 0;
  if (!exit_point(k, x, y)) fail("no point of the door is free to click");
  press(x, y, 1, spoken_name(Thing::door, k)), wait_idle();
}

void Player::exit_to(const char* room) {
  const std::string what = std::string("go to ") + room, from = room_name ? room_name : "";
  begin(what, true);
  int k = -1;
  for (int e = 0; e < exit_nr; ++e)
    if (same(new_room[e], room) && go_through[e] == 1) k = e;
  if (k < 0) fail("no open door leads there");
  try_exit(k), move_ = what;
  if (!same(room_name, room)) fail("still in " + from);
}

// A click on the piece or person `name` (after the panel's verb `verb`, which puts the pointer in `mode`),
// then passes until the hero has done it.
void Player::click_on(bool person, const char* name, int verb, int mode) {
  const int i = person ? person_slot(name) : piece_slot(name);
  if (i < 0) fail(person ? "no such person here" : "no such piece here");
  const char* const verbs[] = {TR("Gehen", "Walk"), TR("Nehmen", "Take"), TR("Benutzen", "Use"),
                               TR("Ansehen", "Look"), TR("Reden", "Talk")};
  if (verb >= 0) press(kVerbHit[verb].mid_x(), kVerbHit[verb].mid_y(), 1, verbs[verb]);
  if (verb >= 0 && mouse_status != mode) fail("the verb was not chosen");
  click_thing(person, i), wait_idle();
}

void Player::look(const char* piece) { begin(std::string("look at ") + piece); click_on(false, piece); }
void Player::take(const char* p) { begin(std::string("take ") + p); click_on(false, p, kTakeVerb, kModeTake); }
void Player::use(const char* piece) { begin(std::string("use ") + piece); click_on(false, piece, kUseVerb, kModeUse); }

// Opens the bag, runs `plan` in it and waits until it is closed again.
void Player::in_bag(std::vector<std::pair<std::function<bool()>, std::function<void()>>> plan) {
  probe.bag = std::move(plan), probe.bag_next = 0;
  press(kBagHit.mid_x(), kBagHit.mid_y(), 1, TR("Tasche", "Bag")), wait_idle();
}

// `item` out of the bag onto the pointer (unless it is there already).
void Player::pick_from_bag(const char* item) {
  if (carrying_item() && same(arrow_obj, item)) return;
  stow();
  if (bag_slot(item) < 0) fail(std::string("the bag holds no ") + item);
  const std::string name = item;
  in_bag({{[] { return !carrying_item(); }, [name] { click_bag_slot(name); }},
          {[name] { return carrying_item() && same(arrow_obj, name.c_str()); }, [] { right_click_in_bag(); }}});
  if (!carrying_item() || !same(arrow_obj, item)) fail("did not get " + name + " out of the bag");
}

void Player::use_item(const char* item, const char* piece) {
  begin(std::string("use ") + item + " on " + piece, true), pick_from_bag(item), click_on(false, piece);
}
void Player::give(const char* item, const char* person) {
  begin(std::string("give ") + item + " to " + person, true), pick_from_bag(item), click_on(true, person);
}

void Player::talk(const char* person, std::initializer_list<const char*> path) {
  talk(person, std::vector<std::string>(path.begin(), path.end()));
}

void Player::talk(const char* person, const std::vector<std::string>& path) {
  std::string what = std::string("talk to ") + person + ", choose";
  for (const std::string& p : path) what += " " + p;
  probe.menu = path; probe.menu_next = 0, probe.menu_clicked = false;
  begin(what), click_on(true, person);
  if (probe.menu_next != path.size()) fail("the conversation ended before " + probe.menu[probe.menu_next]);
}

void Player::combine(const char* held, const char* on) {
  begin(std::string("combine ") + held + " with " + on);
  if (bag_slot(held) < 0 || bag_slot(on) < 0) fail("the bag does not hold both");
  const std::string a = held, b = on;
  // The product goes back into the bag (a click on no item and no button), and the bag is closed.
  // Without sight the bag is closed with the product on the pointer, which Backspace then puts back.
  if (probe.no_sight) {
    in_bag({{[] { return !carrying_item(); }, [a] { click_bag_slot(a); }},
            {[a] { return carrying_item() && same(arrow_obj, a.c_str()); }, [b] { click_bag_slot(b); }},
            {[a] { return carrying_item() && !same(arrow_obj, a.c_str()); }, [] { backspace(); }}});
    if (probe.bag_next != probe.bag.size()) fail("the two did not combine");
    return stow();
  }
  in_bag({{[] { return !carrying_item(); }, [a] { click_bag_slot(a); }},
          {[a] { return carrying_item() && same(arrow_obj, a.c_str()); }, [b] { click_bag_slot(b); }},
          {[a] { return carrying_item() && !same(arrow_obj, a.c_str()); }, [] { click_at(600, 60); }},
          {[] { return !carrying_item(); }, [] { click_at(320, 240, 2); }}});
  if (probe.bag_next != probe.bag.size()) fail("the two did not combine");
}

void Player::settle() { begin("wait", true), wait_idle(kMoveMs, true); }
}  // namespace story
