#include "core/datafile_check.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "core/data_sums.h"
#include "core/datafiles.h"
#include "core/files.h"

namespace {

struct Listed {
  std::uint64_t sum = 0;
  long long size = -1;
};

// Looks `name` up in the list; the list is small and read afresh each time,
// so it always describes the folder the game runs in.
int find_listed(const char* name, Listed& listed, std::string& file, std::string& why) {
  std::string reason;
  FILE* f = open_regular_file(data_file_path(kDataSumsFile).c_str(), reason);
  if (!f) {
    file = kDataSumsFile;
    why = reason == kFileMissing ? "missing or unreadable" : reason;
    return -1;
  }
  char line[4096];
  bool found = false;
  bool damaged = false;
  while (!found && std::fgets(line, sizeof line, f)) {
    std::uint64_t sum = 0;
    long long size = 0;
    int path_at = 0;
    if (std::sscanf(line, "%16" SCNx64 " %lld %n", &sum, &size, &path_at) != 2 || path_at == 0) {
      damaged = true;
      break;
    }
    char* path = line + path_at;
    path[std::strcspn(path, "\r\n")] = '\0';
    if (std::strcmp(path, name) == 0) {
      listed.sum = sum;
      listed.size = size;
      found = true;
    }
  }
  std::fclose(f);
  if (damaged) {
    file = kDataSumsFile;
    why = "it is damaged";
    return -1;
  }
  if (!found) {
    file = name;
    why = std::string("it is not one of the game's data files listed in ") + kDataSumsFile;
    return -1;
  }
  return 0;
}

}  // namespace

int check_data_file(const char* name, std::string& file, std::string& why) {
  Listed listed;
  if (find_listed(name, listed, file, why) != 0) return -1;
  file = name;
  std::string reason;
  const int fd = open_regular_fd(data_file_path(name).c_str(), reason);
  if (fd < 0) {
    why = "missing or unreadable";
    return -1;
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || st.st_size != listed.size) {
    close(fd);
    char text[128];
    std::snprintf(text, sizeof text, "it is damaged (%lld bytes where the game's data has %lld)",
                  static_cast<long long>(st.st_size), listed.size);
    why = text;
    return -1;
  }
  // Read in pieces of a whole number of checksum blocks; one buffer serves
  // every check.
  static std::vector<unsigned char> buffer(1 << 20);
  DataChecksum sum;
  long long total = 0;
  for (;;) {
    size_t have = 0;
    while (have < buffer.size()) {
      const ssize_t n = read(fd, buffer.data() + have, buffer.size() - have);
      if (n <= 0) break;
      have += static_cast<size_t>(n);
    }
    sum.add(buffer.data(), have);
    total += static_cast<long long>(have);
    if (have < buffer.size()) break;
  }
  close(fd);
  if (total != listed.size || sum.value() != listed.sum) {
    why = "it is damaged (its contents differ from the game's data)";
    return -1;
  }
  return 0;
}
