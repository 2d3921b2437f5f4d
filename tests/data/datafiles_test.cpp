// The generated data files hold the entries the game addresses by position, as 16-bit pictures of the sizes it
// draws them at, with the buttons under their hot areas; the music and the logo film load and play to their ends.
#include <allegro.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include "core/screen_layout.h"
#include "support/test_support.h"

namespace {
namespace L = screen_layout;

std::string data_path(const std::string& name) { return std::string(PELVARO_DATA_DIR) + "/" + name; }

using Datafile = std::unique_ptr<DATAFILE, decltype(&unload_datafile)>;
// A datafile that does not load fails the test (gtest reports the exception).
Datafile load(const std::string& name) {
  test_support::ensure_allegro();
  Datafile d(load_datafile(data_path(name).c_str()), &unload_datafile);
  if (!d) throw std::runtime_error(name + " does not load");
  return d;
}

BITMAP* bmp(const Datafile& d, int i) { return static_cast<BITMAP*>(d.get()[i].dat); }

bool opaque(BITMAP* b, int x, int y) {
  return x >= 0 && y >= 0 && x < b->w && y < b->h && getpixel(b, x, y) != bitmap_mask_color(b);
}

// How many pixels of b are opaque, or (with `than`, b placed at (dx, dy) in it) differ from `than`.
int count(BITMAP* b, BITMAP* than = nullptr, int dx = 0, int dy = 0) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += than ? getpixel(b, x, y) != getpixel(than, x + dx, y + dy) : opaque(b, x, y);
  return n;
}

bool same_picture(BITMAP* a, BITMAP* b) { return a->w == b->w && a->h == b->h && count(a, b) == 0; }

// True when `pic`, drawn at `pos`, covers `area` (but for `slack` pixels at its left and top edge).
bool covers(BITMAP* pic, L::Point pos, const L::Rect& area, int slack = 0) {
  return pos.x <= area.x1 + slack && pos.y <= area.y1 + slack && pos.x + pic->w > area.x2 &&
         pos.y + pic->h > area.y2;
}

TEST(Datafiles, EveryDatafileHoldsItsEntriesAs16BitPicturesWithoutAPinkFringe) {
  struct Expected { const char* file; int entries, w, h; };  // w, h: every entry's size, 0 where they differ
  // The hero's frames are 125 x 200, the pointers and items 40 x 40; then the scenes' files.
  const Expected files[] = {
      {"title.dat", 36, 0, 0},    {"walk.dat", 112, 125, 200}, {"talkf.dat", 15, 125, 200}, {"talkr.dat", 30, 125, 200},
      {"talkl.dat", 30, 125, 200}, {"takel.dat", 15, 125, 200}, {"taker.dat", 15, 125, 200}, {"general.dat", 12, 0, 0},
      {"cursor.dat", 32, 40, 40},  {"objects.dat", 15, 40, 40}, {"menu.dat", 24, 0, 0},     {"inventar.dat", 21, 0, 0},
      {"intro.dat", 3, 0, 0},      {"herodatz.dat", 24, 0, 0},  {"betodatz.dat", 34, 0, 0}, {"sandslee.dat", 17, 0, 0},
      {"sandsle2.dat", 11, 0, 0},  {"poliexit.dat", 8, 0, 0},   {"polikf.dat", 18, 0, 0},   {"herogaz.dat", 30, 0, 0},
      {"heroguit.dat", 20, 0, 0},  {"herotool.dat", 51, 0, 0},  {"herorohr.dat", 23, 0, 0}, {"herocase.dat", 26, 0, 0},
      {"bleidouc.dat", 12, 0, 0},  {"douche.dat", 83, 0, 0},    {"frizzacc.dat", 10, 0, 0}, {"frizzdia.dat", 16, 0, 0},
      {"adytele.dat", 13, 0, 0},   {"gergetpb.dat", 14, 0, 0},  {"gergivpb.dat", 10, 0, 0}, {"schbrell.dat", 10, 0, 0},
      {"timemach.dat", 190, 0, 0},
  };
  for (const Expected& e : files) {
    SCOPED_TRACE(e.file);
    Datafile d = load(e.file);
    int n = 0;
    while (d.get()[n].type != DAT_END) ++n;
    ASSERT_EQ(n, e.entries);
    for (int i = 0; i < n; ++i) {
      ASSERT_EQ(d.get()[i].type, DAT_BITMAP) << "entry " << i;
      BITMAP* b = bmp(d, i);
      EXPECT_TRUE(bitmap_color_depth(b) == 16 && (!e.w || (b->w == e.w && b->h == e.h))) << "entry " << i;
      int pink = 0;  // close to magenta but not the mask colour: a pink fringe
      for (int y = 0; y < b->h; ++y)
        for (int x = 0; x < b->w; ++x) {
          const int c = reinterpret_cast<const std::uint16_t*>(b->line[y])[x];
          pink += c != bitmap_mask_color(b) && getr16(c) > 200 && getg16(c) < 60 && getb16(c) > 200;
        }
      EXPECT_EQ(pink, 0) << "entry " << i;
    }
  }
}

