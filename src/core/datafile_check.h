// Checks a file of the data folder before any loader of the library reads
// it: it must be a regular file listed in checksums.txt (data_sums.h) with
// the size and checksum the build recorded. The library's loaders trust
// what they read, so a truncated or damaged file would crash them.
#pragma once

#include <string>

// Returns 0 when `name` (relative to the data folder, '/' as separator)
// is whole. Otherwise returns -1, sets `file` to the file to blame (`name`,
// or the list itself when it is missing or damaged) and `why` to what is
// wrong with it.
int check_data_file(const char* name, std::string& file, std::string& why);
