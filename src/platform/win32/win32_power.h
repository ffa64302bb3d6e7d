#pragma once
// Power and privileges on the real Windows.

#include "platform/power.h"

namespace orvane {

class Win32Power : public PowerApi {
 public:
  bool exitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
  // Looked up in kernel32 at run time: later systems may lack it, and the
  // call then fails with ERROR_CALL_NOT_IMPLEMENTED.
  bool setSystemPowerState(bool suspend, bool force) override;

  std::optional<TokenHandle> openProcessToken(std::uint32_t access) override;
  std::optional<Luid> lookupPrivilegeValue(const std::string& name) override;
  bool adjustTokenPrivileges(TokenHandle token, const PrivilegeRequest& request,
                             std::optional<PrivilegeRequest>* previous) override;
  std::uint32_t lastError() override;
  void closeHandle(TokenHandle handle) override;
  // Looked up at run time too: Windows 95 and NT 4 lack it.
  void setThreadExecutionState(std::uint32_t flags) override;
};

}  // namespace orvane
