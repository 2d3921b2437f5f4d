// Hardware set-up, the start-up pictures, the screens' datafiles and music.
#pragma once

void init_hardware();
// One step of the start-up progress screen: the logo and the red bar one step longer.
void loading();
void load_general_data();
void load_hero_walk();
void init_general_variables();
void load_invent_data();
void unload_invent_data();
void load_menu_data();
void unload_menu_data();
// Play track `track_nr` (1 title, 2 in game), looping; any other number is silence.
void music();
