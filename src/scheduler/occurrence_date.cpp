#include "scheduler/occurrence_date.h"

#include <algorithm>

#include "common/second_catch_up.h"
#include "scheduler/schedule.h"

namespace orvane {

namespace {

constexpr int kSaturday = 7;
constexpr int kDaysPerWeek = 7;
constexpr int kMonthsPerYear = 12;

// The day of this day in this month, or of its last day when the month is
// shorter; nothing for a month or day that never exists.
std::optional<std::int64_t> dayInMonth(int year, int month, int day) {
  if (day < 1 || !isValidDate(year, month, 1)) return std::nullopt;
  return dayNumberOf({year, month, std::min(day, daysInMonth(year, month))});
}

bool isChosen(WeekdaySet weekdays, int weekday) { return (weekdays >> (weekday - 1) & 1u) != 0; }

class Resolver {
 public:
  Resolver(int taskSecondsOfDay, const Today& today) : today_(today), late_(today.secondsOfDay > taskSecondsOfDay) {}

  std::optional<std::int64_t> resolve(std::string_view schedule, WeekdaySet weekdays) const {
    switch (scheduleKindOf(schedule)) {
      case ScheduleKind::Once:
        return once(readOnceDate(schedule));
      case ScheduleKind::EveryYear:
        return everyYear(readEveryYearDate(schedule));
      case ScheduleKind::EveryMonth:
        return everyMonth(readEveryMonthDay(schedule));
      case ScheduleKind::EveryDay:
        return late_ ? today_.day + 1 : today_.day;
      case ScheduleKind::Weekly:
        return weekly(weekdays);
      case ScheduleKind::Unknown:
        break;
    }
    return std::nullopt;
  }

 private:
  bool isToday(const std::optional<std::int64_t>& day) const { return day == today_.day; }

  std::optional<std::int64_t> once(const std::optional<ScheduleDate>& date) const {
    return date ? dayInMonth(date->year, date->month, date->day) : std::nullopt;
  }

  std::optional<std::int64_t> everyYear(const std::optional<ScheduleDate>& date) const {
    if (!date) return std::nullopt;
    const int year = today_.date.year;
    std::optional<std::int64_t> occurrence = dayInMonth(year, date->month, date->day);
    if (occurrence && today_.day > *occurrence) occurrence = dayInMonth(year + 1, date->month, date->day);
    if (isToday(occurrence) && late_) occurrence = dayInMonth(year + 1, date->month, date->day);
    return occurrence;
  }

  // A day already past this month stays in the past until the month turns.
  std::optional<std::int64_t> everyMonth(const std::optional<int>& day) const {
    if (!day) return std::nullopt;
    const CivilDate& date = today_.date;
    const std::optional<std::int64_t> occurrence = dayInMonth(date.year, date.month, *day);
    if (!isToday(occurrence) || !late_) return occurrence;
    const bool december = date.month == kMonthsPerYear;
    return dayInMonth(december ? date.year + 1 : date.year, december ? 1 : date.month + 1, *day);
  }

  std::int64_t weekly(WeekdaySet weekdays) const {
    const int todayWeekday = today_.weekday;
    for (int weekday = todayWeekday; weekday <= kSaturday; ++weekday) {
      if (!isChosen(weekdays, weekday)) continue;
      if (weekday > todayWeekday) return today_.day + (weekday - todayWeekday);
      if (!late_) return today_.day;
    }
    for (int weekday = 1; weekday <= todayWeekday; ++weekday) {
      if (isChosen(weekdays, weekday)) return today_.day + kDaysPerWeek - todayWeekday + weekday;
    }
    return today_.day - 1;
  }

  const Today& today_;
  bool late_;
};

}  // namespace

Today::Today(DateTime moment)
    : day(moment.dayNumber()),
      date(moment.date()),
      weekday(moment.weekday()),
      secondsOfDay(moment.time().secondsOfDay()),
      wholeSeconds(wholeSecondsOf(moment)) {}

std::optional<std::int64_t> occurrenceDayOf(std::string_view schedule, WeekdaySet weekdays, int taskSecondsOfDay,
                                            const Today& today) {
  return Resolver(taskSecondsOfDay, today).resolve(schedule, weekdays);
}

}  // namespace orvane
