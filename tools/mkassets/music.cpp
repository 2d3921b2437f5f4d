// The two music tracks as Standard MIDI files, written by our own small MIDI
// writer: track01.mid for the title and menu, track02.mid for the game. Both
// loop seamlessly: they end on a bar line with every note released.
//
// The instruments are General MIDI programs that Debian's freepats provides,
// so Allegro's DIGMID driver plays them from patches.dat.
#include <algorithm>
#include <cstdint>
#include <fstream>
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
    add(0, 0, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
    add(0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 7, static_cast<std::uint8_t>(volume)});
    add(0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 10, static_cast<std::uint8_t>(pan)});
  }
  void note(int channel, int tick, int length, int key, int velocity) {
    add(tick, 2, {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
                  static_cast<std::uint8_t>(velocity)});
    add(tick + length, 1, {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
  }
  void set_end(int tick) { end_ = tick; }

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
  std::vector<Event> events_;
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

// The in-game track: calm and curious, D minor, 84 bpm, 24 bars.
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
  std::vector<Chord> bars;
  for (const auto* part : {&a, &b, &a}) bars.insert(bars.end(), part->begin(), part->end());
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
    for (int k = 0; k < 8; ++k) s.note(0, t + k * e, k == 7 ? e - 10 : e + 60, c.tone(piano[k]), k % 2 ? 58 : 70);
    for (int k = 0; k < 3; ++k) s.note(1, t, kBar - 10, c.tone(k) - 12, 50);
    s.note(2, t, 3 * e - 20, (c.root % 12) + 38, 88);
    s.note(2, t + 3 * e, e - 20, (c.root % 12) + 38, 72);
    s.note(2, t + 4 * e, 4 * e - 20, (c.root % 12) + 38 + 7, 80);
    if (i >= 8 && i < 16) {
      for (const Figure& f : flute[i % 3]) s.note(3, t + f.start * e, f.length * e - 30, c.tone(f.tone) + 12, 76);
    }
    drums_bar(s, t, false, true);
  }
  s.set_end(static_cast<int>(bars.size()) * kBar);
  return s;
}

}  // namespace

void make_music(const Context& ctx) {
  write_file(ctx.path("sfx/track01.mid"), title_track().bytes());
  write_file(ctx.path("sfx/track02.mid"), game_track().bytes());
}

}  // namespace mkassets
