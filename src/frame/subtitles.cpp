#include "frame/subtitles.h"

#include <algorithm>
#include <cstring>

#include "core/data_manifest.h"
#include "core/datafiles.h"
#include "core/settings.h"
#include "core/world.h"

namespace subtitles {

using screen_layout::kScreenHeight;
using screen_layout::kScreenWidth;
using screen_layout::Rect;

namespace {

// The placed lines' words run on, broken anew for the large font.
std::vector<Line> in_large_font(const std::vector<Line>& placed, const Lettering& game_font, const Lettering& large) {
  std::string words;
  int left = kScreenWidth, right = 0, bottom = 0;
  for (const Line& l : placed) {
    words += (words.empty() ? "" : " ") + l.words;
    left = std::min(left, l.x);
    right = std::max(right, l.x + game_font.width(l.words));
    bottom = std::max(bottom, l.y + game_font.height);
  }
  const int widest = kScreenWidth - 2 * (kScreenMargin + kBandSide);
  const std::vector<std::string> rows = wrap_words(words, widest, large.width);
  const int row = large.height + kRowGap;
  const int height = static_cast<int>(rows.size()) * row - kRowGap;
  const int lowest_top = kScreenMargin + kBandAbove, highest_top = kScreenHeight - kScreenMargin - kBandBelow - height;
  const int top = std::max(lowest_top, std::min(bottom - height, highest_top));
  const int middle = (left + right) / 2;
  std::vector<Line> lines;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int w = large.width(rows[i]);
    const int x = std::clamp(middle - w / 2, kScreenMargin + kBandSide, kScreenWidth - kScreenMargin - kBandSide - w);
    lines.push_back({rows[i], x, top + static_cast<int>(i) * row});
  }
  return lines;
}

Rect band_around(const std::vector<Line>& lines, const Lettering& font) {
  Rect band{kScreenWidth, kScreenHeight, -1, -1};
  for (const Line& l : lines) {
    band.x1 = std::min(band.x1, l.x - kBandSide);
    band.y1 = std::min(band.y1, l.y - kBandAbove);
    band.x2 = std::max(band.x2, l.x + font.width(l.words) - 1 + kBandSide);
    band.y2 = std::max(band.y2, l.y + font.height - 1 + kBandBelow);
  }
  return {std::max(band.x1, 0), std::max(band.y1, 0), std::min(band.x2, kScreenWidth - 1),
          std::min(band.y2, kScreenHeight - 1)};
}

Lettering lettering(FONT* f) {
  return {[f](const std::string& s) { return text_length(f, s.c_str()); }, text_height(f)};
}

// The pixels of `area` of `b`, row after row.
std::vector<unsigned char> pixels(BITMAP* b, const Rect& area) {
  const int bytes = (bitmap_color_depth(b) + 7) / 8, row = area.width() * bytes;
  std::vector<unsigned char> out(static_cast<size_t>(row) * area.height());
  for (int y = area.y1; y <= area.y2; ++y)
    std::memcpy(&out[static_cast<size_t>(y - area.y1) * row], b->line[y] + area.x1 * bytes, row);
  return out;
}

// A third of the picture's light is left: dark enough for the letters, light enough to see the room through.
void darken(BITMAP* b, const Rect& area) {
  for (int y = area.y1; y <= area.y2; ++y)
    for (int x = area.x1; x <= area.x2; ++x) {
      const int c = getpixel(b, x, y);
      putpixel(b, x, y, makecol(getr(c) / 3, getg(c) / 3, getb(c) / 3));
    }
}

// What the last band and its lines left in the frame: drawn over a frame that still shows it, nothing changes.
struct Drawn {
  BITMAP* frame = nullptr;
  Rect area{0, 0, -1, -1};
  std::vector<unsigned char> pixels;
};
Drawn last;

bool still_shown(const Rect& area) {
  if (last.frame != memory_screen || std::memcmp(&last.area, &area, sizeof area) != 0) return false;
  const int bytes = (bitmap_color_depth(memory_screen) + 7) / 8, row = area.width() * bytes;
  for (int y = area.y1; y <= area.y2; ++y)
    if (std::memcmp(&last.pixels[static_cast<size_t>(y - area.y1) * row], memory_screen->line[y] + area.x1 * bytes, row))
      return false;
  return true;
}

}  // namespace

Layout lay_out(const std::vector<Line>& placed, const Lettering& game_font, const Lettering* large) {
  if (placed.empty()) return {{}, {0, 0, -1, -1}};
  const std::vector<Line> lines = large ? in_large_font(placed, game_font, *large) : placed;
  return {lines, band_around(lines, large ? *large : game_font)};
}

FONT* large_font() {
  const int i = manifest::at(manifest::Font::pv_font_large);
  if (!font_dat || datafile_entry_count(font_dat) <= i || font_dat[i].type != DAT_FONT) return nullptr;
  return static_cast<FONT*>(font_dat[i].dat);
}

void draw(const std::vector<Line>& placed, int colour) {
  if (!pv_font || !memory_screen) return;
  FONT* const large = settings::large_subtitles ? large_font() : nullptr;
  const Lettering game_lettering = lettering(pv_font), large_lettering = lettering(large ? large : pv_font);
  const Layout layout = lay_out(placed, game_lettering, large ? &large_lettering : nullptr);
  if (layout.lines.empty()) return;
  // The band as far as the frame buffer reaches (it is the screen's size; a test's may be smaller).
  const Rect area{layout.band.x1, layout.band.y1, std::min(layout.band.x2, memory_screen->w - 1),
                  std::min(layout.band.y2, memory_screen->h - 1)};
  const bool band = settings::subtitle_band && area.width() > 0 && area.height() > 0;
  if (band) {
    if (still_shown(area)) return;
    darken(memory_screen, area);
  }
  for (const Line& l : layout.lines) outlined_text(large ? large : pv_font, l.words.c_str(), l.x, l.y, colour);
  if (band) last = {memory_screen, area, pixels(memory_screen, area)};
}

}  // namespace subtitles
