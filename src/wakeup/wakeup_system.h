#pragma once
// The wake-up hardware of the main window: the port driver with its
// install-failure handler, the CMOS bytes reached through it, and the
// power-on alarm in the CMOS.

#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "power/power_system.h"
#include "wakeup/cmos_access.h"
#include "wakeup/driver_install_failure.h"
#include "wakeup/port_driver.h"
#include "wakeup/power_on_alarm.h"

namespace orvane {

class WakeupSystem : public MainWindowPart {
 public:
  WakeupSystem(Platform& platform, Ui& ui, PowerSystem& power);

  PowerOnAlarm& alarm() { return alarm_; }
  PortDriver& portDriver() { return portDriver_; }
  CmosAccess& cmos() { return cmos_; }
  // The main window's install-failure handler (Button1Click).
  DriverInstallFailure& installFailure() { return installFailure_; }

 private:
  DriverInstallFailure installFailure_;
  PortDriver portDriver_;
  CmosAccess cmos_;
  PowerOnAlarm alarm_;
};

}  // namespace orvane
