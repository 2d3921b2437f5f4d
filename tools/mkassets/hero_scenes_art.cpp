// The datafiles of the scenes in which the hero handles things
// (src/cutscenes/hero_scenes_data.h): the gas bottle, the guitar, the
// caretaker's cupboard and its screwdriver, the lead pipe, the showcase, the
// shower's tank and the shower itself.
//
// The hero is the puppet of hero_art, drawn at the size the room's perspective
// gives him where the scene places him, so the player shows the frames
// unscaled; the things he handles are the rooms' own pieces (room_pieces.cpp),
// painted where the room shows them and then carried in his hands.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cutscenes/hero_scenes_data.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "hero_art.h"
#include "maths.h"
#include "rooms/registry.h"
#include "rooms_art.h"

namespace mkassets {
namespace {

using namespace hero_scenes_data;
using hero_art::Hand;
using hero_art::Joints;
using hero_art::Pose;

const RoomScript& room_named(const char* name) {
  for (const RoomScript* r : kRooms)
    if (std::strcmp(r->name, name) == 0) return *r;
  throw std::runtime_error(std::string("hero scenes: no room ") + name);
}

// A room's piece as the room's datafile draws it (by object index).
rooms::PieceUse piece(const char* room, int object) {
  const auto uses = rooms::piece_uses(room_named(room));
  const auto it = uses.find(object);
  if (it == uses.end()) throw std::runtime_error(std::string("hero scenes: ") + room + " shows no object " +
                                                 std::to_string(object));
  return it->second;
}
// The object index of a furniture slot's first frame.
int object_of(const char* room, int slot) {
  for (const FurniState& f : room_named(room).furniture)
    if (f.slot == slot && !f.frames.empty()) return f.frames[0].object;
  throw std::runtime_error(std::string("hero scenes: ") + room + " has no piece in slot " + std::to_string(slot));
}
rooms::PieceUse slot_piece(const char* room, int slot, int state = 0) {
  for (const FurniState& f : room_named(room).furniture)
    if (f.slot == slot && f.state == state && !f.frames.empty()) return piece(room, f.frames[0].object);
  return piece(room, object_of(room, slot));
}

// Paints a piece with its top-left corner at (x, y) of `cr`, turned by `angle`
// around its centre.
void paint_at(cairo_t* cr, const rooms::PieceUse& u, double x, double y, double angle = 0) {
  cairo_save(cr);
  cairo_translate(cr, x + u.w / 2.0, y + u.h / 2.0);
  cairo_rotate(cr, angle);
  cairo_translate(cr, -u.w / 2.0, -u.h / 2.0);
  rooms::paint_piece(cr, u);
  cairo_restore(cr);
}

// Where the hero stands in a scene: his size and picture as the game computes
// them (draw_room.cpp's scale_hero, in single precision like the game).
struct Stage {
  HeroStage s;
  int w = 0, h = 0, bmp_x = 0, bmp_y = 0;

  explicit Stage(const HeroStage& st, int x_shift = 0) : s(st) {
    const RoomScript& r = room_named(st.room);
    s.x += x_shift;
    float fy = static_cast<float>(s.y) / r.increase_rate + r.min_hero_length;
    if (fy > 1.3f) fy = 1.3f;
    h = static_cast<int>(static_cast<double>(fy) * 200);
    w = static_cast<int>(static_cast<double>(fy) * 125);
    bmp_x = s.x - w / 2;
    bmp_y = static_cast<int>(s.y - fy * 170);
  }
  // Room pixels to the puppet's 125 x 200 frame and back.
  double fx(double rx) const { return (rx - bmp_x) * hero_art::kWidth / w; }
  double fy(double ry) const { return (ry - bmp_y) * hero_art::kHeight / h; }
  double rx(double fx) const { return bmp_x + fx * w / hero_art::kWidth; }
  double ry(double fy) const { return bmp_y + fy * h / hero_art::kHeight; }

  // Where the pose's hands and head go, in room pixels.
  struct Where {
    double hand_x[2], hand_y[2], head_x, head_y;
  };
  Where where(const Joints& j) const {
    return {{rx(j.hand_x[0]), rx(j.hand_x[1])}, {ry(j.hand_y[0]), ry(j.hand_y[1])}, rx(j.head_x), ry(j.head_y)};
  }
  Where where(const Pose& p) const {
    Canvas scratch(4, 4);
    return where(hero_art::draw(scratch.cr(), p));
  }

  // Arm `side` of `p` reaches the room point (x, y).
  void aim(Pose& p, int side, double x, double y, double ahead = 12) const {
    hero_art::aim_arm(p, side, fx(x), fy(y), ahead);
  }
  // ... or moves `share` of the way there from where the pose holds it.
  void aim_part(Pose& p, int side, double x, double y, double share) const {
    const Where now = where(p);
    aim(p, side, now.hand_x[side] + (x - now.hand_x[side]) * share, now.hand_y[side] + (y - now.hand_y[side]) * share);
  }

