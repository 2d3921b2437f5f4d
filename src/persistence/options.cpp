#include "persistence/options.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "core/files.h"
#include "core/world.h"
#include "persistence/settings.h"
#include "platform/platform.h"

namespace {

const char* const kOptionsFile = "options.sav";
// An options.sav that is there but could not be read (no permission, a
// folder in its place) is the player's and is never written over: the
// settings of this run are kept in settings.txt instead. Its full name, so a
// change of working folder starts afresh.
std::string unreadable_options;

std::string full_name(const char* path) {
  char cwd[4096];
  return std::string(getcwd(cwd, sizeof cwd) ? cwd : ".") + "/" + path;
}
bool options_read = false;

int clamp(int v, int lo, int hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

void set_defaults() {
  music_vol = kDefaultMusicVol;
  wave_vol = kDefaultWaveVol;
  text_speed = kDefaultTextSpeed;
  text_output = kDefaultTextOutput;
  for (auto& name : save_name)
    for (char& c : name) c = ' ';
}

// The file as lines, each without its line break (CR LF, LF or CR).
std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t begin = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(begin, i - begin));
      if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
      begin = i + 1;
    }
  }
  return lines;
}

// Takes as many of the four numbers from the first line as it holds; returns
// where the text after the fourth number and its blank begins (npos when the
// line holds fewer than four numbers).
size_t read_numbers(std::string_view line) {
  int* const values[4] = {&music_vol, &wave_vol, &text_speed, &text_output};
  const std::string copy(line);
  const char* p = copy.c_str();
  for (int got = 0; got < 4; ++got) {
    char* end = nullptr;
    const long v = std::strtol(p, &end, 10);
    if (end == p) return std::string_view::npos;  // not a number: the rest keeps its defaults
    *values[got] = static_cast<int>(v < -1000000 ? -1000000 : (v > 1000000 ? 1000000 : v));
    p = end;
  }
  if (*p == ' ') ++p;
  return static_cast<size_t>(p - copy.c_str());
}

// A slot's name: the first 30 characters of `text`, control characters as
// blanks, padded with blanks.
void set_slot_name(char name[kSlotNameLen], std::string_view text) {
  for (int i = 0; i < kSlotNameLen; ++i) {
    const char c = i < static_cast<int>(text.size()) ? text[static_cast<size_t>(i)] : ' ';
    name[i] = (static_cast<unsigned char>(c) < 32 || c == 127) ? ' ' : c;
  }
}

// Each slot's name is its own line, cut to 30 characters, so a long or short
// line never shifts the names after it. A file that has lost its line breaks
// holds the names right after the four numbers, 30 characters each.
void read_options_text(std::string_view text) {
  const std::vector<std::string_view> lines = split_lines(text);
  int slot = 0;
  const size_t names_at = read_numbers(lines[0]);
  if (names_at != std::string_view::npos && lines.size() == 1)
    for (size_t at = names_at; at < lines[0].size() && slot < kSaveSlots; at += kSlotNameLen)
      set_slot_name(save_name[slot++], lines[0].substr(at, kSlotNameLen));
  for (size_t l = 1; l < lines.size() && slot < kSaveSlots; ++l) set_slot_name(save_name[slot++], lines[l]);
}

}  // namespace

bool options_were_read() {
  return options_read;
}

void load_options() {
  options_read = false;
  unreadable_options.clear();
  set_defaults();
  std::string why;
  options_file = open_regular_file(kOptionsFile, why);
  if (options_file) {
    // The file the game writes has 328 bytes; a longer one is read as far as this.
    std::string text(65536, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), options_file));
    std::fclose(options_file);
    options_file = nullptr;
    read_options_text(text);
    options_read = true;
  } else if (why != kFileMissing) {
    unreadable_options = full_name(kOptionsFile);
    report_unusable_file(kOptionsFile, why, "the default settings are used, and the file is left as it is");
  }
  music_vol = clamp(music_vol, 0, 255);
  wave_vol = clamp(wave_vol, 0, 255);
  text_speed = clamp(text_speed, 0, 100);
  text_output = clamp(text_output, 0, 1);
  platform_set_volume(wave_vol, music_vol);
}

int save_options() {
  // settings.txt keeps a copy of what options.sav holds.
  save_settings();
  if (!unreadable_options.empty() && unreadable_options == full_name(kOptionsFile)) return 0;
  char numbers[64];
  std::string text(numbers, static_cast<size_t>(std::snprintf(numbers, sizeof numbers, "%d %d %d %d ", music_vol,
                                                              wave_vol, text_speed, text_output)));
  for (const auto& name : save_name) {
    text += "\r\n";
    for (char c : name) text += (c == '\0') ? ' ' : c;
  }
  std::string why;
  // A file that holds these settings already stays (every save of a game
  // comes here, mostly with nothing changed).
  if (FILE* f = open_regular_file(kOptionsFile, why)) {
    char old[512];
    const size_t n = std::fread(old, 1, sizeof old, f);
    std::fclose(f);
    if (std::string_view(old, n) == text) return 0;
  }
  if (write_file_replacing(kOptionsFile, text.data(), text.size(), true, why) != 0) {
    report_failed_write("the settings", kOptionsFile, why);
    return -1;
  }
  return 0;
}

void take_working_options() {
  tmp_text_speed = text_speed;
  tmp_music_vol = music_vol;
  tmp_wave_vol = wave_vol;
  tmp_text_output = text_output;
}

void keep_working_options() {
  text_speed = tmp_text_speed;
  music_vol = tmp_music_vol;
  wave_vol = tmp_wave_vol;
  text_output = tmp_text_output;
  platform_set_volume(wave_vol, music_vol);
}
