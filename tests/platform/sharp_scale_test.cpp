// The picture filling a screen at a size that is no whole multiple of it: the taps of each axis, the scaled
// picture (hard edges, one blended pixel at most at a seam, a whole factor exactly as stretching gives it), a band of
// changed rows redrawn as the whole would be, and the mouse standing on the game pixel the screen shows most of.
#include <gtest/gtest.h>
#include "platform/sharp_scale.h"
#include "platform/window_fit.h"
#include "support/test_support.h"

using sharp_scale::Tap;

namespace {
std::string describe(const std::vector<Tap>& taps) {
  std::string s;
  for (const Tap& t : taps) s += std::to_string(t.first) + "," + std::to_string(t.second) + "," + std::to_string(t.weight) + " ";
  return s;
}
BITMAP* picture(int w, int h) {
  BITMAP* b = create_bitmap_ex(16, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) putpixel(b, x, y, makecol16((x * 7 + y) & 255, (x * y) & 255, (y * 5) & 255));
  return b;
}
bool same_pixels(BITMAP* a, BITMAP* b) {
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}
}  // namespace

TEST(SharpScale, EachOutputPixelLiesBetweenTwoNeighboursAndOnlyASeamIsBlended) {
  // Two pixels shown as three: the middle one half of each (weights are 32ths); five as ten: doubled, no blend.
  EXPECT_EQ(describe(sharp_scale::taps(2, 3)), "0,0,0 0,1,16 1,1,0 ");
  EXPECT_EQ(describe(sharp_scale::taps(5, 10)), "0,0,0 0,0,0 1,1,0 1,1,0 2,2,0 2,2,0 3,3,0 3,3,0 4,4,0 4,4,0 ");
  const struct { int source, shown, most_blended_in_a_row; } cases[] = {
      {640, 1064, 1064}, {480, 798, 798},   // filling 1280 x 800: one factor, smooth throughout
      {640, 1440, 2},    {480, 1080, 2},    // 1920 x 1080: doubled, then a seam at most two pixels wide
      {640, 1920, 0},    {480, 1440, 0},    // 2560 x 1440: tripled exactly
      {640, 960, 1064}, {480, 720, 798}};   // the fill window of a 1280 x 800 desktop
  for (const auto& c : cases) {
    const std::vector<Tap> taps = sharp_scale::taps(c.source, c.shown);
    ASSERT_EQ(static_cast<int>(taps.size()), c.shown);
    int run = 0, longest = 0;
    for (int x = 0; x < c.shown; ++x) {
      const Tap& t = taps[x];
      EXPECT_TRUE(t.weight > 0 ? t.second == t.first + 1 : t.second == t.first) << c.shown << " at " << x;
      EXPECT_TRUE(t.weight >= 0 && t.weight < sharp_scale::kWeightOne);
      if (x > 0) EXPECT_GE(t.first, taps[x - 1].first) << "in order";
      // The pointer stands on the game pixel this screen pixel shows most of.
      const int most = t.weight <= sharp_scale::kWeightOne / 2 ? t.first : t.second;
      if (t.weight != sharp_scale::kWeightOne / 2)
        EXPECT_EQ(window_fit::to_game(x, 0, c.shown, c.source), most) << c.shown << " at " << x;
      run = t.weight > 0 ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    EXPECT_EQ(taps.front().first, 0);
    EXPECT_EQ(taps.back().first + (taps.back().weight > 0), c.source - 1);
    EXPECT_LE(longest, c.most_blended_in_a_row) << c.source << " as " << c.shown;
  }
}

TEST(SharpScale, TheScaledPictureKeepsHardEdgesAndABandOfRowsIsRedrawnAsTheWholeWouldBe) {
  test_support::fresh_game();
  // A whole factor gives exactly what stretching gives.
  BITMAP* source = picture(640, 480);
  BITMAP* out = create_bitmap_ex(16, 1280, 960);
  BITMAP* stretched = create_bitmap_ex(16, 1280, 960);
  sharp_scale::Scaler scaler;
  scaler.prepare(640, 480, 1280, 960);
  EXPECT_EQ(scaler.scale_rows(source, out, 0, 479), std::make_pair(0, 959));
  stretch_blit(source, stretched, 0, 0, 640, 480, 0, 0, 1280, 960);
  EXPECT_TRUE(same_pixels(out, stretched));
  destroy_bitmap(out), destroy_bitmap(stretched);

  // Black and white halves at 1440 x 1080: every pixel pure black or white but two grey columns and rows at most.
  BITMAP* halves = create_bitmap_ex(16, 640, 480);
  clear_to_color(halves, makecol16(255, 255, 255));
  rectfill(halves, 0, 0, 319, 479, 0), rectfill(halves, 0, 0, 639, 239, 0);
  BITMAP* big = create_bitmap_ex(16, 1440, 1080);
  scaler.prepare(640, 480, 1440, 1080);
  scaler.scale_rows(halves, big, 0, 479);
  int grey_columns = 0, grey_rows = 0;
  for (int x = 0; x < 1440; ++x) {
    const int c = getpixel(big, x, 1000);
    grey_columns += c != 0 && c != makecol16(255, 255, 255);
    if (c != 0 && c != makecol16(255, 255, 255))
      EXPECT_TRUE(std::abs(getr16(c) - getg16(c)) <= 8 && std::abs(getb16(c) - getg16(c)) <= 8) << "a grey, not a tint";
  }
  for (int y = 0; y < 1080; ++y) {
    const int c = getpixel(big, 1400, y);
    grey_rows += c != 0 && c != makecol16(255, 255, 255);
  }
  EXPECT_TRUE(grey_columns >= 1 && grey_columns <= 2) << grey_columns;
  EXPECT_TRUE(grey_rows >= 1 && grey_rows <= 2) << grey_rows;
  EXPECT_EQ(std::make_pair(getpixel(big, 700, 1000), getpixel(big, 740, 1000)), std::make_pair(0, makecol16(255, 255, 255)));
  destroy_bitmap(halves), destroy_bitmap(big);

  // At 1064 x 798 every colour of every pixel lies between those of the four game pixels it is blended from
  // (in 5-6-5: red, green, blue), blended across and then down without carrying into the next colour.
  BITMAP* part = create_bitmap_ex(16, 1064, 798);
  BITMAP* whole = create_bitmap_ex(16, 1064, 798);
  scaler.prepare(640, 480, 1064, 798);
  scaler.scale_rows(source, part, 0, 479);
  const std::vector<Tap> across = sharp_scale::taps(640, 1064), down = sharp_scale::taps(480, 798);
  int outside = 0;
  for (int y = 0; y < 798; ++y)
    for (int x = 0; x < 1064; ++x) {
      const int c = getpixel(part, x, y);
      const int from[4] = {getpixel(source, across[x].first, down[y].first), getpixel(source, across[x].second, down[y].first),
                           getpixel(source, across[x].first, down[y].second), getpixel(source, across[x].second, down[y].second)};
      for (const auto [shift, bits] : {std::pair(11, 31), std::pair(5, 63), std::pair(0, 31)}) {
        int low = bits, high = 0;
        for (int f : from) low = std::min(low, (f >> shift) & bits), high = std::max(high, (f >> shift) & bits);
        const int v = (c >> shift) & bits;
        outside += v < low || v > high;
      }
    }
  EXPECT_EQ(outside, 0);
  // Rows 100 .. 120 changed and redrawn alone give what the whole picture redrawn gives.
  rectfill(source, 0, 100, 639, 120, makecol16(10, 200, 30));
  const auto [top, bottom] = scaler.scale_rows(source, part, 100, 120);
  EXPECT_TRUE(top <= 100 * 798 / 480 && bottom >= 121 * 798 / 480 && bottom - top < 40) << top << ".." << bottom;
  scaler.scale_rows(source, whole, 0, 479);
  EXPECT_TRUE(same_pixels(part, whole));
  destroy_bitmap(part), destroy_bitmap(whole), destroy_bitmap(source);
}