  // One frame: `behind` and `front` paint in room pixels, before and after
  // the hero; both get where his hands are.
  using Props = std::function<void(cairo_t*, const Where&)>;
  Image16 frame(const Pose& p, const Props& front = nullptr, const Props& behind = nullptr) const {
    Canvas c(w + s.left + s.right, h + s.top + s.bottom);
    cairo_t* cr = c.cr();
    cairo_translate(cr, s.left - bmp_x, s.top - bmp_y);
    const Where at = where(p);
    if (behind) behind(cr, at);
    cairo_save(cr);
    cairo_translate(cr, bmp_x, bmp_y);
    cairo_scale(cr, static_cast<double>(w) / hero_art::kWidth, static_cast<double>(h) / hero_art::kHeight);
    hero_art::draw(cr, p);
    cairo_restore(cr);
    if (front) front(cr, at);
    return cut(c);
  }
};

// An overlay over a room's piece: painted in room pixels, on a picture that
// reaches `pad` beyond the piece's own.
Image16 overlay(const rooms::PieceUse& u, const OverlayPad& pad, const std::function<void(cairo_t*)>& paint) {
  Canvas c(u.w + pad.left + pad.right, u.h + pad.top + pad.bottom);
  cairo_t* cr = c.cr();
  cairo_translate(cr, pad.left - u.x, pad.top - u.y);
  paint(cr);
  return cut(c);
}

double lerp(double a, double b, double t) { return a + (b - a) * t; }
double ease(double t) { return 0.5 - 0.5 * std::cos(kPi * std::clamp(t, 0.0, 1.0)); }

// Collects a datafile's pictures in entry order and writes it.
struct Set {
  Datafile df;
  std::vector<Image16> pics;
  Run current{"", 0};
  int k = 0;
  void run(const Run& r) {
    current = r;
    k = 0;
  }
  void add(Image16 pic) {
    // A run of one entry is named by its label alone, as the manifest names it.
    df.add_bitmap(current.count == 1 ? std::string(current.label) : current.label + std::to_string(k), pic);
    ++k;
    pics.push_back(std::move(pic));
  }
  void write(const Context& ctx, const File& file, std::span<const Run> runs, int columns) {
    df.write(ctx.data_dir, file, runs);
    std::vector<const Image16*> view;
    for (const Image16& p : pics) view.push_back(&p);
    const std::string name = file.name;
    ctx.sheet(name.substr(0, name.size() - 4), view, columns);
  }
};

// ---------------------------------------------------------------- the gas bottle

void make_herogaz(const Context& ctx) {
  const Stage st(kGazStage);
  const rooms::PieceUse bottle = slot_piece(kGazStage.room, 1);
  // He takes the bottle round its middle and carries it at his side.
  const double grip_x = bottle.x + bottle.w * 0.5, grip_y = bottle.y + bottle.h * 0.32;
  const double lift = 12;
  const double carry_x = st.rx(36), carry_y = st.ry(104);
  auto carried = [&](double hand_x, double hand_y) {
    return [=](cairo_t* cr, const Stage::Where&) {
      paint_at(cr, bottle, bottle.x + hand_x - grip_x, bottle.y + hand_y - grip_y);
    };
  };
  auto holding = [&](double t, double hx, double hy) {
    Pose p = hero_art::bend_pose(true, t);
    st.aim(p, 0, hx, hy);
    p.arm[0].hand = Hand::fist;
    return p;
  };
  Set set;
  set.run(kHerogazRuns[0]);
  // 0..9: holding it, upright to bent low (played backwards: rising with it).
  for (int k = 0; k <= 9; ++k) {
    const double u = k / 9.0;
    const double hx = lerp(carry_x, grip_x, ease(u)), hy = lerp(carry_y, grip_y - lift, ease(u));
    set.add(st.frame(holding(0.9 * u, hx, hy), nullptr, carried(hx, hy)));
  }
  // 10..14: bending down, the hand going out to it.
  for (int k = 0; k < 5; ++k) {
    const double u = (k + 1) / 5.0;
    Pose p = hero_art::bend_pose(true, 0.9 * ease(u));
    st.aim_part(p, 0, grip_x, grip_y, ease(u));
    p.arm[0].hand = k >= 2 ? Hand::open : Hand::relaxed;
    set.add(st.frame(p));
  }
  // 15..29: the hand closes on it, then lifts it off the floor.
  for (int k = 0; k < 15; ++k) {
    const double u = k < 5 ? 0 : (k - 4) / 10.0;
    const double hx = grip_x, hy = grip_y - lift * ease(u);
    Pose p = holding(0.9, hx, hy);
    p.arm[0].hand = k < 2 ? Hand::open : Hand::fist;
    p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, nullptr, carried(hx, hy)));
  }
  set.write(ctx, kHerogazFile, kHerogazRuns, 10);
}

// ---------------------------------------------------------------- the guitar

