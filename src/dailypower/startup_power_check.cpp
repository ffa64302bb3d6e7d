#include "dailypower/startup_power_check.h"

#include "common/errors.h"
#include "common/stored_number.h"
#include "dailypower/power_on_date_file.h"
#include "platform/clock.h"
#include "platform/ui.h"
#include "power/countdown_form.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {
constexpr int kWindowMinutes = 15;
constexpr const char* kNoPowerOnToday = "今天没有开机任务！";
// The power-on time as the check reads it: a missing key reads empty.
constexpr SettingKey kAlarmHour{wake_ini::kPowerOnHour.section, wake_ini::kPowerOnHour.key, ""};
constexpr SettingKey kAlarmMinute{wake_ini::kPowerOnMinute.section, wake_ini::kPowerOnMinute.key, ""};
constexpr SettingKey kAlarmSecond{wake_ini::kPowerOnSecond.section, wake_ini::kPowerOnSecond.key, ""};
}  // namespace

bool justSwitchedOnByAlarm(int hour, int minute, const TimeOfDay& now) {
  if (hour == now.hour) return minute < now.minute && now.minute - minute < kWindowMinutes;
  return now.hour == hour + 1 && now.minute + 60 - minute < kWindowMinutes;
}

StartupPowerCheck::StartupPowerCheck(FileSystem& files, ClockApi& clock, Ui& ui, PowerActions& actions,
                                     CountdownRequest& request)
    : files_(files), clock_(clock), ui_(ui), actions_(actions), request_(request) {}

void StartupPowerCheck::run() {
  const DateTime now = clock_.localNow();
  IniSettings file = wakeSettings(files_);
  const std::string testRun = file.read(wake_ini::kTestRunState);
  if ((testRun == "1" || testRun == "2") && continueTestRun_ && continueTestRun_()) return;
  file.write(wake_ini::kTestRunState, "0");
  const std::string hour = file.read(kAlarmHour);
  const std::string minute = file.read(kAlarmMinute);
  const std::string second = file.read(kAlarmSecond);
  if (hour.empty() || minute.empty() || second.empty()) return;
  if (hour == "0" && minute == "0" && second == "0") return;
  if (!justSwitchedOnByAlarm(storedNumber(hour), storedNumber(minute), now.time())) return;
  if (!todayIsPowerOnDay(now.date(), now.weekday())) switchOff();
}

bool StartupPowerCheck::todayIsPowerOnDay(const CivilDate& today, int weekday) {
  if (const auto decided = datedDecision(today)) return *decided;
  const IniSettings file = wakeSettings(files_);
  if (file.read(wake_ini::kPowerOnWeekday[static_cast<std::size_t>(weekday - 1)]) != "0") return true;
  return file.isOn(wake_ini::kPowerEveryDay);
}

std::optional<bool> StartupPowerCheck::datedDecision(const CivilDate& today) {
  const auto lines = loadPowerOnDateLines(files_);
  if (!lines) return std::nullopt;
  for (const std::string& line : *lines) {
    const PowerOnDateEntry entry = splitPowerOnDateLine(line);
    const auto date = readPowerOnDate(entry.date);
    if (!date) throw OperationError(invalidDateMessage(entry.date));
    if (*date == today) return isPowerOnStatus(entry.status);
  }
  return std::nullopt;
}

void StartupPowerCheck::switchOff() {
  request_.CountdownNote = kNoPowerOnToday;
  request_.PendingPowerAction = kShutdownRequest;
  CountdownForm countdown(ui_, clock_, actions_, request_);
  ui_.showModal(countdown);
}

}  // namespace orvane
