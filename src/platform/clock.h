#pragma once
// Time and clock: the local clock, the millisecond tick count, the time zone
// and setting the clock.

#include <cstdint>
#include <optional>

#include "common/date_time.h"

namespace orvane {

// What GetTimeZoneInformation reports, in minutes (UTC = local + bias).
struct TimeZoneState {
  enum class Kind { Unknown, Standard, Daylight, Invalid } kind = Kind::Unknown;
  int bias = 0;
  int standardBias = 0;
  int daylightBias = 0;
};

class ClockApi {
 public:
  virtual ~ClockApi() = default;
  virtual DateTime localNow() = 0;  // GetLocalTime
  virtual DateTime utcNow() = 0;    // GetSystemTime
  virtual std::uint32_t tickCount() = 0;
  virtual TimeZoneState timeZone() = 0;
  virtual bool setLocalTime(DateTime local) = 0;
  virtual bool setSystemTime(DateTime utc) = 0;
  // Sleep: the calling thread waits; no window message runs meanwhile.
  virtual void pauseThread(std::uint32_t milliseconds) = 0;
};

}  // namespace orvane
