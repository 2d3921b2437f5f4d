// The cut scenes: the three start-up sequences and the story's sequences.
#pragma once

void video_logo();   // the makers' film with its jingle
void video_title();  // takes the title picture
void video_intro();  // the introduction text screen, waits for a click
// The opening scene of a new game in future_floor1 (to come with the story).
void video_hero_beton_ko();
// The guard in future_floor2 stops the hero (to come with the story).
void video_exit_floor2();

// The sequences that follow a conversation or a gift. The cut-scene player
// plays each of them here; until it does, the story goes on without them.
void video_zirud_give_card();  // Mr Zirud hands the access card over
void video_get_blei();         // Mr Rurura hands the lead solution over
void video_get_glasses();      // Mr Rarozir hands the glasses over
void video_police_kungfu();    // the guard throws the hero out of future_floor2
void video_ady_teleskop();     // Dori carries the telescope to the physics lab
void video_sand_sleep();       // Mrs Sand drinks the alcohol ...
void video_sand_sleep2();      // ... and falls asleep
void video_give_blei();        // the lead goes to Mr Rurura
void video_give_dia();         // the diamond goes into the time machine
// Mrs Sand stops the hero taking the gas bottle in future_biolog.
void video_sand_mecker();
