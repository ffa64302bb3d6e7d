#include "platform/win32/win32_system.h"

#include <windows.h>

#include <lmcons.h>

#include "common/gbk.h"

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

void Win32System::trimWorkingSet() {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

}  // namespace orvane
