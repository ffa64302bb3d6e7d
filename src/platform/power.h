#pragma once
// Power and privileges: ExitWindowsEx, SetSystemPowerState, the process
// token calls that enable the shutdown privilege, and SetThreadExecutionState.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// One TOKEN_PRIVILEGES record with a single privilege.
struct PrivilegeRequest {
  Luid luid;
  std::uint32_t attributes = 0;  // 2 = SE_PRIVILEGE_ENABLED, 0 = disabled
};

using TokenHandle = std::uintptr_t;

class PowerApi {
 public:
  virtual ~PowerApi() = default;

  virtual bool exitWindowsEx(std::uint32_t flags, std::uint32_t reserved) = 0;
  virtual bool setSystemPowerState(bool suspend, bool force) = 0;

  // OpenProcessToken(GetCurrentProcess(), access); nothing when it fails.
  virtual std::optional<TokenHandle> openProcessToken(std::uint32_t access) = 0;
  virtual std::optional<Luid> lookupPrivilegeValue(const std::string& name) = 0;
  // AdjustTokenPrivileges(token, FALSE, request, 16, previous state or none).
  // With `previous`, it receives the privilege's state before the change, or
  // nothing when the request changed nothing; handed back to this call, it
  // restores that state.
  virtual bool adjustTokenPrivileges(TokenHandle token, const PrivilegeRequest& request,
                                     std::optional<PrivilegeRequest>* previous) = 0;
  virtual std::uint32_t lastError() = 0;
  virtual void closeHandle(TokenHandle handle) = 0;
  // SetThreadExecutionState for the calling (GUI) thread: kKeepSystemAwake
  // keeps the system from falling asleep until kAllowSleep is set again.
  static constexpr std::uint32_t kAllowSleep = 0x80000000U;       // ES_CONTINUOUS
  static constexpr std::uint32_t kKeepSystemAwake = 0x80000001U;  // ES_CONTINUOUS | ES_SYSTEM_REQUIRED
  virtual void setThreadExecutionState(std::uint32_t flags) = 0;
};

}  // namespace orvane
