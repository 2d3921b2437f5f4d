// Keeping pictures: the PNG files, their list, sheets, and the small pictures
// cut from frames.
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/tr.h"
#include "core/world.h"
#include "gallery/gallery.h"
#include "platform/headless.h"

namespace gallery {

namespace {

std::string folder;      // OUT_DIR
std::ofstream listing;   // OUT_DIR/<lang>.list
std::string chapter;     // the heading the next pictures are listed under
int kept = 0;
int troubles = 0;        // parts that did not run as planned: the gallery is incomplete

void write_png(BITMAP* b, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, b->w, b->h);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < b->h; ++y) {
    const auto* row = reinterpret_cast<const uint16_t*>(b->line[y]);
    auto* out = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < b->w; ++x) {
      const uint32_t p = row[x];
      const uint32_t r = (p >> 11 & 31) * 255 / 31, g = (p >> 5 & 63) * 255 / 63, bl = (p & 31) * 255 / 31;
      out[x] = r << 16 | g << 8 | bl;
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_surface_write_to_png(s, path.c_str());
  cairo_surface_destroy(s);
}

std::string file_name(const std::string& title) {
  std::string slug;
  for (char c : title) {
    if (std::isalnum(static_cast<unsigned char>(c))) slug += static_cast<char>(std::tolower(c));
    else if (!slug.empty() && slug.back() != '_') slug += '_';
  }
  if (slug.size() > 90) slug.resize(90);
  char nr[8];
  std::snprintf(nr, sizeof nr, "%04d", ++kept);
  return std::string(TR("de", "en")) + "/" + nr + "_" + slug + ".png";
}

}  // namespace

void open_list(const std::string& out) {
  folder = out;
  const std::string lang = TR("de", "en");
  std::filesystem::remove_all(folder + "/" + lang);
  std::filesystem::create_directories(folder + "/" + lang);
  listing.open(folder + "/" + lang + ".list");
}
void begin_section(const std::string& heading) { chapter = heading; }
int pictures_kept() { return kept; }
int troubles_seen() { return troubles; }

const std::string& out_dir() { return folder; }

std::string list_picture(const std::string& title) {
  const std::string name = file_name(title);
  listing << chapter << '\t' << name << '\t' << title << '\n' << std::flush;
  return name;
}

void keep(BITMAP* b, const std::string& title) { write_png(b, folder + "/" + list_picture(title)); }

void trouble(const std::string& what) {
  ++troubles;
  std::fprintf(stderr, "gallery: %s\n", what.c_str());
}

// ---- Sheets -------------------------------------------------------------------------

void keep_sheet(const std::vector<Cell>& cells, const std::string& title) {
  if (cells.empty()) return;
  constexpr int kWidth = 1280, kGap = 8, kCaption = 22;
  struct Placed { int x, y, w, h; };
  std::vector<Placed> placed;
  int x = kGap, y = kGap, row_h = 0;
  for (const Cell& c : cells) {
    int w = text_length(pv_font, c.caption.c_str()), h = 0, pw = 0;
    for (BITMAP* b : c.pictures) pw += b->w + 4, h = std::max(h, b->h);
    w = std::min(std::max(w, pw), kWidth - 2 * kGap);
    if (x + w > kWidth - kGap) x = kGap, y += row_h + kGap, row_h = 0;
    placed.push_back({x, y, w, h + kCaption});
    x += w + kGap, row_h = std::max(row_h, h + kCaption);
  }
  BITMAP* sheet = create_bitmap(kWidth, y + row_h + kGap);
  clear_to_color(sheet, makecol(96, 104, 112));
  for (size_t i = 0; i < cells.size(); ++i) {
    const Placed& p = placed[i];
    rectfill(sheet, p.x, p.y, p.x + p.w - 1, p.y + p.h - 1, makecol(150, 156, 164));
    int px = p.x;
    for (BITMAP* b : cells[i].pictures) draw_sprite(sheet, b, px, p.y + kCaption), px += b->w + 4;
    textout_ex(sheet, pv_font, cells[i].caption.c_str(), p.x + 2, p.y + 1, makecol(255, 255, 255), -1);
  }
  keep(sheet, title);
  destroy_bitmap(sheet);
}

void Sheet::add(std::vector<BITMAP*> owned, const std::string& caption) {
  for (BITMAP* b : owned) owned_.emplace_back(b, destroy_bitmap);
  cells_.push_back({std::move(owned), caption});
}

// ---- Pictures made from frames ----------------------------------------------------------

BITMAP* cut(BITMAP* from, const screen_layout::Rect& area, int zoom) {
  const int x1 = std::max(area.x1, 0), y1 = std::max(area.y1, 0);
  const int x2 = std::min(area.x2, from->w - 1), y2 = std::min(area.y2, from->h - 1);
  const int w = std::max(x2 - x1 + 1, 1), h = std::max(y2 - y1 + 1, 1);
  BITMAP* b = create_bitmap_ex(bitmap_color_depth(from), w * zoom, h * zoom);
  stretch_blit(from, b, x1, y1, w, h, 0, 0, w * zoom, h * zoom);
  return b;
}

BITMAP* smaller(BITMAP* from, int divisor) {
  BITMAP* b = create_bitmap_ex(bitmap_color_depth(from), from->w / divisor, from->h / divisor);
  stretch_blit(from, b, 0, 0, from->w, from->h, 0, 0, b->w, b->h);
  return b;
}

BITMAP* copy_of(BITMAP* from) { return cut(from, {0, 0, from->w - 1, from->h - 1}); }

void mark(BITMAP* b, int x, int y, int colour) {
  rectfill(b, x - 4, y - 1, x + 4, y + 1, 0);
  rectfill(b, x - 1, y - 4, x + 1, y + 4, 0);
  hline(b, x - 3, y, x + 3, colour);
  vline(b, x, y - 3, y + 3, colour);
}

// ---- Waiting on the virtual clock --------------------------------------------------------

std::function<bool()> after(int ms, std::function<bool()> also) {
  auto since = std::make_shared<int>(-1);
  return [=] {
    if (!also()) return false;
    if (*since < 0) *since = headless::now();
    return headless::now() >= *since + ms;
  };
}

std::function<void()> shoot(const std::string& title) {
  return [title] { keep(headless::last_frame(), title); };
}

}  // namespace gallery
