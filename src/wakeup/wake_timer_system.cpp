#include "wakeup/wake_timer_system.h"

#include "common/second_catch_up.h"
#include "dailypower/daily_shutdown.h"
#include "wakeup/next_wake.h"

namespace orvane {

WakeTimerSystem::WakeTimerSystem(Platform& platform, TaskSystem& tasks, DailyPowerSystem& dailyPower,
                                 PowerSystem& power)
    : platform_(platform), tasks_(tasks), dailyPower_(dailyPower), power_(power) {
  tasks_.scheduler().setArmWakeTimer([this] { ArmWakeTimer(); });
  // "确定" arms before it saves, with the shutdown time it is about to save:
  // the one that the daily shutdown check goes by from now on.
  DailySchedule& schedule = dailyPower_.dailySchedule();
  schedule.saveSteps().computeNextWake = [this, &schedule] { armFor(schedule.fields().shutdown); };
}

void WakeTimerSystem::timerFired(MainTimer timer) {
  if (timer == Timer2) allowSleepOnceHandled();
}

void WakeTimerSystem::ArmWakeTimer() { armFor(savedShutdownTime(platform_.files)); }

void WakeTimerSystem::armFor(const TimeFields& shutdownTime) {
  const auto event =
      nextWakeEvent(tasks_.scheduler().table(), shutdownSecondOfDay(shutdownTime), platform_.clock.localNow());
  if (!event) {
    platform_.wakeTimer.disarm();
    return;
  }
  // An absolute due time: a relative one would not count the time asleep.
  const DateTime due = event->addMilliseconds(-kWakeLeadSeconds * 1000);
  platform_.wakeTimer.arm(kTimerName, due, [this, event = *event] { woken(event); });
}

void WakeTimerSystem::woken(DateTime event) {
  const std::int64_t second = wholeSecondsOf(event);
  tasks_.scheduler().holdOpen(second);
  dailyPower_.dailyShutdown().holdOpen(second);
  if (!keptAwakeFor_) platform_.power.setThreadExecutionState(PowerApi::kKeepSystemAwake);
  if (!keptAwakeFor_ || *keptAwakeFor_ < event) keptAwakeFor_ = event;
  tasks_.RebuildOccurrences();
}

void WakeTimerSystem::allowSleepOnceHandled() {
  if (!keptAwakeFor_ || wholeSecondsOf(platform_.clock.localNow()) < wholeSecondsOf(*keptAwakeFor_) ||
      power_.countdownPending()) {
    return;
  }
  keptAwakeFor_.reset();
  platform_.power.setThreadExecutionState(PowerApi::kAllowSleep);
}

}  // namespace orvane
