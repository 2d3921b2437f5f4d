// The studio's logo film (flc/proud.flc): 4 seconds at 15 frames a second,
// 640x480 with a 256-colour palette. The frames are drawn with Cairo and
// written by our own FLC writer: the palette and a byte-run picture in the
// first frame, line deltas (DELTA_FLC) in the others.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "core/screen_layout.h"
#include "draw.h"
#include "generator.h"
#include "image.h"
#include "maths.h"

namespace mkassets {
namespace {

using namespace draw;
constexpr int kW = screen_layout::kScreenWidth, kH = screen_layout::kScreenHeight;
constexpr int kFrames = 60;
constexpr int kFrameMs = 66;  // about 15 frames a second

// ------------------------------------------------------------ palette --------

// A 6 x 7 x 6 colour cube (252 colours) and four greys.
struct Palette {
  std::uint8_t rgb[256][3];
  Palette() {
    int i = 0;
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 7; ++g)
        for (int b = 0; b < 6; ++b, ++i) {
          rgb[i][0] = static_cast<std::uint8_t>(r * 255 / 5);
          rgb[i][1] = static_cast<std::uint8_t>(g * 255 / 6);
          rgb[i][2] = static_cast<std::uint8_t>(b * 255 / 5);
        }
    for (int k = 0; k < 4; ++k, ++i)
      rgb[i][0] = rgb[i][1] = rgb[i][2] = static_cast<std::uint8_t>(32 + k * 48);
  }
  static std::uint8_t index(int r, int g, int b) {
    return static_cast<std::uint8_t>(((r * 5 + 127) / 255) * 42 + ((g * 6 + 127) / 255) * 6 + (b * 5 + 127) / 255);
  }
};

std::vector<std::uint8_t> quantise(cairo_surface_t* s) {
  cairo_surface_flush(s);
  std::vector<std::uint8_t> out(static_cast<size_t>(kW) * kH);
  const unsigned char* d = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < kH; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(d + static_cast<size_t>(y) * stride);
    for (int x = 0; x < kW; ++x) {
      const std::uint32_t p = row[x];
      out[static_cast<size_t>(y) * kW + x] = Palette::index((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
  }
  return out;
}

// ------------------------------------------------------------ FLC writer -----

void put16(std::vector<std::uint8_t>& d, int v) {
  d.push_back(static_cast<std::uint8_t>(v & 0xFF));
  d.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t>& d, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) d.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}
void set32(std::vector<std::uint8_t>& d, size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) d[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

std::vector<std::uint8_t> chunk(int type, const std::vector<std::uint8_t>& body) {
  std::vector<std::uint8_t> c;
  const size_t size = 6 + body.size() + (body.size() & 1);  // chunks keep an even size
  put32(c, static_cast<std::uint32_t>(size));
  put16(c, type);
  c.insert(c.end(), body.begin(), body.end());
  if (body.size() & 1) c.push_back(0);
  return c;
}

std::vector<std::uint8_t> colour_chunk(const Palette& pal) {
  std::vector<std::uint8_t> b;
  put16(b, 1);     // one packet
  b.push_back(0);  // skip no colours
  b.push_back(0);  // 0 means all 256
  for (const auto& c : pal.rgb) b.insert(b.end(), c, c + 3);
  return chunk(4, b);  // COLOR_256
}

// BYTE_RUN: each line as packets; a positive count repeats one byte, a
// negative count copies that many bytes.
std::vector<std::uint8_t> brun_chunk(const std::vector<std::uint8_t>& px) {
  std::vector<std::uint8_t> b;
  for (int y = 0; y < kH; ++y) {
    const std::uint8_t* row = &px[static_cast<size_t>(y) * kW];
    const size_t count_at = b.size();
    b.push_back(0);
    int packets = 0, x = 0;
    while (x < kW) {
      int run = 1;
      while (x + run < kW && run < 127 && row[x + run] == row[x]) ++run;
      if (run >= 3) {
        b.push_back(static_cast<std::uint8_t>(run));
        b.push_back(row[x]);
        x += run;
      } else {
        int n = 0;
        while (x + n < kW && n < 127) {
          if (x + n + 2 < kW && row[x + n] == row[x + n + 1] && row[x + n] == row[x + n + 2]) break;
          ++n;
        }
        b.push_back(static_cast<std::uint8_t>(-n));
        b.insert(b.end(), row + x, row + x + n);
        x += n;
      }
      ++packets;
    }
    b[count_at] = static_cast<std::uint8_t>(std::min(packets, 255));
  }
  return chunk(15, b);
}

// DELTA_FLC: unchanged lines are skipped; a changed line is a list of packets
// of pixel pairs (words), each after a column skip: a positive count copies
// words, a negative count repeats one word.
std::vector<std::uint8_t> delta_chunk(const std::vector<std::uint8_t>& prev, const std::vector<std::uint8_t>& cur) {
  std::vector<std::uint8_t> b;
  put16(b, 0);  // number of coded lines, filled in at the end
  int lines = 0, skip = 0;
  const int words = kW / 2;
  for (int y = 0; y < kH; ++y) {
    const std::uint8_t* p = &prev[static_cast<size_t>(y) * kW];
    const std::uint8_t* c = &cur[static_cast<size_t>(y) * kW];
    auto changed = [&](int w) { return p[2 * w] != c[2 * w] || p[2 * w + 1] != c[2 * w + 1]; };
    auto word = [&](int w) { return c[2 * w] | (c[2 * w + 1] << 8); };
    int first = 0;
    while (first < words && !changed(first)) ++first;
    if (first == words) {
      ++skip;
      continue;
    }
    if (skip) {
      put16(b, -skip);
      skip = 0;
    }
    const size_t count_at = b.size();
    put16(b, 0);
    int packets = 0, pos = 0, w = first;
    while (w < words) {
      while (w < words && !changed(w)) ++w;
      if (w == words) break;
      int gap = 2 * (w - pos);
      while (gap > 255) {  // long skips become empty packets
        b.push_back(254);
        b.push_back(0);
        ++packets;
        gap -= 254;
        pos += 127;
      }
      b.push_back(static_cast<std::uint8_t>(gap));
      pos = w;
      int run = 1;
      while (w + run < words && run < 127 && word(w + run) == word(w)) ++run;
      if (run >= 3) {
        b.push_back(static_cast<std::uint8_t>(-run));
        put16(b, word(w));
        w += run;
      } else {
        int n = 0;
        while (w + n < words && n < 127) {
          const bool still = changed(w + n) || (w + n + 1 < words && changed(w + n + 1));
          if (!still) break;
          if (w + n + 2 < words && word(w + n) == word(w + n + 1) && word(w + n) == word(w + n + 2)) break;
          ++n;
        }
        if (n == 0) n = 1;
        b.push_back(static_cast<std::uint8_t>(n));
        for (int k = 0; k < n; ++k) put16(b, word(w + k));
        w += n;
      }
      pos = w;
      ++packets;
    }
    b[count_at] = static_cast<std::uint8_t>(packets & 0xFF);
    b[count_at + 1] = static_cast<std::uint8_t>((packets >> 8) & 0xFF);
    ++lines;
  }
  b[0] = static_cast<std::uint8_t>(lines & 0xFF);
  b[1] = static_cast<std::uint8_t>((lines >> 8) & 0xFF);
  return chunk(7, b);
}

std::vector<std::uint8_t> frame(const std::vector<std::vector<std::uint8_t>>& chunks) {
  std::vector<std::uint8_t> f;
  size_t size = 16;
  for (const auto& c : chunks) size += c.size();
  put32(f, static_cast<std::uint32_t>(size));
  put16(f, 0xF1FA);
  put16(f, static_cast<int>(chunks.size()));
  for (int i = 0; i < 8; ++i) f.push_back(0);  // delay, reserved, width, height: defaults
  for (const auto& c : chunks) f.insert(f.end(), c.begin(), c.end());
  return f;
}

std::vector<std::uint8_t> encode_flc(const std::vector<std::vector<std::uint8_t>>& frames) {
  std::vector<std::uint8_t> out(128, 0);
  const Palette pal;
  std::vector<size_t> offsets;
  for (size_t i = 0; i < frames.size(); ++i) {
    offsets.push_back(out.size());
    std::vector<std::uint8_t> f;
    if (i == 0)
      f = frame({colour_chunk(pal), brun_chunk(frames[0])});
    else if (frames[i] == frames[i - 1])
      f = frame({});
    else
      f = frame({delta_chunk(frames[i - 1], frames[i])});
    out.insert(out.end(), f.begin(), f.end());
  }
  set32(out, 0, static_cast<std::uint32_t>(out.size()));
  out[4] = 0x12;  // FLC magic 0xAF12
  out[5] = 0xAF;
  out[6] = static_cast<std::uint8_t>(frames.size() & 0xFF);
  out[7] = static_cast<std::uint8_t>(frames.size() >> 8);
  out[8] = kW & 0xFF;
  out[9] = kW >> 8;
  out[10] = kH & 0xFF;
  out[11] = kH >> 8;
  out[12] = 8;  // bits per pixel
  out[14] = 3;  // flags: the file is complete
  set32(out, 16, kFrameMs);
  out[38] = 1;  // square pixels
  out[40] = 1;
  set32(out, 80, static_cast<std::uint32_t>(offsets[0]));
  set32(out, 84, static_cast<std::uint32_t>(offsets.size() > 1 ? offsets[1] : offsets[0]));
  return out;
}

// ------------------------------------------------------------ the logo -------

double ease(double t) { return t <= 0 ? 0 : t >= 1 ? 1 : 1 - (1 - t) * (1 - t) * (1 - t); }

// The Tinfox logo: a fox's head of seven triangles that fly in and settle,
// then the studio's name appears under it with a gleam running across.
void paint_logo_frame(cairo_t* cr, int f) {
  rgb(cr, 0x000000);
  cairo_paint(cr);
  const double t = f / static_cast<double>(kFrames - 1);
  // a ring of light that opens in the first second
  const double ring = ease(t * 4);
  if (ring > 0) {
    cairo_arc(cr, 320, 200, 40 + 110 * ring, 0, 2 * kPi);
    rgb(cr, 0x0066CC);
    cairo_set_line_width(cr, 3 + 4 * (1 - ring));
    cairo_stroke(cr);
  }
  struct Tri {
    double x1, y1, x2, y2, x3, y3;
    std::uint32_t colour;
  };
  // the head, centred on (320, 200)
  const Tri head[7] = {
      {250, 120, 290, 130, 268, 60, 0xFF9933},   // left ear
      {390, 120, 350, 130, 372, 60, 0xFF9933},   // right ear
      {250, 120, 390, 120, 320, 170, 0xFF6600},  // forehead
      {250, 120, 320, 170, 290, 230, 0xCC3300},  // left cheek
      {390, 120, 320, 170, 350, 230, 0xCC3300},  // right cheek
      {290, 230, 350, 230, 320, 170, 0xFFFFFF},  // muzzle
      {306, 236, 334, 236, 320, 262, 0x333333},  // nose
  };
  for (int i = 0; i < 7; ++i) {
    const double start = 0.12 + i * 0.05;
    const double k = ease((t - start) / 0.25);
    if (t < start) continue;
    const double angle = (1 - k) * (i % 2 ? 2.4 : -2.4);
    const double dx = (1 - k) * std::cos(i * 0.9) * 420, dy = (1 - k) * std::sin(i * 0.9) * 320;
    const Tri& tr = head[i];
    const double cx = (tr.x1 + tr.x2 + tr.x3) / 3, cy = (tr.y1 + tr.y2 + tr.y3) / 3;
    cairo_save(cr);
    cairo_translate(cr, cx + dx, cy + dy);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, tr.x1 - cx, tr.y1 - cy);
    cairo_line_to(cr, tr.x2 - cx, tr.y2 - cy);
    cairo_line_to(cr, tr.x3 - cx, tr.y3 - cy);
    cairo_close_path(cr);
    rgb(cr, tr.colour);
    cairo_fill_preserve(cr);
    rgb(cr, 0x000000);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // eyes open once the head is complete
  if (t > 0.55) {
    for (int s = -1; s <= 1; s += 2) {
      cairo_move_to(cr, 320 + s * 22, 176);
      cairo_line_to(cr, 320 + s * 38, 168);
      rgb(cr, 0x000000);
      cairo_set_line_width(cr, 4);
      cairo_stroke(cr);
    }
  }
  // the name slides up and brightens
  const double name = ease((t - 0.55) / 0.25);
  if (name > 0) {
    const double y = 350 + (1 - name) * 30;
    const int level = static_cast<int>(name * 255);
    cairo_set_source_rgb(cr, level / 255.0, level / 255.0 * 0.8, level / 255.0 * 0.6);
    text_centred(cr, "TINFOX", 320, y, 64, true);
    cairo_set_source_rgb(cr, level / 255.0 * 0.4, level / 255.0 * 0.8, level / 255.0);
    text_centred(cr, "S T U D I O", 320, y + 40, 22, false);
  }
  // a gleam across the name near the end
  const double gleam = (t - 0.85) / 0.12;
  if (gleam > 0 && gleam < 1) {
    const double gx = 150 + gleam * 340;
    cairo_move_to(cr, gx, 290);
    cairo_line_to(cr, gx + 24, 290);
    cairo_line_to(cr, gx - 6, 400);
    cairo_line_to(cr, gx - 30, 400);
    cairo_close_path(cr);
    rgb(cr, 0xFFFFFF, 0.5);
    cairo_fill(cr);
  }
}

}  // namespace

void make_film(const Context& ctx) {
  std::vector<std::vector<std::uint8_t>> frames;
  std::vector<Image16> shown;
  for (int f = 0; f < kFrames; ++f) {
    Canvas c(kW, kH);
    paint_logo_frame(c.cr(), f);
    frames.push_back(quantise(c.surface()));
    if (!ctx.sheet_dir.empty() && f % 8 == 0) shown.push_back(cut(c));
  }
  const std::vector<std::uint8_t> flc = encode_flc(frames);
  std::ofstream out(ctx.path("flc/proud.flc"), std::ios::binary);
  out.write(reinterpret_cast<const char*>(flc.data()), static_cast<std::streamsize>(flc.size()));
  if (!out) throw std::runtime_error("cannot write flc/proud.flc");
  std::vector<const Image16*> view;
  for (const Image16& s : shown) view.push_back(&s);
  ctx.sheet("film", view, 4, 0.3);
}

}  // namespace mkassets
