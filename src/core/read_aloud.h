// Read aloud, for a player who cannot see the screen: with settings::speech on, the game says what a seeing
// player reads: the name of the thing the pointer jumps to or comes onto, every spoken line and description as
// its subtitle shows, the conversation's choices, the menus' buttons and the bag's items under the pointer
// (through platform/speech.h, speech-dispatcher when the game runs for real). F2 switches it in play and in
// the main menu, and the Options screen has a row for it.
//
// A name under the pointer cuts off what is being said (the listener has moved on); the lines of a
// conversation or a scene wait their turn, so none is lost.
#pragma once

#include <string>

// Start speech when settings::speech is on (and end it when off). True when all is as the setting asks; false
// when speech could not start: the reason goes to the console and bugs.txt, the screen is to show
// no_speech_lines(), and the game goes on silent, the setting kept for the next start.
bool follow_speech_setting();

// Turn settings::speech over and follow it (false as above). Turned on, it says so aloud ("Speech on").
bool switch_speech();

// The line for the player's screen when there is no speech, in two halves (what, and why).
struct TwoLines {
  const char* first;
  const char* second;
};
TwoLines no_speech_lines();

// Said aloud when the setting is on and speech started: `interrupt` as platform/speech.h's speech_say.
void say_aloud(const std::string& text, bool interrupt);
// The player skipped a line: what is being read stops, and what waits is dropped.
void stop_reading();

// What one screen has under its pointer, said when it changes: a new name cuts off what is being said; ""
// (nothing under the pointer) is not said, and lets the same name be said again when the pointer comes back.
// `which` tells apart things of the same name (two alarm lights); `jumps` (frame/click_points.h's
// pointer_jumps) has the name said again after every jump of the keys, even onto the same thing.
class HoverVoice {
 public:
  void operator()(const std::string& name, const std::string& which = "", int jumps = 0);
  void forget() { last_ = "\n"; }

 private:
  std::string last_;
};
