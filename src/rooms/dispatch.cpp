// The dispatchers: each calls one hook of the current room, if it has one.
// (The loading hooks are dispatched in loading.cpp.) The walking rules get
// their points copied in and out here, once for every room.
#include "rooms/registry.h"
#include "shell/world.h"

namespace {

void call(void (*RoomScript::*hook)()) {
  if (const RoomScript* room = current_room(); room && room->*hook) (room->*hook)();
}

// Waypoints named so far for the walk being planned.
int waypoints_named = 0;

}  // namespace

void apply_area(const RoomScript& room) {
  if (!room.area) return;
  x = true_x;
  y = true_y;
  room.area();
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
  x = buffer_x;
  y = buffer_y;
  room->allow_walk();
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

void talking_room() { call(&RoomScript::talking); }
void s_extra() { call(&RoomScript::s_extra); }
void cond_sent() { call(&RoomScript::cond); }
void detect_cons_sent() { call(&RoomScript::detect_cons); }
void cons_sent() { call(&RoomScript::cons); }
void give_room() { call(&RoomScript::give); }
