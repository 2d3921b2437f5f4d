#include "core/close_request.h"

#include "core/world.h"
#include "platform/platform.h"

namespace {
int close_noted_at = -1;
bool menu_wanted = false;
}  // namespace

void begin_game() {
  game_under_way = 1;
}

bool close_pending() {
  return close_request == 1;
}

void request_quit() {
  if (close_request != 1) close_noted_at = platform_clock_ms();
  close_request = 1;
  menu_wanted = false;
}

void request_main_menu() {
  request_quit();
  menu_wanted = true;
}

bool main_menu_wanted() {
  return menu_wanted && close_request == 1;
}

void close_request_done() {
  close_request = 0;
  menu_wanted = false;
}

int close_requested_at() {
  return close_noted_at;
}
