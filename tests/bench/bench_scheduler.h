#pragma once
// The task scheduler as the benchmarks run it: task files of many tasks, a
// clock that the benchmark moves, and a main window that does nothing but
// rebuild the table when a task fires, as the dispatcher does first.

#include <cstdint>
#include <fstream>
#include <string>

#include "common/gbk.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/sim/sim_files.h"
#include "scheduler/task_scheduler.h"
#include "scheduler/task_words.h"
#include "test_support/temp_dir.h"

namespace orvane::bench {

// The day that the benchmarks run on, a Monday.
inline DateTime benchDay() { return parseDateTime("2026-12-07 00:00:00").value(); }

// A clock that the benchmark sets.
class BenchClock : public ClockApi {
 public:
  DateTime localNow() override { return now; }
  DateTime utcNow() override { return now; }
  std::uint32_t tickCount() override { return 0; }
  TimeZoneState timeZone() override { return {}; }
  bool setLocalTime(DateTime) override { return true; }
  bool setSystemTime(DateTime) override { return true; }
  void pauseThread(std::uint32_t) override {}

  DateTime now = benchDay();
};

class QuietUi : public Ui {
 public:
  void startTimer(TimerOwner&, int, int) override {}
  void stopTimer(TimerOwner&, int) override {}
  MessageAnswer showMessage(const std::string&, MessageButtons) override { return MessageAnswer::Ok; }
  void showWarningBox(const std::string&) override {}
  void showPlainMessage(const std::string&) override {}
  void showError(const std::string&) override {}
  std::optional<std::string> chooseExistingFile(const std::string&) override { return std::nullopt; }
  int showModal(Form&) override { return 0; }
  void showModeless(Form&) override {}
  void formChanged(Form&) override {}
  void formClosed(Form&) override {}
  void processMessages() override {}
  void quit() override {}
  void trace(std::string_view) override {}
};

// The main window: a task that fires rebuilds the table and is counted.
class RebuildingHost : public TaskSchedulerHost {
 public:
  void stopTaskTick() override {}
  void startTaskTick() override {}
  void dodo(int) override {
    ++fired;
    tasks->rebuild();
  }
  void occurrencesRebuilt() override {}

  TaskScheduler* tasks = nullptr;
  int fired = 0;
};

// How the tasks of a file are spread over the day.
enum class TaskTimes {
  Evening,  // 20:00 to 23:59, so that nothing is due before 20:00
  AllDay,   // any second of the day
};

// `count` enabled tasks with an action and a title, of six kinds in turn:
// every day, weekly on Monday and Sunday, once on the next day, every month
// on the 15th, every year on 25 December, and every day but disabled. On the
// benchmark day the first two kinds fire: a third of the tasks.
inline std::string benchTaskFile(int count, TaskTimes times) {
  const std::string schedules[] = {utf8ToGbk("每天"),          "",
                                   utf8ToGbk("2026年12月8日"), utf8ToGbk("每月15日"),
                                   utf8ToGbk("每年12月25日"),  utf8ToGbk("每天")};
  std::string bytes;
  std::uint32_t random = 12345;
  for (int task = 0; task < count; ++task) {
    random = random * 1103515245u + 12345u;
    const int second = times == TaskTimes::Evening ? 72'000 + static_cast<int>(random >> 8) % 14'400
                                                   : static_cast<int>(random >> 8) % 86'400;
    const std::string& schedule = schedules[task % 6];
    const std::string_view status = task % 6 == 5 ? kDisabledWord : kEnabledWord;
    const std::string weekdays =
        schedule.empty() ? std::string(kMondayWord) + "*****" + std::string(kSundayWord) : "******";
    bytes += formatTime({second / 3600, second / 60 % 60, second % 60, 0}) + "*" + std::string(status) + "*" +
             schedule + "*" + weekdays + "****Run Program:C:\\tools\\x.exe*" + std::string(9, '*') +
             utf8ToGbk("晚间任务") + std::to_string(task) + "\r\n";
  }
  return bytes;
}

// A scheduler whose table is resolved at the start of the benchmark day.
struct BenchScheduler {
  BenchScheduler(int count, TaskTimes times) {
    std::ofstream(dir.path() / "task.dat", std::ios::binary) << benchTaskFile(count, times);
    host.tasks = &tasks;
    tasks.rebuild();
  }
  TempDir dir;
  SimFiles files{dir.path()};
  BenchClock clock;
  QuietUi ui;
  RebuildingHost host;
  TaskScheduler tasks{files, clock, ui, host};
};

// One task tick a second later; the clock stays before 20:00 of the day.
inline void tickNextSecond(BenchScheduler& scheduler) {
  const std::int64_t second = (wholeSecondsOf(scheduler.clock.now) + 1) % 72'000;
  scheduler.clock.now = fromWholeSeconds(wholeSecondsOf(benchDay()) + second);
  scheduler.tasks.tick();
}

// Ticks through the whole benchmark day, a second at a time.
inline void runDay(BenchScheduler& scheduler) {
  for (int second = 1; second < 86'400; ++second) {
    scheduler.clock.now = benchDay().addMilliseconds(second * 1000LL);
    scheduler.tasks.tick();
  }
}

}  // namespace orvane::bench
