#include "scheduler/occurrence_table.h"

#include <algorithm>

#include "common/second_catch_up.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {
constexpr TaskField kMondayToSunday[] = {TaskField::Monday,   TaskField::Tuesday, TaskField::Wednesday,
                                         TaskField::Thursday, TaskField::Friday,  TaskField::Saturday,
                                         TaskField::Sunday};
}  // namespace

std::string displayTextOf(const TaskLine& fields) {
  std::string text;
  const std::string_view schedule = fields[TaskField::Schedule];
  if (schedule.empty()) {
    for (const TaskField weekday : kMondayToSunday) text.append(" ").append(fields[weekday]);
  } else {
    text.append(" ").append(schedule);
  }
  return text.append("  ").append(fields[TaskField::Title]);
}

OccurrenceTable OccurrenceTable::resolve(const TaskList& lines, DateTime now) {
  OccurrenceTable table;
  table.rows_.reserve(lines.size());
  const Today today(now);
  for (const std::string& line : lines) table.add(line, today);
  std::sort(table.pending_.begin(), table.pending_.end());
  return table;
}

void OccurrenceTable::add(const std::string& line, const Today& today) {
  OccurrenceRow& row = rows_.emplace_back(line);
  row.displayText = displayTextOf(row.fields);
  row.state = row.fields[TaskField::Status];
  row.time = parseTime(row.fields[TaskField::Time]);
  if (row.state != kEnabledWord || !row.time) return;
  row.occurrenceDate = occurrenceDateOf(row.fields, *row.time, today);
  if (!row.occurrenceDate) return;
  const std::int64_t due = wholeSecondsOf(*row.occurrenceDate) + row.time->secondsOfDay();
  const std::int64_t current = wholeSecondsOf(today.now);
  if (*row.occurrenceDate == today.midnight && current <= due) row.state = kWaitingWord;
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
