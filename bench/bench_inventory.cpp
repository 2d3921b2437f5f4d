// One pass of the inventory screen, ten items in the bag and the pointer over one, against the 55 ms frame.
#include "bench_util.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "platform/headless.h"

int main() {
  headless::reset(1), init_hardware(), stand_in_room("future_floor1");
  for (const char* item : {"access", "tool", "Gaz", "schlauch", "Bunsenbrenner", "Alkohol", "glasses", "diamond",
                           "kanister", "Limonade"}) give_item(item);
  // The pointer rests on the first item; a right click after 20 virtual seconds closes the screen.
  headless::mouse_at(1, 140, 190, 0), headless::mouse_at(20000, 140, 190, 2);
  headless::mouse_at(20100, 140, 190, 0);
  const double us = median_us(1, [] { main_invent(); });
  std::printf("inventory screen, %d items: %d passes in %.0f ms, %.1f us per pass (frame 55000 us)\n", invent_nr,
              invent, us / 1000, us / (invent > 0 ? invent : 1));
  return 0;
}
