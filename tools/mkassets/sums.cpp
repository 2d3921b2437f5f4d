// checksums.txt: the size and checksum of every data file in the folder
// (src/core/data_sums.h), which the game checks before it loads a file.
// It lists whatever the folder holds with a data file's ending, so a file
// that a new module writes is covered without being named here.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data_sums.h"
#include "generator.h"

namespace mkassets {

namespace fs = std::filesystem;

namespace {

std::uint64_t checksum_of(const fs::path& file, std::uintmax_t& size) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<unsigned char> buffer(1 << 20);
  DataChecksum sum;
  size = 0;
  for (;;) {
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    const size_t got = static_cast<size_t>(in.gcount());
    sum.add(buffer.data(), got);
    size += got;
    if (got < buffer.size()) break;
  }
  return sum.value();
}

}  // namespace

void make_sums(const Context& ctx) {
  std::vector<std::string> files;
  const fs::path root(ctx.data_dir);
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string relative = fs::relative(it->path(), root).generic_string();
    // The game's own files (state files, saved games) are not data.
    if (it->is_directory() && relative == "sav") {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file() && is_listed_data_file(relative)) files.push_back(relative);
  }
  std::sort(files.begin(), files.end());
  std::string text;
  for (const std::string& f : files) {
    std::uintmax_t size = 0;
    const std::uint64_t sum = checksum_of(root / f, size);
    char line[64];
    std::snprintf(line, sizeof line, "%016" PRIx64 " %ju ", sum, size);
    text += line + f + "\n";
  }
  const std::string temp = ctx.path(std::string(kDataSumsFile) + ".tmp");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + temp);
  }
  fs::rename(temp, ctx.path(kDataSumsFile));
}

}  // namespace mkassets
