#include "platform/win32/win32_power.h"

#include <windows.h>

#include "platform/win32/win32_library.h"

namespace orvane {

namespace {
typedef BOOL(WINAPI SetSystemPowerStateFunction)(BOOL suspend, BOOL force);
typedef EXECUTION_STATE(WINAPI SetThreadExecutionStateFunction)(EXECUTION_STATE flags);

HANDLE handleOf(TokenHandle token) { return reinterpret_cast<HANDLE>(token); }
}  // namespace

bool Win32Power::exitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
  return ExitWindowsEx(flags, reserved) != 0;
}

bool Win32Power::setSystemPowerState(bool suspend, bool force) {
  auto* function = libraryFunction<SetSystemPowerStateFunction>(L"kernel32.dll", "SetSystemPowerState");
  if (function == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return false;
  }
  return function(suspend, force) != 0;
}

std::optional<TokenHandle> Win32Power::openProcessToken(std::uint32_t access) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), access, &token)) return std::nullopt;
  return reinterpret_cast<TokenHandle>(token);
}

std::optional<Luid> Win32Power::lookupPrivilegeValue(const std::string& name) {
  LUID luid{};
  if (!LookupPrivilegeValueA(nullptr, name.c_str(), &luid)) return std::nullopt;
  return Luid{luid.LowPart, luid.HighPart};
}

bool Win32Power::adjustTokenPrivileges(TokenHandle token, const PrivilegeRequest& request,
                                       std::optional<PrivilegeRequest>* previous) {
  // One privilege: the record is 16 bytes, the count and one LUID with its
  // attributes.
  TOKEN_PRIVILEGES state{};
  state.PrivilegeCount = 1;
  state.Privileges[0].Luid.LowPart = request.luid.lowPart;
  state.Privileges[0].Luid.HighPart = request.luid.highPart;
  state.Privileges[0].Attributes = request.attributes;
  TOKEN_PRIVILEGES before{};
  DWORD beforeSize = 0;
  const bool adjusted =
      AdjustTokenPrivileges(handleOf(token), FALSE, &state, sizeof state, previous != nullptr ? &before : nullptr,
                            previous != nullptr ? &beforeSize : nullptr) != 0;
  if (previous != nullptr) {
    // The record lists the privileges the call changed: none or this one.
    previous->reset();
    if (adjusted && before.PrivilegeCount == 1) {
      const LUID_AND_ATTRIBUTES& entry = before.Privileges[0];
      *previous = PrivilegeRequest{{entry.Luid.LowPart, entry.Luid.HighPart}, entry.Attributes};
    }
  }
  return adjusted;
}

std::uint32_t Win32Power::lastError() { return GetLastError(); }

void Win32Power::closeHandle(TokenHandle handle) { CloseHandle(handleOf(handle)); }

void Win32Power::setThreadExecutionState(std::uint32_t flags) {
  auto* function = libraryFunction<SetThreadExecutionStateFunction>(L"kernel32.dll", "SetThreadExecutionState");
  if (function != nullptr) function(flags);
}

}  // namespace orvane
