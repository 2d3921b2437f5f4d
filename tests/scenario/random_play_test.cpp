// Seeded random play from a new game never loses an item the story needs, never comes to a state where a hint
// would be for a step not open, and the finisher still reaches the closing screen; so does a close of the window in the middle of each scene and talk, then Continue.
#include <gtest/gtest.h>


#include "support/finisher.h"

namespace {
class RandomPlay : public testing::TestWithParam<unsigned> {};

TEST_P(RandomPlay, ThreeHundredActionsLeaveTheStoryToBeFinished) {
  const story::Run r = story::random_run(GetParam(), 300);
  std::string last;
  for (size_t i = r.log.size() > 12 ? r.log.size() - 12 : 0; i < r.log.size(); ++i) last += "\n  " + r.log[i];
  EXPECT_EQ(r.trouble, "") << "seed " << GetParam() << " (make soak SEED=" << GetParam() << " SOAK_STEP_MS=3), last actions:" << last;
  EXPECT_GE(r.log.size(), 300u);
}
INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, testing::Values(1u, 2u, 3u));

TEST(ClosePoints, AWindowClosedInTheMiddleOfEachSceneAndTalkIsContinuedToTheClosingScreen) {
  std::map<std::string, std::string> kept;
  const std::map<std::string, int> moments = story::close_moments(kept);
  EXPECT_GE(moments.size(), 15u);
  for (const auto& [step, n] : moments) {
    const story::CloseResult r = story::close_and_continue(kept[step], step, n / 2);
    EXPECT_EQ(r.outcome, story::CloseResult::Outcome::finished)
        << step << ", moment " << n / 2 << " of " << n << ": " << (r.trouble.empty() ? "not reached" : r.trouble);
  }
}
}  // namespace
