#include "platform/sim/sim_power.h"

#include <array>
#include <cstdio>

#include "common/gbk.h"
#include "platform/sim/event_log.h"

namespace orvane {

namespace {
struct KnownPrivilege {
  const char* name;
  std::uint32_t luid;
};
constexpr std::array<KnownPrivilege, 2> kPrivileges{{{"SeShutdownPrivilege", 19}, {"SeSystemtimePrivilege", 12}}};
constexpr TokenHandle kProcessToken = 0x7e11;
constexpr std::uint32_t kPrivilegeEnabled = 2;
}  // namespace

bool SimPower::exitWindowsEx(std::uint32_t flags, std::uint32_t reserved) {
  log_.add("ExitWindowsEx flags=" + std::to_string(flags) + " reserved=" + std::to_string(reserved));
  return exitSucceeds_;
}

bool SimPower::setSystemPowerState(bool suspend, bool force) {
  log_.add("SetSystemPowerState suspend=" + std::to_string(suspend ? 1 : 0) +
           " force=" + std::to_string(force ? 1 : 0));
  return true;
}

std::optional<TokenHandle> SimPower::openProcessToken(std::uint32_t access) {
  if (!tokenAvailable_) {
    log_.add("OpenProcessToken access=" + std::to_string(access) + " -> failed");
    lastError_ = 120;  // ERROR_CALL_NOT_IMPLEMENTED
    return std::nullopt;
  }
  return kProcessToken;
}

std::optional<Luid> SimPower::lookupPrivilegeValue(const std::string& name) {
  for (const auto& known : kPrivileges) {
    if (equalsIgnoringAsciiCase(name, known.name)) return Luid{known.luid, 0};
  }
  log_.add("LookupPrivilegeValue name=" + quotedGbk(name) + " -> failed");
  return std::nullopt;
}

std::string SimPower::privilegeName(const Luid& luid) const {
  for (const auto& known : kPrivileges) {
    if (known.luid == luid.lowPart && luid.highPart == 0) return known.name;
  }
  return "luid:" + std::to_string(luid.lowPart);
}

bool SimPower::adjustTokenPrivileges(TokenHandle, const PrivilegeRequest& request,
                                     std::optional<PrivilegeRequest>* previous) {
  const bool enable = (request.attributes & kPrivilegeEnabled) != 0;
  if (previous != nullptr) previous->reset();
  std::string line =
      "AdjustTokenPrivileges privilege=" + privilegeName(request.luid) + " enable=" + (enable ? "1" : "0");
  switch (outcome_) {
    case PrivilegeOutcome::Granted: {
      lastError_ = 0;
      const bool wasEnabled = enabled_.count(request.luid.lowPart) != 0;
      if (previous != nullptr && wasEnabled != enable) {
        *previous = PrivilegeRequest{request.luid, wasEnabled ? kPrivilegeEnabled : 0};
      }
      if (enable) {
        enabled_.insert(request.luid.lowPart);
      } else {
        enabled_.erase(request.luid.lowPart);
      }
      break;
    }
    case PrivilegeOutcome::NotAllAssigned:
      lastError_ = kErrorNotAllAssigned;
      line += " -> not-all-assigned";
      break;
    case PrivilegeOutcome::Failed:
      lastError_ = kErrorAccessDenied;
      line += " -> failed";
      break;
  }
  log_.add(line);
  return outcome_ != PrivilegeOutcome::Failed;
}

void SimPower::setThreadExecutionState(std::uint32_t flags) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(flags));
  log_.add(std::string("SetThreadExecutionState flags=") + hex);
}

}  // namespace orvane
