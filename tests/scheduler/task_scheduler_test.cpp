// The task scheduler with a recording main window: what a rebuild does with
// a missing, empty or unreadable task file, the hand-over to the wake-up
// timer, and a rebuild between two late ticks that must not lose the second
// the tick has still to catch up.

#include "scheduler/task_scheduler.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/sim/sim_world.h"
#include "scheduler/task_lines.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using test::taskLine;

// Files whose task file can be made unreadable while it stays in place.
class UnreadableFiles : public SimFiles {
 public:
  using SimFiles::SimFiles;
  std::optional<std::string> readFile(const std::filesystem::path& path) override {
    if (unreadable.count(path) != 0) return std::nullopt;
    return SimFiles::readFile(path);
  }
  std::set<std::filesystem::path> unreadable;
};

class RecordingHost : public TaskSchedulerHost {
 public:
  void stopTaskTick() override { steps.push_back("stop"); }
  void startTaskTick() override { steps.push_back("start"); }
  // Rebuilds first, as the dispatcher does.
  void dodo(int row) override {
    steps.push_back("dodo " + std::to_string(row));
    tasks->rebuild();
  }
  void occurrencesRebuilt() override { steps.push_back("shown"); }

  TaskScheduler* tasks = nullptr;
  std::vector<std::string> steps;
};

class TaskSchedulerTest : public SimTest {
 protected:
  TaskSchedulerTest() { host.tasks = &tasks; }

  void writeTasks(const std::string& bytes) { ASSERT_TRUE(files.writeFileFlushed(path, bytes)); }
  // Runs `action` this many seconds after 10:00:00.
  void at(double seconds, std::function<void()> action) { world.at(seconds, std::move(action)); }

  UnreadableFiles files{dir.path()};
  std::filesystem::path path = taskFilePath(files);
  RecordingHost host;
  TaskScheduler tasks{files, world.time(), world.ui(), host};
};

TEST_F(TaskSchedulerTest, WithoutATaskFileTheListIsEmptyAndTheTickIsLeftAlone) {
  int armed = 0;
  tasks.setArmWakeTimer([&] { ++armed; });
  tasks.rebuild();
  EXPECT_EQ(host.steps, std::vector<std::string>{"shown"});
  EXPECT_EQ(tasks.table().rowCount(), 0);
  EXPECT_EQ(tasks.clockMark().date, "2026-12-07");
  EXPECT_EQ(armed, 1);  // the wake-up timer follows the empty table
  EXPECT_EQ(world.log().events(), std::vector<std::string>{"rebuild"});
}

TEST_F(TaskSchedulerTest, EveryRebuildHandsOverToTheWakeUpTimerOnceResolved) {
  int armed = 0;
  tasks.setArmWakeTimer([&] { ++armed; });
  writeTasks("");
  tasks.rebuild();
  EXPECT_EQ(host.steps, (std::vector<std::string>{"stop", "start", "shown"}));
  EXPECT_EQ(armed, 1);

  writeTasks(test::taskFile({taskLine("11:00:00", "每天")}));
  tasks.setArmWakeTimer([&] {
    ++armed;
    EXPECT_EQ(tasks.table().rowCount(), 1);  // the rows are resolved before the hand-over
  });
  tasks.rebuild();
  EXPECT_EQ(armed, 2);
}

TEST_F(TaskSchedulerTest, AFileThatCannotBeReadKeepsTheListInMemory) {
  writeTasks(test::taskFile({taskLine("11:00:00", "每天"), taskLine("12:00:00", "每天")}));
  tasks.rebuild();
  files.unreadable.insert(path);
  tasks.rebuild();
  EXPECT_EQ(tasks.taskList().size(), 2u);
  EXPECT_EQ(tasks.table().rowCount(), 2);
  files.unreadable.clear();
  ASSERT_TRUE(files.removeFile(path));
  tasks.rebuild();
  EXPECT_TRUE(tasks.taskList().empty());
}

// A tick at 10:00:04.900 and the next one late, at 10:00:06.200, with a
// rebuild at 10:00:06.100 in between: the task of 10:00:05 still counts as
// ahead at the rebuild and runs at the late tick, before the one of 10:00:06.
TEST_F(TaskSchedulerTest, ARebuildBetweenLateTicksKeepsTheSecondsStillToCatchUp) {
  writeTasks(test::taskFile({taskLine("10:00:06", "每天"), taskLine("10:00:05", "2026年12月7日")}));
  tasks.rebuild();
  at(4.9, [&] { tasks.tick(); });
  at(6.1, [&] {
    tasks.rebuild();
    EXPECT_EQ(gbkToUtf8(tasks.table().row(2).state), "等待");
  });
  at(6.2, [&] { tasks.tick(); });
  world.run(7);
  std::vector<std::string> dispatched;
  for (const std::string& step : host.steps) {
    if (step.rfind("dodo", 0) == 0) dispatched.push_back(step);
  }
  EXPECT_EQ(dispatched, (std::vector<std::string>{"dodo 2", "dodo 1"}));
  EXPECT_EQ(gbkToUtf8(tasks.table().row(2).state), "完成");
  EXPECT_EQ(gbkToUtf8(tasks.table().row(1).state), "启用");
}

TEST_F(TaskSchedulerTest, TheFirstTickAfterTheStartCatchesUpTheSecondOfTheStart) {
  writeTasks(test::taskFile({taskLine("10:00:00", "每天")}));
  tasks.rebuild();
  EXPECT_EQ(gbkToUtf8(tasks.table().row(1).state), "等待");
  at(1, [&] { tasks.tick(); });
  world.run(2);
  EXPECT_EQ(world.log().count("rebuild"), 2);
  EXPECT_EQ(host.steps.back(), "shown");
  EXPECT_NE(std::find(host.steps.begin(), host.steps.end(), "dodo 1"), host.steps.end());
}

}  // namespace
}  // namespace orvane
