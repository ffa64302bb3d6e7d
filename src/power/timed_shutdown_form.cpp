#include "power/timed_shutdown_form.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "common/errors.h"
#include "common/gbk.h"
#include "power/elapsed_seconds.h"

namespace orvane {

namespace {
// Timers of the armed shutdown: the once-a-second tick, and in the minutes
// mode a one-shot that meets the due moment when it comes between two ticks.
constexpr int Timer1 = 1;
constexpr int kDueTimer = 2;
// The window's own timer: the pause after "确定".
constexpr int kClosingTimer = 3;

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesAhead = 30;  // the time field's proposal when showing

const char* const kNotArmedAtStart = "定时关机未启用。";
const char* const kArmed = "定时关机已启用！";
const char* const kDisarmed = "定时关机未启用！";

const std::string_view kScriptAt = "at ";
const std::string_view kScriptMinutes = "minutes ";
const std::string_view kScriptOff = "off";

// A whole number as the minutes field takes it: blanks around it, an
// optional sign, decimal digits, within the range of a 32-bit integer.
std::optional<int> wholeNumber(std::string_view text) {
  text = trimBlanks(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool sameSecondOfDay(const TimeOfDay& a, const TimeOfDay& b) {
  return a.hour == b.hour && a.minute == b.minute && a.second == b.second;
}
}  // namespace

TimedShutdownForm::TimedShutdownForm(Ui& ui, ClockApi& clock, PowerActions& actions, CountdownRequest& request)
    : Form(ui), clock_(clock), actions_(actions), request_(request), status_(kNotArmedAtStart) {}

TimedShutdownForm::~TimedShutdownForm() {
  ui().stopTimer(armedTimers_, Timer1);
  ui().stopTimer(armedTimers_, kDueTimer);
  ui().stopTimer(*this, kClosingTimer);
}

void TimedShutdownForm::ArmedTimers::timerFired(int timerId) {
  if (timerId == kDueTimer) form_.ui().stopTimer(*this, kDueTimer);
  form_.Timer1Timer();
}

void TimedShutdownForm::timerFired(int timerId) {
  if (timerId != kClosingTimer) return;
  ui().stopTimer(*this, kClosingTimer);
  close(kResultOk);
}

void TimedShutdownForm::showModally() {
  if (isOpen()) return;
  FormShow();
  ui().showModal(*this);
}

void TimedShutdownForm::FormShow() {
  if (armed_) {
    RadioButton1 = atTime_;
  } else {
    DateTimePicker1 =
        clock_.localNow().addMilliseconds(kMinutesAhead * kSecondsPerMinute * kMillisecondsPerSecond).time();
    DateTimePicker1.millisecond = 0;
    CheckBox1 = false;
  }
  changed();
}

void TimedShutdownForm::suiButton1Click() {
  if (CheckBox1) {
    // The field is checked before anything is taken over, so a bad value
    // leaves an armed shutdown exactly as it was.
    std::optional<int> minutes;
    if (!RadioButton1) {
      minutes = wholeNumber(suiEdit1);
      if (!minutes) throw OperationError("'" + gbkToUtf8(suiEdit1) + "' is not a valid integer value");
    }
    atTime_ = RadioButton1;
    target_ = DateTimePicker1;
    target_.millisecond = 0;
    if (minutes) seconds_ = std::int64_t{*minutes} * kSecondsPerMinute;
    elapsed_ = 0;
    arm();
    tell(kArmed);
  } else {
    disarm();
    tell(kDisarmed);
  }
  ui().startTimer(*this, kClosingTimer, kClosingPauseMs);
}

void TimedShutdownForm::tell(const char* text) {
  status_ = text;
  changed();
  ui().showMessage(text, MessageButtons::Ok);
}

void TimedShutdownForm::arm() {
  armed_ = true;
  armedAtTick_ = clock_.tickCount();
  // The seconds up to the arming count as examined: the first tick goes on
  // from the next one.
  examined_ = SecondCatchUp();
  examined_.forEachNewSecond(wholeSecondsOf(clock_.localNow()), [](std::int64_t) {});
  ui().stopTimer(armedTimers_, kDueTimer);
  ui().startTimer(armedTimers_, Timer1, kTimer1IntervalMs);
}

void TimedShutdownForm::disarm() {
  armed_ = false;
  ui().stopTimer(armedTimers_, Timer1);
  ui().stopTimer(armedTimers_, kDueTimer);
}

void TimedShutdownForm::Timer1Timer() {
  if (!armed_) return;
  if (atTime_) {
    clockTimeTick();
  } else {
    minutesTick();
  }
  changed();
}

// Every second of the clock since the previous tick is compared with the
// target, as the task tick does, so a late tick does not skip the target
// second to the next day.
void TimedShutdownForm::clockTimeTick() {
  status_ = "计算机将在 " + formatTime(target_) + " 关闭！";
  examined_.forEachNewSecond(wholeSecondsOf(clock_.localNow()), [this](std::int64_t second) {
    if (armed_ && sameSecondOfDay(fromWholeSeconds(second).time(), target_)) FireTimedShutdown();
  });
}

// The seconds since "确定" are measured by the tick count, not counted in
// ticks that each come a little late: the shutdown is due N minutes and one
// second after "确定" (the tick after N * 60 ticks of an exact timer).
void TimedShutdownForm::minutesTick() {
  const std::uint32_t elapsedMs = elapsedMilliseconds(clock_, armedAtTick_);
  const std::int64_t counted = countedSeconds(elapsedMs);
  if (counted > seconds_) {
    elapsed_ = seconds_;
    FireTimedShutdown();
  } else {
    elapsed_ = counted;
    // Within two ticks of the due moment a one-shot meets it exactly, however
    // late the ticks come.
    const std::int64_t remainingMs = (seconds_ + 1) * kMillisecondsPerSecond - elapsedMs;
    if (remainingMs < 2 * kTimer1IntervalMs) {
      ui().startTimer(armedTimers_, kDueTimer, static_cast<int>(remainingMs));
    }
  }
  status_ =
      "计算机将在 " + std::to_string((seconds_ - elapsed_ + kSecondsPerMinute) / kSecondsPerMinute) + " 分钟之后关闭！";
}

void TimedShutdownForm::FireTimedShutdown() {
  disarm();
  CheckBox1 = false;
  request_.PendingPowerAction = kShutdownRequest;
  // Countdowns closed with "取消" are gone; those that acted stay on screen.
  countdowns_.erase(std::remove_if(countdowns_.begin(), countdowns_.end(),
                                   [](const auto& countdown) { return !countdown->form.isOpen(); }),
                    countdowns_.end());
  countdowns_.push_back(std::make_unique<OpenCountdown>(ui(), clock_, actions_, request_));
  changed();
  ui().showModeless(countdowns_.back()->form);
}

void TimedShutdownForm::answerScripted(const std::string& answer) {
  if (!fillFromScript(answer)) {
    closeBox();
    return;
  }
  try {
    suiButton1Click();
  } catch (const OperationError& error) {
    ui().showError(error.what());
    closeBox();
  }
}

bool TimedShutdownForm::fillFromScript(const std::string& answer) {
  const std::string_view text = answer;
  if (text == kScriptOff) {
    CheckBox1 = false;
    return true;
  }
  if (startsWith(text, kScriptMinutes)) {
    CheckBox1 = true;
    RadioButton1 = false;
    suiEdit1 = utf8ToGbk(text.substr(kScriptMinutes.size()));
    return true;
  }
  if (!startsWith(text, kScriptAt)) return false;
  const auto time = parseTime(text.substr(kScriptAt.size()));
  if (!time) return false;
  CheckBox1 = true;
  RadioButton1 = true;
  DateTimePicker1 = *time;
  return true;
}

}  // namespace orvane
