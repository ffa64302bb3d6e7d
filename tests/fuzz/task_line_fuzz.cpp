// A task line as the public parsing API splits it, against a plain reference
// split; and 23 field texts written as a line and read back.

#include <algorithm>
#include <array>

#include "fuzz_support.h"
#include "scheduler/occurrence_table.h"
#include "scheduler/task_line.h"

namespace orvane::fuzz {
namespace {

using FieldTexts = std::array<std::string_view, kTaskFieldCount>;

// Fields 1 to 22: the text before each of the first 22 "*", empty once no
// "*" is left; the title: the rest after the last "*" taken.
FieldTexts referenceSplit(std::string_view line) {
  FieldTexts fields{};
  for (std::size_t index = 0; index + 1 < kTaskFieldCount; ++index) {
    const std::size_t star = line.find(kTaskFieldSeparator);
    if (star == std::string_view::npos) break;
    fields[index] = line.substr(0, star);
    line.remove_prefix(star + 1);
  }
  fields.back() = line;
  return fields;
}

TaskField fieldNumber(std::size_t index) { return static_cast<TaskField>(index + 1); }

void checkSplit(std::string_view line) {
  const FieldTexts expected = referenceSplit(line);
  const TaskLine copied = SplitTaskLine(line);
  const TaskLineView viewed(line);
  for (std::size_t index = 0; index < kTaskFieldCount; ++index) {
    require(copied[fieldNumber(index)] == expected[index], "a split field differs from the reference split");
    require(viewed[fieldNumber(index)] == expected[index], "a viewed field differs from the reference split");
  }
  const std::string joined = JoinTaskLine(TaskFields(viewed));
  const FieldTexts again = referenceSplit(joined);
  require(again == expected, "a split line joined again splits differently");
  const bool full = std::count(line.begin(), line.end(), kTaskFieldSeparator) >= 22;
  require(!full || joined == line, "a line with all its separators is not rebuilt as it was");
  require(displayTextOf(viewed).size() <= line.size() + 9, "the display text outgrows its line");
}

// Texts for the 23 fields: fields 1 to 22 without "*", none with a line break.
void checkWrittenLine(FuzzInput& input) {
  TaskFields fields;
  for (std::size_t index = 0; index < kTaskFieldCount; ++index) {
    const std::string text = oneLineText(input.part());
    fields[fieldNumber(index)] = index + 1 < kTaskFieldCount ? without(text, "*") : text;
  }
  const TaskLine read = SplitTaskLine(JoinTaskLine(fields));
  for (std::size_t index = 0; index < kTaskFieldCount; ++index) {
    require(read[fieldNumber(index)] == fields[fieldNumber(index)], "a written field reads back changed");
    const std::string_view field = fields[fieldNumber(index)];
    const std::string argument = ActionArgument(field);
    require(field.size() >= argument.size() && field.substr(field.size() - argument.size()) == argument,
            "an action's argument is not the end of its field");
  }
}

}  // namespace

void checkInput(FuzzInput& input) {
  checkSplit(input.rest());
  checkWrittenLine(input);
}

}  // namespace orvane::fuzz
