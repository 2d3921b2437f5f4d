// The story's sequences after a conversation or a gift. Each plays its shots
// here once the cut-scene player exists; for now the story's own changes
// (flags, items, the hero moved) are made by the callers and the scenes are
// skipped.
#include "cutscenes/videos.h"

void video_zirud_give_card() { /* Mr Zirud fetches the card from his coat and hands it over. */ }
void video_get_blei() { /* Mr Rurura pours the solution into a flask for the hero. */ }
void video_get_glasses() { /* Mr Rarozir takes the glasses from his drawer. */ }
void video_police_kungfu() { /* The guard's fight, ending with the hero in future_floor15. */ }
void video_ady_teleskop() { /* Dori lifts the telescope and carries it next door. */ }
void video_sand_sleep() { /* Mrs Sand takes a sip of the alcohol ... */ }
void video_sand_sleep2() { /* ... and nods off over her tests. */ }
void video_give_blei() { /* Mr Rurura takes the lead pipe to his lab bench. */ }
void video_give_dia() { /* Mr Zirud sets the diamond into the machine. */ }
