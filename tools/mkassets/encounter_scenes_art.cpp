// The encounter scenes' datafiles: the opening knock-out in future_floor1
// (herodatz.dat, betodatz.dat), Mrs Sand falling asleep in future_biolog
// (sandslee.dat, sandsle2.dat) and the guard of future_floor2 (poliexit.dat,
// polikf.dat).
//
// The persons are the rooms' own (room_pieces.cpp paints them, at the size
// and place their room's tables give), moved into new poses; the hero is his
// own puppet (hero_art.h) at the size the room's perspective gives him where
// the scene finds him. Every frame is drawn in screen coordinates and cut to
// the box its sequence draws it in (cutscenes/encounter_scenes_data.h).
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/world.h"
#include "cutscenes/encounter_scenes_data.h"
#include "datafile.h"
#include "draw.h"
#include "generator.h"
#include "hero_art.h"
#include "maths.h"
#include "rooms/registry.h"
#include "rooms_art.h"

namespace mkassets {
namespace {

using namespace draw;
using rooms::PieceUse;
using rooms::PersonPose;

const RoomScript& room(const char* name) {
  for (const RoomScript* r : kRooms)
    if (std::strcmp(r->name, name) == 0) return *r;
  throw std::runtime_error(std::string("no room ") + name);
}

// The picture of object `index` of a room, as the room's datafile holds it.
PieceUse room_piece(const RoomScript& r, int index) {
  const auto uses = rooms::piece_uses(r);
  const auto it = uses.find(index);
  if (it == uses.end()) throw std::runtime_error(std::string(r.name) + " draws no object " + std::to_string(index));
  return it->second;
}

struct Box {
  int x, y, w, h;
};

// A frame drawn in screen coordinates, cut to `box`.
Image16 frame(const Box& box, const std::function<void(cairo_t*)>& paint) {
  Canvas c(box.w, box.h);
  cairo_translate(c.cr(), -box.x, -box.y);
  paint(c.cr());
  return cut(c);
}

// A datafile filled in the order of its manifest.
class Writer {
 public:
  void add(const char* label, int count, const std::function<Image16(int)>& make) {
    for (int k = 0; k < count; ++k) {
      pics_.push_back(make(k));
      names_.push_back(count == 1 ? std::string(label) : label + std::to_string(k));
    }
  }
  template <std::size_t N>
  void write(const Context& ctx, const manifest::File& file, const manifest::Run (&runs)[N]) {
    Datafile df;
    std::vector<const Image16*> view;
    for (std::size_t i = 0; i < pics_.size(); ++i) {
      df.add_bitmap(names_[i], pics_[i]);
      view.push_back(&pics_[i]);
    }
    df.write(ctx.data_dir, file, runs);
    const std::string name = file.name;
    ctx.sheet("scene_" + name.substr(0, name.size() - 4), view, 8);
  }

