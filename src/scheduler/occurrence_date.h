#pragma once
// The date of a task's next occurrence, as of a moment `now`: the kind of
// schedule decides. Every comparison with the time of day is strict, so at
// exactly the task's time the occurrence still counts as ahead.
//
// A day that the month in question does not have (every month on the 31st in
// April, every year on 29 February in a common year, a once-date of 30
// February) becomes the last day of that month, as a monthly task moved on to
// a shorter month does. A month outside 1 to 12, a day below 1, a number that
// does not read or a schedule of no known kind give no date.

#include <cstdint>
#include <optional>

#include "common/date_time.h"
#include "scheduler/task_line.h"

namespace orvane {

// The moment of a rebuild, taken apart once for all rows.
struct Today {
  explicit Today(DateTime now);

  DateTime now;
  DateTime midnight;
  CivilDate date;
  int weekday;  // 1 = Sunday ... 7 = Saturday
  int secondsOfDay;
  std::int64_t wholeSeconds;  // of now, see wholeSecondsOf
};

// The date (midnight) on which the task of this line, at this time of day,
// next occurs; a date in the past when it is over.
std::optional<DateTime> occurrenceDateOf(const TaskLineView& line, const TimeOfDay& taskTime, const Today& today);

// A weekly task: the first chosen weekday from today on (today only while its
// time is not past), else the first chosen weekday of the following week
// (today's own weekday then gives today + 7); yesterday when no weekday is
// chosen, so the task is over and never comes due.
DateTime NextWeeklyDate(const TaskLineView& line, const TimeOfDay& taskTime, const Today& today);

}  // namespace orvane
