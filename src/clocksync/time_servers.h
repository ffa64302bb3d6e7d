#pragma once
// The time servers offered in the clock window, in their fixed order. They
// are servers of the US national time service (NIST), taken from its
// published list of Internet Time Service servers, which answer the Time
// Protocol on TCP port 37 besides NTP. The second entry, the service's
// round-robin name, is the default.

#include <array>
#include <string_view>

#include "storage/settings_keys.h"

namespace orvane {

inline constexpr std::array<std::string_view, 12> kTimeServers{{
    "time-a-g.nist.gov",
    "time.nist.gov",
    "time-b-g.nist.gov",
    "time-c-g.nist.gov",
    "time-d-g.nist.gov",
    "time-a-wwv.nist.gov",
    "time-b-wwv.nist.gov",
    "time-c-wwv.nist.gov",
    "time-d-wwv.nist.gov",
    "time-a-b.nist.gov",
    "time-b-b.nist.gov",
    "time-c-b.nist.gov",
}};

static_assert(wake_ini::kClockServer.fallback == kTimeServers[1],
              "the stored server defaults to the second entry of the list");

}  // namespace orvane
