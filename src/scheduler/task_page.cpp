#include "scheduler/task_page.h"

#include <algorithm>

namespace orvane {

int TaskPage::rowCount() const { return std::max(1, table_.rowCount()); }

int TaskPage::selectedRow() const { return std::clamp(selected_, 1, rowCount()); }

TaskPageRow TaskPage::row(int number) const {
  if (number > table_.rowCount()) return {};
  const OccurrenceRow& row = table_.row(number);
  return {std::string(row.state), std::string(row.fields()[TaskField::Time]), row.displayText()};
}

}  // namespace orvane
