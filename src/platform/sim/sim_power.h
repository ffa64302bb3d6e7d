#pragma once
// Simulated power calls and process token. What the token does with a
// privilege request is set by the test: granted, refused with
// ERROR_NOT_ALL_ASSIGNED (the account lacks the privilege), or failed.
// Windows 9x/ME has no token at all. The token remembers which privileges
// are enabled, so that a caller can restore what it found.

#include <map>
#include <set>
#include <string>

#include "platform/power.h"

namespace orvane {

class EventLog;

enum class PrivilegeOutcome { Granted, NotAllAssigned, Failed };

class SimPower : public PowerApi {
 public:
  static constexpr std::uint32_t kErrorNotAllAssigned = 1300;
  static constexpr std::uint32_t kErrorAccessDenied = 5;

  explicit SimPower(EventLog& log) : log_(log) {}

  void setTokenAvailable(bool available) { tokenAvailable_ = available; }
  void setPrivilegeOutcome(PrivilegeOutcome outcome) { outcome_ = outcome; }
  void setExitWindowsResult(bool succeeds) { exitSucceeds_ = succeeds; }

  bool exitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
  bool setSystemPowerState(bool suspend, bool force) override;
  std::optional<TokenHandle> openProcessToken(std::uint32_t access) override;
  std::optional<Luid> lookupPrivilegeValue(const std::string& name) override;
  bool adjustTokenPrivileges(TokenHandle token, const PrivilegeRequest& request,
                             std::optional<PrivilegeRequest>* previous) override;
  std::uint32_t lastError() override { return lastError_; }
  void closeHandle(TokenHandle) override {}
  void setThreadExecutionState(std::uint32_t flags) override;

 private:
  std::string privilegeName(const Luid& luid) const;

  EventLog& log_;
  bool tokenAvailable_ = true;
  bool exitSucceeds_ = true;
  PrivilegeOutcome outcome_ = PrivilegeOutcome::Granted;
  std::uint32_t lastError_ = 0;
  std::set<std::uint32_t> enabled_;  // the token's enabled privileges, by LUID
};

}  // namespace orvane
