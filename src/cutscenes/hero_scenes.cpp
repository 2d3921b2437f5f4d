// The hero handles things: the cupboard, the screwdriver, the guitar, the gas
// bottle, the lead pipe, the showcase, the tank and the shower.
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "rooms/rooms.h"
#include "shell/world.h"

void video_oeffne_schrank() {
  furni_present[0] = 0;
  furni_present[1] = 1;
}
void video_take_tool() { furni_present[1] = 0; }
void video_take_guitar() { furni_present[3] = 0; }
void video_take_gaz() { furni_present[1] = 0; }
void video_take_rohr() {}
void video_brakeup_case() {}
void video_open_case() {
  furni_present[0] = 0;
  furni_present[1] = 1;
}
void video_blei_douche() {}
void video_douche() {}
