// The inventory screen, the combinations and the item catalogue, played headless standing in the first room.
#include <gtest/gtest.h>
#include <cstring>
#include "core/sounds.h"
#include "core/tr.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "game/game.h"
#include "interaction/inventory.h"
#include "interaction/items.h"
#include "rooms/registry.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using namespace test_support;

namespace {
using Ev = MouseStep;  // dt: ms after the event before

// Schedules the events from now and runs the inventory (bag already pressed): -1 when it returned.
int run_invent(const std::vector<Ev>& events) { return schedule_mouse(events), run_program([] { main_invent(); }); }

void give(std::initializer_list<const char*> names) {
  for (const char* n : names) ASSERT_TRUE(give_item(n)) << n;
}

std::vector<std::string> names_held() { return std::vector<std::string>(inventory_obj, inventory_obj + invent_nr); }

struct Inventory : testing::Test {
  void SetUp() override {
    dialogue_support::stand_in_room("future_floor1");
    ASSERT_TRUE(give_item("rolle"));  // the hero starts with the rolling pin
  }
  void TearDown() override { headless::on_present(nullptr); }
};
}  // namespace

TEST_F(Inventory, SortPutsCapitalsBeforeSmallLettersAndTheEmptyZLast) {
  give({"access", "Schweissbrenner", "glasses", "Gaz", "Blei"});
  BITMAP* const gaz_picture = inventory_obj_bmp[4];
  sort_inventory();
  EXPECT_EQ(names_held(), (std::vector<std::string>{"Blei", "Gaz", "Schweissbrenner", "access", "glasses", "rolle"}));
  EXPECT_EQ(inventory_obj_bmp[1], gaz_picture) << "the picture moves with its name";
  EXPECT_STREQ(inv_obj_describe[1][0], TR("Eine Flasche mit brennbarem Gas.", "A bottle with combustible gas."));
  for (int i = invent_nr; i < kInventorySlots; ++i) EXPECT_STREQ(inventory_obj[i], "z") << i;
}

TEST(InventoryGrid, SixToARowFrom130By60) {
  const int xs[] = {130, 190, 250, 310, 370, 430};
  for (int i = 0; i < 18; ++i) {
    int x = 0, y = 0;
    inventory_slot_position(i, &x, &y);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(xs[i % 6], 120 + 60 * (i / 6))) << i;
  }
}

TEST_F(Inventory, TheSeventhItemIsDrawnAt130_180AndPointingAtItShowsItsDescription) {
  give({"access", "glasses", "Gaz", "Blei", "tool", "diamond"});  // seven with the rolling pin
  sort_inventory();
  ASSERT_STREQ(inventory_obj[6], "tool");
  BITMAP* shot = nullptr;
  // Pointed at at its lower right corner (170, 220): the pointer over an item (the hand, its working point 20 px
  // right of and 15 px below its top-left) covers no more than a 20 x 15 corner of it.
  headless::on_present([&] {
    if (!shot && mouse_x == 170 && mouse_over_obj == 1) {
      shot = create_bitmap(640, 480); blit(headless::last_frame(), shot, 0, 0, 0, 0, 640, 480);
    }
  });
  EXPECT_EQ(run_invent({{30, 170, 220, 0}, {100, 170, 220, 2}, {60, 170, 220, 0}}), -1);
  ASSERT_NE(shot, nullptr) << "the pointer at (170, 220) was over no item";
  BITMAP* screwdriver = create_bitmap(40, 40);
  ASSERT_TRUE(draw_item_picture("tool", screwdriver));
  EXPECT_GT(test_support::shown_share(shot, screwdriver, 130, 180), 0.6);
  EXPECT_LT(test_support::shown_share(shot, screwdriver, 190, 180), 0.3);
  int ink = 0;  // its description at the top, in the reply colour
  for (int y = 10; y < 30; ++y)
    for (int x = 0; x < 640; ++x) ink += getpixel(shot, x, y) == (128000 & 0xFFFF);
  EXPECT_GT(ink, 20);
  destroy_bitmap(screwdriver); destroy_bitmap(shot);
}

