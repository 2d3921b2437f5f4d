#include "persistence/room_state.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "dialogue/talk_data.h"
#include "persistence/files.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/game.h"
#include "shell/world.h"

namespace {

void report(const char* file, const char* what) {
  note_in_bug_report("room state file %s: %s; the room keeps the state its script gave it", file ? file : "(none)",
                     what);
}

// State files that hold an earlier state than the one last stored and could
// not be removed (by absolute path, so a change of working folder starts
// afresh): they are not read until they are written again.
std::set<std::string>& stale_files() {
  static std::set<std::string> files;
  return files;
}

std::string absolute(const char* path) {
  if (path[0] == '/') return path;
  char cwd[4096];
  return std::string(getcwd(cwd, sizeof cwd) ? cwd : ".") + "/" + path;
}

// A state file that could not be written must not be read back with what it
// held before: it is removed, or marked when it cannot be. Every failure goes
// to bugs.txt; the console hears of each reason once per working folder.
void forget_unwritten(const char* file, const std::string& why) {
  if (unlink(file) != 0 && errno != ENOENT) stale_files().insert(absolute(file));
  note_in_bug_report("room state file %s: cannot be written (%s); the room will start as its script sets it up",
                     file, why.c_str());
  static std::set<std::string> told;
  if (told.insert(absolute(".") + "\n" + why).second) report_failed_write("the state of a room", file, why);
}

// Parses the numbers of a state file: exactly kStateNumbers integers
// separated by white space, nothing else.
bool parse_state(const std::string& text, std::vector<int>& numbers, const char*& problem) {
  numbers.clear();
  numbers.reserve(kStateNumbers);
  const char* p = text.data();
  const char* const end = p + text.size();
  for (;;) {
    while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
    if (p == end) break;
    int value = 0;
    const auto [next, ec] = std::from_chars(p, end, value);
    if (ec != std::errc() || (next < end && !(*next == ' ' || *next == '\n' || *next == '\r' || *next == '\t'))) {
      problem = "it holds something that is not a number";
      return false;
    }
    if (numbers.size() == static_cast<size_t>(kStateNumbers)) {
      problem = "it holds more numbers than a room's state";
      return false;
    }
    numbers.push_back(value);
    p = next;
  }
  if (numbers.size() != static_cast<size_t>(kStateNumbers)) {
    problem = "it is short";
    return false;
  }
  return true;
}

}  // namespace

int save_temp() {
  if (!temp_file) return -1;
  // Most numbers are single digits: they are written directly, the rest
  // through to_chars. Each takes at most 12 characters with its blank.
  static std::vector<char> text(static_cast<size_t>(kStateNumbers) * 12);
  char* p = text.data();
  visit_room_state([&](int v) {
    if (v >= 0 && v < 10) {
      *p++ = static_cast<char>('0' + v);
    } else {
      p = std::to_chars(p, p + 11, v).ptr;
    }
    *p++ = ' ';
  });
  const size_t length = static_cast<size_t>(p - text.data());
  std::string why;
  if (write_file_replacing(temp_file, text.data(), length, false, why) != 0) {
    forget_unwritten(temp_file, why);
    return -1;
  }
  stale_files().erase(absolute(temp_file));
  return 0;
}

int load_temp() {
  if (!temp_file) return -1;
  if (stale_files().count(absolute(temp_file))) {
    report(temp_file, "holds an earlier state that could not be replaced");
    return -1;
  }
  std::string why;
  load_file = open_regular_file(temp_file, why);
  if (!load_file) {
    report(temp_file, why == kFileMissing ? "is missing" : why.c_str());
    return -1;
  }
  std::string text;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, load_file)) > 0) text.append(chunk, got);
  std::fclose(load_file);
  load_file = nullptr;
  std::vector<int> numbers;
  const char* problem = "";
  if (!parse_state(text, numbers, problem)) {
    report(temp_file, problem);
    return -1;
  }
  size_t n = 0;
  visit_room_state([&](int& v) { v = numbers[n++]; });
  return 0;
}

void init_temp() {
  change_room = 0;
  forget_loaded_animations();
  load_new_room();
  change_room = -1;
  load_new_talking();
  set_temp_file();
  save_temp();
  loading();
}
