#include "core/read_aloud.h"

#include <cstdio>

#include "core/files.h"
#include "core/settings.h"
#include "core/tr.h"
#include "platform/speech.h"

bool follow_speech_setting() {
  if (settings::speech != 1) {
    speech_end();
    return true;
  }
  if (speech_start()) return true;
  std::fprintf(stderr, "Pelvaro: %s; the game goes on without it.\n", speech_problem().c_str());
  note_in_bug_report("%s", speech_problem().c_str());
  return false;
}

bool switch_speech() {
  settings::speech = settings::speech == 1 ? 0 : 1;
  if (!follow_speech_setting()) return false;
  say_aloud(TR("Sprachausgabe an", "Speech on"), true);
  return true;
}

TwoLines no_speech_lines() {
  return {TR("Keine Sprachausgabe:", "No speech:"),
          TR("speech-dispatcher fehlt oder antwortet nicht.", "speech-dispatcher is missing or does not answer.")};
}

void say_aloud(const std::string& text, bool interrupt) {
  if (settings::speech == 1) speech_say(text, interrupt);
}

void stop_reading() {
  if (settings::speech == 1) speech_stop();
}

void HoverVoice::operator()(const std::string& name, const std::string& which, int jumps) {
  const std::string now = std::to_string(jumps) + "|" + which + "|" + name;
  if (now == last_) return;
  last_ = now;
  if (!name.empty()) say_aloud(name, true);
}
