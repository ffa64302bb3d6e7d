#include "scheduler/task_line.h"

#include <algorithm>

#include "common/byte_blocks.h"

namespace orvane {

TaskField weekdayField(int weekday) {
  // Sunday is field 10, after Saturday; Monday to Saturday are fields 4 to 9.
  return weekday == 1 ? TaskField::Sunday : static_cast<TaskField>(static_cast<int>(TaskField::Monday) + weekday - 2);
}

namespace {

// Records the offsets of the first separators of the line, as many as
// `offsets` holds at most, and returns how many it found, a block of bytes at
// a time. Lines longer than a 32-bit offset can reach are cut there; a task
// line is a few hundred bytes at most.
template <std::size_t Most>
std::size_t findSeparators(std::string_view line, std::array<std::uint32_t, Most>& offsets) {
  // Counted in a local, which stays in a register.
  std::size_t count = 0;
  const auto found = [&offsets, &count](std::size_t separator) {
    offsets[count++] = static_cast<std::uint32_t>(separator);
    return count < Most;
  };
  byte_blocks::forEachMatch<kTaskFieldSeparator>(line.substr(0, UINT32_MAX), found);
  return count;
}

}  // namespace

TaskFieldSpans::TaskFieldSpans(std::string_view line) : count_(findSeparators(line, separators_)) {}

TaskLineHead::TaskLineHead(std::string_view line) : line_(line), count_(findSeparators(line, separators_)) {}

TaskFields::TaskFields(const TaskLineView& line) {
  for (std::size_t index = 0; index < kTaskFieldCount; ++index) {
    texts_[index] = line[static_cast<TaskField>(index + 1)];
  }
}

TaskLine SplitTaskLine(std::string_view line) { return TaskLine(std::string(line)); }

std::string JoinTaskLine(const TaskFields& fields) {
  std::string line = fields.texts().front();
  for (std::size_t index = 1; index < kTaskFieldCount; ++index) {
    line += kTaskFieldSeparator;
    line += fields.texts()[index];
  }
  return line;
}

bool JoinsIntact(const TaskFields& fields) {
  const auto& texts = fields.texts();
  const auto breaksLine = [](const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; };
  const auto holdsSeparator = [](const std::string& text) {
    return text.find(kTaskFieldSeparator) != std::string::npos;
  };
  return std::none_of(texts.begin(), texts.end(), breaksLine) &&
         std::none_of(texts.begin(), texts.end() - 1, holdsSeparator);
}

std::string ActionArgument(std::string_view field) {
  const std::size_t colon = field.find(':');
  return std::string(colon == std::string_view::npos ? field : field.substr(colon + 1));
}

}  // namespace orvane
