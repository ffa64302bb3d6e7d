#include "scheduler/task_page.h"

#include <algorithm>

namespace orvane {

int TaskPage::rowCount() const { return std::max(1, table_.rowCount()); }

TaskPageRow TaskPage::row(int number) const {
  if (number > table_.rowCount()) return {};
  const OccurrenceRow& row = table_.row(number);
  return {row.state, std::string(row.fields[TaskField::Time]), row.displayText};
}

}  // namespace orvane
