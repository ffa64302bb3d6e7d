#include "clocksync/local_clock.h"

#include <optional>

namespace orvane {

namespace {
constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kTokenQuery = 0x08;
constexpr std::uint32_t kPrivilegeEnabled = 2;
constexpr const char* kSystemTimePrivilege = "SeSystemtimePrivilege";

// The token with the system-time privilege enabled for its lifetime; the
// state it had before is put back at the end.
class SystemTimePrivilege {
 public:
  explicit SystemTimePrivilege(PowerApi& power) : power_(power) {
    token_ = power_.openProcessToken(kTokenAdjustPrivileges | kTokenQuery);
    if (!token_) return;
    const auto luid = power_.lookupPrivilegeValue(kSystemTimePrivilege);
    enabled_ = luid && power_.adjustTokenPrivileges(*token_, {*luid, kPrivilegeEnabled}, &previous_);
  }
  ~SystemTimePrivilege() {
    if (!token_) return;
    if (previous_) power_.adjustTokenPrivileges(*token_, *previous_, nullptr);
    power_.closeHandle(*token_);
  }
  SystemTimePrivilege(const SystemTimePrivilege&) = delete;
  SystemTimePrivilege& operator=(const SystemTimePrivilege&) = delete;

  bool enabled() const { return enabled_; }

 private:
  PowerApi& power_;
  std::optional<TokenHandle> token_;
  std::optional<PrivilegeRequest> previous_;
  bool enabled_ = false;
};
}  // namespace

bool setLocalClock(SystemInfo& system, PowerApi& power, ClockApi& clock, DateTime local) {
  if (!isNtFamily(system)) return clock.setLocalTime(local);
  SystemTimePrivilege privilege(power);
  return privilege.enabled() && clock.setLocalTime(local);
}

}  // namespace orvane