TEST(DataPictures, TheHerosCyclesMoveAndDifferAndTheItemsDiffer) {
  Datafile walk = load("walk.dat"), right = load("talkr.dat"), left = load("talkl.dat"), takel = load("takel.dat");
  Datafile items = load("objects.dat");
  for (int cycle = 0; cycle < 8; ++cycle) {
    int distinct = 0;
    for (int f = 0; f < 14; ++f) {
      BITMAP* b = bmp(walk, cycle * 14 + f);
      EXPECT_GT(count(b), 125 * 200 / 10) << "cycle " << cycle << " frame " << f;
      distinct += !same_picture(b, bmp(walk, cycle * 14 + (f + 1) % 14));
    }
    EXPECT_GE(distinct, 7) << "cycle " << cycle << " hardly moves";
    for (int other = 0; other < cycle; ++other)
      EXPECT_FALSE(same_picture(bmp(walk, cycle * 14), bmp(walk, other * 14))) << cycle << " and " << other;
  }
  EXPECT_FALSE(same_picture(bmp(right, 0), bmp(left, 0)) || same_picture(bmp(takel, 0), bmp(takel, 7)));
  for (int i = 0; i < 15; ++i) {
    EXPECT_GT(count(bmp(items, i)), 40 * 40 / 8) << "item " << i;
    for (int j = 0; j < i; ++j) EXPECT_FALSE(same_picture(bmp(items, i), bmp(items, j))) << i << " and " << j;
  }
}

// The logo fills the screen; the bar, drawn at (215, 435), stays on it and fills in red to its right end.
TEST(DataPictures, TheTitlesBarFillsStepByStep) {
  Datafile d = load("title.dat");
  EXPECT_TRUE(bmp(d, 0)->w == 640 && bmp(d, 0)->h == 480);
  int previous = -1;
  for (int step = 0; step < 35; ++step) {
    BITMAP* bar = bmp(d, 1 + step);
    ASSERT_EQ(bar->w, bmp(d, 1)->w);
    EXPECT_TRUE(215 + bar->w <= 640 && 435 + bar->h <= 480);
    int filled = 0;
    for (int y = 0; y < bar->h; ++y)
      for (int x = 0; x < bar->w; ++x) {
        const int c = getpixel(bar, x, y);
        filled += opaque(bar, x, y) && getr16(c) > 140 && getg16(c) < 110;
      }
    EXPECT_GT(filled, previous) << "step " << step;
    previous = filled;
  }
  EXPECT_GT(getr16(getpixel(bmp(d, 35), bmp(d, 35)->w - 8, bmp(d, 35)->h / 2)), 140);
}