 private:
  std::vector<Image16> pics_;
  std::vector<std::string> names_;
};

// ------------------------------------------------------------ the hero ----

// The hero's sprite where he stands at (x, y) in a room, as the game places
// and sizes it.
struct HeroPlace {
  int bmp_x, bmp_y, w, h;
};
HeroPlace hero_place(const RoomScript& r, int x, int y) {
  float f = y / r.increase_rate + r.min_hero_length;
  if (f > 1.3f) f = 1.3f;
  HeroPlace p;
  p.h = static_cast<int>(static_cast<double>(f) * 200);
  p.w = static_cast<int>(static_cast<double>(f) * 125);
  p.bmp_x = x - p.w / 2;
  p.bmp_y = static_cast<int>(y - f * 170);
  return p;
}

// Draws the hero in `pose` on his sprite (moved by dx, dy, turned by `turn`
// radians about his middle); `extra` draws what he holds, in his frame's own
// coordinates (125 x 200, see hero_art.h).
void hero(cairo_t* cr, const HeroPlace& at, const hero_art::Pose& pose, double dx = 0, double dy = 0,
          double turn = 0, const std::function<void(cairo_t*)>& extra = nullptr) {
  cairo_save(cr);
  cairo_translate(cr, at.bmp_x + dx, at.bmp_y + dy);
  cairo_scale(cr, at.w / double(hero_art::kWidth), at.h / double(hero_art::kHeight));
  if (turn != 0) {
    cairo_translate(cr, hero_art::kCentreX, 100);
    cairo_rotate(cr, turn);
    cairo_translate(cr, -hero_art::kCentreX, -100);
  }
  hero_art::draw(cr, pose);
  if (extra) extra(cr);
  cairo_restore(cr);
}

// Where a hand that aims (Arm::aim) ends, in the hero's frame coordinates.
struct Pt {
  double x, y;
};
Pt aimed_hand(const hero_art::Pose& p, int side) {
  const hero_art::Arm& a = p.arm[side];
  const double t = p.facing * kPi / 180;
  const double fx = std::sin(t), fz = std::cos(t);
  const double s = side == 0 ? 1.0 : -1.0;
  const double ox = std::cos(t) * s, oz = -std::sin(t) * s;
  const double z = fz * a.aim_fwd + oz * a.aim_out;
  return {hero_art::kCentreX + fx * a.aim_fwd + ox * a.aim_out, hero_art::kFootY - 4 - a.aim_up + 0.28 * z};
}

void aim(hero_art::Arm& a, double fwd, double up, double out, hero_art::Hand hand) {
  a.aim = true;
  a.aim_fwd = fwd;
  a.aim_up = up;
  a.aim_out = out;
  a.hand = hand;
}

// A sheet of paper with a red mark, held at (x, y).
void test_paper(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_rectangle(cr, -9, -14, 18, 24);
  rgb(cr, 0xF8F8F0);
  fill_stroke(cr, 0x303040, 1);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, -6, -9 + i * 4);
    cairo_line_to(cr, 5, -9 + i * 4);
  }
  rgb(cr, 0x8090A0);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_arc(cr, 2, 5, 4, 0, 2 * kPi);
  rgb(cr, 0xD01818);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// The rolling pin, its middle at (x, y), lying along `angle`.
void rolling_pin(cairo_t* cr, double x, double y, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  for (int s = -1; s <= 1; s += 2) {
    rounded_rect(cr, s > 0 ? 20 : -32, -3, 12, 6, 3);
    rgb(cr, 0x8A5A2A);
    fill_stroke(cr, 0x2A1A0A, 1.2);
  }
  rounded_rect(cr, -21, -7, 42, 14, 6);
  vgrad(cr, -7, 7, 0xF0C890, 0xB0804A);
  fill_stroke(cr, 0x2A1A0A, 1.4);
  cairo_restore(cr);
}

// -------------------------------------------------------------- persons ----

// A standing person of a room at another place or size: `use` with its box.
PieceUse standing(PieceUse use, int x, int y, int w, int h, int phase = 0, int phases = 1) {
  use.x = x;
  use.y = y;
  use.w = w;
  use.h = h;
  use.phase = phase;
  use.phases = phases;
  return use;
}

// Draws a standing person at use.x, use.y, turned by `turn` radians about
// the point (px, py) of the screen.
rooms::PersonHands person(cairo_t* cr, const PieceUse& use, const PersonPose& pose = {}, double turn = 0,
                          double px = 0, double py = 0) {
  cairo_save(cr);
  if (turn != 0) {
    cairo_translate(cr, px, py);
    cairo_rotate(cr, turn);
    cairo_translate(cr, -px, -py);
  }
  cairo_translate(cr, use.x, use.y);
  rooms::PersonHands hands = rooms::paint_person(cr, use, pose);
  cairo_restore(cr);
  for (int s = 0; s < 2; ++s) {
    hands.x[s] += use.x;
    hands.y[s] += use.y;
  }
  return hands;
}

void lying(cairo_t* cr, const PieceUse& use) {
  cairo_save(cr);
  cairo_translate(cr, use.x, use.y);
  rooms::paint_lying_person(cr, use);
  cairo_restore(cr);
}

// A person standing in `up` sinking forward onto the desk in front of her, as
// `down` shows her asleep (both boxes the same): the upper body bends down
// and the picture fades over into the slumped one.
void slump(cairo_t* cr, const PieceUse& up, const PieceUse& down, double t, const PersonPose& pose) {
  const double hip = up.h * 0.55, bend = 1 - 0.5 * t;
  cairo_save(cr);
  cairo_translate(cr, up.x, up.y);
  cairo_rectangle(cr, 0, hip, up.w, up.h - hip);  // the legs stay
  cairo_clip(cr);
  PieceUse u = up;
  u.x = u.y = 0;
  rooms::paint_person(cr, u, pose);
  cairo_reset_clip(cr);
  cairo_rectangle(cr, 0, 0, up.w, hip);  // the upper body sinks
  cairo_clip(cr);
  cairo_translate(cr, 0, hip * (1 - bend));
  cairo_scale(cr, 1, bend);
  rooms::paint_person(cr, u, pose);
  cairo_restore(cr);
  if (t > 0.5) {
    cairo_push_group(cr);
    lying(cr, down);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, (t - 0.5) * 2);
  }
}

