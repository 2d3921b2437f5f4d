// The cut scenes: the three start-up sequences and the story's sequences,
// one function each, named after the sequence. A story sequence plays its
// shots over the live room (cutscenes/player.h), makes the changes to the
// room's pieces and persons that belong to it, and returns; the caller makes
// the story's own changes (flags, items, the hero moved).
#pragma once

// At start-up (startup_videos.cpp).
void video_logo();   // the makers' film with its jingle
void video_title();  // takes the title picture
void video_intro();  // the introduction text screen, waits for a click

// The hero handles things (hero_scenes.cpp).
void video_oeffne_schrank();  // opens the caretaker's cupboard in future_floor15
void video_take_tool();       // takes the screwdriver out of it
void video_take_guitar();     // takes the guitar in future_physik
void video_take_gaz();        // takes the gas bottle in future_biolog
void video_take_rohr();       // cuts the lead pipe in future_floor15 with the welding torch
void video_brakeup_case();    // breaks the showcase's lock in future_chimie
void video_open_case();       // opens the broken showcase
void video_blei_douche();     // pours the lead solution into the shower's tank
void video_douche();          // the shower in future_chimietp

// The teachers hand things over and take them (teacher_scenes.cpp).
void video_zirud_give_card();  // Mr Zirud hands the access card over
void video_give_dia();         // the diamond goes into the time machine
void video_ady_teleskop();     // Dori carries the telescope to the physics lab
void video_ady_teleskop2();    // Mr Zirud and Dori set the telescope up
void video_give_blei();        // the lead goes to Mr Rurura
void video_get_glasses();      // Mr Rarozir hands the glasses over
void video_get_blei();         // Mr Rurura hands the lead solution over

// Trouble (encounter_scenes.cpp).
void video_hero_beton_ko();   // the opening scene of a new game in future_floor1
void video_sand_mecker();     // Mrs Sand stops the hero taking the gas bottle
void video_sand_sleep();      // Mrs Sand drinks the alcohol ...
void video_sand_sleep2();     // ... and falls asleep
void video_exit_floor2();     // the guard stops the hero at the doors of future_floor2
void video_police_kungfu();   // the guard throws the hero out of future_floor2
void video_hero_uff();        // the hero gets his breath back

// The end of the game (time_machine.cpp): never returns.
[[noreturn]] void video_time_machine();
