#include "persistence/saved_games.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <map>
#include <set>
#include <type_traits>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "core/files.h"
#include "core/screen_layout.h"
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk_data.h"
#include "frame/cursor.h"
#include "frame/draw_room.h"
#include "frame/said_log.h"
#include "hero/hero.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "persistence/hints_kept.h"
#include "persistence/options.h"
#include "persistence/room_state.h"
#include "persistence/slot_info.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"

namespace {

// The largest game state a load accepts: 43 blocks of numbers of up to 11
// characters and a blank, the names, the part after the end mark.
constexpr size_t kMaxGameStateBytes = size_t{kRoomCount} * kStateNumbers * 12 + (1 << 20);
constexpr const char* kSavedTag = "pelvaro_saved";
// The item on the pointer when the bag is full, after the end mark:
// "held_item <name>".
constexpr const char* kHeldTag = "held_item";
constexpr int kSavedVersion = 1;

bool is_blank(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// A name the packing and a load both leave whole: 1 to 19 visible
// characters, none of them "#", "$" or the run marker.
bool storable_name(const char* name) {
  if (!name) return false;
  const size_t n = std::strlen(name);
  if (n < 1 || n > static_cast<size_t>(kMaxStoredName)) return false;
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (c <= ' ' || c > '~' || c == '#' || c == '$') return false;
  }
  return true;
}

void put_number(std::string& out, int v) {
  char digits[16];
  char* end = std::to_chars(digits, digits + sizeof digits, v).ptr;
  out.append(digits, end);
  out += ' ';
}

void put_name(std::string& out, const char* name) {
  put_number(out, static_cast<int>(std::strlen(name)));
  out += name;
}

// Names of the part before the end mark; every other SAVED entry goes after it.
bool in_old_part(const char* name) {
  static const char* const kOldPart[] = {"hero_x", "hero_y", "invent_nr", "room_name", "inventory_obj"};
  for (const char* n : kOldPart)
    if (std::strcmp(n, name) == 0) return true;
  return false;
}

// How an entry after the end mark is written and read: an int, or an array
// of ints, as numbers on its line. The part before the end mark holds the
// texts; a SAVED entry of any other type needs its own way in here, or
// every save refuses (and the tests of the saves fail).
template <typename T>
struct Entry {
  static constexpr bool kNumbers = false;
  static constexpr size_t kCount = 0;
  static int* first(T&) { return nullptr; }
};
template <>
struct Entry<int> {
  static constexpr bool kNumbers = true;
  static constexpr size_t kCount = 1;
  static int* first(int& v) { return &v; }
};
template <size_t N>
struct Entry<int[N]> {
  static constexpr bool kNumbers = true;
  static constexpr size_t kCount = N;
  static int* first(int (&a)[N]) { return a; }
};

// The new-game value of each SAVED entry, by name.
template <typename T, typename V>
void fill(T& variable, const V& value) {
  variable = value;
}
template <typename T, size_t N, typename V>
void fill(T (&array)[N], const V& value) {
  for (T& element : array) fill(element, value);
}
#define PELVARO_SG_DEFAULT_PROCESS(name, value)
#define PELVARO_SG_DEFAULT_GAME(name, value)
#define PELVARO_SG_DEFAULT_SAVED(name, value) \
  if (std::strcmp(which, #name) == 0) fill(name, value);
#define PELVARO_SG_DEFAULT_ROOM(name, value)
#define PELVARO_SG_DEFAULT_FURNI(name, value)
#define PELVARO_SG_DEFAULT_PERSON(name, value)
#define PELVARO_SG_DEFAULT_EXIT(name, value)
#define PELVARO_SG_DEFAULT_WORK(name, value)
#define PELVARO_SG_DEFAULT(life, type, name, dims, value) PELVARO_SG_DEFAULT_##life(name, value)
void set_new_game_value(const char* which) {
  WORLD_STATE(PELVARO_SG_DEFAULT)
}

// Reads a game state text front to back; every read checks what it finds.
struct Scanner {
  std::string_view text;
  size_t at = 0;

  void skip_blanks() {
    while (at < text.size() && is_blank(text[at])) ++at;
  }
  // A decimal number as "%d " writes it: it must be followed by a blank.
  bool number(int& value) {
    skip_blanks();
    const char* begin = text.data() + at;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || next == end || !is_blank(*next)) return false;
    at = static_cast<size_t>(next - text.data());
    return true;
  }
  // `count` numbers, each with the blank after it; "0 " and "1 ", most of a
  // room's state, are taken at once.
  bool numbers(int count) {
    const char* p = text.data() + at;
    const char* const end = text.data() + text.size();
    int value;
    for (int n = 0; n < count; ++n) {
      if (end - p >= 2 && (p[0] == '0' || p[0] == '1') && p[1] == ' ') {
        p += 2;
        continue;
      }
      at = static_cast<size_t>(p - text.data());
      if (!number(value)) return false;
      p = text.data() + at + 1;  // past its blank, as for "0 "
    }
    at = static_cast<size_t>(p - text.data());
    return true;
  }
  // A name: its length, the blanks after it, then exactly that many characters.
  bool name(std::string& value) {
    int length = 0;
    if (!number(length) || length < 1 || length > kMaxStoredName) return false;
    skip_blanks();
    if (text.size() - at < static_cast<size_t>(length)) return false;
    value.assign(text, at, static_cast<size_t>(length));
    at += static_cast<size_t>(length);
    return storable_name(value.c_str());
  }
};

// Item names read from saved games live until the program ends; equal
// names share one copy.
const char* keep_name(const std::string& name) {
  static std::set<std::string> names;
  static std::mutex guard;  // the autosave checks its game beside the main loop
  const std::lock_guard<std::mutex> lock(guard);
  return names.insert(name).first->c_str();
}

// Reads the whole of `path` onto the end of `text` (after clearing it unless
// `append`), straight into the string's own room.
bool read_whole_file(const char* path, std::string& text, std::string& why, bool append = false) {
  const int fd = open_regular_fd(path, why);
  if (fd < 0) return false;
  if (!append) text.clear();
  const size_t start = text.size();
  struct stat st;
  size_t room = fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : size_t{1} << 16;
  size_t got = 0;
  for (;;) {
    if (got + start > kMaxGameStateBytes) {
      close(fd);
      text.resize(start);
      why = "it is far too large";
      return false;
    }
    text.resize(start + got + room);
    const ssize_t n = read(fd, text.data() + start + got, room);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      close(fd);
      text.resize(start);
      why = "it cannot be read";
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
    room = size_t{1} << 16;  // a file that grew while it was read
  }
  close(fd);
  text.resize(start + got);
  return true;
}

// Counts the numbers of one room's state as the state file holds them.
bool whole_room_state(std::string_view text) {
  Scanner s{text};
  if (!s.numbers(kStateNumbers)) return false;
  s.skip_blanks();
  return s.at == text.size();
}

// The rebuilding of the current room after a load: as entering a
// room does, from the script and then the state file, every piece and person
// defined for its stored state.
void rebuild_current_room() {
  force_cursor = kVerbFree;
  click_x2 = true_x = hero_x;
  click_y2 = true_y = hero_y;
  reset_hero();
  forget_loaded_animations();
  load_new_room();
  load_new_talking();
  set_temp_file();
  load_temp();
  for (int i = 0; i < furni_nr; ++i) load_furni_anim();
  for (int j = 0; j < person_nr; ++j) load_person_anim();
  cpu_delay = cpu_speed;
}

}  // namespace

std::string slot_path(int slot) {
  return "sav/game0" + std::to_string(slot) + ".sav";
}

namespace {

// A run of tokens "d " (d a 0 or a 1) starting at a digit: how many tokens,
// whether its last digit is not followed by a blank (the first digit of a
// longer number: then it is no token), and where that last digit stands.
struct Run {
  char digit;
  int tokens;
  bool odd_end;
  size_t last;
};

Run count_run(std::string_view text, size_t from) {
  auto at = [&](size_t i) { return i < text.size() ? text[i] : '\0'; };
  Run run{text[from], 0, false, from};
  while (at(run.last + 1) == ' ') {
    ++run.tokens;
    if (at(run.last + 2) != run.digit || run.tokens >= kMaxRun) return run;
    run.last += 2;
  }
  run.odd_end = true;
  return run;
}

// Six tokens or more become the run mark ("$" for ones), a blank, the count
// and a blank; fewer stay as they stand. The digit of a longer number follows.
void put_run(std::string& out, const Run& run) {
  if (run.tokens >= 6) {
    out += run.digit == '0' ? static_cast<char>(kZeroRunMark) : '$';
    out += ' ';
    out += std::to_string(run.tokens);
    out += ' ';
    if (run.odd_end) out += run.digit;
    return;
  }
  const int digits = run.tokens + (run.odd_end ? 1 : 0);
  for (int t = 0; t < digits; ++t) {
    out += run.digit;
    if (t < run.tokens) out += ' ';
  }
}

// text[i] copied as it stands; the end mark is copied with all that follows
// it. False when nothing is left to pack: the text ended or the mark was copied.
bool copy_as_it_stands(std::string_view text, size_t i, std::string& out) {
  if (i >= text.size()) return false;
  if (text[i] == '#') {
    out.append(text.substr(i));
    return false;
  }
  out += text[i];
  return true;
}

}  // namespace

std::string pack_game_state(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 8 + 64);
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '0' && text[i] != '1') {
      if (!copy_as_it_stands(text, i, out)) return out;
      ++i;
      continue;
    }
    const Run run = count_run(text, i);
    put_run(out, run);
    // The character after the run's last blank starts nothing: it is copied
    // as it stands. After the digit of a longer number the two after it are.
    i = run.last + 1;
    if (run.odd_end && !copy_as_it_stands(text, i, out)) return out;
    ++i;
    if (!copy_as_it_stands(text, i, out)) return out;
    ++i;
  }
  return out;
}

