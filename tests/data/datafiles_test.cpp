// The generated data files: every datafile loads with Allegro, holds exactly
// the entries the game addresses by position, with the right types and sizes,
// and the pictures of buttons lie under the areas the game tests the pointer
// against. The music, the jingle and the logo film load with Allegro's own
// loaders.
#include <allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "menus/screen_layout.h"
#include "support/test_support.h"

namespace {

namespace L = screen_layout;

std::string data_path(const std::string& name) { return std::string(PELVARO_DATA_DIR) + "/" + name; }

struct DatafileDeleter {
  void operator()(DATAFILE* d) const { unload_datafile(d); }
};
using Datafile = std::unique_ptr<DATAFILE, DatafileDeleter>;

Datafile load(const std::string& name) {
  test_support::ensure_allegro();
  return Datafile(load_datafile(data_path(name).c_str()));
}

int count(const DATAFILE* d) {
  int n = 0;
  while (d[n].type != DAT_END) ++n;
  return n;
}

BITMAP* bmp(const Datafile& d, int i) { return static_cast<BITMAP*>(d.get()[i].dat); }

bool opaque(BITMAP* b, int x, int y) {
  return x >= 0 && y >= 0 && x < b->w && y < b->h && getpixel(b, x, y) != bitmap_mask_color(b);
}

int rgb_of(BITMAP* b, int x, int y, int (*channel)(int)) { return channel(getpixel(b, x, y)); }
int red(int c) { return getr16(c); }
int green(int c) { return getg16(c); }
int blue(int c) { return getb16(c); }

// True when the picture `pic`, drawn at `pos`, covers every pixel of `area`
// (but for `slack` pixels at its left and top edge, where a given position
// lies inside the area).
bool covers(BITMAP* pic, L::Point pos, const L::Rect& area, int slack = 0) {
  return pos.x <= area.x1 + slack && pos.y <= area.y1 + slack && pos.x + pic->w > area.x2 &&
         pos.y + pic->h > area.y2;
}

struct Expected {
  const char* file;
  int entries;
  int w, h;  // size of every entry, 0 where the entries differ
};

// Test listings name the file, not the bytes of the parameter.
void PrintTo(const Expected& e, std::ostream* os) {
  *os << e.file;
}

class Datafiles : public ::testing::TestWithParam<Expected> {};

TEST_P(Datafiles, LoadWithTheExactEntriesAs16BitPictures) {
  const Expected& e = GetParam();
  Datafile d = load(e.file);
  ASSERT_TRUE(d) << e.file << " does not load";
  ASSERT_EQ(count(d.get()), e.entries) << e.file;
  for (int i = 0; i < e.entries; ++i) {
    ASSERT_EQ(d.get()[i].type, DAT_BITMAP) << e.file << " entry " << i;
    EXPECT_EQ(bitmap_color_depth(bmp(d, i)), 16) << e.file << " entry " << i;
    if (e.w) {
      EXPECT_EQ(bmp(d, i)->w, e.w) << e.file << " entry " << i;
      EXPECT_EQ(bmp(d, i)->h, e.h) << e.file << " entry " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, Datafiles,
                         ::testing::Values(Expected{"title.dat", 36, 0, 0}, Expected{"walk.dat", 112, 125, 200},
                                           Expected{"talkf.dat", 15, 125, 200}, Expected{"talkr.dat", 30, 125, 200},
                                           Expected{"talkl.dat", 30, 125, 200}, Expected{"takel.dat", 15, 125, 200},
                                           Expected{"taker.dat", 15, 125, 200}, Expected{"general.dat", 12, 0, 0},
                                           Expected{"cursor.dat", 32, 40, 40}, Expected{"objects.dat", 15, 40, 40},
                                           Expected{"menu.dat", 23, 0, 0}, Expected{"inventar.dat", 17, 0, 0},
                                           Expected{"intro.dat", 3, 0, 0}),
                         [](const auto& info) {
                           std::string n = info.param.file;
                           return n.substr(0, n.find('.'));
                         });

int opaque_count(BITMAP* b) {
  int n = 0;
  for (int y = 0; y < b->h; ++y)
    for (int x = 0; x < b->w; ++x) n += opaque(b, x, y);
  return n;
}

bool same_picture(BITMAP* a, BITMAP* b) {
  if (a->w != b->w || a->h != b->h) return false;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) return false;
  return true;
}

TEST_P(Datafiles, NoPinkFringeSurvivesTheMask) {
  // Edge pixels are either transparent or solid over a dark outline; a pixel
  // close to magenta that is not the mask colour would show as a pink fringe.
  const Expected& e = GetParam();
  Datafile d = load(e.file);
  ASSERT_TRUE(d);
  for (int i = 0; i < count(d.get()); ++i) {
    BITMAP* b = bmp(d, i);
    int pink = 0;
    for (int y = 0; y < b->h; ++y)
      for (int x = 0; x < b->w; ++x) {
        const int c = getpixel(b, x, y);
        if (c != bitmap_mask_color(b) && getr16(c) > 200 && getg16(c) < 60 && getb16(c) > 200) ++pink;
      }
    EXPECT_EQ(pink, 0) << e.file << " entry " << i;
  }
}

TEST(DataHero, EveryCycleMovesAndTheCyclesDiffer) {
  Datafile walk = load("walk.dat");
  ASSERT_TRUE(walk);
  for (int cycle = 0; cycle < 8; ++cycle) {
    int distinct = 0;
    for (int f = 0; f < 14; ++f) {
      BITMAP* b = bmp(walk, cycle * 14 + f);
      EXPECT_GT(opaque_count(b), 125 * 200 / 10) << "cycle " << cycle << " frame " << f;
      distinct += !same_picture(b, bmp(walk, cycle * 14 + (f + 1) % 14));
    }
    EXPECT_GE(distinct, 7) << "cycle " << cycle << " hardly moves";
    for (int other = 0; other < cycle; ++other)
      EXPECT_FALSE(same_picture(bmp(walk, cycle * 14), bmp(walk, other * 14))) << cycle << " and " << other;
  }
  Datafile right = load("talkr.dat");
  Datafile left = load("talkl.dat");
  ASSERT_TRUE(right && left);
  EXPECT_FALSE(same_picture(bmp(right, 0), bmp(left, 0)));
  Datafile takel = load("takel.dat");
  ASSERT_TRUE(takel);
  EXPECT_FALSE(same_picture(bmp(takel, 0), bmp(takel, 7))) << "the hand never reaches down";
}

TEST(DataObjects, FifteenDistinctItemPictures) {
  Datafile d = load("objects.dat");
  ASSERT_TRUE(d);
  for (int i = 0; i < 15; ++i) {
    EXPECT_GT(opaque_count(bmp(d, i)), 40 * 40 / 8) << "entry " << i;
    for (int j = 0; j < i; ++j) EXPECT_FALSE(same_picture(bmp(d, i), bmp(d, j))) << i << " and " << j;
  }
}

TEST(DataTitle, LogoIsFullScreenAndTheBarFillsStepByStep) {
  Datafile d = load("title.dat");
  ASSERT_TRUE(d);
  EXPECT_EQ(bmp(d, 0)->w, 640);
  EXPECT_EQ(bmp(d, 0)->h, 480);
  // The bar is drawn at (215, 435) and must stay on the screen.
  int previous = -1;
  for (int step = 0; step < 35; ++step) {
    BITMAP* bar = bmp(d, 1 + step);
    ASSERT_EQ(bar->w, bmp(d, 1)->w);
    EXPECT_LE(L::kProgressBar.x + bar->w, 640);
    EXPECT_LE(L::kProgressBar.y + bar->h, 480);
    int filled = 0;
    for (int y = 0; y < bar->h; ++y)
      for (int x = 0; x < bar->w; ++x)
        if (opaque(bar, x, y) && rgb_of(bar, x, y, red) > 140 && rgb_of(bar, x, y, green) < 110) ++filled;
    EXPECT_GT(filled, previous) << "step " << step;
    previous = filled;
  }
  // The last step fills the middle of the right end.
  BITMAP* full = bmp(d, 35);
  EXPECT_GT(rgb_of(full, full->w - 8, full->h / 2, red), 140);
}

TEST(DataGeneral, BagAndVerbPanelLieUnderTheirHitAreas) {
  Datafile d = load("general.dat");
  ASSERT_TRUE(d);
  BITMAP* bag = bmp(d, 0);
  BITMAP* bag_on = bmp(d, 1);
  const int bx = (L::kBagHit.x1 + L::kBagHit.x2) / 2 - L::kBagPos.x, by = (L::kBagHit.y1 + L::kBagHit.y2) / 2 - L::kBagPos.y;
  EXPECT_TRUE(opaque(bag, bx, by));
  EXPECT_TRUE(covers(bag, L::kBagPos, L::kBagHit));
  EXPECT_NE(getpixel(bag, bx, by), getpixel(bag_on, bx, by)) << "the lit bag looks like the plain one";

  BITMAP* stand = bmp(d, 3);
  EXPECT_EQ(stand->w, 125);
  EXPECT_EQ(stand->h, 200);

  BITMAP* panel = bmp(d, 6);
  ASSERT_TRUE(covers(panel, L::kVerbPanelPos, L::Rect{541, 351, 596, 439}));
  for (int v = 0; v < L::kVerbCount; ++v) {
    const L::Rect& r = L::kVerbHit[v];
    const int cx = (r.x1 + r.x2) / 2, cy = (r.y1 + r.y2) / 2;
    // every corner and the middle of the hit area is on the panel's button
    for (auto [x, y] : {std::pair{cx, cy}, {r.x1 + 2, r.y1 + 2}, {r.x2 - 2, r.y1 + 2}, {r.x1 + 2, r.y2 - 2}, {r.x2 - 2, r.y2 - 2}})
      EXPECT_TRUE(opaque(panel, x - L::kVerbPanelPos.x, y - L::kVerbPanelPos.y)) << "verb " << v;
    BITMAP* on = bmp(d, 7 + v);
    EXPECT_TRUE(covers(on, L::kVerbHighlightPos[v], r)) << "verb " << v;
    int differs = 0;
    for (int y = r.y1; y <= r.y2; ++y)
      for (int x = r.x1; x <= r.x2; ++x)
        if (getpixel(on, x - L::kVerbHighlightPos[v].x, y - L::kVerbHighlightPos[v].y) !=
            getpixel(panel, x - L::kVerbPanelPos.x, y - L::kVerbPanelPos.y))
          ++differs;
    EXPECT_GT(differs, r.width() * r.height() / 3) << "verb " << v << " is hardly lit";
  }
}

TEST(DataGeneral, EraseLineIsOneColourMatchingTheSlotList) {
  Datafile general = load("general.dat");
  Datafile inv = load("inventar.dat");
  ASSERT_TRUE(general && inv);
  BITMAP* erase = bmp(general, 2);
  ASSERT_GE(erase->w, 300);
  ASSERT_GE(erase->h, 15);
  const int colour = getpixel(erase, 0, 0);
  for (int y = 0; y < erase->h; ++y)
    for (int x = 0; x < erase->w; ++x) ASSERT_EQ(getpixel(erase, x, y), colour);
  // Blanking a slot line on the save and load screens leaves no seam.
  for (int screen : {13, 15}) {
    BITMAP* s = bmp(inv, screen);
    for (int slot = 0; slot < 10; ++slot)
      for (int x = 0; x < erase->w; x += 7) {
        const int sx = L::kSlotLineX + x - L::kInventoryPos.x;
        const int sy = L::kSlotLineY0 + L::kSlotLineStep * slot + 7 - L::kInventoryPos.y;
        ASSERT_EQ(getpixel(s, sx, sy), colour) << "screen " << screen << " slot " << slot << " x " << x;
      }
  }
}

TEST(DataCursors, PointersPointWhereTheGameTests) {
  Datafile d = load("cursor.dat");
  ASSERT_TRUE(d);
  // walk arrows and doors: the raw mouse position, the top-left pixel
  for (int i : {0, 1, 20, 21}) EXPECT_TRUE(opaque(bmp(d, i), 0, 0)) << "entry " << i;
  // look, talk, take, use: the hot spot (+20, +15)
  for (int i = 2; i <= 19; ++i)
    EXPECT_TRUE(opaque(bmp(d, i), L::kCursorHotSpot.x, L::kCursorHotSpot.y)) << "entry " << i;
  // each plain picture has a highlighted partner right after it that differs
  for (int i : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 22, 24}) {
    BITMAP* a = bmp(d, i);
    BITMAP* b = bmp(d, i + 1);
    int differs = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) differs += getpixel(a, x, y) != getpixel(b, x, y);
    EXPECT_GT(differs, 40) << "entries " << i << " and " << i + 1;
  }
  // the small gear sits in the lower right corner, leaving the item visible
  for (int i = 22; i <= 25; ++i) {
    EXPECT_FALSE(opaque(bmp(d, i), 10, 10));
    EXPECT_TRUE(opaque(bmp(d, i), 31, 31));
  }
  // the six frames of the sandglass all differ from one another
  for (int i = 26; i < 31; ++i) {
    int differs = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) differs += getpixel(bmp(d, i), x, y) != getpixel(bmp(d, i + 1), x, y);
    EXPECT_GT(differs, 10) << "sandglass " << i - 26;
  }
}

