#include "power/countdown_form.h"

#include <algorithm>

#include "power/elapsed_seconds.h"

namespace orvane {

namespace {
const char* const kDefaultNote = "这是一个指定任务。";
const char* const kShutdownRest = "秒之后关闭...";
const char* const kRebootRest = "秒之后重启...";
const char* const kShutdownButton = "关闭";
const char* const kRebootButton = "重启";
}  // namespace

CountdownForm::CountdownForm(Ui& ui, ClockApi& clock, PowerActions& actions, const CountdownRequest& request)
    : Form(ui),
      clock_(clock),
      actions_(actions),
      request_(request),
      createdAtTick_(clock.tickCount()),
      label2_(request.isReboot() ? kRebootRest : kShutdownRest),
      label4_(request.CountdownNote.empty() ? kDefaultNote : request.CountdownNote),
      button2_(request.isReboot() ? kRebootButton : kShutdownButton) {
  ui.startTimer(*this, Timer1, kTimer1IntervalMs);
}

CountdownForm::~CountdownForm() { ui().stopTimer(*this, Timer1); }

std::string CountdownForm::describe() const { return "button2=\"" + button2_ + "\" label4=\"" + label4_ + "\""; }

void CountdownForm::answerScripted(const std::string& answer) {
  if (answer == button2_) {
    Button2Click();
  } else {
    closeBox();
  }
}

void CountdownForm::timerFired(int timerId) {
  if (timerId == Timer1) Timer1Timer();
}

void CountdownForm::Timer1Timer() {
  const std::int64_t seconds = countedSeconds(elapsedMilliseconds(clock_, createdAtTick_));
  const int elapsed = static_cast<int>(std::min<std::int64_t>(seconds, kSeconds));
  secondsLeft_ = kSeconds - elapsed;
  progress_ = elapsed * kProgressPerSecond;
  if (progress_ == kProgressMaximum) {
    stopCounting();
    act();
  }
  changed();
}

void CountdownForm::Button2Click() {
  stopCounting();
  act();
}

void CountdownForm::BitBtn1Click() {
  stopCounting();
  close(kResultCancel);
}

void CountdownForm::stopCounting() {
  counting_ = false;
  ui().stopTimer(*this, Timer1);
}

void CountdownForm::act() {
  if (request_.isReboot()) {
    actions_.RebootSystem();
  } else {
    actions_.PowerOffSystem();
  }
}

}  // namespace orvane
