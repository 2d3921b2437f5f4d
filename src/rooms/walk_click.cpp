// The walk click: a left click in the room that no exit, piece or person took
// sends the hero there. The room's area rule moves the target into the
// walkable area, the path is computed through the room's waypoints and walk
// rule (hero/path.cpp) and smoothed; each composed frame then moves the hero
// one step. A click that set the hero's errand this pass (core/errand.h)
// sends him on it; any other click cancels what he was about to do. An errand
// ends with the walk: one the hero stands without having done is dropped.
#include "core/errand.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "hero/hero.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

void going() {
  if (!fresh_press() || mouse_button != kButtonNone) return;
  if (!errand_pending() && mouse_status == kModeWalk) {
    true_x = mouse_x;
    true_y = mouse_y;
  }
  if (errand.fresh)
    errand.fresh = false;
  else
    clear_errand();
  allow_click();
  calc_coor();
  make_fluent();
  click = kClickNow;
  force_cursor = kVerbFree;
}

// Once the exit, piece and person handlers have had their turn, a hero who
// stands has done his errand or never will: a remark or a scene stopped him
// on his way, or its place cannot be reached from where he stands. The errand
// is dropped, so the game is quiet again and a close can keep it.
void drop_stranded_errand() {
  if (mov_nr == kStanding) clear_errand();
}
