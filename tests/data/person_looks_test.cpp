// One person, one look: every picture of a person, in every room, state and cut scene, shows the colours of
// his first picture (hair and skin from his head, his clothes from his chest), and a person in a room is as tall
// as the room's perspective makes the hero where he stands.
#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "cutscenes/encounter_scenes_data.h"
#include "cutscenes/teacher_scenes_data.h"
#include "rooms/registry.h"
#include "support/test_support.h"

namespace {
// The commonest colours of rows y1..y2 (shares of the height of what the picture shows).
std::vector<int> commonest(BITMAP* b, double y1, double y2, size_t n) {
  int top = b->h, bottom = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x)
      if (getpixel(b, x, y) != bitmap_mask_color(b)) top = std::min(top, y), bottom = y;
  std::map<int, int> count;
  for (int y = top + static_cast<int>((bottom - top) * y1); y < top + static_cast<int>((bottom - top) * y2); ++y)
    for (int x = 0; x < b->w; ++x)
      if (getpixel(b, x, y) != bitmap_mask_color(b)) ++count[getpixel(b, x, y)];
  std::vector<std::pair<int, int>> by_count;
  for (auto [c, k] : count) by_count.push_back({k, c});
  std::sort(by_count.rbegin(), by_count.rend());
  std::vector<int> out;
  for (size_t i = 0; i < by_count.size() && i < n; ++i) out.push_back(by_count[i].second);
  return out;
}
int pixels_of(BITMAP* b, int colour) {
  int n = 0;
  for (int y = 0; y < b->h; ++y) for (int x = 0; x < b->w; ++x) n += getpixel(b, x, y) == colour;
  return n;
}
// Asleep or knocked out, a person is still the person.
PersonKind who(PersonKind k) { return k == PersonKind::sand_asleep ? PersonKind::sand : k; }
}  // namespace

TEST(PersonLooks, EveryPictureOfAPersonShowsHisHairSkinAndClothesAndRoomsDrawHimToTheirPerspective) {
  test_support::ensure_allegro();
  std::map<PersonKind, std::vector<int>> look;  // from the first picture of each person
  // A person's look is taken from his first standing picture (the scenes first: Mr Betong stands only there).
  auto check = [&](PersonKind kind, BITMAP* b, const std::string& what, bool standing = true) {
    std::vector<int>& want = look[who(kind)];
    if (want.empty() && standing) {
      want = commonest(b, 0.0, 0.2, 2);                         // hair and skin
      for (int c : commonest(b, 0.35, 0.5, 1)) want.push_back(c);  // the clothes
      return;
    }
    for (int c : want) EXPECT_GE(pixels_of(b, c), 20) << what << " lacks the colour " << c << " of his first picture";
  };
  auto load = [](const std::string& name) { return load_datafile((std::string(PELVARO_DATA_DIR) + "/" + name).c_str()); };
  using namespace manifest;
  const struct { const char* file; int entry; PersonKind kind; } scenes[] = {
      {"betodatz.dat", at(Betodatz::betong_talk), PersonKind::betong_out_cold},
      {"sandslee.dat", at(Sandslee::sand_drink), PersonKind::sand},
      {"betodatz.dat", at(Betodatz::betong_out), PersonKind::betong_out_cold},
      {"sandsle2.dat", at(Sandsle2::sand_asleep), PersonKind::sand},
      {"gergetpb.dat", at(Gergetpb::off), PersonKind::rurura},
      {"gergivpb.dat", at(Gergivpb::flask), PersonKind::rurura},
      {"frizzdia.dat", at(Frizzdia::carry), PersonKind::frizze},
      {"adytele.dat", at(Adytele::carry), PersonKind::dori},
      {"schbrell.dat", at(Schbrell::glasses), PersonKind::rarozir},
  };
  for (const auto& s : scenes) {
    DATAFILE* d = load(s.file);
    ASSERT_NE(d, nullptr) << s.file;
    check(s.kind, static_cast<BITMAP*>(d[s.entry].dat), std::string(s.file) + " entry " + std::to_string(s.entry));
    unload_datafile(d);
  }
  for (const RoomScript* r : kRooms) {
    DATAFILE* d = load(r->data_file);
    ASSERT_NE(d, nullptr) << r->data_file;
    for (const PersonState& p : r->persons) {
      const std::string what = std::string(r->name) + " " + p.name + " state " + std::to_string(p.state);
      for (const Frame& f : {p.frames.front(), p.frames.back()}) {
        BITMAP* b = static_cast<BITMAP*>(d[f.object].dat);
        check(p.kind, b, what, p.kind != PersonKind::betong_out_cold && p.kind != PersonKind::sand_asleep);
        const double hero = 200.0 * std::min(1.3, (f.y + b->h) / r->increase_rate + static_cast<double>(r->min_hero_length));
        if (p.kind != PersonKind::betong_out_cold) EXPECT_NEAR(b->h, hero, hero * 0.03 + 2) << what << " as tall as the hero there";
      }
    }
    unload_datafile(d);
  }
}