void make_heroguit(const Context& ctx) {
  const Stage st(kGuitarStage);
  const rooms::PieceUse guitar = slot_piece(kGuitarStage.room, kGuitarSlot);
  const double grip_x = guitar.x + guitar.w * 0.5, grip_y = guitar.y + guitar.h * 0.22;
  auto held = [&](double x, double y, double angle) {
    // (x, y): where the neck is held; the guitar turns around it.
    return [=](cairo_t* cr, const Stage::Where&) {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, angle);
      paint_at(cr, guitar, -guitar.w * 0.5, -guitar.h * 0.22);
      cairo_restore(cr);
    };
  };
  Set set;
  set.run(kHeroguitRuns[0]);
  for (int k = 0; k < 8; ++k) {
    const double u = (k + 1) / 8.0;
    Pose p = hero_art::bend_pose(true, 0.25 * ease(u));
    st.aim_part(p, 0, grip_x, grip_y, ease(u));
    p.arm[0].hand = k >= 6 ? Hand::fist : Hand::open;
    set.add(st.frame(p));
  }
  // Lifted and swung round in front of him like a rock star's: the neck up
  // to his left, the body at his right hip.
  constexpr double kPlayAngle = -1.0;
  const double play_x = st.rx(28), play_y = st.ry(70);
  set.run(kHeroguitRuns[1]);
  for (int k = 0; k < 8; ++k) {
    const double u = ease((k + 1) / 8.0);
    const double nx = lerp(grip_x, play_x, u), ny = lerp(grip_y, play_y, u);
    Pose p = hero_art::bend_pose(true, 0.25 * (1 - u));
    p.facing = lerp(-60, -10, u);
    st.aim(p, 0, nx, ny);
    p.arm[0].hand = Hand::fist;
    const double angle = lerp(0, kPlayAngle, u);
    // His right hand comes to the strings.
    st.aim_part(p, 1, nx - std::sin(angle) * guitar.h * 0.55, ny + std::cos(angle) * guitar.h * 0.55, u);
    set.add(st.frame(p, held(nx, ny, angle)));
  }
  set.run(kHeroguitRuns[2]);
  for (int k = 0; k < 4; ++k) {
    Pose p = hero_art::stand_pose();
    p.facing = -10;
    p.mouth = k % 2 ? 0.9 : 0.4;
    p.smile = false;
    p.nod = k % 2 ? 6 : -2;
    st.aim(p, 0, play_x, play_y);
    p.arm[0].hand = Hand::fist;
    const double angle = kPlayAngle;
    st.aim(p, 1, play_x - std::sin(angle) * guitar.h * 0.55, play_y + std::cos(angle) * guitar.h * 0.55 + (k % 2 ? 5 : -4));
    set.add(st.frame(p, held(play_x, play_y, angle)));
  }
  set.write(ctx, kHeroguitFile, kHeroguitRuns, 8);
}

// ---------------------------------------------------------------- the cupboard

