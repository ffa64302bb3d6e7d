#pragma once
// Facts about the running Windows: the platform family, the logged-on user,
// the working-set trimming of the NT family and the one running copy.

#include <windows.h>

#include "platform/system.h"

namespace orvane {

class Win32System : public SystemInfo {
 public:
  int platformId() const override;
  std::string userName() override;
  void trimWorkingSet() override;
  // A named mutex held for the life of the process marks the running copy.
  bool claimRunningCopy() override;
  // Posts showMainWindowMessage() to every top-level window; the running
  // copy's main window answers it by showing itself.
  void showRunningCopy() override;

  // The registered message that asks the running copy's main window to show.
  static UINT showMainWindowMessage();

 private:
  HANDLE runningCopy_ = nullptr;
  std::string environmentVariable(const std::string& name) override;
};

}  // namespace orvane
