#pragma once
// The weekly power-on plan and the times of day on "    开机设定    ": "每天"
// (CheckBox1), "星期一" … "星期日" (CheckBox2 … CheckBox8), the power-on time
// (FlatSpinEditInteger1 … 3) and the daily shutdown time (FlatSpinEditInteger4
// … 6). They live in section "power" and "close" of "\wake.ini"; the fields
// hold the texts as read or typed (GBK, digits in practice).

#include <array>
#include <functional>
#include <string>

#include "storage/ini_settings.h"

namespace orvane {

class FileSystem;

// Hour, minute and second as the three spin edits show them.
using TimeFields = std::array<std::string, 3>;
// The largest hour, minute and second.
inline constexpr std::array<int, 3> kTimeFieldLimits{23, 59, 59};
// The keys of hour, minute and second of a time in "\wake.ini".
using TimeKeys = std::array<SettingKey, 3>;

TimeFields readTimeFields(const IniSettings& file, const TimeKeys& keys);
void writeTimeFields(IniSettings& file, const TimeKeys& keys, const TimeFields& fields);

struct DailyScheduleFields {
  bool everyDay = false;  // "每天"
  // "星期一" to "星期日": Monday to Friday checked until the file is read.
  std::array<bool, 7> weekdays{true, true, true, true, true, false, false};
  TimeFields powerOn{"0", "0", "0"};
  TimeFields shutdown{"0", "0", "0"};
};

// Where the wake-up subsystem joins the save: the next-wake computation runs
// first, from the settings as they stood; the power-on wizard opens, modal,
// when the power-on time changed. Unset, a step is skipped.
struct PowerOnSaveSteps {
  std::function<void()> computeNextWake;
  std::function<void()> openPowerOnWizard;
};

// The daily shutdown time as saved in "\wake.ini" (section "close").
TimeFields savedShutdownTime(FileSystem& files);

class DailySchedule {
 public:
  explicit DailySchedule(FileSystem& files) : files_(files) {}

  DailyScheduleFields& fields() { return fields_; }
  const DailyScheduleFields& fields() const { return fields_; }
  PowerOnSaveSteps& saveSteps() { return saveSteps_; }

  // Start-up: every value from "\wake.ini", a missing key reading "0"; a box
  // is checked exactly when its key reads "1".
  void load();
  // "每天" checked disables the weekday boxes; they keep their states.
  bool weekdaysEnabled() const { return !fields_.everyDay; }
  // The "确定" steps of this page, in their order. Returns whether any box is
  // checked, which turns "随系统启动" on before the options are saved.
  bool save();

 private:
  FileSystem& files_;
  DailyScheduleFields fields_;
  PowerOnSaveSteps saveSteps_;
};

}  // namespace orvane
