// Music and samples through the library's own sound functions, the same for
// every backend whose sound the library plays (the real one and the web one).
#include "platform/platform.h"
#include "platform/window_focus.h"

namespace {

// The effects volume, applied to each sample as it starts, and the samples
// started, so that a new volume reaches those still playing.
int effects_volume = 255;
struct Playing {
  SAMPLE* sample;
  int vol, pan, freq, loop;
};
Playing playing[8];
int next_playing = 0;

int effective_volume(int vol) {
  return vol * effects_volume / 255;
}

}  // namespace

void platform_play_midi(MIDI* midi, int loop) {
  play_midi(midi, loop);
}

void platform_stop_midi() {
  stop_midi();
}

void platform_set_volume(int digi_volume, int midi_volume) {
  // The library's digital volume is never set (it stays at full): the
  // music's voices are digital voices too. Setting it would also cut short
  // the fading notes of the music, whose volumes it sets again.
  set_volume(-1, midi_volume);
  if (digi_volume < 0 || digi_volume == effects_volume) return;
  effects_volume = digi_volume > 255 ? 255 : digi_volume;
  for (const Playing& p : playing)
    if (p.sample) adjust_sample(p.sample, effective_volume(p.vol), p.pan, p.freq, p.loop);
}

void platform_play_sample(SAMPLE* sample, int vol, int pan, int freq, int loop) {
  if (!sample) return;
  play_sample(sample, effective_volume(vol), pan, freq, loop);
  playing[next_playing] = {sample, vol, pan, freq, loop};
  next_playing = (next_playing + 1) % 8;
}

void platform_hold_music(int hold) {
  if (hold)
    midi_pause();
  else
    midi_resume();
}
