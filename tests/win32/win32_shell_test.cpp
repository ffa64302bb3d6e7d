// The real process list: the snapshot lists the running test itself by its
// process id and executable name. A help file that is missing shows nothing.

#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/gbk.h"

namespace orvane {
namespace {

TEST(Win32ShellTest, TheProcessSnapshotListsThisProcess) {
  Win32Shell shell([] { return HWND{}; });
  const auto processes = shell.processSnapshot();
  const auto self = std::find_if(processes.begin(), processes.end(),
                                 [](const ProcessEntry& entry) { return entry.pid == GetCurrentProcessId(); });
  ASSERT_NE(self, processes.end());
  EXPECT_EQ(asciiUpper(self->executable), "ORVANE_WIN32_TESTS.EXE");
  EXPECT_GT(processes.size(), 1u);
}

TEST(Win32ShellTest, EndingAProcessThatDoesNotExistFails) {
  Win32Shell shell([] { return HWND{}; });
  EXPECT_FALSE(shell.terminateProcess(0xFFFFFFF0u));
}

// A window enumeration callback is CALLBACK (stdcall in the 32-bit build),
// which a lambda cannot be.
BOOL CALLBACK countShownOfThisProcess(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST(Win32ShellTest, AMissingHelpFileShowsNoWindow) {
  Win32Shell shell([] { return HWND{}; });
  shell.showHelpTopic("C:\\no such folder\\help.chm", "power.html");
  int shown = 0;
  EnumWindows(countShownOfThisProcess, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown, 0);
}

}  // namespace
}  // namespace orvane
