#include "common/date_time.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/gbk.h"

namespace orvane {

namespace {

constexpr std::int64_t kMillisecondsPerSecond = 1000;
constexpr std::int64_t kMillisecondsPerMinute = 60 * kMillisecondsPerSecond;
constexpr std::int64_t kMillisecondsPerHour = 60 * kMillisecondsPerMinute;

std::int64_t floorDivide(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a proleptic Gregorian date (the era-based
// algorithm: 400-year eras of 146097 days, years starting on 1 March).
std::int64_t daysFromCivil(const CivilDate& date) {
  const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = floorDivide(year, 400);
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t shiftedMonth = date.month > 2 ? date.month - 3 : date.month + 9;
  const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate civilFromDays(std::int64_t daysSince1970) {
  const std::int64_t shifted = daysSince1970 + 719468;
  const std::int64_t era = floorDivide(shifted, 146097);
  const std::int64_t dayOfEra = shifted - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

const std::int64_t kEpochDaysSince1970 = daysFromCivil(CivilDate{});

std::int64_t millisecondsOf(const TimeOfDay& time) {
  return time.hour * kMillisecondsPerHour + time.minute * kMillisecondsPerMinute +
         time.second * kMillisecondsPerSecond + time.millisecond;
}

// Reads the texts of dates and times field by field.
class TextCursor {
 public:
  explicit TextCursor(std::string_view text) : rest_(text) {}

  std::optional<int> number(std::size_t minDigits, std::size_t maxDigits) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < maxDigits && digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9') {
      value = value * 10 + (rest_[digits] - '0');
      ++digits;
    }
    if (digits < minDigits) return std::nullopt;
    rest_.remove_prefix(digits);
    return value;
  }

  std::optional<char> separator(std::string_view allowed) {
    if (rest_.empty() || allowed.find(rest_.front()) == std::string_view::npos) return std::nullopt;
    const char found = rest_.front();
    rest_.remove_prefix(1);
    return found;
  }

  bool atEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// The value of a decimal digit; above 9 for any other byte.
unsigned digitValue(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c) - '0'); }

// The pattern that formatTime writes, "H:MM:SS" or "HH:MM:SS", read without
// the general reader's steps: the rebuild of the task table reads the time
// of every task line.
std::optional<TimeOfDay> readWrittenTime(std::string_view text) {
  if (text.size() != 7 && text.size() != 8) return std::nullopt;
  const char* const minutes = text.data() + text.size() - 5;
  if (minutes[-1] != ':' || minutes[2] != ':') return std::nullopt;
  const unsigned hourTens = text.size() == 8 ? digitValue(text[0]) : 0;
  const unsigned digits[] = {hourTens,
                             digitValue(minutes[-2]),
                             digitValue(minutes[0]),
                             digitValue(minutes[1]),
                             digitValue(minutes[3]),
                             digitValue(minutes[4])};
  for (const unsigned digit : digits) {
    if (digit > 9) return std::nullopt;
  }
  const TimeOfDay time{static_cast<int>(digits[0] * 10 + digits[1]), static_cast<int>(digits[2] * 10 + digits[3]),
                       static_cast<int>(digits[4] * 10 + digits[5]), 0};
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

template <typename... Fields>
std::string formatted(const char* pattern, Fields... fields) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, pattern, fields...);
  return buffer;
}

}  // namespace

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

std::int64_t dayNumberOf(const CivilDate& date) { return daysFromCivil(date) - kEpochDaysSince1970; }

DateTime DateTime::fromDate(const CivilDate& date) { return DateTime(static_cast<double>(dayNumberOf(date))); }

DateTime DateTime::fromParts(const CivilDate& date, const TimeOfDay& time) {
  return fromMilliseconds(dayNumberOf(date) * kMillisecondsPerDay + millisecondsOf(time));
}

DateTime DateTime::fromMilliseconds(std::int64_t sinceEpoch) {
  return DateTime(static_cast<double>(sinceEpoch) / static_cast<double>(kMillisecondsPerDay));
}

std::int64_t DateTime::totalMilliseconds() const {
  return std::llround(days_ * static_cast<double>(kMillisecondsPerDay));
}

std::int64_t DateTime::dayNumber() const { return floorDivide(totalMilliseconds(), kMillisecondsPerDay); }

std::int64_t DateTime::millisecondsOfDay() const { return totalMilliseconds() - dayNumber() * kMillisecondsPerDay; }

CivilDate DateTime::date() const { return civilFromDays(dayNumber() + kEpochDaysSince1970); }

TimeOfDay DateTime::time() const {
  const std::int64_t ms = millisecondsOfDay();
  return {static_cast<int>(ms / kMillisecondsPerHour),
          static_cast<int>(ms % kMillisecondsPerHour / kMillisecondsPerMinute),
          static_cast<int>(ms % kMillisecondsPerMinute / kMillisecondsPerSecond),
          static_cast<int>(ms % kMillisecondsPerSecond)};
}

int DateTime::weekday() const {
  // Day 0, 1899-12-30, was a Saturday.
  return static_cast<int>((dayNumber() % 7 + 13) % 7) + 1;
}

DateTime DateTime::datePart() const { return DateTime(static_cast<double>(dayNumber())); }

DateTime DateTime::addDays(std::int64_t days) const {
  return fromMilliseconds(totalMilliseconds() + days * kMillisecondsPerDay);
}

DateTime DateTime::addMilliseconds(std::int64_t ms) const { return fromMilliseconds(totalMilliseconds() + ms); }

DateTime DateTime::addMonths(int months) const {
  const CivilDate from = date();
  const std::int64_t monthIndex = std::int64_t{from.year} * 12 + (from.month - 1) + months;
  const int year = static_cast<int>(floorDivide(monthIndex, 12));
  const int month = static_cast<int>(monthIndex - std::int64_t{year} * 12) + 1;
  const CivilDate to{year, month, std::min(from.day, daysInMonth(year, month))};
  return fromMilliseconds(dayNumberOf(to) * kMillisecondsPerDay + millisecondsOfDay());
}

std::string formatTime(const TimeOfDay& time) { return formatted("%d:%02d:%02d", time.hour, time.minute, time.second); }

std::optional<TimeOfDay> parseTime(std::string_view text) {
  if (const auto written = readWrittenTime(text)) return written;
  TextCursor cursor(trimBlanks(text));
  int fields[3] = {0, 0, 0};
  std::size_t count = 0;
  do {
    const auto field = cursor.number(1, 2);
    if (!field) return std::nullopt;
    fields[count++] = *field;
  } while (count < 3 && cursor.separator(":."));
  if (count < 2 || !cursor.atEnd()) return std::nullopt;
  if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return std::nullopt;
  return TimeOfDay{fields[0], fields[1], fields[2], 0};
}

std::string formatDate(const CivilDate& date) { return formatted("%04d-%02d-%02d", date.year, date.month, date.day); }

std::optional<CivilDate> parseDate(std::string_view text) {
  TextCursor cursor(trimBlanks(text));
  const auto year = cursor.number(4, 4);
  const auto separator = cursor.separator("-/.");
  const auto month = cursor.number(1, 2);
  const auto secondSeparator = cursor.separator("-/.");
  const auto day = cursor.number(1, 2);
  if (!year || !separator || !month || secondSeparator != separator || !day || !cursor.atEnd()) return std::nullopt;
  if (!isValidDate(*year, *month, *day)) return std::nullopt;
  return CivilDate{*year, *month, *day};
}

std::string formatDateTime(DateTime value) {
  const TimeOfDay time = value.time();
  return formatDate(value.date()) + formatted(" %02d:%02d:%02d", time.hour, time.minute, time.second);
}

std::string formatDateTimeMs(DateTime value) {
  return formatDateTime(value) + formatted(".%03d", value.time().millisecond);
}

std::optional<DateTime> parseDateTime(std::string_view text) {
  const std::string_view trimmed = trimBlanks(text);
  const std::size_t blank = trimmed.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const auto date = parseDate(trimmed.substr(0, blank));
  const auto time = parseTime(trimmed.substr(blank));
  if (!date || !time) return std::nullopt;
  return DateTime::fromParts(*date, *time);
}

}  // namespace orvane
