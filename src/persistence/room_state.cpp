#include "persistence/room_state.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/files.h"
#include "core/hardware.h"
#include "core/world.h"
#include "dialogue/talk_data.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

void report(const char* file, const char* what) {
  note_in_bug_report("room state file %s: %s; the room keeps the state its script gave it", file ? file : "(none)",
                     what);
}

// The states of rooms whose files could not be written, by the file's
// absolute path (so a change of working folder starts afresh), kept here
// until a write succeeds: a room reads its state from here before its file,
// and a saved game takes it from here too. Nothing is ever removed from the
// disk for a failed write.
std::map<std::string, std::string>& unwritten() {
  static std::map<std::string, std::string> states;
  return states;
}

std::string absolute(const char* path) {
  if (path[0] == '/') return path;
  char cwd[4096];
  return std::string(getcwd(cwd, sizeof cwd) ? cwd : ".") + "/" + path;
}

// The game's own copy of every room's state, as it last wrote (or loaded)
// it, by the file's absolute path: a state file damaged or removed from
// outside is rebuilt from here, and the autosave takes its rooms from here
// without reading a file. The 43 states are some 20 MB.
std::map<std::string, std::shared_ptr<const std::string>>& own_copies() {
  static std::map<std::string, std::shared_ptr<const std::string>> copies;
  return copies;
}

void keep_own_copy(const std::string& key, std::string text) {
  own_copies()[key] = std::make_shared<const std::string>(std::move(text));
}

// Every failure goes to bugs.txt; the console hears of each reason once per
// working folder; the room on screen says once that nothing can be kept.
void tell_unwritten(const char* file, const std::string& why) {
  note_in_bug_report("room state file %s: cannot be written (%s); its state is kept in memory until it can be",
                     file, why.c_str());
  static std::set<std::string> told;
  if (told.insert(absolute(".") + "\n" + why).second) report_failed_write("the state of a room", file, why);
  storage_failed();
}

// Writes a state text to its file; on failure keeps it in memory.
int write_state(const char* file, std::string text) {
  std::string why;
  const std::string key = absolute(file);
  keep_own_copy(key, text);
  if (write_file_replacing(file, text.data(), text.size(), false, why) != 0) {
    tell_unwritten(file, why);
    text.shrink_to_fit();
    unwritten()[key] = std::move(text);
    return -1;
  }
  unwritten().erase(key);
  storage_works();
  return 0;
}

// Another try for every state still kept in memory (of this working folder).
void retry_unwritten() {
  const std::string here = absolute(".");
  std::vector<std::string> files;
  for (const auto& [path, text] : unwritten())
    if (path.compare(0, here.size() - 1, here, 0, here.size() - 1) == 0) files.push_back(path);
  for (const std::string& path : files) {
    std::string why;
    const std::string& text = unwritten()[path];
    if (write_file_replacing(path.c_str(), text.data(), text.size(), false, why) != 0) return;  // not yet
    unwritten().erase(path);
  }
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

// Appends the whole of a state file to `text`.
bool read_state_file(const char* file, std::string& text, std::string& why) {
  load_file = open_regular_file(file, why);
  if (!load_file) {
    if (why == kFileMissing) why = "is missing";
    return false;
  }
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, load_file)) > 0) text.append(chunk, got);
  const bool read = !std::ferror(load_file);
  std::fclose(load_file);
  load_file = nullptr;
  if (!read) why = "it cannot be read";
  return read;
}

}  // namespace

std::string current_room_state_text() {
  // Most numbers are single digits: they are written directly, the rest
  // through to_chars. Each takes at most 12 characters with its blank.
  std::string text(static_cast<size_t>(kStateNumbers) * 12, '\0');
  char* p = text.data();
  visit_room_state([&](int v) {
    if (v >= 0 && v < 10) {
      *p++ = static_cast<char>('0' + v);
    } else {
      p = std::to_chars(p, p + 11, v).ptr;
    }
    *p++ = ' ';
  });
  text.resize(static_cast<size_t>(p - text.data()));
  return text;
}

int save_temp() {
  if (!temp_file) return -1;
  const int result = write_state(temp_file, current_room_state_text());
  if (result == 0) retry_unwritten();
  return result;
}

int load_temp() {
  if (!temp_file) return -1;
  std::string text, why;
  if (!room_state_text(temp_file, text, why)) {
    report(temp_file, why.c_str());
    return -1;
  }
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

bool room_state_text(const char* file, std::string& text, std::string& why) {
  const std::string key = absolute(file);
  const auto kept = unwritten().find(key);
  if (kept != unwritten().end()) {
    text += kept->second;
    return true;
  }
  const size_t start = text.size();
  const bool read = read_state_file(file, text, why);
  const auto own = own_copies().find(key);
  if (own == own_copies().end()) return read;
  if (read && std::string_view(text).substr(start) == *own->second) return true;
  // Changed from outside: a whole state is taken as it stands; a damaged or
  // missing one is rebuilt from the game's own copy.
  if (read) {
    std::vector<int> numbers;
    const char* problem = "";
    if (parse_state(text.substr(start), numbers, problem)) return true;
    why = problem;
  }
  text.resize(start);
  text += *own->second;
  note_in_bug_report("room state file %s: %s; it is rebuilt from the game's own copy", file, why.c_str());
  write_state(file, *own->second);
  return true;
}

std::shared_ptr<const std::string> room_state_copy(const char* file) {
  const auto own = own_copies().find(absolute(file));
  return own == own_copies().end() ? nullptr : own->second;
}

void keep_room_state_copy(const char* file, std::string_view text) {
  keep_own_copy(absolute(file), std::string(text));
}

void forget_unwritten_room_states() {
  unwritten().clear();
}

namespace {

std::map<std::string, std::shared_ptr<const std::string>>& start_states() {
  static std::map<std::string, std::shared_ptr<const std::string>> states;
  return states;
}

}  // namespace

void remember_start_states() {
  start_states() = own_copies();
}

void put_back_start_states() {
  forget_unwritten_room_states();
  for (const auto& [path, text] : start_states()) write_state(path.c_str(), *text);
}

void init_temp() {
  forget_loaded_animations();
  load_new_room();
  load_new_talking();
  set_temp_file();
  save_temp();
  loading();
}
