#pragma once
// Facts about the running Windows.

#include <string>

namespace orvane {

// The platform identifier that GetVersionExA reports (dwPlatformId).
enum class PlatformFamily : int { Win9x = 1, NT = 2 };

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // 1 = Windows 95/98/ME, 2 = NT family; any other value is possible and
  // is passed on as it is.
  virtual int platformId() const = 0;
  // The logged-on user's name (GetUserNameA), GBK.
  virtual std::string userName() = 0;
  // SetProcessWorkingSetSize(GetCurrentProcess(), -1, -1).
  virtual void trimWorkingSet() = 0;
  // Claims the place of the one running copy of the program for the rest of
  // the process. A copy that is still ending (the program restarting itself)
  // is waited for a moment; false when another copy goes on running.
  virtual bool claimRunningCopy() = 0;
  // Asks the copy that runs to show its main window.
  virtual void showRunningCopy() = 0;
  // An environment variable of the process (GBK); empty when it is not set.
  virtual std::string environmentVariable(const std::string& name) = 0;
};

inline bool isNtFamily(const SystemInfo& system) { return system.platformId() == static_cast<int>(PlatformFamily::NT); }

}  // namespace orvane
