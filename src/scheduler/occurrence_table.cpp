#include "scheduler/occurrence_table.h"

#include <algorithm>
#include <cstring>

#include "common/second_catch_up.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {

constexpr TaskField kMondayToSunday[] = {TaskField::Monday,   TaskField::Tuesday, TaskField::Wednesday,
                                         TaskField::Thursday, TaskField::Friday,  TaskField::Saturday,
                                         TaskField::Sunday};

// The blanks that a display text adds to the fields it is made of: one
// before each of the seven weekdays and two before the title. The fields are
// distinct parts of the line, so a display text is never longer than its line
// plus these.
constexpr std::size_t kDisplayTextBlanks = 9;

// Writes into room that was made beforehand.
class TextWriter {
 public:
  explicit TextWriter(char* at) : at_(at) {}
  TextWriter& operator<<(std::string_view text) {
    if (!text.empty()) std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
    return *this;
  }
  char* at() const { return at_; }

 private:
  char* at_;
};

void writeDisplayText(const TaskLineView& fields, TextWriter& out) {
  const std::string_view schedule = fields[TaskField::Schedule];
  if (schedule.empty()) {
    for (const TaskField weekday : kMondayToSunday) out << " " << fields[weekday];
  } else {
    out << " " << schedule;
  }
  out << "  " << fields[TaskField::Title];
}

}  // namespace

std::string displayTextOf(const TaskLineView& fields) {
  std::string text(fields.text().size() + kDisplayTextBlanks, '\0');
  TextWriter out(text.data());
  writeDisplayText(fields, out);
  text.resize(static_cast<std::size_t>(out.at() - text.data()));
  return text;
}

OccurrenceTable OccurrenceTable::resolve(const TaskList& lines, DateTime now) {
  OccurrenceTable table;
  std::size_t room = 0;
  for (const std::string& line : lines) room += line.size() + kDisplayTextBlanks;
  table.displayTexts_.reset(new char[room]);
  table.rows_.reserve(lines.size());
  table.pending_.reserve(lines.size());
  const Today today(now);
  for (const std::string& line : lines) table.add(line, today);
  std::sort(table.pending_.begin(), table.pending_.end());
  return table;
}

void OccurrenceTable::add(std::string_view line, const Today& today) {
  const TaskLineView fields(line);
  OccurrenceRow& row = rows_.emplace_back();
  row.line = line;
  row.displayText = appendDisplayText(fields);
  row.state = fields[TaskField::Status];
  row.time = parseTime(fields[TaskField::Time]);
  if (row.state != kEnabledWord || !row.time) return;
  row.occurrenceDate = occurrenceDateOf(fields, *row.time, today);
  if (!row.occurrenceDate) return;
  const std::int64_t due = wholeSecondsOf(*row.occurrenceDate) + row.time->secondsOfDay();
  const std::int64_t current = today.wholeSeconds;
  if (*row.occurrenceDate == today.midnight && current <= due) row.state = kWaitingWord;
  if (current > due) {
    row.state = kDoneWord;
  } else {
    pending_.emplace_back(due, rowCount());
  }
}

std::string_view OccurrenceTable::appendDisplayText(const TaskLineView& fields) {
  char* const start = displayTexts_.get() + displayTextsSize_;
  TextWriter out(start);
  writeDisplayText(fields, out);
  displayTextsSize_ = static_cast<std::size_t>(out.at() - displayTexts_.get());
  return std::string_view(start, static_cast<std::size_t>(out.at() - start));
}

std::vector<int> OccurrenceTable::rowsDueAt(std::int64_t second) const {
  auto due = std::lower_bound(pending_.begin(), pending_.end(), std::make_pair(second, 0));
  std::vector<int> rows;
  for (; due != pending_.end() && due->first == second; ++due) rows.push_back(due->second);
  return rows;
}

}  // namespace orvane
