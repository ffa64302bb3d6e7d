#include "scheduler/schedule.h"

#include "common/gbk.h"
#include "scheduler/task_words.h"

namespace orvane {

namespace {

constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kMaxNumberDigits = 9;  // stays inside int

bool startsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// A decimal integer, blanks around it allowed.
std::optional<int> readNumber(std::string_view text) {
  const std::string_view digits = trimBlanks(text);
  if (digits.empty() || digits.size() > kMaxNumberDigits) return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The text after the first `mark`, or nothing when it holds none.
std::optional<std::string_view> after(std::string_view text, std::string_view mark) {
  const std::size_t found = text.find(mark);
  if (found == std::string_view::npos) return std::nullopt;
  return text.substr(found + mark.size());
}

// The number before the first `mark`.
std::optional<int> numberBefore(std::string_view text, std::string_view mark) {
  const std::size_t found = text.find(mark);
  if (found == std::string_view::npos) return std::nullopt;
  return readNumber(text.substr(0, found));
}

// "M月D日" after the year mark of a once-date or of "每年".
std::optional<ScheduleDate> readMonthAndDay(std::string_view schedule) {
  const auto monthAndDay = after(schedule, kYearMark);
  if (!monthAndDay) return std::nullopt;
  const auto month = numberBefore(*monthAndDay, kMonthMark);
  const auto dayText = after(*monthAndDay, kMonthMark);
  const auto day = dayText ? numberBefore(*dayText, kDayMark) : std::nullopt;
  if (!month || !day) return std::nullopt;
  return ScheduleDate{0, *month, *day};
}

// The text after the first `mark`, or the whole text when it holds none.
std::string_view removeThrough(std::string_view text, std::string_view mark) {
  const std::size_t found = text.find(mark);
  return found == std::string_view::npos ? text : text.substr(found + mark.size());
}

// The text before the first `mark`, or the empty text when it holds none.
std::string_view textBefore(std::string_view text, std::string_view mark) {
  const std::size_t found = text.find(mark);
  return found == std::string_view::npos ? std::string_view() : text.substr(0, found);
}

// The schedules as the editor writes them, with digits right before each
// mark ("2026年12月8日", "每年12月25日", "每月15日"), are read in one pass
// without the searches below. They read the same either way: no digit
// starts a mark, so the mark after the digits is the first one.
class WrittenSchedule {
 public:
  explicit WrittenSchedule(std::string_view text) : rest_(text) {}

  // Digits, `least` to `most` of them, then `mark`; false, and nothing read,
  // when the text goes on otherwise.
  bool number(std::size_t least, std::size_t most, std::string_view mark, int& value) {
    std::size_t digits = 0;
    int read = 0;
    for (; digits < most && digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9'; ++digits) {
      read = read * 10 + (rest_[digits] - '0');
    }
    if (digits < least || rest_.substr(digits, mark.size()) != mark) return false;
    rest_.remove_prefix(digits + mark.size());
    value = read;
    return true;
  }

  bool word(std::string_view word) {
    if (!startsWith(rest_, word)) return false;
    rest_.remove_prefix(word.size());
    return true;
  }

  // "M月D日".
  std::optional<ScheduleDate> monthAndDay(int year) {
    ScheduleDate date{year, 0, 0};
    if (!number(1, kMaxNumberDigits, kMonthMark, date.month) || !number(1, kMaxNumberDigits, kDayMark, date.day)) {
      return std::nullopt;
    }
    return date;
  }

 private:
  std::string_view rest_;
};

}  // namespace

ScheduleKind scheduleKindOf(std::string_view schedule) {
  if (startsWith(schedule, kOnceDateStart)) return ScheduleKind::Once;
  if (startsWith(schedule, kEveryYearWord)) return ScheduleKind::EveryYear;
  if (startsWith(schedule, kEveryMonthWord)) return ScheduleKind::EveryMonth;
  if (startsWith(schedule, kEveryDayWord)) return ScheduleKind::EveryDay;
  return schedule.empty() ? ScheduleKind::Weekly : ScheduleKind::Unknown;
}

std::optional<ScheduleDate> readOnceDate(std::string_view schedule) {
  WrittenSchedule written(schedule);
  int writtenYear = 0;
  // Exactly four digits before "年": the year is the first four characters.
  if (written.number(kYearDigits, kYearDigits, kYearMark, writtenYear)) {
    if (const auto date = written.monthAndDay(writtenYear)) return date;
  }
  auto date = readMonthAndDay(schedule);
  const auto year = readNumber(schedule.substr(0, kYearDigits));
  if (!date || !year) return std::nullopt;
  date->year = *year;
  return date;
}

std::optional<ScheduleDate> readEveryYearDate(std::string_view schedule) {
  WrittenSchedule written(schedule);
  if (written.word(kEveryYearWord)) {
    if (const auto date = written.monthAndDay(0)) return date;
  }
  return readMonthAndDay(schedule);
}

std::optional<int> readEveryMonthDay(std::string_view schedule) {
  WrittenSchedule written(schedule);
  int day = 0;
  if (written.word(kEveryMonthWord) && written.number(1, kMaxNumberDigits, kDayMark, day)) return day;
  const auto dayText = after(schedule, kMonthMark);
  return dayText ? numberBefore(*dayText, kDayMark) : std::nullopt;
}

ScheduleDateTexts monthAndDayTexts(std::string_view schedule) {
  const std::string_view monthAndDay = removeThrough(schedule, kYearMark);
  return {textBefore(monthAndDay, kMonthMark), textBefore(removeThrough(monthAndDay, kMonthMark), kDayMark)};
}

std::string_view monthlyDayText(std::string_view schedule) {
  return textBefore(removeThrough(schedule, kMonthMark), kDayMark);
}

}  // namespace orvane
