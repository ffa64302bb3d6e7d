#pragma once
// The one date-time value of the program: days since 1899-12-30 00:00 as a
// double, the fraction being the time of day. Weekdays count 1 = Sunday up to
// 7 = Saturday.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct CivilDate {
  int year = 1899;
  int month = 12;
  int day = 30;
  friend bool operator==(const CivilDate& a, const CivilDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
  }
  friend bool operator!=(const CivilDate& a, const CivilDate& b) { return !(a == b); }
};

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int secondsOfDay() const { return hour * 3600 + minute * 60 + second; }
  friend bool operator==(const TimeOfDay& a, const TimeOfDay& b) {
    return a.hour == b.hour && a.minute == b.minute && a.second == b.second && a.millisecond == b.millisecond;
  }
  friend bool operator!=(const TimeOfDay& a, const TimeOfDay& b) { return !(a == b); }
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);  // 0 for a month outside 1..12
bool isValidDate(int year, int month, int day);
// Whole days from the epoch (1899-12-30) to a date, as DateTime::dayNumber
// counts them.
std::int64_t dayNumberOf(const CivilDate& date);

class DateTime {
 public:
  static constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

  constexpr DateTime() = default;
  constexpr explicit DateTime(double days) : days_(days) {}

  // Encodes a valid calendar date (see isValidDate) and time of day.
  static DateTime fromDate(const CivilDate& date);
  static DateTime fromParts(const CivilDate& date, const TimeOfDay& time);
  static DateTime fromMilliseconds(std::int64_t sinceEpoch);

  double value() const { return days_; }
  std::int64_t totalMilliseconds() const;  // rounded to the millisecond
  std::int64_t dayNumber() const;          // whole days since the epoch
  std::int64_t millisecondsOfDay() const;  // 0 .. 86'399'999

  CivilDate date() const;
  TimeOfDay time() const;
  int weekday() const;  // 1 = Sunday .. 7 = Saturday
  DateTime datePart() const;

  DateTime addDays(std::int64_t days) const;
  DateTime addMilliseconds(std::int64_t ms) const;
  // The same day N months on; a day beyond the length of the target month
  // becomes its last day.
  DateTime addMonths(int months) const;

  friend bool operator==(DateTime a, DateTime b) { return a.totalMilliseconds() == b.totalMilliseconds(); }
  friend bool operator<(DateTime a, DateTime b) { return a.totalMilliseconds() < b.totalMilliseconds(); }
  friend bool operator>(DateTime a, DateTime b) { return b < a; }
  friend bool operator<=(DateTime a, DateTime b) { return !(b < a); }
  friend bool operator>=(DateTime a, DateTime b) { return !(a < b); }
  friend bool operator!=(DateTime a, DateTime b) { return !(a == b); }

 private:
  double days_ = 0.0;
};

// The time text: written "H:mm:ss" (no leading zero on the hour); read
// leniently: one or two digits per field, ":" or "." between them, blanks
// around the text ignored. Hours 0-23, minutes and seconds 0-59.
std::string formatTime(const TimeOfDay& time);
std::optional<TimeOfDay> parseTime(std::string_view text);

// The date text: written "yyyy-MM-dd"; read leniently: a four-digit year,
// one- or two-digit month and day, "-", "/" or "." between them.
std::string formatDate(const CivilDate& date);
std::optional<CivilDate> parseDate(std::string_view text);

// "yyyy-MM-dd HH:mm:ss" and, with milliseconds, "yyyy-MM-dd HH:mm:ss.zzz".
std::string formatDateTime(DateTime value);
std::string formatDateTimeMs(DateTime value);
std::optional<DateTime> parseDateTime(std::string_view text);

}  // namespace orvane