// A person toppling from standing (`up`) to lying as `down` shows him, head
// first to the left, t from 0 to 1. At t = 1 the figure is `down`'s.
void topple(cairo_t* cr, const PieceUse& up, const PieceUse& down, double t, const PersonPose& pose = {}) {
  if (t >= 1) {
    lying(cr, down);
    return;
  }
  if (down.person_kind == PersonKind::sand_asleep) return slump(cr, up, down, t, pose);
  // the lying picture is the upright figure of this size turned a quarter
  // left and flattened to the lying box's height
  const double dw = rooms::lying_figure_width(down), dh = down.w;
  const double sx = up.x + up.w / 2.0, sy = up.y + 0.97 * up.h;
  const double ex = down.x + 0.97 * dh, ey = down.y + down.h / 2.0;
  const double w = up.w + (dw - up.w) * t, h = up.h + (dh - up.h) * t;
  const double e = t * t;  // falling gathers speed
  const double px = sx + (ex - sx) * t, py = sy + (ey - sy) * e;
  const double flat = 1 + (down.h / dw - 1) * e;
  PieceUse u = standing(up, 0, 0, static_cast<int>(w), static_cast<int>(h));
  cairo_save(cr);
  cairo_translate(cr, px, py);
  cairo_scale(cr, 1, flat);
  cairo_rotate(cr, -kPi / 2 * e);
  cairo_translate(cr, -w / 2, -0.97 * h);
  rooms::paint_person(cr, u, pose);
  cairo_restore(cr);
}

// ---------------------------------------------------- the opening scene ----

// Mr Betong stands at the hero's depth, a step to his right.
constexpr int kBetongCentre = 380;