// Every button's lit picture, drawn where the game draws it, covers the area the pointer is tested against.
TEST(DataPictures, EveryLitButtonCoversItsHotArea) {
  struct Button { const char* file; int entry; L::Point at; L::Rect area; int slack = 0; };
  const char *G = "general.dat", *I = "inventar.dat", *M = "menu.dat";
  const L::Rect off{320, 112, 414, 141};  // the switch's off mark and its lit picture
  const Button buttons[] = {
      {G, 0, L::kBagPos, L::kBagHit}, {G, 6, L::kVerbPanelPos, L::Rect{541, 351, 596, 439}},
      {I, 9, L::kInventoryPanelButtonPos, L::kInventoryPanelButton}, {I, 3, L::kPanelInventoryPos, L::kPanelInventory},
      {I, 10, L::kPanelQuitPos, L::kPanelQuit, 2}, {I, 11, L::kPanelSavePos, L::kPanelSave},
      {I, 4, L::kPanelLoadPos, L::kPanelLoad}, {I, 7, L::kSlotOkPos, L::kSlotOk}, {I, 2, L::kSlotBackPos, L::kSlotBack},
      {I, 5, L::kPanelOffPos, off}, {I, 6, L::kPanelOffPos, off}, {I, 17, L::kPanelHintPos, L::kPanelHint, 2},
      {I, 18, L::kPanelHintPos, L::kPanelHint, 2}, {I, 19, L::kPanelLogPos, L::kPanelLog, 2},
      {I, 20, L::kPanelMainMenuPos, L::kPanelMainMenu, 2},
      {M, 12, L::kMenuHighlightPos[0], L::kMenuHot[0]}, {M, 11, L::kMenuHighlightPos[1], L::kMenuHot[1]},
      {M, 13, L::kMenuHighlightPos[2], L::kMenuHot[2]}, {M, 10, L::kMenuHighlightPos[3], L::kMenuHot[3]},
      {M, 14, L::kMenuHighlightPos[4], L::kMenuHot[4]}, {M, 23, L::kCreditsBackHighlightPos, L::kCreditsBack},
  };
  for (const Button& b : buttons) {
    Datafile d = load(b.file);
    EXPECT_TRUE(covers(bmp(d, b.entry), b.at, b.area, b.slack)) << b.file << " entry " << b.entry;
  }
  EXPECT_TRUE(L::kMenuHighlightPos[0].x == 56 && L::kMenuHighlightPos[0].y == 152);
  EXPECT_TRUE(L::kMenuHighlightPos[3].y == 339 && L::kMenuHighlightPos[4].x == 104);
  EXPECT_TRUE(L::kPanelQuitPos.x == 449 && L::kPanelInventoryPos.y == 361);
}

// The bag is lit where it is hit; every verb's button lies on the panel and lights up over its hit area.
TEST(DataPictures, TheBagAndTheVerbsLightUpWhereTheyAreHit) {
  Datafile d = load("general.dat");
  BITMAP* bag = bmp(d, 0);
  const int bx = (L::kBagHit.x1 + L::kBagHit.x2) / 2 - L::kBagPos.x, by = (L::kBagHit.y1 + L::kBagHit.y2) / 2 - L::kBagPos.y;
  EXPECT_TRUE(opaque(bag, bx, by) && getpixel(bag, bx, by) != getpixel(bmp(d, 1), bx, by)) << "lit like the plain one";
  EXPECT_TRUE(bmp(d, 3)->w == 125 && bmp(d, 3)->h == 200) << "the hero standing";
  BITMAP* panel = bmp(d, 6);
  for (int v = 0; v < L::kVerbCount; ++v) {
    const L::Rect& r = L::kVerbHit[v];
    const int cx = (r.x1 + r.x2) / 2, cy = (r.y1 + r.y2) / 2;
    for (auto [x, y] : {std::pair{cx, cy}, {r.x1 + 2, r.y1 + 2}, {r.x2 - 2, r.y1 + 2}, {r.x1 + 2, r.y2 - 2}, {r.x2 - 2, r.y2 - 2}})
      EXPECT_TRUE(opaque(panel, x - L::kVerbPanelPos.x, y - L::kVerbPanelPos.y)) << "verb " << v;
    BITMAP* on = bmp(d, 7 + v);
    const L::Point at = L::kVerbHighlightPos[v];
    EXPECT_TRUE(covers(on, at, r)) << "verb " << v;
    int lit = 0;
    for (int y = r.y1; y <= r.y2; ++y)
      for (int x = r.x1; x <= r.x2; ++x)
        lit += getpixel(on, x - at.x, y - at.y) != getpixel(panel, x - L::kVerbPanelPos.x, y - L::kVerbPanelPos.y);
    EXPECT_GT(lit, r.width() * r.height() / 3) << "verb " << v << " is hardly lit";
  }
}

