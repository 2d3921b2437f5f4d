// The keys of the game. The mouse plays it; the keys are short cuts that
// players of the genre expect:
//   F5 the save screen, F7 the load screen (in play, as the control panel
//   opens them), P or Pause pauses (any key or click goes on), Escape skips
//   a spoken line and fast-forwards a scene (cutscenes/player.cpp).
// For players who cannot aim a mouse: Page Up / Page Down jump the pointer to
// the previous / next thing that can be clicked (frame/click_points.h), Enter
// clicks there and Backspace is the right click (an item back into the bag).
// Page Up / Page Down because they step through a list everywhere else and
// none of the game's keys sits near them; Enter and Backspace because they
// mean "do it" and "take it back", and typing happens on the slot screens
// only, which read their own keys.
// F11 and Alt+Enter, which switch between window and full screen, are taken
// by the platform seam wherever the game is.
#pragma once

#include <vector>

#include "core/screen_layout.h"

enum class KeyAsk { none, skip, pause, save, load, jump_back, jump_on, click, right_click };

// What a key from platform_readkey (scancode in the high byte) asks for.
KeyAsk key_ask(int key);

// The pause: the frame dimmed, the caption "Pause" in a dark band along the
// top of the screen (it hides nobody's face), the game's clock
// held, until a key is typed or a button goes down; the click that ends it
// does nothing else.
void pause_game();

// The pointer's keys of a screen's own loop (the bag, a conversation's
// choices): the jumps step through `points` (frame/click_points.h), Enter and
// Backspace press the buttons. Reads every key typed; the others do nothing.
void pointer_keys(const std::vector<screen_layout::Point>& points);

// The main loop's keys: those typed since its last pass, each done in turn.
void play_keys();

// While a line is spoken: true when Escape asks to skip it; P pauses.
bool speech_keys();

// Forget the keys typed so far (before a line begins, so that a key typed
// earlier does not skip it).
void drop_keys();
