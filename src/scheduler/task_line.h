#pragma once
// One task line of the task file: 23 field texts joined by "*". Fields 1 to
// 22 never hold a "*"; field 23, the title, is the rest of the line and may.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// The fields by their numbers in the line.
enum class TaskField : int {
  Time = 1,
  Status,
  Schedule,
  Monday,
  Tuesday,
  Wednesday,
  Thursday,
  Friday,
  Saturday,
  Sunday,
  Reserved,  // never set
  Shutdown,
  PlaySound,
  RunProgram,
  ShowMessage,
  Reboot,
  LockComputer,
  OpenFile,
  CloseProgram,
  OpenUrl,
  Standby,
  Hibernate,
  Title,
};

inline constexpr std::size_t kTaskFieldCount = 23;
inline constexpr char kTaskFieldSeparator = '*';

inline std::size_t taskFieldIndex(TaskField field) { return static_cast<std::size_t>(field) - 1; }

// The weekday field of a weekday number (1 = Sunday ... 7 = Saturday).
TaskField weekdayField(int weekday);

// A line as read, split in place: it keeps the line and where each field
// lies in it. Fields 1 to 22 are each the text before the next "*" (which is
// dropped); once no "*" is left they are empty and the whole rest is the
// title.
class TaskLine {
 public:
  explicit TaskLine(std::string line);

  std::string_view operator[](TaskField field) const {
    const Span& span = spans_[taskFieldIndex(field)];
    return std::string_view(line_).substr(span.offset, span.length);
  }
  const std::string& text() const { return line_; }

 private:
  struct Span {
    std::size_t offset = 0;
    std::size_t length = 0;
  };

  std::string line_;
  std::array<Span, kTaskFieldCount> spans_;
};

// The 23 texts of a line to be written.
class TaskFields {
 public:
  TaskFields() = default;
  explicit TaskFields(const TaskLine& line);

  std::string& operator[](TaskField field) { return texts_[taskFieldIndex(field)]; }
  const std::string& operator[](TaskField field) const { return texts_[taskFieldIndex(field)]; }
  const std::array<std::string, kTaskFieldCount>& texts() const { return texts_; }

 private:
  std::array<std::string, kTaskFieldCount> texts_;
};

TaskLine SplitTaskLine(std::string_view line);
std::string JoinTaskLine(const TaskFields& fields);
// The part of an action field after its first ":" (paths and addresses keep
// their own colons); a field without ":" is its own argument.
std::string ActionArgument(std::string_view field);

}  // namespace orvane
