#pragma once
// The six things the program can do to the running computer: log off, power
// off, reboot, standby, hibernate and lock. They keep no state and report
// nothing; every part of the program that ends, suspends or locks Windows
// comes here.

#include <cstdint>

#include "platform/platform.h"

namespace orvane {

// ExitWindowsEx flag words.
inline constexpr std::uint32_t kExitLogOff = 0;
inline constexpr std::uint32_t kExitReboot = 2;
inline constexpr std::uint32_t kExitForcedPowerOff = 13;  // shutdown + force + power off

// Enables the shutdown privilege, asks Windows to exit and disables the
// privilege again whatever the answer; nothing at all when the privilege
// cannot be switched. True when ExitWindowsEx accepted the request.
bool ExitWindowsWithPrivilege(PowerApi& power, std::uint32_t flags);

class PowerActions {
 public:
  explicit PowerActions(Platform& platform);

  // By platform family: 9x/ME exits directly, the NT family with the
  // privilege, any other family does nothing. Power-off is forced; log-off
  // and reboot can be refused by a running program.
  void LogOffSystem();
  void PowerOffSystem();
  void RebootSystem();
  // Only when the shutdown privilege is granted (never on 9x/ME, which has
  // no token); the privilege stays enabled afterwards.
  void StandbySystem();
  void HibernateSystem();
  // Starts the companion lock program; a missing one does nothing, silently.
  void LockComputer();

 private:
  void exitWindows(std::uint32_t flags, std::uint32_t reservedOn9x);
  void suspend(bool standby);

  Platform& platform_;
};

}  // namespace orvane
