#include "persistence/slot_info.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sstream>

#include <sys/stat.h>

#include "core/files.h"
#include "core/world.h"
#include "persistence/hints_kept.h"
#include "story/story_progress.h"

namespace {

constexpr const char* kInfoTag = "pelvaro_info";
constexpr int kInfoVersion = 1;
// A side file is a few lines; anything larger is no side file.
constexpr size_t kMaxInfoBytes = 4096;

uint32_t fnv1a(const std::string& bytes) {
  uint32_t h = 2166136261u;
  for (unsigned char c : bytes) h = (h ^ c) * 16777619u;
  return h;
}

bool read_small_file(const std::string& path, size_t limit, std::string& text) {
  std::string why;
  FILE* f = open_regular_file(path.c_str(), why);
  if (!f) return false;
  char chunk[4096];
  size_t got;
  text.clear();
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0 && text.size() <= limit) text.append(chunk, got);
  const bool read = !std::ferror(f) && text.size() <= limit;
  std::fclose(f);
  return read;
}

// The slot's size and sum, or false when the slot cannot be read.
bool seal_of(const std::string& slot_file, size_t& bytes, uint32_t& sum) {
  std::string packed;
  if (!read_small_file(slot_file, size_t{64} << 20, packed)) return false;
  bytes = packed.size();
  sum = fnv1a(packed);
  return true;
}

// Fills `info` from a side file's text when it is whole and describes a slot
// of `bytes` and `sum`.
bool parse_info(const std::string& text, size_t bytes, uint32_t sum, SlotInfo& info) {
  std::istringstream in(text);
  std::string tag;
  int version = 0;
  if (!(in >> tag >> version) || tag != kInfoTag || version != kInfoVersion) return false;
  bool saved = false, played = false, room = false, progress = false, sealed = false;
  unsigned long long slot_bytes = 0;
  std::string slot_sum;
  for (std::string name; in >> name;) {
    if (name == "saved") saved = static_cast<bool>(in >> info.saved_at);
    else if (name == "played_ms") played = static_cast<bool>(in >> info.played_ms) && info.played_ms >= 0;
    else if (name == "room") room = static_cast<bool>(in >> info.room);
    else if (name == "progress") progress = static_cast<bool>(in >> info.done >> info.total);
    else if (name == "hints_asked" || name == "hint_level") {
      // Kept as they stand, judged when a game is loaded.
      std::string rest;
      std::getline(in, rest);
      info.hints += name + rest + "\n";
    } else if (name == "slot_bytes") sealed = static_cast<bool>(in >> slot_bytes);
    else if (name == "slot_sum") sealed = sealed && static_cast<bool>(in >> slot_sum);
    else return false;
    if (!in) return false;
  }
  char expected[16];
  std::snprintf(expected, sizeof expected, "%08" PRIx32, sum);
  return saved && played && room && progress && sealed && slot_bytes == bytes && slot_sum == expected;
}

}  // namespace

std::string info_path(const std::string& slot_file) {
  const size_t dot = slot_file.rfind(".sav");
  return (dot == std::string::npos ? slot_file : slot_file.substr(0, dot)) + ".info";
}

std::string describe_running_game() {
  const StoryProgress progress = story_progress();
  std::string text = std::string(kInfoTag) + " " + std::to_string(kInfoVersion) + "\n";
  text += "saved " + std::to_string(static_cast<long long>(std::time(nullptr))) + "\n";
  text += "played_ms " + std::to_string(played_ms) + "\n";
  text += std::string("room ") + (room_name ? room_name : "") + "\n";
  text += "progress " + std::to_string(progress.done) + " " + std::to_string(progress.total) + "\n";
  return text + hints_kept_text();
}

int write_slot_info(const std::string& slot_file, const std::string& description, const std::string& packed,
                    std::string& why) {
  char sum[16];
  std::snprintf(sum, sizeof sum, "%08" PRIx32, fnv1a(packed));
  const std::string text = description + "slot_bytes " + std::to_string(packed.size()) + "\nslot_sum " + sum + "\n";
  return write_file_replacing(info_path(slot_file).c_str(), text.data(), text.size(), true, why);
}

SlotInfo read_slot_info(const std::string& slot_file) {
  SlotInfo info;
  struct stat st;
  info.exists = stat(slot_file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (!info.exists) return info;
  info.saved_at = static_cast<long long>(st.st_mtime);
  size_t bytes = 0;
  uint32_t sum = 0;
  std::string text;
  SlotInfo described = info;
  if (read_small_file(info_path(slot_file), kMaxInfoBytes, text) && seal_of(slot_file, bytes, sum) &&
      parse_info(text, bytes, sum, described)) {
    described.known = true;
    return described;
  }
  return info;
}

std::string thumbnail_path(const std::string& slot_file) {
  const size_t dot = slot_file.rfind(".sav");
  return (dot == std::string::npos ? slot_file : slot_file.substr(0, dot)) + ".bmp";
}

int write_thumbnail(const std::string& slot_file, BITMAP* room, std::string& why) {
  if (!room) {
    why = "no room has been drawn";
    return -1;
  }
  BITMAP* thumb = create_bitmap(kThumbnailWidth, kThumbnailHeight);
  stretch_blit(room, thumb, 0, 0, room->w, room->h, 0, 0, kThumbnailWidth, kThumbnailHeight);
  const std::string path = thumbnail_path(slot_file), temp = temporary_name(path.c_str());
  const bool saved = save_bmp(temp.c_str(), thumb, nullptr) == 0;
  destroy_bitmap(thumb);
  if (!saved || std::rename(temp.c_str(), path.c_str()) != 0) {
    why = saved ? std::strerror(errno) : "the picture could not be written";
    std::remove(temp.c_str());
    return -1;
  }
  return 0;
}

void remove_slot_info(const std::string& slot_file) {
  for (const std::string& path : {info_path(slot_file), thumbnail_path(slot_file)})
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
      note_in_bug_report("%s could not be removed: %s", path.c_str(), std::strerror(errno));
  remove_hints_beside(slot_file);
}