bool unpack_game_state(std::string_view packed, std::string& text, std::string& why) {
  text.clear();
  // A file cut short is refused before anything is unpacked.
  if (packed.find('#') == std::string_view::npos) {
    why = "it ends before its end mark";
    return false;
  }
  // A game's state is about as large as its 43 rooms' numbers written "0 ":
  // made room for at once, it is not copied again while it grows.
  text.reserve(std::min(kMaxGameStateBytes, size_t{kRoomCount} * kStateNumbers * 2 + packed.size() * 8));
  const size_t size = packed.size();
  size_t i = 0;
  while (i < size) {
    const unsigned char c = static_cast<unsigned char>(packed[i]);
    if (c == '#') {
      text.append(packed.substr(i));
      return true;
    }
    if (c != kZeroRunMark && c != '$') {
      text += static_cast<char>(c);
      ++i;
      continue;
    }
    ++i;
    while (i < size && is_blank(packed[i])) ++i;
    int count = 0;
    const auto [next, ec] = std::from_chars(packed.data() + i, packed.data() + size, count);
    if (ec != std::errc() || count < 1 || count > kMaxRun) {
      why = "a run in it has no sound count";
      return false;
    }
    i = static_cast<size_t>(next - packed.data());
    while (i < size && is_blank(packed[i])) ++i;
    if (text.size() + size_t{2} * static_cast<size_t>(count) > kMaxGameStateBytes) {
      why = "it unpacks to more than a saved game can hold";
      return false;
    }
    static const std::string zeros = [] {
      std::string run;
      for (int t = 0; t < kMaxRun; ++t) run += "0 ";
      return run;
    }();
    static const std::string ones = [] {
      std::string run;
      for (int t = 0; t < kMaxRun; ++t) run += "1 ";
      return run;
    }();
    text.append(c == kZeroRunMark ? zeros : ones, 0, size_t{2} * static_cast<size_t>(count));
  }
  why = "it ends before its end mark";
  return false;
}

