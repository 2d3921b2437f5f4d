// The packing of saved games: hand-written examples of the run-length scheme
// and its limits, and unpacking of damaged packs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/saved_games.h"

namespace {

const std::string kMark = "\xA7";

std::string tokens(const char* token, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += token;
  return s;
}

std::string unpacked(const std::string& packed) {
  std::string text, why;
  EXPECT_TRUE(unpack_game_state(packed, text, why)) << why;
  return text;
}

}  // namespace

TEST(Packing, RunsOfSixOrMoreBecomeAMarkerAndTheDigitAfterARunStartsNothing) {
  // 5, seven zeros, 1, 1: the 1 after the run is copied, the last one is a run of one.
  const std::string text = "5 " + tokens("0 ", 7) + "1 1 #";
  EXPECT_EQ(pack_game_state(text), "5 " + kMark + " 7 1 1 #");
  EXPECT_EQ(pack_game_state(tokens("0 ", 5) + "#"), tokens("0 ", 5) + "#");
  EXPECT_EQ(pack_game_state(tokens("0 ", 6) + "#"), kMark + " 6 #");
  EXPECT_EQ(pack_game_state(tokens("1 ", 6) + "#"), "$ 6 #");
  EXPECT_EQ(pack_game_state(tokens("1 ", 5) + "2 #"), tokens("1 ", 5) + "2 #");
}

TEST(Packing, NumbersWithZerosAndOnesStayAsTheyAre) {
  EXPECT_EQ(pack_game_state("10 100 11 101 0 1 #"), "10 100 11 101 0 1 #");
  // 20 lends its zero to the five zeros after it: a run of six.
  const std::string twenty = "20 " + tokens("0 ", 5) + "#";
  EXPECT_EQ(pack_game_state(twenty), "2" + kMark + " 6 #");
  EXPECT_EQ(unpacked(pack_game_state(twenty)), twenty);
  // A name right after a count, and a run that ends in a longer number.
  const std::string names = "3 hof1 z" + tokens("0 ", 8) + "10 #";
  EXPECT_EQ(pack_game_state(names), "3 hof1 z" + kMark + " 8 10 #");
  EXPECT_EQ(unpacked(pack_game_state(names)), names);
}

TEST(Packing, RunsStopAt32000) {
  EXPECT_EQ(pack_game_state(tokens("0 ", 32000) + "#"), kMark + " 32000 #");
  EXPECT_EQ(pack_game_state(tokens("0 ", 32001) + "#"), kMark + " 32000 0 #");
  // 40,000: a run of 32,000, one token as it stands, a run of 7,999.
  const std::string forty = tokens("0 ", 40000) + "#";
  EXPECT_EQ(pack_game_state(forty), kMark + " 32000 0 " + kMark + " 7999 #");
  EXPECT_EQ(unpacked(pack_game_state(forty)), forty);
  EXPECT_EQ(pack_game_state(tokens("1 ", 40000) + "#"), "$ 32000 1 $ 7999 #");
}

TEST(Packing, EverythingFromTheEndMarkOnIsCopied) {
  const std::string text = tokens("0 ", 9) + "#\npelvaro_saved 1\nstory_alarm 1 0 0 0 0 0 0 0\nend\n";
  const std::string packed = pack_game_state(text);
  EXPECT_EQ(packed, kMark + " 9 #\npelvaro_saved 1\nstory_alarm 1 0 0 0 0 0 0 0\nend\n");
  EXPECT_EQ(unpacked(packed), text);
}

TEST(Packing, UnpackingTakesAnyBlanksAroundACount) {
  EXPECT_EQ(unpacked(kMark + "  3\n\n7 #"), "0 0 0 7 #");
  EXPECT_EQ(unpacked("$3 #"), "1 1 1 #");
}

TEST(Packing, DamagedPacksAreRefused) {
  std::string text, why;
  for (const std::string& bad : std::vector<std::string>{kMark + " -5 #", kMark + " 0 #", kMark + " 32001 #", "$ x #", "$ #",
                                 kMark + " 99999999999 #", "5 0 0 0", kMark + " 6 ", std::string()}) {
    EXPECT_FALSE(unpack_game_state(bad, text, why)) << bad;
    EXPECT_FALSE(why.empty());
  }
  // Markers that would unpack to more than any saved game holds.
  std::string bomb;
  for (int i = 0; i < 4000; ++i) bomb += kMark + " 32000 ";
  EXPECT_FALSE(unpack_game_state(bomb + "#", text, why));
}

TEST(Packing, RoundTripsOfMixedTexts) {
  const std::string texts[] = {
      "298 267 1 13 future_floor1" + tokens("1 z", 3) + tokens("0 ", 11) + "-1 -1 " + tokens("1 ", 7) + "0 1 #",
      "0 1 0 1 0 1 " + tokens("0 ", 6) + tokens("1 ", 6) + tokens("0 ", 31999) + "01 10 #x",
      "1 0 #"};
  for (const std::string& t : texts) EXPECT_EQ(unpacked(pack_game_state(t)), t);
}
