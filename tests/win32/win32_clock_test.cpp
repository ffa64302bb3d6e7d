// The real clock: local time, UTC and the time zone agree with each other.

#include "platform/win32/win32_clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {
namespace {

int biasInForce(const TimeZoneState& zone) {
  switch (zone.kind) {
    case TimeZoneState::Kind::Standard:
      return zone.bias + zone.standardBias;
    case TimeZoneState::Kind::Daylight:
      return zone.bias + zone.daylightBias;
    default:
      return zone.bias;
  }
}

TEST(Win32ClockTest, LocalTimeIsUtcMinusTheZoneBias) {
  Win32Clock clock;
  const TimeZoneState zone = clock.timeZone();
  ASSERT_NE(zone.kind, TimeZoneState::Kind::Invalid);
  const DateTime local = clock.localNow();
  const DateTime utc = clock.utcNow();
  const std::int64_t differenceMs = utc.totalMilliseconds() - local.totalMilliseconds();
  // The two readings are taken a moment apart.
  EXPECT_LT(std::llabs(differenceMs - biasInForce(zone) * 60'000LL), 2'000);
  EXPECT_GT(local.date().year, 2000);
}

}  // namespace
}  // namespace orvane
