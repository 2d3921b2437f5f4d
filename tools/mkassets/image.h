// Pictures of the generator: Cairo canvases to draw on, and the game's 16-bit
// pictures they are cut to.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace mkassets {

// A 16-bit picture in the game's 5-6-5 format (red in bits 11-15); the mask
// colour kMask (magenta) is transparent for masked blits.
struct Image16 {
  int w = 0;
  int h = 0;
  std::vector<std::uint16_t> px;

  std::uint16_t at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

inline constexpr std::uint16_t kMask = 0xF81F;

constexpr std::uint16_t rgb565(int r, int g, int b) {
  return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// The colour a partly transparent edge pixel is laid over before it becomes
// solid: a dark outline, so no pink fringe survives a masked blit.
inline constexpr int kOutlineR = 14, kOutlineG = 12, kOutlineB = 22;

// An ARGB32 surface with a Cairo context, cleared to full transparency.
class Canvas {
 public:
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return w_; }
  int height() const { return h_; }

 private:
  int w_, h_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Cuts an ARGB32 drawing to the game's format: a pixel at least half opaque
// becomes its 16-bit colour (composited over the outline colour where it is
// partly transparent), every other pixel becomes the mask colour. An opaque
// pixel that would come out exactly magenta is nudged off it. Every picture of
// the generator goes through this one function.
Image16 cut(cairo_surface_t* surface);
inline Image16 cut(const Canvas& c) { return cut(c.surface()); }

// The part of `src` in the rectangle (x, y, w, h); outside `src` is mask.
Image16 crop(const Image16& src, int x, int y, int w, int h);

// Writes a contact sheet of pictures (mask shown as a checkerboard) to a PNG,
// for looking at the art while working on it.
void write_sheet(const std::string& png_path, const std::vector<const Image16*>& pics, int columns,
                 double scale = 1.0);

}  // namespace mkassets
