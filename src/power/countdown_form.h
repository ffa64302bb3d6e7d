#pragma once
// The shutdown countdown (window class "TForm4"): a small always-on-top
// dialog that counts 60 seconds down with a progress bar and then powers the
// computer off or restarts it, unless the user cancels; "关闭"/"重启" acts at
// once. Its texts follow the request at creation; the action follows the
// request at the moment of the tick or the click. Texts are UTF-8.
//
// The seconds are measured by the tick count since creation, not counted in
// ticks (see elapsed_seconds.h), so the action comes 60 seconds after the
// dialog appeared, as it says.

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/form.h"
#include "power/countdown_request.h"
#include "power/power_actions.h"

namespace orvane {

class CountdownForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm4";
  static constexpr int Timer1 = 1;
  static constexpr int kTimer1IntervalMs = 1000;
  static constexpr int kSeconds = 60;
  // The progress bar runs from 0 to 600, 10 units a second.
  static constexpr int kProgressMaximum = 600;
  static constexpr int kProgressPerSecond = 10;

  // Creation: the texts are chosen and Timer1 starts.
  CountdownForm(Ui& ui, ClockApi& clock, PowerActions& actions, const CountdownRequest& request);
  ~CountdownForm() override;

  const char* windowClass() const override { return kWindowClass; }
  std::string describe() const override;
  // Esc and the system menu's close cancel.
  void closeBox() override { BitBtn1Click(); }
  // The caption of Button2 ("关闭" or "重启") presses it; anything else cancels.
  void answerScripted(const std::string& answer) override;
  // Unanswered, the countdown runs to its end.
  void answerByDefault() override {}
  void timerFired(int timerId) override;

  std::string Label1() const { return std::to_string(secondsLeft_); }
  const std::string& Label2() const { return label2_; }
  const std::string& Label4() const { return label4_; }
  const std::string& Button2() const { return button2_; }
  int progressPosition() const { return progress_; }
  bool counting() const { return counting_; }

  void Timer1Timer();
  // "关闭"/"重启": acts at once; the dialog stays open.
  void Button2Click();
  // "取消": stops the count and closes; the request keeps its values.
  void BitBtn1Click();

 private:
  void stopCounting();
  void act();

  ClockApi& clock_;
  PowerActions& actions_;
  const CountdownRequest& request_;
  std::uint32_t createdAtTick_;
  std::string label2_;
  std::string label4_;
  std::string button2_;
  int secondsLeft_ = kSeconds;
  int progress_ = 0;
  bool counting_ = true;
};

}  // namespace orvane
