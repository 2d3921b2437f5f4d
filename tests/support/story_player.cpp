#include "support/story_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "dialogue/talk.h"
#include "interaction/inventory.h"
#include "menus/screen_layout.h"
#include "platform/headless.h"
#include "shell/cursor.h"
#include "shell/game.h"
#include "shell/world.h"

namespace story {

namespace {

using screen_layout::kBagHit;
using screen_layout::kCursorHotSpot;
using screen_layout::kVerbHit;

// How long a press is held, and how long one move may take in game time.
constexpr int kHoldMs = 40;
constexpr int kMoveMs = 180000;
// Verbs on the panel, in its order.
constexpr int kTakeVerb = 1;
constexpr int kUseVerb = 2;
// Where a left click in the open bag touches no item and no button.
constexpr int kBagEmptyX = 600;
constexpr int kBagEmptyY = 60;

bool same(const char* a, const char* b) {
  return a && b && std::strcmp(a, b) == 0;
}

struct Box {
  int x1, y1, x2, y2;
  bool holds(int px, int py) const { return px >= x1 && px <= x2 && py >= y1 && py <= y2; }
};

Box piece_box(int i) {
  return {furni_mouse_x[i], furni_mouse_y[i], furni_mouse_x2[i], furni_mouse_y2[i]};
}
Box person_box(int j) {
  return {person_mouse_x[j], person_mouse_y[j], person_mouse_x2[j], person_mouse_y2[j]};
}

bool over_button(int mx, int my) {
  if (kBagHit.contains(mx, my)) return true;
  for (const auto& v : kVerbHit)
    if (v.contains(mx, my)) return true;
  return false;
}

bool on_exit(int mx, int my) {
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k)
    if (exit_x[k] < mx && mx < exit_x2[k] && exit_y[k] < my && my < exit_y2[k]) return true;
  return false;
}

// The hot spot (hx, hy) is on an interactive piece or person other than the
// one named by (person, slot).
bool on_other_thing(int hx, int hy, bool person, int slot) {
  for (int i = 0; i < furni_nr; ++i)
    if ((person || i != slot) && furni_interact[i] == 1 && furni_present[i] == 1 && piece_box(i).holds(hx, hy))
      return true;
  for (int j = 0; j < person_nr; ++j)
    if ((!person || j != slot) && person_interact[j] == 1 && person_present[j] == 1 && person_box(j).holds(hx, hy))
      return true;
  return false;
}

bool idle() {
  return mov_nr == kStanding && take_object == -1 && gear_object == -1 && use_object == -1 && talk_goto == -1 &&
         change_room == -1 && hidebuttons == 0 && inv_menu == 0 && !(mouse_b & 3) && click == kClickFree;
}

// ---- What the probe answers inside a pass -------------------------------------

// The conversation's menu: the options still to choose, and whether the
// click on the menu now up has been given.
std::vector<int> menu_plan;
std::vector<std::string> menu_paths;
size_t menu_next = 0;
bool menu_clicked = false;
// The open bag: steps of (when, act), run in order.
struct BagStep {
  std::function<bool()> when;
  std::function<void()> act;
};
std::vector<BagStep> bag_plan;
size_t bag_next = 0;
std::string probe_failure;
// When the last click the probe gave is let go: the next waits for it, so
// that the screen sees the button come up between two presses.
int released_at = 0;

void click_at(int mx, int my) {
  const int t = headless::now() + 2;
  headless::click(t, mx, my, kHoldMs);
  released_at = t + kHoldMs;
}

void right_click(int mx, int my) {
  const int t = headless::now() + 2;
  headless::mouse_at(t, mx, my, 2);
  headless::mouse_at(t + kHoldMs, mx, my, 0);
  released_at = t + kHoldMs;
}

// A player's hand rests a moment between two clicks: the screens see the
// button up in a pass of their own before the next press.
constexpr int kPauseMs = 120;
bool button_free() {
  return headless::now() > released_at + kPauseMs && !(mouse_b & 3);
}

int option_rows(int c) {
  int rows = 0;
  for (int l = 0; l < kTextLines; ++l)
    if (input_text[c][l] && input_text[c][l][0]) ++rows;
  return rows;
}

bool menu_up() {
  if (hidebuttons != 1 || choice != 0 || talk_nr < 0) return false;
  for (int c = 1; c < kTalkRows; ++c)
    if (option_rows(c) > 0) return true;
  return false;
}

// The y of the middle of option c's first line, as the menu lays it out: the
// options stacked up from the bottom, each as many rows as it has lines.
int option_y(int c) {
  int top = kMenuBottom;
  for (int k = 1; k < kTalkRows; ++k) top -= kTextRow * option_rows(k);
  for (int k = 1; k < c; ++k) top += kTextRow * option_rows(k);
  return top + kTextRow / 2;
}

void probe_fails(const std::string& why) {
  if (probe_failure.empty()) {
    probe_failure = why;
    ADD_FAILURE() << "in " << (room_name ? room_name : "?") << ": " << why;
  }
  headless::stop();
}

void answer_menu() {
  if (choice != 0) menu_clicked = false;
  if (!menu_up() || menu_clicked || !button_free()) return;
  if (menu_next >= menu_plan.size()) probe_fails("the conversation goes on after the last sentence chosen");
  const int c = menu_plan[menu_next];
  if (option_rows(c) == 0) probe_fails("the menu does not offer " + menu_paths[menu_next]);
  ++menu_next;
  menu_clicked = true;
  click_at(100, option_y(c));
}

void answer_bag() {
  if (inv_menu != 1 || bag_next >= bag_plan.size() || !button_free()) return;
  if (!bag_plan[bag_next].when()) return;
  const auto act = bag_plan[bag_next].act;
  ++bag_next;
  act();
}

// After the shower the time machine runs to its closing screen, which waits
// for a click: the player clicks (and presses Escape) until the program ends.
void answer_time_machine() {
  if (story_douche != 1 || !button_free()) return;
  click_at(320, 240);
  headless::key_at(headless::now() + 2, (KEY_ESC << 8) | 27);
  headless::key_down(headless::now() + 2, KEY_ESC);
  headless::key_up(headless::now() + 20, KEY_ESC);
}

void on_frame() {
  answer_menu();
  answer_bag();
  answer_time_machine();
}

void click_bag_slot(const char* item) {
  const int i = bag_slot(item);
  if (i < 0) probe_fails(std::string("the bag holds no ") + item);
  int sx = 0, sy = 0;
  inventory_slot_position(i, &sx, &sy);
  click_at(sx + 20, sy + 20);
}

}  // namespace

