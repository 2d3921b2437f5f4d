// The end of the game: the time machine and its energy effect.
#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "platform/platform.h"
#include "shell/world.h"

void time_travel() {}

void video_time_machine() { platform_exit(1); }
