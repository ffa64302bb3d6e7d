// The wake-from-sleep timer in the running program against the simulated
// Windows: where it aims after each rebuild, and what a sleep across its due
// time does — the wake three seconds early, the task at its second, a slow
// resume that still runs the task once, and the system kept awake meanwhile.

#include "wakeup/wake_timer_system.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dailypower/daily_power_system.h"
#include "platform/sim/sim_world.h"
#include "power/power_system.h"
#include "scheduler/task_lines.h"
#include "scheduler/task_system.h"
#include "test_support/parts_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using test::taskLine;

class WakeWindow : public PartsWindow {
 public:
  WakeWindow(Platform& platform, Ui& ui)
      : PartsWindow(ui),
        power(platform, ui, parts),
        tasks(platform, ui, parts, power),
        daily(platform, ui, parts, power),
        wake(platform, tasks, daily, power) {
    parts.add(power);
    parts.add(tasks);
    parts.add(daily);
    parts.add(wake);
  }

  PowerSystem power;
  TaskSystem tasks;
  DailyPowerSystem daily;
  WakeTimerSystem wake;
};

class WakeTimerTest : public testing::Test {
 protected:
  void writeTasks(std::initializer_list<std::string> lines) { put("task.dat", test::taskFile(lines)); }
  void writeShutdown(const char* h, const char* m, const char* s) {
    put("wake.ini", std::string("[close]\r\nh=") + h + "\r\nm=" + m + "\r\ns=" + s + "\r\n");
  }
  void put(const char* name, const std::string& bytes) { std::ofstream(dir.path() / name, std::ios::binary) << bytes; }

  // The program, started at `when`, runs this long.
  void start(const char* when, double seconds) {
    program_.reset();
    world_ = std::make_unique<SimWorld>(dir.path(), dateTime(when));
    program_ = std::make_unique<WakeWindow>(world_->platform(), world_->ui());
    world_->run(seconds, [this] {
      world_->ui().showModeless(*program_);
      program_->parts.startUp();
    });
  }
  void run(double seconds) { world().run(seconds); }

  // The local due times of the armings so far.
  std::vector<std::string> armings() const {
    std::vector<std::string> dues;
    for (const std::string& event : world_->log().events()) {
      const auto at = event.find("due=\"");
      if (event.rfind("SetWaitableTimer name=zovirudu ", 0) == 0) dues.push_back(event.substr(at + 5, 19));
    }
    return dues;
  }
  std::string armedDue() const {
    const auto due = world_->wakeTimer().due();
    return due ? formatDateTime(*due) : "nothing";
  }
  std::vector<std::string> stampsOf(const std::string& event) const { return orvane::stampsOf(world_->log(), event); }

  SimWorld& world() { return *world_; }
  WakeWindow& program() { return *program_; }

  TempDir dir;

 private:
  std::unique_ptr<SimWorld> world_;
  std::unique_ptr<WakeWindow> program_;
};

TEST_F(WakeTimerTest, TheTimerAimsThreeSecondsBeforeTheEarliestPendingEvent) {
  writeTasks({taskLine("14:00:00", "每天")});
  start("2026-12-07 13:00:00", 1);
  EXPECT_EQ(armings(), std::vector<std::string>{"2026-12-07 13:59:57"});

  // A set shutdown time does not hide an earlier task.
  writeTasks({taskLine("21:00:00", "每天")});
  writeShutdown("22", "30", "0");
  start("2026-12-07 20:00:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-07 20:59:57");
  start("2026-12-07 21:30:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-07 22:29:57");

  // A shutdown already past today: tomorrow's, unless a task comes first.
  writeTasks({taskLine("23:00:00", "每天")});
  start("2026-12-07 22:45:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-07 22:59:57");
  writeTasks({});
  start("2026-12-07 22:45:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-08 22:29:57");

  // A task row dated tomorrow at 07:00, seen at 23:00.
  writeShutdown("0", "0", "0");
  writeTasks({taskLine("07:00:00", "每天")});
  start("2026-12-07 23:00:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-08 06:59:57");
}

TEST_F(WakeTimerTest, DoneDisabledAndImminentRowsAreLeftOutAndEveryRowTakesPart) {
  // Every occurrence over and no shutdown time: nothing is armed at all.
  writeTasks({taskLine("09:00:00", "2026年12月7日"), taskLine("08:00:00", "每天", "", test::gbk("禁用"))});
  start("2026-12-07 10:00:00", 1);
  EXPECT_TRUE(armings().empty());

  // A disabled row earlier than the enabled one changes nothing; a task due
  // in three seconds is for the running tick, and the timer aims past it.
  writeTasks({taskLine("10:30:00", "每天", "", test::gbk("禁用")), taskLine("10:00:03", "每天"),
              taskLine("11:00:00", "每天")});
  start("2026-12-07 10:00:00", 1);
  EXPECT_EQ(armings(), std::vector<std::string>{"2026-12-07 10:59:57"});

  std::string lines;
  for (int row = 0; row < 299; ++row) lines += taskLine("23:00:00", "每天") + "\r\n";
  put("task.dat", lines + taskLine("12:00:00", "每天") + "\r\n");
  start("2026-12-07 10:00:00", 1);
  EXPECT_EQ(armedDue(), "2026-12-07 11:59:57");
}

