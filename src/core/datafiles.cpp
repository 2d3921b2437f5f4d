#include "core/datafiles.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "core/datafile_check.h"
#include "core/folders.h"
#include "platform/platform.h"

std::string data_file_path(const char* name) {
  return data_folder().empty() ? std::string(name) : data_folder() + "/" + name;
}

void fatal_data_error(const char* name, const char* why) {
  platform_text_mode();
  std::fprintf(stderr, "Pelvaro: cannot use the data file \"%s\": %s.\n", name, why);
  // make does not rebuild a file that is there, damaged or not.
  if (std::string_view(why).starts_with("it is damaged"))
    std::fprintf(stderr, "Generate the data again: remove the data folder (build/data), then make play.\n");
  else if (!data_folder().empty())
    std::fprintf(stderr, "The game's data folder %s is incomplete: install the game again.\n",
                 data_folder().c_str());
  else
    std::fprintf(stderr, "Run the game from its data folder (make play builds it).\n");
  platform_exit(ExitStatus::bad_files);
}

int datafile_entry_count(const DATAFILE* dat) {
  int n = 0;
  if (dat)
    while (dat[n].type != DAT_END) ++n;
  return n;
}

void verify_data_file(const char* name) {
  std::string file;
  std::string why;
  if (check_data_file(name, file, why) != 0) fatal_data_error(file.c_str(), why.c_str());
}

DATAFILE* load_datafile_checked(const char* name, int min_entries) {
  verify_data_file(name);
  DATAFILE* dat = load_datafile(data_file_path(name).c_str());
  if (!dat) fatal_data_error(name, "missing or unreadable");
  if (datafile_entry_count(dat) < min_entries) {
    unload_datafile(dat);
    fatal_data_error(name, "it holds too few entries");
  }
  return dat;
}

BITMAP* datafile_bitmap(const DATAFILE* dat, int index, const char* name) {
  if (!dat || index < 0 || index >= datafile_entry_count(dat) || dat[index].type != DAT_BITMAP)
    fatal_data_error(name, "an entry that should be a picture is not one");
  return static_cast<BITMAP*>(dat[index].dat);
}

MIDI* load_midi_checked(const char* name) {
  verify_data_file(name);
  MIDI* midi = load_midi(data_file_path(name).c_str());
  if (!midi) fatal_data_error(name, "missing or unreadable");
  return midi;
}

SAMPLE* load_sample_checked(const char* name) {
  verify_data_file(name);
  SAMPLE* sample = load_sample(data_file_path(name).c_str());
  if (!sample) fatal_data_error(name, "missing or unreadable");
  return sample;
}

void play_film_checked(const char* name, BITMAP* buffer) {
  verify_data_file(name);
  if (platform_play_film(data_file_path(name).c_str(), buffer) != 0) fatal_data_error(name, "missing or unreadable");
}
