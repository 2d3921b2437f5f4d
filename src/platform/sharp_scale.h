// The picture enlarged to a size that is not a whole multiple of it, and still
// sharp: each pixel is first enlarged by the largest whole factor that fits
// (a crisp square, as at 2x or 3x), and that picture is then scaled smoothly
// (bilinear) to the final size. Only the thin seams between two of the game's
// pixels are blended, so edges stay hard and no pixel is wider than its
// neighbour. The maps of both axes are worked out once per size; a frame is
// then a pass over the 16-bit (5-6-5) pixels without any division.
#pragma once

#include <allegro.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace sharp_scale {

// Where one pixel of the output takes its colour from, along one axis: the two
// source pixels it lies between and the weight (0 .. kWeightOne) of the second.
inline constexpr int kWeightOne = 32;
struct Tap {
  int first = 0;
  int second = 0;
  int weight = 0;
};
// The taps of every output pixel when `source` pixels are shown as `shown`.
std::vector<Tap> taps(int source, int shown);

// Scales a whole 16-bit picture to the size of `out`.
class Scaler {
 public:
  // The maps for a source of source_w x source_h shown at shown_w x shown_h;
  // nothing is worked out again when the sizes are those of the last call.
  void prepare(int source_w, int source_h, int shown_w, int shown_h);
  // Redraws the output rows that depend on source rows first .. last (a band
  // of rows that changed; `source` and `out` of the prepared sizes): the
  // returned pair is the band of output rows written, first > second when none.
  std::pair<int, int> scale_rows(BITMAP* source, BITMAP* out, int first, int last);

 private:
  // One source row scaled across, each pixel spread to 0000 0GGG GGG0 0000
  // RRRR R000 000B BBBB so that a weighted sum never carries between colours.
  const std::vector<uint32_t>& across(BITMAP* source, int row);

  int source_w_ = 0, source_h_ = 0, shown_w_ = 0, shown_h_ = 0;
  std::vector<Tap> across_, down_;
  std::vector<uint32_t> line_[2];
  int line_row_[2] = {-1, -1};
};

}  // namespace sharp_scale
