#pragma once
// The main window (window class "TForm3"): it owns the program's state and
// its timers, which drive the whole system on the GUI thread. Its handlers
// hand the work to the subsystems.

#include <array>

#include "app/menu.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace orvane {

// The main window's timers, by their resource names.
enum MainTimer : int { Timer1 = 1, Timer2 = 2, Timer3 = 3, Timer5 = 5, Timer6 = 6, Timer7 = 7, Timer9 = 9 };

struct MainTimerSpec {
  MainTimer id;
  int intervalMs;
  bool enabledAtStart;
};

// Timer1: start-up power check (one-shot); Timer2: task tick and daily
// shutdown; Timer3: start-up service stop and clock synchronisation
// (one-shot); Timer5: rebuild checks and working-set trimming; Timer6: the
// reminder window (one-shot); Timer7: back to the tray after a cancelled
// password prompt (one-shot); Timer9: the shutdown countdown (one-shot).
inline constexpr std::array<MainTimerSpec, 7> kMainTimers{{
    {Timer1, 1000, true},
    {Timer2, 1000, true},
    {Timer3, 29000, true},
    {Timer5, 30000, true},
    {Timer6, 1, false},
    {Timer7, 100, false},
    {Timer9, 1000, false},
}};

class MainForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm3";

  MainForm(Platform& platform, Ui& ui);

  const char* windowClass() const override { return kWindowClass; }
  void timerFired(int timerId) override;
  // The close box: the main window is never closed by it (later the close
  // question decides between the tray and the end of the program).
  void closeBox() override {}

  // The creation handler: starts the timers that run from the start.
  void FormCreate();

  void startTimer(MainTimer timer);
  void stopTimer(MainTimer timer);

  // Shown on screen, or hidden in the notification area.
  bool shown() const { return shown_; }
  void showFromTray();
  void hideToTray();

  // "退出(&X)": the message loop ends at once, without a question.
  void exitProgram();

  Menu& menuBar() { return menuBar_; }
  Menu& trayMenu() { return trayMenu_; }

 private:
  void buildMenus();
  void Timer1Timer();
  void Timer3Timer();

  Platform& platform_;
  Menu menuBar_;
  Menu trayMenu_;
  bool shown_ = false;
};

}  // namespace orvane
