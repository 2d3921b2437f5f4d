// The markers the Tab key shows and where their names go, and a scenario that takes, stows, looks and talks through
// the real main loop.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "core/tr.h"
#include "core/world.h"
#include "dialogue/talk.h"
#include "game/game.h"
#include "interaction/markers.h"
#include "rooms/registry.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

using screen_layout::Rect;

namespace {
struct InRoom : testing::Test {
  void SetUp() override {
    dialogue_support::stand_in_room("future_chimietp");
    text_speed = 1; mouse_x = 5; mouse_y = 5; mouse_b = 0;
    hero_x = true_x = 320, hero_y = true_y = 330;
  }
  static void passes(int n) {
    ASSERT_EQ(test_support::run_program([n] { for (int i = 0; i < n; ++i) main_loop_pass(); }), -1);
  }
  static int dot_colour() { return makecol(255, 230, 80); }
};
}  // namespace

TEST_F(InRoom, TabShowsAMarkerOnEveryPieceAndOpenExitWhileHeld) {
  // The burner's hover box and the door to the crossing.
  const int bx = (furni_mouse_x[2] + furni_mouse_x2[2]) / 2, by = (furni_mouse_y[2] + furni_mouse_y2[2]) / 2;
  const int ex = (535 + 610) / 2, ey = (70 + 220) / 2;
  passes(20);
  ASSERT_NE(getpixel(headless::last_frame(), bx, by), dot_colour());
  headless::key_down(headless::now() + 1, KEY_TAB); passes(3);
  EXPECT_EQ(getpixel(headless::last_frame(), bx, by), dot_colour()) << "at once, before the next frame is due";
  passes(200);
  EXPECT_EQ(getpixel(headless::last_frame(), bx, by), dot_colour()) << "and on every frame composed meanwhile";
  EXPECT_EQ(getpixel(headless::last_frame(), ex, ey), dot_colour());
  EXPECT_STREQ(piece_label(2), TR("Bunsenbrenner", "Bunsen burner"));
  EXPECT_STREQ(exit_label(0), TR("Kreuzung", "Crossing"));
  // A piece that has been taken has no marker.
  furni_present[2] = 0; passes(100);
  EXPECT_NE(getpixel(headless::last_frame(), bx, by), dot_colour());
  headless::key_up(headless::now() + 1, KEY_TAB); passes(3);
  EXPECT_NE(getpixel(headless::last_frame(), ex, ey), dot_colour()) << "gone when the key is let go";
  EXPECT_EQ(mouse_status, kModeWalk) << "nothing else changes";
}

// Tab's names cover neither each other (3 px apart side by side), the bag's picture (72 x 78 at (40, 360)), the verb
// panel (60 x 94 at (540, 350)) nor any dot, and stay on the 640 x 480 screen: in every room as a new game finds
// it, and with every piece, person and exit of the room there and open at once. Each box holds its name's
// letters and their outline, as near its dot as the others leave room for.
TEST(Markers, NoNameCoversAnotherNameTheBagTheVerbPanelOrADotInAnyRoom) {
  const Rect bag{40, 360, 111, 437}, panel{540, 350, 599, 443}, screen{0, 0, 639, 479};
  auto overlap = [](const Rect& a, const Rect& b) { return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2; };
  auto inside = [](const Rect& a, const Rect& b) { return a.x1 >= b.x1 && a.x2 <= b.x2 && a.y1 >= b.y1 && a.y2 <= b.y2; };
  int names = 0, pushed = 0;
  for (const RoomScript* room : kRooms)
    for (bool everything : {false, true}) {
      SCOPED_TRACE(std::string(room->name) + (everything ? ", everything there" : ", at the start"));
      dialogue_support::stand_in_room(room->name);
      if (everything) {
        for (int i = 0; i < furni_nr; ++i) furni_present[i] = 1;
        for (int j = 0; j < person_nr; ++j) person_present[j] = 1;
        for (int k = 0; k < exit_nr; ++k) go_through[k] = room_index(new_room[k]) >= 0;
      }
      const std::vector<Marker> markers = room_markers();
      for (size_t a = 0; a < markers.size(); ++a) {
        const Marker& m = markers[a];
        ASSERT_NE(m.name, nullptr) << "a marker without a name at " << m.dot_x << "," << m.dot_y;
        SCOPED_TRACE(m.name);
        ++names;
        const Rect& box = m.box;
        EXPECT_EQ(std::make_pair(box.width(), box.height()),
                  std::make_pair(text_length(pv_font, m.name) + 2, text_height(pv_font) + 2));
        EXPECT_TRUE(inside(box, screen)) << box.x1 << "," << box.y1;
        EXPECT_FALSE(overlap(box, bag) || overlap(box, panel)) << box.x1 << "," << box.y1;
        // Pushed no further than two names' height up or down and a name's width sideways.
        EXPECT_LE(std::abs(box.mid_y() - (m.dot_y + 7 + box.height() / 2)), 2 * 24) << box.x1 << "," << box.y1;
        EXPECT_LE(std::abs(box.mid_x() - m.dot_x), std::max(box.width(), 120)) << box.x1 << "," << box.y1;
        pushed += box.y1 != m.dot_y + 6 || std::abs(box.mid_x() - m.dot_x) > 1;
        for (size_t b = 0; b < markers.size(); ++b) {
          const Marker& o = markers[b];
          EXPECT_FALSE(overlap(box, {o.dot_x - 4, o.dot_y - 4, o.dot_x + 4, o.dot_y + 4})) << "over the dot of " << o.name;
          if (b != a) EXPECT_FALSE(overlap({box.x1 - 3, box.y1, box.x2 + 3, box.y2}, o.box)) << "over " << o.name;
        }
      }
    }
  EXPECT_GT(names, 43 * 2 * 2) << "the rooms have things to name";
  EXPECT_GT(pushed, 0) << "somewhere a name had to make room";
}

