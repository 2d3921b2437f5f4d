#include "core/close_request.h"

#include "core/world.h"
#include "platform/platform.h"

namespace {
int close_noted_at = -1;
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
}

int close_requested_at() {
  return close_noted_at;
}
