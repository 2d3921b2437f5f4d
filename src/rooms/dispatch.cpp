// The dispatchers of the walking hooks: each calls the current room's hook.
#include "rooms/registry.h"
#include "shell/world.h"

void allow_click() {
  if (const RoomScript* room = current_room(); room && room->area) room->area();
}

void allow_walk() {
  if (const RoomScript* room = current_room(); room && room->allow_walk) room->allow_walk();
}

void extra_click() {
  if (const RoomScript* room = current_room(); room && room->extra_click) room->extra_click();
}

void extra_click_direct() {
  click_x[0] = true_x;
  click_y[0] = true_y;
}
