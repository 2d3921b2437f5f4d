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

// Every person stands on the floor: in each of his rows, the middle of the lowest row of his picture (his soles, or
// the lying body's side nearest the viewer) is within 6 px of a point where the hero may stand (the soles are drawn
// a little off the point a figure stands on, by the floor's back edge or a slanted wall).
TEST_P(RoomData, EveryPersonStandsOnTheFloor) {
  for (const PersonState& s : r.persons) {
    const std::string n = s.name;  // skipped: the one asleep at her desk sits on a chair
    if (n.find("sleep") != n.npos) continue;
    for (const Frame& f : s.frames) {
      BITMAP* b = pic(d, f.object);
      int feet_y = b->h - 1, left = b->w, right = -1;
      for (; feet_y >= 0 && right < 0; --feet_y)
        for (int x = 0; x < b->w; ++x)
          if (getpixel(b, x, feet_y) != bitmap_mask_color(b)) left = std::min(left, x), right = std::max(right, x);
      const int fx = f.x + (left + right) / 2, fy = f.y + feet_y + 1;
      bool on_floor = false;
      for (int dy = -6; dy <= 6 && !on_floor; ++dy)
        for (int dx = -6; dx <= 6 && !on_floor; ++dx) on_floor = walkable(r, fx + dx, fy + dy);
      EXPECT_TRUE(on_floor) << s.name << " in state " << s.state << " has his feet at " << fx << "," << fy;
    }
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
