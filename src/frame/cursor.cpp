#include "frame/cursor.h"

#include "core/screen_layout.h"
#include "core/world.h"
#include "interaction/inventory.h"
#include "platform/platform.h"

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

namespace {

// The pictures of each cursor mode: an animation of `frames` steps (each
// shown for `per` counts of cursor_nr), plain and highlighted over a piece
// or person. The carried item over a target (kModeItemOnTarget) is composed.
struct PointerPictures {
  int frames;
  int per;
  BITMAP* const* plain;
  BITMAP* const* lit;
  bool tip;  // an arrow: its tip is the working point, else kPointerFocus is
};

const PointerPictures* pictures_of(int mode) {
  static const PointerPictures kByMode[] = {
      {6, 2, sandglass, sandglass, false},          // kModeBusy
      {2, 1, door, door, true},                     // kModeExit
      {1, 1, &cursor, &cursor_a, true},             // kModeWalk
      {1, 1, &pocket_lens, &pocket_lens_a, false},  // kModeLook
      {3, 1, mouth, mouth_a, false},                // kModeTalk
      {3, 1, hand, hand_a, false},                  // kModeTake
      {2, 1, gear, gear_a, false},                  // kModeUse
      {1, 1, &arrow, &arrow, false},                // kModeItem
  };
  return mode >= kModeBusy && mode <= kModeItem ? &kByMode[mode - kModeBusy] : nullptr;
}

}  // namespace

void maus() {
  if (cursor_nr > 11) cursor_nr = 0;
  BITMAP* picture = nullptr;
  bool tip = false;
  const bool over = mouse_over_sth == 1;
  if (const PointerPictures* p = pictures_of(mouse_status)) {
    tip = p->tip;
    wrap_cursor(p->frames * p->per);
    // Never a picture past the animation's last, whatever cursor_nr holds.
    const int step = cursor_nr < 0 ? 0 : cursor_nr / p->per;
    picture = (over ? p->lit : p->plain)[step < p->frames ? step : p->frames - 1];
  } else if (mouse_status == kModeItemOnTarget) {
    wrap_cursor(2);
    blit(arrow, arrow_gear, 0, 0, 0, 0, arrow->w, arrow->h);
    draw_sprite(arrow_gear, over ? mini_gear_a[cursor_nr] : mini_gear[cursor_nr], 0, 0);
    picture = arrow_gear;
  }
  if (picture) platform_set_pointer(picture, tip ? 0 : kPointerFocus.x, tip ? 0 : kPointerFocus.y);
  mouse_over_sth = 0;
}

namespace {

// The hover test of one thing: present and the pointer's working point, the
// mouse position, inside its rectangle (bounds included).
int hovered(int present, int x1, int x2, int y1, int y2) {
  return present == 1 && mouse_x >= x1 && mouse_x <= x2 && mouse_y >= y1 && mouse_y <= y2;
}

}  // namespace

void mouse_over_furni(int i) {
  furni_mouse_over[i] =
      hovered(furni_present[i], furni_mouse_x[i], furni_mouse_x2[i], furni_mouse_y[i], furni_mouse_y2[i]);
  if (furni_mouse_over[i]) mouse_over_sth = 1;
}

void mouse_over_person(int j) {
  person_mouse_over[j] = hovered(person_present[j], person_mouse_x[j], person_mouse_x2[j], person_mouse_y[j],
                                 person_mouse_y2[j]);
  if (person_mouse_over[j]) mouse_over_sth = 1;
}

bool pointer_on_thing() {
  for (int i = 0; i < furni_nr; ++i)
    if (furni_interact[i] == 1 &&
        hovered(furni_present[i], furni_mouse_x[i], furni_mouse_x2[i], furni_mouse_y[i], furni_mouse_y2[i]))
      return true;
  for (int j = 0; j < person_nr; ++j)
    if (person_interact[j] == 1 &&
        hovered(person_present[j], person_mouse_x[j], person_mouse_x2[j], person_mouse_y[j], person_mouse_y2[j]))
      return true;
  return false;
}
