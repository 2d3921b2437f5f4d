// Building a room's conversations: load_new_talking for the room with the
// largest tree (future_physiktp) and for a room without conversations.
#include "bench_util.h"
#include "dialogue/talk_data.h"
#include "platform/headless.h"

int main() {
  headless::reset();
  for (const char* room : {"future_physiktp", "kicker"}) {
    room_name = room;
    std::printf("load_new_talking in %s: median %.1f us\n", room, median_us(51, [] { load_new_talking(); }));
  }
  return 0;
}
