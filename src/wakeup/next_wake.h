#pragma once
// Where the wake-up timer aims: the earliest event that the machine must be
// awake for, among the pending task occurrences and the daily shutdown. The
// machine is woken kWakeLeadSeconds before it, so only an event further
// ahead than that counts: one nearer is handled by the running tick, and
// the timer aims past it at the one after.

#include <cstdint>
#include <optional>

#include "common/date_time.h"
#include "scheduler/occurrence_table.h"

namespace orvane {

inline constexpr std::int64_t kWakeLeadSeconds = 3;

// Whole seconds from `now` to `event`: their milliseconds since midnight
// apart, truncated toward zero, plus 86,400 for each day apart.
std::int64_t delaySeconds(DateTime event, DateTime now);

// The earliest of: the occurrence of each row that is not over and has an
// occurrence date, at its time of day; the daily shutdown at
// `shutdownSecondOfDay`, today while it is ahead, else tomorrow. Only events
// more than kWakeLeadSeconds ahead of `now` count; nothing when none does.
std::optional<DateTime> nextWakeEvent(const OccurrenceTable& table, std::optional<int> shutdownSecondOfDay,
                                      DateTime now);

}  // namespace orvane
