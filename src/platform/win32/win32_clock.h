#pragma once
// The real clock: local and UTC time, the tick count, the time zone, and
// setting the clock (which needs the system-time privilege on the NT family;
// the caller enables it).

#include <windows.h>

#include "platform/clock.h"

namespace orvane {

// The SYSTEMTIME of a date-time value, its day of the week filled in.
SYSTEMTIME toSystemTime(DateTime value);

class Win32Clock : public ClockApi {
 public:
  DateTime localNow() override;
  DateTime utcNow() override;
  std::uint32_t tickCount() override;
  TimeZoneState timeZone() override;
  bool setLocalTime(DateTime local) override;
  bool setSystemTime(DateTime utc) override;
  void pauseThread(std::uint32_t milliseconds) override;
};

}  // namespace orvane
