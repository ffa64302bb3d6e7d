#pragma once
// The daily shutdown, checked on every tick of the main window's Timer2
// after the task tick: when the clock reaches the shutdown time shown in the
// page's three fields (typed but unsaved values count), a power-off
// countdown is requested. 0:0:0 means no daily shutdown. It applies on every
// day, whatever the weekly plan says.
//
// A late tick must not lose the shutdown: like the task tick, the check
// examines every whole second since its previous run when the gap is small
// (SecondCatchUp), so the shutdown comes exactly once a day.

#include <optional>
#include <string_view>

#include "common/date_time.h"
#include "common/second_catch_up.h"
#include "dailypower/daily_schedule.h"

namespace orvane {

// A whole number from 0 up to `limit`, blanks around it allowed; nothing
// for any other text.
std::optional<int> wholeNumberUpTo(std::string_view text, int limit);

// The shutdown time of the fields; nothing for 0:0:0 or a field that does not
// hold a whole number of its range.
std::optional<int> shutdownSecondOfDay(const TimeFields& fields);

class DailyShutdown {
 public:
  // DailyShutdownCheck: whether a countdown is due in a second examined now.
  bool due(DateTime now, const TimeFields& fields);
  // The machine was woken for an event at this whole second: a shutdown then
  // still comes however late the resume (see SecondCatchUp::holdOpen).
  void holdOpen(std::int64_t second) { seconds_.holdOpen(second); }

 private:
  SecondCatchUp seconds_;
};

}  // namespace orvane
