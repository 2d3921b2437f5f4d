// The studio's jingle (sfx/logo.wav): a rising chime of four bell tones over
// a soft swell, 2.2 seconds, 16-bit mono PCM at 22050 Hz, synthesised here.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "generator.h"
#include "maths.h"

namespace mkassets {
namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 2.2;

void put_le(std::vector<std::uint8_t>& d, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) d.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<std::int16_t> jingle_samples() {
  const int n = static_cast<int>(kRate * kSeconds);
  std::vector<double> mix(n, 0.0);
  // Bell tones: frequency modulation with a decaying index gives the metallic start.
  const double notes[4] = {523.25, 659.25, 783.99, 1046.50};  // C5 E5 G5 C6
  for (int k = 0; k < 4; ++k) {
    const int start = static_cast<int>(kRate * 0.16 * k);
    for (int i = start; i < n; ++i) {
      const double t = static_cast<double>(i - start) / kRate;
      const double env = std::exp(-t * (k == 3 ? 1.6 : 3.0)) * std::min(1.0, t * 400);
      const double index = 2.5 * std::exp(-t * 6);
      const double f = notes[k];
      mix[i] += 0.22 * env * std::sin(2 * kPi * f * t + index * std::sin(2 * kPi * f * 3.5 * t));
    }
  }
  // A soft swell of the chord underneath, fading out at the end.
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double env = std::sin(kPi * std::min(1.0, t / kSeconds)) * 0.12;
    mix[i] += env * (std::sin(2 * kPi * 261.63 * t) + 0.7 * std::sin(2 * kPi * 392.0 * t) +
                     0.5 * std::sin(2 * kPi * 130.81 * t));
  }
  std::vector<std::int16_t> out(n);
  for (int i = 0; i < n; ++i) {
    double v = mix[i];
    const double fade = std::min(1.0, (n - 1 - i) / (0.05 * kRate));  // no click at the end
    v = std::tanh(v * 1.2) * fade;
    out[i] = static_cast<std::int16_t>(std::lround(v * 30000));
  }
  return out;
}

void make_jingle(const Context& ctx) {
  const std::vector<std::int16_t> s = jingle_samples();
  std::vector<std::uint8_t> d;
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(s.size() * 2);
  d.insert(d.end(), {'R', 'I', 'F', 'F'});
  put_le(d, 36 + data_bytes, 4);
  d.insert(d.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put_le(d, 16, 4);
  put_le(d, 1, 2);  // PCM
  put_le(d, 1, 2);  // mono
  put_le(d, kRate, 4);
  put_le(d, kRate * 2, 4);
  put_le(d, 2, 2);
  put_le(d, 16, 2);
  d.insert(d.end(), {'d', 'a', 't', 'a'});
  put_le(d, data_bytes, 4);
  for (std::int16_t v : s) put_le(d, static_cast<std::uint16_t>(v), 2);
  std::ofstream f(ctx.path("sfx/logo.wav"), std::ios::binary);
  f.write(reinterpret_cast<const char*>(d.data()), static_cast<std::streamsize>(d.size()));
  if (!f) throw std::runtime_error("cannot write sfx/logo.wav");
}

}  // namespace mkassets
