// The gallery's hand in a room's main loop (in_room.cpp): a room to stand in,
// the mouse moved, a verb chosen on the panel, an item taken out of the bag
// onto the pointer, and where the mouse goes to be on one kind of thing.
#pragma once

#include <functional>

namespace gallery {

// The verbs of the panel, in the order of screen_layout::kVerbHit.
enum PanelVerb { kVerbWalk, kVerbTake, kVerbUse, kVerbLook, kVerbTalk };

// A fresh game standing in `room` (the mouse off the screen), its frame
// composed, then `body` run in it as the game's program: how it ended (-1 when
// `body` returned).
int in_room(const char* room, const std::function<void()>& body);
// Main-loop passes for `ms` of the game's clock.
void passes_for(int ms);
// The mouse moves to (x, y), buttons up; passes until the game has seen it.
void move_mouse(int x, int y);
// A click on the panel's verb `v`, let go again.
void choose_verb(int v);
// `item` given to the hero and taken out of the bag onto the pointer (the bag
// opened with a click, the item clicked, the bag closed with a right click).
void carry(const char* item);

// Where the mouse goes: on the floor, on the first piece or person present
// that reacts to the mouse (a person who talks), on the first open exit, on
// the bag.
enum class Aim { floor, piece, person, exit, bag };
bool aim_at(Aim aim, int& x, int& y);

}  // namespace gallery
