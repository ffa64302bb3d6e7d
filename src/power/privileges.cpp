#include "power/privileges.h"

namespace orvane {

namespace {
constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kTokenQuery = 0x08;
constexpr std::uint32_t kPrivilegeEnabled = 2;

PrivilegeRequest requestFor(const Luid& luid, bool enable) { return {luid, enable ? kPrivilegeEnabled : 0}; }
}  // namespace

bool SetPrivilege(PowerApi& power, const std::string& name, bool enable) {
  const TokenHandle token = power.openProcessToken(kTokenAdjustPrivileges | kTokenQuery).value_or(0);
  bool switched = false;
  if (const auto luid = power.lookupPrivilegeValue(name)) {
    std::optional<PrivilegeRequest> previous;  // asked for, not used
    switched = power.adjustTokenPrivileges(token, requestFor(*luid, enable), &previous);
  }
  power.closeHandle(token);
  return switched;
}

bool EnabledDebugPrivilege(PowerApi& power, bool enable) {
  const auto token = power.openProcessToken(kTokenAdjustPrivileges);
  if (!token) return false;
  const Luid luid = power.lookupPrivilegeValue(kShutdownPrivilegeSuspendPath).value_or(Luid{});
  power.adjustTokenPrivileges(*token, requestFor(luid, enable), nullptr);
  const bool granted = power.lastError() == 0;
  power.closeHandle(*token);
  return granted;
}

}  // namespace orvane
