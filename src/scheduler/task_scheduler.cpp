#include "scheduler/task_scheduler.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace orvane {

TaskScheduler::TaskScheduler(FileSystem& files, ClockApi& clock, Ui& ui, TaskSchedulerHost& host)
    : files_(files), clock_(clock), ui_(ui), host_(host) {}

void TaskScheduler::rebuild() {
  rebuildAsOf(fromWholeSeconds(seconds_.firstPending(wholeSecondsOf(clock_.localNow()))));
}

void TaskScheduler::rebuildAsOf(DateTime reference) {
  ui_.trace("rebuild");
  tableDay_ = reference.dayNumber();
  clockMark_ = ClockMark::of(reference);
  // The rows refer to the task list, which the reload overwrites.
  table_ = OccurrenceTable();
  const std::filesystem::path path = taskFilePath(files_);
  if (reloadTaskFile(files_, path, taskList_) || files_.fileExists(path)) {
    resolve(reference);
  } else {
    taskList_.clear();
  }
  if (armWakeTimer_) armWakeTimer_();
  host_.occurrencesRebuilt();
}

void TaskScheduler::resolve(DateTime reference) {
  host_.stopTaskTick();
  table_ = OccurrenceTable::resolve(taskList_, reference);
  host_.startTaskTick();
}

void TaskScheduler::tick() {
  seconds_.forEachNewSecond(wholeSecondsOf(clock_.localNow()), [this](std::int64_t second) {
    // The first second of a new day resolves the table afresh, so an
    // occurrence that only the new day brings (a monthly task on the 1st,
    // resolved as past on the last day of the month) is due at once rather
    // than after the next 30-second check, which would find it over.
    if (fromWholeSeconds(second).dayNumber() != tableDay_) rebuildAsOf(fromWholeSeconds(second));
    for (const int row : table_.rowsDueAt(second)) host_.dodo(row);
  });
}

void TaskScheduler::checkClock() {
  checkClockMark(clockMark_, clock_.localNow(), [this] { rebuild(); });
}

}  // namespace orvane
