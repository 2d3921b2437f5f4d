// The check against checksums.txt of every file the start-up loads before the main menu (patches, film,
// jingle, datafiles, introduction, 43 rooms, menu): what it adds to every start. Compare with bench_startup.
#include <sys/stat.h>
#include "bench_util.h"
#include "core/datafile_check.h"
#include "rooms/registry.h"

int main() {
  std::vector<std::string> files = {"patches.dat", "flc/proud.flc", "sfx/logo.wav", "title.dat", "sfx/track01.mid",
      "intro.dat", "walk.dat", "talkf.dat", "general.dat", "cursor.dat", "objects.dat", "font.dat", "menu.dat", "sounds.dat"};
  for (const RoomScript* room : kRooms) files.push_back(room->data_file);
  long long bytes = 0;
  for (const std::string& f : files) {
    struct stat st;
    bytes += stat(f.c_str(), &st) == 0 ? st.st_size : 0;
  }
  int failed = 0;
  const double us = median_us(9, [&] {
    std::string file, why;
    for (const std::string& f : files) failed += check_data_file(f.c_str(), file, why) != 0;
  });
  std::printf("data file check of the start-up's %zu files (%.1f MB): median %.1f ms over 9 runs (%.2f GB/s)%s\n",
              files.size(), bytes / 1e6, us / 1000, bytes / (us * 1000), failed ? "; SOME FILES FAILED" : "");
  return failed ? 1 : 0;
}