int zip_files() {
  std::string text, why;
  if (!save_path || !read_whole_file(kGameStateFile, text, why)) {
    report_unusable_file(kGameStateFile, why, "the game was not saved");
    return -1;
  }
  const std::string packed = pack_game_state(text);
  if (write_file_replacing(save_path, packed.data(), packed.size(), true, why) != 0) {
    report_failed_write("the game", save_path, why);
    return -1;
  }
  return 0;
}

int unzip_files() {
  std::string packed, text, why;
  if (!load_path || !read_whole_file(load_path, packed, why) || !unpack_game_state(packed, text, why)) {
    note_in_bug_report("saved game %s: %s; nothing was loaded", load_path ? load_path : "(none)", why.c_str());
    return -1;
  }
  if (write_file_replacing(kGameStateFile, text.data(), text.size(), false, why) != 0) {
    report_failed_write("the unpacked game", kGameStateFile, why);
    return -1;
  }
  return 0;
}

namespace {

// The item on the pointer belongs to the inventory: a right click would put
// it back there. It is stored in the slot after the bag's items, or, with the
// bag full, apart after the end mark, and a load hangs it on the pointer again.
struct HeldItem {
  bool in_bag = false;
  const char* apart = nullptr;
};

HeldItem held_item() {
  const bool carried = carrying_item() && arrow_obj && *arrow_obj;
  const bool in_bag = carried && invent_nr >= 0 && invent_nr < kInventorySlots;
  return {in_bag, carried && !in_bag ? arrow_obj : nullptr};
}

bool refuse_item_name(const char* name, std::string& why) {
  why = std::string("the item name \"") + (name ? name : "") + "\" cannot be stored";
  return false;
}

// What a reader of the original format reads before the rooms: the hero's
// place, the number of items, the room, the names of the 100 slots.
bool put_hero_and_bag(std::string& text, const HeldItem& held, std::string& why) {
  const int items = held.in_bag ? invent_nr + 1 : invent_nr;
  put_number(text, hero_x);
  put_number(text, hero_y);
  put_number(text, items);
  if (room_index(room_name) < 0) {
    why = "the room is not one of the game's rooms";
    return false;
  }
  put_name(text, room_name);
  for (int s = 0; s < kInventorySlots; ++s) {
    const char* name = (held.in_bag && s == invent_nr) ? arrow_obj : inventory_obj[s];
    if (!storable_name(name)) return refuse_item_name(name, why);
    put_name(text, name);
  }
  return true;
}

// The 43 rooms' states, each as its state file holds it, ending in a blank.
bool put_room_states(std::string& text, std::string& why) {
  for (int r = 0; r < kRoomCount; ++r) {
    const char* file = kRooms[r]->state_file;
    const size_t start = text.size();
    if (!room_state_text(file, text, why) || !whole_room_state(std::string_view(text).substr(start))) {
      why = std::string(file) + ": " + (why.empty() ? "it does not hold a room's state" : why);
      return false;
    }
    if (text.back() != ' ') text += ' ';
  }
  return true;
}

// The end mark, then the tag with the version, a line for each SAVED entry of
// the part after it (its name and values), the item held apart, and "end".
bool put_after_end_mark(std::string& text, const char* held_apart, std::string& why) {
  text += "#\n";
  text += kSavedTag;
  text += ' ';
  text += std::to_string(kSavedVersion);
  text += '\n';
  std::string unstorable;
  visit_saved_game([&](const char* name, auto& variable) {
    using T = std::remove_reference_t<decltype(variable)>;
    if (in_old_part(name)) return;
    if (!Entry<T>::kNumbers) {
      unstorable += std::string(unstorable.empty() ? "" : ", ") + name;
      return;
    }
    text += name;
    const int* v = Entry<T>::first(variable);
    for (size_t k = 0; k < Entry<T>::kCount; ++k) {
      text += ' ';
      text += std::to_string(v[k]);
    }
    text += '\n';
  });
  if (held_apart) text += std::string(kHeldTag) + " " + held_apart + "\n";
  text += "end\n";
  if (!unstorable.empty()) {
    why = "the saved game has no way to hold " + unstorable;
    return false;
  }
  return true;
}

}  // namespace

