// Every room's datafile against the room's tables: it holds the pictures they address, the floor is painted where
// the area hook lets the hero stand, shut doors look shut and open ones open, animated rows move.
#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include "../../tools/mkassets/room_floor.h"
#include "core/world.h"
#include "rooms/registry.h"
#include "support/test_support.h"

namespace {
using Datafile = std::unique_ptr<DATAFILE, decltype(&unload_datafile)>;
Datafile load_room_data(const RoomScript& r) {
  test_support::ensure_allegro();
  return Datafile(load_datafile((std::string(PELVARO_DATA_DIR) + "/" + r.data_file).c_str()), &unload_datafile);
}

BITMAP* pic(const Datafile& d, int i) { return static_cast<BITMAP*>(d.get()[i].dat); }

int opaque_pixels(BITMAP* b) {
  int n = 0;
  for (int y = 0; y < b->h; ++y) for (int x = 0; x < b->w; ++x) n += getpixel(b, x, y) != bitmap_mask_color(b);
  return n;
}

bool same_picture(BITMAP* a, BITMAP* b) {
  bool same = a->w == b->w && a->h == b->h;
  for (int y = 0; y < a->h && same; ++y)
    for (int x = 0; x < a->w && same; ++x) same = getpixel(a, x, y) == getpixel(b, x, y);
  return same;
}

// Walkable as the game has it: a target the area hook leaves where it is, wherever the hero stands.
bool walkable(const RoomScript& r, int x, int y) {
  if (!r.area) return room_floor::fallback_walkable(x, y);
  for (const auto& probe : room_floor::kHeroProbes) {
    hero_x = probe[0], hero_y = probe[1], true_x = x, true_y = y; apply_area(r);
    if (true_x != x || true_y != y) return false;
  }
  return true;
}

std::span<const ExitDef> exits_of(const RoomScript& r) {
  return r.exits.first(std::min<size_t>(r.exits.size(), static_cast<size_t>(r.exit_nr)));
}

class RoomData : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ASSERT_NE(d, nullptr) << r.data_file;
    while (d.get()[n].type != DAT_END) ++n;
    ASSERT_GT(n, r.background);
    bg = pic(d, r.background);
  }
  const RoomScript& r = *kRooms[GetParam()];
  Datafile d = load_room_data(r);
  int n = 0;
  BITMAP* bg = nullptr;
};

// Every object a row shows is a drawn 16-bit picture, every other one a single empty pixel; an animated row moves;
// a standing person is about the hero's size where he stands; the background covers the screen.
TEST_P(RoomData, HoldsEveryPictureItsTablesShowAndNothingElse) {
  std::set<int> used;
  for (const FurniState& s : r.furniture) for (const Frame& f : s.frames) used.insert(f.object);
  for (const PersonState& s : r.persons) for (const Frame& f : s.frames) used.insert(f.object);
  EXPECT_GE(n, r.highest_object + 1);
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(d.get()[i].type, DAT_BITMAP) << "entry " << i;
    BITMAP* b = pic(d, i);
    EXPECT_EQ(bitmap_color_depth(b), 16) << "entry " << i;
    if (i == r.background) continue;
    if (used.count(i))
      EXPECT_TRUE(b->w >= 8 && b->h >= 8 && opaque_pixels(b) > b->w * b->h / 8) << "object " << i << " is hardly drawn";
    else
      EXPECT_TRUE(b->w * b->h == 1 && opaque_pixels(b) == 0) << "object " << i << " is used by no table";
  }
  for (int u : used) EXPECT_LT(u, n) << "object " << u;
  EXPECT_TRUE(bg->w == 640 && bg->h == 480 && opaque_pixels(bg) == 640 * 480);
  auto check_row = [&](const char* name, std::span<const Frame> frames) {
    std::vector<int> distinct;
    for (const Frame& f : frames)
      if (std::find(distinct.begin(), distinct.end(), f.object) == distinct.end()) distinct.push_back(f.object);
    int differing = 0;
    for (size_t i = 1; i < distinct.size(); ++i) differing += !same_picture(pic(d, distinct[i - 1]), pic(d, distinct[i]));
    EXPECT_GE(differing, static_cast<int>(distinct.size()) / 2) << name << ": the animation moves";
  };
  for (const FurniState& s : r.furniture) check_row(s.name, s.frames);
  for (const PersonState& s : r.persons) {
    check_row(s.name, s.frames);
    const std::string n = s.name;  // skipped: the ones lying down
    if (s.frames.empty() || s.mouse_y2 >= 0 || n.find("sleep") != n.npos || n.find("doud") != n.npos) continue;
    BITMAP* b = pic(d, s.frames[0].object);
    const double hero = 200.0 * std::min(1.3, (s.frames[0].y + b->h) / r.increase_rate + static_cast<double>(r.min_hero_length));
    if (hero >= 40) EXPECT_NEAR(b->h, hero, hero * 0.25 + 4) << s.name << " next to the hero";
  }
}

