// The 30-second rebuild checks: the ordinary passing of time never rebuilds,
// a date change or a clock jump does, each test seeing the mark that the
// rebuild before it left.

#include "scheduler/clock_mark.h"
#include "test_support/sim_test.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// How many rebuilds the check at `now` runs after a mark taken at `marked`;
// each rebuild marks `now`, as the real one does.
int rebuildsAt(const char* marked, const char* now) {
  ClockMark mark = ClockMark::of(dateTime(marked));
  int rebuilds = 0;
  checkClockMark(mark, dateTime(now), [&] {
    ++rebuilds;
    mark = ClockMark::of(dateTime(now));
  });
  EXPECT_EQ(mark.date, formatDate(dateTime(now).date()));
  return rebuilds;
}

TEST(ClockMark, TheOrdinaryPassingOfTimeNeverRebuilds) {
  EXPECT_EQ(rebuildsAt("2026-12-07 10:00:10", "2026-12-07 10:00:40"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 10:00:40", "2026-12-07 10:01:10"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 10:59:40", "2026-12-07 11:00:10"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 0:00:10", "2026-12-07 0:00:40"), 0);
}

TEST(ClockMark, ADateChangeOrAClockJumpRebuilds) {
  EXPECT_EQ(rebuildsAt("2026-12-07 23:59:40", "2026-12-08 0:00:10"), 1);
  EXPECT_EQ(rebuildsAt("2026-12-07 10:00:30", "2026-12-07 10:05:30"), 1);  // same hour, minutes apart
  EXPECT_EQ(rebuildsAt("2026-12-07 10:05:30", "2026-12-07 10:00:30"), 1);  // set back
  EXPECT_EQ(rebuildsAt("2026-12-07 10:00:30", "2026-12-07 12:00:30"), 1);  // hours apart
  EXPECT_EQ(rebuildsAt("2026-12-07 10:00:30", "2026-12-07 9:00:30"), 1);
  // The hour before with another minute: the second test sees the fresh mark
  // of the first rebuild, whose hour is the current one, and rebuilds again.
  EXPECT_EQ(rebuildsAt("2026-12-07 10:20:00", "2026-12-07 11:40:00"), 2);
}

TEST(ClockMark, AJumpOfOneHourWithTheSameOrNextMinuteGoesUnnoticed) {
  EXPECT_EQ(rebuildsAt("2026-12-07 10:30:00", "2026-12-07 11:30:00"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 10:30:00", "2026-12-07 11:31:00"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 10:59:00", "2026-12-07 11:30:00"), 0);
}

TEST(ClockMark, OneLessThanHourOrMinuteZeroNeverMatches) {
  // Minute 0 after minute 59 of the hour before: minute "-1" is not "59".
  EXPECT_EQ(rebuildsAt("2026-12-07 9:59:50", "2026-12-07 10:00:20"), 0);
  EXPECT_EQ(rebuildsAt("2026-12-07 0:59:50", "2026-12-07 0:00:20"), 1);
}

TEST(ClockMark, AnUnsetMarkRebuildsAndIsThenSet) {
  ClockMark mark;
  int rebuilds = 0;
  checkClockMark(mark, dateTime("2026-12-07 10:00:00"), [&] { ++rebuilds; });
  EXPECT_GE(rebuilds, 1);
  EXPECT_EQ(mark.date, "2026-12-07");
  EXPECT_EQ(mark.hour, "10");
  EXPECT_EQ(mark.minute, "0");
}

}  // namespace
}  // namespace orvane
