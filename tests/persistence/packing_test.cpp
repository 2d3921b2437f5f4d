// The packing of saved games: hand-written examples of the run-length scheme and its limits, damaged packs.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "persistence/saved_games.h"

namespace {
const std::string Z = "\xA7";  // the marker of a run of "0 "; "$" marks a run of "1 "

std::string times(const std::string& token, int count) {
  std::string s;
  while (count-- > 0) s += token;
  return s;
}
}  // namespace

TEST(Packing, RunsOfSixToThirtyTwoThousandTokensBecomeAMarkerAndUnpackAgain) {
  const struct { std::string text, packed; } cases[] = {
      // Six or more; the digit after a run is copied and starts nothing.
      {"5 " + times("0 ", 7) + "1 1 #", "5 " + Z + " 7 1 1 #"},
      {times("0 ", 5) + "#", times("0 ", 5) + "#"}, {times("0 ", 6) + "#", Z + " 6 #"},
      {times("1 ", 6) + "#", "$ 6 #"}, {times("1 ", 5) + "2 #", times("1 ", 5) + "2 #"},
      // Numbers with zeros and ones stay as they are; 20 lends its zero to the five zeros after it.
      {"10 100 11 101 0 1 #", "10 100 11 101 0 1 #"}, {"20 " + times("0 ", 5) + "#", "2" + Z + " 6 #"},
      {"3 hof1 z" + times("0 ", 8) + "10 #", "3 hof1 z" + Z + " 8 10 #"},
      // At most 32,000 in a run: 40,000 are a run, one token as it stands, a run.
      {times("0 ", 32000) + "#", Z + " 32000 #"}, {times("0 ", 32001) + "#", Z + " 32000 0 #"},
      {times("0 ", 40000) + "#", Z + " 32000 0 " + Z + " 7999 #"}, {times("1 ", 40000) + "#", "$ 32000 1 $ 7999 #"},
      // Everything from the end mark on is copied.
      {times("0 ", 9) + "#\npelvaro_saved 1\nstory_alarm 1 0 0 0 0 0 0 0\nend\n",
       Z + " 9 #\npelvaro_saved 1\nstory_alarm 1 0 0 0 0 0 0 0\nend\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    EXPECT_EQ(pack_game_state(c.text), c.packed);
    std::string text, why;
    EXPECT_TRUE(unpack_game_state(c.packed, text, why)) << why;
    EXPECT_EQ(text, c.text);
  }
  // A mixed text comes back as it was.
  const std::string t = "298 267 1 13 future_floor1" + times("1 z", 3) + times("0 ", 11) + "-1 -1 " + times("1 ", 7) +
                        "0 1 0 1 0 1 " + times("1 ", 6) + times("0 ", 31999) + "01 10 #x";
  std::string text, why;
  EXPECT_TRUE(unpack_game_state(pack_game_state(t), text, why)) << why;
  EXPECT_EQ(text, t);
}

TEST(Packing, UnpackingTakesAnyBlanksAroundACountAndRefusesDamagedPacks) {
  std::string text, why;
  EXPECT_TRUE(unpack_game_state(Z + "  3\n\n7 #", text, why) && text == "0 0 0 7 #") << text;
  EXPECT_TRUE(unpack_game_state("$3 #", text, why) && text == "1 1 1 #") << text;
  // Markers that would unpack to more than any saved game holds.
  std::string bomb;
  for (int i = 0; i < 4000; ++i) bomb += Z + " 32000 ";
  for (const std::string& bad : {Z + " -5 #", Z + " 0 #", Z + " 32001 #", std::string("$ x #"), std::string("$ #"),
                                 Z + " 99999999999 #", std::string("5 0 0 0"), Z + " 6 ", std::string(), bomb + "#"}) {
    why.clear();
    EXPECT_TRUE(!unpack_game_state(bad, text, why) && !why.empty()) << bad.substr(0, 40);
  }
}
