#pragma once
// Switching a privilege of the process's own access token on or off, the two
// ways the power actions do it.

#include <string>

#include "platform/power.h"

namespace orvane {

// The shutdown privilege as the exit path names it.
inline constexpr const char* kShutdownPrivilege = "SeShutdownPrivilege";
// The same privilege as the standby and hibernate path names it (the lookup
// ignores letter case).
inline constexpr const char* kShutdownPrivilegeSuspendPath = "SeShutDownPrivilege";

// Opens the token for adjusting and querying (its result is not tested) and
// switches the privilege; true when AdjustTokenPrivileges returned non-zero,
// without consulting GetLastError, so a privilege the account lacks counts as
// switched. False when the name is unknown.
bool SetPrivilege(PowerApi& power, const std::string& name, bool enable);

// Switches the shutdown privilege and reports whether the system granted it:
// false when the token cannot be opened (systems without access tokens) and
// whenever GetLastError is not 0 after the adjustment, so
// ERROR_NOT_ALL_ASSIGNED counts as refused.
bool EnabledDebugPrivilege(PowerApi& power, bool enable);

}  // namespace orvane
