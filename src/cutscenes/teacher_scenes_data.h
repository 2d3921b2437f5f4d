// The datafiles of the scenes in which the teachers hand things over and
// take them, each file's entries in their stored order, and where the
// teachers stand: included by the scenes (teacher_scenes.cpp) and by the data
// generator (tools/mkassets/teacher_scenes_art.cpp), so both agree.
//
// A teacher's frames are his picture of the room (same size, same look),
// widened by kReach pixels on the side he reaches to, so that his hand and
// what it holds fit in. A frame drawn at (x - kReach, y) for a teacher who
// reaches to the left, or at (x, y) for one who reaches to the right, shows
// him where the room draws him at (x, y).
#pragma once

#include <span>

#include "core/data_manifest.h"
#include "rooms/registry.h"

namespace manifest {

// "frizzacc.dat": Mr Zirud walking (four steps of a cycle), holding the
// access card out to his right, the arm rising in three steps, and the same
// three with the hand empty.
#define PELVARO_FRIZZACC_DAT(X)      \
  X(walk, "ZIRUD_WALK", 4) \
  X(card, "ZIRUD_CARD", 3) \
  X(hand, "ZIRUD_HAND", 3)
PELVARO_DATAFILE(Frizzacc, "frizzacc.dat", PELVARO_FRIZZACC_DAT)

// "frizzdia.dat": Mr Zirud walking, his right arm rising in four steps from
// low to level with the hand empty, the same four holding the diamond, and
// walking with the diamond in his hand.
#define PELVARO_FRIZZDIA_DAT(X)      \
  X(walk, "ZIRUD_WALK", 4)           \
  X(hand, "ZIRUD_HAND", 4)           \
  X(diamond, "ZIRUD_DIAMOND", 4)     \
  X(carry, "ZIRUD_CARRY", 4)
PELVARO_DATAFILE(Frizzdia, "frizzdia.dat", PELVARO_FRIZZDIA_DAT)

// "adytele.dat": the full-screen background of the captions, Dori walking,
// Dori lifting the telescope from where it stands (four steps), and Dori
// staggering along with it (four steps of a cycle).
#define PELVARO_ADYTELE_DAT(X)     \
  X(caption, "CAPTION", 1)    \
  X(walk, "DORI_WALK", 4) \
  X(lift, "DORI_LIFT", 4) \
  X(carry, "DORI_CARRY", 4)
PELVARO_DATAFILE(Adytele, "adytele.dat", PELVARO_ADYTELE_DAT)

// "gergetpb.dat": Mr Rurura walking, his right hand held out in three steps,
// the same three holding the lead pipe, and walking off with it.
#define PELVARO_GERGETPB_DAT(X)          \
  X(walk, "RURURA_WALK", 4)  \
  X(hand, "RURURA_HAND", 3)  \
  X(pipe, "RURURA_PIPE", 3)  \
  X(off, "RURURA_OFF", 4)
PELVARO_DATAFILE(Gergetpb, "gergetpb.dat", PELVARO_GERGETPB_DAT)

// "gergivpb.dat": Mr Rurura walking, holding the flask of lead solution out
// to his right in three steps, and the same three with the hand empty.
#define PELVARO_GERGIVPB_DAT(X)           \
  X(walk, "RURURA_WALK", 4)   \
  X(flask, "RURURA_FLASK", 3) \
  X(hand, "RURURA_HAND", 3)
PELVARO_DATAFILE(Gergivpb, "gergivpb.dat", PELVARO_GERGIVPB_DAT)

// "schbrell.dat": Mr Rarozir walking, holding the protective glasses out to
// his left in three steps, and the same three with the hand empty.
#define PELVARO_SCHBRELL_DAT(X)        \
  X(walk, "RAROZIR_WALK", 4)           \
  X(glasses, "RAROZIR_GLASSES", 3)     \
  X(hand, "RAROZIR_HAND", 3)
PELVARO_DATAFILE(Schbrell, "schbrell.dat", PELVARO_SCHBRELL_DAT)

}  // namespace manifest

namespace teacher_scenes {

// How far a teacher's frames reach beyond his picture of the room.
inline constexpr int kReach = 40;
// Dori's frames reach below his picture of the room, so that the feet of the
// telescope he lifts fit in.
inline constexpr int kDoriBelow = 24;

// A person or piece of a room, by the room and its slot: the teachers of the
// scenes and the things they handle. Its picture is that of the slot's first
// row in the room's tables.
struct Slot {
  const char* room;
  int slot;
  bool person;
};
inline constexpr Slot kZirud{"future_physiktp", 0, true};
inline constexpr Slot kDori{"future_physik", 0, true};
inline constexpr Slot kTelescope{"future_physik", 2, false};
inline constexpr Slot kRurura{"future_chimie", 0, true};
inline constexpr Slot kRarozir{"future_crossing", 0, true};

// Where the room draws it: the top-left corner of its first frame; (0, 0)
// when the room has no such slot.
struct Spot {
  int x = 0, y = 0;
};
template <class Row>
Spot first_frame(std::span<const Row> rows, int slot) {
  for (const Row& row : rows)
    if (row.slot == slot && !row.frames.empty()) return {row.frames[0].x, row.frames[0].y};
  return {};
}
inline Spot spot_of(const Slot& s) {
  const int r = room_index(s.room);
  if (r < 0) return {};
  return s.person ? first_frame(kRooms[r]->persons, s.slot) : first_frame(kRooms[r]->furniture, s.slot);
}

}  // namespace teacher_scenes
