#include "lock/lock_guard.h"

namespace orvane {

namespace {

// The virtual-key codes of the keys that lead away.
constexpr unsigned kTab = 0x09;
constexpr unsigned kEscape = 0x1B;
constexpr unsigned kLeftWindows = 0x5B;
constexpr unsigned kRightWindows = 0x5C;

}  // namespace

bool leadsAway(const KeyPress& key) {
  switch (key.virtualKey) {
    case kLeftWindows:
    case kRightWindows:
      return true;
    case kTab:
      return key.alt;
    case kEscape:
      return key.alt || key.control;
    default:
      return false;
  }
}

bool anotherLockRuns(bool nameHeld, const std::function<bool()>& ourLockWindowShown,
                     const std::function<void(unsigned milliseconds)>& pause) {
  if (!nameHeld) return false;
  for (unsigned waited = 0; waited < kRunningLockWaitMs; waited += kRunningLockLookMs) {
    if (ourLockWindowShown()) return true;
    pause(kRunningLockLookMs);
  }
  return false;
}

}  // namespace orvane
