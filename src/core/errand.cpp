#include "core/errand.h"

void set_errand(ErrandKind kind, int target) {
  errand = Errand{kind, target, true};
}

void clear_errand() {
  errand = kNoErrand;
}

bool errand_pending() {
  return errand.kind != ErrandKind::none;
}

int errand_target(ErrandKind kind) {
  return errand_pending() && errand.kind == kind ? errand.target : -1;
}
