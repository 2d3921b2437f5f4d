// The hero's standard remarks, and the standard answer to a verb on a piece or
// a person that its room has no rule of its own for.
#pragma once

#include <span>

#include "rooms/room_script.h"

// The hero says up to three lines over his head, facing the viewer, once the
// mouse buttons are up (a standard remark).
void hero_remark(const char* line0, const char* line1 = "", const char* line2 = "");

// A verb that does not apply: "Das geht so nicht." / "That doesn't work."
void impossible();
// Looking at something without a look text.
void description();
// A take refused, with the reason the name of piece `cannottake_nr` gives.
void cannottake();

// The standard answers (rooms/dispatch.cpp asks them when a room has no rule
// of its own). True when they answered; false when the ordinary action goes
// on: taking a piece that can be taken, talking to a person who talks. Talking
// to a person who cannot talk (knocked out, asleep) gets no answer, and the
// hero says so.
bool standard_piece_answer(Verb verb, int slot);
bool standard_person_answer(Verb verb, int slot);

// The rules that hold in every room and come before the room's own: the
// rolling pin is refused on every piece, the showcase included.
std::span<const VerbRule> shared_piece_rules();
