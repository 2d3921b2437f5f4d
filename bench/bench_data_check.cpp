// The check of the data files against checksums.txt, over every file the
// start-up loads before the main menu (the music's patch set, the film, the
// jingle, the start-up datafiles, the introduction, the 43 rooms, the menu):
// what the check adds to every start. Compare with bench_startup.
#include <sys/stat.h>

#include "bench_util.h"
#include "rooms/registry.h"
#include "shell/datafile_check.h"

int main() {
  std::vector<std::string> files = {"patches.dat", "flc/proud.flc", "sfx/logo.wav", "title.dat", "sfx/track01.mid",
                                    "intro.dat", "walk.dat", "talkf.dat", "general.dat", "cursor.dat",
                                    "objects.dat", "font.dat", "menu.dat"};
  for (const RoomScript* room : kRooms) files.push_back(room->data_file);
  long long bytes = 0;
  for (const std::string& f : files) {
    struct stat st;
    if (stat(f.c_str(), &st) == 0) bytes += st.st_size;
  }
  int failed = 0;
  const double us = median_us(9, [&] {
    for (const std::string& f : files) {
      std::string file, why;
      failed += check_data_file(f.c_str(), file, why) != 0;
    }
  });
  std::printf("data file check of the start-up's %zu files (%.1f MB): median %.1f ms over 9 runs (%.2f GB/s)%s\n",
              files.size(), bytes / 1e6, us / 1000, bytes / (us * 1000), failed ? "; SOME FILES FAILED" : "");
  return failed ? 1 : 0;
}
