#include "common/second_catch_up.h"

namespace orvane {

namespace {
constexpr std::int64_t kMillisecondsPerSecond = 1000;
}

std::int64_t wholeSecondsOf(DateTime value) {
  const std::int64_t ms = value.totalMilliseconds();
  return ms / kMillisecondsPerSecond - (ms % kMillisecondsPerSecond < 0 ? 1 : 0);
}

DateTime fromWholeSeconds(std::int64_t seconds) { return DateTime::fromMilliseconds(seconds * kMillisecondsPerSecond); }

std::int64_t SecondCatchUp::firstPending(std::int64_t now) {
  const std::int64_t first = firstToExamine(now);
  last_ = first - 1;
  return first;
}

}  // namespace orvane