bool write_game_state(std::string& text, std::string& why) {
  text.clear();
  text.reserve(size_t{kRoomCount} * kStateNumbers * 2 + 4096);
  const HeldItem held = held_item();
  if (held.apart && !storable_name(held.apart)) return refuse_item_name(held.apart, why);
  return put_hero_and_bag(text, held, why) && put_room_states(text, why) && put_after_end_mark(text, held.apart, why);
}

namespace {

// A game state text taken apart and found sound, not yet made the game.
struct ParsedGame {
  int x = 0, y = 0, items = 0;
  std::string room;
  const char* names[kInventorySlots] = {};
  const char* held = nullptr;  // the item on the pointer, stored apart
  size_t blocks[kRoomCount][2] = {};
  std::map<std::string, std::vector<int>> rest;
};

// The words of a line, split at blanks.
std::vector<std::string> words_of(const std::string& line) {
  std::vector<std::string> words;
  for (size_t p = 0; p < line.size();) {
    while (p < line.size() && is_blank(line[p])) ++p;
    const size_t q = p;
    while (p < line.size() && !is_blank(line[p])) ++p;
    if (p > q) words.push_back(line.substr(q, p - q));
  }
  return words;
}

// A line between the tag and "end": the item held apart, or a SAVED entry's
// name and its values, each entry once.
bool parse_entry_line(const std::vector<std::string>& words, ParsedGame& game, std::string& why) {
  if (words[0] == kHeldTag) {
    if (words.size() != 2 || !storable_name(words[1].c_str()) || game.held) {
      why = "the item on the pointer is damaged";
      return false;
    }
    game.held = keep_name(words[1]);
    return true;
  }
  std::vector<int> values;
  for (size_t w = 1; w < words.size(); ++w) {
    int value;
    const auto [p, ec] = std::from_chars(words[w].data(), words[w].data() + words[w].size(), value);
    if (ec != std::errc() || p != words[w].data() + words[w].size()) {
      why = "a value after its end mark is damaged";
      return false;
    }
    values.push_back(value);
  }
  if (!game.rest.emplace(words[0], values).second) {
    why = "a value after its end mark is there twice";
    return false;
  }
  return true;
}

// The lines from `at` on: the tag with the version, the entries, "end".
// Empty lines count for nothing; what follows "end" is not read.
bool parse_tagged_lines(const std::string& text, size_t at, ParsedGame& game, std::string& why) {
  bool tagged = false, ended = false;
  for (size_t line_start = at; line_start < text.size() && !ended;) {
    size_t line_end = text.find('\n', line_start);
    if (line_end == std::string::npos) line_end = text.size();
    const std::vector<std::string> words = words_of(text.substr(line_start, line_end - line_start));
    line_start = line_end + 1;
    if (words.empty()) continue;
    if (!tagged) {
      if (words.size() != 2 || words[0] != kSavedTag || words[1] != std::to_string(kSavedVersion)) {
        why = "what follows its end mark is not a saved game's";
        return false;
      }
      tagged = true;
    } else if (words.size() == 1 && words[0] == "end") {
      ended = true;
    } else if (!parse_entry_line(words, game, why)) {
      return false;
    }
  }
  if (!ended) {
    why = "what follows its end mark is cut short";
    return false;
  }
  return true;
}

// Every entry found after the end mark has as many values as it holds.
bool rest_counts_fit(const std::map<std::string, std::vector<int>>& rest) {
  bool counts_fit = true;
  visit_saved_game([&](const char* entry, auto& variable) {
    using T = std::remove_reference_t<decltype(variable)>;
    if (in_old_part(entry)) return;
    const auto found = rest.find(entry);
    if (found != rest.end() && found->second.size() != Entry<T>::kCount) counts_fit = false;
  });
  return counts_fit;
}

// What follows the end mark (from `at`): nothing, or the tagged lines of the
// SAVED entries with the right number of values each.
bool parse_rest(const std::string& text, size_t at, ParsedGame& game, std::string& why) {
  while (at < text.size() && is_blank(text[at])) ++at;
  if (at < text.size() && !parse_tagged_lines(text, at, game, why)) return false;
  if (!rest_counts_fit(game.rest)) {
    why = "a value after its end mark has the wrong count";
    return false;
  }
  return true;
}

// Checks a game state text whole. The end mark is the first "#" (no number
// or stored name holds one), so the short part after it is checked first and
// a damaged tail is found without reading ten million numbers.
bool parse_game_state(const std::string& text, ParsedGame& game, std::string& why) {
  const size_t mark = text.find('#');
  if (mark == std::string::npos) {
    why = "it has no end mark";
    return false;
  }
  if (!parse_rest(text, mark + 1, game, why)) return false;
  Scanner s{text};
  std::string name;
  if (!s.number(game.x) || !s.number(game.y) || !s.number(game.items)) {
    why = "its first numbers are damaged";
    return false;
  }
  if (game.x < 0 || game.x >= screen_layout::kScreenWidth || game.y < 0 || game.y >= screen_layout::kScreenHeight) {
    why = "the hero stands outside the screen";
    return false;
  }
  if (game.items < 0 || game.items > kInventorySlots) {
    why = "it holds more items than the inventory";
    return false;
  }
  if (!s.name(game.room) || room_index(game.room.c_str()) < 0) {
    why = "its room is not one of the game's rooms";
    return false;
  }
  for (int k = 0; k < kInventorySlots; ++k) {
    if (!s.name(name)) {
      why = "an item's name is damaged";
      return false;
    }
    // The items fill the first slots; the rest are empty.
    if ((k < game.items) == (name == kEmptySlot)) {
      why = "its inventory does not match its count";
      return false;
    }
    game.names[k] = k < game.items ? keep_name(name) : kEmptySlot;
  }
  for (int r = 0; r < kRoomCount; ++r) {
    s.skip_blanks();
    game.blocks[r][0] = s.at;
    if (!s.numbers(kStateNumbers)) {
      why = "the state of a room is damaged or cut short";
      return false;
    }
    game.blocks[r][1] = s.at;
  }
  s.skip_blanks();
  if (s.at != mark) {
    why = s.at < mark ? "it holds more than the rooms' states before its end mark" : "it has no end mark";
    return false;
  }
  return true;
}

}  // namespace

