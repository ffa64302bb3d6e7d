#include "wakeup/power_on_test_run.h"

#include <climits>

#include "dailypower/daily_shutdown.h"
#include "platform/ui.h"
#include "power/power_system.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {
constexpr int kDueMinutes = 10;
constexpr int kPassedMinutes = 15;
constexpr int kMinutesPerHour = 60;
constexpr const char* kTestOver = "测试结束。你想现在就进行正常设置吗？";
constexpr const char* kTestStepNote = "测试中...这是测试的一个步骤。";
}  // namespace

bool testRunDue(int testHour, int testMinute, const TimeOfDay& now) {
  if (testHour == now.hour) return testMinute - now.minute < kDueMinutes;
  return testHour == now.hour + 1 && testMinute + kMinutesPerHour - now.minute < kDueMinutes;
}

bool testRunPassed(int testHour, int testMinute, const TimeOfDay& now) {
  if (testHour == now.hour) return now.minute - testMinute < kPassedMinutes && testMinute < now.minute;
  return testHour == now.hour - 1 && now.minute + kMinutesPerHour - testMinute < kPassedMinutes;
}

PowerOnTestRun::PowerOnTestRun(Platform& platform, Ui& ui, PowerSystem& power, std::function<void()> openWizard)
    : platform_(platform), ui_(ui), power_(power), openWizard_(std::move(openWizard)) {}

bool PowerOnTestRun::continueTestRun() {
  IniSettings file = wakeSettings(platform_.files);
  const std::string state = file.read(wake_ini::kTestRunState);
  // A time that does not read matches neither condition: the test is dropped.
  const auto hour = wholeNumberUpTo(file.read(wake_ini::kTestRunHour), INT_MAX);
  const auto minute = wholeNumberUpTo(file.read(wake_ini::kTestRunMinute), INT_MAX);
  if (!hour || !minute) return false;
  const TimeOfDay now = platform_.clock.localNow().time();
  if (state == "2" && testRunPassed(*hour, *minute, now)) {
    file.write(wake_ini::kTestRunState, "0");
    if (ui_.showMessage(kTestOver, MessageButtons::OkCancel) == MessageAnswer::Ok) openWizard_();
    return true;
  }
  if (state == "1" && testRunDue(*hour, *minute, now)) {
    file.write(wake_ini::kTestRunState, "2");
    power_.countdownRequest().CountdownNote = kTestStepNote;
    power_.countdownRequest().PendingPowerAction = kShutdownRequest;
    power_.showCountdown();
    return true;
  }
  return false;
}

}  // namespace orvane
