#pragma once
// A client of the Time Protocol (RFC 868): it connects to a time server on
// TCP port 37, sends nothing, and reads the server's 32-bit count of seconds
// since 1900-01-01 00:00 UTC, corrected by half the round trip in whole
// seconds. Everything blocks the calling thread: the connect as long as the
// system's connect time-out allows, each wait for data up to 2.5 seconds.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "common/date_time.h"
#include "platform/clock.h"
#include "platform/sockets.h"

namespace orvane {

// A fetch that cannot go on: a host that does not resolve, a refused or
// broken connection, time zone information the system cannot give.
class TimeFetchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TimeClient {
 public:
  static constexpr std::uint16_t kPort = 37;
  static constexpr int kReadTimeoutMs = 2500;
  // 1900-01-01 00:00, where the count begins.
  static constexpr double kBaseDate = 2.0;

  TimeClient(SocketApi& sockets, ClockApi& clock, std::string host)
      : sockets_(sockets), clock_(clock), host_(std::move(host)) {}

  // The server's count as sent; 0 when a wait for data ends without any.
  // Throws TimeFetchError when the connection fails or breaks.
  std::uint32_t serverCount();
  // The server's time as a local date-time: the count, read in the 136-year
  // era nearest the PC's clock, plus the round-trip correction, less the
  // zone bias. 0.0 for a count of 0.
  DateTime serverTimeAsLocal();
  // Half the round trip of the last fetch, in milliseconds.
  std::uint32_t roundTripDelayMs() const { return roundTripDelayMs_; }

 private:
  std::int64_t secondsSinceBase(std::uint32_t count);

  SocketApi& sockets_;
  ClockApi& clock_;
  std::string host_;
  std::uint32_t roundTripDelayMs_ = 0;
};

// The zone bias in force (UTC minus local), in minutes: the zone's bias
// plus the standard or the daylight bias. Throws TimeFetchError when the
// system gives no valid time zone information.
int zoneBiasMinutes(ClockApi& clock);
// Local minus UTC, in minutes (east of UTC positive). Throws OperationError
// "Failed attempting to retrieve time zone information." when the system
// gives no valid time zone information.
int localOffsetMinutes(ClockApi& clock);

// The server's time in UTC, or 0.0 when anything failed on the way (no
// message is shown); a server that sent nothing or the count 0 gives 0.0
// less the local offset, a date in December 1899. Callers tell success by
// the year of the result.
DateTime fetchUtcTime(SocketApi& sockets, ClockApi& clock, const std::string& host);

// A fetched time counts as a success when its year is after 2003.
bool isPlausibleServerTime(DateTime time);

}  // namespace orvane
