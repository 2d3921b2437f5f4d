// Storage of the world state declared in world.h, and the resets that follow
// from each entry's lifetime.
#include "core/world.h"

#include <cstddef>
#include <cstring>

#define PELVARO_DEFINE_WORLD_VAR(life, type, name, dims, value) type name dims;
WORLD_STATE(PELVARO_DEFINE_WORLD_VAR)
#undef PELVARO_DEFINE_WORLD_VAR

namespace {

// Gives a variable, or every element of an array, one value.
template <typename T, typename V>
void fill(T& variable, const V& value) {
  variable = value;
}
template <typename T, std::size_t N, typename V>
void fill(T (&array)[N], const V& value) {
  for (T& element : array) fill(element, value);
}

}  // namespace

void reset_world() {
#define PELVARO_RESET_WORLD_VAR(life, type, name, dims, value) \
  std::memset(static_cast<void*>(&name), 0, sizeof(name));
  WORLD_STATE(PELVARO_RESET_WORLD_VAR)
#undef PELVARO_RESET_WORLD_VAR
}

#define PELVARO_NEW_GAME_PROCESS(name, value)
#define PELVARO_NEW_GAME_GAME(name, value) fill(name, value);
#define PELVARO_NEW_GAME_SAVED(name, value) fill(name, value);
#define PELVARO_NEW_GAME_ROOM(name, value)
#define PELVARO_NEW_GAME_FURNI(name, value)
#define PELVARO_NEW_GAME_PERSON(name, value)
#define PELVARO_NEW_GAME_EXIT(name, value)
#define PELVARO_NEW_GAME_WORK(name, value)
#define PELVARO_NEW_GAME(life, type, name, dims, value) PELVARO_NEW_GAME_##life(name, value)

void set_new_game_values() {
  WORLD_STATE(PELVARO_NEW_GAME)
}

#define PELVARO_CLEAR_PROCESS(name, value)
#define PELVARO_CLEAR_GAME(name, value)
#define PELVARO_CLEAR_SAVED(name, value)
#define PELVARO_CLEAR_ROOM(name, value)
#define PELVARO_CLEAR_FURNI(name, value) \
  if (table == RoomTable::furni) fill(name[slot], value);
#define PELVARO_CLEAR_PERSON(name, value) \
  if (table == RoomTable::person) fill(name[slot], value);
#define PELVARO_CLEAR_EXIT(name, value) \
  if (table == RoomTable::exit) fill(name[slot], value);
#define PELVARO_CLEAR_WORK(name, value)
#define PELVARO_CLEAR(life, type, name, dims, value) PELVARO_CLEAR_##life(name, value)

void clear_room_slot(RoomTable table, int slot) {
  if (slot < 0 || slot >= kMaxFurni || slot >= kMaxPersons || slot >= kMaxExits) return;
  WORLD_STATE(PELVARO_CLEAR)
}
