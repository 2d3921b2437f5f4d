// The keys of the game. The mouse plays it; the keys are short cuts that
// players of the genre expect:
//   F5 the save screen, F7 the load screen (in play, as the control panel
//   opens them), P or Pause pauses (any key or click goes on), Escape skips
//   a spoken line and fast-forwards a scene (cutscenes/player.cpp), and in
//   play, with nothing to skip, opens the control panel (as F1 or Escape
//   does in other adventures); H asks for a hint (hint_requested: the main
//   loop has it said, story/hints.h), L shows what was said
//   (frame/said_log.h).
// F11 and Alt+Enter, which switch between window and full screen, are taken
// by the platform seam wherever the game is.
#pragma once

enum class KeyAsk { none, skip, pause, save, load, hint, log };

// What a key from platform_readkey (scancode in the high byte) asks for.
KeyAsk key_ask(int key);

// The pause: the frame dimmed, the caption "Pause" in a dark band along the
// top of the screen (it hides nobody's face), the game's clock
// held, until a key is typed or a button goes down; the click that ends it
// does nothing else.
void pause_game();

// The main loop's keys: those typed since its last pass, each done in turn.
void play_keys();

// While a line is spoken: true when Escape asks to skip it (with `any_key`,
// any key but P); P pauses.
bool speech_keys(bool any_key = false);

// Forget the keys typed so far (before a line begins, so that a key typed
// earlier does not skip it).
void drop_keys();
