#include "platform/sim/sim_time.h"

#include <algorithm>

#include "platform/sim/event_log.h"

namespace orvane {

namespace {
constexpr int kJitteredInterval = 1000;
}

SimTime::SimTime(DateTime start) : wallOffsetMs_(start.totalMilliseconds()) {}

void SimTime::at(std::int64_t tickMs, std::function<void()> action) {
  scripted_.push_back({tickMs, nextOrder_++, std::move(action)});
}

void SimTime::setRandomJitter(int milliseconds, std::uint32_t seed) {
  jitterMs_ = milliseconds;
  jitterRandom_.emplace(seed);
}

int SimTime::lateness(int intervalMs) {
  if (intervalMs != kJitteredInterval) return 0;
  if (!jitterRandom_) return jitterMs_;
  return std::uniform_int_distribution<int>(0, jitterMs_)(*jitterRandom_);
}

void SimTime::startTimer(TimerOwner& owner, int timerId, int intervalMs) {
  timers_[{&owner, timerId}] = Timer{&owner, intervalMs, tick_ + intervalMs + lateness(intervalMs), nextOrder_++};
}

void SimTime::stopTimer(TimerOwner& owner, int timerId) { timers_.erase({&owner, timerId}); }

void SimTime::stopTimersOf(const TimerOwner& owner) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    it = it->first.owner == &owner ? timers_.erase(it) : std::next(it);
  }
}

bool SimTime::timerRunning(const TimerOwner& owner, int timerId) const { return timers_.count({&owner, timerId}) != 0; }

bool SimTime::runNextDue(std::int64_t limit) {
  auto script = std::min_element(scripted_.begin(), scripted_.end(), [](const Scripted& a, const Scripted& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  auto timer = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
    return a.second.due != b.second.due ? a.second.due < b.second.due : a.second.order < b.second.order;
  });
  const bool hasScript = script != scripted_.end() && script->tick <= limit;
  const bool hasTimer = timer != timers_.end() && timer->second.due <= limit;
  if (hasScript && (!hasTimer || script->tick <= timer->second.due)) {
    tick_ = std::max(tick_, script->tick);
    auto action = std::move(script->action);
    scripted_.erase(script);
    runHandler_(action);
    return true;
  }
  if (!hasTimer) return false;
  Timer& due = timer->second;
  tick_ = std::max(tick_, due.due);
  due.due = tick_ + due.intervalMs + lateness(due.intervalMs);
  due.order = nextOrder_++;
  TimerOwner* owner = due.owner;
  const int id = timer->first.id;
  runHandler_([owner, id] { owner->timerFired(id); });
  return true;
}

void SimTime::runUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (!runNextDue(endTick_)) {
      tick_ = std::max(tick_, endTick_);
      throw SimulationOver();
    }
  }
}

void SimTime::runDueNow() {
  while (runNextDue(tick_)) {
  }
}

void SimTime::setLocalClock(DateTime local) { wallOffsetMs_ = local.totalMilliseconds() - tick_; }

void SimTime::sleep(std::int64_t milliseconds) {
  tick_ += milliseconds;
  for (auto& entry : timers_) entry.second.due = std::max(entry.second.due, tick_);
}

int SimTime::biasMinutes() const {
  switch (zone_.kind) {
    case TimeZoneState::Kind::Standard:
      return zone_.bias + zone_.standardBias;
    case TimeZoneState::Kind::Daylight:
      return zone_.bias + zone_.daylightBias;
    default:
      return zone_.bias;
  }
}

DateTime SimTime::localNow() { return DateTime::fromMilliseconds(tick_ + wallOffsetMs_); }

DateTime SimTime::utcNow() { return localNow().addMilliseconds(std::int64_t{biasMinutes()} * 60'000); }

std::uint32_t SimTime::tickCount() { return static_cast<std::uint32_t>(tick_); }

bool SimTime::setLocalTime(DateTime local) {
  if (log_ != nullptr) log_->add("SetLocalTime time=" + quoted(formatDateTime(local)));
  setLocalClock(local);
  return true;
}

bool SimTime::setSystemTime(DateTime utc) {
  if (log_ != nullptr) log_->add("SetSystemTime time=" + quoted(formatDateTime(utc)));
  setLocalClock(utc.addMilliseconds(-std::int64_t{biasMinutes()} * 60'000));
  return true;
}

}  // namespace orvane