// The cupboard with its two doors swung open by `open` (0 shut .. 1 wide),
// the screwdriver inside while `with_tool`.
void cupboard(cairo_t* cr, const rooms::PieceUse& shut, const rooms::PieceUse& tool, double open, bool with_tool,
              double shake) {
  if (open <= 0) {
    paint_at(cr, shut, shut.x + shake, shut.y);
    return;
  }
  rooms::PieceUse inside = shut;
  inside.piece_kind = PieceKind::locker_open;
  paint_at(cr, inside, shut.x, shut.y);
  if (with_tool) paint_at(cr, tool, tool.x, tool.y);
  // Each door turns on its hinge at the cupboard's side; seen from the front
  // it narrows and its free edge comes towards the viewer (a little taller).
  const double W = shut.w, H = shut.h, x0 = shut.x, y0 = shut.y;
  const double a = open * kPi * 0.62;
  for (int side = 0; side < 2; ++side) {
    const double hinge = side == 0 ? x0 + 1 : x0 + W - 1;
    const double dir = side == 0 ? -1 : 1;  // where the free edge goes, seen from the front
    const double half = W / 2 - 1;
    const double edge = hinge - dir * half * std::cos(a);
    const double grow = 10 * std::sin(a);
    cairo_move_to(cr, hinge, y0 + 1);
    cairo_line_to(cr, edge, y0 + 1 - grow);
    cairo_line_to(cr, edge, y0 + H - 1 + grow);
    cairo_line_to(cr, hinge, y0 + H - 1);
    cairo_close_path(cr);
    draw::vgrad(cr, y0, y0 + H, 0xB8C4D4, 0x6A7488);
    draw::fill_stroke(cr, 0x101018, 1.5);
    // vents on the door
    for (int v = 0; v < 4; ++v) {
      const double yy = y0 + H * 0.08 + v * 5;
      cairo_move_to(cr, lerp(hinge, edge, 0.25), yy);
      cairo_line_to(cr, lerp(hinge, edge, 0.75), yy - grow * 0.1);
    }
    draw::rgb(cr, 0x101018);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

void make_herotool(const Context& ctx) {
  const Stage st(kToolStage);
  const char* room = kToolStage.room;
  const rooms::PieceUse shut = slot_piece(room, kCupboardSlot);
  const rooms::PieceUse tool = slot_piece(room, kToolSlot);
  // The wobbly lock, and the middle of the screwdriver.
  const double lock_x = shut.x + shut.w * 0.445, lock_y = shut.y + shut.h * 0.53;
  const double door_x = shut.x + shut.w * 0.6, door_y = shut.y + shut.h * 0.35;
  const double tool_x = tool.x + tool.w * 0.3, tool_y = tool.y + tool.h * 0.5;
  auto in_hand = [&](double angle) {
    return [=](cairo_t* cr, const Stage::Where& at) {
      cairo_save(cr);
      cairo_translate(cr, at.hand_x[0], at.hand_y[0]);
      cairo_rotate(cr, angle);
      paint_at(cr, tool, -tool.w * 0.3, -tool.h * 0.5);
      cairo_restore(cr);
    };
  };
  Set set;
  set.run(kHerotoolRuns[0]);  // turning to the cupboard
  for (int k = 0; k < 4; ++k) {
    Pose p = hero_art::stand_pose();
    p.facing = -25.0 * (k + 1);
    p.head_turn = -5;
    set.add(st.frame(p));
  }
  auto facing_lock = [&] {
    Pose p = hero_art::stand_pose();
    p.facing = -100;
    p.foot_fwd[0] = 4;
    p.foot_fwd[1] = -4;
    return p;
  };
  set.run(kHerotoolRuns[1]);  // the hand goes to the lock
  for (int k = 0; k < 5; ++k) {
    Pose p = facing_lock();
    st.aim_part(p, 0, lock_x, lock_y, ease((k + 1) / 5.0));
    p.arm[0].hand = Hand::open;
    set.add(st.frame(p));
  }
  set.run(kHerotoolRuns[2]);  // rattling it
  for (int k = 0; k < 4; ++k) {
    Pose p = facing_lock();
    st.aim(p, 0, lock_x + (k % 2 ? 3 : -2), lock_y + (k < 2 ? -2 : 2));
    p.arm[0].hand = Hand::fist;
    p.nod = 8;
    p.mouth = 0.2;
    p.smile = false;
    set.add(st.frame(p));
  }
  set.run(kHerotoolRuns[3]);  // knocking on the door with his fist
  for (int k = 0; k < 6; ++k) {
    Pose p = facing_lock();
    const bool hit = k % 2 == 1;
    st.aim(p, 0, hit ? door_x : door_x + 18, hit ? door_y : door_y - 12);
    p.arm[0].hand = Hand::fist;
    p.lean = hit ? 0.12 : 0.0;
    set.add(st.frame(p));
  }
  set.run(kHerotoolRuns[4]);  // tugging at the door
  for (int k = 0; k < 4; ++k) {
    Pose p = facing_lock();
    const double tug = k % 2 ? 1.0 : 0.3;
    p.lean = -0.12 * tug;
    p.hip_shift = -5 * tug;
    st.aim(p, 0, lock_x + 4 * tug, lock_y);
    st.aim(p, 1, lock_x + 10 * tug, lock_y + 6, 8);
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    p.mouth = 0.5 * tug;
    p.smile = false;
    set.add(st.frame(p));
  }
  set.run(kHerotoolRuns[5]);  // bending to the screwdriver
  for (int k = 0; k < 8; ++k) {
    const double u = ease((k + 1) / 8.0);
    Pose p = hero_art::bend_pose(true, 0.8 * u);
    p.facing = -85;
    st.aim_part(p, 0, tool_x, tool_y, u);
    p.arm[0].hand = k >= 6 ? Hand::fist : Hand::open;
    set.add(st.frame(p));
  }
  // Rising with it, and looking at it held up in front of him.
  const double show_x = st.rx(20), show_y = st.ry(62);
  set.run(kHerotoolRuns[6]);
  for (int k = 0; k < 6; ++k) {
    const double u = ease((k + 1) / 6.0);
    Pose p = hero_art::bend_pose(true, 0.8 * (1 - u));
    p.facing = lerp(-85, -45, u);
    st.aim(p, 0, lerp(tool_x, show_x, u), lerp(tool_y, show_y, u));
    p.arm[0].hand = Hand::fist;
    set.add(st.frame(p, in_hand(-0.3 - 0.9 * u)));
  }
  set.run(kHerotoolRuns[7]);
  for (int k = 0; k < 6; ++k) {
    Pose p = hero_art::stand_pose();
    p.facing = -45 + 8 * std::sin(k * kPi / 3);
    p.nod = 6;
    p.head_turn = -15;
    st.aim(p, 0, show_x + 3 * std::sin(k * kPi / 3), show_y);
    p.arm[0].hand = Hand::fist;
    set.add(st.frame(p, in_hand(-1.2 + 0.35 * std::sin(k * kPi / 3))));
  }
  // The cupboard itself.
  const rooms::PieceUse& u = shut;
  set.run(kHerotoolRuns[8]);
  set.add(overlay(u, kCupboardPad, [&](cairo_t* cr) { cupboard(cr, shut, tool, 0, false, 0); }));
  set.run(kHerotoolRuns[9]);
  for (double shake : {-1.5, 1.5})
    set.add(overlay(u, kCupboardPad, [&](cairo_t* cr) { cupboard(cr, shut, tool, 0, false, shake); }));
  set.run(kHerotoolRuns[10]);
  for (int k = 0; k < 4; ++k)
    set.add(overlay(u, kCupboardPad, [&](cairo_t* cr) { cupboard(cr, shut, tool, (k + 1) / 4.0, true, 0); }));
  set.run(kHerotoolRuns[11]);
  set.add(overlay(u, kCupboardPad, [&](cairo_t* cr) { cupboard(cr, shut, tool, 1, false, 0); }));
  set.write(ctx, kHerotoolFile, kHerotoolRuns, 8);
}

// ---------------------------------------------------------------- the lead pipe

void flame(cairo_t* cr, double x, double y, double angle, double len, int flicker) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  const double l = len * (0.85 + 0.1 * (flicker % 3));
  cairo_move_to(cr, 0, -2.5);
  cairo_curve_to(cr, l * 0.5, -3, l * 0.8, -1, l, 0);
  cairo_curve_to(cr, l * 0.8, 1, l * 0.5, 3, 0, 2.5);
  cairo_close_path(cr);
  draw::rgb(cr, 0x60B0FF, 0.9);
  cairo_fill(cr);
  cairo_move_to(cr, 0, -1.2);
  cairo_line_to(cr, l * 0.55, 0);
  cairo_line_to(cr, 0, 1.2);
  cairo_close_path(cr);
  draw::rgb(cr, 0xF0FAFF);
  cairo_fill(cr);
  cairo_restore(cr);
}

void make_herorohr(const Context& ctx) {
  const Stage st(kRohrStage);
  const char* room = kRohrStage.room;
  const rooms::PieceUse pipe = slot_piece(room, kPipeSlot);
  const rooms::PieceUse torch = slot_piece(room, kTorchSlot);
  const double cut_x = pipe.x + pipe.w * 0.5, cut_y = pipe.y + pipe.h * 0.5;
  const double hose_x = torch.x + torch.w * 0.25, hose_y = torch.y + torch.h * 0.35;
  // The burner in his hands: a short nozzle pointing at the pipe, its hose
  // hanging down to the bottle on the floor.
  const double reach_x = cut_x - 16, reach_y = cut_y + 22;
  auto burner = [&](bool lit, int flicker, double down) {
    return [=](cairo_t* cr, const Stage::Where& at) {
      const double hx = at.hand_x[1], hy = at.hand_y[1];
      const double ang = std::atan2(cut_y - hy, cut_x - hx) + down;
      cairo_move_to(cr, hx, hy);
      cairo_curve_to(cr, hx + 4, hy + 60, hose_x + 20, hose_y - 10, hose_x, hose_y);
      draw::rgb(cr, 0x202020);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
      const double nx = hx + std::cos(ang) * 12, ny = hy + std::sin(ang) * 12;
      cairo_move_to(cr, hx, hy);
      cairo_line_to(cr, nx, ny);
      draw::rgb(cr, 0x505860);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      if (lit) flame(cr, nx, ny, ang, 14, flicker);
    };
  };
  auto base = [&] {
    Pose p = hero_art::stand_pose();
    p.facing = 150;
    p.foot_fwd[0] = -3;
    p.foot_fwd[1] = 4;
    return p;
  };
  Set set;
  set.run(kHerorohrRuns[0]);  // raising the burner
  for (int k = 0; k < 5; ++k) {
    const double u = ease((k + 1) / 5.0);
    Pose p = base();
    st.aim_part(p, 1, reach_x, reach_y, u);
    st.aim_part(p, 0, reach_x - 6, reach_y + 10, u);
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, burner(k == 4, k, 0)));
  }
  set.run(kHerorohrRuns[1]);  // cutting
  for (int k = 0; k < 4; ++k) {
    Pose p = base();
    st.aim(p, 1, reach_x + (k % 2 ? 2 : -1), reach_y + (k < 2 ? 1 : -1));
    st.aim(p, 0, reach_x - 6, reach_y + 10);
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, burner(true, k, 0)));
  }
  set.run(kHerorohrRuns[2]);  // the cut piece drops into his left hand
  for (int k = 0; k < 5; ++k) {
    const double u = ease((k + 1) / 5.0);
    Pose p = base();
    st.aim(p, 1, lerp(reach_x, st.rx(95), u), lerp(reach_y, st.ry(95), u));
    st.aim(p, 0, lerp(cut_x - 4, st.rx(70), u), lerp(cut_y + 4, st.ry(85), u));
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, [&](cairo_t* cr, const Stage::Where& at) {
      burner(false, 0, 0.8 * u)(cr, at);
      paint_at(cr, pipe, at.hand_x[0] - pipe.w * 0.5, at.hand_y[0] - pipe.h * 0.5, 0.6 * u);
    }));
  }
  set.run(kHerorohrRuns[3]);  // stooping for the bottle and coming up with it all
  for (int k = 0; k < 6; ++k) {
    const double t = std::sin(kPi * (k + 1) / 7.0);
    const bool got = k >= 3;
    Pose p = hero_art::bend_pose(false, 0.7 * t);
    p.facing = 70;
    const double tx = torch.x + torch.w * 0.2, ty = torch.y + torch.h * 0.3;
    st.aim_part(p, 1, tx, ty, got ? t : ease((k + 1) / 3.0));
    p.arm[0].aim = false;
    p.arm[0].swing = 0.9;
    p.arm[0].fore_swing = 1.6;
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, [&, got](cairo_t* cr, const Stage::Where& at) {
      paint_at(cr, pipe, at.hand_x[0] - pipe.w * 0.5, at.hand_y[0] - pipe.h * 0.5, 0.6);
      if (got) paint_at(cr, torch, at.hand_x[1] - torch.w * 0.2, at.hand_y[1] - torch.h * 0.3);
    }));
  }
  set.run(kHerorohrRuns[4]);  // the glow where the flame bites
  for (int k = 0; k < 3; ++k)
    set.add(overlay(pipe, kGlowPad, [&](cairo_t* cr) {
      draw::rgrad(cr, cut_x, cut_y, 10 + 2 * k, 0xFFF0C0, 0xFF6010);
      cairo_arc(cr, cut_x, cut_y, 5 + 2 * k, 0, 2 * kPi);
      cairo_fill(cr);
    }));
  set.write(ctx, kHerorohrFile, kHerorohrRuns, 8);
}

