// The story's rules, first thing in every pass of the main loop.
//
// Two kinds of check run here. The checks that belong to one room (a question
// offered in future_crossing, Mr Rurura back at his counter in future_chimie,
// the doors the access card opens, the telescope and Dori moved from
// future_physik to future_physiktp) live in that room's own `story` rule and
// run together, first, while the hero is in that room. They only set presence
// and doors from flags, and do it again on every pass, so they hold whatever
// the room's state file says; none of them plays a scene or depends on the
// checks below, and the checks below never depend on them within the same
// pass (the telescope scene plays two passes after the room has been set up
// by its rule), so running them before the others changes nothing a player
// sees. Then, in this order, the checks that hold in any room: the telescope
// set up, the hero getting his breath back, the time machine.
#include "core/world.h"
#include "cutscenes/videos.h"
#include "interaction/interaction.h"
#include "interaction/remarks.h"
#include "rooms/registry.h"

namespace {

// A two-pass counter: a consequence sets it to 2; the next pass makes it 1;
// the pass after that plays its scene (the room the hero was sent to has
// been drawn once by then) and returns it to 0.
bool counted_down(int& counter_flag) {
  if (counter_flag == 1) {
    counter_flag = 0;
    return true;
  }
  return false;
}
void count_on(int& counter_flag) {
  if (counter_flag == 2) counter_flag = 1;
}

}  // namespace

void storyline() {
  room_story();

  // Dori and Mr Zirud set the telescope up as the machine's energy source.
  if (counted_down(story_zirud_talk)) {
    video_ady_teleskop2();
    story_teleskop = 1;
  }
  count_on(story_zirud_talk);

  // Thrown out by the guard, the hero gets his breath back.
  if (counted_down(story_hero_uff)) {
    video_hero_uff();
    hero_remark("Puuuuuh !");
  }
  count_on(story_hero_uff);

  // Showered in lead solution next to a finished machine: off through time.
  if (story_douche == 1) video_time_machine();
}
