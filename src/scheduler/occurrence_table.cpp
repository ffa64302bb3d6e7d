#include "scheduler/occurrence_table.h"

#include <algorithm>

#include "common/radix_sort.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {

constexpr TaskField kMondayToSunday[] = {TaskField::Monday,   TaskField::Tuesday, TaskField::Wednesday,
                                         TaskField::Thursday, TaskField::Friday,  TaskField::Saturday,
                                         TaskField::Sunday};

constexpr std::int64_t kSecondsPerDay = 86'400;

// The weekdays whose fields hold a text.
WeekdaySet chosenWeekdays(const TaskLineHead& head) {
  WeekdaySet weekdays = 0;
  for (int weekday = 1; weekday <= 7; ++weekday) {
    if (!head[weekdayField(weekday)].empty()) weekdays |= 1u << (weekday - 1);
  }
  return weekdays;
}

}  // namespace

std::string displayTextOf(const TaskLineView& fields) {
  std::string text;
  const std::string_view schedule = fields[TaskField::Schedule];
  if (schedule.empty()) {
    for (const TaskField weekday : kMondayToSunday) (text += ' ') += fields[weekday];
  } else {
    (text += ' ') += schedule;
  }
  return (text += "  ") += fields[TaskField::Title];
}

OccurrenceTable OccurrenceTable::resolve(const TaskList& lines, DateTime now) {
  OccurrenceTable table;
  table.rows_.reserve(lines.size());
  table.pending_.reserve(lines.size());
  const Today today(now);
  for (const std::string& line : lines) table.add(line, today);
  // The rows were added in order, so a stable sort by time orders the equal
  // times by row.
  stableSortByKey(table.pending_);
  return table;
}

void OccurrenceTable::add(std::string_view line, const Today& today) {
  const TaskLineHead fields(line);
  OccurrenceRow& row = rows_.emplace_back();
  row.line = line;
  row.state = fields[TaskField::Status];
  row.time = parseTime(fields[TaskField::Time]);
  if (row.state != kEnabledWord || !row.time) return;
  const std::string_view schedule = fields[TaskField::Schedule];
  const int taskSeconds = row.time->secondsOfDay();
  const std::optional<std::int64_t> day =
      occurrenceDayOf(schedule, schedule.empty() ? chosenWeekdays(fields) : 0, taskSeconds, today);
  if (!day) return;
  row.occurrenceDate = DateTime(static_cast<double>(*day));
  const std::int64_t due = *day * kSecondsPerDay + taskSeconds;
  const std::int64_t current = today.wholeSeconds;
  if (*day == today.day && current <= due) row.state = kWaitingWord;
  if (current > due) {
    row.state = kDoneWord;
  } else {
    pending_.emplace_back(due, rowCount());
  }
}

std::vector<int> OccurrenceTable::rowsDueAt(std::int64_t second) const {
  auto due = std::lower_bound(pending_.begin(), pending_.end(), std::make_pair(second, 0));
  std::vector<int> rows;
  for (; due != pending_.end() && due->first == second; ++due) rows.push_back(due->second);
  return rows;
}

}  // namespace orvane
