// Leaving and entering rooms: the pointer over an exit, the hero reaching it,
// the closed door, and the change itself (the room left is stored, the next
// one loaded and its stored state read back).
#include <cstdlib>
#include <cstring>

#include "core/errand.h"
#include "core/pacing.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "dialogue/talk_data.h"
#include "frame/cursor.h"
#include "hero/hero.h"
#include "interaction/interaction.h"
#include "interaction/inventory.h"
#include "interaction/remarks.h"
#include "persistence/room_state.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

// All four bounds strict: the edge of an exit is not on it.
bool mouse_on_exit(int k) {
  return exit_x[k] < mouse_x && mouse_x < exit_x2[k] && exit_y[k] < mouse_y && mouse_y < exit_y2[k];
}

// Within 10 pixels of the exit's walk point, both ways, bounds included.
bool hero_reached_exit(int k) {
  return std::abs(hero_x - goto_exit_x[k]) <= 10 && std::abs(hero_y - goto_exit_y[k]) <= 10;
}

}  // namespace

void leave_room() {
  for (int k = 0; k < exit_nr && k < kMaxExits; ++k) {
    // A piece or person in the exit's rectangle comes first (the lever of
    // future_chimie in the door's): the pointer acts as it shows.
    if (!mouse_on_exit(k) || pointer_on_thing()) continue;
    if (force_cursor == kVerbFree && !carrying_item()) mouse_status = kModeExit;
    if (fresh_press()) {
      if (mouse_status == kModeExit) {
        // The door replaces whatever the hero was about to do: he walks past
        // a piece he was sent to without taking or using it.
        set_errand(ErrandKind::leave, k);
        true_x = goto_exit_x[k];
        true_y = goto_exit_y[k];
      }
      click = kClickNow;
      force_cursor = kVerbFree;
    }
  }
  const int k = errand_target(ErrandKind::leave);
  if (k < 0 || k >= kMaxExits || !hero_reached_exit(k)) return;
  story_exit();
  if (!errand_pending()) return;  // the room keeps the hero
  if (go_through[k] == 0) {
    clear_errand();
    door_closed();
  } else {
    enter_new_room();
  }
}

void door_closed() {
  hero_remark(TR("Da komm ich nicht durch. Mir fehlt die richtige", "I can't open that door. I don't have the right"),
              TR("Zugangskarte um die Tür zu öffnen.", "access card."));
}

void build_room_from_state() {
  forget_loaded_animations();
  load_new_room();
  load_new_talking();
  set_temp_file();
  load_temp();
}

void enter_new_room() {
  const int k = errand_target(ErrandKind::leave);
  // The errand ends here, whether the hero goes through or not.
  clear_errand();
  // A target outside the registry is refused: the hero stays where he is.
  if (k < 0 || k >= kMaxExits || room_index(new_room[k]) < 0) return;
  play_sound(manifest::Sounds::door);
  set_temp_file();
  save_temp();
  if (carrying_item()) return_carried_item();
  mouse_status = kModeExit;
  force_cursor = kVerbFree;
  hero_x = click_x2 = true_x = new_hero_x[k];
  hero_y = click_y2 = true_y = new_hero_y[k];
  room_name = new_room[k];
  reset_hero();
  build_room_from_state();
  for (int i = 0; i < furni_nr; ++i) load_furni_anim();
  for (int j = 0; j < person_nr; ++j) load_person_anim();
  cpu_delay = cpu_speed;
  ++rooms_entered;
  // The next pass draws the new room at once: the screen must not show the
  // room left behind for up to a frame's time (nor a scene that follows it
  // play before the room has been seen).
  current_time = delay - kFrameMs;
  room_entered();
}
