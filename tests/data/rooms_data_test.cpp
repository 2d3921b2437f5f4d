// The rooms' generated datafiles against the rooms' own tables: every room's
// datafile holds the pictures its tables address, the background's floor lies
// exactly where the area hook lets the hero stand, shut doors look shut and
// open ones open, and animated rows really move.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../../tools/mkassets/room_floor.h"
#include "rooms/registry.h"
#include "shell/world.h"
#include "support/test_support.h"

namespace {

struct DatafileDeleter {
  void operator()(DATAFILE* d) const { unload_datafile(d); }
};
using Datafile = std::unique_ptr<DATAFILE, DatafileDeleter>;

Datafile load_room_data(const RoomScript& r) {
  test_support::ensure_allegro();
  return Datafile(load_datafile((std::string(PELVARO_DATA_DIR) + "/" + r.data_file).c_str()));
}

int entries(const DATAFILE* d) {
  int n = 0;
  while (d[n].type != DAT_END) ++n;
  return n;
}

BITMAP* pic(const Datafile& d, int i) { return static_cast<BITMAP*>(d.get()[i].dat); }

int opaque_pixels(BITMAP* b) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += getpixel(b, x, y) != bitmap_mask_color(b);
  return n;
}

bool same_picture(BITMAP* a, BITMAP* b) {
  if (a->w != b->w || a->h != b->h) return false;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

// The walkable rule as the game uses it: a target the area hook leaves where
// it is, whichever probe position the hero has.
bool walkable(const RoomScript& r, int x, int y) {
  if (!r.area) return room_floor::fallback_walkable(x, y);
  for (const auto& probe : room_floor::kHeroProbes) {
    hero_x = probe[0];
    hero_y = probe[1];
    true_x = x;
    true_y = y;
    apply_area(r);
    if (true_x != x || true_y != y) return false;
  }
  return true;
}

std::span<const ExitDef> exits_of(const RoomScript& r) {
  return r.exits.first(std::min<size_t>(r.exits.size(), static_cast<size_t>(r.exit_nr)));
}

bool in_exit(const RoomScript& r, int x, int y) {
  for (const ExitDef& e : exits_of(r))
    if (x >= e.x && x < e.x2 && y >= e.y && y < e.y2) return true;
  return false;
}

// The objects of the room that any row of its tables shows.
std::set<int> used_objects(const RoomScript& r) {
  std::set<int> used;
  for (const FurniState& s : r.furniture)
    for (const Frame& f : s.frames) used.insert(f.object);
  for (const PersonState& s : r.persons)
    for (const Frame& f : s.frames) used.insert(f.object);
  return used;
}

bool red_lamp(int c) { return getr16(c) >= 200 && getg16(c) <= 90 && getb16(c) <= 90; }
bool green_lamp(int c) { return getg16(c) >= 200 && getr16(c) <= 120 && getb16(c) <= 150; }

class RoomData : public ::testing::TestWithParam<int> {
 protected:
  const RoomScript& room() const { return *kRooms[GetParam()]; }
};

TEST_P(RoomData, LoadsWithEveryObjectTheRoomAddressesAs16BitPictures) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr) << r.data_file;
  const int n = entries(d.get());
  EXPECT_GE(n, r.highest_object + 1);
  EXPECT_GT(n, r.background);
  for (int used : used_objects(r)) EXPECT_LT(used, n) << "object " << used;
  for (int i = 0; i < n; ++i) {
    ASSERT_EQ(d.get()[i].type, DAT_BITMAP) << "entry " << i;
    EXPECT_EQ(bitmap_color_depth(pic(d, i)), 16) << "entry " << i;
  }
  ASSERT_GT(n, r.background);
  EXPECT_EQ(pic(d, r.background)->w, 640);
  EXPECT_EQ(pic(d, r.background)->h, 480);
  EXPECT_EQ(opaque_pixels(pic(d, r.background)), 640 * 480) << "the background covers the screen";
}

