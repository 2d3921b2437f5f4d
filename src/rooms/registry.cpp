#include "rooms/registry.h"

#include <cstring>

#include "persistence/room_state.h"
#include "shell/world.h"

const RoomRecord kRooms[kRoomCount] = {
    {"physik", "physik.dat", "sav/tmp/physik.sav"},
    {"kicker", "kicker.dat", "sav/tmp/kicker.sav"},
    {"biolog", "biolog.dat", "sav/tmp/biolog.sav"},
    {"physiktp", "physiktp.dat", "sav/tmp/physiktp.sav"},
    {"cafeteria", "cafet.dat", "sav/tmp/cafet.sav"},
    {"chimie", "chimie.dat", "sav/tmp/chimie.sav"},
    {"class", "class.dat", "sav/tmp/class.sav"},
    {"future_preau", "fpreau.dat", "sav/tmp/fpreau.sav"},
    {"future_floor", "ffloor.dat", "sav/tmp/ffloor.sav"},
    {"chimietp", "chimietp.dat", "sav/tmp/chimietp.sav"},
    {"biblio", "biblio.dat", "sav/tmp/biblio.sav"},
    {"cantina", "cantina.dat", "sav/tmp/cantina.sav"},
    {"toilette", "toilette.dat", "sav/tmp/toilette.sav"},
    {"entree", "entree.dat", "sav/tmp/entree.sav"},
    {"aula", "aula.dat", "sav/tmp/aula.sav"},
    {"hof", "hof.dat", "sav/tmp/hof.sav"},
    {"crossing", "crossing.dat", "sav/tmp/crossing.sav"},
    {"floor2", "floor2.dat", "sav/tmp/floor2.sav"},
    {"floor3", "floor3.dat", "sav/tmp/floor3.sav"},
    {"preau2", "preau2.dat", "sav/tmp/preau2.sav"},
    {"aqua", "aqua.dat", "sav/tmp/aqua.sav"},
    {"portier", "portier.dat", "sav/tmp/portier.sav"},
    {"floor9", "floor9.dat", "sav/tmp/floor9.sav"},
    {"floor8", "floor8.dat", "sav/tmp/floor8.sav"},
    {"floor4", "floor4.dat", "sav/tmp/floor4.sav"},
    {"floor6", "floor6.dat", "sav/tmp/floor6.sav"},
    {"floor5", "floor5.dat", "sav/tmp/floor5.sav"},
    {"floor10", "floor10.dat", "sav/tmp/floor10.sav"},
    {"floor7", "floor7.dat", "sav/tmp/floor7.sav"},
    {"floor11", "floor11.dat", "sav/tmp/floor11.sav"},
    {"floor12", "floor12.dat", "sav/tmp/floor12.sav"},
    {"floor13", "floor13.dat", "sav/tmp/floor13.sav"},
    {"floor14", "floor14.dat", "sav/tmp/floor14.sav"},
    {"floor15", "floor15.dat", "sav/tmp/floor15.sav"},
    {"future_floor1", "ffloor1.dat", "sav/tmp/ffloor1.sav"},
    {"future_physik", "fphysik.dat", "sav/tmp/fphysik.sav"},
    {"future_crossing", "fcross.dat", "sav/tmp/fcross.sav"},
    {"future_biolog", "fbiolog.dat", "sav/tmp/fbiolog.sav"},
    {"future_physiktp", "fphystp.dat", "sav/tmp/fphystp.sav"},
    {"future_chimie", "fchimie.dat", "sav/tmp/fchimie.sav"},
    {"future_floor2", "ffloor2.dat", "sav/tmp/ffloor2.sav"},
    {"future_floor15", "ffloor15.dat", "sav/tmp/ffloor15.sav"},
    {"future_chimietp", "fchimtp.dat", "sav/tmp/fchimtp.sav"},
};

int room_index(const char* name) {
  if (!name) return -1;
  for (int i = 0; i < kRoomCount; ++i)
    if (std::strcmp(name, kRooms[i].name) == 0) return i;
  return -1;
}

void set_temp_file() {
  const int r = room_index(room_name);
  if (r >= 0) temp_file = kRooms[r].state_file;
}

void save_temp_files() {
  if (counter7 >= 0 && counter7 < kRoomCount) temp_file = kRooms[counter7].state_file;
}

void select_init_temp() {
  load_loop = 0;
  for (int r = 0; r < kRoomCount; ++r) {
    room_name = kRooms[r].name;
    init_temp();
  }
}
