#pragma once
// Setting the PC's local clock. On the NT family the process enables the
// system-time privilege of its own token for the call and restores what it
// found afterwards; Windows 9x/ME has no token and sets the clock directly.

#include "common/date_time.h"
#include "platform/clock.h"
#include "platform/power.h"
#include "platform/system.h"

namespace orvane {

// Whether SetLocalTime succeeded; false too when the token cannot be opened
// or the privilege cannot be switched on.
bool setLocalClock(SystemInfo& system, PowerApi& power, ClockApi& clock, DateTime local);

}  // namespace orvane
