// Speech in the browser: the page's own speech synthesis (the Web Speech API) in the language the page chose
// for the game (index.html writes it into <html lang>). A browser without it says so once, as the desktop does
// without speech-dispatcher.
#include <emscripten.h>

#include <string>

#include "platform/speech.h"

namespace {

EM_JS(int, page_can_speak, (), { return typeof speechSynthesis !== 'undefined' ? 1 : 0; });

EM_JS(void, page_say, (const char* text, int interrupt), {
  if (interrupt) speechSynthesis.cancel();
  const spoken = new SpeechSynthesisUtterance(UTF8ToString(text));
  spoken.lang = document.documentElement.lang === 'de' ? 'de-DE' : 'en-GB';
  speechSynthesis.speak(spoken);
});

EM_JS(void, page_stop_speaking, (), { speechSynthesis.cancel(); });

bool speaking = false;
std::string trouble;

}  // namespace

bool speech_start() {
  if (speaking) return true;
  speaking = page_can_speak() != 0;
  trouble = speaking ? "" : "no speech: this browser cannot read aloud";
  return speaking;
}

const std::string& speech_problem() {
  return trouble;
}

bool speech_started() {
  return speaking;
}

void speech_end() {
  if (speaking) page_stop_speaking();
  speaking = false;
}

void speech_say(const std::string& text, bool interrupt) {
  if (speaking && !text.empty()) page_say(text.c_str(), interrupt ? 1 : 0);
}

void speech_stop() {
  if (speaking) page_stop_speaking();
}
