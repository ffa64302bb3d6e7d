#include "clocksync/time_client.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "common/errors.h"

namespace orvane {

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::int64_t kMillisecondsPerMinute = 60'000;
constexpr std::int64_t kEraSeconds = std::int64_t{1} << 32;
constexpr int kCountBytes = 4;
constexpr int kLastFailedYear = 2003;

// Closes the connection however the fetch ends.
class Connection {
 public:
  Connection(SocketApi& sockets, SocketHandle socket) : sockets_(sockets), socket_(socket) {}
  ~Connection() { sockets_.close(socket_); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  SocketHandle socket() const { return socket_; }

 private:
  SocketApi& sockets_;
  SocketHandle socket_;
};

std::uint32_t fromNetworkOrder(const std::string& bytes) {
  std::uint32_t count = 0;
  for (int i = 0; i < kCountBytes; ++i)
    count = (count << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  return count;
}

}  // namespace

std::uint32_t TimeClient::serverCount() {
  const auto socket = sockets_.connect(host_, kPort);
  if (!socket) throw TimeFetchError("cannot connect to " + host_);
  Connection connection(sockets_, *socket);
  const std::uint32_t connectedAt = clock_.tickCount();
  std::string received;
  while (received.size() < kCountBytes) {
    const auto bytes = sockets_.receive(connection.socket(), kReadTimeoutMs);
    if (!bytes) throw TimeFetchError("connection to " + host_ + " closed");
    if (bytes->empty()) return 0;
    received += *bytes;
  }
  // The tick count wraps after 49.7 days; the unsigned difference is right
  // across the wrap.
  roundTripDelayMs_ = (clock_.tickCount() - connectedAt) >> 1;
  return fromNetworkOrder(received);
}

// The count holds 32 bits and wraps every 136 years (first on 2036-02-07
// 06:28:16 UTC). It is read in the era that puts it nearest the PC's own
// clock, which is surely right to within decades.
std::int64_t TimeClient::secondsSinceBase(std::uint32_t count) {
  const double pcSeconds = (clock_.localNow().value() - kBaseDate) * kSecondsPerDay;
  const double era = std::round((pcSeconds - count) / static_cast<double>(kEraSeconds));
  return std::int64_t{count} + std::max<std::int64_t>(0, static_cast<std::int64_t>(era)) * kEraSeconds;
}

DateTime TimeClient::serverTimeAsLocal() {
  const std::uint32_t count = serverCount();
  if (count == 0) return DateTime(0.0);
  const std::int64_t seconds = secondsSinceBase(count) + roundTripDelayMs_ / 1000;
  const std::int64_t base = DateTime(kBaseDate).totalMilliseconds();
  return DateTime::fromMilliseconds(base + seconds * 1000 - zoneBiasMinutes(clock_) * kMillisecondsPerMinute);
}

namespace {
std::optional<int> biasInForce(const TimeZoneState& zone) {
  switch (zone.kind) {
    case TimeZoneState::Kind::Unknown:
      return zone.bias;
    case TimeZoneState::Kind::Standard:
      return zone.bias + zone.standardBias;
    case TimeZoneState::Kind::Daylight:
      return zone.bias + zone.daylightBias;
    default:
      return std::nullopt;
  }
}
}  // namespace

int zoneBiasMinutes(ClockApi& clock) {
  const auto bias = biasInForce(clock.timeZone());
  if (!bias) throw TimeFetchError("invalid time zone information");
  return *bias;
}

int localOffsetMinutes(ClockApi& clock) {
  const auto bias = biasInForce(clock.timeZone());
  if (!bias) throw OperationError("Failed attempting to retrieve time zone information.");
  return -*bias;
}

DateTime fetchUtcTime(SocketApi& sockets, ClockApi& clock, const std::string& host) {
  try {
    TimeClient client(sockets, clock, host);
    const DateTime local = client.serverTimeAsLocal();
    return local.addMilliseconds(-localOffsetMinutes(clock) * kMillisecondsPerMinute);
  } catch (const std::exception&) {
    return DateTime(0.0);
  }
}

bool isPlausibleServerTime(DateTime time) { return time.date().year > kLastFailedYear; }

}  // namespace orvane
