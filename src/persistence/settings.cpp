#include "persistence/settings.h"

#include <cstdio>
#include <cstdlib>

#include "core/files.h"
#include "core/settings.h"

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

// One line; false when it is neither a note nor a known setting with a value in its range.
bool read_line(std::string_view line) {
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
  return text;
}

int read_settings_text(std::string_view text) {
  settings::reset_to_defaults();
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
  if (bad > 0)
    note_in_bug_report("Pelvaro: %s: %d line(s) not understood; their settings keep their defaults.", kSettingsFile,
                       bad);
}

int save_settings() {
  const std::string text = settings_text();
  std::string why;
  if (write_file_replacing(kSettingsFile, text.data(), text.size(), true, why) == 0) return 0;
  report_failed_write("the settings", kSettingsFile, why);
  return -1;
}
