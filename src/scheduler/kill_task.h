#pragma once
// The close-program action: ends running processes by the name of their
// executable, over one process snapshot.

#include <string_view>

namespace orvane {

class ShellApi;

// Terminates (exit code 0) every process whose executable name, or the file
// name after its last backslash, equals `name` in any letter case; a name
// that differs in its extension or names only a part does not match. The
// result of the last termination (1 when it succeeded), 0 when nothing
// matched.
int KillTask(ShellApi& shell, std::string_view name);

}  // namespace orvane
