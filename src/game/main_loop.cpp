// The main loop.
//
// Each pass: the story rules, the keys (play_keys.h), a hint asked for
// (story/hints.h), the buttons under the pointer, a new frame when 55 ms have passed, the scene (exits, pieces,
// persons, then the walk click: rooms/walk_click.cpp), the bag and verb
// panel, the pointer, the frame on the screen.
#include "core/pacing.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "frame/play_keys.h"
#include "game/closing.h"
#include "game/game.h"
#include "interaction/interaction.h"
#include "interaction/inventory.h"
#include "interaction/markers.h"
#include "interaction/pointer_voice.h"
#include "platform/platform.h"
#include "rooms/rooms.h"
#include "story/hints.h"

namespace {

// The room drawn when a frame is due (its animations stepped on), or at once
// when the Tab key went down or came up (the markers show or go); true for a
// frame that was due.
bool draw_room_when_due() {
  const bool markers_changed = markers_wanted_changed();
  const bool due = frame_due();
  if (!due && !markers_changed) return false;
  platform_hide_pointer();
  draw_room();
  draw_markers();
  if (due) {
    ++mov_nr1;
    ++cursor_nr;
    ++go_frame_nr;
  } else {
    platform_new_frame();
  }
  return due;
}

}  // namespace

void main_loop_pass() {
  if (game == 990) game = 10;
  count_time_played();
  storyline();
  play_keys();
  honour_close_request();
  answer_hint_request();
  mouse_button = kButtonNone;
  new_turn = 0;
  platform_poll_mouse();
  read_aloud_in_play();
  if (force_cursor == kVerbFree) mouse_status = carrying_item() ? kModeItem : kModeWalk;
  mouse_button = button_under_mouse();
  if ((mouse_b & 1) && click != kClickHeld) new_turn = 1;

  // The autosave after a room change waits for a frame of the new room: its
  // picture is kept with it.
  const int entered_before_frame = rooms_entered;
  const bool new_room_drawn = draw_room_when_due();

  // A right click puts the carried item back into the bag (unless the bag is full).
  if ((mouse_b & 2) && carrying_item()) {
    if (return_carried_item()) mouse_status = kModeWalk;
    click = kClickHeld;
  }

  if (mouse_button == kButtonNone) {
    leave_room();
    furni_room();
    people_room();
    going();
    drop_stranded_errand();
  }

  blit_buttons();
  mouse_click();
  maus();

  platform_hide_pointer();
  if (mouse_status != kModeBusy) platform_show_pointer(memory_screen);
  show_frame();

  cpu_delay += 1;
  if (click == kClickNow) click = kClickHeld;
  if (!(mouse_b & 3)) click = kClickFree;
  game += 1;
  if (new_room_drawn && entered_before_frame == rooms_entered) autosave_after_room_change();
}

void main_loop() {
  for (;;) main_loop_pass();
}

