#include "core/folders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/data_sums.h"
#include "platform/platform.h"

// The installed data folder as seen from the installed programs' folder
// (the install rules of CMakeLists.txt give it).
#ifndef PELVARO_DATA_FROM_PROGRAMS
#define PELVARO_DATA_FROM_PROGRAMS "../../../share/games/pelvaro"
#endif

namespace fs = std::filesystem;

namespace {

std::string data_folder_in_use;

bool holds_data(const fs::path& folder) {
  struct stat st;
  return stat((folder / kDataSumsFile).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// $XDG_DATA_HOME/pelvaro; a relative or empty XDG_DATA_HOME is ignored, as
// the XDG base directory rules say, and ~/.local/share stands in.
std::string player_folder(const char* xdg_data_home, const char* home) {
  if (xdg_data_home && xdg_data_home[0] == '/') return (fs::path(xdg_data_home) / "pelvaro").string();
  std::string home_dir = home && home[0] ? home : "";
  if (home_dir.empty())
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) home_dir = pw->pw_dir;
  return (fs::path(home_dir.empty() ? "/" : home_dir) / ".local/share/pelvaro").string();
}

// Makes `folder` and the folders above it that are missing (private to the
// player, as the XDG rules ask). Returns 0, or -1 with `why` set.
int make_folders(const std::string& folder, std::string& why) {
  std::string path;
  for (const fs::path& part : fs::path(folder)) {
    path = (fs::path(path) / part).string();
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
      why = std::strerror(errno);
      return -1;
    }
  }
  struct stat st;
  if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    why = "it is not a folder";
    return -1;
  }
  return 0;
}

std::string program_folder() {
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : program.parent_path().string();
}

[[noreturn]] void unusable_folder(const std::string& folder, const std::string& why) {
  std::fprintf(stderr, "Pelvaro: cannot keep your settings and games in the folder \"%s\": %s.\n", folder.c_str(),
               why.c_str());
  std::exit(static_cast<int>(ExitStatus::bad_files));
}

}  // namespace

GameFolders find_game_folders(const std::string& program_dir, const char* xdg_data_home, const char* home) {
  if (!program_dir.empty()) {
    const fs::path installed = fs::path(program_dir) / PELVARO_DATA_FROM_PROGRAMS;
    if (holds_data(installed))
      return {fs::weakly_canonical(installed).string(), player_folder(xdg_data_home, home)};
  }
  // A program of the build folder reads build/data and writes build/player, so the data stays as the build made
  // it; only another data folder (a test's) is both.
  const fs::path build_data = fs::path(program_dir) / "data";
  const bool in_build = !program_dir.empty() && holds_data(build_data);
  std::error_code ec;
  if (holds_data(".") && !(in_build && fs::equivalent(".", build_data, ec))) return {"", ""};
  if (in_build)
    return {fs::weakly_canonical(build_data).string(), fs::weakly_canonical(fs::path(program_dir) / "player").string()};
  return {"", ""};
}

void use_game_folders() {
  GameFolders folders = find_game_folders(program_folder(), std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!folders.player.empty()) {
    std::string why;
    if (make_folders(folders.player, why) != 0) unusable_folder(folders.player, why);
    if (chdir(folders.player.c_str()) != 0) unusable_folder(folders.player, std::strerror(errno));
  }
  // Run in its own data folder, the game reads it by relative names.
  if (folders.data == folders.player) folders.data.clear();
  data_folder_in_use = folders.data;
}

const std::string& data_folder() { return data_folder_in_use; }
