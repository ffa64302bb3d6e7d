// Today's occurrence table: the date and state of each kind of schedule, the
// days a month lacks, rows that do not read, and the display text. Resolved
// as of a Monday, 2026-12-07 10:00:00, unless a test says otherwise.

#include "scheduler/occurrence_table.h"

#include <gtest/gtest.h>

#include "common/second_catch_up.h"
#include "scheduler/task_lines.h"
#include "test_support/sim_test.h"

namespace orvane {
namespace {

using test::gbk;
using test::taskLine;
using test::weeklyLine;

// One line resolved at one moment: the state and the occurrence date it
// must get ("" for none).
struct Case {
  std::string line;
  const char* now;
  const char* state;
  const char* date;
};

void expectResolved(const std::vector<Case>& cases) {
  for (const Case& expected : cases) {
    const TaskList lines{expected.line};
    const OccurrenceTable table = OccurrenceTable::resolve(lines, dateTime(expected.now));
    const OccurrenceRow& row = table.row(1);
    const std::string date = row.occurrenceDate ? formatDate(row.occurrenceDate->date()) : "";
    EXPECT_EQ(gbkToUtf8(row.state), expected.state) << gbkToUtf8(expected.line) << " at " << expected.now;
    EXPECT_EQ(date, expected.date) << gbkToUtf8(expected.line) << " at " << expected.now;
  }
}

constexpr const char* kMonday = "2026-12-07 10:00:00";

TEST(OccurrenceTable, WeeklyTasks) {
  expectResolved({
      {weeklyLine("9:00:00", {}), kMonday, "完成", "2026-12-06"},
      {weeklyLine("9:00:00", {TaskField::Monday}), kMonday, "启用", "2026-12-14"},
      {weeklyLine("9:00:00", {TaskField::Monday}), "2026-12-09 10:00:00", "启用", "2026-12-14"},
      {weeklyLine("11:00:00", {TaskField::Monday}), kMonday, "等待", "2026-12-07"},
      {weeklyLine("10:00:00", {TaskField::Monday}), kMonday, "等待", "2026-12-07"},
      {weeklyLine("9:00:00", {TaskField::Monday, TaskField::Saturday}), kMonday, "启用", "2026-12-12"},
      {weeklyLine("9:00:00", {TaskField::Sunday}), kMonday, "启用", "2026-12-13"},
      {weeklyLine("9:00:00", {TaskField::Saturday}), "2026-12-12 10:00:00", "启用", "2026-12-19"},
  });
}

TEST(OccurrenceTable, OnceTasks) {
  expectResolved({
      {taskLine("11:00:00", "2026年12月6日"), kMonday, "完成", "2026-12-06"},
      {taskLine("11:00:00", "2026年12月7日"), kMonday, "等待", "2026-12-07"},
      {taskLine("9:59:59", "2026年12月7日"), kMonday, "完成", "2026-12-07"},
      {taskLine("9:00:00", "2026年12月8日"), kMonday, "启用", "2026-12-08"},
      // Outside 2000-2099 the text is no once-date: no occurrence at all.
      {taskLine("11:00:00", "2100年12月7日"), kMonday, "启用", ""},
  });
}

TEST(OccurrenceTable, EveryMonthAndEveryYearTasks) {
  const std::string tenth = taskLine("9:00:00", "每月10日");
  const std::string christmas = taskLine("9:00:00", "每年12月25日");
  expectResolved({
      {tenth, "2026-12-20 10:00:00", "完成", "2026-12-10"},  // past this month: not moved on
      {tenth, "2027-01-01 10:00:00", "启用", "2027-01-10"},
      {tenth, "2026-12-10 08:00:00", "等待", "2026-12-10"},
      {tenth, "2026-12-10 10:00:00", "启用", "2027-01-10"},
      {christmas, kMonday, "启用", "2026-12-25"},
      {christmas, "2026-12-26 10:00:00", "启用", "2027-12-25"},
      {christmas, "2026-12-25 08:00:00", "等待", "2026-12-25"},
      {christmas, "2026-12-25 10:00:00", "启用", "2027-12-25"},
  });
}

TEST(OccurrenceTable, EveryDayTasks) {
  expectResolved({
      {taskLine("9:00:00", "每天"), kMonday, "启用", "2026-12-08"},
      {taskLine("10:00:01", "每天"), kMonday, "等待", "2026-12-07"},
      {taskLine("23:59:59", "每天"), "2026-12-31 23:59:59", "等待", "2026-12-31"},
      {taskLine("0:00:00", "每天"), "2026-12-31 23:59:59", "启用", "2027-01-01"},
  });
}

TEST(OccurrenceTable, DaysAMonthLacksBecomeItsLastDay) {
  const std::string thirtyFirst = taskLine("9:00:00", "每月31日");
  const std::string leapDay = taskLine("9:00:00", "每年2月29日");
  expectResolved({
      {thirtyFirst, "2027-02-10 10:00:00", "启用", "2027-02-28"},
      {thirtyFirst, "2026-11-30 08:00:00", "等待", "2026-11-30"},
      {thirtyFirst, "2026-11-30 10:00:00", "启用", "2026-12-31"},  // moved on: the 31st again
      {thirtyFirst, "2026-12-31 10:00:00", "启用", "2027-01-31"},
      {leapDay, "2027-01-10 10:00:00", "启用", "2027-02-28"},
      {leapDay, "2027-03-01 10:00:00", "启用", "2028-02-29"},
      {leapDay, "2027-02-28 10:00:00", "启用", "2028-02-29"},
      {taskLine("9:00:00", "每年4月31日"), kMonday, "启用", "2027-04-30"},
      {taskLine("9:00:00", "2026年2月30日"), kMonday, "完成", "2026-02-28"},
      {taskLine("9:00:00", "2026年12月32日"), kMonday, "启用", "2026-12-31"},
  });
}

TEST(OccurrenceTable, TimesReadLeniently) {
  expectResolved({
      {taskLine("9.05.00", "每天"), "2026-12-07 09:00:00", "等待", "2026-12-07"},
      {taskLine("9:5:0", "每天"), "2026-12-07 09:05:01", "启用", "2026-12-08"},
      {taskLine(" 09:05:00 ", "每天"), "2026-12-07 09:05:00", "等待", "2026-12-07"},
  });
}

TEST(OccurrenceTable, RowsThatDoNotReadGetNoOccurrenceAndDoNotDisturbTheOthers) {
  const TaskList lines{
      taskLine("25:00:00", "每天"),
      taskLine("soon", "每天"),
      taskLine("11:00:00", "每年13月1日"),
      taskLine("11:00:00", "每月0日"),
      taskLine("11:00:00", "每月x日"),
      taskLine("11:00:00", "每季"),
      taskLine("11:00:00", "每天", "", gbk("禁用")),
      taskLine("11:00:00", "每天", "", gbk("暂停")),
      "",
      taskLine("11:00:00", "每天"),
  };
  const OccurrenceTable table = OccurrenceTable::resolve(lines, dateTime(kMonday));
  ASSERT_EQ(table.rowCount(), 10);
  for (int row = 1; row <= 9; ++row) EXPECT_FALSE(table.row(row).occurrenceDate.has_value()) << row;
  EXPECT_EQ(table.row(1).state, kEnabledWord);
  EXPECT_EQ(table.row(7).state, gbk("禁用"));
  EXPECT_EQ(table.row(8).state, gbk("暂停"));
  EXPECT_EQ(table.row(9).state, "");
  EXPECT_EQ(table.row(10).state, kWaitingWord);
  const std::int64_t eleven = wholeSecondsOf(dateTime("2026-12-07 11:00:00"));
  EXPECT_EQ(table.rowsDueAt(eleven), std::vector<int>{10});
}

TEST(OccurrenceTable, DueRowsAreThePendingOnesOfThatSecondInListOrder) {
  const TaskList lines{taskLine("10:00:05", "每天"), taskLine("10:00:04", "每天"), taskLine("10:00:05", "每天"),
                       taskLine("10:00:05", "每天", "", gbk("禁用")), taskLine("10:00:05", "2026年12月7日")};
  const OccurrenceTable table = OccurrenceTable::resolve(lines, dateTime(kMonday));
  EXPECT_EQ(table.rowsDueAt(wholeSecondsOf(dateTime("2026-12-07 10:00:05"))), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(table.rowsDueAt(wholeSecondsOf(dateTime("2026-12-07 10:00:04"))), std::vector<int>{2});
  EXPECT_TRUE(table.rowsDueAt(wholeSecondsOf(dateTime("2026-12-08 10:00:05"))).empty());
  // An occurrence that is over is never due.
  const OccurrenceTable later = OccurrenceTable::resolve(lines, dateTime("2026-12-07 10:00:06"));
  EXPECT_TRUE(later.rowsDueAt(wholeSecondsOf(dateTime("2026-12-07 10:00:05"))).empty());
  EXPECT_EQ(later.rowsDueAt(wholeSecondsOf(dateTime("2026-12-08 10:00:05"))), (std::vector<int>{1, 3}));
}

TEST(OccurrenceTable, DisplayText) {
  EXPECT_EQ(gbkToUtf8(displayTextOf(SplitTaskLine(taskLine("9:00:00", "每月15日", "交电费")))), " 每月15日  交电费");
  const std::string weekly = weeklyLine("9:00:00", {TaskField::Monday, TaskField::Wednesday, TaskField::Sunday});
  EXPECT_EQ(gbkToUtf8(displayTextOf(SplitTaskLine(weekly))), " 周一  周三    周日  ");
  EXPECT_EQ(displayTextOf(SplitTaskLine("")), "         ");
}

}  // namespace
}  // namespace orvane
