// The task editor's window on Windows: its controls with their captions and
// defaults, the tab order, the radios enabling their controls, every kind of
// task coming back unchanged through the real controls, typed texts reaching
// the line, and Enter and Esc.

#include "scheduler/task_editor_window.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "common/gbk.h"
#include "platform/sim/sim_world.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/task_editor_form.h"
#include "scheduler/task_window.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

std::wstring classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string textOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return wideToUtf8(text);
}

// The window's own controls, not the edits inside its combo boxes.
BOOL CALLBACK collectChild(HWND child, LPARAM children) {
  auto& found = *reinterpret_cast<std::vector<HWND>*>(children);
  if (found.empty() || GetParent(child) == GetParent(found.front())) found.push_back(child);
  return TRUE;
}

class TaskEditorWindowTest : public testing::Test {
 protected:
  TaskEditorWindowTest() {
    ui.setApplicationTitle(L"Orvane");
    registerTaskEditorView(ui);
  }
  ~TaskEditorWindowTest() override { ui.closeAllWindows(); }

  void writeTasks(const char* utf8Lines) {
    std::ofstream(directory.path() / "task.dat", std::ios::binary) << utf8ToGbk(utf8Lines);
    form.RebuildOccurrences();
  }
  std::string taskFile() {
    std::ifstream file(directory.path() / "task.dat", std::ios::binary);
    return gbkToUtf8(std::string(std::istreambuf_iterator<char>(file), {}));
  }
  // The editor's window in this mode on the selected row.
  HWND open(const char* mode, int row = 1) {
    form.taskPage().select(row);
    form.taskCommands().taskEditMode().text = mode;
    editor = std::make_unique<TaskEditorForm>(ui, world.platform().clock, form.taskCommands());
    ui.showModeless(*editor);
    window = FindWindowW(L"TForm2", nullptr);
    return window;
  }
  std::vector<HWND> children() const {
    std::vector<HWND> found;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
  }
  HWND child(const char* text) const {
    for (HWND each : children()) {
      if (textOf(each) == text) return each;
    }
    return nullptr;
  }
  // The controls of one class, in the order of the window.
  HWND nth(const wchar_t* className, std::size_t index) const {
    std::vector<HWND> matching;
    for (HWND each : children()) {
      if (classOf(each) == className) matching.push_back(each);
    }
    return index < matching.size() ? matching[index] : nullptr;
  }
  void click(const char* caption) { SendMessageW(child(caption), BM_CLICK, 0, 0); }
  bool checked(const char* caption) { return SendMessageW(child(caption), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void type(HWND control, const char* utf8) { SetWindowTextW(control, utf8ToWide(utf8).c_str()); }
  void press(UINT key) {
    PostMessageW(nth(WC_EDITW, 0), WM_KEYDOWN, key, 0);
    ui.processMessages();
  }

  TempDir directory;
  SimWorld world{directory.path(), parseDateTime("2026-12-07 10:00:05").value()};
  Win32Ui ui;
  test::TaskWindow main{world.platform(), ui};
  TaskSystem& form = main.tasks;
  std::unique_ptr<TaskEditorForm> editor;
  HWND window = nullptr;
};

TEST_F(TaskEditorWindowTest, EveryControlWithItsCaptionAndTheDefaultsOfANewTask) {
  ASSERT_NE(open(kNewScheduledTask), nullptr);
  EXPECT_EQ(textOf(window), "添加新定时任务");
  for (const char* caption :
       {"任务标题：", "每天运行", "仅一次",   "每月",       "日：",   "每年",   "月：",     "每周",
        "星期一",     "星期二",   "星期三",   "星期四",     "星期五", "星期六", "星期日",   "运行时间",
        "执行任务",   "关机",     "重启",     "锁定",       "待机",   "休眠",   "打开文件", "播放声音",
        "运行程序",   "关闭程序", "打开网址", "提示信息：", "确定",   "取消"}) {
    EXPECT_NE(child(caption), nullptr) << caption;
  }
  EXPECT_TRUE(checked("每天运行"));
  EXPECT_TRUE(checked("星期五") && !checked("星期六"));
  EXPECT_FALSE(IsWindowEnabled(child("星期一")) || IsWindowEnabled(nth(DATETIMEPICK_CLASSW, 0)) ||
               IsWindowEnabled(nth(WC_COMBOBOXW, 0)) || IsWindowEnabled(nth(WC_COMBOBOXW, 2)));
  EXPECT_EQ(textOf(nth(WC_EDITW, 5)), "http://");
  EXPECT_EQ(SendMessageW(nth(WC_COMBOBOXW, 0), CB_GETCOUNT, 0, 0), 31);
  EXPECT_EQ(SendMessageW(nth(WC_COMBOBOXW, 1), CB_GETCOUNT, 0, 0), 12);
  EXPECT_EQ(textOf(nth(WC_COMBOBOXW, 1)) + "/" + textOf(nth(WC_COMBOBOXW, 2)), "12/7");
  HWND messages = nth(WC_COMBOBOXW, 3);
  ASSERT_EQ(SendMessageW(messages, CB_GETCOUNT, 0, 0), 3);
  wchar_t first[64] = {};
  SendMessageW(messages, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(wideToUtf8(first), "懒虫，快点，时间到了！");
  EXPECT_EQ(textOf(nth(DATETIMEPICK_CLASSW, 0)), "2026-12-07");
  EXPECT_EQ(textOf(nth(DATETIMEPICK_CLASSW, 1)), "10:00:05");
  for (std::size_t picker : {0, 1}) {
    EXPECT_TRUE(GetWindowLongPtrW(nth(DATETIMEPICK_CLASSW, picker), GWL_STYLE) & DTS_UPDOWN);
  }
  HWND ok = child("确定");
  EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
  EXPECT_EQ(GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(TaskEditorWindowTest, TabWalksDownTheWindowAndEntersTheRadiosAtTheChosenOne) {
  open(kNewScheduledTask);
  std::vector<std::string> order;
  HWND title = nth(WC_EDITW, 0);
  for (HWND at = title; order.empty() || at != title; at = GetNextDlgTabItem(window, at, FALSE)) {
    order.push_back(classOf(at) == WC_BUTTONW ? textOf(at) : wideToUtf8(classOf(at)));
  }
  const std::vector<std::string> expected{
      "Edit", "每天运行", "SysDateTimePick32", "关机", "重启", "锁定",       "待机",     "休眠", "打开文件",
      "Edit", "...",      "播放声音",          "Edit", "...",  "运行程序",   "Edit",     "...",  "关闭程序",
      "Edit", "...",      "打开网址",          "Edit", "...",  "提示信息：", "ComboBox", "确定", "取消"};
  EXPECT_EQ(order, expected);
  click("每周");
  EXPECT_EQ(textOf(GetNextDlgTabItem(window, title, FALSE)), "每周");
}

TEST_F(TaskEditorWindowTest, ARadioEnablesOnlyTheControlsOfItsKind) {
  open(kNewScheduledTask);
  click("每月");
  EXPECT_TRUE(IsWindowEnabled(nth(WC_COMBOBOXW, 0)));
  EXPECT_FALSE(IsWindowEnabled(nth(WC_COMBOBOXW, 1)) || IsWindowEnabled(nth(DATETIMEPICK_CLASSW, 0)) ||
               IsWindowEnabled(child("星期一")));
  click("每年");
  EXPECT_TRUE(IsWindowEnabled(nth(WC_COMBOBOXW, 1)) && IsWindowEnabled(nth(WC_COMBOBOXW, 2)));
  EXPECT_FALSE(IsWindowEnabled(nth(WC_COMBOBOXW, 0)));
  click("仅一次");
  EXPECT_TRUE(IsWindowEnabled(nth(DATETIMEPICK_CLASSW, 0)));
  click("每周");
  EXPECT_TRUE(IsWindowEnabled(child("星期日")));
  EXPECT_FALSE(IsWindowEnabled(nth(DATETIMEPICK_CLASSW, 0)));
  EXPECT_TRUE(IsWindowEnabled(nth(DATETIMEPICK_CLASSW, 1)));
}

TEST_F(TaskEditorWindowTest, EveryKindOfTaskComesBackUnchangedThroughTheControls) {
  writeTasks(
      "8:05:09*启用*2027年1月2日*********Shutdown***********一次\r\n"
      "0:00:00*禁用*每年02月30日*****************Open URL:http://a.cn/?x=1*Standby*Hibernate*\r\n"
      "23:59:59*启用*每月31 日*********Shutdown*Play Sound:C:\\a b\\di.wav*Run Program:C:\\乗\\x.exe*"
      "Show Message:注意：休息*Reboot*Lock Computer*Open File:D:\\doc.txt*Close Program:qq.exe*Open URL:*"
      "**全部*动作\r\n"
      "12:30:00*启用*每天********************\r\n"
      "7:00:00*启用**周一**周三****周日*************\r\n");
  const std::string before = taskFile();
  for (int row = 1; row <= 5; ++row) {
    ASSERT_NE(open(kEditScheduledTask, row), nullptr);
    EXPECT_EQ(textOf(window), "编辑/查看定时任务");
    click("确定");
    EXPECT_FALSE(editor->isOpen()) << row;
    EXPECT_EQ(taskFile(), before) << row;
  }
}

TEST_F(TaskEditorWindowTest, WhatIsTypedReachesTheLine) {
  open(kNewScheduledTask);
  type(nth(WC_EDITW, 0), "备份*周报");
  click("每年");
  type(nth(WC_COMBOBOXW, 1), "02");
  type(nth(WC_COMBOBOXW, 2), "30");
  click("运行程序");
  type(nth(WC_EDITW, 3), "C:\\tools\\x.exe");
  click("提示信息：");
  SendMessageW(nth(WC_COMBOBOXW, 3), CB_SETCURSEL, 2, 0);
  click("关机");
  click("确定");
  EXPECT_EQ(taskFile(),
            "10:00:05*启用*每年02月30日*********Shutdown**Run Program:C:\\tools\\x.exe*Show Message:注意休息！"
            "********备份*周报\r\n");
}

TEST_F(TaskEditorWindowTest, EnterSavesAndEscapeCancels) {
  open(kNewScheduledTask);
  press(VK_ESCAPE);
  EXPECT_FALSE(editor->isOpen());
  EXPECT_EQ(editor->result(), Form::kResultCancel);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(taskFile(), "");
  open(kNewScheduledTask);
  press(VK_RETURN);
  EXPECT_EQ(editor->result(), Form::kResultOk);
  EXPECT_EQ(taskFile(), "10:00:05*启用*每天********************\r\n");
}

}  // namespace
}  // namespace orvane
