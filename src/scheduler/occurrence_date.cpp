#include "scheduler/occurrence_date.h"

#include <algorithm>

#include "common/second_catch_up.h"
#include "scheduler/schedule.h"

namespace orvane {

namespace {

constexpr int kSaturday = 7;
constexpr int kMonthsPerYear = 12;

// The date of this day in this month, or its last day when the month is
// shorter; nothing for a month or day that never exists.
std::optional<DateTime> dayInMonth(int year, int month, int day) {
  if (day < 1 || !isValidDate(year, month, 1)) return std::nullopt;
  return DateTime::fromDate({year, month, std::min(day, daysInMonth(year, month))});
}

// The current time of day is later than the task's.
bool isLate(const TimeOfDay& taskTime, const Today& today) { return today.secondsOfDay > taskTime.secondsOfDay(); }

class Resolver {
 public:
  Resolver(const TaskLineView& line, const TimeOfDay& taskTime, const Today& today)
      : line_(line), taskTime_(taskTime), today_(today), late_(isLate(taskTime, today)) {}

  std::optional<DateTime> resolve() const {
    const std::string_view schedule = line_[TaskField::Schedule];
    switch (scheduleKindOf(schedule)) {
      case ScheduleKind::Once:
        return once(readOnceDate(schedule));
      case ScheduleKind::EveryYear:
        return everyYear(readEveryYearDate(schedule));
      case ScheduleKind::EveryMonth:
        return everyMonth(readEveryMonthDay(schedule));
      case ScheduleKind::EveryDay:
        return late_ ? today_.midnight.addDays(1) : today_.midnight;
      case ScheduleKind::Weekly:
        return NextWeeklyDate(line_, taskTime_, today_);
      case ScheduleKind::Unknown:
        break;
    }
    return std::nullopt;
  }

 private:
  bool isToday(const std::optional<DateTime>& date) const { return date && *date == today_.midnight; }

  std::optional<DateTime> once(const std::optional<ScheduleDate>& date) const {
    return date ? dayInMonth(date->year, date->month, date->day) : std::nullopt;
  }

  std::optional<DateTime> everyYear(const std::optional<ScheduleDate>& date) const {
    if (!date) return std::nullopt;
    const int year = today_.date.year;
    std::optional<DateTime> occurrence = dayInMonth(year, date->month, date->day);
    if (occurrence && today_.midnight > *occurrence) occurrence = dayInMonth(year + 1, date->month, date->day);
    if (isToday(occurrence) && late_) occurrence = dayInMonth(year + 1, date->month, date->day);
    return occurrence;
  }

  // A day already past this month stays in the past until the month turns.
  std::optional<DateTime> everyMonth(const std::optional<int>& day) const {
    if (!day) return std::nullopt;
    const CivilDate& date = today_.date;
    const std::optional<DateTime> occurrence = dayInMonth(date.year, date.month, *day);
    if (!isToday(occurrence) || !late_) return occurrence;
    const bool december = date.month == kMonthsPerYear;
    return dayInMonth(december ? date.year + 1 : date.year, december ? 1 : date.month + 1, *day);
  }

  const TaskLineView& line_;
  const TimeOfDay& taskTime_;
  const Today& today_;
  bool late_;
};

}  // namespace

Today::Today(DateTime moment)
    : now(moment),
      midnight(moment.datePart()),
      date(moment.date()),
      weekday(moment.weekday()),
      secondsOfDay(moment.time().secondsOfDay()),
      wholeSeconds(wholeSecondsOf(moment)) {}

std::optional<DateTime> occurrenceDateOf(const TaskLineView& line, const TimeOfDay& taskTime, const Today& today) {
  return Resolver(line, taskTime, today).resolve();
}

DateTime NextWeeklyDate(const TaskLineView& line, const TimeOfDay& taskTime, const Today& today) {
  const auto chosen = [&line](int weekday) { return !line[weekdayField(weekday)].empty(); };
  const DateTime& midnight = today.midnight;
  for (int weekday = today.weekday; weekday <= kSaturday; ++weekday) {
    if (!chosen(weekday)) continue;
    if (weekday > today.weekday) return midnight.addDays(weekday - today.weekday);
    if (!isLate(taskTime, today)) return midnight;
  }
  for (int weekday = 1; weekday <= today.weekday; ++weekday) {
    if (chosen(weekday)) return midnight.addDays(7 - today.weekday + weekday);
  }
  return midnight.addDays(-1);
}

}  // namespace orvane