int piece_slot(const char* name) {
  for (int i = 0; i < furni_nr; ++i)
    if (furni_present[i] == 1 && same(furni_name[i], name)) return i;
  return -1;
}

int person_slot(const char* name) {
  for (int j = 0; j < person_nr; ++j)
    if (person_present[j] == 1 && same(person_name[j], name)) return j;
  return -1;
}

int bag_slot(const char* name) {
  for (int i = 0; i < invent_nr; ++i)
    if (same(inventory_obj[i], name)) return i;
  return -1;
}

Player::Player() {
  menu_plan.clear();
  bag_plan.clear();
  menu_next = bag_next = 0;
  probe_failure.clear();
  headless::on_present(on_frame);
}

Player::~Player() {
  headless::on_present(nullptr);
}

// Each move starts with a look at the room: one pass, so the story's checks
// have set up the room as the player sees it.
void Player::begin(const std::string& what) {
  move_ = what;
  if (!probe_failure.empty()) headless::stop();
  headless::set_time_limit(headless::now() + kMoveMs);
  main_loop_pass();
}

void Player::fail(const std::string& why) {
  ADD_FAILURE() << "in " << (room_name ? room_name : "?") << ", " << move_ << ": " << why;
  headless::stop();
}

void Player::wait_idle(int ms) {
  const int until = headless::now() + ms;
  while (!idle()) {
    if (!probe_failure.empty()) headless::stop();
    if (headless::now() > until) fail("the hero never got there, or never stood still again");
    main_loop_pass();
  }
  if (!probe_failure.empty()) headless::stop();
}

