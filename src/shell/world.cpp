// Storage of the world state declared in world.h.
#include "shell/world.h"

#include <cstring>

#define PELVARO_DEFINE_WORLD_VAR(type, name, dims) type name dims;
WORLD_STATE(PELVARO_DEFINE_WORLD_VAR)
#undef PELVARO_DEFINE_WORLD_VAR

void reset_world() {
#define PELVARO_RESET_WORLD_VAR(type, name, dims) std::memset(static_cast<void*>(&name), 0, sizeof(name));
  WORLD_STATE(PELVARO_RESET_WORLD_VAR)
#undef PELVARO_RESET_WORLD_VAR
}
