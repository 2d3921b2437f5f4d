// A hand-written slot of the older format: the hero at (300, 350) in future_physiktp with "rolle" and "Gaz", 43
// room blocks as runs, the end mark, nothing after. Room 0 starts with six ones, room 38 (future_physiktp) shows
// its ten pieces, persons 0..2 are shown everywhere.
#pragma once
#include <string>

inline std::string old_format_slot() {
  std::string s = "300 350 2 15 future_physiktp5 rolle3 Gaz";
  for (int k = 2; k < 100; ++k) s += "1 z";
  for (int r = 0; r < 43; ++r) {
    std::string block = r == 0 ? "$ 6 0 0 0 0 0 0 0 0 0 0 0 0 0 0 " : "";
    for (int k = 0; k < 10 && r != 0; ++k) block += r == 38 ? "1 0 " : "0 0 ";
    block += "1 0 1 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ";
    for (int rest = 233320 - 40; rest > 0; rest -= 32000)
      block += "\xA7 " + std::to_string(rest > 32000 ? 32000 : rest) + " ";
    s += block;
  }
  return s + "#";
}
