#pragma once
// The wake-up hardware of the main window: the port driver with its
// install-failure handler, the CMOS bytes reached through it, the power-on
// alarm in the CMOS, and the board detection of the first start that
// chooses the alarm's CMOS indices from the BIOS ROM.

#include "platform/main_window_part.h"
#include "platform/platform.h"
#include "platform/ui.h"
#include "power/power_system.h"
#include "wakeup/bios_rom.h"
#include "wakeup/board_detection.h"
#include "wakeup/cmos_access.h"
#include "wakeup/driver_install_failure.h"
#include "wakeup/port_driver.h"
#include "wakeup/power_on_alarm.h"

namespace orvane {

class WakeupSystem : public MainWindowPart {
 public:
  WakeupSystem(Platform& platform, Ui& ui, PowerSystem& power);

  // The board detection, when "wake"/"et" is empty.
  void startUp() override;
  // The detection ended early (see BoardDetection::DetectBoardProfile): the
  // main window's later start-up steps do not run.
  bool endedStartUp() const override { return startUpEndedEarly_; }

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
  BiosRom biosRom_;
  BoardDetection boardDetection_;
  bool startUpEndedEarly_ = false;
};

}  // namespace orvane