void make_opening(const Context& ctx) {
  using namespace manifest;
  const RoomScript& corridor = room("future_floor1");
  const HeroPlace at = hero_place(corridor, kHeroStartX, kHeroStartY);
  const Box hero_box{at.bmp_x - kHerodatzLeft, at.bmp_y - kHerodatzTop, at.w + 70, at.h + kHerodatzTop + 4};
  using hero_art::Hand;
  using hero_art::Pose;

  auto facing_him = [] {
    Pose p;
    p.facing = 70;
    p.smile = false;
    return p;
  };
  Writer hero_w;
  auto hero_frame = [&](const Pose& p, const std::function<void(cairo_t*)>& extra = nullptr) {
    return frame(hero_box, [&](cairo_t* cr) { hero(cr, at, p, 0, 0, 0, extra); });
  };
  hero_w.add("HERO_WAIT", 1, [&](int) { return hero_frame(facing_him()); });
  hero_w.add("HERO_REACH", 4, [&](int k) {
    Pose p = facing_him();
    const double t = (k + 1) / 4.0;
    aim(p.arm[1], 8 + 36 * t, 68 + 40 * t, 10, k < 3 ? Hand::open : Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      if (k == 3) test_paper(cr, aimed_hand(p, 1).x + 4, aimed_hand(p, 1).y - 10, 0.2);
    });
  });
  hero_w.add("HERO_READ", 1, [&](int) {
    Pose p = facing_him();
    p.facing = 40;
    p.nod = 22;
    aim(p.arm[1], 26, 104, 4, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) { test_paper(cr, aimed_hand(p, 1).x + 2, aimed_hand(p, 1).y - 12, 0.05); });
  });
  hero_w.add("HERO_GRUMBLE", 4, [&](int k) {
    Pose p = facing_him();
    p.mouth = k % 2 ? 0.7 : 0.25;
    p.nod = -4 + 3 * (k % 2);
    aim(p.arm[1], 18, 92 + 4 * (k % 2), 8, Hand::fist);  // the test crumpled in his fist
    aim(p.arm[0], 18, 92 + 4 * ((k + 1) % 2), 8, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      const Pt h = aimed_hand(p, 1);
      cairo_arc(cr, h.x + 3, h.y - 4, 5, 0, 2 * kPi);
      rgb(cr, 0xF0F0E8);
      fill_stroke(cr, 0x303040, 1);
    });
  });
  // He drops the test and fetches the rolling pin from his backpack.
  const double draw_fwd[4] = {-10, -22, -14, -6}, draw_up[4] = {95, 118, 140, 156};
  hero_w.add("HERO_DRAW", 4, [&](int k) {
    Pose p = facing_him();
    aim(p.arm[1], draw_fwd[k], draw_up[k], 12, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      if (k >= 1) {
        const Pt h = aimed_hand(p, 1);
        rolling_pin(cr, h.x, h.y - 10, -1.2 - 0.2 * k);
      }
    });
  });
  hero_w.add("HERO_WIND_UP", 3, [&](int k) {
    Pose p = facing_him();
    p.lean = -0.08 - 0.04 * k;
    p.foot_fwd[1] = -6;
    p.foot_fwd[0] = 6;
    aim(p.arm[1], -4 - 4 * k, 160 + 2 * k, 8, Hand::fist);
    aim(p.arm[0], 16, 88, 10, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      const Pt h = aimed_hand(p, 1);
      rolling_pin(cr, h.x - 6, h.y - 18, -1.9 - 0.25 * k);
    });
  });
  const double strike_fwd[3] = {22, 44, 46}, strike_up[3] = {150, 128, 104}, strike_angle[3] = {-0.9, -0.2, 0.4};
  hero_w.add("HERO_STRIKE", 3, [&](int k) {
    Pose p = facing_him();
    p.lean = 0.1 + 0.08 * k;
    p.foot_fwd[0] = 10;
    p.foot_fwd[1] = -6;
    p.mouth = 0.6;
    aim(p.arm[1], strike_fwd[k], strike_up[k], 8, Hand::fist);
    aim(p.arm[0], 10, 80, 10, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      const Pt h = aimed_hand(p, 1);
      rolling_pin(cr, h.x + 26 * std::cos(strike_angle[k]), h.y + 26 * std::sin(strike_angle[k]), strike_angle[k]);
    });
  });
  hero_w.add("HERO_LOWER", 3, [&](int k) {
    Pose p = facing_him();
    const double t = (k + 1) / 3.0;
    aim(p.arm[1], 40 - 24 * t, 100 - 26 * t, 10, Hand::fist);
    return hero_frame(p, [&](cairo_t* cr) {
      const Pt h = aimed_hand(p, 1);
      rolling_pin(cr, h.x + 8, h.y + 6, 0.9 + 0.5 * t);
    });
  });
  // The last frame is his standing picture, so nothing jumps when the
  // corridor takes him over.
  hero_w.add("HERO_STAND", 1, [&](int) {
    return frame(hero_box, [&](cairo_t* cr) {
      cairo_save(cr);
      cairo_translate(cr, at.bmp_x, at.bmp_y);
      cairo_scale(cr, at.w / double(hero_art::kWidth), at.h / double(hero_art::kHeight));
      hero_art::stand(cr);
      cairo_restore(cr);
    });
  });
  hero_w.write(ctx, kHerodatzFile, kHerodatzRuns);

  // Mr Betong: the corridor's own Mr Betong out cold, standing up.
  const PieceUse out = room_piece(corridor, 0);
  const int th = at.h, tw = at.h * 11 / 20;
  const int feet = kHeroStartY;
  const PieceUse up = standing(out, kBetongCentre - tw / 2, static_cast<int>(feet - 0.97 * th), tw, th);
  const Box box{kBetodatzX, kBetodatzY, 560 - kBetodatzX, 400 - kBetodatzY};  // standing, and lying in front
  Writer beto;
  beto.add("BETONG_TALK", 10, [&](int k) {
    return frame(box, [&](cairo_t* cr) {
      const auto hands = person(cr, standing(up, up.x, up.y, up.w, up.h, k, 10));
      test_paper(cr, hands.x[0] - 4, hands.y[0] - 6, -0.3);
    });
  });
  beto.add("BETONG_HAND", 4, [&](int k) {
    PersonPose pose;
    pose.arm[0] = 0.25 * (k + 1);
    pose.mouth = 0.1;
    return frame(box, [&](cairo_t* cr) {
      const auto hands = person(cr, up, pose);
      if (k < 3) test_paper(cr, hands.x[0] - 6, hands.y[0] - 8, -0.3 + 0.15 * k);
    });
  });
  beto.add("BETONG_WAIT", 4, [&](int k) {
    PersonPose pose;
    pose.arm[0] = k == 0 ? 0.5 : 0;
    pose.mouth = 0;
    pose.eyes_shut = k == 2;
    return frame(box, [&](cairo_t* cr) { person(cr, standing(up, up.x, up.y, up.w, up.h, k, 4), pose); });
  });
  beto.add("BETONG_STARTLE", 2, [&](int k) {
    PersonPose pose;
    pose.arm[0] = pose.arm[1] = 1.6 + 0.5 * k;
    pose.mouth = 1;
    return frame(box, [&](cairo_t* cr) { person(cr, up, pose); });
  });
  // Hit on the head, he reels away to the right ...
  const double reel_to = out.x + 0.97 * out.w - up.w / 2.0;
  beto.add("BETONG_HIT", 5, [&](int k) {
    PersonPose pose;
    pose.eyes_shut = true;
    pose.mouth = 1;
    pose.arm[0] = 0.9 - 0.15 * k;
    pose.arm[1] = 1.4 + 0.1 * k;
    const double t = k / 4.0;
    const PieceUse at_k = standing(up, static_cast<int>(up.x + (reel_to - up.x) * t), up.y, up.w, up.h);
    return frame(box, [&](cairo_t* cr) {
      person(cr, at_k, pose, 0.18 * std::sin(k * 1.7), at_k.x + at_k.w / 2.0, at_k.y + at_k.h * 0.97);
      if (k < 3)  // stars about his head
        for (int i = 0; i < 3; ++i)
          icon_star(cr, at_k.x + at_k.w / 2.0 + 22 * std::cos(i * 2.1 + k), at_k.y + 6 + 8 * std::sin(i * 2.1 + k), 9,
                    0xF8E040);
    });
  });
  // ... and topples over backwards, ending as the corridor shows him.
  const PieceUse reeled = standing(up, static_cast<int>(reel_to), up.y, up.w, up.h);
  beto.add("BETONG_FALL", 8, [&](int k) {
    PersonPose pose;
    pose.eyes_shut = true;
    pose.mouth = 0.6;
    pose.arm[0] = pose.arm[1] = 0.6 + 0.2 * k;
    return frame(box, [&](cairo_t* cr) { topple(cr, reeled, out, (k + 1) / 9.0, pose); });
  });
  beto.add("BETONG_OUT", 1, [&](int) { return frame(box, [&](cairo_t* cr) { lying(cr, out); }); });
  beto.write(ctx, kBetodatzFile, kBetodatzRuns);
}