TEST_P(RoomData, EveryPictureTheTablesShowIsDrawnAndTheRestIsEmpty) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  const std::set<int> used = used_objects(r);
  const int n = entries(d.get());
  for (int i = 0; i < n; ++i) {
    if (i == r.background) continue;
    BITMAP* b = pic(d, i);
    if (used.count(i)) {
      EXPECT_GE(b->w, 8) << "object " << i;
      EXPECT_GE(b->h, 8) << "object " << i;
      EXPECT_GT(opaque_pixels(b), b->w * b->h / 8) << "object " << i << " is hardly drawn";
    } else {
      EXPECT_EQ(b->w * b->h, 1) << "object " << i << " is used by no table";
      EXPECT_EQ(opaque_pixels(b), 0) << "object " << i;
    }
  }
}

TEST_P(RoomData, TheFloorIsPaintedExactlyWhereTheHeroMayStand) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  BITMAP* bg = pic(d, r.background);
  const bool future = room_floor::is_future(r.name);
  int checked = 0, floor_seen = 0, wrong = 0;
  std::string first_wrong;
  for (int y = 3; y < 480; y += 7)
    for (int x = 2; x < 640; x += 9) {
      if (in_exit(r, x, y)) continue;
      const bool inside = walkable(r, x, y);
      const int c = getpixel(bg, x, y);
      const bool painted = room_floor::is_floor_colour(future, getr16(c), getg16(c), getb16(c));
      ++checked;
      floor_seen += inside;
      if (painted != inside) {
        if (!wrong) first_wrong = std::to_string(x) + "," + std::to_string(y);
        ++wrong;
      }
    }
  EXPECT_EQ(wrong, 0) << r.name << ": first disagreement at " << first_wrong;
  EXPECT_GT(floor_seen, checked / 50) << r.name << ": a floor to walk on";
  EXPECT_LT(floor_seen, checked) << r.name << ": walls around it";
}

TEST_P(RoomData, ShutDoorsShowARedLampAndOpenDoorsAGreenOne) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  BITMAP* bg = pic(d, r.background);
  int k = 0;
  for (const ExitDef& e : exits_of(r)) {
    int red = 0, green = 0;
    for (int y = std::max(0, e.y); y < std::min(480, e.y2); ++y)
      for (int x = std::max(0, e.x); x < std::min(640, e.x2); ++x) {
        const int c = getpixel(bg, x, y);
        red += red_lamp(c);
        green += green_lamp(c);
      }
    if (room_floor::edge_passage(e.open, e.x, e.y, e.x2, e.y2)) {
      EXPECT_EQ(red, 0) << r.name << " exit " << k << " is an open passage";
    } else if (e.open) {
      EXPECT_GT(green, 3) << r.name << " exit " << k << " is open";
      EXPECT_EQ(red, 0) << r.name << " exit " << k << " is open";
    } else {
      EXPECT_GT(red, 3) << r.name << " exit " << k << " is shut";
      EXPECT_EQ(green, 0) << r.name << " exit " << k << " is shut";
    }
    ++k;
  }
}

TEST_P(RoomData, AnimatedRowsMoveAndPersonsStandAboutTheHerosSize) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  auto check_row = [&](const char* name, std::span<const Frame> frames) {
    std::vector<int> distinct;
    for (const Frame& f : frames)
      if (std::find(distinct.begin(), distinct.end(), f.object) == distinct.end()) distinct.push_back(f.object);
    if (distinct.size() < 2) return;
    int differing = 0;
    for (size_t i = 1; i < distinct.size(); ++i)
      differing += !same_picture(pic(d, distinct[i - 1]), pic(d, distinct[i]));
    EXPECT_GE(differing, static_cast<int>(distinct.size()) / 2) << r.name << " " << name << ": the animation moves";
  };
  for (const FurniState& s : r.furniture) check_row(s.name, s.frames);
  for (const PersonState& s : r.persons) {
    check_row(s.name, s.frames);
    if (s.frames.empty() || s.mouse_y2 >= 0) continue;
    const std::string n = s.name;
    if (n.find("sleep") != std::string::npos || n.find("doud") != std::string::npos) continue;  // lying down
    BITMAP* b = pic(d, s.frames[0].object);
    const double feet = s.frames[0].y + b->h;
    const double hero = 200.0 * std::min(1.3, feet / r.increase_rate + r.min_hero_length);
    if (hero < 40) continue;
    EXPECT_NEAR(b->h, hero, hero * 0.25 + 4) << r.name << " " << s.name << " next to the hero";
  }
}

