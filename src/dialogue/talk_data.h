// Building a room's conversations when the room is set up: the tables are
// cleared, the room's sentences and replies are stored, every node with a
// sentence is offered, the counts are derived from the shape of each tree,
// and the room's overrides are applied last.
#pragma once

#include <span>

#include "rooms/room_script.h"

// The whole build, for the room named by room_name: erase_talk_data, the
// room's table of lines (talking_room), check_s_present, check_s_call_nr,
// the room's overrides (s_extra). A room without persons to talk to ends up
// with empty tables. The room's state file, read afterwards, replaces
// presence, counts and exits; the texts always come from here.
void load_new_talking();

// Every node of all ten persons: no lines, not offered, count 0, no exit.
void erase_talk_data();
// Every node whose sentence line 0 is not empty is offered.
void check_s_present();
// The count of a sentence is the number of leaves under it (a leaf counts
// 1), so a sentence is withdrawn when every leaf under it has been used once.
// On the fifth level the scan stops at the first gap: a fifth-level sentence
// after a gap gets no count. The upper levels add all five children, gaps
// included. A node with a sentence and nothing under it counts 1.
void check_s_call_nr();

// The generic readers of a room's tables.
void store_talk_lines(std::span<const TalkLine> lines);
void apply_talk_overrides(std::span<const TalkOverride> overrides);
