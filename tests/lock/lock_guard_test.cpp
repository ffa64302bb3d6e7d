// The lock program's guard rules: the keys it swallows, and a second start
// that stays out only for a lock window of its own.

#include "lock/lock_guard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(LockGuardTest, SwallowsOnlyTheKeysThatLeadToOtherWindows) {
  EXPECT_TRUE(leadsAway({0x5B, false, false}) && leadsAway({0x5C, false, false}));
  EXPECT_TRUE(leadsAway({0x09, true, false}));
  EXPECT_FALSE(leadsAway({0x09, false, true}));
  EXPECT_TRUE(leadsAway({0x1B, true, false}) && leadsAway({0x1B, false, true}));
  EXPECT_FALSE(leadsAway({0x1B, false, false}));
  EXPECT_FALSE(leadsAway({'A', true, true}) || leadsAway({0x0D, false, false}));
}

TEST(LockGuardTest, ASecondStartStaysOutOnlyForItsOwnLockWindowWithinTheWait) {
  unsigned waited = 0;
  const auto pause = [&](unsigned milliseconds) { waited += milliseconds; };
  EXPECT_FALSE(anotherLockRuns(
      false, [] { return true; }, pause));
  EXPECT_EQ(waited, 0u);
  EXPECT_TRUE(anotherLockRuns(
      true, [&] { return waited >= 500; }, pause));
  EXPECT_EQ(waited, 500u);
  waited = 0;
  EXPECT_FALSE(anotherLockRuns(
      true, [] { return false; }, pause));
  EXPECT_EQ(waited, kRunningLockWaitMs);
}

}  // namespace
}  // namespace orvane
