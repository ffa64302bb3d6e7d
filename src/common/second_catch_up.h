#pragma once
// Whole seconds of the local clock for a check that a window timer runs about
// once a second. Such a timer fires a little late every time, so now and then
// a second passes without a tick, and a check that compares only the current
// second would miss whatever was due in it. This keeps the last second that
// was examined and hands out every second since then, in order, when the gap
// is small (a late or busy tick); after a larger gap (the clock set forward
// or back, the machine asleep) only the current second, so nothing skipped
// that way is run late.

#include <cstdint>
#include <optional>

#include "common/date_time.h"

namespace orvane {

// Whole seconds since the epoch of the date-time value (milliseconds dropped).
std::int64_t wholeSecondsOf(DateTime value);
DateTime fromWholeSeconds(std::int64_t seconds);

class SecondCatchUp {
 public:
  // The largest gap, in seconds, that is still caught up.
  static constexpr std::int64_t kMaxGapSeconds = 3;

  // Calls visit(second) for every second not yet examined up to `now`, in
  // order; each second counts as examined from the moment its visit begins,
  // so a second is never handed out twice. When a visit moves the mark on
  // (a check run inside it went on, or gave the seconds up), the rest is
  // left to that.
  template <typename Visit>
  void forEachNewSecond(std::int64_t now, Visit&& visit) {
    for (std::int64_t second = firstToExamine(now); second <= now; second = firstToExamine(now)) {
      last_ = second;
      if (heldOpen_ == second) heldOpen_.reset();
      visit(second);
      if (*last_ != second) return;
    }
  }

  // The first second that is still to be examined, as of `now`: a second
  // held open, else the one after the last examined while a tick would still
  // catch up with it, otherwise `now` itself, and the seconds before it are
  // given up.
  std::int64_t firstPending(std::int64_t now);

  // The wake-up timer woke the machine for an event at `second`: however late
  // the resume, that second is still examined once, when a tick first comes
  // no more than kMaxLateSeconds after it; the other seconds missed while
  // asleep are given up as usual.
  void holdOpen(std::int64_t second) { heldOpen_ = second; }
  static constexpr std::int64_t kMaxLateSeconds = 300;

 private:
  bool withinReach(std::int64_t now) const { return last_ && now >= *last_ && now - *last_ <= kMaxGapSeconds; }
  bool heldOpenDue(std::int64_t now) const {
    return heldOpen_ && *heldOpen_ <= now && now - *heldOpen_ <= kMaxLateSeconds && (!last_ || *last_ < *heldOpen_);
  }
  std::int64_t firstToExamine(std::int64_t now) const {
    if (withinReach(now)) return *last_ + 1;
    return heldOpenDue(now) ? *heldOpen_ : now;
  }

  std::optional<std::int64_t> last_;
  std::optional<std::int64_t> heldOpen_;
};

}  // namespace orvane
