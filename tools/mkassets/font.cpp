// The game font: DejaVu Sans rendered with FreeType into a monochrome Allegro
// font, so the game can write it in any colour. Its glyphs are all one cell
// high, sized for the game's text rows of 20 pixels.
//
// The glyphs are hinted by FreeType's own autohinter, not by the face's
// instructions: at 14 px those draw the dot of i and j two rows high with a
// single empty row under it, so an enlarged window shows "Spiel" as "Splel";
// the autohinter keeps a one-row dot two rows above the stem, and the dots
// of ä, ö and ü as clear of their letters.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>
#include <string>

#include "datafile.h"
#include "generator.h"

namespace mkassets {
namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kPixelSize = 14;  // gives a cell of 17 pixels

MonoGlyph render_glyph(FT_Face face, unsigned code, int ascent, int cell_h) {
  MonoGlyph g;
  if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME | FT_LOAD_FORCE_AUTOHINT))
    throw std::runtime_error("FreeType cannot render character " + std::to_string(code));
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  const int left = std::max(0, static_cast<int>(slot->bitmap_left));
  g.w = std::max(static_cast<int>((slot->advance.x + 32) >> 6), left + static_cast<int>(bm.width));
  g.w = std::max(g.w, 1);
  g.h = cell_h;
  const int row_bytes = (g.w + 7) / 8;
  g.bits.assign(static_cast<size_t>(row_bytes) * g.h, 0);
  const int top = ascent - slot->bitmap_top;
  for (unsigned y = 0; y < bm.rows; ++y) {
    const int ty = top + static_cast<int>(y);
    if (ty < 0 || ty >= g.h) continue;
    for (unsigned x = 0; x < bm.width; ++x) {
      const bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? (bm.buffer[y * bm.pitch + x / 8] >> (7 - x % 8)) & 1
                                                          : bm.buffer[y * bm.pitch + x] >= 128;
      const int tx = left + static_cast<int>(x);
      if (on && tx < g.w) g.bits[static_cast<size_t>(ty) * row_bytes + tx / 8] |= 0x80 >> (tx % 8);
    }
  }
  return g;
}

}  // namespace

// ASCII, then Latin-1's printable half, glyph by glyph at `pixel_size`.
MonoFont render_font(int pixel_size) {
  FT_Library lib;
  if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType does not start");
  FT_Face face;
  if (FT_New_Face(lib, kFontPath, 0, &face)) throw std::runtime_error(std::string("cannot open ") + kFontPath);
  FT_Set_Pixel_Sizes(face, 0, pixel_size);
  const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
  const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
  const int cell_h = ascent + descent;
  MonoFont font;
  for (auto [first, last] : {std::pair{32, 126}, std::pair{160, 255}}) {
    MonoRange r;
    r.first = first;
    for (int c = first; c <= last; ++c) r.glyphs.push_back(render_glyph(face, static_cast<unsigned>(c), ascent, cell_h));
    font.ranges.push_back(std::move(r));
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return font;
}

MonoFont render_game_font() { return render_font(kPixelSize); }

// Spoken lines and subtitles for a player who reads them better larger
// (settings::large_subtitles): DejaVu Sans at 20 pixels, a cell of 24, about
// the size the guidelines for subtitles in games ask for at 480 lines.
constexpr int kLargePixelSize = 20;

void make_font(const Context& ctx) {
  const MonoFont font = render_game_font();
  Datafile df;
  df.add_font("PV_FONT", font);
  df.add_font("PV_FONT_LARGE", render_font(kLargePixelSize));
  df.write(ctx.data_dir, manifest::kFontFile, manifest::kFontRuns);
  if (!ctx.sheet_dir.empty()) {
    // A sheet of all glyphs, white on dark.
    std::vector<Image16> rows;
    for (const MonoRange& r : font.ranges) {
      for (size_t start = 0; start < r.glyphs.size(); start += 32) {
        Image16 line;
        line.h = r.glyphs[0].h;
        for (size_t i = start; i < std::min(r.glyphs.size(), start + 32); ++i) line.w += r.glyphs[i].w;
        line.px.assign(static_cast<size_t>(line.w) * line.h, rgb565(20, 24, 40));
        int x0 = 0;
        for (size_t i = start; i < std::min(r.glyphs.size(), start + 32); ++i) {
          const MonoGlyph& g = r.glyphs[i];
          for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
              if (g.bits[static_cast<size_t>(y) * ((g.w + 7) / 8) + x / 8] & (0x80 >> (x % 8)))
                line.px[static_cast<size_t>(y) * line.w + x0 + x] = rgb565(255, 255, 255);
          x0 += g.w;
        }
        rows.push_back(std::move(line));
      }
    }
    std::vector<const Image16*> view;
    for (const Image16& r : rows) view.push_back(&r);
    ctx.sheet("font", view, 1, 3.0);
  }
}

}  // namespace mkassets
