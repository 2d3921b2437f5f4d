// The pictures of the scenes in which the teachers hand things over and take
// them (src/cutscenes/teacher_scenes_data.h): each teacher drawn as the room
// draws him, read from the room's own tables, walking, holding out his hand,
// holding the item of objects.dat he hands over or takes; Dori lifting and
// carrying the telescope of future_physik; the captions' background.
#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cutscenes/teacher_scenes_data.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "item_art.h"
#include "maths.h"
#include "room_floor.h"
#include "rooms_art.h"

namespace mkassets {
namespace {

using namespace teacher_scenes;

// The picture of a person or piece as its room draws it (size, look).
rooms::PieceUse use_of(const Slot& s) {
  const int index = room_index(s.room);
  if (index < 0) throw std::runtime_error(std::string("no room ") + s.room);
  const RoomScript& r = *kRooms[index];
  rooms::PieceUse u;
  u.room = r.name;
  u.person = s.person;
  u.future = room_floor::is_future(r.name);
  rooms::SizeHint hint;
  hint.min_len = r.min_hero_length;
  hint.rate = r.increase_rate;
  auto fill = [&](const auto& row) {
    u.name = row.name ? row.name : "";
    u.state = row.state;
    u.x = row.frames[0].x;
    u.y = row.frames[0].y;
    if (row.mouse_x >= 0 && row.mouse_x2 > row.mouse_x) hint.mouse_w = row.mouse_x2 - u.x;
    if (row.mouse_y >= 0 && row.mouse_y2 > row.mouse_y) hint.mouse_h = row.mouse_y2 - u.y;
  };
  bool found = false;
  if (s.person) {
    for (const PersonState& row : r.persons)
      if (!found && row.slot == s.slot && !row.frames.empty()) u.person_kind = row.kind, fill(row), found = true;
  } else {
    for (const FurniState& row : r.furniture)
      if (!found && row.slot == s.slot && !row.frames.empty()) u.piece_kind = row.kind, fill(row), found = true;
  }
  if (!found) throw std::runtime_error(std::string(s.room) + " has no slot " + std::to_string(s.slot));
  rooms::piece_size(u, hint);
  return u;
}

// A step of a walking cycle of four: the arms swing, one foot and then the
// other is lifted.
rooms::PieceUse walking(rooms::PieceUse u, int step) {
  u.phases = 4;
  u.phase = step;
  u.stride = std::sin(step * kPi / 2);
  return u;
}

// The item of objects.dat about `size` pixels across, centred on (cx, cy).
void item_at(cairo_t* cr, manifest::Objects item, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx - size / 2, cy - size / 2);
  cairo_scale(cr, size / 40.0, size / 40.0);
  paint_item(cr, item);
  cairo_restore(cr);
}

// One teacher frame: the person `u` with his picture of the room widened by
// kReach on the side `side` (-1 left, +1 right); his arm on that side raised
// by `raise` (0 hanging), holding `item` when `holds`.
Image16 teacher(rooms::PieceUse u, int side, double raise = 0, bool holds = false,
                manifest::Objects item = manifest::Objects::diamond) {
  (side < 0 ? u.arm_left : u.arm_right) = raise;
  const int ox = side < 0 ? kReach : 0;
  Canvas c(u.w + kReach, u.h);
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, ox, 0);
  rooms::paint_piece(cr, u);
  if (holds) {
    double hx, hy;
    rooms::hand_of(u, side, hx, hy);
    item_at(cr, item, hx + side * u.h * 0.03, hy, u.h * 0.16);
  }
  cairo_restore(cr);
  return cut(c);
}