// A left click at the raw mouse position (x, y), then passes until it has
// been let go again.
void Player::press(int x, int y) {
  const int at = headless::now() + 1;
  headless::click(at, x, y, kHoldMs);
  do main_loop_pass();
  while (headless::now() <= at + kHoldMs || (mouse_b & 3));
  if (!probe_failure.empty()) headless::stop();
}

void Player::click_thing(bool person, int slot) {
  const Box box = person ? person_box(slot) : piece_box(slot);
  // From the middle of the box outwards, the first hot spot on this thing
  // alone whose pointer is on no door and no button.
  const int cx = (box.x1 + box.x2) / 2, cy = (box.y1 + box.y2) / 2;
  const int reach = std::max(box.x2 - box.x1, box.y2 - box.y1);
  for (int r = 0; r <= reach; r += 2) {
    for (int dy = -r; dy <= r; dy += 2) {
      for (int dx = -r; dx <= r; dx += 2) {
        if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
        const int hx = cx + dx, hy = cy + dy;
        const int mx = hx - kCursorHotSpot.x, my = hy - kCursorHotSpot.y;
        if (!box.holds(hx, hy) || mx < 0 || my < 0 || mx >= 640 || my >= 480) continue;
        if (over_button(mx, my) || on_exit(mx, my) || on_other_thing(hx, hy, person, slot)) continue;
        press(mx, my);
        return;
      }
    }
  }
  fail("no point to click that is on it alone");
}

void Player::stow() {
  if (mouse_status <= kModeUse) return;
  right_click(std::clamp(hero_x, 100, 500), std::clamp(hero_y - 60, 100, 300));
  do main_loop_pass();
  while (headless::now() <= released_at || (mouse_b & 3));
  wait_idle();
  if (carrying_item()) fail("the carried item did not go back into the bag");
}

void Player::walk(int x, int y) {
  begin("walk to " + std::to_string(x) + ", " + std::to_string(y));
  stow();
  if (over_button(x, y) || on_exit(x, y) || on_other_thing(x + kCursorHotSpot.x, y + kCursorHotSpot.y, false, -1))
    fail("that is not a point on the floor");
  press(x, y);
  wait_idle();
}

void Player::try_exit(int k) {
  begin("try door " + std::to_string(k));
  stow();
  if (k < 0 || k >= exit_nr) fail("the room has no such door");
  for (int my = exit_y[k] + 1; my < exit_y2[k]; my += 3)
    for (int mx = exit_x[k] + 1; mx < exit_x2[k]; mx += 3) {
      if (over_button(mx, my) || on_other_thing(mx + kCursorHotSpot.x, my + kCursorHotSpot.y, false, -1)) continue;
      // A later door wins where two overlap.
      bool later = false;
      for (int o = k + 1; o < exit_nr; ++o)
        later = later || (exit_x[o] < mx && mx < exit_x2[o] && exit_y[o] < my && my < exit_y2[o]);
      if (later) continue;
      press(mx, my);
      wait_idle();
      return;
    }
  fail("no point of the door is free to click");
}

void Player::exit_to(const char* room) {
  begin(std::string("go to ") + room);
  const std::string from = room_name ? room_name : "";
  int k = -1;
  for (int e = 0; e < exit_nr; ++e)
    if (same(new_room[e], room) && go_through[e] == 1) k = e;
  if (k < 0) fail("no open door leads there");
  try_exit(k);
  move_ = std::string("go to ") + room;
  if (!same(room_name, room)) fail("still in " + from);
}

void Player::look(const char* piece) {
  begin(std::string("look at ") + piece);
  stow();
  const int i = piece_slot(piece);
  if (i < 0) fail("no such piece here");
  click_thing(false, i);
  wait_idle();
}

void Player::take(const char* piece) {
  begin(std::string("take ") + piece);
  stow();
  const int i = piece_slot(piece);
  if (i < 0) fail("no such piece here");
  press((kVerbHit[kTakeVerb].x1 + kVerbHit[kTakeVerb].x2) / 2, (kVerbHit[kTakeVerb].y1 + kVerbHit[kTakeVerb].y2) / 2);
  if (mouse_status != kModeTake) fail("the take verb was not chosen");
  click_thing(false, i);
  wait_idle();
}

