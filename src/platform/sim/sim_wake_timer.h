#pragma once
// The simulated waitable timer that wakes the machine. Arming logs
// "SetWaitableTimer name=zovirudu due="YYYY-MM-DD HH:MM:SS" resume=1" with
// the local moment of the due time. While the machine is awake the timer
// signals at its due time; a sleep that it falls into ends then (SimWorld).

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/wake_timer.h"

namespace orvane {

class EventLog;
class SimTime;

class SimWakeTimer : public WakeTimerApi {
 public:
  SimWakeTimer(SimTime& time, EventLog& log) : time_(time), log_(log) {}

  void arm(const std::string& name, DateTime due, std::function<void()> expired) override;
  void disarm() override;

  // The local due time while the timer is set.
  std::optional<DateTime> due() const { return due_; }
  // The timer signals now: its expiry runs, once.
  void signal();

 private:
  SimTime& time_;
  EventLog& log_;
  std::optional<DateTime> due_;
  std::function<void()> expired_;
  // Counts the settings, so that the signal scheduled for an earlier one
  // does nothing.
  std::uint64_t setting_ = 0;
};

}  // namespace orvane