// Blanking a slot line on the save and load screens (inventar.dat 13, 15) with general.dat's line leaves no seam.
TEST(DataPictures, TheEraseLineIsOneColourMatchingTheSlotList) {
  Datafile general = load("general.dat"), inv = load("inventar.dat");
  BITMAP* erase = bmp(general, 2);
  ASSERT_TRUE(erase->w >= 300 && erase->h >= 15);
  const int colour = getpixel(erase, 0, 0);
  for (int y = 0; y < erase->h; ++y)
    for (int x = 0; x < erase->w; ++x) ASSERT_EQ(getpixel(erase, x, y), colour);
  for (int screen : {13, 15})
    for (int slot = 0; slot < 10; ++slot)
      for (int x = 0; x < erase->w; x += 7)
        ASSERT_EQ(getpixel(bmp(inv, screen), L::kSlotLineX + x - L::kInventoryPos.x,
                           L::kSlotLineY0 + L::kSlotLineStep * slot + 7 - L::kInventoryPos.y),
                  colour)
            << "screen " << screen << " slot " << slot << " x " << x;
}

TEST(DataPictures, PointersPointWhereTheGameTests) {
  Datafile d = load("cursor.dat");
  // walk arrows and doors: the working point is the tip, the top-left pixel
  for (int i : {0, 1, 20, 21}) EXPECT_TRUE(opaque(bmp(d, i), 0, 0)) << "entry " << i;
  // look, talk, take, use: the working point (20, 15) of the picture
  for (int i = 2; i <= 19; ++i) EXPECT_TRUE(opaque(bmp(d, i), 20, 15)) << "entry " << i;
  // each plain picture has a highlighted partner right after it that differs
  for (int i : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 22, 24})
    EXPECT_GT(count(bmp(d, i), bmp(d, i + 1)), 40) << "entries " << i << " and " << i + 1;
  // the small gear sits in the lower right corner, leaving the item visible
  for (int i = 22; i <= 25; ++i) EXPECT_TRUE(!opaque(bmp(d, i), 10, 10) && opaque(bmp(d, i), 31, 31)) << i;
  // the six frames of the sandglass all differ from one another
  for (int i = 26; i < 31; ++i) EXPECT_GT(count(bmp(d, i), bmp(d, i + 1)), 10) << "sandglass " << i - 26;
}

// The game font, and the large one for spoken lines: DejaVu Sans at 20 pixels, a cell of about 24.
TEST(DataPictures, TheFontIsAMonochromeFontForTwentyPixelRows) {
  Datafile d = load("font.dat");
  ASSERT_TRUE(d.get()[0].type == DAT_FONT && d.get()[1].type == DAT_FONT && d.get()[2].type == DAT_END);
  FONT* f = static_cast<FONT*>(d.get()[0].dat);
  FONT* large = static_cast<FONT*>(d.get()[1].dat);
  EXPECT_TRUE(is_mono_font(f) && text_height(f) >= 16 && text_height(f) <= 18);
  EXPECT_TRUE(is_mono_font(large) && text_height(large) >= 23 && text_height(large) <= 25) << text_height(large);
  EXPECT_TRUE(get_font_range_begin(large, -1) == 32 && get_font_range_end(large, -1) == 255);
  const char* alphabet = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  EXPECT_NEAR(text_length(large, alphabet) * 14.0 / text_length(f, alphabet), 20.0, 1.5) << "20 pixels to 14";
  EXPECT_TRUE(get_font_range_begin(f, -1) == 32 && get_font_range_end(f, -1) == 255);
  // proportional: an "m" is wider than an "i", and the alphabet fits a line
  EXPECT_TRUE(text_length(f, "m") > text_length(f, "i") &&
              text_length(f, "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ") < 600);
  BITMAP* b = create_bitmap_ex(16, 40, 30);
  clear_to_color(b, bitmap_mask_color(b)), textout_ex(b, f, "H", 2, 2, makecol16(255, 128, 0), -1);
  EXPECT_GT(count(b), 15) << "writing an H sets pixels";
  destroy_bitmap(b);
}

