// The game's sound effects: the samples of "sounds.dat", each played once at
// the sound-effects volume (the platform seam applies it), through the seam's
// sample call, so a test sees which effect an action played.
#pragma once

#include <allegro.h>

#include "core/data_manifest.h"

// Load "sounds.dat" (at start-up; play_sound loads it when it is not yet).
void load_sounds();
// Play one effect.
void play_sound(manifest::Sounds which);
// The sample an effect plays.
SAMPLE* sound_sample(manifest::Sounds which);
