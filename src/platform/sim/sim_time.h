#pragma once
// Virtual time of the simulated Windows. A monotonic tick (milliseconds
// since the start) drives the window timers, as the system tick does; the
// local clock is the tick plus an offset, so setting the clock moves the
// clock and not the timers. Everything runs by events: the earliest due
// timer or scripted event is run next, until a condition holds or the run's
// end is reached.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

#include "common/date_time.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace orvane {
class EventLog;
}

namespace orvane {

// Thrown out of a running loop when virtual time reaches the end of the run,
// so nested modal loops unwind to the top.
struct SimulationOver : std::runtime_error {
  SimulationOver() : std::runtime_error("simulation over") {}
};

class SimTime : public ClockApi {
 public:
  explicit SimTime(DateTime start);
  void setLog(EventLog* log) { log_ = log; }

  // Every 1000 ms timer fires this many milliseconds late, each tick later
  // than the last.
  void setJitter(int milliseconds) {
    jitterMs_ = milliseconds;
    jitterRandom_.reset();
  }
  // Every 1000 ms timer fires from 0 up to this many milliseconds late, drawn
  // anew for each tick from a generator seeded with `seed`.
  void setRandomJitter(int milliseconds, std::uint32_t seed);
  void setTimeZone(const TimeZoneState& zone) { zone_ = zone; }
  void setEnd(std::int64_t tickMs) { endTick_ = tickMs; }
  std::int64_t tick() const { return tick_; }

  // Every timer handler and scripted event runs through this, so the
  // program's general error handler can catch what a handler throws.
  using HandlerRunner = std::function<void(const std::function<void()>&)>;
  void setHandlerRunner(HandlerRunner runner) { runHandler_ = std::move(runner); }

  // Runs `action` when the tick reaches `tickMs` (before timers due then).
  void at(std::int64_t tickMs, std::function<void()> action);

  // Window timers.
  void startTimer(TimerOwner& owner, int timerId, int intervalMs);
  void stopTimer(TimerOwner& owner, int timerId);
  void stopTimersOf(const TimerOwner& owner);
  bool timerRunning(const TimerOwner& owner, int timerId) const;

  // Runs due events in order until `done` holds; throws SimulationOver when
  // the end of the run comes first.
  void runUntil(const std::function<bool()>& done);
  // Runs every event due now, without advancing time.
  void runDueNow();

  // The clock is set (the tick goes on unchanged).
  void setLocalClock(DateTime local);
  // The machine sleeps: time passes and no timer fires; afterwards every
  // timer that became due fires once.
  void sleep(std::int64_t milliseconds);

  // ClockApi
  DateTime localNow() override;
  DateTime utcNow() override;
  std::uint32_t tickCount() override;
  TimeZoneState timeZone() override { return zone_; }
  bool setLocalTime(DateTime local) override;
  bool setSystemTime(DateTime utc) override;
  // Like the machine's sleep: the timers that fell due fire once afterwards.
  void pauseThread(std::uint32_t milliseconds) override { sleep(milliseconds); }

 private:
  struct TimerKey {
    const TimerOwner* owner;
    int id;
    bool operator<(const TimerKey& other) const {
      return owner != other.owner ? std::less<const TimerOwner*>()(owner, other.owner) : id < other.id;
    }
  };
  struct Timer {
    TimerOwner* owner;
    int intervalMs;
    std::int64_t due;
    std::uint64_t order;  // ties fire in the order the timers were set
  };
  struct Scripted {
    std::int64_t tick;
    std::uint64_t order;
    std::function<void()> action;
  };

  bool runNextDue(std::int64_t limit);
  // How late the next tick of a timer with this interval fires.
  int lateness(int intervalMs);
  int biasMinutes() const;

  EventLog* log_ = nullptr;
  HandlerRunner runHandler_ = [](const std::function<void()>& handler) { handler(); };
  std::int64_t tick_ = 0;
  std::int64_t wallOffsetMs_ = 0;
  std::int64_t endTick_ = INT64_MAX;
  int jitterMs_ = 0;
  std::optional<std::mt19937> jitterRandom_;
  std::uint64_t nextOrder_ = 0;
  TimeZoneState zone_{TimeZoneState::Kind::Standard, -480, 0, 0};  // China
  std::map<TimerKey, Timer> timers_;
  std::vector<Scripted> scripted_;
};

}  // namespace orvane
