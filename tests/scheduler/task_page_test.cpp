// The visible task list: state, time text and display text per row, one
// blank row when there is no task.

#include "scheduler/task_page.h"

#include <gtest/gtest.h>

#include "scheduler/task_lines.h"

namespace orvane {
namespace {

using test::gbk;
using test::taskLine;

TEST(TaskPage, AnEmptyListShowsOneBlankRow) {
  const OccurrenceTable table;
  const TaskPage page(table);
  ASSERT_EQ(page.rowCount(), 1);
  const TaskPageRow row = page.row(1);
  EXPECT_EQ(row.state + row.time + row.text, "");
}

TEST(TaskPage, RowsShowStateTimeTextAndDisplayText) {
  const TaskList lines{taskLine("9.30.00", "每天", "早"), taskLine("23:00:00", "每月15日", "晚", gbk("禁用"))};
  const OccurrenceTable table = OccurrenceTable::resolve(lines, parseDateTime("2026-12-07 10:00:00").value());
  const TaskPage page(table);
  ASSERT_EQ(page.rowCount(), 2);
  EXPECT_EQ(gbkToUtf8(page.row(1).state), "启用");
  EXPECT_EQ(page.row(1).time, "9.30.00");  // as the file holds it
  EXPECT_EQ(gbkToUtf8(page.row(1).text), " 每天  早");
  EXPECT_EQ(gbkToUtf8(page.row(2).state), "禁用");
  EXPECT_EQ(gbkToUtf8(page.row(2).text), " 每月15日  晚");
}

}  // namespace
}  // namespace orvane
