#pragma once
// Whole seconds since a moment of the tick count, for a window that counts
// seconds while its timer ticks about once a second. Every tick of a window
// timer comes a little late, so counting ticks runs slow; the tick count does
// not. A tick that the tick count's coarse steps (15.6 ms each) show a hair
// short of its second still counts it.

#include <cstdint>

#include "platform/clock.h"

namespace orvane {

inline constexpr std::uint32_t kTickCountSlackMs = 32;

// Milliseconds since `startTick`; the tick count's wrap-around after 49.7
// days is harmless.
inline std::uint32_t elapsedMilliseconds(ClockApi& clock, std::uint32_t startTick) {
  return clock.tickCount() - startTick;
}

inline std::int64_t countedSeconds(std::uint32_t elapsedMs) {
  return (std::int64_t{elapsedMs} + kTickCountSlackMs) / 1000;
}

}  // namespace orvane