TEST(DataFont, IsAMonochromeFontForTwentyPixelRows) {
  Datafile d = load("font.dat");
  ASSERT_TRUE(d);
  ASSERT_EQ(count(d.get()), 1);
  ASSERT_EQ(d.get()[0].type, DAT_FONT);
  FONT* f = static_cast<FONT*>(d.get()[0].dat);
  EXPECT_TRUE(is_mono_font(f));
  EXPECT_GE(text_height(f), 16);
  EXPECT_LE(text_height(f), 18);
  EXPECT_EQ(get_font_range_begin(f, -1), 32);
  EXPECT_EQ(get_font_range_end(f, -1), 255);
  // proportional: an "m" is wider than an "i", and the alphabet fits a line
  EXPECT_GT(text_length(f, "m"), text_length(f, "i"));
  EXPECT_LT(text_length(f, "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 600);
  // text is really drawn: writing "H" sets pixels in the given colour
  BITMAP* b = create_bitmap_ex(16, 40, 30);
  clear_to_color(b, 0);
  textout_ex(b, f, "H", 2, 2, makecol16(255, 128, 0), -1);
  int lit = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) lit += getpixel(b, x, y) == makecol16(255, 128, 0);
  destroy_bitmap(b);
  EXPECT_GT(lit, 15);
}

TEST(DataMenu, ButtonFacesLieUnderTheHotAreas) {
  Datafile d = load("menu.dat");
  ASSERT_TRUE(d);
  BITMAP* menu = bmp(d, 9);
  ASSERT_EQ(menu->w, 640);
  ASSERT_EQ(menu->h, 480);
  const int highlight_entry[L::kMenuButtonCount] = {12, 11, 13, 10, 14};  // mm_new, mm_inst, mm_opti, mm_cred, mm_quit
  for (int b = 0; b < L::kMenuButtonCount; ++b) {
    const L::Rect& r = L::kMenuHot[b];
    // the face's edge runs along the hot area: inside differs from just outside
    const int cy = (r.y1 + r.y2) / 2;
    EXPECT_NE(getpixel(menu, r.x1 + 3, cy), getpixel(menu, r.x1 - 6, cy)) << "button " << b;
    EXPECT_NE(getpixel(menu, r.x2 - 3, cy), getpixel(menu, r.x2 + 6, cy)) << "button " << b;
    BITMAP* on = bmp(d, highlight_entry[b]);
    const L::Point p = L::kMenuHighlightPos[b];
    EXPECT_TRUE(covers(on, p, r)) << "button " << b;
    EXPECT_NE(getpixel(on, (r.x1 + r.x2) / 2 - p.x, cy - p.y), getpixel(menu, (r.x1 + r.x2) / 2, cy)) << "button " << b;
  }
  EXPECT_EQ(L::kMenuHighlightPos[0].x, 56);
  EXPECT_EQ(L::kMenuHighlightPos[0].y, 152);
  EXPECT_EQ(L::kMenuHighlightPos[3].y, 339);
  EXPECT_EQ(L::kMenuHighlightPos[4].x, 104);
  // the eyes open and close in the same place
  BITMAP* closed = bmp(d, 0);
  BITMAP* open = bmp(d, 1);
  ASSERT_EQ(closed->w, open->w);
  ASSERT_EQ(closed->h, open->h);
  int differs = 0;
  for (int y = 0; y < open->h; ++y)
    for (int x = 0; x < open->w; ++x) {
      differs += getpixel(open, x, y) != getpixel(closed, x, y);
      ASSERT_EQ(getpixel(open, x, y), getpixel(menu, L::kMenuEyesPos.x + x, L::kMenuEyesPos.y + y));
    }
  EXPECT_GT(differs, 100);
  for (int full : {6, 8, 22}) {
    EXPECT_EQ(bmp(d, full)->w, 640) << "entry " << full;
    EXPECT_EQ(bmp(d, full)->h, 480) << "entry " << full;
  }
  // the credits panels fit the screen at their places
  const std::pair<int, L::Point> panels[] = {{16, L::kCreditsCodingPos}, {15, L::kCreditsGraphicsPos}, {17, L::kCreditsSoundPos}};
  for (const auto& [entry, at] : panels) {
    EXPECT_LE(at.x + bmp(d, entry)->w, 640);
    EXPECT_LE(at.y + bmp(d, entry)->h, 480);
  }
  EXPECT_EQ(bmp(d, 4)->w, L::kKnobWidth);
  EXPECT_EQ(bmp(d, 4)->h, L::kKnobHeight);
}

TEST(DataInventory, PanelsAndHighlightsCoverTheirButtons) {
  Datafile d = load("inventar.dat");
  ASSERT_TRUE(d);
  for (int panel : {12, 13, 14, 15}) {
    EXPECT_LE(L::kInventoryPos.x + bmp(d, panel)->w, 640);
    EXPECT_LE(L::kInventoryPos.y + bmp(d, panel)->h, 480);
  }
  struct Button {
    int entry;
    L::Point pos;
    L::Rect area;
    int slack = 0;
  };
  const Button buttons[] = {
      {9, L::kInventoryPanelButtonPos, L::kInventoryPanelButton},  // game_opt_on
      {3, L::kPanelInventoryPos, L::kPanelInventory},              // game_inv_on
      {10, L::kPanelQuitPos, L::kPanelQuit, 2},                    // game_quit_on, drawn 2 px inside
      {11, L::kPanelSavePos, L::kPanelSave},                       // game_save_on
      {4, L::kPanelLoadPos, L::kPanelLoad},                        // game_load_on
      {7, L::kSlotOkPos, L::kSlotOk},                              // game_ok_on
      {2, L::kSlotBackPos, L::kSlotBack},                          // game_back_on
  };
  for (const Button& b : buttons) EXPECT_TRUE(covers(bmp(d, b.entry), b.pos, b.area, b.slack)) << "entry " << b.entry;
  EXPECT_EQ(L::kPanelQuitPos.x, 263);
  EXPECT_EQ(L::kPanelInventoryPos.y, 355);
  // the switch pictures: off mark and lit off at (370, 174), lit on at (378, 178)
  for (int entry : {5, 6}) EXPECT_TRUE(covers(bmp(d, entry), L::kPanelOffPos, L::Rect{376, 176, 470, 205}));
  EXPECT_GE(L::kPanelOnOnPos.x + bmp(d, 8)->w, L::kPanelSwitch.x2);
  // the slot highlight is at least a slot's size
  EXPECT_GE(bmp(d, 16)->w, 40);
  EXPECT_GE(bmp(d, 16)->h, 40);
  // every slot of the first four rows lies on the inventory picture
  BITMAP* inv = bmp(d, 12);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 6; ++col)
      EXPECT_TRUE(opaque(inv, L::kInventorySlotX0 + 60 * col + 20 - L::kInventoryPos.x,
                         L::kInventorySlotY0 + 60 * row + 20 - L::kInventoryPos.y));
}

