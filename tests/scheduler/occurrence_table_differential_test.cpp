// The rebuild's fast path (line ends and separators found a block at a time,
// no copy of a line, the list's texts reused, only the fields up to Sunday
// looked for, days counted as whole numbers) against a straightforward
// resolution, written the plain way in date-time arithmetic, of random task
// files: both must give the same list and the same table.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "common/second_catch_up.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/schedule.h"
#include "scheduler/task_lines.h"

namespace orvane {
namespace {

using test::gbk;

// The lines of a file, one byte at a time.
TaskList plainLines(const std::string& bytes) {
  TaskList lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    lines.push_back(bytes.substr(start, end - start));
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

// Fields 1 to 22 cut off the front one by one; the rest is the title.
std::vector<std::string> plainFields(std::string rest) {
  std::vector<std::string> fields;
  for (std::size_t field = 1; field < kTaskFieldCount; ++field) {
    const std::size_t star = rest.find('*');
    fields.push_back(star == std::string::npos ? "" : rest.substr(0, star));
    if (star != std::string::npos) rest.erase(0, star + 1);
  }
  fields.push_back(rest);
  return fields;
}

std::string plainDisplayText(const std::vector<std::string>& fields) {
  std::string text;
  if (fields[2].empty()) {
    for (const std::size_t weekday : {3, 4, 5, 6, 7, 8, 9}) text += " " + fields[weekday];
  } else {
    text += " " + fields[2];
  }
  return text + "  " + fields[22];
}

// A date of this month and day, or the month's last day when it is shorter.
std::optional<DateTime> plainDate(int year, int month, int day) {
  if (day < 1 || month < 1 || month > 12 || year < 1 || year > 9999) return std::nullopt;
  return DateTime::fromDate({year, month, std::min(day, daysInMonth(year, month))});
}

// The occurrence as the rules state it: the first day from `first` (today,
// or tomorrow once the task's time is past) on which the task falls; a
// monthly day already past stays this month's, a once-date stays where it is.
std::optional<DateTime> plainOccurrence(const std::vector<std::string>& fields, const TimeOfDay& time, DateTime now) {
  const DateTime today = now.datePart();
  const bool late = now.time().secondsOfDay() > time.secondsOfDay();
  const DateTime first = late ? today.addDays(1) : today;
  const CivilDate date = now.date();
  const std::string& schedule = fields[2];
  switch (scheduleKindOf(schedule)) {
    case ScheduleKind::EveryDay:
      return first;
    case ScheduleKind::Weekly:
      for (DateTime day = first; day < first.addDays(7); day = day.addDays(1)) {
        if (!fields[day.weekday() == 1 ? 9 : static_cast<std::size_t>(day.weekday()) + 1].empty()) return day;
      }
      return today.addDays(-1);
    case ScheduleKind::Once: {
      const auto once = readOnceDate(schedule);
      return once ? plainDate(once->year, once->month, once->day) : std::nullopt;
    }
    case ScheduleKind::EveryMonth: {
      const auto day = readEveryMonthDay(schedule);
      const auto thisMonth = day ? plainDate(date.year, date.month, *day) : std::nullopt;
      if (thisMonth != today || !late) return thisMonth;
      return plainDate(date.month == 12 ? date.year + 1 : date.year, date.month % 12 + 1, *day);
    }
    case ScheduleKind::EveryYear: {
      const auto yearly = readEveryYearDate(schedule);
      if (!yearly) return std::nullopt;
      const auto thisYear = plainDate(date.year, yearly->month, yearly->day);
      return thisYear && *thisYear < first ? plainDate(date.year + 1, yearly->month, yearly->day) : thisYear;
    }
    case ScheduleKind::Unknown:
      break;
  }
  return std::nullopt;
}

class RandomTaskFile {
 public:
  explicit RandomTaskFile(unsigned seed) : random_(seed) {}

  std::string file(int lines) {
    std::string bytes;
    for (int line = 0; line < lines; ++line) bytes += this->line() + pick({"\r\n", "\n", "\r", "\r\n"});
    return bytes;
  }

 private:
  std::string pick(std::initializer_list<std::string> texts) {
    return texts.begin()[std::uniform_int_distribution<std::size_t>(0, texts.size() - 1)(random_)];
  }
  std::string number(int low, int high) { return std::to_string(std::uniform_int_distribution(low, high)(random_)); }

  std::string line() {
    std::string line = pick({number(0, 23) + ":" + number(0, 59) + ":" + number(0, 59), "9.30", "25:00:00", ""});
    line += "*" + pick({std::string(kEnabledWord), std::string(kEnabledWord), gbk("禁用"), "x"});
    line += "*" + pick({gbk("每天"), "", "", gbk("每月" + number(0, 32) + "日"),
                        gbk("每年" + number(1, 13) + "月" + number(1, 31) + "日"),
                        gbk(number(1999, 2100) + "年" + number(1, 12) + "月" + number(1, 31) + "日"), gbk("每季")});
    for (const std::string_view weekday : kWeekdayWords) line += "*" + pick({std::string(weekday), ""});
    // Actions, a missing separator now and then, titles with stars.
    for (int field = 11; field <= 22; ++field) line += pick({"*", "*", "*", "*Run Program:C:\\x.exe", "", "**"});
    return line + pick({"", gbk("标题"), "a*b**", std::string(40, 'z')});
  }

  std::mt19937 random_;
};

TEST(OccurrenceTableDifferential, FastResolutionEqualsThePlainOneOnRandomFiles) {
  const DateTime start = parseDateTime("2026-12-01 00:00:00").value();
  TaskList reused;  // read into again and again, as the scheduler does
  for (unsigned seed = 1; seed <= 60; ++seed) {
    RandomTaskFile random(seed);
    const std::string bytes = random.file(static_cast<int>(seed % 17) * 5);
    assignTaskLines(bytes, reused);
    ASSERT_EQ(reused, plainLines(bytes)) << "seed " << seed;

    const DateTime now = fromWholeSeconds(wholeSecondsOf(start) + seed * 40'009 % (60 * 86'400));
    const OccurrenceTable table = OccurrenceTable::resolve(reused, now);
    ASSERT_EQ(table.rowCount(), static_cast<int>(reused.size()));
    std::vector<std::pair<std::int64_t, int>> pending;
    for (int number = 1; number <= table.rowCount(); ++number) {
      const std::string& line = reused[static_cast<std::size_t>(number - 1)];
      const std::vector<std::string> fields = plainFields(line);
      const OccurrenceRow& row = table.row(number);
      const TaskLineView split = row.fields();
      for (std::size_t field = 0; field < kTaskFieldCount; ++field) {
        ASSERT_EQ(split[static_cast<TaskField>(field + 1)], fields[field]) << line;
        if (field < TaskLineHead::kFieldCount) {
          ASSERT_EQ(TaskLineHead(line)[static_cast<TaskField>(field + 1)], fields[field]) << line;
        }
      }
      EXPECT_EQ(row.displayText(), plainDisplayText(fields)) << line;
      EXPECT_EQ(row.time, parseTime(fields[0])) << line;
      // A row is over, waiting today or enabled on a later day by its date.
      std::string state = fields[1];
      const auto date = row.time && state == kEnabledWord ? plainOccurrence(fields, *row.time, now) : std::nullopt;
      EXPECT_EQ(row.occurrenceDate, date) << line;
      if (date) {
        const std::int64_t due = wholeSecondsOf(date->addMilliseconds(row.time->secondsOfDay() * 1000));
        if (due < wholeSecondsOf(now)) state = kDoneWord;
        if (due >= wholeSecondsOf(now)) pending.emplace_back(due, number);
        if (due >= wholeSecondsOf(now) && date->dayNumber() == now.dayNumber()) state = kWaitingWord;
      }
      EXPECT_EQ(row.state, state) << line;
    }
    std::sort(pending.begin(), pending.end());
    EXPECT_EQ(table.pending(), pending);
  }
}

}  // namespace
}  // namespace orvane
