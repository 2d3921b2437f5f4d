#include "persistence/settings.h"

#include <cstdio>
#include <cstdlib>

#include "core/files.h"
#include "core/settings.h"
#include "core/world.h"
#include "persistence/options.h"

namespace {

const char* const kSettingsFile = "settings.txt";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

const settings::Entry* entry_named(std::string_view name) {
  for (const settings::Entry& e : settings::kEntries)
    if (name == e.name) return &e;
  return nullptr;
}

// The copy of options.sav's settings and slot names ("options.music_vol=180",
// "options.slot3=<the name's 30 characters>"), read into `copy` and taken
// only when options.sav itself could not be read.
struct OptionsCopy {
  int numbers[4] = {kDefaultMusicVol, kDefaultWaveVol, kDefaultTextSpeed, kDefaultTextOutput};
  std::string names[kSaveSlots];
  bool found = false;
};
OptionsCopy copy;
constexpr const char* kOptionNames[4] = {"options.music_vol", "options.wave_vol", "options.text_speed",
                                         "options.text_output"};
constexpr std::string_view kSlotPrefix = "options.slot";

bool read_options_copy(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = trimmed(line.substr(0, equals));
  std::string_view value = line.substr(equals + 1);
  if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
  for (int i = 0; i < 4; ++i) {
    if (name != kOptionNames[i]) continue;
    const std::string number(trimmed(value));
    char* end = nullptr;
    const long v = std::strtol(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0' || v < 0 || v > 255) return false;
    copy.numbers[i] = static_cast<int>(v);
    return copy.found = true;
  }
  if (name.substr(0, kSlotPrefix.size()) != kSlotPrefix || name.size() != kSlotPrefix.size() + 1) return false;
  const int slot = name.back() - '0';
  if (slot < 0 || slot >= kSaveSlots) return false;
  copy.names[slot] = std::string(value.substr(0, kSlotNameLen));
  return copy.found = true;
}

// One line; false when it is neither a note nor a known setting with a value in its range.
bool read_line(std::string_view line) {
  if (trimmed(line).substr(0, 8) == "options.") return read_options_copy(line);
  line = trimmed(line);
  if (line.empty() || line.front() == '#') return true;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const settings::Entry* e = entry_named(trimmed(line.substr(0, equals)));
  const std::string value(trimmed(line.substr(equals + 1)));
  if (!e || value.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(value.c_str(), &end, 10);
  if (*end != '\0' || v < e->lowest || v > e->highest) return false;
  *e->value = static_cast<int>(v);
  return true;
}

}  // namespace

std::string settings_text() {
  std::string text = "# Pelvaro's settings: name=value, one a line\n";
  for (const settings::Entry& e : settings::kEntries) text += std::string(e.name) + "=" + std::to_string(*e.value) + "\n";
  // A copy of options.sav, so that a damaged file of the two loses nothing.
  const int numbers[4] = {music_vol, wave_vol, text_speed, text_output};
  for (int i = 0; i < 4; ++i) text += std::string(kOptionNames[i]) + "=" + std::to_string(numbers[i]) + "\n";
  for (int s = 0; s < kSaveSlots; ++s) {
    text += std::string(kSlotPrefix) + std::to_string(s) + "=";
    for (char c : save_name[s]) text += (c == '\0' || c == '\n' || c == '\r') ? ' ' : c;
    text += "\n";
  }
  return text;
}

int read_settings_text(std::string_view text) {
  settings::reset_to_defaults();
  copy = OptionsCopy{};
  int not_understood = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    not_understood += !read_line(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return not_understood;
}

void load_settings() {
  settings::reset_to_defaults();
  std::string why;
  FILE* f = open_regular_file(kSettingsFile, why);
  if (!f) {
    if (why != kFileMissing) report_unusable_file(kSettingsFile, why, "the default settings are used");
    return;
  }
  std::string text(65536, '\0');  // a handful of short lines; a longer file is read as far as this
  text.resize(std::fread(text.data(), 1, text.size(), f));
  std::fclose(f);
  const int bad = read_settings_text(text);
  if (!options_were_read() && copy.found) {
    int* const numbers[4] = {&music_vol, &wave_vol, &text_speed, &text_output};
    for (int i = 0; i < 4; ++i) *numbers[i] = copy.numbers[i];
    text_speed = text_speed > 100 ? 100 : text_speed;
    text_output = text_output > 1 ? 1 : text_output;
    for (int s = 0; s < kSaveSlots; ++s) {
      copy.names[s].resize(kSlotNameLen, ' ');
      for (int i = 0; i < kSlotNameLen; ++i) save_name[s][i] = copy.names[s][static_cast<size_t>(i)];
    }
    note_in_bug_report("the settings and slot names are taken from %s (options.sav could not be read)", kSettingsFile);
  }
  if (bad > 0)
    note_in_bug_report("Pelvaro: %s: %d line(s) not understood; their settings keep their defaults.", kSettingsFile,
                       bad);
}

int save_settings() {
  const std::string text = settings_text();
  std::string why;
  // A file that holds these settings already stays (every save of a game
  // comes here, mostly with nothing changed).
  if (FILE* f = open_regular_file(kSettingsFile, why)) {
    std::string old(text.size() + 1, '\0');
    old.resize(std::fread(old.data(), 1, old.size(), f));
    std::fclose(f);
    if (old == text) return 0;
  }
  if (write_file_replacing(kSettingsFile, text.data(), text.size(), true, why) == 0) return 0;
  report_failed_write("the settings", kSettingsFile, why);
  return -1;
}
