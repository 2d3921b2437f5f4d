// Every story sequence played in the room it belongs to: each plays its
// number of shots, addresses no picture its datafiles lack, and ends with
// the hero standing and the player's state cleared. (The time machine,
// which ends the program, has tests of its own.)
#include <gtest/gtest.h>

#include <string>

#include "cutscenes/player.h"
#include "cutscenes/videos.h"
#include "platform/headless.h"
#include "shell/world.h"
#include "support/dialogue_support.h"
#include "support/test_support.h"

namespace {

struct Played {
  const char* name;
  void (*play)();
  const char* room;
  int shots;
};

// The sequences, where they play and their shots, from the story's table.
const Played kSequences[] = {
    {"video_hero_beton_ko", video_hero_beton_ko, "future_floor1", 11},
    {"video_zirud_give_card", video_zirud_give_card, "future_physiktp", 4},
    {"video_ady_teleskop", video_ady_teleskop, "future_physik", 8},
    {"video_ady_teleskop2", video_ady_teleskop2, "future_physiktp", 2},
    {"video_oeffne_schrank", video_oeffne_schrank, "future_floor15", 22},
    {"video_take_tool", video_take_tool, "future_floor15", 21},
    {"video_take_guitar", video_take_guitar, "future_physik", 2},
    {"video_sand_mecker", video_sand_mecker, "future_biolog", 4},
    {"video_sand_sleep", video_sand_sleep, "future_biolog", 5},
    {"video_sand_sleep2", video_sand_sleep2, "future_biolog", 3},
    {"video_take_gaz", video_take_gaz, "future_biolog", 2},
    {"video_take_rohr", video_take_rohr, "future_floor15", 9},
    {"video_brakeup_case", video_brakeup_case, "future_chimie", 3},
    {"video_open_case", video_open_case, "future_chimie", 4},
    {"video_exit_floor2", video_exit_floor2, "future_floor2", 2},
    {"video_police_kungfu", video_police_kungfu, "future_floor2", 44},
    {"video_hero_uff", video_hero_uff, "future_floor15", 14},
    {"video_give_dia", video_give_dia, "future_physiktp", 9},
    {"video_give_blei", video_give_blei, "future_chimie", 4},
    {"video_get_glasses", video_get_glasses, "future_crossing", 4},
    {"video_get_blei", video_get_blei, "future_chimie", 4},
    {"video_douche", video_douche, "future_chimietp", 49},
    {"video_blei_douche", video_blei_douche, "future_chimietp", 3},
};

void PrintTo(const Played& p, std::ostream* os) { *os << p.name; }

class EverySequence : public testing::TestWithParam<Played> {};

TEST_P(EverySequence, PlaysItsShotsWithEveryPictureItAddresses) {
  const Played& p = GetParam();
  dialogue_support::stand_in_room(p.room);
  sequence_faults().clear();
  const int before = shots_played();
  const int start = headless::now();
  ASSERT_EQ(test_support::run_program(p.play), -1) << p.name;
  EXPECT_EQ(shots_played() - before, p.shots) << p.name;
  for (const std::string& fault : sequence_faults()) ADD_FAILURE() << fault;
  sequence_faults().clear();
  // Every shot shows at least one frame of 55 ms.
  EXPECT_GE(headless::now() - start, (p.shots - 1) * 55) << p.name;
  EXPECT_EQ(video_active, 0) << p.name;
  EXPECT_EQ(hero_foreground, 0) << p.name;
  EXPECT_EQ(mov_nr, kStanding) << p.name;
  for (int i = 0; i < kTextLines; ++i) EXPECT_TRUE(!video_text[i] || !*video_text[i]) << p.name << " line " << i;
  EXPECT_TRUE(video_dat == nullptr && video_move_dat == nullptr) << p.name;
}

INSTANTIATE_TEST_SUITE_P(Story, EverySequence, testing::ValuesIn(kSequences),
                         [](const testing::TestParamInfo<Played>& info) { return std::string(info.param.name); });

}  // namespace
