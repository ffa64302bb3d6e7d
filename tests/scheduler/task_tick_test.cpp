// The task tick of the running program against the simulated Windows: every
// task fires exactly once at its second, also with drifting timers, and a
// clock set forward, a clock set back and a sleep behave as scheduled.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>

#include "common/second_catch_up.h"
#include "platform/sim/sim_world.h"
#include "scheduler/task_lines.h"
#include "scheduler/task_window.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using test::gbk;
using test::taskLine;

constexpr const char* kMonday = "2026-12-07 10:00:00";

class TaskTickTest : public testing::Test {
 protected:
  void writeTasks(const std::string& bytes) { std::ofstream(dir.path() / "task.dat", std::ios::binary) << bytes; }

  void start(const char* when, int jitterMs = 0, int platformId = 2) {
    program.reset();
    started = false;
    world = std::make_unique<SimWorld>(dir.path(), dateTime(when));
    world->time().setJitter(jitterMs);
    world->setPlatformId(platformId);
    program = std::make_unique<test::TaskWindow>(world->platform(), world->ui());
  }
  void run(double seconds) {
    world->run(seconds, [this] {
      if (!started) program->start();
      started = true;
    });
  }
  void setClockAt(double seconds, const char* when) {
    world->at(seconds, [this, when] { world->setClock(dateTime(when)); });
  }

  std::vector<std::string> stampsOf(const std::string& event) const { return orvane::stampsOf(world->log(), event); }
  const OccurrenceRow& row(int number) { return program->tasks.scheduler().table().row(number); }

  TempDir dir;
  std::unique_ptr<SimWorld> world;
  std::unique_ptr<test::TaskWindow> program;
  bool started = false;
};

TEST_F(TaskTickTest, AnEveryDayTaskFiresOnceAtItsSecond) {
  writeTasks(test::taskFile({taskLine("10:00:05", "每天", "测试")}));
  start(kMonday);
  run(10);
  EXPECT_EQ(stampsOf("dodo row=1"), std::vector<std::string>{"2026-12-07 10:00:05.000"});
  EXPECT_EQ(gbkToUtf8(row(1).state), "启用");
  EXPECT_EQ(formatDate(row(1).occurrenceDate->date()), "2026-12-08");
}

// Resolved on the 31st, a task for the 1st of every month lies in the past
// until the month turns; the first tick of the new day resolves it afresh.
TEST_F(TaskTickTest, AMonthlyTaskJustAfterMidnightOnTheFirstFires) {
  writeTasks(test::taskFile({taskLine("0:00:02", "每月1日", "月初")}));
  start("2026-12-31 23:59:50");
  run(20);
  EXPECT_EQ(stampsOf("dodo row=1"), std::vector<std::string>{"2027-01-01 00:00:02.000"});
}

// With 16 ms of drift a tick skips a second about once a minute; each task
// still fires once, at most the catch-up gap late.
TEST_F(TaskTickTest, ADayWithDriftingTimersFiresATaskInEveryMinuteExactlyOnce) {
  std::string bytes;
  for (int minute = 0; minute < 24 * 60; ++minute) {
    const TimeOfDay time{minute / 60, minute % 60, 1 + minute % 59, 0};
    bytes += taskLine(formatTime(time), "每天") + "\r\n";
  }
  writeTasks(bytes);
  start("2026-12-07 00:00:00", 16);
  run(24 * 3600 + 0.5);

  std::map<int, std::int64_t> firedAt;  // row -> second of the tick
  int fired = 0;
  for (const std::string& line : world->log().lines()) {
    if (line.compare(24, 9, "dodo row=") != 0) continue;
    ++fired;
    firedAt[std::stoi(line.substr(33))] = wholeSecondsOf(parseDateTime(line.substr(0, 19)).value());
  }
  EXPECT_EQ(fired, 24 * 60);
  ASSERT_EQ(firedAt.size(), 24u * 60u);
  const std::int64_t midnight = wholeSecondsOf(parseDateTime("2026-12-07 00:00:00").value());
  for (const auto& [rowNumber, second] : firedAt) {
    const std::int64_t due = midnight + row(rowNumber).time->secondsOfDay();
    EXPECT_GE(second, due) << rowNumber;
    EXPECT_LE(second, due + SecondCatchUp::kMaxGapSeconds) << rowNumber;
  }
}

