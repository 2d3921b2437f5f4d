// The room catalogue: the 43 rooms of the registry in their order with their files, each room's record as loading
// it sets it, exits that lead to registered rooms, and persons that their rules can tell apart.
#include <gtest/gtest.h>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>
#include "core/datafiles.h"
#include "core/screen_layout.h"
#include "core/world.h"
#include "frame/cursor.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

namespace {
// The 43 rooms in the registry's order, the order in which a saved game holds their states.
const char* const kRoomNames[] = {
    "physik", "kicker", "biolog", "physiktp", "cafeteria", "chimie", "class", "future_preau", "future_floor",
    "chimietp", "biblio", "cantina", "toilette", "entree", "aula", "hof", "crossing", "floor2", "floor3", "preau2",
    "aqua", "portier", "floor9", "floor8", "floor4", "floor6", "floor5", "floor10", "floor7", "floor11", "floor12",
    "floor13", "floor14", "floor15", "future_floor1", "future_physik", "future_crossing", "future_biolog",
    "future_physiktp", "future_chimie", "future_floor2", "future_floor15", "future_chimietp"};

bool on_screen(int x, int y) { return 0 <= x && x <= 640 && 0 <= y && y <= 480; }
}  // namespace

TEST(Catalogue, TheStateFileGoesByTheRoomsIndexOrName) {
  reset_world();
  for (int index : {0, 43}) {  // an index outside the rooms leaves the path
    save_temp_files(index);
    EXPECT_STREQ(temp_file, "sav/tmp/physik.sav") << index;
  }
  for (const char* room : {"future_floor", "nowhere"}) {  // an unknown name leaves it too
    room_name = room;
    set_temp_file();
    EXPECT_STREQ(temp_file, "sav/tmp/ffloor.sav") << room;
  }
}

TEST(Catalogue, TheRegistryHoldsTheRoomsInTheirOrderEachWithItsFilesAndLoadingSetsItsRecord) {
  ASSERT_EQ(kRoomCount, 43);
  EXPECT_EQ(room_index("bio3"), -1);
  test_support::fresh_game();
  for (int i = 0; i < 43; ++i) {
    const RoomScript& room = *kRooms[i];
    SCOPED_TRACE(kRoomNames[i]);
    EXPECT_STREQ(room.name, kRoomNames[i]);
    EXPECT_EQ(room_index(std::string(kRoomNames[i]).c_str()), i) << "compared by contents, never by address";
    // Its datafile is in the data folder; its state file in sav/tmp is named after it.
    const std::string data_file = room.data_file;
    ASSERT_GT(data_file.size(), 4u);
    EXPECT_EQ(data_file.substr(data_file.size() - 4), ".dat");
    EXPECT_EQ(access(data_file.c_str(), R_OK), 0) << data_file;
    EXPECT_EQ(room.state_file, "sav/tmp/" + data_file.substr(0, data_file.size() - 4) + ".sav");
    // Loading it sets what its record says, and its datafile holds every picture the tables use.
    test_support::load_room_named(room.name);
    ASSERT_NE(room_dat, nullptr);
    EXPECT_EQ(room_graph, room_dat[room.background].dat);
    EXPECT_GE(datafile_entry_count(room_dat), room.highest_object + 1);
    EXPECT_EQ((std::vector<float>{min_hero_length, increase_rate}),
              (std::vector<float>{room.min_hero_length, room.increase_rate}));
    EXPECT_EQ((std::vector<int>{furni_nr, person_nr, exit_nr}),
              (std::vector<int>{room.furni_nr, room.person_nr, room.exit_nr}));
  }
}

// Every exit slot leads to another room. A door open from the start leads to a room of the registry (a shut one
// may name a room that is not built: it is refused there); the clickable ones have their hot rectangle on the
// screen, and the hero walks to and arrives at points on the screen.
TEST(Catalogue, EveryOpenExitLeadsToAnotherRegisteredRoomFromTheScreen) {
  for (const RoomScript* room : kRooms) {
    SCOPED_TRACE(room->name);
    ASSERT_GE(static_cast<int>(room->exits.size()), room->exit_nr);
    for (size_t k = 0; k < room->exits.size(); ++k) {
      const ExitDef& e = room->exits[k];
      SCOPED_TRACE("exit " + std::to_string(k));
      ASSERT_NE(e.target, nullptr);
      EXPECT_STRNE(e.target, room->name);
      if (e.open == 1) EXPECT_GE(room_index(e.target), 0) << e.target;
      if (static_cast<int>(k) < room->exit_nr)
        EXPECT_TRUE(e.x < e.x2 && e.y < e.y2 && on_screen(e.x, e.y) && on_screen(e.x2, e.y2));
      EXPECT_TRUE(on_screen(e.goto_x, e.goto_y) && on_screen(e.arrive_x, e.arrive_y));
    }
  }
}