TEST_F(WakeTimerTest, ASleepAcrossTheDueTimeWakesThreeSecondsEarlyAndTheTaskRunsAtItsSecond) {
  writeTasks({taskLine("14:00:00", "每天")});
  start("2026-12-07 13:00:00", 60);
  world().at(60, [this] { world().sleep(7200); });
  run(3600);
  EXPECT_EQ(stampsOf("wake"), std::vector<std::string>{"2026-12-07 13:59:57.000"});
  EXPECT_EQ(stampsOf("dodo row=1"), std::vector<std::string>{"2026-12-07 14:00:00.000"});
  EXPECT_EQ(stampsOf("SetThreadExecutionState flags=0x80000001"), std::vector<std::string>{"2026-12-07 13:59:57.000"});
  EXPECT_EQ(stampsOf("SetThreadExecutionState flags=0x80000000"), std::vector<std::string>{"2026-12-07 14:00:00.000"});
  EXPECT_EQ(armedDue(), "2026-12-08 13:59:57");
}

TEST_F(WakeTimerTest, ASlowResumeStillRunsTheTaskItWokeForOnceButNotOthersMissedAsleep) {
  writeTasks({taskLine("14:00:00", "每天"), taskLine("14:00:20", "每天")});
  start("2026-12-07 13:00:00", 60);
  world().setWakeDelay(40);
  world().at(60, [this] { world().sleep(7200); });
  run(3700);
  EXPECT_EQ(stampsOf("wake"), std::vector<std::string>{"2026-12-07 14:00:37.000"});
  // The rebuild at the wake restarts the tick, which comes a second later.
  EXPECT_EQ(stampsOf("dodo row=1"), std::vector<std::string>{"2026-12-07 14:00:38.000"});
  EXPECT_TRUE(stampsOf("dodo row=2").empty());
  EXPECT_EQ(program().tasks.scheduler().table().row(1).occurrenceDate->date(), (CivilDate{2026, 12, 8}));
}

TEST_F(WakeTimerTest, TheSystemStaysAwakeUntilTheShutdownCountdownItWokeForHasEnded) {
  writeShutdown("22", "30", "0");
  start("2026-12-07 22:00:00", 60);
  world().setWakeDelay(10);
  world().at(60, [this] { world().sleep(7200); });
  run(3600);
  EXPECT_EQ(stampsOf("wake"), std::vector<std::string>{"2026-12-07 22:30:07.000"});
  EXPECT_EQ(orvane::timesOf(world().log(), "open TForm4"), std::vector<std::string>{"22:30:08"});
  EXPECT_EQ(orvane::timesOf(world().log(), "ExitWindowsEx"), std::vector<std::string>{"22:31:08"});
  EXPECT_EQ(orvane::timesOf(world().log(), "SetThreadExecutionState flags=0x80000000"),
            std::vector<std::string>{"22:31:09"});
}

TEST_F(WakeTimerTest, ArmingAgainKeepsOnlyTheLaterComputation) {
  writeTasks({taskLine("14:00:00", "每天")});
  start("2026-12-07 13:00:00", 10);
  writeTasks({taskLine("15:00:00", "每天")});
  program().tasks.RebuildOccurrences();
  world().at(20, [this] { world().sleep(3 * 3600); });
  run(2 * 3600);
  EXPECT_EQ(stampsOf("wake"), std::vector<std::string>{"2026-12-07 14:59:57.000"});
  EXPECT_EQ(armings(), (std::vector<std::string>{"2026-12-07 13:59:57", "2026-12-07 14:59:57",
                                                 "2026-12-08 14:59:57"}));  // after the task ran

  // With its last task gone and no shutdown time, the timer wakes nothing.
  writeTasks({});
  program().tasks.RebuildOccurrences();
  EXPECT_EQ(armedDue(), "nothing");
}

TEST_F(WakeTimerTest, TheSettingsSaveArmsWithTheShutdownTimeItSaves) {
  start("2026-12-07 20:00:00", 1);
  program().daily.dailySchedule().fields().shutdown = {"22", "30", "0"};
  program().daily.dailySchedule().save();
  EXPECT_EQ(armings(), std::vector<std::string>{"2026-12-07 22:29:57"});
}

}  // namespace
}  // namespace orvane
