// Ending the program from outside, and one game per folder.
//
// A close request (the window's close button; SIGTERM, SIGHUP, SIGINT or
// SIGQUIT, as a desktop sends them at logout) that arrives outside a game
// (the menus, the films) ends the program at once, as Quit does. During a
// game it is only noted: every modal activity winds down (a scene
// fast-forwards as with Escape, a speech ends, a conversation is left at its
// next menu as its goodbye leaves it, the inventory, the panel and the slot
// screens close, a walk stops), the consequences still due run, and the main
// loop keeps the game in the autosave at the next quiet point and ends with
// status 1. So a kept game never holds a half-played scene.
#pragma once

#include "core/close_request.h"

// What "quiet" means, in one place: the main loop stands between two passes
// with nothing under way or due: no scene, conversation, speech, inventory or
// panel open; the hero standing, with no errand (take, use, talk, give, exit)
// pending; no consequence of a conversation and no scene of the story's
// two-pass counters still to run; and a whole pass of the main loop played.
bool at_quiet_point();

// Run by the main loop after the story rules of each pass: at the first quiet
// point after the hero entered another room, the game is kept in the autosave
// (written beside the main loop: persistence/saved_games.h, start_autosave),
// so a crash, a kill or a lost display loses at most what was played since.
void autosave_after_room_change();

// The close handler given to the platform seam.
void on_close_request();
// Run by the main loop after the story rules of each pass: with a close
// pending, stops the hero's walk and errands and, once quiet, keeps the game
// and ends the program with status 1.
void honour_close_request();