// A person's rules name him by his idle row: each person of a room has one, and no two share its name.
TEST(Catalogue, EachPersonOfARoomHasAnIdleRowOfHisOwnName) {
  for (const RoomScript* room : kRooms) {
    SCOPED_TRACE(room->name);
    std::map<std::string, int> slot_named;
    int idle_rows = 0;
    for (const PersonState& s : room->persons) {
      if (s.state != 0) continue;
      ++idle_rows;
      const auto [first, fresh] = slot_named.emplace(s.name, s.slot);
      EXPECT_TRUE(fresh) << "persons " << first->second << " and " << s.slot << " are both " << s.name;
    }
    EXPECT_EQ(idle_rows, room->person_nr);
  }
}

// The pointer acts where it shows: every piece and person the player can act on has a point inside its picture
// where the pointer's working point finds it and nothing else the player can act on.
namespace {
// What the pointer at (x, y) finds: the one piece (or person, then `is_person`) it is over, -1 for none or several.
int found_at(int x, int y, bool& is_person) {
  mouse_x = x;
  mouse_y = y;
  int things = 0, found = -1;
  for (int j = 0; j < furni_nr; ++j)
    if (furni_interact[j] == 1 && (mouse_over_furni(j), furni_mouse_over[j] == 1)) ++things, found = j, is_person = false;
  for (int j = 0; j < person_nr; ++j)
    if (person_interact[j] == 1 && (mouse_over_person(j), person_mouse_over[j] == 1)) ++things, found = j, is_person = true;
  return things == 1 ? found : -1;
}
}  // namespace

// Not just at one point: on at least half of its picture, so that a box drawn over most of another thing's picture
// (a telescope's box over the chair beside it) or a box on a corner of its own picture is caught. Where two pieces
// share one picture, their boxes splitting it (the shower and its tank), each counts only the part not the other's.
// The bag and the verb panel are drawn over the room: a point under them is not where the thing is found.
TEST(Catalogue, EveryThingThePlayerCanActOnIsFoundWhereItsPictureShows) {
  test_support::fresh_game();
  for (const RoomScript* room : kRooms) {
    SCOPED_TRACE(room->name);
    test_support::load_room_named(room->name);
    for (bool person_wanted : {false, true}) {
      for (int i = 0; i < (person_wanted ? person_nr : furni_nr); ++i) {
        if ((person_wanted ? person_present : furni_present)[i] != 1 ||
            (person_wanted ? person_interact : furni_interact)[i] != 1)
          continue;
        const int f = person_wanted ? mov_person_nr[i] : mov_furni_nr[i];
        BITMAP* picture = (person_wanted ? person : furniture)[i][f];
        const int px = (person_wanted ? person_x : furni_x)[i][f], py = (person_wanted ? person_y : furni_y)[i][f];
        const char* what = (person_wanted ? person_name : furni_name)[i];
        ASSERT_NE(picture, nullptr) << what;
        int shown = 0, found = 0;
        for (int y = 0; y < picture->h; ++y)
          for (int x = 0; x < picture->w; ++x) {
            if (getpixel(picture, x, y) == bitmap_mask_color(picture)) continue;
            bool is_person = false;
            const int at = found_at(px + x, py + y, is_person);
            if (!person_wanted && !is_person && at >= 0 && at != i && furniture[at][mov_furni_nr[at]] == picture &&
                furni_x[at][mov_furni_nr[at]] == px && furni_y[at][mov_furni_nr[at]] == py)
              continue;  // the other piece's part of a shared picture
            ++shown;
            const bool under_panel = screen_layout::kBagArea.contains(px + x, py + y) ||
                                     screen_layout::kVerbPanelArea.contains(px + x, py + y);
            found += at == i && is_person == person_wanted && !under_panel;
          }
        EXPECT_GE(2 * found, shown) << (person_wanted ? "person " : "piece ") << i << " " << what << " is found alone at "
                                    << found << " of its " << shown << " picture points";
      }
    }
  }
}