bool game_state_sound(const std::string& text, std::string& why) {
  ParsedGame game;
  return parse_game_state(text, game, why);
}

bool slot_file_sound(const char* path, std::string& why) {
  std::string packed, text;
  return read_whole_file(path, packed, why) && unpack_game_state(packed, text, why) && game_state_sound(text, why);
}

namespace {

// The 43 rooms' state files replaced by the blocks of a game state text, all
// or none. Each block is first written beside its file ("<file>.<pid>.new");
// then each old file is moved aside ("<file>.<pid>.old") and the new one put
// in its place. Should any step fail, every file is put back as it was. Only
// files this process wrote are ever removed.
bool replace_room_files(const std::string& text, const size_t (&blocks)[kRoomCount][2], std::string& why) {
  const std::string pid = std::to_string(getpid());
  struct Room {
    std::string file, staged, kept;
    bool had_old = false, in_place = false;
  };
  std::vector<Room> rooms(kRoomCount);
  auto undo = [&](const std::string& what, const std::string& path, int error) {
    why = "the rooms' states cannot be written (" + path + ": " + std::strerror(error) + ")";
    report_failed_write(what.c_str(), path.c_str(), std::strerror(error));
    for (int r = kRoomCount - 1; r >= 0; --r) {
      Room& room = rooms[static_cast<size_t>(r)];
      if (room.in_place && !room.had_old) unlink(room.file.c_str());  // ours: there was none before
      if (room.had_old && std::rename(room.kept.c_str(), room.file.c_str()) != 0)
        report_failed_write("the state of a room", room.file.c_str(),
                            std::string("it stays in ") + room.kept + ": " + std::strerror(errno));
      if (!room.in_place && !room.staged.empty()) unlink(room.staged.c_str());
    }
    return false;
  };
  for (int r = 0; r < kRoomCount; ++r) {
    Room& room = rooms[static_cast<size_t>(r)];
    room.file = kRooms[r]->state_file;
    const std::string staged = room.file + "." + pid + ".new";
    // A block ends with the blank after its last number.
    std::string write_why;
    if (write_file_replacing(staged.c_str(), text.data() + blocks[r][0], blocks[r][1] - blocks[r][0], false,
                             write_why) != 0) {
      why = "the rooms' states cannot be written (" + staged + ": " + write_why + ")";
      report_failed_write("the state of a room", staged.c_str(), write_why);
      for (const Room& done : rooms)
        if (!done.staged.empty()) unlink(done.staged.c_str());
      return false;
    }
    room.staged = staged;
    room.kept = room.file + "." + pid + ".old";
  }
  for (Room& room : rooms) {
    if (std::rename(room.file.c_str(), room.kept.c_str()) == 0)
      room.had_old = true;
    else if (errno != ENOENT)
      return undo("the state of a room", room.file, errno);
    if (std::rename(room.staged.c_str(), room.file.c_str()) != 0) return undo("the state of a room", room.file, errno);
    room.in_place = true;
  }
  for (const Room& room : rooms)
    if (room.had_old) std::remove(room.kept.c_str());
  for (int r = 0; r < kRoomCount; ++r)
    keep_room_state_copy(kRooms[r]->state_file,
                         std::string_view(text).substr(blocks[r][0], blocks[r][1] - blocks[r][0]));
  return true;
}

// Checks a game state text whole and makes it the running game.
LoadResult load_state_text(const std::string& text, std::string& why) {
  ParsedGame game;
  if (!parse_game_state(text, game, why)) return kLoadDamaged;
  if (!replace_room_files(text, game.blocks, why)) return kLoadCannotWrite;
  // The files now hold the loaded game: what memory kept of the game before
  // (states that could not be written) is no longer the rooms'.
  forget_unwritten_room_states();
  const auto& rest = game.rest;

  // Then the game itself: what belonged to the game before is dropped (the
  // walk, the pending actions, the item on the pointer), the inventory's
  // pictures are kept to be drawn anew.
  BITMAP* pictures[kInventorySlots];
  std::memcpy(pictures, inventory_obj_bmp, sizeof pictures);
  set_new_game_values();
  std::memcpy(inventory_obj_bmp, pictures, sizeof pictures);
  hero_x = game.x;
  hero_y = game.y;
  invent_nr = game.items;
  room_name = kRooms[room_index(game.room.c_str())]->name;
  for (int k = 0; k < kInventorySlots; ++k) inventory_obj[k] = game.names[k];
  visit_saved_game([&](const char* entry, auto& variable) {
    using T = std::remove_reference_t<decltype(variable)>;
    if (in_old_part(entry)) return;
    const auto found = rest.find(entry);
    if (found == rest.end()) {
      set_new_game_value(entry);
      return;
    }
    int* v = Entry<T>::first(variable);
    for (size_t k = 0; k < Entry<T>::kCount; ++k) v[k] = found->second[k];
  });
  mouse_status = kModeWalk;
  rebuild_current_room();
  invent_bitmaps();
  if (game.held && arrow) {
    hold_item(game.held);
    mouse_status = kModeItem;
  }
  return kLoadDone;
}

}  // namespace

