#include "shell/cursor.h"

#include "interaction/inventory.h"
#include "menus/screen_layout.h"
#include "platform/platform.h"
#include "shell/world.h"

namespace {

using namespace screen_layout;

// The cursor mode each verb button picks: walk, take, use, look, talk.
constexpr int kVerbMode[kVerbCount] = {kModeWalk, kModeTake, kModeUse, kModeLook, kModeTalk};

void wrap_cursor(int frames) {
  if (cursor_nr > frames - 1) cursor_nr = 0;
}

}  // namespace

int button_under_mouse() {
  int hit = kBagHit.contains(mouse_x, mouse_y) ? kButtonBag : kButtonNone;
  for (int v = 0; v < kVerbCount; ++v)
    if (kVerbHit[v].contains(mouse_x, mouse_y)) hit = kButtonWalk + v;
  return hit;
}

void draw_buttons() {
  draw_sprite(memory_screen, inventory_button, kBagPos.x, kBagPos.y);
  draw_sprite(memory_screen, navi_button, kVerbPanelPos.x, kVerbPanelPos.y);
}

void blit_buttons() {
  draw_buttons();
  if (mouse_button == kButtonBag) {
    if (force_cursor == kVerbFree) mouse_status = carrying_item() ? kModeItemOnTarget : kModeUse;
    if (mouse_status == kModeUse || mouse_status == kModeItemOnTarget)
      draw_sprite(memory_screen, inventory_button_on, kBagPos.x, kBagPos.y);
  } else if (mouse_button >= kButtonWalk && mouse_button <= kButtonTalk) {
    if (force_cursor == kVerbFree && !carrying_item()) mouse_status = kModeWalk;
    if (mouse_status == kModeWalk) {
      const int v = mouse_button - kButtonWalk;
      draw_sprite(memory_screen, navi_butt_on[v], kVerbHighlightPos[v].x, kVerbHighlightPos[v].y);
    }
  }
}

bool fresh_press() {
  return (mouse_b & 1) && click != kClickHeld && new_turn == 1;
}

void mouse_click() {
  if (!fresh_press() || carrying_item() || mouse_button < kButtonBag || mouse_button > kButtonTalk) return;
  if (mouse_button == kButtonBag) {
    if (mouse_status == kModeUse) main_invent();
    force_cursor = kVerbFree;
    return;
  }
  click = kClickNow;
  force_cursor = kVerbChosen;
  mouse_status = kVerbMode[mouse_button - kButtonWalk];
}

void maus() {
  if (cursor_nr > 11) cursor_nr = 0;
  BITMAP* picture = nullptr;
  const bool over = mouse_over_sth == 1;
  switch (mouse_status) {
    case kModeBusy:
      wrap_cursor(12);
      picture = sandglass[cursor_nr / 2];
      break;
    case kModeExit:
      wrap_cursor(2);
      picture = door[cursor_nr];
      break;
    case kModeWalk:
      cursor_nr = 0;
      picture = over ? cursor_a : cursor;
      break;
    case kModeLook:
      cursor_nr = 0;
      picture = over ? pocket_lens_a : pocket_lens;
      break;
    case kModeTalk:
      wrap_cursor(3);
      picture = over ? mouth_a[cursor_nr] : mouth[cursor_nr];
      break;
    case kModeTake:
      wrap_cursor(3);
      picture = over ? hand_a[cursor_nr] : hand[cursor_nr];
      break;
    case kModeUse:
      wrap_cursor(2);
      picture = over ? gear_a[cursor_nr] : gear[cursor_nr];
      break;
    case kModeItem:
      cursor_nr = 0;
      picture = arrow;
      break;
    case kModeItemOnTarget:
      wrap_cursor(2);
      blit(arrow, arrow_gear, 0, 0, 0, 0, arrow->w, arrow->h);
      draw_sprite(arrow_gear, over ? mini_gear_a[cursor_nr] : mini_gear[cursor_nr], 0, 0);
      picture = arrow_gear;
      break;
    default:
      break;
  }
  if (picture) platform_set_pointer(picture);
  mouse_over_sth = 0;
}

namespace {

// The hover test of one thing: present and the hot spot inside its rectangle.
int hovered(int present, int x1, int x2, int y1, int y2) {
  const int hx = mouse_x + kCursorHotSpot.x;
  const int hy = mouse_y + kCursorHotSpot.y;
  return present == 1 && hx >= x1 && hx <= x2 && hy >= y1 && hy <= y2;
}

}  // namespace

void mouse_over_furni() {
  const int i = counter;
  furni_mouse_over[i] =
      hovered(furni_present[i], furni_mouse_x[i], furni_mouse_x2[i], furni_mouse_y[i], furni_mouse_y2[i]);
  if (furni_mouse_over[i]) mouse_over_sth = 1;
}

void mouse_over_person() {
  const int i = counter;
  person_mouse_over[i] = hovered(person_present[i], person_mouse_x[i], person_mouse_x2[i], person_mouse_y[i],
                                 person_mouse_y2[i]);
  if (person_mouse_over[i]) mouse_over_sth = 1;
}
