#include "core/sounds.h"

#include "core/datafiles.h"
#include "platform/platform.h"

namespace {

// Lives from start-up to the end of the program, as the start-up datafiles.
DATAFILE* sounds_dat = nullptr;

// Every effect at the full voice volume: their loudness is in the samples,
// made to stand level with the music at the default volumes.
constexpr int kEffectVolume = 255;

}  // namespace

void load_sounds() {
  if (!sounds_dat) sounds_dat = load_datafile_checked(manifest::kSoundsFile.name, manifest::kSoundsFile.entries);
}

SAMPLE* sound_sample(manifest::Sounds which) {
  load_sounds();
  const int i = manifest::at(which);
  if (sounds_dat[i].type != DAT_SAMPLE) fatal_data_error(manifest::kSoundsFile.name, "an entry that should be a sound is not one");
  return static_cast<SAMPLE*>(sounds_dat[i].dat);
}

void play_sound(manifest::Sounds which) {
  platform_play_sample(sound_sample(which), kEffectVolume, 128, 1000, 0);
}
