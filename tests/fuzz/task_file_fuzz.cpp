// The whole task file: its lines as the public reader splits them, against a
// plain reference reader; saved and read again; and today's occurrence table
// built from them at a time the input chooses.

#include <algorithm>

#include "common/second_catch_up.h"
#include "fuzz_support.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/task_file.h"
#include "scheduler/task_words.h"

namespace orvane::fuzz {
namespace {

// A line ends at CR LF, at CR or at LF; a last line without its end counts.
TaskList referenceLines(std::string_view bytes) {
  TaskList lines;
  std::string line;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] != '\r' && bytes[at] != '\n') {
      line += bytes[at];
      continue;
    }
    if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') ++at;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void checkLines(std::string_view bytes, const TaskList& lines) {
  require(lines == referenceLines(bytes), "the task file splits differently from the reference reader");
  require(parseTaskFile(serializeTaskFile(lines)) == lines, "a saved task list reads back changed");
  // A list read again over an older one, as a reload does.
  TaskList reloaded = referenceLines(bytes.substr(bytes.size() / 2));
  reloaded.emplace_back("old line");
  assignTaskLines(bytes, reloaded);
  require(reloaded == lines, "a reload over an older list differs from a fresh read");
}

// A moment from 2000 to about 2043, on a whole second.
DateTime momentOf(FuzzInput& input) {
  std::int64_t seconds = 0;
  for (int i = 0; i < 4; ++i) seconds = seconds * 256 + input.byte();
  const DateTime base = DateTime::fromDate({2000, 1, 1});
  return base.addMilliseconds(seconds * 1000 / 3);
}

bool contains(const std::vector<int>& rows, int number) {
  return std::find(rows.begin(), rows.end(), number) != rows.end();
}

// An enabled row with an occurrence is done once its second is past, and
// otherwise pending at that second: waiting when it is today, else enabled.
void checkRow(const OccurrenceTable& table, int number, const Today& today) {
  const OccurrenceRow& row = table.row(number);
  const std::string_view status = row.fields()[TaskField::Status];
  if (!row.occurrenceDate) {
    require(row.state == status, "a row without an occurrence does not show its status");
    return;
  }
  require(status == kEnabledWord && row.time, "a row that is not enabled has an occurrence");
  const std::int64_t due = wholeSecondsOf(*row.occurrenceDate) + row.time->secondsOfDay();
  const bool pending = contains(table.rowsDueAt(due), number);
  if (due < today.wholeSeconds) {
    require(row.state == kDoneWord && !pending, "a past occurrence is not done");
  } else {
    require(pending, "a coming occurrence is not pending at its second");
    const bool isToday = row.occurrenceDate->dayNumber() == today.day;
    require(row.state == (isToday ? kWaitingWord : kEnabledWord), "a coming occurrence shows the wrong state");
  }
}

void checkTable(const TaskList& lines, DateTime now) {
  const OccurrenceTable table = OccurrenceTable::resolve(lines, now);
  require(table.rowCount() == static_cast<int>(lines.size()), "the table has not one row per line");
  const Today today(now);
  for (int number = 1; number <= table.rowCount(); ++number) {
    require(table.row(number).line == lines[static_cast<std::size_t>(number - 1)], "row K is not line K");
    checkRow(table, number, today);
  }
}

}  // namespace

void checkInput(FuzzInput& input) {
  const DateTime now = momentOf(input);
  const TaskList lines = parseTaskFile(input.rest());
  checkLines(input.rest(), lines);
  checkTable(lines, now);
}

}  // namespace orvane::fuzz
