// The task line: 23 fields joined by "*", the title taking the rest; the
// action argument after the first colon; the fixed words as GBK bytes.

#include "scheduler/task_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "scheduler/task_lines.h"

namespace orvane {
namespace {

using test::gbk;

std::size_t separatorsIn(const std::string& line) {
  return static_cast<std::size_t>(std::count(line.begin(), line.end(), kTaskFieldSeparator));
}

TEST(TaskLine, EveryKindOfRecordHoldsAllFieldsWith22Separators) {
  for (const char* schedule : {"每天", "", "2007年5月3日", "每年12月25日", "每月15日"}) {
    const std::string line = test::taskLine("9:05:00", schedule, "标题");
    EXPECT_EQ(separatorsIn(line), 22u) << schedule;
    EXPECT_EQ(JoinTaskLine(TaskFields(SplitTaskLine(line))), line);
  }
  const TaskLine fields = SplitTaskLine(test::weeklyLine("9:05:00", {TaskField::Monday, TaskField::Sunday}));
  EXPECT_EQ(fields[TaskField::Monday], gbk("周一"));
  EXPECT_EQ(fields[TaskField::Sunday], gbk("周日"));
  EXPECT_EQ(fields[TaskField::Saturday], "");
  EXPECT_EQ(fields[TaskField::Reserved], "");
}

TEST(TaskLine, ATitleWithStarsRoundTripsButAStarInAnEarlierFieldShiftsTheRest) {
  TaskFields fields;
  fields[TaskField::Time] = "10:00:05";
  fields[TaskField::Title] = "a*b**c*";
  const std::string line = JoinTaskLine(fields);
  EXPECT_EQ(separatorsIn(line), 26u);
  EXPECT_EQ(SplitTaskLine(line)[TaskField::Title], "a*b**c*");
  EXPECT_EQ(JoinTaskLine(TaskFields(SplitTaskLine(line))), line);

  fields[TaskField::ShowMessage] = "Show Message:x*y";
  const TaskLine shifted = SplitTaskLine(JoinTaskLine(fields));
  EXPECT_EQ(shifted[TaskField::ShowMessage], "Show Message:x");
  EXPECT_EQ(shifted[TaskField::Reboot], "y");
  EXPECT_EQ(shifted[TaskField::Title], "*a*b**c*");
}

TEST(TaskLine, MissingSeparatorsLeaveEmptyFieldsAndTheRestInTheTitle) {
  const TaskLine fields = SplitTaskLine("10:00:05*abc");
  EXPECT_EQ(fields[TaskField::Time], "10:00:05");
  EXPECT_EQ(fields[TaskField::Status], "");
  EXPECT_EQ(fields[TaskField::Hibernate], "");
  EXPECT_EQ(fields[TaskField::Title], "abc");

  const TaskFields empty(SplitTaskLine(""));
  for (const std::string& text : empty.texts()) EXPECT_EQ(text, "");
}

TEST(TaskLine, ActionArgumentIsEverythingAfterTheFirstColon) {
  EXPECT_EQ(ActionArgument("Show Message:该休息了: 10分钟"), "该休息了: 10分钟");
  EXPECT_EQ(ActionArgument("Run Program:C:\\tools\\x.exe"), "C:\\tools\\x.exe");
  EXPECT_EQ(ActionArgument("Open URL:http://example.test:8080/a"), "http://example.test:8080/a");
  EXPECT_EQ(ActionArgument("Open File:"), "");
  EXPECT_EQ(ActionArgument("no colon"), "no colon");
}

TEST(TaskWords, FixedWordsAreTheirGbkBytes) {
  const std::pair<std::string_view, const char*> words[] = {
      {kEnabledWord, "启用"},   {kDisabledWord, "禁用"}, {kMondayWord, "周一"},    {kTuesdayWord, "周二"},
      {kWednesdayWord, "周三"}, {kThursdayWord, "周四"}, {kFridayWord, "周五"},    {kSaturdayWord, "周六"},
      {kSundayWord, "周日"},    {kEveryDayWord, "每天"}, {kEveryYearWord, "每年"}, {kEveryMonthWord, "每月"},
      {kYearMark, "年"},        {kMonthMark, "月"},      {kDayMark, "日"},
  };
  for (const auto& [bytes, utf8] : words) EXPECT_EQ(bytes, gbk(utf8)) << utf8;
}

}  // namespace
}  // namespace orvane
