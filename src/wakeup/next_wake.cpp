#include "wakeup/next_wake.h"

namespace orvane {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kMillisecondsPerSecond = 1'000;

DateTime atSecondOfDay(DateTime day, std::int64_t second) {
  return day.datePart().addMilliseconds(second * kMillisecondsPerSecond);
}

std::optional<DateTime> occurrenceOf(const OccurrenceRow& row) {
  if (row.state == kDoneWord || !row.occurrenceDate || !row.time) return std::nullopt;
  return atSecondOfDay(*row.occurrenceDate, row.time->secondsOfDay());
}

}  // namespace

std::int64_t delaySeconds(DateTime event, DateTime now) {
  return (event.millisecondsOfDay() - now.millisecondsOfDay()) / kMillisecondsPerSecond +
         (event.dayNumber() - now.dayNumber()) * kSecondsPerDay;
}

std::optional<DateTime> nextWakeEvent(const OccurrenceTable& table, std::optional<int> shutdownSecondOfDay,
                                      DateTime now) {
  std::optional<DateTime> earliest;
  const auto consider = [&](DateTime event) {
    if (delaySeconds(event, now) > kWakeLeadSeconds && (!earliest || event < *earliest)) earliest = event;
  };
  for (const OccurrenceRow& row : table.rows()) {
    if (const auto occurrence = occurrenceOf(row)) consider(*occurrence);
  }
  if (shutdownSecondOfDay) {
    const DateTime today = atSecondOfDay(now, *shutdownSecondOfDay);
    consider(delaySeconds(today, now) > kWakeLeadSeconds ? today : today.addDays(1));
  }
  return earliest;
}

}  // namespace orvane
