#include "interaction/people.h"

#include <cstdlib>

#include "core/errand.h"
#include "core/pacing.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "interaction/interaction.h"
#include "interaction/remarks.h"
#include "platform/platform.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

bool talker_valid() {
  return talk_nr >= 0 && talk_nr < person_nr && talk_nr < kMaxPersons;
}

// Whether the current room's table has animation `state` for person `j`.
bool room_has_animation(int j, int state) {
  const RoomScript* room = current_room();
  if (!room) return false;
  for (const PersonState& s : room->persons)
    if (s.slot == j && s.state == state) return true;
  return false;
}

bool marks_a_talk_frame(int j) {
  for (int f = 0; f < person_frame_nr[j] && f < kMaxFrames; ++f)
    if (start_talk[j][f] == 1) return true;
  return false;
}

// Composed frames one round of the person's loaded frames takes, and a
// little more: whatever frame a wait starts on, every frame has been shown
// by then.
int one_round(int j) {
  int frames = 2;
  for (int f = 0; f < person_frame_nr[j] && f < kMaxFrames; ++f) frames += person_blit[j][f] > 1 ? person_blit[j][f] : 1;
  return frames;
}

// Busy passes until `reached()` holds; gives up after one round of the
// frames loaded when it starts, so a table that can never reach the frame
// waited for does not hold the game. Returns whether it was reached.
template <typename F>
bool busy_until(F&& reached) {
  const int limit = one_round(talk_nr);
  int composed = 0;
  while (!reached()) {
    const int before = current_time;
    auto_person_anim();
    if (current_time != before && ++composed > limit) return false;
  }
  return true;
}

void switch_animation(int j, int state) {
  person_anim[j] = state;
  load_person_anim();
}

bool at_last_frame(int j) {
  return mov_person_nr[j] >= person_frame_nr[j] - 1;
}

// How close the hero must stand to a person's standing point, across and up
// or down.
constexpr int kPersonReach = 10;

void click_person(int j) {
  switch (mouse_status) {
    case kModeTalk:
    case kModeItemOnTarget:
      if (person_talk[j] == 1) {
        set_errand(ErrandKind::talk, j);
        true_x = goto_person_x[j];
        true_y = goto_person_y[j];
        action = mouse_status;
      } else {
        person_verb(mouse_status == kModeTalk ? Verb::talk : Verb::give, j);
      }
      break;
    case kModeLook:
      person_verb(Verb::look, j);
      break;
    case kModeTake:
      person_verb(Verb::take, j);
      break;
    default:
      impossible();
      break;
  }
  click = kClickNow;
  force_cursor = kVerbFree;
}

bool hero_at_person(int j) {
  return j >= 0 && j < kMaxPersons && std::abs(hero_x - goto_person_x[j]) <= kPersonReach &&
         std::abs(hero_y - goto_person_y[j]) <= kPersonReach;
}

}  // namespace

void people_room() {
  for (int j = 0; j < person_nr; ++j) {
    if (person_interact[j] != 1) continue;
    mouse_over_person(j);
    if (person_mouse_over[j] != 1) continue;
    // Someone who cannot talk (out cold, asleep) is offered to be looked at.
    if (force_cursor == kVerbFree)
      mouse_status = carrying_item() ? kModeItemOnTarget : person_talk[j] == 1 ? kModeTalk : kModeLook;
    if (fresh_press()) click_person(j);
  }
  const int j = errand_target(ErrandKind::talk);
  if (!hero_at_person(j)) return;
  talk_nr = j;
  if (action == kModeTalk) {
    talk_direction = talk_pers_dir[talk_nr];
    init_talk();
  } else if (action == kModeItemOnTarget) {
    give_room();
  }
  // The errand is done, whatever the person made of it.
  talk_nr = -1;
  clear_errand();
}

void auto_person_anim() {
  mouse_status = kModeBusy;
  platform_poll_mouse();
  if (frame_due()) {
    platform_hide_pointer();
    ++mov_nr1;
    ++cursor_nr;
    ++go_frame_nr;
    draw_room();
  }
  present_pass();
}

void prepare_person_talk() {
  const int j = talk_nr;
  if (talker_valid() && person_present[j] == 1 && room_has_animation(j, kPersonTurnToTalk)) {
    // A person whose animation marks no frame for talking turns at once.
    if (!marks_a_talk_frame(j)) switch_animation(j, kPersonTurnToTalk);
    if (person_anim[j] != kPersonTurnToTalk) {
      auto_person_anim();
      const bool marked = busy_until([j] { return start_talk[j][mov_person_nr[j]] == 1; });
      (void)marked;  // a mark never reached: the turn starts here
      switch_animation(j, kPersonTurnToTalk);
    }
    busy_until([j] { return at_last_frame(j); });
  }
  mouse_status = kModeWalk;
}

void end_person_talk() {
  const int j = talk_nr;
  if (talker_valid() && person_present[j] == 1 && room_has_animation(j, kPersonTurnBack)) {
    if (person_anim[j] != kPersonTurnBack) {
      auto_person_anim();
      busy_until([j] { return mov_person_nr[j] == 0; });
      switch_animation(j, kPersonTurnBack);
    }
    busy_until([j] { return at_last_frame(j); });
  }
  mouse_status = kModeWalk;
}

void npc_describe() {
  const char* first = output_text[0][0];
  if (!first || !first[0]) return;
  choice = 0;
  if (talk_nr >= 0 && talk_nr < kMaxPersons) {
    const int f = (mov_person_nr[talk_nr] >= 0 && mov_person_nr[talk_nr] < kMaxFrames) ? mov_person_nr[talk_nr] : 0;
    reply_x = person_x[talk_nr][f];
    reply_y = person_y[talk_nr][f] - 90;
  }
  wait_mouse_release();
  talking_npc();
  talk_nr = -1;
  clear_errand();
}