namespace {
// A glyph as the font draws it (the texts are UTF-8): its rows top to bottom, '#' for a set pixel.
std::vector<std::string> glyph(FONT* f, const char* letter) {
  const int w = text_length(f, letter), h = text_height(f);
  BITMAP* b = create_bitmap_ex(16, w, h);
  clear_to_color(b, bitmap_mask_color(b)), textout_ex(b, f, letter, 0, 0, makecol16(255, 255, 255), -1);
  std::vector<std::string> rows(static_cast<size_t>(h), std::string(static_cast<size_t>(w), '.'));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (opaque(b, x, y)) rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = '#';
  destroy_bitmap(b);
  return rows;
}

// The empty rows between a glyph's top part (a dot, the dots of an umlaut) and the rest below: 0 where its ink
// has no gap.
int gap_under_top(const std::vector<std::string>& rows) {
  auto inked = [&](size_t y) { return rows[y].find('#') != std::string::npos; };
  size_t y = 0;
  while (y < rows.size() && !inked(y)) ++y;
  while (y < rows.size() && inked(y)) ++y;
  size_t gap = 0;
  while (y + gap < rows.size() && !inked(y + gap)) ++gap;
  return y + gap < rows.size() ? static_cast<int>(gap) : 0;
}
}  // namespace

// Enlarged two or three times, a glyph must still read as itself: the dots of i, j and the umlauts stand two
// empty rows above their letters (with one, "Spiel" read as "Splel" in a window at twice the size), and no two
// letters or digits share a picture (i, l, I, 1 and | among them).
TEST(DataPictures, TheFontKeepsTheDotsOfIJAndTheUmlautsClearAndEveryLetterDistinct) {
  Datafile d = load("font.dat");
  FONT* f = static_cast<FONT*>(d.get()[0].dat);
  for (const char* dotted : {"i", "j", "ä", "ö", "ü", "Ä", "Ö", "Ü"})
    EXPECT_GE(gap_under_top(glyph(f, dotted)), 2) << dotted;
  EXPECT_EQ(gap_under_top(glyph(f, "l")), 0);
  EXPECT_EQ(gap_under_top(glyph(f, "ß")), 0) << "the sharp s is one stroke, no umlaut";
  std::vector<std::string> letters;
  for (char c = 'a'; c <= 'z'; ++c) letters.push_back(std::string(1, c)), letters.push_back(std::string(1, c - 32));
  for (char c = '0'; c <= '9'; ++c) letters.push_back(std::string(1, c));
  for (const char* more : {"|", "!", "ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"}) letters.push_back(more);
  std::map<std::vector<std::string>, std::string> seen;
  for (const std::string& l : letters) {
    const auto [at, fresh] = seen.emplace(glyph(f, l.c_str()), l);
    EXPECT_TRUE(fresh) << "\"" << l << "\" looks like \"" << at->second << "\"";
  }
  // An umlaut is its letter with the dots above: every row where "a" has ink is the same in "ä".
  for (auto [umlaut, plain] : {std::pair{"ä", "a"}, {"ö", "o"}, {"ü", "u"}}) {
    const auto u = glyph(f, umlaut), p = glyph(f, plain);
    ASSERT_TRUE(u.size() == p.size() && u[0].size() == p[0].size()) << umlaut;
    for (size_t y = 0; y < p.size(); ++y)
      if (p[y].find('#') != std::string::npos) EXPECT_EQ(u[y], p[y]) << umlaut << " row " << y;
  }
}