TEST_F(Inventory, HighlightSquareIsInclusiveFromXToXPlus40) {
  std::map<std::pair<int, int>, bool> over;  // pointer position: over an item on some pass
  headless::on_present([&] {
    if (inv_menu == 1) over[{mouse_x, mouse_y}] = over[{mouse_x, mouse_y}] || mouse_over_obj == 1;
  });
  EXPECT_EQ(run_invent({{30, 130, 120, 0}, {40, 170, 160, 0}, {40, 129, 140, 0}, {40, 171, 140, 0}, {40, 150, 119, 0},
                        {40, 150, 161, 0}, {40, 150, 140, 2}, {60, 150, 140, 0}}), -1);
  const std::map<std::pair<int, int>, bool> want = {{{130, 120}, true},  {{170, 160}, true},  {{129, 140}, false},
                                                    {{171, 140}, false}, {{150, 119}, false}, {{150, 161}, false}};
  for (const auto& [at, is_over] : want) {
    ASSERT_TRUE(over.count(at)) << "no pass with the pointer at " << at.first << ", " << at.second;
    EXPECT_EQ(over[at], is_over) << at.first << ", " << at.second;
  }
}

TEST_F(Inventory, PickedUpItemRidesThePointerAndComesBackAtItsSortedPlace) {
  give({"Gaz"});
  sort_inventory();  // Gaz, rolle
  // Pick up the rolling pin (slot 1 at 190, 120), then put it back beside the grid.
  EXPECT_EQ(run_invent({{30, 200, 130, 1}, {80, 200, 130, 0}, {60, 500, 300, 0}, {40, 500, 300, 1}, {80, 500, 300, 0},
                       {60, 500, 300, 2}, {60, 500, 300, 0}}), -1);
  EXPECT_EQ(names_held(), (std::vector<std::string>{"Gaz", "rolle"}));
  EXPECT_FALSE(carrying_item());
  EXPECT_STREQ(inv_obj_describe[1][0],
               TR("Mamas Nudelholz ist für mich wie ein Schweizer Messer.", "Mum's rolling pin is my allrounder tool."));
}

TEST_F(Inventory, ClosingWithAnItemPickedUpKeepsItOnThePointer) {
  EXPECT_EQ(run_invent({{30, 140, 130, 1}, {80, 140, 130, 0}, {60, 400, 300, 2}, {60, 400, 300, 0}}), -1);
  EXPECT_EQ(std::make_pair(invent_nr, carrying_item()), std::make_pair(0, true));
  EXPECT_STREQ(arrow_obj, "rolle");
  // A right click in the room puts it back.
  mouse_x = 400; mouse_y = 300; mouse_b = 2;
  ASSERT_EQ(run_program([] { main_loop_pass(); }), -1);
  EXPECT_EQ(std::make_pair(invent_nr, mouse_status), std::make_pair(1, +kModeWalk));
  EXPECT_STREQ(inventory_obj[0], "rolle");
}

TEST(Combinations, EveryOrderOfTheEightRulesAndNothingElse) {
  const struct { const char *held, *on, *product; } rules[] = {
      {"schlauch", "Gaz", "Gaz_Schlauch"}, {"Gaz", "schlauch", "Gaz_Schlauch"},
      {"schlauch", "Bunsenbrenner", "Bunsen_Schlauch"}, {"Bunsenbrenner", "schlauch", "Bunsen_Schlauch"},
      {"Gaz_Schlauch", "Bunsenbrenner", "Schweissbrenner"}, {"Bunsenbrenner", "Gaz_Schlauch", "Schweissbrenner"},
      {"Bunsen_Schlauch", "Gaz", "Schweissbrenner"}, {"Gaz", "Bunsen_Schlauch", "Schweissbrenner"}};
  ensure_allegro(); reset_world();
  arrow = create_bitmap(40, 40);
  auto combine = [](const char* held, const char* on) {
    arrow_obj = held, buffer_obj = on;
    const bool made = story_invent();
    return std::string(arrow_obj) + (made ? " made" : "");
  };
  for (const auto& r : rules) EXPECT_EQ(combine(r.held, r.on), std::string(r.product) + " made") << r.held << " on " << r.on;
  EXPECT_STREQ(arrow_describe[0], TR("Dieser improvisierte Schweißbrenner ist das Werk", "This blowpipe is the work of a genius."));
  for (const auto& [held, on] : {std::pair{"Gaz", "Gaz"}, {"Gaz_Schlauch", "schlauch"}, {"Bunsen_Schlauch", "schlauch"},
                                 {"rolle", "Gaz"}, {"Schweissbrenner", "Gaz"}, {"Gaz_Schlauch", "Gaz"},
                                 {"Bunsen_Schlauch", "Bunsenbrenner"}})
    EXPECT_EQ(combine(held, on), held) << held << " on " << on;
  destroy_bitmap(arrow);
}

