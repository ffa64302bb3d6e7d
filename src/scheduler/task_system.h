#pragma once
// The scheduled tasks of the main window: the task list and today's
// occurrence table with the task tick (Timer2) and the rebuild checks
// (Timer5), the dispatcher of a due task, the reminders that Timer6 opens,
// and the page "    定时任务    " with its commands and popup menu.
// Shutdowns and reboots go to the power system's countdown.

#include <vector>

#include "platform/main_window_part.h"
#include "platform/menu.h"
#include "platform/platform.h"
#include "power/power_system.h"
#include "scheduler/auto_dial.h"
#include "scheduler/reminders.h"
#include "scheduler/task_commands.h"
#include "scheduler/task_dispatcher.h"
#include "scheduler/task_page.h"
#include "scheduler/task_scheduler.h"

namespace orvane {

class TaskSystem : public MainWindowPart, private TaskSchedulerHost, private DispatchHost {
 public:
  TaskSystem(Platform& platform, Ui& ui, MainWindowParts& window, PowerSystem& power);

  std::vector<MainTimer> timers() const override { return {Timer2, Timer5, Timer6}; }
  void timerFired(MainTimer timer) override;
  // Builds today's occurrence table.
  void startUp() override { RebuildOccurrences(); }

  // Reloads the task file and rebuilds the occurrence table and the visible
  // task list.
  void RebuildOccurrences() { scheduler_.rebuild(); }
  // The dispatcher's entry for a due row (from 1): rebuilds the table first,
  // so that the task moves on, then performs the actions of the rebuilt row.
  void dodo(int row) override;

  TaskScheduler& scheduler() { return scheduler_; }
  TaskPage& taskPage() { return taskPage_; }
  // The toolbar, popup menu and double-click of the task page.
  TaskCommands& taskCommands() { return taskCommands_; }
  // The task list's popup menu: "添加新任务", "编辑选定任务", "删除选定任务",
  // "清空列表".
  Menu& taskListMenu() { return taskListMenu_; }
  // The reminders waiting for Timer6 and the cascade of their windows.
  Reminders& reminders() { return reminders_; }
  // Set by the dial-up window: whether and what to dial before a web
  // address opens, and how the task editor's address "..." shows it.
  AutoDial& autoDial() { return autoDial_; }

 private:
  void stopTaskTick() override { window_.stopTimer(Timer2); }
  void startTaskTick() override { window_.startTimer(Timer2); }
  void occurrencesRebuilt() override { window_.windowChanged(); }
  void startReminderTimer() override { window_.startTimer(Timer6); }
  void startCountdownTimer() override { power_.requestCountdown(); }
  void buildTaskListMenu();
  // Opens the oldest waiting reminder modally.
  void Timer6Timer();

  Platform& platform_;
  Ui& ui_;
  MainWindowParts& window_;
  PowerSystem& power_;
  TaskScheduler scheduler_;
  Reminders reminders_;
  AutoDial autoDial_;
  TaskDispatcher dispatcher_{platform_, power_.powerActions(), power_.countdownRequest(), reminders_, autoDial_, *this};
  TaskPage taskPage_{scheduler_.table()};
  TaskCommands taskCommands_{platform_.files, platform_.clock, ui_, scheduler_, taskPage_, autoDial_};
  Menu taskListMenu_;
};

}  // namespace orvane
