// The walk click: a left click in the room that no exit, piece or person took
// sends the hero there. The room's area rule moves the target into the
// walkable area, the path is computed through the room's waypoints and walk
// rule (hero/path.cpp) and smoothed; each composed frame then moves the hero
// one step. A click that set a pending action this pass (wait_loop) keeps it;
// any other click cancels what the hero was about to do. An errand ends with
// the walk: one the hero stands without having done is dropped.
#include "core/world.h"
#include "frame/cursor.h"
#include "hero/hero.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

void going() {
  if (!fresh_press() || mouse_button != kButtonNone) return;
  const bool nothing_pending = take_object == -1 && gear_object == -1 && use_object == -1 && change_room == -1 &&
                               talk_goto == -1;
  if (nothing_pending && mouse_status == kModeWalk) {
    true_x = mouse_x;
    true_y = mouse_y;
  }
  if (wait_loop == 0) {
    take_object = gear_object = use_object = change_room = talk_goto = -1;
  } else {
    wait_loop = 0;
  }
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
  if (mov_nr != kStanding) return;
  take_object = gear_object = use_object = change_room = talk_goto = -1;
  wait_loop = 0;
}