TEST_F(Inventory, GasOnHoseThenOnBurnerMakesTheTorchOnThePointer) {
  give({"Gaz", "schlauch", "Bunsenbrenner"});
  sort_inventory();  // Bunsenbrenner, Gaz, rolle, schlauch
  // Pick up Gaz (slot 1); the others move up: click the hose (now slot 2),
  // then the burner (slot 0), then a non-matching click on the rolling pin.
  EXPECT_EQ(run_invent({{30, 200, 130, 1}, {80, 200, 130, 0}, {60, 260, 130, 1}, {80, 260, 130, 0}, {60, 140, 130, 1},
                       {80, 140, 130, 0}, {60, 140, 130, 1}, {80, 140, 130, 0}, {60, 400, 300, 2},
                       {60, 400, 300, 0}}), -1);
  EXPECT_STREQ(arrow_obj, "Schweissbrenner");
  EXPECT_TRUE(carrying_item());
  EXPECT_EQ(names_held(), (std::vector<std::string>{"rolle"}));
}

// Nothing held over an item; an item held over nothing, over the control-panel button, in the control panel. The
// bag is heard opening and, at the end, closing.
TEST_F(Inventory, ARightClickClosesFromEveryState) {
  for (const std::vector<Ev>& events :
       {std::vector<Ev>{{30, 140, 130, 2}, {60, 140, 130, 0}},
        {{30, 140, 130, 1}, {80, 140, 130, 0}, {60, 500, 100, 2}, {60, 500, 100, 0}},
        {{30, 200, 370, 2}, {60, 200, 370, 0}}, {{30, 200, 370, 1}, {80, 200, 370, 0}, {60, 300, 150, 2}, {60, 300, 150, 0}}}) {
    const size_t before = headless::sound().samples.size();
    EXPECT_EQ(run_invent(events), -1);
    EXPECT_EQ(inv_menu, 0);
    const std::vector<SAMPLE*>& heard = headless::sound().samples;
    ASSERT_GE(heard.size(), before + 2);
    EXPECT_TRUE(heard[before] == sound_sample(manifest::Sounds::bag_open) &&
                heard.back() == sound_sample(manifest::Sounds::bag_close));
  }
  EXPECT_STREQ(arrow_obj, "rolle");
}

TEST_F(Inventory, ControlPanelButtonIs151To309By357To395) {
  std::vector<int> menus;
  headless::on_present([&] {
    if (menus.empty() || menus.back() != inv_menu) menus.push_back(inv_menu);
  });
  // Outside by one pixel on each side: nothing; then its two corners each open the panel.
  EXPECT_EQ(run_invent({{30, 150, 370, 1}, {60, 150, 370, 0}, {40, 310, 370, 1}, {60, 310, 370, 0}, {40, 200, 356, 1},
                       {60, 200, 356, 0}, {40, 200, 396, 1}, {60, 200, 396, 0}, {40, 151, 357, 1}, {60, 151, 357, 0},
                       {60, 420, 375, 1}, {60, 420, 375, 0}, {60, 309, 395, 1}, {60, 309, 395, 0}, {60, 300, 150, 2},
                       {60, 300, 150, 0}}), -1);
  EXPECT_EQ(menus, (std::vector<int>{1, 2, 1, 2, 0}));
}

