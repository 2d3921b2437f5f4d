#include "persistence/display_options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/files.h"
#include "core/world.h"
#include "platform/window_fit.h"

namespace {

const char* const kDisplayFile = "display.sav";

// "fill" (it is kept as the word, so that an older build, which knows only
// numbers, reads its own default instead), or a whole number from 0 to
// window_fit::kMaxScale; -2 for anything else.
constexpr int kUnreadable = -2;
int parse_scale(const char* text) {
  if (!text || !*text) return kUnreadable;
  if (std::strncmp(text, "fill", 4) == 0 && std::strspn(text + 4, " \t\r\n") == std::strlen(text + 4))
    return window_fit::kFill;
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n') ++end;
  if (end == text || *end != '\0' || v < 0 || v > window_fit::kMaxScale) return kUnreadable;
  return static_cast<int>(v);
}

}  // namespace

void load_display_options() {
  window_scale = 0;
  FILE* f = std::fopen(kDisplayFile, "rb");
  if (!f) return;
  char text[32] = {};
  const size_t got = std::fread(text, 1, sizeof text - 1, f);
  std::fclose(f);
  text[got] = '\0';
  const int scale = parse_scale(text);
  window_scale = scale == kUnreadable ? 0 : scale;
}

int save_display_options() {
  char text[16];
  const int length = window_scale == window_fit::kFill ? std::snprintf(text, sizeof text, "fill ")
                                                       : std::snprintf(text, sizeof text, "%d ", window_scale);
  std::string why;
  if (write_file_replacing(kDisplayFile, text, static_cast<size_t>(length), false, why) == 0) return 0;
  report_failed_write("the window's size", kDisplayFile, why);
  return -1;
}

int scale_from_command_line(int argc, char** argv) {
  int scale = 0;
  for (int i = 1; i < argc; ++i) {
    if (!argv[i] || std::strcmp(argv[i], "-scale") != 0) continue;
    const int n = (i + 1 < argc) ? parse_scale(argv[i + 1]) : kUnreadable;
    if (n >= 1 || n == window_fit::kFill) {
      scale = n;
      ++i;
    } else {
      std::printf("-scale wants a whole factor from 1 to %d or \"fill\"; it is left out.\n", window_fit::kMaxScale);
      std::fflush(stdout);
    }
  }
  return scale;
}
