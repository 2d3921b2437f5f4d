// The dispatchers: each calls one hook of the current room, if it has one.
// (The loading hooks are dispatched in loading.cpp.)
#include "rooms/registry.h"
#include "shell/world.h"

namespace {

void call(void (*RoomScript::*hook)()) {
  if (const RoomScript* room = current_room(); room && room->*hook) (room->*hook)();
}

}  // namespace

void allow_click() { call(&RoomScript::area); }
void allow_walk() { call(&RoomScript::allow_walk); }
void extra_click() { call(&RoomScript::extra_click); }
void talking_room() { call(&RoomScript::talking); }
void s_extra() { call(&RoomScript::s_extra); }
void cond_sent() { call(&RoomScript::cond); }
void detect_cons_sent() { call(&RoomScript::detect_cons); }
void cons_sent() { call(&RoomScript::cons); }
void give_room() { call(&RoomScript::give); }

void extra_click_direct() {
  click_x[0] = true_x;
  click_y[0] = true_y;
}
