#include "scheduler/task_line.h"

namespace orvane {

TaskField weekdayField(int weekday) {
  // Sunday is field 10, after Saturday; Monday to Saturday are fields 4 to 9.
  return weekday == 1 ? TaskField::Sunday : static_cast<TaskField>(static_cast<int>(TaskField::Monday) + weekday - 2);
}

TaskLine::TaskLine(std::string line) : line_(std::move(line)) {
  std::size_t start = 0;
  for (std::size_t index = 0; index + 1 < kTaskFieldCount; ++index) {
    const std::size_t separator = line_.find(kTaskFieldSeparator, start);
    if (separator == std::string::npos) continue;
    spans_[index] = {start, separator - start};
    start = separator + 1;
  }
  spans_.back() = {start, line_.size() - start};
}

TaskFields::TaskFields(const TaskLine& line) {
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

std::string ActionArgument(std::string_view field) {
  const std::size_t colon = field.find(':');
  return std::string(colon == std::string_view::npos ? field : field.substr(colon + 1));
}

}  // namespace orvane