// ---------------------------------------------------------------- the showcase

void make_herocase(const Context& ctx) {
  const Stage st(kCaseStage);
  const char* room = kCaseStage.room;
  const rooms::PieceUse whole = slot_piece(room, kShowcaseSlot, 0);
  const rooms::PieceUse broken = slot_piece(room, kShowcaseSlot, kShowcaseBroken);
  const rooms::PieceUse dia = slot_piece(room, kDiamondSlot);
  const rooms::PieceUse screwdriver = piece("future_floor15", object_of("future_floor15", kToolSlot));
  const double lock_x = whole.x + whole.w * 0.5, lock_y = whole.y + whole.h * 0.69;
  const double edge_x = whole.x + whole.w - 6, edge_y = whole.y + whole.h * 0.35;
  auto base = [&] {
    Pose p = hero_art::stand_pose();
    p.facing = 150;
    return p;
  };
  auto prying = [&](double angle) {
    return [=](cairo_t* cr, const Stage::Where& at) {
      cairo_save(cr);
      cairo_translate(cr, at.hand_x[1], at.hand_y[1]);
      cairo_rotate(cr, angle);
      paint_at(cr, screwdriver, -screwdriver.w * 0.25, -screwdriver.h * 0.5);
      cairo_restore(cr);
    };
  };
  Set set;
  set.run(kHerocaseRuns[0]);
  for (int k = 0; k < 5; ++k) {
    Pose p = base();
    const double u = ease((k + 1) / 5.0);
    st.aim_part(p, 1, lock_x - 8, lock_y, u);
    p.arm[1].hand = Hand::fist;
    set.add(st.frame(p, prying(lerp(1.2, 3.0, u))));
  }
  set.run(kHerocaseRuns[1]);
  for (int k = 0; k < 6; ++k) {
    Pose p = base();
    const double w = std::sin(k * kPi / 3);
    st.aim(p, 1, lock_x - 8, lock_y + 4 * w);
    st.aim(p, 0, lock_x - 14, lock_y - 6 + 3 * w);
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    p.lean = 0.08 + 0.05 * w;
    set.add(st.frame(p, prying(3.0 + 0.25 * w)));
  }
  set.run(kHerocaseRuns[2]);  // the glass front swings open
  for (int k = 0; k < 6; ++k) {
    Pose p = base();
    const double u = ease(k / 5.0);
    const double a = u * kPi * 0.55;
    st.aim(p, 1, lerp(edge_x, whole.x + 1 + (whole.w - 2) * std::cos(a) * 0.9, u), edge_y);
    p.arm[1].hand = Hand::fist;
    set.add(st.frame(p));
  }
  auto glass_door = [&](cairo_t* cr, double open) {
    const double a = open * kPi * 0.6, H = whole.h * 0.6, x0 = whole.x + 1, y0 = whole.y + 1;
    const double edge = x0 + (whole.w - 2) * std::cos(a), grow = 8 * std::sin(a);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, edge, y0 - grow);
    cairo_line_to(cr, edge, y0 + H + grow);
    cairo_line_to(cr, x0, y0 + H);
    cairo_close_path(cr);
    draw::rgb(cr, 0xB0E0F0, 0.55);
    draw::fill_stroke(cr, 0x4A6A8A, 2);
  };
  set.run(kHerocaseRuns[3]);
  for (double shake : {-1.0, 1.0})
    set.add(overlay(whole, kShowcasePad, [&](cairo_t* cr) { paint_at(cr, whole, whole.x, whole.y + shake * 0.5);
      cairo_rectangle(cr, whole.x + whole.w * 0.46 + shake, whole.y + whole.h * 0.65, whole.w * 0.08, whole.h * 0.08);
      draw::rgb(cr, 0xD8C060);
      draw::fill_stroke(cr, 0x302010, 1); }));
  set.run(kHerocaseRuns[4]);
  for (int k = 0; k < 2; ++k)
    set.add(overlay(whole, kShowcasePad, [&](cairo_t* cr) {
      paint_at(cr, broken, whole.x, whole.y);
      draw::rgrad(cr, lock_x, lock_y, 9 + 5 * k, 0xFFFFFF, 0xFFE060);
      cairo_arc(cr, lock_x, lock_y, 4 + 4 * k, 0, 2 * kPi);
      cairo_fill(cr);
    }));
  set.run(kHerocaseRuns[5]);
  set.add(overlay(whole, kShowcasePad, [&](cairo_t* cr) { paint_at(cr, broken, whole.x, whole.y); }));
  set.run(kHerocaseRuns[6]);
  for (int k = 0; k < 4; ++k)
    set.add(overlay(whole, kShowcasePad, [&](cairo_t* cr) {
      // The open case: the cabinet, the clear inside with the diamond, the door.
      paint_at(cr, broken, whole.x, whole.y);
      cairo_rectangle(cr, whole.x + 2, whole.y + 2, whole.w - 4, whole.h * 0.6 - 2);
      draw::vgrad(cr, whole.y, whole.y + whole.h * 0.6, 0x3A4A5A, 0x5A6A7A);
      cairo_fill(cr);
      paint_at(cr, dia, dia.x, dia.y);
      glass_door(cr, (k + 1) / 4.0);
    }));
  set.write(ctx, kHerocaseFile, kHerocaseRuns, 8);
}