TEST_F(InRoom, TakeStowLookAndTalkThroughTheMainLoop) {
  const int burner = 2, slot_before = invent_nr;
  // Mouse positions over the middles of the burner's and (once in the crossing) the teacher's hot areas.
  const int bx = (furni_mouse_x[burner] + furni_mouse_x2[burner]) / 2;
  const int by = (furni_mouse_y[burner] + furni_mouse_y2[burner]) / 2;
  int px = 0, py = 0;
  bool menu_seen = false, reply_heard = false;
  const char* look_text = nullptr;
  auto press = [](int x, int y) { headless::click(headless::now() + 2, x, y, 40); };
  test_support::Player player;
  player  // the take verb, then the burner: the hero walks there and takes it.
      .then([] { return true; }, [&] { press(550, 395); })
      .then([] { return force_cursor == kVerbChosen && click == kClickFree; }, [&] { press(bx, by); })
      .then([&] { return mouse_status == kModeItem && took_object == 1 && hero_action[0] != kStepSpecial; },
            [] {
              // A right click drops it into the inventory.
              headless::mouse_at(headless::now() + 2, 300, 300, 2);
              headless::mouse_at(headless::now() + 40, 300, 300, 0);
            })
      .then([&] { return invent_nr == slot_before + 1 && mouse_b == 0; }, [&] { press(572, 145); })  // to the crossing
      .then([] { return room_name && std::strcmp(room_name, "future_crossing") == 0 && mouse_b == 0; },
            [&] {
              // The look verb on the teacher.
              look_text = person_text[0][0];
              px = (person_mouse_x[0] + person_mouse_x2[0]) / 2;
              py = (person_mouse_y[0] + person_mouse_y2[0]) / 2; press(550, 430);
            })
      .then([] { return force_cursor == kVerbChosen && click == kClickFree; }, [&] { press(px, py); })
      .then([&] {
              return input_text[0][0] && look_text && std::strcmp(input_text[0][0], look_text) == 0 &&
                     hero_action[0] == kStepStand && click == kClickFree && mouse_b == 0; },
            [&] {
              // He has one thing to say to him here, which ends the talk: the
              // room's own sentences are put aside for it.
              for (int c = 2; c <= kTalkOptions; ++c) talk_node(0, TalkPath{}.child(c)).s_present = 0;
              TalkNode& n = talk_node(0, talk_path("1"));
              n.sentence[0] = "Guten Tag.", n.sentence[1] = n.sentence[2] = "";
              n.reply[0] = "Tag.", n.reply[1] = n.reply[2] = "";
              n.s_present = n.s_call_nr = n.s_exit = 1; press(px, py);
            })
      .then([&] {
              return hidebuttons == 1 && choice == 0 && input_text[1][0] && std::strcmp(input_text[1][0], "Guten Tag.") == 0;
            },
            [&] { menu_seen = true, press(100, 440); })  // one one-line option: the line from 430 to 450
      .then([&] {
              reply_heard = reply_heard || (person_anim[0] == 1 && choice == 1);
              return menu_seen && reply_heard && hidebuttons == 0 && talk_nr == -1;
            },
            [] { headless::stop(); });
  EXPECT_EQ(test_support::run_program([] { main_loop(); }), -2);
  EXPECT_STREQ(inventory_obj[slot_before], "Bunsenbrenner");
  EXPECT_STREQ(inv_obj_describe[slot_before][0], TR("Das ist ein Bunsenbrenner. Dieses mit Gas betriebene", "A Bunsen burner. It makes a really"));
  EXPECT_EQ(talk_node(0, talk_path("1")).s_present, 0) << "the sentence is used up";
}
