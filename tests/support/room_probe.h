// Asking a room's walking rules directly, for the room tests.
#pragma once

#include <string>
#include <utility>
#include <vector>
namespace room_probe {
using P = std::pair<int, int>;

// The target the room's walkable area makes of a click, with the hero at (hx, hy).
P area_of(const char* room, int tx, int ty, int hx = 320, int hy = 300);
// The waypoints of a walk, the target last.
std::vector<P> waypoints_of(const char* room, int hx, int hy, int tx, int ty);
// Every place the hero can arrive at in `room`: the arrival points of all
// exits that lead there, and the places the story puts him.
std::vector<P> arrivals_in(const std::string& room);
}  // namespace room_probe
