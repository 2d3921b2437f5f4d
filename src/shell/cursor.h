// The mouse pointer's picture, the inventory bag and verb panel, and the
// hover tests of objects and persons.
#pragma once

// The on-screen buttons: hit regions (inclusive) of the bag and the five verbs.
struct ButtonRegion {
  int x1, x2, y1, y2;
};
inline constexpr ButtonRegion kButtonRegions[6] = {
    {56, 94, 371, 429},    // 0 inventory bag
    {561, 579, 351, 369},  // 1 walk
    {541, 559, 386, 404},  // 2 take
    {578, 596, 386, 404},  // 3 use
    {541, 559, 421, 439},  // 4 look
    {578, 596, 421, 439},  // 5 talk
};
// The button under the raw mouse position, -1 for none.
int button_under_mouse();

void maus();
void blit_buttons();
void mouse_click();
// Hover test of object / person number `counter`, at the hot spot (+20, +15).
void mouse_over_furni();
void mouse_over_person();
// Draw the bag and the verb panel (no highlights).
void draw_buttons();
