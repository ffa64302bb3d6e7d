#pragma once
// The visible task list on the main window's page "    定时任务    ": a header
// row and one row per occurrence-table row (state, the time text of field 1,
// the display text); the row of the visible list is the task line of the same
// number. An empty table shows one blank row under the header. One row is
// always selected, as in a grid: the first until the user chooses another.

#include <array>
#include <string>

#include "scheduler/occurrence_table.h"

namespace orvane {

struct TaskPageRow {
  std::string state;  // GBK
  std::string time;   // GBK
  std::string text;   // GBK
};

class TaskPage {
 public:
  static constexpr std::array<const char*, 3> kColumnHeaders{"状态", "时间", "任务名称"};

  explicit TaskPage(const OccurrenceTable& table) : table_(table) {}

  // At least 1.
  int rowCount() const;
  // Rows count from 1.
  TaskPageRow row(int number) const;

  // The selected row, kept within the rows shown.
  int selectedRow() const;
  void select(int number) { selected_ = number; }

 private:
  const OccurrenceTable& table_;
  int selected_ = 1;
};

}  // namespace orvane
