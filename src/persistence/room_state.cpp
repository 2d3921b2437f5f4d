#include "persistence/room_state.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialogue/talk_data.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "shell/game.h"
#include "shell/world.h"

namespace {

void report(const char* file, const char* what) {
  if (!bug_report) return;
  std::fprintf(bug_report, "room state file %s: %s; the room keeps the state its script gave it\n",
               file ? file : "(none)", what);
  std::fflush(bug_report);
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
  const std::string temp = std::string(temp_file) + ".tmp";
  save_file = std::fopen(temp.c_str(), "wb");
  if (!save_file) {
    report(temp_file, "cannot be written");
    return -1;
  }
  const bool written = std::fwrite(text.data(), 1, length, save_file) == length;
  const bool closed = std::fclose(save_file) == 0;
  save_file = nullptr;
  if (!written || !closed || std::rename(temp.c_str(), temp_file) != 0) {
    std::remove(temp.c_str());
    report(temp_file, "cannot be written");
    return -1;
  }
  return 0;
}

int load_temp() {
  if (!temp_file) return -1;
  load_file = std::fopen(temp_file, "rb");
  if (!load_file) {
    report(temp_file, "is missing");
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
