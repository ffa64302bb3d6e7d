#pragma once
// Waitable timers with resume from standby: the one named timer that wakes
// the machine from standby or hibernation shortly before the next event.

#include <functional>
#include <string>

#include "common/date_time.h"

namespace orvane {

class WakeTimerApi {
 public:
  virtual ~WakeTimerApi() = default;
  // Sets the named auto-reset waitable timer to signal once at the local
  // moment `due`, as an absolute time (so the time spent asleep counts), with
  // the resume flag on; the latest call's due time replaces any earlier one.
  // When the timer signals, `expired` runs on the GUI thread, once.
  virtual void arm(const std::string& name, DateTime due, std::function<void()> expired) = 0;
  // The timer is no longer set: no expiry follows and it wakes nothing.
  virtual void disarm() = 0;
};

}  // namespace orvane