// ---------------------------------------------------------------- the tank

// The flask of lead solution: grey liquid in clear glass.
void solution_flask(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, -2, -14);
  cairo_line_to(cr, 2, -14);
  cairo_line_to(cr, 2, -7);
  cairo_line_to(cr, 6, 4);
  cairo_line_to(cr, -6, 4);
  cairo_line_to(cr, -2, -7);
  cairo_close_path(cr);
  draw::rgb(cr, 0xE8F4FF, 0.8);
  draw::fill_stroke(cr, 0x3A4A5A, 1);
  cairo_move_to(cr, -4.5, -1);
  cairo_line_to(cr, 4.5, -1);
  cairo_line_to(cr, 5.5, 3);
  cairo_line_to(cr, -5.5, 3);
  cairo_close_path(cr);
  draw::rgb(cr, 0x8A909C);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The funnel of the tank's filler on the shower's standpipe.
void funnel(cairo_t* cr, double x, double y) {
  cairo_move_to(cr, x - 7, y - 6);
  cairo_line_to(cr, x + 7, y - 6);
  cairo_line_to(cr, x + 2, y + 2);
  cairo_line_to(cr, x + 2, y + 8);
  cairo_line_to(cr, x - 2, y + 8);
  cairo_line_to(cr, x - 2, y + 2);
  cairo_close_path(cr);
  draw::vgrad(cr, y - 6, y + 8, 0xD8DCE4, 0x6A7080);
  draw::fill_stroke(cr, 0x202028, 1);
}

