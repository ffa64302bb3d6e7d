#include "platform/sim/event_log.h"

#include <algorithm>

namespace orvane {

namespace {
constexpr std::size_t kStampLength = 24;  // "YYYY-MM-DD HH:MM:SS.mmm "
}

void EventLog::add(std::string_view event) {
  std::string line = clock_() + " " + std::string(event);
  if (echo_ != nullptr) *echo_ << line << '\n' << std::flush;
  lines_.push_back(std::move(line));
}

std::vector<std::string> EventLog::events() const {
  std::vector<std::string> result;
  result.reserve(lines_.size());
  for (const auto& line : lines_) result.push_back(line.substr(std::min(kStampLength, line.size())));
  return result;
}

bool EventLog::contains(std::string_view eventPrefix) const { return count(eventPrefix) > 0; }

int EventLog::count(std::string_view eventPrefix) const {
  const auto all = events();
  return static_cast<int>(
      std::count_if(all.begin(), all.end(), [&](const std::string& e) { return e.rfind(eventPrefix, 0) == 0; }));
}

}  // namespace orvane
