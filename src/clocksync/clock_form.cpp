#include "clocksync/clock_form.h"

#include <sstream>

#include "clocksync/local_clock.h"
#include "clocksync/time_client.h"
#include "common/errors.h"
#include "common/gbk.h"
#include "common/log_text.h"
#include "storage/settings_keys.h"

namespace orvane {

namespace {
constexpr std::int64_t kOneSecondMs = 1000;
constexpr std::int64_t kMillisecondsPerMinute = 60'000;
const char* const kNetworkDown = "网络不通，请稍后再试！";
const char* const kNoServerTime = "原子钟服务器时间错误！校正失败！";
const std::string kScriptServer = "server ";
}  // namespace

std::string clockWindowText(DateTime value) { return formatDate(value.date()) + "   " + formatTime(value.time()); }

ClockForm::~ClockForm() { ui().stopTimer(*this, Timer1); }

std::string ClockForm::describe() const {
  return "server=" + quotedGbk(ComboBox1) + " auto=" + std::string(CheckBox1 ? "1" : "0");
}

void ClockForm::showModally() {
  FormShow();
  ui().showModal(*this);
  ui().stopTimer(*this, Timer1);
}

void ClockForm::FormShow() {
  IniSettings settings = wakeSettings(platform_.files);
  pcTime_ = platform_.clock.localNow();
  CheckBox1 = settings.isOn(wake_ini::kClockAutoSync);
  ComboBox1 = settings.read(wake_ini::kClockServer);
  changed();
  ui().startTimer(*this, Timer1, kTimer1IntervalMs);
}

void ClockForm::timerFired(int timerId) {
  if (timerId == Timer1) Timer1Timer();
}

void ClockForm::Timer1Timer() {
  serverTime_ = serverTime_.addMilliseconds(kOneSecondMs);
  pcTime_ = pcTime_.addMilliseconds(kOneSecondMs);
  if (serverTimeText != kNotAvailable) serverTimeText = clockWindowText(serverTime_);
  localTimeText = clockWindowText(pcTime_);
  changed();
}

void ClockForm::Button1Click() {
  const DateTime utc = fetchUtcTime(platform_.sockets, platform_.clock, ComboBox1);
  serverTime_ = utc.addMilliseconds(localOffsetMinutes(platform_.clock) * kMillisecondsPerMinute);
  pcTime_ = platform_.clock.localNow();
  fetchedHere_ = isPlausibleServerTime(serverTime_);
  if (fetchedHere_) {
    serverTimeText = clockWindowText(serverTime_);
    changed();
    wakeSettings(platform_.files).write(wake_ini::kClockServer, ComboBox1);
    return;
  }
  ui().showMessage(kNetworkDown, MessageButtons::Ok);
  serverTimeText = kNotAvailable;
  changed();
}

void ClockForm::Button2Click() {
  if (!fetchedHere_ || !isPlausibleServerTime(serverTime_)) {
    ui().showMessage(kNoServerTime, MessageButtons::Ok);
    return;
  }
  // Whether the clock could be set is not reported: the window closes.
  setLocalClock(platform_.system, platform_.power, platform_.clock, serverTime_.addMilliseconds(kOneSecondMs));
  close(kResultOk);
}

void ClockForm::CheckBox1Click() { wakeSettings(platform_.files).writeFlag(wake_ini::kClockAutoSync, CheckBox1); }

void ClockForm::answerScripted(const std::string& answer) {
  std::string steps = answer;
  if (steps.compare(0, kScriptServer.size(), kScriptServer) == 0) {
    const auto space = steps.find(' ', kScriptServer.size());
    if (space == std::string::npos) {
      closeBox();
      return;
    }
    ComboBox1 = utf8ToGbk(steps.substr(kScriptServer.size(), space - kScriptServer.size()));
    steps = steps.substr(space + 1);
  }
  std::istringstream each(steps);
  std::string step;
  try {
    while (isOpen() && std::getline(each, step, '+')) {
      if (!runScriptStep(step)) break;
    }
  } catch (const OperationError& error) {
    ui().showError(error.what());
  }
  if (isOpen()) closeBox();
}

bool ClockForm::runScriptStep(const std::string& step) {
  if (step == "fetch") {
    Button1Click();
  } else if (step == "correct") {
    Button2Click();
  } else {
    return false;
  }
  return true;
}

}  // namespace orvane