// A representative set of the catalogue: the item's picture (its entry of "objects.dat") and first description line.
struct CatalogueRow { const char* name; int entry; const char* line0; };
const CatalogueRow kCatalogue[] = {
    {"access", 0, TR("Die Zugangskarte von Herr Zirud.", "Mister Zirud's access card.")},
    {"kanister", 11, TR("E Kanister. Wat do wuel dran ass?", "A canister. I wonder what is inside.")},
    {"Gaz", 9, TR("Eine Flasche mit brennbarem Gas.", "A bottle with combustible gas.")},
    {"rolle", 13, TR("Mamas Nudelholz ist für mich wie ein Schweizer Messer.", "Mum's rolling pin is my allrounder tool.")},
    {"Blei", 3, TR("Ein Rohr aus Blei.", "A lead conduit.")},
    {"Schweissbrenner", 8, TR("Dieser improvisierte Schweißbrenner ist das Werk", "This blowpipe is the work of a genius.")},
    // The special pieces keep their German text; in English they say what the piece says when looked at.
    {"Bunsenbrenner", -1, TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", "A Bunsen burner. It makes a really")},
    {"diamond", -1, TR("Das ist ein Diamant. Der sieht nicht gerade billig aus.", "A diamond. It does not look cheap")},
};

// A loaded game holds names only: every slot gets its picture and description back from the catalogue.
TEST_F(Inventory, TheCatalogueGivesEachItemItsPictureAndDescriptionAlsoAfterALoad) {
  invent_nr = 0;
  for (const CatalogueRow& row : kCatalogue) {
    inventory_obj[invent_nr] = row.name;
    for (int l = 0; l < 3; ++l) inv_obj_describe[invent_nr][l] = "";
    ++invent_nr;
  }
  invent_bitmaps();
  for (int i = 0; i < invent_nr; ++i) {
    SCOPED_TRACE(kCatalogue[i].name);
    EXPECT_STREQ(look_up_item(kCatalogue[i].name).lines[0], kCatalogue[i].line0);
    EXPECT_STREQ(inv_obj_describe[i][0], kCatalogue[i].line0);
    if (kCatalogue[i].entry < 0) continue;
    BITMAP* want = create_bitmap(40, 40);
    BITMAP* p = static_cast<BITMAP*>(objects_dat[kCatalogue[i].entry].dat);
    clear_to_color(want, bitmap_mask_color(want));
    stretch_blit(p, want, 0, 0, p->w, p->h, 0, 0, 40, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) ASSERT_EQ(getpixel(inventory_obj_bmp[i], x, y), getpixel(want, x, y));
    destroy_bitmap(want);
  }
  // Every item the story hands out or makes, and every takeable piece, is known.
  BITMAP* pic = create_bitmap(40, 40);
  for (const char* n : {"tool", "guitar", "schlauch", "Alkohol", "Limonade", "glasses", "bleiloesung", "Gaz_Schlauch",
                        "Bunsen_Schlauch"}) {
    EXPECT_GT(std::strlen(look_up_item(n).lines[0]), 0u) << n;
    EXPECT_TRUE(draw_item_picture(n, pic)) << n;
  }
  for (const RoomScript* room : kRooms)
    for (const FurniState& row : room->furniture)
      if (row.take == 1) EXPECT_TRUE(draw_item_picture(row.name, pic)) << room->name << " " << row.name;
  EXPECT_FALSE(look_up_item("nothing-of-that-name").known);
  destroy_bitmap(pic);
}

TEST_F(Inventory, AFullBagRefusesTheItemWithoutWritingPastTheTable) {
  ASSERT_TRUE(give_item("glasses"));  // one by hand, the other 98 filled in by name
  for (int i = 2; i < 100; ++i) inventory_obj[i] = "glasses";
  invent_nr = 100;
  EXPECT_FALSE(give_item("access"));
  for (int i = 0; i < 100; ++i) ASSERT_STRNE(inventory_obj[i], "access");
  EXPECT_EQ(invent_nr, 100);
  // A carried item stays on the pointer when the bag is full.
  arrow_obj = "diamond", mouse_status = kModeItem;
  EXPECT_FALSE(return_carried_item());
  EXPECT_EQ(invent_nr, 100);
}
