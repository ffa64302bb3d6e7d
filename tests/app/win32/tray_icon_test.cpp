// The tray icon on the real shell: it is in the notification area while it
// lives, comes back when the shell announces a restart ("TaskbarCreated"),
// and a double click runs the tray menu's default entry.

#include "app/tray_icon_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

#include "app/main_form.h"
#include "platform/sim/sim_world.h"
#include "platform/win32/win32_ui.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

NOTIFYICONDATAW iconOf(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  std::wcscpy(data.szTip, L"Orvane");
  return data;
}

// Only an icon that the shell knows can be changed.
bool shellKnowsIcon(HWND window) {
  NOTIFYICONDATAW data = iconOf(window);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

class TrayIconTest : public testing::Test {
 protected:
  TrayIconTest() { ui.setApplicationTitle(L"Orvane"); }

  TempDir directory;
  SimWorld world{directory.path(), DateTime()};
  Win32Ui ui;
  MainForm form{world.platform(), ui};
};

TEST_F(TrayIconTest, TheIconComesBackWhenTheShellAnnouncesARestart) {
  TrayIcon tray(form, ui);
  const HWND window = FindWindowW(L"OrvaneTray", L"Orvane");
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(shellKnowsIcon(window));
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

  // A restarted shell has forgotten the icon: it is added again.
  NOTIFYICONDATAW data = iconOf(window);
  Shell_NotifyIconW(NIM_DELETE, &data);
  ASSERT_FALSE(shellKnowsIcon(window));
  SendMessageW(window, taskbarCreated, 0, 0);
  EXPECT_TRUE(shellKnowsIcon(window));

  // An announcement while the shell still knows it changes nothing.
  SendMessageW(window, taskbarCreated, 0, 0);
  EXPECT_TRUE(shellKnowsIcon(window));
}

TEST_F(TrayIconTest, ADoubleClickRunsTheDefaultEntry) {
  int defaultRuns = 0;
  int otherRuns = 0;
  form.trayMenu().items().insert(form.trayMenu().items().begin(), MenuItem("其他", [&] { ++otherRuns; }));
  form.trayMenu().find("开关定时设置")->action = [&] { ++defaultRuns; };
  TrayIcon tray(form, ui);
  const HWND window = FindWindowW(L"OrvaneTray", L"Orvane");
  ASSERT_NE(window, nullptr);

  SendMessageW(window, TrayIcon::kIconMessage, MAKEWPARAM(10, 10), MAKELPARAM(WM_LBUTTONDBLCLK, 1));
  EXPECT_EQ(defaultRuns, 1);
  EXPECT_EQ(otherRuns, 0);
}

}  // namespace
}  // namespace orvane
