// The reminder window on Windows: its caption and texts, the blue text that
// scrolls only when it is long, the cascade of successive windows, staying
// on top when painted without taking the activation, and "确定" and Esc.

#include "scheduler/reminder_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/gbk.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_ui.h"
#include "scheduler/reminder_form.h"
#include "scheduler/reminders.h"

namespace orvane {
namespace {

HWND childOfClass(HWND window, const wchar_t* className) { return FindWindowExW(window, nullptr, className, nullptr); }

std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

bool isTopmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class ReminderWindowTest : public testing::Test {
 protected:
  ReminderWindowTest() { registerReminderView(ui); }
  ~ReminderWindowTest() override {
    ui.closeAllWindows();
    if (other != nullptr) DestroyWindow(other);
  }

  // Opens a reminder with this text (UTF-8); its window.
  HWND open(const std::string& text) {
    reminders.add(utf8ToGbk(text));
    forms.push_back(std::make_unique<ReminderForm>(ui, reminders));
    ui.showModeless(*forms.back());
    // The program opens reminders modally, and the modal loop shows them.
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"TForm5", nullptr)) != nullptr) {
      if (!GetWindowRect(window, &place) || place.left != forms.back()->offset()) continue;
      ShowWindow(window, SW_SHOWNOACTIVATE);
      return window;
    }
    return nullptr;
  }
  HWND button(HWND window) { return FindWindowExW(window, nullptr, L"BUTTON", utf8ToWide("确定").c_str()); }

  Win32Ui ui;
  Reminders reminders;
  std::vector<std::unique_ptr<ReminderForm>> forms;
  RECT place{};
  HWND other = nullptr;
};

TEST_F(ReminderWindowTest, TheReminderShowsUnderItsTitleWithTheFooterAndTheButton) {
  HWND window = open("10:00:05\r\n该休息了: 10分钟");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(textOf(window), utf8ToWide("提示信息"));
  HWND text = childOfClass(window, L"EDIT");
  EXPECT_EQ(textOf(text), utf8ToWide("10:00:05\r\n该休息了: 10分钟"));
  EXPECT_TRUE(GetWindowLongPtrW(text, GWL_STYLE) & ES_READONLY);
  EXPECT_NE(FindWindowExW(window, nullptr, L"STATIC", L"Orvane"), nullptr);
  EXPECT_NE(button(window), nullptr);
  EXPECT_TRUE(isTopmost(window));
}

TEST_F(ReminderWindowTest, TheTextIsBlue) {
  HWND window = open("休息");
  HWND text = childOfClass(window, L"EDIT");
  HDC context = GetDC(text);
  SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(GetTextColor(context), RGB(0, 0, 255));
  ReleaseDC(text, context);
}

TEST_F(ReminderWindowTest, OnlyATextLongerThanTheAreaGetsAScrollBar) {
  HWND shortOne = open("10:00:05\r\n休息");
  EXPECT_FALSE(GetWindowLongPtrW(childOfClass(shortOne, L"EDIT"), GWL_STYLE) & WS_VSCROLL);
  std::string longText = "10:00:05";
  for (int line = 0; line < 20; ++line) longText += "\r\n第" + std::to_string(line) + "行";
  HWND longOne = open(longText);
  EXPECT_TRUE(GetWindowLongPtrW(childOfClass(longOne, L"EDIT"), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ReminderWindowTest, SuccessiveWindowsCascadeTenPixelsDownAndRight) {
  ASSERT_NE(open("一"), nullptr);
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.top, 10);
  ASSERT_NE(open("二"), nullptr);
  EXPECT_EQ(place.left, 20);
  EXPECT_EQ(place.top, 20);
}

TEST_F(ReminderWindowTest, PaintingPutsTheWindowBackOnTopWithoutActivatingIt) {
  HWND window = open("休息");
  other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 300, 300, 100, 100, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(other);
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_FALSE(isTopmost(window));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(isTopmost(window));
  EXPECT_EQ(GetActiveWindow(), other);
}

TEST_F(ReminderWindowTest, OkAndEscapeCloseTheWindow) {
  HWND first = open("一");
  SendMessageW(button(first), BM_CLICK, 0, 0);
  EXPECT_FALSE(forms[0]->isOpen());
  EXPECT_EQ(forms[0]->result(), Form::kResultOk);
  EXPECT_FALSE(IsWindow(first));

  HWND second = open("二");
  PostMessageW(button(second), WM_KEYDOWN, VK_ESCAPE, 0);
  ui.processMessages();
  EXPECT_FALSE(forms[1]->isOpen());
  EXPECT_FALSE(IsWindow(second));
}

}  // namespace
}  // namespace orvane
