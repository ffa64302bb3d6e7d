// The page "    定时任务    " on Windows: a report list with whole-row
// selection under the header "状态", "时间", "任务名称", one row per task with
// its state, time text and display text, one blank row without tasks, and
// the rows following every rebuild with the selection kept.

#include "scheduler/task_page_window.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/main_window.h"
#include "platform/sim/sim_world.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/task_lines.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

// A window enumeration callback is CALLBACK (stdcall in the 32-bit build),
// which a lambda cannot be.
BOOL CALLBACK keepListView(HWND child, LPARAM result) {
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  if (std::wstring(className) != WC_LISTVIEWW) return TRUE;
  *reinterpret_cast<HWND*>(result) = child;
  return FALSE;
}

HWND findList(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(window, keepListView, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of a cell, as UTF-8.
std::string cellText(HWND list, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return wideToUtf8(text);
}

std::string headerText(HWND list, int column) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(ListView_GetHeader(list), HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
  return wideToUtf8(text);
}

class TaskPageWindowTest : public testing::Test {
 protected:
  TaskPageWindowTest() {
    ui.setApplicationTitle(L"Orvane");
    MainPages pages;
    pages.tasks = createMainTaskPage;
    registerMainWindowView(ui, pages);
  }
  ~TaskPageWindowTest() override { ui.closeAllWindows(); }

  void writeTasks(const std::string& bytes) { std::ofstream(directory.path() / "task.dat", std::ios::binary) << bytes; }
  HWND open() {
    ui.showModeless(form);
    // The main window makes its pages when it first shows.
    form.showFromTray();
    form.tasks().RebuildOccurrences();
    return findList(FindWindowW(L"TForm3", L"Orvane"));
  }

  TempDir directory;
  SimWorld world{directory.path(), parseDateTime("2026-12-07 10:00:00").value()};
  Win32Ui ui;
  MainForm form{world.platform(), ui};
};

TEST_F(TaskPageWindowTest, AReportListWithWholeRowSelectionAndOneBlankRowWithoutTasks) {
  HWND list = open();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(headerText(list, 0), "状态");
  EXPECT_EQ(headerText(list, 1), "时间");
  EXPECT_EQ(headerText(list, 2), "任务名称");
  EXPECT_EQ(ListView_GetItemCount(list), 1);
  EXPECT_EQ(cellText(list, 0, 0) + cellText(list, 0, 1) + cellText(list, 0, 2), "");
}

TEST_F(TaskPageWindowTest, RowsShowStateTimeAndDisplayTextAndFollowEveryRebuild) {
  const std::string morning = test::weeklyLine(
      "8:30:00", {TaskField::Monday, TaskField::Tuesday, TaskField::Wednesday, TaskField::Thursday, TaskField::Friday});
  writeTasks(
      test::taskFile({test::taskLine("11:00:00", "每天", "喝水"), test::taskLine("9:00:00", "2026年12月6日", "一次*性"),
                      test::taskLine("8:30:00", "每天", "晨会", test::gbk("禁用")), morning}));
  HWND list = open();
  ASSERT_EQ(ListView_GetItemCount(list), 4);
  EXPECT_EQ(cellText(list, 0, 0), "等待");
  EXPECT_EQ(cellText(list, 0, 1), "11:00:00");
  EXPECT_EQ(cellText(list, 0, 2), " 每天  喝水");
  EXPECT_EQ(cellText(list, 1, 0), "完成");
  EXPECT_EQ(cellText(list, 1, 2), " 2026年12月6日  一次*性");
  EXPECT_EQ(cellText(list, 2, 0), "禁用");
  EXPECT_EQ(cellText(list, 3, 0), "启用");
  EXPECT_EQ(cellText(list, 3, 2), " 周一 周二 周三 周四 周五    ");

  ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  writeTasks(test::taskFile({test::taskLine("11:00:00", "每天", "喝水"), test::taskLine("9:00:00", "每月6日", "新")}));
  form.tasks().RebuildOccurrences();
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(cellText(list, 1, 2), " 每月6日  新");
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
}

TEST_F(TaskPageWindowTest, TheFourCommandsInAToolbarAndOneRowAlwaysSelectedAsThePageModelSays) {
  writeTasks(test::taskFile({test::taskLine("1:00:00", "每天", "a"), test::taskLine("2:00:00", "每天", "b"),
                             test::taskLine("3:00:00", "每天", "c")}));
  HWND list = open();
  HWND page = GetParent(list);
  HWND toolbar = FindWindowExW(page, nullptr, TOOLBARCLASSNAMEW, nullptr);
  ASSERT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 4);
  std::vector<std::string> captions;
  for (int index = 0; index < 4; ++index) {
    TBBUTTON button{};
    SendMessageW(toolbar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    wchar_t text[32] = {};
    SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, reinterpret_cast<LPARAM>(text));
    captions.push_back(wideToUtf8(text));
  }
  EXPECT_EQ(captions, (std::vector<std::string>{" 添 加 ", " 编 辑 ", " 删 除 ", " 清 空 "}));

  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);
  ListView_SetItemState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(form.tasks().taskPage().selectedRow(), 3);
  writeTasks(test::taskFile({test::taskLine("1:00:00", "每天", "a")}));
  form.tasks().RebuildOccurrences();
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0);

  EXPECT_FALSE(GetWindowLongPtrW(page, GWL_STYLE) & WS_VISIBLE);
  form.showPage(MainPage::Tasks);
  EXPECT_TRUE(GetWindowLongPtrW(page, GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
}  // namespace orvane
