// Trouble: the teacher who knocks the hero out at the start, Mrs Sand and
// her gas bottle, the guard of future_floor2, and the hero's relief.
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "dialogue/talk.h"
#include "interaction/people.h"
#include "rooms/rooms.h"
#include "shell/tr.h"
#include "shell/world.h"

void video_hero_beton_ko() {}

// Mrs Sand (person 0 of future_biolog) stops the hero reaching for the gas
// bottle; the bottle stays where it is.
void video_sand_mecker() {
  output_text[0][0] = TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas");
  output_text[0][1] = TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here.");
  output_text[0][2] = TR("noch gebraucht.", "");
  talk_nr = 0;
  npc_describe();
}

void video_sand_sleep() { person_present[0] = 0; }
void video_sand_sleep2() { person_present[1] = 1; }
void video_exit_floor2() {}
void video_police_kungfu() {}
void video_hero_uff() {}