void Player::use(const char* piece) {
  begin(std::string("use ") + piece);
  stow();
  const int i = piece_slot(piece);
  if (i < 0) fail("no such piece here");
  press((kVerbHit[kUseVerb].x1 + kVerbHit[kUseVerb].x2) / 2, (kVerbHit[kUseVerb].y1 + kVerbHit[kUseVerb].y2) / 2);
  if (mouse_status != kModeUse) fail("the use verb was not chosen");
  click_thing(false, i);
  wait_idle();
}

// Opens the bag, picks `item` up and closes the bag again with it on the pointer.
void Player::pick_from_bag(const char* item) {
  if (carrying_item() && same(arrow_obj, item)) return;
  stow();
  if (bag_slot(item) < 0) fail(std::string("the bag holds no ") + item);
  const std::string name = item;
  bag_plan = {
      {[] { return !carrying_item(); }, [name] { click_bag_slot(name.c_str()); }},
      {[name] { return carrying_item() && same(arrow_obj, name.c_str()); }, [] { right_click(320, 240); }},
  };
  bag_next = 0;
  press((kBagHit.x1 + kBagHit.x2) / 2, (kBagHit.y1 + kBagHit.y2) / 2);
  wait_idle();
  if (!carrying_item() || !same(arrow_obj, item)) fail(std::string("did not get ") + item + " out of the bag");
}

void Player::use_item(const char* item, const char* piece) {
  begin(std::string("use ") + item + " on " + piece);
  pick_from_bag(item);
  const int i = piece_slot(piece);
  if (i < 0) fail("no such piece here");
  click_thing(false, i);
  wait_idle();
}

void Player::give(const char* item, const char* person) {
  begin(std::string("give ") + item + " to " + person);
  pick_from_bag(item);
  const int j = person_slot(person);
  if (j < 0) fail("no such person here");
  click_thing(true, j);
  wait_idle();
}

void Player::talk(const char* person, std::initializer_list<const char*> path) {
  std::string what = std::string("talk to ") + person + ", choose";
  menu_plan.clear();
  menu_paths.clear();
  for (const char* p : path) {
    what += std::string(" ") + p;
    menu_paths.push_back(p);
    menu_plan.push_back(p[std::strlen(p) - 1] - '0');
  }
  menu_next = 0;
  menu_clicked = false;
  begin(what);
  stow();
  const int j = person_slot(person);
  if (j < 0) fail("no such person here");
  click_thing(true, j);
  wait_idle();
  if (menu_next != menu_plan.size()) fail("the conversation ended before " + menu_paths[menu_next]);
}

void Player::combine(const char* held, const char* on) {
  begin(std::string("combine ") + held + " with " + on);
  stow();
  if (bag_slot(held) < 0 || bag_slot(on) < 0) fail("the bag does not hold both");
  const std::string a = held, b = on;
  bag_plan = {
      {[] { return !carrying_item(); }, [a] { click_bag_slot(a.c_str()); }},
      {[a] { return carrying_item() && same(arrow_obj, a.c_str()); }, [b] { click_bag_slot(b.c_str()); }},
      // The product on the pointer goes back into the bag ...
      {[a] { return carrying_item() && !same(arrow_obj, a.c_str()); },
       [] { click_at(kBagEmptyX, kBagEmptyY); }},
      // ... and the bag is closed.
      {[] { return !carrying_item(); }, [] { right_click(320, 240); }},
  };
  bag_next = 0;
  press((kBagHit.x1 + kBagHit.x2) / 2, (kBagHit.y1 + kBagHit.y2) / 2);
  wait_idle();
  if (bag_next != bag_plan.size()) fail("the two did not combine");
}

void Player::settle() {
  move_ = "wait";
  headless::set_time_limit(headless::now() + kMoveMs);
  const int until = headless::now() + kMoveMs;
  do {
    main_loop_pass();
    if (headless::now() > until) fail("the story's scenes never finished");
  } while (!idle() || story_zirud_talk != 0 || story_hero_uff != 0);
}

}  // namespace story
