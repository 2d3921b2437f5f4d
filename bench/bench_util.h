// What the benchmarks share: Allegro's start, wall-clock medians, reading a
// file whole, and a headless game standing in a room with its start-up data.
#pragma once

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/hardware.h"
#include "core/world.h"
#include "platform/platform.h"
#include "rooms/rooms.h"

// Allegro at 16 bits, through the real backend (`real`) or with no system.
inline bool start_allegro(bool real) {
  if (real ? platform_install() != 0 : install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0)
    return std::printf("Allegro did not start\n"), false;
  set_color_depth(16);
  return true;
}

template <typename F>
double median_us(int runs, F&& body) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto a = std::chrono::steady_clock::now();
    body();
    t.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - a).count());
  }
  std::sort(t.begin(), t.end());
  return t[t.size() / 2];
}

inline std::string slurp(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The start-up datafiles loaded, the new game's variables set and `room`
// loaded as a room change loads it (the hardware already started).
inline void stand_in_room(const char* room) {
  using namespace manifest;
  DATAFILE** to[] = {&walk_dat, &talkf_dat, &general_dat, &cursor_dat, &objects_dat, &font_dat};
  const File* from[] = {&kWalkFile, &kTalkfFile, &kGeneralFile, &kCursorFile, &kObjectsFile, &kFontFile};
  for (int i = 0; i < 6; ++i) *to[i] = load_datafile_checked(from[i]->name, from[i]->entries);
  load_general_data(); init_general_variables();
  room_name = room;
  forget_loaded_animations(), load_new_room();
}
