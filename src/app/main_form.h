#pragma once
// The main window (window class "TForm3"): it composes the program's
// subsystems, which own its timers by name (see platform/main_window_part.h),
// and keeps what is its own: the tabs, the menus, the tray life and the
// options of "高级选项".

#include "app/about_form.h"
#include "app/advanced_page.h"
#include "app/password_gate.h"
#include "app/startup_parts.h"
#include "app/startup_service.h"
#include "clocksync/clock_sync.h"
#include "dailypower/daily_power_system.h"
#include "dialup/dial_up_system.h"
#include "platform/form.h"
#include "platform/main_window_part.h"
#include "platform/menu.h"
#include "platform/platform.h"
#include "power/power_system.h"
#include "scheduler/task_system.h"
#include "wakeup/power_on_wizard.h"
#include "wakeup/wakeup_system.h"
#include "wakeup/wake_timer_system.h"

namespace orvane {

// The tabs of the main window. Showing "    开机设定    " shows its "确定"
// and hides the "OK" of "    高级选项    "; showing "    高级选项    " the
// reverse; showing "    定时任务    " hides both.
enum class MainPage { PowerOn, Tasks, Advanced };

class MainForm : public Form {
 public:
  static constexpr const char* kWindowClass = "TForm3";

  MainForm(Platform& platform, Ui& ui);

  // WinExec's command line of "电源管理选项" and the tray's "电源管理".
  static constexpr const char* kPowerOptionsCommand = "RunDLL32.exe Shell32.dll,Control_RunDLL PowerCfg.cpl";

  const char* windowClass() const override { return kWindowClass; }
  void timerFired(int timerId) override;
  // The close box (FormCloseQuery): the question "缩小到托盘图标吗？";
  // any answer but "确定" ends the program, and the window goes to the tray
  // in every case. While the session ends, the program ends without a
  // question.
  void closeBox() override;
  // The main window stays open through a scripted run.
  void answerByDefault() override {}
  // Windows asks whether the session may end: yes, at once, never asking.
  bool WMQueryEndSession();
  // A double click on the tray icon: the tray menu's default entry.
  void trayDoubleClicked();

  // The creation handler: the start-up options, then the timers that run
  // from the start and each subsystem's start-up step.
  void FormCreate();

  TaskSystem& tasks() { return tasks_; }
  PowerSystem& power() { return power_; }
  // "    开机设定    ": the weekly plan and times, the dated power-on list, and
  // the check after start.
  DailyPowerSystem& dailyPower() { return dailyPower_; }
  // The port driver, the CMOS and its power-on alarm.
  WakeupSystem& wakeup() { return wakeup_; }
  // The dial-up window "TRasDialerForm", made last at start.
  DialUpSystem& dialUp() { return dialUp_; }
  // The main window's timers, as the subsystems start and stop them.
  MainTimers& timers() { return parts_; }

  // The tab shown; "开机设定" at start.
  MainPage page() const { return page_; }
  void showPage(MainPage page);
  bool powerOnOkShown() const { return page_ == MainPage::PowerOn; }
  bool advancedOkShown() const { return page_ == MainPage::Advanced; }

  // Shown on screen, or hidden in the notification area.
  bool shown() const { return shown_; }
  void showFromTray();
  void hideToTray();

  // "退出(&X)": the message loop ends at once, without a question.
  void exitProgram();
  // "卸载本软件": the CMOS power-on alarm is cleared when one is set up
  // ("wake"/"et11" not empty), the uninstaller starts, the program ends.
  void uninstall();

  // "OK" on "高级选项" and "确定" on "开机设定": the options save, in its
  // order; a refused write throws OperationError and ends it at that step.
  void saveOptions();
  AdvancedPage& advancedPage() { return advancedPage_; }
  PasswordGate& passwordGate() { return passwordGate_; }

  Menu& menuBar() { return menuBar_; }
  Menu& trayMenu() { return trayMenu_; }
  // The about window "TForm7", made at start, living for the run.
  AboutForm& about() { return about_; }

 private:
  void buildMenus();
  MenuItem toolsMenu();
  MenuItem helpMenu();
  // The tray's "开关定时设置" and "高级选项": the main window on that tab.
  void showOnPage(MainPage page);
  // "帮助内容" and the tray's "帮助": "\help.chm" through the shell.
  void openHelp();
  // "电源管理选项" and the tray's "电源管理".
  void openPowerOptions();
  // "网络原子钟对时": the clock window of the clock synchronisation.
  void openClockWindow() { clockSync_.openClockWindow(); }
  // Uninstall's clearing of the CMOS alarm.
  void ClearPowerOnAlarm() { wakeup_.alarm().ClearPowerOnAlarm(); }
  // The tray's "添加新任务": the password prompt when the settings need the
  // password; unless it was cancelled, the editor for a new task.
  void eeClick();
  // The tray's "定时任务列表": the main window on its task page.
  void Showalarmlist1Click();
  // 100 ms after the main window became visible: back to the tray when the
  // password prompt was cancelled.
  void Timer7Timer();
  // Start-up steps of the settings: the start-with-Windows migration and
  // state and the auto-logon state.
  void loadStartupOptions();
  // The tray entry "随系统启动".
  MenuItem& trayStartWithWindows();
  void startWithWindowsTrayClicked();

  Platform& platform_;
  MainWindowParts parts_{ui(), *this};
  PowerSystem power_{platform_, ui(), parts_};
  TaskSystem tasks_{platform_, ui(), parts_, power_};
  DailyPowerSystem dailyPower_{platform_, ui(), parts_, power_};
  WakeupSystem wakeup_{platform_, ui(), power_};
  PowerOnWizard powerOnWizard_{platform_, ui(), power_, dailyPower_, wakeup_.alarm()};
  WakeTimerSystem wakeTimer_{platform_, tasks_, dailyPower_, power_};
  Menu menuBar_;
  Menu trayMenu_;
  bool shown_ = false;
  // Set when Windows asked whether the session may end.
  bool sessionEnding_ = false;
  MainPage page_ = MainPage::PowerOn;
  AdvancedPage advancedPage_{platform_, ui(), *this};
  AboutForm about_{ui(), platform_.shell};
  PasswordGate passwordGate_{ui(), platform_.files};
  LockAtStart lockAtStart_{platform_, advancedPage_};
  StartupService startupService_{platform_, ui()};
  WorkingSetTrim workingSetTrim_{platform_, ui()};
  ClockSync clockSync_{platform_, ui()};
  DialUpSystem dialUp_{platform_, ui(), tasks_.autoDial()};
};

}  // namespace orvane
