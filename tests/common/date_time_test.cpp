#include "common/date_time.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

DateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
  return DateTime::fromParts({year, month, day}, {hour, minute, second, ms});
}

TEST(DateTimeTest, CountsDaysFromTheEpoch) {
  EXPECT_EQ(DateTime::fromDate({1899, 12, 30}).value(), 0.0);
  EXPECT_EQ(DateTime::fromDate({1900, 1, 1}).value(), 2.0);
  EXPECT_EQ(DateTime::fromDate({2000, 1, 1}).value(), 36526.0);
  EXPECT_EQ(DateTime::fromDate({2026, 12, 7}).value(), 46363.0);
  EXPECT_EQ(DateTime::fromDate({9999, 12, 31}).value(), 2958465.0);
  EXPECT_EQ(DateTime::fromDate({1, 1, 1}).value(), -693593.0);
  EXPECT_EQ(at(2026, 12, 7, 18).value(), 46363.75);
}

TEST(DateTimeTest, DecodesEveryDayItEncodesAndCountsWeekdays) {
  DateTime day = DateTime::fromDate({1899, 12, 25});
  int weekday = day.weekday();
  EXPECT_EQ(weekday, 2);  // a Monday
  for (CivilDate expected{1899, 12, 25}; expected.year < 2101;) {
    ASSERT_EQ(day.date(), expected) << formatDate(expected);
    ASSERT_EQ(DateTime::fromDate(expected), day) << formatDate(expected);
    ASSERT_EQ(day.weekday(), weekday) << formatDate(expected);
    day = day.addDays(1);
    weekday = weekday % 7 + 1;
    expected.day = expected.day % daysInMonth(expected.year, expected.month) + 1;
    if (expected.day == 1) expected.month = expected.month % 12 + 1;
    if (expected.day == 1 && expected.month == 1) ++expected.year;
  }
  EXPECT_EQ(DateTime::fromDate({2026, 12, 6}).weekday(), 1);  // Sunday
  EXPECT_EQ(DateTime::fromDate({1899, 12, 30}).weekday(), 7);
}

TEST(DateTimeTest, KnowsTheCalendar) {
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_TRUE(isLeapYear(2024));
  EXPECT_FALSE(isLeapYear(1900));
  EXPECT_FALSE(isLeapYear(2026));
  EXPECT_EQ(daysInMonth(2024, 2), 29);
  EXPECT_EQ(daysInMonth(2100, 2), 28);
  EXPECT_EQ(daysInMonth(2026, 4), 30);
  EXPECT_EQ(daysInMonth(2026, 13), 0);
  EXPECT_TRUE(isValidDate(2024, 2, 29));
  EXPECT_FALSE(isValidDate(2026, 2, 29));
  EXPECT_FALSE(isValidDate(2026, 0, 1));
  EXPECT_FALSE(isValidDate(0, 1, 1));
}

