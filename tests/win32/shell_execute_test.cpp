// The real ShellExecute as the task actions use it: a program that exists
// starts in the working directory it is given (paths with Chinese names,
// handed over as GBK), and a file that does not exist fails without showing
// anything.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text.h"
#include "test_support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string gbkPath(const fs::path& path) { return wideToGbk(path.wstring()); }

fs::path besideThisProgram(const wchar_t* name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return fs::path(self).parent_path() / name;
}

// Waits up to 30 s for a file that a started program creates.
bool appears(const fs::path& file) {
  for (int attempt = 0; attempt < 600 && !fs::exists(file); ++attempt) Sleep(50);
  return fs::exists(file);
}

BOOL CALLBACK collectShown(HWND window, LPARAM shown) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    reinterpret_cast<std::set<HWND>*>(shown)->insert(window);
  }
  return TRUE;
}

std::set<HWND> windowsShown() {
  std::set<HWND> shown;
  EnumWindows(collectShown, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

class ShellExecuteTest : public testing::Test {
 protected:
  TempDir directory;
  Win32Shell shell{[] { return HWND{}; }};
};

TEST_F(ShellExecuteTest, AProgramThatExistsStartsInTheGivenWorkingDirectory) {
  const fs::path programs = directory.path() / utf8ToWide("程序");
  const fs::path work = directory.path() / utf8ToWide("工作");
  fs::create_directories(programs);
  fs::create_directories(work);
  fs::copy_file(besideThisProgram(L"start_marker.exe"), programs / utf8ToWide("启动.exe"));
  shell.shellExecute("open", gbkPath(programs / utf8ToWide("启动.exe")), gbkPath(work));
  EXPECT_TRUE(appears(work / "started.txt"));
  EXPECT_FALSE(fs::exists(programs / "started.txt"));
}

TEST_F(ShellExecuteTest, AFileThatDoesNotExistFailsSilently) {
  const std::set<HWND> before = windowsShown();
  shell.shellExecute("open", gbkPath(directory.path() / utf8ToWide("没有.exe")), "");
  shell.shellExecute("open", gbkPath(directory.path() / "missing.txt"), gbkPath(directory.path()));
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(windowsShown(), before);
}

}  // namespace
}  // namespace orvane