TEST_F(TaskTickTest, TasksOfTheSameSecondFireInOneTickInListOrderAndAreThenOverOrMovedOn) {
  writeTasks(test::taskFile({taskLine("10:00:03", "2026年12月7日"), taskLine("10:00:02", "每天"),
                             taskLine("10:00:03", "每天"), taskLine("10:00:03", "每天", "", gbk("禁用"))}));
  start(kMonday);
  run(3.5);
  EXPECT_EQ(stampsOf("dodo row=1"), std::vector<std::string>{"2026-12-07 10:00:03.000"});
  EXPECT_EQ(stampsOf("dodo row=3"), std::vector<std::string>{"2026-12-07 10:00:03.000"});
  EXPECT_TRUE(stampsOf("dodo row=4").empty());
  const auto events = world->log().events();
  const auto first = std::find(events.begin(), events.end(), "dodo row=1");
  EXPECT_EQ(std::find(events.begin(), events.end(), "dodo row=3") - first, 2);  // "rebuild" between
  EXPECT_EQ(gbkToUtf8(row(1).state), "完成");
  EXPECT_EQ(gbkToUtf8(row(3).state), "启用");
  EXPECT_EQ(gbkToUtf8(row(4).state), "禁用");
}

TEST_F(TaskTickTest, AClockSetForwardAcrossATaskSkipsItAndTheNextCheckShowsItOverOrMovedOn) {
  writeTasks(test::taskFile({taskLine("10:03:00", "2026年12月7日"), taskLine("10:03:00", "每天")}));
  start(kMonday);
  setClockAt(30.5, "2026-12-07 10:05:30");
  run(60);
  EXPECT_EQ(world->log().count("dodo"), 0);
  EXPECT_EQ(gbkToUtf8(row(1).state), "完成");
  EXPECT_EQ(gbkToUtf8(row(2).state), "启用");
  EXPECT_EQ(formatDate(row(2).occurrenceDate->date()), "2026-12-08");
}

TEST_F(TaskTickTest, AClockSetBackReopensATaskThatAlreadyRan) {
  writeTasks(test::taskFile({taskLine("10:00:05", "每天")}));
  start(kMonday);
  setClockAt(20.5, "2026-12-07 09:59:40");
  run(60);
  EXPECT_EQ(stampsOf("dodo row=1"), (std::vector<std::string>{"2026-12-07 10:00:05.000", "2026-12-07 10:00:05.500"}));
}

// Set back an hour, the clock re-opens what ran in that hour and it runs
// again at its second; set forward a day, the clock skips what fell in that
// day: nothing runs late and the rows show the next occurrence or "完成".
TEST_F(TaskTickTest, AClockSetBackAnHourRerunsThatHourAndOneSetForwardADaySkipsTheDay) {
  writeTasks(test::taskFile({taskLine("10:00:10", "每天"), taskLine("10:00:20", "2026年12月7日"),
                             taskLine("10:30:00", "每天"), taskLine("10:00:30", "2026年12月8日")}));
  start(kMonday);
  setClockAt(600.5, "2026-12-07 09:10:00");
  setClockAt(6000.5, "2026-12-08 10:40:00");
  run(6000.5 + 3600);
  EXPECT_EQ(timesOf(world->log(), "dodo row=1"), (std::vector<std::string>{"10:00:10", "10:00:10"}));
  EXPECT_EQ(timesOf(world->log(), "dodo row=2"), (std::vector<std::string>{"10:00:20", "10:00:20"}));
  EXPECT_EQ(stampsOf("dodo row=3"), std::vector<std::string>{"2026-12-07 10:30:00.500"});
  EXPECT_EQ(world->log().count("dodo row=4"), 0);
  EXPECT_EQ(formatDate(row(1).occurrenceDate->date()), "2026-12-09");
  EXPECT_EQ(gbkToUtf8(row(4).state), "完成");
}

TEST_F(TaskTickTest, ATaskDueWhileTheMachineSleepsIsNotRunLate) {
  writeTasks(test::taskFile({taskLine("10:00:30", "每天")}));
  start(kMonday);
  world->at(10.5, [this] { world->sleep(60); });
  run(120);
  EXPECT_EQ(world->log().count("dodo"), 0);
}

}  // namespace
}  // namespace orvane
