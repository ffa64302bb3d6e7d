#pragma once
// What the next shutdown countdown is to do: program-wide values that every
// requester of a countdown sets (the task dispatcher, the daily shutdown, the
// start-up check, the wizard's test run, the timed shutdown) and the
// countdown reads. Both start empty and are never cleared.

#include <string>

namespace orvane {

inline constexpr const char* kShutdownRequest = "Shutdown...";
inline constexpr const char* kRebootRequest = "Reboot...";

struct CountdownRequest {
  // "Shutdown..." or "Reboot..."; exactly "Reboot..." means a reboot and
  // every other value, the empty one included, a power-off.
  std::string PendingPowerAction;
  // The explanation line the next countdown shows instead of its default
  // (UTF-8); empty for the default.
  std::string CountdownNote;

  bool isReboot() const { return PendingPowerAction == kRebootRequest; }
};

}  // namespace orvane