// --------------------------------------------------------- Mrs Sand ----

void make_sand(const Context& ctx) {
  using namespace manifest;
  const RoomScript& biolog = room("future_biolog");
  const auto uses = rooms::piece_uses(biolog);
  const PieceUse sand = uses.at(6), asleep = uses.at(30), desk = uses.at(1);
  const Box box{kSandX, kSandY, 640 - kSandX, 360 - kSandY};
  const double hip_x = sand.x + sand.w / 2.0, hip_y = sand.y + sand.h * 0.55;

  // The bottle of schnapps, its neck towards `angle`.
  auto bottle = [](cairo_t* cr, double x, double y, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    rounded_rect(cr, -6, -4, 24, 12, 3);
    rgb(cr, 0x60A040, 0.95);
    fill_stroke(cr, 0x203010, 1);
    cairo_rectangle(cr, 18, 0, 9, 4);
    rgb(cr, 0x60A040);
    fill_stroke(cr, 0x203010, 1);
    cairo_rectangle(cr, 0, -1, 10, 6);
    rgb(cr, 0xF0E8C8);
    cairo_fill(cr);
    cairo_restore(cr);
  };
  Image16 desk_pic = rooms::draw_piece(desk);

  Writer w1;
  w1.add("SAND_REACH", 4, [&](int k) {
    PersonPose pose;
    pose.arm[0] = 0.35 * (k + 1);
    pose.mouth = 0.2;
    return frame(box, [&](cairo_t* cr) {
      const auto hands = person(cr, sand, pose);
      if (k >= 2) bottle(cr, hands.x[0] - 4, hands.y[0], k == 2 ? 3.4 : 3.0);
    });
  });
  w1.add("SAND_DRINK", 4, [&](int k) {
    PersonPose pose;
    pose.arm[0] = 2.4 + 0.1 * (k % 2);
    pose.mouth = 0.6;
    pose.eyes_shut = k >= 2;
    return frame(box, [&](cairo_t* cr) {
      const auto hands = person(cr, sand, pose);
      bottle(cr, hands.x[0], hands.y[0], 0.75 + 0.1 * (k % 2));
    });
  });
  w1.add("SAND_DROWSY", 4, [&](int k) {
    PersonPose pose;
    pose.eyes_shut = k != 1;
    pose.mouth = 0.1;
    return frame(box, [&](cairo_t* cr) { person(cr, sand, pose, 0.06 * std::sin(k * kPi / 2), hip_x, hip_y); });
  });
  w1.add("SAND_NOD", 4, [&](int k) {
    PersonPose pose;
    pose.eyes_shut = true;
    pose.mouth = 0.3;
    return frame(box, [&](cairo_t* cr) { person(cr, sand, pose, -0.08 * (k + 1), hip_x, hip_y); });
  });
  w1.add("SAND_DESK", 1, [&](int) { return desk_pic; });
  w1.write(ctx, kSandsleeFile, kSandsleeRuns);

  Writer w2;
  w2.add("SAND_YAWN", 5, [&](int k) {
    PersonPose pose;
    const double t = k / 4.0;
    pose.arm[0] = pose.arm[1] = 0.4 + 2.1 * t;
    pose.mouth = 0.3 + 0.7 * t;
    pose.eyes_shut = true;
    return frame(box, [&](cairo_t* cr) { person(cr, sand, pose, -0.32 * (1 - t), hip_x, hip_y); });
  });
  w2.add("SAND_SINK", 4, [&](int k) {
    PersonPose pose;
    pose.eyes_shut = true;
    pose.mouth = 0.2;
    pose.arm[0] = pose.arm[1] = 2.2 - 0.5 * k;
    return frame(box, [&](cairo_t* cr) { topple(cr, sand, asleep, (k + 1) / 5.0, pose); });
  });
  w2.add("SAND_ASLEEP", 1, [&](int) { return frame(box, [&](cairo_t* cr) { lying(cr, asleep); }); });
  w2.add("SAND_DESK", 1, [&](int) { return desk_pic; });
  w2.write(ctx, kSandsle2File, kSandsle2Runs);
}

