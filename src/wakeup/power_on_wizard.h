#pragma once
// The power-on wizard in the main window: "确定" on "开机设定" opens it when
// the power-on time changed, and its test run is the first step of the
// check after start. Made with the main window, it joins both at once.

#include "platform/platform.h"
#include "wakeup/power_on_test_run.h"

namespace orvane {

class DailyPowerSystem;
class PowerOnAlarmApi;
class PowerSystem;
class Ui;

class PowerOnWizard {
 public:
  PowerOnWizard(Platform& platform, Ui& ui, PowerSystem& power, DailyPowerSystem& dailyPower, PowerOnAlarmApi& alarm);

  // A new wizard window "TForm1", modal; returns when it has closed.
  void open();
  PowerOnTestRun& testRun() { return testRun_; }

 private:
  Platform& platform_;
  Ui& ui_;
  PowerSystem& power_;
  PowerOnAlarmApi& alarm_;
  PowerOnTestRun testRun_;
};

}  // namespace orvane
