#pragma once
// What the power-on wizard and the uninstall command need of the CMOS
// power-on alarm: set it to a time of day, or switch it off. Each operation
// asks its own questions and shows its own messages.

namespace orvane {

class PowerOnAlarmApi {
 public:
  virtual ~PowerOnAlarmApi() = default;
  // hour 0..23, minute 0..59.
  virtual void SetPowerOnAlarm(int hour, int minute) = 0;
  virtual void ClearPowerOnAlarm() = 0;
};

}  // namespace orvane
