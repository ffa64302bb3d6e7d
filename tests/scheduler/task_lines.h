#pragma once
// Task lines for the tests, composed from UTF-8 texts and stored as the GBK
// bytes the task file holds.

#include <initializer_list>
#include <string>
#include <string_view>

#include "common/gbk.h"
#include "scheduler/task_line.h"
#include "scheduler/task_words.h"

namespace orvane::test {

inline std::string gbk(std::string_view utf8) { return utf8ToGbk(utf8); }

inline std::string_view weekdayWord(TaskField weekday) {
  return kWeekdayWords[static_cast<std::size_t>(static_cast<int>(weekday) - static_cast<int>(TaskField::Monday))];
}

// A task with this time, schedule (UTF-8, e.g. "每天", "每月15日"; empty for
// weekly) and title, enabled unless `status` says otherwise.
inline std::string taskLine(std::string_view time, std::string_view schedule, std::string_view title = "",
                            std::string_view status = kEnabledWord, std::initializer_list<TaskField> weekdays = {}) {
  TaskFields fields;
  fields[TaskField::Time] = time;
  fields[TaskField::Status] = status;
  fields[TaskField::Schedule] = gbk(schedule);
  for (const TaskField weekday : weekdays) fields[weekday] = weekdayWord(weekday);
  fields[TaskField::Title] = gbk(title);
  return JoinTaskLine(fields);
}

inline std::string weeklyLine(std::string_view time, std::initializer_list<TaskField> weekdays) {
  return taskLine(time, "", "", kEnabledWord, weekdays);
}

// The lines of a task file with CR LF line ends.
inline std::string taskFile(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace orvane::test
