#pragma once
// The daily power-on alarm in the CMOS memory, set and cleared the way the
// BIOS set-up screen would: the alarm's enable register, its day, hour and
// minute registers, and the 16-bit checksum over them, adjusted by the
// differences rather than summed afresh. Which CMOS indices play which role
// is the board profile in section "wake" of "\wake.ini"; the index of the
// enable register also chooses the values written and the checksum rule.

#include "platform/platform.h"
#include "platform/ui.h"
#include "power/power_actions.h"
#include "wakeup/cmos_access.h"
#include "wakeup/power_on_alarm_api.h"

namespace orvane {

class PowerOnAlarm : public PowerOnAlarmApi {
 public:
  PowerOnAlarm(Platform& platform, Ui& ui, CmosAccess& cmos, PowerActions& power);

  // Sets the alarm to hour (0..23) and minute (0..59); the second register
  // keeps its value. Nothing is written when the alarm already stands so.
  // Afterwards the user is asked to switch the computer off (on boards whose
  // enable register is at 0x59) and in every case to restart it.
  void SetPowerOnAlarm(int hour, int minute) override;
  // Switches the alarm off, leaving its time registers as they are, and
  // says so.
  void ClearPowerOnAlarm() override;

 private:
  Platform& platform_;
  Ui& ui_;
  CmosAccess& cmos_;
  PowerActions& power_;
};

}  // namespace orvane
