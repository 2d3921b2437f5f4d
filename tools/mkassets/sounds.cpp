// The game's sound effects (sounds.dat), synthesised here as the pictures are
// drawn: short, soft and in the school's future style, sliding doors and
// humming machines. 16-bit mono at 22050 Hz. The game plays each at the full
// voice volume (scaled by the player's effects volume), and the library's
// mixer gives a voice half of full scale: a peak of 0.9 here is heard at
// about -8 dBFS at the default effects volume, level with the music's peaks
// of about -5 dBFS (the window test of the sound measures both).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "datafile.h"
#include "generator.h"
#include "maths.h"

namespace mkassets {
namespace {

constexpr int kRate = 22050;

// Repeatable noise: the same sounds on every build.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {  // -1 .. 1
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// A one-pole low-pass filter; `cut` in Hz.
class LowPass {
 public:
  explicit LowPass(double cut) : a_(1.0 - std::exp(-2 * kPi * cut / kRate)) {}
  double operator()(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_;
  double y_ = 0;
};

using Wave = std::vector<double>;

Wave make(double seconds, const std::function<double(double t, int i)>& f) {
  Wave w(static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < w.size(); ++i) w[i] = f(static_cast<double>(i) / kRate, static_cast<int>(i));
  return w;
}

// Attack and decay of a struck sound.
double strike(double t, double attack, double decay) {
  return std::min(1.0, t / attack) * std::exp(-t / decay);
}

// Scaled to `peak` (of full scale), with a few milliseconds of fade at both
// ends so that no sound starts or stops with a click.
std::vector<std::int16_t> finish(const Wave& w, double peak) {
  double top = 1e-9;
  for (double v : w) top = std::max(top, std::abs(v));
  const double fade = 0.004 * kRate;
  std::vector<std::int16_t> out(w.size());
  for (size_t i = 0; i < w.size(); ++i) {
    const double edge = std::min({1.0, i / fade, (w.size() - 1 - i) / fade});
    out[i] = static_cast<std::int16_t>(std::lround(w[i] / top * peak * edge * 32767));
  }
  return out;
}

// A sliding door: a breath of air that swells and settles, then the soft
// bump of the door in its frame.
Wave door() {
  Noise n(11);
  LowPass air(900), body(160);
  return make(0.7, [&](double t, int) {
    const double swell = std::sin(kPi * std::min(1.0, t / 0.55));
    const double bump = t > 0.52 ? strike(t - 0.52, 0.004, 0.05) : 0.0;
    return 0.9 * swell * air(n.next()) + 1.4 * bump * (std::sin(2 * kPi * 85 * t) + 0.5 * body(n.next()));
  });
}

// A take: a quick rising chirp, as the item leaves the room.
Wave take() {
  double phase = 0;
  return make(0.16, [&](double t, int) {
    phase += 2 * kPi * (420 + 2600 * t) / kRate;
    return strike(t, 0.006, 0.06) * (std::sin(phase) + 0.25 * std::sin(2 * phase));
  });
}

// An item falls into the bag: a muffled thud on cloth.
Wave bag_drop() {
  Noise n(23);
  LowPass cloth(500);
  return make(0.28, [&](double t, int) {
    const double e = strike(t, 0.003, 0.06);
    return e * (std::sin(2 * kPi * (140 - 120 * t) * t) + 0.6 * cloth(n.next()));
  });
}

// The bag opens: a zip, quick teeth of noise that speed up and fade.
Wave bag_open() {
  Noise n(37);
  LowPass teeth(3000);
  double phase = 0;
  return make(0.38, [&](double t, int) {
    phase += (40 + 60 * t) / kRate;
    const double tooth = std::pow(0.5 + 0.5 * std::cos(2 * kPi * phase), 6);
    return std::sin(kPi * t / 0.38) * tooth * teeth(n.next());
  });
}

// A lever: a metallic clack, the throw and the catch.
Wave lever() {
  Noise n(41);
  LowPass click(2500);
  return make(0.24, [&](double t, int) {
    double v = 0;
    for (double at : {0.0, 0.11}) {
      if (t < at) continue;
      const double e = strike(t - at, 0.001, at > 0 ? 0.03 : 0.02);
      v += e * (0.7 * click(n.next()) + std::sin(2 * kPi * 1150 * t) + 0.5 * std::sin(2 * kPi * 2730 * t));
    }
    return v;
  });
}

// The showcase breaks: a crack, then shards of glass ringing as they fall.
Wave glass_break() {
  Noise n(53), pick(59);
  struct Shard {
    double at, freq, decay;
  };
  std::vector<Shard> shards;
  for (int k = 0; k < 26; ++k)
    shards.push_back({0.02 + 0.6 * std::pow(0.5 + 0.5 * pick.next(), 1.6), 2200 + 2600 * (0.5 + 0.5 * pick.next()),
                      0.03 + 0.05 * (0.5 + 0.5 * pick.next())});
  return make(0.9, [&](double t, int) {
    double v = 1.6 * strike(t, 0.001, 0.04) * n.next();
    for (const Shard& s : shards)
      if (t >= s.at) v += 0.35 * strike(t - s.at, 0.001, s.decay) * std::sin(2 * kPi * s.freq * (t - s.at));
    return v;
  });
}

// The time machine charges: a hum that rises in pitch and swells, with a
// beating second voice.
Wave machine_hum() {
  double phase = 0, phase2 = 0;
  return make(1.7, [&](double t, int) {
    const double f = 70 + 70 * t / 1.7;
    phase += 2 * kPi * f / kRate;
    phase2 += 2 * kPi * f * 1.503 / kRate;
    const double env = std::min(1.0, t / 0.3) * std::min(1.0, (1.7 - t) / 0.15);
    const double tremolo = 0.8 + 0.2 * std::sin(2 * kPi * 7 * t);
    return env * tremolo *
           (std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase) + 0.35 * std::sin(phase2));
  });
}

// The flash: a zap falling from high to low over a burst of static.
Wave machine_flash() {
  Noise n(71);
  LowPass spark(5000);
  double phase = 0;
  return make(0.75, [&](double t, int) {
    phase += 2 * kPi * (200 + 2800 * std::exp(-t / 0.12)) / kRate;
    return strike(t, 0.002, 0.22) * (std::sin(phase) + 0.8 * spark(n.next()) * std::exp(-t / 0.08));
  });
}

// The bag closes: the zip drawn back, slowing down, and the flap falling
// shut.
Wave bag_close() {
  Noise n(83);
  LowPass teeth(2600), flap(300);
  double phase = 0;
  return make(0.42, [&](double t, int) {
    phase += (95 - 120 * std::min(t, 0.34)) / kRate;
    const double tooth = t < 0.34 ? std::pow(0.5 + 0.5 * std::cos(2 * kPi * phase), 6) : 0.0;
    const double zip = std::sin(kPi * std::min(t, 0.34) / 0.34) * tooth * teeth(n.next());
    const double fall = t > 0.33 ? strike(t - 0.33, 0.003, 0.03) * (std::sin(2 * kPi * 120 * t) + flap(n.next())) : 0.0;
    return zip + 0.8 * fall;
  });
}

// A button of the menus pressed: a short soft click with a bright tick on
// top.
Wave button() {
  Noise n(97);
  LowPass tick(4000);
  return make(0.1, [&](double t, int) {
    const double s = std::max(0.0, t - 0.005);  // after the fade-in, which would blunt it
    return strike(s, 0.001, 0.018) * (std::sin(2 * kPi * 1320 * s) + 0.4 * std::sin(2 * kPi * 2640 * s)) +
           0.5 * strike(s, 0.0005, 0.004) * tick(n.next());
  });
}

}  // namespace

void make_sounds(const Context& ctx) {
  Datafile dat;
  // Peaks from 0.8 to 0.95 of full scale: a loud break or flash a little
  // above a take or a click.
  dat.add_sample("DOOR", kRate, finish(door(), 0.9));
  dat.add_sample("TAKE", kRate, finish(take(), 0.8));
  dat.add_sample("BAG_DROP", kRate, finish(bag_drop(), 0.9));
  dat.add_sample("BAG_OPEN", kRate, finish(bag_open(), 0.9));
  dat.add_sample("LEVER", kRate, finish(lever(), 0.85));
  dat.add_sample("GLASS_BREAK", kRate, finish(glass_break(), 0.95));
  dat.add_sample("MACHINE_HUM", kRate, finish(machine_hum(), 0.8));
  dat.add_sample("MACHINE_FLASH", kRate, finish(machine_flash(), 0.95));
  dat.add_sample("BAG_CLOSE", kRate, finish(bag_close(), 0.85));
  dat.add_sample("BUTTON", kRate, finish(button(), 0.8));
  dat.write(ctx.data_dir, manifest::kSoundsFile, manifest::kSoundsRuns);
}

}  // namespace mkassets