bool read_game_state(const std::string& text, std::string& why) {
  return load_state_text(text, why) == kLoadDone;
}

namespace {

// Stores the running game in the slot file `path`. The rooms' states are read
// from their files into the text, never into the tables of the room on
// screen, so the game goes on as it stood, without a rebuild of the room.
// A game's state is some 20 MB of text. Its buffer is kept from one save or
// load to the next, so its memory is made ready once in a run instead of
// page by page every time (which costs more than reading and writing it).
std::string& state_text() {
  static std::string text;
  return text;
}

SaveResult save_to(const std::string& path) {
  finish_autosave();
  set_temp_file();
  save_temp();  // a room that cannot be written is kept in memory and saved from there
  std::string& text = state_text();
  std::string why;
  // What is written must load again: the reader's own checks are run on it.
  if (!write_game_state(text, why) || !game_state_sound(text, why)) {
    report_failed_write("the game", path.c_str(), "it would not load again: " + why);
    return kSaveRefused;
  }
  // The unpacked game stays beside the rooms' files, as the last game state
  // that passed through; the slot is what counts.
  std::string temp_why;
  if (write_file_replacing(kGameStateFile, text.data(), text.size(), false, temp_why) != 0)
    note_in_bug_report("%s: %s", kGameStateFile, temp_why.c_str());
  const std::string packed = pack_game_state(text);
  save_path = nullptr;
  if (write_file_replacing(path.c_str(), packed.data(), packed.size(), true, why) != 0) {
    report_failed_write("the game", path.c_str(), why);
    storage_failed();
    return kSaveCannotWrite;
  }
  // The slot is whole without its side file: a side file that cannot be
  // written leaves the slot listed by its file's date. The side file holds
  // the hints asked: an older hints file beside the slot is of another game.
  if (write_slot_info(path, describe_running_game(), packed, why) != 0)
    report_failed_write("the description of the game", info_path(path).c_str(), why);
  else
    remove_hints_beside(path);
  if (write_thumbnail(path, last_room_picture(), why) != 0)
    note_in_bug_report("%s: %s", thumbnail_path(path).c_str(), why.c_str());
  return kSaveDone;
}

LoadResult load_from(const std::string& path) {
  finish_autosave();
  std::string packed, why;
  std::string& text = state_text();
  LoadResult result = kLoadDone;
  if (!read_whole_file(path.c_str(), packed, why))
    result = why == kFileMissing || why == "it is not a regular file" ? kLoadMissing : kLoadDamaged;
  else if (!unpack_game_state(packed, text, why))
    result = kLoadDamaged;
  else
    result = load_state_text(text, why);
  if (result != kLoadDone) {
    note_in_bug_report("saved game %s: %s; nothing was loaded", path.c_str(), why.c_str());
    return result;
  }
  // The time played goes on from the side file's (from 0 without one).
  const SlotInfo info = read_slot_info(path);
  if (info.known) played_ms = info.played_ms;
  std::string temp_why;
  if (write_file_replacing(kGameStateFile, text.data(), text.size(), false, temp_why) != 0)
    note_in_bug_report("%s: %s", kGameStateFile, temp_why.c_str());
  load_hints(path, info.known ? info.hints : "");
  clear_said_log();  // what was said belongs to the game left
  return kLoadDone;
}

}  // namespace

