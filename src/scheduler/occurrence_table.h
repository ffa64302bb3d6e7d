#pragma once
// Today's occurrence table: one row per task line, row K for line K (rows
// count from 1), with the line's fields, the date of the task's next
// occurrence and its state.
//
// States: the status as it stands ("启用", "禁用" or whatever the line holds),
// then for an enabled task with an occurrence "等待" (today, still ahead) or
// "完成" (over); an enabled task on a later day keeps "启用". A row whose
// time, schedule or date does not read gets no occurrence and never comes due.

#include <cstdint>
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

// " " + schedule + "  " + title; for a weekly task (empty schedule) the seven
// weekday texts from Monday to Sunday as they stand, each after one blank.
std::string displayTextOf(const TaskLineView& fields);

// A row refers to its task line; it is valid as long as the line is. The
// fields and the display text are made again when asked for (by the visible
// list, the dispatcher and the editor, a row at a time), so that a rebuild
// keeps only what it needs.
struct OccurrenceRow {
  TaskLineView fields() const { return TaskLineView(line); }
  std::string displayText() const { return displayTextOf(fields()); }

  std::string_view line;                   // GBK, the task line
  std::optional<TimeOfDay> time;           // field 1 read as a time of day
  std::optional<DateTime> occurrenceDate;  // enabled rows only
  std::string_view state;                  // GBK
};

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
  // The pending occurrences (rows not over): whole second and row number, in
  // order of time, then of row.
  const std::vector<std::pair<std::int64_t, int>>& pending() const { return pending_; }

 private:
  void add(std::string_view line, const Today& today);

  std::vector<OccurrenceRow> rows_;
  std::vector<std::pair<std::int64_t, int>> pending_;
};

}  // namespace orvane
