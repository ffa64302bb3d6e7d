// The whole seconds a once-a-second check examines: every second since the
// previous check after a small gap, only the current one after a large gap
// or a clock set back, never one second twice.

#include "common/second_catch_up.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

std::vector<std::int64_t> visit(SecondCatchUp& seconds, std::int64_t now) {
  std::vector<std::int64_t> visited;
  seconds.forEachNewSecond(now, [&](std::int64_t second) { visited.push_back(second); });
  return visited;
}

using Seconds = std::vector<std::int64_t>;

TEST(SecondCatchUp, GapsUpToThreeSecondsAreCaughtUpInOrderAndNothingTwice) {
  SecondCatchUp seconds;
  EXPECT_EQ(visit(seconds, 100), Seconds{100});
  EXPECT_EQ(visit(seconds, 100), Seconds{});
  EXPECT_EQ(visit(seconds, 101), Seconds{101});
  EXPECT_EQ(visit(seconds, 103), (Seconds{102, 103}));
  EXPECT_EQ(visit(seconds, 106), (Seconds{104, 105, 106}));
}

TEST(SecondCatchUp, LargerGapsAndAClockSetBackGiveTheCurrentSecondOnly) {
  SecondCatchUp seconds;
  visit(seconds, 100);
  EXPECT_EQ(visit(seconds, 104), Seconds{104});
  EXPECT_EQ(visit(seconds, 90), Seconds{90});
  EXPECT_EQ(visit(seconds, 91), Seconds{91});
}

TEST(SecondCatchUp, FirstPendingIsTheSecondAfterTheLastExaminedWhileWithinReach) {
  SecondCatchUp seconds;
  EXPECT_EQ(seconds.firstPending(100), 100);  // nothing examined yet: from now on
  EXPECT_EQ(visit(seconds, 101), (Seconds{100, 101}));
  EXPECT_EQ(seconds.firstPending(101), 102);  // now itself is already examined
  EXPECT_EQ(seconds.firstPending(104), 102);
  EXPECT_EQ(seconds.firstPending(110), 110);  // out of reach: the gap is given up
  EXPECT_EQ(visit(seconds, 111), (Seconds{110, 111}));
}

TEST(SecondCatchUp, ASecondCountsAsExaminedFromTheStartOfItsVisit) {
  SecondCatchUp seconds;
  visit(seconds, 100);
  std::vector<std::int64_t> pendingDuringVisit;
  seconds.forEachNewSecond(102, [&](std::int64_t) { pendingDuringVisit.push_back(seconds.firstPending(102)); });
  EXPECT_EQ(pendingDuringVisit, (Seconds{102, 103}));
}

TEST(SecondCatchUp, ACheckRunInsideAVisitTakesOverTheSecondsLeft) {
  SecondCatchUp seconds;
  visit(seconds, 100);
  Seconds outer;
  Seconds inner;
  seconds.forEachNewSecond(103, [&](std::int64_t second) {
    outer.push_back(second);
    if (second == 101) inner = visit(seconds, 103);
  });
  EXPECT_EQ(outer, Seconds{101});
  EXPECT_EQ(inner, (Seconds{102, 103}));
  EXPECT_EQ(visit(seconds, 103), Seconds{});
}

TEST(SecondCatchUp, ASecondHeldOpenIsExaminedOnceUpToFiveMinutesLateAndTheRestOfTheGapIsGivenUp) {
  SecondCatchUp seconds;
  visit(seconds, 100);
  seconds.holdOpen(1000);
  EXPECT_EQ(visit(seconds, 900), Seconds{900});  // not yet: an ordinary large gap
  EXPECT_EQ(seconds.firstPending(1040), 1000);
  EXPECT_EQ(visit(seconds, 1040), (Seconds{1000, 1040}));
  EXPECT_EQ(visit(seconds, 1045), Seconds{1045});

  seconds.holdOpen(2000);
  EXPECT_EQ(visit(seconds, 2301), Seconds{2301});  // more than five minutes late
}

TEST(SecondCatchUp, WholeSecondsDropTheMilliseconds) {
  const DateTime moment = parseDateTime("2026-12-07 10:00:05").value().addMilliseconds(999);
  EXPECT_EQ(formatDateTimeMs(fromWholeSeconds(wholeSecondsOf(moment))), "2026-12-07 10:00:05.000");
}

}  // namespace
}  // namespace orvane
