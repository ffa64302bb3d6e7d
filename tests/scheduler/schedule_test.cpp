// Schedule texts: the kind by how the text starts, and the numbers in it.

#include "scheduler/schedule.h"

#include <gtest/gtest.h>

#include <vector>

#include "scheduler/task_lines.h"

namespace orvane {
namespace {

using test::gbk;

TEST(Schedule, KindIsToldByTheStartOfTheText) {
  EXPECT_EQ(scheduleKindOf(gbk("2007年5月3日")), ScheduleKind::Once);
  EXPECT_EQ(scheduleKindOf(gbk("2099年12月31日")), ScheduleKind::Once);
  EXPECT_EQ(scheduleKindOf(gbk("每年12月25日")), ScheduleKind::EveryYear);
  EXPECT_EQ(scheduleKindOf(gbk("每月15日")), ScheduleKind::EveryMonth);
  EXPECT_EQ(scheduleKindOf(gbk("每天")), ScheduleKind::EveryDay);
  EXPECT_EQ(scheduleKindOf(""), ScheduleKind::Weekly);
  // A once-date is recognised for the years 2000 to 2099 only.
  EXPECT_EQ(scheduleKindOf(gbk("1999年5月3日")), ScheduleKind::Unknown);
  EXPECT_EQ(scheduleKindOf(gbk("2100年5月3日")), ScheduleKind::Unknown);
  EXPECT_EQ(scheduleKindOf(gbk(" 每天")), ScheduleKind::Unknown);
}

TEST(Schedule, NumbersAreReadAsTypedBetweenTheMarks) {
  const auto once = readOnceDate(gbk("2007年05月3日"));
  ASSERT_TRUE(once.has_value());
  EXPECT_EQ(std::vector<int>({once->year, once->month, once->day}), std::vector<int>({2007, 5, 3}));
  EXPECT_EQ(readEveryYearDate(gbk("每年2月31日"))->day, 31);  // not checked against the calendar
  EXPECT_EQ(readEveryMonthDay(gbk("每月15日")), 15);
  // Blanks around a number, as typed: the same numbers as the written form.
  EXPECT_EQ(readEveryMonthDay(gbk("每月 15 日")), 15);
  EXPECT_EQ(readEveryYearDate(gbk("每年 2月 31日"))->day, 31);
  EXPECT_EQ(readOnceDate(gbk("2007年 5月3日"))->month, 5);
}

TEST(Schedule, UnreadableNumbersGiveNothing) {
  EXPECT_FALSE(readOnceDate(gbk("20x7年5月3日")).has_value());
  EXPECT_FALSE(readOnceDate(gbk("207年5月3日")).has_value());  // the year is the first four characters
  EXPECT_FALSE(readOnceDate(gbk("2007年5月")).has_value());
  EXPECT_FALSE(readOnceDate(gbk("2007-05-03")).has_value());
  EXPECT_FALSE(readEveryYearDate(gbk("每年十二月25日")).has_value());
  EXPECT_FALSE(readEveryYearDate(gbk("每年月25日")).has_value());
  EXPECT_FALSE(readEveryMonthDay(gbk("每月日")).has_value());
  EXPECT_FALSE(readEveryMonthDay(gbk("每月99999999999日")).has_value());
  EXPECT_FALSE(readEveryMonthDay(gbk("每月-5日")).has_value());
}

}  // namespace
}  // namespace orvane
