#pragma once
// The day of a task's next occurrence, as of a moment `now`: the kind of
// schedule decides. Every comparison with the time of day is strict, so at
// exactly the task's time the occurrence still counts as ahead.
//
// A day that the month in question does not have (every month on the 31st in
// April, every year on 29 February in a common year, a once-date of 30
// February) becomes the last day of that month, as a monthly task moved on to
// a shorter month does. A month outside 1 to 12, a day below 1, a number that
// does not read or a schedule of no known kind give no day.
//
// Days are counted as whole numbers (DateTime::dayNumber), so that a rebuild
// resolves every row without date-time arithmetic.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/date_time.h"

namespace orvane {

// The moment of a rebuild, taken apart once for all rows.
struct Today {
  explicit Today(DateTime now);

  std::int64_t day;  // see DateTime::dayNumber
  CivilDate date;
  int weekday;  // 1 = Sunday ... 7 = Saturday
  int secondsOfDay;
  std::int64_t wholeSeconds;  // of now, see wholeSecondsOf
};

// The weekdays chosen in a weekly task: bit (weekday - 1) for each weekday
// 1 = Sunday ... 7 = Saturday.
using WeekdaySet = unsigned;

// The day on which a task with this schedule text (field 3), at this second
// of the day, next occurs; a day in the past when it is over. `weekdays`
// counts for a weekly task (an empty schedule) only: the first chosen
// weekday from today on (today only while its time is not past), else the
// first chosen weekday of the following week (today's own weekday then gives
// today + 7); yesterday when no weekday is chosen, so the task is over and
// never comes due.
std::optional<std::int64_t> occurrenceDayOf(std::string_view schedule, WeekdaySet weekdays, int taskSecondsOfDay,
                                            const Today& today);

}  // namespace orvane