TEST(DateTimeTest, SplitsTheTimeOfDayToTheMillisecond) {
  const DateTime value = at(2026, 12, 7, 23, 59, 58, 999);
  EXPECT_EQ(value.time(), (TimeOfDay{23, 59, 58, 999}));
  EXPECT_EQ(value.date(), (CivilDate{2026, 12, 7}));
  EXPECT_EQ(value.datePart(), DateTime::fromDate({2026, 12, 7}));
  EXPECT_EQ(value.millisecondsOfDay(), 86'398'999);
  EXPECT_EQ(value.time().secondsOfDay(), 86'398);
  EXPECT_EQ(value.addMilliseconds(1).date(), (CivilDate{2026, 12, 7}));
  EXPECT_EQ(value.addMilliseconds(1001).date(), (CivilDate{2026, 12, 8}));
  EXPECT_EQ(value.addMilliseconds(1001).time(), (TimeOfDay{0, 0, 0, 0}));
}

TEST(DateTimeTest, RoundsToTheNearestMillisecond) {
  const double noon = 46363.5;
  const double quarterMs = 0.25 / 86'400'000.0;
  EXPECT_EQ(DateTime(noon + quarterMs), DateTime(noon));
  EXPECT_EQ(DateTime(noon - quarterMs).time(), (TimeOfDay{12, 0, 0, 0}));
  EXPECT_EQ(DateTime(noon + 3 * quarterMs).time(), (TimeOfDay{12, 0, 0, 1}));
  EXPECT_LT(DateTime(noon), DateTime(noon + 3 * quarterMs));
  // A value a hair below midnight belongs to the next day.
  EXPECT_EQ(DateTime(46364.0 - quarterMs).date(), (CivilDate{2026, 12, 8}));
  EXPECT_EQ(DateTime::fromMilliseconds(46363LL * 86'400'000 + 1).totalMilliseconds(), 46363LL * 86'400'000 + 1);
}

TEST(DateTimeTest, CountsTimesBeforeTheEpochLinearly) {
  const DateTime value(-0.25);
  EXPECT_EQ(value.dayNumber(), -1);
  EXPECT_EQ(value.date(), (CivilDate{1899, 12, 29}));
  EXPECT_EQ(value.time(), (TimeOfDay{18, 0, 0, 0}));
  EXPECT_EQ(value.weekday(), 6);
}

TEST(DateTimeTest, AddsMonthsKeepingTheDayWhereTheMonthHasIt) {
  EXPECT_EQ(at(2026, 1, 31, 8, 30).addMonths(1), at(2026, 2, 28, 8, 30));
  EXPECT_EQ(at(2024, 1, 31).addMonths(1), at(2024, 2, 29));
  EXPECT_EQ(at(2026, 3, 31).addMonths(-1), at(2026, 2, 28));
  EXPECT_EQ(at(2026, 12, 15).addMonths(1), at(2027, 1, 15));
  EXPECT_EQ(at(2026, 1, 15).addMonths(-13), at(2024, 12, 15));
  EXPECT_EQ(at(2024, 2, 29).addMonths(12), at(2025, 2, 28));
  EXPECT_EQ(at(2026, 5, 31).addMonths(0), at(2026, 5, 31));
}

TEST(DateTimeTest, AddsDaysAcrossMonthsAndYears) {
  EXPECT_EQ(at(2026, 12, 31, 23).addDays(1), at(2027, 1, 1, 23));
  EXPECT_EQ(at(2024, 3, 1).addDays(-1), at(2024, 2, 29));
  EXPECT_EQ(at(2026, 12, 7).addDays(-46363), DateTime(0.0));
}

TEST(TimeTextTest, WritesHoursWithoutLeadingZero) {
  EXPECT_EQ(formatTime({9, 5, 7, 0}), "9:05:07");
  EXPECT_EQ(formatTime({0, 0, 0, 999}), "0:00:00");
  EXPECT_EQ(formatTime({23, 59, 59, 0}), "23:59:59");
}

TEST(TimeTextTest, ReadsOneOrTwoDigitFieldsWithColonsOrDots) {
  EXPECT_EQ(parseTime("9:05:07"), (TimeOfDay{9, 5, 7, 0}));
  EXPECT_EQ(parseTime(" 09.05.07 "), (TimeOfDay{9, 5, 7, 0}));
  EXPECT_EQ(parseTime("9:5:7"), (TimeOfDay{9, 5, 7, 0}));
  EXPECT_EQ(parseTime("23:59:59"), (TimeOfDay{23, 59, 59, 0}));
  EXPECT_EQ(parseTime("09:05:07"), (TimeOfDay{9, 5, 7, 0}));
  EXPECT_EQ(parseTime("0:00"), (TimeOfDay{0, 0, 0, 0}));
  EXPECT_EQ(parseTime("7:30"), (TimeOfDay{7, 30, 0, 0}));
}

TEST(TimeTextTest, RejectsOutOfRangeFieldsAndJunk) {
  for (const char* text : {"24:00:00", "12:60:00", "12:00:60", "", " ", "12", "12:", "12:00:", "12:00:00:00", "123:00",
                           "12:000", "12:00x", "9:05:0x", "1x:05:07", "a:b:c", "12 :00", "-1:00", "12,00", "12::00"}) {
    EXPECT_FALSE(parseTime(text)) << '"' << text << '"';
  }
}

TEST(DateTextTest, WritesAndReadsTheFixedPattern) {
  EXPECT_EQ(formatDate({2026, 1, 2}), "2026-01-02");
  EXPECT_EQ(parseDate("2026-01-02"), (CivilDate{2026, 1, 2}));
  EXPECT_EQ(parseDate("2026/12/7"), (CivilDate{2026, 12, 7}));
  EXPECT_EQ(parseDate(" 2026.1.2 "), (CivilDate{2026, 1, 2}));
  EXPECT_EQ(parseDate("2024-02-29"), (CivilDate{2024, 2, 29}));
}

TEST(DateTextTest, RejectsImpossibleDatesAndJunk) {
  for (const char* text : {"26-12-07", "2026-13-01", "2026-00-10", "2026-02-29", "2026-04-31", "2026-12/07",
                           "2026-12-07x", "20261-2-3", "2026-123-1", "2026--1", "", "2026 12 07", "2026-12"}) {
    EXPECT_FALSE(parseDate(text)) << '"' << text << '"';
  }
}

TEST(DateTimeTextTest, WritesSecondsOrMillisecondsAndReadsBack) {
  const DateTime value = at(2026, 12, 7, 9, 5, 7, 45);
  EXPECT_EQ(formatDateTime(value), "2026-12-07 09:05:07");
  EXPECT_EQ(formatDateTimeMs(value), "2026-12-07 09:05:07.045");
  EXPECT_EQ(parseDateTime("2026-12-07 09:05:07"), at(2026, 12, 7, 9, 5, 7));
  EXPECT_EQ(parseDateTime(" 2026-12-07  9:05:07 "), at(2026, 12, 7, 9, 5, 7));
  for (const char* text : {"2026-12-07", "09:05:07", "2026-12-07T09:05:07", "2026-12-07 25:00:00", "x 09:05:07"}) {
    EXPECT_FALSE(parseDateTime(text)) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace orvane