// The walls of the present school are warm, those of the school of 2027 cool.
TEST_P(RoomData, TheFloorIsPaintedExactlyWhereTheHeroMayStand) {
  const bool future = room_floor::is_future(r.name);
  int checked = 0, floor_seen = 0, wrong = 0;
  long red = 0, blue = 0;
  std::string first_wrong;
  for (int y = 3; y < 480; y += 7)
    for (int x = 2; x < 640; x += 9) {
      if (std::any_of(exits_of(r).begin(), exits_of(r).end(),
                      [&](const ExitDef& e) { return x >= e.x && x < e.x2 && y >= e.y && y < e.y2; }))
        continue;
      const bool inside = walkable(r, x, y);
      const int c = getpixel(bg, x, y);
      ++checked, floor_seen += inside;
      if (!inside) red += getr16(c), blue += getb16(c);
      if (room_floor::is_floor_colour(future, getr16(c), getg16(c), getb16(c)) != inside && !wrong++)
        first_wrong = std::to_string(x) + "," + std::to_string(y);
    }
  EXPECT_EQ(wrong, 0) << "first disagreement at " << first_wrong;
  EXPECT_TRUE(floor_seen > checked / 50 && floor_seen < checked) << "a floor to walk on, walls around it";
  EXPECT_TRUE(future ? blue > red * 11 / 10 : red > blue) << red << " red, " << blue << " blue";
}

// Where a picture drawn at `f` stands: the middle of its lowest drawn row (a figure's soles, a table's legs).
// Also how far that row reaches to either side.
struct Foot {
  int x, y, left, right;
};
Foot foot_of(BITMAP* b, const Frame& f) {
  int lowest = b->h - 1, left = b->w, right = -1;
  for (; lowest >= 0 && right < 0; --lowest)
    for (int x = 0; x < b->w; ++x)
      if (getpixel(b, x, lowest) != bitmap_mask_color(b)) left = std::min(left, x), right = std::max(right, x);
  return {f.x + (left + right) / 2, f.y + lowest + 1, f.x + left, f.x + right};
}

// Within 6 px of a point where the hero may stand (a foot is drawn a little off the point it stands on, by the
// floor's back edge or a slanted wall).
bool near_floor(const RoomScript& r, Foot p) {
  for (int dy = -6; dy <= 6; ++dy)
    for (int dx = -6; dx <= 6; ++dx)
      if (walkable(r, p.x + dx, p.y + dy)) return true;
  return false;
}

// Every person stands on the floor: in each of his rows, the foot of his picture (his soles, or the lying body's
// side nearest the viewer) is near the floor.
TEST_P(RoomData, EveryPersonStandsOnTheFloor) {
  for (const PersonState& s : r.persons) {
    const std::string n = s.name;  // skipped: the one asleep at her desk sits on a chair
    if (n.find("sleep") != n.npos) continue;
    for (const Frame& f : s.frames) {
      const Foot p = foot_of(pic(d, f.object), f);
      EXPECT_TRUE(near_floor(r, p)) << s.name << " in state " << s.state << " has his feet at " << p.x << "," << p.y;
    }
  }
}

