// The room catalogue: the 43 rooms of the registry in their order with their files, each room's record as loading
// it sets it (background, perspective, counts, highest picture used), and every exit slot as the room sets it.
#include <gtest/gtest.h>
#include <cstring>
#include "core/datafiles.h"
#include "core/world.h"
#include "rooms/registry.h"
#include "rooms/rooms.h"
#include "support/test_support.h"

namespace {
// An exit: target, open at the start, hot rectangle, walk point, arrival.
struct ExitRow { const char* target; int open, x, y, x2, y2, goto_x, goto_y, arrive_x, arrive_y; };
// A room: name, datafile (its state file is named after it), background object, highest object used,
// perspective, furniture, persons, and its exit slots in order.
struct RoomRow {
  const char *name, *data_file;
  int background, highest_object;
  float min_hero_length, increase_rate;
  int furni_nr, person_nr;
  std::vector<ExitRow> exits;
};

const RoomRow kRoomRows[] = {
    {"physik", "physik.dat", 20, 31, 0.35f, 500.0f, 3, 1, {{"cafeteria", 1, 485, 105, 555, 265, 520, 290, 590, 235},
        {"biblio", 0, 600, 105, 640, 310, 580, 300, 580, 310}}},
    {"kicker", "kicker.dat", 2, 2, 0.5f, 500.0f, 2, 0, {{"cafeteria", 1, 0, 450, 640, 480, 320, 465, 80, 250}}},
    {"biolog", "biolog.dat", 0, 33, 0.3f, 500.0f, 3, 1, {{"future_floor", 1, 600, 100, 640, 350, 625, 340, 405, 340}}},
    {"physiktp", "physiktp.dat", 0, 0, 0.2f, 500.0f, 0, 0, {{"future_floor", 1, 595, 200, 640, 365, 565, 360, 265, 265},
        {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300},
        {"future_floor1", 1, 460, 220, 500, 325, 475, 350, 355, 180}}},
    {"cafeteria", "cafet.dat", 0, 2, 0.35f, 500.0f, 2, 0, {{"kicker", 1, 0, 80, 55, 260, 70, 250, 290, 450},
        {"hof", 1, 500, 400, 640, 480, 550, 455, 100, 310}, {"physik", 1, 590, 80, 640, 240, 590, 235, 520, 290}}},
    {"chimie", "chimie.dat", 16, 16, 0.35f, 500.0f, 1, 0, {{"crossing", 1, 430, 110, 490, 255, 470, 275, 520, 400}}},
    {"class", "class.dat", 0, 50, 0.25f, 500.0f, 3, 1, {{"floor3", 1, 600, 100, 640, 330, 625, 315, 250, 350}}},
    {"future_preau", "fpreau.dat", 2, 2, -0.7f, 200.0f, 2, 0, {{"hof", 1, 0, 390, 250, 480, 110, 385, 335, 280},
        {"preau2", 1, 600, 0, 640, 415, 630, 340, 400, 450}, {"entree", 1, 130, 170, 225, 260, 170, 280, 465, 295},
        {"floor8", 1, 0, 90, 40, 300, 40, 320, 490, 380}}},
    {"future_floor", "ffloor.dat", 0, 0, -0.45f, 250.0f, 0, 0, {
        {"future_physik", 0, 75, 180, 155, 390, 185, 390, 555, 300},
        {"physiktp", 1, 210, 155, 250, 260, 270, 260, 560, 365},
        {"crossing", 0, 290, 145, 350, 200, 320, 225, 100, 400}, {"biolog", 0, 455, 160, 495, 345, 415, 340, 625, 340},
        {"floor15", 1, 150, 440, 450, 480, 320, 450, 240, 295},
        {"bio_bureau", 0, 380, 150, 400, 240, 350, 230, 350, 230}}},
    {"chimietp", "chimietp.dat", 0, 1, 0.05f, 300.0f, 1, 0, {{"crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330}}},
    {"biblio", "biblio.dat", 0, 1, 0.35f, 500.0f, 1, 0, {{"floor6", 1, 605, 120, 640, 305, 580, 310, 440, 320}}},
    {"cantina", "cantina.dat", 0, 2, 0.05f, 300.0f, 2, 0, {{"preau2", 1, 0, 60, 60, 210, 70, 220, 340, 350}}},
    {"toilette", "toilette.dat", 0, 0, -1.0f, 200.0f, 0, 0, {{"entree", 1, 270, 205, 310, 305, 335, 305, 315, 360}}},
    {"entree", "entree.dat", 0, 1, -0.4f, 300.0f, 1, 0, {{"future_preau", 1, 505, 190, 530, 290, 465, 295, 170, 280},
        {"toilette", 1, 285, 300, 365, 345, 315, 360, 335, 305}, {"floor9", 1, 0, 400, 100, 480, 70, 430, 320, 450},
        {"portier", 1, 170, 185, 200, 290, 225, 295, 600, 355}, {"floor8", 1, 550, 190, 590, 325, 500, 330, 320, 290},
        {"floor10", 1, 360, 135, 430, 225, 350, 275, 285, 265}}},
    {"aula", "aula.dat", 0, 1, -0.4f, 500.0f, 1, 0, {{"floor9", 1, 420, 450, 530, 480, 470, 440, 375, 300}}},
    {"hof", "hof.dat", 0, 2, -0.4f, 500.0f, 2, 0, {{"future_preau", 1, 340, 230, 365, 275, 335, 280, 120, 375},
        {"cafeteria", 1, 65, 255, 115, 300, 100, 310, 550, 450}}},
    {"crossing", "crossing.dat", 0, 0, -0.6f, 250.0f, 0, 0, {{"future_floor", 1, 10, 210, 80, 405, 100, 400, 320, 225},
        {"chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
        {"chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275}}},
    {"floor2", "floor2.dat", 0, 0, -0.35f, 250.0f, 0, 0, {{"floor15", 1, 0, 0, 30, 480, 30, 425, 515, 425},
        {"floor13", 1, 425, 150, 475, 325, 390, 320, 450, 420},
        {"bio_amphi", 0, 280, 150, 370, 290, 330, 320, 330, 320},
        {"floor13", 1, 530, 140, 640, 450, 500, 425, 400, 340}}},
    {"floor3", "floor3.dat", 0, 1, -0.55f, 250.0f, 1, 0, {{"floor14", 1, 250, 420, 500, 480, 340, 440, 250, 420},
        {"preau2", 1, 550, 320, 640, 480, 540, 380, 540, 360}, {"class", 1, 175, 175, 275, 325, 250, 350, 625, 315},
        {"floor11", 1, 0, 100, 50, 480, 50, 430, 320, 440}}},
    {"preau2", "preau2.dat", 1, 1, -0.55f, 250.0f, 1, 0, {{"floor3", 1, 425, 125, 575, 325, 540, 360, 540, 380},
        {"future_preau", 1, 150, 450, 640, 480, 400, 450, 620, 340},
        {"cantina", 1, 250, 250, 400, 325, 340, 350, 70, 220}, {"aqua", 1, 125, 165, 225, 280, 175, 320, 510, 430}}},
    {"aqua", "aqua.dat", 0, 0, -0.35f, 250.0f, 0, 0, {{"preau2", 1, 525, 375, 640, 480, 510, 430, 175, 320}}},
    {"portier", "portier.dat", 0, 0, 0.05f, 300.0f, 0, 0, {{"entree", 1, 580, 110, 640, 325, 600, 355, 225, 295}}},
    {"floor9", "floor9.dat", 0, 0, -0.65f, 250.0f, 0, 0, {{"aula", 0, 155, 205, 230, 280, 195, 300, 470, 440},
        {"aula", 0, 230, 205, 300, 300, 265, 300, 470, 440}, {"aula", 1, 340, 205, 410, 300, 375, 300, 470, 440},
        {"aula", 0, 410, 205, 480, 300, 445, 300, 470, 440}, {"entree", 1, 0, 450, 640, 480, 320, 450, 70, 430}}},
    {"floor8", "floor8.dat", 0, 0, -0.45f, 250.0f, 0, 0, {{"entree", 1, 260, 165, 380, 270, 320, 290, 500, 330},
        {"future_preau", 1, 500, 165, 640, 380, 490, 380, 40, 320},
        {"floor7", 1, 100, 155, 160, 345, 200, 345, 475, 340}}},
    {"floor4", "floor4.dat", 4, 4, -0.2f, 300.0f, 4, 0, {{"floor14", 1, 580, 115, 640, 275, 560, 280, 400, 340},
        {"floor14", 1, 500, 125, 550, 250, 460, 240, 450, 420}, {"floor6", 1, 110, 100, 160, 235, 165, 230, 310, 250},
        {"geo", 0, 280, 120, 340, 205, 310, 225, 310, 250}}},
    {"floor6", "floor6.dat", 1, 1, -0.55f, 250.0f, 1, 0, {{"floor4", 1, 275, 160, 350, 240, 310, 250, 165, 230},
        {"biblio", 1, 450, 165, 540, 300, 440, 320, 580, 310}, {"copy", 0, 235, 170, 255, 250, 280, 255, 580, 310},
        {"floor10", 1, 200, 440, 500, 480, 320, 450, 320, 260}}},
    {"floor5", "floor5.dat", 0, 1, -0.55f, 250.0f, 1, 0, {{"floor13", 1, 250, 420, 500, 480, 340, 440, 250, 420},
        {"floor14", 1, 550, 320, 640, 480, 540, 380, 275, 335}, {"class", 0, 175, 175, 275, 325, 250, 350, 625, 315},
        {"floor12", 1, 0, 100, 50, 480, 50, 430, 320, 440}}},
    {"floor10", "floor10.dat", 0, 0, -1.0f, 200.0f, 0, 0, {{"floor6", 1, 295, 200, 350, 240, 320, 260, 320, 450},
        {"floor7", 1, 400, 175, 460, 300, 380, 310, 320, 450}, {"dossel", 0, 375, 200, 390, 275, 360, 275, 320, 450},
        {"info", 0, 180, 190, 220, 325, 250, 325, 320, 450}, {"protoi", 0, 480, 190, 575, 400, 450, 410, 320, 450},
        {"entree", 1, 250, 190, 275, 270, 290, 265, 350, 275}}},
    {"floor7", "floor7.dat", 0, 0, -0.65f, 225.0f, 0, 0, {{"floor10", 1, 60, 440, 550, 480, 320, 450, 380, 310},
        {"floor8", 1, 525, 140, 580, 340, 475, 340, 200, 345}, {"nordfl", 0, 240, 165, 315, 240, 275, 260, 200, 345},
        {"nordfl", 0, 325, 165, 395, 240, 365, 260, 200, 345}, {"kammer", 0, 435, 155, 455, 270, 405, 265, 200, 345}}},
    {"floor11", "floor11.dat", 0, 0, -0.85f, 210.0f, 0, 0, {{"floor3", 1, 110, 440, 600, 480, 320, 440, 50, 430}}},
    {"floor12", "floor12.dat", 0, 0, -0.85f, 210.0f, 0, 0, {{"floor5", 1, 110, 440, 600, 480, 320, 440, 50, 430}}},
    {"floor13", "floor13.dat", 0, 2, -0.8f, 200.0f, 2, 0, {{"floor2", 1, 430, 165, 465, 370, 400, 340, 500, 425},
        {"floor2", 1, 475, 160, 575, 400, 450, 420, 390, 320}, {"floor5", 1, 0, 300, 175, 480, 250, 420, 340, 440}}},
    {"floor14", "floor14.dat", 0, 2, -0.8f, 200.0f, 2, 0, {{"floor4", 1, 430, 165, 465, 370, 400, 340, 560, 280},
        {"floor4", 1, 475, 160, 575, 400, 450, 420, 460, 240}, {"floor3", 1, 0, 375, 175, 480, 250, 420, 340, 440},
        {"floor5", 1, 0, 125, 175, 325, 275, 335, 540, 380}}},
    {"floor15", "floor15.dat", 0, 0, -0.9f, 200.0f, 0, 0, {{"future_floor", 1, 175, 175, 215, 300, 240, 295, 320, 450},
        {"floor2", 1, 560, 135, 640, 480, 515, 425, 30, 425}}},
    {"future_floor1", "ffloor1.dat", 1, 2, -0.575f, 200.0f, 2, 1, {{"bio3", 0, 380, 115, 400, 185, 350, 180, 475, 350},
        {"future_crossing", 0, 295, 115, 345, 155, 325, 165, 100, 400},
        {"bio2", 0, 440, 110, 480, 260, 400, 260, 475, 350},
        {"future_physiktp", 1, 240, 110, 260, 185, 280, 185, 565, 360},
        {"future_physik", 0, 160, 110, 200, 260, 230, 260, 580, 300},
        {"future_floor15", 1, 0, 400, 640, 480, 320, 400, 210, 295}}},
    {"future_physik", "fphysik.dat", 50, 62, 0.325f, 500.0f, 4, 1, {
        {"future_physiktp", 1, 485, 105, 555, 265, 540, 300, 580, 400},
        {"future_floor1", 1, 600, 105, 640, 310, 580, 300, 230, 260}}},
    {"future_crossing", "fcross.dat", 0, 41, -0.6f, 250.0f, 3, 1, {
        {"future_floor1", 1, 10, 210, 120, 405, 100, 400, 325, 170},
        {"future_chimietp", 1, 290, 200, 350, 310, 320, 330, 570, 250},
        {"future_chimie", 1, 565, 210, 620, 405, 520, 400, 470, 275}}},
    {"future_biolog", "fbiolog.dat", 3, 56, 0.275f, 500.0f, 5, 2, {
        {"future_floor15", 1, 600, 100, 640, 350, 625, 340, 265, 295}}},
    {"future_physiktp", "fphystp.dat", 31, 66, 0.2f, 500.0f, 7, 2, {
        {"future_floor1", 1, 580, 170, 640, 365, 565, 360, 280, 185},
        {"future_physik", 0, 500, 420, 640, 480, 580, 400, 520, 300}}},
    {"future_chimie", "fchimie.dat", 4, 135, 0.12f, 400.0f, 9, 2, {
        {"future_crossing", 1, 430, 110, 490, 255, 470, 275, 520, 400}}},
    {"future_floor2", "ffloor2.dat", 0, 36, -0.35f, 250.0f, 1, 1, {
        {"future_floor15", 1, 0, 0, 30, 480, 30, 425, 515, 415}, {"floor13", 0, 425, 150, 475, 325, 390, 320, 450, 420},
        {"bio_amphi", 0, 280, 150, 360, 290, 330, 320, 330, 320},
        {"floor13", 0, 530, 140, 640, 450, 500, 425, 400, 340}}},
    {"future_floor15", "ffloor15.dat", 0, 7, -1.0f, 200.0f, 10, 0, {
        {"future_floor1", 1, 175, 175, 215, 300, 210, 295, 320, 400},
        {"future_floor2", 1, 560, 135, 640, 480, 515, 425, 30, 425},
        {"future_biolog", 0, 240, 200, 295, 275, 265, 295, 625, 340}}},
    {"future_chimietp", "fchimtp.dat", 4, 7, -0.2f, 250.0f, 10, 0, {
        {"future_crossing", 1, 535, 70, 610, 220, 570, 250, 320, 330}}},
};
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

TEST(Catalogue, TheRegistryHoldsTheRoomsInTheirOrderAndLoadingEachSetsItsRecordAndEveryExitSlot) {
  ASSERT_EQ(kRoomCount, 43);
  EXPECT_EQ(room_index("bio3"), -1);
  test_support::fresh_game();
  for (int i = 0; i < 43; ++i) {
    const RoomRow& room = kRoomRows[i];
    SCOPED_TRACE(room.name);
    EXPECT_STREQ(kRooms[i]->name, room.name);
    EXPECT_STREQ(kRooms[i]->data_file, room.data_file);
    EXPECT_EQ(kRooms[i]->state_file, "sav/tmp/" + std::string(room.data_file, std::strlen(room.data_file) - 4) + ".sav");
    EXPECT_EQ(room_index(std::string(room.name).c_str()), i) << "compared by contents, never by address";
    test_support::load_room_named(room.name);
    ASSERT_NE(room_dat, nullptr);
    EXPECT_EQ(room_graph, room_dat[room.background].dat);
    EXPECT_GE(datafile_entry_count(room_dat), room.highest_object + 1);
    EXPECT_FLOAT_EQ(min_hero_length, room.min_hero_length);
    EXPECT_FLOAT_EQ(increase_rate, room.increase_rate);
    EXPECT_EQ((std::vector<int>{kRooms[i]->highest_object, furni_nr, person_nr, exit_nr}),
              (std::vector<int>{room.highest_object, room.furni_nr, room.person_nr, int(room.exits.size())}));
    for (size_t k = 0; k < room.exits.size(); ++k) {
      const ExitRow& e = room.exits[k];
      SCOPED_TRACE(k);
      EXPECT_STREQ(new_room[k], e.target);
      EXPECT_EQ(go_through[k], e.open);
      EXPECT_EQ((std::vector<int>{exit_x[k], exit_y[k], exit_x2[k], exit_y2[k], goto_exit_x[k], goto_exit_y[k],
                                  new_hero_x[k], new_hero_y[k]}),
                (std::vector<int>{e.x, e.y, e.x2, e.y2, e.goto_x, e.goto_y, e.arrive_x, e.arrive_y}));
    }
  }
  // The one slot only the story uses: future_chimietp's way to future_physiktp, arriving at (565, 360).
  test_support::load_room_named("future_chimietp");
  EXPECT_STREQ(new_room[1], "future_physiktp");
  EXPECT_EQ((std::vector<int>{exit_nr, new_hero_x[1], new_hero_y[1]}), (std::vector<int>{1, 565, 360}));
}