namespace {

// The game taken at a quiet point in a moment, to be written beside the main
// loop: the hero and the bag, the part after the end mark, and the 43 rooms'
// states shared with the game's own copies (the current room's formatted
// anew), so that taking it copies nothing large.
struct GameCopy {
  std::string head, tail, description;
  std::shared_ptr<const std::string> rooms[kRoomCount];
};

bool copy_game(GameCopy& copy, std::string& why) {
  const HeldItem held = held_item();
  if (held.apart && !storable_name(held.apart)) return refuse_item_name(held.apart, why);
  if (!put_hero_and_bag(copy.head, held, why) || !put_after_end_mark(copy.tail, held.apart, why)) return false;
  copy.description = describe_running_game();
  const int here = room_index(room_name);
  for (int r = 0; r < kRoomCount; ++r) {
    const char* file = kRooms[r]->state_file;
    if (r == here) {
      copy.rooms[r] = std::make_shared<const std::string>(current_room_state_text());
    } else if (!(copy.rooms[r] = room_state_copy(file))) {
      std::string text;
      if (!room_state_text(file, text, why)) {
        why = std::string(file) + ": " + why;
        return false;
      }
      copy.rooms[r] = std::make_shared<const std::string>(std::move(text));
    }
  }
  return true;
}

// What the writing of a copy came to, told on the main loop's side.
struct Written {
  SaveResult result = kSaveDone;
  std::string why;
};

// Runs beside the main loop: touches no state of the game, only the copy and
// the file, and leaves every report to the main loop.
Written write_copy(const GameCopy& copy, const std::string& path) {
  std::string text;
  text.reserve(size_t{kRoomCount} * kStateNumbers * 2 + 4096);
  text += copy.head;
  for (const auto& room : copy.rooms) {
    text += *room;
    if (text.back() != ' ') text += ' ';
  }
  text += copy.tail;
  Written done;
  if (!game_state_sound(text, done.why)) {
    done.why = "it would not load again: " + done.why;
    done.result = kSaveRefused;
    return done;
  }
  const std::string packed = pack_game_state(text);
  if (write_file_replacing(path.c_str(), packed.data(), packed.size(), true, done.why) != 0 ||
      write_slot_info(path, copy.description, packed, done.why) != 0)
    done.result = kSaveCannotWrite;
  else
    std::remove(hints_file_beside(path).c_str());  // the side file holds the hints now
  return done;
}

std::future<Written>& autosave_under_way() {
  static std::future<Written> job;
  return job;
}

}  // namespace

