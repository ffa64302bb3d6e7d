#include "scheduler/task_system.h"

#include <string>

#include "scheduler/reminder_form.h"

namespace orvane {

TaskSystem::TaskSystem(Platform& platform, Ui& ui, MainWindowParts& window, PowerSystem& power)
    : platform_(platform),
      ui_(ui),
      window_(window),
      power_(power),
      scheduler_(platform.files, platform.clock, ui, *this) {
  buildTaskListMenu();
}

void TaskSystem::buildTaskListMenu() {
  TaskCommands& commands = taskCommands_;
  taskListMenu_.add(MenuItem("添加新任务", [&commands] { commands.ToolButton5Click(); }));
  taskListMenu_.add(MenuItem("编辑选定任务", [&commands] { commands.ToolButton6Click(); }));
  taskListMenu_.add(MenuItem("删除选定任务", [&commands] { commands.ToolButton7Click(); }));
  taskListMenu_.add(MenuItem("清空列表", [&commands] { commands.ToolButton8Click(); }));
}

void TaskSystem::timerFired(MainTimer timer) {
  switch (timer) {
    case Timer2:
      scheduler_.tick();
      break;
    case Timer5:
      scheduler_.checkClock();
      break;
    case Timer6:
      Timer6Timer();
      break;
    default:
      break;
  }
}

void TaskSystem::dodo(int row) {
  ui_.trace("dodo row=" + std::to_string(row));
  if (row > 0) RebuildOccurrences();
  dispatcher_.perform(scheduler_.table(), row);
}

// When more reminders wait, Timer6 runs again first, so the next one opens
// from this window's modal loop, on top of it and one cascade step further.
void TaskSystem::Timer6Timer() {
  if (!reminders_.waiting()) return;
  ReminderForm reminder(ui_, reminders_);
  if (reminders_.waiting()) window_.startTimer(Timer6);
  ui_.showModal(reminder);
}

}  // namespace orvane
