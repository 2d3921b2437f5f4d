#include "datafile.h"

#include <allegro.h>

#include <cstdio>
#include <stdexcept>

namespace mkassets {
namespace {

void put16(std::vector<std::uint8_t>& d, int v) {
  d.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  d.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
void put32(std::vector<std::uint8_t>& d, long v) {
  for (int s = 24; s >= 0; s -= 8) d.push_back(static_cast<std::uint8_t>((v >> s) & 0xFF));
}

}  // namespace

void Datafile::add_bitmap(const std::string& name, const Image16& image) {
  Object o{static_cast<std::uint32_t>(DAT_BITMAP), name, {}};
  o.data.reserve(6 + image.px.size() * 2);
  put16(o.data, 16);
  put16(o.data, image.w);
  put16(o.data, image.h);
  // The pixels of a 16-bit bitmap are stored low byte first.
  for (std::uint16_t c : image.px) {
    o.data.push_back(static_cast<std::uint8_t>(c & 0xFF));
    o.data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  objects_.push_back(std::move(o));
}

void Datafile::add_font(const std::string& name, const MonoFont& font) {
  Object o{static_cast<std::uint32_t>(DAT_FONT), name, {}};
  put16(o.data, 0);  // the ranged font format
  put16(o.data, static_cast<int>(font.ranges.size()));
  for (const MonoRange& r : font.ranges) {
    o.data.push_back(1);  // monochrome
    put32(o.data, r.first);
    put32(o.data, r.first + static_cast<long>(r.glyphs.size()) - 1);  // last character, inclusive
    for (const MonoGlyph& g : r.glyphs) {
      put16(o.data, g.w);
      put16(o.data, g.h);
      o.data.insert(o.data.end(), g.bits.begin(), g.bits.end());
    }
  }
  objects_.push_back(std::move(o));
}

void Datafile::add_sample(const std::string& name, int frequency, const std::vector<std::int16_t>& samples) {
  Object o{static_cast<std::uint32_t>(DAT_SAMPLE), name, {}};
  put16(o.data, 16);  // bits; negative would be stereo
  put16(o.data, frequency);
  put32(o.data, static_cast<long>(samples.size()));
  // The library's samples are unsigned, low byte first.
  for (std::int16_t v : samples) {
    const auto u = static_cast<std::uint16_t>(v ^ 0x8000);
    o.data.push_back(static_cast<std::uint8_t>(u & 0xFF));
    o.data.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  objects_.push_back(std::move(o));
}

void Datafile::write(const std::string& path) const {
  // Packed with the library's own compression (as `dat -c2` does): the
  // pictures shrink to a sixth or less, and load_datafile unpacks them as it
  // reads. A file that stops halfway would be unreadable, so it is written
  // beside its place and renamed over it when whole.
  const std::string temp = path + ".tmp";
  PACKFILE* f = pack_fopen(temp.c_str(), F_WRITE_PACKED);
  if (!f) throw std::runtime_error("cannot write " + path);
  pack_mputl(DAT_MAGIC, f);
  pack_mputl(static_cast<long>(objects_.size()), f);
  for (const Object& o : objects_) {
    if (!o.name.empty()) {
      pack_mputl(DAT_PROPERTY, f);
      pack_mputl(DAT_NAME, f);
      pack_mputl(static_cast<long>(o.name.size()), f);
      pack_fwrite(o.name.data(), static_cast<long>(o.name.size()), f);
    }
    pack_mputl(static_cast<long>(o.type), f);
    pack_mputl(static_cast<long>(o.data.size()), f);  // stored size
    pack_mputl(static_cast<long>(o.data.size()), f);  // positive: not compressed
    pack_fwrite(o.data.data(), static_cast<long>(o.data.size()), f);
  }
  const bool failed = pack_ferror(f);
  if (pack_fclose(f) != 0 || failed || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    throw std::runtime_error("error while writing " + path);
  }
}

void Datafile::write(const std::string& dir, const manifest::File& file,
                     std::span<const manifest::Run> runs) const {
  std::vector<std::string> expected;
  for (const manifest::Run& r : runs)
    for (int k = 0; k < r.count; ++k) expected.push_back(r.count == 1 ? r.label : r.label + std::to_string(k));
  if (expected.size() != static_cast<size_t>(file.entries))
    throw std::runtime_error(std::string(file.name) + ": the manifest's runs do not add up to its entries");
  for (size_t i = 0; i < expected.size() || i < objects_.size(); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(nothing)";
    const std::string have = i < objects_.size() ? objects_[i].name : "(nothing)";
    if (want != have)
      throw std::runtime_error(std::string(file.name) + ": entry " + std::to_string(i) + " is " + have +
                               " where the game reads " + want);
  }
  write(dir + "/" + file.name);
}

}  // namespace mkassets
