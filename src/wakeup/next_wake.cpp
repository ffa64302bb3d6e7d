#include "wakeup/next_wake.h"

#include "common/second_catch_up.h"

namespace orvane {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kMillisecondsPerSecond = 1'000;

DateTime atSecondOfDay(DateTime day, std::int64_t second) {
  return day.datePart().addMilliseconds(second * kMillisecondsPerSecond);
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
  // The pending occurrences come in order of time, and the delay grows with
  // the time: the first one far enough ahead is the earliest that counts.
  for (const auto& pending : table.pending()) {
    const DateTime occurrence = fromWholeSeconds(pending.first);
    if (delaySeconds(occurrence, now) > kWakeLeadSeconds) {
      consider(occurrence);
      break;
    }
  }
  if (shutdownSecondOfDay) {
    const DateTime today = atSecondOfDay(now, *shutdownSecondOfDay);
    consider(delaySeconds(today, now) > kWakeLeadSeconds ? today : today.addDays(1));
  }
  return earliest;
}

}  // namespace orvane
