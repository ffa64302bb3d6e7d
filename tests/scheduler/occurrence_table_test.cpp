// Today's occurrence table: the date and state of each kind of schedule, the
// days a month lacks, rows that do not read, and the display text. Resolved
// as of a Monday, 2026-12-07 10:00:00, unless a test says otherwise.

#include "scheduler/occurrence_table.h"

#include <gtest/gtest.h>

#include "common/second_catch_up.h"
#include "scheduler/task_lines.h"

namespace orvane {
namespace {

using test::gbk;
using test::taskLine;
using test::weeklyLine;

DateTime at(const char* text) { return parseDateTime(text).value(); }

struct Resolved {
  std::string state;  // UTF-8
  std::string date;   // "yyyy-MM-dd", or "" without an occurrence
};

Resolved resolveOne(const std::string& line, const char* now = "2026-12-07 10:00:00") {
  const OccurrenceTable table = OccurrenceTable::resolve({line}, at(now));
  const OccurrenceRow& row = table.row(1);
  return {gbkToUtf8(row.state), row.occurrenceDate ? formatDate(row.occurrenceDate->date()) : ""};
}

void expectResolved(const std::string& line, const char* now, const char* state, const char* date) {
  const Resolved resolved = resolveOne(line, now);
  EXPECT_EQ(resolved.state, state) << gbkToUtf8(line) << " at " << now;
  EXPECT_EQ(resolved.date, date) << gbkToUtf8(line) << " at " << now;
}

TEST(OccurrenceTable, WeeklyTasks) {
  const char* monday = "2026-12-07 10:00:00";
  expectResolved(weeklyLine("9:00:00", {}), monday, "完成", "2026-12-06");
  expectResolved(weeklyLine("9:00:00", {TaskField::Monday}), monday, "启用", "2026-12-14");
  expectResolved(weeklyLine("9:00:00", {TaskField::Monday}), "2026-12-09 10:00:00", "启用", "2026-12-14");
  expectResolved(weeklyLine("11:00:00", {TaskField::Monday}), monday, "等待", "2026-12-07");
  expectResolved(weeklyLine("10:00:00", {TaskField::Monday}), monday, "等待", "2026-12-07");
  expectResolved(weeklyLine("9:00:00", {TaskField::Monday, TaskField::Saturday}), monday, "启用", "2026-12-12");
  expectResolved(weeklyLine("9:00:00", {TaskField::Sunday}), monday, "启用", "2026-12-13");
  expectResolved(weeklyLine("9:00:00", {TaskField::Saturday}), "2026-12-12 10:00:00", "启用", "2026-12-19");
}

TEST(OccurrenceTable, OnceTasks) {
  const char* now = "2026-12-07 10:00:00";
  expectResolved(taskLine("11:00:00", "2026年12月6日"), now, "完成", "2026-12-06");
  expectResolved(taskLine("11:00:00", "2026年12月7日"), now, "等待", "2026-12-07");
  expectResolved(taskLine("9:59:59", "2026年12月7日"), now, "完成", "2026-12-07");
  expectResolved(taskLine("9:00:00", "2026年12月8日"), now, "启用", "2026-12-08");
  // Outside 2000-2099 the text is no once-date: no occurrence at all.
  expectResolved(taskLine("11:00:00", "2100年12月7日"), now, "启用", "");
}

TEST(OccurrenceTable, EveryMonthTasks) {
  const std::string tenth = taskLine("9:00:00", "每月10日");
  expectResolved(tenth, "2026-12-20 10:00:00", "完成", "2026-12-10");
  expectResolved(tenth, "2027-01-01 10:00:00", "启用", "2027-01-10");
  expectResolved(tenth, "2026-12-10 08:00:00", "等待", "2026-12-10");
  expectResolved(tenth, "2026-12-10 10:00:00", "启用", "2027-01-10");
}

TEST(OccurrenceTable, EveryYearTasks) {
  const std::string christmas = taskLine("9:00:00", "每年12月25日");
  expectResolved(christmas, "2026-12-07 10:00:00", "启用", "2026-12-25");
  expectResolved(christmas, "2026-12-26 10:00:00", "启用", "2027-12-25");
  expectResolved(christmas, "2026-12-25 08:00:00", "等待", "2026-12-25");
  expectResolved(christmas, "2026-12-25 10:00:00", "启用", "2027-12-25");
}

TEST(OccurrenceTable, EveryDayTasks) {
  expectResolved(taskLine("9:00:00", "每天"), "2026-12-07 10:00:00", "启用", "2026-12-08");
  expectResolved(taskLine("10:00:01", "每天"), "2026-12-07 10:00:00", "等待", "2026-12-07");
  expectResolved(taskLine("23:59:59", "每天"), "2026-12-31 23:59:59", "等待", "2026-12-31");
  expectResolved(taskLine("0:00:00", "每天"), "2026-12-31 23:59:59", "启用", "2027-01-01");
}

TEST(OccurrenceTable, DaysAMonthLacksBecomeItsLastDay) {
  const std::string thirtyFirst = taskLine("9:00:00", "每月31日");
  expectResolved(thirtyFirst, "2027-02-10 10:00:00", "启用", "2027-02-28");
  expectResolved(thirtyFirst, "2026-11-30 08:00:00", "等待", "2026-11-30");
  expectResolved(thirtyFirst, "2026-11-30 10:00:00", "启用", "2026-12-31");  // moved on: the 31st again
  expectResolved(thirtyFirst, "2026-12-31 10:00:00", "启用", "2027-01-31");

  const std::string leapDay = taskLine("9:00:00", "每年2月29日");
  expectResolved(leapDay, "2027-01-10 10:00:00", "启用", "2027-02-28");
  expectResolved(leapDay, "2027-03-01 10:00:00", "启用", "2028-02-29");
  expectResolved(leapDay, "2027-02-28 10:00:00", "启用", "2028-02-29");

  expectResolved(taskLine("9:00:00", "每年4月31日"), "2026-12-07 10:00:00", "启用", "2027-04-30");
  expectResolved(taskLine("9:00:00", "2026年2月30日"), "2026-12-07 10:00:00", "完成", "2026-02-28");
  expectResolved(taskLine("9:00:00", "2026年12月32日"), "2026-12-07 10:00:00", "启用", "2026-12-31");
}

TEST(OccurrenceTable, RowsThatDoNotReadGetNoOccurrenceAndDoNotDisturbTheOthers) {
  const TaskList lines{
      taskLine("25:00:00", "每天"),          taskLine("soon", "每天"),         taskLine("11:00:00", "每年13月1日"),
      taskLine("11:00:00", "每月0日"),       taskLine("11:00:00", "每月x日"), taskLine("11:00:00", "每季"),
      taskLine("11:00:00", "每天", "", gbk("禁用")), taskLine("11:00:00", "每天", "", gbk("暂停")),
      "",                                   taskLine("11:00:00", "每天"),
  };
  const OccurrenceTable table = OccurrenceTable::resolve(lines, at("2026-12-07 10:00:00"));
  ASSERT_EQ(table.rowCount(), 10);
  for (int row = 1; row <= 9; ++row) EXPECT_FALSE(table.row(row).occurrenceDate.has_value()) << row;
  EXPECT_EQ(table.row(1).state, kEnabledWord);
  EXPECT_EQ(table.row(7).state, gbk("禁用"));
  EXPECT_EQ(table.row(8).state, gbk("暂停"));
  EXPECT_EQ(table.row(9).state, "");
  EXPECT_EQ(table.row(10).state, kWaitingWord);
  const std::int64_t eleven = wholeSecondsOf(at("2026-12-07 11:00:00"));
  EXPECT_EQ(table.rowsDueAt(eleven), std::vector<int>{10});
}

TEST(OccurrenceTable, TimesReadLeniently) {
  expectResolved(taskLine("9.05.00", "每天"), "2026-12-07 09:00:00", "等待", "2026-12-07");
  expectResolved(taskLine("9:5:0", "每天"), "2026-12-07 09:05:01", "启用", "2026-12-08");
  expectResolved(taskLine(" 09:05:00 ", "每天"), "2026-12-07 09:05:00", "等待", "2026-12-07");
}

TEST(OccurrenceTable, DueRowsAreThePendingOnesOfThatSecondInListOrder) {
  const TaskList lines{taskLine("10:00:05", "每天"), taskLine("10:00:04", "每天"), taskLine("10:00:05", "每天"),
                       taskLine("10:00:05", "每天", "", gbk("禁用")), taskLine("10:00:05", "2026年12月7日")};
  const OccurrenceTable table = OccurrenceTable::resolve(lines, at("2026-12-07 10:00:00"));
  EXPECT_EQ(table.rowsDueAt(wholeSecondsOf(at("2026-12-07 10:00:05"))), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(table.rowsDueAt(wholeSecondsOf(at("2026-12-07 10:00:04"))), std::vector<int>{2});
  EXPECT_TRUE(table.rowsDueAt(wholeSecondsOf(at("2026-12-08 10:00:05"))).empty());
  // An occurrence that is over is never due.
  const OccurrenceTable later = OccurrenceTable::resolve(lines, at("2026-12-07 10:00:06"));
  EXPECT_TRUE(later.rowsDueAt(wholeSecondsOf(at("2026-12-07 10:00:05"))).empty());
  EXPECT_EQ(later.rowsDueAt(wholeSecondsOf(at("2026-12-08 10:00:05"))), (std::vector<int>{1, 3}));
}

TEST(OccurrenceTable, DisplayText) {
  EXPECT_EQ(gbkToUtf8(displayTextOf(SplitTaskLine(taskLine("9:00:00", "每月15日", "交电费")))), " 每月15日  交电费");
  const std::string weekly = weeklyLine("9:00:00", {TaskField::Monday, TaskField::Wednesday, TaskField::Sunday});
  EXPECT_EQ(gbkToUtf8(displayTextOf(SplitTaskLine(weekly))), " 周一  周三    周日  ");
  EXPECT_EQ(displayTextOf(SplitTaskLine("")), "         ");
}

}  // namespace
}  // namespace orvane
