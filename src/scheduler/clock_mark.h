#pragma once
// The date text, hour and minute that the last rebuild of the occurrence
// table or the last 30-second check saw, and the checks that rebuild the table
// when the date has changed or the clock has jumped. The ordinary passing of
// time (the minute standing still or advancing by one, the hour advancing by
// one from minute 59) never rebuilds; a jump by exactly one hour with the
// same or the next minute goes unnoticed.

#include <string>

#include "common/date_time.h"

namespace orvane {

// Hour and minute are decimal texts, compared as texts: one less than hour 0
// or minute 0 is "-1", which never matches. All three are empty while unset.
struct ClockMark {
  std::string date;
  std::string hour;
  std::string minute;

  static ClockMark of(DateTime moment);
};

// The rebuild checks of the 30-second timer, with `now` read once. Each test
// reads `mark` as it stands, so a test after a rebuild (which sets the mark)
// sees the fresh mark. Ends by marking `now`.
template <typename Rebuild>
void checkClockMark(ClockMark& mark, DateTime now, Rebuild&& rebuild) {
  const ClockMark current = ClockMark::of(now);
  const TimeOfDay time = now.time();
  const std::string hourBefore = std::to_string(time.hour - 1);
  const std::string minuteBefore = std::to_string(time.minute - 1);
  if (mark.date != current.date) rebuild();
  if (mark.minute != current.minute && mark.minute != minuteBefore) {
    if (mark.hour == hourBefore && mark.minute != "59") rebuild();
    if (mark.hour == current.hour) rebuild();
  }
  if (mark.hour != current.hour && mark.hour != hourBefore) rebuild();
  mark = current;
}

}  // namespace orvane
