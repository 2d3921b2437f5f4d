// Composing one frame of the room: background, objects and persons by depth,
// the hero at his depth, the bag and verb panel on top.
#pragma once

void draw_room();
void manage_furniture();
void non_player_characters();
// The hero's scale and sprite size from his standing line and the room's
// perspective (at most 1.3).
void scale_hero();
