// The close flag: whether the player (the window's close button, a signal, the
// panel's Quit) asked the game to end. Every modal loop reads it and winds
// down; the game floor keeps the game at the next quiet point and ends it
// (game/closing.h).
#pragma once

// From the first room of a new or loaded game on, a close request waits for
// the next quiet point.
void begin_game();
// 1 while a close request waits for the next quiet point: every loop of the
// game ends what it is doing and returns towards the main loop.
bool close_pending();
// Quit in the control panel: the panel and the inventory close and the game
// is kept at the next quiet point, as with a close request.
void request_quit();
// Main menu in the control panel: as Quit, but the program goes on in the main
// menu once the game is kept. A close or Quit that follows wins.
void request_main_menu();
bool main_menu_wanted();
// The request has been honoured without ending the program (back in the
// main menu): nothing is pending any more.
void close_request_done();
// The game's clock when the pending close was asked for.
int close_requested_at();
