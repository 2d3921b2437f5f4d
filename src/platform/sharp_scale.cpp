#include "platform/sharp_scale.h"

#include <cstring>

namespace sharp_scale {

namespace {

uint32_t spread(uint16_t p) {
  return (p | (static_cast<uint32_t>(p) << 16)) & 0x07E0F81Fu;
}

uint16_t pack(uint32_t c) {
  return static_cast<uint16_t>(c | (c >> 16));
}

// The weighted sum of two spread pixels, spread again: the bits that fall
// below each colour's field are cleared, or a second blend of the result
// (across, then down) would carry them into the next colour.
uint32_t blend(uint32_t a, uint32_t b, int w) {
  return ((a * static_cast<uint32_t>(kWeightOne - w) + b * static_cast<uint32_t>(w)) >> 5) & 0x07E0F81Fu;
}

}  // namespace

std::vector<Tap> taps(int source, int shown) {
  std::vector<Tap> out(shown > 0 ? shown : 0);
  if (source < 1 || shown < 1) return out;
  // The crisp step: each source pixel a k x k square, k the largest whole
  // factor within the final size. Output pixel x has its middle at
  // t = (x + 1/2) * source*k / shown - 1/2 in that enlarged picture; it lies
  // between its pixels floor(t) and floor(t) + 1, blended by t's fraction.
  const long k = shown >= source ? shown / source : 1;
  const long big = source * k;
  const long den = 2L * shown;
  for (int x = 0; x < shown; ++x) {
    const long num = (2L * x + 1) * big - shown;
    long i0 = num >= 0 ? num / den : -1;
    long frac = num - i0 * den;  // t's fraction, in 1/den
    if (i0 < 0) i0 = 0, frac = 0;
    const long i1 = i0 + 1 < big ? i0 + 1 : i0;
    Tap& t = out[x];
    t.first = static_cast<int>(i0 / k);
    t.second = static_cast<int>(i1 / k);
    t.weight = t.first == t.second ? 0 : static_cast<int>((frac * kWeightOne + den / 2) / den);
    if (t.weight == 0) t.second = t.first;
    if (t.weight == kWeightOne) t.first = t.second, t.weight = 0;
  }
  return out;
}

void Scaler::prepare(int source_w, int source_h, int shown_w, int shown_h) {
  if (source_w == source_w_ && source_h == source_h_ && shown_w == shown_w_ && shown_h == shown_h_) return;
  source_w_ = source_w, source_h_ = source_h, shown_w_ = shown_w, shown_h_ = shown_h;
  across_ = taps(source_w, shown_w);
  down_ = taps(source_h, shown_h);
  for (auto& l : line_) l.assign(across_.size(), 0);
  line_row_[0] = line_row_[1] = -1;
}

const std::vector<uint32_t>& Scaler::across(BITMAP* source, int row) {
  for (int i = 0; i < 2; ++i)
    if (line_row_[i] == row) return line_[i];
  // The older of the two lines is written over: rows are asked for in order.
  const int i = line_row_[0] < line_row_[1] ? 0 : 1;
  const uint16_t* in = reinterpret_cast<const uint16_t*>(source->line[row]);
  uint32_t* out = line_[i].data();
  for (size_t x = 0; x < across_.size(); ++x) {
    const Tap& t = across_[x];
    out[x] = t.weight == 0 ? spread(in[t.first]) : blend(spread(in[t.first]), spread(in[t.second]), t.weight);
  }
  line_row_[i] = row;
  return line_[i];
}

std::pair<int, int> Scaler::scale_rows(BITMAP* source, BITMAP* out, int first, int last) {
  // A new frame: the lines kept from the last one may be out of date.
  line_row_[0] = line_row_[1] = -1;
  int y = 0;
  const int h = static_cast<int>(down_.size());
  while (y < h && down_[y].second < first) ++y;
  const int from = y;
  for (; y < h && down_[y].first <= last; ++y) {
    const Tap& t = down_[y];
    uint16_t* row = reinterpret_cast<uint16_t*>(out->line[y]);
    if (y > from && t.weight == 0 && down_[y - 1].weight == 0 && down_[y - 1].first == t.first) {
      std::memcpy(row, out->line[y - 1], across_.size() * sizeof(uint16_t));
      continue;
    }
    const std::vector<uint32_t>& a = across(source, t.first);
    if (t.weight == 0) {
      for (size_t x = 0; x < a.size(); ++x) row[x] = pack(a[x]);
    } else {
      const std::vector<uint32_t>& b = across(source, t.second);
      for (size_t x = 0; x < a.size(); ++x) row[x] = pack(blend(a[x], b[x], t.weight));
    }
  }
  return {from, y - 1};
}

}  // namespace sharp_scale
