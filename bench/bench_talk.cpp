// Building a room's conversations: load_new_talking for the room with the
// largest tree (future_physiktp) and for a room without conversations.
#include <cstdio>

#include "bench_util.h"
#include "dialogue/talk_data.h"
#include "platform/headless.h"
#include "shell/world.h"

int main() {
  headless::reset();
  for (const char* room : {"future_physiktp", "kicker"}) {
    room_name = room;
    const double us = median_us(51, [] { load_new_talking(); });
    std::printf("load_new_talking in %s: median %.1f us\n", room, us);
  }
  return 0;
}