// What stands by its nature: furniture, stands, cupboards, bins, crates, the big machines and the shower. What hangs
// on a wall (pictures, levers, lights, screens, the extinguisher) or sits on a bench (glassware, books) is not here.
bool stands(PieceKind k) {
  using enum PieceKind;
  static const std::set<PieceKind> kStanding = {
      desk, table, main_desk, chair, canister, pendulum, aquarium, stairs, banister, pillar, pole,
      showcase_rocks, showcase_fossils, showcase_jewel, showcase_broken, showcase_open, pavilion, hoop,
      telescope, reactor, gas_bottle, shower, bin, rubbish_heap, locker, locker_open, jukebox, table_football,
      crate, mop_bucket};
  return kStanding.count(k) > 0;
}

// On the ground: near the floor, with floor above it in its column (a desk stands in the hole the floor leaves for
// it, a pillar runs down in front of the floor's front edge), or with floor level with its lowest row at one of its
// ends (a cupboard against a side wall). What hangs on a wall has floor only below it.
bool on_the_ground(const RoomScript& r, Foot p) {
  for (int dx = -6; dx <= 6; ++dx)
    for (int y = p.y; y >= 0; --y)
      if (walkable(r, p.x + dx, y)) return true;
  for (int x = p.left - 6; x <= p.right + 6; ++x)
    for (int dy = -6; dy <= 6; ++dy)
      if (walkable(r, x, p.y + dy)) return true;
  return false;
}

// Every piece that stands stands on the ground, or on another piece that stands (a tank on a cupboard): in each
// of its rows, the foot of its first picture is on the ground or inside the picture of such a piece.
TEST_P(RoomData, EveryPieceThatStandsStandsOnTheGroundOrOnAnotherPiece) {
  auto inside = [&](Foot p, const FurniState& o) {
    if (o.frames.empty() || !stands(o.kind)) return false;
    BITMAP* b = pic(d, o.frames[0].object);
    return p.x >= o.frames[0].x && p.x < o.frames[0].x + b->w && p.y >= o.frames[0].y && p.y < o.frames[0].y + b->h;
  };
  for (const FurniState& s : r.furniture) {
    if (s.frames.empty() || !stands(s.kind)) continue;
    const Foot p = foot_of(pic(d, s.frames[0].object), s.frames[0]);
    const bool on_piece = std::any_of(r.furniture.begin(), r.furniture.end(),
                                      [&](const FurniState& o) { return o.slot != s.slot && inside(p, o); });
    EXPECT_TRUE(on_the_ground(r, p) || on_piece) << s.name << " in state " << s.state << " stands at " << p.x << "," << p.y;
  }
}

TEST_P(RoomData, ShutDoorsShowARedLampAndOpenDoorsAGreenOne) {
  int k = 0;
  for (const ExitDef& e : exits_of(r)) {
    SCOPED_TRACE("exit " + std::to_string(k++));
    int red = 0, green = 0;
    for (int y = std::max(0, e.y); y < std::min(480, e.y2); ++y)
      for (int x = std::max(0, e.x); x < std::min(640, e.x2); ++x) {
        const int c = getpixel(bg, x, y);
        red += getr16(c) >= 200 && getg16(c) <= 90 && getb16(c) <= 90;
        green += getg16(c) >= 200 && getr16(c) <= 120 && getb16(c) <= 150;
      }
    if (room_floor::edge_passage(e.open, e.x, e.y, e.x2, e.y2)) EXPECT_EQ(red, 0) << "an open passage";
    else EXPECT_TRUE(e.open ? green > 3 && red == 0 : red > 3 && green == 0) << (e.open ? "open" : "shut");
  }
}

INSTANTIATE_TEST_SUITE_P(AllRooms, RoomData, ::testing::Range(0, kRoomCount),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(kRooms[info.param]->name); });

// The alarm lever of future_chimie (piece 6) stands in three positions.
TEST(RoomPieces, TheLeverStandsInThreeDifferentPositions) {
  ASSERT_GE(room_index("future_chimie"), 0);
  const RoomScript& r = *kRooms[room_index("future_chimie")];
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  std::vector<int> objects;
  for (const FurniState& s : r.furniture) if (s.slot == 6 && !s.frames.empty()) objects.push_back(s.frames[0].object);
  ASSERT_EQ(objects.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(same_picture(pic(d, objects[i]), pic(d, objects[(i + 1) % 3]))) << i;
}
}  // namespace