void start_autosave() {
  finish_autosave();
  if (!game_in_progress()) return;
  auto copy = std::make_shared<GameCopy>();
  std::string why;
  if (!copy_game(*copy, why)) {
    report_failed_write("the game", kAutosaveFile, "it would not load again: " + why);
    return;
  }
  // By its full name: the working folder may change while it is written.
  char cwd[4096];
  const std::string path = std::string(getcwd(cwd, sizeof cwd) ? cwd : ".") + "/" + kAutosaveFile;
  // The picture is small: written here, before the game's file beside the loop.
  if (write_thumbnail(path, last_room_picture(), why) != 0)
    note_in_bug_report("%s: %s", thumbnail_path(path).c_str(), why.c_str());
  autosave_under_way() = std::async(std::launch::async, [copy, path] { return write_copy(*copy, path); });
}

int finish_autosave() {
  std::future<Written>& job = autosave_under_way();
  if (!job.valid()) return kSaveDone;
  const Written done = job.get();
  if (done.result != kSaveDone) {
    report_failed_write("the game", kAutosaveFile, done.why);
    if (done.result == kSaveCannotWrite) storage_failed();
  }
  return done.result;
}

int save_game(int slot) {
  if (slot < 0 || slot >= kSaveSlots) return kSaveRefused;
  const SaveResult result = save_to(slot_path(slot));
  if (result != kSaveDone) return result;
  // The slot's name is kept with the options.
  save_options();
  return kSaveDone;
}

int delete_game(int slot) {
  if (slot < 0 || slot >= kSaveSlots) return -1;
  const std::string path = slot_path(slot);
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) {
    note_in_bug_report("%s could not be removed: %s", path.c_str(), std::strerror(errno));
    return -1;
  }
  remove_slot_info(path);
  std::memset(save_name[slot], ' ', kSlotNameLen);
  save_options();
  return 0;
}

int load_game(int slot) {
  if (slot < 0 || slot >= kSaveSlots) return kLoadMissing;
  return load_from(slot_path(slot));
}

const char* save_failure_text(int result) {
  return result == kSaveRefused ? TR("Nicht gespeichert: dieser Spielstand wäre nicht ladbar.",
                                     "Not saved: this game could not be loaded again.")
                                : TR("Nicht gespeichert: der Ordner sav ist voll oder gesperrt.",
                                     "Not saved: the folder sav is full or read-only.");
}

const char* load_failure_text(int result) {
  if (result == kLoadMissing)
    return TR("Auf diesem Platz ist kein Spiel gespeichert.", "There is no saved game in this slot.");
  if (result == kLoadCannotWrite)
    return TR("Nicht geladen: der Spielstand ist heil, aber sav/tmp ist gesperrt.",
              "Not loaded: the game is whole, but sav/tmp cannot be written.");
  return TR("Dieser Spielstand ist beschädigt und wurde nicht geladen.",
            "This saved game is damaged and was not loaded.");
}

bool game_in_progress() {
  // The main loop counts its passes from the first one on; before that the
  // player is in the menus or the opening of a new game.
  return game > 0;
}

int save_autosave() {
  if (!game_in_progress()) return 0;
  return save_to(kAutosaveFile);
}

int load_autosave() {
  return load_from(kAutosaveFile);
}

namespace {

// When `path` was last written (0 when it is not a regular file).
struct timespec written_at(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
  return st.st_mtim;
}

bool later(const struct timespec& a, const struct timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

}  // namespace

std::string latest_saved_game() {
  finish_autosave();
  std::string latest = kAutosaveFile;
  struct timespec latest_at = written_at(latest);
  for (int slot = 0; slot < kSaveSlots; ++slot) {
    const std::string path = slot_path(slot);
    if (const struct timespec at = written_at(path); later(at, latest_at)) {
      latest = path;
      latest_at = at;
    }
  }
  return latest;
}

int load_latest_game() {
  return load_from(latest_saved_game());
}

bool autosave_exists() {
  struct stat st;
  return stat(kAutosaveFile, &st) == 0 && S_ISREG(st.st_mode);
}

void remove_autosave() {
  finish_autosave();  // an autosave under way would bring the file back
  if (std::remove(kAutosaveFile) != 0 && errno != ENOENT)
    note_in_bug_report("%s could not be removed: %s", kAutosaveFile, std::strerror(errno));
  remove_slot_info(kAutosaveFile);
}