void make_bleidouc(const Context& ctx) {
  const Stage st(kBleiStage);
  const rooms::PieceUse shower = slot_piece(kBleiStage.room, kShowerSlot);
  const double in_x = shower.x + shower.w * 0.14, in_y = shower.y + shower.h * 0.3;
  const double lip_x = in_x + 12, lip_y = in_y - 14;
  auto base = [&] {
    Pose p = hero_art::stand_pose();
    p.facing = -115;
    p.foot_fwd[0] = 5;
    return p;
  };
  Set set;
  set.run(kBleidoucRuns[0]);
  for (int k = 0; k < 5; ++k) {
    const double u = ease((k + 1) / 5.0);
    Pose p = base();
    st.aim_part(p, 0, lip_x + 10, lip_y + 10, u);
    p.arm[0].hand = Hand::fist;
    set.add(st.frame(p, [=](cairo_t* cr, const Stage::Where& at) {
      solution_flask(cr, at.hand_x[0], at.hand_y[0], -0.9 * u);
    }));
  }
  set.run(kBleidoucRuns[1]);
  for (int k = 0; k < 4; ++k) {
    Pose p = base();
    st.aim(p, 0, lip_x + 10 + (k % 2), lip_y + 10);
    p.arm[0].hand = Hand::fist;
    p.nod = -8;
    set.add(st.frame(p, [=](cairo_t* cr, const Stage::Where& at) {
      solution_flask(cr, at.hand_x[0], at.hand_y[0], -2.0);
      // the grey stream into the funnel
      const double sx = at.hand_x[0] - 12, sy = at.hand_y[0] - 6;
      cairo_move_to(cr, sx, sy);
      cairo_curve_to(cr, sx - 4, sy + 2, in_x + 2, in_y - 12 + k, in_x, in_y - 4);
      draw::rgb(cr, 0x9AA2B0);
      cairo_set_line_width(cr, 3.2);
      cairo_stroke(cr);
    }));
  }
  set.run(kBleidoucRuns[2]);
  for (int k = 0; k < 3; ++k)
    set.add(overlay(shower, kTankPad, [&](cairo_t* cr) {
      funnel(cr, in_x, in_y);
      for (int d = 0; k > 0 && d < 3; ++d) {
        cairo_arc(cr, in_x - 5 + d * 5 + (k - 1) * 1.5, in_y - 7 - ((d + k) % 3) * 2, 1.2, 0, 2 * kPi);
        draw::rgb(cr, 0xA8B0BC);
        cairo_fill(cr);
      }
    }));
  set.write(ctx, kBleidoucFile, kBleidoucRuns, 8);
}

// ---------------------------------------------------------------- the shower

