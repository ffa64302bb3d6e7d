#include "dailypower/daily_power_system.h"

namespace orvane {

DailyPowerSystem::DailyPowerSystem(Platform& platform, Ui& ui, MainWindowParts& window, PowerSystem& power)
    : platform_(platform),
      window_(window),
      power_(power),
      powerOnDates_(platform.files, platform.clock, ui),
      startupPowerCheck_(platform.files, platform.clock, ui, power.powerActions(), power.countdownRequest()) {}

void DailyPowerSystem::startUp() {
  powerOnDates_.LoadPowerOnDates();
  dailySchedule_.load();
  window_.windowChanged();
}

void DailyPowerSystem::timerFired(MainTimer timer) {
  if (timer == Timer1) startupPowerCheck_.run();
  if (timer == Timer2) DailyShutdownCheck();
}

void DailyPowerSystem::DailyShutdownCheck() {
  if (!dailyShutdown_.due(platform_.clock.localNow(), dailySchedule_.fields().shutdown)) return;
  power_.countdownRequest().PendingPowerAction = kShutdownRequest;
  power_.requestCountdown();
}

}  // namespace orvane
