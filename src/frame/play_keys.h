// The keys of the game. The mouse plays it; the keys are short cuts that
// players of the genre expect:
//   F5 the save screen, F7 the load screen (in play, as the control panel
//   opens them), P or Pause pauses (any key or click goes on), Escape skips
//   a spoken line and fast-forwards a scene (cutscenes/player.cpp), and in
//   play, with nothing to skip, opens the control panel (as F1 or Escape
//   does in other adventures); H asks for a hint (hint_requested: the main
//   loop has it said, story/hints.h), L shows what was said
//   (frame/said_log.h).
// For players who cannot aim a mouse: Page Up / Page Down jump the pointer to
// the previous / next thing that can be clicked (frame/click_points.h), Enter
// clicks there and Backspace is the right click (an item back into the bag).
// Page Up / Page Down because they step through a list everywhere else and
// none of the game's keys sits near them; Enter and Backspace because they
// mean "do it" and "take it back", and typing happens on the slot screens
// only, which read their own keys.
// F2 turns reading aloud on and off (speech_switch_asked, answered by the
// main loop: interaction/pointer_voice.h): a function key, as the other
// switches of the game, beside none of them, and free in the desktops' own
// screen readers.
// A gamepad (platform/gamepad.h) moves the pointer and types these keys; its X
// opens the bag and its Y the control panel in play.
// F11 and Alt+Enter, which switch between window and full screen, are taken
// by the platform seam wherever the game is.
#pragma once

#include <vector>

#include "core/screen_layout.h"

enum class KeyAsk { none, skip, pause, save, load, hint, log, jump_back, jump_on, click, right_click, speech };

// F2 was typed in play and the main loop has not answered yet.
inline bool speech_switch_asked = false;

// What a key from platform_readkey (scancode in the high byte) asks for.
KeyAsk key_ask(int key);

// The pause: the frame dimmed, the caption "Pause" in a dark band along the
// top of the screen (it hides nobody's face), the game's clock
// held, until a key is typed or a button goes down; the click that ends it
// does nothing else. `away`: the window has lost the focus, and the music
// holds too.
void pause_game(bool away = false);

// When the window has lost the focus, and the player's settings ask for it
// (settings::pause_when_away: always, or in full screen, the default), the
// pause (with the music held), once each time away. The main loop, spoken
// lines and scenes ask at every pass.
void pause_if_away();

// The pointer's keys of a screen's own loop (the bag, a conversation's
// choices, the main menu): the jumps step through `points`
// (frame/click_points.h), Enter and Backspace press the buttons. Reads one key
// typed, if any, and says what it asked (none when no key was typed); the
// others do nothing here.
KeyAsk pointer_keys(const std::vector<screen_layout::Point>& points);

// The main loop's keys: those typed since its last pass, each done in turn.
void play_keys();

// While a line is spoken: true when Escape asks to skip it (with `any_key`,
// any key but P); P pauses.
bool speech_keys(bool any_key = false);

// Forget the keys typed so far and the pad's presses (before a line begins,
// so that a key typed earlier does not skip it).
void drop_keys();
