// The list of the data folder's files with their sizes and checksums
// ("checksums.txt"), written by tools/mkassets when it generates the data and
// read by the game before any of those files reaches the library's loaders,
// so that a damaged file is refused with its name instead of crashing a
// loader. Shared by the game and the generator so both compute the same sums.
//
// One line per file: the checksum as 16 hexadecimal digits, the size in
// bytes and the path relative to the data folder with '/' as separator:
//   0123456789abcdef 5603822 walk.dat
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

inline constexpr const char* kDataSumsFile = "checksums.txt";

// Every file of the data folder with one of these endings is listed: the
// datafiles (pictures, fonts, the MIDI patch set), music, samples and films.
inline bool is_listed_data_file(std::string_view path) {
  for (std::string_view ending : {".dat", ".mid", ".wav", ".flc", ".fli"})
    if (path.size() > ending.size() && path.substr(path.size() - ending.size()) == ending) return true;
  return false;
}

// A 64-bit checksum in four independent lanes of eight bytes, fast enough to
// run over every file at start-up (several GB/s); damage goes unnoticed with
// odds of about 2^-64. Words are read in the machine's byte order: the data
// folder is generated on the machine that runs it.
class DataChecksum {
 public:
  // Feed the file in pieces whose sizes are multiples of kBlock, but for the
  // last one.
  static constexpr size_t kBlock = 32;

  void add(const unsigned char* p, size_t n) {
    size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
      for (int l = 0; l < 4; ++l) lane_[l] = round(lane_[l], word(p + i + 8 * l));
    tail_len_ = n - i;
    std::memcpy(tail_, p + i, tail_len_);
    total_ += n;
  }

  std::uint64_t value() const {
    std::uint64_t h = rotl(lane_[0], 1) + rotl(lane_[1], 7) + rotl(lane_[2], 12) + rotl(lane_[3], 18);
    for (int l = 0; l < 4; ++l) h = (h ^ round(0, lane_[l])) * kP1 + kP4;
    h += total_;
    size_t i = 0;
    for (; i + 8 <= tail_len_; i += 8) h = rotl(h ^ round(0, word(tail_ + i)), 27) * kP1 + kP4;
    for (; i < tail_len_; ++i) h = rotl(h ^ (tail_[i] * kP5), 11) * kP1;
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    h ^= h >> 32;
    return h;
  }

 private:
  static constexpr std::uint64_t kP1 = 0x9E3779B185EBCA87ULL;
  static constexpr std::uint64_t kP2 = 0xC2B2AE3D27D4EB4FULL;
  static constexpr std::uint64_t kP3 = 0x165667B19E3779F9ULL;
  static constexpr std::uint64_t kP4 = 0x85EBCA77C2B2AE63ULL;
  static constexpr std::uint64_t kP5 = 0x27D4EB2F165667C5ULL;

  static std::uint64_t rotl(std::uint64_t x, int r) { return (x << r) | (x >> (64 - r)); }
  static std::uint64_t word(const unsigned char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
  }
  static std::uint64_t round(std::uint64_t acc, std::uint64_t input) {
    acc += input * kP2;
    return rotl(acc, 31) * kP1;
  }

  std::uint64_t lane_[4] = {kP1 + kP2, kP2, 0, 0 - kP1};
  std::uint64_t total_ = 0;
  unsigned char tail_[kBlock] = {};
  size_t tail_len_ = 0;
};
