#pragma once
// The daily power schedule of the main window: the weekly plan and the times
// of "    开机设定    " with the daily shutdown in the second half of Timer2,
// the dated power-on list, and the start-up power-on check of Timer1.

#include <vector>

#include "dailypower/daily_schedule.h"
#include "dailypower/daily_shutdown.h"
#include "dailypower/power_on_dates.h"
#include "dailypower/startup_power_check.h"
#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "power/power_system.h"

namespace orvane {

class DailyPowerSystem : public MainWindowPart {
 public:
  DailyPowerSystem(Platform& platform, Ui& ui, MainWindowParts& window, PowerSystem& power);

  std::vector<MainTimer> timers() const override { return {Timer1, Timer2}; }
  void timerFired(MainTimer timer) override;
  // The dated power-on list, then the values of "开机设定".
  void startUp() override;

  DailySchedule& dailySchedule() { return dailySchedule_; }
  PowerOnDates& powerOnDates() { return powerOnDates_; }
  StartupPowerCheck& startupPowerCheck() { return startupPowerCheck_; }
  DailyShutdown& dailyShutdown() { return dailyShutdown_; }

 private:
  // The second half of Timer2: the daily shutdown.
  void DailyShutdownCheck();

  Platform& platform_;
  MainWindowParts& window_;
  PowerSystem& power_;
  DailySchedule dailySchedule_{platform_.files};
  DailyShutdown dailyShutdown_;
  PowerOnDates powerOnDates_;
  StartupPowerCheck startupPowerCheck_;
};

}  // namespace orvane
