#include "wakeup/power_on_wizard_form.h"

#include <climits>
#include <optional>

#include "common/errors.h"
#include "common/gbk.h"
#include "dailypower/daily_shutdown.h"
#include "power/countdown_request.h"
#include "storage/settings_keys.h"
#include "wakeup/power_on_alarm_api.h"

namespace orvane {

namespace {

constexpr const char* kNoTest = "0";
constexpr const char* kTestWithRestart = "1";
constexpr const char* kTestWithPowerOff = "2";
constexpr const char* kTestRestartNote = "测试中...请重新启动（不是关闭）计算机。";
constexpr const char* kHelpFileName = "\\help.chm";
constexpr const char* kHelpTopic = "power.html";

// The board profile whose test powers the computer off at once, and the
// profile the wizard assumes without a stored one.
constexpr int kPowerOffTestProfile = 89;
constexpr SettingKey kProfile{wake_ini::kBoardRegisters[0].section, wake_ini::kBoardRegisters[0].key, "127"};

constexpr int kTestMinutesAhead = 10;
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

// The power-on time as the lists show it: empty when a key is missing.
constexpr TimeKeys kShownTimeKeys{{
    {wake_ini::kPowerOnHour.section, wake_ini::kPowerOnHour.key, ""},
    {wake_ini::kPowerOnMinute.section, wake_ini::kPowerOnMinute.key, ""},
    {wake_ini::kPowerOnSecond.section, wake_ini::kPowerOnSecond.key, ""},
}};
constexpr TimeKeys kTestTimeKeys{wake_ini::kTestRunHour, wake_ini::kTestRunMinute, wake_ini::kTestRunSecond};

constexpr std::string_view kScriptAutomatic = "auto";
constexpr std::string_view kScriptTest = "auto-test";
constexpr std::string_view kScriptManual = "manual";

// The error that refuses a list text.
OperationError refusedText(const std::string& text, int limit) {
  const std::string shown = "'" + gbkToUtf8(text) + "'";
  if (!wholeNumberUpTo(text, INT_MAX)) return OperationError(shown + " is not a valid integer value");
  return OperationError(shown + " is not between 0 and " + std::to_string(limit));
}

// Hour, minute and second of the lists, or nothing when a list is empty.
// A text that is not a whole number of its range is refused; they are read
// second first, so the second's error shows when more than one is bad.
std::optional<std::array<int, 3>> alarmTime(const TimeFields& texts) {
  std::array<int, 3> values{};
  bool anyEmpty = false;
  for (std::size_t index = texts.size(); index-- > 0;) {
    if (texts[index].empty()) {
      anyEmpty = true;
      continue;
    }
    const auto value = wholeNumberUpTo(texts[index], kTimeFieldLimits[index]);
    if (!value) throw refusedText(texts[index], kTimeFieldLimits[index]);
    values[index] = *value;
  }
  if (anyEmpty) return std::nullopt;
  return values;
}

// "HH:MM:SS" of a scripted answer, typed into the three lists as given.
TimeFields typedTime(std::string_view text) {
  TimeFields fields;
  for (std::string& field : fields) {
    const std::size_t colon = text.find(':');
    field = utf8ToGbk(text.substr(0, colon));
    text = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
  }
  return fields;
}

}  // namespace

PowerOnWizardForm::PowerOnWizardForm(Ui& ui, Platform& platform, CountdownRequest& request, PowerOnAlarmApi& alarm)
    : Form(ui), platform_(platform), request_(request), alarm_(alarm) {
  automaticTime = storedTime();
  manualTime = automaticTime;
}

std::string PowerOnWizardForm::describe() const { return "page=" + std::to_string(static_cast<int>(page_)); }

void PowerOnWizardForm::showPage(WizardPage page) {
  page_ = page;
  ui().trace("page TForm1 " + std::to_string(static_cast<int>(page)));
  changed();
}

TimeFields PowerOnWizardForm::storedTime() const {
  return readTimeFields(wakeSettings(platform_.files), kShownTimeKeys);
}

void PowerOnWizardForm::suiButton7Click() {
  if (!RadioButton1) {
    showPage(WizardPage::ManualTime);
  } else if (wakeSettings(platform_.files).read(wake_ini::kBoardRegisters[0]).empty()) {
    showPage(WizardPage::Unsupported);
  } else {
    showPage(WizardPage::AutomaticTime);
  }
}

void PowerOnWizardForm::CheckBox1Click() {
  if (!CheckBox1) {
    testFlag_ = kNoTest;
    automaticTime = storedTime();
    changed();
    return;
  }
  const auto profile = wholeNumberUpTo(wakeSettings(platform_.files).read(kProfile), INT_MAX);
  testFlag_ = profile == kPowerOffTestProfile ? kTestWithPowerOff : kTestWithRestart;
  // Ten minutes from now, the hour wrapping to 0 after 23.
  const TimeOfDay now = platform_.clock.localNow().time();
  int hour = now.hour;
  int minute = now.minute + kTestMinutesAhead;
  if (minute >= kMinutesPerHour) {
    hour += 1;
    minute -= kMinutesPerHour;
  }
  if (hour == kHoursPerDay) hour = 0;
  automaticTime = {std::to_string(hour), std::to_string(minute), std::to_string(now.second)};
  changed();
}

void PowerOnWizardForm::suiButton6Click() {
  // Checked before anything is written, so "\wake.ini" never names a time
  // that the CMOS did not get.
  const auto time = alarmTime(automaticTime);
  IniSettings file = wakeSettings(platform_.files);
  if (testFlag_ != kNoTest) {
    request_.CountdownNote = kTestRestartNote;
    file.write(wake_ini::kTestRunState, testFlag_);
    writeTimeFields(file, kTestTimeKeys, automaticTime);
  } else {
    file.write(wake_ini::kTestRunState, kNoTest);
  }
  writeTimeFields(file, kShownTimeKeys, automaticTime);
  if (!time || *time == std::array<int, 3>{0, 0, 0}) {
    alarm_.ClearPowerOnAlarm();
  } else {
    alarm_.SetPowerOnAlarm((*time)[0], (*time)[1]);
  }
  close(kResultOk);
}

void PowerOnWizardForm::suiButton4Click() {
  IniSettings file = wakeSettings(platform_.files);
  writeTimeFields(file, kShownTimeKeys, manualTime);
  platform_.shell.showHelpTopic(platform_.files.programDirectoryText() + kHelpFileName, kHelpTopic);
  close(kResultOk);
}

void PowerOnWizardForm::answerScripted(const std::string& answer) {
  const std::string_view text = answer;
  const std::size_t blank = text.find(' ');
  const std::string_view verb = text.substr(0, blank);
  const std::string_view time = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
  if (verb != kScriptAutomatic && verb != kScriptTest && verb != kScriptManual) {
    BitBtn1Click();
    return;
  }
  RadioButton1 = verb != kScriptManual;
  changed();
  suiButton7Click();
  try {
    if (page_ == WizardPage::ManualTime) {
      manualTime = typedTime(time);
      suiButton4Click();
    } else if (page_ == WizardPage::AutomaticTime) {
      CheckBox1 = verb == kScriptTest;
      if (CheckBox1) {
        CheckBox1Click();
      } else {
        automaticTime = typedTime(time);
      }
      suiButton6Click();
    }
  } catch (const OperationError& error) {
    ui().showError(error.what());
  }
  if (isOpen()) closeBox();
}

}  // namespace orvane
