// The cut scenes: the three start-up sequences and the story's sequences.
#pragma once

void video_logo();   // the makers' film with its jingle
void video_title();  // takes the title picture
void video_intro();  // the introduction text screen, waits for a click
// The opening scene of a new game in future_floor1 (to come with the story).
void video_hero_beton_ko();
// The guard in future_floor2 stops the hero (to come with the story).
void video_exit_floor2();
// Mrs Sand stops the hero taking the gas bottle in future_biolog.
void video_sand_mecker();
