#include "image.h"

#include <algorithm>
#include <stdexcept>

namespace mkassets {

Canvas::Canvas(int w, int h) : w_(w), h_(h) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a drawing surface");
  cr_ = cairo_create(surface_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image16 cut(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  Image16 out;
  out.w = cairo_image_surface_get_width(surface);
  out.h = cairo_image_surface_get_height(surface);
  out.px.resize(static_cast<size_t>(out.w) * out.h);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < out.h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < out.w; ++x) {
      const std::uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      std::uint16_t c = kMask;
      if (a >= 128) {
        // Cairo keeps premultiplied colour: laying it over the outline colour
        // is adding the outline's share of what is left.
        const int rest = 255 - a;
        const int r = std::min(255, static_cast<int>((p >> 16) & 0xFF) + (kOutlineR * rest + 127) / 255);
        const int g = std::min(255, static_cast<int>((p >> 8) & 0xFF) + (kOutlineG * rest + 127) / 255);
        const int b = std::min(255, static_cast<int>(p & 0xFF) + (kOutlineB * rest + 127) / 255);
        c = rgb565(r, g, b);
        if (c == kMask) c = rgb565(r, 4, b);  // one step of green: still pink, no longer see-through
      }
      out.px[static_cast<size_t>(y) * out.w + x] = c;
    }
  }
  return out;
}

Image16 crop(const Image16& src, int x0, int y0, int w, int h) {
  Image16 out;
  out.w = w;
  out.h = h;
  out.px.assign(static_cast<size_t>(w) * h, kMask);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int sx = x0 + x, sy = y0 + y;
      if (sx >= 0 && sy >= 0 && sx < src.w && sy < src.h) out.px[static_cast<size_t>(y) * w + x] = src.at(sx, sy);
    }
  return out;
}

void write_sheet(const std::string& png_path, const std::vector<const Image16*>& pics, int columns, double scale) {
  int cell_w = 1, cell_h = 1;
  for (const Image16* p : pics) {
    cell_w = std::max(cell_w, p->w);
    cell_h = std::max(cell_h, p->h);
  }
  cell_w += 4;
  cell_h += 4;
  const int rows = (static_cast<int>(pics.size()) + columns - 1) / columns;
  const int sw = static_cast<int>(cell_w * columns * scale), sh = static_cast<int>(cell_h * std::max(rows, 1) * scale);
  Canvas sheet(std::max(sw, 1), std::max(sh, 1));
  cairo_t* cr = sheet.cr();
  cairo_set_source_rgb(cr, 0.25, 0.25, 0.28);
  cairo_paint(cr);
  cairo_scale(cr, scale, scale);
  for (size_t i = 0; i < pics.size(); ++i) {
    const Image16& p = *pics[i];
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.w, p.h);
    auto* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x) {
        std::uint16_t c = p.at(x, y);
        std::uint32_t v;
        if (c == kMask) {
          v = ((x / 4 + y / 4) & 1) ? 0xB0B0B0 : 0xD8D8D8;
        } else {
          const int r = ((c >> 11) & 31) * 255 / 31, g = ((c >> 5) & 63) * 255 / 63, b = (c & 31) * 255 / 31;
          v = (static_cast<std::uint32_t>(r) << 16) | (g << 8) | b;
        }
        reinterpret_cast<std::uint32_t*>(d + y * stride)[x] = v;
      }
    cairo_surface_mark_dirty(s);
    const int cx = static_cast<int>(i) % columns, cy = static_cast<int>(i) / columns;
    cairo_save(cr);
    cairo_translate(cr, cx * cell_w + 2, cy * cell_h + 2);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
  }
  cairo_surface_write_to_png(sheet.surface(), png_path.c_str());
}

}  // namespace mkassets
