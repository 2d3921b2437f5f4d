// Contact sheet of every hero frame, for looking at the drawings.
//
//   hero_sheet OUT.png [SCALE]
//
// One row per animation (standing, the eight walks, front talking, talking right
// and left, taking left and right), each frame cut the way the generator cuts it
// (at least half opaque becomes solid, the rest transparent), shrunk by SCALE
// (default 1) and laid on a two-tone background so the outline can be judged on
// light and dark floors.

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "hero_art.h"

namespace {

struct Row {
  int frames;
  std::function<void(cairo_t*, int)> draw;
};

std::vector<Row> rows() {
  std::vector<Row> r;
  r.push_back({1, [](cairo_t* cr, int) { hero_art::stand(cr); }});
  for (int code = 1; code <= 8; ++code)
    r.push_back({14, [code](cairo_t* cr, int f) { hero_art::walk(cr, code, f); }});
  r.push_back({15, [](cairo_t* cr, int f) { hero_art::talk_front(cr, f); }});
  r.push_back({30, [](cairo_t* cr, int f) { hero_art::talk_side(cr, true, f); }});
  r.push_back({30, [](cairo_t* cr, int f) { hero_art::talk_side(cr, false, f); }});
  r.push_back({15, [](cairo_t* cr, int f) { hero_art::take(cr, true, f); }});
  r.push_back({15, [](cairo_t* cr, int f) { hero_art::take(cr, false, f); }});
  return r;
}

// Makes every pixel either solid or fully transparent, as the game will see it.
void cut_alpha(cairo_surface_t* s) {
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < cairo_image_surface_get_height(s); ++y) {
    auto* px = reinterpret_cast<unsigned*>(data + y * stride);
    for (int x = 0; x < cairo_image_surface_get_width(s); ++x) {
      unsigned a = px[x] >> 24;
      if (a < 128) {
        px[x] = 0;
      } else if (a < 255) {  // un-premultiply over the dark outline colour
        unsigned c = 0xff000000u;
        for (int sh = 0; sh < 24; sh += 8) {
          unsigned v = (px[x] >> sh) & 0xff;
          unsigned ink = 20;
          c |= std::min(255u, v + ink * (255 - a) / 255) << sh;
        }
        px[x] = c;
      }
    }
  }
  cairo_surface_mark_dirty(s);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.png [SCALE]\n", argv[0]);
    return 2;
  }
  double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
  auto all = rows();
  int cols = 0;
  for (auto& r : all) cols = std::max(cols, r.frames);
  int cw = static_cast<int>(hero_art::kWidth * scale + 0.999);
  int ch = static_cast<int>(hero_art::kHeight * scale + 0.999);
  int w = cols * cw, h = static_cast<int>(all.size()) * ch;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* out = cairo_create(sheet);
  for (size_t ri = 0; ri < all.size(); ++ri) {
    for (int c = 0; c < cols; ++c) {
      bool light = (ri + c) % 2 == 0;
      cairo_set_source_rgb(out, light ? 0.78 : 0.30, light ? 0.74 : 0.28, light ? 0.66 : 0.34);
      cairo_rectangle(out, c * cw, ri * ch, cw, ch);
      cairo_fill(out);
    }
    for (int f = 0; f < all[ri].frames; ++f) {
      cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, hero_art::kWidth, hero_art::kHeight);
      cairo_t* cr = cairo_create(frame);
      all[ri].draw(cr, f);
      cairo_destroy(cr);
      cut_alpha(frame);
      cairo_save(out);
      cairo_translate(out, f * cw, ri * ch);
      cairo_scale(out, scale, scale);
      cairo_set_source_surface(out, frame, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(out), scale < 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
      cairo_paint(out);
      cairo_restore(out);
      cairo_surface_destroy(frame);
    }
  }
  cairo_destroy(out);
  cairo_status_t st = cairo_surface_write_to_png(sheet, argv[1]);
  cairo_surface_destroy(sheet);
  if (st != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
