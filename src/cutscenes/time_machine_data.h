// "timemach.dat", the pictures of the time machine's scene, in their stored
// order. The game and tools/mkassets both read this list.
//
// The machine stands right of the reactor in future_physiktp: a round pedestal
// with three steps at its front, centred at x 482, its top at y 296, out of
// which a glass tube rises around whoever stands on it. The hero's pictures
// carry the pedestal (and later the closed tube) at its place in the room, so
// it stays put while he climbs.
#pragma once

#include "core/data_manifest.h"

namespace manifest {

#define PELVARO_TIMEMACH_DAT(X)        \
  X(caption, "CAPTION", 1)             \
  X(climb, "CLIMB", 15)                \
  X(capsule, "CAPSULE", 4)             \
  X(spare, "SPARE", 51)                \
  X(in_machine, "IN_MACHINE", 1)       \
  X(hero_talk, "HERO_TALK", 30)        \
  X(years, "YEARS", 1)                 \
  X(teacher_talk, "TEACHER_TALK", 19)  \
  X(tube, "TUBE", 38)                  \
  X(remote, "REMOTE", 15)              \
  X(start, "START", 15)
PELVARO_DATAFILE(Timemach, "timemach.dat", PELVARO_TIMEMACH_DAT)
#undef PELVARO_TIMEMACH_DAT

// Where the pictures are drawn: the hero's frames while he talks (the climb
// starts 4 pixels higher and rises 4 a frame; standing in the open machine
// he is 5 further right), the closed machine with him in it, and Mr Zirud:
// on the floor in front of the levers, beside the machine (his feet at
// (411, 345), beside the tube that rises from x 442), not at his place in the room,
// which the machine's pedestal takes. The rising tube's pictures show him
// watching beside it: they start at his left edge.
inline constexpr int kTmHeroX = 420, kTmHeroY = 200;
inline constexpr int kTmClimbY0 = 196, kTmClimbStep = 4;
inline constexpr int kTmInMachineX = 425, kTmInMachineY = 140;
inline constexpr int kTmCapsuleX = 420, kTmCapsuleY = 120;
inline constexpr int kTmTeacherX = 363, kTmTeacherY = 167;
inline constexpr int kTmTubeX = kTmTeacherX, kTmTubeY = 125;
// Where the energy gathers: in the tube, above the hero's head, on the
// machine's axis (x 482). The beams come from the telescope's lens at the
// right (the telescope hangs at (545, 150) in the room).
inline constexpr int kTmGlowX = 482, kTmGlowY = 132;
inline constexpr int kTmLensX = 626, kTmLensY = 172;

}  // namespace manifest
