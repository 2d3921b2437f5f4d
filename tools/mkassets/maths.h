// The one definition of pi for every drawing and sound of the generator.
#pragma once

#include <numbers>

namespace mkassets {

inline constexpr double kPi = std::numbers::pi;

}  // namespace mkassets
