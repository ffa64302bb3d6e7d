#pragma once
// The wake-from-sleep timer of the main window: one named waitable timer,
// always aimed at the next event (a task occurrence or the daily shutdown),
// wakes the machine from standby or hibernation three seconds before it.
// Every rebuild of the occurrence table re-arms it, and so does "确定" on
// "    开机设定    "; its expiry has the table rebuilt on the GUI thread,
// which arms it for the event after.
//
// A wake by the timer must lead to the event really happening: the event's
// second is still examined however slowly the machine resumed (up to five
// minutes), and the system is kept awake (Windows returns an unattended
// wake to sleep after about two minutes) until the event's second has passed
// and any countdown it opened has ended.

#include <optional>
#include <vector>

#include "dailypower/daily_power_system.h"
#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "power/power_system.h"
#include "scheduler/task_system.h"

namespace orvane {

class WakeTimerSystem : public MainWindowPart {
 public:
  static constexpr const char* kTimerName = "zovirudu";

  WakeTimerSystem(Platform& platform, TaskSystem& tasks, DailyPowerSystem& dailyPower, PowerSystem& power);

  // In Timer2, after the task tick and the daily shutdown: lets the machine
  // sleep again once the event it was woken for is handled.
  std::vector<MainTimer> timers() const override { return {Timer2}; }
  void timerFired(MainTimer timer) override;

  // Aims the timer at the next event, with the daily shutdown time as saved.
  void ArmWakeTimer();

 private:
  void armFor(const TimeFields& shutdownTime);
  // The timer signalled, maybe waking the machine, for `event`.
  void woken(DateTime event);
  void allowSleepOnceHandled();

  Platform& platform_;
  TaskSystem& tasks_;
  DailyPowerSystem& dailyPower_;
  PowerSystem& power_;
  // The event for which the system is kept awake.
  std::optional<DateTime> keptAwakeFor_;
};

}  // namespace orvane
