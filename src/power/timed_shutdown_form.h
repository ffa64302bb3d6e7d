#pragma once
// The one-off timed shutdown (window class "TForm10", "定时关机"): switches
// the computer off once, at a clock time or after a number of minutes,
// without a task. The window is made at start and lives for the whole run;
// its timer outlives the window's closing, so an armed shutdown keeps
// running while the window is closed. When it falls due, a countdown
// ("TForm4") opens beside the other windows and counts down to a power-off.
// Nothing of it is stored. Texts are UTF-8; the minutes field is GBK.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/date_time.h"
#include "common/second_catch_up.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "power/countdown_form.h"
#include "power/countdown_request.h"
#include "power/power_actions.h"

namespace orvane {

class TimedShutdownForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm10";
  static constexpr int kTimer1IntervalMs = 1000;
  // After "确定" the window keeps handling messages this long, then closes.
  static constexpr int kClosingPauseMs = 1000;

  TimedShutdownForm(Ui& ui, ClockApi& clock, PowerActions& actions, CountdownRequest& request);
  ~TimedShutdownForm() override;

  const char* windowClass() const override { return kWindowClass; }
  // "at HH:MM:SS", "minutes N" (N as typed) or "off": the controls are
  // filled that way and "确定" is pressed; a value that "确定" refuses is
  // reported and the close box follows. Anything else presses the close box.
  void answerScripted(const std::string& answer) override;
  void timerFired(int timerId) override;

  // The main window's and the tray's "定时关机" (Autoshutdown1Click): shows
  // the window modally; while it is open already, nothing happens.
  void showModally();

  // The controls.
  bool CheckBox1 = false;
  bool RadioButton1 = true;  // "指定时间："; unset, RadioButton2 "计时：" is chosen
  TimeOfDay DateTimePicker1;
  std::string suiEdit1 = "30";
  const std::string& StatusBar1() const { return status_; }

  bool armed() const { return armed_; }
  bool TimedShutdownAtTime() const { return atTime_; }
  TimeOfDay TimedShutdownTarget() const { return target_; }
  std::int64_t TimedShutdownSeconds() const { return seconds_; }
  std::int64_t TimedShutdownElapsed() const { return elapsed_; }

  void FormShow();
  // "确定": arms from the controls (CheckBox1 ticked) or disarms, tells the
  // user, and closes the window after the pause. A minutes field without a
  // whole number ends it with OperationError before anything changes.
  void suiButton1Click();
  void Timer1Timer();
  void FireTimedShutdown();

 private:
  // The armed shutdown's timers, kept apart from the window's own so that
  // closing the window does not stop them.
  class ArmedTimers : public TimerOwner {
   public:
    explicit ArmedTimers(TimedShutdownForm& form) : form_(form) {}
    void timerFired(int timerId) override;

   private:
    TimedShutdownForm& form_;
  };
  // A countdown opened here, with its own copy of the request, so that it
  // powers off whatever a later requester puts into the program-wide one.
  struct OpenCountdown {
    OpenCountdown(Ui& ui, ClockApi& clock, PowerActions& actions, const CountdownRequest& current)
        : request(current), form(ui, clock, actions, request) {}
    CountdownRequest request;
    CountdownForm form;
  };

  void arm();
  void disarm();
  void clockTimeTick();
  void minutesTick();
  bool fillFromScript(const std::string& answer);
  void tell(const char* text);

  ClockApi& clock_;
  PowerActions& actions_;
  CountdownRequest& request_;
  ArmedTimers armedTimers_{*this};
  std::vector<std::unique_ptr<OpenCountdown>> countdowns_;
  std::string status_;
  bool armed_ = false;
  bool atTime_ = true;
  TimeOfDay target_;
  std::int64_t seconds_ = 0;
  std::int64_t elapsed_ = 0;
  // Minutes mode: the tick count at "确定"; clock-time mode: the seconds of
  // the clock examined so far.
  std::uint32_t armedAtTick_ = 0;
  SecondCatchUp examined_;
};

}  // namespace orvane