TEST(DataPictures, TheMenusButtonFacesLieUnderTheHotAreasAndTheEyesBlink) {
  Datafile d = load("menu.dat");
  BITMAP* menu = bmp(d, 9);
  ASSERT_TRUE(menu->w == 640 && menu->h == 480);
  const int highlight_entry[L::kMenuButtonCount] = {12, 11, 13, 10, 14};  // new, instructions, options, credits, quit
  for (int b = 0; b < L::kMenuButtonCount; ++b) {
    const L::Rect& r = L::kMenuHot[b];
    // the face's edge runs along the hot area: inside differs from just outside
    const int cy = (r.y1 + r.y2) / 2;
    const L::Point p = L::kMenuHighlightPos[b];
    const int cx = (r.x1 + r.x2) / 2;
    EXPECT_TRUE(getpixel(menu, r.x1 + 3, cy) != getpixel(menu, r.x1 - 6, cy) &&
                getpixel(menu, r.x2 - 3, cy) != getpixel(menu, r.x2 + 6, cy) &&
                getpixel(bmp(d, highlight_entry[b]), cx - p.x, cy - p.y) != getpixel(menu, cx, cy)) << "button " << b;
  }
  // the eyes open and close in the same place: the open ones are the menu's
  BITMAP *closed = bmp(d, 0), *open = bmp(d, 1);
  ASSERT_TRUE(closed->w == open->w && closed->h == open->h);
  EXPECT_TRUE(count(open, closed) > 100 && count(open, menu, L::kMenuEyesPos.x, L::kMenuEyesPos.y) == 0);
  for (int full : {6, 8, 22}) EXPECT_TRUE(bmp(d, full)->w == 640 && bmp(d, full)->h == 480) << "entry " << full;
  for (auto [i, at] : {std::pair{16, L::kCreditsCodingPos}, {15, L::kCreditsGraphicsPos}, {17, L::kCreditsSoundPos}})
    EXPECT_TRUE(at.x + bmp(d, i)->w <= 640 && at.y + bmp(d, i)->h <= 480) << "credits panel " << i;
  EXPECT_TRUE(bmp(d, 4)->w == L::kKnobWidth && bmp(d, 4)->h == L::kKnobHeight);
}

TEST(DataPictures, TheInventorysPanelsFitTheScreenAndHoldTheSlots) {
  Datafile d = load("inventar.dat");
  for (int panel : {12, 13, 14, 15})
    EXPECT_TRUE(60 + bmp(d, panel)->w <= 640 && 65 + bmp(d, panel)->h <= 480) << "panel " << panel;
  EXPECT_GE(L::kPanelOnOnPos.x + bmp(d, 8)->w, L::kPanelSwitch.x2);
  EXPECT_TRUE(bmp(d, 16)->w >= 40 && bmp(d, 16)->h >= 40) << "the slot highlight is at least a slot's size";
  // every slot of the four rows, six a row 60 px apart from (130, 120), lies on the inventory picture
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 6; ++col) EXPECT_TRUE(opaque(bmp(d, 12), 130 + 60 * col + 20 - 60, 120 + 60 * row + 20 - 65));
}

TEST(DataPictures, TheIntroductionsBackgroundIsDimBehindTheText) {
  Datafile d = load("intro.dat");
  BITMAP* bg = bmp(d, 2);
  ASSERT_TRUE(bg->w == 640 && bg->h == 480 && count(bg) == 640 * 480);
  long sum = 0;
  for (int y = 170; y <= 330; y += 2)
    for (int x = 0; x < 640; x += 2) {
      const int c = getpixel(bg, x, y);
      sum += (getr16(c) * 3 + getg16(c) * 6 + getb16(c)) / 10;
    }
  EXPECT_LT(sum / (81 * 320), 70) << "orange text would not read on it";
}

// The programs (0-based) and drum keys a track plays: its program changes and its notes on channel 10.
std::set<int> played_by(const MIDI* m) {
  std::set<int> used;
  for (const auto& t : m->track) {
    const unsigned char *p = t.data, *end = t.data + t.len;
    int status = 0;
    while (p && p < end) {
      while (*p++ & 0x80) {}  // the delta time
      if (*p & 0x80) status = *p++;
      if (status == 0xFF || status == 0xF0 || status == 0xF7) {
        p += status == 0xFF;  // the meta event's type
        int len = 0;
        do len = (len << 7) | (*p & 0x7F); while (*p++ & 0x80);
        p += len, status = 0;
      } else {
        if ((status & 0xF0) == 0xC0) used.insert(p[0]);
        if ((status & 0xF0) == 0x90 && (status & 0x0F) == 9 && p[1]) used.insert(1000 + p[0]);
        p += (status & 0xE0) == 0xC0 ? 1 : 2;
      }
    }
  }
  return used;
}