// Entries of a datafile as they are added, named by the manifest's runs.
class Entries {
 public:
  explicit Entries(std::span<const manifest::Run> runs) : runs_(runs) {}
  void add(Image16 picture) {
    const manifest::Run& run = runs_[run_];
    df_.add_bitmap(run.count == 1 ? run.label : run.label + std::to_string(k_), picture);
    pics_.push_back(std::move(picture));
    if (++k_ == run.count) ++run_, k_ = 0;
  }
  void write(const Context& ctx, const manifest::File& file, int columns) const {
    df_.write(ctx.data_dir, file, runs_);
    std::vector<const Image16*> view;
    for (const Image16& p : pics_) view.push_back(&p);
    const std::string name = file.name;
    ctx.sheet(name.substr(0, name.size() - 4), view, columns);
  }

 private:
  std::span<const manifest::Run> runs_;
  size_t run_ = 0;
  int k_ = 0;
  Datafile df_;
  std::vector<Image16> pics_;
};

// The arm held out towards the hero, low to high.
constexpr double kOffer[3] = {0.2, 0.35, 0.5};

// Walking, then the arm held out holding `item`, then the same empty.
void teacher_handing(const Context& ctx, const manifest::File& file, std::span<const manifest::Run> runs,
                     const Slot& who, int side, manifest::Objects item) {
  const rooms::PieceUse u = use_of(who);
  Entries e(runs);
  for (int k = 0; k < 4; ++k) e.add(teacher(walking(u, k), side));
  for (double r : kOffer) e.add(teacher(u, side, r, true, item));
  for (double r : kOffer) e.add(teacher(u, side, r));
  e.write(ctx, file, 5);
}

void make_zirud_diamond(const Context& ctx) {
  using namespace manifest;
  const rooms::PieceUse u = use_of(kZirud);
  Entries e(kFrizzdiaRuns);
  for (int k = 0; k < 4; ++k) e.add(teacher(walking(u, k), 1));
  // Out towards the hero (the first three), then level, into the machine.
  constexpr double kRaise[4] = {0.3, 0.55, 0.75, 1.0};
  for (double r : kRaise) e.add(teacher(u, 1, r));
  for (double r : kRaise) e.add(teacher(u, 1, r, true, Objects::diamond));
  for (int k = 0; k < 4; ++k) e.add(teacher(walking(u, k), 1, 0.15, true, Objects::diamond));
  e.write(ctx, kFrizzdiaFile, 4);
}

void make_rurura_lead(const Context& ctx) {
  using namespace manifest;
  const rooms::PieceUse u = use_of(kRurura);
  Entries e(kGergetpbRuns);
  for (int k = 0; k < 4; ++k) e.add(teacher(walking(u, k), 1));
  for (double r : kOffer) e.add(teacher(u, 1, r));
  for (double r : kOffer) e.add(teacher(u, 1, r, true, Objects::lead_pipe));
  // Off to his bench, the pipe in the hand he took it with.
  for (int k = 0; k < 4; ++k) e.add(teacher(walking(u, k), 1, 0.15, true, Objects::lead_pipe));
  e.write(ctx, kGergetpbFile, 4);
}

// The background of the captions between the telescope's shots: night blue
// with a clock above the line the caption is written on.
Image16 caption_background() {
  using namespace draw;
  Canvas c(640, 480);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, 640, 480);
  vgrad(cr, 0, 480, 0x101830, 0x04060C);
  cairo_fill(cr);
  const double cx = 320, cy = 140, r = 58;
  cairo_arc(cr, cx, cy, r + 8, 0, 2 * kPi);
  rgrad(cr, cx, cy, r + 8, 0x384868, 0x182034);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  rgrad(cr, cx - 15, cy - 15, r * 1.4, 0xE8ECF4, 0x98A4BC);
  fill_stroke(cr, 0x0A0E18, 3);
  for (int h = 0; h < 12; ++h) {
    const double a = h * kPi / 6;
    cairo_move_to(cr, cx + std::sin(a) * r * 0.78, cy - std::cos(a) * r * 0.78);
    cairo_line_to(cr, cx + std::sin(a) * r * 0.92, cy - std::cos(a) * r * 0.92);
  }
  rgb(cr, 0x202838);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // the hands, and the trace the minute hand has swept
  cairo_move_to(cr, cx, cy);
  cairo_arc(cr, cx, cy, r * 0.72, -kPi / 2, kPi * 0.9);
  cairo_close_path(cr);
  rgb(cr, 0x6080C0, 0.35);
  cairo_fill(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::cos(kPi * 0.9) * r * 0.75, cy + std::sin(kPi * 0.9) * r * 0.75);
  cairo_set_line_width(cr, 4);
  rgb(cr, 0x101420);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::cos(-0.3) * r * 0.5, cy + std::sin(-0.3) * r * 0.5);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 5, 0, 2 * kPi);
  rgb(cr, 0xC03030);
  cairo_fill(cr);
  // a thin line under the caption's row
  cairo_rectangle(cr, 200, 262, 240, 2);
  rgb(cr, 0x6070A0, 0.8);
  cairo_fill(cr);
  return cut(c);
}

