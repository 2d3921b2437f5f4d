// The main loop's part of reading aloud (core/read_aloud.h): the answer to the speech key, and the name of
// what the pointer is on, said when it changes (so after every jump of Page Up / Page Down or the pad's
// shoulder buttons, and when the mouse moves onto another thing).
#pragma once

#include <string>

// What the pointer is on now, by the name a seeing player reads: a piece, person or door by its spoken name,
// the bag, a verb of the panel; "" for the floor, or a thing the room gives no name. `which` tells things of one name apart ("piece 3", "door 1", "bag").
// The things of a room that have names.
enum class Thing { piece, person, door };
// The name a thing is read aloud with: the name the Tab key shows it with, and where the room holds several of
// that name, which of them it is in reading order, the order of the jumps ("Locker, 2 of 4"); "" when the room
// gives it no name.
std::string spoken_name(Thing kind, int slot);

struct UnderPointer {
  std::string name;
  std::string which;
};
UnderPointer under_pointer();

// Once a pass: when F2 asked (speech_switch_asked, frame/play_keys.h), speech is turned over and the setting kept; when there
// is no speech service, the hero says so. Then the name under the pointer, when it has changed.
void read_aloud_in_play();
