#include "shell/cursor.h"

#include "interaction/inventory.h"
#include "menus/screen_layout.h"
#include "platform/platform.h"
#include "shell/world.h"

namespace {

using namespace screen_layout;

// The cursor mode each verb button picks: walk, take, use, look, talk.
constexpr int kVerbMode[kVerbCount] = {1, 4, 5, 2, 3};

bool carrying_item() {
  return mouse_status > 5;
}

void wrap_cursor(int frames) {
  if (cursor_nr > frames - 1) cursor_nr = 0;
}

}  // namespace

int button_under_mouse() {
  int hit = kBagHit.contains(mouse_x, mouse_y) ? 0 : -1;
  for (int v = 0; v < kVerbCount; ++v)
    if (kVerbHit[v].contains(mouse_x, mouse_y)) hit = v + 1;
  return hit;
}

void draw_buttons() {
  draw_sprite(memory_screen, inventory_button, kBagPos.x, kBagPos.y);
  draw_sprite(memory_screen, navi_button, kVerbPanelPos.x, kVerbPanelPos.y);
}

void blit_buttons() {
  draw_buttons();
  if (mouse_button == 0) {
    if (force_cursor == 0) mouse_status = carrying_item() ? 7 : 5;
    if (mouse_status == 5 || mouse_status == 7)
      draw_sprite(memory_screen, inventory_button_on, kBagPos.x, kBagPos.y);
  } else if (mouse_button >= 1 && mouse_button <= 5) {
    if (force_cursor == 0 && !carrying_item()) mouse_status = 1;
    if (mouse_status == 1) {
      const Point& at = kVerbHighlightPos[mouse_button - 1];
      draw_sprite(memory_screen, navi_butt_on[mouse_button - 1], at.x, at.y);
    }
  }
}

bool fresh_press() {
  return (mouse_b & 1) && click != 2 && new_turn == 1;
}

void mouse_click() {
  if (!fresh_press() || carrying_item() || mouse_button < 0 || mouse_button > 5) return;
  if (mouse_button == 0) {
    if (mouse_status == 5) main_invent();
    force_cursor = 0;
    return;
  }
  click = 1;
  force_cursor = 1;
  mouse_status = kVerbMode[mouse_button - 1];
}

void maus() {
  if (cursor_nr > 11) cursor_nr = 0;
  BITMAP* picture = nullptr;
  const bool over = mouse_over_sth == 1;
  switch (mouse_status) {
    case -1:
      wrap_cursor(12);
      picture = sandglass[cursor_nr / 2];
      break;
    case 0:
      wrap_cursor(2);
      picture = door[cursor_nr];
      break;
    case 1:
      cursor_nr = 0;
      picture = over ? cursor_a : cursor;
      break;
    case 2:
      cursor_nr = 0;
      picture = over ? pocket_lens_a : pocket_lens;
      break;
    case 3:
      wrap_cursor(3);
      picture = over ? mouth_a[cursor_nr] : mouth[cursor_nr];
      break;
    case 4:
      wrap_cursor(3);
      picture = over ? hand_a[cursor_nr] : hand[cursor_nr];
      break;
    case 5:
      wrap_cursor(2);
      picture = over ? gear_a[cursor_nr] : gear[cursor_nr];
      break;
    case 6:
      cursor_nr = 0;
      picture = arrow;
      break;
    case 7:
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
