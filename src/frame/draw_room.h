// Composing one frame of the room: background, objects and persons by depth,
// the hero at his depth, the bag and verb panel on top.
#pragma once

#include <allegro.h>

void draw_room();
// The room as the last composed frame showed it, before the bag and verb
// panel, a menu, the pointer or a caption went over it: the picture a saved
// game keeps. Null before the first frame.
BITMAP* last_room_picture();
void manage_furniture();
void non_player_characters();
// The hero's scale and sprite size from his standing line and the room's
// perspective (at most 1.3).
void scale_hero();