// ------------------------------------------------------------ the guard ----

void make_guard(const Context& ctx) {
  using namespace manifest;
  const RoomScript& corridor = room("future_floor2");
  const PieceUse guard = room_piece(corridor, 2);
  const Box box{guard.x - kGuardLeft, guard.y - kGuardTop, 270, 250};
  const double hip_x = guard.x + guard.w / 2.0, hip_y = guard.y + guard.h * 0.55;

  Writer exit_w;
  exit_w.add("GUARD_RAISE", 4, [&](int k) {
    PersonPose pose;
    pose.arm[1] = 0.75 * (k + 1);
    pose.mouth = 0.3 + 0.2 * k;
    return frame(box, [&](cairo_t* cr) { person(cr, guard, pose); });
  });
  exit_w.add("GUARD_SCOLD", 4, [&](int k) {
    PersonPose pose;
    pose.arm[1] = 2.9 + 0.15 * ((k % 2) * 2 - 1);
    pose.arm[0] = k >= 2 ? 0.5 : 0.3;
    pose.mouth = k % 2 ? 1.0 : 0.4;
    return frame(box, [&](cairo_t* cr) { person(cr, guard, pose); });
  });
  exit_w.write(ctx, kPoliexitFile, kPoliexitRuns);

  Writer kf;
  auto guard_frame = [&](const PersonPose& pose, double turn = 0, int phase = 0, int phases = 1) {
    return frame(box, [&](cairo_t* cr) {
      person(cr, standing(guard, guard.x, guard.y, guard.w, guard.h, phase, phases), pose, turn, hip_x, hip_y);
    });
  };
  kf.add("KF_ANGRY", 1, [&](int) {
    PersonPose pose;
    pose.mouth = 0.2;
    pose.arm[0] = pose.arm[1] = 0.35;
    return guard_frame(pose);
  });
  kf.add("KF_STANCE", 2, [&](int k) {
    PersonPose pose;
    pose.arm[0] = k ? 1.5 : 2.4;
    pose.arm[1] = k ? 2.5 : 1.4;
    pose.mouth = 0.8;
    return guard_frame(pose, k ? 0.06 : -0.06);
  });
  kf.add("KF_CHOP", 1, [&](int) {
    PersonPose pose;
    pose.arm[0] = 1.7;
    pose.arm[1] = 2.6;
    pose.mouth = 1;
    return guard_frame(pose, -0.15);
  });
  kf.add("KF_KICK", 1, [&](int) {  // his legs fly out to the left
    PersonPose pose;
    pose.arm[0] = 0.9;
    pose.arm[1] = 2.2;
    pose.mouth = 1;
    return guard_frame(pose, 0.6);
  });
  kf.add("KF_PUNCH", 1, [&](int) {
    PersonPose pose;
    pose.arm[0] = 1.55;
    pose.arm[1] = 0.6;
    pose.mouth = 0.9;
    return guard_frame(pose, -0.25);
  });
  kf.add("KF_LIFT", 1, [&](int) {
    PersonPose pose;
    pose.arm[0] = pose.arm[1] = 2.7;
    pose.mouth = 1;
    return guard_frame(pose);
  });
  kf.add("KF_DUST", 1, [&](int) {
    PersonPose pose;
    pose.arm[0] = pose.arm[1] = -0.5;
    pose.mouth = 0;
    return guard_frame(pose);
  });
  kf.add("KF_STEP", 2, [&](int k) { return guard_frame(PersonPose{}, 0, k ? 3 : 1, 4); });

  // The hero where the conversation leaves him, facing the guard.
  const HeroPlace at = hero_place(corridor, corridor.persons[0].goto_x, corridor.persons[0].goto_y);
  const Box hero_box{at.bmp_x - kFightHeroLeft, at.bmp_y - kFightHeroTop, 240, 250};
  using hero_art::Hand;
  using hero_art::Pose;
  auto facing_guard = [] {
    Pose p;
    p.facing = 55;
    p.smile = false;
    return p;
  };
  auto hero_frame = [&](const Pose& p, double turn = 0) {
    return frame(hero_box, [&](cairo_t* cr) { hero(cr, at, p, 0, 0, turn); });
  };
  kf.add("KF_HERO_STAND", 1, [&](int) { return hero_frame(facing_guard()); });
  kf.add("KF_HERO_FLINCH", 1, [&](int) {
    Pose p = facing_guard();
    p.lean = -0.22;
    p.mouth = 0.6;
    aim(p.arm[0], 24, 132, 6, Hand::fist);
    aim(p.arm[1], 26, 126, 6, Hand::fist);
    return hero_frame(p);
  });
  kf.add("KF_HERO_HIT", 1, [&](int) {
    Pose p = facing_guard();
    p.facing = 35;
    p.lean = 0.7;
    p.hip_y = 108;
    p.hip_shift = -10;
    p.nod = 30;
    p.mouth = 1;
    aim(p.arm[0], 30, 70, 8, Hand::open);
    aim(p.arm[1], 30, 66, 8, Hand::open);
    return hero_frame(p);
  });
  auto sprawled = [&] {
    Pose p = facing_guard();
    p.lean = -0.45;
    p.mouth = 1;
    p.foot_fwd[0] = -16;
    p.foot_lift[0] = 16;
    p.foot_side[0] = 16;
    p.foot_side[1] = -14;
    for (auto& a : p.arm) {
      a.swing = -0.4;
      a.spread = 1.3;
      a.fore_swing = -0.2;
      a.fore_spread = 1.5;
      a.hand = Hand::open;
    }
    return p;
  };
  kf.add("KF_HERO_STAGGER", 1, [&](int) { return hero_frame(sprawled()); });
  kf.add("KF_HERO_FLY", 4, [&](int k) { return hero_frame(sprawled(), -0.7 - 0.9 * k); });
  kf.write(ctx, kPolikfFile, kPolikfRuns);
}

}  // namespace

void make_encounter_scenes(const Context& ctx) {
  make_opening(ctx);
  make_sand(ctx);
  make_guard(ctx);
}

}  // namespace mkassets
