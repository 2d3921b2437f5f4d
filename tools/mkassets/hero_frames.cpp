// The hero's animation datafiles, drawn by hero_art: the eight walking cycles
// (walk.dat), talking to the front (talkf.dat) and sideways (talkr.dat,
// talkl.dat), and taking (takel.dat, taker.dat).
#include <functional>
#include <string>

#include "core/world.h"
#include "datafile.h"
#include "generator.h"
#include "hero_art.h"

namespace mkassets {
namespace {

// walk.dat holds the cycles of these path codes, in this order (data_manifest.h).
constexpr int kWalkOrder[8] = {kStepUp,   kStepDown,    kStepLeft,   kStepDownLeft,
                               kStepDownRight, kStepRight, kStepUpLeft, kStepUpRight};
using manifest::kWalkFrames;

Image16 frame(const std::function<void(cairo_t*)>& paint) {
  Canvas c(hero_art::kWidth, hero_art::kHeight);
  paint(c.cr());
  return cut(c);
}

// A datafile of one run of frames.
void write_set(const Context& ctx, const manifest::File& file, std::span<const manifest::Run> runs,
               const std::function<void(cairo_t*, int)>& paint, int sheet_columns) {
  Datafile df;
  std::vector<Image16> pics;
  pics.reserve(file.entries);
  for (int i = 0; i < file.entries; ++i) {
    pics.push_back(frame([&](cairo_t* cr) { paint(cr, i); }));
    df.add_bitmap(runs[0].label + std::to_string(i), pics.back());
  }
  df.write(ctx.data_dir, file, runs);
  const std::string name = file.name;
  std::vector<const Image16*> view;
  for (const Image16& p : pics) view.push_back(&p);
  ctx.sheet(name.substr(0, name.size() - 4), view, sheet_columns);
}

}  // namespace

void make_hero(const Context& ctx) {
  using namespace manifest;
  write_set(ctx, kWalkFile, kWalkRuns,
            [](cairo_t* cr, int i) { hero_art::walk(cr, kWalkOrder[i / kWalkFrames], i % kWalkFrames); }, kWalkFrames);
  write_set(ctx, kTalkfFile, kTalkfRuns, [](cairo_t* cr, int i) { hero_art::talk_front(cr, i); }, 15);
  write_set(ctx, kTalkrFile, kTalkrRuns, [](cairo_t* cr, int i) { hero_art::talk_side(cr, true, i); }, 15);
  write_set(ctx, kTalklFile, kTalklRuns, [](cairo_t* cr, int i) { hero_art::talk_side(cr, false, i); }, 15);
  write_set(ctx, kTakelFile, kTakelRuns, [](cairo_t* cr, int i) { hero_art::take(cr, true, i); }, 15);
  write_set(ctx, kTakerFile, kTakerRuns, [](cairo_t* cr, int i) { hero_art::take(cr, false, i); }, 15);
}

}  // namespace mkassets
