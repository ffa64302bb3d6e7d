#pragma once
// One task line of the task file: 23 field texts joined by "*". Fields 1 to
// 22 never hold a "*"; field 23, the title, is the rest of the line and may.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

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

// Where each field of a line lies in it. Fields 1 to 22 are each the text
// before the next "*" (which is dropped); once no "*" is left they are empty
// and the whole rest is the title.
class TaskFieldSpans {
 public:
  // Finds the separators in one pass, without copying the line.
  explicit TaskFieldSpans(std::string_view line);

  std::string_view in(std::string_view line, TaskField field) const {
    const std::size_t index = taskFieldIndex(field);
    // The title starts after the last separator; a field without its own
    // separator is empty.
    if (index + 1 == kTaskFieldCount) return line.substr(count_ == 0 ? 0 : separators_[count_ - 1] + 1);
    if (index >= count_) return {};
    const std::size_t start = index == 0 ? 0 : separators_[index - 1] + 1;
    return line.substr(start, separators_[index] - start);
  }

 private:
  // The offsets of the first `count_` separators, at most 22.
  std::array<std::uint32_t, kTaskFieldCount - 1> separators_;
  std::size_t count_ = 0;
};

// The fields of a line up to Sunday (field 10), all that resolving the line's
// occurrence needs, found the same way as by TaskFieldSpans; the separators
// after them are not looked for. Refers to the line, which must outlive it.
class TaskLineHead {
 public:
  static constexpr std::size_t kFieldCount = static_cast<std::size_t>(TaskField::Sunday);

  explicit TaskLineHead(std::string_view line);

  // Fields Time to Sunday only.
  std::string_view operator[](TaskField field) const {
    const std::size_t index = taskFieldIndex(field);
    if (index >= count_) return {};
    const std::size_t start = index == 0 ? 0 : separators_[index - 1] + 1;
    return line_.substr(start, separators_[index] - start);
  }

 private:
  std::string_view line_;
  std::array<std::uint32_t, kFieldCount> separators_;
  std::size_t count_;
};

// A split line that refers to text kept elsewhere, which must outlive it.
class TaskLineView {
 public:
  explicit TaskLineView(std::string_view line) : line_(line), spans_(line) {}
  TaskLineView(std::string_view line, const TaskFieldSpans& spans) : line_(line), spans_(spans) {}

  std::string_view operator[](TaskField field) const { return spans_.in(line_, field); }
  std::string_view text() const { return line_; }

 private:
  std::string_view line_;
  TaskFieldSpans spans_;
};

// A split line that keeps its own copy of the text.
class TaskLine {
 public:
  explicit TaskLine(std::string line) : line_(std::move(line)), spans_(line_) {}

  std::string_view operator[](TaskField field) const { return spans_.in(line_, field); }
  const std::string& text() const { return line_; }
  operator TaskLineView() const { return TaskLineView(line_, spans_); }

 private:
  std::string line_;
  TaskFieldSpans spans_;
};

// The 23 texts of a line to be written.
class TaskFields {
 public:
  TaskFields() = default;
  explicit TaskFields(const TaskLineView& line);

  std::string& operator[](TaskField field) { return texts_[taskFieldIndex(field)]; }
  const std::string& operator[](TaskField field) const { return texts_[taskFieldIndex(field)]; }
  const std::array<std::string, kTaskFieldCount>& texts() const { return texts_; }

 private:
  std::array<std::string, kTaskFieldCount> texts_;
};

TaskLine SplitTaskLine(std::string_view line);
std::string JoinTaskLine(const TaskFields& fields);
// Whether the joined line reads back as the same fields: no text holds a line
// break, and only the title, the last field, may hold the separator "*".
bool JoinsIntact(const TaskFields& fields);
// The part of an action field after its first ":" (paths and addresses keep
// their own colons); a field without ":" is its own argument.
std::string ActionArgument(std::string_view field);

}  // namespace orvane
