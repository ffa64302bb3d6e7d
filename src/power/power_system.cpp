#include "power/power_system.h"

#include <utility>

namespace orvane {

PowerSystem::PowerSystem(Platform& platform, Ui& ui, MainTimers& timers)
    : platform_(platform), ui_(ui), timers_(timers), actions_(platform) {}

void PowerSystem::timerFired(MainTimer timer) {
  if (timer == Timer9) Timer9Timer();
}

void PowerSystem::showCountdown() {
  CountdownForm countdown(ui_, platform_.clock, actions_, request_);
  countdownRequested_ = false;
  // Also when the modal loop ends by an exception.
  struct Restore {
    const CountdownForm*& at;
    const CountdownForm* value;
    ~Restore() { at = value; }
  } restore{countingDown_, std::exchange(countingDown_, &countdown)};
  ui_.showModal(countdown);
}

bool PowerSystem::countdownPending() const {
  return countdownRequested_ || (countingDown_ != nullptr && countingDown_->counting());
}

std::vector<MenuItem> PowerSystem::powerMenuEntries() {
  PowerActions& actions = actions_;
  return {MenuItem("关机", [&actions] { actions.PowerOffSystem(); }),
          MenuItem("重启", [&actions] { actions.RebootSystem(); }),
          MenuItem("注销", [&actions] { actions.LogOffSystem(); }),
          MenuItem("待机", [&actions] { actions.StandbySystem(); }),
          MenuItem("休眠", [&actions] { actions.HibernateSystem(); }),
          MenuItem("锁定", [&actions] { actions.LockComputer(); })};
}

}  // namespace orvane
