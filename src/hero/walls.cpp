// The wall responses: what a room's walk hook does with a step (the point
// (x, y) it passes and the direction code hero_action[mov_nr]) that would
// cross one of its walls. A code not named leaves the step as it is.
#include "core/world.h"
#include "hero/hero.h"

namespace {

int& code() {
  return hero_action[mov_nr < 0 ? 0 : (mov_nr >= kPathSteps ? kPathSteps - 1 : mov_nr)];
}

bool is(int a, int b) {
  return code() == a || code() == b;
}

}  // namespace

// A horizontal wall below: diagonal steps down lose their downward part.
void walk_a1(int& x, int& y) {
  if (is(kStepDownLeft, kStepDownRight)) y -= 4;
}

// A horizontal wall above.
void walk_a2(int& x, int& y) {
  if (is(kStepUpLeft, kStepUpRight)) y += 4;
}

// A vertical wall to the left.
void walk_b1(int& x, int& y) {
  if (is(kStepUpLeft, kStepDownLeft)) x += 8;
}

// A vertical wall to the right.
void walk_b2(int& x, int& y) {
  if (is(kStepUpRight, kStepDownRight)) x -= 8;
}

void walk_c1(int& x, int& y) {
  switch (code()) {
    case kStepDown: code() = kStepDownLeft; x -= 8; y -= 4; break;
    case kStepDownLeft: y -= 4; break;
    case kStepDownRight: y -= 8; break;
    case kStepRight: y -= 4; break;
  }
}

void walk_c2(int& x, int& y) {
  switch (code()) {
    case kStepUp: code() = kStepUpRight; x += 8; y += 4; break;
    case kStepUpRight: y += 4; break;
    case kStepUpLeft: y += 8; break;
    case kStepLeft: y += 4; break;
  }
}

void walk_d1(int& x, int& y) {
  switch (code()) {
    case kStepRight: code() = kStepUpRight; x -= 8; y -= 4; break;
    case kStepUpRight: x -= 8; break;
    case kStepDownRight: x -= 16; break;
    case kStepDown: x -= 8; break;
  }
}

void walk_d2(int& x, int& y) {
  switch (code()) {
    case kStepLeft: code() = kStepDownLeft; x += 8; y += 4; break;
    case kStepDownLeft: x += 8; break;
    case kStepUpLeft: x += 16; break;
    case kStepUp: x += 8; break;
  }
}

void walk_e1(int& x, int& y) {
  switch (code()) {
    case kStepDown: code() = kStepDownRight; x += 8; y -= 4; break;
    case kStepDownRight: y -= 4; break;
    case kStepDownLeft: y -= 8; break;
    case kStepLeft: y -= 4; break;
  }
}

void walk_e2(int& x, int& y) {
  switch (code()) {
    case kStepUp: code() = kStepUpLeft; x -= 8; y += 4; break;
    case kStepUpLeft: y += 4; break;
    case kStepUpRight: y += 8; break;
    case kStepRight: y += 4; break;
  }
}

void walk_f1(int& x, int& y) {
  switch (code()) {
    case kStepLeft: code() = kStepUpLeft; x += 8; y -= 4; break;
    case kStepUpLeft: x += 8; break;
    case kStepDownLeft: x += 16; break;
    case kStepDown: x += 8; break;
  }
}

void walk_f2(int& x, int& y) {
  switch (code()) {
    case kStepRight: code() = kStepDownRight; x -= 8; y += 4; break;
    case kStepDownRight: x -= 8; break;
    case kStepUpRight: x -= 16; break;
    case kStepUp: x -= 8; break;
  }
}
