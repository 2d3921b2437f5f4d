// The teachers hand things over and take them: the access card, the diamond,
// the telescope, the lead, the glasses and the lead solution.
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "rooms/rooms.h"
#include "shell/world.h"

void video_zirud_give_card() {}
void video_give_dia() { furni_present[1] = 1; }
void video_ady_teleskop() {
  person_present[0] = 0;
  furni_present[3] = 1;
}
void video_ady_teleskop2() {}
void video_give_blei() { person_present[0] = 0; }
void video_get_glasses() {}
void video_get_blei() {}
