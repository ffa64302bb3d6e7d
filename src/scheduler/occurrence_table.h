#pragma once
// Today's occurrence table: one row per task line, row K for line K (rows
// count from 1), with the line's fields, the display text, the date of the
// task's next occurrence and its state.
//
// States: the status as it stands ("启用", "禁用" or whatever the line holds),
// then for an enabled task with an occurrence "等待" (today, still ahead) or
// "完成" (over); an enabled task on a later day keeps "启用". A row whose
// time, schedule or date does not read gets no occurrence and never comes due.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/date_time.h"
#include "scheduler/occurrence_date.h"
#include "scheduler/task_file.h"
#include "scheduler/task_line.h"

namespace orvane {

inline constexpr std::string_view kWaitingWord = "\xB5\xC8\xB4\xFD";  // 等待
inline constexpr std::string_view kDoneWord = "\xCD\xEA\xB3\xC9";     // 完成

// A row refers to its task line and to the table's text; it is valid as long
// as both are. The fields are split again when asked for (by the dispatcher
// and the editor, for one row), so that a rebuild keeps only what it needs.
struct OccurrenceRow {
  TaskLineView fields() const { return TaskLineView(line); }

  std::string_view line;                   // GBK, the task line
  std::optional<TimeOfDay> time;           // field 1 read as a time of day
  std::string_view displayText;            // GBK
  std::optional<DateTime> occurrenceDate;  // enabled rows only
  std::string_view state;                  // GBK
};

// " " + schedule + "  " + title; for a weekly task (empty schedule) the seven
// weekday texts from Monday to Sunday as they stand, each after one blank.
std::string displayTextOf(const TaskLineView& fields);

class OccurrenceTable {
 public:
  // Resolves the lines as of `now`, a whole second: an occurrence is over
  // when `now` is later than it. The rows refer to the lines, which must
  // outlive the table unchanged (hence no temporary list).
  static OccurrenceTable resolve(const TaskList& lines, DateTime now);
  static OccurrenceTable resolve(TaskList&& lines, DateTime now) = delete;

  int rowCount() const { return static_cast<int>(rows_.size()); }
  const OccurrenceRow& row(int number) const { return rows_[static_cast<std::size_t>(number - 1)]; }
  const std::vector<OccurrenceRow>& rows() const { return rows_; }

  // The rows, in order, whose pending occurrence falls on this whole second
  // (see wholeSecondsOf). Allocates only when some are due.
  std::vector<int> rowsDueAt(std::int64_t second) const;

 private:
  void add(std::string_view line, const Today& today);
  std::string_view appendDisplayText(const TaskLineView& fields);

  std::vector<OccurrenceRow> rows_;
  // The display texts of all rows, one after another. Its size is fixed
  // before the first row is added (see resolve), so the rows' views stay valid
  // and a move of the table keeps them.
  std::unique_ptr<char[]> displayTexts_;
  std::size_t displayTextsSize_ = 0;
  // The pending occurrences (rows not over) by whole second, then row number.
  std::vector<std::pair<std::int64_t, int>> pending_;
};

}  // namespace orvane
