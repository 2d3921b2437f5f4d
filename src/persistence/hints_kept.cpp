#include "persistence/hints_kept.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "core/files.h"
#include "core/world.h"

namespace {

constexpr const char* kCountTag = "hints_asked";
constexpr const char* kLevelsTag = "hint_level";
constexpr int kDeepest = 3;  // the third hint, the answer

void no_hints_asked() {
  hints_asked = 0;
  for (int& level : hint_level) level = 0;
}

}  // namespace

std::string hints_file_beside(const std::string& saved_game) {
  const size_t dot = saved_game.rfind('.');
  const size_t slash = saved_game.rfind('/');
  const bool has_ending = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_ending ? saved_game.substr(0, dot) : saved_game) + ".hints";
}

std::string hints_kept_text() {
  std::string text = std::string(kCountTag) + " " + std::to_string(hints_asked) + "\n" + kLevelsTag;
  for (int level : hint_level) text += " " + std::to_string(level);
  return text + "\n";
}

bool read_hints_kept_text(const std::string& text) {
  std::istringstream in(text);
  std::string tag;
  long count = -1;
  int levels[kMaxStorySteps];
  if (!(in >> tag >> count) || tag != kCountTag || count < 0 || count > 1000000) return false;
  if (!(in >> tag) || tag != kLevelsTag) return false;
  for (int& level : levels)
    if (!(in >> level) || level < 0 || level > kDeepest) return false;
  if (in >> tag) return false;  // more than the file holds
  hints_asked = static_cast<int>(count);
  std::memcpy(hint_level, levels, sizeof levels);
  return true;
}

void load_hints(const std::string& saved_game, const std::string& kept_lines) {
  no_hints_asked();
  std::string text = kept_lines, where = "its side file";
  if (text.empty()) {
    // A game saved before the side file held its hints.
    where = hints_file_beside(saved_game);
    std::string why;
    FILE* f = open_regular_file(where.c_str(), why);
    if (!f) return;  // a game saved before there were hints
    char buffer[4096];
    const size_t n = std::fread(buffer, 1, sizeof buffer, f);
    std::fclose(f);
    text.assign(buffer, n);
  }
  if (!read_hints_kept_text(text))
    note_in_bug_report("%s: the hints asked in %s are damaged; the game goes on with no hints asked",
                       saved_game.c_str(), where.c_str());
}

void remove_hints_beside(const std::string& saved_game) {
  const std::string path = hints_file_beside(saved_game);
  if (std::remove(path.c_str()) != 0 && errno != ENOENT)
    note_in_bug_report("%s could not be removed: %s", path.c_str(), std::strerror(errno));
}
