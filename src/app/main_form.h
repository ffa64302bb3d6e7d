#pragma once
// The main window (window class "TForm3"): it owns the program's state and
// its timers, which drive the whole system on the GUI thread. Its handlers
// hand the work to the subsystems.

#include <array>

#include "app/advanced_page.h"
#include "app/password_gate.h"
#include "dailypower/daily_schedule.h"
#include "dailypower/daily_shutdown.h"
#include "dailypower/power_on_dates.h"
#include "dailypower/startup_power_check.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/platform.h"
#include "power/countdown_request.h"
#include "power/power_actions.h"
#include "power/timed_shutdown_form.h"
#include "scheduler/auto_dial.h"
#include "scheduler/reminders.h"
#include "scheduler/task_commands.h"
#include "scheduler/task_dispatcher.h"
#include "scheduler/task_page.h"
#include "scheduler/task_scheduler.h"

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

// The tabs of the main window. Showing "    开机设定    " shows its "确定"
// and hides the "OK" of "    高级选项    "; showing "    高级选项    " the
// reverse; showing "    定时任务    " hides both.
enum class MainPage { PowerOn, Tasks, Advanced };

class MainForm : public Form, private TaskSchedulerHost, private DispatchHost {
 public:
  static constexpr const char* kWindowClass = "TForm3";

  MainForm(Platform& platform, Ui& ui);

  const char* windowClass() const override { return kWindowClass; }
  void timerFired(int timerId) override;
  // The close box: the main window is never closed by it (later the close
  // question decides between the tray and the end of the program).
  void closeBox() override {}

  // The creation handler: starts the timers that run from the start and
  // builds today's occurrence table.
  void FormCreate();

  // Reloads the task file and rebuilds the occurrence table and the visible
  // task list.
  void RebuildOccurrences();
  // The dispatcher's entry for a due row (from 1): rebuilds the table first,
  // so that the task moves on, then performs the actions of the rebuilt row.
  void dodo(int row) override;
  TaskScheduler& tasks() { return tasks_; }
  TaskPage& taskPage() { return taskPage_; }
  // The toolbar, popup menu and double-click of the task page.
  TaskCommands& taskCommands() { return taskCommands_; }
  // The task list's popup menu: "添加新任务", "编辑选定任务", "删除选定任务",
  // "清空列表".
  Menu& taskListMenu() { return taskListMenu_; }

  // The tab shown; "开机设定" at start.
  MainPage page() const { return page_; }
  void showPage(MainPage page);
  bool powerOnOkShown() const { return page_ == MainPage::PowerOn; }
  bool advancedOkShown() const { return page_ == MainPage::Advanced; }

  void startTimer(MainTimer timer);
  void stopTimer(MainTimer timer);

  // Shown on screen, or hidden in the notification area.
  bool shown() const { return shown_; }
  void showFromTray();
  void hideToTray();

  // "退出(&X)": the message loop ends at once, without a question.
  void exitProgram();

  // "OK" on "高级选项" and "确定" on "开机设定": the options save, in its
  // order; a refused write throws OperationError and ends it at that step.
  void saveOptions();
  AdvancedPage& advancedPage() { return advancedPage_; }
  PasswordGate& passwordGate() { return passwordGate_; }

  // "    开机设定    ": the weekly plan and times, the dated power-on list, and
  // the check after start.
  DailySchedule& dailySchedule() { return dailySchedule_; }
  PowerOnDates& powerOnDates() { return powerOnDates_; }
  StartupPowerCheck& startupPowerCheck() { return startupPowerCheck_; }

  Menu& menuBar() { return menuBar_; }
  Menu& trayMenu() { return trayMenu_; }

  PowerActions& powerActions() { return powerActions_; }
  // What the next shutdown countdown does: set it, then start Timer9.
  CountdownRequest& countdownRequest() { return countdownRequest_; }
  // The reminders waiting for Timer6 and the cascade of their windows.
  Reminders& reminders() { return reminders_; }
  // Set by the dial-up window: whether to dial before a web address opens.
  AutoDial& autoDial() { return autoDial_; }
  // The one-off timed shutdown window, made at start, living for the run.
  TimedShutdownForm& timedShutdown() { return timedShutdown_; }

 private:
  void stopTaskTick() override { stopTimer(Timer2); }
  void startTaskTick() override { startTimer(Timer2); }
  void occurrencesRebuilt() override { changed(); }
  void startReminderTimer() override { startTimer(Timer6); }
  void startCountdownTimer() override { startTimer(Timer9); }
  void buildMenus();
  std::vector<MenuItem> powerEntries();
  void buildTaskListMenu();
  // The tray's "添加新任务": the password prompt when the settings need the
  // password; unless it was cancelled, the editor for a new task.
  void eeClick();
  // The tray's "定时任务列表": the main window on its task page.
  void Showalarmlist1Click();
  // "工具(&T)/定时关机" and the tray's "定时关机": the timed shutdown, modal.
  void Autoshutdown1Click() { timedShutdown_.showModally(); }
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer5Timer();
  void Timer6Timer();
  void Timer7Timer();
  void Timer9Timer();
  // The second half of Timer2: the daily shutdown.
  void DailyShutdownCheck();
  // Start-up steps of the settings: the start-with-Windows migration and
  // state and the auto-logon state; then, after the task file, the lock file.
  void loadStartupOptions();
  void loadLockFile();
  // The tray entry "随系统启动".
  MenuItem& trayStartWithWindows();
  void startWithWindowsTrayClicked();

  Platform& platform_;
  Menu menuBar_;
  Menu trayMenu_;
  Menu taskListMenu_;
  PowerActions powerActions_;
  CountdownRequest countdownRequest_;
  TimedShutdownForm timedShutdown_{ui(), platform_.clock, powerActions_, countdownRequest_};
  TaskScheduler tasks_;
  Reminders reminders_;
  AutoDial autoDial_;
  TaskDispatcher dispatcher_{platform_, powerActions_, countdownRequest_, reminders_, autoDial_, *this};
  TaskPage taskPage_{tasks_.table()};
  TaskCommands taskCommands_{platform_.files, platform_.clock, ui(), tasks_, taskPage_};
  bool shown_ = false;
  MainPage page_ = MainPage::PowerOn;
  AdvancedPage advancedPage_{platform_, ui(), *this};
  PasswordGate passwordGate_{ui(), platform_.files};
  DailySchedule dailySchedule_{platform_.files};
  DailyShutdown dailyShutdown_;
  PowerOnDates powerOnDates_{platform_.files, platform_.clock, ui()};
  StartupPowerCheck startupPowerCheck_{platform_.files, platform_.clock, ui(), powerActions_, countdownRequest_};
};

}  // namespace orvane
