#include "persistence/options.h"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"
#include "shell/world.h"

namespace {

const char* const kOptionsFile = "options.sav";
const char* const kOptionsTemp = "options.sav.tmp";

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

// Reads the first line of the file (the four numbers) and takes as many
// numbers from it as it holds, up to `count`; the line break stays in the file.
int read_number_line(FILE* f, int* const values[], int count) {
  char line[256];
  int n = 0;
  for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) {
    if (c == '\r' || c == '\n') {
      std::ungetc(c, f);
      break;
    }
    if (n < static_cast<int>(sizeof line) - 1) line[n++] = static_cast<char>(c);
  }
  line[n] = '\0';
  int got = 0;
  const char* p = line;
  while (got < count) {
    char* end = nullptr;
    const long v = std::strtol(p, &end, 10);
    if (end == p) break;  // not a number: the rest keeps its defaults
    *values[got++] = static_cast<int>(v < -1000000 ? -1000000 : (v > 1000000 ? 1000000 : v));
    p = end;
  }
  return got;
}

// Skips one line break, whichever way it was written (CR LF, LF or CR), and
// reads up to 30 characters of a slot name; a name cut short by the end of
// its line or of the file is padded with blanks.
void read_slot_name(FILE* f, char name[kSlotNameLen]) {
  int c = std::fgetc(f);
  if (c == '\r') {
    c = std::fgetc(f);
    if (c != '\n') std::ungetc(c, f);
  } else if (c != '\n') {
    if (c != EOF) std::ungetc(c, f);
    return;  // no line break: the file is damaged here, keep the blank name
  }
  int i = 0;
  for (; i < kSlotNameLen; ++i) {
    c = std::fgetc(f);
    if (c == EOF) break;
    if (c == '\r' || c == '\n') {
      std::ungetc(c, f);
      break;
    }
    name[i] = (c < 32 || c == 127) ? ' ' : static_cast<char>(c);
  }
  for (; i < kSlotNameLen; ++i) name[i] = ' ';
}

}  // namespace

void load_options() {
  set_defaults();
  options_file = std::fopen(kOptionsFile, "rb");
  if (options_file) {
    int* const numbers[4] = {&music_vol, &wave_vol, &text_speed, &text_output};
    read_number_line(options_file, numbers, 4);
    for (auto& name : save_name) read_slot_name(options_file, name);
    std::fclose(options_file);
    options_file = nullptr;
  }
  music_vol = clamp(music_vol, 0, 255);
  wave_vol = clamp(wave_vol, 0, 255);
  text_speed = clamp(text_speed, 0, 100);
  text_output = clamp(text_output, 0, 1);
  platform_set_volume(wave_vol, music_vol);
}

int save_options() {
  options_file = std::fopen(kOptionsTemp, "wb");
  if (!options_file) return -1;
  std::fprintf(options_file, "%d %d %d %d ", music_vol, wave_vol, text_speed, text_output);
  for (const auto& name : save_name) {
    std::fputs("\r\n", options_file);
    for (char c : name) std::fputc((c == '\0') ? ' ' : c, options_file);
  }
  const bool written = std::fflush(options_file) == 0 && !std::ferror(options_file);
  const bool closed = std::fclose(options_file) == 0;
  options_file = nullptr;
  if (!written || !closed || std::rename(kOptionsTemp, kOptionsFile) != 0) {
    std::remove(kOptionsTemp);
    return -1;
  }
  return 0;
}
