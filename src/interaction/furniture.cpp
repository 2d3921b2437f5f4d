// The room's pieces: pointing at them, the verbs clicked on them, the hero's
// errand to a piece's standing point, and the taking animation.
//
// A click does not act at once (except looking and the refusals): it sets
// the hero's errand (core/errand.h: take, use, or use the carried item on the
// piece) and sends him to the piece's standing point; the action runs in the
// first pass in which he stands within 8 pixels across and 4 up or down of it.
#include <cstdlib>
#include <cstring>

#include "core/close_request.h"
#include "core/errand.h"
#include "core/pacing.h"
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "hero/hero.h"
#include "interaction/interaction.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "interaction/remarks.h"
#include "platform/platform.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

// How close the hero must stand to a piece's standing point.
constexpr int kPieceReachX = 8;
constexpr int kPieceReachY = 4;
// The frame of the taking animation at which the piece is lifted.
constexpr int kLiftFrame = 8;

bool valid_piece(int i) {
  return i >= 0 && i < kMaxFurni;
}

void put_on_pointer(BITMAP* picture) {
  if (!arrow || !picture) return;
  clear_to_color(arrow, bitmap_mask_color(arrow));
  stretch_blit(picture, arrow, 0, 0, picture->w, picture->h, 0, 0, arrow->w, arrow->h);
}

// The piece leaves the room and hangs on the pointer: as the item the
// catalogue makes of it (the burner, the alcohol and the diamond become items
// of their own name, picture and description), else as itself.
void lift_piece(int i) {
  mouse_status = kModeItem;
  furni_present[i] = 0;
  play_sound(manifest::Sounds::take);
  if (const char* item = item_of_piece(room_name, furni_name[i])) {
    hold_item(item);
    load_furni_anim();
    return;
  }
  arrow_obj = furni_name[i];
  for (int l = 0; l < kTextLines; ++l) arrow_describe[l] = furni_text[i][l];
  put_on_pointer(furniture[i][0]);
}

// Send the hero to piece i's standing point on an errand of `kind`, in place
// of whatever he was about to do.
void send_to_piece(int i, ErrandKind kind) {
  set_errand(kind, i);
  true_x = goto_furni_x[i];
  true_y = goto_furni_y[i];
}

void click_piece(int i) {
  switch (mouse_status) {
    case kModeTake:
      if (furni_take[i] == 1)
        send_to_piece(i, ErrandKind::take);
      else
        piece_verb(Verb::take, i);
      break;
    case kModeLook:
      piece_verb(Verb::look, i);
      break;
    case kModeUse:
      send_to_piece(i, ErrandKind::use);
      break;
    case kModeItemOnTarget:
      send_to_piece(i, ErrandKind::use_item);
      use_obj = arrow_obj;
      break;
    default:
      impossible();
      break;
  }
  click = kClickNow;
  force_cursor = kVerbFree;
}

bool hero_at_piece(int i) {
  return valid_piece(i) && std::abs(hero_x - goto_furni_x[i]) <= kPieceReachX &&
         std::abs(hero_y - goto_furni_y[i]) <= kPieceReachY;
}

// The hero's hands must be free for a take: an item he picked from the bag
// on the way goes back into it first, so no take ever replaces it on the
// pointer. With the bag full he says so and takes nothing.
bool free_hands() {
  if (!carrying_item()) return true;
  if (!return_carried_item()) return false;
  arrow_obj = "";
  for (text& line : arrow_describe) line = "";
  mouse_status = kModeWalk;
  return true;
}

// The take the hero was sent for, now that he stands at the piece: the
// room's rule for the piece, else the taking animation lifts it.
void take_arrived(int i) {
  if (free_hands() && !story_take()) {
    take_direction = take_furni_dir[i];
    taking();
  }
  clear_errand();
}

}  // namespace

void furni_room() {
  for (int i = 0; i < furni_nr; ++i) {
    if (furni_interact[i] != 1) continue;
    mouse_over_furni(i);
    if (furni_mouse_over[i] != 1) continue;
    if (force_cursor == kVerbFree) mouse_status = carrying_item() ? kModeItemOnTarget : kModeLook;
    if (fresh_press()) click_piece(i);
  }
  if (const int i = errand_target(ErrandKind::take); hero_at_piece(i)) take_arrived(i);
  if (hero_at_piece(errand_target(ErrandKind::use))) {
    story_gear();
    clear_errand();
  }
  if (hero_at_piece(errand_target(ErrandKind::use_item))) {
    story_use();
    clear_errand();
    use_obj = "";
  }
}

void taking() {
  const int i = errand_target(ErrandKind::take);
  select_move = take_direction;
  new_hero_move();
  for (int& a : hero_action) a = kStepSpecial;
  took_object = 0;
  while (move_frame_nr < hero_move_frame_nr - 1) {
    // A close request ends the taking at once, with the piece in his hand.
    if (close_pending()) {
      if (took_object == 0 && valid_piece(i)) lift_piece(i);
      took_object = 1;
      break;
    }
    platform_poll_mouse();
    if (frame_due()) {
      ++move_frame_nr;
      ++cursor_nr;
      platform_hide_pointer();
      draw_room();
    }
    if (move_frame_nr == kLiftFrame && took_object == 0 && valid_piece(i)) {
      lift_piece(i);
      took_object = 1;
    }
    platform_hide_pointer();
    present_pass();
  }
  wait_mouse_release();
  reset_hero();
  platform_hide_pointer();
  draw_room();
}

// ---- The story's answers to what the hero does on arrival ---------------------
// Each asks the room's own rules first; without one the hero refuses.

bool story_take() {
  const int i = errand_target(ErrandKind::take);
  const text before = arrow_obj;
  arrow_obj = nullptr;
  const bool answered = piece_rule_answers(Verb::take, i);
  // Only a rule that handed him something puts it on the pointer.
  if (arrow_obj) {
    mouse_status = kModeItem;
    play_sound(manifest::Sounds::take);
  } else
    arrow_obj = before;
  return answered;
}

void story_gear() {
  piece_verb(Verb::use, errand_target(ErrandKind::use));
}

// The item must still hang on the pointer: one put back into the bag on the
// way is used on nothing (else it would be used, or even turned into
// another, while it also lies in the bag).
void story_use() {
  if (!carrying_item() || !arrow_obj || !use_obj || std::strcmp(arrow_obj, use_obj) != 0) return;
  piece_verb(Verb::use_item, errand_target(ErrandKind::use_item));
}