void make_douche(const Context& ctx) {
  const Stage st(kDoucheStage);
  const Stage under(kDoucheStage, -8 * kDoucheSteps);
  const rooms::PieceUse shower = slot_piece(kDoucheStage.room, kShowerSlot);
  const double head_x = shower.x + shower.w * 0.62, head_y = shower.y + 8 + shower.w * 0.06;
  const double handle_x = shower.x + shower.w * 0.45, handle_y = shower.y + shower.h * 0.64;
  Set set;
  set.run(kDoucheRuns[0]);  // the glasses come out and go on
  for (int k = 0; k < 8; ++k) {
    const double u = ease((k + 1) / 8.0);
    Pose p = hero_art::stand_pose();
    const Stage::Where rest = st.where(p);
    st.aim(p, 0, lerp(rest.hand_x[0], rest.head_x + 9, u), lerp(rest.hand_y[0], rest.head_y, u), 14);
    st.aim(p, 1, lerp(rest.hand_x[1], rest.head_x - 9, u), lerp(rest.hand_y[1], rest.head_y, u), 14);
    p.arm[0].hand = p.arm[1].hand = Hand::fist;
    p.glasses = k == 7;
    const bool carried = k < 7;
    set.add(st.frame(p, [=](cairo_t* cr, const Stage::Where& at) {
      if (!carried) return;
      for (int s = 0; s < 2; ++s) {
        cairo_arc(cr, lerp(at.hand_x[0], at.hand_x[1], 0.3 + 0.4 * s), (at.hand_y[0] + at.hand_y[1]) / 2, 3.2, 0,
                  2 * kPi);
        draw::rgb(cr, 0x8CD870, 0.85);
        draw::fill_stroke(cr, 0x101018, 1.2);
      }
    }));
  }
  set.run(kDoucheRuns[1]);
  for (int k = 0; k < 15; ++k) {
    Pose p = hero_art::talk_front_pose(k);
    p.glasses = true;
    set.add(st.frame(p));
  }
  set.run(kDoucheRuns[2]);
  for (int k = 0; k < 14; ++k) {
    Pose p = hero_art::walk_pose(3, k);
    p.glasses = true;
    set.add(st.frame(p));
  }
  set.run(kDoucheRuns[3]);
  for (int k = 0; k < 14; ++k) {
    Pose p = hero_art::walk_pose(4, k);
    p.glasses = true;
    set.add(st.frame(p));
  }
  set.run(kDoucheRuns[4]);  // under the shower, pulling its handle
  for (int k = 0; k < 4; ++k) {
    Pose p = hero_art::stand_pose();
    p.glasses = true;
    p.facing = -20;
    under.aim_part(p, 0, handle_x, handle_y - (k == 3 ? 0 : 6), ease((k + 1) / 4.0));
    p.arm[0].hand = Hand::fist;
    set.add(under.frame(p));
  }
  set.run(kDoucheRuns[5]);  // scrubbing his head
  for (int k = 0; k < 8; ++k) {
    Pose p = hero_art::stand_pose();
    p.glasses = true;
    const Stage::Where at = under.where(p);
    const double w = std::sin(k * kPi / 4);
    under.aim(p, 0, at.head_x + 10 + 3 * w, at.head_y - 10 - 2 * w, 10);
    under.aim(p, 1, at.head_x - 10 + 3 * w, at.head_y - 8 + 2 * w, 10);
    p.arm[0].hand = p.arm[1].hand = Hand::open;
    p.nod = 6;
    p.smile = true;
    set.add(under.frame(p));
  }
  set.run(kDoucheRuns[6]);  // singing with his arms wide
  for (int k = 0; k < 8; ++k) {
    Pose p = hero_art::stand_pose();
    p.glasses = true;
    const double w = std::sin(k * kPi / 4);
    for (int s = 0; s < 2; ++s) {
      hero_art::Arm& a = p.arm[s];
      a.swing = 0.4 + 0.15 * w;
      a.spread = 1.1 + 0.2 * w;
      a.fore_swing = 0.9;
      a.fore_spread = 1.4 + 0.2 * w;
      a.hand = Hand::open;
    }
    p.mouth = 0.6 + 0.4 * std::fabs(w);
    p.smile = false;
    p.nod = -8;
    p.head_turn = 10 * w;
    set.add(under.frame(p));
  }
  set.run(kDoucheRuns[7]);  // shaking the water off
  for (int k = 0; k < 6; ++k) {
    Pose p = hero_art::stand_pose();
    p.glasses = true;
    const double w = k % 2 ? 1 : -1;
    p.hip_sway = 3 * w;
    p.head_turn = 25 * w;
    p.facing = 8 * w;
    for (int s = 0; s < 2; ++s) {
      p.arm[s].spread = 0.5;
      p.arm[s].fore_spread = 0.7 + 0.3 * w;
    }
    set.add(under.frame(p));
  }
  // The water: grey with the lead, in streams from the shower head that
  // splash at his feet; afterwards a few drops.
  const double floor_y = shower.y + shower.h;
  set.run(kDoucheRuns[8]);
  for (int k = 0; k < 4; ++k)
    set.add(overlay(shower, kWaterPad, [&](cairo_t* cr) {
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      for (int i = 0; i < 9; ++i) {
        const double x0 = head_x - 8 + i * 2, spread = (i - 4) * 2.4;
        for (double y = head_y + 4 + ((i * 7 + k * 11) % 14); y < floor_y - 6; y += 16) {
          const double t = (y - head_y) / (floor_y - head_y);
          cairo_move_to(cr, x0 + spread * t, y);
          cairo_line_to(cr, x0 + spread * (t + 0.05), y + 8);
        }
      }
      draw::rgb(cr, 0xB8C8E0, 0.9);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      for (int d = 0; d < 6; ++d) {
        const double a = kPi * (1.1 + 0.16 * d) + k * 0.3;
        cairo_arc(cr, head_x + std::cos(a) * (12 + k * 2), floor_y - 3 + std::sin(a) * 5, 1.4, 0, 2 * kPi);
        draw::rgb(cr, 0xD8E4F4);
        cairo_fill(cr);
      }
    }));
  set.run(kDoucheRuns[9]);
  for (int k = 0; k < 2; ++k)
    set.add(overlay(shower, kWaterPad, [&](cairo_t* cr) {
      for (int d = 0; d < 3; ++d) {
        cairo_arc(cr, head_x - 4 + d * 4, head_y + 8 + ((d * 17 + k * 23) % 40), 1.3, 0, 2 * kPi);
        draw::rgb(cr, 0xB8C8E0);
        cairo_fill(cr);
      }
    }));
  set.write(ctx, kDoucheFile, kDoucheRuns, 15);
}

}  // namespace

void make_hero_scenes(const Context& ctx) {
  make_herogaz(ctx);
  make_heroguit(ctx);
  make_herotool(ctx);
  make_herorohr(ctx);
  make_herocase(ctx);
  make_bleidouc(ctx);
  make_douche(ctx);
}

}  // namespace mkassets
