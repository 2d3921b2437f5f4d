// The hero's animation datafiles, drawn by hero_art: the eight walking cycles
// (walk.dat), talking to the front (talkf.dat) and sideways (talkr.dat,
// talkl.dat), and taking (takel.dat, taker.dat).
#include <functional>
#include <string>

#include "datafile.h"
#include "generator.h"
#include "hero_art.h"

namespace mkassets {
namespace {

// walk.dat holds the cycles of these path codes, 14 frames each, in this order.
constexpr int kWalkOrder[8] = {1, 2, 3, 7, 8, 4, 5, 6};
constexpr int kWalkFrames = 14;

Image16 frame(const std::function<void(cairo_t*)>& paint) {
  Canvas c(hero_art::kWidth, hero_art::kHeight);
  paint(c.cr());
  return cut(c);
}

void write_set(const Context& ctx, const std::string& file, const std::string& prefix, int count,
               const std::function<void(cairo_t*, int)>& paint, int sheet_columns) {
  Datafile df;
  std::vector<Image16> pics;
  pics.reserve(count);
  for (int i = 0; i < count; ++i) {
    pics.push_back(frame([&](cairo_t* cr) { paint(cr, i); }));
    df.add_bitmap(prefix + std::to_string(i), pics.back());
  }
  df.write(ctx.path(file));
  std::vector<const Image16*> view;
  for (const Image16& p : pics) view.push_back(&p);
  ctx.sheet(file.substr(0, file.size() - 4), view, sheet_columns);
}

}  // namespace

void make_hero(const Context& ctx) {
  write_set(ctx, "walk.dat", "GO", 8 * kWalkFrames,
            [](cairo_t* cr, int i) { hero_art::walk(cr, kWalkOrder[i / kWalkFrames], i % kWalkFrames); }, kWalkFrames);
  write_set(ctx, "talkf.dat", "TALK_FRONT", 15, [](cairo_t* cr, int i) { hero_art::talk_front(cr, i); }, 15);
  write_set(ctx, "talkr.dat", "TALKR", 30, [](cairo_t* cr, int i) { hero_art::talk_side(cr, true, i); }, 15);
  write_set(ctx, "talkl.dat", "TALKL", 30, [](cairo_t* cr, int i) { hero_art::talk_side(cr, false, i); }, 15);
  write_set(ctx, "takel.dat", "TAKEL", 15, [](cairo_t* cr, int i) { hero_art::take(cr, true, i); }, 15);
  write_set(ctx, "taker.dat", "TAKER", 15, [](cairo_t* cr, int i) { hero_art::take(cr, false, i); }, 15);
}

}  // namespace mkassets
