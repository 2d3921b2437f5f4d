// The mouse pointer's picture, the inventory bag and verb panel, and the
// hover tests of objects and persons.
#pragma once

#include "core/world.h"

// The button under the raw mouse position (a MouseButton; hit regions in
// core/screen_layout.h).
int button_under_mouse();

// An inventory item hangs on the pointer (kModeItem or kModeItemOnTarget).
inline bool carrying_item() {
  return mouse_status > kModeUse;
}

// A fresh press: the left button is down and this press has not been
// handled yet (a held button counts once).
bool fresh_press();

// A mouse button going down between two polls of a screen's own loop. Starts
// as if held, so a button still down from the screen before (the click that
// opened it) does not count.
struct Press {
  bool was_down = true;
  bool operator()(bool down) {
    const bool pressed = down && !was_down;
    was_down = down;
    return pressed;
  }
};

void maus();
void blit_buttons();
void mouse_click();
// Hover test of furniture slot i / person slot j, at the mouse position, where every pointer shows its working point.
void mouse_over_furni(int i);
void mouse_over_person(int j);
// A piece or person the player can act on is under the pointer: there the
// pointer shows its picture, not the door, so it takes the click before an
// exit whose rectangle it lies in. Sets no hover flags.
bool pointer_on_thing();
// Draw the bag and the verb panel (no highlights).
void draw_buttons();
