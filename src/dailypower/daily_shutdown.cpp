#include "dailypower/daily_shutdown.h"

#include <array>
#include <charconv>

#include "common/gbk.h"

namespace orvane {

namespace {
constexpr std::array<int, 3> kSecondsPer{3600, 60, 1};
constexpr std::int64_t kSecondsPerDay = 86400;
}  // namespace

std::optional<int> wholeNumberUpTo(std::string_view text, int limit) {
  text = trimBlanks(text);
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit) return std::nullopt;
  return value;
}

std::optional<int> shutdownSecondOfDay(const TimeFields& fields) {
  int second = 0;
  for (std::size_t index = 0; index < fields.size(); ++index) {
    const auto value = wholeNumberUpTo(fields[index], kTimeFieldLimits[index]);
    if (!value) return std::nullopt;
    second += *value * kSecondsPer[index];
  }
  if (second == 0) return std::nullopt;
  return second;
}

bool DailyShutdown::due(DateTime now, const TimeFields& fields) {
  const auto shutdown = shutdownSecondOfDay(fields);
  bool found = false;
  seconds_.forEachNewSecond(wholeSecondsOf(now), [&](std::int64_t second) {
    const std::int64_t ofDay = ((second % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
    if (shutdown && ofDay == *shutdown) found = true;
  });
  return found;
}

}  // namespace orvane
