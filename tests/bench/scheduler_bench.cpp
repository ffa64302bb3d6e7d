// The cost of the task tick, which runs every second for as long as the PC
// is on, and of a rebuild of the occurrence table (read, split, resolve) with
// 10, 1,000 and 10,000 task lines. Not run by ctest.

#include <benchmark/benchmark.h>

#include <fstream>

#include "common/gbk.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/sim/sim_files.h"
#include "scheduler/task_scheduler.h"
#include "scheduler/task_words.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

// A clock that moves on one second each time it is read.
class SteppingClock : public ClockApi {
 public:
  DateTime localNow() override { return now_ = now_.addMilliseconds(1000); }
  DateTime utcNow() override { return now_; }
  std::uint32_t tickCount() override { return 0; }
  TimeZoneState timeZone() override { return {}; }
  bool setLocalTime(DateTime) override { return true; }
  bool setSystemTime(DateTime) override { return true; }

 private:
  DateTime now_ = parseDateTime("2026-12-07 00:00:00").value();
};

class QuietUi : public Ui {
 public:
  void startTimer(TimerOwner&, int, int) override {}
  void stopTimer(TimerOwner&, int) override {}
  MessageAnswer showMessage(const std::string&, MessageButtons) override { return MessageAnswer::Ok; }
  void showWarningBox(const std::string&) override {}
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

class QuietHost : public TaskSchedulerHost {
 public:
  void stopTaskTick() override {}
  void startTaskTick() override {}
  void dodo(int) override {}
  void occurrencesRebuilt() override {}
};

// `count` tasks of every kind, with titles and an action, all in the evening
// so that none is due during a benchmark run.
std::string taskFile(int count) {
  const std::string schedules[] = {utf8ToGbk("每天"), utf8ToGbk("每月15日"), utf8ToGbk("每年12月25日"),
                                   utf8ToGbk("2026年12月24日"), ""};
  std::string bytes;
  for (int task = 0; task < count; ++task) {
    const TimeOfDay time{20 + task % 4, task % 60, task % 59, 0};
    const std::string& schedule = schedules[task % 5];
    const std::string weekdays =
        schedule.empty() ? std::string(kMondayWord) + "*****" + std::string(kSundayWord) : "******";
    bytes += formatTime(time) + "*" + std::string(kEnabledWord) + "*" + schedule + "*" + weekdays +
             "**Shutdown**Run Program:C:\\tools\\x.exe*" + std::string(9, '*') + utf8ToGbk("晚间任务") +
             std::to_string(task) + "\r\n";
  }
  return bytes;
}

struct Fixture {
  explicit Fixture(int count) {
    std::ofstream(dir.path() / "task.dat", std::ios::binary) << taskFile(count);
    tasks.rebuild();
  }
  TempDir dir;
  SimFiles files{dir.path()};
  SteppingClock clock;
  QuietUi ui;
  QuietHost host;
  TaskScheduler tasks{files, clock, ui, host};
};

void BM_TaskTick(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) fixture.tasks.tick();
}
BENCHMARK(BM_TaskTick)->Arg(10)->Arg(1000)->Arg(10000);

void BM_Rebuild(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) fixture.tasks.rebuild();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Rebuild)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
