// Writes Allegro datafiles: the game addresses every entry by its position, so
// entries are stored exactly in the order they are added.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/data_manifest.h"
#include "image.h"

namespace mkassets {

// A proportional monochrome font: one glyph per character of each range, all
// glyphs of the font the same height (Allegro takes the font's height from its
// first glyph).
struct MonoGlyph {
  int w = 0;
  int h = 0;
  std::vector<std::uint8_t> bits;  // rows of (w + 7) / 8 bytes, leftmost pixel in the high bit
};
struct MonoRange {
  int first = 0;  // first character code
  std::vector<MonoGlyph> glyphs;
};
struct MonoFont {
  std::vector<MonoRange> ranges;
};

class Datafile {
 public:
  void add_bitmap(const std::string& name, const Image16& image);
  void add_font(const std::string& name, const MonoFont& font);
  // A mono 16-bit sample.
  void add_sample(const std::string& name, int frequency, const std::vector<std::int16_t>& samples);
  size_t count() const { return objects_.size(); }
  // Writes the file packed with the library's compression; throws on failure.
  void write(const std::string& path) const;
  // Writes the datafile `file` into the folder `dir`, after checking that its
  // entries are exactly those of the game's manifest, in that order; throws
  // naming the first entry that is not.
  void write(const std::string& dir, const manifest::File& file, std::span<const manifest::Run> runs) const;

 private:
  struct Object {
    std::uint32_t type;
    std::string name;
    std::vector<std::uint8_t> data;
  };
  std::vector<Object> objects_;
};

}  // namespace mkassets
