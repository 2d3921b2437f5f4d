// The wall responses: what a room's walk hook does with a step (x, y and its
// direction code hero_action[mov_nr]) that would cross one of its walls.
// Codes: 1 up, 2 down, 3 left, 4 right, 5 up-left, 6 up-right, 7 down-left,
// 8 down-right; a code not named leaves the step as it is.
#include "hero/hero.h"
#include "shell/world.h"

namespace {

int& code() {
  return hero_action[mov_nr < 0 ? 0 : (mov_nr >= kPathSteps ? kPathSteps - 1 : mov_nr)];
}

bool is(int a, int b) {
  return code() == a || code() == b;
}

}  // namespace

// A horizontal wall below: diagonal steps down lose their downward part.
void walk_a1() {
  if (is(7, 8)) y -= 4;
}

// A horizontal wall above.
void walk_a2() {
  if (is(5, 6)) y += 4;
}

// A vertical wall to the left.
void walk_b1() {
  if (is(5, 7)) x += 8;
}

// A vertical wall to the right.
void walk_b2() {
  if (is(6, 8)) x -= 8;
}

void walk_c1() {
  switch (code()) {
    case 2: code() = 7; x -= 8; y -= 4; break;
    case 7: y -= 4; break;
    case 8: y -= 8; break;
    case 4: y -= 4; break;
  }
}

void walk_c2() {
  switch (code()) {
    case 1: code() = 6; x += 8; y += 4; break;
    case 6: y += 4; break;
    case 5: y += 8; break;
    case 3: y += 4; break;
  }
}

void walk_d1() {
  switch (code()) {
    case 4: code() = 6; x -= 8; y -= 4; break;
    case 6: x -= 8; break;
    case 8: x -= 16; break;
    case 2: x -= 8; break;
  }
}

void walk_d2() {
  switch (code()) {
    case 3: code() = 7; x += 8; y += 4; break;
    case 7: x += 8; break;
    case 5: x += 16; break;
    case 1: x += 8; break;
  }
}

void walk_e1() {
  switch (code()) {
    case 2: code() = 8; x += 8; y -= 4; break;
    case 8: y -= 4; break;
    case 7: y -= 8; break;
    case 3: y -= 4; break;
  }
}

void walk_e2() {
  switch (code()) {
    case 1: code() = 5; x -= 8; y += 4; break;
    case 5: y += 4; break;
    case 6: y += 8; break;
    case 4: y += 4; break;
  }
}

void walk_f1() {
  switch (code()) {
    case 3: code() = 5; x += 8; y -= 4; break;
    case 5: x += 8; break;
    case 7: x += 16; break;
    case 2: x += 8; break;
  }
}

void walk_f2() {
  switch (code()) {
    case 4: code() = 8; x -= 8; y += 4; break;
    case 8: x -= 8; break;
    case 6: x -= 16; break;
    case 1: x -= 8; break;
  }
}
