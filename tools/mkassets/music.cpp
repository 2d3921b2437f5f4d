// The two music tracks as Standard MIDI files, written by our own small MIDI
// writer: track01.mid for the title and menu, track02.mid for the game. Both
// loop seamlessly: they end on a bar line with every note released.
//
// The instruments are General MIDI programs that Debian's freepats provides.
// Allegro's DIGMID driver plays them from patches.dat, the patch set written
// here from the tracks themselves: it holds exactly the programs and drums the
// two tracks play, under an index in the library's own format (programs
// counted from 1, the drums in a block from 129), so nothing is silent.
#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "generator.h"

namespace mkassets {
namespace {

constexpr int kDivision = 480;  // ticks per quarter note
constexpr int kBar = 4 * kDivision;
constexpr int kDrums = 9;  // channel 10

struct Event {
  int tick;
  int order;  // at one tick: note-offs before note-ons
  std::vector<std::uint8_t> bytes;
};

class Song {
 public:
  explicit Song(int bpm) : bpm_(bpm) {}

  void program(int channel, int program, int volume, int pan) {
    // The drum channel takes no program: the library would load that
    // program's patch for nothing.
    if (channel != kDrums) {
      programs_.insert(program);
      add(0, 0, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
    }
    add(0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 7, static_cast<std::uint8_t>(volume)});
    add(0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 10, static_cast<std::uint8_t>(pan)});
  }
  void note(int channel, int tick, int length, int key, int velocity) {
    if (channel == kDrums) drum_keys_.insert(key);
    ++notes_;
    add(tick, 2, {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
                  static_cast<std::uint8_t>(velocity)});
    add(tick + length, 1, {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
  }
  void set_end(int tick) { end_ = tick; }
  const std::set<int>& programs() const { return programs_; }
  const std::set<int>& drum_keys() const { return drum_keys_; }
  int notes() const { return notes_; }
  double seconds() const { return 60.0 * end_ / kDivision / bpm_; }

  // A format-0 file: one track holding the tempo and all channels.
  std::vector<std::uint8_t> bytes() const {
    std::vector<Event> ev = events_;
    std::stable_sort(ev.begin(), ev.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<std::uint8_t> trk;
    const int tempo = 60000000 / bpm_;
    push_delta(trk, 0);
    trk.insert(trk.end(), {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(tempo >> 16),
                           static_cast<std::uint8_t>(tempo >> 8), static_cast<std::uint8_t>(tempo)});
    push_delta(trk, 0);
    trk.insert(trk.end(), {0xFF, 0x58, 0x04, 4, 2, 24, 8});
    int now = 0;
    for (const Event& e : ev) {
      if (e.tick > end_) throw std::logic_error("a note runs past the end of the song");
      push_delta(trk, e.tick - now);
      now = e.tick;
      trk.insert(trk.end(), e.bytes.begin(), e.bytes.end());
    }
    push_delta(trk, end_ - now);
    trk.insert(trk.end(), {0xFF, 0x2F, 0x00});
    // header: format 0, one track, the division; then the track chunk
    const auto n = static_cast<std::uint32_t>(trk.size());
    const std::uint8_t head[22] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1,
                                   static_cast<std::uint8_t>(kDivision >> 8), static_cast<std::uint8_t>(kDivision & 0xFF),
                                   'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                                   static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    std::vector<std::uint8_t> out(head, head + sizeof head);
    out.reserve(out.size() + trk.size());
    for (std::uint8_t b : trk) out.push_back(b);
    return out;
  }

 private:
  static void push_delta(std::vector<std::uint8_t>& d, int v) {
    std::uint8_t buf[5];
    int n = 0;
    buf[n++] = static_cast<std::uint8_t>(v & 0x7F);
    while (v >>= 7) buf[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
    while (n) d.push_back(buf[--n]);
  }
  void add(int tick, int order, std::vector<std::uint8_t> b) { events_.push_back({tick, order, std::move(b)}); }

  int bpm_;
  int end_ = 0;
  int notes_ = 0;
  std::vector<Event> events_;
  std::set<int> programs_;
  std::set<int> drum_keys_;
};

void write_file(const std::string& path, const std::vector<std::uint8_t>& data) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

// A chord: root key and the intervals of its tones.
struct Chord {
  int root;
  bool minor;
  int tone(int i) const {  // i-th chord tone upwards (0 root, 1 third, 2 fifth, 3 octave ...)
    const int steps[3] = {0, minor ? 3 : 4, 7};
    return root + 12 * (i / 3) + steps[((i % 3) + 3) % 3] - (i < 0 ? 12 : 0);
  }
};

// A melodic figure over one bar: (start in eighths, length in eighths, chord tone).
struct Figure {
  int start, length, tone;
};

void drums_bar(Song& s, int bar_tick, bool fill, bool light) {
  const int e = kDivision / 2;
  for (int i = 0; i < 8; ++i)
    if (!light || i % 2 == 0) s.note(kDrums, bar_tick + i * e, e / 2, 42, i % 2 ? 50 : 64);  // closed hi-hat
  s.note(kDrums, bar_tick, e, 36, 96);  // kick on one
  if (!light) s.note(kDrums, bar_tick + 5 * e, e, 36, 80);
  // snare (or rim click when light) on two and four
  s.note(kDrums, bar_tick + kDivision, e, light ? 37 : 38, light ? 56 : 84);
  if (fill) {
    s.note(kDrums, bar_tick + 6 * e, e / 2, 38, 70);
    s.note(kDrums, bar_tick + 6 * e + e / 2, e / 2, 38, 76);
    s.note(kDrums, bar_tick + 7 * e, e / 2, 45, 84);
    s.note(kDrums, bar_tick + 7 * e + e / 2, e / 2, 43, 90);
  } else {
    s.note(kDrums, bar_tick + 3 * kDivision, e, light ? 37 : 38, light ? 56 : 84);
  }
}

// The title track: a bright, driving theme in A minor, 100 bpm, 32 bars.
Song title_track() {
  Song s(100);
  s.program(0, 80, 84, 64);  // lead: square wave
  s.program(1, 88, 70, 40);  // pad: new age
  s.program(2, 38, 96, 64);  // bass: synth bass
  s.program(3, 98, 64, 90);  // sparkle: crystal
  s.program(kDrums, 0, 90, 64);
  const Chord A{57, true}, F{53, false}, C{48 + 12, false}, G{55, false}, D{50 + 12, true}, E{52, false};
  const std::vector<Chord> verse = {A, F, C, G, A, F, D, E};
  const std::vector<Chord> chorus = {F, G, A, A, F, G, C, E};
  std::vector<Chord> bars;
  for (const auto* part : {&verse, &verse, &chorus, &verse}) bars.insert(bars.end(), part->begin(), part->end());
  const std::vector<Figure> figures[4] = {
      {{0, 2, 3}, {2, 1, 4}, {3, 1, 5}, {4, 3, 4}, {7, 1, 3}},
      {{0, 1, 5}, {1, 1, 4}, {2, 2, 3}, {4, 2, 2}, {6, 2, 3}},
      {{0, 3, 6}, {3, 1, 5}, {4, 2, 4}, {6, 2, 5}},
      {{0, 2, 4}, {2, 2, 3}, {4, 4, 2}},
  };
  const int e = kDivision / 2;
  for (size_t b = 0; b < bars.size(); ++b) {
    const int t = static_cast<int>(b) * kBar;
    const Chord& c = bars[b];
    const bool intro = b < 4;
    // pad: the whole chord, the whole bar
    for (int i = 0; i < 3; ++i) s.note(1, t, kBar - 10, c.tone(i) - (c.root > 56 ? 12 : 0), 56);
    // bass: root on eighths with an octave jump
    for (int i = 0; i < 8; ++i) {
      const int key = (c.root % 12) + 36 + ((i % 4 == 3) ? 12 : 0);
      s.note(2, t + i * e, e - 20, key, i % 2 ? 78 : 92);
    }
    // lead: the figures, silent in the first four bars
    if (!intro) {
      const auto& fig = figures[(b + (b >= 16 && b < 24 ? 2 : 0)) % 4];
      for (const Figure& f : fig) s.note(0, t + f.start * e, f.length * e - 30, c.tone(f.tone) + 12, 88);
    }
    // sparkle: a rising arpeggio every other bar
    if (b % 2 == 1)
      for (int i = 0; i < 4; ++i) s.note(3, t + 4 * e + i * e, e, c.tone(3 + i) + 12, 52);
    drums_bar(s, t, b % 8 == 7, intro);
  }
  s.set_end(static_cast<int>(bars.size()) * kBar);
  return s;
}

// The in-game track: calm and curious, D minor, 84 bpm, 32 bars in four
// parts, so that an hour of it does not wear: the theme on electric piano
// over strings; the flute's answer; the theme with the flute's second
// voice; then a quiet part without drums, the piano in half time, that
// leads back to the start.
Song game_track() {
  Song s(84);
  s.program(0, 4, 80, 56);    // electric piano
  s.program(1, 48, 60, 72);   // strings
  s.program(2, 33, 92, 64);   // finger bass
  s.program(3, 73, 70, 48);   // flute
  s.program(kDrums, 0, 70, 64);
  const Chord Dm{50, true}, Bb{46 + 12, false}, F{53, false}, C{48 + 12, false}, Gm{55, true}, A{57, false};
  const std::vector<Chord> a = {Dm, Bb, F, C, Dm, Gm, A, A};
  const std::vector<Chord> b = {Gm, Dm, Bb, A, Gm, Dm, Bb, C};
  const std::vector<Chord> quiet = {Bb, F, Gm, Dm, Bb, C, A, A};
  std::vector<Chord> bars;
  for (const auto* part : {&a, &b, &a, &quiet}) bars.insert(bars.end(), part->begin(), part->end());
  const int e = kDivision / 2;
  const int piano[8] = {0, 2, 1, 2, 3, 2, 1, 2};
  const std::vector<Figure> flute[3] = {
      {{0, 3, 4}, {3, 1, 3}, {4, 4, 2}},
      {{0, 2, 5}, {2, 2, 4}, {4, 2, 3}, {6, 2, 4}},
      {{2, 6, 3}},
  };
  for (size_t i = 0; i < bars.size(); ++i) {
    const int t = static_cast<int>(i) * kBar;
    const Chord& c = bars[i];
    const bool calm = i >= 24;
    if (calm) {
      for (int k = 0; k < 4; ++k) s.note(0, t + k * 2 * e, 2 * e - 10, c.tone(piano[2 * k]), k % 2 ? 54 : 64);
      s.note(2, t, 8 * e - 20, (c.root % 12) + 38, 76);
    } else {
      for (int k = 0; k < 8; ++k) s.note(0, t + k * e, k == 7 ? e - 10 : e + 60, c.tone(piano[k]), k % 2 ? 58 : 70);
      s.note(2, t, 3 * e - 20, (c.root % 12) + 38, 88);
      s.note(2, t + 3 * e, e - 20, (c.root % 12) + 38, 72);
      s.note(2, t + 4 * e, 4 * e - 20, (c.root % 12) + 38 + 7, 80);
    }
    for (int k = 0; k < 3; ++k) s.note(1, t, kBar - 10, c.tone(k) - 12, calm ? 58 : 50);
    if (i >= 8 && i < 16) {
      for (const Figure& f : flute[i % 3]) s.note(3, t + f.start * e, f.length * e - 30, c.tone(f.tone) + 12, 76);
    } else if (i >= 16 && i < 24 && i % 2 == 1) {
      // the second voice: lower and softer, every other bar
      for (const Figure& f : flute[(i + 1) % 3]) s.note(3, t + f.start * e, f.length * e - 30, c.tone(f.tone), 64);
    }
    if (!calm || i >= 30) drums_bar(s, t, false, true);
  }
  s.set_end(static_cast<int>(bars.size()) * kBar);
  return s;
}

// Debian's freepats: one GUS patch per program or drum key, named
// "NNN_<name>.pat" in Tone_000 (programs) and Drum_000 (drum keys).
const char* const kFreepats = "/usr/share/midi/freepats";

// The patch of program or drum key `n` in `bank`, as "Tone_000/004_....pat".
std::string freepats_patch(const char* bank, int n) {
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "%03d_", n);
  const std::filesystem::path dir = std::filesystem::path(kFreepats) / bank;
  std::vector<std::string> found;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    const std::string name = e.path().filename().string();
    if (name.starts_with(prefix) && name.ends_with(".pat")) found.push_back(name);
  }
  if (found.empty())
    throw std::runtime_error(std::string("freepats has no patch for ") + bank + " " + std::to_string(n) + " in " +
                             dir.string() + " (install the freepats package)");
  std::sort(found.begin(), found.end());
  return std::string(bank) + "/" + found.front();
}

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// patches.dat for the DIGMID driver: an Allegro datafile holding the index
// "default_cfg" and one PAT object per instrument, named as the index names
// it. The driver reads the index in the old GUS format: "N file" gives
// program N - 1, and between "129 begin_multipatch" and "end_multipatch"
// "K file" gives drum key K. Written uncompressed: the driver skips the
// patches it does not need by their stored size.
void write_patch_set(const std::string& path, const std::vector<const Song*>& songs) {
  std::set<int> programs, drums;
  for (const Song* s : songs) {
    programs.insert(s->programs().begin(), s->programs().end());
    drums.insert(s->drum_keys().begin(), s->drum_keys().end());
  }
  std::string cfg = "# The instruments and drums of the game's two tracks\n";
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> patches;
  auto add = [&](const char* bank, int n, int index) {
    const std::string name = freepats_patch(bank, n);
    cfg += std::to_string(index) + " " + name + "\n";
    patches.emplace_back(name, read_file(std::string(kFreepats) + "/" + name));
  };
  for (int p : programs) add("Tone_000", p, p + 1);
  cfg += "129 begin_multipatch\n";
  for (int k : drums) add("Drum_000", k, k);
  cfg += "end_multipatch\n";

  PACKFILE* f = pack_fopen(path.c_str(), F_WRITE_NOPACK);
  if (!f) throw std::runtime_error("cannot write " + path);
  auto object = [&](long type, const std::string& name, const void* data, long size) {
    pack_mputl(DAT_PROPERTY, f);
    pack_mputl(DAT_NAME, f);
    pack_mputl(static_cast<long>(name.size()), f);
    pack_fwrite(name.data(), static_cast<long>(name.size()), f);
    pack_mputl(type, f);
    pack_mputl(size, f);  // stored size
    pack_mputl(size, f);  // the same: not compressed
    pack_fwrite(data, size, f);
  };
  pack_mputl(DAT_MAGIC, f);
  pack_mputl(static_cast<long>(patches.size() + 1), f);
  object(DAT_DATA, "default_cfg", cfg.data(), static_cast<long>(cfg.size()));
  for (const auto& [name, bytes] : patches) object(DAT_PATCH, name, bytes.data(), static_cast<long>(bytes.size()));
  const bool failed = pack_ferror(f);
  pack_fclose(f);
  if (failed) throw std::runtime_error("error while writing " + path);
}

}  // namespace

void make_music(const Context& ctx) {
  const Song title = title_track(), game = game_track();
  write_file(ctx.path("sfx/track01.mid"), title.bytes());
  write_file(ctx.path("sfx/track02.mid"), game.bytes());
  write_patch_set(ctx.path("patches.dat"), {&title, &game});
  for (const auto& [name, s] : {std::pair{"track01.mid", &title}, std::pair{"track02.mid", &game}}) {
    std::string programs;
    for (int p : s->programs()) programs += " " + std::to_string(p);
    std::printf("mkassets: %s %.1f s, %d notes, programs%s, %zu drum keys\n", name, s->seconds(), s->notes(),
                programs.c_str(), s->drum_keys().size());
  }
}

}  // namespace mkassets