TEST(DataIntro, BackgroundIsDimBehindTheText) {
  Datafile d = load("intro.dat");
  ASSERT_TRUE(d);
  BITMAP* bg = bmp(d, 2);
  ASSERT_EQ(bg->w, 640);
  ASSERT_EQ(bg->h, 480);
  long sum = 0, n = 0;
  for (int y = 170; y <= 330; y += 2)
    for (int x = 0; x < 640; x += 2) {
      const int c = getpixel(bg, x, y);
      ASSERT_NE(c, bitmap_mask_color(bg));
      sum += (getr16(c) * 3 + getg16(c) * 6 + getb16(c)) / 10;
      ++n;
    }
  EXPECT_LT(sum / n, 70) << "orange text would not read on it";
}

TEST(DataSound, MusicAndJingleLoad) {
  test_support::ensure_allegro();
  for (const char* name : {"sfx/track01.mid", "sfx/track02.mid"}) {
    MIDI* m = load_midi(data_path(name).c_str());
    ASSERT_NE(m, nullptr) << name;
    const int seconds = get_midi_length(m);
    EXPECT_GE(seconds, 55) << name;
    EXPECT_LE(seconds, 95) << name;
    destroy_midi(m);
  }
  SAMPLE* s = load_sample(data_path("sfx/logo.wav").c_str());
  ASSERT_NE(s, nullptr);
  EXPECT_TRUE(s->bits == 16 || s->bits == 8);
  EXPECT_FALSE(s->stereo);
  const double seconds = static_cast<double>(s->len) / s->freq;
  EXPECT_GE(seconds, 1.5);
  EXPECT_LE(seconds, 3.0);
  destroy_sample(s);
}

TEST(DataFilm, LogoFilmPlaysToItsEnd) {
  test_support::ensure_allegro();
  ASSERT_EQ(open_fli(data_path("flc/proud.flc").c_str()), FLI_OK);
  ASSERT_NE(fli_bitmap, nullptr);
  EXPECT_EQ(fli_bitmap->w, 640);
  EXPECT_EQ(fli_bitmap->h, 480);
  int frames = 0, status;
  while ((status = next_fli_frame(FALSE)) == FLI_OK) ++frames;
  EXPECT_EQ(status, FLI_EOF);
  EXPECT_GE(frames, 36);  // 3 to 5 seconds at 12 to 15 frames a second
  EXPECT_LE(frames, 75);
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