// Dori with the telescope in his arms, its picture `lift` pixels above where
// it stands in the room (Dori's left edge at the telescope's), his arms
// raised by `raise`; `step` >= 0 walks him.
Image16 dori_with_telescope(const rooms::PieceUse& dori, const rooms::PieceUse& scope, double lift, double raise,
                            int step) {
  rooms::PieceUse d = step >= 0 ? walking(dori, step) : dori;
  d.arm_left = d.arm_right = raise;
  const int w = std::max(dori.w, scope.w);
  Canvas c(w, dori.h + kDoriBelow);
  cairo_t* cr = c.cr();
  rooms::paint_piece(cr, d);
  const double bob = step >= 0 ? 3 * std::abs(std::sin(step * kPi / 2)) : 0;
  cairo_save(cr);
  cairo_translate(cr, 0, scope.y - dori.y - lift + bob);
  rooms::paint_piece(cr, scope);
  cairo_restore(cr);
  // his hands in front, gripping the tripod
  for (int side = -1; side <= 1; side += 2) {
    double hx, hy;
    rooms::hand_of(d, side, hx, hy);
    cairo_arc(cr, hx, hy, std::max(3.0, dori.h * 0.028), 0, 2 * kPi);
    draw::rgb(cr, 0xF2C8A0);
    draw::fill_stroke(cr, 0x101018, 1);
  }
  return cut(c);
}

void make_dori_telescope(const Context& ctx) {
  using namespace manifest;
  const rooms::PieceUse dori = use_of(kDori);
  const rooms::PieceUse scope = use_of(kTelescope);
  Entries e(kAdyteleRuns);
  e.add(caption_background());
  for (int k = 0; k < 4; ++k) {
    Canvas c(dori.w, dori.h + kDoriBelow);
    rooms::paint_piece(c.cr(), walking(dori, k));
    e.add(cut(c));
  }
  // From gripping it where it stands to holding it up at his chest.
  const double top = scope.y - dori.y;
  const double carried = dori.h * 0.1;
  for (int k = 0; k < 4; ++k) e.add(dori_with_telescope(dori, scope, (top - carried) * k / 3.0, 0.1 + 0.05 * k, -1));
  for (int k = 0; k < 4; ++k) e.add(dori_with_telescope(dori, scope, top - carried, 0.25, k));
  e.write(ctx, kAdyteleFile, 4);
}

}  // namespace

void make_teacher_scenes(const Context& ctx) {
  using namespace manifest;
  teacher_handing(ctx, kFrizzaccFile, kFrizzaccRuns, kZirud, 1, Objects::access_card);
  make_zirud_diamond(ctx);
  make_dori_telescope(ctx);
  make_rurura_lead(ctx);
  teacher_handing(ctx, kGergivpbFile, kGergivpbRuns, kRurura, 1, Objects::lead_solution);
  teacher_handing(ctx, kSchbrellFile, kSchbrellRuns, kRarozir, -1, Objects::glasses);
}

}  // namespace mkassets
