#pragma once
// The scheduled tasks of the main window: the task list, today's occurrence
// table, the per-second task tick that hands due rows to the dispatcher, and
// the 30-second checks that rebuild the table after a date change or a clock
// jump. Everything runs on the GUI thread.
//
// The tick examines every whole second since its previous run when the gap is
// small (see SecondCatchUp), so a late timer loses no task, and a rebuild
// resolves the table as of the first second that the tick has not examined
// yet: an occurrence counts as over only once its second has been examined
// (or given up after a large gap). Two tasks of the same second therefore
// both run, in list order, even though the first one's dispatch rebuilds the
// table, and the task that ran is at once over or moved on.

#include <functional>

#include "common/second_catch_up.h"
#include "scheduler/clock_mark.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/task_file.h"

namespace orvane {

class ClockApi;
class FileSystem;
class Ui;

// What the task scheduler needs of the main window.
class TaskSchedulerHost {
 public:
  virtual ~TaskSchedulerHost() = default;
  // The task tick's timer, stopped while a rebuild reloads the task file and
  // started again afterwards (which restarts its interval).
  virtual void stopTaskTick() = 0;
  virtual void startTaskTick() = 0;
  // The dispatcher: performs the actions of a due row (row numbers from 1).
  virtual void dodo(int row) = 0;
  // The table was rebuilt: the visible list shows it.
  virtual void occurrencesRebuilt() = 0;
};

class TaskScheduler {
 public:
  TaskScheduler(FileSystem& files, ClockApi& clock, Ui& ui, TaskSchedulerHost& host);

  // Reloads the task file and resolves the table. Without a task file the
  // list and the table are empty and nothing else happens; a file that exists
  // but cannot be read keeps the list in memory.
  void rebuild();
  // The task tick: hands each row due in a second not yet examined to dodo.
  // Reads no file and allocates nothing unless a row is due.
  void tick();
  // The rebuild checks of the 30-second timer.
  void checkClock();
  // The machine was woken for an event at this whole second: its tasks still
  // run once however late the resume (see SecondCatchUp::holdOpen).
  void holdOpen(std::int64_t second) { seconds_.holdOpen(second); }

  // The hand-over to the wake-up timer: runs at the end of every rebuild,
  // once the rows are resolved, so that the timer follows the table also
  // when its last task is gone.
  void setArmWakeTimer(std::function<void()> armWakeTimer) { armWakeTimer_ = std::move(armWakeTimer); }

  const TaskList& taskList() const { return taskList_; }
  const OccurrenceTable& table() const { return table_; }
  const ClockMark& clockMark() const { return clockMark_; }

 private:
  void rebuildAsOf(DateTime reference);
  void resolve(DateTime reference);

  FileSystem& files_;
  ClockApi& clock_;
  Ui& ui_;
  TaskSchedulerHost& host_;
  TaskList taskList_;
  OccurrenceTable table_;
  ClockMark clockMark_;
  SecondCatchUp seconds_;
  std::int64_t tableDay_ = -1;  // the day the table was resolved for
  std::function<void()> armWakeTimer_;
};

}  // namespace orvane
