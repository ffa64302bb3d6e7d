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

// Where the first `mark` lies in the text, or npos. A mark starts with a byte
// that no digit has, so in the texts that the editor writes, where digits
// come before each mark, it is found without a search.
std::size_t findMark(std::string_view text, std::string_view mark) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (text.substr(digits, mark.size()) == mark) return digits;
  return text.find(mark, digits);
}

// The text after the first `mark`, or nothing when it holds none.
std::optional<std::string_view> after(std::string_view text, std::string_view mark) {
  const std::size_t found = findMark(text, mark);
  if (found == std::string_view::npos) return std::nullopt;
  return text.substr(found + mark.size());
}

// The number before the first `mark`.
std::optional<int> numberBefore(std::string_view text, std::string_view mark) {
  const std::size_t found = findMark(text, mark);
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
  const std::size_t found = findMark(text, mark);
  return found == std::string_view::npos ? text : text.substr(found + mark.size());
}

// The text before the first `mark`, or the empty text when it holds none.
std::string_view textBefore(std::string_view text, std::string_view mark) {
  const std::size_t found = findMark(text, mark);
  return found == std::string_view::npos ? std::string_view() : text.substr(0, found);
}

}  // namespace

ScheduleKind scheduleKindOf(std::string_view schedule) {
  if (startsWith(schedule, kOnceDateStart)) return ScheduleKind::Once;
  if (startsWith(schedule, kEveryYearWord)) return ScheduleKind::EveryYear;
  if (startsWith(schedule, kEveryMonthWord)) return ScheduleKind::EveryMonth;
  if (startsWith(schedule, kEveryDayWord)) return ScheduleKind::EveryDay;
  return schedule.empty() ? ScheduleKind::Weekly : ScheduleKind::Unknown;
}

std::optional<ScheduleDate> readOnceDate(std::string_view schedule) {
  auto date = readMonthAndDay(schedule);
  const auto year = readNumber(schedule.substr(0, kYearDigits));
  if (!date || !year) return std::nullopt;
  date->year = *year;
  return date;
}

std::optional<ScheduleDate> readEveryYearDate(std::string_view schedule) { return readMonthAndDay(schedule); }

std::optional<int> readEveryMonthDay(std::string_view schedule) {
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
