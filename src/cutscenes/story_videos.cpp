// The story's sequences after a conversation, a gift or a story rule. Each
// plays its shots here once the cut-scene player exists; for now the story's
// own changes (flags, items, the hero moved) are made by the callers and the
// scenes are skipped, except where the player must hear what a person says:
// then the person in the room says it, over its head, as a one-off answer.
#include "cutscenes/videos.h"
#include "interaction/people.h"
#include "shell/tr.h"
#include "shell/world.h"

void video_zirud_give_card() { /* Mr Zirud fetches the card from his coat and hands it over. */ }
void video_get_blei() { /* Mr Rurura pours the solution into a flask for the hero. */ }
void video_get_glasses() { /* Mr Rarozir takes the glasses from his drawer. */ }
void video_police_kungfu() { /* The guard's fight, ending with the hero in future_floor15. */ }
void video_ady_teleskop() { /* Dori lifts the telescope and carries it next door. */ }
void video_sand_sleep() { /* Mrs Sand takes a sip of the alcohol ... */ }
void video_sand_sleep2() { /* ... and nods off over her tests. */ }
void video_give_blei() { /* Mr Rurura takes the lead pipe to his lab bench. */ }
void video_give_dia() { /* Mr Zirud sets the diamond into the machine. */ }

// Mrs Sand (person 0 of future_biolog) stops the hero reaching for the gas
// bottle; the bottle stays where it is.
void video_sand_mecker() {
  output_text[0][0] = TR("He, was wird das denn wenns fertig ist ?", "Hey, what are you doing there. Leave that gas");
  output_text[0][1] = TR("Lass die Gasflasche stehen. Die wird hier", " bottle alone, we still need it here.");
  output_text[0][2] = TR("noch gebraucht.", "");
  talk_nr = 0;
  npc_describe();
}