TEST_P(RoomData, ThePresentSchoolIsWarmAndTheSchoolOf2027Cool) {
  const RoomScript& r = room();
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  BITMAP* bg = pic(d, r.background);
  long red = 0, blue = 0;
  for (int y = 0; y < 480; y += 4)
    for (int x = 0; x < 640; x += 4) {
      if (walkable(r, x, y)) continue;  // the walls and the backdrop
      const int c = getpixel(bg, x, y);
      red += getr16(c);
      blue += getb16(c);
    }
  if (room_floor::is_future(r.name))
    EXPECT_GT(blue, red * 11 / 10) << r.name;
  else
    EXPECT_GT(red, blue) << r.name;
}

INSTANTIATE_TEST_SUITE_P(AllRooms, RoomData, ::testing::Range(0, kRoomCount),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(kRooms[info.param]->name); });

// The worked pieces: the pendulum swings through four distinct pictures, the
// glassware bubbles through sixteen, the alarm lever stands in three positions.
int room_number(const char* name) {
  const int i = room_index(name);
  EXPECT_GE(i, 0) << name;
  return i;
}

TEST(RoomPieces, ThePendulumAndTheGlasswareAnimateThroughDistinctPictures) {
  for (const char* name : {"physik", "chimie"}) {
    const RoomScript& r = *kRooms[room_number(name)];
    Datafile d = load_room_data(r);
    ASSERT_NE(d, nullptr);
    for (const FurniState& s : r.furniture) {
      const std::string n = s.name;
      if (n != "pendel" && n != "glass") continue;
      std::vector<int> distinct;
      for (const Frame& f : s.frames)
        if (std::find(distinct.begin(), distinct.end(), f.object) == distinct.end()) distinct.push_back(f.object);
      for (size_t i = 0; i < distinct.size(); ++i)
        for (size_t j = i + 1; j < distinct.size(); ++j)
          EXPECT_FALSE(same_picture(pic(d, distinct[i]), pic(d, distinct[j])))
              << n << ": objects " << distinct[i] << " and " << distinct[j];
    }
  }
}

TEST(RoomPieces, TheLeverStandsInThreeDifferentPositions) {
  const RoomScript& r = *kRooms[room_number("future_chimie")];
  Datafile d = load_room_data(r);
  ASSERT_NE(d, nullptr);
  std::vector<int> objects;
  for (const FurniState& s : r.furniture)
    if (s.slot == 6 && !s.frames.empty()) objects.push_back(s.frames[0].object);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_FALSE(same_picture(pic(d, objects[0]), pic(d, objects[1])));
  EXPECT_FALSE(same_picture(pic(d, objects[1]), pic(d, objects[2])));
  EXPECT_FALSE(same_picture(pic(d, objects[0]), pic(d, objects[2])));
}

// A shut door and an open one of the same school look different inside their
// rectangles: compared where both are drawn, many pixels differ.
TEST(RoomPieces, AShutDoorDiffersFromAnOpenOne) {
  for (const char* name : {"future_floor1", "floor9"}) {
    const RoomScript& r = *kRooms[room_number(name)];
    Datafile d = load_room_data(r);
    ASSERT_NE(d, nullptr);
    BITMAP* bg = pic(d, r.background);
    const ExitDef* shut = nullptr;
    const ExitDef* open = nullptr;
    for (const ExitDef& e : exits_of(r)) {
      if (room_floor::edge_passage(e.open, e.x, e.y, e.x2, e.y2)) continue;
      if (e.open && !open) open = &e;
      if (!e.open && !shut) shut = &e;
    }
    ASSERT_TRUE(shut && open) << name;
    const int w = std::min(shut->x2 - shut->x, open->x2 - open->x);
    const int h = std::min(shut->y2 - shut->y, open->y2 - open->y);
    int differ = 0, dark_shut = 0, dark_open = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const int a = getpixel(bg, shut->x + x, shut->y + y), b = getpixel(bg, open->x + x, open->y + y);
        differ += a != b;
        dark_shut += getr16(a) + getg16(a) + getb16(a) < 150;
        dark_open += getr16(b) + getg16(b) + getb16(b) < 150;
      }
    EXPECT_GT(differ, w * h / 3) << name;
    EXPECT_GT(dark_open, dark_shut) << name << ": the open doorway shows the dark room beyond";
  }
}

}  // namespace
