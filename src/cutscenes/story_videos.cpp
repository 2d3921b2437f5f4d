// The story's sequences that have no film of their own yet: what the persons
// in them say is said by the person in the room, over her head, as a one-off
// answer.
#include "cutscenes/videos.h"
#include "interaction/people.h"
#include "shell/tr.h"
#include "shell/world.h"

// Mrs Sand (person 0 of future_biolog) stops the hero reaching for the gas
// bottle; the bottle stays where it is.
void video_sand_mecker() {
  output_text[0][0] = TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas");
  output_text[0][1] = TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here.");
  output_text[0][2] = TR("noch gebraucht.", "");
  talk_nr = 0;
  npc_describe();
}
