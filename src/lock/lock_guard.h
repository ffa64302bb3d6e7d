#pragma once
// The rules by which the lock program keeps its one lock screen: the keys it
// swallows while it runs, and when a second start stays out.

#include <functional>

namespace orvane {

// A key going down, as the system's keyboard hook reports it.
struct KeyPress {
  unsigned virtualKey;  // VK_...
  bool alt;             // Alt held
  bool control;         // Ctrl held
};

// Whether the key leads to other windows: the Windows keys, Alt+Tab,
// Alt+Esc and Ctrl+Esc.
bool leadsAway(const KeyPress& key);

// How long a second start waits for the window of the lock that holds the
// single-instance name, which may still be starting, and how often it looks.
inline constexpr unsigned kRunningLockWaitMs = 3000;
inline constexpr unsigned kRunningLockLookMs = 100;

// Whether a second start does nothing: only when the single-instance name is
// held and a lock window of this very program file shows within the wait
// (anyone can create the name; held but with no such window, it locks
// anyway). `pause` waits the given milliseconds.
bool anotherLockRuns(bool nameHeld, const std::function<bool()>& ourLockWindowShown,
                     const std::function<void(unsigned milliseconds)>& pause);

}  // namespace orvane