// Both tracks last at least a minute, and the patch set holds every program and drum they play (and nothing else),
// indexed as the music driver reads it: "N name" is program N - 1, "K name" in the drum block drum key K.
TEST(DataSound, TheMusicTheJingleAndTheLogoFilmLoadAndPlayToTheirEnds) {
  test_support::ensure_allegro();
  std::set<int> played;
  for (const char* name : {"sfx/track01.mid", "sfx/track02.mid"}) {
    MIDI* m = load_midi(data_path(name).c_str());
    ASSERT_NE(m, nullptr) << name;
    EXPECT_TRUE(get_midi_length(m) >= 60 && get_midi_length(m) <= 95) << name;
    played.merge(played_by(m)); destroy_midi(m);
  }
  const Datafile patches = load("patches.dat");
  std::set<std::string> names;
  for (const DATAFILE* d = patches.get() + 1; d->type != DAT_END; ++d)
    if (d->type == DAT_PATCH) names.insert(get_datafile_property(d, DAT_NAME));
  ASSERT_EQ(patches.get()[0].type, DAT_DATA);
  std::istringstream index(std::string(static_cast<const char*>(patches.get()[0].dat), patches.get()[0].size));
  std::set<int> held;
  bool drums = false;
  for (std::string line; std::getline(index, line);) {
    std::istringstream words(line);
    std::string number, name;
    if (!(words >> number >> name) || number[0] == '#') continue;
    if (name == "begin_multipatch") drums = true;
    else if (number == "end_multipatch") drums = false;
    else EXPECT_TRUE(names.count(name) && held.insert(drums ? 1000 + std::stoi(number) : std::stoi(number) - 1).second) << line;
  }
  EXPECT_EQ(held, played);
  EXPECT_EQ(played.size(), 8u + 6) << "four instruments in each track, six drums";

  // The ten effects peak from 0.75 to 0.97 of full scale: the library's mixer gives a voice half of it, which at the
  // default effects volume stands level with the music.
  const Datafile sounds = load("sounds.dat");
  for (int i = 0; i < 10; ++i) {
    const auto* e = static_cast<const SAMPLE*>(sounds.get()[i].dat);
    ASSERT_EQ(sounds.get()[i].type, DAT_SAMPLE) << i;
    EXPECT_TRUE(e->bits == 16 && !e->stereo && e->len >= e->freq / 10 && e->len <= 2 * e->freq) << i;
    int peak = 0;
    for (unsigned k = 0; k < e->len; ++k) peak = std::max(peak, std::abs(static_cast<const uint16_t*>(e->data)[k] - 32768));
    EXPECT_TRUE(peak > 0.75 * 32768 && peak < 0.97 * 32768) << i << ": loud, but not at full scale";
  }
  SAMPLE* s = load_sample(data_path("sfx/logo.wav").c_str());
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE((s->bits == 16 || s->bits == 8) && !s->stereo && s->len >= 1.5 * s->freq && s->len <= 3 * s->freq);
  destroy_sample(s);

  ASSERT_EQ(open_fli(data_path("flc/proud.flc").c_str()), FLI_OK);
  EXPECT_TRUE(fli_bitmap->w == 640 && fli_bitmap->h == 480);
  int frames = 0, status;
  while ((status = next_fli_frame(FALSE)) == FLI_OK) ++frames;
  EXPECT_TRUE(status == FLI_EOF && frames >= 36 && frames <= 75) << "3 to 5 seconds at 12 to 15 frames a second";
  // the last picture shows the logo: many pixels are not black
  int lit = 0;
  for (int y = 0; y < 480; y += 4)
    for (int x = 0; x < 640; x += 4) {
      const int i = getpixel(fli_bitmap, x, y);
      lit += fli_palette[i].r + fli_palette[i].g + fli_palette[i].b > 30;
    }
  EXPECT_GT(lit, 500);
  close_fli();
}
}  // namespace
