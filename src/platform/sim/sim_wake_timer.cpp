#include "platform/sim/sim_wake_timer.h"

#include <algorithm>

#include "platform/sim/event_log.h"
#include "platform/sim/sim_time.h"

namespace orvane {

void SimWakeTimer::arm(const std::string& name, DateTime due, std::function<void()> expired) {
  log_.add("SetWaitableTimer name=" + name + " due=" + quoted(formatDateTime(due)) + " resume=1");
  due_ = due;
  expired_ = std::move(expired);
  const std::uint64_t setting = ++setting_;
  const std::int64_t ahead = due.totalMilliseconds() - time_.localNow().totalMilliseconds();
  time_.at(time_.tick() + std::max<std::int64_t>(ahead, 0), [this, setting] {
    if (setting == setting_) signal();
  });
}

void SimWakeTimer::disarm() {
  due_.reset();
  ++setting_;
}

void SimWakeTimer::signal() {
  if (!due_) return;
  disarm();
  const std::function<void()> expired = expired_;
  if (expired) expired();
}

}  // namespace orvane
