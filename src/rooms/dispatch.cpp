// The dispatchers: each calls one hook of the current room, if it has one.
// (The loading hooks are dispatched in loading.cpp.) The walking rules get
// their points copied in and out here, once for every room.
#include "rooms/registry.h"

#include <cstring>

#include "core/world.h"
#include "dialogue/talk_data.h"
#include "frame/cursor.h"
#include "interaction/remarks.h"
#include "rooms/scripts/shared_talk.h"

namespace {

void call(void (*RoomScript::*hook)()) {
  if (const RoomScript* room = current_room(); room && room->*hook) (room->*hook)();
}

// Waypoints named so far for the walk being planned.
int waypoints_named = 0;

}  // namespace

void apply_area(const RoomScript& room) {
  if (!room.area) return;
  int x = true_x, y = true_y;
  room.area(x, y);
  true_x = x;
  true_y = y;
}

void allow_click() {
  if (const RoomScript* room = current_room()) apply_area(*room);
}

void allow_walk() {
  const RoomScript* room = current_room();
  if (!room || !room->allow_walk) return;
  last_x = mov_nr > 0 ? movement_x[mov_nr - 1] : hero_x;
  last_y = mov_nr > 0 ? movement_y[mov_nr - 1] : hero_y;
  int x = buffer_x, y = buffer_y;
  room->allow_walk(x, y);
  buffer_x = x;
  buffer_y = y;
}

void via(int px, int py) {
  if (waypoints_named >= kWaypoints) return;
  click_x[waypoints_named] = px;
  click_y[waypoints_named] = py;
  ++waypoints_named;
}

void extra_click() {
  waypoints_named = 0;
  call(&RoomScript::extra_click);
  via(true_x, true_y);
}

void talking_room() {
  if (const RoomScript* room = current_room()) store_talk_lines(room->talk_lines);
}
void s_extra() {
  if (const RoomScript* room = current_room()) apply_talk_overrides(room->talk_overrides);
}
void cond_sent() { call(&RoomScript::cond); }
void detect_cons_sent() { call(&RoomScript::detect_cons); }
void cons_sent() { call(&RoomScript::cons); }
void room_story() { call(&RoomScript::story); }
void room_entered() { call(&RoomScript::entered); }
void story_exit() { call(&RoomScript::leaving); }

namespace {

bool matches(const char* wanted, const char* actual) {
  return !wanted || (actual && std::strcmp(wanted, actual) == 0);
}

// The room's first rule for `verb` on the thing named `name`, null for none.
const VerbRule* rule_for(std::span<const VerbRule> rules, Verb verb, const char* name) {
  const char* carried = carrying_item() ? arrow_obj : nullptr;
  for (const VerbRule& r : rules)
    if (r.verb == verb && matches(r.name, name) && matches(r.item, carried)) return &r;
  return nullptr;
}

// True when one of `rules` is for it and that rule answered.
bool rules_answer(std::span<const VerbRule> rules, Verb verb, const char* name, int slot, bool person) {
  const VerbRule* rule = rule_for(rules, verb, name);
  if (!rule) return false;
  if (rule->run) return rule->run(slot);
  // A row that names fewer than three lines leaves the others null.
  auto line = [rule](int l) { return rule->says[l] ? rule->says[l] : ""; };
  (person ? person_answer : hero_remark)(line(0), line(1), line(2));
  return true;
}

// True when the current room has a rule for it and the rule answered.
bool room_answers(std::span<const VerbRule> RoomScript::*rules, Verb verb, const char* name, int slot) {
  const RoomScript* room = current_room();
  return room && rules_answer(room->*rules, verb, name, slot, rules == &RoomScript::person_rules);
}

// A person's rules name him as his idle row does (his other rows may be
// named after a pose: "rarozir_talk").
const char* person_rule_name(int slot) {
  if (const RoomScript* room = current_room())
    for (const PersonState& s : room->persons)
      if (s.slot == slot && s.state == 0) return s.name;
  return person_name[slot];
}

}  // namespace

// The room's own rules come first, then the rules every room shares, then
// the standard answer.
bool piece_rule_answers(Verb verb, int slot) {
  if (slot < 0 || slot >= kMaxFurni) return false;
  return room_answers(&RoomScript::piece_rules, verb, furni_name[slot], slot) ||
         rules_answer(shared_piece_rules(), verb, furni_name[slot], slot, false);
}

bool piece_verb(Verb verb, int slot) {
  if (slot < 0 || slot >= kMaxFurni) return true;
  return piece_rule_answers(verb, slot) || standard_piece_answer(verb, slot);
}

// Someone who cannot talk (asleep, knocked out) answers nothing a room has
// planned for him: a gift to him gets the standard refusal.
bool person_verb(Verb verb, int slot) {
  if (slot < 0 || slot >= kMaxPersons) return true;
  if (verb == Verb::give && person_talk[slot] != 1) return standard_person_answer(verb, slot);
  return room_answers(&RoomScript::person_rules, verb, person_rule_name(slot), slot) ||
         standard_person_answer(verb, slot);
}

// A gift needs an item on the pointer: without one (none taken, or put back
// into the bag on the way) there is nothing to give.
void give_room() {
  if (!carrying_item() || !arrow_obj || !arrow_obj[0]) return;
  person_verb(Verb::give, talk_nr);
}
