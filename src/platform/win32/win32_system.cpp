#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"

#include <windows.h>

#include <lmcons.h>

namespace orvane {

int Win32System::platformId() const {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return 0;
  return static_cast<int>(version.dwPlatformId);
}

std::string Win32System::userName() {
  wchar_t name[UNLEN + 1] = {};
  DWORD size = UNLEN + 1;
  if (!GetUserNameW(name, &size)) return {};
  return wideToGbk(name);
}

namespace {
const wchar_t kRunningCopyMutex[] = L"Orvane.RunningCopy";
const wchar_t kShowMainWindowMessage[] = L"Orvane.ShowMainWindow";
// How long a second start waits for a copy that is ending: the program
// restarts itself by starting a new copy and then ending.
constexpr DWORD kEndingCopyWaitMs = 1500;
}  // namespace

bool Win32System::claimRunningCopy() {
  if (runningCopy_ != nullptr) return true;
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kRunningCopyMutex);
  if (mutex == nullptr) return true;  // nothing to coordinate with: run
  // A mutex left by a copy that ended without releasing it is ours too.
  const DWORD waited = WaitForSingleObject(mutex, kEndingCopyWaitMs);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return false;
  }
  runningCopy_ = mutex;
  return true;
}

void Win32System::showRunningCopy() {
  AllowSetForegroundWindow(ASFW_ANY);
  PostMessageW(HWND_BROADCAST, showMainWindowMessage(), 0, 0);
}

UINT Win32System::showMainWindowMessage() {
  static const UINT message = RegisterWindowMessageW(kShowMainWindowMessage);
  return message;
}

void Win32System::trimWorkingSet() {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

std::string Win32System::environmentVariable(const std::string& name) {
  const std::wstring wideName = gbkToWide(name);
  std::wstring value(GetEnvironmentVariableW(wideName.c_str(), nullptr, 0), L'\0');
  if (value.empty()) return {};
  value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size())));
  return wideToGbk(value);
}

}  // namespace orvane
