#pragma once
// The schedule text of a task (field 3) and the numbers in it. The kind is
// told by how the text starts, tested in this order: "20" (once, on a date
// of 2000 to 2099), "每年" (every year), "每月" (every month), "每天" (every
// day), empty (weekly on the chosen weekdays); anything else is no schedule.

#include <optional>
#include <string_view>

namespace orvane {

enum class ScheduleKind { Once, EveryYear, EveryMonth, EveryDay, Weekly, Unknown };

ScheduleKind scheduleKindOf(std::string_view schedule);

// The numbers as the text holds them, not checked against the calendar.
struct ScheduleDate {
  int year = 0;  // once only
  int month = 0;
  int day = 0;
};

// Nothing when a number cannot be read as a decimal integer.
// "2007年5月3日": year = the first four characters, month before "月", day
// before "日".
std::optional<ScheduleDate> readOnceDate(std::string_view schedule);
// "每年12月25日": month and day.
std::optional<ScheduleDate> readEveryYearDate(std::string_view schedule);
// "每月15日": the day.
std::optional<int> readEveryMonthDay(std::string_view schedule);

// The month and day texts as they stand, unconverted, as the task editor
// shows them: after the first "年", the text before "月", then after that
// "月" the text before "日". A missing mark gives an empty text (and a
// missing "年" or "月" leaves the text whole for the next step).
struct ScheduleDateTexts {
  std::string_view month;
  std::string_view day;
};
ScheduleDateTexts monthAndDayTexts(std::string_view schedule);
// "每月15日": after the first "月", the text before "日".
std::string_view monthlyDayText(std::string_view schedule);

}  // namespace orvane
