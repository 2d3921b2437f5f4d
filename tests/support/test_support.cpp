#include "support/test_support.h"
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include "headless_driver/story_player.h"

namespace test_support {
namespace {
// A move of the story player that fails fails the test that made it.
const bool failed_moves_fail_the_test =
    (story::report_failures_with([](const std::string& why) { ADD_FAILURE() << why; }), true);
}  // namespace

double shown_share(BITMAP* frame, BITMAP* picture, int at_x, int at_y) {
  int opaque = 0, same = 0;
  for (int yy = 0; yy < picture->h; ++yy)
    for (int xx = 0; xx < picture->w; ++xx) {
      const int want = getpixel(picture, xx, yy);
      if (want != bitmap_mask_color(picture)) ++opaque, same += getpixel(frame, at_x + xx, at_y + yy) == want;
    }
  return opaque ? static_cast<double>(same) / opaque : 0.0;
}

std::string here(const std::string& name) { return std::filesystem::current_path().string() + "/" + name; }

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const std::string& c) { std::ofstream(path, std::ios::binary) << c; }

void copy_data_file(const std::string& name, long length) {
  namespace fs = std::filesystem;
  const std::string dir = name.substr(0, name.find('/'));
  if (dir != name && fs::is_symlink(dir)) {
    fs::remove(dir), fs::create_directory(dir);
    for (const auto& e : fs::directory_iterator(std::string(PELVARO_DATA_DIR) + "/" + dir))
      fs::create_symlink(e.path(), dir + "/" + e.path().filename().string());
  }
  std::string content = read_file(std::string(PELVARO_DATA_DIR) + "/" + name);
  if (length >= 0) content.resize(std::min(content.size(), static_cast<size_t>(length)));
  unlink(name.c_str()), write_file(name, content);
}

std::map<std::string, std::string> folder_snapshot(const std::vector<std::string>& except) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (auto it = std::filesystem::recursive_directory_iterator(".", ec); it != decltype(it)(); it.increment(ec)) {
    const std::string path = it->path().lexically_relative(".").generic_string();
    struct stat st;
    // The lock a running game holds in its folder is no file of the player's.
    if (path == "pelvaro.lock" ||
        std::any_of(except.begin(), except.end(), [&](const std::string& e) { return path.rfind(e, 0) == 0; }) ||
        lstat(it->path().c_str(), &st) != 0)
      continue;
    std::string what = std::to_string(st.st_mode) + " " + std::to_string(st.st_size) + " " + std::to_string(st.st_ino) +
                       " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    if (S_ISLNK(st.st_mode)) what += " -> " + std::filesystem::read_symlink(it->path(), ec).string();
    files[path] = what;
  }
  return files;
}

}  // namespace test_support
