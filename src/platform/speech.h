// Speech for a player who cannot see the screen: texts said aloud by the desktop's speech service.
//
// The real backend (speech_real.cpp) talks to speech-dispatcher through its client library, libspeechd.so.2,
// loaded with dlopen only when speech is started: a game that does not speak neither needs the library nor
// starts the service. Headless, nothing is said; what would be said is recorded, in order, for the tests
// (headless::spoken()). Before speech_start, and after speech_end, nothing is said at all.
#pragma once

#include <string>

// Start speaking. True when texts can be said from now on (at once when speech is started already); false
// when the library or the service is missing, with the reason in speech_problem(). Nothing is said by this.
bool speech_start();
// Why the last speech_start failed, as one line for the player; "" when it did not.
const std::string& speech_problem();
// Speech is started.
bool speech_started();
// Stop what is being said and let the service go: nothing is said until the next speech_start.
void speech_end();

// Say `text`. With `interrupt`, what is being said stops and what waits is dropped first (a new name under the
// pointer); without it, the text waits its turn (the lines of a conversation). Nothing when speech is not
// started or the text is empty.
void speech_say(const std::string& text, bool interrupt);
// Stop what is being said and drop what waits.
void speech_stop();
