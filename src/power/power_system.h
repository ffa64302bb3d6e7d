#pragma once
// The power control of the main window: the power actions, the request of
// the next shutdown countdown and the countdown window that the main
// window's Timer9 opens, and the one-off timed shutdown window, made at
// start and living for the run.

#include <vector>

#include "platform/main_window_part.h"
#include "platform/menu.h"
#include "platform/platform.h"
#include "power/countdown_form.h"
#include "power/countdown_request.h"
#include "power/power_actions.h"
#include "power/timed_shutdown_form.h"

namespace orvane {

class PowerSystem : public MainWindowPart {
 public:
  PowerSystem(Platform& platform, Ui& ui, MainTimers& timers);

  std::vector<MainTimer> timers() const override { return {Timer9}; }
  void timerFired(MainTimer timer) override;

  PowerActions& powerActions() { return actions_; }
  // What the next shutdown countdown does: set it, then requestCountdown().
  CountdownRequest& countdownRequest() { return request_; }
  // The countdown opens from the message loop about a second later (Timer9).
  void requestCountdown() {
    countdownRequested_ = true;
    timers_.startTimer(Timer9);
  }
  // A requested countdown has not opened yet or is still counting down (it
  // stops when it acts or is cancelled).
  bool countdownPending() const;
  // The countdown opens now, modally, and this returns when it has closed.
  void showCountdown();
  TimedShutdownForm& timedShutdown() { return timedShutdown_; }

  // The entries that act at once, without a countdown or a question: "关机",
  // "重启", "注销", "待机", "休眠", "锁定" (Shutoff1, Reboot1, Logoff1,
  // Standby1, Hibernate1, Lockcompute1/Locksystem2).
  std::vector<MenuItem> powerMenuEntries();
  // "工具(&T)/定时关机" and the tray's "定时关机": the timed shutdown, modal.
  void Autoshutdown1Click() { timedShutdown_.showModally(); }

 private:
  // A countdown requested through Timer9 opens one tick later, when the
  // requester has returned; it runs modally while the other timers go on.
  void Timer9Timer() { showCountdown(); }

  Platform& platform_;
  Ui& ui_;
  MainTimers& timers_;
  PowerActions actions_;
  CountdownRequest request_;
  TimedShutdownForm timedShutdown_{ui_, platform_.clock, actions_, request_};
  bool countdownRequested_ = false;
  const CountdownForm* countingDown_ = nullptr;  // while the countdown is open
};

}  // namespace orvane
