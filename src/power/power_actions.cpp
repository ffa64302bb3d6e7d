#include "power/power_actions.h"

#include "power/lock_program.h"
#include "power/privileges.h"

namespace orvane {

namespace {
// The one exit path that passes a non-zero second argument: the direct
// power-off on 9x/ME.
constexpr std::uint32_t kPowerOffReserved9x = 32;
}  // namespace

bool ExitWindowsWithPrivilege(PowerApi& power, std::uint32_t flags) {
  if (!SetPrivilege(power, kShutdownPrivilege, true)) return false;
  const bool accepted = power.exitWindowsEx(flags, 0);
  SetPrivilege(power, kShutdownPrivilege, false);
  return accepted;
}

PowerActions::PowerActions(Platform& platform) : platform_(platform) {}

void PowerActions::exitWindows(std::uint32_t flags, std::uint32_t reservedOn9x) {
  const int family = platform_.system.platformId();
  if (family == static_cast<int>(PlatformFamily::Win9x)) platform_.power.exitWindowsEx(flags, reservedOn9x);
  if (family == static_cast<int>(PlatformFamily::NT)) ExitWindowsWithPrivilege(platform_.power, flags);
}

void PowerActions::LogOffSystem() { exitWindows(kExitLogOff, 0); }

void PowerActions::PowerOffSystem() { exitWindows(kExitForcedPowerOff, kPowerOffReserved9x); }

void PowerActions::RebootSystem() { exitWindows(kExitReboot, 0); }

void PowerActions::suspend(bool standby) {
  if (EnabledDebugPrivilege(platform_.power, true)) platform_.power.setSystemPowerState(standby, true);
}

void PowerActions::StandbySystem() { suspend(true); }

void PowerActions::HibernateSystem() { suspend(false); }

void PowerActions::LockComputer() { startLockProgram(platform_.shell, platform_.files); }

}  // namespace orvane
