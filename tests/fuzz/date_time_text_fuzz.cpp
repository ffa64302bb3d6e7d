// The time and date text readers: whatever they accept is in range and reads
// back the same after it is written; what the program writes always reads
// back. The same for the date numbers of a task's schedule text.

#include "common/date_time.h"
#include "fuzz_support.h"
#include "scheduler/schedule.h"
#include "scheduler/task_words.h"

namespace orvane::fuzz {
namespace {

void checkReaders(std::string_view text) {
  if (const auto time = parseTime(text)) {
    require(time->hour <= 23 && time->minute <= 59 && time->second <= 59 && time->hour >= 0 && time->minute >= 0 &&
                time->second >= 0,
            "a time read is out of range");
    require(parseTime(formatTime(*time)) == time, "a time read and written reads back changed");
  }
  if (const auto date = parseDate(text)) {
    require(isValidDate(date->year, date->month, date->day), "a date read is no calendar date");
    require(parseDate(formatDate(*date)) == date, "a date read and written reads back changed");
  }
  if (const auto moment = parseDateTime(text)) {
    require(parseDateTime(formatDateTime(*moment)) == moment, "a date-time read and written reads back changed");
  }
  for (const auto& date : {readOnceDate(text), readEveryYearDate(text)}) {
    require(!date || (date->year >= 0 && date->month >= 0 && date->day >= 0), "a schedule number is negative");
  }
  const auto day = readEveryMonthDay(text);
  require(!day || *day >= 0, "a schedule day is negative");
}

// Times and dates as the program writes them, and the schedule texts of the
// task editor.
void checkWritten(FuzzInput& input) {
  const TimeOfDay time{input.byte() % 24, input.byte() % 60, input.byte() % 60, 0};
  require(parseTime(formatTime(time)) == time, "a written time reads back changed");
  const CivilDate date{1 + (input.byte() * 256 + input.byte()) % 9999, 1 + input.byte() % 12, 1 + input.byte() % 31};
  if (!isValidDate(date.year, date.month, date.day)) return;
  require(parseDate(formatDate(date)) == date, "a written date reads back changed");
  const DateTime moment = DateTime::fromParts(date, time);
  require(parseDateTime(formatDateTime(moment)) == moment, "a written date-time reads back changed");

  const std::string month = std::to_string(date.month) + std::string(kMonthMark);
  const std::string day = std::to_string(date.day) + std::string(kDayMark);
  const int year = 2000 + date.year % 100;
  const auto once = readOnceDate(std::to_string(year) + std::string(kYearMark) + month + day);
  require(once && once->year == year && once->month == date.month && once->day == date.day,
          "a once-date schedule reads back changed");
  const auto yearly = readEveryYearDate(std::string(kEveryYearWord) + month + day);
  require(yearly && yearly->month == date.month && yearly->day == date.day, "a yearly schedule reads back changed");
  require(readEveryMonthDay(std::string(kEveryMonthWord) + day) == date.day, "a monthly schedule reads back changed");
}

}  // namespace

void checkInput(FuzzInput& input) {
  checkReaders(input.rest());
  checkWritten(input);
}

}  // namespace orvane::fuzz
