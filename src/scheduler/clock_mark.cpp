#include "scheduler/clock_mark.h"

namespace orvane {

ClockMark ClockMark::of(DateTime moment) {
  const TimeOfDay time = moment.time();
  return {formatDate(moment.date()), std::to_string(time.hour), std::to_string(time.minute)};
}

}  // namespace orvane
