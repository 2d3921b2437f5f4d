// One pass of the inventory screen with ten items in the bag: the pointer
// over an item (its description drawn), against the 55 ms frame.
#include <chrono>
#include <cstdio>

#include "interaction/inventory.h"
#include "interaction/items.h"
#include "platform/headless.h"
#include "rooms/rooms.h"
#include "shell/data_manifest.h"
#include "shell/datafiles.h"
#include "shell/hardware.h"
#include "shell/world.h"

int main() {
  using namespace manifest;
  headless::reset(1);
  init_hardware();
  walk_dat = load_datafile_checked(kWalkFile.name, kWalkFile.entries);
  talkf_dat = load_datafile_checked(kTalkfFile.name, kTalkfFile.entries);
  general_dat = load_datafile_checked(kGeneralFile.name, kGeneralFile.entries);
  cursor_dat = load_datafile_checked(kCursorFile.name, kCursorFile.entries);
  objects_dat = load_datafile_checked(kObjectsFile.name, kObjectsFile.entries);
  font_dat = load_datafile_checked(kFontFile.name, kFontFile.entries);
  load_general_data();
  init_general_variables();
  room_name = "future_floor1";
  change_room = 0;
  forget_loaded_animations();
  load_new_room();
  change_room = -1;
  for (const char* item : {"access", "tool", "Gaz", "schlauch", "Bunsenbrenner", "Alkohol", "glasses", "diamond", "kanister", "Limonade"})
    give_item(item);

  // The pointer rests on the first item; a right click after 20 virtual
  // seconds closes the screen.
  headless::mouse_at(1, 140, 190, 0);
  headless::mouse_at(20000, 140, 190, 2);
  headless::mouse_at(20100, 140, 190, 0);
  const auto a = std::chrono::steady_clock::now();
  main_invent();
  const auto b = std::chrono::steady_clock::now();
  const double us = std::chrono::duration<double, std::micro>(b - a).count();
  std::printf("inventory screen, %d items: %d passes in %.0f ms, %.1f us per pass (frame 55000 us)\n", invent_nr,
              invent, us / 1000, us / (invent > 0 ? invent : 1));
  return 0;
}
