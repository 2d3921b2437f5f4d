#include "rooms/registry.h"

#include <cstring>

#include "core/world.h"
#include "persistence/room_state.h"

extern const RoomScript room_physik;
extern const RoomScript room_kicker;
extern const RoomScript room_biolog;
extern const RoomScript room_physiktp;
extern const RoomScript room_cafeteria;
extern const RoomScript room_chimie;
extern const RoomScript room_class;
extern const RoomScript room_future_preau;
extern const RoomScript room_future_floor;
extern const RoomScript room_chimietp;
extern const RoomScript room_biblio;
extern const RoomScript room_cantina;
extern const RoomScript room_toilette;
extern const RoomScript room_entree;
extern const RoomScript room_aula;
extern const RoomScript room_hof;
extern const RoomScript room_crossing;
extern const RoomScript room_floor2;
extern const RoomScript room_floor3;
extern const RoomScript room_preau2;
extern const RoomScript room_aqua;
extern const RoomScript room_portier;
extern const RoomScript room_floor9;
extern const RoomScript room_floor8;
extern const RoomScript room_floor4;
extern const RoomScript room_floor6;
extern const RoomScript room_floor5;
extern const RoomScript room_floor10;
extern const RoomScript room_floor7;
extern const RoomScript room_floor11;
extern const RoomScript room_floor12;
extern const RoomScript room_floor13;
extern const RoomScript room_floor14;
extern const RoomScript room_floor15;
extern const RoomScript room_future_floor1;
extern const RoomScript room_future_physik;
extern const RoomScript room_future_crossing;
extern const RoomScript room_future_biolog;
extern const RoomScript room_future_physiktp;
extern const RoomScript room_future_chimie;
extern const RoomScript room_future_floor2;
extern const RoomScript room_future_floor15;
extern const RoomScript room_future_chimietp;

const RoomScript* const kRooms[kRoomCount] = {
    &room_physik,
    &room_kicker,
    &room_biolog,
    &room_physiktp,
    &room_cafeteria,
    &room_chimie,
    &room_class,
    &room_future_preau,
    &room_future_floor,
    &room_chimietp,
    &room_biblio,
    &room_cantina,
    &room_toilette,
    &room_entree,
    &room_aula,
    &room_hof,
    &room_crossing,
    &room_floor2,
    &room_floor3,
    &room_preau2,
    &room_aqua,
    &room_portier,
    &room_floor9,
    &room_floor8,
    &room_floor4,
    &room_floor6,
    &room_floor5,
    &room_floor10,
    &room_floor7,
    &room_floor11,
    &room_floor12,
    &room_floor13,
    &room_floor14,
    &room_floor15,
    &room_future_floor1,
    &room_future_physik,
    &room_future_crossing,
    &room_future_biolog,
    &room_future_physiktp,
    &room_future_chimie,
    &room_future_floor2,
    &room_future_floor15,
    &room_future_chimietp,
};

int room_index(const char* name) {
  if (!name) return -1;
  for (int i = 0; i < kRoomCount; ++i)
    if (std::strcmp(name, kRooms[i]->name) == 0) return i;
  return -1;
}

const RoomScript* current_room() {
  const int r = room_index(room_name);
  return r < 0 ? nullptr : kRooms[r];
}

namespace {

template <typename Row>
const char* label_of(std::span<const Row> rows, int slot, const char* name) {
  for (const Row& r : rows)
    if (r.slot == slot && name && r.name && std::strcmp(r.name, name) == 0 && r.label) return r.label;
  return nullptr;
}

}  // namespace

const char* piece_label(int i) {
  const RoomScript* room = current_room();
  if (!room || i < 0 || i >= kMaxFurni) return nullptr;
  return label_of(room->furniture, i, furni_name[i]);
}

const char* person_label(int j) {
  const RoomScript* room = current_room();
  if (!room || j < 0 || j >= kMaxPersons) return nullptr;
  return label_of(room->persons, j, person_name[j]);
}

const char* exit_label(int k) {
  if (k < 0 || k >= kMaxExits) return nullptr;
  const int r = room_index(new_room[k]);
  return r >= 0 ? kRooms[r]->title : nullptr;
}

void set_temp_file() {
  if (const RoomScript* room = current_room()) temp_file = room->state_file;
}

void save_temp_files(int room) {
  if (room >= 0 && room < kRoomCount) temp_file = kRooms[room]->state_file;
}

void select_init_temp() {
  load_loop = 0;
  for (int r = 0; r < kRoomCount; ++r) {
    room_name = kRooms[r]->name;
    init_temp();
  }
}
